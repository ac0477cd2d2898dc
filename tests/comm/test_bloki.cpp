// Section blocks, update and logo pages on the bus against the simulator's
// project: whole projects both ways, the frames byte for byte, write
// sessions on failure, failed and garbled reads.
#include "lacze_sym.h"

#include "bloki_sym.h"
#include "crc.h"
#include "polecenia_blokow.h"
#include "ramka.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>

namespace {

// The request as hex without its CRC, completed with it.
QByteArray zCRC(const char *h)
{
    QByteArray r = hex(h);
    dopiszCRC(r);
    return r;
}

struct Sekcja {
    const char *nazwa;
    size_t od;
    size_t dl;
};

// The parts of the project that travel (step slot 0, washing steps 17..32,
// digital outputs 33..128 and digital inputs 25..32 never do).
const std::vector<Sekcja> &sekcje()
{
    static const std::vector<Sekcja> s = {
        {"programy", offsetof(TProjektVXTNew, programy), sizeof(TProgramyArray100)},
        {"programyMycie", offsetof(TProjektVXTNew, programyMycie), sizeof(TProgram)},
        {"kroki 1..32", offsetof(TProjektVXTNew, kroki) + sizeof(TKrok), 32 * sizeof(TKrok)},
        {"krokiMycie 1..16", offsetof(TProjektVXTNew, krokiMycie) + sizeof(TKrok), 16 * sizeof(TKrok)},
        {"przekazniki 1..32", offsetof(TProjektVXTNew, przekazniki), 32 * sizeof(TPrzekaznik)},
        {"FunkcjeSpec", offsetof(TProjektVXTNew, FunkcjeSpec), sizeof(TFunkcjeSpecjalneArray)},
        {"WyjsciaAn", offsetof(TProjektVXTNew, WyjsciaAn), sizeof(TWyjsciaAoArray)},
        {"FWejsciaPomiarowe", offsetof(TProjektVXTNew, FWejsciaPomiarowe), sizeof(TWejsciaPomiarowe)},
        {"WejsciaCyfrowe 1..24", offsetof(TProjektVXTNew, WejsciaCyfrowe), 24 * sizeof(Tkvor350wejscieDwustanowe)},
        {"zadana", offsetof(TProjektVXTNew, zadana), sizeof(TZadaneArray)},
        {"wilgotnosc", offsetof(TProjektVXTNew, wilgotnosc), sizeof(Tkvor350wilgotnosc)},
        {"dodatki", offsetof(TProjektVXTNew, dodatki), sizeof(tdanedodatki)},
        {"przekaznikiAlarmF1F4", offsetof(TProjektVXTNew, przekaznikiAlarmF1F4), sizeof(TAlarmyF1F4Array)},
    };
    return s;
}

// Names of the sections that differ, with the first differing byte.
std::string roznice(const TProjektVXTNew &a, const TProjektDodatkiMycie &ma, const TProjektVXTNew &b,
                    const TProjektDodatkiMycie &mb)
{
    std::string r;
    const auto sprawdz = [&](const char *nazwa, const void *x, const void *y, size_t dl) {
        const auto *p = static_cast<const uint8_t *>(x);
        const auto *q = static_cast<const uint8_t *>(y);
        for (size_t i = 0; i < dl; ++i)
            if (p[i] != q[i]) {
                r += std::string(nazwa) + " @" + std::to_string(i) + "; ";
                return;
            }
    };
    const auto *pa = reinterpret_cast<const uint8_t *>(&a);
    const auto *pb = reinterpret_cast<const uint8_t *>(&b);
    for (const Sekcja &s : sekcje())
        sprawdz(s.nazwa, pa + s.od, pb + s.od, s.dl);
    sprawdz("mycie", &ma, &mb, sizeof ma);
    return r;
}

std::unique_ptr<TProjektVXTNew> nowyProjekt()
{
    auto p = std::make_unique<TProjektVXTNew>();
    std::memset(p.get(), 0, sizeof *p);
    return p;
}

} // namespace

class BlokiNaLaczu : public LaczeSym {
protected:
    void SetUp() override
    {
        LaczeSym::SetUp();
        ust.adresRS = 1;
        ust.ParametryTransmisji = trans;
    }
    void TearDown() override
    {
        pty.naRamke = nullptr;
        LaczeSym::TearDown();
    }

    // Every transferred record, in one session when `wszystkie`, else each
    // write in a session of its own. The first failure's code.
    int wyslijProjekt(const TProjektVXTNew &p, const TProjektDodatkiMycie &m, bool wszystkie)
    {
        TFkomunikacja &k = *lacze;
        const int a = ust.adresRS;
        if (wszystkie)
            if (const int w = k.set73onOffKVOR350(ust, true))
                return w;
        int w = 0;
        const auto krok = [&](int v) {
            if (w == 0)
                w = v;
        };
        for (int i = 0; i < 100; ++i)
            krok(ZapisKomProgramuKVOR350(k, p.programy[i], i, ust, wszystkie));
        krok(ZapisKomProgramuKVOR350(k, p.programyMycie, 100, ust, wszystkie));
        for (int s = 1; s <= 32; ++s)
            krok(ZapisKomKrokiKvor350(k, p.kroki[s], s, a, trans, wszystkie, false));
        for (int s = 1; s <= 16; ++s)
            krok(ZapisKomKrokiKvor350(k, p.krokiMycie[s], s, a, trans, wszystkie, true));
        for (int i = 0; i < 32; ++i)
            krok(ZapisKomPrzekaznikiKvor350(k, p.przekazniki[i], i, a, trans, wszystkie));
        krok(ZapisKomPrzekaznikiAlarmKvor350(k, p.przekaznikiAlarmF1F4, a, trans, wszystkie));
        for (int i = 0; i < 14; ++i)
            krok(ZapisKomFunkcjeSpecKvor350(k, p.FunkcjeSpec[i], i, a, trans, wszystkie));
        for (int i = 0; i < 4; ++i)
            krok(ZapisKomWyjsciaAnalogoweKvor350(k, p.WyjsciaAn[i], i, a, trans, wszystkie));
        for (int i = 0; i < 24; ++i)
            krok(ZapisKomWejsciaaAnalogoweKvor350(k, p.FWejsciaPomiarowe[i], i, a, trans, wszystkie));
        for (const int slot : {0, 1})
            krok(ZapisKomWejAnalogAlarmWzglednyKvor350(k, slot, p.FWejsciaPomiarowe[2 * slot].alarm_wzgledny, a, trans,
                                                       wszystkie));
        for (int i = 0; i < 24; ++i)
            krok(ZapisKomWejsciaCyfroweKvor350(k, p.WejsciaCyfrowe[i], a, trans, wszystkie));
        for (int i = 0; i < 10; ++i)
            krok(ZapisZadanaKvor350(k, p.zadana[i], i, a, trans, wszystkie));
        krok(ZapisKomWilgotnoscKvor350(k, p.wilgotnosc, a, trans, wszystkie));
        krok(ZapisKomDodatkiKvor350(k, p.dodatki, a, trans, wszystkie));
        krok(ZapisUstawieniaMyciaKvor350(k, m, a, trans));
        if (wszystkie)
            krok(k.set73onOffKVOR350(ust, false));
        return w;
    }

