// The TCP/IP transport against the simulator's network front: frames byte
// for byte, the retry rule on the fake clock, each fault to its code, every
// section there and back, and the same records as over RS-485.
#include "lacze_sym.h"

#include "bloki_sym.h"
#include "crc.h"
#include "lan_polecenia.h"
#include "lan_polecenia_wspolne.h"
#include "pomocnicze.h"
#include "powtorz.h"
#include "ramka.h"
#include "symulator_tcp.h"
#include "transport.h"
#include "wymiana.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <utility>

namespace {

// What the transport asked of its clients.
struct Nagranie {
    int polaczen = 0;
    std::vector<int> czasyPolaczenia; // connect time-out of each attempt
    std::vector<quint16> porty;
    std::vector<qint64> chwilePolaczen;                   // fake-clock time of each attempt
    std::vector<int> czasyOdczytu;                        // read time-out in force at each read
    std::vector<QByteArray> zapisane;                     // frames, in order
    std::function<void(int)> przedPolaczeniem;            // attempt number from 1
    std::function<void(const QByteArray &)> przedZapisem; // before the frame leaves
};

// Upper bounds of a client's real waits (0: as asked), so that the tests
// of failures do not wait out the real time-outs.
struct Skrot {
    int polaczenieMs = 0;
    int odczytMs = 0;
    int ogranicz(int ms, int granica) const { return granica > 0 ? std::min(ms, granica) : ms; }
};

// The system's client, recording what it is asked (time-outs as asked).
class KlientNagrywany final : public IKlientTcp {
public:
    KlientNagrywany(Nagranie &n, Skrot s) : n_(n), s_(s), k_(nowyKlientTcp()) {}

    bool polacz(const QString &host, quint16 port, int czasMs) override
    {
        ++n_.polaczen;
        n_.czasyPolaczenia.push_back(czasMs);
        n_.porty.push_back(port);
        n_.chwilePolaczen.push_back(zegar().tickMs());
        if (n_.przedPolaczeniem)
            n_.przedPolaczeniem(n_.polaczen);
        return k_->polacz(host, port, s_.ogranicz(czasMs, s_.polaczenieMs));
    }
    bool polaczony() const override { return k_->polaczony(); }
    void ustawCzasOdczytu(int ms) override
    {
        czas_ = ms;
        k_->ustawCzasOdczytu(s_.ogranicz(ms, s_.odczytMs));
    }
    int czasOdczytu() const override { return czas_; }
    void zapisz(const QByteArray &dane) override
    {
        if (n_.przedZapisem)
            n_.przedZapisem(dane);
        n_.zapisane.push_back(dane);
        k_->zapisz(dane);
    }
    QByteArray czytaj(int n) override
    {
        n_.czasyOdczytu.push_back(czas_);
        return k_->czytaj(n);
    }
    QByteArray czytajCoPrzyjdzie() override
    {
        n_.czasyOdczytu.push_back(czas_);
        return k_->czytajCoPrzyjdzie();
    }

private:
    Nagranie &n_;
    const Skrot s_;
    std::unique_ptr<IKlientTcp> k_;
    int czas_ = 0;
};

// Payload byte k of a TCP/IP frame.
uint8_t ladunek(const QByteArray &r, int k) { return uint8_t(r.at(9 + k)); }
bool zera(const QByteArray &r, int od, int doWlacznie)
{
    for (int k = od; k <= doWlacznie; ++k)
        if (ladunek(r, k) != 0)
            return false;
    return true;
}
bool ramkaSesji(const QByteArray &r)
{
    return r.at(5) == 'I' && (uint8_t(r.at(6)) == 0x81 || uint8_t(r.at(6)) == 0x82);
}

std::unique_ptr<TProjektVXTNew> nowyProjekt()
{
    auto p = std::make_unique<TProjektVXTNew>();
    std::memset(p.get(), 0, sizeof *p);
    return p;
}

// Over TCP/IP a digital input's name travels as its first 15 characters.
void nazwyWejscCyfrowychPo15(TProjektVXTNew &p)
{
    for (Tkvor350wejscieDwustanowe &d : p.WejsciaCyfrowe) {
        if (d.nazwa_str[0] > 15) {
            d.nazwa_str[0] = 15;
            d.nazwa_str[16] = 0;
            d.nazwa_array[15] = 0;
        }
    }
}

} // namespace

TEST(Lan, AdresyIDaneLan)
{
    const struct {
        const char *tekst;
        const char *adres;
    } adresy[] = {
        {"192.168.1.10", "192.168.1.10"},
        {" 127.0.0.1 ", "127.0.0.1"},
        {"010.001.000.001", "10.1.0.1"},
        {"255.255.255.255", "255.255.255.255"},
        {"0.0.0.0", ""},
        {"000.0.00.0", ""},
        {"256.1.1.1", ""},
        {"1.2.3", ""},
        {"1.2.3.4.5", ""},
        {"1.2.3.-4", ""},
        {"a.b.c.d", ""},
        {"kvor.local", ""},
        {"::1", ""},
        {"", ""},
    };
    for (const auto &a : adresy)
        EXPECT_EQ(adresLan(QString::fromUtf8(a.tekst)), QString::fromLatin1(a.adres)) << a.tekst;

    const struct {
        int aktywny;
        int numer;
        const char *ip;
        const char *ostrzezenie; // nullptr: passes
    } dane[] = {
        {0, 0, "", nullptr},
        {1, 59999, "10.0.0.1", "Wpisz poprawny numer seryjny! "},
        {1, 300001, "10.0.0.1", "Wpisz poprawny numer seryjny! "},
        {1, 60000, "0.0.0.0", "Wpisz poprawny adres IP "},
        {1, 60000, "10.0.0", "Wpisz poprawny adres IP "},
        {1, 60000, "10.0.0.1", nullptr},
        {1, 300000, "10.0.0.1", nullptr},
    };
    for (const auto &d : dane) {
        SCOPED_TRACE(std::to_string(d.numer) + " " + d.ip);
        KomunikatySkrypt k;
        if (d.ostrzezenie)
            k.oczekuj(RodzajKomunikatu::Ostrzezenie, QString::fromUtf8(d.ostrzezenie));
        TUstawieniaSterownika u;
        u.lan.LAN_ACTIVE = d.aktywny;
        u.lan.NUMER_SERYJNY = d.numer;
        u.lan.LAN_IP = QString::fromLatin1(d.ip);
        EXPECT_EQ(sprawdzDaneLan(u), d.ostrzezenie == nullptr);
        ASSERT_EQ(k.pokazane.size(), d.ostrzezenie ? 1u : 0u);
        if (d.ostrzezenie) {
            EXPECT_EQ(k.pokazane[0].tekst, QString::fromUtf8(d.ostrzezenie));
        }
    }
}

// The table rows below reach into the fixture.
class LanSym : public LaczeSym {
public:
    using LaczeSym::lacze;
    using LaczeSym::sterownik;
    using LaczeSym::usterki;
    using LaczeSym::zegarTestowy;

protected:
    void SetUp() override
    {
        LaczeSym::SetUp();
        QString blad;
        ASSERT_TRUE(tcp.uruchomNaWolnymAdresie(portLan, &blad)) << blad.toStdString();
        ust.lan.LAN_ACTIVE = 1;
        ust.lan.LAN_IP = tcp.adres();
        ust.lan.NUMER_SERYJNY = int(sterownik.stan().numerSeryjny);
        ust.ParametryTransmisji = trans;
        lan.ustawFabrykeKlienta([this] { return std::make_unique<KlientNagrywany>(nagranie, skrot); });
    }
    void TearDown() override
    {
        tcp.zatrzymaj();
        LaczeSym::TearDown();
    }

