// Bus commands that carry section data (functions 'H' and 'I') and the
// update and logo pages (function 'J'). Each runs its exchanges on the given
// link and returns a result code: 0 success, the link's codes unchanged, and
// the codes below. Reads zero their record first and leave it zeroed when
// they fail (a program keeps the parts read before the failing one). Writes that take `wszystkie` (or `A_BypassSet73`)
// open and close a write session of their own when it is false.
#pragma once

#include "komunikacja.h"
#include "rekordy_projekt.h"

#include <QByteArray>

#include <cstdint>

// A block that cannot be packed (a slot or page size out of range): nothing
// is sent.
constexpr int kodBleduPakowania = 334;
// A program part that the controller did not take.
constexpr int kodBleduCzesciProgramu = 337;
// A measuring input without a relative alarm.
constexpr int kodBrakAlarmuWzglednego = 200;
// An update commit that the controller did not confirm with "OK".
constexpr int kodBrakPotwierdzenia = 7;

// ---- Programs and steps ----------------------------------------------------
// The five parts of a program; the program number comes from A_prog.nr_prog,
// A_nr is not used.
int ZapisKomProgramuKVOR350(TFkomunikacja &k, const TProgram &A_prog, int A_nr, const TUstawieniaSterownika &A_ust,
                            bool A_BypassSet73);
int CzytajProgramKVOR350(TFkomunikacja &k, TProgram &A_prog, int A_nr, const TUstawieniaSterownika &A_ust);
// Step slot `blok` (0..32); `mycie` selects the washing steps.
int ZapisKomKrokiKvor350(TFkomunikacja &k, const TKrok &kr, int blok, int adres, const TParamTrans &trans,
                         bool wszystkie, bool mycie);
int CzytajKomKrokiKVOR350(TFkomunikacja &k, TKrok &kr, int A_NrKroku, int adres, bool mycie, const TParamTrans &trans);

// ---- Outputs and special modes ---------------------------------------------
int ZapisKomPrzekaznikiKvor350(TFkomunikacja &k, const TPrzekaznik &kr, int blok, int adres, const TParamTrans &trans,
                               bool wszystkie);
int CzytajKomPrzekaznikiKVOR350(TFkomunikacja &k, TPrzekaznik &kr, int blok, int adres, const TParamTrans &trans);
// All four alarm outputs, one frame each, stopping at the first failure.
int ZapisKomPrzekaznikiAlarmKvor350(TFkomunikacja &k, const TAlarmyF1F4Array &A_alarmy, int adres,
                                    const TParamTrans &trans, bool wszystkie);
// Alarm output A_numer 1..4.
int CzytajPrzekaznikiAlarmKVOR350(TFkomunikacja &k, vxt_alarm_konfiguracja_t &A_al, int A_numer, int adres,
                                  const TParamTrans &trans);
int ZapisKomFunkcjeSpecKvor350(TFkomunikacja &k, const TFunkcjaSpec &kr, int blok, int adres, const TParamTrans &trans,
                               bool wszystkie);
int CzytajKomStanyKVOR350(TFkomunikacja &k, TFunkcjaSpec &kr, int blok, int adres, const TParamTrans &trans);
int ZapisKomWyjsciaAnalogoweKvor350(TFkomunikacja &k, const TWyjscieAnalogowe &kr, int blok, int adres,
                                    const TParamTrans &trans, bool wszystkie);
int CzytajKomWyjsciaAnalogoweKVOR350(TFkomunikacja &k, TWyjscieAnalogowe &kr, int blok, int adres,
                                     const TParamTrans &trans);

// ---- Inputs ----------------------------------------------------------------
// Measuring input 0..23.
int ZapisKomWejsciaaAnalogoweKvor350(TFkomunikacja &k, const TWejscieAnalogowe &kr, int blok, int adres,
                                     const TParamTrans &trans, bool wszystkie);
