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
        const char16_t *oczekiwany;
    } const przypadki[] = {
        {u"  Z1  ", 6, u"Z1"},
        {u"A\0B", 3, u"A"},        // the name ends at its first zero unit
        {u"\0\0 C \t", 6, u""},    // a name that begins with a zero is empty
        {u" \tC\x1f\0X", 6, u"C"}, // control units count as blanks
        {u"", 0, u""},
        {u"\uFEFFAB", 3, u"\uFEFFAB"},           // a leading byte-order mark is a unit of the name
        {u"\uFFFE\u0100B", 3, u"\uFFFE\u0100B"}, // and a swapped one does not swap the rest
    };
    for (const auto &p : przypadki) {
        TNazwa50char n{};
        std::copy(p.jednostki, p.jednostki + p.ile, n.z);
        EXPECT_EQ(nazwa50NaTekst(n), QStringView(p.oczekiwany).toString());
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
