#include "porownanie_blokow.h"

#include "nazwy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <set>
#include <string>

namespace {

struct Projekty {
    std::unique_ptr<TProjektVXTNew> p = std::make_unique<TProjektVXTNew>();
    TProjektDodatkiMycie m{};
};

// Every byte random, names 20 units of text followed by zeros.
void wypelnij(Projekty &x)
{
    std::mt19937 g(7);
    auto *b = reinterpret_cast<uint8_t *>(x.p.get());
    for (size_t i = 0; i < sizeof(TProjektVXTNew); ++i)
        b[i] = uint8_t(g());
    for (size_t i = 0; i < sizeof x.m; ++i)
        reinterpret_cast<uint8_t *>(&x.m)[i] = uint8_t(g());
    const auto nazwa = [](TNazwa50char &n, int i) { tekstNaNazwe50(QStringLiteral("Nazwa pozycji %1 ąę").arg(i), n); };
    for (int i = 0; i < 24; ++i)
        nazwa(x.p->FWejsciaPomiarowe[i].nazwa, i);
    for (int i = 0; i < 128; ++i)
        nazwa(x.p->przekazniki[i].nazwa, i);
    for (int i = 0; i < 4; ++i)
        nazwa(x.p->WyjsciaAn[i].nazwa, i);
    for (int i = 0; i < 10; ++i)
        nazwa(x.p->zadana[i].nazwa, i);
    for (int i = 0; i < 14; ++i)
        nazwa(x.p->FunkcjeSpec[i].nazwa, i);
    for (int i = 0; i < 33; ++i) {
        nazwa(x.p->kroki[i].nazwa, i);
        nazwa(x.p->krokiMycie[i].nazwa, i);
    }
    for (int i = 0; i < 100; ++i)
        nazwa(x.p->programy[i].nazwa, i);
    nazwa(x.p->programyMycie.nazwa, 100);
    for (int i = 0; i < 32; ++i)
        x.p->WejsciaCyfrowe[i].nazwa_str[0] = uint8_t(i % 17 + 1);
}

// The rows (1..15) that find a difference between a and b.
std::set<int> rozne(const Projekty &a, const Projekty &b)
{
    std::set<int> r;
    for (int w = 1; w <= ileBlokowProjektu; ++w) {
        const WynikPorownania x = porownajBlokProjektu(true, w, *a.p, *b.p, a.m, b.m);
        EXPECT_NE(x, WynikPorownania::NieOdczytany) << "row " << w;
        EXPECT_EQ(x, porownajBlokProjektu(true, w, *b.p, *a.p, b.m, a.m)) << "row " << w;
        if (x == WynikPorownania::Rozne)
            r.insert(w);
    }
    return r;
}

// A name with a trailing blank, or with a unit in its last place after the
// zeros that end the text (part of the text for a trimmed name).
void ogon(TNazwa50char &n, bool spacja)
{
    TNazwa50char k = n;
    int dl = 0;
    while (dl < 50 && k.z[dl] != 0)
        ++dl;
    if (spacja)
        k.z[dl] = u' ';
    else
        k.z[49] = u'x';
    n = k;
}

struct Przypadek {
    std::string opis;
    std::function<void(Projekty &)> zmiana;
    std::set<int> rozneWiersze;
};

} // namespace

TEST(PorownanieBlokow, TenSamProjektJestRowny)
{
    Projekty a;
    wypelnij(a);
    EXPECT_EQ(rozne(a, a), std::set<int>{});
}

