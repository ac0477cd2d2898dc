// The digital outputs offscreen against the simulator: what the section
// has of its own (the shared list behaviour is tested in
// test_sekcje_wspolne). The list: its grid and icons, read-all and send-all
// over RS-485 and TCP/IP with their departures (a read ending at a failure
// rebuilds, "Anuluj" does not stop a send, a failed send leaves the
// session open), the ".k3do" file with outputs 33..128, the printed
// definitions, "Gdzie użyty". The output editor: what each type shows, the
// stored forms of typed values, lists without an item, tab changes, the
// name, copy, one output read and sent, ".k3do1", the pickers.
#include "sym_edytora.h"
#include "test_qt.h"

#include "edycja_liczb.h"
#include "enumeracje.h"
#include "kanaly.h"
#include "lista.h"
#include "nazwy.h"
#include "przekazniki.h"
#include "przekazniki_definicja.h"
#include "przekazniki_edytor.h"
#include "przekazniki_projektu.h"
#include "przycisk_obrazka.h"
#include "raport.h"
#include "tekst_pdf.h"
#include "typy_wyjsc.h"
#include "wybierz_pozycje.h"
#include "wybor_ikony.h"
#include "wydruk_pdf.h"

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstring>

using R = RodzajKomunikatu;

namespace {

struct Projekt {
    TProjektVXTNew projekt{};
    TProjektDodatkiMycie mycie{};
};

bool rowne(const TPrzekaznik &a, const TPrzekaznik &b) { return std::memcmp(&a, &b, sizeof a) == 0; }

QByteArray bajty(const TPrzekaznikiArray &p) { return QByteArray(reinterpret_cast<const char *>(&p), sizeof p); }

// Types a text into a box as the user does.
void wpisz(QLineEdit *e, const QString &t)
{
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, t);
}

} // namespace

class TestPrzekazniki : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;
    std::unique_ptr<Projekt> sterownik; // what the controller holds
    std::unique_ptr<Projekt> pc;        // the PC's project, unlike it

    // The list as edytujPrzekazniki opens it, shown without a modal run.
    std::unique_ptr<Tflistaprzekaznikow> lista()
    {
        auto o = std::make_unique<Tflistaprzekaznikow>();
        o->ustawJezyk(1045);
        kopiujRekord(o->przekaznikiLista, pc->projekt.przekazniki);
        o->memProjlistaTworz();
        o->wynik = false;
        o->but_ok->setEnabled(false);
        o->show();
        return o;
    }
    // The editor of output nr as edytujPrzekaznik opens it.
    std::unique_ptr<TFEditParPrzek> edytor(int nr)
    {
        auto o = std::make_unique<TFEditParPrzek>();
        o->ustawJezyk(1045);
        o->ustawNumer(nr);
        kopiujRekord(o->lista, pc->projekt.przekazniki);
        kopiujRekord(o->rekord, pc->projekt.przekazniki[nr - 1]);
        o->rekord.nr = nr;
        o->pokazDane();
        o->but_ok->setEnabled(false);
        o->show();
        return o;
    }
    TPrzekaznik naSterowniku(int nr) const { return s->bloki.projekt()->przekazniki[nr - 1]; }
    // A row per link, and the row's link chosen: true for TCP/IP.
    void lacza()
    {
        QTest::addColumn<bool>("lan");
        QTest::newRow("RS-485") << false;
        QTest::newRow("TCP/IP") << true;
    }
    bool przezLacze()
    {
        QFETCH(bool, lan);
        if (lan && !s->przezLan())
            QTest::qFail("no TCP/IP front", __FILE__, __LINE__);
        return lan;
    }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        sterownik = std::make_unique<Projekt>();
        BlokiSym::przykladowy(sterownik->projekt, sterownik->mycie, 21);
        s->bloki.ustaw(sterownik->projekt, sterownik->mycie);
        pc = std::make_unique<Projekt>();
        BlokiSym::przykladowy(pc->projekt, pc->mycie, 22);
        for (int i = 32; i < 128; ++i)
            std::memset(&pc->projekt.przekazniki[i], 0x40 + i % 7, sizeof(TPrzekaznik));
        Projekt *x = pc.get();
        ustawZrodloPrzekaznikow([x]() -> const TPrzekaznikiArray & { return x->projekt.przekazniki; });
        ustawZrodloProjektu([x] { return TProjektAplikacji{&x->projekt, &x->mycie}; });
    }
    void poTescie() override { s.reset(); }

