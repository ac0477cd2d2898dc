// The TCP/IP transport: the controller reached on port 9901 of its IP
// address with the bus commands inside a frame that begins with its serial
// number. TFormLan runs one operation callback on a new connection per
// attempt; the callbacks (lan_polecenia.h) exchange the frames.
//
// Request frame: serial number (4 bytes little-endian), then the bus frame
// with address 1: [1, command 70..74 ('F'..'J'), sub-command, length (2
// bytes big-endian, P + 7), payload (P bytes), CRC-16 of the bus frame, low
// byte first]: P + 11 bytes in all. The reply is a bus frame without the
// serial number; only its length is checked.
#pragma once

#include "klient_tcp.h"
#include "rekordy_projekt.h"
#include "ustawienia_polaczenia.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <tuple>
#include <type_traits>

// ---- Result codes (0 success) ---------------------------------------------
constexpr int kodLanHaslo = 66;           // unlock: the password was refused
constexpr int kodLanBrakPolaczenia = 200; // no attempt connected
constexpr int kodLanWyjatek = 334;        // a failure outside the read
constexpr int kodLanOdczyt = 335;         // the read timed out or the connection closed
constexpr int kodLanKrotka = 336;         // fewer reply bytes than the command's reply length
constexpr int kodLanProgram = 337;        // a program part not acknowledged with 7 bytes

// ---- Connection settings --------------------------------------------------
constexpr quint16 portLan = 9901;
constexpr int czasPolaczeniaLanMs = 400;
constexpr int czasOdczytuLanMs = 700;         // a new client's read time-out
constexpr int czasOdczytuStrumieniaMs = 1500; // the kept connection of make_START
constexpr int przerwaLanMs = 300;             // after every failed attempt

// ---- Frame ----------------------------------------------------------------
QByteArray ramkaLan(uint32_t numerSeryjny, char komenda, uint8_t podkomenda, const QByteArray &dane = {});
// Builds the frame and writes it in one write (BladTcp when that fails).
void wyslijRamkeLan(uint32_t numerSeryjny, char komenda, uint8_t podkomenda, const QByteArray &dane,
                    IKlientTcp &klient);

// Four decimal octets 0..255 ("192.168.1.10"), blanks around allowed; the
// address in its plain form, or an empty text for anything else and for
// "0.0.0.0" (the settings file's default, which would reach this machine).
QString adresLan(const QString &tekst);

// Checks the TCP/IP fields before the connection test, with a warning box
// for a serial number outside 60000..300000 or an address that cannot be
// reached; true when the record does not select TCP/IP.
bool sprawdzDaneLan(const TUstawieniaSterownika &A_ust);

// ---- Callback types ---------------------------------------------------------
// Every callback gets a connected client, its operation arguments and the
// connection record, and returns one of the codes above. Writes that take
// A_BypassSet73 open and close a write session of their own when it is false.
// TFormLan::make takes any callback; each one of lan_polecenia.h is checked
// there to have the type of its family, so the families cannot drift apart.
using TIntegerFunctionTyp = int (*)(IKlientTcp &A_tc, QString &a_typ, const TUstawieniaSterownika &A_ust);
using TIntegerFunctionStat = int (*)(IKlientTcp &A_tc, TOdczyty &A_Odczyty, const TUstawieniaSterownika &A_ust);
using TIntegerFunctionSetDt = int (*)(IKlientTcp &A_tc, const QDateTime &A_dt, const TUstawieniaSterownika &A_ust);
using TIntegerFunctionReadLock = int (*)(IKlientTcp &A_tc, bool &A_blokada, const TUstawieniaSterownika &A_ust);
using TIntegerFunctionLongWord = int (*)(IKlientTcp &A_tc, uint32_t A_ustaw, const TUstawieniaSterownika &A_ust);
using TIntegerFunctionSet73 = int (*)(IKlientTcp &A_tc, bool A_start, const TUstawieniaSterownika &A_ust);
using TIntegerFunctionReadSetup = int (*)(IKlientTcp &A_tc, TFunkcjeKvor3 &A_setup, const TUstawieniaSterownika &A_ust);
using TIntegerFunctionZapiszSetup = int (*)(IKlientTcp &A_tc, const TFunkcjeKvor3 &A_setup,
                                            const TUstawieniaSterownika &A_ust);
using TIntegerFunctionReadModuly = int (*)(IKlientTcp &A_tc, TModulyWejWyKonfig &A_ustaw,
                                           const TUstawieniaSterownika &A_ust);
