// Shared by the section-block commands.
#include "polecenia_blokow.h"
#include "polecenia_blokow_wspolne.h"

#include "ramka.h"

namespace bloki {

int czytaj(TFkomunikacja &k, int adres, const TParamTrans &trans, const OpisBloku &o, const QByteArray &zapytanie,
           QByteArray &dane)
{
    dane.clear();
    QByteArray odp;
    const int N = dlRamki(o.dlOdczytu);
    const int w = k.polecenie(adres, magistrala::H, o.podkomenda, zapytanie, N, trans, odp);
    if (w != 0)
        return w;
    // The link returns 0 only for a complete reply; the data part is cut to
    // the block all the same.
    if (odp.size() != N)
        return 3;
    dane = odp.mid(magistrala::naglowek, o.dlOdczytu);
    return 0;
}

int wyslij(TFkomunikacja &k, int adres, const TParamTrans &trans, uint8_t podkomenda, const QByteArray &blok)
{
    if (blok.isEmpty())
        return kodBleduPakowania;
    QByteArray odp;
    return k.polecenie(adres, magistrala::I, podkomenda, blok, dlRamkiBezDanych, trans, odp);
}

int zapisz(TFkomunikacja &k, int adres, const TParamTrans &trans, bool wszystkie, uint8_t podkomenda,
           const QByteArray &blok)
{
    if (blok.isEmpty())
        return kodBleduPakowania;
    return k.zapisBlokowy(adres, trans, wszystkie, [&] { return wyslij(k, adres, trans, podkomenda, blok); });
}

} // namespace bloki
