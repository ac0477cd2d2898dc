// The operation callbacks of the TCP/IP transport, one per controller
// operation, run by TFormLan::make on a connected client (the firmware and
// logo pages on the kept connection of make_START). Each sends its frames
// with wyslijRamkeLan, reads exactly its reply length and returns a code of
// lan.h: 335 when a read timed out or the connection closed, 336 when
// fewer bytes came, 334 for any other failure. Record reads zero their
// record first and leave it zeroed when they fail (the program read keeps
// the parts already read; the SETUP read and the lock state keep theirs). Writes with A_BypassSet73 false run inside a
// write session of their own; a failed block frame leaves that session open.
#pragma once

#include "lan.h"

// A measuring input without a relative alarm.
constexpr int kodLanBrakAlarmuWzglednego = 200;

// ---- Device commands ----------------------------------------------------------
// Answers "kvor350" to an 11-byte reply of the serial-number query 70/7;
// 334 when fewer came, a_typ unchanged then.
int lanCzytajTypSterownika(IKlientTcp &A_tc, QString &a_typ, const TUstawieniaSterownika &A_ust);
// 70/1; the version takes all four bytes; 334 for a missing or short reply.
int lanCzytajStatus(IKlientTcp &A_tc, TOdczyty &A_Odczyty, const TUstawieniaSterownika &A_ust);
// 71/4 with the time plus 500 ms; 335 when no reply at all arrives.
int lanZapiszCzas(IKlientTcp &A_tc, const QDateTime &A_dt, const TUstawieniaSterownika &A_ust);
int lanCzytajLock(IKlientTcp &A_tc, bool &A_blokada, const TUstawieniaSterownika &A_ust);
// The CRC of the number's four bytes travels; 66 when refused.
int lanZapiszUnlock(IKlientTcp &A_tc, uint32_t A_ustaw, const TUstawieniaSterownika &A_ust);
// F[1..100] from a complete reply; F[0] is never touched.
int lanCzytajSetup(IKlientTcp &A_tc, TFunkcjeKvor3 &A_setup, const TUstawieniaSterownika &A_ust);
// A payload of 1024 bytes.
int lanZapisSetup(IKlientTcp &A_tc, const TFunkcjeKvor3 &A_setup, const TUstawieniaSterownika &A_ust);
int lanCzytajModuly(IKlientTcp &A_tc, TModulyWejWyKonfig &A_ustaw, const TUstawieniaSterownika &A_ust);
// Always in a session of its own, as over RS-485: the flag is ignored.
int lanZapisModuly(IKlientTcp &A_tc, const TModulyWejWyKonfig &A_ustaw, bool A_BypassSet73,
                   const TUstawieniaSterownika &A_ust);
int lanCzytajUstawieniaMycia(IKlientTcp &A_tc, TProjektDodatkiMycie &A_ustaw, const TUstawieniaSterownika &A_ust);
// A payload of 30 bytes; always in a session of its own: the flag is ignored.
int lanZapisUstawieniaMycia(IKlientTcp &A_tc, const TProjektDodatkiMycie &A_ustaw, bool A_BypassSet73,
                            const TUstawieniaSterownika &A_ust);

// Pages: the page number and the first A_size bytes of A_ustaw. Firmware
// and logo pages use the client's read time-out (the kept connection's).
int wyslijStroneFirmware(IKlientTcp &A_tc, int A_nr, int A_size, const QByteArray &A_ustaw,
                         const TUstawieniaSterownika &A_ust);
int wyslijStroneLogo(IKlientTcp &A_tc, int A_nr, int A_size, const QByteArray &A_ustaw,
                     const TUstawieniaSterownika &A_ust);
int lanZapisGrafikaPage(IKlientTcp &A_tc, int A_nr, int A_size, const QByteArray &A_ustaw,
                        const TUstawieniaSterownika &A_ust);
// Commits: the file's CRC and size; the 9-byte reply is not examined.
int lanZapisFirmwareCrc(IKlientTcp &A_tc, uint16_t A_crc, int A_size, const TUstawieniaSterownika &A_ust);
int lanZapisGrafikaCrc(IKlientTcp &A_tc, uint16_t A_crc, int A_size, const TUstawieniaSterownika &A_ust);

// ---- Section blocks -------------------------------------------------------------
// Names are read up to the first zero unit, at most 16 units.
// Programs travel in five parts: the read stops at the first part that
// fails, the write gives 337 for a part not acknowledged with 7 bytes.
int lanCzytajProgram(IKlientTcp &A_tc, int A_nr, TProgram &A_prog, const TUstawieniaSterownika &A_ust);
int lanZapisProgramu(IKlientTcp &A_tc, int A_nr, const TProgram &A_prog, bool A_BypassSet73,
                     const TUstawieniaSterownika &A_ust);
