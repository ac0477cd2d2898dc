// The relay-state selector and its analog-output twin: the new box, values
// set from code (never a change), a click decided by the definition
// callback, the on/off mode, the fallback drop-down list, the icons.
#include "przekazniki32.h"
#include "test_qt.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include <stdexcept>

namespace {

void kliknij(TPrzelacznikiWyjsc &p, int wyjscie) { QTest::mouseClick(p.FSwitchArray[wyjscie], Qt::LeftButton); }

} // namespace

class TestPrzekazniki32 : public TestQt {
    Q_OBJECT

private slots:
    // 32 switches off with the hint "Off", in four rows of eight under navy
    // strips numbered 1..32; the analog twin is one row of four.
    void nowy()
    {
        QWidget okno;
        TPrzekazniki32 p(&okno, QStringLiteral("Wyjścia"), 5, 7);
        QCOMPARE(p.size(), QSize(353, 338));
        QCOMPARE(p.pos(), QPoint(5, 7));
        QCOMPARE(p.title(), QString("Wyjścia"));
        QCOMPARE(p.ileWyjsc(), 32);
        QCOMPARE(p.FLabelHeadArray.size(), 4);
        for (int r = 0; r < 4; ++r) {
            QCOMPARE(p.FLabelHeadArray[r]->geometry(), QRect(10, 20 + 79 * r, 333, 15));
            QCOMPARE(p.FLabelHeadArray[r]->palette().color(QPalette::Window), QColor(0, 0, 128));
        }
        for (int i = 0; i < 32; ++i) {
            TBkJvSwitch *s = p.FSwitchArray[i];
            QCOMPARE(s->FRelay, i + 1);
            QCOMPARE(s->geometry(), QRect(10 + (i % 8) * 42, 36 + (i / 8) * 79, 39, 60));
            QVERIFY(!s->isChecked());
            QVERIFY(!s->podpisWidoczny());
            QCOMPARE(s->toolTip(), QString("Off"));
            QCOMPARE(s->accessibleName(), QStringLiteral("DO1.%1").arg(i + 1));
            QCOMPARE(p.FLabelArray[i]->text(), QString::number(i + 1));
            QCOMPARE(p.FLabelArray[i]->palette().color(QPalette::WindowText), QColor(255, 255, 0));
            QCOMPARE(p.getValue(i), 0);
        }
        QCOMPARE(p.FMyCombo->objectName(), QString("ComboDef"));
        QCOMPARE(p.FMyCombo->count(), 5);
        QCOMPARE(p.FMyCombo->itemText(4), QString("Def4"));
        QVERIFY(!p.changedValue());

        TWybierzAO ao(&okno);
        QCOMPARE(ao.size(), QSize(185, 101));
        QCOMPARE(ao.ileWyjsc(), 4);
        QCOMPARE(ao.FLabelHeadArray.size(), 1);
        QCOMPARE(ao.FLabelHeadArray[0]->width(), 165);
        QCOMPARE(ao.FMyCombo->count(), 9);
        QCOMPARE(ao.FMyCombo->itemText(8), QString("Def8"));
        QCOMPARE(ao.FSwitchArray[3]->accessibleName(), QString("AO1.4"));
        // Two selectors in one window live side by side.
        TPrzekazniki32 drugi(&okno);
        QCOMPARE(drugi.FMyCombo->objectName(), QString("ComboDef"));
    }

