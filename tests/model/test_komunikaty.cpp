#include "gtest_qt.h"
#include "komunikaty.h"
#include "komunikaty_skrypt.h"

#include <gtest/gtest.h>

using R = RodzajKomunikatu;

TEST(Komunikaty, OdpowiedziPytan)
{
    KomunikatySkrypt k;
    k.oczekuj(R::Pytanie, "a", 1).oczekuj(R::Pytanie, "b", 0);
    EXPECT_TRUE(pytanie("a"));
    EXPECT_FALSE(pytanie("b"));

    k.oczekuj(R::PytanieOstrzezenie, "c", 1).oczekuj(R::PytanieOstrzezenie, "d", 0);
    EXPECT_TRUE(pytanieOstrzezenie("c"));
    EXPECT_FALSE(pytanieOstrzezenie("d"));

    // Anything but Yes or No (Cancel, closing the box) is -1.
    k.oczekuj(R::PytanieTakNieAnuluj, "", 1)
        .oczekuj(R::PytanieTakNieAnuluj, "", 0)
        .oczekuj(R::PytanieTakNieAnuluj, "", -1)
        .oczekuj(R::PytanieTakNieAnuluj, "", 2);
    EXPECT_EQ(pytanieTakNieAnuluj("x"), 1);
    EXPECT_EQ(pytanieTakNieAnuluj("x"), 0);
    EXPECT_EQ(pytanieTakNieAnuluj("x"), -1);
    EXPECT_EQ(pytanieTakNieAnuluj("x"), -1);

    // The own window answers 6 for "Tak" and 7 for anything else.
    k.oczekuj(R::PytanieMyDlg, "", 6).oczekuj(R::PytanieMyDlg, "", 7).oczekuj(R::PytanieMyDlg, "", 0);
    EXPECT_EQ(pytanieMyDlg("x"), 6);
    EXPECT_EQ(pytanieMyDlg("x"), 7);
    EXPECT_EQ(pytanieMyDlg("x"), 7);
    EXPECT_TRUE(k.pusty());
}

TEST(Komunikaty, Tytuly)
{
    EXPECT_EQ(tytulKomunikatu(R::Blad), QStringLiteral("Błąd"));
    EXPECT_EQ(tytulKomunikatu(R::Ostrzezenie), QStringLiteral("Ostrzeżenie"));
    EXPECT_EQ(tytulKomunikatu(R::PytanieOstrzezenie), QStringLiteral("Ostrzeżenie"));
    EXPECT_EQ(tytulKomunikatu(R::Informacja), QStringLiteral("Informacja"));
    EXPECT_EQ(tytulKomunikatu(R::Pytanie), QStringLiteral("Pytanie"));
    EXPECT_EQ(tytulKomunikatu(R::PytanieTakNieAnuluj), QStringLiteral("Pytanie"));
    EXPECT_TRUE(tytulKomunikatu(R::PytanieMyDlg).isEmpty());
}

TEST(Komunikaty, BezUslugiPytaniaOdpowiadajaNie)
{
    ustawKomunikaty(nullptr);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(pytanie("?"));
    EXPECT_EQ(pytanieTakNieAnuluj("?"), -1);
    EXPECT_EQ(pytanieMyDlg("?"), 7);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Pytanie: ?"), std::string::npos);
}

TEST(Komunikaty, SkryptZglaszaNieoczekiwaneOkno)
{
    QStringList bledy;
    auto poprzedni = KomunikatySkrypt::naBlad();
    KomunikatySkrypt::naBlad() = [&](const QString &s) { bledy << s; };
    {
        KomunikatySkrypt k;
        pokazBlad("nikt tego nie oczekiwał");
        k.oczekuj(R::Informacja, "inny");
        pokazBlad("zły rodzaj");
        k.oczekuj(R::Blad, "nigdy");
    }
    KomunikatySkrypt::naBlad() = poprzedni;
    ASSERT_EQ(bledy.size(), 3);
    EXPECT_TRUE(bledy[0].contains("unexpected box"));
    EXPECT_TRUE(bledy[1].contains("was expected"));
    EXPECT_TRUE(bledy[2].contains("not shown"));
}
