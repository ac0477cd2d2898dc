#include "wilgotnosc_transfer.h"

#include "lan.h"
#include "lan_polecenia.h"
#include "powtorz.h"
#include "transfer_sekcji.h"

bool czytajWilgotnosc(Tkvor350wilgotnosc &wilgotnosc, const TUstawieniaSterownika &ust)
{
    return czytajPozycje(
        wilgotnosc, ust, czasOdczytuSekcjiMs,
        [](Tkvor350wilgotnosc &w, const TUstawieniaSterownika &u) {
            return powtorzCzytajWilgotnosc(w, u.adresRS, u.ParametryTransmisji);
        },
        [](TFormLan &lan, Tkvor350wilgotnosc &w, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanCzytajWilgotnosc, w, u);
        });
}

bool wyslijWilgotnosc(const Tkvor350wilgotnosc &wilgotnosc, bool wSesji, const TUstawieniaSterownika &ust)
{
    return przeslijPozycje(
        ust, 0,
        [&](const TUstawieniaSterownika &u) {
            return powtorzZapisKomWilgotnosc(wilgotnosc, u.adresRS, u.ParametryTransmisji, wSesji);
        },
        [&](TFormLan &lan, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanZapisWilgotnosc, wilgotnosc, wSesji, u);
        });
}
