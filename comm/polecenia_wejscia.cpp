// Measuring inputs, their relative alarms, and digital inputs on the bus.
#include "polecenia_blokow.h"
#include "polecenia_blokow_wspolne.h"

namespace {

constexpr int wejscNaKarcie = 6;

// The relative-alarm slot of the write (0, 1) to its measuring input (0, 2).
int wejscieSlotuAlarmu(int slot) { return slot == 0 ? 0 : slot == 1 ? 2 : -1; }

} // namespace

int ZapisKomWejsciaaAnalogoweKvor350(TFkomunikacja &k, const TWejscieAnalogowe &kr, int blok, int adres,
                                     const TParamTrans &trans, bool wszystkie)
{
    QByteArray dane;
    spakujWejscieAnalogowe(blok, kr, dane);
    return bloki::zapisz(k, adres, trans, wszystkie, blokWejsciaAnalogowego.podkomenda, dane);
}

int CzytajWejsciaAnalogoweKVOR350(TFkomunikacja &k, TWejscieAnalogowe &A_wejscie, int A_numer, int adres,
                                  const TParamTrans &trans)
{
    return bloki::czytajRekord(k, adres, trans, blokWejsciaAnalogowego,
                               bloki::bajty({A_numer % wejscNaKarcie, A_numer / wejscNaKarcie}), A_wejscie,
                               rozpakujWejscieAnalogowe);
}

// A slot without an alarm sends nothing (not even the session frames); a
// failing block frame still closes the session this write opened.
int ZapisKomWejAnalogAlarmWzglednyKvor350(TFkomunikacja &k, int a_numer, const vxt_alarm_konfiguracja_t &a_Alarm,
                                          int adres, const TParamTrans &trans, bool wszystkie)
{
    QByteArray dane;
    if (!spakujAlarm(wejscieSlotuAlarmu(a_numer), a_Alarm, dane))
        return kodBrakAlarmuWzglednego;
    return bloki::zapisz(k, adres, trans, wszystkie, blokAlarmuWzglednego.podkomenda, dane);
}

int CzytajWejAnalogAlarmWzglednyKVOR350(TFkomunikacja &k, int a_numer, vxt_alarm_konfiguracja_t &a_Alarm, int adres,
                                        const TParamTrans &trans)
{
    const int indeks = indeksAlarmuWzglednego(a_numer);
    if (indeks < 0) {
        a_Alarm = vxt_alarm_konfiguracja_t{};
        return kodBrakAlarmuWzglednego;
    }
    return bloki::czytajRekord(k, adres, trans, blokAlarmuWzglednego, bloki::bajty({indeks}), a_Alarm, rozpakujAlarm);
}

int ZapisKomWejsciaCyfroweKvor350(TFkomunikacja &k, const Tkvor350wejscieDwustanowe &kr, int adres,
                                  const TParamTrans &trans, bool wszystkie)
{
    return bloki::zapisz(k, adres, trans, wszystkie, blokWejsciaCyfrowego.podkomenda, spakujWejscieCyfrowe(kr));
}

int CzytajWejsciaCyfroweKVOR350(TFkomunikacja &k, Tkvor350wejscieDwustanowe &a_dane, int adres,
                                const TParamTrans &trans)
{
    const uint8_t wejscie = a_dane.nr_wejscia;
    const uint8_t karta = a_dane.nr_karty;
    const int w = bloki::czytajRekord(k, adres, trans, blokWejsciaCyfrowego, bloki::bajty({wejscie, karta}), a_dane,
                                      rozpakujOdczytWejsciaCyfrowego);
    if (w == 0) {
        a_dane.nr_wejscia = wejscie;
        a_dane.nr_karty = karta;
    }
    return w;
}