    std::vector<QByteArray> ramkiBezSesji() const
    {
        std::vector<QByteArray> r;
        for (const QByteArray &f : nagranie.zapisane)
            if (!ramkaSesji(f))
                r.push_back(f);
        return r;
    }

    // What a pause of ms costs on the fake clock.
    qint64 pauza(int ms)
    {
        const qint64 przed = zegarTestowy.przespane;
        czekajMs(ms);
        return zegarTestowy.przespane - przed;
    }

    // Every section, in one write session when `wSesji` (the records go
    // with A_BypassSet73), else each write in a session of its own.
    int wyslijProjekt(const TProjektVXTNew &p, const TProjektDodatkiMycie &m, bool wSesji)
    {
        int w = 0;
        const auto krok = [&](int v) {
            if (w == 0)
                w = v;
        };
        if (wSesji)
            krok(lan.make(2, sesjaZapisu, true, ust));
        for (int i = 0; i < 100; ++i)
            krok(lan.make(3, lanZapisProgramu, i, p.programy[i], wSesji, ust));
        krok(lan.make(3, lanZapisProgramu, 100, p.programyMycie, wSesji, ust));
        for (int s = 1; s <= 32; ++s)
            krok(lan.make(3, lanZapisKroki, s, p.kroki[s], false, wSesji, ust));
        for (int s = 1; s <= 16; ++s)
            krok(lan.make(3, lanZapisKroki, s, p.krokiMycie[s], true, wSesji, ust));
        for (int i = 0; i < 32; ++i)
            krok(lan.make(3, lanZapisPrzekazniki, i, p.przekazniki[i], wSesji, ust));
        krok(lan.make(3, lanZapisPrzekaznikiAlarm, p.przekaznikiAlarmF1F4, wSesji, ust));
        for (int i = 0; i < 14; ++i)
            krok(lan.make(3, lanZapisFunkcjeSpec, i, p.FunkcjeSpec[i], wSesji, ust));
        for (int i = 0; i < 4; ++i)
            krok(lan.make(3, lanZapisWyjsciaAnalogowe, i, p.WyjsciaAn[i], wSesji, ust));
        for (int i = 0; i < 24; ++i) {
            krok(lan.make(3, lanZapisWejsciaAnalogowe, i, p.FWejsciaPomiarowe[i], wSesji, ust));
            if (i == 0 || i == 2)
                krok(lan.make(3, lanZapisWejAnalogAlarmWzgledny, i, p.FWejsciaPomiarowe[i], wSesji, ust));
        }
        for (int i = 0; i < 24; ++i)
            krok(lan.make(3, lanZapisWejsciaCyfrowe, p.WejsciaCyfrowe[i], wSesji, ust));
        for (int i = 0; i < 10; ++i)
            krok(lan.make(3, lanZapisZadana, i, p.zadana[i], wSesji, ust));
        krok(lan.make(3, lanZapisWilgotnosc, p.wilgotnosc, wSesji, ust));
        krok(lan.make(3, lanZapisDodatki, p.dodatki, wSesji, ust));
        krok(lan.make(3, lanZapisUstawieniaMycia, m, wSesji, ust));
        if (wSesji)
            krok(lan.make(3, sesjaZapisu, false, ust));
        return w;
    }

    // Every section; the special modes' numbers set as their callers do.
    int czytajProjekt(TProjektVXTNew &p, TProjektDodatkiMycie &m)
    {
        int w = 0;
        const auto krok = [&](int v) {
            if (w == 0)
                w = v;
        };
        for (int i = 0; i < 100; ++i)
            krok(lan.make(3, lanCzytajProgram, i, p.programy[i], ust));
        krok(lan.make(3, lanCzytajProgram, 100, p.programyMycie, ust));
        for (int s = 1; s <= 32; ++s)
            krok(lan.make(3, lanCzytajKroki, s, p.kroki[s], false, ust));
        for (int s = 1; s <= 16; ++s)
            krok(lan.make(3, lanCzytajKroki, s, p.krokiMycie[s], true, ust));
        for (int i = 0; i < 32; ++i)
            krok(lan.make(3, lanCzytajPrzekazniki, i, p.przekazniki[i], ust));
        for (int i = 0; i < 4; ++i)
            krok(lan.make(3, lanCzytajPrzekaznikiAlarm, i + 1, p.przekaznikiAlarmF1F4[i], ust));
        for (int i = 0; i < 14; ++i) {
            krok(lan.make(3, lanCzytajStany, i, p.FunkcjeSpec[i], ust));
            p.FunkcjeSpec[i].nr_funkcji = i;
        }
        for (int i = 0; i < 4; ++i)
            krok(lan.make(3, lanCzytajWyjsciaAnalogowe, i, p.WyjsciaAn[i], ust));
        for (int i = 0; i < 24; ++i) {
            krok(lan.make(3, lanCzytajWejsciaAnalogowe, i, p.FWejsciaPomiarowe[i], ust));
            if (i == 0 || i == 2)
                krok(lan.make(3, lanCzytajWejAnalogAlarmWzgledny, i, p.FWejsciaPomiarowe[i], ust));
        }
        for (int i = 0; i < 24; ++i) {
            Tkvor350wejscieDwustanowe &d = p.WejsciaCyfrowe[i];
            d.nr_karty = uint8_t(i < 8 ? 0 : 1);
            d.nr_wejscia = uint8_t(i < 8 ? i : i - 8);
            krok(lan.make(3, lanCzytajWejsciaCyfrowe, d, ust));
        }
        for (int i = 0; i < 10; ++i)
            krok(lan.make(ust.lan.count, lanCzytajZadane, i, p.zadana[i], ust));
        krok(lan.make(3, lanCzytajWilgotnosc, p.wilgotnosc, ust));
        krok(lan.make(3, lanCzytajDodatki, p.dodatki, ust));
        krok(lan.make(3, lanCzytajUstawieniaMycia, m, ust));
        return w;
    }

public:
    BlokiSym bloki{sterownik};
    SymulatorTcp tcp{sterownik, usterki};
    TFormLan lan;
    Nagranie nagranie;
    Skrot skrot;
    TUstawieniaSterownika ust;
};

// Fixture for the failures: real waits cut to 500 ms, which still leaves
// the connections and replies that do come room on a busy machine.
class LanUsterki : public LanSym {
protected:
    void SetUp() override
    {
        LanSym::SetUp();
        skrot = {500, 500};
    }
};

