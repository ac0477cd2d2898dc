#include "dane_sterownika.h"

namespace {
TZrodloUstawien &zrodlo()
{
    static TZrodloUstawien z;
    return z;
}
TSprawdzenieBlokady &sprawdzenie()
{
    static TSprawdzenieBlokady s;
    return s;
}
} // namespace

void ustawZrodloUstawien(TZrodloUstawien f) { zrodlo() = std::move(f); }

void wezUstawieniaSterownika(TUstawieniaSterownika &u, bool bezSprawdzeniaBlokady)
{
    if (zrodlo())
        zrodlo()(u, bezSprawdzeniaBlokady);
}

void ustawSprawdzenieBlokady(TSprawdzenieBlokady f) { sprawdzenie() = std::move(f); }

int sprawdzBlokade() { return sprawdzenie() ? sprawdzenie()() : 0; }
