// Record windows finished from the keyboard alone, through real keys to
// the window run by its entry function: an edit, then Tab (Ctrl+Tab out
// of a grid, which keeps Tab for its cells) to OK or Anuluj and Return,
// in windows with a grid (the program editor, the washing program, whose
// name box is disabled so that the grid is its only data control) and
// without (a digital output, a measuring input). OK takes the edit, a
// cell still being edited included; Anuluj takes nothing.
#include "komunikaty_skrypt.h"
#include "test_qt.h"
#include "wejscie_okna.h"

#include "edytor_sekcji.h"
#include "okno_rekordu.h"
#include "program.h"
#include "programy_transfer.h"
#include "przekazniki_edytor.h"
#include "tabela_pamieci.h"
#include "wejscia_pomiarowe.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <cstring>
#include <memory>

using R = RodzajKomunikatu;

namespace {

// Types a number into the third cell of the grid's first row, from the
// keyboard: Tab to the grid, Ctrl+Home, Right twice, Return opens the
// cell; with `zostaw` the cell is left open.
void wpiszWKomorce(QWidget &okno, QTableView *siatka, const QString &tekst, bool zostaw)
{
    QVERIFY(dojdzKlawiszami(&okno, siatka));
    klawisz(&okno, Qt::Key_Home, Qt::ControlModifier);
    klawisz(&okno, Qt::Key_Right);
    klawisz(&okno, Qt::Key_Right);
    QCOMPARE(siatka->currentIndex().column(), 2);
    klawisz(&okno, Qt::Key_Return);
    QVERIFY(okno.focusWidget() != siatka && siatka->isAncestorOf(okno.focusWidget()));
    klawisz(&okno, Qt::Key_A, Qt::ControlModifier);
    pisz(&okno, tekst);
    if (!zostaw) {
        klawisz(&okno, Qt::Key_Return);
        QTRY_COMPARE(okno.focusWidget(), siatka);
    }
}

// A record window run by its entry function: the edit made from the
// keyboard, and whether the caller's record has it afterwards.
struct Okno {
    const char *nazwa;
    std::function<bool(const std::function<void(TEdytorSekcji &)> &wOknie, bool &zmienione)> edytuj;
    std::function<void(TEdytorSekcji &)> edycja;
};

void wpiszNazwe(TEdytorSekcji &o)
{
    auto *e = o.findChild<QLineEdit *>(QStringLiteral("ed_nazwa"));
    QVERIFY(e);
    QVERIFY2(dojdzKlawiszami(&o, e), "the name box is out of Tab's reach");
    klawisz(&o, Qt::Key_End);
    pisz(&o, QStringLiteral("x"));
}

const std::vector<Okno> &okna()
{
    static const auto przekazniki = [] {
        auto p = std::make_unique<TKopiaRobocza<TPrzekaznikiArray>>();
        std::memset(&p->r, 0, sizeof p->r);
        return p;
    }();
    static const auto programy = [] {
        auto p = std::make_unique<TKopiaRobocza<TProgramyArray100>>();
        std::memset(&p->r, 0, sizeof p->r);
        return p;
    }();
    // A program run through its editor; the edit is 5 hours in row 1.
    const auto program = [](int nr) {
        return [nr](const std::function<void(TEdytorSekcji &)> &f, bool &zmienione) {
            auto p = std::make_unique<TKopiaRobocza<TProgram>>();
            std::memset(&p->r, 0, sizeof p->r);
            const bool wynik =
                przezWejscie<TFProgramMycia>(f, [&] { return edytujProgram(p->r, nr, 1045, programy->r); });
            const TCyklProgramu w = p->r.cykle[0];
            zmienione = w.v[wcGodzin] == 5;
            return wynik;
        };
    };
    // Ctrl+Tab then takes the focus out of the grid to OK, which the edit
    // enabled, the cell left open going in first.
    const auto godziny = [](bool zostaw) {
        return [zostaw](TEdytorSekcji &o) {
            auto &p = static_cast<TFProgramMycia &>(o);
            wpiszWKomorce(p, p.StringGridSetup, QStringLiteral("5"), zostaw);
            klawisz(&o, Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(o.focusWidget(), o.but_ok);
        };
    };
    static const std::vector<Okno> t = {
        {"digital output",
         [](const auto &f, bool &zmienione) {
             TPrzekaznik p{};
             p.nr = 1;
             const bool wynik =
                 przezWejscie<TFEditParPrzek>(f, [&] { return edytujPrzekaznik(przekazniki->r, p, 1045); });
             const TNazwa50char n = p.nazwa;
             zmienione = nazwa50NaTekst(n).endsWith(u'x');
             return wynik;
         },
         wpiszNazwe},
        {"measuring input",
         [](const auto &f, bool &zmienione) {
             TWejscieAnalogowe w{};
             const bool wynik =
                 przezWejscie<TFEditWejsciePom>(f, [&] { return edytujWejsciePomiarowe(1, w, przekazniki->r, 1045); });
             const TNazwa50char n = w.nazwa;
             zmienione = nazwa50NaTekst(n).endsWith(u'x');
             return wynik;
         },
         wpiszNazwe},
        {"program, cell left", program(2), godziny(false)},
        {"program, cell open", program(2), godziny(true)},
        {"washing program, cell left", program(nrProgramuMycia), godziny(false)},
        {"washing program, cell open", program(nrProgramuMycia), godziny(true)},
    };
    return t;
}

} // namespace

class TestKlawiaturaRekordow : public TestQt {
    Q_OBJECT

private slots:
    void enterNaPrzycisku_data()
    {
        QTest::addColumn<int>("okno");
        QTest::addColumn<bool>("ok"); // else Anuluj
        for (size_t i = 0; i < okna().size(); ++i)
            for (const bool ok : {true, false})
                QTest::addRow("%s, %s", okna()[i].nazwa, ok ? "OK" : "Anuluj") << int(i) << ok;
    }
    void enterNaPrzycisku()
    {
        QFETCH(int, okno);
        QFETCH(bool, ok);
        const Okno &w = okna()[size_t(okno)];
        KomunikatySkrypt komunikaty;
        bool sprawdzone = false, zmienione = false;
        const bool wynik = w.edytuj(
            [&](TEdytorSekcji &o) {
                QVERIFY(QTest::qWaitForWindowActive(&o));
                w.edycja(o);
                QVERIFY(!QTest::currentTestFailed());
                QPushButton *cel = ok ? o.but_ok : o.but_anuluj;
                QVERIFY(dojdzKlawiszami(&o, cel));
                if (!ok)
                    komunikaty.oczekuj(R::Pytanie, "Uwaga: Zmiany nie zostały zapisane. Kontynuować?", 1);
                klawisz(&o, Qt::Key_Return);
                QVERIFY(komunikaty.pusty());
                QTRY_VERIFY(!o.isVisible());
                sprawdzone = true;
            },
            zmienione);
        QVERIFY(sprawdzone);
        QCOMPARE(wynik, ok);
        QCOMPARE(zmienione, ok);
    }