// Each change is seen by exactly the rows that keep the changed field.
TEST(PorownanieBlokow, KazdyWierszWidziSwojePola)
{
    const std::vector<Przypadek> przypadki = {
        {"SETUP F0", [](Projekty &x) { x.p->Setup.F[0] += 1; }, {}},
        {"SETUP F1", [](Projekty &x) { x.p->Setup.F[1] += 1; }, {1}},
        {"SETUP F100", [](Projekty &x) { x.p->Setup.F[100] += 1; }, {1}},
        {"AI24 p2", [](Projekty &x) { x.p->FWejsciaPomiarowe[23].p2 += 1; }, {2}},
        {"AI1 relative alarm delay",
         [](Projekty &x) { x.p->FWejsciaPomiarowe[0].alarm_wzgledny.opoznienie += 1; },
         {2}},
        {"AI1 alarm reserve, res1, res2, reserve",
         [](Projekty &x) {
             TWejscieAnalogowe &w = x.p->FWejsciaPomiarowe[0];
             w.alarm_bezwzgledny.rezerwa[3] ^= 1;
             w.res1 ^= 1;
             w.res2 ^= 1;
             w.rezerwa[0] ^= 1;
             w.rez_wyr ^= 1;
         },
         {}},
        {"AI name trailing blank", [](Projekty &x) { ogon(x.p->FWejsciaPomiarowe[5].nazwa, true); }, {}},
        {"AI name unit after its end", [](Projekty &x) { ogon(x.p->FWejsciaPomiarowe[5].nazwa, false); }, {2}},
        {"AI name", [](Projekty &x) { x.p->FWejsciaPomiarowe[5].nazwa.z[0] = u'Q'; }, {2}},
        {"AI name with a leading byte-order mark",
         [](Projekty &x) {
             TNazwa50char n = x.p->FWejsciaPomiarowe[5].nazwa;
             std::copy_backward(n.z, n.z + 49, n.z + 50);
             n.z[0] = u'\uFEFF';
             x.p->FWejsciaPomiarowe[5].nazwa = n;
         },
         {2}},
        {"DO128 power", [](Projekty &x) { x.p->przekazniki[127].moc += 1; }, {3}},
        {"DO1 definition 4 regulator", [](Projekty &x) { x.p->przekazniki[0].parametry[3].regulator += 1; }, {3}},
        {"DO1 nr, r4, gap, byte 19",
         [](Projekty &x) {
             x.p->przekazniki[0].nr += 1;
             x.p->przekazniki[0].r4 += 1;
             x.p->przekazniki[0].rez_wyr[1] ^= 1;
             x.p->przekazniki[0].parametry[2].rez ^= 1;
         },
         {}},
        {"DO name trailing blank", [](Projekty &x) { ogon(x.p->przekazniki[3].nazwa, true); }, {}},
        {"DO name unit after its end", [](Projekty &x) { ogon(x.p->przekazniki[3].nazwa, false); }, {3}},
        {"alarm output F4 delay", [](Projekty &x) { x.p->przekaznikiAlarmF1F4[3].opoznienie += 1; }, {3}},
        {"alarm output F2 reaction", [](Projekty &x) { x.p->przekaznikiAlarmF1F4[1].status ^= 1; }, {3}},
        {"alarm output logic, outputs, thresholds",
         [](Projekty &x) {
             x.p->przekaznikiAlarmF1F4[0].logika ^= 1;
             x.p->przekaznikiAlarmF1F4[1].przekazniki[5] ^= 1;
             x.p->przekaznikiAlarmF1F4[2].warunek1 += 1;
             x.p->przekaznikiAlarmF1F4[3].warunek2 += 1;
         },
         {}},
        {"AO4 active stop", [](Projekty &x) { x.p->WyjsciaAn[3].aktywnystop += 1; }, {4}},
        {"AO1 PID direction", [](Projekty &x) { x.p->WyjsciaAn[0].pid.grzanie_chlodzenie += 1; }, {4}},
        {"AO rrr, PID reserve, reserve",
         [](Projekty &x) {
             x.p->WyjsciaAn[0].rrr[7] ^= 1;
             x.p->WyjsciaAn[0].pid.r[1] ^= 1;
             x.p->WyjsciaAn[0].rezerwa[0] ^= 1;
         },
         {}},
        {"AO name after unit 15", [](Projekty &x) { x.p->WyjsciaAn[1].nazwa.z[15] = u'Q'; }, {}},
        {"AO name unit 15", [](Projekty &x) { x.p->WyjsciaAn[1].nazwa.z[14] = u'Q'; }, {4}},
        {"AO name trailing blank", [](Projekty &x) { ogon(x.p->WyjsciaAn[2].nazwa, true); }, {}},
        {"DI32 assigned output", [](Projekty &x) { x.p->WejsciaCyfrowe[31].wyjscia_przypisane[127] ^= 1; }, {5}},
        {"DI alarm threshold high byte", [](Projekty &x) { x.p->WejsciaCyfrowe[0].alarm_warunek2H ^= 1; }, {5}},
        {"DI name length", [](Projekty &x) { x.p->WejsciaCyfrowe[4].nazwa_str[0] = 7; }, {5}},
        {"DI name character within its length", [](Projekty &x) { x.p->WejsciaCyfrowe[4].nazwa_str[5] ^= 1; }, {5}},
        {"DI name past its length, wide name, card, reserves",
         [](Projekty &x) {
             Tkvor350wejscieDwustanowe &d = x.p->WejsciaCyfrowe[4];
             d.nazwa_str[6] ^= 1;
             d.nazwa_array[0] ^= 1;
             d.wersja += 1;
             d.nr_karty ^= 1;
             d.nr_wejscia ^= 1;
             d.rezerwa2[0] ^= 1;
             d.rezerwa3[0] ^= 1;
         },
         {}},
        {"modules: bit 0 of every mask",
         [](Projekty &x) {
             x.p->modulyWeWyjKonf.ain ^= 1;
             x.p->modulyWeWyjKonf.aout ^= 1;
             x.p->modulyWeWyjKonf.din ^= 1;
             x.p->modulyWeWyjKonf.dout ^= 1;
         },
         {}},
        {"modules: din bit 1", [](Projekty &x) { x.p->modulyWeWyjKonf.din ^= 2; }, {6}},
        {"setpoint 10 value", [](Projekty &x) { x.p->zadana[9].wartosc += 1; }, {7}},
        {"setpoint name trailing blank", [](Projekty &x) { ogon(x.p->zadana[2].nazwa, true); }, {7}},
        {"setpoint name unit after its end", [](Projekty &x) { ogon(x.p->zadana[2].nazwa, false); }, {7}},
        {"setpoint reserves",
         [](Projekty &x) {
             x.p->zadana[0].rez1[0] ^= 1;
             x.p->zadana[0].rez += 1;
         },
         {}},
        {"additions count", [](Projekty &x) { x.p->dodatki.iledodatki ^= 1; }, {8}},
        {"additions D8 min", [](Projekty &x) { x.p->dodatki.dodatki_min[7] += 1; }, {8}},
        {"humidity alarm outputs", [](Projekty &x) { x.p->wilgotnosc.alarm.przekazniki[0] ^= 1; }, {9}},
        {"humidity max", [](Projekty &x) { x.p->wilgotnosc.max_zadana += 1; }, {9}},
        {"humidity reserve", [](Projekty &x) { x.p->wilgotnosc.rezerwa[0] ^= 1; }, {}},
        {"mode 14 activation", [](Projekty &x) { x.p->FunkcjeSpec[13].tryb += 1; }, {10}},
        {"mode 5 name unit after its end", [](Projekty &x) { ogon(x.p->FunkcjeSpec[4].nazwa, false); }, {10}},
        {"modes 1..4 names, numbers, reserves",
         [](Projekty &x) {
             for (int i = 0; i < 4; ++i)
                 x.p->FunkcjeSpec[i].nazwa.z[0] = u'Q';
             x.p->FunkcjeSpec[6].nr_funkcji += 1;
             x.p->FunkcjeSpec[6].r2 += 1;
             x.p->FunkcjeSpec[6].r4 += 1;
         },
         {}},
        {"step 32 ZS5", [](Projekty &x) { x.p->kroki[32].zadane4[4] += 1; }, {11}},
        {"step name trailing blank", [](Projekty &x) { ogon(x.p->kroki[3].nazwa, true); }, {11}},
        {"step slot 0, number, reserves",
         [](Projekty &x) {
             x.p->kroki[0].warunek_konca += 1;
             x.p->kroki[1].nr_kroku += 1;
             x.p->kroki[1].r1 += 1;
             x.p->kroki[1].r2 += 1;
         },
         {}},
        {"program 100 name", [](Projekty &x) { ogon(x.p->programy[99].nazwa, false); }, {12}},
        {"program row 50 value 14", [](Projekty &x) { x.p->programy[0].cykle[49].v[14] += 1; }, {12}},
        {"program row 1 value 0", [](Projekty &x) { x.p->programy[5].cykle[0].v[0] += 1; }, {12}},
        {"program row 51, value 15, number",
         [](Projekty &x) {
             x.p->programy[0].cykle[50].v[0] += 1;
             x.p->programy[0].cykle[0].v[15] += 1;
             x.p->programy[0].nr_prog += 1;
             x.p->programy[0].xxx3 += 1;
         },
         {}},
        {"washing step 16", [](Projekty &x) { x.p->krokiMycie[16].warunek_konca += 1; }, {13}},
        {"washing step 17", [](Projekty &x) { x.p->krokiMycie[17].warunek_konca += 1; }, {}},
        {"washing program row 3", [](Projekty &x) { x.p->programyMycie.cykle[2].v[9] += 1; }, {14}},
        {"washing program name", [](Projekty &x) { x.p->programyMycie.nazwa.z[0] = u'Q'; }, {}},
        {"washing time", [](Projekty &x) { x.m.czaDoMycia += 1; }, {15}},
        {"washing counted output 128", [](Projekty &x) { x.m.przekazniki[127] ^= 1; }, {15}},
        {"washing reserves",
         [](Projekty &x) {
             x.m.r[799] ^= 1;
             x.m.rez_wyr[0] ^= 1;
         },
         {}},
        {"outside every row",
         [](Projekty &x) {
             x.p->wersjaPliku += 1;
             x.p->sieciowe.ip += 1;
             x.p->alarm_wzgledny[0] ^= 1;
             x.p->koszt_energii[0] ^= 1;
             x.p->rez[0] ^= 1;
         },
         {}},
    };
    Projekty a;
    wypelnij(a);
    for (const Przypadek &c : przypadki) {
        Projekty b;
        std::memcpy(b.p.get(), a.p.get(), sizeof(TProjektVXTNew));
        b.m = a.m;
        c.zmiana(b);
        EXPECT_EQ(rozne(a, b), c.rozneWiersze) << c.opis;
    }
}

