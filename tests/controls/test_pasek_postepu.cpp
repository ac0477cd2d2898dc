#include "komunikaty_skrypt.h"
#include "okna_komunikatow.h"
#include "operacja.h"
#include "pasek_postepu.h"
#include "test_qt.h"
#include "wymiana.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <memory>

// Counts how often a widget is shown.
class LicznikPokazan : public QObject {
public:
    int ile = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Show)
            ++ile;
        return false;
    }
};

class TestPasekPostepu : public TestQt {
    Q_OBJECT

protected:
    void poTescie() override
    {
        pasekPostepu().hide();
        pasekPostepu().koniec = false;
    }

private slots:
    void tekstIPokazanieRaz()
    {
        TpasekPostepu &p = pasekPostepu();
        LicznikPokazan licznik;
        p.installEventFilter(&licznik);
        pokazPostep(0, 10, QString());
        QVERIFY(p.isVisible());
        QCOMPARE(p.L_info->text(), QStringLiteral("Czekaj..."));
        QCOMPARE(p.SpeedButton1->text(), QStringLiteral("Anuluj"));
        pokazPostep(1, 10, QStringLiteral("Wysyłanie ustawień do sterownika"));
        QCOMPARE(p.L_info->text(), QStringLiteral("Wysyłanie ustawień do sterownika"));
        pokazPostep(2, 10);
        QCOMPARE(p.L_info->text(), QStringLiteral("Czekaj..."));
        QCOMPARE(licznik.ile, 1);
        p.removeEventFilter(&licznik);
    }

    void wskaznik_data()
    {
        QTest::addColumn<int>("pozycja");
        QTest::addColumn<int>("maksimum");
        QTest::addColumn<int>("wartosc");
        QTest::addColumn<int>("gora");
        QTest::newRow("srodek") << 3 << 10 << 3 << 10;
        QTest::newRow("koniec") << 10 << 10 << 10 << 10;
        QTest::newRow("ponad maksimum") << 12 << 10 << 10 << 10;
        QTest::newRow("ujemna") << -1 << 10 << 0 << 10;
        QTest::newRow("pusta lista") << 0 << 0 << 0 << 1;
    }
    void wskaznik()
    {
        QFETCH(int, pozycja);
        QFETCH(int, maksimum);
        QFETCH(int, wartosc);
        QFETCH(int, gora);
        pokazPostep(5, 100);
        pokazPostep(pozycja, maksimum);
        QCOMPARE(pasekPostepu().Gauge1->maximum(), gora);
        QCOMPARE(pasekPostepu().Gauge1->value(), wartosc);
    }

    void anulujUstawiaKoniec()
    {
        TpasekPostepu &p = pasekPostepu();
        p.koniec = false;
        pokazPostep(0, 3);
        QTest::mouseClick(p.SpeedButton1, Qt::LeftButton);
        QVERIFY(p.koniec);
        QTest::mouseClick(p.SpeedButton1, Qt::LeftButton);
        QVERIFY(p.koniec);
        QVERIFY(p.isVisible()); // hiding is the caller's
    }

    void zamkniecieUkrywaBezAnulowania()
    {
        TpasekPostepu &p = pasekPostepu();
        pokazPostep(0, 3);
        p.close();
        QVERIFY(!p.isVisible());
        QVERIFY(!p.koniec);
        pokazPostep(1, 3);
        QVERIFY(p.isVisible());
    }

    // Shown application-modal: message boxes of the transfer are owned by it.
    void modalnyWlascicielKomunikatow()
    {
        TpasekPostepu &p = pasekPostepu();
        QCOMPARE(p.windowModality(), Qt::ApplicationModal);
        QVERIFY(p.windowFlags() & Qt::WindowStaysOnTopHint);
        pokazPostep(0, 3);
        QCOMPARE(QApplication::activeModalWidget(), &p);
        QCOMPARE(oknoWlasciciela(), &p);
        p.hide();
        QVERIFY(QApplication::activeModalWidget() != &p);
    }

