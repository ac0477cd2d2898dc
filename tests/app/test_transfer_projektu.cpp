// The whole-project transfer from the main window's menu against the
// simulator over RS-485 and TCP/IP: a read gives the controller's project,
// a send leaves ours on the controller and compares it back, compare-only
// never changes the project; the frames and pauses of a row on the fake
// clock; a failure marks only its row; the abort, the busy controller, the
// window's buttons; the automatic mode behind the firmware update's copy of
// the settings.
#include "sym_okna.h"
#include "test_qt.h"
#include "wyjscia_okna.h"

#include "blokada_okna.h"
#include "element_listy.h"
#include "kopia_ustawien.h"
#include "menu_projektu.h"
#include "obrazki.h"
#include "podpis_wiersza.h"
#include "porownanie_blokow.h"
#include "projekt.h"
#include "sekcje.h"
#include "setup_transfer.h"
#include "transfer_projektu.h"
#include "tryby_specjalne_transfer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

#include <cstring>
#include <random>

using R = RodzajKomunikatu;

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

template <class T>
QByteArray surowe(const T *r, int ile)
{
    return QByteArray(reinterpret_cast<const char *>(r), int(sizeof(T)) * ile);
}

// What row w carries, as it compares: the special modes' numbers and the
// fixed modes' names are the reader's own, not the controller's.
QByteArray blok(const Projekt &x, int w)
{
    const TProjektVXTNew &p = x.p;
    switch (w) {
    case 1:
        return surowe(p.Setup).mid(4);
    case 2:
        return surowe(p.FWejsciaPomiarowe);
    case 3:
        return surowe(p.przekazniki, 32) + surowe(p.przekaznikiAlarmF1F4);
    case 4:
        return surowe(p.WyjsciaAn);
    case 5:
        return surowe(p.WejsciaCyfrowe, 24);
    case 6:
        return surowe(p.modulyWeWyjKonf);
    case 7:
        return surowe(p.zadana);
    case 8:
        return surowe(p.dodatki);
    case 9:
        return surowe(p.wilgotnosc);
    case 10: {
        QByteArray b;
        for (int i = 0; i < 14; ++i) {
            TFunkcjaSpec t = p.FunkcjeSpec[i];
            t.nr_funkcji = 0;
            if (i < 4)
                t.nazwa = TNazwa50char{};
            b += surowe(t);
        }
        return b;
    }
    case 11:
        return surowe(&p.kroki[1], 32);
    case 12:
        return surowe(p.programy);
    case 13:
        return surowe(&p.krokiMycie[1], 16);
    case 14:
        return surowe(p.programyMycie);
    case 15:
        return surowe(x.m);
    }
    return {};
}

// The project with every row's part cleared: what no row touches.
QByteArray pozaBlokami(const Projekt &x)
{
    auto k = std::make_unique<Projekt>(x);
    TProjektVXTNew &p = k->p;
    std::memset(&p.Setup.F[1], 0, 400);
    std::memset(&p.FWejsciaPomiarowe, 0, sizeof p.FWejsciaPomiarowe);
    std::memset(&p.przekazniki, 0, 32 * sizeof(TPrzekaznik));
    std::memset(&p.przekaznikiAlarmF1F4, 0, sizeof p.przekaznikiAlarmF1F4);
    std::memset(&p.WyjsciaAn, 0, sizeof p.WyjsciaAn);
    std::memset(&p.WejsciaCyfrowe, 0, 24 * sizeof(Tkvor350wejscieDwustanowe));
    std::memset(&p.modulyWeWyjKonf, 0, sizeof p.modulyWeWyjKonf);
    std::memset(&p.zadana, 0, sizeof p.zadana);
    std::memset(&p.dodatki, 0, sizeof p.dodatki);
    std::memset(&p.wilgotnosc, 0, sizeof p.wilgotnosc);
    std::memset(&p.FunkcjeSpec, 0, sizeof p.FunkcjeSpec);
    std::memset(&p.kroki[1], 0, 32 * sizeof(TKrok));
    std::memset(&p.programy, 0, sizeof p.programy);
    std::memset(&p.krokiMycie[1], 0, 16 * sizeof(TKrok));
    std::memset(&p.programyMycie, 0, sizeof p.programyMycie);
    return surowe(p);
}

// A project in the form a read gives it back, its SETUP keeping the main
// window's address and speed and the factory code on, so that the SETUP
// send meets none of its guards.
std::unique_ptr<Projekt> przyklad(uint32_t ziarno, const TUstawieniaSterownika &u)
{
    auto x = std::make_unique<Projekt>();
    BlokiSym::przykladowy(x->p, x->m, ziarno);
    std::mt19937 g(ziarno);
    for (int i = 0; i <= 100; ++i)
        x->p.Setup.F[i] = i == 0 ? 0 : int32_t(g());
    x->p.Setup.F[1] = u.adresRS;
    for (int f2 = 0; f2 < 5; ++f2)
        if (zgodnaPredkosc(u.ParametryTransmisji.predkosc, f2))
            x->p.Setup.F[2] = f2;
    x->p.Setup.F[47] = 0;
    x->p.modulyWeWyjKonf = {uint8_t(ziarno % 16), uint8_t(ziarno % 5), uint8_t(ziarno % 3), 0x0F};
    // Over TCP/IP a digital input's name travels with 15 characters.
    for (Tkvor350wejscieDwustanowe &d : x->p.WejsciaCyfrowe) {
        if (d.nazwa_str[0] > 15) {
            d.nazwa_str[0] = 15;
            d.nazwa_str[16] = 0;
            d.nazwa_array[15] = 0;
        }
    }
    return x;
}

// Everything the simulator holds, its SETUP and modules included, the
// special modes in the order of the list (the simulator keeps them by the
// controller's numbers).
std::unique_ptr<Projekt> naSterowniku(SymulatorEdytora &s)
{
    auto x = std::make_unique<Projekt>();
    x->p = *s.bloki.projekt();
    x->m = s.bloki.mycie();
    const auto sym = s.bloki.projekt();
    for (int i = 0; i < ileTrybowSpecjalnych; ++i)
        x->p.FunkcjeSpec[i] = sym->FunkcjeSpec[nrTrybuSterownika(i + 1)];
    const StanSterownika st = s.sterownik.stan();
    x->p.modulyWeWyjKonf = st.moduly;
    for (int i = 1; i <= 100; ++i)
        x->p.Setup.F[i] = SterownikSym::wartoscSetup(st, i);
    return x;
}

void zaladuj(SymulatorEdytora &s, const Projekt &x)
{
    auto sym = std::make_unique<TProjektVXTNew>(x.p);
    for (int i = 0; i < ileTrybowSpecjalnych; ++i)
        sym->FunkcjeSpec[nrTrybuSterownika(i + 1)] = x.p.FunkcjeSpec[i];
    s.bloki.ustaw(*sym, x.m);
    s.sterownik.zmien([&](StanSterownika &st) {
        st.moduly = x.p.modulyWeWyjKonf;
        for (int i = 1; i <= 100; ++i)
            SterownikSym::ustawSetup(st, i, x.p.Setup.F[i]);
    });
}

