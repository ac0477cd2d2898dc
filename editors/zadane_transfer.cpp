#include "zadane_transfer.h"

#include "lan.h"
#include "lan_polecenia.h"
#include "powtorz.h"
#include "transfer_sekcji.h"

bool czytajZadana(TKvor350zadana &zadana, int nr, const TUstawieniaSterownika &ust)
{
    return czytajPozycje(
        zadana, ust, czasOdczytuZadanychMs,
        [nr](TKvor350zadana &z, const TUstawieniaSterownika &u) {
            return powtorzCzytajZadane(z, nr - 1, u.adresRS, u.ParametryTransmisji);
        },
        [nr](TFormLan &lan, TKvor350zadana &z, const TUstawieniaSterownika &u) {
            return lan.make(u.lan.count, &lanCzytajZadane, nr - 1, z, u);
        });
}

bool wyslijZadana(const TKvor350zadana &zadana, int nr, bool wSesji, const TUstawieniaSterownika &ust)
{
    return przeslijPozycje(
        ust, 0,
        [&](const TUstawieniaSterownika &u) {
            return powtorzZapisZadana(zadana, nr, u.adresRS, u.ParametryTransmisji, wSesji);
        },
        [&](TFormLan &lan, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanZapisZadana, nr, zadana, wSesji, u);
        });
}

const TPozycjeSekcji<TKvor350zadana> pozycjeZadanych = {
    0,
    [](TKvor350zadana &r, int k, const TUstawieniaSterownika &u) { return czytajZadana(r, k, u); },
    [](const TKvor350zadana &r, int k, bool wSesji, const TUstawieniaSterownika &u) {
        return wyslijZadana(r, k - 1, wSesji, u);
    },
};
