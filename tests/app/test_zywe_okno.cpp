// The windows stay alive while a controller is slow or silent: a timer of
// the test keeps ticking through a setpoint read, "Anuluj" of the progress
// window is noticed and ends the read at the next item, and clicks and
// keys meant for anything else wait until the exchange is over.
#include "sym_okna.h"
#include "test_qt.h"
#include "wejscie_okna.h"

#include "edycja_liczb.h"
#include "okno_glowne.h"
#include "okno_modalne.h"
#include "operacja.h"
#include "pasek_postepu.h"
#include "przycisk_plaski.h"
#include "sekcje.h"
#include "wymiana.h"
#include "zadane.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using R = RodzajKomunikatu;

class TestZyweOkno : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorOkna> s;
    std::unique_ptr<QTimer> zegarTestu;
    int tykniec = 0;
    std::function<void()> przyTyknieciu;

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorOkna>();
        QVERIFY(s->gotowy);
        s->zegar.przetwarzajZdarzenia = true; // the real event loop, as in the program
        tykniec = 0;
        przyTyknieciu = nullptr;
        zegarTestu = std::make_unique<QTimer>();
        zegarTestu->setInterval(10);
        connect(zegarTestu.get(), &QTimer::timeout, this, [this] {
            ++tykniec;
            if (przyTyknieciu)
                przyTyknieciu();
        });
    }
    void poTescie() override
    {
        zegarTestu.reset();
        s.reset();
    }

