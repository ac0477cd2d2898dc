// Digital outputs with their definitions, alarm outputs, special modes and
// analog outputs.
#include "kodek.h"
#include "kodek_bajty.h"

using namespace kodek;

namespace {

constexpr int poczatekDefinicji = 40;
constexpr int jednostekNazwyWyjsciaAn = 15;

void spakujDefinicje(const TDefinicjaPrzekaznika &d, QByteArray &b, qsizetype p)
{
    zapiszBajt(b, p + 0, uint32_t(d.tryb));
    zapiszBajt(b, p + 1, d.wyzwalanie);
    zapiszSlowo(b, p + 4, uint32_t(d.ta));
    zapiszSlowo(b, p + 6, uint32_t(d.tb));
    zapiszBajt(b, p + 8, d.hist_zadany);
    zapiszBajt(b, p + 9, d.hist_pomiarowy);
    zapiszBajt(b, p + 10, uint32_t(d.regulator));
    zapiszSlowo(b, p + 12, uint32_t(d.offset));
    zapiszSlowo(b, p + 14, uint32_t(d.okno));
    zapiszSlowo(b, p + 16, uint32_t(d.hist_gorna));
    zapiszSlowo(b, p + 18, uint32_t(d.hist_dolna));
    zapiszBajt(b, p + 20, uint32_t(d.pid.grzanie_chlodzenie));
    zapiszBajt(b, p + 21, d.pid.pomiarowy);
    zapiszBajt(b, p + 22, d.pid.zadany);
    zapiszSlowo(b, p + 25, uint32_t(d.pid.k));
    zapiszSlowo(b, p + 27, uint32_t(d.pid.td));
    zapiszSlowo(b, p + 29, uint32_t(d.pid.ti));
    zapiszSlowo(b, p + 31, uint32_t(d.pid.tto));
    zapiszSlowo(b, p + 33, uint32_t(d.pid.tp));
}

void rozpakujDefinicje(const QByteArray &b, qsizetype p, TDefinicjaPrzekaznika &d)
{
    d.tryb = bajt(b, p + 0);
    d.wyzwalanie = bajt(b, p + 1);
    d.ta = slowoZeZnakiem(b, p + 4);
    d.tb = slowoZeZnakiem(b, p + 6);
    d.hist_zadany = bajt(b, p + 8);
    d.hist_pomiarowy = bajt(b, p + 9);
    d.regulator = bajt(b, p + 10);
    d.offset = slowoZeZnakiem(b, p + 12);
    d.okno = slowoZeZnakiem(b, p + 14);
    d.hist_gorna = slowoZeZnakiem(b, p + 16);
    d.hist_dolna = slowoZeZnakiem(b, p + 18);
    d.pid.grzanie_chlodzenie = bajt(b, p + 20);
    d.pid.pomiarowy = bajt(b, p + 21);
    d.pid.zadany = bajt(b, p + 22);
    d.pid.k = slowoZeZnakiem(b, p + 25);
    d.pid.td = slowoZeZnakiem(b, p + 27);
    d.pid.ti = slowoZeZnakiem(b, p + 29);
    d.pid.tto = slowoZeZnakiem(b, p + 31);
    d.pid.tp = slowoZeZnakiem(b, p + 33);
}

} // namespace

QByteArray spakujPrzekaznik(const TPrzekaznik &przekaznik, int slot)
{
    if (slot < 0 || slot / 32 > 255)
        return {};
    QByteArray b(blokPrzekaznika.dlZapisu, '\0');
    zapiszBajt(b, 0, uint32_t(slot % 32));
    zapiszBajt(b, 1, uint32_t(slot / 32));
    zapiszNazwe(b, 4, przekaznik.nazwa, jednostekNazwy);
    zapiszBajt(b, 36, uint32_t(przekaznik.ikona));
    zapiszSlowo(b, 37, przekaznik.moc);
    zapiszBajt(b, 39, przekaznik.koszt_energii);
    for (int i = 0; i < 4; ++i)
        spakujDefinicje(przekaznik.parametry[i], b, poczatekDefinicji + dlDefinicjiPrzekaznika * i);
    return b;
}

bool rozpakujPrzekaznik(const QByteArray &blok, TPrzekaznik &przekaznik)
{
    if (blok.size() < blokPrzekaznika.dlWspolna())
        return false;
    czytajNazwe(blok, 4, jednostekPolaNazwy, przekaznik.nazwa);
    przekaznik.ikona = bajt(blok, 36);
    przekaznik.moc = slowo(blok, 37);
    przekaznik.koszt_energii = bajt(blok, 39);
    for (int i = 0; i < 4; ++i)
        rozpakujDefinicje(blok, poczatekDefinicji + dlDefinicjiPrzekaznika * i, przekaznik.parametry[i]);
    return true;
}

QByteArray spakujAlarmWyjscia(const vxt_alarm_konfiguracja_t &alarm, int indeks)
{
    if (indeks < 0 || indeks > 3)
        return {};
    QByteArray b(blokAlarmuWyjscia.dlZapisu, '\0');
    zapiszBajt(b, 0, uint32_t(indeks));
    zapiszSlowo(b, 4, uint32_t(alarm.opoznienie));
    zapiszBajt(b, 7, alarm.status);
    return b;
}

bool rozpakujAlarmWyjscia(const QByteArray &blok, vxt_alarm_konfiguracja_t &alarm)
{
    if (blok.size() < blokAlarmuWyjscia.dlWspolna())
        return false;
    alarm.opoznienie = slowoZeZnakiem(blok, 4);
    alarm.status = bajt(blok, 7);
    return true;
}

