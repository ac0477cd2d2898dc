// Setpoints, humidity, additions and washing settings on the bus.
#include "polecenia_blokow.h"
#include "polecenia_blokow_wspolne.h"

int ZapisZadanaKvor350(TFkomunikacja &k, const TKvor350zadana &kr, int blok, int adres, const TParamTrans &trans,
                       bool wszystkie)
{
    return bloki::zapisz(k, adres, trans, wszystkie, blokZadanej.podkomenda, spakujZadana(kr, blok));
}

int CzytajZadaneKVOR350(TFkomunikacja &k, TKvor350zadana &kr, int blok, int adres, const TParamTrans &trans)
{
    return bloki::czytajRekord(k, adres, trans, blokZadanej, bloki::bajty({blok}), kr, rozpakujZadana);
}

int ZapisKomWilgotnoscKvor350(TFkomunikacja &k, const Tkvor350wilgotnosc &kr, int adres, const TParamTrans &trans,
                              bool wszystkie)
{
    return bloki::zapisz(k, adres, trans, wszystkie, blokWilgotnosci.podkomenda, spakujWilgotnosc(kr));
}

int CzytajWilgotnoscKVOR350(TFkomunikacja &k, Tkvor350wilgotnosc &kr, int adres, const TParamTrans &trans)
{
    return bloki::czytajRekord(k, adres, trans, blokWilgotnosci, {}, kr, rozpakujWilgotnosc);
}

int ZapisKomDodatkiKvor350(TFkomunikacja &k, const tdanedodatki &kr, int adres, const TParamTrans &trans,
                           bool wszystkie)
{
    return bloki::zapisz(k, adres, trans, wszystkie, blokDodatkow.podkomenda, spakujDodatki(kr));
}

int CzytajDodatkiKVOR350(TFkomunikacja &k, tdanedodatki &kr, int adres, const TParamTrans &trans)
{
    return bloki::czytajRekord(k, adres, trans, blokDodatkow, {}, kr, rozpakujDodatki);
}

int ZapisUstawieniaMyciaKvor350(TFkomunikacja &k, const TProjektDodatkiMycie &kr, int adres, const TParamTrans &trans)
{
    return bloki::zapisz(k, adres, trans, false, blokUstawienMycia.podkomenda, spakujUstawieniaMycia(kr));
}

int CzytajKomUstawieniaMyciaKVOR350(TFkomunikacja &k, TProjektDodatkiMycie &kr, int adres, const TParamTrans &trans)
{
    return bloki::czytajRekord(k, adres, trans, blokUstawienMycia, {}, kr, rozpakujUstawieniaMycia);
}