// Requests of the commands without long payloads, byte for byte, with the
// read time-out each asks for.
TEST_F(LanSym, RamkiBajtWBajt)
{
    sterownik.zmien([](StanSterownika &s) { s.haslo = 123456; });
    struct Wiersz {
        const char *nazwa;
        std::function<int(LanSym &)> wykonaj;
        const char *ramka;
        int czasOdczytu;
    };
    const std::vector<Wiersz> wiersze = {
        {"controller type",
         [](LanSym &t) {
             QString s;
             return t.lan.make(1, lanCzytajTypSterownika, s, t.ust);
         },
         "40 e2 01 00 01 46 07 00 07 fc 8b", 700},
        {"session open", [](LanSym &t) { return t.lan.make(1, sesjaZapisu, true, t.ust); },
         "40 e2 01 00 01 49 81 00 07 1e 76", 2000},
        {"session close", [](LanSym &t) { return t.lan.make(1, sesjaZapisu, false, t.ust); },
         "40 e2 01 00 01 49 82 00 07 ee 76", 20000},
        {"unlock 123456", [](LanSym &t) { return t.lan.make(1, lanZapiszUnlock, uint32_t(123456), t.ust); },
         "40 e2 01 00 01 47 08 00 09 b4 42 c2 45", 1000},
        {"lock state",
         [](LanSym &t) {
             bool b;
             return t.lan.make(1, lanCzytajLock, b, t.ust);
         },
         "40 e2 01 00 01 47 07 00 07 fd 77", 1000},
        {"live readings, 301 ms",
         [](LanSym &t) {
             TOdczyty o;
             t.ust.ParametryTransmisji.ReadTotalTimeoutConstant = 301;
             return t.lan.make(1, lanCzytajStatus, o, t.ust);
         },
         "40 e2 01 00 01 46 01 00 07 1c 8a", 1000},
        {"live readings, 1500 ms",
         [](LanSym &t) {
             TOdczyty o;
             t.ust.ParametryTransmisji.ReadTotalTimeoutConstant = 1500;
             return t.lan.make(1, lanCzytajStatus, o, t.ust);
         },
         "40 e2 01 00 01 46 01 00 07 1c 8a", 1500},
        // 500 ms later is the next day.
        {"clock 23:59:59.600",
         [](LanSym &t) {
             return t.lan.make(1, lanZapiszCzas, QDateTime(QDate(2023, 4, 11), QTime(23, 59, 59, 600)), t.ust);
         },
         "40 e2 01 00 01 47 04 00 0d 00 00 00 0c 04 17 dd db", 700},
        {"setpoint 3, lan.timeout 2500",
         [](LanSym &t) {
             TKvor350zadana z;
             t.ust.lan.timeout = 2500;
             return t.lan.make(1, lanCzytajZadane, 3, z, t.ust);
         },
         "40 e2 01 00 01 48 0a 00 08 03 a5 dd", 2500},
        {"digital output 33",
         [](LanSym &t) {
             TPrzekaznik p;
             return t.lan.make(1, lanCzytajPrzekazniki, 33, p, t.ust);
         },
         "40 e2 01 00 01 48 04 00 09 01 01 e5 da", 700},
        {"analog output 2",
         [](LanSym &t) {
             TWyjscieAnalogowe a;
             return t.lan.make(1, lanCzytajWyjsciaAnalogowe, 2, a, t.ust);
         },
         "40 e2 01 00 01 48 05 00 09 02 00 19 2a", 700},
        {"relative alarm of input 2",
         [](LanSym &t) {
             TWejscieAnalogowe w;
             return t.lan.make(1, lanCzytajWejAnalogAlarmWzgledny, 2, w, t.ust);
         },
         "40 e2 01 00 01 48 09 00 08 01 24 58", 700},
        {"program 7, part 0",
         [](LanSym &t) {
             TProgram p;
             return t.lan.make(1, lanCzytajProgram, 7, p, t.ust);
         },
         "40 e2 01 00 01 48 0f 00 09 07 00 82 7b", 1000},
    };
    for (const Wiersz &w : wiersze) {
        SCOPED_TRACE(w.nazwa);
        nagranie = Nagranie{};
        ust.ParametryTransmisji = trans;
        ust.lan.timeout = 700;
        EXPECT_EQ(w.wykonaj(*this), 0);
        ASSERT_FALSE(nagranie.zapisane.empty());
        EXPECT_EQ(nagranie.zapisane[0], hex(w.ramka));
        ASSERT_FALSE(nagranie.czasyOdczytu.empty());
        EXPECT_EQ(nagranie.czasyOdczytu[0], w.czasOdczytu);
        EXPECT_EQ(nagranie.czasyPolaczenia, std::vector<int>{czasPolaczeniaLanMs});
        EXPECT_EQ(nagranie.porty, std::vector<quint16>{9901});
    }
}

