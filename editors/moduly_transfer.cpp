#include "moduly_transfer.h"

#include "lan.h"
#include "lan_polecenia.h"
#include "powtorz.h"
#include "transfer_sekcji.h"

bool czytajModuly(TModulyWejWyKonfig &moduly, const TUstawieniaSterownika &ust)
{
    return czytajPozycje(
        moduly, ust, czasOdczytuSekcjiMs,
        [](TModulyWejWyKonfig &m, const TUstawieniaSterownika &u) {
            return powtorzCzytajModuly(u.adresRS, u.ParametryTransmisji, m);
        },
        [](TFormLan &lan, TModulyWejWyKonfig &m, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanCzytajModuly, m, u);
        });
}

bool wyslijModuly(const TModulyWejWyKonfig &moduly, bool wSesji, const TUstawieniaSterownika &ust)
{
    return przeslijPozycje(
        ust, czasZapisuModulowMs,
        [&](const TUstawieniaSterownika &u) {
            return powtorzZapisModuly(u.adresRS, u.ParametryTransmisji, moduly, wSesji);
        },
        [&](TFormLan &lan, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanZapisModuly, moduly, wSesji, u);
        });
}
