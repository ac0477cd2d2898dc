#include "kroki_transfer.h"

#include "lan.h"
#include "lan_polecenia.h"
#include "powtorz.h"
#include "transfer_sekcji.h"

namespace {

bool poprawnyNumer(int nr, bool mycie)
{
    if (nr >= 1 && nr <= (mycie ? ileKrokowMycia : ileKrokow))
        return true;
    pokazBrakKomunikacji();
    return false;
}

} // namespace

bool czytajKrok(TKrok &krok, int nr, bool mycie, const TUstawieniaSterownika &ust)
{
    if (!poprawnyNumer(nr, mycie))
        return false;
    return czytajPozycje(
        krok, ust, czasOdczytuSekcjiMs,
        [nr, mycie](TKrok &k, const TUstawieniaSterownika &u) {
            return powtorzCzytajKomKroki(k, nr, u.adresRS, mycie, u.ParametryTransmisji);
        },
        [nr, mycie](TFormLan &lan, TKrok &k, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanCzytajKroki, nr, k, mycie, u);
        });
}

bool wyslijKrok(const TKrok &krok, int nr, bool mycie, const TUstawieniaSterownika &ust, bool wSesji)
{
    if (!poprawnyNumer(nr, mycie))
        return false;
    return przeslijPozycje(
        ust, 0,
        [&](const TUstawieniaSterownika &u) {
            return powtorzZapisKomKroki(krok, nr, u.adresRS, u.ParametryTransmisji, wSesji, mycie);
        },
        [&](TFormLan &lan, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanZapisKroki, nr, krok, mycie, wSesji, u);
        });
}

const TPozycjeSekcji<TKrok> pozycjeKrokow = {
    1,
    [](TKrok &r, int k, const TUstawieniaSterownika &u) { return czytajKrok(r, k, false, u); },
    [](const TKrok &r, int k, bool wSesji, const TUstawieniaSterownika &u) {
        return wyslijKrok(r, k, false, u, wSesji);
    },
};
const TPozycjeSekcji<TKrok> pozycjeKrokowMycia = {
    1,
    [](TKrok &r, int k, const TUstawieniaSterownika &u) { return czytajKrok(r, k, true, u); },
    [](const TKrok &r, int k, bool wSesji, const TUstawieniaSterownika &u) {
        return wyslijKrok(r, k, true, u, wSesji);
    },
};
