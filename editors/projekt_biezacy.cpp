#include "projekt_biezacy.h"

namespace {
TZrodloProjektu &zrodlo()
{
    static TZrodloProjektu z;
    return z;
}
} // namespace

void ustawZrodloProjektu(TZrodloProjektu f) { zrodlo() = std::move(f); }

const TProjektVXTNew *projektBiezacy() { return zrodlo() ? &zrodlo()() : nullptr; }