using TIntegerFunctionZapiszModuly = int (*)(IKlientTcp &A_tc, const TModulyWejWyKonfig &A_ustaw, bool A_BypassSet73,
                                             const TUstawieniaSterownika &A_ust);
using TIntegerFunctionReadMycie = int (*)(IKlientTcp &A_tc, TProjektDodatkiMycie &A_ustaw,
                                          const TUstawieniaSterownika &A_ust);
using TIntegerFunctionZapiszMycie = int (*)(IKlientTcp &A_tc, const TProjektDodatkiMycie &A_ustaw, bool A_BypassSet73,
                                            const TUstawieniaSterownika &A_ust);
using TIntegerFunctionReadProg = int (*)(IKlientTcp &A_tc, int A_nr, TProgram &A_prog,
                                         const TUstawieniaSterownika &A_ust);
using TIntegerFunctionZapiszProg = int (*)(IKlientTcp &A_tc, int A_nr, const TProgram &A_prog, bool A_BypassSet73,
                                           const TUstawieniaSterownika &A_ust);
using TIntegerFunctionReadKrok = int (*)(IKlientTcp &A_tc, int A_nr, TKrok &A_krok, bool A_mycie,
                                         const TUstawieniaSterownika &A_ust);
using TIntegerFunctionZapiszKrok = int (*)(IKlientTcp &A_tc, int A_nr, const TKrok &A_krok, bool A_mycie,
                                           bool A_BypassSet73, const TUstawieniaSterownika &A_ust);
using TIntegerFunctionReadFS = int (*)(IKlientTcp &A_tc, int A_nr, TFunkcjaSpec &A_fs,
                                       const TUstawieniaSterownika &A_ust);
using TIntegerFunctionZapiszFS = int (*)(IKlientTcp &A_tc, int A_nr, const TFunkcjaSpec &A_fs, bool A_BypassSet73,
                                         const TUstawieniaSterownika &A_ust);
using TIntegerFunctionReadWilg = int (*)(IKlientTcp &A_tc, Tkvor350wilgotnosc &A_ustaw,
                                         const TUstawieniaSterownika &A_ust);
using TIntegerFunctionZapiszWilg = int (*)(IKlientTcp &A_tc, const Tkvor350wilgotnosc &A_ustaw, bool A_BypassSet73,
                                           const TUstawieniaSterownika &A_ust);
using TIntegerFunctionReadDodatki = int (*)(IKlientTcp &A_tc, tdanedodatki &A_ustaw,
                                            const TUstawieniaSterownika &A_ust);
using TIntegerFunctionZapiszDodatki = int (*)(IKlientTcp &A_tc, const tdanedodatki &A_ustaw, bool A_BypassSet73,
                                              const TUstawieniaSterownika &A_ust);
using TIntegerFunctionReadZadane = int (*)(IKlientTcp &A_tc, int A_nr, TKvor350zadana &A_ustaw,
                                           const TUstawieniaSterownika &A_ust);
using TIntegerFunctionZapiszZadane = int (*)(IKlientTcp &A_tc, int A_nr, const TKvor350zadana &A_ustaw,
                                             bool A_BypassSet73, const TUstawieniaSterownika &A_ust);
using TIntegerFunctionReadWejsciaCyfrowe = int (*)(IKlientTcp &A_tc, Tkvor350wejscieDwustanowe &A_ustaw,
                                                   const TUstawieniaSterownika &A_ust);
using TIntegerFunctionZapiszWejsciaCyfrowe = int (*)(IKlientTcp &A_tc, const Tkvor350wejscieDwustanowe &A_ustaw,
                                                     bool A_BypassSet73, const TUstawieniaSterownika &A_ust);
using TIntegerFunctionReadWyjsciaAnalogowe = int (*)(IKlientTcp &A_tc, int A_nr, TWyjscieAnalogowe &A_ustaw,
                                                     const TUstawieniaSterownika &A_ust);
using TIntegerFunctionZapiszWyjsciaAnalogowe = int (*)(IKlientTcp &A_tc, int A_nr, const TWyjscieAnalogowe &A_ustaw,
                                                       bool A_BypassSet73, const TUstawieniaSterownika &A_ust);
using TIntegerFunctionReadDiAlarm = int (*)(IKlientTcp &A_tc, int A_nr, vxt_alarm_konfiguracja_t &A_ustaw,
                                            const TUstawieniaSterownika &A_ust);
using TIntegerFunctionZapiszDiAlarm = int (*)(IKlientTcp &A_tc, const TAlarmyF1F4Array &A_ustaw, bool A_BypassSet73,
                                              const TUstawieniaSterownika &A_ust);
