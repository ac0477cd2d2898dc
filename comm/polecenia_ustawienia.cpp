// Setpoints, humidity, additions, washing settings, extra modules and the
// SETUP table on the bus.
#include "polecenia_blokow.h"
#include "polecenia_blokow_wspolne.h"

#include "ramka.h"

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

int TFkomunikacja::CzytajModulyKVOR350(int adres, const TParamTrans &trans, TModulyWejWyKonfig &moduly)
{
    QByteArray odp;
    const int w =
        polecenie(adres, magistrala::F, blokModulow.podkomenda, {}, dlRamki(blokModulow.dlOdczytu), trans, odp);
    if (w == 0)
        rozpakujModuly(odp.mid(magistrala::naglowek, blokModulow.dlOdczytu), moduly);
    else if (w == 3)
        moduly = TModulyWejWyKonfig{};
    return w;
}

int TFkomunikacja::ZapisModulyKvor350(int adres, const TParamTrans &trans, const TModulyWejWyKonfig &moduly, bool)
{
    const QByteArray dane = spakujModuly(moduly);
    return zapisBlokowy(adres, trans, false, [&] {
        QByteArray odp;
        return polecenie(adres, magistrala::G, blokModulow.podkomenda, dane, dlRamkiBezDanych, trans, odp);
    });
}

int TFkomunikacja::CzytajKomSetupKvor350(int adres, const TParamTrans &trans, TFunkcjeKvor3 &setup)
{
    setup = TFunkcjeKvor3{};
    QByteArray odp;
    const int w = polecenie(adres, magistrala::F, blokSetup.podkomenda, {}, dlRamki(blokSetup.dlOdczytu), trans, odp);
    if (w == 0)
        rozpakujSetup(odp.mid(magistrala::naglowek, blokSetup.dlOdczytu), setup);
    return w;
}

int TFkomunikacja::ZapisKomSetupKvor350(int adres, const TParamTrans &trans, const TFunkcjeKvor3 &setup)
{
    QByteArray odp;
    return polecenie(adres, magistrala::G, blokSetup.podkomenda, spakujSetup(setup), dlRamkiBezDanych, trans, odp);
}
