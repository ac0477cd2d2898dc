#include "gtest_qt.h"
#include "kodek.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// ---- helpers ---------------------------------------------------------------

TNazwa50char nazwa(std::u16string_view s)
{
    TNazwa50char n{};
    for (size_t i = 0; i < s.size() && i < 50; ++i)
        n.z[i] = s[i];
    return n;
}

template <class R>
QByteArray bajtyRekordu(const R &r)
{
    return QByteArray(reinterpret_cast<const char *>(&r), sizeof r);
}

template <class R>
void losuj(R &r, std::mt19937 &los)
{
    auto *p = reinterpret_cast<uint8_t *>(&r);
    for (size_t i = 0; i < sizeof r; ++i)
        p[i] = uint8_t(los());
}

int16_t los16(std::mt19937 &los, int od, int do_) { return int16_t(std::uniform_int_distribution<int>(od, do_)(los)); }

// A block of 'dl' zero bytes with the given bytes set: the expected blocks
// below are written from the layout tables, byte by byte.
QByteArray blok(int dl, std::initializer_list<std::pair<int, std::vector<uint8_t>>> pola)
{
    QByteArray b(dl, '\0');
    for (const auto &[poz, bajty] : pola)
        for (size_t i = 0; i < bajty.size(); ++i)
            b[poz + qsizetype(i)] = char(bajty[i]);
    return b;
}

// Names that travel: 15 units, Polish letters included.
const std::u16string_view nazwa15 = u"Wędzenie ciepłe";

// The units up to the first zero, untrimmed.
QString tekst(const TNazwa50char &n)
{
    int dl = 0;
    while (dl < 50 && n.z[dl] != 0)
        ++dl;
    return QString::fromUtf16(n.z, dl);
}

// ---- round trips -----------------------------------------------------------

struct Zakres {
    size_t od, ile;
};

// One section: its record's size, a filler that keeps the values inside
// what travels, the packer and unpacker over raw record bytes, and the byte
// ranges of the record that do not travel (they must keep what the record
// held before the unpack).
struct Obieg {
    const char *nazwa;
    size_t rozmiar;
    std::function<void(uint8_t *, std::mt19937 &)> wypelnij;
    std::function<QByteArray(const uint8_t *)> spakuj;
    std::function<bool(const QByteArray &, uint8_t *)> rozpakuj;
    std::vector<Zakres> nieprzenoszone;
};

template <class R>
Obieg obieg(const char *n, std::function<void(R &, std::mt19937 &)> popraw, std::function<QByteArray(const R &)> spakuj,
            std::function<bool(const QByteArray &, R &)> rozpakuj, std::vector<Zakres> nie)
{
    Obieg o;
    o.nazwa = n;
    o.rozmiar = sizeof(R);
    o.wypelnij = [popraw](uint8_t *p, std::mt19937 &los) {
        R r;
        losuj(r, los);
        popraw(r, los);
        std::memcpy(p, &r, sizeof r);
    };
    o.spakuj = [spakuj](const uint8_t *p) {
        R r;
        std::memcpy(&r, p, sizeof r);
        return spakuj(r);
    };
    o.rozpakuj = [rozpakuj](const QByteArray &b, uint8_t *p) {
        R r;
        std::memcpy(&r, p, sizeof r);
        const bool ok = rozpakuj(b, r);
        std::memcpy(p, &r, sizeof r);
        return ok;
    };
    o.nieprzenoszone = std::move(nie);
    return o;
}

#define POLE(T, f)                                                                                                     \
    Zakres { offsetof(T, f), sizeof(T::f) }

void poprawAlarm(vxt_alarm_konfiguracja_t &, std::mt19937 &) {}