using TIntegerFunctionReadDo = int (*)(IKlientTcp &A_tc, int A_nr, TPrzekaznik &A_ustaw,
                                       const TUstawieniaSterownika &A_ust);
using TIntegerFunctionZapiszDo = int (*)(IKlientTcp &A_tc, int A_nr, const TPrzekaznik &A_ustaw, bool A_BypassSet73,
                                         const TUstawieniaSterownika &A_ust);
using TIntegerFunctionReadAo = int (*)(IKlientTcp &A_tc, int A_nr, TWejscieAnalogowe &A_ustaw,
                                       const TUstawieniaSterownika &A_ust);
using TIntegerFunctionZapiszAo = int (*)(IKlientTcp &A_tc, int A_nr, const TWejscieAnalogowe &A_ustaw,
                                         bool A_BypassSet73, const TUstawieniaSterownika &A_ust);
using TIntegerFunctionBuffer = int (*)(IKlientTcp &A_tc, int A_nr, int A_size, const QByteArray &A_ustaw,
                                       const TUstawieniaSterownika &A_ust);
using TIntegerFunctionCrc = int (*)(IKlientTcp &A_tc, uint16_t A_crc, int A_size, const TUstawieniaSterownika &A_ust);

// The write session (command 73, 0x81 opens, 0x82 closes).
int sesjaZapisu(IKlientTcp &A_tc, bool A_start, const TUstawieniaSterownika &A_ust);

// ---- The runner -------------------------------------------------------------
// Holds no connection between calls. inProgress() is true while any make
// call or make_START .. make_END stream runs, nested ones included.
class TFormLan : public QObject {
    Q_OBJECT
public:
    using FabrykaKlienta = std::function<std::unique_ptr<IKlientTcp>()>;

    explicit TFormLan(QObject *parent = nullptr);

    // Where new clients come from (default: the system's).
    void ustawFabrykeKlienta(FabrykaKlienta f);

    bool inProgress() const { return wToku_ > 0; }

    // Runs the callback with the operation arguments on a new connection per
    // attempt, at most a_powtorz attempts, until it returns 0; 300 ms pause
    // after every failed attempt, the last one too. The arguments are the
    // callback's after the client, the connection record last; they are
    // handed over unchanged (records the callback fills come from the last
    // attempt). The result is 0, the code of the last callback that ran, or
    // 200 when no attempt connected (also at once, without attempts, for an
    // address that cannot be reached).
    //
    //   lan.make(3, &lanCzytajKroki, nr, krok, mycie, ust);
    template <class... P, class... A>
    int make(int a_powtorz, int (*a_fun)(IKlientTcp &, P...), A &&...a)
    {
        static_assert(sizeof...(P) == sizeof...(A), "the callback's arguments after the client");
        static_assert(std::is_invocable_r_v<int, decltype(a_fun), IKlientTcp &, A...>,
                      "arguments the callback takes as they are (a record it fills must be a variable)");
        const TUstawieniaSterownika &A_ust = std::get<sizeof...(A) - 1>(std::forward_as_tuple(a...));
        // Every attempt gets the same arguments: none is moved from.
        return uruchom(a_powtorz, A_ust, [&](IKlientTcp &k) { return a_fun(k, a...); });
    }

    // A connection the caller keeps for a stream of pages (read time-out
    // 1500 ms); 0 on success, else 200 with the variable empty.
    int make_START(std::unique_ptr<IKlientTcp> &a_TCP, const TUstawieniaSterownika &A_ust);
    // Closes and frees it; 0, or 1 when that failed.
    int make_END(std::unique_ptr<IKlientTcp> &a_TCP);

    // The pieces of the runner.
    int AlwaysInit();
    int AlwaysDone(std::unique_ptr<IKlientTcp> &A_tc);
    int ErrorDone(std::unique_ptr<IKlientTcp> &A_tc);
    // A new client in A_tc, connected to host on port 9901; false when the
    // connection failed or the address cannot be reached.
    bool polacz(std::unique_ptr<IKlientTcp> &A_tc, const QString &host);

private:
    int uruchom(int a_powtorz, const TUstawieniaSterownika &A_ust, const std::function<int(IKlientTcp &)> &f);
    FabrykaKlienta fabryka_;
    int wToku_ = 0;
};

// The program's one runner (not owned); nullptr uninstalls it.
void ustawFormLan(TFormLan *f);
TFormLan *FormLan();