    // Ctrl+Shift+Tab leaves a grid for the control before it, Ctrl+Tab for
    // the one after it, and Tab brings the focus back in.
    void wyjscieZSiatki_data()
    {
        QTest::addColumn<int>("nr");
        QTest::newRow("program") << 2;
        QTest::newRow("washing program") << int(nrProgramuMycia);
    }
    void wyjscieZSiatki()
    {
        QFETCH(int, nr);
        auto program = std::make_unique<TKopiaRobocza<TProgram>>();
        std::memset(&program->r, 0, sizeof program->r);
        auto programy = std::make_unique<TKopiaRobocza<TProgramyArray100>>();
        std::memset(&programy->r, 0, sizeof programy->r);
        bool sprawdzone = false;
        gdyOknoModalne<TFProgramMycia>([&](TFProgramMycia *o) {
            QVERIFY(QTest::qWaitForWindowActive(o));
            QTableView *siatka = o->StringGridSetup;
            QVERIFY(dojdzKlawiszami(o, siatka));
            klawisz(o, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
            QWidget *przed = o->focusWidget();
            QVERIFY(przed && !wSiatce(przed));
            QCOMPARE(przed, o->mycie() ? static_cast<QWidget *>(o->but_anuluj) : o->ed_nazwaProgramu);
            klawisz(o, Qt::Key_Tab);
            QCOMPARE(o->focusWidget(), siatka);
            klawisz(o, Qt::Key_Tab, Qt::ControlModifier);
            QWidget *po = o->focusWidget();
            QVERIFY(po && !wSiatce(po));
            QCOMPARE(po, o->but_anuluj); // OK is disabled until an edit
            klawisz(o, Qt::Key_Escape);
            QTRY_VERIFY(!o->isVisible());
            sprawdzone = true;
        });
        QVERIFY(!edytujProgram(program->r, nr, 1045, programy->r));
        QVERIFY(sprawdzone);
    }
};

QTEST_MAIN(TestKlawiaturaRekordow)
#include "test_klawiatura_rekordow.moc"
