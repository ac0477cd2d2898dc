// The keys a keyboard user finishes every window with:
// - Return or Enter on a focused button presses it, as Space does, also
//   where the button is no auto-default one (which leaves Enter elsewhere
//   in the window to a grid or a box);
// - Ctrl+Tab and Ctrl+Shift+Tab take the focus out of a grid, which keeps
//   Tab for its cells, to the window's next or previous control; a cell
//   being edited goes in as when the cell is left.
// Each such control takes these keys through a filter of its own, after
// the application-wide filters: input held back during an exchange
// (wstrzymajWejsciePodczasWymiany) does this when it is handed on.
// Installed once, on the running application; it goes with it.
#pragma once

void klawiaturaOkien();
