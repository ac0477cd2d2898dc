#include "gtest_qt.h"
#include "pomocnicze.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

QByteArray hex(const char *h) { return QByteArray::fromHex(h); }

} // namespace

TEST(Pomocnicze, TekstNaHex)
{
    EXPECT_EQ(tekstNaHex(hex("01a0")), QStringLiteral("01 a0 "));
    EXPECT_EQ(tekstNaHex(hex("00ff7f")), QStringLiteral("00 ff 7f "));
    EXPECT_EQ(tekstNaHex(QByteArray()), QString());
}

TEST(Pomocnicze, DodajSeparator)
{
    EXPECT_EQ(dodajBackslash(QStringLiteral("/opt/kvor")), QStringLiteral("/opt/kvor/"));
    EXPECT_EQ(dodajBackslash(QStringLiteral("/opt/kvor/")), QStringLiteral("/opt/kvor/"));
}

TEST(Pomocnicze, WersjaPlikuBezZasobuToZera)
{
    const TWersjaPliku w = pobierzWersjePliku(QStringLiteral("/bin/sh"));
    EXPECT_EQ(w.glowna, 0);
    EXPECT_EQ(w.poboczna, 0);
    EXPECT_EQ(w.wydanie, 0);
    EXPECT_EQ(w.kompilacja, 0);
}

TEST(Pomocnicze, TekstWersji)
{
    struct Przypadek {
        int v;
        const char *tekst;
    } const przypadki[] = {
        {0, "0.00"},   {5, "0.05"},     {215, "2.15"},     {998, "9.98"}, {999, "0.999"},    {1000, "1.0"},
        {1005, "1.5"}, {1234, "1.234"}, {12345, "12.345"}, {-5, "-0.05"}, {-1234, "-1.234"}, {INT_MIN, "-2147483.647"},
    };
    for (const auto &p : przypadki)
        EXPECT_EQ(tekstWersji(p.v), QString::fromLatin1(p.tekst)) << p.v;
}

TEST(Pomocnicze, CzasMinSekOgraniczaMinutyDo99)
{
    struct Przypadek {
        QTime czas;
        const char *tekst;
    } const przypadki[] = {
        {QTime(0, 0, 5), "00:05"},  {QTime(1, 2, 3), "62:03"}, {QTime(1, 39, 59), "99:59"},
        {QTime(1, 40, 0), "99:00"}, {QTime(2, 0, 0), "99:00"}, {QTime(23, 59, 59), "99:59"},
        {QTime(), "00:00"},
    };
    for (const auto &p : przypadki)
        EXPECT_EQ(czasMinSek(p.czas), QString::fromLatin1(p.tekst)) << p.czas.toString().toStdString();
}

TEST(Pomocnicze, TekstDziesiatychWedlugJezyka)
{
    // Tests run with the Polish locale.
    EXPECT_EQ(tekstDziesiatych(125), QStringLiteral("12,5"));
    EXPECT_EQ(tekstDziesiatych(2000), QStringLiteral("200,0"));
    EXPECT_EQ(tekstDziesiatych(12345), QStringLiteral("1234,5"));
    EXPECT_EQ(tekstDziesiatych(0), QStringLiteral("0,0"));
    EXPECT_EQ(tekstDziesiatych(-5), QStringLiteral("-0,5"));
    EXPECT_EQ(tekstDziesiatych(-125), QStringLiteral("-12,5"));
    EXPECT_EQ(tekstDziesiatych(LLONG_MIN), QStringLiteral("-922337203685477580,8"));
    const QLocale dawny;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(tekstDziesiatych(-125), QStringLiteral("-12.5"));
    QLocale::setDefault(dawny);
}

TEST(Pomocnicze, SprawdzZakresTekstu)
{
    struct Przypadek {
        const char *tekst;
        double max, min;
        int wynik;
    } const przypadki[] = {
        {"12,5", 100, 0, 0},  {"12.5", 100, 0, 0}, {"100", 100, 0, 0}, {"0", 100, 0, 0},
        {"100,1", 100, 0, 2}, {"-1", 100, 0, 2},   {"-0,5", 0, -1, 0}, {"abc", 100, 0, 1},
        {"", 100, 0, 1},      {"12x", 100, 0, 1},  {"nan", 100, 0, 1}, {"inf", 1e300, 0, 1},
    };
    for (const auto &p : przypadki)
        EXPECT_EQ(sprawdzZakresTekstu(QString::fromUtf8(p.tekst), p.max, p.min), p.wynik) << p.tekst;
}

