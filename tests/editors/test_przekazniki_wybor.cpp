// The definition viewers and the relay selector in a record window: the
// viewer opened for an output of the current project and what it returns,
// the definition shown read-only (no mouse, no keyboard focus beneath),
// the analog twin, and the selector a window gets from its field table:
// the callback, the icons, the values bound to the record's relay bytes.
#include "test_qt.h"

#include "edycja_liczb.h"
#include "edytor_rekordu.h"
#include "kanaly.h"
#include "nazwy.h"
#include "okno_modalne.h"
#include "panel_przezroczysty.h"
#include "przekazniki32.h"
#include "przekazniki_definicja.h"
#include "przekazniki_projektu.h"
#include "przekazniki_wybor_def.h"
#include "przycisk_obrazka.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

struct Projekt {
    TProjektVXTNew projekt{};
    TProjektDodatkiMycie mycie{};
};

// The current project: output 7 with definitions of every kind, output 5
// with icon 31, analog output 2 named.
std::unique_ptr<Projekt> przykladowy()
{
    auto p = std::make_unique<Projekt>();
    TPrzekaznik &p7 = p->projekt.przekazniki[6];
    tekstNaNazwe50(QStringLiteral("Wentylator"), p7.nazwa);
    p7.ikona = 3;
    TDefinicjaPrzekaznika d{};
    d.tryb = 4;
    d.ta = 12;
    d.tb = 34;
    d.regulator = 3;
    d.hist_pomiarowy = 24; // humidity
    d.hist_zadany = 2;
    d.offset = -15;
    d.okno = 20;
    d.hist_gorna = 5;
    d.hist_dolna = 7;
    p7.parametry[1] = d;
    d = {};
    d.tryb = 1;
    d.regulator = 0;
    p7.parametry[0] = d;
    d = {};
    d.tryb = 3;
    d.ta = 9;
    d.regulator = 5;
    d.pid.k = 25;
    d.pid.ti = 120;
    d.pid.pomiarowy = 1;
    p7.parametry[2] = d;
    p->projekt.przekazniki[4].ikona = 31;
    tekstNaNazwe50(QStringLiteral("Klapa"), p->projekt.WyjsciaAn[1].nazwa);
    return p;
}

// A record window whose relays come from its field table in one line.
class OknoKroku : public TEdytorRekordu<TKrok> {
public:
    OknoKroku() : TEdytorRekordu(Przyciski())
    {
        using P = TPole<TKrok>;
        static const TPolaSekcji<TKrok> pola(
            "OknoKroku", {P::przekaznikowe("przekazniki", "Wyjścia cyfrowe", DOSTEP_PRZEKAZNIKOW(przekazniki))});
        Przekazniki32 = dodajPole<TPrzekazniki32>(pola["przekazniki"], "Przekazniki32");
    }
    QString tytul() const override { return QStringLiteral("Krok"); }
    TPrzekazniki32 *Przekazniki32;
    using TEdytorSekcji::wlaczOk;
};

// Every text translated as "<" + source + ">".
class Nawiasy : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *zrodlo, const char *, int) const override
    {
        return QLatin1Char('<') + QString::fromUtf8(zrodlo) + QLatin1Char('>');
    }
};

} // namespace

class TestPrzekaznikiWybor : public TestQt {
    Q_OBJECT