    // Values from code: shown, never a change; cls clears all; the values
    // as bytes and back.
    void wartosci()
    {
        QWidget okno;
        int zmiany = 0;
        TPrzekazniki32 p(&okno, QString(), 0, 0, [&] { ++zmiany; });
        QSignalSpy sygnal(&p, &TPrzelacznikiWyjsc::OnChange);
        p.setValue(4, 2);
        TBkJvSwitch *s = p.FSwitchArray[4];
        QVERIFY(s->isChecked());
        QVERIFY(s->podpisWidoczny());
        QCOMPARE(s->text(), QString("Def2"));
        QCOMPARE(s->toolTip(), QString("Def2"));
        QCOMPARE(p.getValue(4), 2);
        p.setValue(4, 0);
        QVERIFY(!s->isChecked());
        QVERIFY(!s->podpisWidoczny());
        QCOMPARE(s->toolTip(), QString("Off"));
        p.setValue(31, 4);
        p.setValue(32, 3); // no such output
        p.setValue(-1, 3);
        QCOMPARE(p.getValue(32), 0);
        QByteArray b(32, '\0');
        b[31] = 4;
        QCOMPARE(p.stany(), b);
        b[0] = 1;
        b[7] = 3;
        p.ustawStany(b + QByteArray(96, '\x02')); // bytes past the outputs are ignored
        QCOMPARE(p.stany(), b);
        p.ustawStany(QByteArray(2, '\x04')); // missing bytes leave their outputs
        QCOMPARE(p.getValue(1), 4);
        QCOMPARE(p.getValue(7), 3);
        p.cls();
        QCOMPARE(p.stany(), QByteArray(32, '\0'));
        QCOMPARE(sygnal.size(), 0);
        QCOMPARE(zmiany, 0);
        QVERIFY(!p.changedValue());
    }

    // A click asks the callback with the output's number and its value.
    // What it answers decides, in turn: -1 keeps the value and flips the
    // switch back; the same value is no change; a new value is one, and
    // from then on every click raises OnChange, a cancelled one too; an
    // error in the callback keeps the value.
    void zwrotneWywolanie()
    {
        QWidget okno;
        int zmiany = 0;
        TPrzekazniki32 p(&okno, QString(), 0, 0, [&] { ++zmiany; });
        p.setValue(6, 2);
        QList<std::pair<int, int>> pytania;
        int odpowiedz = 0;
        bool blad = false;
        p.setDefFuncValue([&](int nr, int def) {
            pytania.append({nr, def});
            if (blad)
                throw std::runtime_error("callback");
            return odpowiedz;
        });
        struct Krok {
            int wyjscie, odpowiedz;
            bool blad;
            int wartosc;
            bool zmienione;
            int zmiany;
        };
        const QList<Krok> kroki = {
            {6, -1, false, 2, false, 0},                           // cancelled: stays on with Def2
            {0, -1, false, 0, false, 0},                           // cancelled: stays off
            {6, 2, false, 2, false, 0},                            // the same value
            {0, 3, false, 3, true, 1},                             // a change
            {6, -1, false, 2, true, 2},                            // cancelled, after a change: OnChange all the same
            {0, 0, false, 0, true, 3},   {5, 1, true, 0, true, 4}, // the callback fails: kept
        };
        for (const Krok &k : kroki) {
            odpowiedz = k.odpowiedz;
            blad = k.blad;
            const int przed = p.getValue(k.wyjscie);
            kliknij(p, k.wyjscie);
            QCOMPARE(pytania.last(), std::make_pair(k.wyjscie + 1, przed));
            QCOMPARE(p.getValue(k.wyjscie), k.wartosc);
            TBkJvSwitch *s = p.FSwitchArray[k.wyjscie];
            QCOMPARE(s->isChecked(), k.wartosc > 0);
            QCOMPARE(s->podpisWidoczny(), k.wartosc > 0);
            QCOMPARE(s->toolTip(), TPrzelacznikiWyjsc::tekstWartosci(k.wartosc));
            QCOMPARE(p.changedValue(), k.zmienione);
            QCOMPARE(zmiany, k.zmiany);
            QCOMPARE(p.FInEditSwitch, s);
        }
        QCOMPARE(pytania.size(), kroki.size());
    }

    // On/off: the value follows the switch, every click is a change; the
    // switches show no definition.
    void tylkoWlaczWylacz()
    {
        QWidget okno;
        TPrzekazniki32 p(&okno);
        QSignalSpy zmiany(&p, &TPrzelacznikiWyjsc::OnChange);
        p.setOnOffOnlyValue(true);
        p.setValue(2, 1);
        QVERIFY(p.FSwitchArray[2]->isChecked());
        QVERIFY(!p.FSwitchArray[2]->podpisWidoczny());
        QCOMPARE(p.FSwitchArray[2]->toolTip(), QString("On"));
        kliknij(p, 2);
        QCOMPARE(p.getValue(2), 0);
        QCOMPARE(p.FSwitchArray[2]->toolTip(), QString("Off"));
        kliknij(p, 9);
        QCOMPARE(p.getValue(9), 1);
        kliknij(p, 9);
        QCOMPARE(p.getValue(9), 0);
        QCOMPARE(zmiany.size(), 3);
        QVERIFY(!p.FMyCombo->isVisible());
    }