std::vector<Obieg> obiegi()
{
    std::vector<Obieg> o;

    o.push_back(obieg<TProgram>(
        "program (5 parts)",
        [](TProgram &p, std::mt19937 &los) {
            p.nazwa = nazwa(nazwa15);
            for (auto &w : p.cykle) {
                w.v[0] = los16(los, 0, 255);
                w.v[5] = los16(los, 0, 1091);
                w.v[6] = los16(los, 0, 59);
                w.v[1] = los16(los, -3276, 3276);
                w.v[2] = los16(los, -3276, 3276);
                w.v[3] = int32_t(los() & 0xFFFF);
                w.v[4] = los16(los, -32768, 32767);
                for (int d = 7; d < 15; ++d)
                    w.v[d] = los16(los, -32768, 32767);
            }
        },
        [](const TProgram &p) {
            QByteArray wszystko;
            for (int c = 0; c < 5; ++c) {
                QByteArray b(blokCzesciProgramu.dlZapisu, '\0');
                EXPECT_TRUE(spakujBlokProgramu(p, c, b, 0));
                wszystko += b;
            }
            return wszystko;
        },
        [](const QByteArray &b, TProgram &p) {
            bool ok = true;
            for (int c = 0; c < 5; ++c)
                ok &= rozpakujBlokProgramu(b.mid(c * 412, 412), c, p);
            return ok;
        },
        [] {
            // Fields 15..41 of rows 1..50, rows 51..100, the number (set by
            // the reader from the request) and the three spare words.
            std::vector<Zakres> z;
            for (int r = 0; r < 50; ++r)
                z.push_back({offsetof(TProgram, cykle) + r * sizeof(TCyklProgramu) + 15 * 4, 27 * 4});
            z.push_back({offsetof(TProgram, cykle) + 50 * sizeof(TCyklProgramu), 50 * sizeof(TCyklProgramu)});
            z.push_back({offsetof(TProgram, nr_prog), 16});
            return z;
        }()));

    o.push_back(obieg<TKrok>(
        "step",
        [](TKrok &k, std::mt19937 &los) {
            k.nazwa = nazwa(nazwa15);
            k.warunek_konca = los16(los, 0, 255);
            for (int i = 0; i < 4; ++i)
                k.zadane4[i] = los16(los, -3276, 3276);
        },
        [](const TKrok &k) { return spakujKrok(k, 7); }, rozpakujKrok,
        {POLE(TKrok, nr_kroku), {offsetof(TKrok, zadane4) + 8, 2}, POLE(TKrok, r1), POLE(TKrok, r2)}));

    o.push_back(obieg<TPrzekaznik>(
        "digital output",
        [](TPrzekaznik &p, std::mt19937 &los) {
            p.nazwa = nazwa(nazwa15);
            p.ikona = los16(los, 0, 255);
            p.moc = uint16_t(los());
            for (auto &d : p.parametry) {
                d.tryb = los16(los, 0, 255);
                d.regulator = los16(los, 0, 255);
                d.ta = int16_t(los());
                d.tb = int16_t(los());
                d.offset = int16_t(los());
                d.okno = int16_t(los());
                d.hist_dolna = int16_t(los());
                d.hist_gorna = int16_t(los());
                d.pid.grzanie_chlodzenie = los16(los, 0, 255);
            }
        },
        [](const TPrzekaznik &p) { return spakujPrzekaznik(p, 40); }, rozpakujPrzekaznik,
        [] {
            std::vector<Zakres> z{POLE(TPrzekaznik, nr), POLE(TPrzekaznik, rez_wyr), POLE(TPrzekaznik, r4)};
            for (int i = 0; i < 4; ++i) {
                const size_t d = offsetof(TPrzekaznik, parametry) + i * sizeof(TDefinicjaPrzekaznika);
                z.push_back({d + offsetof(TDefinicjaPrzekaznika, rez), 1});
                z.push_back({d + offsetof(TDefinicjaPrzekaznika, pid) + offsetof(vxt_pid_t, r), 2});
            }
            return z;
        }()));

    o.push_back(obieg<vxt_alarm_konfiguracja_t>(
        "alarm output", poprawAlarm, [](const vxt_alarm_konfiguracja_t &a) { return spakujAlarmWyjscia(a, 2); },
        rozpakujAlarmWyjscia,
        {POLE(vxt_alarm_konfiguracja_t, logika), POLE(vxt_alarm_konfiguracja_t, przekazniki),
         POLE(vxt_alarm_konfiguracja_t, warunek1), POLE(vxt_alarm_konfiguracja_t, warunek2),
         POLE(vxt_alarm_konfiguracja_t, rezerwa)}));

    o.push_back(obieg<TFunkcjaSpec>(
        "special mode",
        [](TFunkcjaSpec &f, std::mt19937 &los) {
            f.nazwa = nazwa(nazwa15);
            f.czas_wyl = int16_t(los());
            f.logika = los16(los, 0, 255);
            f.tryb = los16(los, 0, 255);
        },
        [](const TFunkcjaSpec &f) { return spakujFunkcjeSpec(f, 13); }, rozpakujFunkcjeSpec,
        {POLE(TFunkcjaSpec, nr_funkcji), POLE(TFunkcjaSpec, r2), POLE(TFunkcjaSpec, r3), POLE(TFunkcjaSpec, r4)}));

    o.push_back(obieg<TWyjscieAnalogowe>(
        "analog output",
        [](TWyjscieAnalogowe &w, std::mt19937 &los) {
            w.nazwa = nazwa(nazwa15);
            w.output_type = los16(los, 0, 255);
            w.zadajnik_kanal_zadany = los16(los, 0, 255);
            w.min = int16_t(los());
            w.max = int16_t(los());
            w.stop = int16_t(los());
            w.pause = int16_t(los());
            w.aktywnystop = int16_t(los());
            w.moc = uint16_t(los());
            w.pid.grzanie_chlodzenie = los16(los, 0, 255);
        },
        [](const TWyjscieAnalogowe &w) { return spakujWyjscieAnalogowe(w, 3); }, rozpakujWyjscieAnalogowe,
        {POLE(TWyjscieAnalogowe, rrr),
         POLE(TWyjscieAnalogowe, rez_wyr1),
         POLE(TWyjscieAnalogowe, rez_wyr2),
         POLE(TWyjscieAnalogowe, rezerwa),
         {offsetof(TWyjscieAnalogowe, pid) + offsetof(vxt_pid_t, r), 2}}));

    o.push_back(obieg<TWejscieAnalogowe>(
        "measuring input", [](TWejscieAnalogowe &w, std::mt19937 &) { w.nazwa = nazwa(nazwa15); },
        [](const TWejscieAnalogowe &w) {
            QByteArray b;
            EXPECT_TRUE(spakujWejscieAnalogowe(17, w, b));
            return b;
        },
        rozpakujWejscieAnalogowe,
        {POLE(TWejscieAnalogowe, rez_wyr),
         POLE(TWejscieAnalogowe, res1),
         POLE(TWejscieAnalogowe, res2),
         POLE(TWejscieAnalogowe, alarm_wzgledny),
         POLE(TWejscieAnalogowe, rezerwa),
         {offsetof(TWejscieAnalogowe, alarm_bezwzgledny) + offsetof(vxt_alarm_konfiguracja_t, rezerwa), 84},
         {offsetof(TWejscieAnalogowe, alarm_brak_czujnika) + offsetof(vxt_alarm_konfiguracja_t, rezerwa), 84}}));

    o.push_back(obieg<vxt_alarm_konfiguracja_t>("relative alarm", poprawAlarm,
                                                [](const vxt_alarm_konfiguracja_t &a) {
                                                    QByteArray b;
                                                    EXPECT_TRUE(spakujAlarm(2, a, b));
                                                    return b;
                                                },
                                                rozpakujAlarm, {POLE(vxt_alarm_konfiguracja_t, rezerwa)}));

    o.push_back(obieg<Tkvor350wejscieDwustanowe>(
        "digital input",
        [](Tkvor350wejscieDwustanowe &w, std::mt19937 &los) {
            // nazwa_str and nazwa_array hold the same name, as the editor
            // leaves them; any non-zero one-byte character travels.
            const int dl = los16(los, 0, 16);
            std::memset(w.nazwa_str, 0, sizeof w.nazwa_str);
            std::memset(w.nazwa_array, 0, sizeof w.nazwa_array);
            w.nazwa_str[0] = uint8_t(dl);
            for (int i = 0; i < dl; ++i) {
                w.nazwa_str[1 + i] = uint8_t(los16(los, 1, 255));
                w.nazwa_array[i] = znak1250NaUtf16(w.nazwa_str[1 + i]);
            }
        },
        spakujWejscieCyfrowe, rozpakujWejscieCyfrowe,
        {POLE(Tkvor350wejscieDwustanowe, wersja), POLE(Tkvor350wejscieDwustanowe, rezerwa),
         POLE(Tkvor350wejscieDwustanowe, rezerwa3), POLE(Tkvor350wejscieDwustanowe, rezerwa2),
         POLE(Tkvor350wejscieDwustanowe, nr_wejscia), POLE(Tkvor350wejscieDwustanowe, nr_karty)}));

    o.push_back(obieg<TKvor350zadana>(
        "setpoint", [](TKvor350zadana &z, std::mt19937 &) { z.nazwa = nazwa(u"Z10"); },
        [](const TKvor350zadana &z) { return spakujZadana(z, 9); }, rozpakujZadana,
        {POLE(TKvor350zadana, rez1), POLE(TKvor350zadana, rez)}));

    o.push_back(obieg<Tkvor350wilgotnosc>(
        "humidity",
        [](Tkvor350wilgotnosc &w, std::mt19937 &los) {
            w.sposob_pomiaru = los16(los, 0, 255);
            w.numer_karty = uint8_t(los16(los, 0, 41));
            w.numer_wejscia = uint8_t(los16(los, 0, 5));
            w.min_zadana = los16(los, 0, 255);
            w.max_zadana = los16(los, 0, 255);
        },
        spakujWilgotnosc, rozpakujWilgotnosc,
        {{offsetof(Tkvor350wilgotnosc, alarm) + offsetof(vxt_alarm_konfiguracja_t, rezerwa), 84},
         POLE(Tkvor350wilgotnosc, rezerwa)}));

    o.push_back(obieg<tdanedodatki>("additions", [](tdanedodatki &, std::mt19937 &) {}, spakujDodatki, rozpakujDodatki,
                                    {POLE(tdanedodatki, rez_wyr)}));

    o.push_back(obieg<TProjektDodatkiMycie>("washing settings",
                                            [](TProjektDodatkiMycie &m, std::mt19937 &los) {
                                                for (int i = 0; i < 32; ++i)
                                                    m.przekazniki[i] = uint8_t(los() & 1);
                                            },
                                            spakujUstawieniaMycia, rozpakujUstawieniaMycia,
                                            {{offsetof(TProjektDodatkiMycie, przekazniki) + 32, 96},
                                             POLE(TProjektDodatkiMycie, rez_wyr),
                                             POLE(TProjektDodatkiMycie, r)}));

    o.push_back(obieg<TModulyWejWyKonfig>("extra modules", [](TModulyWejWyKonfig &, std::mt19937 &) {}, spakujModuly,
                                          rozpakujModuly, {}));

    o.push_back(
        obieg<TFunkcjeKvor3>("SETUP", [](TFunkcjeKvor3 &, std::mt19937 &) {}, spakujSetup, rozpakujSetup, {{0, 4}}));
    return o;
}

