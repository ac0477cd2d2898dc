// The SETUP and extra-module buttons of the main window against the
// simulator: the editors work on the project's blocks; a SETUP sent with a
// new address or speed over RS-485 is probed first and then followed by the
// main window's connection controls; the service password is typed in the
// program's password window.
#include "sym_okna.h"
#include "test_qt.h"

#include "edycja_liczb.h"
#include "forma_haslo.h"
#include "moduly.h"
#include "panel_modulow.h"
#include "przycisk_plaski.h"
#include "sekcje.h"
#include "setup.h"
#include "setup_okno.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using R = RodzajKomunikatu;

class TestSetupOkno : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorOkna> s;
    TFunkcjeKvor3 naSterowniku{};

    int32_t zSterownika(int n) const { return SterownikSym::wartoscSetup(s->sterownik.stan(), n); }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorOkna>();
        QVERIFY(s->gotowy);
        for (int n = 1; n <= 100; ++n)
            naSterowniku.F[n] = 500 + n;
        naSterowniku.F[1] = 1;
        naSterowniku.F[2] = 4;
        naSterowniku.F[47] = 0;
        naSterowniku.F[36] = 4321;
        s->sterownik.zmien([&](StanSterownika &st) {
            for (int n = 1; n <= 100; ++n)
                SterownikSym::ustawSetup(st, n, naSterowniku.F[n]);
            st.moduly = {2, 0, 6, 12};
        });
    }
    void poTescie() override { s.reset(); }

