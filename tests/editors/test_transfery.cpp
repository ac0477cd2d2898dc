// The per-item transfers of every section against the simulator over RS-485
// and TCP/IP, one table row per section: a read gives the controller's
// item, a send leaves ours on the controller, a failure keeps the record
// and shows one "Brak komunikacji", an unknown transport sends nothing.
// Then what is particular to some sections: the special modes' numbers on
// the wire, the digital inputs' cards, the relative alarm of measuring
// inputs 1 and 3 with its pause, the washing program, the SETUP send's
// guards.
#include "sym_edytora.h"
#include "test_qt.h"

#include "alarmy_transfer.h"
#include "dodatki_transfer.h"
#include "kodek.h"
#include "kroki_transfer.h"
#include "moduly_transfer.h"
#include "mycie_transfer.h"
#include "nazwy.h"
#include "programy_transfer.h"
#include "przekazniki_transfer.h"
#include "setup_transfer.h"
#include "transfer_sekcji.h"
#include "tryby_specjalne_transfer.h"
#include "wejscia_cyfrowe_transfer.h"
#include "wejscia_pomiarowe_transfer.h"
#include "wilgotnosc_transfer.h"
#include "wyjscia_analogowe_transfer.h"
#include "zadane_transfer.h"

#include <cstring>
#include <random>

using R = RodzajKomunikatu;
using U = TUstawieniaSterownika;

namespace {

struct Projekt {
    TProjektVXTNew p;
    TProjektDodatkiMycie m;
};

template <class T>
QByteArray surowe(const T &r)
{
    return QByteArray(reinterpret_cast<const char *>(&r), sizeof r);
}

TProgram &program(TProjektVXTNew &p, int nr) { return nr < 100 ? p.programy[nr] : p.programyMycie; }
const TProgram &program(const TProjektVXTNew &p, int nr) { return nr < 100 ? p.programy[nr] : p.programyMycie; }

// Random SETUP values that keep the simulator's address 1 and speed 115200
// and the factory code on, so that a send meets none of its guards.
void losowySetup(TFunkcjeKvor3 &s, uint32_t ziarno)
{
    std::mt19937 g(ziarno);
    for (int i = 0; i <= 100; ++i)
        s.F[i] = int32_t(g());
    s.F[1] = 1;
    s.F[2] = 4;
    s.F[47] = 0;
}

std::unique_ptr<Projekt> przyklad(uint32_t ziarno)
{
    auto w = std::make_unique<Projekt>();
    BlokiSym::przykladowy(w->p, w->m, ziarno);
    losowySetup(w->p.Setup, ziarno);
    w->p.modulyWeWyjKonf = {uint8_t(ziarno % 16), uint8_t(ziarno % 5), uint8_t(ziarno % 3), 0x0F};
    return w;
}

// Everything the simulator holds, in one project (its SETUP and module
// configuration are part of its state).
std::unique_ptr<Projekt> naSterowniku(SymulatorEdytora &s)
{
    auto w = std::make_unique<Projekt>();
    w->p = *s.bloki.projekt();
    w->m = s.bloki.mycie();
    const StanSterownika st = s.sterownik.stan();
    w->p.modulyWeWyjKonf = st.moduly;
    for (int i = 1; i <= 100; ++i)
        w->p.Setup.F[i] = SterownikSym::wartoscSetup(st, i);
    return w;
}

void zaladuj(SymulatorEdytora &s, const Projekt &x)
{
    s.bloki.ustaw(x.p, x.m);
    s.sterownik.zmien([&](StanSterownika &st) {
        st.moduly = x.p.modulyWeWyjKonf;
        for (int i = 1; i <= 100; ++i)
            SterownikSym::ustawSetup(st, i, x.p.Setup.F[i]);
    });
}

// A special mode as it compares: the number and the fixed modes' names
// are the reader's own.
QByteArray trybBezNazwy(TFunkcjaSpec t, bool staly)
{
    t.nr_funkcji = 0;
    if (staly)
        t.nazwa = TNazwa50char{};
    return surowe(t);
}

struct Polecenie {
    char f;
    uint8_t sub;
};

// How a section's writes meet the controller's write sessions.
enum class Sesja {
    Podana, // in the caller's session, or one of its own without one
    Wlasna, // always one of its own
    Brak,   // never one
};

// One section's per-item functions as the tests drive them. Item numbers
// are those its read function takes; the send gets the same item in its
// own numbering.
struct Sekcja {
    const char *nazwa;
    std::vector<int> numery;
    Polecenie odczyt, zapis;
    std::function<bool(Projekt &, int, const U &)> czytaj;
    std::function<bool(const Projekt &, int, bool, const U &)> wyslij;
    // The item's bytes in our project and in the simulator's.
    std::function<QByteArray(const Projekt &, int)> pozycja;
    std::function<QByteArray(const Projekt &, int)> wSymulatorze = {};
    int dobrychPrzedUsterka = 0; // good replies to the read command before a broken one
    Sesja sesja = Sesja::Podana;