TEST(Kodek, ObiegKazdejSekcji)
{
    std::mt19937 los(20240611);
    for (const Obieg &o : obiegi()) {
        SCOPED_TRACE(o.nazwa);
        std::vector<bool> nie(o.rozmiar, false);
        for (const Zakres &z : o.nieprzenoszone)
            for (size_t i = z.od; i < z.od + z.ile; ++i)
                nie.at(i) = true;
        for (int proba = 0; proba < 25; ++proba) {
            std::vector<uint8_t> zrodlo(o.rozmiar), cel(o.rozmiar);
            o.wypelnij(zrodlo.data(), los);
            for (auto &c : cel)
                c = uint8_t(los());
            const std::vector<uint8_t> przed = cel;
            const QByteArray b = o.spakuj(zrodlo.data());
            ASSERT_FALSE(b.isEmpty());
            ASSERT_TRUE(o.rozpakuj(b, cel.data()));
            for (size_t i = 0; i < o.rozmiar; ++i) {
                const uint8_t oczekiwany = nie[i] ? przed[i] : zrodlo[i];
                ASSERT_EQ(cel[i], oczekiwany) << "record byte " << i;
            }
        }
    }
}

// ---- blocks byte by byte ---------------------------------------------------

TEST(Kodek, BlokCzesciProgramu)
{
    TProgram p{};
    p.nr_prog = 0x107;                       // only the low byte travels
    p.nazwa = nazwa(u"Szynka parzona Łódź"); // 19 characters: 15 travel
    TCyklProgramu &w = p.cykle[10];          // row 11: the first of part 1
    w.v[0] = 3;
    w.v[5] = 2;
    w.v[6] = 30;
    w.v[1] = 85;
    w.v[2] = -10;
    w.v[3] = 60;
    w.v[7] = -1;
    w.v[14] = 2;
    w.v[4] = -15;
    w.v[20] = 99;             // fields past 14 do not travel
    p.cykle[19].v[0] = 0x1FF; // row 20, the last of part 1: low byte
    p.cykle[20].v[0] = 9;     // row 21 belongs to part 2

    QByteArray b(412, '\x77');
    ASSERT_TRUE(spakujBlokProgramu(p, 1, b, 0));
    const QByteArray oczekiwany =
        blok(412, {
                      {0, {0x07, 0x01}},
                      {4, {'S', 0,   'z', 0,   'y', 0,   'n', 0,   'k', 0,   'a', 0,   ' ', 0,   'p',
                           0,   'a', 0,   'r', 0,   'z', 0,   'o', 0,   'n', 0,   'a', 0,   ' ', 0}},
                      {52, {0x03, 0x96, 0x00, 0x52, 0x03, 0x9C, 0xFF, 0x3C, 0x00, 0xFF, 0xFF, 0,    0,   0,
                            0,    0,    0,    0,    0,    0,    0,    0,    0,    0x02, 0x00, 0xF1, 0xFF}},
                      {52 + 9 * 36, {0xFF}},
                  });
    EXPECT_EQ(b, oczekiwany);

    TProgram r{};
    ASSERT_TRUE(rozpakujBlokProgramu(b, 0, r));
    EXPECT_EQ(tekst(r.nazwa), QStringLiteral("Szynka parzona "));
}

