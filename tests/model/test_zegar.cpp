#include "komunikaty_skrypt.h"
#include "zegar.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <algorithm>

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

// A pause lasts exactly its time in slices of at most 10 ms, with
// messages processed before each.
TEST(Zegar, PrzerwaMsTrwaDokladnieWPlasterkach)
{
    struct Przypadek {
        int n;
        int zdarzen;
    } const przypadki[] = {{0, 0}, {-5, 0}, {1, 1}, {10, 1}, {25, 3}, {100, 10}, {7000, 700}};
    for (const auto &p : przypadki) {
        ZegarTestowy z;
        int zdarzenia = 0;
        z.naPrzetworz = [&] { ++zdarzenia; };
        przerwaMs(p.n);
        EXPECT_EQ(z.przespane, std::max(p.n, 0)) << p.n;
        EXPECT_EQ(zdarzenia, p.zdarzen) << p.n;
        EXPECT_TRUE(z.dokladne.empty());
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