std::unique_ptr<Projekt> wOknie(const TForm1 &o)
{
    auto x = std::make_unique<Projekt>();
    x->p = o.projekt.projekt();
    x->m = o.projekt.mycie();
    return x;
}

bool tenObrazek(const QLabel *l, const char *nazwa)
{
    return l->pixmap().toImage() == obrazek(QString::fromLatin1(nazwa)).toImage();
}

// A row as it ends: "-" not ended, "ok" / "err" the transfer, then "=" or
// "#" for a compare made; "ukryty" for a hidden row.
QString stan(const TKbProgress *w)
{
    if (w->isHidden())
        return QStringLiteral("ukryty");
    if (!w->isEnded)
        return QStringLiteral("-");
    QString s = w->FinalStatusOk() ? QStringLiteral("ok") : QStringLiteral("err");
    const bool wynikOk = tenObrazek(w->FImageResult, w->FinalStatusOk() ? "TRANS_OK" : "TRANS_ERROR");
    if (!wynikOk || w->FImageResult->isHidden())
        return QStringLiteral("bad picture");
    if (!w->FImageVerify->isHidden())
        s += tenObrazek(w->FImageVerify, "COMP_OK") ? QStringLiteral("=") : QStringLiteral("#");
    return s;
}

QStringList stany(const TFProjektRSIn &o)
{
    QStringList l;
    for (const TKbProgress *w : o.progressArray)
        l << stan(w);
    return l;
}

// Fifteen times the same state, with the given rows replaced.
QStringList wszystkie(const QString &s, const std::map<int, QString> &inne = {})
{
    QStringList l;
    for (int w = 1; w <= ileWierszyTransferu; ++w)
        l << (inne.count(w) ? inne.at(w) : s);
    return l;
}

// "F01", "I0A": the function letter and sub-command of a request frame.
QString kod(const QByteArray &r, int przed)
{
    return QString(QChar(r.at(przed + 1))) +
           QStringLiteral("%1").arg(uint8_t(r.at(przed + 2)), 2, 16, QLatin1Char('0')).toUpper();
}

const QStringList blokada = {QStringLiteral("F01"), QStringLiteral("G07")};

QStringList razy(int n, const QString &k)
{
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << k;
    return l;
}

} // namespace

class TestTransferProjektu : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorOkna> s;
    std::unique_ptr<TForm1> o;
    std::unique_ptr<TBlokadaOkna> blokadaOkien;
    bool lan = false;
    // Each message processing: the fake clock and the frames so far.
    std::vector<std::pair<qint64, size_t>> chwile;

    TUstawieniaSterownika ustawienia()
    {
        TUstawieniaSterownika u;
        o->wezUstawieniaSterownika(u, true);
        return u;
    }
    // Our project in the main window.
    std::unique_ptr<Projekt> naszProjekt(uint32_t ziarno)
    {
        auto x = przyklad(ziarno, ustawienia());
        o->projekt.projekt() = x->p;
        o->projekt.mycie() = x->m;
        return x;
    }
    void przezLan()
    {
        QVERIFY(s->przezLan());
        lan = true;
        o->pg_transmisjaRodzaj->setCurrentIndex(1);
        o->adresIp->setText(s->tcp.adres());
        o->se_numerSeryjny->setValue(int(s->sterownik.stan().numerSeryjny));
    }
    std::vector<QByteArray> ramki() const { return lan ? s->tcp.ramki() : s->pty.ramki(); }
    QStringList kody() const
    {
        QStringList l;
        for (const QByteArray &r : ramki())
            l << kod(r, lan ? 4 : 0);
        return l;
    }
    void wyczyscRamki()
    {
        s->pty.wyczyscRamki();
        s->tcp.wyczyscRamki();
    }
    void notujChwile()
    {
        chwile.clear();
        s->zegar.naPrzetworz = [this] { chwile.emplace_back(s->zegar.teraz, ramki().size()); };
    }
    // The fake clock once request n has been answered (the first message
    // processing that finds it among the frames).
    qint64 czasRamki(size_t n) const
    {
        for (const auto &[czas, ile] : chwile)
            if (ile > n)
                return czas;
        return -1;
    }
    // The window from the menu; akcja runs once it is up, then it closes.
    void zMenu(TOdbierzWyslij co, const std::function<void(TFProjektRSIn *)> &akcja)
    {
        bool bylo = false;
        gdyOknoModalne<TFProjektRSIn>([&](TFProjektRSIn *w) {
            bylo = true;
            akcja(w);
            w->but_zamknij->click();
        });
        (co == const_odbierz ? o->OdczytProjektu : o->WysylanieProjektu)->trigger();
        QVERIFY(bylo);
        QCOMPARE(o->TimerAutomatTag(), 0);
    }
    static void zaznacz(TFProjektRSIn *w, const std::vector<int> &wiersze)
    {
        for (const int i : wiersze)
            w->progressArray[i - 1]->setChecked(true);
    }
    QString pytanieWysylki()
    {
        return lan ? QStringLiteral("Czy chcesz wysłać zaznaczone pozycje do \r sterownika Numer Seryjny: 123456 ?")
                   : QStringLiteral("Czy chcesz wysłać zaznaczone pozycje do \r sterownika Adres RS-485: 1 ?");
    }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorOkna>();
        QVERIFY(s->gotowy);
        lan = false;
        o = s->okno();
        podlaczSekcje(*o);
        blokadaOkien = blokadaOkna(*o);
        podlaczMenuProjektu(*o);
        o->blokuj(false);
        QVERIFY(o->OdczytProjektu->isEnabled());
        QVERIFY(o->WysylanieProjektu->isEnabled());
    }
    void poTescie() override
    {
        s->zegar.naPrzetworz = nullptr;
        blokadaOkien.reset();
        o.reset();
        s.reset();
    }