TEST(Kodek, BlokKroku)
{
    TKrok k{};
    k.nr_kroku = 9;                       // the slot comes from the argument
    k.nazwa = nazwa(u"ABCDEFGHIJKLMNOP"); // 16 characters: 15 and a zero unit
    k.warunek_konca = 3;
    k.przekazniki[0] = 1;
    k.przekazniki[31] = 4;
    const int16_t zs[5] = {25, -5, 0, 100, 7};
    std::memcpy(k.zadane4, zs, sizeof zs);

    std::vector<uint8_t> n;
    for (char c = 'A'; c <= 'O'; ++c)
        n.insert(n.end(), {uint8_t(c), 0});
    const QByteArray oczekiwany = blok(200, {
                                                {0, {5}},
                                                {4, n},
                                                {36, {3}},
                                                {40, {1}},
                                                {71, {4}},
                                                {168, {0xFA, 0x00, 0xCE, 0xFF, 0x00, 0x00, 0xE8, 0x03}},
                                            });
    const QByteArray b = spakujKrok(k, 5);
    EXPECT_EQ(b, oczekiwany);

    TKrok r{};
    ASSERT_TRUE(rozpakujKrok(b, r));
    EXPECT_EQ(tekst(r.nazwa), QStringLiteral("ABCDEFGHIJKLMNO"));
    EXPECT_EQ(r.zadane4[0], 25);
    EXPECT_EQ(r.zadane4[1], -5);
    EXPECT_EQ(r.zadane4[3], 100);
    EXPECT_EQ(r.zadane4[4], 0);
    EXPECT_EQ(r.nr_kroku, 0);
}

TEST(Kodek, BlokPrzekaznikaIDefinicji)
{
    TPrzekaznik p{};
    p.nazwa = nazwa(u"Dym");
    p.ikona = 7;
    p.moc = 1500;
    p.koszt_energii = 2;
    TDefinicjaPrzekaznika &d = p.parametry[0];
    d.tryb = 1;
    d.wyzwalanie = 1;
    d.ta = 70000; // 70000 mod 65536 = 4464
    d.tb = 5;
    d.hist_zadany = 2;
    d.hist_pomiarowy = 3;
    d.regulator = 4;
    d.offset = -15;
    d.okno = 20;
    d.hist_dolna = 3;
    d.hist_gorna = 7;
    d.pid = {15, 11, 12, 13, 14, 1, 6, 5, {0, 0}}; // tp k td ti tto kierunek zadany pomiarowy
    p.parametry[3].tryb = 0x102;                   // DEF4: the low byte

    const QByteArray oczekiwany =
        blok(232, {
                      {0, {1, 1}},
                      {4, {'D', 0, 'y', 0, 'm', 0}},
                      {36, {7, 0xDC, 0x05, 2}},
                      {40, {1,    1,    0, 0, 0x70, 0x11, 0x05, 0x00, 2, 3,  4, 0,  0xF1, 0xFF, 0x14, 0x00, 0x07, 0x00,
                            0x03, 0x00, 1, 5, 6,    0,    0,    11,   0, 12, 0, 13, 0,    14,   0,    15,   0}},
                      {40 + 3 * 40, {0x02}},
                  });
    const QByteArray b = spakujPrzekaznik(p, 33);
    EXPECT_EQ(b, oczekiwany);
    EXPECT_EQ(spakujPrzekaznik(p, 5).left(2), QByteArray("\x05\x00", 2));

    TPrzekaznik r{};
    ASSERT_TRUE(rozpakujPrzekaznik(b, r));
    EXPECT_EQ(r.parametry[0].ta, 4464);
    EXPECT_EQ(r.parametry[0].offset, -15);
    EXPECT_EQ(r.parametry[0].hist_gorna, 7);
    EXPECT_EQ(r.parametry[0].hist_dolna, 3);
    EXPECT_EQ(r.parametry[0].pid.tp, 15);
    EXPECT_EQ(r.moc, 1500u);
}

TEST(Kodek, BlokiWyjscAlarmowychFunkcjiIWyjscAnalogowych)
{
    vxt_alarm_konfiguracja_t a{};
    a.opoznienie = 0x0203;
    a.logika = 2; // does not travel
    a.status = 1;
    a.przekazniki[0] = 3; // does not travel
    a.warunek1 = 100;     // does not travel
    EXPECT_EQ(spakujAlarmWyjscia(a, 3), blok(176, {{0, {3}}, {4, {0x03, 0x02, 0x00, 0x01}}}));

    TFunkcjaSpec f{};
    f.nazwa = nazwa(u"Mycie");
    f.czas_wyl = -1;
    f.logika = 2;
    f.tryb = 1;
    f.przekazniki[127] = 4;
    const QByteArray bf = spakujFunkcjeSpec(f, 13);
    EXPECT_EQ(
        bf,
        blok(200, {{0, {13}}, {4, {'M', 0, 'y', 0, 'c', 0, 'i', 0, 'e', 0}}, {36, {0xFF, 0xFF, 2, 1}}, {167, {4}}}));
    TFunkcjaSpec rf{};
    ASSERT_TRUE(rozpakujFunkcjeSpec(bf, rf));
    EXPECT_EQ(rf.czas_wyl, -1);

    TWyjscieAnalogowe w{};
    w.nazwa = nazwa(u"AO");
    w.output_type = 2;
    w.typ_04 = 1;
    w.zadajnik_kanal_zadany = 17;
    w.koszt_energii = 3;
    w.min = -100;
    w.max = 1000;
    w.stop = 1;
    w.pause = 2;
    w.pid = {5, 6, 7, 8, 9, 1, 20, 21, {0, 0}};
    w.moc = 70000; // the low 16 bits: 4464
    w.liniowypomiarowy = 4;
    w.liniowyZadana0 = 5;
    w.liniowyZadana20 = 6;
    w.aktywnystop = -2;
    EXPECT_EQ(spakujWyjscieAnalogowe(w, 2),
              blok(97, {{0, {2, 0}},
                        {4, {'A', 0, 'O', 0}},
                        {36, {2, 1, 17, 3, 0x9C, 0xFF, 0xE8, 0x03, 1, 0, 2,    0,    1, 21, 20, 0,    0,
                              6, 0, 7,  0, 8,    0,    9,    0,    5, 0, 0x70, 0x11, 4, 5,  6,  0xFE, 0xFF}}}));
    EXPECT_EQ(spakujWyjscieAnalogowe(w, 5).left(2), QByteArray("\x01\x01", 2));
}

