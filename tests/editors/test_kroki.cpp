// The step list and the step editor offscreen against the simulator: what
// the steps have of their own (the shared behaviour of list sections is
// tested in test_sekcje_wspolne): the list's rows for both tables, the
// send-all's frames with its second box and its reported close, a read-all
// cancelled, the 33 slots through files and OK, printing with the relay
// band, and the editor's fields, end condition, relays, transfers, clearing
// and files.
#include "sym_edytora.h"
#include "test_qt.h"

#include "edycja_liczb.h"
#include "krok.h"
#include "kroki.h"
#include "kroki_transfer.h"
#include "nazwy.h"
#include "przekazniki32.h"
#include "przekazniki_projektu.h"
#include "przekazniki_wybor_def.h"
#include "raport.h"
#include "tekst_pdf.h"
#include "wydruk_pdf.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstring>
#include <random>

using R = RodzajKomunikatu;

namespace {

const QString brak = QStringLiteral("Brak komunikacji");
const QString wyslane = QStringLiteral("Ustawienia wysłane do sterownika ");

struct Kroki {
    TKrokiArray k;
};

// The window's own steps, unlike the controller's: every slot filled,
// slot 0 and the fields that never travel included.
std::unique_ptr<Kroki> stare()
{
    auto s = std::make_unique<Kroki>();
    std::memset(&s->k, 0, sizeof s->k);
    for (int slot = 0; slot <= 32; ++slot) {
        TKrok &k = s->k[slot];
        k.nr_kroku = slot;
        tekstNaNazwe50(QStringLiteral("stary %1").arg(slot), k.nazwa);
        k.warunek_konca = slot % 25;
        for (int j = 0; j < 128; ++j)
            k.przekazniki[j] = uint8_t((slot + j) % 5);
        for (int z = 0; z < 5; ++z)
            k.zadane4[z] = int16_t(slot * 10 + z - 200);
        k.r1 = 3;
        k.r2 = 4;
    }
    return s;
}

QByteArray bajty(const TKrok &k) { return QByteArray(reinterpret_cast<const char *>(&k), sizeof k); }

// What the step block carries is the same in both.
bool rowneNaLaczu(const TKrok &a, const TKrok &b)
{
    return nazwa50NaTekst(a.nazwa) == nazwa50NaTekst(b.nazwa) && a.warunek_konca == b.warunek_konca &&
           std::memcmp(a.przekazniki, b.przekazniki, 128) == 0 &&
           std::memcmp(a.zadane4, b.zadane4, 4 * sizeof(int16_t)) == 0;
}

} // namespace

class TestKroki : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;
    std::unique_ptr<TProjektVXTNew> naSterowniku;
    std::unique_ptr<TProjektVXTNew> projekt; // the application's, for the relays' icons

    // A list as edytujKroki opens it, shown without a modal run.
    std::unique_ptr<TfListakrokow> lista(bool mycie)
    {
        auto o = std::make_unique<TfListakrokow>();
        o->ustawMycie(mycie);
        o->ustawJezyk(1045);
        kopiujRekord(o->kroki, stare()->k);
        o->memProjlistaTworz();
        o->wynik = false;
        o->but_ok->setEnabled(false);
        o->show();
        return o;
    }
    const TKrok &krokSterownika(int nr, bool mycie) const
    {
        return (mycie ? naSterowniku->krokiMycie : naSterowniku->kroki)[nr];
    }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        naSterowniku = std::make_unique<TProjektVXTNew>();
        TProjektDodatkiMycie m{};
        BlokiSym::przykladowy(*naSterowniku, m, 5);
        s->bloki.ustaw(*naSterowniku, m);
        projekt = std::make_unique<TProjektVXTNew>();
        projekt->przekazniki[6].ikona = 4;
        projekt->przekazniki[0].ikona = 200; // no picture: the drawn switch
        TProjektVXTNew *p = projekt.get();
        ustawZrodloPrzekaznikow([p]() -> const TPrzekaznikiArray & { return p->przekazniki; });
    }
    void poTescie() override { s.reset(); }

