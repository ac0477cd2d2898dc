// The program editor offscreen against the simulator: the grid's columns
// and texts, the in-cell editors with their ranges, messages and tenths
// rule, step references without a step, the washing program, compare with
// the controller, "Kopiuj ustawienia", clear, files, read, send, print and
// the entry function.
#include "sym_edytora.h"
#include "test_qt.h"
#include "wejscie_okna.h"

#include "edycja_liczb.h"
#include "porownaj.h"
#include "program.h"
#include "programy_transfer.h"
#include "projekt_biezacy.h"
#include "raport.h"
#include "tabela_pamieci.h"
#include "tekst_pdf.h"
#include "wybierz_pozycje.h"
#include "wydruk_pdf.h"

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>

#include <cstring>

using R = RodzajKomunikatu;

namespace {

const QString zakres = QStringLiteral(" Nieprawidłowy zakres parametru ! ");

QByteArray bajty(const TProgram &p) { return QByteArray(reinterpret_cast<const char *>(&p), sizeof p); }

// Grid columns.
enum { kKrok = 0, kNazwaKroku, kGodzin, kMinut, kTempKomory, kTempBatonu, kWilgotnosc, kDelta, kD1, kD8 = 15 };

// A program of known values: row r (1..50) step r % 33, chamber 10 r,
// core 5 r, humidity r, delta r tenths, r % 24 h, r % 60 min, additions
// D(i+1) = 10 r + i tenths.
void znany(TProgram &p, const QString &nazwa, int nr)
{
    std::memset(&p, 0, sizeof p);
    tekstNaNazwe50(nazwa, p.nazwa);
    for (int r = 1; r <= ileWierszyProgramu; ++r) {
        TCyklProgramu w{};
        w.v[wcKrok] = r % 33;
        w.v[wcTempKomory] = 10 * r;
        w.v[wcTempBatonu] = 5 * r;
        w.v[wcWilgotnosc] = r;
        w.v[wcDelta] = r;
        w.v[wcGodzin] = r % 24;
        w.v[wcMinut] = r % 60;
        for (int i = 0; i < 8; ++i)
            w.v[wcDodatek1 + i] = 10 * r + i;
        p.cykle[r - 1] = w;
    }
    p.nr_prog = nr;
}

QString komorka(const TFProgramMycia &o, int wiersz, int kolumna)
{
    return o.tabela->index(wiersz, kolumna).data().toString();
}

int32_t wartosc(const TFProgramMycia &o, int wiersz, int i)
{
    const TCyklProgramu w = o.rekord.cykle[wiersz];
    return w.v[i];
}

// Watches for the compare window while a test runs: it is closed and
// counted.
struct StrazPorownania {
    QTimer t;
    int pokazan = 0;
    StrazPorownania()
    {
        QObject::connect(&t, &QTimer::timeout, [this] {
            if (formaPorownaj().isVisible()) {
                ++pokazan;
                formaPorownaj().reject();
            }
        });
        t.start(20);
    }
};

} // namespace

class TestProgram : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;
    std::unique_ptr<TProjektVXTNew> projekt; // the PC's project: step and input names, the programs

    // An editor as edytujProgram opens it, shown without a modal run.
    std::unique_ptr<TFProgramMycia> okno(const TProgram &p, int nr)
    {
        auto o = std::make_unique<TFProgramMycia>();
        o->ustawJezyk(1045);
        o->ustawProgram(nr, projekt->programy);
        kopiujRekord(o->rekord, p);
        o->rekord.nr_prog = nr;
        o->WypiszDane();
        o->wynik = false;
        o->but_ok->setEnabled(false);
        o->show();
        return o;
    }
    std::unique_ptr<TFProgramMycia> oknoP03()
    {
        TProgram p;
        znany(p, QStringLiteral("Parzenie"), 2);
        return okno(p, 2);
    }

    // Types into cell (wiersz, kolumna)'s editor and leaves it with `klawisz`.
    static void wpisz(TFProgramMycia &o, int wiersz, int kolumna, const QString &tekst, int klawisz = Qt::Key_Return)
    {
        const QModelIndex i = o.tabela->index(wiersz, kolumna);
        o.StringGridSetup->setCurrentIndex(i);
        o.StringGridSetup->edit(i);
        auto *e = qobject_cast<QLineEdit *>(o.StringGridSetup->indexWidget(i));
        QVERIFY(e);
        e->setText(tekst);
        QTest::keyClick(e, Qt::Key(klawisz));
        // Enter commits once the editor has seen the key.
        QTRY_VERIFY(!o.StringGridSetup->indexWidget(i));
    }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        projekt = std::make_unique<TProjektVXTNew>();
        TProjektDodatkiMycie m{};
        BlokiSym::przykladowy(*projekt, m, 31);
        for (int k = 1; k <= 32; ++k) {
            tekstNaNazwe50(QStringLiteral("krok %1").arg(k), projekt->kroki[k].nazwa);
            tekstNaNazwe50(QStringLiteral("mycie %1").arg(k), projekt->krokiMycie[k].nazwa);
        }
        tekstNaNazwe50(QStringLiteral("Komora"), projekt->FWejsciaPomiarowe[0].nazwa);
        tekstNaNazwe50(QStringLiteral("Baton"), projekt->FWejsciaPomiarowe[2].nazwa);
        ustawZrodloProjektu([this] { return TProjektAplikacji{projekt.get(), nullptr}; });
        s->bloki.ustaw(*projekt, m);
    }
    void poTescie() override { s.reset(); }

