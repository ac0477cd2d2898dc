#include "wyjscia_analogowe_transfer.h"

#include "lan.h"
#include "lan_polecenia.h"
#include "powtorz.h"
#include "transfer_sekcji.h"

bool czytajWyjscieAnalogowe(TWyjscieAnalogowe &wyjscie, int nr, const TUstawieniaSterownika &ust)
{
    const int indeks = nr - 1;
    return czytajPozycje(
        wyjscie, ust, czasOdczytuSekcjiMs,
        [indeks](TWyjscieAnalogowe &w, const TUstawieniaSterownika &u) {
            return powtorzCzytajKomWyjsciaAnalogowe(w, indeks, u.adresRS, u.ParametryTransmisji);
        },
        [indeks](TFormLan &lan, TWyjscieAnalogowe &w, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanCzytajWyjsciaAnalogowe, indeks, w, u);
        });
}

bool wyslijWyjscieAnalogowe(const TWyjscieAnalogowe &wyjscie, int indeks, bool wSesji, const TUstawieniaSterownika &ust)
{
    return przeslijPozycje(
        ust, 0,
        [&](const TUstawieniaSterownika &u) {
            return powtorzZapisKomWyjsciaAnalogowe(wyjscie, indeks, u.adresRS, u.ParametryTransmisji, wSesji);
        },
        [&](TFormLan &lan, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanZapisWyjsciaAnalogowe, indeks, wyjscie, wSesji, u);
        });
}

const TPozycjeSekcji<TWyjscieAnalogowe> pozycjeWyjscAnalogowych = {
    0,
    [](TWyjscieAnalogowe &r, int k, const TUstawieniaSterownika &u) { return czytajWyjscieAnalogowe(r, k, u); },
    [](const TWyjscieAnalogowe &r, int k, bool wSesji, const TUstawieniaSterownika &u) {
        return wyslijWyjscieAnalogowe(r, k - 1, wSesji, u);
    },
};
