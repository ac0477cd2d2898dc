// Measuring inputs, their relative alarms, and digital inputs.
#include "kodek.h"
#include "kodek_bajty.h"
#include "pomocnicze.h"

#include <algorithm>
#include <cstring>

using namespace kodek;

namespace {

constexpr int wejscAnalogowych = 24;
constexpr int wejscNaKarcie = 6;

// Delay, logic, reaction and the 128 output bytes (132 bytes), with the two
// thresholds at their own position.
void spakujAlarmWBloku(const vxt_alarm_konfiguracja_t &a, QByteArray &b, qsizetype p, qsizetype progi)
{
    zapiszSlowo(b, p, uint32_t(a.opoznienie));
    zapiszBajt(b, p + 2, a.logika);
    zapiszBajt(b, p + 3, a.status);
    zapiszBajty(b, p + 4, a.przekazniki, 128);
    zapiszSlowo(b, progi, uint32_t(a.warunek1));
    zapiszSlowo(b, progi + 2, uint32_t(a.warunek2));
}

void rozpakujAlarmZBloku(const QByteArray &b, qsizetype p, qsizetype progi, vxt_alarm_konfiguracja_t &a)
{
    a.opoznienie = slowoZeZnakiem(b, p);
    a.logika = bajt(b, p + 2);
    a.status = bajt(b, p + 3);
    czytajBajty(b, p + 4, a.przekazniki, 128);
    a.warunek1 = slowoZeZnakiem(b, progi);
    a.warunek2 = slowoZeZnakiem(b, progi + 2);
}

constexpr int dlNazwyStr = 16; // nazwa_str: length byte and 16 characters

} // namespace

bool spakujWejscieAnalogowe(int kanal, const TWejscieAnalogowe &wejscie, QByteArray &tablica)
{
    if (kanal < 0 || kanal >= wejscAnalogowych) {
        tablica.clear();
        return false;
    }
    QByteArray b(blokWejsciaAnalogowego.dlZapisu, '\0');
    zapiszBajt(b, 0, uint32_t(kanal % wejscNaKarcie));
    zapiszBajt(b, 1, uint32_t(kanal / wejscNaKarcie));
    zapiszNazwe(b, 4, wejscie.nazwa, jednostekNazwy);
    zapiszBajt(b, 36, wejscie.input_type);
    zapiszSlowo(b, 37, uint32_t(wejscie.offset));
    zapiszSlowo(b, 40, uint32_t(wejscie.p1));
    zapiszSlowo(b, 42, uint32_t(wejscie.p2));
    spakujAlarmWBloku(wejscie.alarm_bezwzgledny, b, 44, 176);
    spakujAlarmWBloku(wejscie.alarm_brak_czujnika, b, 180, 312);
    tablica = b;
    return true;
}

bool rozpakujWejscieAnalogowe(const QByteArray &tablica, TWejscieAnalogowe &wejscie)
{
    if (tablica.size() < blokWejsciaAnalogowego.dlWspolna())
        return false;
    czytajNazwe(tablica, 4, jednostekPolaNazwy, wejscie.nazwa);
    wejscie.input_type = bajt(tablica, 36);
    wejscie.offset = slowoZeZnakiem(tablica, 37);
    wejscie.p1 = slowoZeZnakiem(tablica, 40);
    wejscie.p2 = slowoZeZnakiem(tablica, 42);
    rozpakujAlarmZBloku(tablica, 44, 176, wejscie.alarm_bezwzgledny);
    rozpakujAlarmZBloku(tablica, 180, 312, wejscie.alarm_brak_czujnika);
    return true;
}

int indeksAlarmuWzglednego(int wejscie) { return wejscie == 0 ? 0 : wejscie == 2 ? 1 : -1; }

bool spakujAlarm(int wejscie, const vxt_alarm_konfiguracja_t &alarm, QByteArray &tablica)
{
    const int indeks = indeksAlarmuWzglednego(wejscie);
    if (indeks < 0) {
        tablica.clear();
        return false;
    }
    QByteArray b(blokAlarmuWzglednego.dlZapisu, '\0');
    zapiszBajt(b, 0, uint32_t(indeks));
    spakujAlarmWBloku(alarm, b, 4, 140);
    tablica = b;
    return true;
}