    int czytajProjekt(TProjektVXTNew &p, TProjektDodatkiMycie &m)
    {
        TFkomunikacja &k = *lacze;
        const int a = ust.adresRS;
        int w = 0;
        const auto krok = [&](int v) {
            if (w == 0)
                w = v;
        };
        for (int i = 0; i < 100; ++i)
            krok(CzytajProgramKVOR350(k, p.programy[i], i, ust));
        krok(CzytajProgramKVOR350(k, p.programyMycie, 100, ust));
        for (int s = 1; s <= 32; ++s)
            krok(CzytajKomKrokiKVOR350(k, p.kroki[s], s, a, false, trans));
        for (int s = 1; s <= 16; ++s)
            krok(CzytajKomKrokiKVOR350(k, p.krokiMycie[s], s, a, true, trans));
        for (int i = 0; i < 32; ++i)
            krok(CzytajKomPrzekaznikiKVOR350(k, p.przekazniki[i], i, a, trans));
        for (int i = 0; i < 4; ++i)
            krok(CzytajPrzekaznikiAlarmKVOR350(k, p.przekaznikiAlarmF1F4[i], i + 1, a, trans));
        for (int i = 0; i < 14; ++i)
            krok(CzytajKomStanyKVOR350(k, p.FunkcjeSpec[i], i, a, trans));
        for (int i = 0; i < 4; ++i)
            krok(CzytajKomWyjsciaAnalogoweKVOR350(k, p.WyjsciaAn[i], i, a, trans));
        for (int i = 0; i < 24; ++i) {
            krok(CzytajWejsciaAnalogoweKVOR350(k, p.FWejsciaPomiarowe[i], i, a, trans));
            if (i == 0 || i == 2) {
                vxt_alarm_konfiguracja_t al;
                krok(CzytajWejAnalogAlarmWzglednyKVOR350(k, i, al, a, trans));
                p.FWejsciaPomiarowe[i].alarm_wzgledny = al;
            }
        }
        for (int i = 0; i < 24; ++i) {
            Tkvor350wejscieDwustanowe &d = p.WejsciaCyfrowe[i];
            d.nr_karty = uint8_t(i < 8 ? 0 : 1);
            d.nr_wejscia = uint8_t(i < 8 ? i : i - 8);
            krok(CzytajWejsciaCyfroweKVOR350(k, d, a, trans));
        }
        for (int i = 0; i < 10; ++i)
            krok(CzytajZadaneKVOR350(k, p.zadana[i], i, a, trans));
        krok(CzytajWilgotnoscKVOR350(k, p.wilgotnosc, a, trans));
        krok(CzytajDodatkiKVOR350(k, p.dodatki, a, trans));
        krok(CzytajKomUstawieniaMyciaKVOR350(k, m, a, trans));
        return w;
    }

    // Arms a fault for the command's next reply once the simulator has
    // answered a request that `po` picks.
    void usterkaPo(std::function<bool(const QByteArray &)> po, char funkcja, uint8_t podkomenda,
                   RodzajUsterki rodzaj = RodzajUsterki::ZleCRC)
    {
        auto uzbrojona = std::make_shared<bool>(false);
        pty.naRamke = [=, this](const QByteArray &r, const QByteArray &) {
            if (!*uzbrojona && po(r)) {
                *uzbrojona = true;
                usterki.dodaj(funkcja, podkomenda, {rodzaj});
            }
        };
    }

    std::vector<QByteArray> ramkiBezSesji() const
    {
        std::vector<QByteArray> r;
        for (const QByteArray &f : pty.ramki())
            if (!(f.at(1) == 'I' && (uint8_t(f.at(2)) == 0x81 || uint8_t(f.at(2)) == 0x82)))
                r.push_back(f);
        return r;
    }

    // Targets of the reads.
    struct Rekordy {
        TProgram pr;
        TKrok kr;
        TPrzekaznik prz;
        vxt_alarm_konfiguracja_t al;
        TFunkcjaSpec fs;
        TWyjscieAnalogowe ao;
        TWejscieAnalogowe ai;
        Tkvor350wejscieDwustanowe di;
        TKvor350zadana z;
        Tkvor350wilgotnosc wi;
        tdanedodatki dd;
        TProjektDodatkiMycie my;
    } r{};

    BlokiSym bloki{sterownik};
    TUstawieniaSterownika ust;
};

