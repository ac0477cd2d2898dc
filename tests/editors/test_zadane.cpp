// The setpoint list and editor offscreen against the simulator: what the
// setpoints have of their own (the shared behaviour of list sections is
// tested in test_sekcje_wspolne): the list's look and texts, the wire
// numbers and the read time-out, a read ending early that is no change,
// "Anuluj" during a send, the row editor's value rules, clearing,
// printing, TCP/IP attempts.
#include "sym_edytora.h"
#include "test_qt.h"

#include "edycja_liczb.h"
#include "nazwy.h"
#include "raport.h"
#include "tekst_pdf.h"
#include "wydruk_pdf.h"
#include "zadane.h"
#include "zadane_transfer.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>

#include <cstring>

using R = RodzajKomunikatu;

namespace {

const QString pytanieZmiany = QStringLiteral("Uwaga: Zmiany nie zostały zapisane. Kontynuować?");

// The window's own data before any transfer.
void stare(TZadaneArray &z)
{
    std::memset(&z, 0, sizeof z);
    for (int i = 0; i < 10; ++i) {
        tekstNaNazwe50(QStringLiteral("stara %1").arg(i + 1), z[i].nazwa);
        z[i].wartosc = int16_t(11 * (i + 1));
    }
}

bool rowne(const TKvor350zadana &a, const TKvor350zadana &b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// What the grid shows in a cell.

} // namespace

class TestZadane : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;
    TZadaneArray naSterowniku{};

    // A window as edytujZadane opens it, shown without a modal run.
    std::unique_ptr<TFormZadane> okno()
    {
        auto o = std::make_unique<TFormZadane>();
        o->ustawJezyk(1045);
        stare(o->zadane);
        o->memProjlistaTworz();
        o->show();
        return o;
    }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        auto p = std::make_unique<TProjektVXTNew>();
        TProjektDodatkiMycie m{};
        BlokiSym::przykladowy(*p, m, 7);
        s->bloki.ustaw(*p, m);
        std::memcpy(&naSterowniku, &p->zadana, sizeof naSterowniku);
    }
    void poTescie() override { s.reset(); }

