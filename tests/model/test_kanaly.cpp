#include "gtest_qt.h"
#include "kanaly.h"
#include "nazwy.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A project's measuring inputs, registered for the naming routines.
class Kanaly : public ::testing::Test {
protected:
    void SetUp() override
    {
        wejscia = std::make_unique<TWejscieAnalogowe[]>(24);
        std::memset(wejscia.get(), 0, sizeof(TWejsciaPomiarowe));
        ustawWejsciaPomiarowe(reinterpret_cast<const TWejsciaPomiarowe *>(wejscia.get()));
    }
    void TearDown() override { ustawWejsciaPomiarowe(nullptr); }
    void nazwij(int n, const QString &nazwa) { tekstNaNazwe50(nazwa, wejscia[n - 1].nazwa); }

    std::unique_ptr<TWejscieAnalogowe[]> wejscia;
};

} // namespace

TEST_F(Kanaly, OpisyWejsc)
{
    nazwij(1, QStringLiteral("  Komora "));
    nazwij(7, QStringLiteral("Dym"));
    nazwij(2, QStringLiteral("   "));
    const TListaAI l = budujListeAI();
    struct Przypadek {
        int n, poz, modul;
        const char *krotka, *nazwa;
    } const przypadki[] = {
        {1, 1, 1, "AI1.1", "Komora"}, {2, 2, 1, "AI1.2", "AI1.2"},  {6, 6, 1, "AI1.6", "AI1.6"},
        {7, 1, 2, "AI2.1", "Dym"},    {12, 6, 2, "AI2.6", "AI2.6"}, {24, 6, 4, "AI4.6", "AI4.6"},
    };
    for (const auto &p : przypadki) {
        const TAiMyStructure &d = l[p.n - 1];
        EXPECT_EQ(d.nr, p.n);
        EXPECT_EQ(d.nrWsterowniku, p.n - 1);
        EXPECT_EQ(d.poz, p.poz);
        EXPECT_EQ(d.modul, p.modul);
        EXPECT_EQ(d.shortName, QString::fromLatin1(p.krotka));
        EXPECT_EQ(d.name, QString::fromLatin1(p.nazwa));
    }
    // Explicit inputs are used as given.
    static TWejsciaPomiarowe inne{};
    tekstNaNazwe50(QStringLiteral("Baton"), inne[2].nazwa);
    EXPECT_EQ(budujListeAI(inne)[2].name, QStringLiteral("Baton"));
    EXPECT_EQ(budujListeAI(inne)[0].name, QStringLiteral("AI1.1"));
}

TEST_F(Kanaly, ListaZWilgotnosciaMaTylkoPierwszaKarte)
{
    nazwij(3, QStringLiteral("Baton"));
    QStringList podpisy{QStringLiteral("stary")}, numery{QStringLiteral("99")};
    listaWejscAnalogowych(24, podpisy, numery, true);
    EXPECT_EQ(podpisy,
              (QStringList{QStringLiteral("Wilgotność"), QStringLiteral("AI1.1 AI1.1"), QStringLiteral("AI1.2 AI1.2"),
                           QStringLiteral("AI1.3 Baton"), QStringLiteral("AI1.4 AI1.4"), QStringLiteral("AI1.5 AI1.5"),
                           QStringLiteral("AI1.6 AI1.6")}));
    EXPECT_EQ(numery, (QStringList{QStringLiteral("24"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                   QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")}));
    listaWejscAnalogowych(2, podpisy, numery, false);
    EXPECT_EQ(numery, (QStringList{QStringLiteral("0"), QStringLiteral("1")}));

    EXPECT_EQ(opisWejsciaAnalogowego(24), QStringLiteral("Wilgotność"));
    EXPECT_EQ(opisWejsciaAnalogowego(2), QStringLiteral("AI1.3 Baton"));
    EXPECT_EQ(opisWejsciaAnalogowego(6), QString());
    EXPECT_EQ(opisWejsciaAnalogowego(-1), QString());
}

TEST_F(Kanaly, MaskaKart)
{
    QStringList podpisy, numery;
    listaWejscAnalogowychMaska(24, podpisy, numery, true, 0b1010); // cards 2 and 4
    ASSERT_EQ(numery.size(), 12);
    EXPECT_EQ(numery.first(), QStringLiteral("6"));
    EXPECT_EQ(podpisy.first(), QStringLiteral("AI2.1 AI2.1"));
    EXPECT_EQ(numery.last(), QStringLiteral("23"));
    // Without clearing the lists grow; counts outside 0..24 are clamped.
    listaWejscAnalogowychMaska(100, podpisy, numery, false, 0xFF);
    EXPECT_EQ(numery.size(), 36);
    listaWejscAnalogowychMaska(-5, podpisy, numery, true, 0xFF);
    EXPECT_TRUE(numery.isEmpty());
    EXPECT_TRUE(podpisy.isEmpty());
}

TEST(KanalyBezProjektu, WejsciaNazwaneKanalem)
{
    ustawWejsciaPomiarowe(nullptr);
    EXPECT_EQ(budujListeAI()[23].name, QStringLiteral("AI4.6"));
}

TEST(KanalyZadane, ZrodlaZadanej)
{
    const QStringList l = listaZrodelZadanej();
    ASSERT_EQ(l.size(), 25);
    struct Przypadek {
        int i;
        const char *tekst;
    } const przypadki[] = {
        {0, "Temp. Komory"}, {1, "Temp. Batonu"}, {2, "Wilgotność"}, {3, "D1"},   {10, "D8"},
        {11, "ZS1"},         {14, "ZS4"},         {15, "Z1"},        {24, "Z10"},
    };
    for (const auto &p : przypadki) {
        EXPECT_EQ(opisZrodlaZadanej(p.i), QString::fromUtf8(p.tekst)) << p.i;
        EXPECT_EQ(l.at(p.i), QString::fromUtf8(p.tekst)) << p.i;
    }
    EXPECT_EQ(opisZrodlaZadanej(25), QString());
    EXPECT_EQ(opisZrodlaZadanej(-1), QString());
}
