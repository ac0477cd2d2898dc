// The retrying facade against the simulator: every facade's time-out and
// attempt count, the pause after each failed attempt, the stop codes.
#include "lacze_sym.h"

#include "bloki_sym.h"
#include "crc.h"
#include "powtorz.h"
#include "wymiana.h"

#include <climits>

#include <cstring>

namespace {

constexpr int bezZmiany = -1;
constexpr int dowolnyBlad = -1; // the lock-state read returns a computed CRC
constexpr int czasPrzed = 77;   // the port's time-out before each call

struct Fasada {
    const char *nazwa;
    std::function<int()> wywolaj;
    char funkcja; // the command frame whose reply is spoiled
    uint8_t podkomenda;
    int czas; // the port's time-out afterwards
    int proby;
    int kodBledu;         // of a reply with a bad CRC
    int ramekUdanych = 1; // command frames of a successful attempt
};

} // namespace

class PowtorzSym : public LaczeSym {
protected:
    void SetUp() override
    {
        LaczeSym::SetUp();
        zapamietanyCzas = timeoutStand;
        zapamietaneProby = iloscPowtorzen;
        // Every fault here is a complete reply: the time-outs are never
        // waited out, and leave a busy machine room to answer.
        timeoutStand = 3000;
        iloscPowtorzen = 3;
        trans.ReadTotalTimeoutConstant = 2500;
        trans.IlePowtorzen = 2;
        ust.adresRS = 1;
        ust.ParametryTransmisji = trans;
        ustawFkomunikacja(lacze.get());
    }
    void TearDown() override
    {
        ustawFkomunikacja(nullptr);
        timeoutStand = zapamietanyCzas;
        iloscPowtorzen = zapamietaneProby;
        LaczeSym::TearDown();
    }

    // Counting starts here: the frames and the pauses.
    void odNowa()
    {
        pty.wyczyscRamki();
        przespanePrzed = zegarTestowy.przespane;
    }
    // What the fake clock slept since odNowa() beyond the 10 ms each frame's
    // exchange begins with: the pauses after failed attempts.
    qint64 pauzyMs() const { return zegarTestowy.przespane - przespanePrzed - 10 * qint64(pty.ramki().size()); }

    std::vector<QByteArray> ramkiPolecenia(char f, uint8_t sub) const
    {
        std::vector<QByteArray> r;
        for (const QByteArray &x : pty.ramki())
            if (x.at(1) == f && uint8_t(x.at(2)) == sub)
                r.push_back(x);
        return r;
    }