private slots:
    void initTestCase() { QApplication::setApplicationName("Setup kVOR 350"); }

    void lista()
    {
        TZadaneArray z;
        stare(z);
        z[2].wartosc = -125;
        z[6].wartosc = 10000;
        gdyOknoModalne<TFormZadane>([&](TFormZadane *o) {
            QCOMPARE(o->windowTitle(), QString("Zadane"));
            QCOMPARE(o->memproj->ileWierszy(), 10);
            QCOMPARE(o->memproj->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Nr"));
            QCOMPARE(o->memproj->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Nazwa"));
            QCOMPARE(o->memproj->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Wartość"));
            QCOMPARE(komorka(*o, 2, 0), QString("Z3"));
            QCOMPARE(komorka(*o, 2, 1), QString("stara 3"));
            QCOMPARE(komorka(*o, 2, 2), QString("-12,5"));
            QCOMPARE(komorka(*o, 6, 2), QString("1000,0")); // no group separator
            QCOMPARE(komorka(*o, 9, 0), QString("Z10"));
            QCOMPARE(o->DBGrid1->columnWidth(0), 50);
            QCOMPARE(o->nrBiezacy(), 1);
            QCOMPARE(o->but_odczyt->toolTip(), QString("Odczyt danych ze sterownika"));
            QCOMPARE(o->but_wyslij->toolTip(), QString("Wysłanie danych do sterownika"));
            QCOMPARE(o->but_popraw->toolTip(), QString("Edycja"));
            QCOMPARE(o->but_drukuj->toolTip(), QString("Drukuj"));
            QCOMPARE(o->sb_cls->toolTip(), QString("Czyść"));
            QVERIFY(!o->but_otworz && !o->but_zapisz);
            QCOMPARE(o->but_anuluj->text(), QString("Anuluj"));
            QVERIFY(!o->but_ok->isEnabled());
            o->reject();
        });
        QVERIFY(!edytujZadane(z, 1045));
    }

    // The texts follow a language switch while the window is open.
    void jezyk()
    {
        auto o = okno();
        QTranslator angielski;
        QVERIFY(angielski.load(QStringLiteral(KVOR_BIN "/kvor-setupENG")));
        QCoreApplication::installTranslator(&angielski);
        QCoreApplication::processEvents(); // the windows get LanguageChange posted
        QCOMPARE(o->windowTitle(), QString("Setpoints"));
        QCOMPARE(o->but_odczyt->toolTip(), QString("Read data from the controller"));
        QCOMPARE(o->sb_cls->toolTip(), QString("Clear"));
        QCOMPARE(o->but_anuluj->text(), QString("Cancel"));
        QCOMPARE(o->memproj->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Value"));
        QCoreApplication::removeTranslator(&angielski);
        QCoreApplication::processEvents();
        QCOMPARE(o->but_odczyt->toolTip(), QString("Odczyt danych ze sterownika"));
        QCOMPARE(o->memproj->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Wartość"));
    }

    // The connection record is refreshed with the lock check, and each
    // setpoint is read with its number - 1 and 1500 ms.
    void odczytCaly()
    {
        auto o = okno();
        o->but_odczyt->click();
        QCOMPARE(s->sprawdzeniaBlokady, 1);
        for (int i = 0; i < 10; ++i)
            QVERIFY2(rowne(o->zadane[i], naSterowniku[i]), qPrintable(QString::number(i)));
        const auto r = s->pty.ramki();
        QCOMPARE(int(r.size()), 10);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(uint8_t(r[i].at(5)), uint8_t(i));
        QCOMPARE(s->lacze->czasOdczytu(), 1500);
        QCOMPARE(pasekPostepu().Gauge1->maximum(), 10);
        QCOMPARE(pasekPostepu().Gauge1->value(), 10);
        QVERIFY(!pasekPostepu().isVisible());
    }

    // A read that fails part way does not count as a change, yet the grid
    // shows what the copy holds: with OK enabled by an earlier edit, OK
    // hands back exactly the setpoints the user saw.
    void odczytPrzerwany()
    {
        TZadaneArray z;
        stare(z);
        QStringList widziane;
        gdyOknoModalne<TFormZadane>([&](TFormZadane *o) {
            s->zepsujOd('H', 10, 5);
            s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
            o->but_odczyt->click();
            QVERIFY(!o->but_ok->isEnabled());
            o->przejdzDo(8);
            gdyOknoModalne<Tfzadane>([](Tfzadane *e) {
                e->fe_wartosc->setText("77");
                e->but_ok->click();
            });
            o->but_popraw->click();
            QVERIFY(o->but_ok->isEnabled());
            for (int w = 0; w < 10; ++w)
                widziane << komorka(*o, w, 1) + QLatin1Char('|') + komorka(*o, w, 2);
            o->but_ok->click();
        });
        QVERIFY(edytujZadane(z, 1045));
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(widziane[i], nazwa50NaTekst(z[i].nazwa) + QLatin1Char('|') + tekstDziesiatych(z[i].wartosc));
            if (i < 5)
                QVERIFY2(rowne(z[i], naSterowniku[i]), qPrintable(QString::number(i)));
        }
        QCOMPARE(nazwa50NaTekst(z[5].nazwa), QString("stara 6"));
        QCOMPARE(int(z[7].wartosc), 770);
    }

    void wyslanieCale()
    {
        auto o = okno();
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        QCOMPARE(s->komunikaty.pokazane[0].tekst, QString("Ustawienia wysłane do sterownika "));
        const auto p = s->bloki.projekt();
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(nazwa50NaTekst(p->zadana[i].nazwa), QStringLiteral("stara %1").arg(i + 1));
            QCOMPARE(int(p->zadana[i].wartosc), 11 * (i + 1));
        }
        const StanSterownika st = s->sterownik.stan();
        QCOMPARE(st.ileSesji, 1);
        QVERIFY(!st.sesjaOtwarta);
        QCOMPARE(st.zapisyPozaSesja, 0);
        // Open, the ten setpoints as wire numbers 0..9, close.
        const auto r = s->pty.ramki();
        QCOMPARE(int(r.size()), 12);
        QCOMPARE(uint8_t(r.front().at(2)), uint8_t(0x81));
        QCOMPARE(uint8_t(r.back().at(2)), uint8_t(0x82));
        for (int i = 0; i < 10; ++i)
            QCOMPARE(uint8_t(r[i + 1].at(5)), uint8_t(i));
        QCOMPARE(pasekPostepu().Gauge1->value(), 10);
        QCOMPARE(pasekPostepu().L_info->text(), QString("Wysyłanie ustawień do sterownika"));
        QVERIFY(!pasekPostepu().isVisible());
        QVERIFY(!o->but_ok->isEnabled());
    }

    // A setpoint that cannot be sent ends the send-all with its one box
    // and leaves the session open.
    void wyslaniePrzerwane()
    {
        auto o = okno();
        s->zepsujOd('I', 10, 3);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        QVERIFY(s->sterownik.stan().sesjaOtwarta);
        QCOMPARE(s->ramki('I', 0x82), 0);
        // Setpoints from wire number 4 on never went out.
        for (const QByteArray &r : s->pty.ramki())
            if (r.at(1) == 'I' && uint8_t(r.at(2)) == 10)
                QVERIFY(uint8_t(r.at(5)) <= 3);
        const auto p = s->bloki.projekt();
        QCOMPARE(nazwa50NaTekst(p->zadana[2].nazwa), QString("stara 3"));
        QVERIFY(!rowne(p->zadana[4], o->zadane[4]));
    }

    // "Anuluj" in the progress window ends the send-all after the item in
    // progress and closes the session.
    void wyslanieAnulowane()
    {
        auto o = okno();
        s->zegar.naPrzetworz = [&] {
            if (s->ramki('I', 10) == 4)
                pasekPostepu().koniec = true;
        };
        o->but_wyslij->click();
        s->zegar.naPrzetworz = nullptr;
        QCOMPARE(s->ramki('I', 10), 4);
        // The controller is not left in the session.
        QVERIFY(!s->sterownik.stan().sesjaOtwarta);
        QCOMPARE(s->ramki('I', 0x82), 1);
        QVERIFY(s->komunikaty.pokazane.empty());
    }

    // The one-setpoint editor: value kept within -200.0 .. 1000.0 and
    // stored in tenths rounded halves to even, reserved bytes cleared.
    void edycjaWartosci_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("zapisane");
        QTest::newRow("above the maximum") << "1200,0" << 10000;
        QTest::newRow("negative") << "-12,3" << -123;
        QTest::newRow("below the minimum") << "-250" << -2000;
        QTest::newRow("half to even") << "12,25" << 122;
        QTest::newRow("bounds") << "1000" << 10000;
    }
    void edycjaWartosci()
    {
        QFETCH(QString, tekst);
        auto o = okno();
        o->zadane[2].rez1[5] = 0x77;
        o->zadane[2].rez = 9;
        o->przejdzDo(3);
        gdyOknoModalne<Tfzadane>([&](Tfzadane *e) {
            QCOMPARE(e->L_zadana->text(), QString("Z3"));
            QCOMPARE(e->ed_nazwa->text(), QString("stara 3"));
            QCOMPARE(e->fe_wartosc->text(), QString("3,3"));
            e->fe_wartosc->setText(tekst);
            e->but_ok->click();
        });
        QTest::keyClick(o->DBGrid1, Qt::Key_Return);
        QTEST(int(o->zadane[2].wartosc), "zapisane");
        QCOMPARE(o->zadane[2].rez1[5], uint8_t(0));
        QCOMPARE(int(o->zadane[2].rez), 0);
        QCOMPARE(nazwa50NaTekst(o->zadane[2].nazwa), QString("stara 3"));
        QVERIFY(o->but_ok->isEnabled());
        QCOMPARE(o->nrBiezacy(), 3);
    }

    // Typing stops at 15 characters; a longer stored name is shown and
    // kept whole. "Anuluj" leaves the record as it was.
    void edycjaNazwy()
    {
        auto o = okno();
        const QString dluga = QStringLiteral("nazwa dłuższa niż piętnaście znaków");
        tekstNaNazwe50(dluga, o->zadane[4].nazwa);
        o->memProjlistaTworz();
        o->przejdzDo(5);
        gdyOknoModalne<Tfzadane>([&](Tfzadane *e) {
            QCOMPARE(e->ed_nazwa->text(), dluga);
            QTest::keyClicks(e->ed_nazwa, "xyz");
            QCOMPARE(e->ed_nazwa->text(), dluga);
            e->but_ok->click();
        });
        o->but_popraw->click();
        QCOMPARE(nazwa50NaTekst(o->zadane[4].nazwa), dluga);

        o->przejdzDo(6);
        gdyOknoModalne<Tfzadane>([&](Tfzadane *e) {
            e->ed_nazwa->clear();
            QTest::keyClicks(e->ed_nazwa, "abcdefghijklmnopqrst");
            QCOMPARE(e->ed_nazwa->text(), QString("abcdefghijklmno"));
            e->but_ok->click();
        });
        o->but_popraw->click();
        QCOMPARE(nazwa50NaTekst(o->zadane[5].nazwa), QString("abcdefghijklmno"));

        const TKvor350zadana przed = o->zadane[6];
        o->przejdzDo(7);
        gdyOknoModalne<Tfzadane>([&](Tfzadane *e) {
            e->fe_wartosc->setText("5");
            e->but_anuluj->click();
        });
        o->but_popraw->click();
        QVERIFY(rowne(o->zadane[6], przed));
    }

    // Clear asks first; Yes names Z1..Z10 with 0, and OK hands that back.
    void czyszczenie()
    {
        TZadaneArray z;
        stare(z);
        gdyOknoModalne<TFormZadane>([&](TFormZadane *o) {
            s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 0);
            o->sb_cls->click();
            QVERIFY(!o->but_ok->isEnabled());
            QCOMPARE(komorka(*o, 0, 1), QString("stara 1"));
            s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 1);
            o->sb_cls->click();
            QCOMPARE(komorka(*o, 3, 1), QString("Z4"));
            o->but_ok->click();
        });
        QVERIFY(edytujZadane(z, 1045));
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(nazwa50NaTekst(z[i].nazwa), QStringLiteral("Z%1").arg(i + 1));
            QCOMPARE(int(z[i].wartosc), 0);
        }
    }

    void drukowanie_data()
    {
        QTest::addColumn<int>("jezyk");
        QTest::addColumn<QString>("wywolanie");
        QTest::newRow("Polish: preview") << 1045 << "podglad";
        QTest::newRow("English: printer") << 2057 << "drukuj";
    }
    void drukowanie()
    {
        QFETCH(int, jezyk);
        QFETCH(QString, wywolanie);
        QTemporaryDir katalog;
        WydrukDoPdf wydruk(katalog.path());
        auto o = okno();
        o->ustawJezyk(jezyk);
        o->zadane[1].wartosc = 125;
        o->memProjlistaTworz();
        o->przejdzDo(4);
        o->but_drukuj->click();
        QCOMPARE(wydruk.ileDialogow, 1);
        QCOMPARE(wydruk.wywolania, QStringList{wywolanie});
        QCOMPARE(o->nrBiezacy(), 4);
        const QString tekst = tekstPdf(wydruk.pliki.at(0));
        QVERIFY(!tekst.isEmpty());
        for (const QString &t :
             {QString("Zadane"), QString("Setup kVOR 350 1.05.2116"), QString("Nr"), QString("Nazwa"),
              QString("Wartość"), QString("Z10"), QString("stara 10"), QString("12,5"),
              QString("Wydrukowano: ") + QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)})
            QVERIFY2(tekst.contains(t), qPrintable(t + " in:\n" + tekst));
    }

    // Cancelling the print dialog prints nothing and keeps the current row.
    void drukowanieAnulowane()
    {
        QTemporaryDir katalog;
        WydrukDoPdf wydruk(katalog.path());
        wydruk.odpowiedzDialogu = false;
        auto o = okno();
        o->przejdzDo(6);
        o->but_drukuj->click();
        QCOMPARE(wydruk.ileDialogow, 1);
        QVERIFY(wydruk.wywolania.isEmpty());
        QCOMPARE(o->nrBiezacy(), 6);
    }

    // Over TCP/IP both ways; a setpoint read makes as many attempts as
    // the record's lan.count, a send three.
    void przezLan()
    {
        QVERIFY(s->przezLan());
        auto o = okno();
        o->but_odczyt->click();
        for (int i = 0; i < 10; ++i)
            QVERIFY(rowne(o->zadane[i], naSterowniku[i]));
        stare(o->zadane);
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        o->but_wyslij->click();
        QCOMPARE(nazwa50NaTekst(s->bloki.projekt()->zadana[9].nazwa), QString("stara 10"));
        QVERIFY(!s->sterownik.stan().sesjaOtwarta);
        QVERIFY(s->pty.ramki().empty());
    }
    void probyPrzezLan_data()
    {
        QTest::addColumn<int>("proby");
        QTest::newRow("as the main window fills it") << 3;
        QTest::newRow("the unlock check's") << 1;
    }
    void probyPrzezLan()
    {
        QFETCH(int, proby);
        QVERIFY(s->przezLan());
        s->probyLan = proby;
        s->tcp.zerwijPrzyOdpowiedzi(PlanUsterek::zawsze);
        auto o = okno();
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        o->but_odczyt->click();
        QCOMPARE(s->tcp.polaczen(), proby);
        const int przed = s->tcp.polaczen();
        TKvor350zadana z{};
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        QVERIFY(!wyslijZadana(z, 0, false, o->daneSterownika));
        QCOMPARE(s->tcp.polaczen() - przed, 3);
    }

    // With LAN_ACTIVE neither 0 nor 1 nothing is sent and each transfer
    // fails with its one box.
    void nieznanePolaczenie()
    {
        s->lanAktywny = 2;
        TUstawieniaSterownika u;
        wezUstawieniaSterownika(u, true);
        TKvor350zadana z{};
        z.wartosc = 5;
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji").oczekuj(R::Blad, "Brak komunikacji");
        QVERIFY(!czytajZadana(z, 1, u));
        QVERIFY(!wyslijZadana(z, 0, false, u));
        QCOMPARE(int(z.wartosc), 5);
        QVERIFY(s->pty.ramki().empty());
    }
};

QTEST_MAIN(TestZadane)
#include "test_zadane.moc"
