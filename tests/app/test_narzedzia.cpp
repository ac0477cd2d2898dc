// The main window's menu "Narzędzia" against the simulator: each item opens
// its window; an update locks the main window while its window is open and
// does not open while the controller is busy.
#include "sym_okna.h"
#include "test_qt.h"

#include "blokada_okna.h"
#include "data_czas.h"
#include "logo.h"
#include "narzedzia.h"
#include "plik_wyslij.h"
#include "sekcje.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

using R = RodzajKomunikatu;

class TestNarzedzia : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorOkna> s;

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorOkna>();
        QVERIFY(s->gotowy);
    }
    void poTescie() override { s.reset(); }

private slots:
    void pozycjeMenu()
    {
        auto o = s->okno();
        podlaczSekcje(*o);
        podlaczNarzedzia(*o);
        for (QAction *a : {o->WyslanieLogo, o->AktualizacjaFirmware, o->WyslanieGrafik, o->DataCzas})
            QVERIFY2(a->isEnabled(), qPrintable(a->text()));
    }

    void aktualizacje_data()
    {
        QTest::addColumn<bool>("grafika");
        QTest::newRow("firmware") << false;
        QTest::newRow("graphics") << true;
    }
    void aktualizacje()
    {
        QFETCH(bool, grafika);
        auto o = s->okno();
        podlaczSekcje(*o);
        podlaczNarzedzia(*o);
        const auto blokada = blokadaOkna(*o);
        QString tytul;
        bool zablokowane = false, przyciskWidoczny = false;
        gdyOknoModalne<TFormPlikWyslij>([&](TFormPlikWyslij *w) {
            tytul = w->windowTitle();
            zablokowane = o->TimerAutomatTag() == 1;
            przyciskWidoczny = (grafika ? w->but_aktualizujGrafike : w->but_aktualizujFirmware)->isVisible();
            w->but_zamknij->click();
        });
        (grafika ? o->WyslanieGrafik : o->AktualizacjaFirmware)->trigger();
        QCOMPARE(tytul, grafika ? QString("Aktualizacja Grafik") : QString("Aktualizacja Firmware "));
        QVERIFY(zablokowane);
        QVERIFY(przyciskWidoczny);
        QCOMPARE(o->TimerAutomatTag(), 0);
    }

    // A controller busy with a process is announced and not updated.
    void zajetySterownik()
    {
        auto o = s->okno();
        podlaczSekcje(*o);
        podlaczNarzedzia(*o);
        o->lockService.fnLockCheck = [] { return 2; };
        s->komunikaty.oczekuj(R::Ostrzezenie, "Sterownik w trakcie procesu. Zapis danych nie będzie możliwy!");
        o->AktualizacjaFirmware->trigger();
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(!o->findChild<TFormPlikWyslij *>()->isVisible());
        QCOMPARE(o->TimerAutomatTag(), 0);
    }

    void logoIZegar()
    {
        auto o = s->okno();
        podlaczSekcje(*o);
        podlaczNarzedzia(*o);
        QString tytul;
        gdyOknoModalne<TFormLogo>([&](TFormLogo *w) {
            tytul = w->windowTitle();
            w->but_zamknij->click();
        });
        o->WyslanieLogo->trigger();
        QCOMPARE(tytul, QString("Wysłanie graficznego LOGO "));

        // The clock window reads the controller once it is up.
        s->zegar.przetwarzajZdarzenia = true;
        bool odczytano = false;
        gdyOknoModalne<TFormDataCzas>([&](TFormDataCzas *w) {
            QTRY_VERIFY_WITH_TIMEOUT(w->PageControl1->currentWidget() == w->TabSheet2, 10000);
            odczytano = w->l_dt->text().startsWith(QLocale().toString(QDate(2024, 1, 2), QLocale::ShortFormat));
            w->but_zamknij->click();
        });
        o->DataCzas->trigger();
        QVERIFY(odczytano);
        QVERIFY(!o->findChild<TFormDataCzas *>()->Timer1->isActive());
        QCOMPARE(o->TimerAutomatTag(), 0);
    }
};

QTEST_MAIN(TestNarzedzia)
#include "test_narzedzia.moc"
