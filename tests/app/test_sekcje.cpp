// Section dispatch from the main window against the simulator: the editor
// works on a copy, a confirmed change reaches the project and its changed
// flag, anything else leaves both alone; a busy controller is announced
// first; the window stays locked while the editor is open.
#include "sym_okna.h"
#include "test_qt.h"

#include "dane_sterownika.h"
#include "edycja_liczb.h"
#include "krok.h"
#include "kroki.h"
#include "nazwy.h"
#include "przekazniki_projektu.h"
#include "przycisk_plaski.h"
#include "sekcje.h"
#include "zadane.h"

#include <QLineEdit>
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
            zablokowane = o->TimerAutomatTag == 1 && !o->AOL_zadane->Enab();
            z->but_odczyt->click();
            z->but_ok->click();
        });
        emit o->AOL_zadane->klik();
        QVERIFY(zablokowane);
        QCOMPARE(std::memcmp(&o->projekt.projekt().zadana, &naSterowniku, sizeof naSterowniku), 0);
        QVERIFY(o->projekt.bylazmianaProjektu);
        QCOMPARE(o->TimerAutomatTag, 0);
        QVERIFY(o->AOL_zadane->Enab());
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
        QCOMPARE(o->TimerAutomatTag, 0);
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