// A_mycie selects the washing steps; the write's payload is 208 bytes.
int lanCzytajKroki(IKlientTcp &A_tc, int A_nr, TKrok &A_krok, bool A_mycie, const TUstawieniaSterownika &A_ust);
int lanZapisKroki(IKlientTcp &A_tc, int A_nr, const TKrok &A_krok, bool A_mycie, bool A_BypassSet73,
                  const TUstawieniaSterownika &A_ust);
// nr_funkcji is not set (the caller sets it).
int lanCzytajStany(IKlientTcp &A_tc, int A_nr, TFunkcjaSpec &A_fs, const TUstawieniaSterownika &A_ust);
int lanZapisFunkcjeSpec(IKlientTcp &A_tc, int A_nr, const TFunkcjaSpec &A_fs, bool A_BypassSet73,
                        const TUstawieniaSterownika &A_ust);
// The power reads unsigned.
int lanCzytajPrzekazniki(IKlientTcp &A_tc, int A_nr, TPrzekaznik &A_ustaw, const TUstawieniaSterownika &A_ust);
int lanZapisPrzekazniki(IKlientTcp &A_tc, int A_nr, const TPrzekaznik &A_ustaw, bool A_BypassSet73,
                        const TUstawieniaSterownika &A_ust);
// Alarm output A_nr 1..4 / all four, each block with the first 172 bytes
// of its record.
int lanCzytajPrzekaznikiAlarm(IKlientTcp &A_tc, int A_nr, vxt_alarm_konfiguracja_t &A_ustaw,
                              const TUstawieniaSterownika &A_ust);
int lanZapisPrzekaznikiAlarm(IKlientTcp &A_tc, const TAlarmyF1F4Array &A_ustaw, bool A_BypassSet73,
                             const TUstawieniaSterownika &A_ust);
// Slot bytes [A_nr, 0] both ways.
int lanCzytajWyjsciaAnalogowe(IKlientTcp &A_tc, int A_nr, TWyjscieAnalogowe &A_ustaw,
                              const TUstawieniaSterownika &A_ust);
int lanZapisWyjsciaAnalogowe(IKlientTcp &A_tc, int A_nr, const TWyjscieAnalogowe &A_ustaw, bool A_BypassSet73,
                             const TUstawieniaSterownika &A_ust);
// Measuring input 0..23; the read zeroes the whole record.
int lanCzytajWejsciaAnalogowe(IKlientTcp &A_tc, int A_nr, TWejscieAnalogowe &A_ustaw,
                              const TUstawieniaSterownika &A_ust);
int lanZapisWejsciaAnalogowe(IKlientTcp &A_tc, int A_nr, const TWejscieAnalogowe &A_ustaw, bool A_BypassSet73,
                             const TUstawieniaSterownika &A_ust);
// The relative alarm of measuring input 0 or 2, in the record's
// alarm_wzgledny only; any other input gives 200 with nothing sent.
int lanCzytajWejAnalogAlarmWzgledny(IKlientTcp &A_tc, int A_nr, TWejscieAnalogowe &A_ustaw,
                                    const TUstawieniaSterownika &A_ust);
int lanZapisWejAnalogAlarmWzgledny(IKlientTcp &A_tc, int A_nr, const TWejscieAnalogowe &A_ustaw, bool A_BypassSet73,
                                   const TUstawieniaSterownika &A_ust);
// Addressed by the record's nr_wejscia and nr_karty (the read keeps them).
// The write's payload is 212 bytes, its name the first 15 characters of
// nazwa_str.
int lanCzytajWejsciaCyfrowe(IKlientTcp &A_tc, Tkvor350wejscieDwustanowe &A_ustaw, const TUstawieniaSterownika &A_ust);
int lanZapisWejsciaCyfrowe(IKlientTcp &A_tc, const Tkvor350wejscieDwustanowe &A_ustaw, bool A_BypassSet73,
                           const TUstawieniaSterownika &A_ust);
// The read waits lan.timeout of the record; the write's payload is 72 bytes.
int lanCzytajZadane(IKlientTcp &A_tc, int A_nr, TKvor350zadana &A_ustaw, const TUstawieniaSterownika &A_ust);
int lanZapisZadana(IKlientTcp &A_tc, int A_nr, const TKvor350zadana &A_ustaw, bool A_BypassSet73,
                   const TUstawieniaSterownika &A_ust);
int lanCzytajWilgotnosc(IKlientTcp &A_tc, Tkvor350wilgotnosc &A_ustaw, const TUstawieniaSterownika &A_ust);
int lanZapisWilgotnosc(IKlientTcp &A_tc, const Tkvor350wilgotnosc &A_ustaw, bool A_BypassSet73,
                       const TUstawieniaSterownika &A_ust);
