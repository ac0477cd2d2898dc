#include "porownania.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

namespace {

// Flips every byte of a record in turn and checks that the comparer finds
// exactly the differences outside the excluded bytes.
template <typename R, typename F>
void sprawdzKazdyBajt(F porownaj, const std::set<size_t> &pominiete)
{
    R a;
    auto *b0 = reinterpret_cast<uint8_t *>(&a);
    for (size_t i = 0; i < sizeof(R); ++i)
        b0[i] = uint8_t(i * 7 + 3);
    EXPECT_TRUE(porownaj(a, a));
    for (size_t i = 0; i < sizeof(R); ++i) {
        R b = a;
        reinterpret_cast<uint8_t *>(&b)[i] ^= 0x40;
        EXPECT_EQ(porownaj(a, b), pominiete.count(i) == 1) << "byte " << i;
        EXPECT_EQ(porownaj(b, a), pominiete.count(i) == 1) << "byte " << i;
    }
}

std::set<size_t> zakres(size_t od, size_t doo)
{
    std::set<size_t> s;
    for (size_t i = od; i < doo; ++i)
        s.insert(i);
    return s;
}

} // namespace

TEST(Porownania, AlarmPomijaRezerwe) { sprawdzKazdyBajt<vxt_alarm_konfiguracja_t>(porownajAlarm, zakres(136, 220)); }

TEST(Porownania, CzasyDefPomijajaDwaBajtyRezerwy) { sprawdzKazdyBajt<vxt_pid_t>(porownajCzasyDef, {14, 15}); }

TEST(Porownania, DefinicjaPrzekaznikaPomijaBajt19IRezerwePid)
{
    sprawdzKazdyBajt<TDefinicjaPrzekaznika>(porownajDefPrzekaznika, {19, 50, 51});
    // The PID direction (bytes 46..47) counts.
    TDefinicjaPrzekaznika a{}, b{};
    b.pid.grzanie_chlodzenie = 1;
    EXPECT_FALSE(porownajDefPrzekaznika(a, b));
}

TEST(Porownania, Tablice)
{
    std::vector<uint8_t> a(128, 5), b(127, 5);
    EXPECT_FALSE(porownajBajty(a, b));
    b.push_back(5);
    EXPECT_TRUE(porownajBajty(a, b));
    b[64] = 6;
    EXPECT_FALSE(porownajBajty(a, b));
    EXPECT_TRUE(porownajBajty(std::span<const uint8_t>(), std::span<const uint8_t>()));
    EXPECT_TRUE(porownajBajty(QByteArray(), QByteArray()));
    EXPECT_FALSE(porownajBajty(QByteArray("ab"), QByteArray("abc")));

    const int16_t s1[3] = {1, -2, 3}, s2[3] = {1, -2, 4};
    EXPECT_TRUE(porownajSlowa(std::span<const int16_t>(s1), std::span<const int16_t>(s1)));
    EXPECT_FALSE(porownajSlowa(std::span<const int16_t>(s1), std::span<const int16_t>(s2)));
    EXPECT_FALSE(porownajSlowa(std::span<const int16_t>(s1, 2), std::span<const int16_t>(s1)));
    const uint16_t w1[2] = {0xFFFF, 1}, w2[2] = {0xFFFF, 1};
    EXPECT_TRUE(porownajSlowa(std::span<const uint16_t>(w1), std::span<const uint16_t>(w2)));

    const int32_t l1[4] = {1, 2, 3, 4}, l2[4] = {1, 2, 3, -4};
    EXPECT_TRUE(porownajLiczby(l1, l1));
    EXPECT_FALSE(porownajLiczby(l1, l2));
    EXPECT_FALSE(porownajLiczby(std::span<const int32_t>(l1, 3), l1));
    EXPECT_TRUE(porownajLiczby({}, {}));
}
