#include "edycja_liczb.h"
#include "test_qt.h"

#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

#include <climits>
#include <cmath>
#include <limits>

namespace {

// Counts the beeps instead of sounding them.
template <class Baza>
class Liczaca : public Baza {
public:
    int piski = 0;

protected:
    void pisk() override { ++piski; }
};

void wpisz(QLineEdit &e, const QString &tekst)
{
    e.clear();
    for (QChar c : tekst) {
        QKeyEvent k(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&e, &k);
    }
}

void opusc(QWidget &w)
{
    QFocusEvent e(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&w, &e);
}

} // namespace

class TestEdycjaLiczb : public TestQt {
    Q_OBJECT

private slots:
    void poUtworzeniu()
    {
        TIntEdit i;
        TFloatEdit f;
        TFloatPrecEdit p;
        QCOMPARE(i.text(), QString("0"));
        QCOMPARE(f.text(), QString("0"));
        QCOMPARE(p.text(), QString("0"));
        QCOMPARE(p.Precision(), 1);
        QVERIFY(f.IncludeBounds());
        // The range is off while both bounds are 0: negatives too.
        i.setValue(-123456);
        QCOMPARE(i.text(), QString("-123456"));
        f.setValue(-1e9);
        QCOMPARE(f.Value(), -1e9);
    }

    void zakresCalkowitych_data()
    {
        QTest::addColumn<int>("wpisana");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("above") << 12000 << "9999";
        QTest::newRow("below") << -5 << "0";
        QTest::newRow("inside") << 17 << "17";
        QTest::newRow("max bound") << 9999 << "9999";
    }
    void zakresCalkowitych()
    {
        QFETCH(int, wpisana);
        TIntEdit e;
        e.setMinValue(0);
        e.setMaxValue(9999);
        e.setValue(wpisana);
        QTEST(e.text(), "tekst");
    }

    void granicePominiete_data()
    {
        QTest::addColumn<double>("wpisana");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("upper bound") << 10.0 << "5";
        QTest::newRow("below") << -1.0 << "5";
        QTest::newRow("lower bound") << 0.0 << "5";
        QTest::newRow("inside") << 9.5 << "9,5";
    }
    void granicePominiete()
    {
        QFETCH(double, wpisana);
        TFloatEdit e;
        e.setMaxValue(10);
        e.setIncludeBounds(false);
        e.setValue(wpisana);
        QTEST(e.text(), "tekst");

        TFloatEdit z;
        z.setMaxValue(10);
        z.setValue(wpisana);
        QCOMPARE(z.Value(), qBound(0.0, wpisana, 10.0));
    }

    void pustyTekstIWartoscDomyslna()
    {
        TIntEdit e;
        e.setMaxValue(100);
        e.setDefaultValue(7);
        e.setText(QString());
        QCOMPARE(e.Value(), 7);
        QCOMPARE(e.text(), QString());
        opusc(e);
        QCOMPARE(e.text(), QString());
        e.setMinValue(20);
        QCOMPARE(e.text(), QString("20"));
        QCOMPARE(e.DefaultValue(), 20);

        TFloatEdit f;
        f.setMaxValue(10);
        f.setDefaultValue(2.5);
        f.setText(QString());
        QCOMPARE(f.Value(), 2.5);
        f.setMinValue(3);
        QCOMPARE(f.text(), QString("3"));
    }

    void domyslnaPozaZakresemPominieta()
    {
        TIntEdit e;
        e.setMaxValue(10);
        e.setDefaultValue(50);
        QCOMPARE(e.DefaultValue(), 0);
        e.setMaxValue(100);
        QCOMPARE(e.DefaultValue(), 0);
        e.setDefaultValue(50);
        QCOMPARE(e.DefaultValue(), 50);
        // A narrower range pulls the default in.
        e.setMaxValue(30);
        QCOMPARE(e.DefaultValue(), 30);
    }

