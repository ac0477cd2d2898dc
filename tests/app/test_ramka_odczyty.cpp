// The current-state frame on its own: version texts and the note of a newer
// firmware, the clock check, the unsupported device, the lock indicator,
// the inactive grey and a layout that cuts no caption in any language.
#include "ramka_odczyty.h"

#include "komunikaty_skrypt.h"
#include "test_qt.h"

#include <QLabel>
#include <QtTest>

namespace {

const QColor zielony(0, 255, 0);
const QColor czerwony(255, 0, 0);
const QColor szary(128, 128, 128);

QColor kolor(const QLabel *l) { return l->palette().color(QPalette::WindowText); }

const QDateTime terazPc(QDate(2024, 5, 6), QTime(12, 0, 0));

} // namespace

class TestRamkaOdczyty : public TestQt {
    Q_OBJECT

    std::unique_ptr<TFrameBiezaceOdczyty> nowa()
    {
        auto r = std::make_unique<TFrameBiezaceOdczyty>();
        r->teraz = [] { return terazPc; };
        return r;
    }

private slots:
    void poUtworzeniu()
    {
        auto r = nowa();
        QCOMPARE(r->size(), QSize(566, 156));
        QVERIFY(r->ukryta());
        QVERIFY(r->isHidden());
        QVERIFY(!r->autoFillBackground());
        QCOMPARE(r->l_nazwa->text(), QString());
        QCOMPARE(r->L_info->text(), QString());
        QVERIFY(!r->nieobslugiwane());
        QVERIFY(!r->dtBlad());
        QCOMPARE(r->LABEL_sterownik->text(), QStringLiteral("Sterownik:"));
        QCOMPARE(r->LABEL_wersja->text(), QStringLiteral("Wersja programu:"));
        QCOMPARE(r->LABEL_DATA->text(), QStringLiteral("Data, Czas:"));
        QCOMPARE(r->LABEL_STAN->text(), QStringLiteral("Stan:"));
        QCOMPARE(kolor(r->LABEL_STAN), QColor(0, 128, 0));
        QVERIFY(r->LABEL_STAN->alignment() & Qt::AlignRight);
        QVERIFY(r->L_info->font().bold());
        QCOMPARE(r->L_info->font().pixelSize(), 21);
        QCOMPARE(r->L_wersjaInfo->font().pixelSize(), 13);
        r->setHide(false);
        QVERIFY(!r->isHidden());
        r->setHide(true);
        QVERIFY(r->isHidden());
    }

