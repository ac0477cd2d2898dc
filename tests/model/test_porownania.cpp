#include "porownania.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>

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
    const std::array<int16_t, 3> s1 = {1, -2, 3}, s2 = {1, -2, 4};
    EXPECT_TRUE(porownajSlowa(s1, s1));
    EXPECT_FALSE(porownajSlowa(s1, s2));
    EXPECT_FALSE(porownajSlowa(std::array<int16_t, 2>{1, -2}, s1));
    EXPECT_TRUE(porownajSlowa(std::array<int16_t, 0>{}, std::array<int16_t, 0>{}));

    const std::array<int32_t, 4> l1 = {1, 2, 3, 4}, l2 = {1, 2, 3, -4};
    EXPECT_TRUE(porownajLiczby(l1, l1));
    EXPECT_FALSE(porownajLiczby(l1, l2));
    EXPECT_FALSE(porownajLiczby(std::array<int32_t, 3>{1, 2, 3}, l1));
}

// Arrays of a packed record at an odd address come out as copies, read
// through bytes (a span over them would be a misaligned pointer).
TEST(Porownania, KopiaTablicyZRekorduPodNieparzystymAdresem)
{
#pragma pack(push, 1)
    struct Przesuniety {
        uint8_t bajt;
        tdanedodatki d;
        TFunkcjeKvor3 s;
    };
#pragma pack(pop)
    auto x = std::make_unique<Przesuniety>();
    auto y = std::make_unique<Przesuniety>();
    std::memset(x.get(), 0, sizeof *x);
    for (int i = 0; i < 8; ++i) {
        const int16_t max = int16_t(-100 * i), min = int16_t(7 * i);
        std::memcpy(reinterpret_cast<char *>(&x->d) + offsetof(tdanedodatki, dodatki_max) + 2 * i, &max, 2);
        std::memcpy(reinterpret_cast<char *>(&x->d) + offsetof(tdanedodatki, dodatki_min) + 2 * i, &min, 2);
    }
    for (int i = 0; i <= 100; ++i) {
        const int32_t v = i * 100000 - 7;
        std::memcpy(reinterpret_cast<char *>(&x->s) + 4 * i, &v, 4);
    }
    *y = *x;
    const auto maks = [](const Przesuniety &p) {
        return kopiaTablicy<int16_t, 8, offsetof(tdanedodatki, dodatki_max)>(p.d);
    };
    const auto setup = [](const Przesuniety &p) { return kopiaTablicy<int32_t, 100, 4>(p.s); };
    EXPECT_EQ(maks(*x)[3], -300);
    EXPECT_EQ((kopiaTablicy<int16_t, 8, offsetof(tdanedodatki, dodatki_min)>(x->d)[7]), 49);
    EXPECT_EQ(setup(*x)[0], 100000 - 7); // F[1]
    EXPECT_TRUE(porownajSlowa(maks(*x), maks(*y)));
    EXPECT_TRUE(porownajLiczby(setup(*x), setup(*y)));
    reinterpret_cast<char *>(&y->d)[offsetof(tdanedodatki, dodatki_max) + 15] ^= 1;
    reinterpret_cast<char *>(&y->s)[4 * 100 + 3] ^= 1;
    EXPECT_FALSE(porownajSlowa(maks(*x), maks(*y)));
    EXPECT_FALSE(porownajLiczby(setup(*x), setup(*y)));
}

TEST(Porownania, WynikMaTrzyStany)
{
    int porownan = 0;
    const auto rowne = [&] {
        ++porownan;
        return true;
    };
    const auto rozne = [&] {
        ++porownan;
        return false;
    };
    EXPECT_EQ(wynikPorownania(true, rowne), WynikPorownania::Rowne);
    EXPECT_EQ(wynikPorownania(true, rozne), WynikPorownania::Rozne);
    // A block that could not be read is never "equal", and is not compared.
    EXPECT_EQ(wynikPorownania(false, rowne), WynikPorownania::NieOdczytany);
    EXPECT_EQ(wynikPorownania(false, rozne), WynikPorownania::NieOdczytany);
    EXPECT_EQ(porownan, 2);
    EXPECT_EQ(int(WynikPorownania::NieOdczytany), -1);
    EXPECT_EQ(int(WynikPorownania::Rowne), 0);
    EXPECT_EQ(int(WynikPorownania::Rozne), 1);
}
