#include "gtest_qt.h"
#include "pomocnicze.h"

#include <QLocale>

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

TEST(Pomocnicze, TekstDoZnakuPatrzyNa255Znakow)
{
    EXPECT_EQ(tekstDoZnaku(QStringLiteral("kvor350X1.05"), QLatin1Char('X')), QStringLiteral("kvor350"));
    EXPECT_EQ(tekstDoZnaku(QStringLiteral("abc"), QLatin1Char('X')), QStringLiteral("abc"));
    EXPECT_EQ(tekstDoZnaku(QStringLiteral("Xabc"), QLatin1Char('X')), QString());
    const QString dlugi = QString(254, QLatin1Char('a')) + QStringLiteral("XbX");
    EXPECT_EQ(tekstDoZnaku(dlugi, QLatin1Char('X')), QString(254, QLatin1Char('a')));
    const QString zaDlugi = QString(255, QLatin1Char('a')) + QStringLiteral("Xb");
    EXPECT_EQ(tekstDoZnaku(zaDlugi, QLatin1Char('X')), zaDlugi);
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

TEST(Pomocnicze, LiczbaNaTekst4)
{
    EXPECT_EQ(liczbaNaTekst4(0x01020304), hex("04030201"));
    EXPECT_EQ(liczbaNaTekst4(-2), hex("feffffff"));
}
