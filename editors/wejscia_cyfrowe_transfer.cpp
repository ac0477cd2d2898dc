#include "wejscia_cyfrowe_transfer.h"

#include "kodek.h"
#include "lan.h"
#include "lan_polecenia.h"
#include "powtorz.h"
#include "transfer_sekcji.h"

void ustawKarteWejscie(Tkvor350wejscieDwustanowe &wejscie, int nr)
{
    int karta = 0, naKarcie = 0;
    kanalNaKarteWejscie(nr, wejscNaKarcieBazowej, wejscNaKarcieRozszerzen, karta, naKarcie);
    wejscie.nr_karty = uint8_t(karta);
    wejscie.nr_wejscia = uint8_t(naKarcie);
}

int nrWejsciaLiniowy(int karta, int wejscie)
{
    return karta == 0 ? wejscie + 1 : wejscNaKarcieBazowej + (karta - 1) * wejscNaKarcieRozszerzen + wejscie + 1;
}

bool czytajWejscieCyfrowe(Tkvor350wejscieDwustanowe &wejscie, int nr, const TUstawieniaSterownika &ust)
{
    Tkvor350wejscieDwustanowe kopia = wejscie;
    ustawKarteWejscie(kopia, nr);
    // The transports address the input by the record's numbers and keep them.
    if (!czytajPozycje(
            kopia, ust, czasOdczytuWejscCyfrowychMs,
            [](Tkvor350wejscieDwustanowe &w, const TUstawieniaSterownika &u) {
                return powtorzCzytajWejsciaCyfrowe(w, u.adresRS, u.ParametryTransmisji);
            },
            [](TFormLan &lan, Tkvor350wejscieDwustanowe &w, const TUstawieniaSterownika &u) {
                return lan.make(probyLanSekcji, &lanCzytajWejsciaCyfrowe, w, u);
            }))
        return false;
    wejscie = kopia;
    return true;
}

bool wyslijWejscieCyfrowe(const Tkvor350wejscieDwustanowe &wejscie, int nr, bool wSesji,
                          const TUstawieniaSterownika &ust)
{
    Tkvor350wejscieDwustanowe kopia = wejscie;
    ustawKarteWejscie(kopia, nr);
    return przeslijPozycje(
        ust, 0,
        [&](const TUstawieniaSterownika &u) {
            return powtorzZapisKomWejsciaCyfrowe(kopia, u.adresRS, u.ParametryTransmisji, wSesji);
        },
        [&](TFormLan &lan, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanZapisWejsciaCyfrowe, kopia, wSesji, u);
        });
}

const TPozycjeSekcji<Tkvor350wejscieDwustanowe> pozycjeWejscCyfrowych = {
    0,
    [](Tkvor350wejscieDwustanowe &r, int k, const TUstawieniaSterownika &u) { return czytajWejscieCyfrowe(r, k, u); },
    [](const Tkvor350wejscieDwustanowe &r, int k, bool wSesji, const TUstawieniaSterownika &u) {
        return wyslijWejscieCyfrowe(r, k, wSesji, u);
    },
};
