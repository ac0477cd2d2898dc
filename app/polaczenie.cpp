#include "polaczenie.h"

#include "komunikaty.h"
#include "lan_polecenia.h"
#include "powtorz.h"

#include <QCoreApplication>

namespace {

bool przezLan(const TUstawieniaSterownika &ust) { return ust.lan.LAN_ACTIVE == 1; }

// Without the program's runner nothing connects.
template <class F, class... A>
int lanMake(int proby, F polecenie, A &&...argumenty)
{
    TFormLan *lan = FormLan();
    return lan ? lan->make(proby, polecenie, std::forward<A>(argumenty)...) : kodLanBrakPolaczenia;
}

template <class F>
int bezWyjatkow(F &&f)
{
    try {
        return f();
    } catch (...) {
        return 334;
    }
}

void brakKomunikacji(bool cicho)
{
    if (!cicho)
        pokazBlad(QCoreApplication::translate("Polaczenie", "Brak komunikacji"));
}

TUstawieniaSterownika zCzasem(TUstawieniaSterownika ust, int czasMs, int proby)
{
    ust.ParametryTransmisji.ReadTotalTimeoutConstant = czasMs;
    ust.ParametryTransmisji.IlePowtorzen = proby;
    return ust;
}

} // namespace

int odczytajTyp(QString &typ, const TUstawieniaSterownika &ust, int probyLan)
{
    return bezWyjatkow([&] {
        if (przezLan(ust))
            return lanMake(probyLan, lanCzytajTypSterownika, typ, ust);
        return powtorzCzytajTypSterownika(ust.adresRS, ust.ParametryTransmisji, typ);
    });
}

int odczytajBlokade(bool &blokada, const TUstawieniaSterownika &ust, int probyLan)
{
    return bezWyjatkow([&] {
        if (przezLan(ust))
            return lanMake(probyLan, lanCzytajLock, blokada, ust);
        return powtorzCzytajlock(ust.adresRS, ust.ParametryTransmisji, blokada);
    });
}

bool czytajTypSterownika(bool cicho, QString &typ, const TUstawieniaSterownika &ust)
{
    const bool ok = odczytajTyp(typ, ust, 1) == 0;
    if (!ok)
        brakKomunikacji(cicho);
    return ok;
}

bool czytajOdczyty(bool cicho, TOdczyty &odczyty, const TUstawieniaSterownika &ust, bool dlugo)
{
    const TUstawieniaSterownika u = dlugo ? zCzasem(ust, 1500, 4) : zCzasem(ust, 301, 1);
    const int w = bezWyjatkow([&] {
        if (przezLan(u))
            return lanMake(u.ParametryTransmisji.IlePowtorzen, lanCzytajStatus, odczyty, u);
        return powtorzCzytajStatus(u.adresRS, u.ParametryTransmisji, odczyty);
    });
    if (w != 0)
        brakKomunikacji(cicho);
    return w == 0;
}

bool czytajNumerSeryjny(bool, int &ns, const TUstawieniaSterownika &ust)
{
    if (przezLan(ust)) {
        ns = ust.lan.NUMER_SERYJNY;
        return true;
    }
    return bezWyjatkow([&] { return powtorzCzytajNumerSeryjny(ust.adresRS, ust.ParametryTransmisji, ns); }) == 0;
}

bool czytajBlokade(bool &blokada, const TUstawieniaSterownika &ust)
{
    return odczytajBlokade(blokada, zCzasem(ust, 800, 4), 4) == 0;
}

int wyslijBlokade(const TUstawieniaSterownika &ust)
{
    if (przezLan(ust))
        return -1;
    TUstawieniaSterownika u = zCzasem(ust, 600, 2);
    u.lan.count = 1;
    u.lan.timeout = 500;
    return bezWyjatkow([&] { return powtorzZapiszLock(u); });
}

bool lanWToku() { return FormLan() && FormLan()->inProgress(); }
