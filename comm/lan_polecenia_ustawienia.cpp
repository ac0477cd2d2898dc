// TCP/IP callbacks of the setpoints, the humidity and the additions.
#include "lan_polecenia.h"
#include "lan_polecenia_wspolne.h"

using namespace lan;

namespace {

constexpr int czasZapisuMs = 1000;

} // namespace

int lanCzytajZadane(IKlientTcp &A_tc, int A_nr, TKvor350zadana &A_ustaw, const TUstawieniaSterownika &A_ust)
{
    return czytajRekord(A_tc, A_ust, blokZadanej, bajty({A_nr}), A_ust.lan.timeout, A_ustaw, rozpakujZadana);
}

int lanZapisZadana(IKlientTcp &A_tc, int A_nr, const TKvor350zadana &A_ustaw, bool A_BypassSet73,
                   const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] {
        QByteArray blok = spakujZadana(A_ustaw, A_nr);
        // As long as the read's data: the tail is zeros.
        if (!blok.isEmpty())
            blok.resize(blokZadanej.dlOdczytu, '\0');
        return zapiszBlok(A_tc, A_ust, A_BypassSet73, blokZadanej.podkomenda, blok, czasZapisuMs);
    });
}

int lanCzytajWilgotnosc(IKlientTcp &A_tc, Tkvor350wilgotnosc &A_ustaw, const TUstawieniaSterownika &A_ust)
{
    return czytajRekord(A_tc, A_ust, blokWilgotnosci, {}, czasKlienta, A_ustaw, rozpakujWilgotnosc);
}

int lanZapisWilgotnosc(IKlientTcp &A_tc, const Tkvor350wilgotnosc &A_ustaw, bool A_BypassSet73,
                       const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] {
        return zapiszBlok(A_tc, A_ust, A_BypassSet73, blokWilgotnosci.podkomenda, spakujWilgotnosc(A_ustaw),
                          czasZapisuMs);
    });
}

int lanCzytajDodatki(IKlientTcp &A_tc, tdanedodatki &A_ustaw, const TUstawieniaSterownika &A_ust)
{
    return czytajRekord(A_tc, A_ust, blokDodatkow, {}, czasKlienta, A_ustaw, rozpakujDodatki);
}

int lanZapisDodatki(IKlientTcp &A_tc, const tdanedodatki &A_ustaw, bool A_BypassSet73,
                    const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] {
        return zapiszBlok(A_tc, A_ust, A_BypassSet73, blokDodatkow.podkomenda, spakujDodatki(A_ustaw), czasZapisuMs);
    });
}