    QByteArray symulatora(const Projekt &p, int nr) const
    {
        return wSymulatorze ? wSymulatorze(p, nr) : pozycja(p, nr);
    }
};

const std::vector<Sekcja> &sekcje()
{
    static const std::vector<Sekcja> t = {
        {.nazwa = "programs",
         .numery = {0, 42, 99, nrProgramuMycia},
         .odczyt = {'H', blokCzesciProgramu.podkomenda},
         .zapis = {'I', blokCzesciProgramu.podkomenda},
         .czytaj = [](Projekt &x, int nr, const U &u) { return czytajProgram(program(x.p, nr), nr, u); },
         .wyslij = [](const Projekt &x, int nr, bool s,
                      const U &u) { return wyslijProgram(program(x.p, nr), nr, s, u); },
         .pozycja = [](const Projekt &x, int nr) { return surowe(program(x.p, nr)); },
         // The third of the five parts breaks.
         .dobrychPrzedUsterka = 2},
        {.nazwa = "steps",
         .numery = {1, 17, ileKrokow},
         .odczyt = {'H', blokKroku.podkomenda},
         .zapis = {'I', blokKroku.podkomenda},
         .czytaj = [](Projekt &x, int nr, const U &u) { return czytajKrok(x.p.kroki[nr], nr, false, u); },
         .wyslij = [](const Projekt &x, int nr, bool s,
                      const U &u) { return wyslijKrok(x.p.kroki[nr], nr, false, u, s); },
         .pozycja = [](const Projekt &x, int nr) { return surowe(x.p.kroki[nr]); }},
        {.nazwa = "washing steps",
         .numery = {1, ileKrokowMycia},
         .odczyt = {'H', blokKrokuMycia.podkomenda},
         .zapis = {'I', blokKrokuMycia.podkomenda},
         .czytaj = [](Projekt &x, int nr, const U &u) { return czytajKrok(x.p.krokiMycie[nr], nr, true, u); },
         .wyslij = [](const Projekt &x, int nr, bool s,
                      const U &u) { return wyslijKrok(x.p.krokiMycie[nr], nr, true, u, s); },
         .pozycja = [](const Projekt &x, int nr) { return surowe(x.p.krokiMycie[nr]); }},
        {.nazwa = "special modes",
         .numery = {0, 2, 3, 4, 13},
         .odczyt = {'H', blokFunkcjiSpec.podkomenda},
         .zapis = {'I', blokFunkcjiSpec.podkomenda},
         .czytaj = [](Projekt &x, int i, const U &u) { return czytajTrybSpecjalny(x.p.FunkcjeSpec[i], i, u); },
         .wyslij = [](const Projekt &x, int i, bool s,
                      const U &u) { return wyslijTrybSpecjalny(x.p.FunkcjeSpec[i], i, s, u); },
         .pozycja = [](const Projekt &x, int i) { return trybBezNazwy(x.p.FunkcjeSpec[i], i < 4); },
         // The simulator keeps the modes by the controller's numbers.
         .wSymulatorze = [](const Projekt &x,
                            int i) { return trybBezNazwy(x.p.FunkcjeSpec[nrTrybuSterownika(i + 1)], i < 4); }},
        {.nazwa = "digital outputs",
         .numery = {0, 31},
         .odczyt = {'H', blokPrzekaznika.podkomenda},
         .zapis = {'I', blokPrzekaznika.podkomenda},
         .czytaj = [](Projekt &x, int i, const U &u) { return czytajPrzekaznik(x.p.przekazniki[i], i, u); },
         .wyslij = [](const Projekt &x, int i, bool s,
                      const U &u) { return wyslijPrzekaznik(x.p.przekazniki[i], i, s, u); },
         .pozycja = [](const Projekt &x, int i) { return surowe(x.p.przekazniki[i]); }},
        {.nazwa = "alarm outputs",
         .numery = {1},
         .odczyt = {'H', blokAlarmuWyjscia.podkomenda},
         .zapis = {'I', blokAlarmuWyjscia.podkomenda},
         .czytaj = [](Projekt &x, int, const U &u) { return czytajAlarmyDO(x.p.przekaznikiAlarmF1F4, u); },
         .wyslij = [](const Projekt &x, int, bool s,
                      const U &u) { return wyslijAlarmyDO(x.p.przekaznikiAlarmF1F4, s, u); },
         .pozycja = [](const Projekt &x, int) { return surowe(x.p.przekaznikiAlarmF1F4); },
         // F3 breaks after F1 and F2 were read.
         .dobrychPrzedUsterka = 2},
        {.nazwa = "analog outputs",
         .numery = {1, 4},
         .odczyt = {'H', blokWyjsciaAnalogowego.podkomenda},
         .zapis = {'I', blokWyjsciaAnalogowego.podkomenda},
         .czytaj = [](Projekt &x, int nr, const U &u) { return czytajWyjscieAnalogowe(x.p.WyjsciaAn[nr - 1], nr, u); },
         .wyslij = [](const Projekt &x, int nr, bool s,
                      const U &u) { return wyslijWyjscieAnalogowe(x.p.WyjsciaAn[nr - 1], nr - 1, s, u); },
         .pozycja = [](const Projekt &x, int nr) { return surowe(x.p.WyjsciaAn[nr - 1]); }},
        {.nazwa = "measuring inputs",
         .numery = {1, 2, 3, 6},
         .odczyt = {'H', blokWejsciaAnalogowego.podkomenda},
         .zapis = {'I', blokWejsciaAnalogowego.podkomenda},
         .czytaj = [](Projekt &x, int nr,
                      const U &u) { return czytajWejsciePomiarowe(x.p.FWejsciaPomiarowe[nr - 1], nr, u); },
         .wyslij = [](const Projekt &x, int nr, bool s,
                      const U &u) { return wyslijWejsciePomiarowe(x.p.FWejsciaPomiarowe[nr - 1], nr, s, u); },
         .pozycja = [](const Projekt &x, int nr) { return surowe(x.p.FWejsciaPomiarowe[nr - 1]); }},
        {.nazwa = "digital inputs",
         .numery = {1, 8, 9, 24},
         .odczyt = {'H', blokWejsciaCyfrowego.podkomenda},
         .zapis = {'I', blokWejsciaCyfrowego.podkomenda},
         .czytaj = [](Projekt &x, int nr,
                      const U &u) { return czytajWejscieCyfrowe(x.p.WejsciaCyfrowe[nr - 1], nr, u); },
         .wyslij = [](const Projekt &x, int nr, bool s,
                      const U &u) { return wyslijWejscieCyfrowe(x.p.WejsciaCyfrowe[nr - 1], nr, s, u); },
         .pozycja = [](const Projekt &x, int nr) { return surowe(x.p.WejsciaCyfrowe[nr - 1]); }},
        {.nazwa = "setpoints",
         .numery = {1, 10},
         .odczyt = {'H', blokZadanej.podkomenda},
         .zapis = {'I', blokZadanej.podkomenda},
         .czytaj = [](Projekt &x, int nr, const U &u) { return czytajZadana(x.p.zadana[nr - 1], nr, u); },
         .wyslij = [](const Projekt &x, int nr, bool s,
                      const U &u) { return wyslijZadana(x.p.zadana[nr - 1], nr - 1, s, u); },
         .pozycja = [](const Projekt &x, int nr) { return surowe(x.p.zadana[nr - 1]); }},
        {.nazwa = "additions",
         .numery = {1},
         .odczyt = {'H', blokDodatkow.podkomenda},
         .zapis = {'I', blokDodatkow.podkomenda},
         .czytaj = [](Projekt &x, int, const U &u) { return czytajDodatki(x.p.dodatki, u); },
         .wyslij = [](const Projekt &x, int, bool s, const U &u) { return wyslijDodatki(x.p.dodatki, s, u); },
         .pozycja = [](const Projekt &x, int) { return surowe(x.p.dodatki); }},
        {.nazwa = "humidity",
         .numery = {1},
         .odczyt = {'H', blokWilgotnosci.podkomenda},
         .zapis = {'I', blokWilgotnosci.podkomenda},
         .czytaj = [](Projekt &x, int, const U &u) { return czytajWilgotnosc(x.p.wilgotnosc, u); },
         .wyslij = [](const Projekt &x, int, bool s, const U &u) { return wyslijWilgotnosc(x.p.wilgotnosc, s, u); },
         .pozycja = [](const Projekt &x, int) { return surowe(x.p.wilgotnosc); }},
        {.nazwa = "washing settings",
         .numery = {1},
         .odczyt = {'H', blokUstawienMycia.podkomenda},
         .zapis = {'I', blokUstawienMycia.podkomenda},
         .czytaj = [](Projekt &x, int, const U &u) { return czytajUstawieniaMycia(x.m, u); },
         .wyslij = [](const Projekt &x, int, bool s, const U &u) { return wyslijUstawieniaMycia(x.m, s, u); },
         .pozycja = [](const Projekt &x, int) { return surowe(x.m); },
         .sesja = Sesja::Wlasna},
        {.nazwa = "extra modules",
         .numery = {1},
         .odczyt = {'F', blokModulow.podkomenda},
         .zapis = {'G', blokModulow.podkomenda},
         .czytaj = [](Projekt &x, int, const U &u) { return czytajModuly(x.p.modulyWeWyjKonf, u); },
         .wyslij = [](const Projekt &x, int, bool s, const U &u) { return wyslijModuly(x.p.modulyWeWyjKonf, s, u); },
         .pozycja = [](const Projekt &x, int) { return surowe(x.p.modulyWeWyjKonf); },
         .sesja = Sesja::Wlasna},
        {.nazwa = "SETUP",
         .numery = {1},
         .odczyt = {'F', blokSetup.podkomenda},
         .zapis = {'G', blokSetup.podkomenda},
         .czytaj = [](Projekt &x, int, const U &u) { return czytajSetup(x.p.Setup, u); },
         .wyslij = [](const Projekt &x, int, bool s, const U &u) { return wyslijSetup(x.p.Setup, s, u, 1045); },
         // F0 does not travel.
         .pozycja = [](const Projekt &x, int) { return surowe(x.p.Setup).mid(4); },
         .sesja = Sesja::Brak},
    };
    return t;
}

int indeksSekcji(const char *nazwa)
{
    for (int i = 0; i < int(sekcje().size()); ++i)
        if (qstrcmp(sekcje()[i].nazwa, nazwa) == 0)
            return i;
    return -1;
}

QString nazwaLacza(bool lan) { return lan ? QStringLiteral("TCP/IP") : QStringLiteral("RS-485"); }

} // namespace