// Block writes: payload sizes of the TCP/IP side, the bytes that differ
// from the bus and the sessions around them.
TEST_F(LanSym, RamkiZapisu)
{
    const auto jedna = [&](const QByteArray &r, int dlDanych, char komenda, uint8_t sub) {
        ASSERT_EQ(r.size(), dlDanych + 11);
        EXPECT_EQ(r.left(5), hex("40 e2 01 00 01"));
        EXPECT_EQ(r.at(5), komenda);
        EXPECT_EQ(uint8_t(r.at(6)), sub);
        EXPECT_EQ((uint8_t(r.at(7)) << 8) | uint8_t(r.at(8)), dlDanych + 7);
        EXPECT_TRUE(poprawneCRC(r.mid(4)));
    };

    // Washing step 3, inside the caller's session: one frame of 208 bytes.
    nagranie = Nagranie{};
    TKrok krok{};
    krok.nazwa.z[0] = u'K';
    krok.zadane4[0] = 25;
    ASSERT_EQ(lan.make(3, lanZapisKroki, 3, krok, true, true, ust), 0);
    ASSERT_EQ(nagranie.zapisane.size(), 1u);
    jedna(nagranie.zapisane[0], 208, 'I', 0x0B);
    EXPECT_EQ(ladunek(nagranie.zapisane[0], 0), 3);
    EXPECT_EQ(ladunek(nagranie.zapisane[0], 168), 250);
    EXPECT_TRUE(zera(nagranie.zapisane[0], 176, 207));
    EXPECT_EQ(nagranie.czasyOdczytu, std::vector<int>{1000});

    // SETUP: 1024 bytes, length field 1031.
    nagranie = Nagranie{};
    TFunkcjeKvor3 setup{};
    for (int i = 0; i <= 100; ++i)
        setup.F[i] = -i;
    ASSERT_EQ(lan.make(3, lanZapisSetup, setup, ust), 0);
    ASSERT_EQ(nagranie.zapisane.size(), 1u);
    jedna(nagranie.zapisane[0], 1024, 'G', 0x06);
    EXPECT_EQ(nagranie.zapisane[0].mid(7, 2), hex("04 07"));
    EXPECT_EQ(nagranie.zapisane[0].mid(9, 4), hex("ff ff ff ff")); // F[1]; F[0] does not travel
    EXPECT_TRUE(zera(nagranie.zapisane[0], 400, 1023));

    // Setpoint: 72 bytes.
    nagranie = Nagranie{};
    TKvor350zadana z{};
    z.wartosc = 0x1234;
    ASSERT_EQ(lan.make(3, lanZapisZadana, 4, z, true, ust), 0);
    jedna(nagranie.zapisane.at(0), 72, 'I', 0x0A);
    EXPECT_EQ(ladunek(nagranie.zapisane[0], 36), 0x34);
    EXPECT_TRUE(zera(nagranie.zapisane[0], 38, 71));

    // Digital input: 212 bytes; the name is the first 15 characters of
    // nazwa_str, whatever nazwa_array holds.
    nagranie = Nagranie{};
    Tkvor350wejscieDwustanowe di{};
    di.nr_wejscia = 5;
    di.nr_karty = 1;
    di.zasilanie = 1;
    di.alarm_warunek1L = 0x34;
    di.alarm_warunek1H = 0x12;
    di.alarm_warunek2L = 0x78;
    di.alarm_warunek2H = 0x56;
    std::fill(std::begin(di.nazwa_array), std::end(di.nazwa_array), u'#');
    di.nazwa_str[0] = 16;
    for (int i = 1; i <= 16; ++i)
        di.nazwa_str[i] = uint8_t('a' + i - 1);
    di.nazwa_str[1] = 0xA5; // 'Ą' in the one-byte code page
    ASSERT_EQ(lan.make(3, lanZapisWejsciaCyfrowe, di, true, ust), 0);
    const QByteArray r = nagranie.zapisane.at(0);
    jedna(r, 212, 'I', 0x07);
    EXPECT_EQ(r.mid(9, 2), hex("05 01"));
    EXPECT_EQ(r.mid(13, 4), hex("04 01 62 00")); // U+0104, 'b'
    EXPECT_EQ(r.mid(13 + 28, 2), hex("6f 00"));  // the 15th character
    EXPECT_TRUE(zera(r, 34, 35));
    EXPECT_EQ(ladunek(r, 37), 1);
    EXPECT_EQ(r.mid(9 + 172, 4), hex("34 12 78 56"));
    EXPECT_TRUE(zera(r, 176, 211));
    EXPECT_EQ(nagranie.czasyOdczytu, std::vector<int>{2000});

    // Alarm outputs in the caller's session: four frames, each with the
    // record's first 172 bytes, no session frames.
    nagranie = Nagranie{};
    TAlarmyF1F4Array alarmy;
    for (int i = 0; i < 4; ++i) {
        auto *b = reinterpret_cast<uint8_t *>(&alarmy[i]);
        for (size_t k = 0; k < sizeof alarmy[i]; ++k)
            b[k] = uint8_t(17 * i + k);
    }
    ASSERT_EQ(lan.make(3, lanZapisPrzekaznikiAlarm, alarmy, true, ust), 0);
    ASSERT_EQ(nagranie.zapisane.size(), 4u);
    const auto naSterowniku = bloki.projekt();
    for (int i = 0; i < 4; ++i) {
        const QByteArray &f = nagranie.zapisane[size_t(i)];
        jedna(f, 176, 'I', 0x10);
        EXPECT_EQ(f.mid(9, 4), QByteArray(1, char(i)).append(3, '\0'));
        EXPECT_EQ(f.mid(13, 172), QByteArray(reinterpret_cast<const char *>(&alarmy[i]), 172));
        // Taken by the controller as its own layout of this write has it.
        EXPECT_EQ(std::memcmp(&naSterowniku->przekaznikiAlarmF1F4[i], &alarmy[i], 172), 0);
    }
    EXPECT_TRUE(bloki.naruszenia().isEmpty()) << bloki.naruszenia().join("; ").toStdString();

    // Analog output 2: slot bytes [2, 0]; relative alarm of input 2: index 1.
    nagranie = Nagranie{};
    TWyjscieAnalogowe ao{};
    ASSERT_EQ(lan.make(3, lanZapisWyjsciaAnalogowe, 2, ao, true, ust), 0);
    jedna(nagranie.zapisane.at(0), 97, 'I', 0x05);
    EXPECT_EQ(nagranie.zapisane[0].mid(9, 2), hex("02 00"));
    nagranie = Nagranie{};
    TWejscieAnalogowe wej{};
    ASSERT_EQ(lan.make(3, lanZapisWejAnalogAlarmWzgledny, 2, wej, true, ust), 0);
    jedna(nagranie.zapisane.at(0), 176, 'I', 0x09);
    EXPECT_EQ(ladunek(nagranie.zapisane[0], 0), 1);

    // Extra modules and washing settings open their own session even in
    // the caller's; the washing block is 30 bytes.
    for (const bool mycie : {false, true}) {
        SCOPED_TRACE(mycie ? "washing settings" : "extra modules");
        nagranie = Nagranie{};
        const TModulyWejWyKonfig m{1, 2, 3, 4};
        TProjektDodatkiMycie my{};
        my.przekazniki[0] = my.przekazniki[7] = my.przekazniki[31] = 1;
        const int w =
            mycie ? lan.make(3, lanZapisUstawieniaMycia, my, true, ust) : lan.make(3, lanZapisModuly, m, true, ust);
        ASSERT_EQ(w, 0);
        ASSERT_EQ(nagranie.zapisane.size(), 3u);
        EXPECT_EQ(nagranie.zapisane[0], hex("40 e2 01 00 01 49 81 00 07 1e 76"));
        EXPECT_EQ(nagranie.zapisane[2], hex("40 e2 01 00 01 49 82 00 07 ee 76"));
        if (mycie) {
            jedna(nagranie.zapisane[1], 30, 'I', 0x0C);
            EXPECT_EQ(nagranie.zapisane[1].mid(15, 4), hex("81 00 00 80"));
            EXPECT_TRUE(zera(nagranie.zapisane[1], 10, 29));
        } else {
            jedna(nagranie.zapisane[1], 4, 'G', 0x10);
            EXPECT_EQ(nagranie.zapisane[1].mid(9, 4), hex("01 03 02 04")); // ain, din, aout, dout
        }
        EXPECT_EQ(nagranie.czasyOdczytu, (std::vector<int>{2000, mycie ? 1000 : 3000, 20000}));
    }

    // A program: five parts of 412 bytes in its own session.
    nagranie = Nagranie{};
    TProgram pr{};
    pr.nr_prog = 7;
    ASSERT_EQ(lan.make(3, lanZapisProgramu, 3, pr, false, ust), 0);
    const auto bloki = ramkiBezSesji();
    ASSERT_EQ(bloki.size(), 5u);
    for (int p = 0; p < 5; ++p) {
        jedna(bloki[size_t(p)], 412, 'I', 0x0F);
        EXPECT_EQ(bloki[size_t(p)].mid(9, 2), QByteArray(1, char(7)).append(char(p)));
    }
    EXPECT_EQ(nagranie.zapisane.size(), 7u);
}

// A block the controller does not take is a failed write, never an
// acknowledged one: here a block one byte short.
TEST_F(LanUsterki, OdrzuconyBlokToBlad)
{
    const auto krotkiAlarm = +[](IKlientTcp &k, const TUstawieniaSterownika &u) {
        return lan::wyslijBlok(k, u, 0x10, QByteArray(175, '\0'), 1000);
    };
    EXPECT_EQ(lan.make(1, krotkiAlarm, ust), 335);
    EXPECT_EQ(bloki.naruszenia(), QStringList{QStringLiteral("alarm output (TCP/IP): 175 bytes instead of 176")});
}

// A relative alarm exists for inputs 0 and 2 only: nothing travels for any
// other, in either direction.
TEST_F(LanUsterki, AlarmWzglednyTylkoWejsc0I2)
{
    TWejscieAnalogowe w{};
    std::memset(&w.alarm_wzgledny, 0x5A, sizeof w.alarm_wzgledny);
    for (const int nr : {1, 3, -1}) {
        SCOPED_TRACE(nr);
        nagranie = Nagranie{};
        EXPECT_EQ(lan.make(1, lanZapisWejAnalogAlarmWzgledny, nr, w, false, ust), 200);
        EXPECT_EQ(lan.make(1, lanCzytajWejAnalogAlarmWzgledny, nr, w, ust), 200);
        EXPECT_TRUE(nagranie.zapisane.empty());
        const vxt_alarm_konfiguracja_t zero{};
        EXPECT_EQ(std::memcmp(&w.alarm_wzgledny, &zero, sizeof zero), 0);
        std::memset(&w.alarm_wzgledny, 0x5A, sizeof w.alarm_wzgledny);
    }
    EXPECT_EQ(sterownik.stan().ileSesji, 0);
}