TEST_F(BlokiNaLaczu, CalyProjektTamIZPowrotem)
{
    auto wzor = nowyProjekt();
    TProjektDodatkiMycie wzorMycie;
    BlokiSym::przykladowy(*wzor, wzorMycie, 7);
    // The sample carries data in every section.
    const std::string odZera = roznice(*wzor, wzorMycie, *nowyProjekt(), TProjektDodatkiMycie{});
    EXPECT_EQ(std::count(odZera.begin(), odZera.end(), ';'), long(sekcje().size() + 1)) << odZera;

    // Read: the simulator holds the project, the link reads it back whole.
    bloki.ustaw(*wzor, wzorMycie);
    auto odczyt = nowyProjekt();
    TProjektDodatkiMycie odczytMycie{};
    ASSERT_EQ(czytajProjekt(*odczyt, odczytMycie), 0);
    EXPECT_EQ(roznice(*wzor, wzorMycie, *odczyt, odczytMycie), "");

    // Write, in one session and with a session per record: the simulator
    // ends up with the same project.
    for (const bool wszystkie : {true, false}) {
        SCOPED_TRACE(wszystkie ? "one session" : "session per record");
        auto pusty = nowyProjekt();
        bloki.ustaw(*pusty, TProjektDodatkiMycie{});
        sterownik.zmien([](StanSterownika &s) { s.ileSesji = 0; });
        auto inny = nowyProjekt();
        TProjektDodatkiMycie innyMycie;
        BlokiSym::przykladowy(*inny, innyMycie, wszystkie ? 11 : 12);
        ASSERT_EQ(wyslijProjekt(*inny, innyMycie, wszystkie), 0) << bloki.naruszenia().join("; ").toStdString();
        EXPECT_EQ(roznice(*inny, innyMycie, *bloki.projekt(), bloki.mycie()), "");
        const StanSterownika s = sterownik.stan();
        EXPECT_EQ(s.zapisyPozaSesja, 0);
        EXPECT_FALSE(s.sesjaOtwarta);
        // 101 programs, 48 steps, 32 outputs, the alarm outputs, 14 modes,
        // 4 analog outputs, 24 + 2 inputs, 24 digital inputs, 10 setpoints,
        // humidity, additions, washing settings.
        EXPECT_EQ(s.ileSesji, wszystkie ? 2 : 101 + 48 + 32 + 1 + 14 + 4 + 26 + 24 + 10 + 3);
    }
}

// Read requests byte for byte.
TEST_F(BlokiNaLaczu, ZapytaniaOdczytu)
{
    struct Przypadek {
        const char *nazwa;
        std::function<int(TFkomunikacja &)> czytaj;
        std::vector<const char *> ramki;
    };
    const TUstawieniaSterownika u = ust;
    const TParamTrans t = trans;
    const std::vector<Przypadek> przypadki = {
        {"program 7",
         [&](TFkomunikacja &k) { return CzytajProgramKVOR350(k, r.pr, 7, u); },
         {"01 48 0f 00 09 07 00", "01 48 0f 00 09 07 01", "01 48 0f 00 09 07 02", "01 48 0f 00 09 07 03",
          "01 48 0f 00 09 07 04"}},
        {"step 5",
         [&](TFkomunikacja &k) { return CzytajKomKrokiKVOR350(k, r.kr, 5, 1, false, t); },
         {"01 48 02 00 08 05"}},
        {"washing step 5",
         [&](TFkomunikacja &k) { return CzytajKomKrokiKVOR350(k, r.kr, 5, 1, true, t); },
         {"01 48 0b 00 08 05"}},
        {"digital output 33",
         [&](TFkomunikacja &k) { return CzytajKomPrzekaznikiKVOR350(k, r.prz, 33, 1, t); },
         {"01 48 04 00 09 01 01"}},
        {"alarm output 2",
         [&](TFkomunikacja &k) { return CzytajPrzekaznikiAlarmKVOR350(k, r.al, 2, 1, t); },
         {"01 48 10 00 08 01"}},
        {"special mode 3",
         [&](TFkomunikacja &k) { return CzytajKomStanyKVOR350(k, r.fs, 3, 1, t); },
         {"01 48 03 00 08 03"}},
        {"analog output 2",
         [&](TFkomunikacja &k) { return CzytajKomWyjsciaAnalogoweKVOR350(k, r.ao, 2, 1, t); },
         {"01 48 05 00 09 02 00"}},
        {"measuring input 13",
         [&](TFkomunikacja &k) { return CzytajWejsciaAnalogoweKVOR350(k, r.ai, 13, 1, t); },
         {"01 48 06 00 09 01 02"}},
        {"relative alarm of input 2",
         [&](TFkomunikacja &k) { return CzytajWejAnalogAlarmWzglednyKVOR350(k, 2, r.al, 1, t); },
         {"01 48 09 00 08 01"}},
        {"digital input 3 of card 1",
         [&](TFkomunikacja &k) {
             r.di.nr_wejscia = 3;
             r.di.nr_karty = 1;
             return CzytajWejsciaCyfroweKVOR350(k, r.di, 1, t);
         },
         {"01 48 07 00 09 03 01"}},
        {"setpoint 4", [&](TFkomunikacja &k) { return CzytajZadaneKVOR350(k, r.z, 4, 1, t); }, {"01 48 0a 00 08 04"}},
        {"humidity", [&](TFkomunikacja &k) { return CzytajWilgotnoscKVOR350(k, r.wi, 1, t); }, {"01 48 0d 00 07"}},
        {"additions", [&](TFkomunikacja &k) { return CzytajDodatkiKVOR350(k, r.dd, 1, t); }, {"01 48 0e 00 07"}},
        {"washing settings",
         [&](TFkomunikacja &k) { return CzytajKomUstawieniaMyciaKVOR350(k, r.my, 1, t); },
         {"01 48 0c 00 07"}},
    };
    for (const Przypadek &p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        pty.wyczyscRamki();
        EXPECT_EQ(p.czytaj(*lacze), 0);
        const auto r = pty.ramki();
        ASSERT_EQ(r.size(), p.ramki.size());
        for (size_t i = 0; i < r.size(); ++i)
            EXPECT_EQ(r[i], zCRC(p.ramki[i])) << i;
    }
}