class TestTransfery : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;
    std::unique_ptr<Projekt> sym;  // what the simulator holds at the start
    std::unique_ptr<Projekt> nasz; // ours, other values throughout

    // The connection record as the editors take it.
    U ust()
    {
        U u;
        wezUstawieniaSterownika(u, true);
        return u;
    }

    std::vector<QByteArray> ramki() const { return s->ramkiObu(); }
    std::vector<QByteArray> dane(char f, uint8_t sub) const { return s->dane(f, sub); }
    static std::vector<int> pierwszeBajty(const std::vector<QByteArray> &d)
    {
        std::vector<int> w;
        for (const QByteArray &b : d)
            w.push_back(b.isEmpty() ? -1 : uint8_t(b.at(0)));
        return w;
    }

    static void wierszeLaczy()
    {
        QTest::addColumn<bool>("lan");
        QTest::newRow("RS-485") << false;
        QTest::newRow("TCP/IP") << true;
    }
    static void wierszeSekcji()
    {
        QTest::addColumn<int>("sekcja");
        QTest::addColumn<bool>("lan");
        for (int i = 0; i < int(sekcje().size()); ++i)
            for (const bool lan : {false, true})
                QTest::addRow("%s, %s", sekcje()[i].nazwa, qPrintable(nazwaLacza(lan))) << i << lan;
    }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        sym = przyklad(7);
        nasz = przyklad(8);
        zaladuj(*s, *sym);
    }
    void poTescie() override
    {
        ustawHasloSerwisowe({});
        ustawNoweParametryLacza({});
        s.reset();
    }

