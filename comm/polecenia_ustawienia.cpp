// Setpoints, humidity, additions and washing settings on the bus.
#include "polecenia_blokow.h"
#include "polecenia_blokow_wspolne.h"

#include <cstring>

namespace {

int zapiszBlok(TFkomunikacja &k, int adres, const TParamTrans &trans, bool wszystkie, uint8_t podkomenda,
               const QByteArray &blok)
{
    if (blok.isEmpty())
        return kodBleduPakowania;
    return k.zapisBlokowy(adres, trans, wszystkie, [&] { return bloki::wyslij(k, adres, trans, podkomenda, blok); });
}

} // namespace

int ZapisZadanaKvor350(TFkomunikacja &k, const TKvor350zadana &kr, int blok, int adres, const TParamTrans &trans,
                       bool wszystkie)
{
    return zapiszBlok(k, adres, trans, wszystkie, blokZadanej.podkomenda, spakujZadana(kr, blok));
}

int CzytajZadaneKVOR350(TFkomunikacja &k, TKvor350zadana &kr, int blok, int adres, const TParamTrans &trans)
{
    std::memset(&kr, 0, sizeof kr);
    QByteArray dane;
    const int w = bloki::czytaj(k, adres, trans, blokZadanej, bloki::bajty({blok}), dane);
    if (w == 0)
        rozpakujZadana(dane, kr);
    return w;
}

int ZapisKomWilgotnoscKvor350(TFkomunikacja &k, const Tkvor350wilgotnosc &kr, int adres,
                              const TParamTrans &trans, bool wszystkie)
{
    return zapiszBlok(k, adres, trans, wszystkie, blokWilgotnosci.podkomenda, spakujWilgotnosc(kr));
}

int CzytajWilgotnoscKVOR350(TFkomunikacja &k, Tkvor350wilgotnosc &kr, int adres, const TParamTrans &trans)
{
    std::memset(&kr, 0, sizeof kr);
    QByteArray dane;
    const int w = bloki::czytaj(k, adres, trans, blokWilgotnosci, {}, dane);
    if (w == 0)
        rozpakujWilgotnosc(dane, kr);
    return w;
}

int ZapisKomDodatkiKvor350(TFkomunikacja &k, const tdanedodatki &kr, int adres, const TParamTrans &trans,
                           bool wszystkie)
{
    return zapiszBlok(k, adres, trans, wszystkie, blokDodatkow.podkomenda, spakujDodatki(kr));
}

int CzytajDodatkiKVOR350(TFkomunikacja &k, tdanedodatki &kr, int adres, const TParamTrans &trans)
{
    std::memset(&kr, 0, sizeof kr);
    QByteArray dane;
    const int w = bloki::czytaj(k, adres, trans, blokDodatkow, {}, dane);
    if (w == 0)
        rozpakujDodatki(dane, kr);
    return w;
}

int ZapisUstawieniaMyciaKvor350(TFkomunikacja &k, const TProjektDodatkiMycie &kr, int adres,
                                const TParamTrans &trans)
{
    return zapiszBlok(k, adres, trans, false, blokUstawienMycia.podkomenda, spakujUstawieniaMycia(kr));
}

int CzytajKomUstawieniaMyciaKVOR350(TFkomunikacja &k, TProjektDodatkiMycie &kr, int adres,
                                    const TParamTrans &trans)
{
    std::memset(&kr, 0, sizeof kr);
    QByteArray dane;
    const int w = bloki::czytaj(k, adres, trans, blokUstawienMycia, {}, dane);
    if (w == 0)
        rozpakujUstawieniaMycia(dane, kr);
    return w;
}