TEST(Kodek, BlokWejsciaAnalogowegoIAlarmuWzglednego)
{
    TWejscieAnalogowe w{};
    w.nazwa = nazwa(u"T");
    w.input_type = 4;
    w.offset = -15;
    w.p1 = 0x0102;
    w.p2 = 0x0304;
    w.alarm_bezwzgledny.opoznienie = 10;
    w.alarm_bezwzgledny.logika = 1;
    w.alarm_bezwzgledny.status = 2;
    w.alarm_bezwzgledny.przekazniki[0] = 1;
    w.alarm_bezwzgledny.warunek1 = -50;
    w.alarm_bezwzgledny.warunek2 = 900;
    w.alarm_brak_czujnika.opoznienie = 0x0506;
    w.alarm_brak_czujnika.przekazniki[127] = 4;
    w.alarm_brak_czujnika.warunek2 = 1;
    w.alarm_wzgledny.opoznienie = 99; // has its own block

    QByteArray b("garbage");
    ASSERT_TRUE(spakujWejscieAnalogowe(13, w, b));
    EXPECT_EQ(b, blok(348, {{0, {1, 2}},
                            {4, {'T', 0}},
                            {36, {4, 0xF1, 0xFF, 0, 0x02, 0x01, 0x04, 0x03}},
                            {44, {10, 0, 1, 2, 1}},
                            {176, {0xCE, 0xFF, 0x84, 0x03}},
                            {180, {0x06, 0x05}},
                            {311, {4}},
                            {314, {1, 0}}}));

    vxt_alarm_konfiguracja_t a{};
    a.opoznienie = 30;
    a.logika = 1;
    a.status = 2;
    a.przekazniki[1] = 3;
    a.warunek1 = 0x1234;
    a.warunek2 = -1;
    ASSERT_TRUE(spakujAlarm(2, a, b));
    EXPECT_EQ(b, blok(176, {{0, {1}}, {4, {30, 0, 1, 2, 0, 3}}, {140, {0x34, 0x12, 0xFF, 0xFF}}}));
    ASSERT_TRUE(spakujAlarm(0, a, b));
    EXPECT_EQ(uint8_t(b[0]), 0);
}

TEST(Kodek, BlokWejsciaCyfrowego)
{
    Tkvor350wejscieDwustanowe w{};
    w.wersja = 0x11223344; // does not travel
    w.nr_wejscia = 3;
    w.nr_karty = 1;
    w.nazwa_str[0] = 3;
    std::memcpy(w.nazwa_str + 1, "D\xB3z", 3); // "Dłz" in Windows-1250
    w.nazwa_array[5] = u'x';                   // the rest of the array travels as held
    w.logika = 1;
    w.zasilanie = 1;
    w.alarm_opoznienieL = 0x2C;
    w.alarm_opoznienieH = 0x01;
    w.alarm_logika = 2;
    w.alarm_status = 1;
    w.wyjscia_przypisane[2] = 2;
    w.alarm_warunek1L = 0x34;
    w.alarm_warunek1H = 0x12;
    w.alarm_warunek2L = 0x78;
    w.alarm_warunek2H = 0x56;

    const QByteArray b = spakujWejscieCyfrowe(w);
    EXPECT_EQ(b, blok(208, {{0, {3, 1}},
                            {4, {'D', 0, 0x42, 0x01, 'z', 0, 0, 0, 0, 0, 'x', 0}},
                            {36, {1, 1, 0, 0, 0x2C, 0x01, 2, 1, 0, 0, 2}},
                            {172, {0x34, 0x12, 0x78, 0x56}}}));

    Tkvor350wejscieDwustanowe r{};
    r.nr_wejscia = 7; // the numbers asked for stay
    r.nr_karty = 2;
    std::memset(r.nazwa_str, 0xEE, sizeof r.nazwa_str);
    ASSERT_TRUE(rozpakujWejscieCyfrowe(b, r));
    EXPECT_EQ(r.nr_wejscia, 7);
    EXPECT_EQ(r.nr_karty, 2);
    EXPECT_EQ(r.wersja, 0);
    const uint8_t nazwaStr[17] = {3, 'D', 0xB3, 'z'};
    EXPECT_EQ(std::memcmp(r.nazwa_str, nazwaStr, 17), 0);
    EXPECT_EQ(r.nazwa_array[5], u'x');
    EXPECT_EQ(r.alarm_warunek1L, 0x34);
    EXPECT_EQ(r.alarm_warunek2H, 0x56);

    // A damaged length byte is cut to the 16 characters of the field.
    std::memset(w.nazwa_str, 'a', sizeof w.nazwa_str);
    w.nazwa_str[0] = 200;
    const QByteArray d = spakujWejscieCyfrowe(w);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(d.mid(4 + 2 * i, 2), QByteArray("a\0", 2)) << i;
    EXPECT_EQ(uint8_t(d[36]), 1);
}