// A new connection per attempt, the pause after every failed one (the last
// one too), the last callback's code, and inProgress around it all.
TEST_F(LanUsterki, PowtorzeniaIPrzerwy)
{
    const qint64 p = pauza(przerwaLanMs);
    ASSERT_GE(p, przerwaLanMs);
    struct Wiersz {
        const char *nazwa;
        std::function<void(LanSym &)> przygotuj;
        int proby;
        int wynik;
        int polaczen;
        int przerw;
    };
    const std::vector<Wiersz> wiersze = {
        {"refused, 3 attempts", [](LanSym &t) { t.tcp.ustawTryb(SymulatorTcp::Tryb::Odmowa); }, 3, 200, 3, 3},
        {"silent once, then answers", [](LanSym &t) { t.usterki.dodaj('F', 0x06, {RodzajUsterki::BrakOdpowiedzi}); }, 3,
         0, 2, 1},
        {"never answers",
         [](LanSym &t) { t.usterki.dodaj('F', 0x06, {RodzajUsterki::BrakOdpowiedzi}, PlanUsterek::zawsze); }, 3, 335, 3,
         3},
        {"335, then no connection keeps 335",
         [](LanSym &t) {
             t.usterki.dodaj('F', 0x06, {RodzajUsterki::BrakOdpowiedzi});
             t.nagranie.przedPolaczeniem = [&t](int nr) {
                 if (nr == 2)
                     t.tcp.ustawTryb(SymulatorTcp::Tryb::Odmowa);
             };
         },
         2, 335, 2, 2},
        {"dropped on the first attempt", [](LanSym &t) { t.tcp.zerwijPrzyOdpowiedzi(1); }, 2, 0, 2, 1},
        {"one attempt, answered", [](LanSym &) {}, 1, 0, 1, 0},
        {"settings-file default address", [](LanSym &t) { t.ust.lan.LAN_IP = QStringLiteral("0.0.0.0"); }, 3, 200, 0,
         0},
        {"no address at all", [](LanSym &t) { t.ust.lan.LAN_IP = QStringLiteral("kvor.local"); }, 3, 200, 0, 0},
    };
    for (const Wiersz &w : wiersze) {
        SCOPED_TRACE(w.nazwa);
        nagranie = Nagranie{};
        usterki.wyczysc();
        tcp.ustawTryb(SymulatorTcp::Tryb::Normalny);
        ust.lan.LAN_IP = tcp.adres();
        w.przygotuj(*this);
        bool wTokuPrzyPolaczeniu = true;
        const auto hak = nagranie.przedPolaczeniem;
        nagranie.przedPolaczeniem = [&](int nr) {
            wTokuPrzyPolaczeniu = wTokuPrzyPolaczeniu && lan.inProgress();
            if (hak)
                hak(nr);
        };
        const qint64 przed = zegarTestowy.przespane;
        TFunkcjeKvor3 s{};
        EXPECT_EQ(lan.make(w.proby, lanCzytajSetup, s, ust), w.wynik);
        EXPECT_EQ(nagranie.polaczen, w.polaczen);
        EXPECT_EQ(zegarTestowy.przespane - przed, w.przerw * p);
        for (size_t i = 1; i < nagranie.chwilePolaczen.size(); ++i)
            EXPECT_EQ(nagranie.chwilePolaczen[i] - nagranie.chwilePolaczen[i - 1], p);
        EXPECT_TRUE(wTokuPrzyPolaczeniu);
        EXPECT_FALSE(lan.inProgress());
    }
}

// inProgress counts: a make inside a kept connection's stream, and a make
// inside another make, leave it set until the outermost one ends.
TEST_F(LanUsterki, WTokuZagniezdzone)
{
    std::unique_ptr<IKlientTcp> strumien;
    ASSERT_EQ(lan.make_START(strumien, ust), 0);
    ASSERT_TRUE(strumien);
    EXPECT_EQ(strumien->czasOdczytu(), czasOdczytuStrumieniaMs);
    EXPECT_TRUE(lan.inProgress());
    bool b = false;
    EXPECT_EQ(lan.make(1, lanCzytajLock, b, ust), 0);
    EXPECT_TRUE(lan.inProgress());

    bool wTokuPoWewnetrznym = false;
    bool zewnetrzny = true;
    nagranie.przedPolaczeniem = [&](int) {
        if (std::exchange(zewnetrzny, false)) {
            QString typ;
            lan.make(1, lanCzytajTypSterownika, typ, ust);
            wTokuPoWewnetrznym = lan.inProgress();
        }
    };
    EXPECT_EQ(lan.make(1, lanCzytajLock, b, ust), 0);
    EXPECT_TRUE(wTokuPoWewnetrznym);
    EXPECT_TRUE(lan.inProgress());
    EXPECT_EQ(lan.make_END(strumien), 0);
    EXPECT_FALSE(strumien);
    EXPECT_FALSE(lan.inProgress());

    // A stream that cannot start: 200, no client, one pause, not in progress.
    tcp.ustawTryb(SymulatorTcp::Tryb::Odmowa);
    const qint64 p = pauza(przerwaLanMs);
    const qint64 przed = zegarTestowy.przespane;
    EXPECT_EQ(lan.make_START(strumien, ust), 200);
    EXPECT_FALSE(strumien);
    EXPECT_FALSE(lan.inProgress());
    EXPECT_EQ(zegarTestowy.przespane - przed, p);
}

// Each fault to its code, one attempt each.
TEST_F(LanUsterki, UsterkiDajaSwojeKody)
{
    struct Wiersz {
        const char *nazwa;
        std::function<void(LanSym &)> przygotuj;
        std::function<int(LanSym &)> wykonaj;
        int wynik;
    };
    const auto setup = [](LanSym &t) {
        TFunkcjeKvor3 s{};
        return t.lan.make(1, lanCzytajSetup, s, t.ust);
    };
    const auto typ = [](LanSym &t) {
        QString s = QStringLiteral("bez zmian");
        const int w = t.lan.make(1, lanCzytajTypSterownika, s, t.ust);
        EXPECT_EQ(s, w == 0 ? QStringLiteral("kvor350") : QStringLiteral("bez zmian"));
        return w;
    };
    const auto odczyty = [](LanSym &t) {
        TOdczyty o;
        std::memset(&o, 0x11, sizeof o);
        const int w = t.lan.make(1, lanCzytajStatus, o, t.ust);
        if (w != 0) {
            TOdczyty zero;
            std::memset(&zero, 0, sizeof zero);
            EXPECT_EQ(std::memcmp(&o, &zero, sizeof o), 0);
        }
        return w;
    };
    const auto blokada = [](LanSym &t) {
        bool b = false;
        return t.lan.make(1, lanCzytajLock, b, t.ust);
    };
    const auto krotka = [](char f, uint8_t sub) {
        return [=](LanSym &t) { t.usterki.dodaj(f, sub, {RodzajUsterki::KrotkaOdpowiedz}, PlanUsterek::zawsze); };
    };
    const auto zlyNumer = [](LanSym &t) { ++t.ust.lan.NUMER_SERYJNY; };
    const std::vector<Wiersz> wiersze = {
        {"connection refused", [](LanSym &t) { t.tcp.ustawTryb(SymulatorTcp::Tryb::Odmowa); }, setup, 200},
        {"listener never accepts", [](LanSym &t) { t.tcp.ustawTryb(SymulatorTcp::Tryb::BezAkceptacji); }, setup, 200},
        {"dropped mid-reply, SETUP", [](LanSym &t) { t.tcp.zerwijPrzyOdpowiedzi(); }, setup, 335},
        {"dropped mid-reply, live readings", [](LanSym &t) { t.tcp.zerwijPrzyOdpowiedzi(); }, odczyty, 334},
        {"dropped mid-reply, lock state", [](LanSym &t) { t.tcp.zerwijPrzyOdpowiedzi(); }, blokada, 335},
        {"wrong serial number, SETUP", zlyNumer, setup, 335},
        {"wrong serial number, controller type", zlyNumer, typ, 334},
        {"short reply, SETUP", krotka('F', 0x06), setup, 335},
        {"short reply, controller type", krotka('F', 0x07), typ, 334},
        {"short reply, live readings", krotka('F', 0x01), odczyty, 334},
        {"short reply, lock state", krotka('G', 0x07), blokada, 335},
        {"unlock refused", [](LanSym &t) { t.sterownik.zmien([](StanSterownika &s) { s.haslo = 1; }); },
         [](LanSym &t) { return t.lan.make(1, lanZapiszUnlock, uint32_t(2), t.ust); }, 66},
        {"clock set, no reply", [](LanSym &t) { t.usterki.dodaj('G', 0x04, {RodzajUsterki::BrakOdpowiedzi}); },
         [](LanSym &t) { return t.lan.make(1, lanZapiszCzas, QDateTime::currentDateTime(), t.ust); }, 335},
        {"clock set, short reply", krotka('G', 0x04),
         [](LanSym &t) { return t.lan.make(1, lanZapiszCzas, QDateTime::currentDateTime(), t.ust); }, 0},
        {"answered", [](LanSym &) {}, typ, 0},
    };
    for (const Wiersz &w : wiersze) {
        SCOPED_TRACE(w.nazwa);
        nagranie = Nagranie{};
        usterki.wyczysc();
        tcp.zerwijPrzyOdpowiedzi(0);
        tcp.ustawTryb(SymulatorTcp::Tryb::Normalny);
        ust.lan.NUMER_SERYJNY = int(sterownik.stan().numerSeryjny);
        w.przygotuj(*this);
        EXPECT_EQ(w.wykonaj(*this), w.wynik);
        EXPECT_EQ(nagranie.polaczen, 1);
        EXPECT_EQ(nagranie.czasyPolaczenia, std::vector<int>{czasPolaczeniaLanMs});
    }
}

