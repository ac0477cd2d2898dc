// The windows stay alive while a controller is slow or silent: a timer of
// the test keeps ticking through a setpoint read, "Anuluj" of the progress
// window is noticed and ends the read at the next item, and clicks and
// keys meant for anything else wait until the exchange is over.
#include "sym_okna.h"
#include "test_qt.h"

#include "edycja_liczb.h"
#include "okno_glowne.h"
#include "pasek_postepu.h"
#include "wymiana.h"
#include "zadane.h"

#include <QCheckBox>
#include <QPushButton>
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

    // "Automatycznie czytaj" with the controller silent: what is typed into
    // the address box while the reading waits for its reply waits with it
    // and then comes in whole.
    void pisanieWTrakcieOdczytu()
    {
        s->usterki.dodaj(PlanUsterek::kazde, {RodzajUsterki::BrakOdpowiedzi}, PlanUsterek::zawsze);
        TForm1 o;
        o.listaUrzadzen = [] { return QStringList(); };
        o.naPierwszymPlanie = [] { return true; };
        o.show();
        o.cb_automat->setChecked(true);
        o.TimerStarterTimer();
        o.IntEditAdres->clear();
        int wpisan = 0;
        s->zegar.naPrzetworz = [&] {
            if (wpisan > 0 || !wymianaWToku())
                return;
            ++wpisan;
            QTest::keyClicks(o.IntEditAdres, QStringLiteral("123"));
            QVERIFY(o.IntEditAdres->text().isEmpty());
        };
        o.TimerAutomatTimer();
        s->zegar.naPrzetworz = nullptr;
        QCOMPARE(wpisan, 1);
        QVERIFY(!s->pty.ramki().empty());
        QTRY_COMPARE(o.IntEditAdres->text(), QStringLiteral("123"));
        QCOMPARE(o.IntEditAdres->Value(), 123);
    }
};

QTEST_MAIN(TestZyweOkno)
#include "test_zywe_okno.moc"
