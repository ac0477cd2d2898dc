// The extra-module panel: masks to buttons and back for each of its four
// rows, the look of a button ON and OFF, clicks, the base module's buttons
// that follow the setters but cannot be clicked, the change handler.
#include "panel_modulow.h"
#include "test_qt.h"

#include <QLabel>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

using P = TKvor350inOutModul;

// One row of the panel: its buttons, setter and getter.
struct Rzad {
    const char *nazwa;
    P::TRzad P::*przyciski;
    void (P::*ustaw)(int32_t);
    int32_t (P::*wartosc)() const;
    int y; // on screen
};

const Rzad rzedy[] = {
    {"AIN", &P::FButtonsAin, &P::setValueAin, &P::getValueAin, 76},
    {"DOUT", &P::FButtonsDout, &P::setValueDout, &P::getValueDout, 149},
    {"DIN", &P::FButtonsDin, &P::setValueDin, &P::getValueDin, 222},
    {"AOUT", &P::FButtonsAout, &P::setValueAout, &P::getValueAout, 295},
};

// The colour a button is painted in.
QColor kolor(const QToolButton *b)
{
    return const_cast<QToolButton *>(b)->grab().toImage().pixelColor(b->width() / 2, 6);
}

bool wlaczony(const QToolButton *b)
{
    return !b->isChecked() && b->text() == QLatin1String("ON") && kolor(b) == P::kolorWlaczony();
}
bool wylaczony(const QToolButton *b)
{
    return b->isChecked() && b->text() == QLatin1String("OFF") && kolor(b) == P::kolorWylaczony();
}

} // namespace

class TestPanelModulow : public TestQt {
    Q_OBJECT

    std::unique_ptr<QWidget> wlasciciel;
    P *panel = nullptr;
    QList<QObject *> zmiany;

protected:
    void przedTestem() override
    {
        wlasciciel = std::make_unique<QWidget>();
        wlasciciel->resize(460, 440);
        zmiany.clear();
        panel = new P(wlasciciel.get(), [this](QObject *s) { zmiany << s; });
        wlasciciel->show();
        QVERIFY(QTest::qWaitForWindowExposed(wlasciciel.get()));
    }
    void poTescie() override { wlasciciel.reset(); }

private slots:
    // A new panel: every button down (OFF, dark red), every mask 0, M1's
    // buttons disabled; heads and rows in their places.
    void nowyPanel()
    {
        QCOMPARE(panel->parentWidget(), wlasciciel.get());
        QCOMPARE(panel->geometry(), QRect(40, 30, 368, 368));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(panel->FButtonsTop[size_t(i)]->text(), QStringLiteral("M%1").arg(i + 1));
            QCOMPARE(panel->FButtonsTop[size_t(i)]->geometry(), QRect(73 * (i + 1) + 3, 3, 70, 70));
        }
        for (int r = 0; r < 4; ++r) {
            const Rzad &x = rzedy[r];
            QCOMPARE(panel->FButtonsLeft[size_t(r)]->text(), QString::fromLatin1(x.nazwa));
            QCOMPARE(panel->FButtonsLeft[size_t(r)]->geometry(), QRect(3, x.y, 70, 70));
            QCOMPARE((panel->*x.wartosc)(), 0);
            for (int i = 0; i < 4; ++i) {
                QToolButton *b = (panel->*x.przyciski)[size_t(i)];
                QVERIFY2(wylaczony(b), x.nazwa);
                QCOMPARE(b->geometry(), QRect(73 * (i + 1) + 3, x.y, 70, 70));
                QCOMPARE(b->isEnabled(), i > 0);
                QCOMPARE(b->accessibleName(), QStringLiteral("%1 M%2").arg(x.nazwa).arg(i + 1));
            }
        }
        QVERIFY(zmiany.isEmpty());
    }

    // A mask set on a row shows module i ON exactly when bit i - 1 is set
    // (bits above 3 are not shown), reads back as that mask, leaves the
    // other rows alone and raises OnChange once per module.
    void maski_data()
    {
        QTest::addColumn<int>("rzad");
        QTest::addColumn<int>("maska");
        QTest::addColumn<int>("odczyt");
        for (int r = 0; r < 4; ++r) {
            QTest::addRow("%s 5: M1 and M3", rzedy[r].nazwa) << r << 5 << 5;
            QTest::addRow("%s 10: M2 and M4", rzedy[r].nazwa) << r << 10 << 10;
            QTest::addRow("%s 15: all", rzedy[r].nazwa) << r << 15 << 15;
            QTest::addRow("%s 0x36: bits above 3 dropped", rzedy[r].nazwa) << r << 0x36 << 6;
        }
    }
    void maski()
    {
        QFETCH(int, rzad);
        QFETCH(int, maska);
        QFETCH(int, odczyt);
        const Rzad &x = rzedy[rzad];
        (panel->*x.ustaw)(maska);
        for (int i = 0; i < 4; ++i) {
            QToolButton *b = (panel->*x.przyciski)[size_t(i)];
            QVERIFY2((maska >> i) & 1 ? wlaczony(b) : wylaczony(b), qPrintable(b->objectName()));
        }
        QCOMPARE(int((panel->*x.wartosc)()), odczyt);
        for (const Rzad &inny : rzedy)
            if (&inny != &x)
                QCOMPARE(int((panel->*inny.wartosc)()), 0);
        QCOMPARE(zmiany.size(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(zmiany[i], (panel->*x.przyciski)[size_t(i)]);

        (panel->*x.ustaw)(0);
        QCOMPARE(int((panel->*x.wartosc)()), 0);
        QCOMPARE(zmiany.size(), 8);
    }

    // A click toggles a module of M2..M4: the mask gains or loses its bit
    // and OnChange names the button. M1's buttons take no click.
    void klikniecia()
    {
        QToolButton *dout2 = panel->FButtonsDout[1];
        QTest::mouseClick(dout2, Qt::LeftButton);
        QVERIFY(wlaczony(dout2));
        QCOMPARE(panel->getValueDout(), 2);
        QCOMPARE(zmiany, QList<QObject *>{dout2});
        QTest::mouseClick(panel->FButtonsDout[3], Qt::LeftButton);
        QCOMPARE(panel->getValueDout(), 10);
        QTest::mouseClick(dout2, Qt::LeftButton);
        QVERIFY(wylaczony(dout2));
        QCOMPARE(panel->getValueDout(), 8);
        QCOMPARE(zmiany.size(), 3);

        for (const Rzad &x : rzedy) {
            QToolButton *m1 = (panel->*x.przyciski)[0];
            QTest::mouseClick(m1, Qt::LeftButton);
            QVERIFY(wylaczony(m1));
            (panel->*x.ustaw)(1);
            QVERIFY(wlaczony(m1));
            QTest::mouseClick(m1, Qt::LeftButton);
            QVERIFY(wlaczony(m1));
            QCOMPARE(int((panel->*x.wartosc)() & 1), 1);
        }
    }

    // Without a handler the panel works all the same.
    void bezObslugi()
    {
        auto *sam = new P(wlasciciel.get());
        sam->setValueAin(3);
        QTest::mouseClick(sam->FButtonsAin[2], Qt::LeftButton);
        QCOMPARE(sam->getValueAin(), 7);
        QVERIFY(zmiany.isEmpty());
    }
};

QTEST_MAIN(TestPanelModulow)
#include "test_panel_modulow.moc"
