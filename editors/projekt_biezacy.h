// The current project as the editors read it for texts of other sections:
// the program editor names the steps and measuring inputs its columns
// refer to. The source is the application's project (przekazniki_projektu.h).
#pragma once

#include "przekazniki_projektu.h"

// The project as it is now; nullptr without a source.
inline const TProjektVXTNew *projektBiezacy() { return projektAplikacji().projekt; }
