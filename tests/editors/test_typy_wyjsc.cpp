// The three pickers of a digital output: what they open with, what a
// click on a picture, "OK", "Anuluj" and closing return, their texts and
// pictures, and that no window stays behind.
#include "okno_modalne.h"
#include "test_qt.h"

#include "enumeracje.h"
#include "obrazki.h"
#include "przycisk_obrazka.h"
#include "typy_wyjsc.h"
#include "wybor_ikony.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

// The value of the pressed picture, -1 for none.
int wcisniety(const TTabelaTypow *t)
{
    for (const TPrzyciskObrazka *b : t->przyciski)
        if (b->isChecked())
            return b->property("Tag").toInt();
    return -1;
}

int oknaNajwyzszego()
{
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return int(QApplication::topLevelWidgets().size());
}

} // namespace

class TestTypyWyjsc : public TestQt {
    Q_OBJECT

    // Runs the time-mode picker for `value`, does `akcja` in it and
    // returns its answer; `naStarcie` gets the pressed picture.
    template <class Akcja>
    bool czasowy(int &value, int &naStarcie, Akcja akcja)
    {
        gdyOknoModalne([&](QWidget *w) {
            auto *t = qobject_cast<TFTypPrzekTable *>(w);
            QVERIFY(t);
            naStarcie = wcisniety(t);
            akcja(t);
        });
        return wybierzTypCzasowy(value, 1045);
    }

private slots:
    void obrazkiSa()
    {
        for (int i = 0; i < 32; ++i)
            for (int s = 0; s < 2; ++s) {
                const QString n = QString::asprintf("R%2.2d_%d", i, s);
                QCOMPARE(obrazek(n).size(), QSize(40, 40));
            }
        // The two states of an icon differ.
        QVERIFY(obrazek("R07_0").toImage() != obrazek("R07_1").toImage());
        for (int i = 0; i < 8; ++i)
            QCOMPARE(obrazek(QStringLiteral("TYP_CZASOWY_%1").arg(i)).size(), QSize(140, 90));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(obrazek(QStringLiteral("REGULATOR_%1").arg(i)).size(), QSize(140, 90));
    }

    void typCzasowyKlikniety()
    {
        int v = 3, naStarcie = -1;
        QVERIFY(czasowy(v, naStarcie, [](TFTypPrzekTable *t) {
            QCOMPARE(t->TypPrzekIndex(), 3);
            t->findChild<TPrzyciskObrazka *>("SpeedButton7")->click();
        }));
        QCOMPARE(naStarcie, 3);
        QCOMPARE(v, 5);
        // A click on the picture already pressed picks it too.
        QVERIFY(czasowy(v, naStarcie, [](TFTypPrzekTable *t) { QTest::mouseClick(t->przyciski[5], Qt::LeftButton); }));
        QCOMPARE(v, 5);
    }

    void typCzasowyOkIAnuluj()
    {
        int v = 3, naStarcie = -1;
        QVERIFY(!czasowy(v, naStarcie, [](TFTypPrzekTable *t) { t->but_ok->click(); }));
        QCOMPARE(v, 3);
        QVERIFY(!czasowy(v, naStarcie, [](TFTypPrzekTable *t) { t->but_anuluj->click(); }));
        QCOMPARE(v, 3);
        QVERIFY(!czasowy(v, naStarcie, [](TFTypPrzekTable *t) { t->close(); }));
        QCOMPARE(v, 3);
        // Outside 0..7 the picker opens with mode 0 pressed.
        v = 9;
        QVERIFY(!czasowy(v, naStarcie, [](TFTypPrzekTable *t) { t->reject(); }));
        QCOMPARE(naStarcie, 0);
        QCOMPARE(v, 9);
    }

    void typCzasowyTeksty()
    {
        int v = 0, naStarcie = -1;
        QStringList podpisy, etykiety;
        QString tytul;
        czasowy(v, naStarcie, [&](TFTypPrzekTable *t) {
            tytul = t->windowTitle();
            for (TPrzyciskObrazka *b : t->przyciski)
                podpisy << b->text();
            for (QLabel *l : t->etykiety)
                etykiety << l->text();
            QCOMPARE(t->but_anuluj->text(), QString("Anuluj"));
            t->reject();
        });
        QCOMPARE(tytul, QString("Typ czasowy"));
        QCOMPARE(podpisy, listaTrybPrzekaznika());
        QCOMPARE(podpisy.at(2), QString("OPÓŹNIONE ZAŁĄCZENIE"));
        QCOMPARE(etykiety.size(), 7);
        QCOMPARE(etykiety.front(), QString("Typ czasowy 1"));
        QCOMPARE(etykiety.back(), QString("Typ czasowy 7"));
    }