// Write frames against the block layouts: header, length, and the payload
// bytes of the fields named.
TEST_F(BlokiNaLaczu, RamkiZapisu)
{
    struct Bajty {
        int od;
        const char *hex;
    };
    struct Przypadek {
        const char *nazwa;
        std::function<int(TFkomunikacja &)> zapisz;
        const char *naglowek; // the block frame's first five bytes
        int dlugosc;
        std::vector<Bajty> pola; // payload offset and bytes
    };
    TProgram pr{};
    pr.nr_prog = 7;
    const QString nazwa = QStringLiteral("Wędzenie szynki ABCD");
    for (int i = 0; i < nazwa.size(); ++i)
        pr.nazwa.z[i] = nazwa.at(i).unicode();
    pr.cykle[0].v[0] = 3; // step
    pr.cykle[0].v[5] = 2; // 2 h 30 min
    pr.cykle[0].v[6] = 30;
    pr.cykle[0].v[1] = 85; // chamber setpoint
    pr.cykle[0].v[2] = -10;
    pr.cykle[0].v[7] = -2;  // D1
    pr.cykle[0].v[4] = -15; // delta
    TKrok kr{};
    kr.nr_kroku = 9;
    kr.warunek_konca = 4;
    const int16_t zs[5] = {25, -5, 0, 100, 7};
    std::memcpy(kr.zadane4, zs, sizeof zs);
    kr.przekazniki[0] = 2;
    TPrzekaznik prz{};
    prz.moc = 70000;
    prz.parametry[0].ta = 70000;
    prz.parametry[0].offset = -15;
    prz.parametry[0].hist_gorna = 11;
    prz.parametry[0].hist_dolna = 22;
    prz.parametry[0].pid.tp = 0x1234;
    TFunkcjaSpec fs{};
    fs.czas_wyl = -1;
    TWyjscieAnalogowe ao{};
    ao.min = -3;
    TWejscieAnalogowe ai{};
    ai.offset = -2;
    Tkvor350wejscieDwustanowe di{};
    di.nr_wejscia = 2;
    di.nr_karty = 1;
    di.alarm_warunek1L = 0x34;
    di.alarm_warunek1H = 0x12;
    di.alarm_warunek2L = 0x78;
    di.alarm_warunek2H = 0x56;
    di.nazwa_str[0] = 3;
    std::memcpy(di.nazwa_str + 1, "Abc", 3);
    TKvor350zadana z{};
    z.wartosc = -300;
    Tkvor350wilgotnosc wi{};
    wi.numer_karty = 2;
    wi.numer_wejscia = 3;
    wi.min_zadana = 300;
    tdanedodatki dd{};
    dd.iledodatki = 8;
    for (int i = 0; i < 8; ++i) {
        dd.dodatki_min[i] = int16_t(i + 1);
        dd.dodatki_max[i] = int16_t(i + 11);
    }
    TProjektDodatkiMycie my{};
    my.czaDoMycia = 0x0102;
    my.przekazniki[0] = my.przekazniki[7] = my.przekazniki[31] = 1;
    const TUstawieniaSterownika u = ust;
    const TParamTrans t = trans;
    const std::vector<Przypadek> przypadki = {
        // Written with A_nr 3: the number travels from the record.
        {"program 7, part 0",
         [&](TFkomunikacja &k) { return ZapisKomProgramuKVOR350(k, pr, 3, u, true); },
         "01 49 0f 01 a3",
         419,
         {{0, "07 00 00 00"},
          {4, "57 00 19 01 64 00 7a 00 65 00 6e 00 69 00 65 00 20 00 73 00 7a 00 79 00 6e 00 6b 00 69 00 00 00"},
          {52, "03 96 00 52 03 9c ff 00 00 fe ff"},
          {52 + 25, "f1 ff"}}},
        {"step 5",
         [&](TFkomunikacja &k) { return ZapisKomKrokiKvor350(k, kr, 5, 1, t, true, false); },
         "01 49 02 00 cf",
         207,
         {{0, "05 00 00 00"}, {36, "04 00 00 00 02"}, {168, "fa 00 ce ff 00 00 e8 03 00 00"}}},
        {"washing step 5",
         [&](TFkomunikacja &k) { return ZapisKomKrokiKvor350(k, kr, 5, 1, t, true, true); },
         "01 49 0b 00 cf",
         207,
         {{0, "05"}}},
        {"digital output 33",
         [&](TFkomunikacja &k) { return ZapisKomPrzekaznikiKvor350(k, prz, 33, 1, t, true); },
         "01 49 04 00 ef",
         239,
         {{0, "01 01 00 00"},
          {37, "70 11"},
          {40 + 4, "70 11"},
          {40 + 12, "f1 ff"},
          {40 + 16, "0b 00 16 00"},
          {40 + 33, "34 12"}}},
        {"special mode 3",
         [&](TFkomunikacja &k) { return ZapisKomFunkcjeSpecKvor350(k, fs, 3, 1, t, true); },
         "01 49 03 00 cf",
         207,
         {{0, "03"}, {36, "ff ff"}}},
        {"analog output 2",
         [&](TFkomunikacja &k) { return ZapisKomWyjsciaAnalogoweKvor350(k, ao, 2, 1, t, true); },
         "01 49 05 00 68",
         104,
         {{0, "02 00"}, {40, "fd ff"}}},
        {"measuring input 13",
         [&](TFkomunikacja &k) { return ZapisKomWejsciaaAnalogoweKvor350(k, ai, 13, 1, t, true); },
         "01 49 06 01 63",
         355,
         {{0, "01 02"}, {37, "fe ff"}}},
        {"relative alarm slot 1",
         [&](TFkomunikacja &k) { return ZapisKomWejAnalogAlarmWzglednyKvor350(k, 1, ai.alarm_wzgledny, 1, t, true); },
         "01 49 09 00 b7",
         183,
         {{0, "01"}}},
        {"digital input 2 of card 1",
         [&](TFkomunikacja &k) { return ZapisKomWejsciaCyfroweKvor350(k, di, 1, t, true); },
         "01 49 07 00 d7",
         215,
         {{0, "02 01"}, {4, "41 00 62 00 63 00 00 00"}, {172, "34 12 78 56"}}},
        {"setpoint 4",
         [&](TFkomunikacja &k) { return ZapisZadanaKvor350(k, z, 4, 1, t, true); },
         "01 49 0a 00 2f",
         47,
         {{0, "04"}, {36, "d4 fe 00 00"}}},
        {"humidity",
         [&](TFkomunikacja &k) { return ZapisKomWilgotnoscKvor350(k, wi, 1, t, true); },
         "01 49 0d 00 97",
         151,
         {{4, "00 0f 2c"}}},
        {"additions",
         [&](TFkomunikacja &k) { return ZapisKomDodatkiKvor350(k, dd, 1, t, true); },
         "01 49 0e 00 2c",
         44,
         {{4, "08 01 00 02 00 03 00 04 00 05 00 06 00 07 00 08 00 0b 00 0c 00 0d 00 0e 00 0f 00 10 00 11 00 12 00"}}},
    };
    for (const Przypadek &p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        pty.wyczyscRamki();
        EXPECT_EQ(p.zapisz(*lacze), 0);
        const auto r = pty.ramki();
        ASSERT_FALSE(r.empty());
        const QByteArray &f = r.front();
        ASSERT_EQ(f.size(), p.dlugosc);
        EXPECT_EQ(f.left(5), hex(p.naglowek));
        EXPECT_TRUE(poprawneCRC(f));
        for (const Bajty &b : p.pola) {
            const QByteArray oczekiwane = hex(b.hex);
            EXPECT_EQ(f.mid(5 + b.od, oczekiwane.size()), oczekiwane) << "payload " << b.od;
        }
    }

    // Washing settings: always their own session.
    pty.wyczyscRamki();
    EXPECT_EQ(ZapisUstawieniaMyciaKvor350(*lacze, my, 1, t), 0);
    const auto r = pty.ramki();
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0], zCRC("01 49 81 00 07"));
    EXPECT_EQ(r[1], zCRC("01 49 0c 00 1d 00 00 00 00 02 01 81 00 00 80 00 00 00 00 00 00 00 00 00 00 00 00"));
    EXPECT_EQ(r[2], zCRC("01 49 82 00 07"));

    // The alarm outputs: four frames with their index.
    vxt_alarm_konfiguracja_t alarmy[4]{};
    for (int i = 0; i < 4; ++i) {
        alarmy[i].opoznienie = int16_t(100 + i);
        alarmy[i].status = uint8_t(i);
        alarmy[i].logika = 1;
    }
    pty.wyczyscRamki();
    EXPECT_EQ(ZapisKomPrzekaznikiAlarmKvor350(*lacze, alarmy, 1, t, true), 0);
    const auto ra = pty.ramki();
    ASSERT_EQ(ra.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(ra[size_t(i)].size(), 183);
        EXPECT_EQ(ra[size_t(i)].left(5), hex("01 49 10 00 b7"));
        QByteArray blok(176, '\0');
        blok[0] = char(i);
        blok[4] = char(100 + i);
        blok[7] = char(i);
        EXPECT_EQ(ra[size_t(i)].mid(5, 176), blok);
    }
}

