// Programs, steps, update pages, channels and one-byte names.
#include "kodek.h"
#include "kodek_bajty.h"

using namespace kodek;

namespace {

constexpr int czesciProgramu = 5;
constexpr int wierszyWCzesci = 10;
constexpr int poczatekWierszy = 52;
constexpr int jednostekNazwyProgramu = 15; // the header's name field is 30 bytes

void spakujWiersz(const TCyklProgramu &w, QByteArray &b, qsizetype poz)
{
    // Unsigned arithmetic: the record's values are narrowed to 16 bits, and
    // a product of two large Int32 must not overflow.
    const auto u = [&](int i) { return uint32_t(w.v[i]); };
    zapiszBajt(b, poz, u(0));
    zapiszSlowo(b, poz + 1, u(5) * 60u + u(6));
    zapiszSlowo(b, poz + 3, u(1) * 10u);
    zapiszSlowo(b, poz + 5, u(2) * 10u);
    zapiszSlowo(b, poz + 7, u(3));
    for (int d = 0; d < 8; ++d)
        zapiszSlowo(b, poz + 9 + 2 * d, u(7 + d));
    zapiszSlowo(b, poz + 25, u(4));
}

bool rozpakujWiersz(TCyklProgramu &w, const QByteArray &b, int poz)
{
    if (!wZakresie(b, poz, dlWierszaProgramu))
        return false;
    w.v[0] = bajt(b, poz);
    const int t = slowo(b, poz + 1);
    w.v[5] = t / 60;
    w.v[6] = t % 60;
    w.v[1] = slowoZeZnakiem(b, poz + 3) / 10;
    w.v[2] = slowoZeZnakiem(b, poz + 5) / 10;
    w.v[3] = slowo(b, poz + 7);
    for (int d = 0; d < 8; ++d)
        w.v[7 + d] = slowoZeZnakiem(b, poz + 9 + 2 * d);
    w.v[4] = slowoZeZnakiem(b, poz + 25);
    return true;
}

// 0x80..0xFF of Windows-1250; the five unassigned codes map to themselves.
constexpr char16_t gora1250[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

} // namespace

bool spakujBlokProgramu(const TProgram &program, int czesc, QByteArray &tablica, int start)
{
    if (czesc < 0 || czesc >= czesciProgramu || !wZakresie(tablica, start, blokCzesciProgramu.dlZapisu))
        return false;
    tablica.fill('\0');
    zapiszBajt(tablica, start, uint32_t(program.nr_prog));
    zapiszBajt(tablica, start + 1, uint32_t(czesc));
    zapiszNazwe(tablica, start + 4, program.nazwa, jednostekNazwyProgramu);
    for (int i = 0; i < wierszyWCzesci; ++i)
        spakujWiersz(program.cykle[wierszyWCzesci * czesc + i], tablica,
                     start + poczatekWierszy + dlWierszaProgramu * i);
    return true;
}

bool rozpakujBlokProgramu(const QByteArray &blok, int czesc, TProgram &program)
{
    if (czesc < 0 || czesc >= czesciProgramu || blok.size() < blokCzesciProgramu.dlWspolna())
        return false;
    if (czesc == 0)
        czytajNazwe(blok, 4, jednostekNazwyProgramu, program.nazwa);
    for (int i = 0; i < wierszyWCzesci; ++i)
        rozpakujWiersz(program.cykle[wierszyWCzesci * czesc + i], blok, poczatekWierszy + dlWierszaProgramu * i);
    return true;
}

QByteArray spakujKrok(const TKrok &krok, int slot)
{
    if (slot < 0 || slot > 255)
        return {};
    QByteArray b(blokKroku.dlZapisu, '\0');
    zapiszBajt(b, 0, uint32_t(slot));
    zapiszNazwe(b, 4, krok.nazwa, jednostekNazwy);
    zapiszBajt(b, 36, uint32_t(krok.warunek_konca));
    zapiszBajty(b, 40, krok.przekazniki, 128);
    for (int i = 0; i < 4; ++i)
        zapiszSlowo(b, 168 + 2 * i, uint32_t(krok.zadane4[i]) * 10u);
    return b;
}

bool rozpakujKrok(const QByteArray &blok, TKrok &krok)
{
    if (blok.size() < blokKroku.dlWspolna())
        return false;
    czytajNazwe(blok, 4, jednostekPolaNazwy, krok.nazwa);
    krok.warunek_konca = bajt(blok, 36);
    czytajBajty(blok, 40, krok.przekazniki, 128);
    for (int i = 0; i < 4; ++i)
        krok.zadane4[i] = int16_t(slowoZeZnakiem(blok, 168 + 2 * i) / 10);
    return true;
}

QByteArray spakujStroneAktualizacji(uint16_t nrStrony, const QByteArray &strona, int rozmiar)
{
    constexpr int najwiecej = 0xFFFF - 9; // the frame length field is 16 bits
    if (rozmiar < 0 || rozmiar > strona.size() || rozmiar > najwiecej)
        return {};
    QByteArray b(2, '\0');
    zapiszSlowo(b, 0, nrStrony);
    b.append(strona.constData(), rozmiar);
    return b;
}

QByteArray spakujKoniecAktualizacji(uint16_t crcPliku, int32_t rozmiarPliku)
{
    QByteArray b(dlKoncaAktualizacji, '\0');
    zapiszSlowo(b, 0, crcPliku);
    zapiszSlowo32(b, 2, uint32_t(rozmiarPliku));
    return b;
}

void kanalNaKarteWejscie(int kanal, int baza, int naKarte, int &karta, int &wejscie)
{
    if (kanal < 1) {
        karta = wejscie = 255;
    } else if (kanal <= baza) {
        karta = 0;
        wejscie = kanal - 1;
    } else if (naKarte < 1) {
        karta = wejscie = 255;
    } else {
        const int64_t r = int64_t(kanal) - baza - 1;
        karta = int(r / naKarte + 1);
        wejscie = int(r % naKarte);
    }
}

char16_t znak1250NaUtf16(uint8_t znak) { return znak < 0x80 ? char16_t(znak) : gora1250[znak - 0x80]; }

uint8_t utf16NaZnak1250(char16_t znak)
{
    if (znak < 0x80)
        return uint8_t(znak);
    for (int i = 0; i < 128; ++i)
        if (gora1250[i] == znak)
            return uint8_t(0x80 + i);
    return '?';
}