int CzytajWejsciaAnalogoweKVOR350(TFkomunikacja &k, TWejscieAnalogowe &A_wejscie, int A_numer, int adres,
                                  const TParamTrans &trans);
// The write takes the relative-alarm slot (0 for input 0, 1 for input 2),
// the read the measuring input (0 or 2); anything else gives
// kodBrakAlarmuWzglednego with nothing sent.
int ZapisKomWejAnalogAlarmWzglednyKvor350(TFkomunikacja &k, int a_numer, const vxt_alarm_konfiguracja_t &a_Alarm,
                                          int adres, const TParamTrans &trans, bool wszystkie);
int CzytajWejAnalogAlarmWzglednyKVOR350(TFkomunikacja &k, int a_numer, vxt_alarm_konfiguracja_t &a_Alarm, int adres,
                                        const TParamTrans &trans);
// Addressed by the record's own nr_wejscia and nr_karty; the read keeps them.
int ZapisKomWejsciaCyfroweKvor350(TFkomunikacja &k, const Tkvor350wejscieDwustanowe &kr, int adres,
                                  const TParamTrans &trans, bool wszystkie);
int CzytajWejsciaCyfroweKVOR350(TFkomunikacja &k, Tkvor350wejscieDwustanowe &a_dane, int adres,
                                const TParamTrans &trans);

// ---- Setpoints, humidity, additions, washing settings ----------------------
int ZapisZadanaKvor350(TFkomunikacja &k, const TKvor350zadana &kr, int blok, int adres, const TParamTrans &trans,
                       bool wszystkie);
int CzytajZadaneKVOR350(TFkomunikacja &k, TKvor350zadana &kr, int blok, int adres, const TParamTrans &trans);
int ZapisKomWilgotnoscKvor350(TFkomunikacja &k, const Tkvor350wilgotnosc &kr, int adres, const TParamTrans &trans,
                              bool wszystkie);
int CzytajWilgotnoscKVOR350(TFkomunikacja &k, Tkvor350wilgotnosc &kr, int adres, const TParamTrans &trans);
int ZapisKomDodatkiKvor350(TFkomunikacja &k, const tdanedodatki &kr, int adres, const TParamTrans &trans,
                           bool wszystkie);
int CzytajDodatkiKVOR350(TFkomunikacja &k, tdanedodatki &kr, int adres, const TParamTrans &trans);
// Always in a write session of its own.
int ZapisUstawieniaMyciaKvor350(TFkomunikacja &k, const TProjektDodatkiMycie &kr, int adres, const TParamTrans &trans);
int CzytajKomUstawieniaMyciaKVOR350(TFkomunikacja &k, TProjektDodatkiMycie &kr, int adres, const TParamTrans &trans);

// ---- Update and logo pages -------------------------------------------------
// The first page-size bytes of a_page as page a_pageNum; a page size beyond
// a_page gives kodBleduPakowania. The reply's content is not examined.
int ZapisFirmwarePageKvor350(TFkomunikacja &k, uint16_t a_pageNum, uint16_t A_firmware_PageSize,
                             const QByteArray &a_page, int adres, const TParamTrans &trans);
int ZapisGrafikaPageKvor350(TFkomunikacja &k, uint16_t a_pageNum, uint16_t A_firmware_PageSize,
                            const QByteArray &a_page, int adres, const TParamTrans &trans);
int ZapisLogoPageKvor350(TFkomunikacja &k, uint16_t a_pageNum, uint16_t A_logo_pageSize, const QByteArray &a_page,
                         int adres, const TParamTrans &trans);
// The commit: the file's CRC and size; a reply of at least 7 bytes without
// "OK" in data bytes 0-1 gives kodBrakPotwierdzenia.
int ZapisFirmwareCrcKvor350(TFkomunikacja &k, uint16_t a_crc, int a_filesize, int adres, const TParamTrans &trans);
int ZapisGrafikaCrcKvor350(TFkomunikacja &k, uint16_t a_crc, int a_filesize, int adres, const TParamTrans &trans);
