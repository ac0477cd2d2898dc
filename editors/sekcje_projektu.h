// The sections of a whole project as the whole-project transfer handles
// them: one row per WierszProjektu, in the rows' order, with the row's
// caption, its items, how it is sent and its per-item read and send on the
// project. Each item goes through its section's own transfer, which picks
// the transport and numbers the item on the wire. The block compare keys
// its rows the same way (porownanie_blokow.h), the section dispatch its
// editors (app/sekcje.h).
#pragma once

#include "rekordy_projekt.h"
#include "ustawienia_polaczenia.h"
#include "wiersze_projektu.h"

#include <array>

struct TSekcjaProjektu {
    WierszProjektu wiersz;
    const char *nazwa; // the caption, translated in the context "TFProjektRSIn"
    int ilePozycji;    // items of the block
    bool sendUnlock;   // the lock service's password timer restarted before the send
    bool potw73;       // sent inside a write session around its items
    // Item k (1..ilePozycji) read into the project or its washing settings
    // (kept as it was on failure).
    bool (*czytaj)(TProjektVXTNew &p, TProjektDodatkiMycie &m, int k, const TUstawieniaSterownika &u);
    // Item k sent from them; wSesji as the sections' sends take it,
    // jezykId for the texts of the SETUP send.
    bool (*wyslij)(const TProjektVXTNew &p, const TProjektDodatkiMycie &m, int k, bool wSesji,
                   const TUstawieniaSterownika &u, int jezykId);
    // Read into the project after the items (the alarm outputs of the
    // digital-output row), or nullptr.
    bool (*czytajPo)(TProjektVXTNew &p, const TUstawieniaSterownika &u) = nullptr;
    // Its send may move the main window's address or speed (SETUP): the
    // connection record is taken again after each item sent.
    bool zmieniaPolaczenie = false;
};

// The fifteen rows.
const std::array<TSekcjaProjektu, ileBlokowProjektu> &sekcjeProjektu();