// A block the controller does not take is a failed write, never an
// acknowledged one: here a block one byte short.
TEST_F(BlokiNaLaczu, OdrzuconyBlokToBlad)
{
    czekajCiszy();
    QByteArray odp;
    EXPECT_EQ(lacze->polecenie(1, magistrala::I, 0x10, QByteArray(175, '\0'), 7, trans, odp), 8);
    EXPECT_EQ(bloki.naruszenia(), QStringList{QStringLiteral("alarm output: 175 bytes instead of 176")});
}

// Values that the block stores signed come back signed, the program's
// setpoints included.
TEST_F(BlokiNaLaczu, UjemneWartosciWracajaUjemne)
{
    TProgram pr{};
    pr.nr_prog = 4;
    pr.cykle[12].v[1] = -10;
    pr.cykle[12].v[2] = -25;
    pr.cykle[12].v[4] = -7;
    pr.cykle[12].v[7] = -1000;
    ASSERT_EQ(ZapisKomProgramuKVOR350(*lacze, pr, 4, ust, false), 0);
    TProgram odczyt;
    ASSERT_EQ(CzytajProgramKVOR350(*lacze, odczyt, 4, ust), 0);
    EXPECT_EQ(odczyt.cykle[12].v[1], -10);
    EXPECT_EQ(odczyt.cykle[12].v[2], -25);
    EXPECT_EQ(odczyt.cykle[12].v[4], -7);
    EXPECT_EQ(odczyt.cykle[12].v[7], -1000);

    TFunkcjaSpec fs{};
    fs.czas_wyl = -1;
    ASSERT_EQ(ZapisKomFunkcjeSpecKvor350(*lacze, fs, 2, 1, trans, false), 0);
    TFunkcjaSpec fsOdczyt;
    ASSERT_EQ(CzytajKomStanyKVOR350(*lacze, fsOdczyt, 2, 1, trans), 0);
    EXPECT_EQ(fsOdczyt.czas_wyl, -1);
    EXPECT_EQ(fsOdczyt.nr_funkcji, 2);
}

TEST_F(BlokiNaLaczu, AlarmWzglednyTylkoWejsc1I3)
{
    vxt_alarm_konfiguracja_t al;
    std::memset(&al, 0x5A, sizeof al);
    for (const int wejscie : {1, 3, -1, 24}) {
        SCOPED_TRACE(wejscie);
        pty.wyczyscRamki();
        EXPECT_EQ(CzytajWejAnalogAlarmWzglednyKVOR350(*lacze, wejscie, al, 1, trans), kodBrakAlarmuWzglednego);
        EXPECT_TRUE(pty.ramki().empty());
        const vxt_alarm_konfiguracja_t zero{};
        EXPECT_EQ(std::memcmp(&al, &zero, sizeof al), 0);
    }
    // A write for a slot without an alarm sends nothing, not even a session:
    // the all-zero block would overwrite another input's alarm.
    bloki.zmien([](TProjektVXTNew &p, TProjektDodatkiMycie &) {
        p.FWejsciaPomiarowe[0].alarm_wzgledny.opoznienie = 42;
        p.FWejsciaPomiarowe[2].alarm_wzgledny.opoznienie = 43;
    });
    for (const bool wszystkie : {false, true})
        for (const int slot : {2, -1, 5}) {
            pty.wyczyscRamki();
            EXPECT_EQ(ZapisKomWejAnalogAlarmWzglednyKvor350(*lacze, slot, al, 1, trans, wszystkie),
                      kodBrakAlarmuWzglednego);
            EXPECT_TRUE(pty.ramki().empty());
        }
    const auto p = bloki.projekt();
    EXPECT_EQ(p->FWejsciaPomiarowe[0].alarm_wzgledny.opoznienie, 42);
    EXPECT_EQ(p->FWejsciaPomiarowe[2].alarm_wzgledny.opoznienie, 43);
}

