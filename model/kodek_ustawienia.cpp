// Setpoints, humidity, additions, washing settings, extra modules, SETUP.
#include "kodek.h"
#include "kodek_bajty.h"

using namespace kodek;

namespace {

constexpr int wejscNaKarcie = 6;
constexpr int wyjscMycia = 32;
constexpr int wartosciSetup = 100; // F[1]..F[100]

} // namespace

QByteArray spakujZadana(const TKvor350zadana &zadana, int slot)
{
    if (slot < 0 || slot > 255)
        return {};
    QByteArray b(blokZadanej.dlZapisu, '\0');
    zapiszBajt(b, 0, uint32_t(slot));
    zapiszNazwe(b, 4, zadana.nazwa, jednostekNazwy);
    zapiszSlowo(b, 36, uint32_t(zadana.wartosc));
    return b;
}

bool rozpakujZadana(const QByteArray &blok, TKvor350zadana &zadana)
{
    if (blok.size() < blokZadanej.dlWspolna())
        return false;
    czytajNazwe(blok, 4, jednostekPolaNazwy, zadana.nazwa);
    zadana.wartosc = slowoZeZnakiem(blok, 36);
    return true;
}

QByteArray spakujWilgotnosc(const Tkvor350wilgotnosc &wilgotnosc)
{
    QByteArray b(blokWilgotnosci.dlZapisu, '\0');
    const vxt_alarm_konfiguracja_t a = wilgotnosc.alarm;
    zapiszBajt(b, 4, uint32_t(wilgotnosc.sposob_pomiaru));
    zapiszBajt(b, 5, uint32_t(wilgotnosc.numer_karty) * wejscNaKarcie + wilgotnosc.numer_wejscia);
    zapiszBajt(b, 6, uint32_t(wilgotnosc.min_zadana));
    zapiszBajt(b, 7, uint32_t(wilgotnosc.max_zadana));
    zapiszSlowo(b, 8, uint32_t(a.opoznienie));
    zapiszBajt(b, 10, a.logika);
    zapiszBajt(b, 11, a.status);
    zapiszBajty(b, 12, a.przekazniki, 128);
    zapiszSlowo(b, 140, uint32_t(a.warunek1));
    zapiszSlowo(b, 142, uint32_t(a.warunek2));
    return b;
}

bool rozpakujWilgotnosc(const QByteArray &blok, Tkvor350wilgotnosc &wilgotnosc)
{
    if (blok.size() < blokWilgotnosci.dlWspolna())
        return false;
    wilgotnosc.sposob_pomiaru = bajt(blok, 4);
    const uint8_t kanal = bajt(blok, 5);
    wilgotnosc.numer_karty = kanal / wejscNaKarcie;
    wilgotnosc.numer_wejscia = kanal % wejscNaKarcie;
    wilgotnosc.min_zadana = bajt(blok, 6);
    wilgotnosc.max_zadana = bajt(blok, 7);
    wilgotnosc.alarm.opoznienie = slowoZeZnakiem(blok, 8);
    wilgotnosc.alarm.logika = bajt(blok, 10);
    wilgotnosc.alarm.status = bajt(blok, 11);
    czytajBajty(blok, 12, wilgotnosc.alarm.przekazniki, 128);
    wilgotnosc.alarm.warunek1 = slowoZeZnakiem(blok, 140);
    wilgotnosc.alarm.warunek2 = slowoZeZnakiem(blok, 142);
    return true;
}

QByteArray spakujDodatki(const tdanedodatki &dodatki)
{
    QByteArray b(blokDodatkow.dlZapisu, '\0');
    zapiszBajt(b, 4, dodatki.iledodatki);
    for (int i = 0; i < 8; ++i) {
        zapiszSlowo(b, 5 + 2 * i, uint32_t(dodatki.dodatki_min[i]));
        zapiszSlowo(b, 21 + 2 * i, uint32_t(dodatki.dodatki_max[i]));
    }
    return b;
}

bool rozpakujDodatki(const QByteArray &blok, tdanedodatki &dodatki)
{
    if (blok.size() < blokDodatkow.dlWspolna())
        return false;
    dodatki.iledodatki = bajt(blok, 4);
    for (int i = 0; i < 8; ++i) {
        dodatki.dodatki_min[i] = slowoZeZnakiem(blok, 5 + 2 * i);
        dodatki.dodatki_max[i] = slowoZeZnakiem(blok, 21 + 2 * i);
    }
    return true;
}

QByteArray spakujUstawieniaMycia(const TProjektDodatkiMycie &mycie)
{
    QByteArray b(blokUstawienMycia.dlZapisu, '\0');
    zapiszSlowo(b, 4, mycie.czaDoMycia);
    for (int k = 0; k < wyjscMycia / 8; ++k) {
        uint32_t v = 0;
        for (int bit = 0; bit < 8; ++bit)
            if (mycie.przekazniki[8 * k + bit] != 0)
                v |= 1u << bit;
        zapiszBajt(b, 6 + k, v);
    }
    return b;
}

bool rozpakujUstawieniaMycia(const QByteArray &blok, TProjektDodatkiMycie &mycie)
{
    if (blok.size() < blokUstawienMycia.dlWspolna())
        return false;
    mycie.czaDoMycia = slowo(blok, 4);
    for (int k = 0; k < wyjscMycia / 8; ++k) {
        const uint8_t v = bajt(blok, 6 + k);
        for (int bit = 0; bit < 8; ++bit)
            mycie.przekazniki[8 * k + bit] = (v >> bit) & 1;
    }
    return true;
}

QByteArray spakujModuly(const TModulyWejWyKonfig &moduly)
{
    QByteArray b(blokModulow.dlZapisu, '\0');
    zapiszBajt(b, 0, moduly.ain);
    zapiszBajt(b, 1, moduly.din);
    zapiszBajt(b, 2, moduly.aout);
    zapiszBajt(b, 3, moduly.dout);
    return b;
}

bool rozpakujModuly(const QByteArray &blok, TModulyWejWyKonfig &moduly)
{
    if (blok.size() < blokModulow.dlWspolna())
        return false;
    moduly.ain = bajt(blok, 0);
    moduly.din = bajt(blok, 1);
    moduly.aout = bajt(blok, 2);
    moduly.dout = bajt(blok, 3);
    return true;
}

QByteArray spakujSetup(const TFunkcjeKvor3 &setup)
{
    QByteArray b(blokSetup.dlZapisu, '\0');
    for (int i = 1; i <= wartosciSetup; ++i)
        zapiszSlowo32(b, 4 * (i - 1), uint32_t(setup.F[i]));
    return b;
}

bool rozpakujSetup(const QByteArray &blok, TFunkcjeKvor3 &setup)
{
    if (blok.size() < blokSetup.dlWspolna())
        return false;
    for (int i = 1; i <= wartosciSetup; ++i)
        setup.F[i] = int32_t(slowo32(blok, 4 * (i - 1)));
    return true;
}