    std::unique_ptr<Projekt> p;

protected:
    void przedTestem() override
    {
        p = przykladowy();
        Projekt *x = p.get();
        ustawZrodloPrzekaznikow([x]() -> const TPrzekaznikiArray & { return x->projekt.przekazniki; });
        ustawZrodloProjektu([x] { return TProjektAplikacji{&x->projekt, &x->mycie}; });
    }

private slots:
    // Output 7 with value 2 opens on "DEF 2" with that definition of the
    // project's output 7 and "Wybierz" disabled; "OFF" shows the large
    // grey text and enables "Wybierz", which answers 0.
    void podgladDefinicji()
    {
        TFormDOwybierzDef &w = formaDOwybierzDef();
        gdyOknoModalne(&w, [&] {
            QCOMPARE(w.windowTitle(), QString("Wybierz definicję dla DO: DO1.7  - Wentylator"));
            QCOMPARE(w.TabSet1->count(), 5);
            QCOMPARE(w.TabSet1->tabText(0), QString("OFF"));
            QCOMPARE(w.TabSet1->tabText(4), QString("DEF 4"));
            QCOMPARE(w.TabSet1->currentIndex(), 2);
            QCOMPARE(w.przekaznikNr, 7);
            QVERIFY(!w.but_ok->isEnabled());
            QCOMPARE(w.but_ok->text(), QString("Wybierz"));
            QVERIFY(w.gp_przekaznik->isVisible());
            QVERIFY(!w.L_wybierz->isVisible());
            TPanelDefinicji &d = *w.panel;
            QCOMPARE(d.se_Ta->value(), 12);
            QCOMPARE(d.se_Tb->value(), 34);
            QVERIFY(d.se_Tb->isVisible());
            QVERIFY(!d.co_trybWyzwalania->isVisible()); // the viewer shows no trigger mode
            QCOMPARE(d.typCzasowy(), 4);
            QCOMPARE(d.regulator(), 3);
            QCOMPARE(d.PageControl1->currentWidget(), d.TS_Histereza);
            QCOMPARE(d.co_regzw_kanalPomiarowy->currentText(), QString("Wilgotność"));
            QCOMPARE(d.co_regzw_kanalZadany->currentText(), opisZrodlaZadanej(2));
            QCOMPARE(d.fe_hist_offset->text(), QString("-1,5"));
            QCOMPARE(d.fe_hist_dolna->text(), QString("0,7"));
            QCOMPARE(d.findChild<QLabel *>("L_hist_offset")->text(), QString("Offset:"));
            QCOMPARE(d.findChild<QLabel *>("L_pid_kp")->text(), QString("kp - Wzmocnienie:"));
            w.TabSet1->setCurrentIndex(0);
            QVERIFY(w.L_wybierz->isVisible());
            QCOMPARE(w.L_wybierz->text(), QString("Wybierz definicję "));
            QVERIFY(!w.gp_przekaznik->isVisible());
            QVERIFY(w.but_ok->isEnabled());
            w.but_ok->click();
        });
        QCOMPARE(w.WybierzDefinicjeDlg(7, 2), 0);
    }

    // What the viewer answers: the tab chosen with "Wybierz", or -1 for
    // "Anuluj", Esc and the close box; a value without a tab opens on
    // "OFF".
    void odpowiedz_data()
    {
        QTest::addColumn<int>("wartosc");
        QTest::addColumn<int>("sposob"); // 0 Wybierz on a tab, 1 Anuluj, 2 Esc, 3 close box
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("otwarta");
        QTest::addColumn<int>("wynik");
        QTest::newRow("DEF 3") << 1 << 0 << 3 << 1 << 3;
        QTest::newRow("away and back to the present value") << 2 << 0 << 2 << 2 << 2;
        QTest::newRow("Anuluj") << 1 << 1 << 3 << 1 << -1;
        QTest::newRow("Esc") << 1 << 2 << 3 << 1 << -1;
        QTest::newRow("close box") << 0 << 3 << 3 << 0 << -1;
        QTest::newRow("a value without a tab") << 7 << 0 << 4 << 0 << 4;
        QTest::newRow("a value without a tab, Anuluj") << 9 << 1 << 4 << 0 << -1;
    }
    void odpowiedz()
    {
        QFETCH(int, wartosc);
        QFETCH(int, sposob);
        QFETCH(int, tab);
        QFETCH(int, otwarta);
        QFETCH(int, wynik);
        TFormDOwybierzDef &w = formaDOwybierzDef();
        gdyOknoModalne(&w, [&] {
            QCOMPARE(w.TabSet1->currentIndex(), otwarta);
            if (tab == otwarta)
                w.TabSet1->setCurrentIndex(tab == 0 ? 1 : 0);
            w.TabSet1->setCurrentIndex(tab);
            switch (sposob) {
            case 0:
                w.but_ok->click();
                break;
            case 1:
                w.but_anuluj->click();
                break;
            case 2:
                QTest::keyClick(&w, Qt::Key_Escape);
                break;
            default:
                w.close();
            }
        });
        QCOMPARE(w.WybierzDefinicjeDlg(7, wartosc), wynik);
        QVERIFY(!w.isVisible());
    }

