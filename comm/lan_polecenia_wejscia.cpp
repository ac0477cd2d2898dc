// TCP/IP callbacks of the measuring inputs, their relative alarms and the
// digital inputs.
#include "lan_polecenia.h"
#include "lan_polecenia_wspolne.h"

#include "kodek_bajty.h"

#include <algorithm>

using namespace lan;

namespace {

constexpr int czasZapisuMs = 1000;
constexpr int wejscNaKarcie = 6;

// The name field of the digital-input write: the first 15 characters of
// nazwa_str, the rest of the field zero.
void wpiszNazweWejsciaCyfrowego(const Tkvor350wejscieDwustanowe &w, QByteArray &blok)
{
    const int dl = std::min<int>(w.nazwa_str[0], kodek::jednostekNazwy);
    for (int i = 0; i < kodek::jednostekPolaNazwy; ++i)
        kodek::zapiszSlowo(blok, 4 + 2 * i, i < dl ? znak1250NaUtf16(w.nazwa_str[1 + i]) : 0);
}

} // namespace

int lanCzytajWejsciaAnalogowe(IKlientTcp &A_tc, int A_nr, TWejscieAnalogowe &A_ustaw,
                              const TUstawieniaSterownika &A_ust)
{
    return czytajRekord(A_tc, A_ust, blokWejsciaAnalogowego, bajty({A_nr % wejscNaKarcie, A_nr / wejscNaKarcie}),
                        czasKlienta, A_ustaw, rozpakujWejscieAnalogowe);
}

int lanZapisWejsciaAnalogowe(IKlientTcp &A_tc, int A_nr, const TWejscieAnalogowe &A_ustaw, bool A_BypassSet73,
                             const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] {
        QByteArray blok;
        spakujWejscieAnalogowe(A_nr, A_ustaw, blok);
        return zapiszBlok(A_tc, A_ust, A_BypassSet73, blokWejsciaAnalogowego.podkomenda, blok, czasZapisuMs);
    });
}

int lanCzytajWejAnalogAlarmWzgledny(IKlientTcp &A_tc, int A_nr, TWejscieAnalogowe &A_ustaw,
                                    const TUstawieniaSterownika &A_ust)
{
    A_ustaw.alarm_wzgledny = vxt_alarm_konfiguracja_t{};
    const int indeks = indeksAlarmuWzglednego(A_nr);
    if (indeks < 0)
        return kodLanBrakAlarmuWzglednego;
    vxt_alarm_konfiguracja_t alarm;
    const int w = czytajRekord(A_tc, A_ust, blokAlarmuWzglednego, bajty({indeks}), czasKlienta, alarm, rozpakujAlarm);
    A_ustaw.alarm_wzgledny = alarm;
    return w;
}

int lanZapisWejAnalogAlarmWzgledny(IKlientTcp &A_tc, int A_nr, const TWejscieAnalogowe &A_ustaw, bool A_BypassSet73,
                                   const TUstawieniaSterownika &A_ust)
{
    QByteArray blok;
    const vxt_alarm_konfiguracja_t alarm = A_ustaw.alarm_wzgledny;
    // An input without a relative alarm: nothing is sent.
    if (!spakujAlarm(A_nr, alarm, blok))
        return kodLanBrakAlarmuWzglednego;
    return bezWyjatku(
        [&] { return zapiszBlok(A_tc, A_ust, A_BypassSet73, blokAlarmuWzglednego.podkomenda, blok, czasZapisuMs); });
}

int lanCzytajWejsciaCyfrowe(IKlientTcp &A_tc, Tkvor350wejscieDwustanowe &A_ustaw, const TUstawieniaSterownika &A_ust)
{
    // The numbers go back in a failed read too: the runner's next attempt
    // asks for the same input.
    const uint8_t wejscie = A_ustaw.nr_wejscia;
    const uint8_t karta = A_ustaw.nr_karty;
    const int w = czytajRekord(A_tc, A_ust, blokWejsciaCyfrowego, bajty({wejscie, karta}), czasKlienta, A_ustaw,
                               rozpakujOdczytWejsciaCyfrowego);
    A_ustaw.nr_wejscia = wejscie;
    A_ustaw.nr_karty = karta;
    return w;
}

int lanZapisWejsciaCyfrowe(IKlientTcp &A_tc, const Tkvor350wejscieDwustanowe &A_ustaw, bool A_BypassSet73,
                           const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] {
        QByteArray blok = spakujWejscieCyfrowe(A_ustaw);
        wpiszNazweWejsciaCyfrowego(A_ustaw, blok);
        blok.resize(blokWejsciaCyfrowego.dlOdczytu, '\0');
        return zapiszBlok(A_tc, A_ust, A_BypassSet73, blokWejsciaCyfrowego.podkomenda, blok, 2000);
    });
}
