// Digital outputs, alarm outputs F1..F4, special modes and analog outputs on
// the bus.
#include "polecenia_blokow.h"
#include "polecenia_blokow_wspolne.h"

#include <cstring>

namespace {

constexpr int alarmowWyjsc = 4;

// One block inside the block-write pattern; an unpackable block opens no
// session.
int zapiszBlok(TFkomunikacja &k, int adres, const TParamTrans &trans, bool wszystkie, uint8_t podkomenda,
               const QByteArray &blok)
{
    if (blok.isEmpty())
        return kodBleduPakowania;
    return k.zapisBlokowy(adres, trans, wszystkie, [&] { return bloki::wyslij(k, adres, trans, podkomenda, blok); });
}

} // namespace

int ZapisKomPrzekaznikiKvor350(TFkomunikacja &k, const TPrzekaznik &kr, int blok, int adres,
                               const TParamTrans &trans, bool wszystkie)
{
    return zapiszBlok(k, adres, trans, wszystkie, blokPrzekaznika.podkomenda, spakujPrzekaznik(kr, blok));
}

int CzytajKomPrzekaznikiKVOR350(TFkomunikacja &k, TPrzekaznik &kr, int blok, int adres, const TParamTrans &trans)
{
    std::memset(&kr, 0, sizeof kr);
    QByteArray dane;
    const int w = bloki::czytaj(k, adres, trans, blokPrzekaznika, bloki::bajty({blok % 32, blok / 32}), dane);
    if (w == 0)
        rozpakujPrzekaznik(dane, kr);
    return w;
}

// A failing alarm frame still closes the session this write opened.
int ZapisKomPrzekaznikiAlarmKvor350(TFkomunikacja &k, const TAlarmyF1F4Array &A_alarmy, int adres,
                                    const TParamTrans &trans, bool wszystkie)
{
    return k.zapisBlokowy(adres, trans, wszystkie, [&] {
        for (int i = 0; i < alarmowWyjsc; ++i) {
            const vxt_alarm_konfiguracja_t alarm = A_alarmy[i];
            if (const int w = bloki::wyslij(k, adres, trans, blokAlarmuWyjscia.podkomenda,
                                            spakujAlarmWyjscia(alarm, i)))
                return w;
        }
        return 0;
    });
}

int CzytajPrzekaznikiAlarmKVOR350(TFkomunikacja &k, vxt_alarm_konfiguracja_t &A_al, int A_numer, int adres,
                                  const TParamTrans &trans)
{
    std::memset(&A_al, 0, sizeof A_al);
    QByteArray dane;
    const int w = bloki::czytaj(k, adres, trans, blokAlarmuWyjscia, bloki::bajty({A_numer - 1}), dane);
    if (w == 0)
        rozpakujAlarmWyjscia(dane, A_al);
    return w;
}

int ZapisKomFunkcjeSpecKvor350(TFkomunikacja &k, const TFunkcjaSpec &kr, int blok, int adres,
                               const TParamTrans &trans, bool wszystkie)
{
    return zapiszBlok(k, adres, trans, wszystkie, blokFunkcjiSpec.podkomenda, spakujFunkcjeSpec(kr, blok));
}

int CzytajKomStanyKVOR350(TFkomunikacja &k, TFunkcjaSpec &kr, int blok, int adres, const TParamTrans &trans)
{
    std::memset(&kr, 0, sizeof kr);
    QByteArray dane;
    const int w = bloki::czytaj(k, adres, trans, blokFunkcjiSpec, bloki::bajty({blok}), dane);
    if (w != 0)
        return w;
    rozpakujFunkcjeSpec(dane, kr);
    kr.nr_funkcji = blok;
    return 0;
}

int ZapisKomWyjsciaAnalogoweKvor350(TFkomunikacja &k, const TWyjscieAnalogowe &kr, int blok, int adres,
                                    const TParamTrans &trans, bool wszystkie)
{
    return zapiszBlok(k, adres, trans, wszystkie, blokWyjsciaAnalogowego.podkomenda,
                      spakujWyjscieAnalogowe(kr, blok));
}

int CzytajKomWyjsciaAnalogoweKVOR350(TFkomunikacja &k, TWyjscieAnalogowe &kr, int blok, int adres,
                                     const TParamTrans &trans)
{
    std::memset(&kr, 0, sizeof kr);
    QByteArray dane;
    const int w = bloki::czytaj(k, adres, trans, blokWyjsciaAnalogowego, bloki::bajty({blok, 0}), dane);
    if (w == 0)
        rozpakujWyjscieAnalogowe(dane, kr);
    return w;
}
