#include "zegar.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace {

QElapsedTimer &start()
{
    static QElapsedTimer t = [] {
        QElapsedTimer e;
        e.start();
        return e;
    }();
    return t;
}

ZegarSystemowy systemowy;
IZegar *biezacy = nullptr;

} // namespace

qint64 ZegarSystemowy::tickMs() { return start().elapsed(); }

void ZegarSystemowy::spij(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

void ZegarSystemowy::przetworzZdarzenia()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

void ZegarSystemowy::czekajDokladnie(int ms)
{
    if (ms <= 0)
        return;
    const qint64 koniec = start().nsecsElapsed() + qint64(ms) * 1000000;
    while (start().nsecsElapsed() < koniec) {
    }
}

void ustawZegar(IZegar *z) { biezacy = z; }

IZegar &zegar() { return biezacy ? *biezacy : systemowy; }

void czekajMs(int n)
{
    IZegar &z = zegar();
    const qint64 t0 = z.tickMs();
    do {
        z.przetworzZdarzenia();
        z.spij(10);
    } while (z.tickMs() - t0 <= n);
}

void przerwaMs(int n)
{
    IZegar &z = zegar();
    const qint64 t0 = z.tickMs();
    for (qint64 minelo = 0; minelo < n; minelo = z.tickMs() - t0) {
        z.przetworzZdarzenia();
        z.spij(int(std::min<qint64>(n - minelo, plasterekCzekaniaMs)));
    }
}

void ozywOkna()
{
    static QElapsedTimer od;
    if (od.isValid() && od.elapsed() < plasterekCzekaniaMs)
        return;
    zegar().przetworzZdarzenia();
    od.start();
}

void czekajDokladnieMs(int n) { zegar().czekajDokladnie(n); }