TEST(Kodek, BlokiUstawien)
{
    TKvor350zadana z{};
    z.nazwa = nazwa(u"Z1");
    z.wartosc = -2;
    z.rez = 5;
    EXPECT_EQ(spakujZadana(z, 9), blok(40, {{0, {9}}, {4, {'Z', 0, '1', 0}}, {36, {0xFE, 0xFF}}}));

    Tkvor350wilgotnosc h{};
    h.sposob_pomiaru = 1;
    h.numer_karty = 2;
    h.numer_wejscia = 3;
    h.min_zadana = 300; // low byte 44
    h.max_zadana = 95;
    h.alarm.opoznienie = 0x0102;
    h.alarm.logika = 1;
    h.alarm.status = 2;
    h.alarm.przekazniki[31] = 4;
    h.alarm.warunek1 = 10;
    h.alarm.warunek2 = 20;
    const QByteArray bh = spakujWilgotnosc(h);
    EXPECT_EQ(bh, blok(144, {{4, {1, 15, 44, 95, 0x02, 0x01, 1, 2}}, {43, {4}}, {140, {10, 0, 20, 0}}}));
    Tkvor350wilgotnosc rh{};
    ASSERT_TRUE(rozpakujWilgotnosc(bh, rh));
    EXPECT_EQ(rh.numer_karty, 2);
    EXPECT_EQ(rh.numer_wejscia, 3);
    EXPECT_EQ(rh.min_zadana, 44);

    tdanedodatki d{};
    d.iledodatki = 8;
    for (int i = 0; i < 8; ++i) {
        d.dodatki_min[i] = int16_t(1 + i);
        d.dodatki_max[i] = int16_t(11 + i);
    }
    EXPECT_EQ(spakujDodatki(d), blok(37, {{4, {8,  1, 0,  2, 0,  3, 0,  4, 0,  5, 0,  6, 0,  7, 0,  8, 0,
                                               11, 0, 12, 0, 13, 0, 14, 0, 15, 0, 16, 0, 17, 0, 18, 0}}}));

    TProjektDodatkiMycie m{};
    m.czaDoMycia = 0x0102;
    m.przekazniki[0] = 1;  // output 1
    m.przekazniki[7] = 3;  // output 8: any non-zero entry
    m.przekazniki[31] = 1; // output 32
    m.przekazniki[32] = 1; // output 33 does not travel
    const QByteArray bm = spakujUstawieniaMycia(m);
    EXPECT_EQ(bm, blok(22, {{4, {0x02, 0x01, 0x81, 0x00, 0x00, 0x80}}}));
    TProjektDodatkiMycie rm{};
    ASSERT_TRUE(rozpakujUstawieniaMycia(bm, rm));
    for (int i = 0; i < 128; ++i)
        EXPECT_EQ(rm.przekazniki[i], (i == 0 || i == 7 || i == 31) ? 1 : 0) << i;

    const TModulyWejWyKonfig mod{1, 2, 3, 4}; // ain aout din dout
    EXPECT_EQ(spakujModuly(mod), QByteArray("\x01\x03\x02\x04", 4));

    TFunkcjeKvor3 s{};
    s.F[0] = 77; // does not travel
    s.F[1] = 1;
    s.F[2] = 0x01020304;
    s.F[100] = -1;
    EXPECT_EQ(spakujSetup(s), blok(1025, {{0, {1, 0, 0, 0, 4, 3, 2, 1}}, {396, {0xFF, 0xFF, 0xFF, 0xFF}}}));
}

TEST(Kodek, StronyAktualizacji)
{
    QByteArray strona(512, '\0');
    for (int i = 0; i < 512; ++i)
        strona[i] = char(i);
    const QByteArray b = spakujStroneAktualizacji(258, strona, 512);
    EXPECT_EQ(b, QByteArray("\x02\x01", 2) + strona);
    EXPECT_EQ(dlRamki(b.size()), 0x0209);
    EXPECT_EQ(spakujStroneAktualizacji(1, strona, 0), QByteArray("\x01\x00", 2));
    EXPECT_EQ(spakujStroneAktualizacji(1, strona, 3), QByteArray("\x01\x00\x00\x01\x02", 5));
    EXPECT_TRUE(spakujStroneAktualizacji(1, strona, 513).isEmpty());
    EXPECT_TRUE(spakujStroneAktualizacji(1, strona, -1).isEmpty());
    EXPECT_TRUE(spakujStroneAktualizacji(1, QByteArray(70000, 'x'), 70000).isEmpty());

    EXPECT_EQ(spakujKoniecAktualizacji(0xBEEF, 300), QByteArray("\xEF\xBE\x2C\x01\x00\x00", 6));
}

TEST(Kodek, DlugosciRamekBlokow)
{
    // Frame lengths of the command table: data part + 7.
    EXPECT_EQ(dlRamki(blokCzesciProgramu.dlZapisu), 0x01A3);
    EXPECT_EQ(dlRamki(blokKroku.dlZapisu), 0xCF);
    EXPECT_EQ(dlRamki(blokKroku.dlOdczytu), 215);
    EXPECT_EQ(dlRamki(blokPrzekaznika.dlZapisu), 0xEF);
    EXPECT_EQ(dlRamki(blokAlarmuWyjscia.dlZapisu), 0xB7);
    EXPECT_EQ(dlRamki(blokFunkcjiSpec.dlZapisu), 0xCF);
    EXPECT_EQ(dlRamki(blokWyjsciaAnalogowego.dlZapisu), 0x68);
    EXPECT_EQ(dlRamki(blokWejsciaAnalogowego.dlZapisu), 0x0163);
    EXPECT_EQ(dlRamki(blokAlarmuWzglednego.dlZapisu), 0xB7);
    EXPECT_EQ(dlRamki(blokWejsciaCyfrowego.dlZapisu), 0xD7);
    EXPECT_EQ(dlRamki(blokWejsciaCyfrowego.dlOdczytu), 219);
    EXPECT_EQ(dlRamki(blokZadanej.dlZapisu), 0x2F);
    EXPECT_EQ(dlRamki(blokZadanej.dlOdczytu), 79);
    EXPECT_EQ(dlRamki(blokUstawienMycia.dlZapisu), 0x1D);
    EXPECT_EQ(dlRamki(blokUstawienMycia.dlOdczytu), 37);
    EXPECT_EQ(dlRamki(blokWilgotnosci.dlZapisu), 0x97);
    EXPECT_EQ(dlRamki(blokDodatkow.dlZapisu), 0x2C);
    EXPECT_EQ(dlRamki(blokSetup.dlZapisu), 1032);
    EXPECT_EQ(dlRamki(blokSetup.dlOdczytu), 1031);
    EXPECT_EQ(dlRamki(blokModulow.dlZapisu), 11);
}

// ---- the shared routines' edge cases ---------------------------------------

