#include "dane_sterownika.h"

namespace {
TZrodloUstawien &zrodlo()
{
    static TZrodloUstawien z;
    return z;
}
} // namespace

void ustawZrodloUstawien(TZrodloUstawien f) { zrodlo() = std::move(f); }

void wezUstawieniaSterownika(TUstawieniaSterownika &u, bool bezSprawdzeniaBlokady)
{
    if (zrodlo())
        zrodlo()(u, bezSprawdzeniaBlokady);
}
