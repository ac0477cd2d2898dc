#include "gtest_qt.h"
#include "nazwy.h"
#include "rekordy_projekt.h"

#include <gtest/gtest.h>

TEST(Nazwy, ZapisUcinaDo50IZerujeReszte)
{
    const QString dluga = QString(60, QLatin1Char('x')) + QStringLiteral("ą");
    TNazwa50char n;
    std::fill(std::begin(n.z), std::end(n.z), u'?');
    tekstNaNazwe50(dluga, n);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(n.z[i], u'x');

    tekstNaNazwe50(QStringLiteral("Wędzenie"), n);
    EXPECT_EQ(n.z[1], u'ę');
    for (int i = 8; i < 50; ++i)
        EXPECT_EQ(n.z[i], 0) << i;
}

TEST(Nazwy, OdczytKonczySieNaZerzeIPrzycinaBrzegi)
{
    struct Przypadek {
        const char16_t *jednostki;
        int ile;
        const char *oczekiwany;
    } const przypadki[] = {
        {u"  Z1  ", 6, "Z1"},
        {u"A\0B", 3, "A"},        // the name ends at its first zero unit
        {u"\0\0 C \t", 6, ""},    // a name that begins with a zero is empty
        {u" \tC\x1f\0X", 6, "C"}, // control units count as blanks
        {u"", 0, ""},
    };
    for (const auto &p : przypadki) {
        TNazwa50char n{};
        std::copy(p.jednostki, p.jednostki + p.ile, n.z);
        EXPECT_EQ(nazwa50NaTekst(n), QString::fromUtf8(p.oczekiwany));
    }
    // Unicode blanks above U+0020 are kept.
    TNazwa50char n = tekstNaNazwe50(QStringLiteral("\u00a0X"));
    EXPECT_EQ(nazwa50NaTekst(n), QStringLiteral("\u00a0X"));
}

TEST(Nazwy, PelnaNazwaBezZeraNaKoncu)
{
    const QString piecdziesiat = QString(50, QLatin1Char('n'));
    EXPECT_EQ(nazwa50NaTekst(tekstNaNazwe50(piecdziesiat)), piecdziesiat);
}