TEST(Pomocnicze, TekstDoZnakuIZamienZnakPatrzaNa255Znakow)
{
    EXPECT_EQ(tekstDoZnaku(QStringLiteral("kvor350X1.05"), QLatin1Char('X')), QStringLiteral("kvor350"));
    EXPECT_EQ(tekstDoZnaku(QStringLiteral("abc"), QLatin1Char('X')), QStringLiteral("abc"));
    EXPECT_EQ(tekstDoZnaku(QStringLiteral("Xabc"), QLatin1Char('X')), QString());
    const QString dlugi = QString(254, QLatin1Char('a')) + QStringLiteral("XbX");
    EXPECT_EQ(tekstDoZnaku(dlugi, QLatin1Char('X')), QString(254, QLatin1Char('a')));
    const QString zaDlugi = QString(255, QLatin1Char('a')) + QStringLiteral("Xb");
    EXPECT_EQ(tekstDoZnaku(zaDlugi, QLatin1Char('X')), zaDlugi);

    EXPECT_EQ(zamienZnak(QStringLiteral("1.05.2"), QLatin1Char('.'), QLatin1Char('-')), QStringLiteral("1-05-2"));
    const QString kropki = QString(300, QLatin1Char('.'));
    const QString zamienione = zamienZnak(kropki, QLatin1Char('.'), QLatin1Char('-'));
    EXPECT_EQ(zamienione, QString(255, QLatin1Char('-')) + QString(45, QLatin1Char('.')));
}

TEST(Pomocnicze, ListyTekstow)
{
    const QStringList l{QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("abc"), QStringLiteral("Abc")};
    EXPECT_EQ(indeksTekstu(l, QStringLiteral("19200")), 1);
    EXPECT_EQ(indeksTekstu(l, QStringLiteral("Abc")), 3);
    EXPECT_EQ(indeksTekstu(l, QStringLiteral("ABC")), -1);
    EXPECT_EQ(indeksTekstu({}, QStringLiteral("x")), -1);

    EXPECT_EQ(liczbaZListy(l, 0, -7), 9600);
    EXPECT_EQ(liczbaZListy(l, 1, -7), 19200);
    EXPECT_EQ(liczbaZListy(l, 2, -7), -7); // not an integer
    EXPECT_EQ(liczbaZListy(l, 4, -7), -7); // no such item
    EXPECT_EQ(liczbaZListy(l, -1, -7), -7);
}

TEST(Pomocnicze, NazwaDlaSymbolu)
{
    struct Przypadek {
        const char *typ;
        const char *nazwa;
    } const przypadki[] = {
        {"kvor350X1.05", "Kvor 350"},
        {"kvor350", "Kvor 350"},
        {"KVOR350XYZ", "Kvor 350"},
        {"Kvor350", "Kvor 350"},
        {"kvor351X", ""},
        {"kvor350x", ""},
        {"", ""},
        {"X", ""},
    };
    for (const auto &p : przypadki)
        EXPECT_EQ(nazwaDlaSymbolu(QString::fromLatin1(p.typ)), QString::fromLatin1(p.nazwa)) << p.typ;
}

TEST(Pomocnicze, TekstNaBajtyUtf16MaZawsze2RazyIle)
{
    EXPECT_EQ(tekstNaBajtyUtf16(QStringLiteral("Ab"), 2), hex("41006200"));
    EXPECT_EQ(tekstNaBajtyUtf16(QStringLiteral("łą"), 1), hex("4201"));
    // A short name is padded with zero units: the block layout stays fixed.
    EXPECT_EQ(tekstNaBajtyUtf16(QStringLiteral("S1"), 15), hex("53003100") + QByteArray(26, '\0'));
    EXPECT_EQ(tekstNaBajtyUtf16(QString(50, QLatin1Char('n')), 15).size(), 30);
    EXPECT_TRUE(tekstNaBajtyUtf16(QStringLiteral("x"), -1).isEmpty());
}

