// The special-mode list and the mode editor offscreen against the
// simulator: what the special modes have of their own (the shared behaviour
// of list sections is tested in test_sekcje_wspolne): the list's rows with
// their durations, the list order against the controller's mode numbers on
// the wire and the renaming after a read, a send-all with a failed mode,
// OK after "Anuluj" answered No, the 14 modes through files, printing with
// the relay band, and the editor's controls per mode, its duration rules
// (a power-loss duration the box cannot show kept until it is edited),
// transfers, clearing and files.
#include "sym_edytora.h"
#include "test_qt.h"
#include "wpisz_czas.h"

#include "edycja_czasu.h"
#include "edycja_liczb.h"
#include "enumeracje.h"
#include "nazwy.h"
#include "przekazniki32.h"
#include "przekazniki_projektu.h"
#include "przekazniki_wybor_def.h"
#include "raport.h"
#include "tekst_pdf.h"
#include "tryb_specjalny.h"
#include "tryby_specjalne.h"
#include "tryby_specjalne_transfer.h"
#include "wydruk_pdf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <cstring>
#include <random>

using R = RodzajKomunikatu;

namespace {

const QString brak = QStringLiteral("Brak komunikacji");
const QString wyslane = QStringLiteral("Ustawienia wysłane do sterownika ");
// The controller's mode number of each list position 1..14.
const QList<int> naLinii{0, 1, 12, 13, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

struct Tryby {
    TFunkcjeSpecjalneArray t;
};

// The window's own modes, unlike the controller's.
std::unique_ptr<Tryby> stare()
{
    auto s = std::make_unique<Tryby>();
    std::memset(&s->t, 0, sizeof s->t);
    for (int i = 0; i < ileTrybowSpecjalnych; ++i) {
        TFunkcjaSpec &t = s->t[i];
        t.nr_funkcji = i;
        t.nazwa = tekstNaNazwe50(QStringLiteral("stary %1").arg(i + 1));
        t.czas_wyl = 10 * (i + 1);
        t.logika = i % 3;
        t.tryb = i % 2;
        for (int j = 0; j < 128; ++j)
            t.przekazniki[j] = uint8_t((i + j) % 5);
        t.r2 = 7;
    }
    return s;
}

QByteArray bajty(const TFunkcjaSpec &t) { return QByteArray(reinterpret_cast<const char *>(&t), sizeof t); }

// What the special-mode block carries is the same in both.
bool rowneNaLaczu(const TFunkcjaSpec &a, const TFunkcjaSpec &b)
{
    return nazwa50NaTekst(a.nazwa) == nazwa50NaTekst(b.nazwa) && a.czas_wyl == b.czas_wyl && a.logika == b.logika &&
           a.tryb == b.tryb && std::memcmp(a.przekazniki, b.przekazniki, 128) == 0;
}

// The mode numbers the requests of one command addressed, in order.
QList<int> numeryWRamkach(const SymulatorEdytora &s, char f, uint8_t sub)
{
    QList<int> w;
    for (const QByteArray &r : s.dane(f, sub))
        w << uint8_t(r.at(0));
    return w;
}

void zapiszPlik(const QString &plik, const QByteArray &dane)
{
    QFile f(plik);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(dane), dane.size());
}

QByteArray czytajPlik(const QString &plik)
{
    QFile f(plik);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int slowo(const QByteArray &b, int p) { return int(uint8_t(b.at(p))) | int(uint8_t(b.at(p + 1))) << 8; }

// What the hours:minutes box shows of a stored power-loss duration.
QString godzinyMinuty(int minuty) { return minuty <= 0 ? "00:00" : minuty == 59 ? "00:59" : "99:59"; }

} // namespace

class TestTrybySpecjalne : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;
    std::unique_ptr<TProjektVXTNew> naSterowniku;
    std::unique_ptr<TProjektVXTNew> projekt; // the application's, for the relays' icons

    // A list as edytujTrybySpecjalne opens it, shown without a modal run.
    std::unique_ptr<Tflistafunkcji> lista(const Tryby &t) { return oknoJakZWejscia<Tflistafunkcji>(t.t); }
    // Mode of list index i on the controller.
    const TFunkcjaSpec &trybSterownika(int i) const { return naSterowniku->FunkcjeSpec[naLinii[i]]; }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        naSterowniku = std::make_unique<TProjektVXTNew>();
        TProjektDodatkiMycie m{};
        BlokiSym::przykladowy(*naSterowniku, m, 8);
        s->bloki.ustaw(*naSterowniku, m);
        projekt = std::make_unique<TProjektVXTNew>();
        projekt->przekazniki[4].ikona = 4;
        TProjektVXTNew *p = projekt.get();
        ustawZrodloPrzekaznikow([p]() -> const TPrzekaznikiArray & { return p->przekazniki; });
    }
    void poTescie() override
    {
        ustawZrodloPrzekaznikow({});
        s.reset();
    }

