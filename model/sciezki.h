// Where the program keeps "ustawienia.ini", "default.k3p", "trans.txt" and
// the "USB" folder: the program's own folder when it is writable, otherwise
// the per-user application data folder.
#pragma once

#include <QString>

// The folder with a trailing '/'.
QString katalogProgramu();
// Overrides the folder (tests); an empty path restores the rule above.
void ustawKatalogProgramu(const QString &katalog);