// The lock state over TCP/IP waits for exactly 8 bytes within 1000 ms. The
// 7-byte "unknown command" frame of a controller without the lock is a
// read that timed out (335), not the 217 of RS-485, and the flag keeps its
// value.
TEST_F(LanUsterki, BlokadaZSiedmiuBajtow)
{
    sterownik.zmien([](StanSterownika &s) { s.znaLock = false; });
    for (const bool przed : {false, true}) {
        nagranie = Nagranie{};
        bool b = przed;
        EXPECT_EQ(lan.make(1, lanCzytajLock, b, ust), 335);
        EXPECT_EQ(b, przed);
        EXPECT_EQ(nagranie.czasyOdczytu, std::vector<int>{1000});
    }
    const auto ramki = tcp.ramki();
    ASSERT_FALSE(ramki.empty());
    EXPECT_EQ(ramki.back(), hex("40 e2 01 00 01 47 07 00 07 fd 77"));
}

// The session callback waits 500 ms after a failed read; a failed block
// frame leaves the session it opened open.
TEST_F(LanUsterki, SesjaPoNieudanymOdczycie)
{
    usterki.dodaj('I', 0x82, {RodzajUsterki::BrakOdpowiedzi});
    const qint64 pauzy = pauza(500) + pauza(przerwaLanMs);
    const qint64 przed = zegarTestowy.przespane;
    EXPECT_EQ(lan.make(1, sesjaZapisu, false, ust), 335);
    EXPECT_EQ(zegarTestowy.przespane - przed, pauzy);

    // The third program part is not acknowledged: no fourth, no fifth, no
    // closing frame.
    nagranie = Nagranie{};
    nagranie.przedZapisem = [this](const QByteArray &r) {
        if (r.at(5) == 'I' && uint8_t(r.at(6)) == 0x0F && ladunek(r, 1) == 2)
            usterki.dodaj('I', 0x0F, {RodzajUsterki::BrakOdpowiedzi});
    };
    TProgram pr{};
    pr.nr_prog = 4;
    EXPECT_EQ(lan.make(1, lanZapisProgramu, 4, pr, false, ust), 335);
    ASSERT_EQ(nagranie.zapisane.size(), 4u);
    EXPECT_TRUE(ramkaSesji(nagranie.zapisane[0]));
    EXPECT_TRUE(sterownik.stan().sesjaOtwarta);
}

// A failed program read keeps the parts read before it; the rest stays 0.
TEST_F(LanUsterki, ProgramPrzerwanyNaCzesci2)
{
    auto wzor = nowyProjekt();
    TProjektDodatkiMycie wzorMycie;
    BlokiSym::przykladowy(*wzor, wzorMycie, 3);
    bloki.ustaw(*wzor, wzorMycie);
    nagranie.przedZapisem = [this](const QByteArray &r) {
        if (r.at(5) == 'H' && ladunek(r, 1) == 2)
            usterki.dodaj('H', 0x0F, {RodzajUsterki::KrotkaOdpowiedz});
    };
    TProgram pr;
    std::memset(&pr, 0x33, sizeof pr);
    EXPECT_EQ(lan.make(1, lanCzytajProgram, 9, pr, ust), 335);
    const TProgram &w = wzor->programy[9];
    EXPECT_EQ(std::memcmp(&pr.nazwa, &w.nazwa, sizeof pr.nazwa), 0);
    EXPECT_EQ(pr.nr_prog, 9);
    EXPECT_EQ(std::memcmp(pr.cykle, w.cykle, 20 * sizeof(TCyklProgramu)), 0);
    const std::vector<char> zera(30 * sizeof(TCyklProgramu), 0);
    EXPECT_EQ(std::memcmp(pr.cykle + 20, zera.data(), zera.size()), 0);
}

// Commands without section data decoded from the simulator's replies.
TEST_F(LanSym, PoleceniaUrzadzenia)
{
    // Live readings: the version takes all four bytes over TCP/IP.
    QByteArray d(164, '\0');
    d[0] = 0x01, d[1] = 0x02, d[2] = 0x03, d[3] = 0x04, d[4] = 3;
    const char data[] = {11, 4, 23, 10, 15, 0, 0x34, 0x12};
    d.replace(96, 8, QByteArray(data, 8));
    usterki.dodaj('F', 0x01, {RodzajUsterki::Surowa, 0, SterownikSym::zbuduj(1, 'F', 0x01, d)});
    TOdczyty o;
    ASSERT_EQ(lan.make(1, lanCzytajStatus, o, ust), 0);
    EXPECT_EQ(+o.wersja, 0x04030201);
    EXPECT_EQ(+o.stan1, 3);
    EXPECT_EQ(+o.rok, 2023);
    EXPECT_EQ(+o.miesiac, 4);
    EXPECT_EQ(+o.dzien, 11);
    EXPECT_EQ(+o.godzina, 10);
    EXPECT_EQ(+o.minuta, 15);
    EXPECT_EQ(+o.sekunda, 0);
    EXPECT_EQ(+o.wersjaProtokolu, 0x1234);

    // Lock state and unlock.
    sterownik.zmien([](StanSterownika &s) {
        s.zablokowany = true;
        s.haslo = 4711;
    });
    bool zablokowany = false;
    ASSERT_EQ(lan.make(4, lanCzytajLock, zablokowany, ust), 0);
    EXPECT_TRUE(zablokowany);
    EXPECT_EQ(lan.make(1, lanZapiszUnlock, uint32_t(4711), ust), 0);
    ASSERT_EQ(lan.make(1, lanCzytajLock, zablokowany, ust), 0);
    EXPECT_FALSE(zablokowany);

    // SETUP there and back; F[0] is neither sent nor read.
    TFunkcjeKvor3 setup{};
    for (int i = 1; i <= 100; ++i)
        setup.F[i] = i * 1000 - 50000;
    ASSERT_EQ(lan.make(3, lanZapisSetup, setup, ust), 0);
    TFunkcjeKvor3 odczyt{};
    odczyt.F[0] = 77;
    ASSERT_EQ(lan.make(3, lanCzytajSetup, odczyt, ust), 0);
    EXPECT_EQ(odczyt.F[0], 77);
    EXPECT_EQ(std::memcmp(odczyt.F + 1, setup.F + 1, 100 * sizeof(int32_t)), 0);

    // Extra modules there and back.
    const TModulyWejWyKonfig m{0x0F, 0x01, 0x03, 0x07};
    ASSERT_EQ(lan.make(3, lanZapisModuly, m, false, ust), 0);
    TModulyWejWyKonfig mo{9, 9, 9, 9};
    ASSERT_EQ(lan.make(3, lanCzytajModuly, mo, ust), 0);
    EXPECT_EQ(std::memcmp(&mo, &m, sizeof m), 0);

    // The clock gets the time plus 500 ms.
    ASSERT_EQ(lan.make(1, lanZapiszCzas, QDateTime(QDate(2024, 2, 28), QTime(13, 14, 15, 700)), ust), 0);
    EXPECT_EQ(sterownik.stan().zegar, QDateTime(QDate(2024, 2, 28), QTime(13, 14, 16)));

    // Only the module write opens a session; SETUP goes without one, as
    // over RS-485.
    const StanSterownika s = sterownik.stan();
    EXPECT_EQ(s.ileSesji, 1);
    EXPECT_EQ(s.zapisyPozaSesja, 1);
}