    // While an exchange runs, clicks and keys reach only the progress
    // window and windows shown meanwhile; what was meant for the others
    // comes after it, in order and before anything newer.
    void wejscieWTrakcieWymiany()
    {
        wstrzymajWejsciePodczasWymiany();
        wstrzymajWejsciePodczasWymiany(); // once is enough
        QWidget okno;
        auto *przycisk = new QPushButton(QStringLiteral("Odczyt"), &okno);
        auto *pole = new QLineEdit(&okno);
        pole->move(0, 40);
        int klikniec = 0;
        connect(przycisk, &QPushButton::clicked, [&] { ++klikniec; });
        okno.show();
        TpasekPostepu &p = pasekPostepu();
        {
            const TrwaWymiana trwa;
            QTest::mouseClick(przycisk, Qt::LeftButton);
            QTest::keyClicks(pole, QStringLiteral("ab"));
            QTest::keyClick(przycisk, Qt::Key_Space);
            QCOMPARE(klikniec, 0);
            QVERIFY(pole->text().isEmpty());

            pokazPostep(0, 3);
            QTest::mouseClick(p.SpeedButton1, Qt::LeftButton);
            QVERIFY(p.koniec);

            QWidget pytanie; // a box the exchange shows
            auto *tak = new QPushButton(QStringLiteral("Tak"), &pytanie);
            int odpowiedzi = 0;
            connect(tak, &QPushButton::clicked, [&] { ++odpowiedzi; });
            pytanie.show();
            QTest::mouseClick(tak, Qt::LeftButton);
            QCOMPARE(odpowiedzi, 1);
        }
        p.hide();
        QTest::keyClicks(pole, QStringLiteral("c"));
        QCOMPARE(pole->text(), QStringLiteral("abc"));
        QCOMPARE(klikniec, 2); // the click and the space
        QTest::mouseClick(przycisk, Qt::LeftButton);
        QCOMPARE(klikniec, 3);
    }

    // A window whose own operation runs takes its input during an
    // exchange; a background operation holds everyone's until it ends, and
    // what was meant for a window that is gone or closed meanwhile is
    // dropped.
    void wejscieOperacji()
    {
        wstrzymajWejsciePodczasWymiany();
        QWidget okno, inne;
        auto *przerwij = new QPushButton(QStringLiteral("Anuluj"), &okno);
        auto *start = new QPushButton(QStringLiteral("Start"), &inne);
        auto usuwany = std::make_unique<QPushButton>(QStringLiteral("Test"));
        int przerwan = 0, startow = 0, testow = 0;
        connect(przerwij, &QPushButton::clicked, [&] { ++przerwan; });
        connect(start, &QPushButton::clicked, [&] { ++startow; });
        connect(usuwany.get(), &QPushButton::clicked, [&] { ++testow; });
        okno.show();
        inne.show();
        usuwany->show();
        {
            const TOperacja operacja(&okno);
            const TrwaWymiana trwa;
            QTest::mouseClick(przerwij, Qt::LeftButton);
            QTest::mouseClick(start, Qt::LeftButton);
            QCOMPARE(przerwan, 1);
            QCOMPARE(startow, 0);
        }
        QTRY_COMPARE(startow, 1);
        {
            const TOperacja odczyt(&inne, TOperacja::Rodzaj::Tla);
            QVERIFY(wejscieCzeka());
            QTest::mouseClick(start, Qt::LeftButton);
            QTest::mouseClick(usuwany.get(), Qt::LeftButton);
            QTest::mouseClick(przerwij, Qt::LeftButton);
            usuwany.reset();
            okno.hide();
            QCOMPARE(startow, 1);
        }
        QTRY_COMPARE(startow, 2);
        QCOMPARE(testow, 0);
        QCOMPARE(przerwan, 1);
    }

    void polozenie_data()
    {
        QTest::addColumn<QSize>("ekran");
        QTest::addColumn<QSize>("okno");
        QTest::addColumn<QPoint>("wynik");
        QTest::newRow("zwykly") << QSize(1024, 768) << QSize(308, 103) << QPoint(358, 333);
        QTest::newRow("nieparzyste") << QSize(1025, 769) << QSize(309, 104) << QPoint(358, 332);
        QTest::newRow("szersze niz ekran") << QSize(300, 768) << QSize(308, 103) << QPoint(0, 333);
        QTest::newRow("wyzsze niz ekran") << QSize(1024, 100) << QSize(308, 103) << QPoint(358, -1);
    }
    void polozenie()
    {
        QFETCH(QSize, ekran);
        QFETCH(QSize, okno);
        QFETCH(QPoint, wynik);
        QCOMPARE(polozenieNaSrodku(ekran, okno), wynik);
    }
};

QTEST_MAIN(TestPasekPostepu)
#include "test_pasek_postepu.moc"
