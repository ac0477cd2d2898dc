// Bus commands without section data against the simulator: the request
// bytes on the wire and the replies decoded.
#include "lacze_sym.h"

#include "crc.h"
#include "ramka.h"

#include <cstring>

namespace {

struct Polecenie {
    const char *nazwa;
    std::function<int(TFkomunikacja &, int adres, const TParamTrans &)> wykonaj;
    const char *ramka1;   // request at address 1
    const char *ramka247; // request at address 247
};

TUstawieniaSterownika ustawienia(int adres, const TParamTrans &t)
{
    TUstawieniaSterownika u;
    u.adresRS = adres;
    u.ParametryTransmisji = t;
    return u;
}

const std::vector<Polecenie> &polecenia()
{
    static const std::vector<Polecenie> p = {
        {"typ",
         [](TFkomunikacja &k, int a, const TParamTrans &t) {
             QString s;
             return k.CzytajTypSterownika(a, t, s);
         },
         "01 46 00 00 07 4d 4a", "f7 46 00 00 07 85 5f"},
        {"odczyty",
         [](TFkomunikacja &k, int a, const TParamTrans &t) {
             TOdczyty o{};
             return k.CzytajStatusKVOR350(a, t, o);
         },
         "01 46 01 00 07 1c 8a", "f7 46 01 00 07 d4 9f"},
        {"setup",
         [](TFkomunikacja &k, int a, const TParamTrans &t) {
             TFunkcjeKvor3 s{};
             return k.CzytajKomSetupKvor350(a, t, s);
         },
         "01 46 06 00 07 ad 4b", "f7 46 06 00 07 65 5e"},
        {"numer",
         [](TFkomunikacja &k, int a, const TParamTrans &t) {
             int n = 0;
             return k.CzytajNumerSeryjnyKVOR350(a, t, n);
         },
         "01 46 07 00 07 fc 8b", "f7 46 07 00 07 34 9e"},
        {"moduly",
         [](TFkomunikacja &k, int a, const TParamTrans &t) {
             TModulyWejWyKonfig m{};
             return k.CzytajModulyKVOR350(a, t, m);
         },
         "01 46 10 00 07 4c 8f", "f7 46 10 00 07 84 9a"},
        {"zegar",
         [](TFkomunikacja &k, int a, const TParamTrans &t) {
             return k.ZapiszCzaskVOR350(QDateTime(QDate(2023, 4, 11), QTime(10, 15, 0)), uint8_t(a), t);
         },
         "01 47 04 00 0d 0a 0f 00 0b 04 17 38 b1", "f7 47 04 00 0d 0a 0f 00 0b 04 17 25 3a"},
        {"blokada",
         [](TFkomunikacja &k, int a, const TParamTrans &t) {
             bool b = false;
             return k.CzytajlockKVOR350(a, t, b);
         },
         "01 47 07 00 07 fd 77", "f7 47 07 00 07 35 62"},
        {"odblokuj", [](TFkomunikacja &k, int a, const TParamTrans &t) { return k.ZapiszUnlockKVOR350(a, t, 1234); },
         "01 47 08 00 09 78 9d d6 dd", "f7 47 08 00 09 78 9d 40 d2"},
        {"zablokuj",
         [](TFkomunikacja &k, int a, const TParamTrans &t) { return k.ZapiszLockKVOR350(ustawienia(a, t)); },
         "01 47 09 00 07 9c b4", "f7 47 09 00 07 54 a1"},
        {"sesja start",
         [](TFkomunikacja &k, int a, const TParamTrans &t) { return k.set73onOffKVOR350(ustawienia(a, t), true); },
         "01 49 81 00 07 1e 76", "f7 49 81 00 07 d6 63"},
        {"sesja stop",
         [](TFkomunikacja &k, int a, const TParamTrans &t) { return k.set73onOffKVOR350(ustawienia(a, t), false); },
         "01 49 82 00 07 ee 76", "f7 49 82 00 07 26 63"},
    };
    return p;
}

} // namespace

TEST_F(LaczeSym, RamkiZapytanBajtWBajt)
{
    for (const int adres : {1, 247}) {
        sterownik.zmien([adres](StanSterownika &s) {
            s.adres = adres;
            s.haslo = 1234;
        });
        for (const Polecenie &p : polecenia()) {
            SCOPED_TRACE(std::string(p.nazwa) + " @" + std::to_string(adres));
            pty.wyczyscRamki();
            EXPECT_EQ(p.wykonaj(*lacze, adres, trans), 0);
            const auto r = pty.ramki();
            ASSERT_EQ(r.size(), 1u);
            EXPECT_EQ(r[0], hex(adres == 1 ? p.ramka1 : p.ramka247));
        }
    }
}

