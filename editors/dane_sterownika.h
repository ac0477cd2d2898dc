// Where the editors take their connection record from before a transfer:
// the main window installs its filler (its connection controls, then the
// transmission-lock check).
#pragma once

#include "ustawienia_polaczenia.h"

#include <functional>

using TZrodloUstawien = std::function<void(TUstawieniaSterownika &u, bool bezSprawdzeniaBlokady)>;

// Installs the filler; an empty one uninstalls it.
void ustawZrodloUstawien(TZrodloUstawien f);

// Fills the record from the main window and, unless bezSprawdzeniaBlokady,
// runs the lock check, whose result the editors do not look at (a locked
// or busy controller shows up as failed items). Without a filler the
// record stays as it was.
void wezUstawieniaSterownika(TUstawieniaSterownika &u, bool bezSprawdzeniaBlokady = false);