private slots:
    void initTestCase() { QApplication::setApplicationName("Setup kVOR 350"); }

    // ---- The list ----------------------------------------------------------

    // The rows: short names, names (a fixed mode without one shows its long
    // name and keeps the empty one), durations, logic and kind texts.
    void lista()
    {
        auto t = stare();
        t->t[1].nazwa = TNazwa50char{};
        t->t[2].czas_wyl = 90;
        t->t[6].czas_wyl = 90;
        t->t[7].czas_wyl = -1;
        t->t[8].logika = 3;
        auto o = lista(*t);
        QCOMPARE(o->windowTitle(), QString("Tryby specjalne"));
        QCOMPARE(o->memproj->ileWierszy(), 14);
        const QStringList glowki{"Nr", "Nazwa", "Czas trwania", "Logika przekaźników", "Typ wyzwalania"};
        const QList<int> szerokosci{50, 154, 120, 140, 107};
        QCOMPARE(o->memproj->columnCount(), glowki.size());
        for (int k = 0; k < glowki.size(); ++k) {
            QCOMPARE(o->memproj->headerData(k, Qt::Horizontal, Qt::DisplayRole).toString(), glowki[k]);
            QCOMPARE(o->DBGrid1->columnWidth(k), szerokosci[k]);
        }
        const QStringList krotkie{"FPs",  "FFs",  "FPf",  "FAs",  "FS01", "FS02", "FS03",
                                  "FS04", "FS05", "FS06", "FS07", "FS08", "FS09", "FS10"};
        for (int w = 0; w < 14; ++w)
            QCOMPARE(komorka(*o, w, 0), krotkie[w]);
        QCOMPARE(komorka(*o, 0, 1), QString("stary 1"));
        QCOMPARE(komorka(*o, 1, 1), QString("Zatrzymanie"));
        QVERIFY(nazwa50NaTekst(o->funkSpecjalne[1].nazwa).isEmpty());
        QCOMPARE(komorka(*o, 2, 2), QString("1:30 [hh:mm]"));
        QCOMPARE(komorka(*o, 6, 2), QString("90 [s]"));
        QCOMPARE(komorka(*o, 7, 2), QString("nieskończoność"));
        QCOMPARE(komorka(*o, 0, 3), QString("Ustawienie stanu"));
        QCOMPARE(komorka(*o, 1, 3), QString("Dodanie stanu"));
        QCOMPARE(komorka(*o, 8, 3), QString("element out of bounds: 3"));
        QCOMPARE(komorka(*o, 3, 4), QString());
        QCOMPARE(komorka(*o, 4, 4), QString("bistabilny"));
        QCOMPARE(komorka(*o, 5, 4), QString("monostabilny"));
        QVERIFY(!o->sb_cls);
        for (QToolButton *b :
             {o->but_odczyt, o->but_wyslij, o->but_otworz, o->but_zapisz, o->but_popraw, o->but_drukuj})
            QVERIFY(b && !b->toolTip().isEmpty());
    }

    // Durations as the list shows them.
    void czasy_data()
    {
        QTest::addColumn<int>("pozycja");
        QTest::addColumn<int>("czas");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("power loss 90") << 3 << 90 << "1:30 [hh:mm]";
        QTest::newRow("power loss 0") << 3 << 0 << "0:00 [hh:mm]";
        QTest::newRow("power loss 5999") << 3 << 5999 << "99:59 [hh:mm]";
        QTest::newRow("power loss -1") << 3 << -1 << "0:00 [hh:mm]";
        QTest::newRow("pause 90") << 1 << 90 << "90 [s]";
        QTest::newRow("F10 0") << 14 << 0 << "0 [s]";
        QTest::newRow("stop -1") << 2 << -1 << "nieskończoność";
        QTest::newRow("F1 -7") << 5 << -7 << "nieskończoność";
    }
    void czasy()
    {
        QFETCH(int, pozycja);
        QFETCH(int, czas);
        QTEST(tekstCzasuTrybu(czas, pozycja), "tekst");
    }

    // The send-all over either transport: the session opened, the modes
    // sent in list order as the controller's numbers 0, 1, 12, 13, 2..11,
    // the session closed, one success box; the controller then holds each
    // mode under its number.
    void wyslanieNumery_data() { wierszeLaczy(); }
    void wyslanieNumery()
    {
        QFETCH(bool, lan);
        QVERIFY(s->transport(lan));
        auto o = lista(*stare());
        s->komunikaty.oczekuj(R::Informacja, wyslane);
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(numeryWRamkach(*s, 'I', 0x03), naLinii);
        if (!lan) {
            const auto r = s->pty.ramki();
            QCOMPARE(int(r.size()), 16);
            QCOMPARE(r.front().left(3), QByteArray::fromHex("014981"));
            QCOMPARE(r.back().left(3), QByteArray::fromHex("014982"));
        }
        const auto p = s->bloki.projekt();
        for (int i = 0; i < 14; ++i)
            QVERIFY2(rowneNaLaczu(p->FunkcjeSpec[naLinii[i]], o->funkSpecjalne[i]), qPrintable(QString::number(i)));
        QVERIFY(!s->sterownik.stan().sesjaOtwarta);
        QCOMPARE(s->sterownik.stan().zapisyPozaSesja, 0);
        QVERIFY(s->bloki.naruszenia().isEmpty());
    }

    // The read-all over either transport asks the controller's numbers in
    // list order; the four fixed modes get their long names, F1..F10 keep
    // the controller's, every record its list index.
    void odczytZmianaNazw_data() { wierszeLaczy(); }
    void odczytZmianaNazw()
    {
        QFETCH(bool, lan);
        QVERIFY(s->transport(lan));
        auto o = lista(*stare());
        o->but_odczyt->click();
        QCOMPARE(numeryWRamkach(*s, 'H', 0x03), naLinii);
        const QStringList stale{"Pauza", "Zatrzymanie", "Zanik zasilania", "Aktywny STOP"};
        for (int i = 0; i < 14; ++i) {
            const TFunkcjaSpec &t = o->funkSpecjalne[i];
            TFunkcjaSpec oczekiwany = trybSterownika(i);
            if (i < 4)
                oczekiwany.nazwa = tekstNaNazwe50(stale[i]);
            QVERIFY2(rowneNaLaczu(t, oczekiwany), qPrintable(QString::number(i)));
            QCOMPARE(int(t.nr_funkcji), i);
        }
        QVERIFY(nazwa50NaTekst(trybSterownika(0).nazwa) != QString("Pauza"));
        QCOMPARE(komorka(*o, 0, 1), QString("Pauza"));
        QCOMPARE(komorka(*o, 8, 1), nazwa50NaTekst(trybSterownika(8).nazwa));
        QVERIFY(o->but_ok->isEnabled());
    }

    // "Anuluj" of the progress window does not stop the read-all.
    void odczytBezAnulowania()
    {
        auto o = lista(*stare());
        s->zegar.naPrzetworz = [&] {
            if (s->ramki('H', 0x03) == 3)
                pasekPostepu().koniec = true;
        };
        o->but_odczyt->click();
        s->zegar.naPrzetworz = nullptr;
        QCOMPARE(s->ramki('H', 0x03), 14);
        QVERIFY(rowneNaLaczu(o->funkSpecjalne[13], trybSterownika(13)));
        QVERIFY(o->but_ok->isEnabled());
    }

    // The fifth mode fails: modes 1..4 sent, its one box, no further mode
    // sent, the session closed and no success message.
    void wyslaniePiatyBlad()
    {
        auto o = lista(*stare());
        s->zepsujOd('I', 0x03, 4);
        s->komunikaty.oczekuj(R::Blad, brak);
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        QVERIFY(s->ramki('I', 0x03) >= 5);
        for (const int nr : numeryWRamkach(*s, 'I', 0x03))
            QVERIFY(nr == 0 || nr == 1 || nr == 12 || nr == 13 || nr == 2);
        const auto p = s->bloki.projekt();
        for (int i = 0; i < 4; ++i)
            QVERIFY(rowneNaLaczu(p->FunkcjeSpec[naLinii[i]], o->funkSpecjalne[i]));
        QCOMPARE(bajty(p->FunkcjeSpec[3]), bajty(naSterowniku->FunkcjeSpec[3]));
        QCOMPARE(s->ramki('I', 0x82), 1);
        QVERIFY(!s->sterownik.stan().sesjaOtwarta);
        QVERIFY(!pasekPostepu().isVisible());
    }

    // Every mode sent but the session not closed: "Brak komunikacji", no
    // success.
    void zamkniecieNieudane()
    {
        auto o = lista(*stare());
        s->zepsujOd('I', 0x82, 0);
        s->komunikaty.oczekuj(R::Blad, brak);
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        QCOMPARE(s->ramki('I', 0x03), 14);
    }

    // "Anuluj" during the send-all ends it after the mode being sent and
    // closes the session.
    void wyslanieAnulowane()
    {
        auto o = lista(*stare());
        s->zegar.naPrzetworz = [&] {
            if (s->ramki('I', 0x03) == 6)
                pasekPostepu().koniec = true;
        };
        o->but_wyslij->click();
        s->zegar.naPrzetworz = nullptr;
        QCOMPARE(s->ramki('I', 0x03), 6);
        QCOMPARE(s->ramki('I', 0x82), 1);
        QVERIFY(!s->sterownik.stan().sesjaOtwarta);
        QVERIFY(s->komunikaty.pokazane.empty());
    }

    // After an edit, "Anuluj" answered No keeps the window, and its OK
    // hands the edit back.
    void okPoAnulujNie()
    {
        auto t = stare();
        gdyOknoModalne<Tflistafunkcji>([&](Tflistafunkcji *o) {
            o->przejdzDo(6);
            gdyOknoModalne<TFEdycjastanSpec>([](TFEdycjastanSpec *e) {
                QCOMPARE(e->LabelNr->text(), QString("FS02"));
                QCOMPARE(int(e->TabAlarm.nr_funkcji), 5);
                e->ed_nazwa->setText("nowy");
                e->but_ok->click();
            });
            o->but_popraw->click();
            QCOMPARE(o->nrBiezacy(), 6);
            QCOMPARE(komorka(*o, 5, 1), QString("nowy"));
            s->komunikaty.oczekuj(R::Pytanie, "Uwaga: Zmiany nie zostały zapisane. Kontynuować?", 0);
            o->but_anuluj->click();
            QVERIFY(o->isVisible());
            o->but_ok->click();
        });
        const auto przed = stare();
        QVERIFY(edytujTrybySpecjalne(t->t, 1045));
        QVERIFY(s->komunikaty.pusty());
        for (int i = 0; i < 14; ++i) {
            if (i == 5) {
                QCOMPARE(nazwa50NaTekst(t->t[5].nazwa), QString("nowy"));
                continue;
            }
            QVERIFY2(bajty(t->t[i]) == bajty(przed->t[i]), qPrintable(QString::number(i)));
        }
    }

    // A list file holds the 14 modes, 3,584 bytes: loaded, saved and
    // handed back on OK byte for byte.
    void plikListy()
    {
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        QByteArray wPliku(3584, '\0');
        std::mt19937 los(7);
        for (char &c : wPliku)
            c = char(los());
        const QString plik = katalog.filePath("t.k3spec"), zapisany = katalog.filePath("z.k3spec");
        zapiszPlik(plik, wPliku);
        auto t = stare();
        gdyOknoModalne<Tflistafunkcji>([&](Tflistafunkcji *o) {
            wybor.odpowiedzi = {plik};
            o->but_otworz->click();
            QVERIFY(o->but_ok->isEnabled());
            wybor.odpowiedzi = {zapisany};
            o->but_zapisz->click();
            o->but_ok->click();
        });
        QVERIFY(edytujTrybySpecjalne(t->t, 1045));
        QCOMPARE(wybor.filtry, QStringList(2, "Kvor350|*.k3spec"));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&t->t), sizeof t->t), wPliku);
        QCOMPARE(czytajPlik(zapisany), wPliku);
    }

    // The report: the modes with their columns and 64 relay cells per
    // mode; printing again counts anew and keeps the current row.
    void drukowanie()
    {
        QTemporaryDir katalog;
        WydrukDoPdf wydruk(katalog.path());
        auto t = stare();
        t->t[2].czas_wyl = 90;
        t->t[4].czas_wyl = -1;
        t->t[13].nazwa = tekstNaNazwe50("ostatni");
        auto o = lista(*t);
        o->przejdzDo(4);
        for (const int powtorka : {1, 2}) {
            o->but_drukuj->click();
            QCOMPARE(wydruk.wywolania.size(), powtorka);
            QCOMPARE(o->ileTemp, qint64(64 * 14));
        }
        QCOMPARE(o->nrBiezacy(), 4);
        const QString tekst = tekstPdf(wydruk.pliki.last());
        for (const char *w :
             {"Tryby specjalne", "Nr", "Nazwa", "Czas trwania", "Logika przekaźników", "Typ wyzwalania", "FPs", "FS10",
              "stary 1", "ostatni", "1:30 [hh:mm]", "nieskończoność", "Odjęcie stanu", "monostabilny", "Wydrukowano"})
            QVERIFY2(tekst.contains(QString::fromUtf8(w)), qPrintable(QString::fromUtf8(w) + " in:\n" + tekst));
        // Under each mode its relay band: each relay's number, then its state.
        const QString plaski = tekst.simplified();
        for (const char *w :
             {"FPs stary 1 10 [s] Ustawienie stanu 1 0 2 1 3 2 4 3 5 4 6 0",
              "FS10 ostatni 140 [s] Dodanie stanu monostabilny 1 3 2 4 3 0", "29 1 30 2 31 3 32 4 Wydrukowano"})
            QVERIFY2(plaski.contains(QString::fromUtf8(w)), qPrintable(QString::fromUtf8(w) + " in:\n" + tekst));
    }

    // ---- The mode editor --------------------------------------------------

    // Which controls each kind of mode has, and how the duration shows.
    void edytorPokazuje_data()
    {
        QTest::addColumn<int>("indeks");
        QTest::addColumn<int>("czas");
        QTest::addColumn<QString>("tytulCzasu");
        QTest::addColumn<QString>("czasGodzin"); // empty: the seconds box
        QTest::addColumn<bool>("nieskonczonosc");
        QTest::newRow("power loss 90") << 2 << 90 << " Czas trwania [hh:mm] "
                                       << "01:30" << false;
        QTest::newRow("power loss -1") << 2 << -1 << " Czas trwania [hh:mm] "
                                       << "00:00" << false;
        QTest::newRow("pause 90") << 0 << 90 << " Czas trwania [s] " << QString() << false;
        QTest::newRow("active STOP -1") << 3 << -1 << " Czas trwania [s] " << QString() << true;
        QTest::newRow("F5 45") << 8 << 45 << " Czas trwania [s] " << QString() << false;
    }
    void edytorPokazuje()
    {
        QFETCH(int, indeks);
        QFETCH(int, czas);
        QFETCH(QString, czasGodzin);
        QFETCH(bool, nieskonczonosc);
        auto t = stare();
        TFunkcjaSpec &k = t->t[indeks];
        k.czas_wyl = czas;
        k.przekazniki[4] = 3;
        const bool wolny = indeks >= 4;
        gdyOknoModalne<TFEdycjastanSpec>([&](TFEdycjastanSpec *e) {
            QCOMPARE(e->windowTitle(), QString("Tryb specjalny"));
            QCOMPARE(e->LabelNr->text(), nazwaFunkcjiSpecjalnej(indeks + 1, true));
            QTEST(e->gb_czas->title(), "tytulCzasu");
            QCOMPARE(e->gb_nazwa->title(), QString("Nazwa"));
            QCOMPARE(e->gb_logika->title(), QString("Logika przekaźników"));
            QCOMPARE(e->gb_trybWyzwalania->title(), QString("Tryb wyzwalania"));
            QCOMPARE(e->gb_trybWyzwalania->isVisible(), wolny);
            QCOMPARE(e->ed_nazwa->isVisible(), wolny);
            QCOMPARE(e->L_nazwa->isVisible(), !wolny);
            QCOMPARE(wolny ? e->ed_nazwa->text() : e->L_nazwa->text(), QString("stary %1").arg(indeks + 1));
            QCOMPARE(e->Min99SecEdit1->isVisible(), !czasGodzin.isEmpty());
            QCOMPARE(e->cb_nieskonczonosc->isVisible(), czasGodzin.isEmpty());
            if (!czasGodzin.isEmpty()) {
                QCOMPARE(e->Min99SecEdit1->text(), czasGodzin);
                QVERIFY(!e->ie_czasWylaczenia->isVisible());
            } else {
                QCOMPARE(e->cb_nieskonczonosc->text(), QString("nieskończoność"));
                QCOMPARE(e->cb_nieskonczonosc->isChecked(), nieskonczonosc);
                QCOMPARE(e->ie_czasWylaczenia->isVisible(), !nieskonczonosc);
                if (!nieskonczonosc)
                    QCOMPARE(e->ie_czasWylaczenia->Value(), czas);
            }
            QCOMPARE(e->co_logika->count(), 3);
            QCOMPARE(e->co_logika->currentIndex(), indeks % 3);
            QCOMPARE(e->co_tryb->count(), 2);
            QCOMPARE(e->co_tryb->currentIndex(), indeks % 2);
            QCOMPARE(e->przekazniki->title(), QString("Stan wyjść przekaźnikowych"));
            QCOMPARE(e->przekazniki->getValue(4), 3);
            QVERIFY(e->przekazniki->FSwitchArray[4]->maIkone());
            QVERIFY(e->sb_cls && e->but_odczyt && e->but_wyslij && e->but_otworz && e->but_zapisz);
            QVERIFY(!e->but_drukuj && !e->but_popraw);
            QVERIFY(e->findChildren<TWybierzAO *>().isEmpty());
            for (QWidget *w : e->findChildren<QWidget *>())
                if (w->isVisible() && (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)))
                    QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
            QVERIFY(!e->but_ok->isEnabled());
            e->but_anuluj->click();
        });
        const QByteArray przed = bajty(k);
        QVERIFY(!edytujTrybSpecjalny(k, nazwaFunkcjiSpecjalnej(indeks + 1, true), projekt->przekazniki, 1045));
        QCOMPARE(bajty(k), przed);
    }

    // What OK takes from F3's controls: the name (typing stops at 15),
    // logic, kind, the duration (ticking "nieskończoność" stores -1) and
    // relays 1..32; the list index, relays 33..128 and the reserves stay.
    void edytorZapisuje()
    {
        auto t = stare();
        TFunkcjaSpec &k = t->t[6];
        const TFunkcjaSpec przed = k;
        gdyOknoModalne<TFEdycjastanSpec>([&](TFEdycjastanSpec *e) {
            e->ed_nazwa->clear();
            QTest::keyClicks(e->ed_nazwa, "abcdefghijklmnopqrst");
            QCOMPARE(e->ed_nazwa->text(), QString("abcdefghijklmno"));
            e->co_logika->setCurrentIndex(2);
            e->co_tryb->setCurrentIndex(1);
            e->ie_czasWylaczenia->setText("250");
            QTest::mouseClick(e->cb_nieskonczonosc, Qt::LeftButton);
            QVERIFY(!e->ie_czasWylaczenia->isVisible());
            TFormDOwybierzDef &w = formaDOwybierzDef();
            gdyOknoModalne(&w, [&] {
                QCOMPARE(w.przekaznikNr, 2);
                w.TabSet1->setCurrentIndex(3);
                w.but_ok->click();
            });
            QTest::mouseClick(e->przekazniki->FSwitchArray[1], Qt::LeftButton);
            QVERIFY(e->but_ok->isEnabled());
            e->but_ok->click();
        });
        QVERIFY(edytujTrybSpecjalny(k, "FS03", projekt->przekazniki, 1045));
        QCOMPARE(nazwa50NaTekst(k.nazwa), QString("abcdefghijklmno"));
        QCOMPARE(int(k.logika), 2);
        QCOMPARE(int(k.tryb), 1);
        QCOMPARE(int(k.czas_wyl), -1);
        QCOMPARE(int(k.przekazniki[1]), 3);
        for (int j = 0; j < 128; ++j)
            if (j != 1)
                QCOMPARE(int(k.przekazniki[j]), int(przed.przekazniki[j]));
        QCOMPARE(int(k.nr_funkcji), 6);
        QCOMPARE(int(k.r2), 7);
    }

    // "Zatrzymanie" without a name shows its long name, and OK keeps the
    // empty name.
    void edytorNazwaStala()
    {
        auto t = stare();
        TFunkcjaSpec &k = t->t[1];
        k.nazwa = TNazwa50char{};
        gdyOknoModalne<TFEdycjastanSpec>([&](TFEdycjastanSpec *e) {
            QCOMPARE(e->L_nazwa->text(), QString("Zatrzymanie"));
            e->co_logika->setCurrentIndex(0);
            e->but_ok->click();
        });
        QVERIFY(edytujTrybSpecjalny(k, "FFs", projekt->przekazniki, 1045));
        QCOMPARE(int(k.logika), 0);
        QCOMPARE(bajty(k).mid(4, 100), QByteArray(100, '\0'));
    }

    // The seconds box: a typed value beyond -1..999 is brought back with
    // a warning; unticking "nieskończoność" turns a negative value into 0;
    // power loss stores its hours and minutes as minutes; the fixed modes'
    // names are not taken from the window.
    void edytorCzas_data()
    {
        QTest::addColumn<int>("indeks");
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<QString>("ostrzezenie"); // empty: none
        QTest::addColumn<bool>("odznacz");        // untick "nieskończoność" last
        QTest::addColumn<int>("czas");
        QTest::newRow("1500") << 5 << "1500"
                              << "Wartość ograniczono do maksymalnej!" << false << 999;
        QTest::newRow("-5") << 5 << "-5"
                            << "Wartość ograniczono do minmalnej!" << false << -1;
        QTest::newRow("-1, unticked") << 0 << "-1" << QString() << true << 0;
        QTest::newRow("999") << 1 << "999" << QString() << false << 999;
        QTest::newRow("power loss 12:34") << 2 << "12:34" << QString() << false << 754;
    }
    void edytorCzas()
    {
        QFETCH(int, indeks);
        QFETCH(QString, wpisane);
        QFETCH(QString, ostrzezenie);
        QFETCH(bool, odznacz);
        auto t = stare();
        TFunkcjaSpec &k = t->t[indeks];
        const TNazwa50char nazwa = k.nazwa;
        gdyOknoModalne<TFEdycjastanSpec>([&](TFEdycjastanSpec *e) {
            if (!ostrzezenie.isEmpty())
                s->komunikaty.oczekuj(R::Ostrzezenie, ostrzezenie);
            if (indeks == 2) {
                e->Min99SecEdit1->setText(wpisane);
            } else {
                e->ie_czasWylaczenia->clear();
                QTest::keyClicks(e->ie_czasWylaczenia, wpisane);
            }
            QVERIFY(s->komunikaty.pusty());
            if (odznacz) {
                QTest::mouseClick(e->cb_nieskonczonosc, Qt::LeftButton);
                QVERIFY(e->cb_nieskonczonosc->isChecked());
                QTest::mouseClick(e->cb_nieskonczonosc, Qt::LeftButton);
                QCOMPARE(e->ie_czasWylaczenia->text(), QString("0"));
            }
            e->but_ok->click();
        });
        QVERIFY(edytujTrybSpecjalny(k, nazwaFunkcjiSpecjalnej(indeks + 1, true), projekt->przekazniki, 1045));
        QTEST(int(k.czas_wyl), "czas");
        QCOMPARE(bajty(k).mid(4, 100), QByteArray(reinterpret_cast<const char *>(&nazwa), 100));
    }

    // Power loss's duration as a file or a controller holds it (minutes,
    // the block carries 16 bits with a sign): what its box shows (6000 and
    // more as 99:59, a negative one as 00:00), and the record that every
    // way out of the editor hands on while only the relay logic was
    // edited: OK, a send, a save, OK after a read or an open. "Czyść" sets
    // it to 0; typed into with keys, even with the text it showed, the
    // box's value is stored.
    void czasZanikuZasilania_data()
    {
        QTest::addColumn<int>("minuty");
        QTest::addColumn<QString>("akcja");
        for (const int minuty : {0, 59, 5999, 6000, 32767, 32768, 65535, -1})
            for (const char *akcja :
                 {"OK", "wysłanie", "zapis", "odczyt", "otwarcie", "Czyść", "klawisze", "te same klawisze"})
                QTest::addRow("%d min, %s", minuty, akcja) << minuty << QString::fromUtf8(akcja);
    }
    void czasZanikuZasilania()
    {
        QFETCH(int, minuty);
        QFETCH(QString, akcja);
        auto t = stare();
        TFunkcjaSpec k = t->t[2];
        k.czas_wyl = minuty;
        // Another field edited: the relay logic.
        TFunkcjaSpec ocz = k;
        ocz.logika = 0;
        const auto edytor = [&](const TFunkcjaSpec &r) {
            return oknoJakZWejscia<TFEdycjastanSpec>(
                r, [&](TFEdycjastanSpec &e) { e.ustawTryb(2, "FPf", projekt->przekazniki); });
        };
        const auto edytujInne = [](TFEdycjastanSpec &e) { e.co_logika->setCurrentIndex(0); };
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        const QString plik = katalog.filePath("t.k3spec1");

        if (akcja == "odczyt" || akcja == "otwarcie") {
            auto e = edytor(t->t[2]);
            if (akcja == "odczyt") {
                s->bloki.zmien([&](TProjektVXTNew &p, TProjektDodatkiMycie &) { p.FunkcjeSpec[12] = k; });
                e->but_odczyt->click();
                // What the wire carries, as read.
                QCOMPARE(int(e->TabAlarm.czas_wyl), int(int16_t(uint16_t(minuty))));
                ocz = e->TabAlarm;
                ocz.logika = 0;
            } else {
                zapiszPlik(plik, bajty(k));
                wybor.odpowiedzi = {plik};
                e->but_otworz->click();
                QCOMPARE(bajty(e->TabAlarm), bajty(k));
            }
            QCOMPARE(e->Min99SecEdit1->text(), godzinyMinuty(e->TabAlarm.czas_wyl));
            edytujInne(*e);
            e->but_ok->click();
            QCOMPARE(bajty(e->TabAlarm), bajty(ocz));
            return;
        }
        auto e = edytor(k);
        QCOMPARE(e->Min99SecEdit1->text(), godzinyMinuty(minuty));
        if (akcja == "OK") {
            edytujInne(*e);
            e->but_ok->click();
        } else if (akcja == "wysłanie") {
            edytujInne(*e);
            s->komunikaty.oczekuj(R::Informacja, wyslane);
            e->but_wyslij->click();
            QVERIFY(s->komunikaty.pusty());
            const auto bloki = s->dane('I', 0x03);
            QCOMPARE(int(bloki.size()), 1);
            QCOMPARE(int(uint8_t(bloki[0].at(0))), 12);
            QCOMPARE(slowo(bloki[0], 36), int(uint16_t(minuty)));
        } else if (akcja == "zapis") {
            edytujInne(*e);
            wybor.odpowiedzi = {plik};
            e->but_zapisz->click();
            QCOMPARE(czytajPlik(plik), bajty(ocz));
        } else if (akcja == "Czyść") {
            s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 1);
            e->sb_cls->click();
            QCOMPARE(e->Min99SecEdit1->text(), QString("00:00"));
            e->but_ok->click();
            QCOMPARE(int(e->TabAlarm.czas_wyl), 0);
            return;
        } else {
            // Keys into the box with the focus: "12:34", or the digits it showed.
            TMin99SecEdit *b = e->Min99SecEdit1;
            const QString pokazane = godzinyMinuty(minuty);
            const bool teSame = akcja == "te same klawisze";
            wpiszCzasIOk(*e, b, pokazane, teSame);
            ocz = k;
            ocz.czas_wyl = teSame ? std::clamp(minuty, 0, 5999) : 754;
        }
        QCOMPARE(bajty(e->TabAlarm), bajty(ocz));
    }

    // Power loss alone: read as mode 12 and renamed, sent as mode 12 in a
    // session of its own; F5 as mode 6 keeps the controller's name.
    void edytorTransfery_data()
    {
        QTest::addColumn<int>("indeks");
        QTest::addColumn<int>("numer");
        QTest::newRow("power loss") << 2 << 12;
        QTest::newRow("F5") << 8 << 6;
    }
    void edytorTransfery()
    {
        QFETCH(int, indeks);
        QFETCH(int, numer);
        auto t = stare();
        TFunkcjaSpec &k = t->t[indeks];
        gdyOknoModalne<TFEdycjastanSpec>([&](TFEdycjastanSpec *e) {
            e->but_odczyt->click();
            QCOMPARE(numeryWRamkach(*s, 'H', 0x03), QList<int>{numer});
            const QString nazwa =
                indeks == 2 ? QString("Zanik zasilania") : nazwa50NaTekst(trybSterownika(indeks).nazwa);
            QCOMPARE(nazwa50NaTekst(e->TabAlarm.nazwa), nazwa);
            QCOMPARE(indeks == 2 ? e->L_nazwa->text() : e->ed_nazwa->text(), nazwa);
            QCOMPARE(int(e->TabAlarm.nr_funkcji), indeks);
            QVERIFY(e->but_ok->isEnabled());
            e->co_logika->setCurrentIndex(1);
            s->komunikaty.oczekuj(R::Informacja, wyslane);
            e->but_wyslij->click();
            QVERIFY(s->komunikaty.pusty());
            QCOMPARE(pasekPostepu().Gauge1->maximum(), 3);
            e->but_ok->click();
        });
        QVERIFY(edytujTrybSpecjalny(k, nazwaFunkcjiSpecjalnej(indeks + 1, true), projekt->przekazniki, 1045));
        const auto r = s->pty.ramki();
        QCOMPARE(s->ramkiKomendy('I', 0x81).size(), 1);
        QCOMPARE(numeryWRamkach(*s, 'I', 0x03), QList<int>{numer});
        QCOMPARE(r.back().left(3), QByteArray::fromHex("014982"));
        const TFunkcjaSpec naLiniiPo = s->bloki.projekt()->FunkcjeSpec[numer];
        QCOMPARE(int(naLiniiPo.logika), 1);
        QVERIFY(rowneNaLaczu(naLiniiPo, k));
        QCOMPARE(int(k.nr_funkcji), indeks);
    }

    // Clear asks; Yes puts F3's controls to the long name "F3", duration 0,
    // both lists' first items, relays off (the record takes them at OK).
    void czyszczenie()
    {
        auto t = stare();
        TFunkcjaSpec &k = t->t[6];
        k.czas_wyl = -1;
        gdyOknoModalne<TFEdycjastanSpec>([&](TFEdycjastanSpec *e) {
            s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 0);
            e->sb_cls->click();
            QCOMPARE(e->ed_nazwa->text(), QString("stary 7"));
            QVERIFY(!e->but_ok->isEnabled());
            s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 1);
            e->sb_cls->click();
            QCOMPARE(e->ed_nazwa->text(), QString("F3"));
            QVERIFY(!e->cb_nieskonczonosc->isChecked());
            QVERIFY(e->ie_czasWylaczenia->isVisible());
            QCOMPARE(e->ie_czasWylaczenia->Value(), 0);
            QCOMPARE(e->Min99SecEdit1->text(), QString("00:00"));
            QCOMPARE(e->przekazniki->stany(), QByteArray(32, '\0'));
            QCOMPARE(int(e->TabAlarm.czas_wyl), -1);
            QVERIFY(e->but_ok->isEnabled());
            e->but_ok->click();
        });
        QVERIFY(edytujTrybSpecjalny(k, "FS03", projekt->przekazniki, 1045));
        QCOMPARE(nazwa50NaTekst(k.nazwa), QString("F3"));
        QCOMPARE(int(k.czas_wyl), 0);
        QCOMPARE(int(k.logika), 0);
        QCOMPARE(int(k.tryb), 0);
        for (int j = 0; j < 32; ++j)
            QCOMPARE(int(k.przekazniki[j]), 0);
    }

    // A mode file holds one mode, 256 bytes: loaded into FS03 it keeps
    // FS03's name and list index and takes everything else; a shorter
    // file changes nothing; a save writes the mode as the controls give
    // it.
    void plikTrybu()
    {
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        auto t = stare();
        TFunkcjaSpec zPliku = t->t[11];
        zPliku.nr_funkcji = 99;
        zPliku.r3 = 1234;
        zPliku.przekazniki[100] = 9;
        const QString plik = katalog.filePath("t.k3spec1"), krotki = katalog.filePath("krotki.k3spec1"),
                      zapisany = katalog.filePath("z.k3spec1");
        zapiszPlik(plik, bajty(zPliku));
        zapiszPlik(krotki, bajty(zPliku).left(255));
        TFunkcjaSpec &k = t->t[6];
        TFunkcjaSpec oczekiwany = zPliku;
        oczekiwany.nr_funkcji = k.nr_funkcji;
        oczekiwany.nazwa = k.nazwa;
        gdyOknoModalne<TFEdycjastanSpec>([&](TFEdycjastanSpec *e) {
            wybor.odpowiedzi = {krotki};
            s->komunikaty.oczekuj(R::Blad, "Bład przetwarzania pliku");
            e->but_otworz->click();
            QVERIFY(s->komunikaty.pusty());
            QCOMPARE(e->ie_czasWylaczenia->Value(), 70);
            QVERIFY(!e->but_ok->isEnabled());
            wybor.odpowiedzi = {plik};
            e->but_otworz->click();
            QCOMPARE(bajty(e->TabAlarm), bajty(oczekiwany));
            QCOMPARE(e->ed_nazwa->text(), QString("stary 7"));
            QCOMPARE(e->ie_czasWylaczenia->Value(), 120);
            QVERIFY(e->but_ok->isEnabled());
            wybor.odpowiedzi = {zapisany};
            e->but_zapisz->click();
            e->but_ok->click();
        });
        QVERIFY(edytujTrybSpecjalny(k, "FS03", projekt->przekazniki, 1045));
        QCOMPARE(wybor.filtry, QStringList(3, "Kvor350|*.k3spec1"));
        QCOMPARE(bajty(k), bajty(oczekiwany));
        QCOMPARE(czytajPlik(zapisany), bajty(oczekiwany));
    }
};

QTEST_MAIN(TestTrybySpecjalne)
#include "test_tryby_specjalne.moc"