TEST_F(LaczeSym, ZapisModulowWeWlasnejSesji)
{
    const char *oczekiwane[2][3] = {
        {"01 49 81 00 07 1e 76", "01 47 10 00 0b 01 02 04 08 55 8c", "01 49 82 00 07 ee 76"},
        {"f7 49 81 00 07 d6 63", "f7 47 10 00 0b 01 02 04 08 7a 28", "f7 49 82 00 07 26 63"},
    };
    TModulyWejWyKonfig m{};
    m.ain = 1;
    m.aout = 4;
    m.din = 2;
    m.dout = 8;
    for (const int i : {0, 1}) {
        const int adres = i == 0 ? 1 : 247;
        sterownik.zmien([adres](StanSterownika &s) { s.adres = adres; });
        for (const bool flaga : {false, true}) {
            pty.wyczyscRamki();
            ASSERT_EQ(lacze->ZapisModulyKvor350(adres, trans, m, flaga), 0);
            const auto r = pty.ramki();
            ASSERT_EQ(r.size(), 3u);
            for (int k = 0; k < 3; ++k)
                EXPECT_EQ(r[size_t(k)], hex(oczekiwane[i][k]));
        }
    }
    const StanSterownika s = sterownik.stan();
    EXPECT_EQ(+s.zapisyPozaSesja, 0);
    EXPECT_FALSE(s.sesjaOtwarta);
    EXPECT_EQ(s.moduly.ain, 1);
    EXPECT_EQ(s.moduly.aout, 4);
    EXPECT_EQ(s.moduly.din, 2);
    EXPECT_EQ(s.moduly.dout, 8);
}

TEST_F(LaczeSym, ZapisSetupZawsze1032Bajty)
{
    for (const int32_t wartosc : {0, -1, 123456789}) {
        TFunkcjeKvor3 s{};
        for (int i = 0; i <= 100; ++i)
            s.F[i] = wartosc + i;
        pty.wyczyscRamki();
        ASSERT_EQ(lacze->ZapisKomSetupKvor350(1, trans, s), 0);
        const QByteArray r = pty.ostatniaRamka();
        ASSERT_EQ(r.size(), 1032);
        EXPECT_EQ(r.left(5), hex("01 47 06 04 08"));
        QByteArray oczekiwane;
        for (int i = 1; i <= 100; ++i) {
            const int32_t v = wartosc + i;
            oczekiwane.append(reinterpret_cast<const char *>(&v), 4);
        }
        oczekiwane.append(QByteArray(625, '\0'));
        EXPECT_EQ(r.mid(5, 1025), oczekiwane);
        const uint16_t crc = obliczCRC16(r, 1030);
        EXPECT_EQ(uint8_t(r[1030]), crc & 0xFF);
        EXPECT_EQ(uint8_t(r[1031]), crc >> 8);
    }
    // Round trip through the controller: F[0] is neither sent nor read.
    TFunkcjeKvor3 zapis{};
    for (int i = 0; i <= 100; ++i)
        zapis.F[i] = i * 1000 - 7;
    ASSERT_EQ(lacze->ZapisKomSetupKvor350(1, trans, zapis), 0);
    TFunkcjeKvor3 odczyt;
    std::memset(&odczyt, 0x7F, sizeof odczyt);
    ASSERT_EQ(lacze->CzytajKomSetupKvor350(1, trans, odczyt), 0);
    EXPECT_EQ(+odczyt.F[0], 0);
    for (int i = 1; i <= 100; ++i)
        EXPECT_EQ(+odczyt.F[i], +zapis.F[i]) << i;
}

TEST_F(LaczeSym, SetupZerowanyPrzedNieudanymOdczytem)
{
    czekajCiszy();
    usterki.dodaj('F', 0x06, {RodzajUsterki::BrakOdpowiedzi});
    TFunkcjeKvor3 s;
    std::memset(&s, 0x11, sizeof s);
    EXPECT_EQ(lacze->CzytajKomSetupKvor350(1, trans, s), 8);
    for (int i = 0; i <= 100; ++i)
        EXPECT_EQ(+s.F[i], 0);
}

