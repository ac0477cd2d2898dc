#include "polaczenie.h"

#include "komunikaty.h"
#include "lan_polecenia.h"
#include "powtorz.h"
#include "transport.h"

#include <QCoreApplication>

namespace {

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
    return przezTransport(
        ust, [&] { return powtorzCzytajTypSterownika(ust.adresRS, ust.ParametryTransmisji, typ); },
        [&](TFormLan &lan) { return lan.make(probyLan, &lanCzytajTypSterownika, typ, ust); });
}

int odczytajBlokade(bool &blokada, const TUstawieniaSterownika &ust, int probyLan)
{
    const int w = przezTransport(
        ust, [&] { return powtorzCzytajlock(ust.adresRS, ust.ParametryTransmisji, blokada); },
        [&](TFormLan &lan) { return lan.make(probyLan, &lanCzytajLock, blokada, ust); });
    if (w != kodNieznanePolecenieBlokady)
        return w;
    blokada = false;
    return 0;
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
    const int w = przezTransport(
        u, [&] { return powtorzCzytajStatus(u.adresRS, u.ParametryTransmisji, odczyty); },
        [&](TFormLan &lan) { return lan.make(u.ParametryTransmisji.IlePowtorzen, &lanCzytajStatus, odczyty, u); });
    if (w != 0)
        brakKomunikacji(cicho);
    return w == 0;
}

bool czytajNumerSeryjny(bool, int &ns, const TUstawieniaSterownika &ust, std::optional<TProbyFasady> proby)
{
    if (transport(ust) == TTransport::Lan) {
        ns = ust.lan.NUMER_SERYJNY;
        return true;
    }
    const TProbyFasady p = proby.value_or(TProbyFasady{timeoutStand, iloscPowtorzen});
    return przezTransport(
               ust, [&] { return powtorzCzytajNumerSeryjny(ust.adresRS, ust.ParametryTransmisji, ns, p); },
               [](TFormLan &) { return kodBrakTransportu; }) == 0;
}

bool czytajBlokade(bool &blokada, const TUstawieniaSterownika &ust)
{
    return odczytajBlokade(blokada, zCzasem(ust, 800, 4), 4) == 0;
}

int wyslijBlokade(const TUstawieniaSterownika &ust)
{
    TUstawieniaSterownika u = zCzasem(ust, 600, 2);
    u.lan.count = 1;
    u.lan.timeout = 500;
    if (transport(u) != TTransport::Rs485)
        return kodBrakTransportu;
    return przezTransport(
        u, [&] { return powtorzZapiszLock(u); }, [](TFormLan &) { return kodBrakTransportu; });
}
