// Digital outputs, alarm outputs F1..F4, special modes and analog outputs on
// the bus.
#include "polecenia_blokow.h"
#include "polecenia_blokow_wspolne.h"

namespace {

constexpr int alarmowWyjsc = 4;

} // namespace

int ZapisKomPrzekaznikiKvor350(TFkomunikacja &k, const TPrzekaznik &kr, int blok, int adres, const TParamTrans &trans,
                               bool wszystkie)
{
    return bloki::zapisz(k, adres, trans, wszystkie, blokPrzekaznika.podkomenda, spakujPrzekaznik(kr, blok));
}

int CzytajKomPrzekaznikiKVOR350(TFkomunikacja &k, TPrzekaznik &kr, int blok, int adres, const TParamTrans &trans)
{
    return bloki::czytajRekord(k, adres, trans, blokPrzekaznika, bloki::bajty({blok % 32, blok / 32}), kr,
                               rozpakujPrzekaznik);
}

// A failing alarm frame still closes the session this write opened.
int ZapisKomPrzekaznikiAlarmKvor350(TFkomunikacja &k, const TAlarmyF1F4Array &A_alarmy, int adres,
                                    const TParamTrans &trans, bool wszystkie)
{
    return k.zapisBlokowy(adres, trans, wszystkie, [&] {
        for (int i = 0; i < alarmowWyjsc; ++i) {
            const vxt_alarm_konfiguracja_t alarm = A_alarmy[i];
            if (const int w =
                    bloki::wyslij(k, adres, trans, blokAlarmuWyjscia.podkomenda, spakujAlarmWyjscia(alarm, i)))
                return w;
        }
        return 0;
    });
}

int CzytajPrzekaznikiAlarmKVOR350(TFkomunikacja &k, vxt_alarm_konfiguracja_t &A_al, int A_numer, int adres,
                                  const TParamTrans &trans)
{
    return bloki::czytajRekord(k, adres, trans, blokAlarmuWyjscia, bloki::bajty({A_numer - 1}), A_al,
                               rozpakujAlarmWyjscia);
}

int ZapisKomFunkcjeSpecKvor350(TFkomunikacja &k, const TFunkcjaSpec &kr, int blok, int adres, const TParamTrans &trans,
                               bool wszystkie)
{
    return bloki::zapisz(k, adres, trans, wszystkie, blokFunkcjiSpec.podkomenda, spakujFunkcjeSpec(kr, blok));
}

int CzytajKomStanyKVOR350(TFkomunikacja &k, TFunkcjaSpec &kr, int blok, int adres, const TParamTrans &trans)
{
    const int w = bloki::czytajRekord(k, adres, trans, blokFunkcjiSpec, bloki::bajty({blok}), kr, rozpakujFunkcjeSpec);
    if (w == 0)
        kr.nr_funkcji = blok;
    return w;
}

int ZapisKomWyjsciaAnalogoweKvor350(TFkomunikacja &k, const TWyjscieAnalogowe &kr, int blok, int adres,
                                    const TParamTrans &trans, bool wszystkie)
{
    return bloki::zapisz(k, adres, trans, wszystkie, blokWyjsciaAnalogowego.podkomenda,
                         spakujWyjscieAnalogowe(kr, blok));
}

int CzytajKomWyjsciaAnalogoweKVOR350(TFkomunikacja &k, TWyjscieAnalogowe &kr, int blok, int adres,
                                     const TParamTrans &trans)
{
    return bloki::czytajRekord(k, adres, trans, blokWyjsciaAnalogowego, bloki::bajty({blok, 0}), kr,
                               rozpakujWyjscieAnalogowe);
}