    // Every facade, each call self-contained.
    std::vector<Fasada> fasady()
    {
        const int S = timeoutStand, N = iloscPowtorzen;
        const int R = trans.ReadTotalTimeoutConstant, RN = trans.IlePowtorzen;
        const TParamTrans t = trans;
        const TUstawieniaSterownika u = ust;
        auto *p = &rekordy;
        return {
            {"otworzSesjeZapisu", [u] { return otworzSesjeZapisu(u); }, 'I', 0x81, S, N, 4},
            {"zamknijSesjeZapisu", [u] { return zamknijSesjeZapisu(u); }, 'I', 0x82, S, N, 4},
            {"powtorzCzytajProgram", [=] { return powtorzCzytajProgram(p->pr, 3, u); }, 'H', 0x0F, S, N, 4, 5},
            {"powtorzZapisKomProgramu", [=] { return powtorzZapisKomProgramu(p->pr, 3, u, false); }, 'I', 0x0F, S, N,
             kodBleduCzesciProgramu, 5},
            {"powtorzCzytajKomKroki", [=] { return powtorzCzytajKomKroki(p->kr, 2, 1, false, t); }, 'H', 0x02, S, N, 4},
            {"powtorzZapisKomKroki", [=] { return powtorzZapisKomKroki(p->kr, 2, 1, t, false, true); }, 'I', 0x0B, S, N,
             4},
            {"powtorzCzytajKomStany", [=] { return powtorzCzytajKomStany(p->fs, 1, 1, t); }, 'H', 0x03, S, N, 4},
            {"powtorzZapisKomFunkcjeSpec", [=] { return powtorzZapisKomFunkcjeSpec(p->fs, 1, 1, t, false); }, 'I', 0x03,
             S, N, 4},
            {"powtorzCzytajKomPrzekazniki", [=] { return powtorzCzytajKomPrzekazniki(p->prz, 1, 1, t); }, 'H', 0x04, S,
             N, 4},
            {"powtorzZapisKomPrzekazniki", [=] { return powtorzZapisKomPrzekazniki(p->prz, 1, 1, t, false); }, 'I',
             0x04, S, N, 4},
            {"powtorzCzytajKomWyjsciaAnalogowe", [=] { return powtorzCzytajKomWyjsciaAnalogowe(p->ao, 1, 1, t); }, 'H',
             0x05, S, N, 4},
            {"powtorzZapisKomWyjsciaAnalogowe", [=] { return powtorzZapisKomWyjsciaAnalogowe(p->ao, 1, 1, t, false); },
             'I', 0x05, S, N, 4},
            {"powtorzCzytajWejsciaAnalogowe", [=] { return powtorzCzytajWejsciaAnalogowe(p->ai, 7, 1, t); }, 'H', 0x06,
             S, N, 4},
            {"powtorzZapisKomWejsciaaAnalogowe",
             [=] { return powtorzZapisKomWejsciaaAnalogowe(p->ai, 7, 1, t, false); }, 'I', 0x06, S, N, 4},
            {"powtorzCzytajWejAnalogAlarmWzgledny", [=] { return powtorzCzytajWejAnalogAlarmWzgledny(2, p->al, 1, t); },
             'H', 0x09, S, N, 4},
            {"powtorzZapisKomWejAnalogAlarmWzgledny",
             [=] { return powtorzZapisKomWejAnalogAlarmWzgledny(1, p->al, 1, t, false); }, 'I', 0x09, S, N, 4},
            {"powtorzCzytajWejsciaCyfrowe",
             [=] {
                 p->di.nr_wejscia = 3;
                 p->di.nr_karty = 1;
                 return powtorzCzytajWejsciaCyfrowe(p->di, 1, t);
             },
             'H', 0x07, S, N, 4},
            {"powtorzZapisKomWejsciaCyfrowe", [=] { return powtorzZapisKomWejsciaCyfrowe(p->di, 1, t, false); }, 'I',
             0x07, S, N, 4},
            {"powtorzCzytajZadane", [=] { return powtorzCzytajZadane(p->z, 1, 1, t); }, 'H', 0x0A, R, RN, 4},
            {"powtorzZapisZadana", [=] { return powtorzZapisZadana(p->z, 1, 1, t, false); }, 'I', 0x0A, S, N, 4},
            {"powtorzCzytajDodatki", [=] { return powtorzCzytajDodatki(p->dd, 1, t); }, 'H', 0x0E, S, N, 4},
            {"powtorzZapisKomDodatki", [=] { return powtorzZapisKomDodatki(p->dd, 1, t, false); }, 'I', 0x0E, S, N, 4},
            {"powtorzCzytajWilgotnosc", [=] { return powtorzCzytajWilgotnosc(p->wi, 1, t); }, 'H', 0x0D, S, N, 4},
            {"powtorzZapisKomWilgotnosc", [=] { return powtorzZapisKomWilgotnosc(p->wi, 1, t, false); }, 'I', 0x0D, S,
             N, 4},
            {"powtorzCzytajPrzekaznikiAlarm", [=] { return powtorzCzytajPrzekaznikiAlarm(p->al, 2, 1, t); }, 'H', 0x10,
             S, N, 4},
            {"powtorzZapisKomPrzekaznikiAlarm", [=] { return powtorzZapisKomPrzekaznikiAlarm(p->alarmy, 1, t, false); },
             'I', 0x10, S, N, 4, 4},
            {"powtorzCzytajKomUstawieniaMycia", [=] { return powtorzCzytajKomUstawieniaMycia(p->my, 1, t); }, 'H', 0x0C,
             3 * S, N, 4},
            {"powtorzZapisUstawieniaMycia", [=] { return powtorzZapisUstawieniaMycia(p->my, 1, t); }, 'I', 0x0C, 3 * S,
             N, 4},
            {"powtorzCzytajKomSetup", [=] { return powtorzCzytajKomSetup(1, t, p->setup); }, 'F', 0x06, S, N, 4},
            {"powtorzZapisKomSetup", [=] { return powtorzZapisKomSetup(1, t, p->setup); }, 'G', 0x06, S, N, 4},
            {"powtorzZapisLogoPage", [=] { return powtorzZapisLogoPage(0, 512, p->strona, 1, t); }, 'J', 0x0E, S, N, 4},
            {"powtorzZapisFirmwarePage", [=] { return powtorzZapisFirmwarePage(0, 512, p->strona, 1, t); }, 'J', 0x08,
             S, N, 4},
            {"powtorzZapisFirmwareCrc",
             [=, this] {
                 ZapisFirmwarePageKvor350(*lacze, 0, 512, p->strona, 1, t);
                 return powtorzZapisFirmwareCrc(obliczCRC16(p->strona, 300), 300, 1, t);
             },
             'J', 0x09, S, N, 4},
            {"powtorzZapisGrafikaPage", [=] { return powtorzZapisGrafikaPage(0, 512, p->strona, 1, t); }, 'J', 0x0F, S,
             N, 4},
            {"powtorzZapisGrafikaCrc",
             [=, this] {
                 ZapisGrafikaPageKvor350(*lacze, 0, 512, p->strona, 1, t);
                 return powtorzZapisGrafikaCrc(obliczCRC16(p->strona, 300), 300, 1, t);
             },
             'J', 0x10, 60000, N, 4},
            {"powtorzCzytajNumerSeryjny", [=] { return powtorzCzytajNumerSeryjny(1, t, p->ns); }, 'F', 0x07, S, N, 4},
            {"powtorzZapiszCzas", [=] { return powtorzZapiszCzas(QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9)), 1, t); },
             'G', 0x04, bezZmiany, N, 4},
            {"powtorzCzytajStatus", [=] { return powtorzCzytajStatus(1, t, p->odczyty); }, 'F', 0x01, bezZmiany, RN, 4},
            {"powtorzCzytajTypSterownika", [=] { return powtorzCzytajTypSterownika(1, t, p->typ); }, 'F', 0x00, R, RN,
             4},
            {"powtorzCzytajModuly", [=] { return powtorzCzytajModuly(1, t, p->moduly); }, 'F', 0x10, 2 * R, RN, 4},
            {"powtorzZapisModuly", [=] { return powtorzZapisModuly(1, t, p->moduly); }, 'G', 0x10, R, RN, 4},
            {"powtorzCzytajlock", [=] { return powtorzCzytajlock(1, t, p->blokada); }, 'G', 0x07, R, RN, dowolnyBlad},
            {"powtorzZapiszUnlock", [=] { return powtorzZapiszUnlock(1, t, 0); }, 'G', 0x08, R, RN, 4},
            {"powtorzZapiszLock", [u] { return powtorzZapiszLock(u); }, 'G', 0x09, R, RN, 4},
        };
    }

    struct Rekordy {
        TProgram pr{};
        TKrok kr{};
        TFunkcjaSpec fs{};
        TPrzekaznik prz{};
        TWyjscieAnalogowe ao{};
        TWejscieAnalogowe ai{};
        vxt_alarm_konfiguracja_t al{};
        vxt_alarm_konfiguracja_t alarmy[4]{};
        Tkvor350wejscieDwustanowe di{};
        TKvor350zadana z{};
        tdanedodatki dd{};
        Tkvor350wilgotnosc wi{};
        TProjektDodatkiMycie my{};
        TFunkcjeKvor3 setup{};
        QByteArray strona = QByteArray(512, 'p');
        int ns = 0;
        TOdczyty odczyty{};
        QString typ;
        TModulyWejWyKonfig moduly{};
        bool blokada = false;
    } rekordy;

    BlokiSym bloki{sterownik};
    TUstawieniaSterownika ust;
    qint64 przespanePrzed = 0;
    int zapamietanyCzas = 0;
    int zapamietaneProby = 0;
};

