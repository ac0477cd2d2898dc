#include "tryby_specjalne_transfer.h"

#include "enumeracje.h"
#include "lan.h"
#include "lan_polecenia.h"
#include "nazwy.h"
#include "powtorz.h"
#include "transfer_sekcji.h"

namespace {

// The fixed modes at list positions 1..4.
constexpr int nrySterownikaStalych[] = {0, 1, 12, 13};
constexpr int ileStalych = 4;

// The mapping gives mode 0 for a bad index: refused, so that it never
// overwrites the pause.
bool poprawnyIndeks(int indeks)
{
    if (indeks >= 0 && indeks < ileTrybowSpecjalnych)
        return true;
    pokazBrakKomunikacji();
    return false;
}

} // namespace

int nrTrybuSterownika(int pozycja)
{
    if (pozycja < 1 || pozycja > ileTrybowSpecjalnych)
        return 0;
    return pozycja <= ileStalych ? nrySterownikaStalych[pozycja - 1] : pozycja - 3;
}

int nrTrybuListy(int nrSterownika)
{
    for (int p = 1; p <= ileStalych; ++p)
        if (nrySterownikaStalych[p - 1] == nrSterownika)
            return p;
    return nrSterownika >= 2 && nrSterownika <= 11 ? nrSterownika + 3 : 0;
}

bool czytajTrybSpecjalny(TFunkcjaSpec &tryb, int indeks, const TUstawieniaSterownika &ust)
{
    if (!poprawnyIndeks(indeks))
        return false;
    const int nr = nrTrybuSterownika(indeks + 1);
    if (!czytajPozycje(
            tryb, ust, czasOdczytuSekcjiMs,
            [nr](TFunkcjaSpec &t, const TUstawieniaSterownika &u) {
                return powtorzCzytajKomStany(t, nr, u.adresRS, u.ParametryTransmisji);
            },
            [nr](TFormLan &lan, TFunkcjaSpec &t, const TUstawieniaSterownika &u) {
                return lan.make(probyLanSekcji, &lanCzytajStany, nr, t, u);
            }))
        return false;
    const int pozycja = nrTrybuListy(nr);
    if (pozycja <= ileStalych)
        tryb.nazwa = tekstNaNazwe50(nazwaFunkcjiSpecjalnej(pozycja, false));
    tryb.nr_funkcji = indeks;
    return true;
}

bool wyslijTrybSpecjalny(const TFunkcjaSpec &tryb, int indeks, bool wSesji, const TUstawieniaSterownika &ust)
{
    if (!poprawnyIndeks(indeks))
        return false;
    const int nr = nrTrybuSterownika(indeks + 1);
    return przeslijPozycje(
        ust, 0,
        [&](const TUstawieniaSterownika &u) {
            return powtorzZapisKomFunkcjeSpec(tryb, nr, u.adresRS, u.ParametryTransmisji, wSesji);
        },
        [&](TFormLan &lan, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanZapisFunkcjeSpec, nr, tryb, wSesji, u);
        });
}

const TPozycjeSekcji<TFunkcjaSpec> pozycjeTrybowSpecjalnych = {
    0,
    [](TFunkcjaSpec &r, int k, const TUstawieniaSterownika &u) { return czytajTrybSpecjalny(r, k - 1, u); },
    [](const TFunkcjaSpec &r, int k, bool wSesji, const TUstawieniaSterownika &u) {
        return wyslijTrybSpecjalny(r, k - 1, wSesji, u);
    },
};
