// The retrying facade: one function per bus command, the only way the
// windows reach the RS-485 link. Each sets the port's read time-out for its
// command, runs it until it succeeds (or returns one of its stop codes), at
// most N times, pauses 100 ms after every failed attempt (the last one too;
// the pause keeps the windows alive) and returns the last attempt's code. The
// arguments are the command's, passed through; records the command fills
// come from the last attempt.
//
// Time-out and attempts: timeoutStand and iloscPowtorzen unless stated.
#pragma once

#include "komunikacja.h"
#include "polecenia_blokow.h"
#include "rekordy_projekt.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>

// The one link the facades drive (not owned); nullptr uninstalls it. With
// no link installed every facade returns 1, as for a port that cannot be
// opened.
void ustawFkomunikacja(TFkomunikacja *k);
TFkomunikacja *Fkomunikacja();

// Pause after a failed attempt [ms].
constexpr int przerwaPowtorzeniaMs = 100;

// Time-out and attempts for one call of a facade that otherwise takes the
// program-wide timeoutStand and iloscPowtorzen: an operation with needs of
// its own passes them here, and those two stay as they are for everyone
// else while its messages run.
struct TProbyFasady {
    int czasMs;
    int proby;
};

// ---- Write session ---------------------------------------------------------
int otworzSesjeZapisu(const TUstawieniaSterownika &A_ust);
int zamknijSesjeZapisu(const TUstawieniaSterownika &A_ust);

// ---- Section blocks --------------------------------------------------------
int powtorzCzytajProgram(TProgram &A_prog, int A_nr, const TUstawieniaSterownika &A_ust);
int powtorzZapisKomProgramu(const TProgram &A_prog, int A_nr, const TUstawieniaSterownika &A_ust, bool A_BypassSet73);
int powtorzCzytajKomKroki(TKrok &kr, int A_NrKroku, int adres, bool mycie, const TParamTrans &trans);
int powtorzZapisKomKroki(const TKrok &kr, int blok, int adres, const TParamTrans &trans, bool wszystkie, bool mycie);
int powtorzCzytajKomStany(TFunkcjaSpec &kr, int blok, int adres, const TParamTrans &trans);
int powtorzZapisKomFunkcjeSpec(const TFunkcjaSpec &kr, int blok, int adres, const TParamTrans &trans, bool wszystkie);
int powtorzCzytajKomPrzekazniki(TPrzekaznik &kr, int blok, int adres, const TParamTrans &trans);
int powtorzZapisKomPrzekazniki(const TPrzekaznik &kr, int blok, int adres, const TParamTrans &trans, bool wszystkie);
int powtorzCzytajKomWyjsciaAnalogowe(TWyjscieAnalogowe &kr, int blok, int adres, const TParamTrans &trans);
int powtorzZapisKomWyjsciaAnalogowe(const TWyjscieAnalogowe &kr, int blok, int adres, const TParamTrans &trans,
                                    bool wszystkie);
int powtorzCzytajWejsciaAnalogowe(TWejscieAnalogowe &A_wejscie, int A_numer, int adres, const TParamTrans &trans);
int powtorzZapisKomWejsciaaAnalogowe(const TWejscieAnalogowe &kr, int blok, int adres, const TParamTrans &trans,
                                     bool wszystkie);
int powtorzCzytajWejAnalogAlarmWzgledny(int a_numer, vxt_alarm_konfiguracja_t &a_Alarm, int adres,
                                        const TParamTrans &trans);
int powtorzZapisKomWejAnalogAlarmWzgledny(int a_numer, const vxt_alarm_konfiguracja_t &a_Alarm, int adres,
                                          const TParamTrans &trans, bool wszystkie);
int powtorzCzytajWejsciaCyfrowe(Tkvor350wejscieDwustanowe &a_dane, int adres, const TParamTrans &trans);
int powtorzZapisKomWejsciaCyfrowe(const Tkvor350wejscieDwustanowe &kr, int adres, const TParamTrans &trans,
                                  bool wszystkie);