TEST_F(PowtorzSym, JednaFasadaNaPolecenie) { EXPECT_EQ(fasady().size(), 44u); }

// A fault on the first attempt: the second succeeds after one pause, with
// the same request, and the port keeps the facade's time-out.
TEST_F(PowtorzSym, PierwszaProbaZawodziDrugaUdana)
{
    for (const Fasada &f : fasady()) {
        SCOPED_TRACE(f.nazwa);
        usterki.wyczysc();
        odNowa();
        lacze->ustawCzasOdczytu(czasPrzed);
        usterki.dodaj(f.funkcja, f.podkomenda, {RodzajUsterki::ZleCRC});
        EXPECT_EQ(f.wywolaj(), 0);
        EXPECT_EQ(pauzyMs(), przerwaPowtorzeniaMs);
        const auto r = ramkiPolecenia(f.funkcja, f.podkomenda);
        ASSERT_EQ(r.size(), size_t(1 + f.ramekUdanych));
        EXPECT_EQ(r[0], r[1]);
        EXPECT_EQ(lacze->czasOdczytu(), f.czas == bezZmiany ? czasPrzed : f.czas);
    }
}

// A fault on every attempt: exactly N attempts, each followed by a pause,
// and the last attempt's code.
TEST_F(PowtorzSym, StalaUsterkaPoNProbach)
{
    for (const Fasada &f : fasady()) {
        SCOPED_TRACE(f.nazwa);
        usterki.wyczysc();
        odNowa();
        usterki.dodaj(f.funkcja, f.podkomenda, {RodzajUsterki::ZleCRC}, PlanUsterek::zawsze);
        const int w = f.wywolaj();
        if (f.kodBledu == dowolnyBlad)
            EXPECT_NE(w, 0);
        else
            EXPECT_EQ(w, f.kodBledu);
        EXPECT_EQ(ramkiPolecenia(f.funkcja, f.podkomenda).size(), size_t(f.proby));
        EXPECT_EQ(pauzyMs(), f.proby * przerwaPowtorzeniaMs);
    }
    usterki.wyczysc();
    EXPECT_FALSE(sterownik.stan().sesjaOtwarta);
}

