// Which device stands behind a port number.
#include "porty.h"
#include "ustawienia_polaczenia.h"

#include "gtest_qt.h"

#include <gtest/gtest.h>

#include <climits>

TEST(Porty, KolejnoscUrzadzen)
{
    const QStringList wejscie = {"/dev/ttyS1",   "/dev/ttyUSB10", "/dev/ttyS0",  "/dev/ttyACM0",
                                 "/dev/ttyUSB2", "/dev/ttyAMA0",  "/dev/ttyS10", "/dev/ttyS2"};
    EXPECT_EQ(RozwiazywaczPortow::uporzadkuj(wejscie),
              QStringList({"/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyAMA0", "/dev/ttyS0", "/dev/ttyS1",
                           "/dev/ttyS2", "/dev/ttyS10"}));
}

TEST(Porty, KluczUstawienWygrywa)
{
    RozwiazywaczPortow r;
    r.ustawListeUrzadzen([] { return QStringList({"/dev/ttyS0", "/dev/ttyUSB0"}); });
    QStringList pytane;
    r.ustawOdczytKlucza([&](const QString &k) {
        pytane << k;
        return k == QLatin1String("COM2Device") ? QStringLiteral(" /dev/pts/7 ") : QString();
    });
    EXPECT_EQ(r.urzadzenie(0), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(r.urzadzenie(1), QStringLiteral("/dev/pts/7"));
    EXPECT_EQ(r.urzadzenie(2), QString());
    EXPECT_EQ(r.urzadzenie(-1), QString());
    EXPECT_EQ(pytane, QStringList({"COM1Device", "COM2Device", "COM3Device"}));
}

TEST(Porty, NazwyIPredkosci)
{
    EXPECT_EQ(nazwaPortu(0), QStringLiteral("COM1"));
    EXPECT_EQ(nazwaPortu(15), QStringLiteral("COM16"));
    EXPECT_EQ(nazwaPortu(INT_MAX), QStringLiteral("COM2147483648"));
    EXPECT_EQ(RozwiazywaczPortow::kluczUrzadzenia(INT_MAX), QStringLiteral("COM2147483648Device"));
    EXPECT_EQ(predkoscZKodu(6), 9600);
    EXPECT_EQ(predkoscZKodu(8), 19200);
    EXPECT_EQ(predkoscZKodu(12), 115200);
    EXPECT_EQ(predkoscZKodu(14), 256000);
    EXPECT_EQ(predkoscZKodu(15), 0);
    EXPECT_EQ(predkoscZKodu(-1), 0);
}

// The main window's speed list: 9600, 19200, 115200 bit/s; an index outside
// it is the last item, a code it does not offer has no item.
TEST(Porty, PredkosciOknaGlownego)
{
    for (const auto &[pozycja, kod] : {std::pair{0, 6}, {1, 8}, {2, 12}, {-1, 12}, {3, 12}})
        EXPECT_EQ(kodPredkosciOkna(pozycja), kod) << pozycja;
    for (const auto &[kod, pozycja] : {std::pair{6, 0}, {8, 1}, {12, 2}, {9, -1}, {11, -1}, {0, -1}})
        EXPECT_EQ(pozycjaPredkosciOkna(kod), pozycja) << kod;
}