    // Texts that are no numbers read as DefaultValue and never throw;
    // leaving the box writes that value.
    void tekstNieBedacyLiczba_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::newRow("minus") << "-";
        QTest::newRow("plus") << "+";
        QTest::newRow("1-2") << "1-2";
        QTest::newRow("pasted") << "dwanaście";
        QTest::newRow("two separators") << "1,2,3";
        QTest::newRow("inf") << "inf";
        QTest::newRow("nan") << "nan";
    }
    void tekstNieBedacyLiczba()
    {
        QFETCH(QString, tekst);
        TIntEdit i;
        i.setMaxValue(100);
        i.setDefaultValue(42);
        i.setText(tekst);
        QCOMPARE(i.Value(), 42);
        QCOMPARE(i.text(), tekst);
        opusc(i);
        QCOMPARE(i.text(), QString("42"));

        TFloatPrecEdit f;
        f.setMaxValue(100);
        f.setDefaultValue(4.5);
        f.setText(tekst);
        QCOMPARE(f.Value(), 4.5);
        QCOMPARE(f.text(), tekst); // left alone while typing
        opusc(f);
        QCOMPARE(f.text(), QString("4,5"));
    }

    // A number of any length is a number: beyond the type it reads as the
    // type's nearest end, which the range takes to its nearest bound, with
    // the range off the type's end; a tiny one is 0. Never the default.
    void liczbaPozaTypem_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("calkowita");       // range off
        QTest::addColumn<int>("calkowitaZakres"); // range -50..100
        QTest::addColumn<double>("ulamek");       // range off
        QTest::addColumn<double>("ulamekZakres"); // range -50..100
        const int imax = INT_MAX, imin = INT_MIN;
        const double dmax = std::numeric_limits<double>::max();
        QTest::newRow("150") << "150" << 150 << 100 << 150.0 << 100.0;
        QTest::newRow("2^31") << "2147483648" << imax << 100 << 2147483648.0 << 100.0;
        QTest::newRow("-2^31") << "-2147483648" << imin << -50 << -2147483648.0 << -50.0;
        QTest::newRow("-2^31-1") << "-2147483649" << imin << -50 << -2147483649.0 << -50.0;
        QTest::newRow("11 digits") << "99999999999" << imax << 100 << 99999999999.0 << 100.0;
        QTest::newRow("40 digits, +") << "+" + QString(40, '9') << imax << 100 << 1e40 << 100.0;
        QTest::newRow("40 digits, -") << "-" + QString(40, '9') << imin << -50 << -1e40 << -50.0;
        QTest::newRow("400 digits") << QString(400, '9') << imax << 100 << dmax << 100.0;
        // No whole number for TIntEdit: its default.
        QTest::newRow("-400 digits, decimals") << "-" + QString(400, '9') + ",25" << 7 << 7 << -dmax << -50.0;
        QTest::newRow("leading zeros") << QString(400, '0') + "7" << 7 << 7 << 7.0 << 7.0;
        QTest::newRow("too small for a double") << "-0," + QString(400, '0') + "1" << 7 << 7 << 0.0 << 0.0;
    }
    void liczbaPozaTypem()
    {
        QFETCH(QString, tekst);
        QFETCH(double, ulamek);
        const auto sprawdz = [&](auto &e, auto oczekiwana, auto wZakresie) {
            e.setDefaultValue(7);
            e.setText(tekst);
            QCOMPARE(e.Value(), oczekiwana);
            e.setMaxValue(100);
            e.setMinValue(-50);
            e.setText(tekst);
            QCOMPARE(e.wartoscWZakresie(), wZakresie);
            opusc(e);
            QCOMPARE(e.Value(), wZakresie);
        };
        TIntEdit i;
        QFETCH(int, calkowita);
        QFETCH(int, calkowitaZakres);
        sprawdz(i, calkowita, calkowitaZakres);
        QFETCH(double, ulamekZakres);
        TFloatEdit f;
        sprawdz(f, ulamek, ulamekZakres);
        TFloatPrecEdit p;
        sprawdz(p, ulamek, ulamekZakres);
    }

    void precyzjaTnieNaCyfrach_data()
    {
        QTest::addColumn<int>("precyzja");
        QTest::addColumn<QString>("wpisany");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("12,34 p1") << 1 << "12,34"
                                  << "12,3";
        QTest::newRow("12,30 stays") << 1 << "12,30"
                                     << "12,30";
        QTest::newRow("12,3 stays") << 1 << "12,3"
                                    << "12,3";
        QTest::newRow("0,29 p2 stays") << 2 << "0,29"
                                       << "0,29";
        QTest::newRow("0,299 p2") << 2 << "0,299"
                                  << "0,29";
        QTest::newRow("1,005 p2") << 2 << "1,005"
                                  << "1";
        QTest::newRow("-0,77 p1") << 1 << "-0,77"
                                  << "-0,7";
        QTest::newRow("-0,01 p1") << 1 << "-0,01"
                                  << "0";
        QTest::newRow("4,56789 p4") << 4 << "4,56789"
                                    << "4,5678";
        QTest::newRow("12,3001 p1") << 1 << "12,3001"
                                    << "12,3";
    }
    void precyzjaTnieNaCyfrach()
    {
        QFETCH(int, precyzja);
        QFETCH(QString, wpisany);
        TFloatPrecEdit e;
        e.setPrecision(precyzja);
        wpisz(e, wpisany);
        QTEST(e.text(), "tekst");
        QCOMPARE(e.cursorPosition(), int(e.text().size()));
    }

    void precyzjaPrzyZapisieIUstawieniu()
    {
        TFloatPrecEdit e;
        e.setValue(-0.77);
        QCOMPARE(e.text(), QString("-0,7"));
        e.setPrecision(4);
        e.setValue(3.14159);
        QCOMPARE(e.text(), QString("3,1415"));
        e.setPrecision(2);
        QCOMPARE(e.text(), QString("3,14"));
        e.setPrecision(0);
        e.setPrecision(5);
        QCOMPARE(e.Precision(), 2);
        e.setValue(0.29);
        QCOMPARE(e.text(), QString("0,29"));
        QCOMPARE(e.Value(), 0.29);
    }

    void zmianaRazNaZmiane()
    {
        TFloatPrecEdit e;
        QStringList teksty;
        connect(&e, &EdycjaLiczby::zmiana, &e, [&] { teksty << e.text(); });
        e.setText("12,34");
        QCOMPARE(teksty, QStringList{"12,3"});
        e.setText("7");
        QCOMPARE(teksty, QStringList({"12,3", "7"}));
        TIntEdit i;
        QSignalSpy zmiany(&i, &EdycjaLiczby::zmiana);
        i.setValue(5);
        QCOMPARE(zmiany.count(), 1);
    }

    void strzalki()
    {
        TIntEdit e;
        e.setIncrement(10);
        e.setValue(5);
        QTest::keyClick(&e, Qt::Key_Up);
        QCOMPARE(e.text(), QString("15"));
        QTest::keyClick(&e, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(e.text(), QString("5"));
        e.setMinValue(0);
        e.setMaxValue(12);
        QTest::keyClick(&e, Qt::Key_Up);
        QCOMPARE(e.text(), QString("12"));

        // With no step the text is only put into its plain form.
        TIntEdit n;
        n.setText(" 007");
        QTest::keyClick(&n, Qt::Key_Up);
        QCOMPARE(n.text(), QString("7"));

        TFloatEdit f;
        f.setIncrement(0.5);
        f.setValue(1);
        QTest::keyClick(&f, Qt::Key_Down);
        QCOMPARE(f.text(), QString("0,5"));
    }

    void strzalkiNasycaja()
    {
        TIntEdit e;
        e.setIncrement(1000);
        e.setValue(INT_MAX - 1);
        QTest::keyClick(&e, Qt::Key_Up);
        QCOMPARE(e.Value(), INT_MAX);
        e.setValue(INT_MIN + 5);
        QTest::keyClick(&e, Qt::Key_Down);
        QCOMPARE(e.Value(), INT_MIN);
        e.setIncrement(INT_MIN);
        e.setValue(-1);
        QTest::keyClick(&e, Qt::Key_Up);
        QCOMPARE(e.Value(), INT_MIN);
        e.setValue(0);
        QTest::keyClick(&e, Qt::Key_Down);
        QCOMPARE(e.Value(), INT_MAX);

        TFloatEdit f;
        const double maks = std::numeric_limits<double>::max();
        f.setIncrement(maks);
        f.setValue(maks);
        QTest::keyClick(&f, Qt::Key_Up);
        QCOMPARE(f.Value(), maks);
        QVERIFY(std::isfinite(f.Value()));
    }

    void filtrKlawiszy()
    {
        Liczaca<TIntEdit> i;
        wpisz(i, "-12a3");
        QCOMPARE(i.text(), QString("-123"));
        QCOMPARE(i.piski, 1);
        wpisz(i, "4,5");
        QCOMPARE(i.text(), QString("45"));
        QCOMPARE(i.piski, 2);
        wpisz(i, QStringLiteral("ł1"));
        QCOMPARE(i.text(), QString("1"));
        QCOMPARE(i.piski, 3);

        Liczaca<TFloatEdit> f;
        wpisz(f, "1,5e3");
        QCOMPARE(f.text(), QString("1,53"));
        QCOMPARE(f.piski, 1);
        wpisz(f, "2.5");
        QCOMPARE(f.text(), QString("25"));
        QCOMPARE(f.piski, 2);

        // Where the point is the separator, the comma is refused.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        wpisz(f, "2.5,");
        QCOMPARE(f.text(), QString("2.5"));
        QCOMPARE(f.piski, 3);
        QCOMPARE(f.Value(), 2.5);

        // Control keys pass (backspace).
        QTest::keyClick(&f, Qt::Key_Backspace);
        QCOMPARE(f.text(), QString("2."));
        QCOMPARE(f.piski, 3);
    }

    void opuszczeniePoprawia()
    {
        TIntEdit e;
        e.setMinValue(1);
        e.setMaxValue(247);
        e.setText("300");
        QCOMPARE(e.Value(), 300); // the text is the value until corrected
        opusc(e);
        QCOMPARE(e.text(), QString("247"));
        e.setText("+08");
        opusc(e);
        QCOMPARE(e.text(), QString("8"));
    }
};

QTEST_MAIN(TestEdycjaLiczb)
#include "test_edycja_liczb.moc"