    // Neither callback nor on/off: the list opens under the switch; the
    // item chosen becomes the value, none chosen the first item.
    void listaRozwijana()
    {
        QWidget okno;
        okno.resize(400, 400);
        TPrzekazniki32 p(&okno);
        okno.show();
        QSignalSpy zmiany(&p, &TPrzelacznikiWyjsc::OnChange);
        kliknij(p, 9);
        TBkJvSwitch *s = p.FSwitchArray[9];
        QVERIFY(p.FMyCombo->isVisible());
        QCOMPARE(p.FMyCombo->pos(), QPoint(s->x(), s->y() + s->height()));
        QCOMPARE(p.FMyCombo->currentIndex(), -1);
        p.FMyCombo->setCurrentIndex(3);
        p.FMyCombo->hidePopup();
        QTRY_VERIFY(!p.FMyCombo->isVisible());
        QCOMPARE(p.getValue(9), 3);
        QVERIFY(s->isChecked());
        QCOMPARE(s->toolTip(), QString("Def3"));
        QCOMPARE(zmiany.size(), 1);
        QVERIFY(p.changedValue());

        // The list is not preset to the next output's value: it keeps 3.
        kliknij(p, 0);
        QCOMPARE(p.FMyCombo->currentIndex(), 3);
        p.FMyCombo->setCurrentIndex(-1);
        p.FMyCombo->hidePopup();
        QTRY_VERIFY(!p.FMyCombo->isVisible());
        QCOMPARE(p.getValue(0), 0);
        QVERIFY(!p.FSwitchArray[0]->isChecked());
        QCOMPARE(zmiany.size(), 2);
    }

    // Icons 0..31 give their own pictures (icon 31 too), off and on;
    // another number gives the drawn switch.
    void ikony()
    {
        QWidget okno;
        TPrzekazniki32 p(&okno);
        TBkJvSwitch *s = p.FSwitchArray[0];
        QVERIFY(!s->maIkone());
        const QImage rysowany = s->grab().toImage();
        for (int ikona : {0, 7, 30, 31}) {
            p.setIcon(0, ikona);
            QVERIFY2(s->maIkone(), qPrintable(QString::number(ikona)));
            const QImage wylaczony = s->grab().toImage();
            p.setValue(0, 1);
            const QImage wlaczony = s->grab().toImage();
            p.setValue(0, 0);
            QVERIFY(wylaczony != wlaczony);
            QVERIFY(wylaczony != rysowany);
            // Off on a blue tile, on on a green one.
            const QColor wyl = wylaczony.pixelColor(2, 20), wl = wlaczony.pixelColor(2, 20);
            QVERIFY2(wyl.blue() > wyl.green() && wl.green() > wl.blue(), qPrintable(QString::number(ikona)));
        }
        for (int ikona : {-1, 32, 255}) {
            p.setIcon(0, ikona);
            QVERIFY(!s->maIkone());
            QCOMPARE(s->grab().toImage(), rysowany);
        }
        TPrzekaznikiArray przekazniki{};
        przekazniki[31].ikona = 31;
        przekazniki[5].ikona = 99;
        p.ustawIkony(przekazniki);
        QVERIFY(p.FSwitchArray[31]->maIkone());
        QVERIFY(p.FSwitchArray[0]->maIkone()); // icon 0
        QVERIFY(!p.FSwitchArray[5]->maIkone());
    }

    // The analog twin: values up to 8.
    void wyjsciaAnalogowe()
    {
        QWidget okno;
        TWybierzAO ao(&okno);
        ao.setValue(3, 8);
        QCOMPARE(ao.FSwitchArray[3]->text(), QString("Def8"));
        ao.setDefFuncValue([](int nr, int) { return nr == 2 ? 7 : -1; });
        kliknij(ao, 1);
        QCOMPARE(ao.stany(), QByteArray::fromHex("00070008"));
        QVERIFY(ao.changedValue());
    }
};

QTEST_MAIN(TestPrzekazniki32)
#include "test_przekazniki32.moc"
