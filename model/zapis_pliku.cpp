#include "zapis_pliku.h"

#include <QFileDevice>

bool zapiszCalosc(QFileDevice &f, const char *dane, qint64 n)
{
    for (qint64 zapisano = 0; zapisano < n;) {
        const qint64 w = f.write(dane + zapisano, n - zapisano);
        if (w <= 0)
            return false;
        zapisano += w;
    }
    return true;
}
