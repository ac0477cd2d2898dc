// Section dispatch from the main window against the simulator: the editor
// works on a copy, a confirmed change reaches the project and its changed
// flag, anything else leaves both alone; a busy controller is announced
// first; the window stays locked while the editor is open.
#include "sym_okna.h"
#include "test_qt.h"

#include "alarmy_do.h"
#include "dane_sterownika.h"
#include "dodatki.h"
#include "edycja_liczb.h"
#include "kanaly.h"
#include "krok.h"
#include "kroki.h"
#include "mycie.h"
#include "nazwy.h"
#include "program.h"
#include "programy.h"
#include "projekt_biezacy.h"
#include "przekazniki.h"
#include "przekazniki32.h"
#include "przekazniki_projektu.h"
#include "przycisk_plaski.h"
#include "sekcje.h"
#include "tabela_pamieci.h"
#include "tryb_specjalny.h"
#include "tryby_specjalne.h"
#include "wyjscia_analogowe.h"
#include "zadane.h"

#include "wejscia_cyfrowe.h"
#include "wejscia_pomiarowe.h"
#include "wilgotnosc.h"
#include <QLineEdit>

#include <QComboBox>
#include <QPushButton>
#include <QToolButton>

#include <cstring>

using R = RodzajKomunikatu;

class TestSekcje : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorOkna> s;
    TZadaneArray naSterowniku{};

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorOkna>();
        QVERIFY(s->gotowy);
        auto p = std::make_unique<TProjektVXTNew>();
        TProjektDodatkiMycie m{};
        BlokiSym::przykladowy(*p, m, 3);
        s->bloki.ustaw(*p, m);
        std::memcpy(&naSterowniku, &p->zadana, sizeof naSterowniku);
    }
    void poTescie() override { s.reset(); }