// The attempt counts follow the program-wide setting and the record.
TEST_F(PowtorzSym, LiczbaProbZUstawien)
{
    usterki.dodaj(PlanUsterek::kazde, {RodzajUsterki::ZleCRC}, PlanUsterek::zawsze);
    for (const int ile : {1, 4}) {
        SCOPED_TRACE(ile);
        iloscPowtorzen = ile;
        trans.IlePowtorzen = ile + 1;
        odNowa();
        TKrok kr;
        EXPECT_EQ(powtorzCzytajKomKroki(kr, 1, 1, false, trans), 4);
        TKvor350zadana z;
        EXPECT_EQ(powtorzCzytajZadane(z, 1, 1, trans), 4);
        EXPECT_EQ(ramkiPolecenia('H', 0x02).size(), size_t(ile));
        EXPECT_EQ(ramkiPolecenia('H', 0x0A).size(), size_t(ile + 1));
        EXPECT_EQ(pauzyMs(), (2 * ile + 1) * przerwaPowtorzeniaMs);
    }
    // A count below one still makes one attempt: no success without an
    // exchange.
    iloscPowtorzen = 0;
    pty.wyczyscRamki();
    TKrok kr;
    EXPECT_EQ(powtorzCzytajKomKroki(kr, 1, 1, false, trans), 4);
    EXPECT_EQ(pty.ramki().size(), 1u);
}

// A first attempt that succeeds returns at once.
TEST_F(PowtorzSym, SukcesBezPauzy)
{
    odNowa();
    TKrok kr;
    EXPECT_EQ(powtorzCzytajKomKroki(kr, 1, 1, false, trans), 0);
    EXPECT_EQ(pauzyMs(), 0);
    EXPECT_EQ(pty.ramki().size(), 1u);
}