private slots:
    void initTestCase() { QApplication::setApplicationName("Setup kVOR 350"); }

    void okno()
    {
        auto o = oknoP03();
        QCOMPARE(o->windowTitle(), QString("Program"));
        QCOMPARE(o->L_program->text(), QString("Program"));
        QCOMPARE(o->LabelNr->text(), QString("P03"));
        QCOMPARE(o->ed_nazwaProgramu->text(), QString("Parzenie"));
        QVERIFY(o->ed_nazwaProgramu->isEnabled());
        QVERIFY(!o->but_kopiuj->isHidden());
        QCOMPARE(o->but_porownaj->toolTip(), QString("Porównaj"));
        QCOMPARE(o->but_kopiuj->toolTip(), QString("Kopiuj ustawienia"));
        QCOMPARE(o->sb_cls->toolTip(), QString("Czyść"));
        QCOMPARE(o->tabela->rowCount(), 50);
        QCOMPARE(o->tabela->columnCount(), 16);
        const QStringList tytuly{"Krok",       "Nazwa kroku", "Godzin",   "Minut",    "AI1.1 Komora", "AI1.3 Baton",
                                 "Wilgotność", "Delta",       "Dodatek1", "Dodatek2", "Dodatek3",     "Dodatek4",
                                 "Dodatek5",   "Dodatek6",    "Dodatek7", "Dodatek8"};
        for (int k = 0; k < 16; ++k)
            QCOMPARE(o->tabela->headerData(k, Qt::Horizontal, Qt::DisplayRole).toString(), tytuly[k]);
        QCOMPARE(o->StringGridSetup->columnWidth(kKrok), 60);
        QCOMPARE(o->StringGridSetup->columnWidth(kTempKomory), 110);
        QCOMPARE(o->StringGridSetup->columnWidth(kD8), 75);
        // Row 25: step 25, 250, 125, 25, 2.5, 1 h, 25 min, D1 25.0 .. D8 25.7.
        const QStringList wiersz{"25", "ST25: krok 25", "1", "25", "250", "125", "25", "2,5", "25,0", "25,1"};
        for (int k = 0; k < wiersz.size(); ++k)
            QCOMPARE(komorka(*o, 24, k), wiersz[k]);
        QCOMPARE(komorka(*o, 24, kD8), QString("25,7"));
        QCOMPARE(komorka(*o, 32, kNazwaKroku), QString("OFF"));
        QVERIFY(!o->tabela->flags(o->tabela->index(0, kKrok)).testFlag(Qt::ItemIsEditable));
        for (int k = kNazwaKroku; k <= kD8; ++k)
            QVERIFY(o->tabela->flags(o->tabela->index(0, k)).testFlag(Qt::ItemIsEditable));
        QVERIFY(!o->but_ok->isEnabled());
    }

    // The washing program: its own caption and label, a name box that
    // cannot be edited and names the program "Mycie", no copy, the washing
    // steps, its own file extension; it always goes as number 100.
    void mycie()
    {
        TProgram p;
        znany(p, QStringLiteral("dowolna"), 7);
        const QByteArray przed = bajty(p);
        gdyOknoModalne<TFProgramMycia>([&](TFProgramMycia *o) {
            QCOMPARE(o->windowTitle(), QString("Program mycia"));
            QCOMPARE(o->LabelNr->text(), QString("Mycie"));
            QVERIFY(!o->ed_nazwaProgramu->isEnabled());
            QCOMPARE(o->ed_nazwaProgramu->text(), QString("Mycie"));
            QCOMPARE(nazwa50NaTekst(o->rekord.nazwa), QString("Mycie"));
            QCOMPARE(o->rekord.nr_prog, 100);
            QVERIFY(o->but_kopiuj->isHidden());
            const QStringList kroki = o->tabela->index(0, kNazwaKroku).data(TTabelaPamieci::RolaListy).toStringList();
            QCOMPARE(kroki.size(), 17);
            QCOMPARE(kroki.first(), QString("OFF"));
            QCOMPARE(kroki.last(), QString("SW16: mycie 16"));
            QCOMPARE(komorka(*o, 2, kNazwaKroku), QString("SW3: mycie 3"));
            QVERIFY(!o->but_ok->isEnabled());
            WyborPlikuSkrypt wybor;
            wybor.odpowiedzi = {QString()};
            o->but_zapisz->click();
            QCOMPARE(wybor.filtry, QStringList{"Kvor350|*.k3pogm"});
            o->but_anuluj->click();
        });
        QVERIFY(!edytujProgram(p, nrProgramuMycia, 1045, projekt->programy));
        QCOMPARE(bajty(p), przed);
    }

    // Typed values: outside the column's range (also beyond 32 or 64 bits)
    // or no number, the message with the column's maximum and 0 stored;
    // tenths x 10 rounded halves to even; an empty cell is 0.
    void zakresy_data()
    {
        QTest::addColumn<int>("kolumna");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("zapisane");
        QTest::addColumn<QString>("maksimum"); // of the message; empty: none
        QTest::addColumn<QString>("pokazane");
        QTest::newRow("minutes 95") << int(kMinut) << "95" << 0 << "59"
                                    << "0";
        QTest::newRow("minutes 59") << int(kMinut) << "59" << 59 << ""
                                    << "59";
        QTest::newRow("hours 100") << int(kGodzin) << "100" << 0 << "99"
                                   << "0";
        QTest::newRow("chamber -99") << int(kTempKomory) << "-99" << -99 << ""
                                     << "-99";
        QTest::newRow("chamber -100") << int(kTempKomory) << "-100" << 0 << "900"
                                      << "0";
        QTest::newRow("core 901") << int(kTempBatonu) << "901" << 0 << "900"
                                  << "0";
        QTest::newRow("humidity 100") << int(kWilgotnosc) << "100" << 0 << "99"
                                      << "0";
        QTest::newRow("delta 90,0") << int(kDelta) << "90,0" << 900 << ""
                                    << "90,0";
        QTest::newRow("delta 90,1") << int(kDelta) << "90,1" << 0 << "90"
                                    << "0,0";
        QTest::newRow("addition 250,0") << int(kD1) << "250,0" << 0 << "200"
                                        << "0,0";
        QTest::newRow("addition 12,3") << int(kD1 + 1) << "12,3" << 123 << ""
                                       << "12,3";
        QTest::newRow("addition 12,25: half to even") << int(kD8) << "12,25" << 122 << ""
                                                      << "12,2";
        QTest::newRow("addition 12,35: half to even") << int(kD8) << "12,35" << 124 << ""
                                                      << "12,4";
        QTest::newRow("addition -99,9") << int(kD1) << "-99,9" << -999 << ""
                                        << "-99,9";
        QTest::newRow("addition -100") << int(kD1) << "-100" << 0 << "200"
                                       << "0,0";
        QTest::newRow("minutes 99999999999") << int(kMinut) << "99999999999" << 0 << "59"
                                             << "0";
        QTest::newRow("chamber 20 digits") << int(kTempKomory) << "-99999999999999999999" << 0 << "900"
                                           << "0";
        QTest::newRow("hours 1-2") << int(kGodzin) << "1-2" << 0 << "99"
                                   << "0";
        QTest::newRow("hours empty") << int(kGodzin) << "" << 0 << ""
                                     << "0";
        QTest::newRow("delta 19 digits") << int(kDelta) << "9999999999999999999" << 0 << "90"
                                         << "0,0";
        QTest::newRow("addition 26 digits") << int(kD1) << "-99999999999999999999999999" << 0 << "200"
                                            << "0,0";
        QTest::newRow("addition 1,2,3") << int(kD8) << "1,2,3" << 0 << "200"
                                        << "0,0";
    }
    void zakresy()
    {
        QFETCH(int, kolumna);
        QFETCH(QString, tekst);
        QFETCH(QString, maksimum);
        auto o = oknoP03();
        if (!maksimum.isEmpty())
            s->komunikaty.oczekuj(R::Komunikat, zakres + maksimum);
        wpisz(*o, 9, kolumna, tekst);
        QVERIFY(s->komunikaty.pusty());
        if (!maksimum.isEmpty())
            QCOMPARE(s->komunikaty.pokazane.at(0).tekst, zakres + maksimum);
        static const int indeks[] = {-1, wcKrok, wcGodzin, wcMinut, wcTempKomory, wcTempBatonu, wcWilgotnosc, wcDelta};
        const int i = kolumna >= kD1 ? wcDodatek1 + kolumna - kD1 : indeks[kolumna];
        QTEST(int(wartosc(*o, 9, i)), "zapisane");
        QTEST(komorka(*o, 9, kolumna), "pokazane");
        QVERIFY(o->but_ok->isEnabled());
    }

    // A cell still being edited when an action takes the window's values
    // goes in first, as on leaving the cell: a value its field refuses
    // shows the message and becomes 0 there, and the action ends, so that
    // the technician sees the 0 before anything is sent, saved or stored.
    void otwartaKomorka_data()
    {
        QTest::addColumn<int>("akcja"); // 0 send, 1 save, 2 OK
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("odmowa");
        const char *akcje[] = {"send", "save", "OK"};
        for (int a = 0; a < 3; ++a) {
            QTest::addRow("%s, delta 95,0", akcje[a]) << a << "95,0" << true;
            QTest::addRow("%s, delta 50,0", akcje[a]) << a << "50,0" << false;
        }
    }
    void otwartaKomorka()
    {
        QFETCH(int, akcja);
        QFETCH(QString, tekst);
        QFETCH(bool, odmowa);
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        const QString plik = katalog.filePath(QStringLiteral("p.k3pog"));
        wybor.odpowiedzi = {plik};
        auto o = oknoP03();
        o->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(o.get()));
        o->but_ok->setEnabled(true);
        const QModelIndex i = o->tabela->index(9, kDelta);
        o->StringGridSetup->setCurrentIndex(i);
        o->StringGridSetup->edit(i);
        auto *e = qobject_cast<QLineEdit *>(o->StringGridSetup->indexWidget(i));
        QVERIFY(e);
        e->setFocus();
        e->setText(tekst);
        if (odmowa)
            s->komunikaty.oczekuj(R::Komunikat, zakres + "90");
        QAbstractButton *b = akcja == 0   ? static_cast<QAbstractButton *>(o->but_wyslij)
                             : akcja == 1 ? static_cast<QAbstractButton *>(o->but_zapisz)
                                          : o->but_ok;
        klik(b);
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(!o->StringGridSetup->indexWidget(i));
        QCOMPARE(int(wartosc(*o, 9, wcDelta)), odmowa ? 0 : 500);
        QCOMPARE(komorka(*o, 9, kDelta), odmowa ? QStringLiteral("0,0") : QStringLiteral("50,0"));
        QCOMPARE(s->ramki('I', 0x0F) > 0, akcja == 0 && !odmowa);
        QCOMPARE(QFile::exists(plik), akcja == 1 && !odmowa);
        QCOMPARE(o->isVisible(), akcja != 2 || odmowa);
    }

    // Esc leaves a cell editor storing what was typed, as Enter does.
    void escZapisuje()
    {
        auto o = oknoP03();
        wpisz(*o, 0, kGodzin, "7", Qt::Key_Escape);
        QCOMPARE(wartosc(*o, 0, wcGodzin), 7);
        QVERIFY(o->isVisible());
        s->komunikaty.oczekuj(R::Komunikat, zakres + "59");
        wpisz(*o, 0, kMinut, "60", Qt::Key_Escape);
        QCOMPARE(wartosc(*o, 0, wcMinut), 0);
    }

    // Step references: a negative one is shown and kept as OFF; one that
    // names no step shows its bare number, opens the list with nothing
    // chosen and keeps its value when nothing is chosen; a choice stores
    // the item's index.
    void kroki()
    {
        TProgram p;
        znany(p, QStringLiteral("kroki"), 4);
        TCyklProgramu w = p.cykle[0];
        w.v[wcKrok] = -1;
        p.cykle[0] = w;
        w = p.cykle[1];
        w.v[wcKrok] = 40;
        p.cykle[1] = w;
        auto o = okno(p, 4);
        QCOMPARE(komorka(*o, 0, kNazwaKroku), QString("OFF"));
        QCOMPARE(wartosc(*o, 0, wcKrok), 0);
        QCOMPARE(komorka(*o, 1, kNazwaKroku), QString("ST40: "));

        const QModelIndex i = o->tabela->index(1, kNazwaKroku);
        o->StringGridSetup->setCurrentIndex(i);
        QTest::keyClick(o->StringGridSetup, Qt::Key_Return);
        auto *c = qobject_cast<QComboBox *>(o->StringGridSetup->indexWidget(i));
        QVERIFY(c);
        QCOMPARE(c->count(), 33);
        QCOMPARE(c->itemText(32), QString("ST32: krok 32"));
        QCOMPARE(c->currentIndex(), -1);
        QTest::keyClick(c, Qt::Key_Return);
        QTRY_VERIFY(!o->StringGridSetup->indexWidget(i));
        QCOMPARE(wartosc(*o, 1, wcKrok), 40);

        o->StringGridSetup->edit(i);
        c = qobject_cast<QComboBox *>(o->StringGridSetup->indexWidget(i));
        QVERIFY(c);
        c->setCurrentIndex(3);
        QTest::keyClick(c, Qt::Key_Return);
        QTRY_VERIFY(!o->StringGridSetup->indexWidget(i));
        QCOMPARE(wartosc(*o, 1, wcKrok), 3);
        QCOMPARE(komorka(*o, 1, kNazwaKroku), QString("ST3: krok 3"));
        // No project to name the steps: the bare references.
        ustawZrodloProjektu({});
        QCOMPARE(tekstKroku(3, false), QString("ST3: "));
        QCOMPARE(tekstKroku(3, true), QString("SW3: "));
        QCOMPARE(tytulTemperatury(1), QString("AI1.1 "));
    }

    // Rows 51..100 are reserved: OK keeps them byte for byte, a negative
    // value in their field 0 too; a negative step reference in rows 1..50
    // is OFF.
    void wierszeZastrzezone()
    {
        auto p = std::make_unique<TKopiaRobocza<TProgram>>();
        znany(p->r, QStringLiteral("zastrzezone"), 4);
        for (int r = ileWierszyProgramu; r < 100; ++r) {
            TCyklProgramu w{};
            for (int i = 0; i < 42; ++i)
                w.v[i] = (r + 1) * 100 + i;
            w.v[wcKrok] = -r;
            p->r.cykle[r] = w;
        }
        TCyklProgramu w = p->r.cykle[ileWierszyProgramu - 1];
        w.v[wcKrok] = -1;
        p->r.cykle[ileWierszyProgramu - 1] = w;
        const QByteArray zastrzezone =
            bajty(p->r).mid(offsetof(TProgram, cykle) + ileWierszyProgramu * sizeof(TCyklProgramu),
                            (100 - ileWierszyProgramu) * sizeof(TCyklProgramu));
        auto o = okno(p->r, 4);
        o->modyfikacja();
        o->but_ok->click();
        QCOMPARE(wartosc(*o, ileWierszyProgramu - 1, wcKrok), 0);
        QCOMPARE(bajty(o->rekord).mid(offsetof(TProgram, cykle) + ileWierszyProgramu * sizeof(TCyklProgramu),
                                      (100 - ileWierszyProgramu) * sizeof(TCyklProgramu)),
                 zastrzezone);
    }

    // The washing program's name is data that goes to the controller:
    // "Mycie" in every language; the label above it follows the language.
    void mycieWJezykach_data()
    {
        QTest::addColumn<QString>("modul");
        QTest::addColumn<QString>("etykieta");
        QTest::newRow("English") << "kvor-setupENG"
                                 << "Washing";
        QTest::newRow("Russian") << "kvor-setupRUS"
                                 << "Мойка";
    }
    void mycieWJezykach()
    {
        QFETCH(QString, modul);
        QTranslator tlumacz;
        QVERIFY(tlumacz.load(QStringLiteral(KVOR_BIN "/") + modul));
        QCoreApplication::installTranslator(&tlumacz);
        auto p = std::make_unique<TKopiaRobocza<TProgram>>();
        znany(p->r, QStringLiteral("dowolna"), 7);
        auto o = okno(p->r, nrProgramuMycia);
        QTEST(o->LabelNr->text(), "etykieta");
        QCOMPARE(o->ed_nazwaProgramu->text(), QString("Mycie"));
        o->modyfikacja();
        o->but_ok->click();
        QCoreApplication::removeTranslator(&tlumacz);
        QCOMPARE(bajty(o->rekord).left(100),
                 QByteArray(reinterpret_cast<const char *>(u"Mycie"), 10) + QByteArray(90, '\0'));
    }

    // The differences with the controller's program, PC's value first,
    // in row order; a washing program compares no name and no number.
    void porownanie_data()
    {
        QTest::addColumn<bool>("lan");
        QTest::newRow("RS-485") << false;
        QTest::newRow("TCP/IP") << true;
    }
    void porownanie()
    {
        QFETCH(bool, lan);
        if (lan)
            QVERIFY(s->przezLan());
        TProgram sterownik;
        znany(sterownik, QStringLiteral("Wędzenie"), 2);
        auto p = s->bloki.projekt();
        p->programy[2] = sterownik;
        s->bloki.ustaw(*p, TProjektDodatkiMycie{});

        TProgram pc = sterownik;
        tekstNaNazwe50(QStringLiteral("Parzenie"), pc.nazwa);
        const auto zmien = [&pc](int wiersz, int i, int32_t v) {
            TCyklProgramu w = pc.cykle[wiersz - 1];
            w.v[i] = v;
            pc.cykle[wiersz - 1] = w;
        };
        zmien(2, wcKrok, 0);
        zmien(2, wcTempKomory, 85);
        zmien(3, wcWilgotnosc, 55);
        zmien(4, wcTempBatonu, 72);
        zmien(5, wcDelta, 30);
        zmien(7, wcGodzin, 2);
        zmien(7, wcMinut, 45);
        zmien(9, wcDodatek1 + 1, 15);
        zmien(9, wcDodatek1 + 4, -20);
        auto o = okno(pc, 2);
        QStringList wiersze;
        gdyOknoModalne<TFormPorownaj>([&](TFormPorownaj *f) {
            QCOMPARE(f->windowTitle(), QString("Wynik porównania ustawień PROGRAMU: P03"));
            QCOMPARE(f->memproj->headerData(2, Qt::Horizontal).toString(), QString("W programie na PC"));
            QCOMPARE(f->memproj->headerData(3, Qt::Horizontal).toString(), QString("W sterowniku"));
            for (int r = 0; r < f->memproj->rowCount(); ++r) {
                QStringList k;
                for (int c = 0; c < 4; ++c)
                    k << f->memproj->item(r, c)->text();
                wiersze << k.join(QLatin1Char('|'));
            }
            f->but_zamknij->click();
        });
        o->but_porownaj->click();
        QVERIFY(s->komunikaty.pokazane.empty());
        const QStringList oczekiwane{
            " 1|Nazwa programu|Parzenie|Wędzenie",
            " 2|Krok 2|OFF|ST2: krok 2",
            " 3|Krok 2 AI1.1 Komora|85|20",
            " 4|Krok 3 Wilgotność|55| 3",
            " 5|Krok 4 AI1.3 Baton|72|20",
            " 6|Krok 5 Delta|3,0|0,5",
            " 7|Krok 7 Czas (Godziny)| 2| 7",
            " 8|Krok 7 Czas (Minuty)|45| 7",
            " 9|Krok 9 Dodatki|D2=1,5 D5=-2,0 |D2=9,1 D5=9,4 ",
        };
        QCOMPARE(wiersze, oczekiwane);
        // The read changed nothing in the window.
        QCOMPARE(bajty(o->rekord), bajty(pc));
        QVERIFY(!o->but_ok->isEnabled());
        QVERIFY(!pasekPostepu().isVisible());
    }

    // Equal programs: the information box, no compare window; also after
    // "Kopiuj ustawienia", which keeps the edited program's number.
    void porownanieRowne()
    {
        StrazPorownania straz;
        TProgram p;
        znany(p, QStringLiteral("Ten sam"), 6);
        auto sym = s->bloki.projekt();
        sym->programy[6] = p;
        s->bloki.ustaw(*sym, TProjektDodatkiMycie{});
        projekt->programy[2] = p;
        projekt->programy[2].nr_prog = 2;

        TProgram inny;
        znany(inny, QStringLiteral("Inny"), 6);
        inny.cykle[3].v[wcGodzin] = 9;
        auto o = okno(inny, 6);
        s->komunikaty.oczekuj(R::Pytanie, "Czy chcesz skopiować ustawnienia programu?", 1);
        gdyOknoModalne<TFormWybierzPozycjeDlg>([](TFormWybierzPozycjeDlg *d) {
            d->ComboBox1->setCurrentIndex(2);
            d->but_ok->click();
        });
        o->but_kopiuj->click();
        QCOMPARE(o->rekord.nr_prog, 6);
        QCOMPARE(o->ed_nazwaProgramu->text(), QString("Ten sam"));
        QVERIFY(o->but_ok->isEnabled());
        s->komunikaty.oczekuj(R::Informacja, "Ustawienie PROGRAMU sterownika zgodne z programem.");
        o->but_porownaj->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(straz.pokazan, 0);
    }

    // The washing program's compare leaves out its name and number.
    void porownanieMycia()
    {
        TProgram a, b;
        znany(a, QStringLiteral("Mycie"), 100);
        znany(b, QStringLiteral("inna"), 3);
        QVERIFY(porownajProgram(true, a, b).isEmpty());
        const QList<TRoznicaPola> r = porownajProgram(false, a, b);
        QCOMPARE(r.size(), 2);
        QCOMPARE(r[1].nazwa, QString("Numer programu"));
        QCOMPARE(r[1].program, QString("100"));
        QCOMPARE(r[1].sterownik, QString(" 3"));
        b = a;
        b.cykle[0].v[wcKrok] = 2;
        QCOMPARE(porownajProgram(true, a, b).at(0).sterownik, QString("SW2: mycie 2"));
    }

    // "Kopiuj ustawienia": No, or no choice, changes nothing.
    void kopiowanieOdrzucone()
    {
        auto o = oknoP03();
        const QByteArray przed = bajty(o->rekord);
        s->komunikaty.oczekuj(R::Pytanie, "Czy chcesz skopiować ustawnienia programu?", 0);
        o->but_kopiuj->click();
        s->komunikaty.oczekuj(R::Pytanie, "Czy chcesz skopiować ustawnienia programu?", 1);
        gdyOknoModalne<TFormWybierzPozycjeDlg>([](TFormWybierzPozycjeDlg *d) { d->but_anuluj->click(); });
        o->but_kopiuj->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(bajty(o->rekord), przed);
        QVERIFY(!o->but_ok->isEnabled());
    }

    // Clear asks first; Yes zeroes all but the program's number.
    void czyszczenie()
    {
        auto o = oknoP03();
        const QByteArray przed = bajty(o->rekord);
        s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 0);
        o->sb_cls->click();
        QCOMPARE(bajty(o->rekord), przed);
        s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 1);
        o->sb_cls->click();
        TProgram zero{};
        zero.nr_prog = 2;
        QCOMPARE(bajty(o->rekord), bajty(zero));
        QCOMPARE(o->ed_nazwaProgramu->text(), QString());
        QCOMPARE(komorka(*o, 0, kNazwaKroku), QString("OFF"));
        QVERIFY(o->but_ok->isEnabled());
    }

    // ".k3pog": one program, 16,916 bytes; a file of P03 loaded into P07
    // keeps P07's number; a short file changes nothing.
    void pliki()
    {
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        auto o = oknoP03();
        const QString plik = katalog.filePath("p03.k3pog");
        wybor.odpowiedzi = {plik};
        o->but_zapisz->click();
        QCOMPARE(wybor.filtry, QStringList{"Kvor350|*.k3pog"});
        QFile f(plik);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.size(), qint64(16916));
        const QByteArray zapisane = f.readAll();
        QCOMPARE(zapisane, bajty(o->rekord));

        TProgram p07;
        znany(p07, QStringLiteral("Siódmy"), 6);
        p07.cykle[0].v[wcGodzin] = 11;
        auto siodmy = okno(p07, 6);
        wybor.odpowiedzi = {plik};
        siodmy->but_otworz->click();
        TProgram oczekiwany = o->rekord;
        oczekiwany.nr_prog = 6;
        QCOMPARE(bajty(siodmy->rekord), bajty(oczekiwany));
        QCOMPARE(siodmy->ed_nazwaProgramu->text(), QString("Parzenie"));
        QVERIFY(siodmy->but_ok->isEnabled());

        const QString krotki = katalog.filePath("krotki.k3pog");
        QFile k(krotki);
        QVERIFY(k.open(QIODevice::WriteOnly));
        k.write(zapisane.left(16915));
        k.close();
        auto trzeci = okno(p07, 6);
        wybor.odpowiedzi = {krotki};
        s->komunikaty.oczekuj(R::Blad, "Bład przetwarzania pliku");
        trzeci->but_otworz->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(bajty(trzeci->rekord), bajty(p07));
        QVERIFY(!trzeci->but_ok->isEnabled());
    }

    // Read: the controller's program under the window's number; a read
    // that fails part way leaves the window's program as it was.
    void odczyt()
    {
        auto o = oknoP03();
        const QByteArray przed = bajty(o->rekord);
        s->zepsujOd('H', 0x0F, 2);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        o->but_odczyt->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(bajty(o->rekord), przed);
        QVERIFY(!o->but_ok->isEnabled());
        QCOMPARE(komorka(*o, 0, kGodzin), QString("1"));

        s->usterki.wyczysc();
        s->pty.naRamke = nullptr;
        o->but_odczyt->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(bajty(o->rekord), bajty(s->bloki.projekt()->programy[2]));
        QCOMPARE(o->ed_nazwaProgramu->text(), nazwaProgramu(s->bloki.projekt()->programy[2]));
        QVERIFY(o->but_ok->isEnabled());
        QVERIFY(!pasekPostepu().isVisible());
    }

    // Send: alone, in a session of its own, as the window's number, and
    // without a success box.
    void wyslanie()
    {
        auto o = oknoP03();
        o->rekord.nr_prog = 9;
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pokazane.empty());
        const StanSterownika st = s->sterownik.stan();
        QCOMPARE(st.ileSesji, 1);
        QVERIFY(!st.sesjaOtwarta);
        QCOMPARE(st.zapisyPozaSesja, 0);
        const TProgram na = s->bloki.projekt()->programy[2];
        QCOMPARE(nazwaProgramu(na), QString("Parzenie"));
        QCOMPARE(std::memcmp(na.cykle, o->rekord.cykle, 50 * sizeof(TCyklProgramu)), 0);
        QCOMPARE(pasekPostepu().Gauge1->maximum(), 1);
        QCOMPARE(pasekPostepu().Gauge1->value(), 1);
        QVERIFY(o->but_ok->isEnabled());
    }

    void drukowanie()
    {
        QTemporaryDir katalog;
        WydrukDoPdf wydruk(katalog.path());
        auto o = oknoP03();
        o->but_drukuj->click();
        QCOMPARE(wydruk.wywolania, QStringList{"podglad"});
        const QString tekst = tekstPdf(wydruk.pliki.at(0));
        QVERIFY(!tekst.isEmpty());
        for (const QString &t : {QString("Program: P03 - Parzenie"), QString("Setup kVOR 350"), QString("Krok"),
                                 QString("Nazwa kroku"), QString("Godzin"), QString("Minut"), QString("AI1.1 Komora"),
                                 QString("AI1.3 Baton"), QString("Wilgotność"), QString("Delta"), QString("D1"),
                                 QString("D8"), QString("ST25: krok 25"), QString("25,7"), QString("Wydrukowano: ")})
            QVERIFY2(tekst.contains(t), qPrintable(t + " in:\n" + tekst));

        TProgram m;
        znany(m, QStringLiteral("x"), 100);
        auto mycie = okno(m, nrProgramuMycia);
        mycie->but_drukuj->click();
        QVERIFY(tekstPdf(wydruk.pliki.at(1)).contains("Program - Mycie"));
    }

    // The entry: Anuluj hands nothing back; OK after an edit hands the
    // program back under the number it was opened with.
    void wejscie()
    {
        TProgram p;
        znany(p, QStringLiteral("Start"), 77);
        const QByteArray przed = bajty(p);
        gdyOknoModalne<TFProgramMycia>([](TFProgramMycia *o) { o->but_anuluj->click(); });
        QVERIFY(!edytujProgram(p, 4, 1045, projekt->programy));
        QCOMPARE(bajty(p), przed);

        gdyOknoModalne<TFProgramMycia>([](TFProgramMycia *o) {
            QVERIFY(!o->but_ok->isEnabled());
            QTest::keyClicks(o->ed_nazwaProgramu, "X");
            QVERIFY(o->but_ok->isEnabled());
            o->but_ok->click();
        });
        QVERIFY(edytujProgram(p, 4, 1045, projekt->programy));
        QCOMPARE(nazwaProgramu(p), QString("StartX"));
        QCOMPARE(p.nr_prog, 4);
    }
};

QTEST_MAIN(TestProgram)
#include "test_program.moc"
