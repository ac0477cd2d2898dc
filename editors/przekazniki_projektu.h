// The current project's 128 digital-output records, which the one-item
// editors of relay-bearing items (steps, special modes, alarms) get a copy
// of for the outputs' icons and definitions; the main window installs the
// source.
#pragma once

#include "rekordy_projekt.h"

#include <functional>

using TZrodloPrzekaznikow = std::function<const TPrzekaznikiArray &()>;

// Installs the source; an empty one uninstalls it.
void ustawZrodloPrzekaznikow(TZrodloPrzekaznikow f);
// A copy of the project's records, taken now; all zero without a source.
void przekaznikiProjektu(TPrzekaznikiArray &kopia);