// A write that opened its own session closes it when a block frame fails,
// and returns the block's code; inside the caller's session it sends the
// blocks alone.
TEST_F(BlokiNaLaczu, NieudanyZapisZamykaWlasnaSesje)
{
    struct Przypadek {
        const char *nazwa;
        std::function<int(bool wszystkie)> zapisz;
        // The frame after which the next block reply fails; none: the first.
        std::function<bool(const QByteArray &)> po;
        uint8_t podkomenda;
        int kod;
        int blokow; // block frames sent
    };
    TProgram pr{};
    vxt_alarm_konfiguracja_t alarmy[4]{};
    const vxt_alarm_konfiguracja_t al{};
    const TKrok kr{};
    const std::vector<Przypadek> przypadki = {
        {"alarm outputs, second frame",
         [&](bool w) { return ZapisKomPrzekaznikiAlarmKvor350(*lacze, alarmy, 1, trans, w); },
         [](const QByteArray &r) { return r.at(1) == 'I' && uint8_t(r.at(2)) == 0x10; }, 0x10, 4, 2},
        {"program, part 2", [&](bool w) { return ZapisKomProgramuKVOR350(*lacze, pr, 0, ust, w); },
         [](const QByteArray &r) { return r.at(1) == 'I' && uint8_t(r.at(2)) == 0x0F && r.at(6) == 1; }, 0x0F,
         kodBleduCzesciProgramu, 3},
        {"relative alarm", [&](bool w) { return ZapisKomWejAnalogAlarmWzglednyKvor350(*lacze, 0, al, 1, trans, w); },
         nullptr, 0x09, 4, 1},
        {"step", [&](bool w) { return ZapisKomKrokiKvor350(*lacze, kr, 1, 1, trans, w, false); }, nullptr, 0x02, 4, 1},
    };
    for (const Przypadek &p : przypadki)
        for (const bool wszystkie : {false, true}) {
            SCOPED_TRACE(std::string(p.nazwa) + (wszystkie ? " in the caller's session" : " own session"));
            pty.wyczyscRamki();
            usterki.wyczysc();
            if (!p.po)
                usterki.dodaj('I', p.podkomenda, {RodzajUsterki::ZleCRC});
            else
                usterkaPo(p.po, 'I', p.podkomenda);
            EXPECT_EQ(p.zapisz(wszystkie), p.kod);
            pty.naRamke = nullptr;
            const auto r = pty.ramki();
            ASSERT_EQ(r.size(), size_t(p.blokow + (wszystkie ? 0 : 2)));
            if (!wszystkie) {
                EXPECT_EQ(r.front(), zCRC("01 49 81 00 07"));
                EXPECT_EQ(r.back(), zCRC("01 49 82 00 07"));
            }
            EXPECT_EQ(ramkiBezSesji().size(), size_t(p.blokow));
        }
    EXPECT_FALSE(sterownik.stan().sesjaOtwarta);
}

TEST_F(BlokiNaLaczu, KodZamknieciaSesji)
{
    // The block went, the closing frame failed: its code is the result.
    usterki.dodaj('I', 0x82, {RodzajUsterki::ZleCRC});
    EXPECT_EQ(ZapisUstawieniaMyciaKvor350(*lacze, TProjektDodatkiMycie{}, 1, trans), 4);
    // The opening frame failed: nothing else is sent.
    pty.wyczyscRamki();
    usterki.dodaj('I', 0x81, {RodzajUsterki::ZlyAdres});
    EXPECT_EQ(ZapisKomDodatkiKvor350(*lacze, tdanedodatki{}, 1, trans, false), 10);
    EXPECT_EQ(pty.ramki().size(), 1u);
}

