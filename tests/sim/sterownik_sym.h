// A stand-in controller: its state and its answers to the bus commands,
// independent of how the bytes travel (a pty or TCP/IP). Thread-safe:
// the transport thread answers while the test changes the state.
#pragma once

#include "rekordy_we_wy.h"

#include <QByteArray>
#include <QDateTime>

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

// Live readings as the controller reports them (raw wire units).
struct OdczytySym {
    uint32_t wersja = 0x010203; // 24 bits
    uint8_t stan = 0;
    // States "Start" and "Edycja": the controller is busy with a process.
    static constexpr uint8_t stanStart = 3, stanEdycja = 4;
    uint8_t nr_prog = 0, nr_cykl = 0, nr_krok = 0;
    uint16_t minutyCyklu = 0, zadMinutyCyklu = 0;
    int16_t zadTempKom = 0, zadTempBat = 0; // tenths
    int16_t zadWilg = 0, zadDelta = 0;
    uint16_t adresOstRej = 0;
    uint16_t wersjaProtokolu = 1;
};

struct StanSterownika {
    int adres = 1;
    QByteArray typ = "kVOR350"; // data bytes 60..72, blank-padded
    uint32_t numerSeryjny = 123456;
    OdczytySym odczyty;
    QDateTime zegar{QDate(2024, 1, 2), QTime(3, 4, 5)};
    bool znaLock = true; // false: an old firmware without G 0x07..0x09
    bool zablokowany = false;
    uint32_t haslo = 0;       // the password that unlocks
    int blokadaPoMs = 0;      // relocks this long after the last accepted unlock; 0 never
    qint64 odblokowanyOd = 0; // controller clock at the last accepted unlock
    int ileOdblokowan = 0;    // unlock requests received, right or wrong
    bool sesjaOtwarta = false;
    int ileSesji = 0;        // write sessions opened
    int zapisyPozaSesja = 0; // writes received with no session open
    TModulyWejWyKonfig moduly{};
    QByteArray setup = QByteArray(1024, '\0'); // SETUP data as read back
};

// The link a request came over: a few blocks are laid out differently on
// each.
enum class Lacze { Rs485, Tcp };

// A command's answer: the reply data; nullopt for a command the controller
// does not know; cisza() for a request it leaves unanswered.
struct Odpowiedz : std::optional<QByteArray> {
    Odpowiedz(std::nullopt_t = std::nullopt) {}
    Odpowiedz(QByteArray dane) : std::optional<QByteArray>(std::move(dane)) {}
    Odpowiedz(std::optional<QByteArray> dane) : std::optional<QByteArray>(std::move(dane)) {}
    static Odpowiedz cisza()
    {
        Odpowiedz o;
        o.bezOdpowiedzi = true;
        return o;
    }
    bool bezOdpowiedzi = false;
};

class SterownikSym {
public:
    using Obsluga = std::function<Odpowiedz(StanSterownika &, const QByteArray &dane)>;

    SterownikSym();

    // One request frame of the bus (RS-485) in, the reply frame out;
    // nullopt when a controller stays silent (broken frame, CRC, another
    // address, a request it leaves unanswered).
    std::optional<QByteArray> obsluz(const QByteArray &ramka);
    // The command level alone (the TCP/IP front frames it its own way).
    Odpowiedz wykonaj(char funkcja, uint8_t podkomenda, const QByteArray &dane, Lacze lacze = Lacze::Rs485);

    // Adds or replaces the handler of one command (the section blocks).
    void dodajObsluge(char funkcja, uint8_t podkomenda, Obsluga f);
    // A handler for one link only; it comes before the common one there.
    void dodajObsluge(Lacze lacze, char funkcja, uint8_t podkomenda, Obsluga f);

    StanSterownika stan() const;
    void zmien(const std::function<void(StanSterownika &)> &f);

    // The reply of a controller that does not know a command.
    static QByteArray ramkaNieznana(int adres);
    // [address, function, sub, length BE, data, CRC]: the bus frame.
    static QByteArray zbuduj(int adres, char funkcja, uint8_t podkomenda, const QByteArray &dane);
    static int klucz(char funkcja, uint8_t podkomenda) { return uint8_t(funkcja) << 8 | podkomenda; }

    // The controller's own clock [ms] behind the relocking (default: a
    // steady clock). Called under the state's lock from either thread.
    void ustawCzas(std::function<qint64()> f);

    // Setters of single SETUP values F[1..100].
    static void ustawSetup(StanSterownika &s, int i, int32_t v);
    static int32_t wartoscSetup(const StanSterownika &s, int i);

private:
    void dodajPolecenia();
    // Locks again once blokadaPoMs have passed since the last unlock.
    void zablokujPoCzasie(StanSterownika &s) const;

    mutable std::mutex m_;
    StanSterownika s_;
    std::map<int, Obsluga> obslugi_;
    std::map<int, Obsluga> obslugiTcp_;
    std::function<qint64()> czas_;
};