// Codes a repetition cannot mend stop at once, without a pause.
TEST_F(PowtorzSym, KodyZatrzymania)
{
    TParamTrans brak = trans;
    brak.port = 5; // no device behind COM6
    const TFunkcjeKvor3 setup{};
    int ns = 0;
    TOdczyty o{};
    const struct {
        const char *nazwa;
        std::function<int()> wywolaj;
        int pauz;
    } przypadki[] = {
        {"SETUP write", [&] { return powtorzZapisKomSetup(1, brak, setup); }, 0},
        {"serial number", [&] { return powtorzCzytajNumerSeryjny(1, brak, ns); }, 0},
        {"live readings", [&] { return powtorzCzytajStatus(1, brak, o); }, 0},
        // No stop code here: three attempts, one message (the port's name
        // changed only for the first).
        {"SETUP read",
         [&] {
             TFunkcjeKvor3 s;
             return powtorzCzytajKomSetup(1, brak, s);
         },
         3},
    };
    for (const auto &p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        lacze->zamknijPort();
        // Back on COM1 first, so the next call re-opens COM6 and says so.
        ASSERT_EQ(powtorzCzytajNumerSeryjny(1, trans, ns), 0);
        odNowa();
        komunikaty.oczekuj(RodzajKomunikatu::Blad, QStringLiteral("Nie mogę otworzyć portu: COM6"));
        EXPECT_EQ(p.wywolaj(), 1);
        // Each attempt begins with its 10 ms sleep, and sends nothing.
        EXPECT_EQ(pauzyMs(), p.pauz * (przerwaPowtorzeniaMs + 10) + (p.pauz == 0 ? 10 : 0));
        EXPECT_TRUE(komunikaty.pusty());
    }

    // A wrong password.
    sterownik.zmien([](StanSterownika &s) { s.haslo = 1234; });
    odNowa();
    EXPECT_EQ(powtorzZapiszUnlock(1, trans, 4321), 66);
    EXPECT_EQ(pty.ramki().size(), 1u);
    EXPECT_EQ(pauzyMs(), 0);
}

// A controller that does not know the lock-state command has answered:
// asked once, no pause.
TEST_F(PowtorzSym, NieznanePolecenieBlokadyBezPowtorzen)
{
    sterownik.zmien([](StanSterownika &s) { s.znaLock = false; });
    trans.IlePowtorzen = 4;
    odNowa();
    bool blokada = true;
    EXPECT_EQ(powtorzCzytajlock(1, trans, blokada), kodNieznanePolecenieBlokady);
    EXPECT_EQ(pty.ramki().size(), 1u);
    EXPECT_EQ(pauzyMs(), 0);
}

// Time-out and attempts for one call, the program-wide ones untouched.
TEST_F(PowtorzSym, ProbyFasadyNaJednoWywolanie)
{
    usterki.dodaj('F', 0x07, {RodzajUsterki::ZleCRC}, PlanUsterek::zawsze);
    odNowa();
    int ns = 0;
    EXPECT_EQ(powtorzCzytajNumerSeryjny(1, trans, ns, TProbyFasady{5500, 2}), 4);
    EXPECT_EQ(pty.ramki().size(), 2u);
    EXPECT_EQ(lacze->czasOdczytu(), 5500);
    EXPECT_EQ(timeoutStand, 3000);
    EXPECT_EQ(iloscPowtorzen, 3);
}

// Multiples of a huge time-out stay at the top of the range.
TEST_F(PowtorzSym, WielokrotnoscCzasuBezPrzepelnienia)
{
    timeoutStand = INT_MAX / 2 + 1;
    TProjektDodatkiMycie m{};
    EXPECT_EQ(powtorzCzytajKomUstawieniaMycia(m, 1, trans), 0);
    EXPECT_EQ(lacze->czasOdczytu(), INT_MAX);
    trans.ReadTotalTimeoutConstant = INT_MAX;
    TModulyWejWyKonfig mod{};
    EXPECT_EQ(powtorzCzytajModuly(1, trans, mod), 0);
    EXPECT_EQ(lacze->czasOdczytu(), INT_MAX);
}

// The pause after a failed attempt keeps the windows alive, and the whole
// call counts as one exchange in progress.
TEST_F(PowtorzSym, PauzaPrzetwarzaZdarzenia)
{
    usterki.dodaj('F', 0x07, {RodzajUsterki::ZleCRC}, PlanUsterek::zawsze);
    {
        const PrzetworzeniaWWymianie p(zegarTestowy);
        int ns = 0;
        EXPECT_EQ(powtorzCzytajNumerSeryjny(1, trans, ns, TProbyFasady{3000, 1}), 4);
        EXPECT_GE(p.ile, przerwaPowtorzeniaMs / plasterekCzekaniaMs);
        EXPECT_TRUE(p.wWymianie);
    }
    EXPECT_FALSE(wymianaWToku());
}

TEST_F(PowtorzSym, BezLacza)
{
    ustawFkomunikacja(nullptr);
    TKrok kr;
    EXPECT_EQ(powtorzCzytajKomKroki(kr, 1, 1, false, trans), 1);
    EXPECT_EQ(otworzSesjeZapisu(ust), 1);
    EXPECT_TRUE(pty.ramki().empty());
}