// Every read: a failed or garbled reply leaves the record all zero; random
// data of the right length (a valid frame) is decoded without harm.
TEST_F(BlokiNaLaczu, NieudaneIZaszumioneOdczyty)
{
    struct Odczyt {
        const char *nazwa;
        char funkcja;
        uint8_t podkomenda;
        int N;
        void *rekord;
        size_t dl;
        std::function<int()> czytaj;
    };
    TFkomunikacja &k = *lacze;
    koniecPoPrzerwie(); // a cut reply ends 100 ms after its last byte
    const std::vector<Odczyt> odczyty = {
        {"program", 'H', 0x0F, 419, &r.pr, sizeof r.pr, [&] { return CzytajProgramKVOR350(k, r.pr, 1, ust); }},
        {"step", 'H', 0x02, 215, &r.kr, sizeof r.kr,
         [&] { return CzytajKomKrokiKVOR350(k, r.kr, 1, 1, false, trans); }},
        {"washing step", 'H', 0x0B, 215, &r.kr, sizeof r.kr,
         [&] { return CzytajKomKrokiKVOR350(k, r.kr, 1, 1, true, trans); }},
        {"digital output", 'H', 0x04, 239, &r.prz, sizeof r.prz,
         [&] { return CzytajKomPrzekaznikiKVOR350(k, r.prz, 1, 1, trans); }},
        {"alarm output", 'H', 0x10, 183, &r.al, sizeof r.al,
         [&] { return CzytajPrzekaznikiAlarmKVOR350(k, r.al, 1, 1, trans); }},
        {"special mode", 'H', 0x03, 207, &r.fs, sizeof r.fs,
         [&] { return CzytajKomStanyKVOR350(k, r.fs, 1, 1, trans); }},
        {"analog output", 'H', 0x05, 104, &r.ao, sizeof r.ao,
         [&] { return CzytajKomWyjsciaAnalogoweKVOR350(k, r.ao, 1, 1, trans); }},
        {"measuring input", 'H', 0x06, 355, &r.ai, sizeof r.ai,
         [&] { return CzytajWejsciaAnalogoweKVOR350(k, r.ai, 1, 1, trans); }},
        {"relative alarm", 'H', 0x09, 183, &r.al, sizeof r.al,
         [&] { return CzytajWejAnalogAlarmWzglednyKVOR350(k, 0, r.al, 1, trans); }},
        {"digital input", 'H', 0x07, 219, &r.di, sizeof r.di,
         [&] {
             r.di.nr_wejscia = 1;
             r.di.nr_karty = 0;
             return CzytajWejsciaCyfroweKVOR350(k, r.di, 1, trans);
         }},
        {"setpoint", 'H', 0x0A, 79, &r.z, sizeof r.z, [&] { return CzytajZadaneKVOR350(k, r.z, 1, 1, trans); }},
        {"humidity", 'H', 0x0D, 151, &r.wi, sizeof r.wi, [&] { return CzytajWilgotnoscKVOR350(k, r.wi, 1, trans); }},
        {"additions", 'H', 0x0E, 44, &r.dd, sizeof r.dd, [&] { return CzytajDodatkiKVOR350(k, r.dd, 1, trans); }},
        {"washing settings", 'H', 0x0C, 37, &r.my, sizeof r.my,
         [&] { return CzytajKomUstawieniaMyciaKVOR350(k, r.my, 1, trans); }},
    };
    const struct {
        Usterka u;
        int kod;
    } usterkiOdpowiedzi[] = {
        {{RodzajUsterki::ZleCRC}, 4},
        {{RodzajUsterki::KrotkaOdpowiedz, 3}, 3},
        {{RodzajUsterki::ZlyAdres}, 10},
        {{RodzajUsterki::Surowa, 0, SterownikSym::ramkaNieznana(1)}, 3},
    };
    auto los = QRandomGenerator(2024);
    for (const Odczyt &o : odczyty) {
        SCOPED_TRACE(o.nazwa);
        const std::vector<uint8_t> zera(o.dl, 0);
        for (const auto &u : usterkiOdpowiedzi) {
            std::memset(o.rekord, 0xA5, o.dl);
            usterki.dodaj(o.funkcja, o.podkomenda, u.u);
            EXPECT_EQ(o.czytaj(), u.kod);
            EXPECT_EQ(std::memcmp(o.rekord, zera.data(), o.dl), 0);
            poczekajNaSym();
        }
        for (int i = 0; i < 8; ++i) {
            QByteArray dane(o.N - 7, '\0');
            for (char &c : dane)
                c = char(los.bounded(256));
            usterki.dodaj(o.funkcja, o.podkomenda,
                          {RodzajUsterki::Surowa, 0, SterownikSym::zbuduj(1, o.funkcja, o.podkomenda, dane)},
                          o.N == 419 ? 5 : 1);
            EXPECT_EQ(o.czytaj(), 0);
        }
    }
    EXPECT_TRUE(usterki.pobierz('H', 0x0F) == std::nullopt);
}

// Update pages as the update window sends them (the page buffer is reused,
// so a last short page carries the previous page's tail) and the commit,
// which the simulator checks against the pages it took.
TEST_F(BlokiNaLaczu, StronyAktualizacjiIZatwierdzenie)
{
    struct Rodzaj {
        const char *nazwa;
        decltype(&ZapisFirmwarePageKvor350) strona;
        decltype(&ZapisFirmwareCrcKvor350) koniec;
        std::function<StrumienSym()> stan;
    };
    const Rodzaj rodzaje[] = {
        {"firmware", ZapisFirmwarePageKvor350, ZapisFirmwareCrcKvor350, [this] { return bloki.firmware(); }},
        {"graphics", ZapisGrafikaPageKvor350, ZapisGrafikaCrcKvor350, [this] { return bloki.grafika(); }},
    };
    const auto wyslijPlik = [&](const Rodzaj &r, const QByteArray &plik, int &stron) {
        QByteArray strona(512, '\0');
        uint16_t crc = 0xFFFF;
        stron = 0;
        for (int poz = 0;; poz += 512) {
            const QByteArray kawalek = plik.mid(poz, 512);
            strona.replace(0, kawalek.size(), kawalek);
            crc = obliczCRC16Dalej(crc, kawalek, kawalek.size());
            if (const int w = r.strona(*lacze, uint16_t(stron), 512, strona, 1, trans))
                return w;
            ++stron;
            if (kawalek.size() < 512)
                break;
        }
        return r.koniec(*lacze, crc, int(plik.size()), 1, trans);
    };
    auto los = QRandomGenerator(5);
    for (const Rodzaj &r : rodzaje) {
        SCOPED_TRACE(r.nazwa);
        for (const int rozmiar : {1000, 1024, 0, 5000}) {
            SCOPED_TRACE(rozmiar);
            QByteArray plik(rozmiar, '\0');
            for (char &c : plik)
                c = char(los.bounded(256));
            int stron = 0;
            EXPECT_EQ(wyslijPlik(r, plik, stron), 0);
            EXPECT_EQ(stron, rozmiar / 512 + 1);
            EXPECT_EQ(r.stan().zatwierdzony, plik);
        }
        // A commit whose CRC or size does not match the pages is refused.
        const QByteArray strona(512, 'x');
        const uint16_t crc = obliczCRC16(strona, 300);
        ASSERT_EQ(r.strona(*lacze, 0, 512, strona, 1, trans), 0);
        EXPECT_EQ(r.koniec(*lacze, uint16_t(crc ^ 1), 300, 1, trans), kodBrakPotwierdzenia);
        ASSERT_EQ(r.strona(*lacze, 0, 512, strona, 1, trans), 0);
        EXPECT_EQ(r.koniec(*lacze, crc, 600, 1, trans), kodBrakPotwierdzenia);
        // A page out of order spoils the stream.
        ASSERT_EQ(r.strona(*lacze, 0, 512, strona, 1, trans), 0);
        ASSERT_EQ(r.strona(*lacze, 2, 512, strona, 1, trans), 0);
        EXPECT_EQ(r.koniec(*lacze, obliczCRC16(strona + strona, 1000), 1000, 1, trans), kodBrakPotwierdzenia);
        // A page sent again after a lost reply is taken once.
        ASSERT_EQ(r.strona(*lacze, 0, 512, strona, 1, trans), 0);
        ASSERT_EQ(r.strona(*lacze, 0, 512, strona, 1, trans), 0);
        EXPECT_EQ(r.koniec(*lacze, crc, 300, 1, trans), 0);
        EXPECT_EQ(r.stan().zatwierdzony, strona.left(300));
    }
}