// Firmware and logo pages on one kept connection, graphics pages on one
// connection each, and the commits.
TEST_F(LanSym, StronyAktualizacji)
{
    QByteArray plik(3 * 512 + 100, '\0');
    for (qsizetype i = 0; i < plik.size(); ++i)
        plik[i] = char(i * 7 + 3);
    const int stron = int((plik.size() + 511) / 512);
    const auto strona = [&](int nr) { return plik.mid(nr * 512, 512).leftJustified(512, '\0'); };
    const uint16_t crc = obliczCRC16(plik, plik.size());

    std::unique_ptr<IKlientTcp> k;
    ASSERT_EQ(lan.make_START(k, ust), 0);
    for (int nr = 0; nr < stron; ++nr) {
        ASSERT_EQ(wyslijStroneFirmware(*k, nr, 512, strona(nr), ust), 0);
        ASSERT_EQ(wyslijStroneLogo(*k, nr, 512, strona(nr), ust), 0);
    }
    EXPECT_EQ(lan.make_END(k), 0);
    EXPECT_EQ(nagranie.polaczen, 1);
    EXPECT_EQ(nagranie.czasyOdczytu, std::vector<int>(size_t(2 * stron), czasOdczytuStrumieniaMs));
    ASSERT_EQ(lan.make(5, lanZapisFirmwareCrc, crc, int(plik.size()), ust), 0);
    EXPECT_EQ(bloki.firmware().zatwierdzony, plik);
    EXPECT_EQ(bloki.logo(), plik.leftJustified(stron * 512, '\0'));

    nagranie = Nagranie{};
    for (int nr = 0; nr < stron; ++nr)
        ASSERT_EQ(lan.make(5, lanZapisGrafikaPage, nr, 512, strona(nr), ust), 0);
    ASSERT_EQ(lan.make(5, lanZapisGrafikaCrc, crc, int(plik.size()), ust), 0);
    EXPECT_EQ(nagranie.polaczen, stron + 1);
    EXPECT_EQ(nagranie.czasyOdczytu.back(), 20000);
    EXPECT_EQ(bloki.grafika().zatwierdzony, plik);
    ASSERT_EQ(nagranie.zapisane.size(), size_t(stron + 1));
    EXPECT_EQ(nagranie.zapisane[0].size(), 514 + 11);
    QByteArray koniec;
    koniec.append(char(crc & 0xFF)).append(char(crc >> 8));
    koniec += liczbaNaTekst4(int32_t(plik.size()));
    EXPECT_EQ(nagranie.zapisane.back().mid(9, 6), koniec);
}

// Every section written and read back over TCP/IP.
TEST_F(LanSym, CalyProjektTamIZPowrotem)
{
    // Read: the simulator holds the project.
    auto wzor = nowyProjekt();
    TProjektDodatkiMycie wzorMycie;
    BlokiSym::przykladowy(*wzor, wzorMycie, 21);
    bloki.ustaw(*wzor, wzorMycie);
    auto odczyt = nowyProjekt();
    TProjektDodatkiMycie odczytMycie{};
    ASSERT_EQ(czytajProjekt(*odczyt, odczytMycie), 0);
    EXPECT_EQ(std::memcmp(odczyt.get(), wzor.get(), sizeof *wzor), 0);
    EXPECT_EQ(std::memcmp(&odczytMycie, &wzorMycie, sizeof wzorMycie), 0);

    // Write, in one session and with a session per record.
    for (const bool wSesji : {true, false}) {
        SCOPED_TRACE(wSesji ? "one session" : "session per record");
        bloki.ustaw(*nowyProjekt(), TProjektDodatkiMycie{});
        sterownik.zmien([](StanSterownika &s) { s.ileSesji = 0; });
        auto inny = nowyProjekt();
        TProjektDodatkiMycie innyMycie;
        BlokiSym::przykladowy(*inny, innyMycie, wSesji ? 22 : 23);
        ASSERT_EQ(wyslijProjekt(*inny, innyMycie, wSesji), 0) << bloki.naruszenia().join("; ").toStdString();
        nazwyWejscCyfrowychPo15(*inny);
        EXPECT_EQ(std::memcmp(bloki.projekt().get(), inny.get(), sizeof *inny), 0);
        const TProjektDodatkiMycie m = bloki.mycie();
        EXPECT_EQ(std::memcmp(&m, &innyMycie, sizeof m), 0);
        const StanSterownika s = sterownik.stan();
        EXPECT_EQ(s.zapisyPozaSesja, 0);
        EXPECT_FALSE(s.sesjaOtwarta);
        // The washing settings open their own session in either case.
        EXPECT_EQ(s.ileSesji, wSesji ? 2 : 101 + 48 + 32 + 1 + 14 + 4 + 26 + 24 + 10 + 3);
    }
}

