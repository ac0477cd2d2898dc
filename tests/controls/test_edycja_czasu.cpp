// The minutes:seconds box's normaliser and its three faces (time, seconds,
// text), and the fixed-width number box.
#include "edycja_czasu.h"
#include "test_qt.h"

#include <QSignalSpy>
#include <QtTest>

class TestEdycjaCzasu : public TestQt {
    Q_OBJECT

private slots:
    void poUtworzeniu()
    {
        TMin99SecEdit t;
        QCOMPARE(t.text(), QString("00:00"));
        QCOMPARE(t.timesek(), 0);
        QCOMPARE(t.alignment(), Qt::AlignCenter);
        TMask9999Edit m;
        QCOMPARE(m.length(), 4);
        QCOMPARE(m.text(), QString("0000"));
        QCOMPARE(m.value(), 0);
    }

    // A text as the user leaves it (typed or pasted whole).
    void normalizator_data()
    {
        QTest::addColumn<QString>("wpisany");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QTime>("czas");
        QTest::newRow("seconds over 59") << "75:80"
                                         << "75:59" << QTime(1, 15, 59);
        QTest::newRow("both at most") << "99:99"
                                      << "99:59" << QTime(1, 39, 59);
        QTest::newRow("plain") << "07:05"
                               << "07:05" << QTime(0, 7, 5);
        QTest::newRow("an hour") << "60:00"
                                 << "60:00" << QTime(1, 0, 0);
        QTest::newRow("only the colon") << ":"
                                        << "00:00" << QTime(0, 0);
        QTest::newRow("blanks are zeros") << "1 :2 "
                                          << "10:20" << QTime(0, 10, 20);
        QTest::newRow("blank minutes") << "  :45"
                                       << "00:45" << QTime(0, 0, 45);
        QTest::newRow("59 seconds stay") << "00:59"
                                         << "00:59" << QTime(0, 0, 59);
    }
    void normalizator()
    {
        QFETCH(QString, wpisany);
        TMin99SecEdit t;
        QSignalSpy zmiany(&t, &TMin99SecEdit::zmiana);
        t.setText(wpisany);
        QTEST(t.text(), "tekst");
        QTEST(t.time(), "czas");
        QCOMPARE(t.timeStr(), t.text());
        QCOMPARE(zmiany.count(), 1);
    }

    void pisanieKlawiszami()
    {
        TMin99SecEdit t;
        t.show();
        t.setCursorPosition(0);
        QTest::keyClicks(&t, QStringLiteral("1234"));
        QCOMPARE(t.text(), QString("12:34"));
        QCOMPARE(t.timesek(), 12 * 60 + 34);
        // The caret stays where the typing left it.
        QCOMPARE(t.cursorPosition(), 5);
        t.setCursorPosition(3);
        QTest::keyClicks(&t, QStringLiteral("8"));
        QCOMPARE(t.text(), QString("12:59"));
        // A sign is no digit of a duration.
        t.setCursorPosition(0);
        QTest::keyClicks(&t, QStringLiteral("-"));
        QCOMPARE(t.text(), QString("12:59"));
    }

    void przykladyCzesci()
    {
        TMin99SecEdit t;
        t.setText(QStringLiteral("75:80"));
        QCOMPARE(t.timesek(), 4559);
        QCOMPARE(t.timeStr(), QString("75:59"));
    }

    void sekundy_data()
    {
        QTest::addColumn<int>("sekundy");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("odczyt");
        QTest::newRow("zero") << 0 << "00:00" << 0;
        QTest::newRow("59") << 59 << "00:59" << 59;
        QTest::newRow("70") << 70 << "01:10" << 70;
        QTest::newRow("an hour") << 3600 << "60:00" << 3600;
        QTest::newRow("5999") << 5999 << "99:59" << 5999;
        QTest::newRow("6000") << 6000 << "99:59" << 5999;
        QTest::newRow("65535") << 65535 << "99:59" << 5999;
        QTest::newRow("beyond 16 bits") << 65536 + 70 << "99:59" << 5999;
        QTest::newRow("negative") << -1 << "00:00" << 0;
        QTest::newRow("negative minute") << -70 << "00:00" << 0;
    }
    void sekundy()
    {
        QFETCH(int, sekundy);
        TMin99SecEdit t;
        t.setTimesek(sekundy);
        QTEST(t.text(), "tekst");
        QTEST(t.timesek(), "odczyt");
    }

    void czas()
    {
        TMin99SecEdit t;
        QSignalSpy zmiany(&t, &TMin99SecEdit::zmiana);
        t.setTime(QTime(2, 0));
        QCOMPARE(t.text(), QString("99:59"));
        QCOMPARE(t.time(), QTime(1, 39, 59));
        t.setTime(QTime(1, 15, 59, 700));
        QCOMPARE(t.text(), QString("75:59"));
        QCOMPARE(t.time(), QTime(1, 15, 59));
        QCOMPARE(zmiany.count(), 2);
        // The same text again is no change.
        t.setTime(QTime(1, 15, 59));
        QCOMPARE(zmiany.count(), 2);
        t.setTime(QTime());
        QCOMPARE(t.text(), QString("00:00"));
    }

    void stalaSzerokosc_data()
    {
        QTest::addColumn<int>("dlugosc");
        QTest::addColumn<int>("wartosc");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("odczyt");
        QTest::newRow("8 positions") << 8 << 12 << "00000012" << 12;
        QTest::newRow("4 positions") << 4 << 7 << "0007" << 7;
        QTest::newRow("full") << 4 << 9999 << "9999" << 9999;
        QTest::newRow("too many digits") << 4 << 123456 << "9999" << 9999;
        QTest::newRow("negative") << 4 << -5 << "0000" << 0;
        QTest::newRow("one position") << 1 << 3 << "3" << 3;
        QTest::newRow("nine positions") << 9 << 123456789 << "123456789" << 123456789;
    }
    void stalaSzerokosc()
    {
        QFETCH(int, dlugosc);
        QFETCH(int, wartosc);
        TMask9999Edit m;
        m.setLength(dlugosc);
        m.setValue(wartosc);
        QTEST(m.text(), "tekst");
        QTEST(m.value(), "odczyt");
    }

    void dlugoscZeruje()
    {
        TMask9999Edit m;
        m.setValue(42);
        m.setLength(6);
        QCOMPARE(m.text(), QString("000000"));
        QCOMPARE(m.value(), 0);
        m.setLength(0);
        QCOMPARE(m.length(), 1);
        m.setLength(20);
        QCOMPARE(m.length(), 9);
    }

    void znakStajeSieZerem()
    {
        TMask9999Edit m;
        m.setLength(8);
        m.show();
        m.setValue(12345678);
        QSignalSpy zmiany(&m, &TMask9999Edit::zmiana);
        m.setCursorPosition(0);
        QTest::keyClicks(&m, QStringLiteral("-"));
        QCOMPARE(m.text(), QString("02345678"));
        QCOMPARE(m.value(), 2345678);
        QCOMPARE(zmiany.count(), 1);
        m.setCursorPosition(2);
        QTest::keyClicks(&m, QStringLiteral("+9"));
        QCOMPARE(m.text(), QString("02095678"));
        // A deleted digit is a zero.
        m.setCursorPosition(8);
        QTest::keyClick(&m, Qt::Key_Backspace);
        QCOMPARE(m.text(), QString("02095670"));
        QCOMPARE(m.value(), 2095670);
    }
};

QTEST_MAIN(TestEdycjaCzasu)
#include "test_edycja_czasu.moc"
