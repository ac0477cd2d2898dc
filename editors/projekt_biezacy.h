// The current project as the editors read it for texts of other sections:
// the program editor names the steps and measuring inputs its columns
// refer to. The main window installs the source.
#pragma once

#include "rekordy_projekt.h"

#include <functional>

using TZrodloProjektu = std::function<const TProjektVXTNew &()>;

// Installs the source; an empty one uninstalls it.
void ustawZrodloProjektu(TZrodloProjektu f);
// The project as it is now; nullptr without a source.
const TProjektVXTNew *projektBiezacy();