private slots:
    void initTestCase() { QApplication::setApplicationName("Setup kVOR 350"); }

    // ---- The list --------------------------------------------------------------

    // DO1.1..DO1.32 with the name, the power, the cost class as "Koszt n"
    // and the icon's picture in rows of 40 pixels.
    void siatka()
    {
        TPrzekaznikiArray &p = pc->projekt.przekazniki;
        tekstNaNazwe50(QStringLiteral("Wentylator"), p[4].nazwa);
        p[4].moc = 1500;
        p[4].koszt_energii = 2;
        p[4].ikona = 31;
        p[5].ikona = 99;
        gdyOknoModalne<Tflistaprzekaznikow>([&](Tflistaprzekaznikow *o) {
            QCOMPARE(o->windowTitle(), QString("[DO] WYjścia cyfrowe"));
            QCOMPARE(o->memproj->ileWierszy(), 32);
            QStringList tytuly;
            for (int k = 0; k < o->memproj->columnCount(); ++k)
                tytuly << o->memproj->headerData(k, Qt::Horizontal, Qt::DisplayRole).toString();
            QCOMPARE(tytuly, QStringList({"Nr", "Nazwa", "Moc", "Koszt energii", "Ikonka"}));
            QCOMPARE(komorka(*o, 4, 0), QString("DO1.5"));
            QCOMPARE(komorka(*o, 4, 1), QString("Wentylator"));
            QCOMPARE(komorka(*o, 4, 2), QString("1500"));
            QCOMPARE(komorka(*o, 4, 3), QString("Koszt 3"));
            QCOMPARE(komorka(*o, 4, 4), QString());
            QVERIFY(!o->memproj->index(4, 4).data(Qt::DecorationRole).value<QPixmap>().isNull());
            QCOMPARE(komorka(*o, 5, 4), QString("99")); // no picture: the number
            QVERIFY(o->memproj->index(5, 4).data(Qt::DecorationRole).isNull());
            QCOMPARE(komorka(*o, 31, 0), QString("DO1.32"));
            QCOMPARE(o->DBGrid1->verticalHeader()->defaultSectionSize(), 40);
            QCOMPARE(o->sb_gdzie->toolTip(), QString("Gdzie użyty"));
            QCOMPARE(o->sb_gdzie->accessibleName(), QString("Gdzie użyty"));
            QVERIFY(!o->sb_cls);
            QVERIFY(!o->but_ok->isEnabled());
            o->reject();
        });
        QVERIFY(!edytujPrzekazniki(p, 1045));
    }

    // Read all over both links: outputs 1..32 from the controller, 33..128
    // as they were; the list shows them and OK hands them back.
    void odczyt_data() { lacza(); }
    void odczyt()
    {
        const bool lan = przezLacze();
        auto o = lista();
        o->but_odczyt->click();
        for (int nr = 1; nr <= 32; ++nr)
            QVERIFY2(rowne(o->przekaznikiLista[nr - 1], naSterowniku(nr)), qPrintable(QString::number(nr)));
        QCOMPARE(bajty(o->przekaznikiLista).mid(32 * 328), bajty(pc->projekt.przekazniki).mid(32 * 328));
        if (!lan)
            QCOMPARE(s->ramki('H', 0x04), 32);
        QVERIFY(o->but_ok->isEnabled());
        QVERIFY(o->wynik);
    }

    // A read failing at output 5: outputs 1..4 from the controller, the rest
    // as they were, the list rebuilt from them and OK enabled, so that OK
    // hands them back.
    void odczytDoBledu()
    {
        s->zepsujOd('H', 0x04, 4);
        QByteArray blok = bajty(pc->projekt.przekazniki);
        gdyOknoModalne<Tflistaprzekaznikow>([&](Tflistaprzekaznikow *o) {
            s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
            o->but_odczyt->click();
            QVERIFY(o->but_ok->isEnabled());
            QCOMPARE(o->nrBiezacy(), 1);
            o->but_ok->click();
        });
        TPrzekaznikiArray &p = *reinterpret_cast<TPrzekaznikiArray *>(blok.data());
        QVERIFY(edytujPrzekazniki(p, 1045));
        QVERIFY(s->komunikaty.pusty());
        for (int nr = 1; nr <= 32; ++nr)
            QVERIFY2(rowne(p[nr - 1], nr < 5 ? naSterowniku(nr) : pc->projekt.przekazniki[nr - 1]),
                     qPrintable(QString::number(nr)));
    }

    // "Anuluj" after output 3: the outputs read stay in the copy and the
    // grid shows them, but the read is no change.
    void odczytAnulowany()
    {
        auto o = lista();
        s->zegar.naPrzetworz = [&] {
            if (s->ramki('H', 0x04) == 3)
                pasekPostepu().koniec = true;
        };
        o->but_odczyt->click();
        s->zegar.naPrzetworz = nullptr;
        QCOMPARE(s->ramki('H', 0x04), 3);
        for (int nr = 1; nr <= 32; ++nr)
            QVERIFY(rowne(o->przekaznikiLista[nr - 1], nr <= 3 ? naSterowniku(nr) : pc->projekt.przekazniki[nr - 1]));
        const TNazwa50char n = naSterowniku(3).nazwa;
        QCOMPARE(komorka(*o, 2, 1), nazwa50NaTekst(n));
        QVERIFY(!o->but_ok->isEnabled());
        QVERIFY(!pasekPostepu().isVisible());
    }

    // Send all over both links: one session, every output, one message.
    void wyslanie_data() { lacza(); }
    void wyslanie()
    {
        przezLacze();
        auto o = lista();
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        // "Anuluj" does not stop this loop.
        s->zegar.naPrzetworz = [] { pasekPostepu().koniec = true; };
        o->but_wyslij->click();
        s->zegar.naPrzetworz = nullptr;
        QVERIFY(s->komunikaty.pusty());
        for (int nr = 1; nr <= 32; ++nr)
            QVERIFY2(rowne(naSterowniku(nr), o->przekaznikiLista[nr - 1]), qPrintable(QString::number(nr)));
        const StanSterownika st = s->sterownik.stan();
        QCOMPARE(st.ileSesji, 1);
        QVERIFY(!st.sesjaOtwarta);
        QCOMPARE(st.zapisyPozaSesja, 0);
    }

    // A send failing at output 3: one message, nothing after it, the
    // session left open; outputs 1..2 are on the controller.
    void wyslanieDoBledu()
    {
        auto o = lista();
        s->zepsujOd('I', 0x04, 2);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        QVERIFY(s->sterownik.stan().sesjaOtwarta);
        QCOMPARE(s->ramki('I', 0x82), 0);
        for (int nr : {1, 2, 4})
            QVERIFY(
                rowne(naSterowniku(nr), nr < 3 ? o->przekaznikiLista[nr - 1] : sterownik->projekt.przekazniki[nr - 1]));
        QVERIFY(!pasekPostepu().isVisible());
    }

    // ".k3do": all 128 outputs, 41,984 bytes; 33..128 from the file are
    // saved back as they came.
    void plikListy()
    {
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        TPrzekaznikiArray &z = sterownik->projekt.przekazniki;
        for (int i = 32; i < 128; ++i)
            for (size_t b = 0; b < sizeof(TPrzekaznik); ++b)
                reinterpret_cast<uint8_t *>(&z[i])[b] = uint8_t(i * 7 + b);
        const QString plik = katalog.filePath("a.k3do");
        QFile f(plik);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bajty(z)), qint64(41984));
        f.close();
        auto o = lista();
        wybor.odpowiedzi = {plik, katalog.filePath("b.k3do")};
        o->but_otworz->click();
        QCOMPARE(bajty(o->przekaznikiLista), bajty(z));
        QVERIFY(o->but_ok->isEnabled());
        o->but_zapisz->click();
        QCOMPARE(wybor.filtry, QStringList({"Kvor350|*.k3do", "Kvor350|*.k3do"}));
        QFile b(katalog.filePath("b.k3do"));
        QVERIFY(b.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), bajty(z));
    }

    // The definition rows of the report: times from mode 2 on (mode 3
    // prints Tb too), channels and parameters by the regulator type, the
    // out-of-range texts of the lists.
    void wierszeDefinicji_data()
    {
        QTest::addColumn<int>("tryb");
        QTest::addColumn<int>("regulator");
        QTest::addColumn<QStringList>("oczekiwane"); // typczas_ta .. col6 as printed
        const QString poza = QStringLiteral("element out of bounds: 9");
        QTest::newRow("mode 0, off") << 0 << 0 << QStringList{"", "", "", "", "", "", "", "", "", "", "", "", ""};
        QTest::newRow("mode 1") << 1 << 0
                                << QStringList{"", "", listaTrybPrzekaznika(1), "", "", "", "", "", "", "", "", ""};
        QTest::newRow("mode 3, hysteresis") << 3 << 3 << QStringList{" 5",
                                                                     "12",
                                                                     listaTrybPrzekaznika(3),
                                                                     listaTypRegulatora(3),
                                                                     "Wilgotność",
                                                                     opisZrodlaZadanej(11),
                                                                     "offset: -1,5",
                                                                     "okno: 2,0",
                                                                     "h.górna: 0,5",
                                                                     "h.dolna: 100,0",
                                                                     "",
                                                                     ""};
        QTest::newRow("mode 7, PID") << 7 << 5 << QStringList{" 5",        "12",           listaTrybPrzekaznika(7),
                                                              "PID",       "AI1.3 AI1.3",  "D1",
                                                              "k: 2,5",    "ti [s]: 120",  "td [s]: 30",
                                                              "tp [s]: 4", "to [ms]: 900", listaGrzanieChlodzenie(1)};
        QTest::newRow("out of the lists") << 9 << 9
                                          << QStringList{" 5",
                                                         "12",
                                                         poza,
                                                         poza,
                                                         "Wilgotność",
                                                         opisZrodlaZadanej(11),
                                                         "offset: -1,5",
                                                         "okno: 2,0",
                                                         "h.górna: 0,5",
                                                         "h.dolna: 100,0",
                                                         "",
                                                         ""};
    }
    void wierszeDefinicji()
    {
        QFETCH(int, tryb);
        QFETCH(int, regulator);
        QFETCH(QStringList, oczekiwane);
        TPrzekaznik p{};
        TDefinicjaPrzekaznika d{};
        d.tryb = tryb;
        d.ta = 5;
        d.tb = 12;
        d.regulator = regulator;
        d.hist_pomiarowy = 24;
        d.hist_zadany = 11;
        d.offset = -15;
        d.okno = 20;
        d.hist_gorna = 5;
        d.hist_dolna = 1000;
        d.pid.k = 25;
        d.pid.ti = 120;
        d.pid.td = 30;
        d.pid.tp = 4;
        d.pid.tto = 900;
        d.pid.grzanie_chlodzenie = 1;
        d.pid.pomiarowy = 2;
        d.pid.zadany = 3;
        p.parametry[2] = d;
        const QStringList pola = polaRaportuDefinicji();
        const QStringList w = wierszDefinicji(p, 7, 3);
        QCOMPARE(w.size(), pola.size());
        const auto pole = [&](const char *n) { return w.at(pola.indexOf(QString::fromLatin1(n))); };
        QCOMPARE(pole("nr"), QString("7"));
        QCOMPARE(pole("def_str"), QString("DEF3"));
        QStringList wydruk;
        for (const char *n : {"typczas_ta", "typczas_tb", "typczasowy_str", "regulator_str", "cntx_kanalPomiarowy_str",
                              "cntx_kanalZadany_Str", "col1", "col2", "col3", "col4", "col5", "col6"})
            wydruk << pole(n);
        if (oczekiwane.size() == 13) // mode 0: nothing printed
            oczekiwane.removeLast();
        QCOMPARE(wydruk, oczekiwane);
    }

    // The printed list: each output with its definitions below it.
    void wydruk()
    {
        QTemporaryDir katalog;
        WydrukDoPdf wydruk(katalog.path());
        TPrzekaznikiArray &p = pc->projekt.przekazniki;
        tekstNaNazwe50(QStringLiteral("Wentylator"), p[4].nazwa);
        p[4].koszt_energii = 2;
        for (int d = 0; d < 4; ++d)
            p[4].parametry[d] = {};
        p[4].parametry[1].tryb = 4;
        p[4].parametry[1].ta = 15;
        p[4].parametry[1].tb = 25;
        p[4].parametry[1].regulator = 5;
        p[4].parametry[1].pid.k = 125;
        p[4].parametry[1].pid.tto = 700;
        auto o = lista();
        o->but_drukuj->click();
        QCOMPARE(wydruk.pliki.size(), 1);
        const QString t = tekstPdf(wydruk.pliki.at(0));
        for (const QString &x : {QString("[DO] WYjścia cyfrowe"), QString("Koszt"), QString("DO1.5"),
                                 QString("Wentylator"), QString("Koszt 3"), QString("Typ czasowy"), QString("Ta [s]"),
                                 QString("Typ regulatora"), QString("Kanał pomiarowy"), QString("DEF2"),
                                 QString("k: 12,5"), QString("to [ms]: 700"), QString("DO1.32")})
            QVERIFY2(t.contains(x), qPrintable(x));
        // Output 5's four definitions follow its line, before output 6.
        const qsizetype do5 = t.indexOf("DO1.5 "), do6 = t.indexOf("DO1.6 ");
        QVERIFY(do5 >= 0 && do6 > do5);
        const QString blok = t.mid(do5, do6 - do5);
        for (const char *d : {"DEF1", "DEF2", "DEF3", "DEF4"})
            QVERIFY2(blok.contains(QLatin1String(d)), d);
        QVERIFY(blok.contains(listaTrybPrzekaznika(4)));
    }

    // "Gdzie użyty" lists the uses of the current row's output in the
    // project the application holds, not in this window's copy.
    void gdzieUzyty()
    {
        auto aplikacji = std::make_unique<Projekt>();
        aplikacji->projekt.kroki[3].przekazniki[4] = 2;
        tekstNaNazwe50(QStringLiteral("Wędzenie"), aplikacji->projekt.kroki[3].nazwa);
        Projekt *x = aplikacji.get();
        ustawZrodloProjektu([x] { return TProjektAplikacji{&x->projekt, &x->mycie}; });
        auto o = lista();
        o->przekaznikiLista[4].ikona = 1;
        o->przejdzDo(5);
        gdyOknoModalne<TFormLista>([&](TFormLista *l) {
            QVERIFY(l->L_info->text().contains("DO1.5"));
            const QStandardItemModel &m = *l->JvMemoryData1;
            QCOMPARE(m.rowCount(), 1);
            QCOMPARE(m.item(0, 0)->text(), QString("ST03"));
            QCOMPARE(m.item(0, 1)->text(), QString("Wędzenie"));
            QCOMPARE(m.item(0, 2)->text(), QString("[DEF 2]"));
            l->but_close->click();
        });
        o->sb_gdzie->click();
    }

    // ---- The output editor -----------------------------------------------------

    // The entry shows the output's number, its fields and DEF 1, unchanged.
    void edytorPokazuje()
    {
        TPrzekaznik r = pc->projekt.przekazniki[6];
        r.nr = 7;
        tekstNaNazwe50(QStringLiteral("Dmuchawa"), r.nazwa);
        r.moc = 750;
        r.koszt_energii = 1;
        r.ikona = 31;
        r.parametry[0] = {};
        r.parametry[0].tryb = 2;
        r.parametry[0].ta = 40;
        gdyOknoModalne<TFEditParPrzek>([&](TFEditParPrzek *o) {
            QCOMPARE(o->windowTitle(), QString("[DO] WYjście cyfrowe"));
            QCOMPARE(o->LabelNr->text(), QString("DO1.7"));
            QCOMPARE(o->ed_nazwa->text(), QString("Dmuchawa"));
            QCOMPARE(o->ie_moc->text(), QString("750"));
            QCOMPARE(o->co_koszt->currentText(), QString("Koszt 2"));
            QVERIFY(!o->sb_ikona->obraz().isNull());
            QCOMPARE(o->TabSet1->currentIndex(), 0);
            QCOMPARE(o->Definicja, 1);
            QCOMPARE(o->panel->se_Ta->value(), 40);
            QCOMPARE(o->sb_kopiuj->toolTip(), QString("Kopiuj ustawienia"));
            QCOMPARE(o->sb_gdzie->toolTip(), QString("Gdzie użyty"));
            QVERIFY(!o->but_ok->isEnabled());
            o->reject();
        });
        const TPrzekaznik przed = r;
        QVERIFY(!edytujPrzekaznik(pc->projekt.przekazniki, r, 1045));
        QVERIFY(rowne(r, przed));
    }

    // What each time mode and regulator type shows.
    void widocznosc_data()
    {
        QTest::addColumn<int>("tryb");
        QTest::addColumn<int>("regulator");
        QTest::addColumn<bool>("ta");
        QTest::addColumn<bool>("tb");
        QTest::addColumn<bool>("wyzwalanie");
        QTest::addColumn<int>("strona"); // 0 none, 1 hysteresis, 2 PID
        QTest::newRow("mode 0, regulator 0") << 0 << 0 << false << false << false << 0;
        QTest::newRow("mode 1, regulator 1") << 1 << 1 << false << false << true << 1;
        QTest::newRow("mode 3, regulator 3") << 3 << 3 << true << false << true << 1;
        QTest::newRow("mode 4, regulator 4") << 4 << 4 << true << true << true << 1;
        QTest::newRow("mode 7, regulator 5") << 7 << 5 << true << true << true << 2;
    }
    void widocznosc()
    {
        QFETCH(int, tryb);
        QFETCH(int, regulator);
        QFETCH(int, strona);
        pc->projekt.przekazniki[1].parametry[0].tryb = tryb;
        pc->projekt.przekazniki[1].parametry[0].regulator = regulator;
        auto o = edytor(2);
        const TPanelDefinicji &d = *o->panel;
        QTEST(d.se_Ta->isVisible(), "ta");
        QTEST(d.L_Ta->isVisible(), "ta");
        QTEST(d.se_Tb->isVisible(), "tb");
        QTEST(d.co_trybWyzwalania->isVisible(), "wyzwalanie");
        QTEST(d.L_trybWyzwalania->isVisible(), "wyzwalanie");
        QCOMPARE(d.gb_parametryRegulatora->isVisible(), strona > 0);
        if (strona > 0)
            QCOMPARE(d.PageControl1->currentWidget(), strona == 2 ? d.TS_pid : d.TS_Histereza);
        QCOMPARE(d.sb_typCzasowy->text(), listaTrybPrzekaznika(tryb));
        QCOMPARE(d.sb_regulator->text(), listaTypRegulatora(regulator));
        QCOMPARE(d.sb_typCzasowy->palette().color(QPalette::ButtonText),
                 tryb > 0 ? QColor(Qt::red) : QColor(Qt::black));
    }

    // Typed values as stored: hystereses x 10 rounded halves to even, Xp
    // truncated (2.35 shows 2.3), bounds clamped; the whole numbers.
    void przeliczenia_data()
    {
        QTest::addColumn<QString>("kontrolka");
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<QString>("pokazane");
        QTest::addColumn<qint64>("zapisane");
        QTest::newRow("upper 1.25") << "fe_hist_gorna"
                                    << "1,25"
                                    << "1,25" << qint64(12);
        QTest::newRow("upper 1.75") << "fe_hist_gorna"
                                    << "1,75"
                                    << "1,75" << qint64(18);
        QTest::newRow("lower -2.25") << "fe_hist_dolna"
                                     << "-2,25"
                                     << "-2,25" << qint64(-22);
        QTest::newRow("offset 12.35") << "fe_hist_offset"
                                      << "12,35"
                                      << "12,35" << qint64(124);
        QTest::newRow("window 0.05") << "fe_hist_okno"
                                     << "0,05"
                                     << "0,05" << qint64(0);
        QTest::newRow("Xp 2.35") << "fe_pid_kp"
                                 << "2,35"
                                 << "2,3" << qint64(23);
        QTest::newRow("Xp 1000") << "fe_pid_kp"
                                 << "1000"
                                 << "1000" << qint64(10000);
        QTest::newRow("ti 9999") << "ie_pid_ti"
                                 << "9999"
                                 << "9999" << qint64(9999);
    }
    void przeliczenia()
    {
        QFETCH(QString, kontrolka);
        QFETCH(QString, wpisane);
        QFETCH(qint64, zapisane);
        pc->projekt.przekazniki[0].parametry[1].regulator = kontrolka.contains("pid") ? 5 : 3;
        auto o = edytor(1);
        o->TabSet1->setCurrentIndex(1);
        auto *e = o->panel->findChild<QLineEdit *>(kontrolka);
        QVERIFY(e);
        wpisz(e, wpisane);
        QTEST(e->text(), "pokazane");
        QVERIFY(o->but_ok->isEnabled());
        o->but_ok->click();
        const TDefinicjaPrzekaznika d = o->rekord.parametry[1];
        const qint64 v = kontrolka == "fe_hist_gorna"    ? d.hist_gorna
                         : kontrolka == "fe_hist_dolna"  ? d.hist_dolna
                         : kontrolka == "fe_hist_offset" ? d.offset
                         : kontrolka == "fe_hist_okno"   ? d.okno
                         : kontrolka == "fe_pid_kp"      ? d.pid.k
                                                         : d.pid.ti;
        QCOMPARE(v, zapisane);
    }

    // A stored code without an item shows none and is stored back as it
    // was: measuring and setpoint channels, trigger mode, PID direction,
    // cost class. A chosen item is stored.
    void listyBezPozycji()
    {
        TPrzekaznik &p = pc->projekt.przekazniki[2];
        p.koszt_energii = 9;
        TDefinicjaPrzekaznika &d = p.parametry[0];
        d.tryb = 2;
        d.regulator = 3;
        d.hist_pomiarowy = 30;
        d.hist_zadany = 200;
        d.wyzwalanie = 7;
        d.pid.grzanie_chlodzenie = 4;
        d.pid.pomiarowy = 17;
        d.pid.zadany = 99;
        auto o = edytor(3);
        const TPanelDefinicji &k = *o->panel;
        for (QComboBox *c : {k.co_regzw_kanalPomiarowy, k.co_regzw_kanalZadany, k.co_trybWyzwalania, k.co_pid_typ,
                             k.co_pid_kanalPomiarowy, k.co_pid_kanalZadany, o->co_koszt})
            QVERIFY2(c->currentIndex() == -1, qPrintable(c->objectName()));
        o->AktualizujDanePoEdycji();
        const TDefinicjaPrzekaznika z = o->rekord.parametry[0];
        QCOMPARE(o->rekord.koszt_energii, uint8_t(9));
        QCOMPARE(z.hist_pomiarowy, uint8_t(30));
        QCOMPARE(z.hist_zadany, uint8_t(200));
        QCOMPARE(z.wyzwalanie, uint8_t(7));
        QCOMPARE(z.pid.grzanie_chlodzenie, int16_t(4));
        QCOMPARE(z.pid.pomiarowy, uint8_t(17));
        QCOMPARE(z.pid.zadany, uint8_t(99));
        k.co_regzw_kanalPomiarowy->setCurrentIndex(0); // humidity: channel 24
        k.co_regzw_kanalZadany->setCurrentIndex(3);
        o->co_koszt->setCurrentIndex(1);
        o->AktualizujDanePoEdycji();
        QCOMPARE(o->rekord.parametry[0].hist_pomiarowy, uint8_t(24));
        QCOMPARE(o->rekord.parametry[0].hist_zadany, uint8_t(3));
        QCOMPARE(o->rekord.koszt_energii, uint8_t(1));
        QCOMPARE(o->rekord.parametry[0].wyzwalanie, uint8_t(7));
    }

    // Showing another definition is no change; a value typed on it is one,
    // and it reaches the record when the tab changes again.
    void zakladki()
    {
        auto o = edytor(4);
        o->TabSet1->setCurrentIndex(2);
        QCOMPARE(o->Definicja, 3);
        QVERIFY(!o->but_ok->isEnabled());
        o->panel->se_Ta->setValue(4321);
        QVERIFY(o->but_ok->isEnabled());
        o->TabSet1->setCurrentIndex(0);
        QCOMPARE(o->rekord.parametry[2].ta, 4321);
        QCOMPARE(o->panel->se_Ta->value(), int(std::clamp(pc->projekt.przekazniki[3].parametry[0].ta, 0, 10000)));
        o->TabSet1->setCurrentIndex(2);
        QCOMPARE(o->panel->se_Ta->value(), 4321);
    }

    // The name: a loaded 50-unit name is shown up to its first zero unit
    // (trimmed) and stored as shown; typing stops at 15 characters; a
    // negative power is refused with the range message, not wrapped into
    // the unsigned field: the record keeps its power.
    void nazwaIMoc()
    {
        TPrzekaznik &p = pc->projekt.przekazniki[0];
        std::memset(&p.nazwa, 0, sizeof p.nazwa);
        const QString dluga = QStringLiteral("  Nazwa dłuższa niż piętnaście znaków  ");
        for (int i = 0; i < dluga.size(); ++i)
            p.nazwa.z[i] = dluga[i].unicode();
        p.nazwa.z[45] = u'Z'; // after a zero unit: not part of the name
        auto o = edytor(1);
        QCOMPARE(o->ed_nazwa->text(), dluga.trimmed());
        o->AktualizujDanePoEdycji();
        const TNazwa50char n = o->rekord.nazwa;
        QCOMPARE(nazwa50NaTekst(n), dluga.trimmed());
        QCOMPARE(n.z[0], char16_t(u'N'));
        QCOMPARE(n.z[45], char16_t(0));
        wpisz(o->ed_nazwa, "abcdefghijklmnopqrst");
        QCOMPARE(o->ed_nazwa->text(), QString("abcdefghijklmno"));
        QCOMPARE(o->ie_moc->MinValue(), 0);
        wpisz(o->ie_moc, "-25");
        s->komunikaty.oczekuj(R::Komunikat, " Nieprawidłowy zakres parametru ! 65535");
        QVERIFY(!o->przyjmijDane());
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(o->rekord.moc, p.moc);
        QCOMPARE(o->ie_moc->text(), QString("-25"));
    }

    // "Kopiuj ustawienia": output 5's record in output 7's window; the
    // window still labels, reads and sends output 7, whose number the
    // record keeps.
    void kopiuj()
    {
        auto o = edytor(7);
        s->komunikaty.oczekuj(R::Pytanie, "Czy chcesz skopiować ustawnienia z definicji innego wyjścia?", 0);
        o->sb_kopiuj->click();
        QVERIFY(!o->but_ok->isEnabled());
        s->komunikaty.oczekuj(R::Pytanie, "Czy chcesz skopiować ustawnienia z definicji innego wyjścia?", 1);
        gdyOknoModalne<TFormWybierzPozycjeDlg>([&](TFormWybierzPozycjeDlg *d) {
            QCOMPARE(d->ComboBox1->count(), 32);
            const TNazwa50char n = pc->projekt.przekazniki[4].nazwa;
            QCOMPARE(d->ComboBox1->itemText(4), QString("DO1.5 - ") + nazwa50NaTekst(n));
            d->ComboBox1->setCurrentIndex(4);
            d->but_ok->click();
        });
        o->sb_kopiuj->click();
        QVERIFY(s->komunikaty.pusty());
        TPrzekaznik oczekiwany = pc->projekt.przekazniki[4];
        oczekiwany.nr = 7;
        QVERIFY(rowne(o->rekord, oczekiwany));
        QCOMPARE(o->LabelNr->text(), QString("DO1.7"));
        QVERIFY(o->but_ok->isEnabled());
        const TNazwa50char n = oczekiwany.nazwa;
        QCOMPARE(o->ed_nazwa->text(), nazwa50NaTekst(n));
        o->but_wyslij->click();
        const TNazwa50char wyslana = naSterowniku(7).nazwa;
        QCOMPARE(nazwa50NaTekst(wyslana), nazwa50NaTekst(n).left(15));
        QCOMPARE(naSterowniku(7).ikona, oczekiwany.ikona);
    }

    // One output read and sent over both links: its own index on the wire,
    // the send in a session of its own and without a message.
    void jednoWyjscie_data() { lacza(); }
    void jednoWyjscie()
    {
        const bool lan = przezLacze();
        auto o = edytor(9);
        o->but_odczyt->click();
        QVERIFY(rowne(o->rekord, naSterowniku(9)));
        QVERIFY(o->but_ok->isEnabled());
        QCOMPARE(pasekPostepu().Gauge1->maximum(), 2);
        if (!lan)
            QCOMPARE(s->ramki('H', 0x04), 1);

        wpisz(o->ed_nazwa, "Nowa");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pokazane.empty());
        const TNazwa50char n = naSterowniku(9).nazwa;
        QCOMPARE(nazwa50NaTekst(n), QString("Nowa"));
        const StanSterownika st = s->sterownik.stan();
        QCOMPARE(st.ileSesji, 1);
        QVERIFY(!st.sesjaOtwarta);
        QVERIFY(!pasekPostepu().isVisible());
    }

    // A failed read or a read cancelled meanwhile keeps the record.
    void jednoWyjscieBezZmian()
    {
        auto o = edytor(9);
        const TPrzekaznik przed = o->rekord;
        s->zepsujOd('H', 0x04, 0);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        o->but_odczyt->click();
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(rowne(o->rekord, przed));
        s->usterki.wyczysc();
        s->zegar.naPrzetworz = [] { pasekPostepu().koniec = true; };
        o->but_odczyt->click();
        s->zegar.naPrzetworz = nullptr;
        QVERIFY(rowne(o->rekord, przed));
        QVERIFY(!o->but_ok->isEnabled());
    }

    // ".k3do1": one record of 328 bytes; a record from another output keeps
    // this output's number.
    void plikJednego()
    {
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        TPrzekaznik zPliku{};
        zPliku.nr = 12;
        tekstNaNazwe50(QStringLiteral("Z pliku"), zPliku.nazwa);
        zPliku.moc = 2200;
        zPliku.koszt_energii = 3;
        zPliku.ikona = 17;
        zPliku.r4 = 0x01020304;
        for (int d = 0; d < 4; ++d) {
            TDefinicjaPrzekaznika &x = zPliku.parametry[d];
            x.tryb = 4 + d;
            x.ta = 100 * d;
            x.tb = 7 + d;
            x.regulator = d + 2;
            x.hist_zadany = uint8_t(d);
            x.hist_pomiarowy = 24;
            x.wyzwalanie = 1;
            x.offset = -15 * d;
            x.okno = 30;
            x.hist_gorna = 1000;
            x.hist_dolna = -1000;
            x.pid.k = int16_t(123 * d);
            x.pid.ti = 9999;
            x.pid.tp = 3;
            x.pid.grzanie_chlodzenie = 1;
            x.pid.pomiarowy = uint8_t(d);
            x.pid.zadany = 24;
        }
        const QString plik = katalog.filePath("a.k3do1");
        QFile f(plik);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(reinterpret_cast<const char *>(&zPliku), sizeof zPliku), qint64(328));
        f.close();
        auto o = edytor(2);
        wybor.odpowiedzi = {plik, katalog.filePath("b.k3do1")};
        o->but_otworz->click();
        TPrzekaznik oczekiwany = zPliku;
        oczekiwany.nr = 2;
        QVERIFY(rowne(o->rekord, oczekiwany));
        QVERIFY(o->but_ok->isEnabled());
        o->but_zapisz->click();
        QCOMPARE(wybor.filtry.at(0), QString("Kvor350|*.k3do1"));
        QFile b(katalog.filePath("b.k3do1"));
        QVERIFY(b.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), QByteArray(reinterpret_cast<const char *>(&oczekiwany), 328));
    }

    // The pickers: the icon (none chosen changes nothing) and the time
    // mode, each a change when picked.
    void wybieraki()
    {
        pc->projekt.przekazniki[0].ikona = 3;
        pc->projekt.przekazniki[0].parametry[0].tryb = 0;
        auto o = edytor(1);
        gdyOknoModalne<Tfwyborikony>([](Tfwyborikony *w) { w->but_anuluj->click(); });
        o->sb_ikona->click();
        QCOMPARE(o->rekord.ikona, 3);
        QVERIFY(!o->but_ok->isEnabled());
        gdyOknoModalne<Tfwyborikony>([](Tfwyborikony *w) { w->RxSwitch[24]->click(); });
        o->sb_ikona->click();
        QCOMPARE(o->rekord.ikona, 24);
        QVERIFY(o->but_ok->isEnabled());

        gdyOknoModalne<TFTypPrzekTable>([](TFTypPrzekTable *w) {
            QCOMPARE(w->TypPrzekIndex(), 0);
            w->WybranoClick(5);
        });
        o->panel->sb_typCzasowy->click();
        QVERIFY(o->panel->se_Tb->isVisible());
        gdyOknoModalne<TFTypReglerTable>([](TFTypReglerTable *w) { w->WybranoClick(5); });
        o->panel->sb_regulator->click();
        QCOMPARE(o->panel->PageControl1->currentWidget(), o->panel->TS_pid);
        o->but_ok->click();
        QCOMPARE(o->rekord.parametry[0].tryb, 5);
        QCOMPARE(o->rekord.parametry[0].regulator, 5);
    }

    // "Gdzie użyty" in the editor asks for the definition shown.
    void gdzieUzytyDefinicja()
    {
        auto aplikacji = std::make_unique<Projekt>();
        aplikacji->projekt.kroki[1].przekazniki[6] = 2;
        aplikacji->projekt.kroki[2].przekazniki[6] = 3;
        Projekt *x = aplikacji.get();
        ustawZrodloProjektu([x] { return TProjektAplikacji{&x->projekt, &x->mycie}; });
        auto o = edytor(7);
        o->TabSet1->setCurrentIndex(2);
        gdyOknoModalne<TFormLista>([&](TFormLista *l) {
            QVERIFY(l->L_info->text().contains("DO1.7  DEF 3"));
            QCOMPARE(l->JvMemoryData1->rowCount(), 1);
            QCOMPARE(l->JvMemoryData1->item(0, 0)->text(), QString("ST02"));
            l->but_close->click();
        });
        o->sb_gdzie->click();
    }
};

QTEST_MAIN(TestPrzekazniki)
#include "test_przekazniki.moc"
