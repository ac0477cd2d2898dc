// The operation guard: what it disables and gives back, nesting, the
// background kind, and a release that processes no events.
#include "operacja.h"
#include "test_qt.h"
#include "wymiana.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <optional>

class TestOperacja : public TestQt {
    Q_OBJECT

private slots:
    // Held: the declared controls are disabled, the others and those of a
    // window opened over it untouched. Released: each is as it was, or as
    // the code set it meanwhile.
    void wylaczaIOddaje()
    {
        QWidget okno;
        auto *zwykly = new QPushButton(&okno);
        auto *wylaczony = new QPushButton(&okno);
        auto *wlaczanyWTrakcie = new QPushButton(&okno);
        auto *wylaczanyWTrakcie = new QPushButton(&okno);
        auto *niezadeklarowany = new QPushButton(&okno);
        auto *dialog = new QDialog(&okno);
        auto *wDialogu = new QPushButton(dialog);
        wylaczony->setEnabled(false);
        wlaczanyWTrakcie->setEnabled(false);
        wylaczanaPodczasOperacji({zwykly, wylaczony, wlaczanyWTrakcie, wylaczanyWTrakcie, wDialogu});
        {
            const TOperacja operacja(&okno);
            QVERIFY(trwaOperacja() && trwaOperacja(&okno) && oknoOperacji(&okno) && zajety());
            QVERIFY(!wejscieCzeka());
            for (QPushButton *b : {zwykly, wylaczony, wlaczanyWTrakcie, wylaczanyWTrakcie})
                QVERIFY(!b->isEnabled());
            QVERIFY(niezadeklarowany->isEnabled() && wDialogu->isEnabled());
            wlaczanyWTrakcie->setEnabled(true);
            wylaczanyWTrakcie->setEnabled(false);
            QVERIFY(!wlaczanyWTrakcie->isEnabled());
            QVERIFY(wlaczona(wlaczanyWTrakcie) && wlaczona(zwykly));
            QVERIFY(!wlaczona(wylaczanyWTrakcie) && !wlaczona(wylaczony));
            QTest::mouseClick(zwykly, Qt::LeftButton);
        }
        QVERIFY(!trwaOperacja() && !trwaOperacja(&okno) && !zajety());
        QVERIFY(zwykly->isEnabled() && wlaczanyWTrakcie->isEnabled() && niezadeklarowany->isEnabled());
        QVERIFY(!wylaczony->isEnabled() && !wylaczanyWTrakcie->isEnabled());
        // Taken back out: a later operation leaves it alone.
        wylaczanaPodczasOperacji({zwykly}, false);
        const TOperacja operacja(&okno);
        QVERIFY(zwykly->isEnabled());
    }

    // The first operation of a window engages it, the last releases it;
    // the window's own lock runs once each way, and a release processes no
    // events.
    void zagniezdzone()
    {
        QWidget okno;
        auto *b = new QPushButton(&okno);
        wylaczanaPodczasOperacji({b});
        QList<bool> blokady;
        przyOperacji(&okno, [&](bool trwa) { blokady << trwa; });
        bool zdarzenie = false;
        {
            std::optional<TOperacja> zewnetrzna(std::in_place, &okno);
            {
                const TOperacja wewnetrzna(&okno);
                QVERIFY(!b->isEnabled());
            }
            QVERIFY(!b->isEnabled());
            QVERIFY(trwaOperacja(&okno));
            QMetaObject::invokeMethod(
                &okno, [&] { zdarzenie = true; }, Qt::QueuedConnection);
            zewnetrzna.reset();
            QVERIFY(!zdarzenie);
        }
        QVERIFY(b->isEnabled());
        QCOMPARE(blokady, QList<bool>({true, false}));
        QTRY_VERIFY(zdarzenie);
    }

    // A box that loses the focus as its operation disables it gets it back
    // at the release; dajFokus() meanwhile names another one, which gets it
    // then (and at once where it can take it).
    void fokusPoOperacji()
    {
        QWidget okno;
        auto *dane = new QWidget(&okno);
        auto *pierwsze = new QLineEdit(dane);
        auto *drugie = new QLineEdit(dane);
        auto *poza = new QLineEdit(&okno);
        drugie->move(0, 30);
        poza->move(0, 60);
        wylaczanaPodczasOperacji({dane});
        okno.show();
        pierwsze->setFocus();
        QCOMPARE(okno.focusWidget(), pierwsze);
        {
            const TOperacja operacja(&okno);
            QVERIFY(!pierwsze->isEnabled());
            QVERIFY(okno.focusWidget() != pierwsze);
        }
        QCOMPARE(okno.focusWidget(), pierwsze);
        {
            const TOperacja operacja(&okno);
            dajFokus(drugie);
            QVERIFY(okno.focusWidget() != drugie);
        }
        QCOMPARE(okno.focusWidget(), drugie);
        dajFokus(poza);
        QCOMPARE(okno.focusWidget(), poza);
        {
            const TOperacja operacja(&okno);
            dajFokus(poza); // not held: at once
            QCOMPARE(okno.focusWidget(), poza);
        }
        QCOMPARE(okno.focusWidget(), poza);
    }

    // A background operation disables nothing and does not let its window's
    // input through, but holds every window's input and the automatic work.
    void wTle()
    {
        QWidget okno;
        auto *b = new QPushButton(&okno);
        wylaczanaPodczasOperacji({b});
        {
            const TOperacja odczyt(&okno, TOperacja::Rodzaj::Tla);
            QVERIFY(b->isEnabled());
            QVERIFY(trwaOperacja(&okno) && !oknoOperacji(&okno));
            QVERIFY(wejscieCzeka() && zajety());
        }
        QVERIFY(!wejscieCzeka() && !zajety());
        {
            const TrwaWymiana trwa;
            QVERIFY(wejscieCzeka() && zajety() && !trwaOperacja());
        }
    }
};

QTEST_MAIN(TestOperacja)
#include "test_operacja.moc"
