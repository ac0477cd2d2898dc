#include "ustawienia_lacza.h"

#include "ustawienia_ini.h"

#include <algorithm>

UstawieniaLacza czytajUstawieniaLacza(const PlikIni &ini)
{
    const QString p = QStringLiteral("Parametry");
    UstawieniaLacza u;
    for (int n = 1; n <= 16; ++n)
        u.UjemneOfesty[n - 1] = ini.czytajLiczbe(p, QStringLiteral("COM%1MinusOffset").arg(n), 0) == 1;
    u.TransmisjaNT = ini.czytajLiczbe(p, QStringLiteral("TransmisjaNT"), 0) == 1;
    u.IleSleep = ini.czytajLiczbe(p, QStringLiteral("IleSleep"), 5);
    // Older versions of the program wrote 10, which is too long for the
    // turn-around of the converters in use.
    if (u.IleSleep == 10)
        u.IleSleep = 5;
    u.IleSleep = std::clamp(u.IleSleep, najmniejszyIleSleep, najwiekszyIleSleep);
    u.timeoutStand = std::clamp(ini.czytajLiczbe(p, QStringLiteral("timeoutStand"), 1000), najmniejszyTimeoutStand,
                                najwiekszyTimeoutStand);
    return u;
}
