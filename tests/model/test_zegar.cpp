#include "komunikaty_skrypt.h"
#include "zegar.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

TEST(Zegar, CzekajMsSpiPo10MsAzMinieWiecejNizN)
{
    struct Przypadek {
        int n;
        qint64 oczekiwane;
    } const przypadki[] = {
        {0, 10}, {5, 10}, {10, 20}, {95, 100}, {7000, 7010},
    };
    for (const auto &p : przypadki) {
        ZegarTestowy z;
        int zdarzenia = 0;
        z.naPrzetworz = [&] { ++zdarzenia; };
        czekajMs(p.n);
        EXPECT_EQ(z.przespane, p.oczekiwane) << p.n;
        EXPECT_EQ(zdarzenia, p.oczekiwane / 10) << p.n;
    }
}

TEST(Zegar, CzekajDokladnieIdzieDoZegara)
{
    ZegarTestowy z;
    czekajDokladnieMs(100);
    czekajDokladnieMs(3);
    EXPECT_EQ(z.dokladne, (std::vector<int>{100, 3}));
    EXPECT_EQ(z.przespane, 0);
}

TEST(Zegar, SystemowyCzekaNaprawde)
{
    ustawZegar(nullptr);
    QElapsedTimer t;
    t.start();
    czekajDokladnieMs(15);
    EXPECT_GE(t.elapsed(), 15);
    t.restart();
    czekajMs(25);
    EXPECT_GE(t.elapsed(), 25);
}
