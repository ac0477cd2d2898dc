// Every window opens inside the available area of its screen (without the
// task bar and docks), its buttons reachable: a window sized for its
// content is made smaller where the screen is smaller, and one placed
// partly outside is moved in. One rule for all, applied as a window is
// shown (pilnujOkienNaEkranie), so no window has to remember it.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window with the client geometry `okno`, the frame `ramka` and the
// smallest size `minimum` goes inside `obszar`: its size bounded by the
// area less the frame (never below the minimum), then moved so that its
// frame lies inside; where it cannot, its top-left corner (the title bar)
// stays inside. A window that fits keeps its geometry.
QRect geometriaWObszarze(const QRect &okno, const QMargins &ramka, const QSize &minimum, const QRect &obszar);

// The same for a top-level window on its screen. A window that is not yet
// shown takes the frame of the program's other windows. A dialog that has
// not been placed is only sized: Qt centres it over its parent inside the
// screen as it shows it. Maximized and full-screen windows are left alone.
void dopasujDoEkranu(QWidget &okno);

// Applies dopasujDoEkranu to every top-level window as it is shown (menus,
// tool tips and other pop-ups place themselves). Installed once, on the
// running application; it goes with it.
void pilnujOkienNaEkranie();