TEST_F(LaczeSym, OdczytyDekodowane)
{
    sterownik.zmien([](StanSterownika &s) {
        s.zegar = QDateTime(QDate(2023, 4, 11), QTime(10, 15, 0));
        s.odczyty.wersja = 0x030201;
        s.odczyty.stan = 3;
        s.odczyty.nr_prog = 17;
        s.odczyty.nr_cykl = 4;
        s.odczyty.minutyCyklu = 91;
        s.odczyty.zadMinutyCyklu = 125;
        s.odczyty.nr_krok = 9;
        s.odczyty.zadTempKom = -125;
        s.odczyty.zadTempBat = 655;
        s.odczyty.zadWilg = 80;
        s.odczyty.zadDelta = -20;
        s.odczyty.adresOstRej = 0xBEEF;
        s.odczyty.wersjaProtokolu = 0x0102;
    });
    TOdczyty o{};
    o.TempKom = 12.5; // not in the reply: kept
    o.stan2 = 7;
    o.SekundaCyklu = 33;
    ASSERT_EQ(lacze->CzytajStatusKVOR350(1, trans, o), 0);
    EXPECT_EQ(+o.wersja, 0x030201);
    EXPECT_EQ(o.stan1, 3);
    EXPECT_EQ(o.stan2, 0);
    EXPECT_EQ(+o.SekundaCyklu, 0);
    EXPECT_EQ(+o.nr_prog, 17);
    EXPECT_EQ(+o.nr_cykl, 4);
    EXPECT_EQ(+o.GodzinaCyklu, 1);
    EXPECT_EQ(+o.MinutaCyklu, 31);
    EXPECT_EQ(+o.ZadGodzinaCyklu, 2);
    EXPECT_EQ(+o.ZadMinutaCyklu, 5);
    EXPECT_EQ(+o.nr_krok, 9);
    EXPECT_DOUBLE_EQ(+o.ZadTempKom, -12.5);
    EXPECT_DOUBLE_EQ(+o.ZadTempBat, 65.5);
    EXPECT_EQ(+o.zadWilg, 80);
    EXPECT_EQ(+o.zadDelta, -20);
    EXPECT_EQ(+o.AdresOstRej, 0xBEEF);
    EXPECT_EQ(+o.rok, 2023);
    EXPECT_EQ(+o.miesiac, 4);
    EXPECT_EQ(+o.dzien, 11);
    EXPECT_EQ(+o.godzina, 10);
    EXPECT_EQ(+o.minuta, 15);
    EXPECT_EQ(+o.sekunda, 0);
    EXPECT_EQ(+o.wersjaProtokolu, 0x0102);
    EXPECT_DOUBLE_EQ(+o.TempKom, 12.5);
}

TEST_F(LaczeSym, TypINumerSeryjny)
{
    sterownik.zmien([](StanSterownika &s) {
        s.typ = QByteArray(" \tkVOR350 XL");
        s.numerSeryjny = 0x0001E240; // 00 01 E2 40
    });
    QString typ = QStringLiteral("stary");
    EXPECT_EQ(lacze->CzytajTypSterownika(1, trans, typ), 0);
    EXPECT_EQ(typ, QStringLiteral("kVOR350 XL"));
    int ns = 0;
    EXPECT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, trans, ns), 0);
    EXPECT_EQ(ns, 123456);

    czekajCiszy();
    usterki.dodaj('F', 0x00, {RodzajUsterki::BrakOdpowiedzi});
    EXPECT_EQ(lacze->CzytajTypSterownika(1, trans, typ), 8);
    EXPECT_TRUE(typ.isEmpty());
}

TEST_F(LaczeSym, Moduly)
{
    sterownik.zmien([](StanSterownika &s) { s.moduly = TModulyWejWyKonfig{1, 4, 2, 8}; });
    TModulyWejWyKonfig m{};
    ASSERT_EQ(lacze->CzytajModulyKVOR350(1, trans, m), 0);
    EXPECT_EQ(m.ain, 1);
    EXPECT_EQ(m.aout, 4);
    EXPECT_EQ(m.din, 2);
    EXPECT_EQ(m.dout, 8);

    // Short reply zeroes the record, any other failure keeps it.
    usterki.dodaj('F', 0x10, {RodzajUsterki::ZleCRC});
    EXPECT_EQ(lacze->CzytajModulyKVOR350(1, trans, m), 4);
    EXPECT_EQ(m.dout, 8);
    koniecPoPrzerwie();
    usterki.dodaj('F', 0x10, {RodzajUsterki::KrotkaOdpowiedz});
    EXPECT_EQ(lacze->CzytajModulyKVOR350(1, trans, m), 3);
    EXPECT_EQ(m.ain + m.aout + m.din + m.dout, 0);
}

TEST_F(LaczeSym, ZapisModulowWynikiSesji)
{
    const TModulyWejWyKonfig m{1, 2, 3, 4};
    struct Przypadek {
        const char *opis;
        char funkcja;
        uint8_t sub;
        int wynik;
        int ramek;
    };
    const Przypadek przypadki[] = {
        {"session open fails: nothing else sent", 'I', 0x81, 8, 1},
        {"block times out, close succeeds: the block's code", 'G', 0x10, 8, 3},
        {"close fails: its code", 'I', 0x82, 8, 3},
    };
    czekajCiszy();
    for (const Przypadek &p : przypadki) {
        SCOPED_TRACE(p.opis);
        pty.wyczyscRamki();
        usterki.dodaj(p.funkcja, p.sub, {RodzajUsterki::BrakOdpowiedzi});
        EXPECT_EQ(lacze->ZapisModulyKvor350(1, trans, m), p.wynik);
        EXPECT_EQ(pty.ramki().size(), size_t(p.ramek));
    }
}

