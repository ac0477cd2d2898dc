// Pictures of the program's own controls, looked up by resource name
// ("CHECK_NIE", "TRANS_OK", ...).
#pragma once

#include <QPixmap>
#include <QString>

// A null pixmap when there is no picture of that name.
QPixmap obrazek(const QString &nazwa);
