#include "dodatki_transfer.h"

#include "lan.h"
#include "lan_polecenia.h"
#include "powtorz.h"
#include "transfer_sekcji.h"

bool czytajDodatki(tdanedodatki &dodatki, const TUstawieniaSterownika &ust)
{
    return czytajPozycje(
        dodatki, ust, czasOdczytuSekcjiMs,
        [](tdanedodatki &d, const TUstawieniaSterownika &u) {
            return powtorzCzytajDodatki(d, u.adresRS, u.ParametryTransmisji);
        },
        [](TFormLan &lan, tdanedodatki &d, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanCzytajDodatki, d, u);
        });
}

bool wyslijDodatki(const tdanedodatki &dodatki, bool wSesji, const TUstawieniaSterownika &ust)
{
    return przeslijPozycje(
        ust, 0,
        [&](const TUstawieniaSterownika &u) {
            return powtorzZapisKomDodatki(dodatki, u.adresRS, u.ParametryTransmisji, wSesji);
        },
        [&](TFormLan &lan, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanZapisDodatki, dodatki, wSesji, u);
        });
}