    // Time mode 1 hides Ta and Tb, 3 shows Ta only; regulator 0 hides the
    // parameters, 3 shows the hysteresis page, 5 the PID page.
    void widocznosc_data()
    {
        QTest::addColumn<int>("definicja");
        QTest::addColumn<bool>("ta");
        QTest::addColumn<bool>("tb");
        QTest::addColumn<bool>("parametry");
        QTest::addColumn<bool>("pid");
        QTest::newRow("mode 1, regulator 0") << 1 << false << false << false << false;
        QTest::newRow("mode 4, regulator 3") << 2 << true << true << true << false;
        QTest::newRow("mode 3, regulator 5") << 3 << true << false << true << true;
    }
    void widocznosc()
    {
        QFETCH(int, definicja);
        TFormDOwybierzDef &w = formaDOwybierzDef();
        w.przekaznik = przekaznikProjektu(6);
        w.show();
        w.WypiszDaneDef(definicja);
        const TPanelDefinicji &d = *w.panel;
        QTEST(d.se_Ta->isVisible(), "ta");
        QTEST(d.L_Ta->isVisible(), "ta");
        QTEST(d.se_Tb->isVisible(), "tb");
        QTEST(d.gb_parametryRegulatora->isVisible(), "parametry");
        QFETCH(bool, parametry);
        QFETCH(bool, pid);
        if (parametry)
            QCOMPARE(d.PageControl1->currentWidget(), pid ? d.TS_pid : d.TS_Histereza);
        if (pid) {
            QCOMPARE(d.fe_pid_kp->text(), QString("2,5"));
            QCOMPARE(d.ie_pid_ti->text(), QString("120"));
            QCOMPARE(d.co_pid_kanalPomiarowy->currentText(), QString("AI1.2 AI1.2"));
        }
        w.hide();
    }

    // The definition is seen, never used: a click on its controls reaches
    // the transparent panel, and none of them takes the keyboard focus.
    void tylkoDoOgladania()
    {
        TFormDOwybierzDef &w = formaDOwybierzDef();
        w.przekaznik = przekaznikProjektu(6);
        w.show();
        w.WypiszDaneDef(2);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const TPanelDefinicji &d = *w.panel;
        for (QWidget *k : {static_cast<QWidget *>(d.sb_typCzasowy), static_cast<QWidget *>(d.fe_hist_offset),
                           static_cast<QWidget *>(d.co_regzw_kanalZadany), static_cast<QWidget *>(d.se_Ta)}) {
            const QPoint p = k->mapTo(w.obszar, k->rect().center());
            QCOMPARE(w.obszar->childAt(p), static_cast<QWidget *>(w.transPanel));
        }
        const QString przed = d.fe_hist_offset->text();
        QTest::mouseClick(w.transPanel, Qt::LeftButton, {},
                          d.fe_hist_offset->mapTo(w.obszar, d.fe_hist_offset->rect().center()));
        QTest::keyClicks(w.transPanel, "9");
        QCOMPARE(d.fe_hist_offset->text(), przed);
        for (const QWidget *k : w.obszar->findChildren<QWidget *>())
            QVERIFY2(k->focusPolicy() == Qt::NoFocus || k == w.transPanel, qPrintable(k->objectName()));
        w.hide();
    }

