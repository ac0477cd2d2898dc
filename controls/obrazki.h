// Pictures of the program's own controls, looked up by resource name
// ("CHECK_NIE", "TRANS_OK", ...), and of the digital outputs: the icons
// "R%2.2d_%d" (icon 00..31, state 0 off or 1 on), the time modes
// "TYP_CZASOWY_%d" (0..7) and the regulator types "REGULATOR_%d" (0..5).
#pragma once

#include <QPixmap>
#include <QString>

// A null pixmap when there is no picture of that name.
QPixmap obrazek(const QString &nazwa);