TEST_F(BlokiNaLaczu, RamkiStronIZatwierdzenia)
{
    QByteArray strona(512, '\0');
    for (int i = 0; i < 512; ++i)
        strona[i] = char(i);
    const struct {
        const char *nazwa;
        std::function<int()> wyslij;
        const char *naglowek;
        int dlugosc;
    } przypadki[] = {
        {"firmware", [&] { return ZapisFirmwarePageKvor350(*lacze, 258, 512, strona, 1, trans); },
         "01 4a 08 02 09 02 01", 521},
        {"graphics", [&] { return ZapisGrafikaPageKvor350(*lacze, 258, 512, strona, 1, trans); },
         "01 4a 0f 02 09 02 01", 521},
        {"logo", [&] { return ZapisLogoPageKvor350(*lacze, 258, 512, strona, 1, trans); }, "01 4a 0e 02 09 02 01", 521},
        {"empty page", [&] { return ZapisFirmwarePageKvor350(*lacze, 3, 0, strona, 1, trans); }, "01 4a 08 00 09 03 00",
         9},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        pty.wyczyscRamki();
        p.wyslij();
        const QByteArray r = pty.ostatniaRamka();
        ASSERT_EQ(r.size(), p.dlugosc);
        EXPECT_EQ(r.left(7), hex(p.naglowek));
        EXPECT_EQ(r.mid(7, p.dlugosc - 9), strona.left(p.dlugosc - 9));
        EXPECT_TRUE(poprawneCRC(r));
    }
    // The commit of a 300-byte file with CRC 0xBEEF.
    pty.wyczyscRamki();
    ZapisFirmwareCrcKvor350(*lacze, 0xBEEF, 300, 1, trans);
    EXPECT_EQ(pty.ostatniaRamka(), zCRC("01 4a 09 00 0d ef be 2c 01 00 00"));
    pty.wyczyscRamki();
    ZapisGrafikaCrcKvor350(*lacze, 0xBEEF, 300, 1, trans);
    EXPECT_EQ(pty.ostatniaRamka(), zCRC("01 4a 10 00 0d ef be 2c 01 00 00"));

    // A page size beyond the page sends nothing.
    pty.wyczyscRamki();
    EXPECT_EQ(ZapisLogoPageKvor350(*lacze, 0, 513, strona, 1, trans), kodBleduPakowania);
    EXPECT_TRUE(pty.ramki().empty());
}

TEST_F(BlokiNaLaczu, PotwierdzenieZatwierdzenia)
{
    const QByteArray ok = SterownikSym::zbuduj(1, 'J', 0x09, "OK");
    const QByteArray nie = SterownikSym::zbuduj(1, 'J', 0x09, "NO");
    QByteArray okZleCRC = ok;
    okZleCRC[8] = char(okZleCRC[8] ^ 0xFF);
    QByteArray nieZleCRC = nie;
    nieZleCRC[8] = char(nieZleCRC[8] ^ 0xFF);
    const struct {
        QByteArray odpowiedz;
        int kod;
    } przypadki[] = {
        {ok, 0},         {nie, kodBrakPotwierdzenia},         {okZleCRC, 4},    {nieZleCRC, kodBrakPotwierdzenia},
        {ok.left(7), 3}, {nie.left(7), kodBrakPotwierdzenia}, {nie.left(6), 3},
    };
    koniecPoPrzerwie(); // the cut replies
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.odpowiedz.toHex(' ').toStdString());
        usterki.dodaj('J', 0x09, {RodzajUsterki::Surowa, 0, p.odpowiedz});
        EXPECT_EQ(ZapisFirmwareCrcKvor350(*lacze, 0x1234, 10, 1, trans), p.kod);
    }
    // No reply keeps the link's code.
    lacze->ustawCzasOdczytu(5);
    usterki.dodaj('J', 0x09, {RodzajUsterki::BrakOdpowiedzi});
    EXPECT_EQ(ZapisFirmwareCrcKvor350(*lacze, 0x1234, 10, 1, trans), 8);
}

TEST_F(BlokiNaLaczu, StronyLogo)
{
    // A cleared logo is one page: the header and 496 zero bytes.
    QByteArray strona(512, '\0');
    const QByteArray naglowek = hex("78 56 34 12 00 b0 04 00 58 02 80 00 aa bb 00 00");
    strona.replace(0, 16, naglowek);
    ASSERT_EQ(ZapisLogoPageKvor350(*lacze, 0, 512, strona, 1, trans), 0);
    EXPECT_EQ(bloki.logo(), strona);
    // Pages land at their place, whatever the order.
    const QByteArray druga(512, 'b');
    ASSERT_EQ(ZapisLogoPageKvor350(*lacze, 2, 512, druga, 1, trans), 0);
    EXPECT_EQ(bloki.logo().size(), 3 * 512);
    EXPECT_EQ(bloki.logo().mid(1024), druga);
    EXPECT_EQ(bloki.stronLogo(), 2);
}