private slots:
    void initTestCase() { QApplication::setApplicationName("Setup kVOR 350"); }

    // ---- The list ----------------------------------------------------------

    void lista_data()
    {
        QTest::addColumn<bool>("mycie");
        QTest::addColumn<QString>("tytul");
        QTest::addColumn<QString>("pierwszy");
        QTest::addColumn<QString>("ostatni");
        QTest::newRow("process steps") << false << "Lista kroków"
                                       << "ST01"
                                       << "ST32";
        QTest::newRow("washing steps") << true << "Mycie - Lista kroków"
                                       << "SW01"
                                       << "SW16";
    }
    void lista()
    {
        QFETCH(bool, mycie);
        QFETCH(QString, tytul);
        auto o = lista(mycie);
        o->kroki[3].warunek_konca = 24;
        o->kroki[4].warunek_konca = 25;
        o->kroki[5].warunek_konca = -1;
        o->kroki[6].zadane4[3] = -999;
        o->memProjlistaTworz();
        QCOMPARE(o->windowTitle(), tytul);
        QCOMPARE(o->memproj->ileWierszy(), mycie ? 16 : 32);
        const QStringList glowki{"Nr", "Nazwa", "Warunek", "ZS1", "ZS2", "ZS3", "ZS4"};
        const QList<int> szerokosci{50, 230, 255, 46, 46, 46, 46};
        QCOMPARE(o->memproj->columnCount(), glowki.size());
        for (int k = 0; k < glowki.size(); ++k) {
            QCOMPARE(o->memproj->headerData(k, Qt::Horizontal, Qt::DisplayRole).toString(), glowki[k]);
            QCOMPARE(o->DBGrid1->columnWidth(k), szerokosci[k]);
        }
        QTEST(komorka(*o, 0, 0), "pierwszy");
        QTEST(komorka(*o, o->memproj->ileWierszy() - 1, 0), "ostatni");
        QCOMPARE(komorka(*o, 0, 1), QString("stary 1"));
        QCOMPARE(komorka(*o, 0, 2), QString("C02 CZo>CZz"));
        QCOMPARE(komorka(*o, 2, 2), QString("C25 Czo>CZz i INn=0"));
        QCOMPARE(komorka(*o, 3, 2), QString("element out of bounds: 26"));
        QCOMPARE(komorka(*o, 4, 2), QString("element out of bounds: 0"));
        QCOMPARE(komorka(*o, 9, 2), QString("C11 Czo>CZz i Wo>Wz"));
        QCOMPARE(komorka(*o, 5, 6), QString("-999"));
        QCOMPARE(komorka(*o, 0, 3), QString("-190"));
        // In any language other than Polish the conditions have their own texts.
        o->ustawJezyk(2057);
        QCOMPARE(komorka(*o, 0, 2), QString("C02 TIr>TIs"));
        QCOMPARE(komorka(*o, 14, 2), QString("C16 TIr>TIs lub TCr<TCs"));
        QVERIFY(!o->sb_cls);
        for (QToolButton *b :
             {o->but_odczyt, o->but_wyslij, o->but_otworz, o->but_zapisz, o->but_popraw, o->but_drukuj})
            QVERIFY(b && !b->toolTip().isEmpty());
    }

    // The send-all: the session opened, step i sent as slot i with the
    // table's command, the session closed, one success box; slot 0 and
    // the slots after the listed steps never go out.
    void wyslanieRamki_data()
    {
        QTest::addColumn<bool>("mycie");
        QTest::newRow("process steps") << false;
        QTest::newRow("washing steps") << true;
    }
    void wyslanieRamki()
    {
        QFETCH(bool, mycie);
        const int n = mycie ? 16 : 32;
        const uint8_t sub = mycie ? 0x0B : 0x02;
        auto o = lista(mycie);
        s->komunikaty.oczekuj(R::Informacja, wyslane);
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        const auto r = s->pty.ramki();
        QCOMPARE(int(r.size()), n + 2);
        QCOMPARE(r.front().left(3), QByteArray::fromHex("014981"));
        QCOMPARE(r.back().left(3), QByteArray::fromHex("014982"));
        for (int i = 1; i <= n; ++i) {
            const QByteArray &f = r[i];
            QCOMPARE(f.left(3), QByteArray("\x01I", 2) + char(sub));
            QCOMPARE(f.size(), 207);
            QCOMPARE(uint8_t(f.at(5)), uint8_t(i));
        }
        const auto p = s->bloki.projekt();
        const TKrok *tabela = mycie ? p->krokiMycie : p->kroki;
        for (int slot = 0; slot <= 32; ++slot) {
            const bool wyslany = slot >= 1 && slot <= n;
            if (wyslany)
                QVERIFY2(rowneNaLaczu(tabela[slot], o->kroki[slot]), qPrintable(QString::number(slot)));
            else
                QVERIFY2(bajty(tabela[slot]) == bajty(krokSterownika(slot, mycie)), qPrintable(QString::number(slot)));
        }
        // The other table is not touched.
        const TKrok *inna = mycie ? p->kroki : p->krokiMycie;
        QCOMPARE(bajty(inna[1]), bajty(krokSterownika(1, !mycie)));
        QVERIFY(!s->sterownik.stan().sesjaOtwarta);
        QCOMPARE(s->sterownik.stan().zapisyPozaSesja, 0);
        QVERIFY(s->bloki.naruszenia().isEmpty());
        QCOMPARE(pasekPostepu().Gauge1->value(), n);
    }

    // A step that cannot be sent: its function's box and a second one, no
    // later step sent, the session left open.
    void wyslanieBlad()
    {
        auto o = lista(false);
        s->zepsujOd('I', 0x02, 3);
        s->komunikaty.oczekuj(R::Blad, brak).oczekuj(R::Blad, brak);
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 2);
        // Step 4 failed; step 5 never went out.
        QVERIFY(!s->ramkiKomendy('I', 0x02).isEmpty());
        QCOMPARE(uint8_t(s->ramkiKomendy('I', 0x02).last().at(5)), uint8_t(4));
        QCOMPARE(s->ramki('I', 0x82), 0);
        QVERIFY(s->sterownik.stan().sesjaOtwarta);
        QVERIFY(!pasekPostepu().isVisible());
    }

    // Every step sent but the session not closed: "Brak komunikacji", no
    // success.
    void zamkniecieNieudane()
    {
        auto o = lista(true);
        s->zepsujOd('I', 0x82, 0);
        s->komunikaty.oczekuj(R::Blad, brak);
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        QCOMPARE(s->ramki('I', 0x0B), 16);
        QVERIFY(s->ramki('I', 0x82) >= 1);
    }

    // "Anuluj" of the progress window does not stop the send-all.
    void wyslanieBezAnulowania()
    {
        auto o = lista(false);
        s->zegar.naPrzetworz = [&] {
            if (s->ramki('I', 0x02) == 4)
                pasekPostepu().koniec = true;
        };
        s->komunikaty.oczekuj(R::Informacja, wyslane);
        o->but_wyslij->click();
        s->zegar.naPrzetworz = nullptr;
        QCOMPARE(s->ramki('I', 0x02), 32);
        QVERIFY(!s->sterownik.stan().sesjaOtwarta);
    }

    // "Anuluj" during step 5: steps 1..4 kept, step 5 read but not kept,
    // no rebuild (OK stays disabled); the grid shows the copy.
    void odczytAnulowany()
    {
        auto o = lista(false);
        const auto przed = stare();
        s->zegar.naPrzetworz = [&] {
            if (s->ramki('H', 0x02) == 5)
                pasekPostepu().koniec = true;
        };
        o->but_odczyt->click();
        s->zegar.naPrzetworz = nullptr;
        QCOMPARE(s->ramki('H', 0x02), 5);
        for (int slot = 0; slot <= 32; ++slot) {
            const QByteArray oczekiwane = bajty(slot >= 1 && slot <= 4 ? krokSterownika(slot, false) : przed->k[slot]);
            QVERIFY2(bajty(o->kroki[slot]) == oczekiwane, qPrintable(QString::number(slot)));
        }
        QCOMPARE(komorka(*o, 3, 1), nazwa50NaTekst(krokSterownika(4, false).nazwa));
        QCOMPARE(komorka(*o, 4, 1), QString("stary 5"));
        QVERIFY(!o->but_ok->isEnabled());
        QVERIFY(!pasekPostepu().isVisible());
    }

    // Over TCP/IP the washing steps are read and sent with the washing
    // flag.
    void przezLan()
    {
        QVERIFY(s->przezLan());
        auto o = lista(true);
        o->but_odczyt->click();
        for (int slot = 1; slot <= 16; ++slot)
            QVERIFY2(bajty(o->kroki[slot]) == bajty(krokSterownika(slot, true)), qPrintable(QString::number(slot)));
        QCOMPARE(bajty(o->kroki[17]), bajty(stare()->k[17]));
        QVERIFY(o->but_ok->isEnabled());
        kopiujRekord(o->kroki, stare()->k);
        s->komunikaty.oczekuj(R::Informacja, wyslane);
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        const auto p = s->bloki.projekt();
        for (int slot = 1; slot <= 16; ++slot)
            QVERIFY(rowneNaLaczu(p->krokiMycie[slot], o->kroki[slot]));
        QCOMPARE(bajty(p->krokiMycie[17]), bajty(krokSterownika(17, true)));
        QCOMPARE(bajty(p->kroki[1]), bajty(krokSterownika(1, false)));
        QVERIFY(!s->sterownik.stan().sesjaOtwarta);
        QVERIFY(s->pty.ramki().empty());
    }

    // A list file holds all 33 slots, 8,316 bytes, slot 0 and the unused
    // washing slots included: loaded, saved and handed back on OK byte for
    // byte.
    void plikListy_data()
    {
        QTest::addColumn<bool>("mycie");
        QTest::newRow("process steps") << false;
        QTest::newRow("washing steps") << true;
    }
    void plikListy()
    {
        QFETCH(bool, mycie);
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        const QString roz = mycie ? QStringLiteral("k3krm") : QStringLiteral("k3kr");
        QByteArray wPliku(8316, '\0');
        std::mt19937 los(42);
        for (char &c : wPliku)
            c = char(los());
        const QString plik = katalog.filePath("kroki." + roz), zapisany = katalog.filePath("z." + roz);
        QFile f(plik);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(wPliku);
        f.close();
        auto kroki = stare();
        gdyOknoModalne<TfListakrokow>([&](TfListakrokow *o) {
            wybor.odpowiedzi = {plik};
            o->but_otworz->click();
            QVERIFY(o->but_ok->isEnabled());
            wybor.odpowiedzi = {zapisany};
            o->but_zapisz->click();
            o->but_ok->click();
        });
        QVERIFY(edytujKroki(kroki->k, 1045, mycie));
        QCOMPARE(wybor.filtry, QStringList({"Kvor350|*." + roz, "Kvor350|*." + roz}));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&kroki->k), sizeof kroki->k), wPliku);
        QFile z(zapisany);
        QVERIFY(z.open(QIODevice::ReadOnly));
        QCOMPARE(z.readAll(), wPliku);
    }

    // OK after editing one step hands back all 33 slots; "Anuluj" nothing.
    void edycjaWiersza()
    {
        for (const bool ok : {true, false}) {
            auto kroki = stare();
            const auto przed = stare();
            gdyOknoModalne<TfListakrokow>([&](TfListakrokow *o) {
                o->przejdzDo(2);
                gdyOknoModalne<TFStanPrzekaznikow>([](TFStanPrzekaznikow *e) {
                    QCOMPARE(e->LabelNr->text(), QString("ST02"));
                    e->ed_nazwa->setText("nowy");
                    e->but_ok->click();
                });
                QTest::keyClick(o->DBGrid1, Qt::Key_Return);
                QCOMPARE(o->nrBiezacy(), 2);
                QCOMPARE(komorka(*o, 1, 1), QString("nowy"));
                if (ok) {
                    o->but_ok->click();
                    return;
                }
                s->komunikaty.oczekuj(R::Pytanie, "Uwaga: Zmiany nie zostały zapisane. Kontynuować?", 1);
                o->but_anuluj->click();
            });
            QCOMPARE(edytujKroki(kroki->k, 1045, false), ok);
            for (int slot = 0; slot <= 32; ++slot) {
                if (slot == 2 && ok) {
                    QCOMPARE(nazwa50NaTekst(kroki->k[2].nazwa), QString("nowy"));
                    continue;
                }
                QVERIFY2(bajty(kroki->k[slot]) == bajty(przed->k[slot]), qPrintable(QString::number(slot)));
            }
        }
    }

    // The report: the listed steps with their columns, "Zadane" over
    // ZS1..ZS4, and 64 relay cells per listed step; the washing table's
    // title is its own.
    void drukowanie_data()
    {
        QTest::addColumn<bool>("mycie");
        QTest::addColumn<int>("jezyk");
        QTest::addColumn<QString>("wywolanie");
        QTest::addColumn<QString>("tytul");
        QTest::newRow("process steps, preview") << false << 1045 << "podglad"
                                                << "Lista kroków";
        QTest::newRow("washing steps, printer") << true << 2057 << "drukuj"
                                                << "Lista kroków mycia";
    }
    void drukowanie()
    {
        QFETCH(bool, mycie);
        QFETCH(int, jezyk);
        QFETCH(QString, wywolanie);
        QFETCH(QString, tytul);
        QTemporaryDir katalog;
        WydrukDoPdf wydruk(katalog.path());
        auto o = lista(mycie);
        o->ustawJezyk(jezyk);
        o->przejdzDo(5);
        for (const int powtorka : {1, 2}) {
            o->but_drukuj->click();
            QCOMPARE(wydruk.wywolania.size(), powtorka);
            QCOMPARE(wydruk.wywolania.last(), wywolanie);
            // Each printing counts its cells anew.
            QCOMPARE(o->ileTemp, qint64(64 * (mycie ? 16 : 32)));
        }
        QCOMPARE(o->nrBiezacy(), 5);
        const QString t = tekstPdf(wydruk.pliki.last());
        const QString ostatni = mycie ? QStringLiteral("SW16") : QStringLiteral("ST32");
        for (const QString &w : {tytul, QString("Nr"), QString("Nazwa"), QString("Warunek końca"), QString("Zadane"),
                                 QString("ZS1"), QString("ZS4"), QString("stary 1"), ostatni, QString("-190")})
            QVERIFY2(t.contains(w), qPrintable(w + " in:\n" + t));
        QVERIFY(!t.contains(QStringLiteral("SW17")));
        QVERIFY(!t.contains(QStringLiteral("stary 0")));
    }

    // ---- The step editor --------------------------------------------------

    // Washing step 7: its label and caption, the record in the controls,
    // the texts, OK disabled.
    void edytorPokazuje()
    {
        auto kroki = stare();
        TKrok &k = kroki->k[7];
        k.warunek_konca = 24;
        k.przekazniki[6] = 3;
        gdyOknoModalne<TFStanPrzekaznikow>([&](TFStanPrzekaznikow *e) {
            QCOMPARE(e->windowTitle(), QString("Mycie - Parametry kroku Mycie"));
            QCOMPARE(e->LabelNr->text(), QString("SW07"));
            QCOMPARE(e->ed_nazwa->text(), QString("stary 7"));
            QCOMPARE(e->co_warunek->count(), 25);
            QCOMPARE(e->co_warunek->currentText(), QString("C25 Czo>CZz i INn=0"));
            QCOMPARE(e->IntEdit1->Value(), -130);
            QCOMPARE(e->IntEdit4->Value(), -127);
            QCOMPARE(e->przekazniki->getValue(6), 3);
            QCOMPARE(e->przekazniki->getValue(0), 2);
            QCOMPARE(e->przekazniki->title(), QString("Stan wyjść przekaźnikowych"));
            QVERIFY(e->przekazniki->FSwitchArray[6]->maIkone());
            QVERIFY(!e->przekazniki->FSwitchArray[0]->maIkone());
            QCOMPARE(e->findChild<QGroupBox *>("gb_warunek")->title(), QString("Warunki końca kroku"));
            QCOMPARE(e->findChild<QGroupBox *>("gb_zadane")->title(), QString("Zadane stałe dla kroku"));
            QCOMPARE(e->findChild<QLabel *>("L_nazwa")->text(), QString("Nazwa"));
            QCOMPARE(e->findChild<QLabel *>("L_z3")->text(), QString("ZS3"));
            QVERIFY(!e->findChild<QLabel *>("L_warkon")); // the group is its title
            QVERIFY(e->sb_cls && e->but_odczyt && e->but_wyslij && e->but_otworz && e->but_zapisz);
            QVERIFY(!e->but_drukuj && !e->but_popraw);
            QVERIFY(!e->but_ok->isEnabled());
            e->but_anuluj->click();
        });
        const QByteArray przed = bajty(k);
        QVERIFY(!edytujKrok(k, projekt->przekazniki, 1045, 6, true));
        QCOMPARE(bajty(k), przed);
    }

    // What OK takes from the controls: the name (typing stops at 15), the
    // condition, ZS1..ZS4 within -999..999 and relays 1..32 (a click
    // answered by the definition viewer); the step's number, relays
    // 33..128, ZS5 and the reserves are carried.
    void edytorZapisuje()
    {
        auto kroki = stare();
        TKrok &k = kroki->k[12];
        const TKrok przed = k;
        gdyOknoModalne<TFStanPrzekaznikow>([&](TFStanPrzekaznikow *e) {
            QCOMPARE(e->LabelNr->text(), QString("ST12"));
            QCOMPARE(e->windowTitle(), QString("Parametry kroku"));
            e->ed_nazwa->clear();
            QTest::keyClicks(e->ed_nazwa, "abcdefghijklmnopqrst");
            QCOMPARE(e->ed_nazwa->text(), QString("abcdefghijklmno"));
            e->co_warunek->setCurrentIndex(0);
            e->IntEdit1->setText("1500");
            e->IntEdit2->setText("-1500");
            e->IntEdit3->setText("12");
            e->IntEdit4->setText("-7");
            TFormDOwybierzDef &w = formaDOwybierzDef();
            gdyOknoModalne(&w, [&] {
                QCOMPARE(w.przekaznikNr, 7);
                w.TabSet1->setCurrentIndex(2);
                w.but_ok->click();
            });
            QTest::mouseClick(e->przekazniki->FSwitchArray[6], Qt::LeftButton);
            QVERIFY(e->but_ok->isEnabled());
            e->but_ok->click();
        });
        QVERIFY(edytujKrok(k, projekt->przekazniki, 1045, 11, false));
        QCOMPARE(nazwa50NaTekst(k.nazwa), QString("abcdefghijklmno"));
        QCOMPARE(int(k.warunek_konca), 0);
        QCOMPARE(int(k.zadane4[0]), 999);
        QCOMPARE(int(k.zadane4[1]), -999);
        QCOMPARE(int(k.zadane4[2]), 12);
        QCOMPARE(int(k.zadane4[3]), -7);
        QCOMPARE(int(k.zadane4[4]), int(przed.zadane4[4]));
        QCOMPARE(int(k.przekazniki[6]), 2);
        for (int j = 0; j < 128; ++j)
            if (j != 6)
                QCOMPARE(int(k.przekazniki[j]), int(przed.przekazniki[j]));
        QCOMPARE(int(k.nr_kroku), 12);
        QCOMPARE(int(k.r1), 3);
        QCOMPARE(int(k.r2), 4);
    }

    // A stored condition outside the list shows no item and is kept
    // unless the user chooses one.
    void warunekPozaLista_data()
    {
        QTest::addColumn<int>("zapisany");
        QTest::addColumn<int>("wybrany"); // -1: none chosen
        QTest::addColumn<int>("wynik");
        QTest::newRow("25, kept") << 25 << -1 << 25;
        QTest::newRow("-3, kept") << -3 << -1 << -3;
        QTest::newRow("200, C04 chosen") << 200 << 3 << 3;
    }
    void warunekPozaLista()
    {
        QFETCH(int, zapisany);
        QFETCH(int, wybrany);
        auto kroki = stare();
        TKrok &k = kroki->k[1];
        k.warunek_konca = zapisany;
        gdyOknoModalne<TFStanPrzekaznikow>([&](TFStanPrzekaznikow *e) {
            QCOMPARE(e->co_warunek->currentIndex(), -1);
            if (wybrany >= 0)
                e->co_warunek->setCurrentIndex(wybrany);
            e->ed_nazwa->setText("x");
            e->but_ok->click();
        });
        QVERIFY(edytujKrok(k, projekt->przekazniki, 1045, 0, false));
        QTEST(int(k.warunek_konca), "wynik");
    }

    // Washing step 7 alone: read as slot 7 of the washing steps into the
    // window (OK enabled), sent as slot 7 in a session of its own.
    void edytorTransfery()
    {
        auto kroki = stare();
        TKrok &k = kroki->k[7];
        gdyOknoModalne<TFStanPrzekaznikow>([&](TFStanPrzekaznikow *e) {
            e->but_odczyt->click();
            QCOMPARE(s->ramkiKomendy('H', 0x0B).size(), 1);
            QCOMPARE(uint8_t(s->ramkiKomendy('H', 0x0B)[0].at(5)), uint8_t(7));
            QCOMPARE(e->ed_nazwa->text(), nazwa50NaTekst(krokSterownika(7, true).nazwa));
            QCOMPARE(pasekPostepu().Gauge1->maximum(), 2);
            QCOMPARE(pasekPostepu().Gauge1->value(), 2);
            QVERIFY(e->but_ok->isEnabled());
            e->ed_nazwa->setText("wysłany");
            e->IntEdit2->setText("55");
            s->komunikaty.oczekuj(R::Informacja, wyslane);
            e->but_wyslij->click();
            QVERIFY(s->komunikaty.pusty());
            QCOMPARE(pasekPostepu().L_info->text(), QString("Wysyłanie ustawień do sterownika"));
            e->but_ok->click();
        });
        QVERIFY(edytujKrok(k, projekt->przekazniki, 1045, 6, true));
        const auto r = s->pty.ramki();
        QCOMPARE(int(r.size()), 4);
        QCOMPARE(r[1].left(3), QByteArray::fromHex("014981"));
        QCOMPARE(r[2].left(3), QByteArray::fromHex("01490b"));
        QCOMPARE(uint8_t(r[2].at(5)), uint8_t(7));
        QCOMPARE(r[3].left(3), QByteArray::fromHex("014982"));
        const auto p = s->bloki.projekt();
        QCOMPARE(nazwa50NaTekst(p->krokiMycie[7].nazwa), QString("wysłany"));
        QCOMPARE(int(p->krokiMycie[7].zadane4[1]), 55);
        QVERIFY(rowneNaLaczu(p->krokiMycie[7], k));
        QCOMPARE(bajty(p->kroki[7]), bajty(krokSterownika(7, false)));
        QCOMPARE(int(k.nr_kroku), 7);
    }

    // A read during which "Anuluj" was pressed, or that failed, leaves the
    // window as it was.
    void edytorOdczytBezZmian_data()
    {
        QTest::addColumn<bool>("anuluj");
        QTest::newRow("Anuluj") << true;
        QTest::newRow("failed") << false;
    }
    void edytorOdczytBezZmian()
    {
        QFETCH(bool, anuluj);
        auto kroki = stare();
        TKrok &k = kroki->k[3];
        gdyOknoModalne<TFStanPrzekaznikow>([&](TFStanPrzekaznikow *e) {
            if (anuluj)
                s->zegar.naPrzetworz = [] { pasekPostepu().koniec = true; };
            else {
                s->zepsujOd('H', 0x02, 0);
                s->komunikaty.oczekuj(R::Blad, brak);
            }
            e->but_odczyt->click();
            s->zegar.naPrzetworz = nullptr;
            QVERIFY(s->ramki('H', 0x02) >= 1);
            QCOMPARE(e->ed_nazwa->text(), QString("stary 3"));
            QVERIFY(!e->but_ok->isEnabled());
            e->but_anuluj->click();
        });
        QVERIFY(!edytujKrok(k, projekt->przekazniki, 1045, 2, false));
    }

    // Clear asks; Yes empties the controls (the record takes them at OK):
    // no name, "C01 Off", constants 0, relays 1..32 off; relays 33..128
    // kept.
    void czyszczenie()
    {
        auto kroki = stare();
        TKrok &k = kroki->k[9];
        const TKrok przed = k;
        gdyOknoModalne<TFStanPrzekaznikow>([&](TFStanPrzekaznikow *e) {
            s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 0);
            e->sb_cls->click();
            QCOMPARE(e->ed_nazwa->text(), QString("stary 9"));
            QVERIFY(!e->but_ok->isEnabled());
            s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 1);
            e->sb_cls->click();
            QVERIFY(e->ed_nazwa->text().isEmpty());
            QCOMPARE(e->co_warunek->currentIndex(), 0);
            QCOMPARE(e->IntEdit3->Value(), 0);
            QCOMPARE(e->przekazniki->stany(), QByteArray(32, '\0'));
            QCOMPARE(nazwa50NaTekst(e->Krok.nazwa), QString("stary 9"));
            QVERIFY(e->but_ok->isEnabled());
            e->but_ok->click();
        });
        QVERIFY(edytujKrok(k, projekt->przekazniki, 1045, 8, false));
        QVERIFY(nazwa50NaTekst(k.nazwa).isEmpty());
        QCOMPARE(int(k.warunek_konca), 0);
        for (int z = 0; z < 4; ++z)
            QCOMPARE(int(k.zadane4[z]), 0);
        for (int j = 0; j < 128; ++j)
            QCOMPARE(int(k.przekazniki[j]), j < 32 ? 0 : int(przed.przekazniki[j]));
    }

    // A step file holds one step, 252 bytes: loaded into washing step 3 it
    // keeps step 3's own number and takes everything else; a shorter file
    // changes nothing; a save writes the step as the controls give it.
    void plikKroku()
    {
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        auto kroki = stare();
        TKrok zPliku = kroki->k[20];
        zPliku.nr_kroku = 99;
        zPliku.zadane4[4] = 1234;
        zPliku.przekazniki[100] = 9;
        const QString plik = katalog.filePath("k.k3kr1m"), krotki = katalog.filePath("krotki.k3kr1m"),
                      zapisany = katalog.filePath("z.k3kr1m");
        QFile f(plik), g(krotki);
        QVERIFY(f.open(QIODevice::WriteOnly) && g.open(QIODevice::WriteOnly));
        f.write(bajty(zPliku) + QByteArray(10, 'x'));
        g.write(bajty(zPliku).left(251));
        f.close();
        g.close();
        TKrok &k = kroki->k[3];
        TKrok oczekiwany = zPliku;
        oczekiwany.nr_kroku = k.nr_kroku;
        gdyOknoModalne<TFStanPrzekaznikow>([&](TFStanPrzekaznikow *e) {
            wybor.odpowiedzi = {krotki};
            s->komunikaty.oczekuj(R::Blad, "Bład przetwarzania pliku");
            e->but_otworz->click();
            QCOMPARE(e->ed_nazwa->text(), QString("stary 3"));
            QVERIFY(!e->but_ok->isEnabled());
            wybor.odpowiedzi = {plik};
            e->but_otworz->click();
            QCOMPARE(bajty(e->Krok), bajty(oczekiwany));
            QCOMPARE(e->ed_nazwa->text(), QString("stary 20"));
            QVERIFY(e->but_ok->isEnabled());
            wybor.odpowiedzi = {zapisany};
            e->but_zapisz->click();
            e->but_ok->click();
        });
        QVERIFY(edytujKrok(k, projekt->przekazniki, 1045, 2, true));
        QCOMPARE(wybor.filtry, QStringList(3, "Kvor350|*.k3kr1m"));
        QCOMPARE(bajty(k), bajty(oczekiwany));
        QFile z(zapisany);
        QVERIFY(z.open(QIODevice::ReadOnly));
        QCOMPARE(z.readAll(), bajty(oczekiwany));
    }
};

QTEST_MAIN(TestKroki)
#include "test_kroki.moc"
