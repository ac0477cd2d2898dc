// Faults a stand-in controller puts into its replies, per command, for the
// next k replies or for good. Shared by every transport of the simulator.
#pragma once

#include <QByteArray>

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>

enum class RodzajUsterki {
    BrakOdpowiedzi,   // silence
    KrotkaOdpowiedz,  // the last `parametr` bytes missing (default 1)
    ZleCRC,           // CRC bytes swapped and spoiled
    ZlyAdres,         // address byte + 1, CRC recomputed
    ZlePotwierdzenie, // function letter replaced by `parametr` (default 'X'), CRC recomputed
    ZeroNaPoczatku,   // a 0x00 byte in front
    NadmiaroweBajty,  // `parametr` bytes 0x55 after the reply (default 1)
    Wolno,            // the reply after `parametr` ms
    BajtPoBajcie,     // one byte every `parametr` ms
    ZlaDlugosc,       // length field set to `parametr`, CRC recomputed
    Surowa,           // `surowa` sent instead of the reply
};

struct Usterka {
    RodzajUsterki rodzaj = RodzajUsterki::BrakOdpowiedzi;
    int parametr = 0;
    QByteArray surowa;
};

// What a transport puts on the line for one reply.
struct Wysylka {
    QByteArray bajty;
    int opoznienieMs = 0; // before the first byte
    int odstepMs = 0;     // between bytes (0: all at once)
};

Wysylka zastosujUsterke(const std::optional<Usterka> &u, const QByteArray &odpowiedz);

class PlanUsterek {
public:
    static constexpr int zawsze = -1;
    // Every command (or one function letter and sub-command).
    static constexpr int kazde = -1;

    // The fault for the next `ile` replies (zawsze: until cleared).
    void dodaj(int klucz, const Usterka &u, int ile = 1);
    void dodaj(char funkcja, uint8_t podkomenda, const Usterka &u, int ile = 1);
    void wyczysc();
    // Takes the fault for one reply to the command, counting it down.
    std::optional<Usterka> pobierz(char funkcja, uint8_t podkomenda);

private:
    struct Wpis {
        Usterka u;
        int ile;
    };
    std::mutex m_;
    std::map<int, Wpis> plan_;
};
