#include "przekazniki_transfer.h"

#include "lan.h"
#include "lan_polecenia.h"
#include "powtorz.h"
#include "transfer_sekcji.h"

bool czytajPrzekaznik(TPrzekaznik &przekaznik, int indeks, const TUstawieniaSterownika &ust)
{
    return czytajPozycje(
        przekaznik, ust, czasOdczytuSekcjiMs,
        [indeks](TPrzekaznik &p, const TUstawieniaSterownika &u) {
            return powtorzCzytajKomPrzekazniki(p, indeks, u.adresRS, u.ParametryTransmisji);
        },
        [indeks](TFormLan &lan, TPrzekaznik &p, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanCzytajPrzekazniki, indeks, p, u);
        });
}

bool wyslijPrzekaznik(const TPrzekaznik &przekaznik, int indeks, bool wSesji, const TUstawieniaSterownika &ust)
{
    return przeslijPozycje(
        ust, 0,
        [&](const TUstawieniaSterownika &u) {
            return powtorzZapisKomPrzekazniki(przekaznik, indeks, u.adresRS, u.ParametryTransmisji, wSesji);
        },
        [&](TFormLan &lan, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanZapisPrzekazniki, indeks, przekaznik, wSesji, u);
        });
}

const TPozycjeSekcji<TPrzekaznik> pozycjePrzekaznikow = {
    0,
    [](TPrzekaznik &r, int k, const TUstawieniaSterownika &u) { return czytajPrzekaznik(r, k - 1, u); },
    [](const TPrzekaznik &r, int k, bool wSesji, const TUstawieniaSterownika &u) {
        return wyslijPrzekaznik(r, k - 1, wSesji, u);
    },
};
