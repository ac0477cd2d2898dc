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

// The main window's transmission-lock check (TLockedTransmission::fnProcess)
// for the editors that look at its result (the program list): 0 unlocked,
// 1 locked, 2 busy, anything else a failed check.
using TSprawdzenieBlokady = std::function<int()>;

// Installs the check; an empty one uninstalls it.
void ustawSprawdzenieBlokady(TSprawdzenieBlokady f);
// The check's result; 0 without one installed.
int sprawdzBlokade();