TEST(Kodek, BlokProgramuWDluzszejTablicy)
{
    TProgram p{};
    p.nr_prog = 4;
    p.nazwa = nazwa(u"P");
    p.cykle[49].v[0] = 0x33; // row 50, the last of part 4
    QByteArray t(1000, '\xFF');
    ASSERT_TRUE(spakujBlokProgramu(p, 4, t, 7));
    for (int i = 0; i < 1000; ++i) {
        const char oczekiwany = i == 7 ? 4 : i == 8 ? 4 : i == 11 ? 'P' : i == 7 + 52 + 9 * 36 ? 0x33 : 0;
        ASSERT_EQ(t[i], oczekiwany) << i;
    }

    // A part outside 0..4, or a block that does not fit: nothing written.
    const QByteArray przed = t;
    EXPECT_FALSE(spakujBlokProgramu(p, 5, t, 0));
    EXPECT_FALSE(spakujBlokProgramu(p, -1, t, 0));
    EXPECT_FALSE(spakujBlokProgramu(p, 0, t, 589));
    EXPECT_FALSE(spakujBlokProgramu(p, 0, t, -1));
    EXPECT_EQ(t, przed);
    EXPECT_TRUE(spakujBlokProgramu(p, 0, t, 588));
}

TEST(Kodek, WierszProgramu)
{
    struct Przypadek {
        std::vector<uint8_t> bajty; // the first bytes of a row block
        int indeks, wartosc;
    } const przypadki[] = {
        {{0, 150, 0}, 5, 2},             // 150 minutes: 2 h ...
        {{0, 150, 0}, 6, 30},            // ... 30 min
        {{0, 0xFF, 0xFF}, 5, 1092},      // the duration is unsigned
        {{0, 0, 0, 255, 0}, 1, 25},      // 255 tenths: 25, the 5 dropped
        {{0, 0, 0, 0x9C, 0xFF}, 1, -10}, // -100: signed on both transports
        {{0, 0, 0, 0, 0, 0x9C, 0xFF}, 2, -10},
        {{0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}, 3, 65535}, // humidity unsigned
        {{7}, 0, 7},
    };
    for (const auto &p : przypadki) {
        // The first row of part 0 starts at byte 52.
        QByteArray b(412, '\0');
        for (size_t i = 0; i < p.bajty.size(); ++i)
            b[52 + qsizetype(i)] = char(p.bajty[i]);
        auto pr = std::make_unique<TProgram>();
        TCyklProgramu &w = pr->cykle[0];
        w.v[41] = 5;
        ASSERT_TRUE(rozpakujBlokProgramu(b, 0, *pr));
        EXPECT_EQ(w.v[p.indeks], p.wartosc) << p.indeks;
        EXPECT_EQ(w.v[41], 5);
    }

    TProgram pr{};
    pr.cykle[0].v[1] = 25;
    pr.cykle[0].v[5] = 2;
    pr.cykle[0].v[6] = 30;
    QByteArray t(412, '\0');
    ASSERT_TRUE(spakujBlokProgramu(pr, 0, t, 0));
    EXPECT_EQ(t.mid(52 + 1, 4), QByteArray("\x96\x00\xFA\x00", 4)); // 150 and 250
}

TEST(Kodek, AlarmWzglednyTylkoDlaWejsc1I3)
{
    vxt_alarm_konfiguracja_t a{};
    a.opoznienie = 1;
    EXPECT_EQ(indeksAlarmuWzglednego(0), 0);
    EXPECT_EQ(indeksAlarmuWzglednego(2), 1);
    for (int i : {1, 3, -1, 23}) {
        QByteArray b("poprzedni blok");
        EXPECT_FALSE(spakujAlarm(i, a, b)) << i;
        EXPECT_TRUE(b.isEmpty()) << i; // nothing left to send by mistake
        EXPECT_EQ(indeksAlarmuWzglednego(i), -1);
    }
}

TEST(Kodek, KanalNaKarteWejscie)
{
    struct {
        int n, b, c, karta, wejscie;
    } const przypadki[] = {
        {0, 8, 16, 255, 255}, {-5, 8, 16, 255, 255}, {1, 8, 16, 0, 0},  {8, 8, 16, 0, 7},
        {9, 8, 16, 1, 0},     {24, 8, 16, 1, 15},    {25, 8, 16, 2, 0}, {40, 8, 16, 2, 15},
        {7, 6, 6, 1, 0},      {9, 8, 0, 255, 255},   {3, 8, 0, 0, 2},
    };
    for (const auto &p : przypadki) {
        int karta = -1, wejscie = -1;
        kanalNaKarteWejscie(p.n, p.b, p.c, karta, wejscie);
        EXPECT_EQ(karta, p.karta) << p.n << " " << p.b << " " << p.c;
        EXPECT_EQ(wejscie, p.wejscie) << p.n << " " << p.b << " " << p.c;
    }
}

TEST(Kodek, NazwyNieWychodzaPozaPole)
{
    // A 32-byte field full of units, followed by a non-zero byte: the name
    // stops at the field (16 units), and at 15 for the analog outputs.
    QByteArray b(348, '\0');
    for (int i = 0; i < 16; ++i)
        b[4 + 2 * i] = char('a' + i);
    b[36] = 5;
    b[37] = 1;
    TKrok k{};
    ASSERT_TRUE(rozpakujKrok(b.left(200), k));
    EXPECT_EQ(tekst(k.nazwa), QStringLiteral("abcdefghijklmnop"));
    TKvor350zadana z{};
    ASSERT_TRUE(rozpakujZadana(b.left(72), z));
    EXPECT_EQ(tekst(z.nazwa), QStringLiteral("abcdefghijklmnop"));
    TWyjscieAnalogowe w{};
    ASSERT_TRUE(rozpakujWyjscieAnalogowe(b.left(97), w));
    EXPECT_EQ(tekst(w.nazwa), QStringLiteral("abcdefghijklmno"));
    TWejscieAnalogowe we{};
    ASSERT_TRUE(rozpakujWejscieAnalogowe(b, we));
    EXPECT_EQ(tekst(we.nazwa), QStringLiteral("abcdefghijklmnop"));

    // Reading replaces the whole name: a longer old name leaves nothing.
    TFunkcjaSpec f{};
    f.nazwa = nazwa(u"stara nazwa trybu specjalnego, bardzo długa");
    QByteArray bf(200, '\0');
    bf[4] = 'N';
    ASSERT_TRUE(rozpakujFunkcjeSpec(bf, f));
    EXPECT_EQ(tekst(f.nazwa), QStringLiteral("N"));
    for (int i = 1; i < 50; ++i)
        EXPECT_EQ(f.nazwa.z[i], 0);
}

