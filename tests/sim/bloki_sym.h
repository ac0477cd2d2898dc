// The simulator's project: a whole project and its washing settings in
// memory, answering every section-block command through the simulator's own
// block layouts (mapa_blokow), and the update and logo page streams. Registers its commands on a
// SterownikSym and shares its lock, so the test may look at or change the
// project while a transport answers.
#pragma once

#include "mapa_blokow.h"
#include "sterownik_sym.h"

#include "rekordy_projekt.h"

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <memory>

// One page stream (firmware or graphics) as the controller receives it.
struct StrumienSym {
    QByteArray dane;           // the pages so far, in order
    int nastepna = 0;          // the page number expected next
    int poczatekOstatniej = 0; // offset of the last page taken (a repeat replaces it)
    bool zepsuty = false;      // a page out of order since page 0
    int stron = 0;             // pages taken, repeats included
    QByteArray zatwierdzony;   // the file of the last commit that matched
    uint16_t crcZatwierdzonego = 0;
    bool poZatwierdzeniu = false; // no page since that commit: its repeat is answered "OK" again
    int zatwierdzen = 0;          // commits answered "OK"
    int odrzuconych = 0;          // commits answered "NO"
};

class BlokiSym {
public:
    // Adds the block commands to the simulator; the project starts empty
    // (all zero) with the program numbers set.
    explicit BlokiSym(SterownikSym &sterownik);

    // Under the simulator's lock.
    void zmien(const std::function<void(TProjektVXTNew &, TProjektDodatkiMycie &)> &f);
    void ustaw(const TProjektVXTNew &projekt, const TProjektDodatkiMycie &mycie);
    std::unique_ptr<TProjektVXTNew> projekt() const;
    TProjektDodatkiMycie mycie() const;

    StrumienSym firmware() const;
    StrumienSym grafika() const;
    // The logo pages by page number (page n at n * page size).
    QByteArray logo() const;
    int stronLogo() const;

    // A project of random values in the form a read over the bus gives it
    // back: what the blocks carry survives the trip, everything else
    // (reserves, slots that never travel) is zero; record numbers as the
    // reads set them. Names are Polish text of 0..20 characters.
    static void przykladowy(TProjektVXTNew &projekt, TProjektDodatkiMycie &mycie, uint32_t ziarno);

    // Every write refused, described: a block of the wrong length, for a
    // slot the controller does not have, or with bytes where the block has
    // no field. A refused write gets no reply at all: the controller's
    // "unknown command" frame is as long as the acknowledgement, and a write
    // the controller did not take must not pass for a written one.
    QStringList naruszenia() const;

    // Upper bound of one stream, so a runaway sender cannot exhaust memory.
    static constexpr int najwiecejDanych = 16 << 20;
    static constexpr int najwiecejLogo = 1 << 20;

private:
    void zarejestruj();
    // The read and write of one block kind: `rekord` finds the record that
    // the slot bytes address (nullptr: no such slot); a write clears the
    // record, sets the block's fields, then runs `poZapisie`.
    using Rekord = std::function<uint8_t *(const QByteArray &slot)>;
    using PoZapisie = std::function<void(uint8_t *rekord, const QByteArray &slot)>;
    void dodajBlok(const MapaBloku &m, const Rekord &rekord, const PoZapisie &poZapisie = {});
    // The write alone, with the block laid out by `m`.
    SterownikSym::Obsluga zapis(const MapaBloku &m, Rekord rekord, PoZapisie poZapisie);
    // Notes a refused write; the request stays unanswered.
    Odpowiedz odmowa(const QString &opis);

    SterownikSym &sterownik_;
    std::unique_ptr<TProjektVXTNew> projekt_;
    TProjektDodatkiMycie mycie_{};
    StrumienSym firmware_, grafika_;
    QByteArray logo_;
    int stronLogo_ = 0;
    QStringList naruszenia_;
};
