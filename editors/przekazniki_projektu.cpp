#include "przekazniki_projektu.h"

#include <cstring>

namespace {
TZrodloPrzekaznikow &zrodlo()
{
    static TZrodloPrzekaznikow z;
    return z;
}
TZrodloProjektu &zrodloProjektu()
{
    static TZrodloProjektu z;
    return z;
}
} // namespace

void ustawZrodloPrzekaznikow(TZrodloPrzekaznikow f) { zrodlo() = std::move(f); }

void przekaznikiProjektu(TPrzekaznikiArray &kopia)
{
    if (zrodlo())
        std::memcpy(&kopia, &zrodlo()(), sizeof kopia);
    else
        std::memset(&kopia, 0, sizeof kopia);
}

TPrzekaznik przekaznikProjektu(int indeks)
{
    TPrzekaznik p;
    if (zrodlo() && indeks >= 0 && indeks < 128)
        std::memcpy(&p, &zrodlo()()[indeks], sizeof p);
    else
        std::memset(&p, 0, sizeof p);
    return p;
}

void ustawZrodloProjektu(TZrodloProjektu f) { zrodloProjektu() = std::move(f); }

TProjektAplikacji projektAplikacji() { return zrodloProjektu() ? zrodloProjektu()() : TProjektAplikacji{}; }