private slots:
    // A read gives the controller's item.
    void odczyt_data() { wierszeSekcji(); }
    void odczyt()
    {
        QFETCH(int, sekcja);
        QFETCH(bool, lan);
        const Sekcja &x = sekcje()[sekcja];
        if (lan)
            QVERIFY(s->przezLan());
        const U u = ust();
        for (const int nr : x.numery) {
            QVERIFY2(x.czytaj(*nasz, nr, u), qPrintable(QString::number(nr)));
            QCOMPARE(x.pozycja(*nasz, nr), x.symulatora(*sym, nr));
        }
        QVERIFY(s->komunikaty.pokazane.empty());
    }

    // A send leaves our item on the controller. Without the caller's
    // session each write goes in one of its own; inside it no other is
    // opened, except by the sections that always open their own.
    void wyslanie_data()
    {
        QTest::addColumn<int>("sekcja");
        QTest::addColumn<bool>("lan");
        QTest::addColumn<bool>("wSesji");
        for (int i = 0; i < int(sekcje().size()); ++i)
            for (const bool lan : {false, true})
                for (const bool wSesji : {false, true})
                    QTest::addRow("%s, %s, %s", sekcje()[i].nazwa, qPrintable(nazwaLacza(lan)),
                                  wSesji ? "in the caller's session" : "alone")
                        << i << lan << wSesji;
    }
    void wyslanie()
    {
        QFETCH(int, sekcja);
        QFETCH(bool, lan);
        QFETCH(bool, wSesji);
        const Sekcja &x = sekcje()[sekcja];
        if (lan)
            QVERIFY(s->przezLan());
        const U u = ust();
        if (wSesji)
            QVERIFY(otworzSesjeSekcji(u));
        for (const int nr : x.numery)
            QVERIFY2(x.wyslij(*nasz, nr, wSesji, u), qPrintable(QString::number(nr)));
        if (wSesji)
            QVERIFY(zamknijSesjeSekcji(u));
        const auto naSter = naSterowniku(*s);
        for (const int nr : x.numery)
            QCOMPARE(x.symulatora(*naSter, nr), x.pozycja(*nasz, nr));
        const StanSterownika st = s->sterownik.stan();
        const int n = int(x.numery.size());
        QVERIFY(!st.sesjaOtwarta);
        QCOMPARE(st.zapisyPozaSesja, x.sesja == Sesja::Brak && !wSesji ? n : 0);
        if (wSesji)
            QCOMPARE(st.ileSesji, 1 + (x.sesja == Sesja::Wlasna ? n : 0));
        else
            QVERIFY(x.sesja == Sesja::Brak ? st.ileSesji == 0 : st.ileSesji >= n);
        QVERIFY(s->komunikaty.pokazane.empty());
    }

    // A failed read or send shows one "Brak komunikacji" and answers
    // false; a read leaves the record as it was, also when a part of it
    // had come in. RS-485 breaks the command's replies from the given one
    // on, TCP/IP every reply.
    void usterka_data()
    {
        QTest::addColumn<int>("sekcja");
        QTest::addColumn<bool>("odczyt");
        QTest::addColumn<bool>("lan");
        QTest::addColumn<int>("nr");
        QTest::addColumn<int>("f");
        QTest::addColumn<int>("sub");
        QTest::addColumn<int>("dobrych");
        for (int i = 0; i < int(sekcje().size()); ++i) {
            const Sekcja &x = sekcje()[i];
            for (const bool odczyt : {true, false}) {
                const Polecenie p = odczyt ? x.odczyt : x.zapis;
                for (const bool lan : {false, true})
                    QTest::addRow("%s, %s, %s", x.nazwa, odczyt ? "read" : "send", qPrintable(nazwaLacza(lan)))
                        << i << odczyt << lan << x.numery.front() << int(p.f) << int(p.sub)
                        << (odczyt ? x.dobrychPrzedUsterka : 0);
            }
        }
        const int ai = indeksSekcji("measuring inputs");
        const int alarm = blokAlarmuWzglednego.podkomenda;
        QTest::newRow("measuring input 3, read, its relative alarm")
            << ai << true << false << 3 << int('H') << alarm << 0;
        QTest::newRow("measuring input 1, send, its relative alarm")
            << ai << false << false << 1 << int('I') << alarm << 0;
    }
    void usterka()
    {
        QFETCH(int, sekcja);
        QFETCH(bool, odczyt);
        QFETCH(bool, lan);
        QFETCH(int, nr);
        QFETCH(int, f);
        QFETCH(int, sub);
        QFETCH(int, dobrych);
        const Sekcja &x = sekcje()[sekcja];
        if (lan) {
            QVERIFY(s->przezLan());
            s->tcp.zerwijPrzyOdpowiedzi(PlanUsterek::zawsze);
        } else {
            s->zepsujOd(char(f), uint8_t(sub), dobrych);
        }
        const U u = ust();
        const QByteArray przed = surowe(*nasz);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        QVERIFY(!(odczyt ? x.czytaj(*nasz, nr, u) : x.wyslij(*nasz, nr, false, u)));
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        QVERIFY(surowe(*nasz) == przed);
        if (lan)
            QCOMPARE(s->tcp.polaczen(), probyLanSekcji);
        else
            QVERIFY(int(dane(char(f), uint8_t(sub)).size()) > dobrych);
    }

    // With LAN_ACTIVE neither 0 nor 1 nothing is sent, each transfer fails
    // with its one box and the record stays as it was.
    void nieznaneLacze_data()
    {
        QTest::addColumn<int>("sekcja");
        for (int i = 0; i < int(sekcje().size()); ++i)
            QTest::newRow(sekcje()[i].nazwa) << i;
    }
    void nieznaneLacze()
    {
        QFETCH(int, sekcja);
        const Sekcja &x = sekcje()[sekcja];
        s->lanAktywny = 2;
        const U u = ust();
        const QByteArray przed = surowe(*nasz);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji").oczekuj(R::Blad, "Brak komunikacji");
        QVERIFY(!x.czytaj(*nasz, x.numery.front(), u));
        QVERIFY(!x.wyslij(*nasz, x.numery.front(), false, u));
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(surowe(*nasz) == przed);
        QVERIFY(ramki().empty());
    }

    // Numbers that would reach another item, or none, are refused before
    // anything is sent.
    void numerPozaZakresem_data()
    {
        QTest::addColumn<int>("przypadek");
        const char *nazwy[] = {"program -1",     "program 101",     "step 0",  "step 33",
                               "washing step 0", "washing step 17", "mode -1", "mode 14"};
        for (int i = 0; i < int(std::size(nazwy)); ++i)
            QTest::newRow(nazwy[i]) << i;
    }
    void numerPozaZakresem()
    {
        QFETCH(int, przypadek);
        const U u = ust();
        TProgram p{};
        TKrok k{};
        TFunkcjaSpec t{};
        const auto obaKierunki = [&]() -> std::pair<bool, bool> {
            switch (przypadek) {
            case 0:
            case 1: {
                const int nr = przypadek == 0 ? -1 : 101;
                return {czytajProgram(p, nr, u), wyslijProgram(p, nr, false, u)};
            }
            case 2:
            case 3:
            case 4:
            case 5: {
                const bool mycie = przypadek >= 4;
                const int nr = przypadek % 2 == 0 ? 0 : (mycie ? ileKrokowMycia : ileKrokow) + 1;
                return {czytajKrok(k, nr, mycie, u), wyslijKrok(k, nr, mycie, u, false)};
            }
            default: {
                const int i = przypadek == 6 ? -1 : ileTrybowSpecjalnych;
                return {czytajTrybSpecjalny(t, i, u), wyslijTrybSpecjalny(t, i, false, u)};
            }
            }
        };
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji").oczekuj(R::Blad, "Brak komunikacji");
        const auto [czytane, wyslane] = obaKierunki();
        QVERIFY(!czytane && !wyslane);
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(ramki().empty());
    }

    // List positions and the controller's mode numbers, both ways.
    void numeryTrybow()
    {
        const int sterownika[] = {0, 0, 1, 12, 13, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0};
        for (int p = 0; p <= 15; ++p)
            QCOMPARE(nrTrybuSterownika(p), sterownika[p]);
        const int listy[] = {0, 1, 2, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 3, 4, 0};
        for (int c = -1; c <= 14; ++c)
            QCOMPARE(nrTrybuListy(c), listy[c + 1]);
    }

    // The fourteen modes in list order travel as 0, 1, 12, 13, 2..11; a
    // read names the four fixed modes and numbers every mode by the list.
    void trybySpecjalneNaLinii_data() { wierszeLaczy(); }
    void trybySpecjalneNaLinii()
    {
        QFETCH(bool, lan);
        if (lan)
            QVERIFY(s->przezLan());
        const U u = ust();
        const std::vector<int> naLinii = {0, 1, 12, 13, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        QVERIFY(otworzSesjeSekcji(u));
        for (int i = 0; i < ileTrybowSpecjalnych; ++i)
            QVERIFY(wyslijTrybSpecjalny(nasz->p.FunkcjeSpec[i], i, true, u));
        QVERIFY(zamknijSesjeSekcji(u));
        QCOMPARE(pierwszeBajty(dane('I', blokFunkcjiSpec.podkomenda)), naLinii);

        zaladuj(*s, *sym);
        const QStringList stale = {"Pauza", "Zatrzymanie", "Zanik zasilania", "Aktywny STOP"};
        for (int i = 0; i < ileTrybowSpecjalnych; ++i) {
            TFunkcjaSpec t{};
            t.nr_funkcji = 99;
            QVERIFY(czytajTrybSpecjalny(t, i, u));
            QCOMPARE(int(t.nr_funkcji), i);
            const TNazwa50char oczekiwana =
                i < 4 ? tekstNaNazwe50(stale[i]) : TNazwa50char(sym->p.FunkcjeSpec[naLinii[i]].nazwa);
            QCOMPARE(surowe(t.nazwa), surowe(oczekiwana));
        }
        QCOMPARE(pierwszeBajty(dane('H', blokFunkcjiSpec.podkomenda)), naLinii);
    }

    // Inputs 1..24 travel as card and input on the card; the record's own
    // numbers do not address the send.
    void wejsciaCyfroweNaLinii_data()
    {
        QTest::addColumn<bool>("lan");
        QTest::addColumn<int>("nr");
        QTest::addColumn<int>("karta");
        QTest::addColumn<int>("wejscie");
        for (const bool lan : {false, true}) {
            const QString l = nazwaLacza(lan);
            QTest::addRow("DI1.1, %s", qPrintable(l)) << lan << 1 << 0 << 0;
            QTest::addRow("DI1.8, %s", qPrintable(l)) << lan << 8 << 0 << 7;
            QTest::addRow("DI2.1, %s", qPrintable(l)) << lan << 9 << 1 << 0;
            QTest::addRow("DI2.16, %s", qPrintable(l)) << lan << 24 << 1 << 15;
        }
    }
    void wejsciaCyfroweNaLinii()
    {
        QFETCH(bool, lan);
        QFETCH(int, nr);
        QFETCH(int, karta);
        QFETCH(int, wejscie);
        if (lan)
            QVERIFY(s->przezLan());
        QCOMPARE(nrWejsciaLiniowy(karta, wejscie), nr);
        const U u = ust();
        const QByteArray adres = QByteArray(1, char(wejscie)) + char(karta);

        Tkvor350wejscieDwustanowe w = nasz->p.WejsciaCyfrowe[4];
        w.nr_karty = w.nr_wejscia = 0xEE;
        QVERIFY(czytajWejscieCyfrowe(w, nr, u));
        QCOMPARE(int(w.nr_karty), karta);
        QCOMPARE(int(w.nr_wejscia), wejscie);
        QCOMPARE(surowe(w), surowe(sym->p.WejsciaCyfrowe[nr - 1]));
        const auto odczyty = dane('H', blokWejsciaCyfrowego.podkomenda);
        QCOMPARE(int(odczyty.size()), 1);
        QCOMPARE(odczyty[0], adres);

        w = nasz->p.WejsciaCyfrowe[nr - 1];
        w.nr_karty = w.nr_wejscia = 0xEE;
        QVERIFY(wyslijWejscieCyfrowe(w, nr, false, u));
        const auto zapisy = dane('I', blokWejsciaCyfrowego.podkomenda);
        QCOMPARE(int(zapisy.size()), 1);
        QCOMPARE(zapisy[0].left(2), adres);
        const auto naSter = naSterowniku(*s);
        QCOMPARE(surowe(naSter->p.WejsciaCyfrowe[nr - 1]), surowe(nasz->p.WejsciaCyfrowe[nr - 1]));
        for (int i = 0; i < 32; ++i)
            if (i != nr - 1)
                QCOMPARE(surowe(naSter->p.WejsciaCyfrowe[i]), surowe(sym->p.WejsciaCyfrowe[i]));
    }

    // A read fills the digital input the way the block layout copies the
    // reply: its first 212 bytes over the record (wersja with the numbers
    // the reply begins with, the reserves, rezerwa3 with the first three
    // condition bytes), the conditions from bytes 172..175, the one-byte
    // name from the units; the input's numbers stay. Saved, the project
    // holds the controller's block.
    void wejscieCyfroweJakBlok_data()
    {
        QTest::addColumn<bool>("lan");
        QTest::addColumn<int>("nr");
        for (const bool lan : {false, true})
            for (const int nr : {1, 9, 24})
                QTest::addRow("input %d, %s", nr, qPrintable(nazwaLacza(lan))) << lan << nr;
    }
    void wejscieCyfroweJakBlok()
    {
        QFETCH(bool, lan);
        QFETCH(int, nr);
        if (lan)
            QVERIFY(s->przezLan());
        const MapaBloku &m = mapaWejsciaCyfrowego();
        const QByteArray odpowiedz = kodujRekord(m, sym->p.WejsciaCyfrowe[nr - 1], m.dlOdczytu);
        QVERIFY(odpowiedz.mid(172, 3).count('\0') < 3); // rezerwa3 shows what it holds
        Tkvor350wejscieDwustanowe w = nasz->p.WejsciaCyfrowe[nr - 1];
        QVERIFY(czytajWejscieCyfrowe(w, nr, ust()));
        const QByteArray r = surowe(w);
        QCOMPARE(r.left(175), odpowiedz.left(175));
        QCOMPARE(r.mid(175, 4), odpowiedz.mid(172, 4));
        QCOMPARE(r.mid(179, 32), odpowiedz.mid(179, 32));
        QCOMPARE(w.wersja, int32_t(uint8_t(odpowiedz[0]) + 256 * uint8_t(odpowiedz[1])));
        QCOMPARE(int(w.nr_wejscia), nr <= 8 ? nr - 1 : nr - 9);
        QCOMPARE(int(w.nr_karty), nr <= 8 ? 0 : 1);
    }

    // Inputs 1 and 3 carry their relative alarm in a second exchange (slot
    // 0 and 1 on the wire), after 5500 ms when sent alone; no other input
    // touches a relative alarm.
    void alarmWzgledny_data()
    {
        QTest::addColumn<bool>("lan");
        QTest::addColumn<int>("nr");
        QTest::addColumn<bool>("wSesji");
        for (const bool lan : {false, true})
            for (const int nr : {1, 2, 3})
                for (const bool wSesji : {false, true})
                    QTest::addRow("AI1.%d, %s, %s", nr, qPrintable(nazwaLacza(lan)),
                                  wSesji ? "in the caller's session" : "alone")
                        << lan << nr << wSesji;
    }
    void alarmWzgledny()
    {
        QFETCH(bool, lan);
        QFETCH(int, nr);
        QFETCH(bool, wSesji);
        if (lan)
            QVERIFY(s->przezLan());
        const U u = ust();
        const bool ma = nr == 1 || nr == 3;
        QCOMPARE(maAlarmWzgledny(nr), ma);
        const std::vector<int> slot = ma ? std::vector<int>{nr == 1 ? 0 : 1} : std::vector<int>{};

        TWejscieAnalogowe w{};
        QVERIFY(czytajWejsciePomiarowe(w, nr, u));
        QCOMPARE(surowe(w), surowe(sym->p.FWejsciaPomiarowe[nr - 1]));
        QCOMPARE(pierwszeBajty(dane('H', blokAlarmuWzglednego.podkomenda)), slot);

        s->notujChwile();
        if (wSesji)
            QVERIFY(otworzSesjeSekcji(u));
        QVERIFY(wyslijWejsciePomiarowe(nasz->p.FWejsciaPomiarowe[nr - 1], nr, wSesji, u));
        if (wSesji)
            QVERIFY(zamknijSesjeSekcji(u));
        s->zegar.naPrzetworz = nullptr;
        QCOMPARE(pierwszeBajty(dane('I', blokAlarmuWzglednego.podkomenda)), slot);

        const auto naSter = naSterowniku(*s);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(surowe(naSter->p.FWejsciaPomiarowe[i]),
                     surowe((i == nr - 1 ? nasz : sym)->p.FWejsciaPomiarowe[i]));

        // The longest stretch of the clock without a new frame, and where.
        const auto [najdluzej, ramekPrzed] = s->najdluzszaCisza();
        if (!ma || wSesji) {
            QVERIFY2(najdluzej < przerwaAlarmuWzglednegoMs, qPrintable(QString::number(najdluzej)));
            return;
        }
        QVERIFY2(najdluzej >= przerwaAlarmuWzglednegoMs, qPrintable(QString::number(najdluzej)));
        // The pause lies between the input's block and its relative alarm.
        const auto r = ramki();
        const auto jest = [&](size_t od, size_t do_, uint8_t sub) {
            for (size_t i = od; i < do_; ++i)
                if (r[i].at(1) == 'I' && uint8_t(r[i].at(2)) == sub)
                    return true;
            return false;
        };
        QVERIFY(jest(0, ramekPrzed, blokWejsciaAnalogowego.podkomenda));
        QVERIFY(!jest(0, ramekPrzed, blokAlarmuWzglednego.podkomenda));
        QVERIFY(jest(ramekPrzed, r.size(), blokAlarmuWzglednego.podkomenda));
    }

    // Number 100 is the washing program, and a program goes out under the
    // number it is sent as, whatever its own nr_prog says.
    void programMycia_data() { wierszeLaczy(); }
    void programMycia()
    {
        QFETCH(bool, lan);
        if (lan)
            QVERIFY(s->przezLan());
        const U u = ust();
        TProgram p = nasz->p.programyMycie;
        p.nr_prog = 7;
        QVERIFY(wyslijProgram(p, nrProgramuMycia, false, u));
        auto naSter = naSterowniku(*s);
        QCOMPARE(surowe(naSter->p.programyMycie), surowe(nasz->p.programyMycie));
        QCOMPARE(surowe(naSter->p.programy[7]), surowe(sym->p.programy[7]));

        p = nasz->p.programy[3];
        p.nr_prog = nrProgramuMycia;
        QVERIFY(wyslijProgram(p, 3, false, u));
        naSter = naSterowniku(*s);
        QCOMPARE(surowe(naSter->p.programy[3]), surowe(nasz->p.programy[3]));
        QCOMPARE(surowe(naSter->p.programyMycie), surowe(nasz->p.programyMycie));

        TProgram odczytany{};
        QVERIFY(czytajProgram(odczytany, nrProgramuMycia, u));
        QCOMPARE(int(odczytany.nr_prog), nrProgramuMycia);
        QCOMPARE(surowe(odczytany), surowe(nasz->p.programyMycie));
    }

    // The module configuration is read with twice 1000 ms on the RS-485
    // port and written with 2000 ms.
    void czasyModulow()
    {
        const U u = ust();
        TModulyWejWyKonfig m{};
        QVERIFY(czytajModuly(m, u));
        QCOMPARE(s->lacze->czasOdczytu(), 2 * czasOdczytuSekcjiMs);
        s->lacze->ustawCzasOdczytu(50);
        QVERIFY(wyslijModuly(m, false, u));
        QCOMPARE(s->lacze->czasOdczytu(), czasZapisuModulowMs);
    }

    void predkosciSetup()
    {
        const int kody[] = {0, 6, 8, 9, 11, 12, 0};
        for (int f2 = -1; f2 <= 5; ++f2)
            QCOMPARE(kodPredkosci(f2), kody[f2 + 1]);
        QVERIFY(zgodnaPredkosc(12, 4));
        QVERIFY(zgodnaPredkosc(6, 0));
        QVERIFY(!zgodnaPredkosc(12, 0));
        QVERIFY(!zgodnaPredkosc(7, 1));
        QVERIFY(zgodnaPredkosc(7, 9)); // both unknown
    }

    // Switching the factory code off (F47 = 1) on a controller that has it
    // on asks for the service password, which must be the controller's F36.
    void setupKodFabryczny_data()
    {
        QTest::addColumn<int>("f47Sterownika");
        QTest::addColumn<int>("f36Sterownika");
        QTest::addColumn<bool>("wpisane");
        QTest::addColumn<QString>("haslo");
        QTest::addColumn<bool>("zapisane");
        QTest::newRow("factory code already off: no question") << 1 << 4321 << true << "" << true;
        QTest::newRow("the controller's password") << 0 << 4321 << true << " 4321 " << true;
        QTest::newRow("a wrong password") << 0 << 4321 << true << "4322" << false;
        QTest::newRow("the table's own password") << 0 << 4321 << true << "1234" << false;
        QTest::newRow("not a number") << 0 << 4321 << true << "43x1" << false;
        QTest::newRow("cancelled") << 0 << -1 << false << "" << false;
    }
    void setupKodFabryczny()
    {
        QFETCH(int, f47Sterownika);
        QFETCH(int, f36Sterownika);
        QFETCH(bool, wpisane);
        QFETCH(QString, haslo);
        QFETCH(bool, zapisane);
        s->sterownik.zmien([&](StanSterownika &st) {
            SterownikSym::ustawSetup(st, 47, f47Sterownika);
            SterownikSym::ustawSetup(st, 36, f36Sterownika);
        });
        TFunkcjeKvor3 setup = nasz->p.Setup;
        setup.F[47] = 1;
        setup.F[36] = 1234;
        QStringList pytania;
        ustawHasloSerwisowe([&](const QString &prompt, const QString &opis, int jezykId, QString &h) {
            pytania << prompt << opis << QString::number(jezykId);
            h = haslo;
            return wpisane;
        });
        if (!zapisane)
            s->komunikaty.oczekuj(R::Ostrzezenie, "Nieprawidłowe hasło serwisowe!");
        QCOMPARE(wyslijSetup(setup, true, ust(), 2057), zapisane);
        QVERIFY(s->komunikaty.pusty());
        if (f47Sterownika == 1)
            QVERIFY(pytania.isEmpty());
        else
            QCOMPARE(pytania,
                     QStringList({"Wpisz hasło serwisowe:",
                                  "Hasło jest wymagane, ponieważ zmieniasz ustawienie kodu fabrycznego!", "2057"}));
        QCOMPARE(int(dane('F', blokSetup.podkomenda).size()), 1);
        QCOMPARE(int(dane('G', blokSetup.podkomenda).size()), zapisane ? 1 : 0);
        QCOMPARE(SterownikSym::wartoscSetup(s->sterownik.stan(), 47), zapisane ? 1 : f47Sterownika);
    }

    // Over RS-485 a table the program could not reach the controller with
    // afterwards goes nowhere: an address the main window cannot hold or a
    // speed outside the table is refused before any frame (the factory
    // code's read included), a speed the main window cannot choose goes
    // only with the user's yes. Then a new address or speed is probed: a
    // controller that answers there stops the send; otherwise the table is
    // written at the current address and the new parameters are handed on.
    // Over TCP/IP neither the guards nor the probe apply.
    void setupNoweLacze_data()
    {
        const QString przerwano = "Przerwano wysyłanie, gdyż pod nowymi ustawieniami transmijsji znaleziono "
                                  "sterownik o numerze seryjnym: 123456";
        const QString dalej = "tej prędkości nie można wybrać w oknie głównym, więc po wysłaniu program nie połączy "
                              "się ze sterownikiem przez RS-485. Wysłać mimo to?";
        const QString predkosci = "Dozwolone wartości: 0 (9600 [b/s]), 1 (19200 [b/s]), 2 (38400 [b/s]), "
                                  "3 (57600 [b/s]), 4 (115200 [b/s]).";
        QTest::addColumn<bool>("lan");
        QTest::addColumn<int>("f1");
        QTest::addColumn<int>("f2");
        QTest::addColumn<bool>("proba");
        QTest::addColumn<bool>("zapisane");
        QTest::addColumn<QList<int>>("nowe");
        QTest::addColumn<int>("rodzaj"); // the box shown, -1 none
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("odpowiedz");
        const int brak = -1, ostrzezenie = int(R::Ostrzezenie), pytanie = int(R::PytanieOstrzezenie);
        QTest::newRow("the same address and speed")
            << false << 1 << 4 << false << true << QList<int>{} << brak << QString() << 0;
        QTest::newRow("a new address, nobody there")
            << false << 5 << 4 << true << true << QList<int>{5, 12} << brak << QString() << 0;
        QTest::newRow("a new speed, a controller answers")
            << false << 1 << 0 << true << false << QList<int>{} << ostrzezenie << przerwano << 0;
        QTest::newRow("a new address over TCP/IP")
            << true << 5 << 0 << false << true << QList<int>{} << brak << QString() << 0;
        QTest::newRow("address 248") << false << 248 << 4 << false << false << QList<int>{} << ostrzezenie
                                     << "Nie wysłano ustawień: F01 (Adres RS-485) = 248. Dozwolone wartości: 0 - 247."
                                     << 0;
        QTest::newRow("address 255") << false << 255 << 4 << false << false << QList<int>{} << ostrzezenie
                                     << "F01 (Adres RS-485) = 255. Dozwolone wartości: 0 - 247." << 0;
        QTest::newRow("address -1") << false << -1 << 4 << false << false << QList<int>{} << ostrzezenie
                                    << "F01 (Adres RS-485) = -1. Dozwolone wartości: 0 - 247." << 0;
        QTest::newRow("address 247") << false << 247 << 4 << true << true << QList<int>{247, 12} << brak << QString()
                                     << 0;
        QTest::newRow("speed 5") << false << 1 << 5 << false << false << QList<int>{} << ostrzezenie
                                 << "Nie wysłano ustawień: F02 (Prędkość transmisji) = 5. " + predkosci << 0;
        QTest::newRow("speed -1") << false << 1 << -1 << false << false << QList<int>{} << ostrzezenie
                                  << "F02 (Prędkość transmisji) = -1. " + predkosci << 0;
        QTest::newRow("38400, no") << false << 5 << 2 << false << false << QList<int>{} << pytanie
                                   << "F02 (Prędkość transmisji) = 38400 [b/s]: " + dalej << 0;
        QTest::newRow("57600, yes") << false << 5 << 3 << true << true << QList<int>{5, 11} << pytanie
                                    << "F02 (Prędkość transmisji) = 57600 [b/s]: " + dalej << 1;
        QTest::newRow("19200") << false << 5 << 1 << true << true << QList<int>{5, 8} << brak << QString() << 0;
        QTest::newRow("TCP/IP, address 250, speed 7")
            << true << 250 << 7 << false << true << QList<int>{} << brak << QString() << 0;
        QTest::newRow("TCP/IP, 38400") << true << 1 << 2 << false << true << QList<int>{} << brak << QString() << 0;
    }
    void setupNoweLacze()
    {
        QFETCH(bool, lan);
        QFETCH(int, f1);
        QFETCH(int, f2);
        QFETCH(bool, proba);
        QFETCH(bool, zapisane);
        QFETCH(QList<int>, nowe);
        QFETCH(int, rodzaj);
        QFETCH(QString, tekst);
        QFETCH(int, odpowiedz);
        if (lan)
            QVERIFY(s->przezLan());
        TFunkcjeKvor3 setup = nasz->p.Setup;
        setup.F[1] = f1;
        setup.F[2] = f2;
        // The factory code switched off, as the controller has it: its read
        // comes after the guards.
        setup.F[47] = 1;
        s->sterownik.zmien([](StanSterownika &st) { SterownikSym::ustawSetup(st, 47, 1); });
        QList<int> podane;
        ustawNoweParametryLacza([&](int adres, int kod) { podane << adres << kod; });
        pokazPostep(0, 3);
        if (rodzaj >= 0)
            s->komunikaty.oczekuj(R(rodzaj), tekst, odpowiedz);
        QCOMPARE(wyslijSetup(setup, true, ust(), 1045), zapisane);
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(podane, nowe);
        if (!zapisane && !proba)
            QVERIFY(ramki().empty());

        const auto probyNumeru = dane('F', 0x07);
        QCOMPARE(!probyNumeru.empty(), proba);
        for (const QByteArray &r : ramki())
            if (r.at(1) == 'F' && r.at(2) == 0x07)
                QCOMPARE(int(uint8_t(r.at(0))), f1);
        const auto zapisy = dane('G', blokSetup.podkomenda);
        QCOMPARE(int(zapisy.size()), zapisane ? 1 : 0);
        for (const QByteArray &r : ramki())
            if (r.at(1) == 'G')
                QCOMPARE(int(uint8_t(r.at(0))), 1);
        if (zapisane) {
            QCOMPARE(SterownikSym::wartoscSetup(s->sterownik.stan(), 1), f1);
            QCOMPARE(SterownikSym::wartoscSetup(s->sterownik.stan(), 2), f2);
        } else {
            QVERIFY(!pasekPostepu().isVisible());
        }
    }
};

QTEST_MAIN(TestTransfery)
#include "test_transfery.moc"
