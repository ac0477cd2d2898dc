#include "mycie_transfer.h"

#include "lan.h"
#include "lan_polecenia.h"
#include "powtorz.h"
#include "transfer_sekcji.h"

bool czytajUstawieniaMycia(TProjektDodatkiMycie &mycie, const TUstawieniaSterownika &ust)
{
    return czytajPozycje(
        mycie, ust, czasOdczytuSekcjiMs,
        [](TProjektDodatkiMycie &m, const TUstawieniaSterownika &u) {
            return powtorzCzytajKomUstawieniaMycia(m, u.adresRS, u.ParametryTransmisji);
        },
        [](TFormLan &lan, TProjektDodatkiMycie &m, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanCzytajUstawieniaMycia, m, u);
        });
}

bool wyslijUstawieniaMycia(const TProjektDodatkiMycie &mycie, bool wSesji, const TUstawieniaSterownika &ust)
{
    return przeslijPozycje(
        ust, 0,
        [&](const TUstawieniaSterownika &u) {
            return powtorzZapisUstawieniaMycia(mycie, u.adresRS, u.ParametryTransmisji);
        },
        [&](TFormLan &lan, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanZapisUstawieniaMycia, mycie, wSesji, u);
        });
}