private slots:
    void zmianaTrafiaDoProjektu()
    {
        auto o = s->okno();
        podlaczSekcje(*o);
        QVERIFY(o->AOL_zadane->Enab());
        bool zablokowane = false;
        gdyOknoModalne<TFormZadane>([&](TFormZadane *z) {
            zablokowane = o->TimerAutomatTag() == 1 && !o->AOL_zadane->Enab();
            z->but_odczyt->click();
            z->but_ok->click();
        });
        emit o->AOL_zadane->klik();
        QVERIFY(zablokowane);
        QCOMPARE(std::memcmp(&o->projekt.projekt().zadana, &naSterowniku, sizeof naSterowniku), 0);
        QVERIFY(o->projekt.bylazmianaProjektu);
        QCOMPARE(o->TimerAutomatTag(), 0);
        QVERIFY(o->AOL_zadane->Enab());
    }

    // The item "alarmy" of the digital-output panel and "Dodatki" open
    // their windows on the project's block; a confirmed read reaches the
    // project, and the panel is hidden after its item.
    void alarmyIDodatki()
    {
        // Values the windows show as they are.
        auto na = std::make_unique<TProjektVXTNew>(*s->bloki.projekt());
        for (int i = 0; i < 4; ++i) {
            na->przekaznikiAlarmF1F4[i].status = uint8_t(i % 3);
            na->przekaznikiAlarmF1F4[i].opoznienie = int16_t(70 * i);
        }
        na->dodatki.iledodatki = 4;
        for (int i = 0; i < 8; ++i)
            na->dodatki.dodatki_min[i] = na->dodatki.dodatki_max[i] = int16_t(-25 * i);
        s->bloki.ustaw(*na, s->bloki.mycie());
        auto o = s->okno();
        podlaczSekcje(*o);
        QVERIFY(o->itemAlarmy->Enab());
        QVERIFY(o->AOL_dodatki->Enab());

        o->AOL_doClick();
        QVERIFY(o->itemsPanel->isVisible());
        gdyOknoModalne<TFormDO_Alarmy>([&](TFormDO_Alarmy *a) {
            a->but_odczyt->click();
            a->but_ok->click();
        });
        emit o->itemAlarmy->klik();
        QCOMPARE(std::memcmp(&o->projekt.projekt().przekaznikiAlarmF1F4, &na->przekaznikiAlarmF1F4,
                             sizeof na->przekaznikiAlarmF1F4),
                 0);
        QVERIFY(!o->itemsPanel->isVisible());
        QVERIFY(o->projekt.bylazmianaProjektu);

        o->projekt.bylazmianaProjektu = false;
        gdyOknoModalne<Tfdodatki>([&](Tfdodatki *d) {
            d->but_odczyt->click();
            d->but_ok->click();
        });
        emit o->AOL_dodatki->klik();
        QCOMPARE(std::memcmp(&o->projekt.projekt().dodatki, &na->dodatki, sizeof na->dodatki), 0);
        QVERIFY(o->projekt.bylazmianaProjektu);
        QCOMPARE(o->TimerAutomatTag(), 0);
    }

    // The measuring inputs, the digital inputs and the humidity open from
    // their buttons on the project's blocks; while an editor is open the
    // measuring channels are named after the project's inputs.
    void wejsciaIWilgotnosc()
    {
        auto o = s->okno();
        podlaczSekcje(*o);
        TProjektVXTNew &p = o->projekt.projekt();
        tekstNaNazwe50(QStringLiteral("Komora"), p.FWejsciaPomiarowe[1].nazwa);
        QString kanal;
        gdyOknoModalne<TfustawWilg>([&](TfustawWilg *w) {
            kanal = w->co_kanalPomiarowy->itemText(1);
            w->but_anuluj->click();
        });
        emit o->AOL_wilgotnosc->klik();
        QCOMPARE(kanal, QString("AI1.2 Komora"));
        QCOMPARE(opisWejsciaAnalogowego(1), QString("AI1.2 AI1.2"));

        gdyOknoModalne<TFListaWejscCyfrowych>([](TFListaWejscCyfrowych *l) { l->but_anuluj->click(); });
        emit o->AOL_di->klik();
        QVERIFY(!o->projekt.bylazmianaProjektu);

        gdyOknoModalne<TflistawejscPom>([](TflistawejscPom *l) {
            l->but_odczyt->click();
            l->but_ok->click();
        });
        emit o->AOL_Ai->klik();
        const auto naSterowniku = s->bloki.projekt();
        QCOMPARE(std::memcmp(&p.FWejsciaPomiarowe, &naSterowniku->FWejsciaPomiarowe, 6 * sizeof(TWejscieAnalogowe)), 0);
        QVERIFY(o->projekt.bylazmianaProjektu);
        QVERIFY(o->AOL_Ai->Enab());
    }

    // "Ustawienia mycia" edits the project's washing settings, with the
    // project's output icons: "Anuluj" leaves them and the changed flag
    // alone, a confirmed read reaches them and sets the flag.
    void ustawieniaMycia()
    {
        s->bloki.zmien([](TProjektVXTNew &, TProjektDodatkiMycie &m) {
            m.czaDoMycia = 754;
            for (int n = 0; n < 32; ++n)
                m.przekazniki[n] = n % 4 == 3 ? 1 : 0;
        });
        auto o = s->okno();
        podlaczSekcje(*o);
        QVERIFY(o->AOL_mycieUstaw->Enab());
        TProjektVXTNew &p = o->projekt.projekt();
        p.przekazniki[0].ikona = 3;
        p.przekazniki[1].ikona = 77;
        TProjektDodatkiMycie &m = o->projekt.mycie();
        m.czaDoMycia = 15;
        const QByteArray przed(reinterpret_cast<const char *>(&m), sizeof m);
        bool ikony = false;
        gdyOknoModalne<TfUstawieniaMycia>([&](TfUstawieniaMycia *w) {
            ikony = w->przekazniki->FSwitchArray[0]->maIkone() && !w->przekazniki->FSwitchArray[1]->maIkone();
            w->but_odczyt->click();
            s->komunikaty.oczekuj(R::Pytanie, "Uwaga: Zmiany nie zostały zapisane. Kontynuować?", 1);
            w->but_anuluj->click();
        });
        emit o->AOL_mycieUstaw->klik();
        QVERIFY(ikony);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&m), sizeof m), przed);
        QVERIFY(!o->projekt.bylazmianaProjektu);

        gdyOknoModalne<TfUstawieniaMycia>([](TfUstawieniaMycia *w) {
            w->but_odczyt->click();
            w->but_ok->click();
        });
        emit o->AOL_mycieUstaw->klik();
        const TProjektDodatkiMycie naSterowniku = s->bloki.mycie();
        QCOMPARE(int(m.czaDoMycia), 754);
        QCOMPARE(std::memcmp(m.przekazniki, naSterowniku.przekazniki, 32), 0);
        QVERIFY(o->projekt.bylazmianaProjektu);
        QCOMPARE(o->TimerAutomatTag(), 0);
        QVERIFY(o->AOL_mycieUstaw->Enab());
    }

    // The editors take the connection record and the project's outputs
    // from the window, until it goes.
    void zrodlaEdytorow()
    {
        auto o = s->okno();
        podlaczSekcje(*o);
        o->IntEditAdres->setValue(17);
        o->projekt.projekt().przekazniki[31].moc = 1234;
        TUstawieniaSterownika u;
        wezUstawieniaSterownika(u, true);
        QCOMPARE(u.adresRS, 17);
        struct Kopia {
            TPrzekaznikiArray p;
        };
        auto kopia = std::make_unique<Kopia>();
        przekaznikiProjektu(kopia->p);
        QCOMPARE(std::memcmp(&kopia->p, &o->projekt.projekt().przekazniki, sizeof kopia->p), 0);
        o.reset();
        u.adresRS = 5;
        wezUstawieniaSterownika(u, true);
        QCOMPARE(u.adresRS, 5);
        przekaznikiProjektu(kopia->p);
        QCOMPARE(int(kopia->p[31].moc), 0);
        QCOMPARE(sprawdzBlokade(), 0);
        QVERIFY(!projektBiezacy());
    }

    // The program list's lock checks are the window's, and the program
    // editor names steps and inputs from the window's project.
    void blokadaIProjekt()
    {
        auto o = s->okno();
        podlaczSekcje(*o);
        int sprawdzen = 0;
        o->lockService.fnLockCheck = [&] {
            ++sprawdzen;
            return 2;
        };
        QCOMPARE(sprawdzBlokade(), 2);
        QCOMPARE(sprawdzen, 1);
        QCOMPARE(projektBiezacy(), &o->projekt.projekt());
    }

    // "Programy" edits the project's 100 programs; "Program mycia" the
    // washing program, always as number 100, which reaches the project
    // only when confirmed.
    void programy()
    {
        auto o = s->okno();
        podlaczSekcje(*o);
        QVERIFY(o->AOL_programy->Enab());
        QVERIFY(o->AOL_programMycia->Enab());
        TProjektVXTNew &p = o->projekt.projekt();
        tekstNaNazwe50(QStringLiteral("czwarty"), p.programy[3].nazwa);
        gdyOknoModalne<Tflistaprojektow>([](Tflistaprojektow *l) {
            QCOMPARE(l->memproj->index(3, 1).data().toString(), QString("czwarty"));
            l->but_anuluj->click();
        });
        emit o->AOL_programy->klik();

        p.programyMycie.nr_prog = 7;
        const QByteArray przed(reinterpret_cast<const char *>(&p.programyMycie), sizeof(TProgram));
        gdyOknoModalne<TFProgramMycia>([](TFProgramMycia *e) {
            QCOMPARE(e->rekord.nr_prog, 100);
            e->but_anuluj->click();
        });
        emit o->AOL_programMycia->klik();
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&p.programyMycie), sizeof(TProgram)), przed);
        QVERIFY(!o->projekt.bylazmianaProjektu);

        gdyOknoModalne<TFProgramMycia>([](TFProgramMycia *e) {
            e->tabela->setData(e->tabela->index(0, 2), 5, Qt::EditRole);
            e->but_ok->click();
        });
        emit o->AOL_programMycia->klik();
        QCOMPARE(p.programyMycie.nr_prog, 100);
        QCOMPARE(p.programyMycie.cykle[0].v[wcGodzin], 5);
        QCOMPARE(nazwa50NaTekst(p.programyMycie.nazwa), QString("Mycie"));
        QVERIFY(o->projekt.bylazmianaProjektu);
    }

    // The "[DO]" panel's item "konfiguracja" opens the digital outputs on
    // the project's block; "Gdzie użyty" and the viewers see the project.
    void wyjsciaCyfrowe()
    {
        auto o = s->okno();
        podlaczSekcje(*o);
        QVERIFY(o->itemKonfiguracja->Enab());
        QCOMPARE(projektAplikacji().projekt, &o->projekt.projekt());
        QCOMPARE(projektAplikacji().mycie, &o->projekt.mycie());
        TPrzekaznikiArray &p = o->projekt.projekt().przekazniki;
        p[40].moc = 4321;
        gdyOknoModalne<Tflistaprzekaznikow>([&](Tflistaprzekaznikow *l) {
            l->but_odczyt->click();
            l->but_ok->click();
        });
        emit o->itemKonfiguracja->klik();
        const auto sterownik = s->bloki.projekt();
        QCOMPARE(std::memcmp(&p, &sterownik->przekazniki, 32 * sizeof(TPrzekaznik)), 0);
        QCOMPARE(int(p[40].moc), 4321);
        QVERIFY(o->projekt.bylazmianaProjektu);
        o.reset();
        QVERIFY(!projektAplikacji().projekt);
    }

    // Each item of the "[DO]" panel closes it, confirmed or not, so that
    // a later click over the sections below it reaches them.
    void panelDOZamykaSie_data()
    {
        QTest::addColumn<bool>("konfiguracja");
        QTest::addColumn<bool>("zatwierdz");
        QTest::newRow("konfiguracja, OK") << true << true;
        QTest::newRow("konfiguracja, Anuluj") << true << false;
        QTest::newRow("alarmy, OK") << false << true;
        QTest::newRow("alarmy, Anuluj") << false << false;
    }
    void panelDOZamykaSie()
    {
        QFETCH(bool, konfiguracja);
        QFETCH(bool, zatwierdz);
        auto o = s->okno();
        podlaczSekcje(*o);
        o->AOL_doClick();
        QVERIFY(o->itemsPanel->isVisible());
        const auto zamknij = [zatwierdz](TEdytorSekcji *e) {
            if (zatwierdz) {
                e->but_odczyt->click();
                e->but_ok->click();
            } else {
                e->but_anuluj->click();
            }
        };
        if (konfiguracja) {
            gdyOknoModalne<Tflistaprzekaznikow>(zamknij);
            emit o->itemKonfiguracja->klik();
        } else {
            gdyOknoModalne<TFormDO_Alarmy>(zamknij);
            emit o->itemAlarmy->klik();
        }
        QCOMPARE(o->projekt.bylazmianaProjektu, zatwierdz);
        QVERIFY(!o->itemsPanel->isVisible());
        QCOMPARE(o->TimerAutomatTag(), 0);
    }

    // Leaving without confirming changes nothing, and a flag already set
    // stays set.
    void bezZatwierdzenia_data()
    {
        QTest::addColumn<bool>("bylaZmiana");
        QTest::newRow("unchanged project") << false;
        QTest::newRow("changed project") << true;
    }
    void bezZatwierdzenia()
    {
        QFETCH(bool, bylaZmiana);
        auto o = s->okno();
        podlaczSekcje(*o);
        o->projekt.bylazmianaProjektu = bylaZmiana;
        TZadaneArray przed;
        std::memcpy(&przed, &o->projekt.projekt().zadana, sizeof przed);
        gdyOknoModalne<TFormZadane>([&](TFormZadane *z) {
            z->but_odczyt->click();
            s->komunikaty.oczekuj(R::Pytanie, "Uwaga: Zmiany nie zostały zapisane. Kontynuować?", 1);
            z->but_anuluj->click();
        });
        QVERIFY(!otworzSekcje(*o, Sekcja::Zadane));
        QCOMPARE(std::memcmp(&o->projekt.projekt().zadana, &przed, sizeof przed), 0);
        QCOMPARE(o->projekt.bylazmianaProjektu, bylaZmiana);
        QCOMPARE(o->TimerAutomatTag(), 0);
    }

    // "Kroki" opens the process steps, "Kroki mycia" the washing steps,
    // each list on its own table; OK hands the table back to the project.
    void krokiZPrzyciskow_data()
    {
        QTest::addColumn<bool>("mycie");
        QTest::newRow("Kroki") << false;
        QTest::newRow("Kroki mycia") << true;
    }
    void krokiZPrzyciskow()
    {
        QFETCH(bool, mycie);
        auto o = s->okno();
        podlaczSekcje(*o);
        TProjektVXTNew &p = o->projekt.projekt();
        tekstNaNazwe50(QStringLiteral("proces"), p.kroki[16].nazwa);
        tekstNaNazwe50(QStringLiteral("mycie"), p.krokiMycie[16].nazwa);
        TAOLButton *przycisk = mycie ? o->AOL_krokiMycia : o->AOL_kroki;
        QVERIFY(przycisk->Enab());
        gdyOknoModalne<TfListakrokow>([&](TfListakrokow *k) {
            QCOMPARE(k->memproj->ileWierszy(), mycie ? 16 : 32);
            QCOMPARE(k->memproj->index(15, 1).data().toString(), mycie ? QString("mycie") : QString("proces"));
            k->przejdzDo(16);
            gdyOknoModalne<TFStanPrzekaznikow>([](TFStanPrzekaznikow *e) {
                e->ed_nazwa->setText("zmieniony");
                e->but_ok->click();
            });
            k->but_popraw->click();
            k->but_ok->click();
        });
        emit przycisk->klik();
        QCOMPARE(nazwa50NaTekst(p.kroki[16].nazwa), mycie ? QString("proces") : QString("zmieniony"));
        QCOMPARE(nazwa50NaTekst(p.krokiMycie[16].nazwa), mycie ? QString("zmieniony") : QString("mycie"));
        QVERIFY(o->projekt.bylazmianaProjektu);
    }

    // "Tryby specjalne" opens the special modes on the project's 14 modes;
    // a mode edited in the list reaches the project on OK.
    void trybySpecjalne()
    {
        auto o = s->okno();
        podlaczSekcje(*o);
        QVERIFY(o->AOL_stany->Enab());
        TProjektVXTNew &p = o->projekt.projekt();
        tekstNaNazwe50(QStringLiteral("piąty"), p.FunkcjeSpec[8].nazwa);
        gdyOknoModalne<Tflistafunkcji>([](Tflistafunkcji *l) {
            QCOMPARE(l->memproj->index(8, 1).data().toString(), QString("piąty"));
            l->przejdzDo(9);
            gdyOknoModalne<TFEdycjastanSpec>([](TFEdycjastanSpec *e) {
                QCOMPARE(e->LabelNr->text(), QString("FS05"));
                e->ed_nazwa->setText("zmieniony");
                e->but_ok->click();
            });
            l->but_popraw->click();
            l->but_ok->click();
        });
        emit o->AOL_stany->klik();
        QCOMPARE(nazwa50NaTekst(p.FunkcjeSpec[8].nazwa), QString("zmieniony"));
        QCOMPARE(int(p.FunkcjeSpec[8].nr_funkcji), 8);
        QVERIFY(o->projekt.bylazmianaProjektu);
        QVERIFY(o->AOL_stany->Enab());
    }

    // Every flat button of the main window (the fifteen section buttons,
    // the panel's items, "Test połączenia") is named by its caption for
    // assistive technology.
    void nazwyDostepnePrzyciskow()
    {
        auto o = s->okno();
        const QList<TAOLButton *> przyciski = o->findChildren<TAOLButton *>();
        QCOMPARE(przyciski.size(), 18);
        for (TAOLButton *b : przyciski) {
            QVERIFY2(!b->Caption().isEmpty(), qPrintable(b->objectName()));
            QCOMPARE(b->accessibleName(), b->Caption());
        }
        QCOMPARE(o->AOL_zadane->accessibleName(), QString("Zadane"));
        QCOMPARE(o->Aol_Test->accessibleName(), QString("Test połączenia"));
    }

    // The analog-output button opens its list on the project's outputs;
    // while it is open the measuring channels carry the project's input
    // names.
    void wyjsciaAnalogowe()
    {
        auto o = s->okno();
        podlaczSekcje(*o);
        QVERIFY(o->AOL_Ao->Enab());
        tekstNaNazwe50(QStringLiteral("Komora"), o->projekt.projekt().FWejsciaPomiarowe[0].nazwa);
        QString kanal;
        gdyOknoModalne<TfListaWyjAnal>([&](TfListaWyjAnal *w) {
            kanal = opisWejsciaAnalogowego(0);
            w->but_odczyt->click();
            w->but_ok->click();
        });
        emit o->AOL_Ao->klik();
        QCOMPARE(kanal, QString("AI1.1 Komora"));
        QCOMPARE(opisWejsciaAnalogowego(0), QString("AI1.1 AI1.1"));
        QCOMPARE(std::memcmp(&o->projekt.projekt().WyjsciaAn, &s->bloki.projekt()->WyjsciaAn, sizeof(TWyjsciaAoArray)),
                 0);
        QVERIFY(o->projekt.bylazmianaProjektu);
    }

    // A controller in "Start" is announced, and the editor opens all the
    // same.
    void zajetySterownik()
    {
        auto o = s->okno();
        podlaczSekcje(*o);
        o->lockService.fnLockCheck = [] { return 2; };
        bool otwarty = false;
        s->komunikaty.oczekuj(R::Ostrzezenie, "Sterownik w trakcie procesu. Zapis danych nie będzie możliwy!");
        gdyOknoModalne<TFormZadane>([&](TFormZadane *z) {
            otwarty = true;
            z->but_anuluj->click();
        });
        QVERIFY(!otworzSekcje(*o, Sekcja::Zadane));
        QVERIFY(otwarty);
        QVERIFY(s->komunikaty.pusty());
    }
};

QTEST_MAIN(TestSekcje)
#include "test_sekcje.moc"
