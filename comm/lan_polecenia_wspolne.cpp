#include "lan_polecenia_wspolne.h"

#include "ramka.h"

namespace lan {

int wymiana(IKlientTcp &tc, const TUstawieniaSterownika &ust, char komenda, uint8_t podkomenda, const QByteArray &dane,
            int czasMs, int n, QByteArray &odp)
{
    try {
        if (czasMs > 0)
            tc.ustawCzasOdczytu(czasMs);
        wyslijRamkeLan(uint32_t(ust.lan.NUMER_SERYJNY), komenda, podkomenda, dane, tc);
    } catch (...) {
        return kodLanWyjatek;
    }
    try {
        odp = tc.czytaj(n);
    } catch (...) {
        return kodLanOdczyt;
    }
    return odp.size() < n ? kodLanKrotka : 0;
}

int czytajBlok(IKlientTcp &tc, const TUstawieniaSterownika &ust, const OpisBloku &o, const QByteArray &zapytanie,
               int czasMs, QByteArray &dane)
{
    QByteArray odp;
    const int w = wymiana(tc, ust, magistrala::H, o.podkomenda, zapytanie, czasMs, dlRamki(o.dlOdczytu), odp);
    if (w == 0)
        dane = daneOdpowiedzi(odp, o.dlOdczytu);
    return w;
}

int wyslijBlok(IKlientTcp &tc, const TUstawieniaSterownika &ust, uint8_t podkomenda, const QByteArray &blok, int czasMs)
{
    if (blok.isEmpty())
        return kodLanWyjatek;
    QByteArray odp;
    return wymiana(tc, ust, magistrala::I, podkomenda, blok, czasMs, dlRamkiBezDanych, odp);
}

int zapisWSesji(IKlientTcp &tc, const TUstawieniaSterownika &ust, bool wSesji, const std::function<int()> &bloki)
{
    if (!wSesji) {
        if (const int w = sesjaZapisu(tc, true, ust))
            return w;
    }
    if (const int w = bloki())
        return w;
    return wSesji ? 0 : sesjaZapisu(tc, false, ust);
}

int zapiszBlok(IKlientTcp &tc, const TUstawieniaSterownika &ust, bool wSesji, uint8_t podkomenda,
               const QByteArray &blok, int czasMs)
{
    if (blok.isEmpty())
        return kodLanWyjatek;
    return zapisWSesji(tc, ust, wSesji, [&] { return wyslijBlok(tc, ust, podkomenda, blok, czasMs); });
}

int bezWyjatku(const std::function<int()> &f)
{
    try {
        return f();
    } catch (...) {
        return kodLanWyjatek;
    }
}

} // namespace lan
