#include "komunikaty_skrypt.h"
#include "okna_komunikatow.h"
#include "okno_modalne.h"
#include "operacja.h"
#include "pasek_postepu.h"
#include "test_qt.h"
#include "wejscie_okna.h"
#include "wymiana_wiersza.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
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

// A widget that acts on a press and a release, as a composite control
// does, and takes keys: what reaches it, in order.
class Naciskany : public QWidget {
public:
    QStringList zdarzenia;

protected:
    void mousePressEvent(QMouseEvent *) override { zdarzenia << QStringLiteral("press"); }
    void mouseReleaseEvent(QMouseEvent *) override { zdarzenia << QStringLiteral("release"); }
    void contextMenuEvent(QContextMenuEvent *) override { zdarzenia << QStringLiteral("menu"); }
    void keyPressEvent(QKeyEvent *e) override { zdarzenia << QStringLiteral("key ") + e->text(); }
};

// Input that comes with no exchange running first hands on everything
// that waits: a key into a box of its own, arrived, shows that all of it
// went.
void przekazCzekajace()
{
    QLineEdit znacznik;
    znacznik.show();
    pisz(&znacznik, QStringLiteral("x"));
    QCOMPARE(znacznik.text(), QStringLiteral("x"));
}

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
        pole->setFocus();
        TpasekPostepu &p = pasekPostepu();
        {
            const TrwaWymiana trwa;
            pisz(&okno, QStringLiteral("ab"));
            klik(przycisk);
            klawisz(&okno, Qt::Key_Space); // the button has the focus now
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
        pole->setFocus();
        pisz(&okno, QStringLiteral("c"));
        QCOMPARE(pole->text(), QStringLiteral("abc"));
        QCOMPARE(klikniec, 2); // the click and the space
        klik(przycisk);
        QCOMPARE(klikniec, 3);
    }

    // Keys held back go to the focus of the moment they are handed on, so
    // that a held Tab takes the keys after it to the next box: the same
    // input gives the same boxes with an exchange running and without.
    void klawiszePrzekazaneDoFokusu_data() { wierszeWymiany(); }
    void klawiszePrzekazaneDoFokusu()
    {
        QFETCH(bool, wymiana);
        wstrzymajWejsciePodczasWymiany();
        QWidget okno;
        auto *uklad = new QVBoxLayout(&okno);
        auto *adres = new QLineEdit(QStringLiteral("1"));
        auto *predkosc = new QComboBox;
        predkosc->addItems({QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("115200")});
        predkosc->setCurrentIndex(2);
        auto *numer = new QLineEdit(QStringLiteral("5"));
        for (QWidget *w : std::initializer_list<QWidget *>{adres, predkosc, numer})
            uklad->addWidget(w);
        okno.show();
        {
            const WymianaWiersza trwa(wymiana);
            klik(adres);
            klawisz(&okno, Qt::Key_A, Qt::ControlModifier);
            pisz(&okno, QStringLiteral("12"));
            klawisz(&okno, Qt::Key_Tab);
            pisz(&okno, QStringLiteral("9"));
            klawisz(&okno, Qt::Key_Tab);
            klawisz(&okno, Qt::Key_A, Qt::ControlModifier);
            pisz(&okno, QStringLiteral("333"));
            if (wymiana)
                QCOMPARE(adres->text(), QStringLiteral("1"));
        }
        przekazCzekajace();
        QCOMPARE(numer->text(), QStringLiteral("333"));
        QCOMPARE(adres->text(), QStringLiteral("12"));
        QCOMPARE(predkosc->currentText(), QStringLiteral("9600"));
        QCOMPARE(okno.focusWidget(), numer);
    }

    // A click on a control that was disabled when it came does nothing,
    // also when the control is enabled before the click would be handed
    // on; one on a control disabled meanwhile does nothing either.
    void klikWylaczonej_data()
    {
        QTest::addColumn<bool>("przed"); // enabled when clicked
        QTest::addColumn<bool>("po");    // enabled when the exchange ends
        QTest::addColumn<int>("klikniec");
        QTest::newRow("disabled, then enabled") << false << true << 0;
        QTest::newRow("enabled, then disabled") << true << false << 0;
        QTest::newRow("enabled throughout") << true << true << 1;
    }
    void klikWylaczonej()
    {
        QFETCH(bool, przed);
        QFETCH(bool, po);
        wstrzymajWejsciePodczasWymiany();
        QWidget okno;
        auto *przycisk = new QPushButton(QStringLiteral("Wykonaj aktualizację"), &okno);
        int klikniec = 0;
        connect(przycisk, &QPushButton::clicked, [&] { ++klikniec; });
        okno.show();
        przycisk->setEnabled(przed);
        {
            const TOperacja sprawdzenie(&okno, TOperacja::Rodzaj::Tla);
            klik(przycisk);
            przycisk->setEnabled(po);
        }
        przekazCzekajace();
        QTEST(klikniec, "klikniec");
    }

    // A click handed on that opens a modal window takes away the clicks
    // after it, which would have met that window: the dialog opens once,
    // as it does for two clicks with no exchange running.
    void drugiKlikPodOknemModalnym_data() { wierszeWymiany(); }
    void drugiKlikPodOknemModalnym()
    {
        QFETCH(bool, wymiana);
        wstrzymajWejsciePodczasWymiany();
        QWidget okno, inne;
        auto *otworz = new QPushButton(QStringLiteral("Otwórz"), &okno);
        auto *obok = new QPushButton(QStringLiteral("Obok"), &inne);
        int otwarc = 0, obokKlikniec = 0;
        QPointer<QDialog> dialog;
        connect(otworz, &QPushButton::clicked, [&] {
            ++otwarc;
            QDialog d(&okno);
            dialog = &d;
            d.exec();
        });
        connect(obok, &QPushButton::clicked, [&] { ++obokKlikniec; });
        okno.show();
        inne.show();
        inne.move(400, 0);
        // Every dialog is closed as soon as it is up; with no exchange the
        // clicks after the one that opened it meet it.
        QTimer zamykacz;
        zamykacz.setInterval(10);
        connect(&zamykacz, &QTimer::timeout, [&] {
            auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!d)
                return;
            if (!wymiana && otwarc == 1) {
                klik(otworz);
                klik(obok);
            }
            d->reject();
        });
        zamykacz.start();
        if (wymiana) {
            const TrwaWymiana trwa;
            klik(otworz);
            klik(otworz);
            klik(obok);
        } else {
            klik(otworz);
        }
        przekazCzekajace();
        QVERIFY(!dialog);
        QCOMPARE(otwarc, 1);
        QCOMPARE(obokKlikniec, 0);
        // The window works as before afterwards.
        klik(otworz);
        QCOMPARE(otwarc, 2);
    }

    // What a widget ignores Qt passes on to its parent as a new event; one
    // passed on from input being handed on goes straight to the parent, in
    // its place among the rest: a click, a right click (its context menu)
    // and a key for a label over a parent that acts on them reach the
    // parent in the order they came, with an exchange running as without.
    void przekazaneRodzicowi_data() { wierszeWymiany(); }
    void przekazaneRodzicowi()
    {
        QFETCH(bool, wymiana);
        wstrzymajWejsciePodczasWymiany();
        QWidget okno;
        auto *rodzic = new Naciskany;
        rodzic->setFocusPolicy(Qt::StrongFocus);
        rodzic->setMinimumSize(200, 80);
        auto *etykieta = new QLabel(QStringLiteral("Wyjście 1"), rodzic);
        etykieta->setGeometry(10, 10, 120, 40);
        auto *uklad = new QVBoxLayout(&okno);
        uklad->addWidget(rodzic);
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        rodzic->setFocus();
        const QPoint punkt = etykieta->mapTo(&okno, etykieta->rect().center());
        {
            const WymianaWiersza trwa(wymiana);
            QTest::mousePress(oknoSystemu(etykieta), Qt::LeftButton, {}, punkt);
            QTest::mouseRelease(oknoSystemu(etykieta), Qt::LeftButton, {}, punkt);
            QTest::mouseClick(oknoSystemu(etykieta), Qt::RightButton, {}, punkt);
            pisz(&okno, QStringLiteral("a"));
            if (wymiana)
                QVERIFY(rodzic->zdarzenia.isEmpty());
        }
        przekazCzekajace();
        QCOMPARE(rodzic->zdarzenia, QStringList({"press", "release", "press", "menu", "release", "key a"}));
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