private slots:
    void initTestCase() { wstrzymajWejsciePodczasWymiany(); }

    // A controller that answers slowly: "Anuluj" pressed while the second
    // setpoint is awaited ends the read after it; the editor's own buttons
    // do nothing meanwhile.
    void anulujWolnegoOdczytu()
    {
        s->usterki.dodaj('H', 10, {RodzajUsterki::Wolno, 400}, PlanUsterek::zawsze);
        TFormZadane o;
        o.show();
        bool anulowano = false;
        przyTyknieciu = [&] {
            if (tykniec == 5)
                QTest::mouseClick(o.but_anuluj, Qt::LeftButton);
            if (!anulowano && s->ramki('H', 10) == 2 && pasekPostepu().isVisible()) {
                QTest::mouseClick(pasekPostepu().SpeedButton1, Qt::LeftButton);
                anulowano = true;
            }
        };
        zegarTestu->start();
        o.but_odczyt->click();
        zegarTestu->stop();
        QVERIFY(anulowano);
        QVERIFY(pasekPostepu().koniec);
        QVERIFY(s->pty.czekajNaBezczynnosc(3000));
        QCOMPARE(s->ramki('H', 10), 2);
        QVERIFY(tykniec >= 20);
        QVERIFY(o.isVisible());
        QVERIFY(!pasekPostepu().isVisible());
        QVERIFY(s->komunikaty.pokazane.empty());
    }

    // A silent controller: the read waits its time-outs out with the timer
    // ticking throughout, "Anuluj" registers, and the failed item ends it.
    void cichySterownik()
    {
        s->usterki.dodaj('H', 10, {RodzajUsterki::BrakOdpowiedzi}, PlanUsterek::zawsze);
        TFormZadane o;
        o.show();
        przyTyknieciu = [&] {
            if (tykniec == 20 && pasekPostepu().isVisible())
                QTest::mouseClick(pasekPostepu().SpeedButton1, Qt::LeftButton);
        };
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        zegarTestu->start();
        o.but_odczyt->click();
        zegarTestu->stop();
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(pasekPostepu().koniec);
        QCOMPARE(s->ramki('H', 10), 2); // the first setpoint, its two attempts
        QVERIFY(tykniec >= 50);
        QVERIFY(!pasekPostepu().isVisible());
    }

    // "Automatycznie czytaj" with the controller silent: a burst typed into
    // the connection boxes while the reading waits for its reply, a Tab in
    // the middle, gives the boxes what the same keys give with no reading.
    void pisanieWTrakcieOdczytu_data()
    {
        QTest::addColumn<bool>("lan");
        QTest::addColumn<bool>("odczyt");
        QTest::newRow("RS-485, no reading") << false << false;
        QTest::newRow("RS-485, during a reading") << false << true;
        QTest::newRow("TCP/IP, no reading") << true << false;
        QTest::newRow("TCP/IP, during a reading") << true << true;
    }
    void pisanieWTrakcieOdczytu()
    {
        QFETCH(bool, lan);
        QFETCH(bool, odczyt);
        s->usterki.dodaj(PlanUsterek::kazde, {RodzajUsterki::BrakOdpowiedzi}, PlanUsterek::zawsze);
        TForm1 o;
        o.listaUrzadzen = [] { return QStringList(); };
        o.naPierwszymPlanie = [] { return true; };
        o.show();
        if (lan) {
            QVERIFY(s->tcp.uruchomNaWolnymAdresie());
            o.pg_transmisjaRodzaj->setCurrentWidget(o.TS_eth);
            o.adresIp->setText(s->tcp.adres());
            o.se_numerSeryjny->setValue(int(s->sterownik.stan().numerSeryjny));
        }
        const QString ip = o.adresIp->text();
        const auto wpisz = [&] {
            klik(lan ? static_cast<QWidget *>(o.se_numerSeryjny) : o.IntEditAdres);
            klawisz(&o, Qt::Key_A, Qt::ControlModifier);
            pisz(&o, lan ? QStringLiteral("111") : QStringLiteral("12"));
            klawisz(&o, Qt::Key_Tab);
            if (lan)
                klawisz(&o, Qt::Key_A, Qt::ControlModifier);
            pisz(&o, lan ? QStringLiteral("222") : QStringLiteral("9"));
        };
        if (odczyt) {
            o.cb_automat->setChecked(true);
            o.TimerStarterTimer();
            int wpisan = 0;
            s->zegar.naPrzetworz = [&] {
                if (wpisan > 0 || !wymianaWToku())
                    return;
                ++wpisan;
                wpisz();
                QCOMPARE(o.IntEditAdres->text(), QStringLiteral("1"));
                QCOMPARE(o.adresIp->text(), ip);
            };
            o.TimerAutomatTimer();
            s->zegar.naPrzetworz = nullptr;
            QCOMPARE(wpisan, 1);
            QVERIFY(!(lan ? s->tcp.ramki() : s->pty.ramki()).empty());
        } else {
            wpisz();
        }
        if (lan) {
            QTRY_COMPARE(o.adresIp->text(), QStringLiteral("222"));
            QCOMPARE(o.se_numerSeryjny->value(), 111);
        } else {
            QTRY_COMPARE(o.ComboBoxPredkosc->currentText(), QStringLiteral("9600"));
            QCOMPARE(o.IntEditAdres->text(), QStringLiteral("12"));
        }
    }

    // Keys typed right after a click on "Zadane", while the lock check
    // before the editor waits for the controller (or the click itself
    // waits for a reading), never reach the connection boxes: the address
    // stays, and so do the readings' bus address and the box's focus.
    void klawiszePoKliknieciuSekcji_data()
    {
        QTest::addColumn<bool>("odczyt");       // the click comes during a reading
        QTest::addColumn<bool>("wTrakcieKlik"); // the keys come with the click
        QTest::newRow("no reading") << false << false;
        QTest::newRow("reading, keys with the click") << true << true;
        QTest::newRow("reading, keys during the lock check") << true << false;
    }
    void klawiszePoKliknieciuSekcji()
    {
        QFETCH(bool, odczyt);
        QFETCH(bool, wTrakcieKlik);
        // The controller answers each request after 40 ms: the click meets
        // a reading on the wire.
        s->usterki.dodaj(PlanUsterek::kazde, {RodzajUsterki::Wolno, 40}, PlanUsterek::zawsze);
        TForm1 o;
        o.listaUrzadzen = [] { return QStringList(); };
        o.naPierwszymPlanie = [] { return true; };
        podlaczSekcje(o);
        o.show();
        klik(o.IntEditAdres);
        QCOMPARE(o.focusWidget(), o.IntEditAdres);
        int edytorow = 0;
        gdyOknoModalne<TFormZadane>([&](TFormZadane *z) {
            ++edytorow;
            QCOMPARE(o.IntEditAdres->text(), QStringLiteral("1"));
            z->but_anuluj->click();
        });
        bool kliknieto = false, wpisano = false;
        s->zegar.naPrzetworz = [&] {
            if (odczyt && !kliknieto && wymianaWToku() && !oknoOperacji(&o)) {
                kliknieto = true;
                klik(o.AOL_zadane);
                if (wTrakcieKlik) {
                    wpisano = true;
                    pisz(&o, QStringLiteral("99"));
                }
            }
            if (!wpisano && oknoOperacji(&o) && !QApplication::activeModalWidget()) {
                wpisano = true;
                pisz(&o, QStringLiteral("99"));
            }
        };
        if (odczyt) {
            o.cb_automat->setChecked(true);
            o.TimerStarterTimer();
            o.TimerAutomatTimer();
            QVERIFY(kliknieto);
            QTRY_COMPARE(edytorow, 1);
        } else {
            klik(o.AOL_zadane);
            QCOMPARE(edytorow, 1);
        }
        s->zegar.naPrzetworz = nullptr;
        QVERIFY(wpisano);
        QTRY_VERIFY(!trwaOperacja(&o));
        QCOMPARE(o.IntEditAdres->text(), QStringLiteral("1"));
        QCOMPARE(o.focusWidget(), o.IntEditAdres);
        // The next reading goes to bus address 1.
        s->pty.wyczyscRamki();
        o.cb_automat->setChecked(true);
        o.TimerStarterTimer();
        o.TimerAutomatTimer();
        QVERIFY(!s->pty.ramki().empty());
        QCOMPARE(int(uint8_t(s->pty.ramki().back().at(0))), 1);
    }
};

QTEST_MAIN(TestZyweOkno)
#include "test_zywe_okno.moc"
