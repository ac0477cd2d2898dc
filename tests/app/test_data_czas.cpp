// The controller's clock window offscreen against the simulator over RS-485
// and TCP/IP: the waiting page, the two clocks with the offset and its
// colour, a reading that fails after a good one, setting the clock, and
// the polling stopped when the window closes.
#include "../editors/sym_edytora.h"
#include "test_qt.h"

#include "data_czas.h"
#include "wyjscia_okna.h"
#include "wymiana.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

using R = RodzajKomunikatu;

namespace {

const QDateTime pc(QDate(2024, 5, 6), QTime(10, 20, 30));

QColor kolor(const QLabel *l) { return l->palette().color(QPalette::WindowText); }

} // namespace

class TestDataCzas : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;

    std::unique_ptr<TFormDataCzas> okno()
    {
        auto o = std::make_unique<TFormDataCzas>();
        o->teraz = [] { return pc; };
        o->przygotujOkno(1045);
        o->show();
        return o;
    }
    void zegarSterownika(const QDateTime &t)
    {
        s->sterownik.zmien([t](StanSterownika &st) { st.zegar = t; });
    }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
    }
    void poTescie() override { s.reset(); }

private slots:
    void tekstRoznicy_data()
    {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("2 s ahead") << qint64(2000) << "+00:00:02";
        QTest::newRow("1 s ahead") << qint64(1000) << "";
        QTest::newRow("1 s behind") << qint64(-1000) << "";
        QTest::newRow("1.5 s behind") << qint64(-1500) << "-00:00:02";
        QTest::newRow("10 min behind") << qint64(-600000) << "-00:10:00";
        QTest::newRow("3 min behind") << qint64(-180000) << "-00:03:00";
        QTest::newRow("23:59:59 ahead") << qint64(86399000) << "+23:59:59";
        QTest::newRow("a day ahead") << qint64(86400000) << "";
        QTest::newRow("two days behind") << qint64(-2 * 86400000) << "";
    }
    void tekstRoznicy()
    {
        QFETCH(qint64, ms);
        QFETCH(QString, tekst);
        QCOMPARE(tekstRoznicyCzasu(ms), tekst);
    }

    void zegary_data()
    {
        QTest::addColumn<bool>("przezLan");
        QTest::addColumn<int>("przesuniecieS");
        QTest::addColumn<QString>("roznica");
        QTest::addColumn<bool>("czerwony");
        QTest::newRow("RS-485, 2 s ahead") << false << 2 << "+00:00:02" << false;
        QTest::newRow("RS-485, 1 s behind") << false << -1 << "" << false;
        QTest::newRow("RS-485, 10 min behind") << false << -600 << "-00:10:00" << true;
        QTest::newRow("RS-485, 3 min behind") << false << -180 << "-00:03:00" << false;
        QTest::newRow("RS-485, two days ahead") << false << 2 * 86400 << "" << true;
        QTest::newRow("TCP/IP, 10 min behind") << true << -600 << "-00:10:00" << true;
    }
    void zegary()
    {
        QFETCH(bool, przezLan);
        QFETCH(int, przesuniecieS);
        QFETCH(QString, roznica);
        QFETCH(bool, czerwony);
        if (przezLan)
            QVERIFY(s->przezLan());
        const QDateTime ctrl = pc.addSecs(przesuniecieS);
        zegarSterownika(ctrl);
        auto o = okno();
        QCOMPARE(o->windowTitle(), QString("Ustawienie daty i czasu"));
        QCOMPARE(o->PageControl1->currentWidget(), o->TabSheet1);
        QCOMPARE(o->l_wait->text(), QString("Czekaj"));
        QVERIFY(o->Timer1->isActive());
        QCOMPARE(o->DaneSterownika.ParametryTransmisji.ReadTotalTimeoutConstant, 350);
        QCOMPARE(s->sprawdzeniaBlokady, 1);

        o->Timer1Timer();
        QVERIFY(o->statusOk);
        QCOMPARE(o->PageControl1->currentWidget(), o->TabSheet2);
        QCOMPARE(o->L_pcdataczas->text(), QString("Data i czas komputera:"));
        QCOMPARE(o->L_dataczas->text(), QString("Data i czas sterownika:"));
        const QLocale l;
        QCOMPARE(o->L_pcdt->text(), l.toString(pc.date(), QLocale::ShortFormat) + " 10:20:30");
        QCOMPARE(o->l_dt->text(),
                 l.toString(ctrl.date(), QLocale::ShortFormat) + " " + ctrl.time().toString("HH:mm:ss"));
        QCOMPARE(o->L_diff->text(), roznica);
        QCOMPARE(kolor(o->l_dt) == QColor(Qt::red), czerwony);
        QVERIFY(o->Timer1->isActive());

        // The controller stops answering: its time shows "****" on the same page.
        s->usterki.dodaj(PlanUsterek::kazde, {RodzajUsterki::BrakOdpowiedzi}, PlanUsterek::zawsze);
        o->Timer1Timer();
        QVERIFY(!o->statusOk);
        QCOMPARE(o->PageControl1->currentWidget(), o->TabSheet2);
        QCOMPARE(o->l_dt->text(), QString("****"));
        QVERIFY(o->L_diff->text().isEmpty());
        QVERIFY(o->Timer1->isActive());

        o->but_zamknij->click();
        QVERIFY(!o->isVisible());
        QVERIFY(!o->Timer1->isActive());
    }

    // Without an answer the waiting page stays.
    void bezOdpowiedzi()
    {
        s->usterki.dodaj(PlanUsterek::kazde, {RodzajUsterki::BrakOdpowiedzi}, PlanUsterek::zawsze);
        auto o = okno();
        o->Timer1Timer();
        QVERIFY(!o->statusOk);
        QCOMPARE(o->PageControl1->currentWidget(), o->TabSheet1);
    }

    // "Wyślij" sets the controller to the PC's time and 2.592 s (over TCP/IP
    // the transport adds its own 0.5 s), quietly, and the polling goes on.
    void ustawienie_data()
    {
        QTest::addColumn<bool>("przezLan");
        QTest::addColumn<QTime>("oczekiwany");
        QTest::newRow("RS-485") << false << QTime(10, 20, 32);
        QTest::newRow("TCP/IP") << true << QTime(10, 20, 33);
    }
    void ustawienie()
    {
        QFETCH(bool, przezLan);
        QFETCH(QTime, oczekiwany);
        if (przezLan)
            QVERIFY(s->przezLan());
        zegarSterownika(pc.addSecs(-3600));
        auto o = okno();
        o->Timer1Timer();
        const qint64 przed = s->zegar.przespane;
        o->but_wyslij->click();
        QVERIFY(s->zegar.przespane - przed >= 500);
        QCOMPARE(s->sterownik.stan().zegar, QDateTime(pc.date(), oczekiwany));
        QVERIFY(o->Timer1->isActive());
        o->Timer1Timer();
        QVERIFY(o->L_diff->text().startsWith("+00:00:0"));

        // A controller that does not answer is not announced.
        s->usterki.dodaj(PlanUsterek::kazde, {RodzajUsterki::BrakOdpowiedzi}, PlanUsterek::zawsze);
        o->but_wyslij->click();
        QVERIFY(o->but_wyslij->isEnabled());
    }

    // A record that names neither transport: no reading and no setting
    // goes out, the waiting page stays, and setting the clock fails with
    // "Brak komunikacji" unless quiet.
    void nieznaneLacze()
    {
        QVERIFY(s->przezLan());
        s->lanAktywny = 2;
        const QDateTime ctrl = pc.addSecs(-3600);
        zegarSterownika(ctrl);
        auto o = okno();
        o->Timer1Timer();
        QVERIFY(!o->statusOk);
        QCOMPARE(o->PageControl1->currentWidget(), o->TabSheet1);
        o->but_wyslij->click();
        QVERIFY(o->Timer1->isActive());
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        QVERIFY(!ustawZegarSterownika(false, o->DaneSterownika, pc));
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(s->ramkiObu().empty());
        QCOMPARE(s->sterownik.stan().zegar, ctrl);
    }

    // While the clock is being set "Wyślij" and "Zamknij" are disabled and
    // the window refuses to close; a reading lets it close.
    void zajeteOkno()
    {
        zegarSterownika(pc.addSecs(-3600));
        auto o = okno();
        s->usterki.dodaj(PlanUsterek::kazde, {RodzajUsterki::Wolno, 40}, PlanUsterek::zawsze);
        int sprawdzen = 0;
        s->zegar.naPrzetworz = [&] {
            if (sprawdzen > 0 || !wymianaWToku())
                return;
            ++sprawdzen;
            QVERIFY(!o->but_wyslij->isEnabled() && !o->but_zamknij->isEnabled());
            QVERIFY(wyjsciaOdrzucone(o.get()));
        };
        o->but_wyslij->click();
        s->zegar.naPrzetworz = nullptr;
        QCOMPARE(sprawdzen, 1);
        QVERIFY(o->but_wyslij->isEnabled() && o->but_zamknij->isEnabled());
        s->zegar.naPrzetworz = [&] {
            if (wymianaWToku() && o->isVisible())
                o->reject();
        };
        o->Timer1Timer();
        s->zegar.naPrzetworz = nullptr;
        QVERIFY(!o->isVisible());
        QVERIFY(!o->Timer1->isActive());
    }

    // "Wyślij" pressed while a reading runs waits for its end.
    void wyslijWTrakcieOdczytu()
    {
        zegarSterownika(pc.addSecs(-3600));
        auto o = okno();
        bool klikniete = false;
        s->zegar.naPrzetworz = [&] {
            if (!klikniete) {
                klikniete = true;
                o->but_wyslij->click();
            }
        };
        o->Timer1Timer();
        s->zegar.naPrzetworz = nullptr;
        QVERIFY(klikniete);
        QCOMPARE(s->ramki('G', 0x04), 1);
        QCOMPARE(s->sterownik.stan().zegar, QDateTime(pc.date(), QTime(10, 20, 32)));
        QVERIFY(o->Timer1->isActive());
    }
};

QTEST_MAIN(TestDataCzas)
#include "test_data_czas.moc"