private slots:
    void transporty_data()
    {
        QTest::addColumn<bool>("przezTcp");
        QTest::newRow("RS-485") << false;
        QTest::newRow("TCP/IP") << true;
    }

    // Every row read into a new project gives the controller's project;
    // what no row carries stays as the new project has it.
    void odczytCalosci_data() { transporty_data(); }
    void odczytCalosci()
    {
        QFETCH(bool, przezTcp);
        if (przezTcp)
            przezLan();
        const auto sym = przyklad(11, ustawienia());
        zaladuj(*s, *sym);
        const auto przed = wOknie(*o);
        QStringList wynik;
        zMenu(const_odbierz, [&](TFProjektRSIn *w) {
            QCOMPARE(w->windowTitle(), QString("Odczytanie projektu ze sterownika"));
            QCOMPARE(w->gp_trans->title(), QString("Wybierz co ma być odebrane: "));
            QCOMPARE(w->DaneSterownika.ParametryTransmisji.ReadTotalTimeoutConstant, 4000);
            w->but_zaznacz->click();
            w->but_start->click();
            wynik = stany(*w);
        });
        QCOMPARE(wynik, wszystkie("ok"));
        const auto po = wOknie(*o);
        for (int w = 1; w <= ileWierszyTransferu; ++w)
            QVERIFY2(blok(*po, w) == blok(*sym, w), qPrintable(QString("row %1").arg(w)));
        QVERIFY(pozaBlokami(*po) == pozaBlokami(*przed));
        QVERIFY(o->projekt.bylazmianaProjektu);
        QVERIFY(o->projekt.daneProjektu.default_);
        QVERIFY(s->bloki.naruszenia().isEmpty());
    }

    // Every row sent leaves our project on the controller, the compare that
    // follows finds every row equal and leaves our project as it was; the
    // extra modules and the washing settings write in sessions of their own,
    // SETUP outside any.
    void wyslanieCalosci_data() { transporty_data(); }
    void wyslanieCalosci()
    {
        QFETCH(bool, przezTcp);
        if (przezTcp)
            przezLan();
        zaladuj(*s, *przyklad(21, ustawienia()));
        const auto nasz = naszProjekt(22);
        s->komunikaty.oczekuj(R::Pytanie, pytanieWysylki(), 1);
        QStringList wynik;
        zMenu(const_wyslij, [&](TFProjektRSIn *w) {
            QCOMPARE(w->windowTitle(), QString("Wysyłanie projektu do sterownika"));
            QCOMPARE(w->gp_trans->title(), QString("Wybierz co ma być wysłane: "));
            QVERIFY(w->cb_wysylkaPorownaj->isVisible() && w->cb_wysylkaPorownaj->isChecked());
            QVERIFY(w->cb_wysylkaPorownaj->font().bold());
            QVERIFY(w->cb_CzytajPorownaj->isHidden());
            w->but_zaznacz->click();
            w->but_start->click();
            wynik = stany(*w);
        });
        QCOMPARE(wynik, wszystkie("ok="));
        const auto sym = naSterowniku(*s);
        for (int w = 1; w <= ileWierszyTransferu; ++w)
            QVERIFY2(blok(*sym, w) == blok(*nasz, w), qPrintable(QString("row %1").arg(w)));
        QVERIFY(surowe(o->projekt.projekt()) == surowe(nasz->p));
        QVERIFY(surowe(o->projekt.mycie()) == surowe(nasz->m));
        const StanSterownika st = s->sterownik.stan();
        QCOMPARE(st.ileSesji, 14); // the 12 rows in sessions, and the two of their own
        QCOMPARE(st.zapisyPozaSesja, 1);
        QVERIFY(!st.sesjaOtwarta);
        QVERIFY(s->bloki.naruszenia().isEmpty());
    }

    // "Tylko porównaj" marks the rows that differ where the controller
    // keeps a difference, leaves the project byte for byte, and still
    // reports a change to the main window.
    void tylkoPorownaj_data() { transporty_data(); }
    void tylkoPorownaj()
    {
        QFETCH(bool, przezTcp);
        if (przezTcp)
            przezLan();
        const auto nasz = naszProjekt(31);
        auto sym = std::make_unique<Projekt>(*nasz);
        sym->p.zadana[9].wartosc += 1;                  // row 7
        sym->p.przekaznikiAlarmF1F4[2].opoznienie += 1; // row 3, alarm outputs
        sym->p.programy[4].cykle[50].v[1] += 1;         // row 12, row 51: not kept
        sym->p.modulyWeWyjKonf.din ^= 1;                // row 6, bit 0: not kept
        sym->m.czaDoMycia += 1;                         // row 15
        zaladuj(*s, *sym);
        QStringList wynik;
        zMenu(const_odbierz, [&](TFProjektRSIn *w) {
            QVERIFY(w->cb_CzytajPorownaj->isVisible() && !w->cb_CzytajPorownaj->isChecked());
            QVERIFY(w->cb_wysylkaPorownaj->isHidden());
            w->cb_CzytajPorownaj->setChecked(true);
            QVERIFY(w->cb_CzytajPorownaj->font().bold());
            w->but_zaznacz->click();
            w->but_start->click();
            wynik = stany(*w);
        });
        QCOMPARE(wynik, wszystkie("ok=", {{3, "ok#"}, {7, "ok#"}, {15, "ok#"}}));
        QVERIFY(surowe(o->projekt.projekt()) == surowe(nasz->p));
        QVERIFY(surowe(o->projekt.mycie()) == surowe(nasz->m));
        QVERIFY(o->projekt.bylazmianaProjektu);
    }

    // The frames of the ticked rows in order, and the pauses between them
    // on the fake clock: 100 ms after each item, 7000 ms before a row that
    // follows a sent row and after the last sent row, none between two rows
    // with an unticked one between them; the lock check every 20th item.
    void ramkiIPrzerwy_data()
    {
        QTest::addColumn<int>("co");
        QTest::addColumn<std::vector<int>>("wiersze");
        QTest::addColumn<bool>("porownaj");
        QTest::addColumn<QStringList>("oczekiwane");
        QTest::addColumn<std::vector<int>>("przerwyPrzed"); // frames that follow a 7000 ms pause
        const QStringList sesja = {"I81"}, koniec = {"I82"};
        QTest::newRow("send setpoints") << int(const_wyslij) << std::vector<int>{7} << false
                                        << blokada + sesja + razy(10, "I0A") + koniec << std::vector<int>{};
        QTest::newRow("send setpoints, compare")
            << int(const_wyslij) << std::vector<int>{7} << true
            << blokada + sesja + razy(10, "I0A") + koniec + blokada + blokada + razy(10, "H0A") + blokada
            << std::vector<int>{14};
        QTest::newRow("send additions, humidity")
            << int(const_wyslij) << std::vector<int>{8, 9} << false
            << blokada + sesja + QStringList{"I0E"} + koniec + blokada + sesja + QStringList{"I0D"} + koniec
            << std::vector<int>{5};
        QTest::newRow("send modules, additions")
            << int(const_wyslij) << std::vector<int>{6, 8} << false
            << blokada + sesja + QStringList{"G10"} + koniec + blokada + sesja + QStringList{"I0E"} + koniec
            << std::vector<int>{};
        QTest::newRow("send digital inputs")
            << int(const_wyslij) << std::vector<int>{5} << false
            << blokada + sesja + razy(19, "I07") + blokada + razy(5, "I07") + koniec << std::vector<int>{};
        QTest::newRow("read setpoints") << int(const_odbierz) << std::vector<int>{7} << false
                                        << blokada + razy(10, "H0A") + blokada << std::vector<int>{};
        QTest::newRow("read digital outputs")
            << int(const_odbierz) << std::vector<int>{3} << false
            << blokada + razy(19, "H04") + blokada + razy(13, "H04") + razy(4, "H10") + blokada << std::vector<int>{};
    }
    void ramkiIPrzerwy()
    {
        QFETCH(int, co);
        QFETCH(std::vector<int>, wiersze);
        QFETCH(bool, porownaj);
        QFETCH(QStringList, oczekiwane);
        QFETCH(std::vector<int>, przerwyPrzed);
        const auto nasz = naszProjekt(41);
        zaladuj(*s, *nasz);
        const bool wysylka = co == const_wyslij;
        if (wysylka)
            s->komunikaty.oczekuj(R::Pytanie, pytanieWysylki(), 1);
        qint64 koniecCzas = 0;
        zMenu(TOdbierzWyslij(co), [&](TFProjektRSIn *w) {
            zaznacz(w, wiersze);
            w->cb_wysylkaPorownaj->setChecked(porownaj);
            wyczyscRamki();
            notujChwile();
            w->but_start->click();
            koniecCzas = s->zegar.teraz;
            s->zegar.naPrzetworz = nullptr;
        });
        QCOMPARE(kody(), oczekiwane);

        // Sent items: 100 ms after each (and the exchange's 10 ms).
        for (size_t i = 1; i < size_t(oczekiwane.size()); ++i)
            if (oczekiwane[int(i)].startsWith('I') && oczekiwane[int(i - 1)] == oczekiwane[int(i)])
                QVERIFY2(czasRamki(i) - czasRamki(i - 1) >= 100 && czasRamki(i) - czasRamki(i - 1) < 200,
                         qPrintable(QString("frame %1: %2 ms").arg(i).arg(czasRamki(i) - czasRamki(i - 1))));
        // The 7000 ms pauses: before the listed frames, and after the last
        // frame of a send; none elsewhere.
        qint64 najdluzej = 0;
        for (size_t i = 1; i < size_t(oczekiwane.size()); ++i) {
            const qint64 d = czasRamki(i) - czasRamki(i - 1);
            if (std::find(przerwyPrzed.begin(), przerwyPrzed.end(), int(i)) != przerwyPrzed.end())
                QVERIFY2(d >= przerwaMiedzyBlokamiMs && d < przerwaMiedzyBlokamiMs + 1000,
                         qPrintable(QString("frame %1: %2 ms").arg(i).arg(d)));
            else
                najdluzej = std::max(najdluzej, d);
        }
        QVERIFY2(najdluzej < 1000, qPrintable(QString::number(najdluzej)));
        const qint64 poOstatniej = koniecCzas - czasRamki(size_t(oczekiwane.size() - 1));
        if (wysylka && !porownaj)
            QVERIFY2(poOstatniej >= przerwaMiedzyBlokamiMs && poOstatniej < przerwaMiedzyBlokamiMs + 1000,
                     qPrintable(QString::number(poOstatniej)));
        else
            QVERIFY2(poOstatniej < 1000, qPrintable(QString::number(poOstatniej)));
        // A read row pauses 300 ms before its last lock check.
        if (!wysylka)
            QVERIFY(czasRamki(size_t(oczekiwane.size() - 2)) - czasRamki(size_t(oczekiwane.size() - 3)) >=
                    przerwaPoOdczycieBlokuMs);
    }

    // A failed item marks its row and ends the run there: the rows before
    // keep their results, the rows after stay as they were, the failure is
    // told once, a row that was not read shows no compare, and a compare-
    // only read leaves the project as it was.
    void bladWiersza_data()
    {
        QTest::addColumn<int>("co");
        QTest::addColumn<bool>("porownaj");
        QTest::addColumn<char>("f");
        QTest::addColumn<int>("sub");
        QTest::addColumn<int>("dobrych"); // good replies before the broken ones
        QTest::addColumn<QStringList>("oczekiwane");
        const QStringList doSiodmego =
            wszystkie("-", {{1, "ok"}, {2, "ok"}, {3, "ok"}, {4, "ok"}, {5, "ok"}, {6, "ok"}, {7, "err"}});
        QTest::newRow("read, setpoint 3") << int(const_odbierz) << false << 'H' << 0x0A << 2 << doSiodmego;
        QTest::newRow("compare, setpoint 3")
            << int(const_odbierz) << true << 'H' << 0x0A << 2
            << wszystkie("-", {{1, "ok="}, {2, "ok="}, {3, "ok="}, {4, "ok="}, {5, "ok="}, {6, "ok="}, {7, "err"}});
        QTest::newRow("send, setpoint 3") << int(const_wyslij) << true << 'I' << 0x0A << 2 << doSiodmego;
        QTest::newRow("send, session of row 7 not opened")
            << int(const_wyslij) << true << 'I' << 0x81 << 5 << doSiodmego;
        QTest::newRow("send, session of row 7 not closed")
            << int(const_wyslij) << true << 'I' << 0x82 << 5 << doSiodmego;
    }
    void bladWiersza()
    {
        QFETCH(int, co);
        QFETCH(bool, porownaj);
        QFETCH(char, f);
        QFETCH(int, sub);
        QFETCH(int, dobrych);
        QFETCH(QStringList, oczekiwane);
        const auto nasz = naszProjekt(51);
        zaladuj(*s, *nasz);
        if (co == const_wyslij)
            s->komunikaty.oczekuj(R::Pytanie, pytanieWysylki(), 1);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        QStringList wynik;
        zMenu(TOdbierzWyslij(co), [&](TFProjektRSIn *w) {
            w->but_zaznacz->click();
            (co == const_wyslij ? w->cb_wysylkaPorownaj : w->cb_CzytajPorownaj)->setChecked(porownaj);
            wyczyscRamki();
            s->zepsujOd(f, uint8_t(sub), dobrych);
            w->but_start->click();
            wynik = stany(*w);
        });
        QCOMPARE(wynik, oczekiwane);
        QVERIFY(s->komunikaty.pusty());
        // Nothing of the rows after the failed one went over the wire.
        for (const QString &k : kody())
            QVERIFY2(k != "H0E" && k != "I0E", qPrintable(k));
        if (co == const_odbierz && !porownaj)
            return;
        QVERIFY(surowe(o->projekt.projekt()) == surowe(nasz->p));
        QVERIFY(surowe(o->projekt.mycie()) == surowe(nasz->m));
    }

    // Output 1 counts as sent only when both its own send and the four
    // alarm outputs went, and the digital outputs' row is not read without
    // the alarm outputs.
    void alarmyWyjsc_data()
    {
        QTest::addColumn<int>("co");
        QTest::addColumn<int>("sub");
        QTest::addColumn<bool>("tylkoPierwsza"); // only the first item's attempts fail
        QTest::newRow("send, alarm outputs fail") << int(const_wyslij) << 0x10 << false;
        QTest::newRow("send, output 1 fails") << int(const_wyslij) << 0x04 << true;
        QTest::newRow("compare, alarm outputs fail") << int(const_odbierz) << 0x10 << false;
    }
    void alarmyWyjsc()
    {
        QFETCH(int, co);
        QFETCH(int, sub);
        QFETCH(bool, tylkoPierwsza);
        const auto nasz = naszProjekt(61);
        zaladuj(*s, *nasz);
        const bool wysylka = co == const_wyslij;
        if (wysylka)
            s->komunikaty.oczekuj(R::Pytanie, pytanieWysylki(), 1);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        const char f = wysylka ? 'I' : 'H';
        if (tylkoPierwsza)
            s->usterki.dodaj(f, uint8_t(sub), {RodzajUsterki::ZleCRC}, iloscPowtorzen);
        else
            s->zepsujOd(f, uint8_t(sub), 0);
        QStringList wynik;
        zMenu(TOdbierzWyslij(co), [&](TFProjektRSIn *w) {
            zaznacz(w, {3});
            w->cb_CzytajPorownaj->setChecked(true);
            wyczyscRamki();
            w->but_start->click();
            wynik = stany(*w);
        });
        QCOMPARE(wynik, wszystkie("ukryty", {{3, "err"}}));
        QVERIFY(s->komunikaty.pusty());
        const QStringList k = kody();
        if (tylkoPierwsza) {
            QCOMPARE(k.count("I04"), iloscPowtorzen);
            QVERIFY(!k.contains("I10"));
        } else if (wysylka) {
            QCOMPARE(k.count("I04"), 1);
            QVERIFY(k.contains("I10"));
        } else {
            QCOMPARE(k.count("H04"), 32);
        }
        QVERIFY(surowe(o->projekt.projekt()) == surowe(nasz->p));
    }

    // "Przerwij" in every kind of run, during an item, between rows or
    // after the last row, ends the run with the box saying the user stopped
    // it (not "Brak komunikacji"): a send, a read, a compare-only read and
    // the compare after a send. During an item it fails the row (a send
    // closes its session); between rows the next ticked row says so; after
    // the last row nothing more is done (a send then compares nothing). The
    // row that says so can be read whole; the 7000 ms after a sent row stay;
    // no row after the stopped one goes over the wire.
    void przerwanie_data()
    {
        QTest::addColumn<int>("co");
        QTest::addColumn<bool>("porownaj");   // "Tylko porównaj" or "Porównaj po wysłaniu"
        QTest::addColumn<QString>("faza");    // what the run says while the click comes
        QTest::addColumn<int>("wiersz");      // the row the click follows
        QTest::addColumn<int>("poPozycjach"); // after this many of its items; 0: once it ended ...
        QTest::addColumn<int>("poKoncuMs");   // ... and this long after
        QTest::addColumn<QStringList>("oczekiwane");
        const QString wysylanie = "Wysyłanie...", czytanie = "Czytanie...", porownanie = "Porównanie...";
        const auto wiersze = [](const char *a, const char *b, const char *c) {
            return wszystkie("ukryty", {{4, a}, {5, b}, {7, c}});
        };
        const int wyslij = const_wyslij, odbierz = const_odbierz;
        QTest::newRow("send, in an item") << wyslij << true << wysylanie << 4 << 2 << 0 << wiersze("err", "-", "-");
        QTest::newRow("send, between rows") << wyslij << true << wysylanie << 4 << 0 << 0 << wiersze("ok", "err", "-");
        QTest::newRow("send, in the final pause")
            << wyslij << true << wysylanie << 7 << 0 << 1000 << wiersze("ok", "ok", "ok");
        QTest::newRow("read, in an item") << odbierz << false << czytanie << 4 << 2 << 0 << wiersze("err", "-", "-");
        QTest::newRow("read, between rows") << odbierz << false << czytanie << 4 << 0 << 0 << wiersze("ok", "err", "-");
        QTest::newRow("read, after the last row")
            << odbierz << false << czytanie << 7 << 0 << 0 << wiersze("ok", "ok", "ok");
        QTest::newRow("compare, in an item")
            << odbierz << true << porownanie << 4 << 2 << 0 << wiersze("err", "-", "-");
        QTest::newRow("compare, between rows")
            << odbierz << true << porownanie << 4 << 0 << 0 << wiersze("ok=", "err", "-");
        QTest::newRow("compare, after the last row")
            << odbierz << true << porownanie << 7 << 0 << 0 << wiersze("ok=", "ok=", "ok=");
        QTest::newRow("compare after send, in an item")
            << wyslij << true << porownanie << 4 << 2 << 0 << wiersze("err", "ok", "ok");
        QTest::newRow("compare after send, between rows")
            << wyslij << true << porownanie << 4 << 0 << 0 << wiersze("ok=", "err", "ok");
        QTest::newRow("compare after send, after the last row")
            << wyslij << true << porownanie << 7 << 0 << 0 << wiersze("ok=", "ok=", "ok=");
    }
    void przerwanie()
    {
        QFETCH(int, co);
        QFETCH(bool, porownaj);
        QFETCH(QString, faza);
        QFETCH(int, wiersz);
        QFETCH(int, poPozycjach);
        QFETCH(int, poKoncuMs);
        QFETCH(QStringList, oczekiwane);
        const auto nasz = naszProjekt(71);
        zaladuj(*s, *nasz);
        if (co == const_wyslij)
            s->komunikaty.oczekuj(R::Pytanie, pytanieWysylki(), 1);
        s->komunikaty.oczekuj(R::Informacja, "Przerwano przez użytkownika");
        QStringList wynik;
        qint64 koniecCzas = 0;
        bool klik = false;
        zMenu(TOdbierzWyslij(co), [&](TFProjektRSIn *w) {
            zaznacz(w, {4, 5, 7});
            (co == const_wyslij ? w->cb_wysylkaPorownaj : w->cb_CzytajPorownaj)->setChecked(porownaj);
            wyczyscRamki();
            chwile.clear();
            const TKbProgress *r = w->progressArray[wiersz - 1];
            bool wToku = false; // the row has run in this part of the run
            qint64 koniecWiersza = -1;
            s->zegar.naPrzetworz = [&] {
                chwile.emplace_back(s->zegar.teraz, ramki().size());
                if (klik || w->l_info->text() != faza)
                    return;
                wToku = wToku || !r->FProgressBar->isHidden();
                if (!wToku)
                    return;
                if (poPozycjach > 0) {
                    if (r->FProgressBar->isHidden() || r->FProgressBar->pozycja() < poPozycjach)
                        return;
                } else {
                    if (koniecWiersza < 0 && r->isEnded)
                        koniecWiersza = s->zegar.teraz;
                    if (koniecWiersza < 0 || s->zegar.teraz < koniecWiersza + poKoncuMs)
                        return;
                }
                klik = true;
                QVERIFY(w->but_przerwij->isVisible() && w->but_przerwij->isEnabled());
                QTest::mouseClick(w->but_przerwij, Qt::LeftButton);
                QVERIFY(!w->but_przerwij->isEnabled());
            };
            w->but_start->click();
            koniecCzas = s->zegar.teraz;
            s->zegar.naPrzetworz = nullptr;
            wynik = stany(*w);
            // An ended row can be read whole, the stopped one saying so.
            for (int i = 0; i < ileWierszyTransferu; ++i) {
                if (w->progressArray[i]->isHidden() || !w->progressArray[i]->isEnded)
                    continue;
                const QString podpis =
                    tabelaTransferu()[i].nazwa +
                    (wynik.at(i) == QLatin1String("err") ? QString(": Przerwano przez użytkownika") : QString());
                const QString blad = podpisNieczytelny(w->progressArray[i], podpis);
                QVERIFY2(blad.isEmpty(), qPrintable(QString("row %1: %2").arg(i + 1).arg(blad)));
            }
            QVERIFY(w->but_przerwij->isHidden());
            QVERIFY(w->but_zamknij->isEnabled());
        });
        QVERIFY(klik);
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(wynik, oczekiwane);
        const QStringList k = kody();
        const bool wysylka = faza == QStringLiteral("Wysyłanie...");
        // Row 7 (the setpoints) goes only when the click followed it.
        QCOMPARE(int(k.count(wysylka ? "I0A" : "H0A")), wiersz == 7 ? 10 : 0);
        QVERIFY(!s->sterownik.stan().sesjaOtwarta);
        if (wysylka) {
            // No compare after an abort of the send; the pause after a sent
            // row stays.
            for (const QString &kod : k)
                QVERIFY2(!kod.startsWith('H'), qPrintable(kod));
            if (poPozycjach == 0) {
                const qint64 poOstatniej = koniecCzas - czasRamki(size_t(k.size() - 1));
                QVERIFY2(poOstatniej >= przerwaMiedzyBlokamiMs, qPrintable(QString::number(poOstatniej)));
            }
        }
        if (porownaj || co == const_wyslij) {
            QVERIFY(surowe(o->projekt.projekt()) == surowe(nasz->p));
            QVERIFY(surowe(o->projekt.mycie()) == surowe(nasz->m));
        }
    }

    // "Przerwij" during the 7000 ms pause before a row: no session of that
    // row is opened, the one before was closed, and the row and the box say
    // the user stopped it; no compare follows.
    void przerwanieWPrzerwie()
    {
        const auto nasz = naszProjekt(72);
        zaladuj(*s, *nasz);
        s->komunikaty.oczekuj(R::Pytanie, pytanieWysylki(), 1);
        s->komunikaty.oczekuj(R::Informacja, "Przerwano przez użytkownika");
        QStringList wynik;
        QString etykieta;
        int sesjiPrzedKlikiem = -1;
        zMenu(const_wyslij, [&](TFProjektRSIn *w) {
            zaznacz(w, {7, 8});
            wyczyscRamki();
            s->zegar.naPrzetworz = [&] {
                if (sesjiPrzedKlikiem >= 0 || w->progressArray[7]->FLabel->text() != QString("Czekaj...."))
                    return;
                sesjiPrzedKlikiem = int(kody().count("I81"));
                QTest::mouseClick(w->but_przerwij, Qt::LeftButton);
            };
            w->but_start->click();
            s->zegar.naPrzetworz = nullptr;
            wynik = stany(*w);
            etykieta = w->progressArray[7]->FLabel->text();
        });
        QCOMPARE(sesjiPrzedKlikiem, 1);
        const QStringList k = kody();
        QCOMPARE(int(k.count("I81")), 1);
        QCOMPARE(int(k.count("I82")), 1);
        QVERIFY(!k.contains("I0E"));
        QVERIFY(!k.contains("H0A"));
        QVERIFY(!s->sterownik.stan().sesjaOtwarta);
        QCOMPARE(wynik, wszystkie("ukryty", {{7, "ok"}, {8, "err"}}));
        QCOMPARE(etykieta, QString("Dodatki: Przerwano przez użytkownika"));
    }

    // The rows are read once, at "Start": a row unticked while the send
    // runs is still sent, and its tick cannot be clicked meanwhile.
    void wierszeCzytaneRazNaStarcie()
    {
        const auto nasz = naszProjekt(73);
        zaladuj(*s, *nasz);
        s->komunikaty.oczekuj(R::Pytanie, pytanieWysylki(), 1);
        bool odznaczony = false;
        zMenu(const_wyslij, [&](TFProjektRSIn *w) {
            zaznacz(w, {7, 8});
            w->cb_wysylkaPorownaj->setChecked(false);
            wyczyscRamki();
            s->zegar.naPrzetworz = [&] {
                if (odznaczony || !kody().contains("I0A"))
                    return;
                odznaczony = true;
                TKbProgress *r = w->progressArray[7];
                QVERIFY(!r->FSwitch->isEnabled());
                QTest::mouseClick(r->FSwitch, Qt::LeftButton);
                QTest::mouseClick(r->FLabel, Qt::LeftButton);
                QVERIFY(r->checked());
                r->setChecked(false);
            };
            w->but_start->click();
            s->zegar.naPrzetworz = nullptr;
            QCOMPARE(stany(*w), wszystkie("ukryty", {{7, "ok"}, {8, "ok"}}));
            QVERIFY(w->progressArray[7]->FSwitch->isEnabled());
        });
        QVERIFY(odznaczony);
        QCOMPARE(int(kody().count("I0E")), 1);
    }

    // A controller busy with a process still takes the rows sent in a write
    // session, which opens; rows 1, 6 and 15 fail on the lock check.
    void zajetySterownik_data()
    {
        QTest::addColumn<int>("wiersz");
        QTest::addColumn<bool>("wyslany");
        QTest::newRow("SETUP") << 1 << false;
        QTest::newRow("extra modules") << 6 << false;
        QTest::newRow("setpoints") << 7 << true;
        QTest::newRow("washing settings") << 15 << false;
    }
    void zajetySterownik()
    {
        QFETCH(int, wiersz);
        QFETCH(bool, wyslany);
        zaladuj(*s, *przyklad(81, ustawienia()));
        s->komunikaty.oczekuj(R::Pytanie, pytanieWysylki(), 1);
        if (!wyslany)
            s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        QStringList wynik;
        zMenu(const_wyslij, [&](TFProjektRSIn *w) {
            o->lockService.fnLockCheck = [] { return 2; };
            zaznacz(w, {wiersz});
            w->cb_wysylkaPorownaj->setChecked(false);
            w->but_start->click();
            wynik = stany(*w);
        });
        QCOMPARE(wynik, wszystkie("ukryty", {{wiersz, wyslany ? "ok" : "err"}}));
        QCOMPARE(s->sterownik.stan().ileSesji, wyslany ? 1 : 0);
    }

    // A SETUP row the program could not reach the controller with
    // afterwards over RS-485 ends the run at its first box: refused, or
    // declined at the question; nothing of it reaches the controller and
    // the rows after it are not sent.
    void setupNieosiagalny_data()
    {
        QTest::addColumn<int>("f1");
        QTest::addColumn<int>("f2");
        QTest::addColumn<int>("rodzaj");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("address 250") << 250 << 4 << int(R::Ostrzezenie)
                                     << "Nie wysłano ustawień: F01 (Adres RS-485) = 250. Dozwolone wartości: 0 - 247.";
        QTest::newRow("38400, no") << 1 << 2 << int(R::PytanieOstrzezenie)
                                   << "F02 (Prędkość transmisji) = 38400 [b/s]: tej prędkości nie można wybrać";
    }
    void setupNieosiagalny()
    {
        QFETCH(int, f1);
        QFETCH(int, f2);
        QFETCH(int, rodzaj);
        QFETCH(QString, tekst);
        naszProjekt(61);
        zaladuj(*s, *przyklad(62, ustawienia()));
        o->projekt.projekt().Setup.F[1] = f1;
        o->projekt.projekt().Setup.F[2] = f2;
        s->komunikaty.oczekuj(R::Pytanie, pytanieWysylki(), 1);
        s->komunikaty.oczekuj(R(rodzaj), tekst, 0);
        QStringList wynik;
        zMenu(const_wyslij, [&](TFProjektRSIn *w) {
            zaznacz(w, {1, 7});
            wyczyscRamki();
            w->but_start->click();
            wynik = stany(*w);
        });
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(wynik, wszystkie("ukryty", {{1, "err"}, {7, "-"}}));
        for (const QString &k : kody())
            QVERIFY2(k == blokada[0] || k == blokada[1], qPrintable(k));
        QCOMPARE(SterownikSym::wartoscSetup(s->sterownik.stan(), 1), 1);
        QCOMPARE(s->sterownik.stan().ileSesji, 0);
    }

    // The run takes a read time-out of 4000 ms, and the connection record
    // is taken again after SETUP was sent, which brings it back to 350 ms
    // for the rest of the run.
    void czasOdczytuPoSetup_data()
    {
        QTest::addColumn<std::vector<int>>("wiersze");
        QTest::addColumn<int>("czas");
        QTest::newRow("setpoints") << std::vector<int>{7} << 4000;
        QTest::newRow("SETUP, setpoints") << std::vector<int>{1, 7} << 350;
    }
    void czasOdczytuPoSetup()
    {
        QFETCH(std::vector<int>, wiersze);
        QFETCH(int, czas);
        const auto nasz = naszProjekt(91);
        zaladuj(*s, *nasz);
        s->komunikaty.oczekuj(R::Pytanie, pytanieWysylki(), 1);
        int poRunie = 0;
        zMenu(const_wyslij, [&](TFProjektRSIn *w) {
            QCOMPARE(o->TimerAutomatTag(), 1); // the main window is locked
            QCOMPARE(w->DaneSterownika.ParametryTransmisji.ReadTotalTimeoutConstant, 4000);
            zaznacz(w, wiersze);
            w->cb_wysylkaPorownaj->setChecked(false);
            w->but_start->click();
            poRunie = w->DaneSterownika.ParametryTransmisji.ReadTotalTimeoutConstant;
        });
        QCOMPARE(poRunie, czas);
    }

    // Before the programs the password timer of the lock starts again: a
    // locked controller gets the remembered password at the 20th program,
    // not only 10 s after the last send.
    void hasloPrzedProgramami_data()
    {
        QTest::addColumn<int>("wiersz");
        QTest::addColumn<QString>("pozycja");
        QTest::addColumn<std::vector<int>>("wyslania"); // items sent before each password send
        QTest::newRow("steps") << 11 << "I02" << std::vector<int>{};
        QTest::newRow("programs") << 12 << "I0F" << std::vector<int>{19 * 5, 99 * 5};
    }
    void hasloPrzedProgramami()
    {
        QFETCH(int, wiersz);
        QFETCH(QString, pozycja);
        QFETCH(std::vector<int>, wyslania);
        naszProjekt(121);
        o->lockService.fnLockCheck = [] { return 1; };
        o->lockService.fnPasswordInput = [](QString &t) { t = QStringLiteral("4242"); };
        std::vector<int> wyslane;
        o->lockService.fnUnlockPasswordSend = [&](const QString &haslo) {
            wyslane.push_back(int(kody().count(pozycja)));
            return haslo == QLatin1String("4242") ? 0 : 66;
        };
        s->komunikaty.oczekuj(R::Pytanie, pytanieWysylki(), 1);
        zMenu(const_wyslij, [&](TFProjektRSIn *w) {
            zaznacz(w, {wiersz});
            w->cb_wysylkaPorownaj->setChecked(false);
            wyczyscRamki();
            wyslane.clear();
            w->but_start->click();
            QCOMPARE(stany(*w), wszystkie("ukryty", {{wiersz, "ok"}}));
        });
        QCOMPARE(wyslane, wyslania);
    }

    // The automatic mode leaves the user nothing to press: every row is
    // ticked and the rows cannot be changed; the start waits for the
    // window to run.
    void trybAutomatyczny()
    {
        TFProjektRSIn w(o->projekt.projekt(), o->projekt.mycie(), o->lockService, o.get());
        TAutomatOdbierania a;
        a.automat = true;
        w.przygotuj(const_odbierz, 1045, a);
        for (QWidget *b : std::initializer_list<QWidget *>{w.but_zaznacz, w.but_start, w.but_reset, w.but_zamknij,
                                                           w.cb_CzytajPorownaj})
            QVERIFY(b->isHidden());
        QVERIFY(!w.gp_trans->isEnabled());
        for (const TKbProgress *r : w.progressArray)
            QVERIFY(r->checked());
        QVERIFY(w.TimerAutomatO->isActive());
        QCOMPARE(s->pty.ramki().size(), size_t(2)); // the window's own lock check only

        TFProjektRSIn reczny(o->projekt.projekt(), o->projekt.mycie(), o->lockService, o.get());
        reczny.przygotuj(const_odbierz, 1045, {});
        QVERIFY(reczny.gp_trans->isEnabled());
        QVERIFY(!reczny.TimerAutomatO->isActive());
        for (const TKbProgress *r : reczny.progressArray)
            QVERIFY(!r->checked());
    }

    // Without a free or unlocked controller the window does not open.
    void menuBezKomunikacji_data()
    {
        QTest::addColumn<int>("blokada");
        QTest::newRow("no answer") << -1;
        QTest::newRow("busy") << 2;
    }
    void menuBezKomunikacji()
    {
        QFETCH(int, blokada);
        o->lockService.fnLockCheck = [blokada] { return blokada; };
        bool otwarte = false;
        QTimer t;
        connect(&t, &QTimer::timeout, [&] {
            if (auto *w = qobject_cast<TFProjektRSIn *>(QApplication::activeModalWidget())) {
                otwarte = true;
                w->reject();
            }
        });
        t.start(10);
        for (QAction *a : {o->OdczytProjektu, o->WysylanieProjektu}) {
            s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
            a->trigger();
            QVERIFY(s->komunikaty.pusty());
        }
        QVERIFY(!otwarte);
        QCOMPARE(o->TimerAutomatTag(), 0);
        QVERIFY(!o->projekt.bylazmianaProjektu);
    }

    // The window's controls: "Start" only with a ticked row, the toggle of
    // "Zaznacz wszystko", rows not ticked hidden by "Start" until "Reset"
    // (also when the send question is declined), and while a transfer
    // runs only "Przerwij..." with the window refusing to close.
    void przyciski()
    {
        s->komunikaty.oczekuj(R::Pytanie, pytanieWysylki(), 0);
        zMenu(const_wyslij, [&](TFProjektRSIn *w) {
            QVERIFY(!w->but_start->isEnabled());
            QVERIFY(w->but_przerwij->isHidden() && w->Animate1->isHidden() && w->l_info->isHidden());
            for (int i = 0; i < ileWierszyTransferu; ++i)
                QCOMPARE(w->progressArray[i]->FSwitch->accessibleName(), tabelaTransferu()[i].nazwa);
            QCOMPARE(w->progressArray[1]->FLabel->text(), QString("[AI] Wejścia analogowe"));
            w->progressArray[1]->setChecked(true);
            QVERIFY(w->but_start->isEnabled());
            w->progressArray[1]->setChecked(false);
            QVERIFY(!w->but_start->isEnabled());

            w->but_zaznacz->click();
            QCOMPARE(w->but_zaznacz->text(), QString("Odznacz wszystko"));
            for (const TKbProgress *r : w->progressArray)
                QVERIFY(r->checked());
            w->but_zaznacz->click();
            QCOMPARE(w->but_zaznacz->text(), QString("Zaznacz wszystko"));
            for (const TKbProgress *r : w->progressArray)
                QVERIFY(!r->checked());
            QVERIFY(!w->but_start->isEnabled());

            // Declined: the rows not ticked stay hidden.
            zaznacz(w, {7, 8});
            w->cb_wysylkaPorownaj->setChecked(false);
            w->but_start->click();
            QCOMPARE(stany(*w), wszystkie("ukryty", {{7, "-"}, {8, "-"}}));
            QVERIFY(w->progressArray[6]->checked());
            // Ticking every row shows them again; unticking keeps them.
            w->but_zaznacz->click();
            QCOMPARE(stany(*w), wszystkie("-"));
            w->but_zaznacz->click();
            QCOMPARE(stany(*w), wszystkie("-"));
            zaznacz(w, {7, 8});
            w->cb_wysylkaPorownaj->setChecked(false);
            s->komunikaty.oczekuj(R::Pytanie, pytanieWysylki(), 0);
            w->but_start->click();
            QCOMPARE(stany(*w), wszystkie("ukryty", {{7, "-"}, {8, "-"}}));

            // Running: only the abort; closing is refused.
            s->komunikaty.oczekuj(R::Pytanie, pytanieWysylki(), 1);
            wyczyscRamki();
            bool sprawdzone = false;
            s->zegar.naPrzetworz = [&] {
                if (sprawdzone || !w->wTrakcie() || ramki().empty())
                    return;
                sprawdzone = true;
                QVERIFY(w->but_przerwij->isEnabled());
                QVERIFY(w->Animate1->isVisible());
                QVERIFY(w->l_info->isVisible());
                QCOMPARE(w->l_info->text(), QString("Wysyłanie..."));
                for (QPushButton *b : {w->but_start, w->but_zaznacz, w->but_reset, w->but_zamknij})
                    QVERIFY2(!b->isEnabled(), qPrintable(b->text()));
                QVERIFY(!w->cb_wysylkaPorownaj->isEnabled() && !w->cb_CzytajPorownaj->isEnabled());
                for (const TKbProgress *r : w->progressArray)
                    QVERIFY(!r->FSwitch->isEnabled());
                QVERIFY(wyjsciaOdrzucone(w));
            };
            w->but_start->click();
            s->zegar.naPrzetworz = nullptr;
            QVERIFY(sprawdzone);
            QCOMPARE(stany(*w), wszystkie("ukryty", {{7, "ok"}, {8, "ok"}}));
            QVERIFY(w->but_przerwij->isHidden() && w->Animate1->isHidden() && w->l_info->isHidden());
            // Every row ended unticked: "Start" waits for a tick.
            QVERIFY(!w->but_start->isEnabled());
            for (QPushButton *b : {w->but_zaznacz, w->but_reset, w->but_zamknij})
                QVERIFY2(b->isEnabled(), qPrintable(b->text()));
            for (const TKbProgress *r : w->progressArray)
                QVERIFY(r->FSwitch->isEnabled());

            w->but_reset->click();
            QCOMPARE(stany(*w), wszystkie("-"));
            for (const TKbProgress *r : w->progressArray)
                QVERIFY(!r->checked() && r->FSwitch->isVisible());
            QVERIFY(!w->but_start->isEnabled());
        });
    }

    // The firmware update's copy of the settings reads every row in the
    // automatic mode: 1.5 s after the window opens, closing 1.5 s after the
    // last row; the copy holds the controller's project and the project in
    // memory is as it was.
    void kopiaUstawien_data() { transporty_data(); }
    void kopiaUstawien()
    {
        QFETCH(bool, przezTcp);
        if (przezTcp)
            przezLan();
        const auto sym = przyklad(101, ustawienia());
        zaladuj(*s, *sym);
        const auto przed = wOknie(*o);
        const QDateTime teraz(QDate(2024, 5, 6), QTime(7, 8));
        const QString plik = nazwaPlikuKopii(123456, teraz);
        s->komunikaty.oczekuj(R::Informacja, "Zapisano ustawienia w pliku: " + plik);
        wyczyscRamki();
        notujChwile();
        QVERIFY(KopiaUstawien::zapisz(o->projekt, 123456, teraz));
        const qint64 koniecCzas = s->zegar.teraz;
        s->zegar.naPrzetworz = nullptr;

        QFile f(plik), fm(nazwaPlikuMycia(plik));
        QVERIFY(f.open(QIODevice::ReadOnly) && fm.open(QIODevice::ReadOnly));
        auto kopia = std::make_unique<Projekt>();
        QCOMPARE(f.read(reinterpret_cast<char *>(&kopia->p), sizeof kopia->p), qint64(sizeof kopia->p));
        QCOMPARE(fm.read(reinterpret_cast<char *>(&kopia->m), sizeof kopia->m), qint64(sizeof kopia->m));
        for (int w = 1; w <= ileWierszyTransferu; ++w)
            QVERIFY2(blok(*kopia, w) == blok(*sym, w), qPrintable(QString("row %1").arg(w)));
        QVERIFY(surowe(o->projekt.projekt()) == surowe(przed->p));
        QVERIFY(!o->projekt.bylazmianaProjektu);

        // The window's own lock check, 1.5 s, then the first row's.
        const QStringList k = kody();
        QCOMPARE(k.mid(0, 4), blokada + blokada);
        QVERIFY2(czasRamki(2) - czasRamki(1) >= przerwaAutomatuMs, qPrintable(QString::number(czasRamki(2))));
        const qint64 poOstatniej = koniecCzas - czasRamki(size_t(k.size() - 1));
        QVERIFY2(poOstatniej >= przerwaAutomatuMs && poOstatniej < przerwaAutomatuMs + 500,
                 qPrintable(QString::number(poOstatniej)));
    }

    // A row that fails makes the automatic read report failure: no copy.
    void kopiaBezBloku()
    {
        zaladuj(*s, *przyklad(111, ustawienia()));
        s->zepsujOd('H', 0x0D, 0);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        TAutomatOdbierania a;
        a.automat = true;
        a.numerSeryjny = 77;
        pokazProjektRSIn(const_odbierz, 1045, a, o->projekt.projekt(), o->projekt.mycie(), o->lockService, o.get());
        QVERIFY(!a.status);
        QCOMPARE(a.numerSeryjny, 77);
        QVERIFY(s->komunikaty.pusty());

        const QDateTime teraz(QDate(2024, 5, 6), QTime(7, 8));
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        QVERIFY(!KopiaUstawien::zapisz(o->projekt, 123456, teraz));
        QVERIFY(!QFileInfo::exists(nazwaPlikuKopii(123456, teraz)));
    }
};

QTEST_MAIN(TestTransferProjektu)
#include "test_transfer_projektu.moc"