TEST(Pomocnicze, TekstNaBuforUtf16)
{
    uint8_t bufor[32];
    std::fill(std::begin(bufor), std::end(bufor), 0xEE);
    EXPECT_FALSE(tekstNaBuforUtf16(QString(17, QLatin1Char('a')), bufor));
    EXPECT_EQ(std::count(std::begin(bufor), std::end(bufor), 0), 32);

    EXPECT_TRUE(tekstNaBuforUtf16(QString(16, QChar(0x0105)), bufor));
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(bufor[2 * i], 0x05);
        EXPECT_EQ(bufor[2 * i + 1], 0x01);
    }
    EXPECT_TRUE(tekstNaBuforUtf16(QStringLiteral("AB"), bufor));
    EXPECT_EQ(QByteArray(reinterpret_cast<char *>(bufor), 6), hex("410042000000"));
}

TEST(Pomocnicze, NazwaDoBufora16NajwyzejSzesnascieZnakow)
{
    struct Przypadek {
        int dlugosc, ile;
        size_t rozmiar;
        int zapisane;
    } const przypadki[] = {
        {20, 20, 40, 32}, {20, 3, 40, 6}, {2, 10, 40, 4},
        {20, 20, 10, 10}, {5, -1, 40, 0}, {5, 5, 0, 0}, // an empty destination has no storage at all
    };
    for (const auto &p : przypadki) {
        std::vector<uint8_t> cel(p.rozmiar, 0xEE);
        nazwaDoBufora16(QString(p.dlugosc, QLatin1Char('z')), cel, p.ile);
        const auto zmienione = std::count_if(cel.begin(), cel.end(), [](uint8_t b) { return b != 0xEE; });
        EXPECT_EQ(zmienione, p.zapisane) << p.dlugosc << " " << p.ile;
        for (int i = 0; i < p.zapisane; ++i)
            EXPECT_EQ(cel[i], i % 2 ? 0 : 'z');
    }
}

TEST(Pomocnicze, KopiowanieBajtowZatrzymujeSieNaKoncu)
{
    QByteArray tablica(10, '.');
    wstawTekstDoBajtow(QByteArray("abcdef"), tablica, 2, 4);
    EXPECT_EQ(tablica, QByteArray("..abcd...."));
    wstawTekstDoBajtow(QByteArray("xyz"), tablica, 8, 3); // array ends after 2
    EXPECT_EQ(tablica, QByteArray("..abcd..xy"));
    wstawTekstDoBajtow(QByteArray("qq"), tablica, -1, 2);
    wstawTekstDoBajtow(QByteArray("qq"), tablica, 20, 2);
    EXPECT_EQ(tablica, QByteArray("..abcd..xy"));

    uint8_t bufor[50] = {};
    kopiujZnaki40(QString(45, QChar(0x0141)), bufor, 50); // 'Ł' keeps its low byte
    EXPECT_EQ(std::count(std::begin(bufor), std::end(bufor), 0x41), 40);
    uint8_t maly[4] = {};
    kopiujZnaki40(QStringLiteral("abcdef"), maly, 40);
    EXPECT_EQ(QByteArray(reinterpret_cast<char *>(maly), 4), QByteArray("abcd"));

    const QByteArray zrodlo("0123456789");
    EXPECT_EQ(bajtyNaTekst(zrodlo, 3, 4), QByteArray("3456"));
    EXPECT_EQ(bajtyNaTekst(zrodlo, 8, 4), QByteArray("89"));
    EXPECT_EQ(bajtyNaTekst(zrodlo, 10, 4), QByteArray());
    EXPECT_EQ(bajtyNaTekst(zrodlo, -2, 4), QByteArray());
}

TEST(Pomocnicze, SlowaNaTekstCzytaParyOdPozycji)
{
    // Position 3 (1-based) is the third byte.
    const QByteArray b = hex("ffff") + hex("41004201") + hex("0000") + hex("4300");
    EXPECT_EQ(slowaTekstuNaTekst(b, 3, 10), QStringLiteral("Ał"));
    EXPECT_EQ(slowaTekstuNaTekst(b, 3, 1), QStringLiteral("A"));
    EXPECT_EQ(slowaTekstuNaTekst(b, 7, 10), QString()); // zero unit at once
    EXPECT_EQ(slowaTekstuNaTekst(b, 9, 10), QStringLiteral("C"));
    EXPECT_EQ(slowaTekstuNaTekst(b, 10, 10), QString()); // 0x00 and nothing after it
    EXPECT_EQ(slowaTekstuNaTekst(hex("41"), 1, 10), QStringLiteral("A"));
    EXPECT_EQ(slowaTekstuNaTekst(b, 0, 10), QString());
    EXPECT_EQ(slowaTekstuNaTekst(b, 100, 10), QString());
}

