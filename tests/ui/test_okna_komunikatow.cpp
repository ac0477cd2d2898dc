#include "komunikaty_skrypt.h"
#include "okna_komunikatow.h"
#include "okno_modalne.h"
#include "test_qt.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestOknaKomunikatow : public TestQt {
    Q_OBJECT
    KomunikatyOkienne okienne;

private slots:
    void initTestCase() { ustawKomunikaty(&okienne); }
    void cleanupTestCase() { ustawKomunikaty(nullptr); }

    void enterOdpowiadaNie_data()
    {
        QTest::addColumn<int>("rodzaj");
        QTest::addColumn<QString>("tytul");
        QTest::newRow("pytanie") << int(RodzajKomunikatu::Pytanie) << "Pytanie";
        QTest::newRow("pytanieOstrzezenie") << int(RodzajKomunikatu::PytanieOstrzezenie) << "Ostrzeżenie";
        QTest::newRow("pytanieTakNieAnuluj") << int(RodzajKomunikatu::PytanieTakNieAnuluj) << "Pytanie";
    }
    void enterOdpowiadaNie()
    {
        QFETCH(int, rodzaj);
        QFETCH(QString, tytul);
        QString widzianyTytul;
        gdyOknoModalne([&](QWidget *w) {
            widzianyTytul = w->windowTitle();
            QTest::keyClick(w, Qt::Key_Return);
        });
        QCOMPARE(komunikaty().pokaz(RodzajKomunikatu(rodzaj), "tekst?"), 0);
        QCOMPARE(widzianyTytul, tytul);
    }

    void przyciskiPytan()
    {
        gdyOknoModalne([](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QVERIFY(box);
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(pytanie("?"));

        gdyOknoModalne([](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); });
        QCOMPARE(pytanieTakNieAnuluj("?"), -1);

        gdyOknoModalne([](QWidget *w) { w->close(); });
        QCOMPARE(pytanieTakNieAnuluj("?"), -1);

        gdyOknoModalne([](QWidget *w) { qobject_cast<QMessageBox *>(w)->button(QMessageBox::Yes)->click(); });
        QCOMPARE(pytanieTakNieAnuluj("?"), 1);

        // Escape on a Yes/No box answers No.
        gdyOknoModalne([](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); });
        QVERIFY(!pytanieOstrzezenie("?"));
    }

    void ikonyIBledy()
    {
        struct {
            RodzajKomunikatu r;
            QMessageBox::Icon i;
            const char *t;
        } const przypadki[] = {
            {RodzajKomunikatu::Blad, QMessageBox::Critical, "Błąd"},
            {RodzajKomunikatu::Ostrzezenie, QMessageBox::Warning, "Ostrzeżenie"},
            {RodzajKomunikatu::Informacja, QMessageBox::Information, "Informacja"},
        };
        for (const auto &p : przypadki) {
            QMessageBox::Icon ikona = QMessageBox::NoIcon;
            QString tytul, tekst;
            gdyOknoModalne([&](QWidget *w) {
                auto *box = qobject_cast<QMessageBox *>(w);
                ikona = box->icon();
                tytul = box->windowTitle();
                tekst = box->text();
                QCOMPARE(box->buttons().size(), 1);
                QTest::keyClick(w, Qt::Key_Return);
            });
            QCOMPARE(komunikaty().pokaz(p.r, "linia 1\rlinia 2"), 0);
            QCOMPARE(ikona, p.i);
            QCOMPARE(tytul, QString::fromUtf8(p.t));
            QCOMPARE(tekst, QString("linia 1\nlinia 2"));
        }
    }

    void wlasneOknoTakNie()
    {
        gdyOknoModalne([](QWidget *w) {
            QCOMPARE(w->windowTitle(), QString());
            w->findChild<QPushButton *>("Button1")->click();
        });
        QCOMPARE(pytanieMyDlg("Czy?"), 6);

        gdyOknoModalne([](QWidget *w) { w->findChild<QPushButton *>("button2")->click(); });
        QCOMPARE(pytanieMyDlg("Czy?"), 7);

        gdyOknoModalne([](QWidget *w) { w->close(); });
        QCOMPARE(pytanieMyDlg("Czy?"), 7);

        gdyOknoModalne([](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); });
        QCOMPARE(pytanieMyDlg("Czy?"), 7);
    }

    void wlasneOknaDopasowujaSzerokosc()
    {
        TFMyMessageDLG krotkie, dlugie;
        MyMessageDlgUklad(krotkie, "?");
        MyMessageDlgUklad(dlugie, QString(200, 'W'));
        const int bw = krotkie.Button1->width();
        QVERIFY(krotkie.width() >= 2 * bw + 10);
        QVERIFY(dlugie.width() >= dlugie.Label1->width() + 20);
        // "Tak" and "Nie" side by side, centred, 5 px above the bottom.
        QCOMPARE(krotkie.button2->x(), krotkie.Button1->x() + bw + 5);
        QVERIFY(qAbs(krotkie.Button1->x() - (krotkie.width() - krotkie.button2->geometry().right() - 1)) <= 2);
        QCOMPARE(krotkie.Button1->geometry().bottom() + 1, krotkie.height() - 5);

        TMymessageDlg k, d;
        MyShowMeUklad(k, "!", "Setup");
        MyShowMeUklad(d, QString(200, 'W'), "Setup");
        QCOMPARE(k.windowTitle(), QString("Setup"));
        QVERIFY(k.width() >= k.Button1->width() + 10);
        QVERIFY(d.width() >= d.Label1->width() + 20);
        QVERIFY(k.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(k.Button1->geometry().bottom() + 1, k.height() - 5);
    }

    void komunikatZamykaPrzyciskOK()
    {
        QApplication::setApplicationName("Setup kVOR 350");
        QString tytul;
        gdyOknoModalne([&](QWidget *w) {
            tytul = w->windowTitle();
            w->findChild<QPushButton *>("Button1")->click();
        });
        pokazKomunikat("Gotowe");
        QCOMPARE(tytul, QString("Setup kVOR 350"));
    }

    void filtry()
    {
        QCOMPARE(filtrQt("Project kVOR350|*.k3p"), QString("Project kVOR350 (*.k3p)"));
        QCOMPARE(filtrQt("A|*.a;*.b|B|*.c"), QString("A (*.a *.b);;B (*.c)"));
        QCOMPARE(filtrQt(""), QString());
        QCOMPARE(filtrQt("All|*.png;*.bmp;|PNG (*.png)|*.png"), QString("All (*.png *.bmp);;PNG (*.png)"));
    }
};

QTEST_MAIN(TestOknaKomunikatow)
#include "test_okna_komunikatow.moc"