TEST_F(LaczeSym, ZegarUstawiany)
{
    const QDateTime t(QDate(2031, 12, 30), QTime(23, 59, 58));
    ASSERT_EQ(lacze->ZapiszCzaskVOR350(t, 1, trans), 0);
    EXPECT_EQ(sterownik.stan().zegar, t);
    TOdczyty o{};
    ASSERT_EQ(lacze->CzytajStatusKVOR350(1, trans, o), 0);
    EXPECT_EQ(+o.rok, 2031);
    EXPECT_EQ(+o.sekunda, 58);

    usterki.dodaj('G', 0x04, {RodzajUsterki::ZlePotwierdzenie, 'F'});
    EXPECT_EQ(lacze->ZapiszCzaskVOR350(t, 1, trans), 7);
}

TEST_F(LaczeSym, StanBlokady)
{
    struct Przypadek {
        const char *opis;
        bool znaLock;
        bool zablokowany;
        std::optional<Usterka> usterka;
        int wynik;
        bool blokada;
    };
    const Przypadek przypadki[] = {
        {"locked: 8-byte reply", true, true, {}, 0, true},
        {"unlocked", true, false, {}, 0, false},
        {"old firmware", false, true, {}, 217, false},
        {"bad CRC of the 8-byte reply", true, true, Usterka{RodzajUsterki::ZleCRC}, 4, false},
        {"wrong address", true, true, Usterka{RodzajUsterki::ZlyAdres}, 10, false},
        {"no reply", true, true, Usterka{RodzajUsterki::BrakOdpowiedzi}, 8, false},
        {"eighth byte missing", true, true, Usterka{RodzajUsterki::KrotkaOdpowiedz}, 4, false},
        {"leading zero with the minus offset", true, true, Usterka{RodzajUsterki::ZeroNaPoczatku}, 0, true},
    };
    for (const Przypadek &p : przypadki) {
        SCOPED_TRACE(p.opis);
        lacze->UjemneOfesty[0] = p.usterka && p.usterka->rodzaj == RodzajUsterki::ZeroNaPoczatku;
        sterownik.zmien([&](StanSterownika &s) {
            s.znaLock = p.znaLock;
            s.zablokowany = p.zablokowany;
        });
        czekajOdpowiedzi();
        if (p.usterka &&
            (p.usterka->rodzaj == RodzajUsterki::BrakOdpowiedzi || p.usterka->rodzaj == RodzajUsterki::KrotkaOdpowiedz))
            czekajCiszy();
        if (p.usterka)
            usterki.dodaj('G', 0x07, *p.usterka);
        bool blokada = !p.blokada;
        EXPECT_EQ(lacze->CzytajlockKVOR350(1, trans, blokada), p.wynik);
        if (p.wynik == 0) {
            EXPECT_EQ(blokada, p.blokada);
        }
        poczekajNaSym();
    }
}

TEST_F(LaczeSym, OdblokowanieHaslem)
{
    sterownik.zmien([](StanSterownika &s) {
        s.haslo = 4242;
        s.zablokowany = true;
    });
    EXPECT_EQ(lacze->ZapiszUnlockKVOR350(1, trans, 4243), 66);
    EXPECT_TRUE(sterownik.stan().zablokowany);
    EXPECT_EQ(lacze->ZapiszUnlockKVOR350(1, trans, 4242), 0);
    EXPECT_FALSE(sterownik.stan().zablokowany);

    TUstawieniaSterownika u;
    u.ParametryTransmisji = trans;
    EXPECT_EQ(lacze->ZapiszLockKVOR350(u), 0);
    EXPECT_TRUE(sterownik.stan().zablokowany);

    struct Przypadek {
        const char *opis;
        QByteArray odpowiedz;
        int wynik;
    };
    const Przypadek przypadki[] = {
        {"accepted", SterownikSym::zbuduj(1, 'G', 0x08, QByteArray(1, '\x01')), 0},
        {"refused", SterownikSym::zbuduj(1, 'G', 0x08, QByteArray(1, '\x00')), 66},
        {"no data byte", SterownikSym::zbuduj(1, 'G', 0x08, {}), 66},
        {"length field 6", hex("01 47 08 00 06 00 00"), 3},
        {"length field 5", hex("01 47 08 00 05 00 00"), 3},
    };
    for (const Przypadek &p : przypadki) {
        SCOPED_TRACE(p.opis);
        usterki.dodaj('G', 0x08, {RodzajUsterki::Surowa, 0, p.odpowiedz});
        EXPECT_EQ(lacze->ZapiszUnlockKVOR350(1, trans, 4242), p.wynik);
        poczekajNaSym();
    }
}
