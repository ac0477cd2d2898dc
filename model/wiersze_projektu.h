// The sections of a whole project as its transfer handles them: fifteen
// rows in the transfer's order, one block each. The block compare
// (porownanie_blokow.h), the rows' per-item transfers (sekcje_projektu.h of
// the editors) and the section dispatch key their parts by this identity.
#pragma once

enum class WierszProjektu {
    Setup = 1,
    WejsciaPomiarowe,
    Przekazniki, // the digital outputs with the alarm outputs F1..F4
    WyjsciaAnalogowe,
    WejsciaCyfrowe,
    Moduly,
    Zadane,
    Dodatki,
    Wilgotnosc,
    TrybySpecjalne,
    Kroki,
    Programy,
    KrokiMycia,
    ProgramMycia,
    UstawieniaMycia, // the washing settings: the project's sidecar record
};

constexpr int ileBlokowProjektu = 15;

// The row's number 1..15.
constexpr int nrWiersza(WierszProjektu w) { return int(w); }

// A table with one entry per row whose member `wiersz` names the row: every
// row once, in the rows' order.
template <class Tabela>
constexpr bool wKolejnosciWierszy(const Tabela &tabela)
{
    int nr = 0;
    for (const auto &w : tabela)
        if (nrWiersza(w.wiersz) != ++nr)
            return false;
    return nr == ileBlokowProjektu;
}
