// The program's own version.
#pragma once

#include <QString>

int wersjaGlowna();
int wersjaPoboczna();
// "%d.%2.2d" of major and minor (1.5 gives "1.05").
QString wersjaProgramu();
// "%d.%2.2d.%d" of major, minor and the fixed build number 2116.
QString wersjaProgramuPelna();
