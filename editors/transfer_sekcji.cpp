#include "transfer_sekcji.h"

#include "komunikaty.h"
#include "lan.h"
#include "powtorz.h"
#include "transport.h"

#include <QCoreApplication>

namespace {

int wykonajPrzez(const TUstawieniaSterownika &u, const TPrzezRs485 &rs, const TPrzezLan &lan)
{
    return przezTransport(
        u, [&] { return rs(u); }, [&](TFormLan &f) { return lan(f, u); });
}

int sesja(const TUstawieniaSterownika &ust, bool start, int probyLan)
{
    return wykonajPrzez(
        ust, [start](const TUstawieniaSterownika &u) { return start ? otworzSesjeZapisu(u) : zamknijSesjeZapisu(u); },
        [start, probyLan](TFormLan &f, const TUstawieniaSterownika &u) {
            return f.make(probyLan, &sesjaZapisu, start, u);
        });
}

} // namespace

bool przeslijPozycje(const TUstawieniaSterownika &ust, int czasOdczytuMs, const TPrzezRs485 &rs, const TPrzezLan &lan)
{
    TUstawieniaSterownika u = ust;
    if (czasOdczytuMs > 0)
        u.ParametryTransmisji.ReadTotalTimeoutConstant = czasOdczytuMs;
    const bool ok = wykonajPrzez(u, rs, lan) == 0;
    if (!ok)
        pokazBrakKomunikacji();
    return ok;
}

bool otworzSesjeSekcji(const TUstawieniaSterownika &ust, int probyLan) { return sesja(ust, true, probyLan) == 0; }

bool zamknijSesjeSekcji(const TUstawieniaSterownika &ust, int probyLan) { return sesja(ust, false, probyLan) == 0; }

void pokazBrakKomunikacji() { pokazBlad(QCoreApplication::translate("TransferSekcji", "Brak komunikacji")); }