// A name of zeros compares as the empty text with every trimmed kind, and
// inner zero units are part of the text.
TEST(PorownanieBlokow, NazwyZZerami)
{
    Projekty a, b;
    wypelnij(a);
    std::memcpy(b.p.get(), a.p.get(), sizeof(TProjektVXTNew));
    b.m = a.m;
    TNazwa50char pusta{}, spacje{};
    for (char16_t &z : spacje.z)
        z = u' ';
    a.p->FWejsciaPomiarowe[0].nazwa = pusta;
    b.p->FWejsciaPomiarowe[0].nazwa = spacje;
    a.p->WyjsciaAn[0].nazwa = pusta;
    b.p->WyjsciaAn[0].nazwa = spacje;
    EXPECT_EQ(rozne(a, b), std::set<int>{});

    TNazwa50char ab = tekstNaNazwe50(QStringLiteral("AB")), aZeremB{};
    aZeremB.z[0] = u'A';
    aZeremB.z[2] = u'B';
    b.p->przekazniki[9].nazwa = ab;
    a.p->przekazniki[9].nazwa = aZeremB;
    EXPECT_EQ(rozne(a, b), std::set<int>{3});
}

// A block that was not read, or a row outside the table, is never equal.
TEST(PorownanieBlokow, NieOdczytanyNieJestPorownany)
{
    Projekty a;
    wypelnij(a);
    for (int w = 0; w <= ileBlokowProjektu + 1; ++w) {
        EXPECT_EQ(porownajBlokProjektu(false, w, *a.p, *a.p, a.m, a.m), WynikPorownania::NieOdczytany) << w;
        const WynikPorownania odczytany = porownajBlokProjektu(true, w, *a.p, *a.p, a.m, a.m);
        EXPECT_EQ(odczytany, w >= 1 && w <= ileBlokowProjektu ? WynikPorownania::Rowne : WynikPorownania::NieOdczytany)
            << w;
    }
}

TEST(PorownanieBlokow, ProgramBezNazwy)
{
    Projekty a;
    wypelnij(a);
    TProgram &p = a.p->programy[0];
    auto q = std::make_unique<TProgram>(p);
    q->nazwa.z[0] = u'Q';
    EXPECT_FALSE(porownajProgramBlok(false, p, *q));
    EXPECT_TRUE(porownajProgramBlok(true, p, *q));
    q->cykle[10].v[7] += 1;
    EXPECT_FALSE(porownajProgramBlok(true, p, *q));
}