// trans.ReadTotalTimeoutConstant, trans.IlePowtorzen.
int powtorzCzytajZadane(TKvor350zadana &kr, int blok, int adres, const TParamTrans &trans);
int powtorzZapisZadana(const TKvor350zadana &kr, int blok, int adres, const TParamTrans &trans, bool wszystkie);
int powtorzCzytajDodatki(tdanedodatki &kr, int adres, const TParamTrans &trans);
int powtorzZapisKomDodatki(const tdanedodatki &kr, int adres, const TParamTrans &trans, bool wszystkie);
int powtorzCzytajWilgotnosc(Tkvor350wilgotnosc &kr, int adres, const TParamTrans &trans);
int powtorzZapisKomWilgotnosc(const Tkvor350wilgotnosc &kr, int adres, const TParamTrans &trans, bool wszystkie);
// Alarm output A_numer 1..4 / all four.
int powtorzCzytajPrzekaznikiAlarm(vxt_alarm_konfiguracja_t &A_al, int A_numer, int adres, const TParamTrans &trans);
int powtorzZapisKomPrzekaznikiAlarm(const TAlarmyF1F4Array &A_alarmy, int adres, const TParamTrans &trans,
                                    bool wszystkie);
// 3 x timeoutStand.
int powtorzCzytajKomUstawieniaMycia(TProjektDodatkiMycie &kr, int adres, const TParamTrans &trans);
int powtorzZapisUstawieniaMycia(const TProjektDodatkiMycie &kr, int adres, const TParamTrans &trans);

// ---- Update and logo pages -------------------------------------------------
int powtorzZapisLogoPage(uint16_t a_pageNum, uint16_t A_logo_pageSize, const QByteArray &a_page, int adres,
                         const TParamTrans &trans);
int powtorzZapisFirmwarePage(uint16_t a_pageNum, uint16_t A_firmware_PageSize, const QByteArray &a_page, int adres,
                             const TParamTrans &trans);
int powtorzZapisFirmwareCrc(uint16_t a_crc, int a_filesize, int adres, const TParamTrans &trans);
int powtorzZapisGrafikaPage(uint16_t a_pageNum, uint16_t A_firmware_PageSize, const QByteArray &a_page, int adres,
                            const TParamTrans &trans);
// 60000 ms.
int powtorzZapisGrafikaCrc(uint16_t a_crc, int a_filesize, int adres, const TParamTrans &trans);

// ---- Commands without section data -----------------------------------------
int powtorzCzytajKomSetup(int adres, const TParamTrans &trans, TFunkcjeKvor3 &setup);
// Stops also at 1.
int powtorzZapisKomSetup(int adres, const TParamTrans &trans, const TFunkcjeKvor3 &setup);
// Stops also at 1.
int powtorzCzytajNumerSeryjny(int adres, const TParamTrans &trans, int &A_ns);
int powtorzCzytajNumerSeryjny(int adres, const TParamTrans &trans, int &A_ns, const TProbyFasady &proby);
// Time-out unchanged.
int powtorzZapiszCzas(const QDateTime &czas, uint8_t adres, const TParamTrans &trans);
// Time-out unchanged; trans.IlePowtorzen; stops also at 1.
int powtorzCzytajStatus(int adres, const TParamTrans &trans, TOdczyty &TabOdczyty);
// trans.ReadTotalTimeoutConstant, trans.IlePowtorzen.
int powtorzCzytajTypSterownika(int adres, const TParamTrans &trans, QString &typ);
// 2 x a_trans.ReadTotalTimeoutConstant, a_trans.IlePowtorzen.
int powtorzCzytajModuly(int adres, const TParamTrans &a_trans, TModulyWejWyKonfig &moduly);
// A_trans.ReadTotalTimeoutConstant, A_trans.IlePowtorzen.
int powtorzZapisModuly(int adres, const TParamTrans &A_trans, const TModulyWejWyKonfig &moduly,
                       bool A_BypassSet73 = false);
// Stops also at 217.
int powtorzCzytajlock(int adres, const TParamTrans &A_trans, bool &A_blokada);
// Stops also at 66 (wrong password).
int powtorzZapiszUnlock(int adres, const TParamTrans &A_trans, uint32_t A_password);
// A_ds.ParametryTransmisji's time-out and attempts.
int powtorzZapiszLock(const TUstawieniaSterownika &A_ds);