    void typRegulatora()
    {
        int v = 9, naStarcie = 0;
        QString tytul;
        QStringList podpisy, etykiety;
        gdyOknoModalne([&](QWidget *w) {
            auto *t = qobject_cast<TFTypReglerTable *>(w);
            QVERIFY(t);
            naStarcie = wcisniety(t);
            tytul = t->windowTitle();
            for (TPrzyciskObrazka *b : t->przyciski)
                podpisy << b->text();
            for (QLabel *l : t->etykiety)
                etykiety << l->text();
            t->but_ok->click();
        });
        QVERIFY(!wybierzTypRegulatora(v, 1045));
        QCOMPARE(v, 9);
        QCOMPARE(naStarcie, -1);
        QCOMPARE(tytul, QString("Typ regulatora"));
        QCOMPARE(podpisy, listaTypRegulatora());
        QCOMPARE(etykiety, (QStringList{"Algortym 1", "Algortym 2", "Algortym 3", "Algortym 4", "Algortym 5"}));

        v = 2;
        gdyOknoModalne([&](QWidget *w) {
            auto *t = qobject_cast<TFTypReglerTable *>(w);
            naStarcie = wcisniety(t);
            QTest::mouseClick(t->findChild<TPrzyciskObrazka *>("SpeedButton7"), Qt::LeftButton);
        });
        QVERIFY(wybierzTypRegulatora(v, 1045));
        QCOMPARE(naStarcie, 2);
        QCOMPARE(v, 5);
    }

    void ikona()
    {
        QString tytul, grupa, podpowiedz;
        gdyOknoModalne([&](QWidget *w) {
            auto *o = qobject_cast<Tfwyborikony *>(w);
            QVERIFY(o);
            QCOMPARE(o->RxSwitch.size(), 32);
            tytul = o->windowTitle();
            grupa = o->GroupBox1->title();
            podpowiedz = o->RxSwitch[24]->toolTip();
            // The first switch of the last row.
            QTest::mouseClick(o->findChild<QAbstractButton *>("RxSwitch25"), Qt::LeftButton);
        });
        QCOMPARE(wybierzIkone(1045), 24);
        QCOMPARE(tytul, QString("Wybierz ikonę"));
        QCOMPARE(grupa, QString("Kliknij, aby wybrać"));
        QCOMPARE(podpowiedz, QString("Wybierz ikonę id: 24"));

        gdyOknoModalne([](QWidget *w) { w->close(); });
        QCOMPARE(wybierzIkone(1045), -1);
        gdyOknoModalne([](QWidget *w) { qobject_cast<Tfwyborikony *>(w)->but_anuluj->click(); });
        QCOMPARE(wybierzIkone(1045), -1);
        // The keyboard reaches the switches too.
        gdyOknoModalne([](QWidget *w) {
            auto *o = qobject_cast<Tfwyborikony *>(w);
            o->RxSwitch[31]->setFocus();
            QTest::keyClick(o->RxSwitch[31], Qt::Key_Space);
        });
        QCOMPARE(wybierzIkone(1045), 31);
    }

    void zadneOknoNieZostaje()
    {
        const int przed = oknaNajwyzszego();
        for (int i = 0; i < 3; ++i) {
            int v = i;
            gdyOknoModalne([](QWidget *w) { w->close(); });
            wybierzTypCzasowy(v, 1045);
            gdyOknoModalne([](QWidget *w) { w->close(); });
            wybierzTypRegulatora(v, 1045);
            gdyOknoModalne([](QWidget *w) { w->close(); });
            wybierzIkone(1045);
        }
        QCOMPARE(oknaNajwyzszego(), przed);
    }
};

QTEST_MAIN(TestTypyWyjsc)
#include "test_typy_wyjsc.moc"
