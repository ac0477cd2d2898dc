// Measuring inputs, their relative alarms, and digital inputs on the bus.
#include "polecenia_blokow.h"
#include "polecenia_blokow_wspolne.h"

#include <cstring>

namespace {

constexpr int wejscNaKarcie = 6;

// The relative-alarm slot of the write (0, 1) to its measuring input (0, 2).
int wejscieSlotuAlarmu(int slot) { return slot == 0 ? 0 : slot == 1 ? 2 : -1; }

} // namespace

int ZapisKomWejsciaaAnalogoweKvor350(TFkomunikacja &k, const TWejscieAnalogowe &kr, int blok, int adres,
                                     const TParamTrans &trans, bool wszystkie)
{
    QByteArray dane;
    if (!spakujWejscieAnalogowe(blok, kr, dane))
        return kodBleduPakowania;
    return k.zapisBlokowy(adres, trans, wszystkie, [&] {
        return bloki::wyslij(k, adres, trans, blokWejsciaAnalogowego.podkomenda, dane);
    });
}

int CzytajWejsciaAnalogoweKVOR350(TFkomunikacja &k, TWejscieAnalogowe &A_wejscie, int A_numer, int adres,
                                  const TParamTrans &trans)
{
    std::memset(&A_wejscie, 0, sizeof A_wejscie);
    QByteArray dane;
    const int w = bloki::czytaj(k, adres, trans, blokWejsciaAnalogowego,
                                bloki::bajty({A_numer % wejscNaKarcie, A_numer / wejscNaKarcie}), dane);
    if (w == 0)
        rozpakujWejscieAnalogowe(dane, A_wejscie);
    return w;
}

// A slot without an alarm sends nothing (not even the session frames); a
// failing block frame still closes the session this write opened.
int ZapisKomWejAnalogAlarmWzglednyKvor350(TFkomunikacja &k, int a_numer, const vxt_alarm_konfiguracja_t &a_Alarm,
                                          int adres, const TParamTrans &trans, bool wszystkie)
{
    QByteArray dane;
    if (!spakujAlarm(wejscieSlotuAlarmu(a_numer), a_Alarm, dane))
        return kodBrakAlarmuWzglednego;
    return k.zapisBlokowy(adres, trans, wszystkie, [&] {
        return bloki::wyslij(k, adres, trans, blokAlarmuWzglednego.podkomenda, dane);
    });
}

int CzytajWejAnalogAlarmWzglednyKVOR350(TFkomunikacja &k, int a_numer, vxt_alarm_konfiguracja_t &a_Alarm,
                                        int adres, const TParamTrans &trans)
{
    std::memset(&a_Alarm, 0, sizeof a_Alarm);
    const int indeks = indeksAlarmuWzglednego(a_numer);
    if (indeks < 0)
        return kodBrakAlarmuWzglednego;
    QByteArray dane;
    const int w = bloki::czytaj(k, adres, trans, blokAlarmuWzglednego, bloki::bajty({indeks}), dane);
    if (w == 0)
        rozpakujAlarm(dane, a_Alarm);
    return w;
}

int ZapisKomWejsciaCyfroweKvor350(TFkomunikacja &k, const Tkvor350wejscieDwustanowe &kr, int adres,
                                  const TParamTrans &trans, bool wszystkie)
{
    const QByteArray dane = spakujWejscieCyfrowe(kr);
    return k.zapisBlokowy(adres, trans, wszystkie, [&] {
        return bloki::wyslij(k, adres, trans, blokWejsciaCyfrowego.podkomenda, dane);
    });
}

int CzytajWejsciaCyfroweKVOR350(TFkomunikacja &k, Tkvor350wejscieDwustanowe &a_dane, int adres,
                                const TParamTrans &trans)
{
    const uint8_t wejscie = a_dane.nr_wejscia;
    const uint8_t karta = a_dane.nr_karty;
    std::memset(&a_dane, 0, sizeof a_dane);
    QByteArray dane;
    const int w = bloki::czytaj(k, adres, trans, blokWejsciaCyfrowego, bloki::bajty({wejscie, karta}), dane);
    if (w != 0)
        return w;
    rozpakujWejscieCyfrowe(dane, a_dane);
    a_dane.nr_wejscia = wejscie;
    a_dane.nr_karty = karta;
    return 0;
}