    // The analog twin: eight definitions, none to show; the caption names
    // the project's analog output.
    void wyjsciaAnalogowe()
    {
        TFormAOwybierzDef &w = formaAOwybierzDef();
        gdyOknoModalne(&w, [&] {
            QCOMPARE(w.windowTitle(), QString("Wybierz definicję dla AO: AO1.2  - Klapa"));
            QCOMPARE(w.TabSet1->count(), 9);
            QCOMPARE(w.TabSet1->currentIndex(), 5);
            QVERIFY(w.L_wybierz->isVisible());
            QVERIFY(!w.gp_przekaznik->isVisible());
            w.TabSet1->setCurrentIndex(8);
            QVERIFY(w.L_wybierz->isVisible());
            w.but_ok->click();
        });
        QCOMPARE(w.WybierzDefinicjeDlg(2, 5), 8);
        TWybierzAO ao(nullptr);
        ao.setDefFuncValue(wyborDefinicjiAO());
        gdyOknoModalne(&w, [&] { w.but_anuluj->click(); });
        QTest::mouseClick(ao.FSwitchArray[0], Qt::LeftButton);
        QCOMPARE(ao.getValue(0), 0);
    }

    // A window gets the selector from its field table: titled by the
    // field (following the language), with the project's icons, the
    // record's relays 1..32 shown and taken back (33..128 untouched), a
    // click answered by the viewer and reported as a change.
    void wOknieRekordu()
    {
        OknoKroku o;
        o.ustawJezyk(1045);
        TPrzekazniki32 *s = o.Przekazniki32;
        QVERIFY(s);
        QCOMPARE(s->objectName(), QString("Przekazniki32"));
        QCOMPARE(s->title(), QString("Wyjścia cyfrowe"));
        QVERIFY(s->FSwitchArray[4]->maIkone()); // icon 31
        QVERIFY(s->FSwitchArray[6]->maIkone());
        for (int i = 0; i < 128; ++i)
            o.rekord.przekazniki[i] = uint8_t(i < 32 ? i % 5 : 7);
        o.show();
        o.WypiszDane();
        QCOMPARE(s->getValue(6), 1);
        QCOMPARE(s->getValue(4), 4);
        QCOMPARE(s->getValue(31), 1);
        QVERIFY(!o.but_ok->isEnabled()); // values shown are no change

        TFormDOwybierzDef &w = formaDOwybierzDef();
        gdyOknoModalne(&w, [&] {
            QCOMPARE(w.przekaznikNr, 7);
            QCOMPARE(w.TabSet1->currentIndex(), 1);
            w.TabSet1->setCurrentIndex(3);
            w.but_ok->click();
        });
        QTest::mouseClick(s->FSwitchArray[6], Qt::LeftButton);
        QCOMPARE(s->getValue(6), 3);
        QVERIFY(o.but_ok->isEnabled());
        o.AktualizujDanePoEdycji();
        QCOMPARE(o.rekord.przekazniki[6], uint8_t(3));
        QCOMPARE(o.rekord.przekazniki[5], uint8_t(0));
        for (int i = 32; i < 128; ++i)
            QCOMPARE(o.rekord.przekazniki[i], uint8_t(7));

        Nawiasy t;
        QCoreApplication::installTranslator(&t);
        QCoreApplication::processEvents();
        QCOMPARE(s->title(), QString("<Wyjścia cyfrowe>"));
        QCOMPARE(s->FSwitchArray[0]->toolTip(), QString("<Off>"));
        QCoreApplication::removeTranslator(&t);
        QCoreApplication::processEvents();
        QCOMPARE(s->title(), QString("Wyjścia cyfrowe"));
    }
};

QTEST_MAIN(TestPrzekaznikiWybor)
#include "test_przekazniki_wybor.moc"
