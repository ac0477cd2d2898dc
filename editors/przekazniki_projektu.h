// The current project's 128 digital-output records, which the one-item
// editors of relay-bearing items (steps, special modes, alarms) get a copy
// of for the outputs' icons and definitions; the main window installs the
// source. Beside them the whole project with its washing settings, which
// "Gdzie użyty" searches and the analog-output viewer names its outputs
// from.
#pragma once

#include "rekordy_projekt.h"

#include <functional>

using TZrodloPrzekaznikow = std::function<const TPrzekaznikiArray &()>;

// Installs the source; an empty one uninstalls it.
void ustawZrodloPrzekaznikow(TZrodloPrzekaznikow f);
// A copy of the project's records, taken now; all zero without a source.
void przekaznikiProjektu(TPrzekaznikiArray &kopia);
// A copy of output indeks (0..127); all zero without a source or outside.
TPrzekaznik przekaznikProjektu(int indeks);

// The application's project and washing settings; null without a source.
struct TProjektAplikacji {
    const TProjektVXTNew *projekt = nullptr;
    const TProjektDodatkiMycie *mycie = nullptr;
};
using TZrodloProjektu = std::function<TProjektAplikacji()>;

// Installs the source; an empty one uninstalls it.
void ustawZrodloProjektu(TZrodloProjektu f);
TProjektAplikacji projektAplikacji();