    void tekstWersji_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("2116") << 2116 << "2.116";
        QTest::newRow("2005") << 2005 << "2.5";
        QTest::newRow("999") << 999 << "0.999";
        QTest::newRow("998") << 998 << "9.98";
        QTest::newRow("215") << 215 << "2.15";
        QTest::newRow("7") << 7 << "0.07";
    }
    void tekstWersji()
    {
        QFETCH(int, n);
        QTEST(TFrameBiezaceOdczyty::tekstWersjiSterownika(n), "tekst");
    }

    void nowszaWersja_data()
    {
        QTest::addColumn<int>("wersja");
        QTest::addColumn<bool>("notka");
        QTest::newRow("older") << 2115 << true;
        QTest::newRow("newest") << 2116 << false;
        QTest::newRow("newer") << 2117 << false;
    }
    void nowszaWersja()
    {
        QFETCH(int, wersja);
        QFETCH(bool, notka);
        auto r = nowa();
        r->setWersjaOstatnia(2116);
        r->setWersja(wersja);
        r->setWersjaProtokolu(4);
        QCOMPARE(r->L_wersja->text(), TFrameBiezaceOdczyty::tekstWersjiSterownika(wersja) + " (4)");
        QCOMPARE(r->L_wersjaInfo->isVisibleTo(r.get()), notka);
        QCOMPARE(kolor(r->L_wersja), notka ? czerwony : zielony);
        if (notka) {
            QCOMPARE(r->L_wersjaInfo->text(), QStringLiteral("Dostępna wersja:2.116"));
            QCOMPARE(kolor(r->L_wersjaInfo), zielony);
            // The note does not cover the version text.
            QVERIFY(r->L_wersjaInfo->x() >=
                    r->L_wersja->x() + r->L_wersja->fontMetrics().horizontalAdvance(r->L_wersja->text()));
        }
    }

    // A new firmware version keeps the protocol in the text.
    void wersjaIProtokol()
    {
        auto r = nowa();
        r->setWersja(2116);
        QCOMPARE(r->L_wersja->text(), QStringLiteral("2.116"));
        r->setWersjaProtokolu(4);
        QCOMPARE(r->L_wersja->text(), QStringLiteral("2.116 (4)"));
        r->setWersja(2117);
        QCOMPARE(r->L_wersja->text(), QStringLiteral("2.117 (4)"));
        r->setWersjaProtokolu(0);
        QCOMPARE(r->L_wersja->text(), QStringLiteral("2.117"));
    }

    void zegarSterownika_data()
    {
        QTest::addColumn<QDateTime>("czas");
        QTest::addColumn<bool>("blad");
        QTest::newRow("4 min behind") << terazPc.addSecs(-4 * 60) << false;
        QTest::newRow("4 min ahead") << terazPc.addSecs(4 * 60) << false;
        QTest::newRow("exactly 5 min") << terazPc.addSecs(5 * 60) << false;
        QTest::newRow("6 min behind") << terazPc.addSecs(-6 * 60) << true;
        QTest::newRow("6 min ahead") << terazPc.addSecs(6 * 60) << true;
        QTest::newRow("invalid") << QDateTime() << true;
    }
    void zegarSterownika()
    {
        QFETCH(QDateTime, czas);
        QFETCH(bool, blad);
        auto r = nowa();
        r->setDataCzas(czas);
        QCOMPARE(r->dtBlad(), blad);
        QCOMPARE(kolor(r->L_dt), blad ? czerwony : zielony);
        if (czas.isValid()) {
            QVERIFY2(r->L_dt->text().contains(czas.time().toString("HH:mm:ss")), qPrintable(r->L_dt->text()));
            QVERIFY2(r->L_dt->text().contains(QString::number(czas.date().year())), qPrintable(r->L_dt->text()));
        } else {
            QCOMPARE(r->L_dt->text(), QStringLiteral("******"));
        }
    }

    void nieobslugiwane()
    {
        auto r = nowa();
        r->setNazwa("  S/N: 5");
        r->setNieobslugiwane(true);
        QCOMPARE(kolor(r->l_nazwa), czerwony);
        QVERIFY(r->L_nazwaInfo->isVisibleTo(r.get()));
        QCOMPARE(r->L_nazwaInfo->text(), QStringLiteral("Nieobsługiwane urządzenie!!!"));
        r->setNieobslugiwane(false);
        QCOMPARE(kolor(r->l_nazwa), zielony);
        QVERIFY(!r->L_nazwaInfo->isVisibleTo(r.get()));
        QCOMPARE(r->l_nazwa->text(), QStringLiteral("  S/N: 5"));
    }

    void blokadaZastepujeStan()
    {
        auto r = nowa();
        r->setInformacja("PRACA");
        QCOMPARE(r->L_info->text(), QStringLiteral("PRACA"));
        r->setBlokadaTrans(true);
        QCOMPARE(r->L_info->text(), QStringLiteral("Blokada transmisji"));
        QCOMPARE(kolor(r->L_info), czerwony);
        r->setInformacja("STOP");
        QCOMPARE(r->L_info->text(), QStringLiteral("Blokada transmisji"));
        r->setBlokadaTrans(false);
        QCOMPARE(r->L_info->text(), QStringLiteral("STOP"));
        QCOMPARE(kolor(r->L_info), zielony);
    }

    void nieaktywnaSzara()
    {
        auto r = nowa();
        r->setWersjaOstatnia(2116);
        r->setWersja(2000);
        r->setNieobslugiwane(true);
        r->setDataCzas(terazPc);
        r->setActive(false);
        QVERIFY(!r->active());
        for (QLabel *l : {r->l_nazwa, r->L_wersja, r->L_dt, r->L_info, r->L_wersjaInfo, r->L_nazwaInfo})
            QCOMPARE(kolor(l), szary);
        QCOMPARE(kolor(r->LABEL_DATA), QColor(0, 128, 0));
        r->setActive(true);
        QCOMPARE(kolor(r->l_nazwa), czerwony);
        QCOMPARE(kolor(r->L_wersja), czerwony);
        QCOMPARE(kolor(r->L_dt), zielony);
        QCOMPARE(kolor(r->L_info), zielony);
    }

    // Long values and every caption fit in the frame without overlapping.
    void ukladBezNakladania()
    {
        auto r = nowa();
        r->setNazwa("Kvor 350  S/N: 300000");
        r->setWersjaOstatnia(2116);
        r->setWersja(2115);
        r->setWersjaProtokolu(4);
        r->setDataCzas(terazPc);
        r->setInformacja("OCZEKIWANIE");
        r->setNieobslugiwane(true);
        QList<QLabel *> widoczne;
        for (QLabel *l : r->findChildren<QLabel *>())
            if (l->isVisibleTo(r.get()))
                widoczne << l;
        QCOMPARE(widoczne.size(), 10);
        for (QLabel *l : widoczne) {
            QVERIFY2(r->rect().contains(l->geometry()), qPrintable(l->objectName()));
            QVERIFY2(obszarTekstu(l).width() <= l->width(), qPrintable(l->objectName() + ": " + l->text()));
            QVERIFY2(l->fontMetrics().height() <= l->height(), qPrintable(l->objectName()));
        }
        for (QLabel *a : widoczne)
            for (QLabel *b : widoczne)
                QVERIFY2(a == b || !obszarTekstu(a).intersects(obszarTekstu(b)),
                         qPrintable(a->objectName() + " / " + b->objectName()));
    }

private:
    // Where the label's text is drawn, in the frame's coordinates.
    static QRect obszarTekstu(const QLabel *l)
    {
        const int w = l->fontMetrics().horizontalAdvance(l->text());
        const QRect g = l->geometry();
        const int x = (l->alignment() & Qt::AlignRight) ? g.right() + 1 - w : g.left();
        return {x, g.top(), w, g.height()};
    }
};

QTEST_MAIN(TestRamkaOdczyty)
#include "test_ramka_odczyty.moc"
