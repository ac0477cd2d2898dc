#include "wersja.h"

int wersjaGlowna() { return KVOR_VERSION_MAJOR; }
int wersjaPoboczna() { return KVOR_VERSION_MINOR; }

QString wersjaProgramu() { return QString::asprintf("%d.%2.2d", wersjaGlowna(), wersjaPoboczna()); }

QString wersjaProgramuPelna() { return QString::asprintf("%d.%2.2d.%d", wersjaGlowna(), wersjaPoboczna(), 2116); }