// The same controller read over RS-485 and over TCP/IP gives the same records.
TEST_F(LanSym, ObaLaczaTeSameRekordy)
{
    auto wzor = nowyProjekt();
    TProjektDodatkiMycie wzorMycie;
    BlokiSym::przykladowy(*wzor, wzorMycie, 31);
    bloki.ustaw(*wzor, wzorMycie);
    sterownik.zmien([](StanSterownika &s) {
        for (int i = 1; i <= 100; ++i)
            SterownikSym::ustawSetup(s, i, i * 37 - 1000);
        s.moduly = {3, 5, 7, 9};
        s.odczyty.stan = 2;
        s.odczyty.nr_prog = 12;
        s.odczyty.minutyCyklu = 91;
        s.odczyty.zadTempKom = -55;
    });

    ustawFkomunikacja(lacze.get());
    const TParamTrans t = ust.ParametryTransmisji;
    auto rs = nowyProjekt();
    TProjektDodatkiMycie rsMycie{};
    TOdczyty rsOdczyty{};
    int w = 0;
    const auto krok = [&](int v) {
        if (w == 0)
            w = v;
    };
    for (int i = 0; i < 100; ++i)
        krok(powtorzCzytajProgram(rs->programy[i], i, ust));
    krok(powtorzCzytajProgram(rs->programyMycie, 100, ust));
    for (int s = 1; s <= 32; ++s)
        krok(powtorzCzytajKomKroki(rs->kroki[s], s, 1, false, t));
    for (int s = 1; s <= 16; ++s)
        krok(powtorzCzytajKomKroki(rs->krokiMycie[s], s, 1, true, t));
    for (int i = 0; i < 32; ++i)
        krok(powtorzCzytajKomPrzekazniki(rs->przekazniki[i], i, 1, t));
    for (int i = 0; i < 4; ++i)
        krok(powtorzCzytajPrzekaznikiAlarm(rs->przekaznikiAlarmF1F4[i], i + 1, 1, t));
    for (int i = 0; i < 14; ++i)
        krok(powtorzCzytajKomStany(rs->FunkcjeSpec[i], i, 1, t));
    for (int i = 0; i < 4; ++i)
        krok(powtorzCzytajKomWyjsciaAnalogowe(rs->WyjsciaAn[i], i, 1, t));
    for (int i = 0; i < 24; ++i) {
        krok(powtorzCzytajWejsciaAnalogowe(rs->FWejsciaPomiarowe[i], i, 1, t));
        if (i == 0 || i == 2) {
            vxt_alarm_konfiguracja_t a;
            krok(powtorzCzytajWejAnalogAlarmWzgledny(i, a, 1, t));
            rs->FWejsciaPomiarowe[i].alarm_wzgledny = a;
        }
    }
    for (int i = 0; i < 24; ++i) {
        Tkvor350wejscieDwustanowe &d = rs->WejsciaCyfrowe[i];
        d.nr_karty = uint8_t(i < 8 ? 0 : 1);
        d.nr_wejscia = uint8_t(i < 8 ? i : i - 8);
        krok(powtorzCzytajWejsciaCyfrowe(d, 1, t));
    }
    for (int i = 0; i < 10; ++i)
        krok(powtorzCzytajZadane(rs->zadana[i], i, 1, t));
    krok(powtorzCzytajWilgotnosc(rs->wilgotnosc, 1, t));
    krok(powtorzCzytajDodatki(rs->dodatki, 1, t));
    krok(powtorzCzytajKomUstawieniaMycia(rsMycie, 1, t));
    krok(powtorzCzytajKomSetup(1, t, rs->Setup));
    krok(powtorzCzytajModuly(1, t, rs->modulyWeWyjKonf));
    krok(powtorzCzytajStatus(1, t, rsOdczyty));
    ustawFkomunikacja(nullptr);
    ASSERT_EQ(w, 0);

    auto tcpProjekt = nowyProjekt();
    TProjektDodatkiMycie tcpMycie{};
    TOdczyty tcpOdczyty{};
    ASSERT_EQ(czytajProjekt(*tcpProjekt, tcpMycie), 0);
    ASSERT_EQ(lan.make(3, lanCzytajSetup, tcpProjekt->Setup, ust), 0);
    ASSERT_EQ(lan.make(3, lanCzytajModuly, tcpProjekt->modulyWeWyjKonf, ust), 0);
    ASSERT_EQ(lan.make(4, lanCzytajStatus, tcpOdczyty, ust), 0);

    EXPECT_EQ(std::memcmp(rs.get(), tcpProjekt.get(), sizeof *rs), 0);
    wzor->Setup = rs->Setup;
    wzor->modulyWeWyjKonf = rs->modulyWeWyjKonf;
    EXPECT_EQ(std::memcmp(rs.get(), wzor.get(), sizeof *rs), 0);
    EXPECT_EQ(std::memcmp(&rsMycie, &tcpMycie, sizeof rsMycie), 0);
    EXPECT_EQ(std::memcmp(&rsOdczyty, &tcpOdczyty, sizeof rsOdczyty), 0);
    EXPECT_EQ(tcpOdczyty.GodzinaCyklu, 1);
    EXPECT_EQ(tcpOdczyty.MinutaCyklu, 31);
}

// The client's waits (connect, read) keep the windows alive and count as
// an exchange in progress; a negative read time-out waits for nothing.
TEST_F(LanUsterki, CzekanieKlientaPrzetwarzaZdarzenia)
{
    auto k = nowyKlientTcp();
    {
        const PrzetworzeniaWWymianie p(zegarTestowy);
        ASSERT_TRUE(k->polacz(tcp.adres(), portLan, 2000));
        usterki.dodaj('F', 0x06, {RodzajUsterki::BrakOdpowiedzi});
        k->ustawCzasOdczytu(300);
        wyslijRamkeLan(uint32_t(ust.lan.NUMER_SERYJNY), 'F', 0x06, {}, *k);
        EXPECT_THROW(k->czytaj(1031), BladOdczytuTcp);
        EXPECT_GE(p.ile, 5);
        EXPECT_TRUE(p.wWymianie);
    }
    {
        const PrzetworzeniaWWymianie p(zegarTestowy);
        tcp.ustawTryb(SymulatorTcp::Tryb::BezAkceptacji);
        EXPECT_FALSE(nowyKlientTcp()->polacz(tcp.adres(), portLan, 300));
        EXPECT_GE(p.ile, 5);
        EXPECT_TRUE(p.wWymianie);
    }
    EXPECT_FALSE(wymianaWToku());

    k->ustawCzasOdczytu(-1);
    EXPECT_EQ(k->czasOdczytu(), 0);
    EXPECT_THROW(k->czytaj(1), BladOdczytuTcp);
}

// The one transport choice: 0 RS-485, 1 TCP/IP, anything else neither;
// what either raises is that transport's failed exchange.
TEST(Transport, WyborZRekordu)
{
    TFormLan lan;
    struct Wiersz {
        int aktywny;
        bool zRunnerem;
        bool rzuca;
        int wynik;
    } const wiersze[] = {
        {0, true, false, 10},           {1, true, false, 20},  {1, false, false, kodLanBrakPolaczenia},
        {2, true, false, -1},           {-1, true, false, -1}, {0, true, true, kodRs485Wyjatek},
        {1, true, true, kodLanWyjatek},
    };
    for (const Wiersz &w : wiersze) {
        SCOPED_TRACE(std::to_string(w.aktywny) + (w.zRunnerem ? " runner" : "") + (w.rzuca ? " throws" : ""));
        ustawFormLan(w.zRunnerem ? &lan : nullptr);
        TUstawieniaSterownika u;
        u.lan.LAN_ACTIVE = w.aktywny;
        int rs = 0, przezLan = 0;
        const int wynik = przezTransport(
            u,
            [&] {
                ++rs;
                if (w.rzuca)
                    throw std::runtime_error("rs");
                return 10;
            },
            [&](TFormLan &f) {
                ++przezLan;
                EXPECT_EQ(&f, &lan);
                if (w.rzuca)
                    throw std::runtime_error("lan");
                return 20;
            });
        EXPECT_EQ(wynik, w.wynik);
        EXPECT_EQ(rs, w.aktywny == 0 ? 1 : 0);
        EXPECT_EQ(przezLan, w.aktywny == 1 && w.zRunnerem ? 1 : 0);
        EXPECT_EQ(transport(u), w.aktywny == 0   ? TTransport::Rs485
                                : w.aktywny == 1 ? TTransport::Lan
                                                 : TTransport::Brak);
    }
    ustawFormLan(nullptr);
}