TEST(Pomocnicze, Slowa50CzytajaNajwyzejNZnakowINieDalejNizPole)
{
    QByteArray b;
    for (int i = 0; i < 60; ++i)
        b.append(char('a' + i % 26)).append('\0');
    struct Przypadek {
        int n;
        int przeczytane;
    } const przypadki[] = {{0, 0}, {15, 15}, {16, 16}, {50, 50}, {99, 50}};
    for (const auto &p : przypadki) {
        const TNazwa50char z = bajtyNaSlowa50(b, 0, p.n);
        const TNazwa50char t = tekstNaSlowa50(b, 1, p.n);
        for (int i = 0; i < 50; ++i) {
            const char16_t oczekiwany = i < p.przeczytane ? char16_t('a' + i % 26) : 0;
            EXPECT_EQ(z.z[i], oczekiwany) << p.n << " " << i;
            EXPECT_EQ(t.z[i], oczekiwany) << p.n << " " << i;
        }
    }
    // A zero word ends the name; what follows stays zero.
    const TNazwa50char z = bajtyNaSlowa50(hex("ff5a005a0000005a00"), 1, 16);
    EXPECT_EQ(nazwa50NaTekst(z), QStringLiteral("ZZ"));
    EXPECT_EQ(z.z[3], 0);
    // The data ends before n words: a missing high byte reads as 0.
    EXPECT_EQ(nazwa50NaTekst(bajtyNaSlowa50(hex("5a005a"), 0, 16)), QStringLiteral("ZZ"));
    EXPECT_EQ(nazwa50NaTekst(bajtyNaSlowa50(hex("5a005a"), 4, 16)), QString());
    EXPECT_EQ(nazwa50NaTekst(bajtyNaSlowa50(hex("5a00"), -4, 16)), QString());
}

TEST(Pomocnicze, SlowaNaTekstDoZeraNajwyzej16)
{
    const char16_t pelne[20] = u"ABCDEFGHIJKLMNOPQRS";
    EXPECT_EQ(slowaNaTekst(pelne), QStringLiteral("ABCDEFGHIJKLMNOP"));
    const char16_t krotkie[16] = u"Wejście";
    EXPECT_EQ(slowaNaTekst(krotkie), QStringLiteral("Wejście"));

    Tkvor350wejscieDwustanowe we{};
    const char16_t nazwa[16] = u"DIN 3";
    std::memcpy(reinterpret_cast<char *>(&we) + offsetof(Tkvor350wejscieDwustanowe, nazwa_array), nazwa, 32);
    EXPECT_EQ(slowaNaTekst(we), QStringLiteral("DIN 3"));
}

TEST(Pomocnicze, BajtyDoWejsciaCyfrowegoNieWychodzaZaRekord)
{
    Tkvor350wejscieDwustanowe we;
    std::memset(&we, 0xEE, sizeof we);
    bajtyDoWejsciaCyfrowego(QByteArray(212, '\x01'), we, 212);
    const auto *b = reinterpret_cast<const uint8_t *>(&we);
    EXPECT_EQ(std::count(b, b + 212, 1), 212);
    EXPECT_EQ(std::count(b + 212, b + 230, 0xEE), 18);
    bajtyDoWejsciaCyfrowego(QByteArray(300, '\x02'), we, 300);
    EXPECT_EQ(std::count(b, b + 230, 2), 230);
    bajtyDoWejsciaCyfrowego(QByteArray(5, '\x03'), we, 212);
    EXPECT_EQ(std::count(b, b + 230, 3), 5);
}