QByteArray spakujFunkcjeSpec(const TFunkcjaSpec &funkcja, int slot)
{
    if (slot < 0 || slot > 255)
        return {};
    QByteArray b(blokFunkcjiSpec.dlZapisu, '\0');
    zapiszBajt(b, 0, uint32_t(slot));
    zapiszNazwe(b, 4, funkcja.nazwa, jednostekNazwy);
    zapiszSlowo(b, 36, uint32_t(funkcja.czas_wyl));
    zapiszBajt(b, 38, uint32_t(funkcja.logika));
    zapiszBajt(b, 39, uint32_t(funkcja.tryb));
    zapiszBajty(b, 40, funkcja.przekazniki, 128);
    return b;
}

bool rozpakujFunkcjeSpec(const QByteArray &blok, TFunkcjaSpec &funkcja)
{
    if (blok.size() < blokFunkcjiSpec.dlWspolna())
        return false;
    czytajNazwe(blok, 4, jednostekPolaNazwy, funkcja.nazwa);
    funkcja.czas_wyl = slowoZeZnakiem(blok, 36);
    funkcja.logika = bajt(blok, 38);
    funkcja.tryb = bajt(blok, 39);
    czytajBajty(blok, 40, funkcja.przekazniki, 128);
    return true;
}

QByteArray spakujWyjscieAnalogowe(const TWyjscieAnalogowe &wyjscie, int slot)
{
    if (slot < 0 || slot / 4 > 255)
        return {};
    QByteArray b(blokWyjsciaAnalogowego.dlZapisu, '\0');
    zapiszBajt(b, 0, uint32_t(slot % 4));
    zapiszBajt(b, 1, uint32_t(slot / 4));
    zapiszNazwe(b, 4, wyjscie.nazwa, jednostekNazwy);
    zapiszBajt(b, 36, wyjscie.output_type);
    zapiszBajt(b, 37, wyjscie.typ_04);
    zapiszBajt(b, 38, wyjscie.zadajnik_kanal_zadany);
    zapiszBajt(b, 39, wyjscie.koszt_energii);
    zapiszSlowo(b, 40, uint32_t(wyjscie.min));
    zapiszSlowo(b, 42, uint32_t(wyjscie.max));
    zapiszSlowo(b, 44, uint32_t(wyjscie.stop));
    zapiszSlowo(b, 46, uint32_t(wyjscie.pause));
    zapiszBajt(b, 48, uint32_t(wyjscie.pid.grzanie_chlodzenie));
    zapiszBajt(b, 49, wyjscie.pid.pomiarowy);
    zapiszBajt(b, 50, wyjscie.pid.zadany);
    zapiszSlowo(b, 53, uint32_t(wyjscie.pid.k));
    zapiszSlowo(b, 55, uint32_t(wyjscie.pid.td));
    zapiszSlowo(b, 57, uint32_t(wyjscie.pid.ti));
    zapiszSlowo(b, 59, uint32_t(wyjscie.pid.tto));
    zapiszSlowo(b, 61, uint32_t(wyjscie.pid.tp));
    zapiszSlowo(b, 63, wyjscie.moc);
    zapiszBajt(b, 65, wyjscie.liniowypomiarowy);
    zapiszBajt(b, 66, wyjscie.liniowyZadana0);
    zapiszBajt(b, 67, wyjscie.liniowyZadana20);
    zapiszSlowo(b, 68, uint32_t(wyjscie.aktywnystop));
    return b;
}

bool rozpakujWyjscieAnalogowe(const QByteArray &blok, TWyjscieAnalogowe &wyjscie)
{
    if (blok.size() < blokWyjsciaAnalogowego.dlWspolna())
        return false;
    czytajNazwe(blok, 4, jednostekNazwyWyjsciaAn, wyjscie.nazwa);
    wyjscie.output_type = bajt(blok, 36);
    wyjscie.typ_04 = bajt(blok, 37);
    wyjscie.zadajnik_kanal_zadany = bajt(blok, 38);
    wyjscie.koszt_energii = bajt(blok, 39);
    wyjscie.min = slowoZeZnakiem(blok, 40);
    wyjscie.max = slowoZeZnakiem(blok, 42);
    wyjscie.stop = slowoZeZnakiem(blok, 44);
    wyjscie.pause = slowoZeZnakiem(blok, 46);
    wyjscie.pid.grzanie_chlodzenie = bajt(blok, 48);
    wyjscie.pid.pomiarowy = bajt(blok, 49);
    wyjscie.pid.zadany = bajt(blok, 50);
    wyjscie.pid.k = slowoZeZnakiem(blok, 53);
    wyjscie.pid.td = slowoZeZnakiem(blok, 55);
    wyjscie.pid.ti = slowoZeZnakiem(blok, 57);
    wyjscie.pid.tto = slowoZeZnakiem(blok, 59);
    wyjscie.pid.tp = slowoZeZnakiem(blok, 61);
    wyjscie.moc = slowo(blok, 63);
    wyjscie.liniowypomiarowy = bajt(blok, 65);
    wyjscie.liniowyZadana0 = bajt(blok, 66);
    wyjscie.liniowyZadana20 = bajt(blok, 67);
    wyjscie.aktywnystop = slowoZeZnakiem(blok, 68);
    return true;
}