private slots:
    // Both buttons have their editors; what the editors confirm reaches
    // the project and its changed flag.
    void doProjektu()
    {
        auto o = s->okno();
        podlaczSekcje(*o);
        QVERIFY(o->AOL_setup->Enab());
        QVERIFY(o->aol_moduly->Enab());

        gdyOknoModalne<TFsetupBKN>([&](TFsetupBKN *w) {
            w->but_odczyt->click();
            w->but_ok->click();
        });
        emit o->AOL_setup->klik();
        for (int n = 1; n <= 100; ++n)
            QCOMPARE(int(o->projekt.projekt().Setup.F[n]), int(naSterowniku.F[n]));
        QVERIFY(o->projekt.bylazmianaProjektu);

        o->projekt.bylazmianaProjektu = false;
        int adres = 0;
        gdyOknoModalne<TFormModuly>([&](TFormModuly *w) {
            adres = w->daneSterownika.adresRS;
            w->but_odczyt->click();
            w->but_ok->click();
        });
        o->IntEditAdres->setValue(1);
        emit o->aol_moduly->klik();
        QCOMPARE(adres, 1);
        const TModulyWejWyKonfig m = o->projekt.projekt().modulyWeWyjKonf;
        QCOMPARE((QList<int>{m.ain, m.aout, m.din, m.dout}), (QList<int>{3, 1, 7, 13}));
        QVERIFY(o->projekt.bylazmianaProjektu);
        QCOMPARE(o->TimerAutomatTag(), 0);
    }

    // Over RS-485 a new address or speed is probed before the write: where
    // nobody answers, the table is written at the current address and the
    // main window then shows the new address and, for 9600, 19200 and
    // 115200, the new speed; where a controller answers, nothing is
    // written and the main window stays.
    void noweParametryLacza_data()
    {
        QTest::addColumn<int>("f1");
        QTest::addColumn<int>("f2");
        QTest::addColumn<bool>("zapisane");
        QTest::addColumn<int>("adres");
        QTest::addColumn<int>("predkosc"); // item of the main window's list
        QTest::newRow("address 9 at 9600") << 9 << 0 << true << 9 << 0;
        QTest::newRow("9600 where a controller answers") << 1 << 0 << false << 1 << 2;
        QTest::newRow("address and speed unchanged") << 1 << 4 << true << 1 << 2;
    }
    void noweParametryLacza()
    {
        QFETCH(int, f1);
        QFETCH(int, f2);
        QFETCH(bool, zapisane);
        QFETCH(int, adres);
        QFETCH(int, predkosc);
        auto o = s->okno();
        TFormHaslo haslo;
        podlaczSekcje(*o);
        podlaczSetup(*o, haslo);
        QCOMPARE(o->IntEditAdres->Value(), 1);
        QCOMPARE(o->ComboBoxPredkosc->currentIndex(), 2);
        gdyOknoModalne<TFsetupBKN>([&](TFsetupBKN *w) {
            kopiujRekord(w->setup, naSterowniku);
            w->setup.F[1] = f1;
            w->setup.F[2] = f2;
            w->setup.F[7] = 77;
            if (zapisane)
                s->komunikaty.oczekuj(R::Informacja, "Setup został zapisany");
            else
                s->komunikaty.oczekuj(R::Ostrzezenie, "Przerwano wysyłanie, gdyż pod nowymi ustawieniami "
                                                      "transmijsji znaleziono sterownik o numerze seryjnym: 123456");
            w->but_wyslij->click();
            w->but_anuluj->click();
        });
        emit o->AOL_setup->klik();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(zSterownika(7), zapisane ? 77 : naSterowniku.F[7]);
        // The probe: two tries where nobody answers, one where a controller does.
        QCOMPARE(s->ramki('F', 0x07), f1 != 1 ? 2 : f2 != 4 ? 1 : 0);
        for (const QByteArray &r : s->pty.ramki())
            if (r.at(1) == 'G')
                QCOMPARE(int(uint8_t(r.at(0))), 1);
        QCOMPARE(o->IntEditAdres->Value(), adres);
        QCOMPARE(o->ComboBoxPredkosc->currentIndex(), predkosc);
        QVERIFY(!o->projekt.bylazmianaProjektu);
    }

    // The main window follows a speed code with its list's item where it
    // has one (6 9600, 8 19200, 12 115200) and keeps the list otherwise.
    void predkoscOkna_data()
    {
        QTest::addColumn<int>("kod");
        QTest::addColumn<int>("pozycja");
        QTest::newRow("9600") << 6 << 0;
        QTest::newRow("19200") << 8 << 1;
        QTest::newRow("38400") << 9 << 1;
        QTest::newRow("57600") << 11 << 1;
        QTest::newRow("115200") << 12 << 2;
        QTest::newRow("unknown") << 0 << 1;
    }
    void predkoscOkna()
    {
        QFETCH(int, kod);
        QFETCH(int, pozycja);
        auto o = s->okno();
        o->ComboBoxPredkosc->setCurrentIndex(1);
        ustawNoweParametry(*o, 17, kod);
        QCOMPARE(o->IntEditAdres->Value(), 17);
        QCOMPARE(o->ComboBoxPredkosc->currentIndex(), pozycja);
    }

    // Switching the factory code off asks for the service password in the
    // program's password window, whose confirmations count as the lock's.
    void hasloSerwisowe()
    {
        auto o = s->okno();
        TFormHaslo haslo;
        podlaczSekcje(*o);
        podlaczSetup(*o, haslo);
        const int prob = haslo.licznikProb;
        QString prompt, opis;
        gdyOknoModalne<TFsetupBKN>([&](TFsetupBKN *w) {
            kopiujRekord(w->setup, naSterowniku);
            w->setup.F[47] = 1;
            gdyOknoModalne(&haslo, [&] {
                prompt = haslo.Label1->text();
                opis = haslo.L_opis->text();
                QTest::keyClicks(haslo.Edit1, "4321");
                haslo.but_ok->click();
            });
            s->komunikaty.oczekuj(R::Informacja, "Setup został zapisany");
            w->but_wyslij->click();
            w->but_anuluj->click();
        });
        emit o->AOL_setup->klik();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(prompt, QString("Wpisz hasło serwisowe:"));
        QCOMPARE(opis, QString("Hasło jest wymagane, ponieważ zmieniasz ustawienie kodu fabrycznego!"));
        QCOMPARE(haslo.licznikProb, prob - 1);
        QCOMPARE(zSterownika(47), 1);
    }
};

QTEST_MAIN(TestSetupOkno)
#include "test_setup_okno.moc"