TEST(Pomocnicze, TekstJednobajtowy)
{
    uint8_t pole[17] = {};
    ustawTekstJednobajtowy(pole, QStringLiteral("Wejście ąę Łódź"));
    EXPECT_EQ(pole[0], 15);
    EXPECT_EQ(pole[4], 0x9C); // 'ś' in Windows-1250
    EXPECT_EQ(tekstJednobajtowy(pole), QStringLiteral("Wejście ąę Łódź"));

    // Cut to 16; the characters after the text keep their bytes.
    ustawTekstJednobajtowy(pole, QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
    EXPECT_EQ(tekstJednobajtowy(pole), QStringLiteral("ABCDEFGHIJKLMNOP"));
    ustawTekstJednobajtowy(pole, QStringLiteral("DIN 1"));
    EXPECT_EQ(tekstJednobajtowy(pole), QStringLiteral("DIN 1"));
    EXPECT_EQ(pole[6], 'F');
    // A character the code page lacks becomes '?'.
    ustawTekstJednobajtowy(pole, QStringLiteral("Я1"));
    EXPECT_EQ(tekstJednobajtowy(pole), QStringLiteral("?1"));
    // A length byte beyond the field of a loaded record.
    pole[0] = 200;
    EXPECT_EQ(tekstJednobajtowy(pole).size(), 16);
    EXPECT_EQ(tekstJednobajtowy(std::span<const uint8_t>()), QString());
}

TEST(Pomocnicze, LiczbyISlowa)
{
    EXPECT_EQ(liczbaNaTekst4(0x01020304), hex("04030201"));
    EXPECT_EQ(liczbaNaTekst4(-2), hex("feffffff"));
    EXPECT_EQ(slowoZBajtow(0x34, 0x12), 0x1234);
    EXPECT_EQ(slowoZBajtow2(0xFF, 0xFF), 0xFFFF);
    uint8_t m = 0, s = 0;
    slowoNaBajty(0xABCD, m, s);
    EXPECT_EQ(m, 0xCD);
    EXPECT_EQ(s, 0xAB);
}

TEST(Pomocnicze, BityIBajty)
{
    uint8_t bufor[12];
    std::fill(std::begin(bufor), std::end(bufor), 9);
    bajtNaBity(bufor, 2, 0xA5);
    const uint8_t oczekiwane[12] = {9, 9, 1, 0, 1, 0, 0, 1, 0, 1, 9, 9};
    EXPECT_TRUE(std::equal(std::begin(bufor), std::end(bufor), oczekiwane));
    EXPECT_EQ(bityNaBajt(bufor, 2), 0xA5);

    // Any non-zero relay state counts as on.
    const uint8_t stany[8] = {0, 4, 0, 0, 2, 0, 0, 1};
    EXPECT_EQ(bityNaBajt(stany, 0), 0x92);
    // Near the end only the bytes that exist are read or written.
    EXPECT_EQ(bityNaBajt(stany, 6), 0x02);
    EXPECT_EQ(bityNaBajt(stany, -1), 0x24);
    bajtNaBity(bufor, 8, 0xFF);
    EXPECT_EQ(bufor[11], 1);
    bajtNaBity(bufor, INT_MAX, 0xFF);
}

TEST(Pomocnicze, CzasJakoSekundy16Bitowe)
{
    struct Przypadek {
        QTime czas;
        uint16_t sekundy;
    } const przypadki[] = {
        {QTime(0, 0, 0), 0},
        {QTime(0, 1, 5), 65},
        {QTime(1, 0, 0), 3600},
        {QTime(18, 12, 15), 65535},
        {QTime(18, 12, 16), 0}, // wraps from here on
        {QTime(23, 59, 59), uint16_t(86399 - 65536)},
        {QTime(), 0},
    };
    for (const auto &p : przypadki) {
        EXPECT_EQ(czasNaSekundy(p.czas), p.sekundy) << p.czas.toString().toStdString();
        uint8_t m = 0, s = 0;
        czasNaSekundyBajty(p.czas, m, s);
        EXPECT_EQ(slowoZBajtow(m, s), p.sekundy);
    }
    EXPECT_EQ(sekundyNaCzas(65535), QTime(18, 12, 15));
    EXPECT_EQ(sekundyNaCzas(3725), QTime(1, 2, 5));
    EXPECT_EQ(bajtySekundNaCzas(0x41, 0x00), QTime(0, 1, 5));
}