bool rozpakujAlarm(const QByteArray &tablica, vxt_alarm_konfiguracja_t &alarm)
{
    if (tablica.size() < blokAlarmuWzglednego.dlWspolna())
        return false;
    rozpakujAlarmZBloku(tablica, 4, 140, alarm);
    return true;
}

QByteArray spakujWejscieCyfrowe(const Tkvor350wejscieDwustanowe &wejscie)
{
    QByteArray b(blokWejsciaCyfrowego.dlZapisu, '\0');
    zapiszBajt(b, 0, wejscie.nr_wejscia);
    zapiszBajt(b, 1, wejscie.nr_karty);
    for (int i = 0; i < jednostekPolaNazwy; ++i)
        zapiszSlowo(b, 4 + 2 * i, wejscie.nazwa_array[i]);
    // A length byte above the field (a damaged file) is cut to the field.
    const int dl = std::min<int>(wejscie.nazwa_str[0], dlNazwyStr);
    for (int i = 0; i < dl; ++i)
        zapiszSlowo(b, 4 + 2 * i, znak1250NaUtf16(wejscie.nazwa_str[1 + i]));
    zapiszBajt(b, 36, wejscie.logika);
    zapiszBajt(b, 37, wejscie.zasilanie);
    zapiszBajt(b, 40, wejscie.alarm_opoznienieL);
    zapiszBajt(b, 41, wejscie.alarm_opoznienieH);
    zapiszBajt(b, 42, wejscie.alarm_logika);
    zapiszBajt(b, 43, wejscie.alarm_status);
    zapiszBajty(b, 44, wejscie.wyjscia_przypisane, 128);
    zapiszBajt(b, 172, wejscie.alarm_warunek1L);
    zapiszBajt(b, 173, wejscie.alarm_warunek1H);
    zapiszBajt(b, 174, wejscie.alarm_warunek2L);
    zapiszBajt(b, 175, wejscie.alarm_warunek2H);
    return b;
}

bool rozpakujWejscieCyfrowe(const QByteArray &blok, Tkvor350wejscieDwustanowe &wejscie)
{
    if (blok.size() < blokWejsciaCyfrowego.dlWspolna())
        return false;
    for (int i = 0; i < jednostekPolaNazwy; ++i)
        wejscie.nazwa_array[i] = slowo(blok, 4 + 2 * i);
    uint8_t nazwa[1 + dlNazwyStr] = {};
    int dl = 0;
    while (dl < dlNazwyStr && wejscie.nazwa_array[dl] != 0) {
        nazwa[1 + dl] = utf16NaZnak1250(wejscie.nazwa_array[dl]);
        ++dl;
    }
    nazwa[0] = uint8_t(dl);
    std::memcpy(wejscie.nazwa_str, nazwa, sizeof nazwa);
    wejscie.logika = bajt(blok, 36);
    wejscie.zasilanie = bajt(blok, 37);
    wejscie.alarm_opoznienieL = bajt(blok, 40);
    wejscie.alarm_opoznienieH = bajt(blok, 41);
    wejscie.alarm_logika = bajt(blok, 42);
    wejscie.alarm_status = bajt(blok, 43);
    czytajBajty(blok, 44, wejscie.wyjscia_przypisane, 128);
    wejscie.alarm_warunek1L = bajt(blok, 172);
    wejscie.alarm_warunek1H = bajt(blok, 173);
    wejscie.alarm_warunek2L = bajt(blok, 174);
    wejscie.alarm_warunek2H = bajt(blok, 175);
    return true;
}

bool rozpakujOdczytWejsciaCyfrowego(const QByteArray &odpowiedz, Tkvor350wejscieDwustanowe &wejscie)
{
    if (odpowiedz.size() < blokWejsciaCyfrowego.dlOdczytu)
        return false;
    const uint8_t nr = wejscie.nr_wejscia, karta = wejscie.nr_karty;
    bajtyDoWejsciaCyfrowego(odpowiedz, wejscie, blokWejsciaCyfrowego.dlOdczytu);
    rozpakujWejscieCyfrowe(odpowiedz, wejscie);
    wejscie.nr_wejscia = nr;
    wejscie.nr_karty = karta;
    return true;
}