TEST(Kodek, Strona1250)
{
    EXPECT_EQ(znak1250NaUtf16('A'), u'A');
    EXPECT_EQ(znak1250NaUtf16(0xB3), u'ł');
    EXPECT_EQ(znak1250NaUtf16(0x9C), u'ś');
    EXPECT_EQ(znak1250NaUtf16(0xA5), u'Ą');
    EXPECT_EQ(znak1250NaUtf16(0x80), u'€');
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(utf16NaZnak1250(znak1250NaUtf16(uint8_t(c))), c);
    EXPECT_EQ(utf16NaZnak1250(u'Ж'), '?');
}

// ---- random and short blocks -----------------------------------------------

struct Czytnik {
    const char *nazwa;
    int potrzebne; // shortest block that is read
    std::function<bool(const QByteArray &, std::vector<uint8_t> &)> czytaj;
    size_t rozmiar;
};

template <class R>
Czytnik czytnik(const char *n, int potrzebne, std::function<bool(const QByteArray &, R &)> f)
{
    return {n, potrzebne,
            [f](const QByteArray &b, std::vector<uint8_t> &bajty) {
                R r;
                std::memcpy(&r, bajty.data(), sizeof r);
                const bool ok = f(b, r);
                std::memcpy(bajty.data(), &r, sizeof r);
                return ok;
            },
            sizeof(R)};
}

TEST(Kodek, LosoweIKrotkieBloki)
{
    const std::vector<Czytnik> czytniki = {
        czytnik<TProgram>("program part 0", 412,
                          [](const QByteArray &b, TProgram &p) { return rozpakujBlokProgramu(b, 0, p); }),
        czytnik<TProgram>("program part 4", 412,
                          [](const QByteArray &b, TProgram &p) { return rozpakujBlokProgramu(b, 4, p); }),
        czytnik<TKrok>("step", 200, rozpakujKrok),
        czytnik<TPrzekaznik>("digital output", 232, rozpakujPrzekaznik),
        czytnik<vxt_alarm_konfiguracja_t>("alarm output", 176, rozpakujAlarmWyjscia),
        czytnik<TFunkcjaSpec>("special mode", 200, rozpakujFunkcjeSpec),
        czytnik<TWyjscieAnalogowe>("analog output", 97, rozpakujWyjscieAnalogowe),
        czytnik<TWejscieAnalogowe>("measuring input", 348, rozpakujWejscieAnalogowe),
        czytnik<vxt_alarm_konfiguracja_t>("relative alarm", 176, rozpakujAlarm),
        czytnik<Tkvor350wejscieDwustanowe>("digital input", 208, rozpakujWejscieCyfrowe),
        czytnik<TKvor350zadana>("setpoint", 40, rozpakujZadana),
        czytnik<Tkvor350wilgotnosc>("humidity", 144, rozpakujWilgotnosc),
        czytnik<tdanedodatki>("additions", 37, rozpakujDodatki),
        czytnik<TProjektDodatkiMycie>("washing settings", 22, rozpakujUstawieniaMycia),
        czytnik<TModulyWejWyKonfig>("extra modules", 4, rozpakujModuly),
        czytnik<TFunkcjeKvor3>("SETUP", 1024, rozpakujSetup),
    };
    std::mt19937 los(7);
    for (const Czytnik &c : czytniki) {
        SCOPED_TRACE(c.nazwa);
        for (int proba = 0; proba < 300; ++proba) {
            // Lengths around the needed one, plus a few far off either way.
            const int dl = proba < 40 ? proba : std::uniform_int_distribution<int>(0, c.potrzebne + 64)(los);
            QByteArray b(dl, '\0');
            for (auto &x : b)
                x = char(los());
            std::vector<uint8_t> rekord(c.rozmiar);
            for (auto &x : rekord)
                x = uint8_t(los());
            const std::vector<uint8_t> przed = rekord;
            const bool ok = c.czytaj(b, rekord);
            ASSERT_EQ(ok, dl >= c.potrzebne) << dl;
            if (!ok) {
                ASSERT_EQ(rekord, przed) << "a short block changed the record, length " << dl;
            }
        }
    }

    // Part numbers taken from outside are bounded as well.
    QByteArray b(412, '\x11');
    TProgram p{};
    for (int czesc : {-1, 5, 100})
        EXPECT_FALSE(rozpakujBlokProgramu(b, czesc, p)) << czesc;

    // Slots that do not fit their bytes give no block at all.
    EXPECT_TRUE(spakujKrok(TKrok{}, 256).isEmpty());
    EXPECT_TRUE(spakujKrok(TKrok{}, -1).isEmpty());
    EXPECT_TRUE(spakujFunkcjeSpec(TFunkcjaSpec{}, 256).isEmpty());
    EXPECT_TRUE(spakujZadana(TKvor350zadana{}, -1).isEmpty());
    EXPECT_TRUE(spakujPrzekaznik(TPrzekaznik{}, 32 * 256).isEmpty());
    EXPECT_FALSE(spakujPrzekaznik(TPrzekaznik{}, 32 * 256 - 1).isEmpty());
    EXPECT_TRUE(spakujWyjscieAnalogowe(TWyjscieAnalogowe{}, -1).isEmpty());
    EXPECT_TRUE(spakujAlarmWyjscia(vxt_alarm_konfiguracja_t{}, 4).isEmpty());
    QByteArray t("x");
    EXPECT_FALSE(spakujWejscieAnalogowe(24, TWejscieAnalogowe{}, t));
    EXPECT_TRUE(t.isEmpty());
}

} // namespace