int lanCzytajDodatki(IKlientTcp &A_tc, tdanedodatki &A_ustaw, const TUstawieniaSterownika &A_ust);
int lanZapisDodatki(IKlientTcp &A_tc, const tdanedodatki &A_ustaw, bool A_BypassSet73,
                    const TUstawieniaSterownika &A_ust);

// ---- Every callback has the type of its family (lan.h) --------------------------
template <class Typ, auto callback>
constexpr bool maTyp = std::is_same_v<decltype(callback), Typ>;

static_assert(maTyp<TIntegerFunctionSet73, &sesjaZapisu>);
static_assert(maTyp<TIntegerFunctionTyp, &lanCzytajTypSterownika>);
static_assert(maTyp<TIntegerFunctionStat, &lanCzytajStatus>);
static_assert(maTyp<TIntegerFunctionSetDt, &lanZapiszCzas>);
static_assert(maTyp<TIntegerFunctionReadLock, &lanCzytajLock>);
static_assert(maTyp<TIntegerFunctionLongWord, &lanZapiszUnlock>);
static_assert(maTyp<TIntegerFunctionReadSetup, &lanCzytajSetup>);
static_assert(maTyp<TIntegerFunctionZapiszSetup, &lanZapisSetup>);
static_assert(maTyp<TIntegerFunctionReadModuly, &lanCzytajModuly>);
static_assert(maTyp<TIntegerFunctionZapiszModuly, &lanZapisModuly>);
static_assert(maTyp<TIntegerFunctionReadMycie, &lanCzytajUstawieniaMycia>);
static_assert(maTyp<TIntegerFunctionZapiszMycie, &lanZapisUstawieniaMycia>);
static_assert(maTyp<TIntegerFunctionBuffer, &wyslijStroneFirmware>);
static_assert(maTyp<TIntegerFunctionBuffer, &wyslijStroneLogo>);
static_assert(maTyp<TIntegerFunctionBuffer, &lanZapisGrafikaPage>);
static_assert(maTyp<TIntegerFunctionCrc, &lanZapisFirmwareCrc>);
static_assert(maTyp<TIntegerFunctionCrc, &lanZapisGrafikaCrc>);
static_assert(maTyp<TIntegerFunctionReadProg, &lanCzytajProgram>);
static_assert(maTyp<TIntegerFunctionZapiszProg, &lanZapisProgramu>);
static_assert(maTyp<TIntegerFunctionReadKrok, &lanCzytajKroki>);
static_assert(maTyp<TIntegerFunctionZapiszKrok, &lanZapisKroki>);
static_assert(maTyp<TIntegerFunctionReadFS, &lanCzytajStany>);
static_assert(maTyp<TIntegerFunctionZapiszFS, &lanZapisFunkcjeSpec>);
static_assert(maTyp<TIntegerFunctionReadDo, &lanCzytajPrzekazniki>);
static_assert(maTyp<TIntegerFunctionZapiszDo, &lanZapisPrzekazniki>);
static_assert(maTyp<TIntegerFunctionReadDiAlarm, &lanCzytajPrzekaznikiAlarm>);
static_assert(maTyp<TIntegerFunctionZapiszDiAlarm, &lanZapisPrzekaznikiAlarm>);
static_assert(maTyp<TIntegerFunctionReadWyjsciaAnalogowe, &lanCzytajWyjsciaAnalogowe>);
static_assert(maTyp<TIntegerFunctionZapiszWyjsciaAnalogowe, &lanZapisWyjsciaAnalogowe>);
static_assert(maTyp<TIntegerFunctionReadAo, &lanCzytajWejsciaAnalogowe>);
static_assert(maTyp<TIntegerFunctionZapiszAo, &lanZapisWejsciaAnalogowe>);
static_assert(maTyp<TIntegerFunctionReadAo, &lanCzytajWejAnalogAlarmWzgledny>);
static_assert(maTyp<TIntegerFunctionZapiszAo, &lanZapisWejAnalogAlarmWzgledny>);
static_assert(maTyp<TIntegerFunctionReadWejsciaCyfrowe, &lanCzytajWejsciaCyfrowe>);
static_assert(maTyp<TIntegerFunctionZapiszWejsciaCyfrowe, &lanZapisWejsciaCyfrowe>);
static_assert(maTyp<TIntegerFunctionReadZadane, &lanCzytajZadane>);
static_assert(maTyp<TIntegerFunctionZapiszZadane, &lanZapisZadana>);
static_assert(maTyp<TIntegerFunctionReadWilg, &lanCzytajWilgotnosc>);
static_assert(maTyp<TIntegerFunctionZapiszWilg, &lanZapisWilgotnosc>);
static_assert(maTyp<TIntegerFunctionReadDodatki, &lanCzytajDodatki>);
static_assert(maTyp<TIntegerFunctionZapiszDodatki, &lanZapisDodatki>);
