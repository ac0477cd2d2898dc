// The digital inputs offscreen against the simulator: what they have of
// their own (the shared behaviour of list sections is tested in
// test_sekcje_wspolne): the numbering DI1.1..DI1.8, DI2.1..DI2.16 and the
// card and input on the wire, the list's texts and looks, a read-all that
// ends early, the one-byte name, out-of-range data, clearing, the
// editor's files and reads, the alarm delay the box cannot show, and the
// report.
#include "sym_edytora.h"
#include "test_qt.h"
#include "wpisz_czas.h"

#include "edycja_czasu.h"
#include "edytor_sekcji.h"
#include "kontrolki_pol.h"
#include "panel_alarmu.h"
#include "przekazniki32.h"
#include "raport.h"
#include "tekst_pdf.h"
#include "wejscia_cyfrowe.h"
#include "wejscia_cyfrowe_transfer.h"
#include "wydruk_pdf.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <cstring>

using R = RodzajKomunikatu;

namespace {

using W = Tkvor350wejscieDwustanowe;

struct Projekt {
    TProjektVXTNew p{};
};

QByteArray surowe(const W &w) { return QByteArray(reinterpret_cast<const char *>(&w), sizeof w); }

const uint8_t subWejscia = mapaWejsciaCyfrowego().podkomenda;
const QString tekstBlednychDanych = QStringLiteral("Błędne dane, poza zakresem! ");

// [input on the card, card] of input nr, as a request addresses it.
QByteArray adres(int nr)
{
    QByteArray a(2, '\0');
    a[0] = char(nr <= 8 ? nr - 1 : nr - 9);
    a[1] = char(nr <= 8 ? 0 : 1);
    return a;
}

// Codes and output states within their lists, as an editor shows them
// without a warning.
void wZakresie(TWejsciaCyfrowe &wejscia)
{
    for (W &w : wejscia) {
        w.logika %= 2;
        w.zasilanie %= 2;
        w.alarm_status %= 3;
        w.alarm_logika %= 3;
        for (int j = 0; j < 32; ++j)
            w.wyjscia_przypisane[j] %= 5;
        const int sekundy = (w.alarm_opoznienieL + 256 * w.alarm_opoznienieH) % 6000;
        w.alarm_opoznienieL = uint8_t(sekundy % 256);
        w.alarm_opoznienieH = uint8_t(sekundy / 256);
    }
}

// The alarm delay's two bytes as unsigned seconds.
int sekundyOpoznienia(const W &w) { return w.alarm_opoznienieL + 256 * w.alarm_opoznienieH; }
void ustawOpoznienie(W &w, int sekundy)
{
    w.alarm_opoznienieL = uint8_t(sekundy & 0xFF);
    w.alarm_opoznienieH = uint8_t(sekundy >> 8);
}

int slowo(const QByteArray &b, int p) { return int(uint8_t(b.at(p))) | int(uint8_t(b.at(p + 1))) << 8; }

} // namespace

class TestWejsciaCyfrowe : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;
    std::unique_ptr<Projekt> sym;   // the controller's project
    std::unique_ptr<Projekt> stary; // the PC's, unlike it

    // A list as the entry opens it, over the PC's inputs.
    std::unique_ptr<TFListaWejscCyfrowych> okno()
    {
        return oknoJakZWejscia<TFListaWejscCyfrowych>(stary->p.WejsciaCyfrowe);
    }
    // The editor of input nr (its numbers set) as its entry opens it.
    std::unique_ptr<TfeditWejscieCyfrowe> edytor(int nr, const W &w)
    {
        return oknoJakZWejscia<TfeditWejscieCyfrowe>(
            w, [nr](TfeditWejscieCyfrowe &e) { ustawKarteWejscie(e.rekord, nr); });
    }
    QString komorka(const TFListaWejscCyfrowych &o, int wiersz, int kolumna) const
    {
        return o.memproj->index(wiersz, kolumna).data().toString();
    }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        sym = std::make_unique<Projekt>();
        stary = std::make_unique<Projekt>();
        TProjektDodatkiMycie m{};
        BlokiSym::przykladowy(sym->p, m, 31);
        wZakresie(sym->p.WejsciaCyfrowe);
        s->bloki.ustaw(sym->p, m);
        BlokiSym::przykladowy(stary->p, m, 32);
        wZakresie(stary->p.WejsciaCyfrowe);
        // Inputs 25..32 never travel: something the list must leave alone.
        for (int i = 24; i < 32; ++i)
            std::memset(&stary->p.WejsciaCyfrowe[i], 0x40 + i, sizeof(W));
    }
    void poTescie() override { s.reset(); }

private slots:
    void initTestCase() { QApplication::setApplicationName("Setup kVOR 350"); }

    // 24 rows numbered by card, the texts of the codes ("***" without an
    // item), a zero delay not shown, a row bold while its alarm is on and
    // red while it interrupts the program.
    void lista()
    {
        W *w = stary->p.WejsciaCyfrowe;
        w[0].logika = 1;
        w[0].alarm_status = 1;
        w[0].alarm_logika = 1;
        w[0].alarm_opoznienieL = 44;
        w[0].alarm_opoznienieH = 1;
        w[1].logika = 5;
        w[1].alarm_status = 2;
        w[1].alarm_logika = 7;
        w[1].alarm_opoznienieL = 0;
        w[1].alarm_opoznienieH = 0;
        w[2].alarm_status = 0;
        w[3].alarm_status = 9;
        auto o = okno();

        QCOMPARE(o->windowTitle(), QString("[DI] WEjścia cyfrowe"));
        QCOMPARE(o->memproj->ileWierszy(), 24);
        const QStringList tytuly{"Nr", "Nazwa", "Logika", "Status alarmu", "Logika przekaźników", "Opóźnienie alarmu"};
        QCOMPARE(o->memproj->columnCount(), 6);
        for (int k = 0; k < 6; ++k)
            QCOMPARE(o->memproj->headerData(k, Qt::Horizontal, Qt::DisplayRole).toString(), tytuly[k]);
        for (const auto &[k, px] : std::initializer_list<std::pair<int, int>>{{0, 53}, {1, 230}, {2, 100}, {5, 74}})
            QCOMPARE(o->DBGrid1->columnWidth(k), px);
        QStringList numery;
        for (int r = 0; r < 24; ++r)
            numery << komorka(*o, r, 0);
        QCOMPARE(numery.first(), QString("DI1.1 : "));
        QCOMPARE(numery[7], QString("DI1.8 : "));
        QCOMPARE(numery[8], QString("DI2.1 : "));
        QCOMPARE(numery.last(), QString("DI2.16 : "));

        QCOMPARE(komorka(*o, 0, 2), QString("Ujemna"));
        QCOMPARE(komorka(*o, 0, 3), QString("PRZERWANIE PROGRAMU"));
        QCOMPARE(komorka(*o, 0, 4), QString("Dodanie stanu"));
        QCOMPARE(komorka(*o, 0, 5), QString("05:00"));
        QCOMPARE(komorka(*o, 1, 2), QString("***"));
        QCOMPARE(komorka(*o, 1, 3), QString("KONTYNUACJA PROGRAMU"));
        QCOMPARE(komorka(*o, 1, 4), QString());
        QCOMPARE(komorka(*o, 1, 5), QString("00:00"));
        QCOMPARE(komorka(*o, 2, 3), QString());
        QCOMPARE(komorka(*o, 3, 3), QString("***"));

        const auto kolor = [&](int r, int k) { return o->memproj->index(r, k).data(Qt::ForegroundRole); };
        const auto gruby = [&](int r) { return o->memproj->index(r, 1).data(Qt::FontRole).value<QFont>().bold(); };
        QCOMPARE(kolor(0, 1).value<QColor>(), QColor(255, 0, 0));
        QVERIFY(gruby(0));
        QVERIFY(!kolor(1, 1).isValid());
        QVERIFY(gruby(1));
        QCOMPARE(kolor(1, 5).value<QColor>().alpha(), 0); // a zero delay is not shown
        QVERIFY(!gruby(2));
        QVERIFY(!o->but_ok->isEnabled());
    }

    // A read-all over either transport addresses each input by card and
    // input; inputs 25..32 stay; OK enabled (OK itself then sets wynik).
    void odczytCaly_data() { wierszeLaczy(); }
    void odczytCaly()
    {
        QFETCH(bool, lan);
        if (lan)
            QVERIFY(s->przezLan());
        auto o = okno();
        o->but_odczyt->click();
        for (int i = 0; i < 32; ++i)
            QVERIFY2(surowe(o->wejscia[i]) == surowe((i < 24 ? sym : stary)->p.WejsciaCyfrowe[i]),
                     qPrintable(QString::number(i + 1)));
        const auto d = s->dane('H', subWejscia);
        QCOMPARE(int(d.size()), 24);
        for (int nr = 1; nr <= 24; ++nr)
            QCOMPARE(d[size_t(nr - 1)].left(2), adres(nr));
        QVERIFY(o->but_ok->isEnabled());
        QVERIFY(!o->wynik);
    }

    // A send-all in one session: each input at its card and input; the
    // controller holds the window's 24 inputs.
    void wyslanieCale_data() { wierszeLaczy(); }
    void wyslanieCale()
    {
        QFETCH(bool, lan);
        if (lan)
            QVERIFY(s->przezLan());
        // Records whose numbers disagree with their place go out at their place.
        std::swap(stary->p.WejsciaCyfrowe[2].nr_karty, stary->p.WejsciaCyfrowe[12].nr_karty);
        auto o = okno();
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        const auto d = s->dane('I', subWejscia);
        QCOMPARE(int(d.size()), 24);
        for (int nr = 1; nr <= 24; ++nr)
            QCOMPARE(d[size_t(nr - 1)].left(2), adres(nr));
        // Over TCP/IP a name travels with its first 15 characters.
        const auto naSter = s->bloki.projekt();
        const TPole<W> &nazwa = polaWejscCyfrowych()["Nazwa"];
        for (int i = 0; i < 24; ++i) {
            W oczekiwane = stary->p.WejsciaCyfrowe[i], odebrane = naSter->WejsciaCyfrowe[i];
            ustawKarteWejscie(oczekiwane, i + 1);
            QCOMPARE(nazwa.tekstW(odebrane, {}), nazwa.tekstW(oczekiwane, {}).left(lan ? 15 : 16));
            for (W *w : {&oczekiwane, &odebrane}) {
                std::memset(w->nazwa_array, 0, sizeof w->nazwa_array);
                std::memset(w->nazwa_str, 0, sizeof w->nazwa_str);
            }
            QCOMPARE(surowe(odebrane).toHex(), surowe(oczekiwane).toHex());
        }
        QCOMPARE(s->sterownik.stan().ileSesji, 1);
        QVERIFY(s->bloki.naruszenia().isEmpty());
    }

    // A read-all failing at input 10 rebuilds the list and makes OK
    // available: OK hands back inputs 1..9 as read, the others as they
    // were.
    void odczytPrzerwany()
    {
        auto z = std::make_unique<Projekt>();
        kopiujRekord(z->p.WejsciaCyfrowe, stary->p.WejsciaCyfrowe);
        gdyOknoModalne<TFListaWejscCyfrowych>([&](TFListaWejscCyfrowych *o) {
            s->zepsujOd('H', subWejscia, 9);
            s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
            o->but_odczyt->click();
            QVERIFY(o->but_ok->isEnabled());
            QCOMPARE(komorka(*o, 8, 1),
                     tekstJednobajtowy(std::span<const uint8_t>(sym->p.WejsciaCyfrowe[8].nazwa_str)));
            o->but_ok->click();
        });
        QVERIFY(edytujWejsciaCyfrowe(z->p.WejsciaCyfrowe, 1045));
        for (int i = 0; i < 32; ++i)
            QVERIFY2(surowe(z->p.WejsciaCyfrowe[i]) == surowe((i < 9 ? sym : stary)->p.WejsciaCyfrowe[i]),
                     qPrintable(QString::number(i + 1)));
    }

    // The name typed goes into the one-byte field in Windows-1250 (what it
    // lacks becomes '?') and, the same, into the UTF-16 one; 16 characters
    // at most.
    void nazwa_data()
    {
        QTest::addColumn<QString>("wpisana");
        QTest::addColumn<QString>("zapisana");
        QTest::addColumn<QByteArray>("bajty");
        QTest::newRow("Polish letters") << "Żółć gęś"
                                        << "Żółć gęś" << QByteArray("\xAF\xF3\xB3\xE6 g\xEA\x9C");
        QTest::newRow("unmappable") << "Ж€x"
                                    << "?€x" << QByteArray("?\x80x");
        QTest::newRow("16 characters") << "abcdefghijklmnop"
                                       << "abcdefghijklmnop" << QByteArray("abcdefghijklmnop");
        QTest::newRow("empty") << ""
                               << "" << QByteArray();
    }
    void nazwa()
    {
        QFETCH(QString, wpisana);
        QFETCH(QString, zapisana);
        QFETCH(QByteArray, bajty);
        auto e = edytor(5, stary->p.WejsciaCyfrowe[4]);
        e->ed_nazwa->setText(wpisana);
        e->but_ok->click();
        const W &w = e->rekord;
        QCOMPARE(int(w.nazwa_str[0]), int(bajty.size()));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(w.nazwa_str + 1), bajty.size()), bajty);
        char16_t znaki[16] = {};
        for (qsizetype i = 0; i < zapisana.size(); ++i)
            znaki[i] = zapisana.at(i).unicode();
        QCOMPARE(std::memcmp(w.nazwa_array, znaki, sizeof znaki), 0);

        e = edytor(5, w);
        QCOMPARE(e->ed_nazwa->text(), zapisana);
        e->ed_nazwa->setText("abcdefghijklmnop");
        QTest::keyClicks(e->ed_nazwa, "q");
        QCOMPARE(e->ed_nazwa->text(), QString("abcdefghijklmnop"));
    }

    // Codes without an item and output states above 4 are reported once
    // per window; a list showing no item keeps the stored code, the output
    // is shown and stored as off.
    void bledneDane()
    {
        W w = stary->p.WejsciaCyfrowe[0];
        w.alarm_status = 5;
        w.alarm_logika = 1;
        w.logika = 4;
        w.wyjscia_przypisane[2] = 7;
        w.wyjscia_przypisane[3] = 4;
        s->komunikaty.oczekuj(R::Ostrzezenie, tekstBlednychDanych);
        auto e = edytor(1, w);
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(e->bylBlad);
        QCOMPARE(e->alarm->co_status->currentIndex(), -1);
        QCOMPARE(e->co_logika->currentIndex(), -1);
        QCOMPARE(e->alarm->przekazniki->getValue(2), 0);
        QCOMPARE(e->alarm->przekazniki->getValue(3), 4);
        e->WypiszDane(); // no second warning
        e->alarm->dt_opoznienie->setText("01:02");
        e->but_ok->click();
        QCOMPARE(int(e->rekord.alarm_status), 5);
        QCOMPARE(int(e->rekord.logika), 4);
        QCOMPARE(int(e->rekord.wyjscia_przypisane[2]), 0);
        QCOMPARE(int(e->rekord.alarm_opoznienieL), 62);
        QCOMPARE(int(e->rekord.alarm_opoznienieH), 0);
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
    }

    // "Czyść" asks first; Yes then OK stores a zeroed input that keeps its
    // card and input numbers.
    void czyszczenie()
    {
        auto e = edytor(12, stary->p.WejsciaCyfrowe[11]);
        const QByteArray przed = surowe(e->rekord);
        s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 0);
        e->sb_cls->click();
        QCOMPARE(surowe(e->rekord), przed);
        QVERIFY(!e->but_ok->isEnabled());
        s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 1);
        e->sb_cls->click();
        QVERIFY(e->but_ok->isEnabled());
        QCOMPARE(e->ed_nazwa->text(), QString());
        e->but_ok->click();
        W zero{};
        zero.nr_karty = 1;
        zero.nr_wejscia = 3;
        QCOMPARE(surowe(e->rekord), surowe(zero));
    }

    // A row edited from the list: its input's editor at its card and
    // input; a confirmed change goes into the list's copy and enables OK.
    void edycjaWiersza()
    {
        auto o = okno();
        o->wejscia[8].nr_karty = 7;
        o->przejdzDo(9);
        gdyOknoModalne<TfeditWejscieCyfrowe>([](TfeditWejscieCyfrowe *e) {
            QCOMPARE(e->LabelNr->text(), QString("DI2.1"));
            QVERIFY(!e->co_zasilanie->isEnabled());
            QCOMPARE(e->co_zasilanie->count(), 2);
            e->alarm->dt_opoznienie->setText("02:05");
            e->but_ok->click();
        });
        o->but_popraw->click();
        QCOMPARE(int(o->wejscia[8].nr_karty), 1);
        QCOMPARE(int(o->wejscia[8].nr_wejscia), 0);
        QCOMPARE(komorka(*o, 8, 5), QString("02:05"));
        QVERIFY(o->but_ok->isEnabled());
        QCOMPARE(o->nrBiezacy(), 9);
    }

    // The editor reads its input by card and input into a scratch record;
    // a failed read leaves the record and the controls.
    void edytorOdczyt()
    {
        auto e = edytor(9, stary->p.WejsciaCyfrowe[8]);
        const QByteArray przed = surowe(e->rekord);
        s->zepsujOd('H', subWejscia, 0);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        e->but_odczyt->click();
        QCOMPARE(surowe(e->rekord), przed);
        QVERIFY(!e->but_ok->isEnabled());
        s->usterki.wyczysc();
        e->but_odczyt->click();
        QCOMPARE(s->dane('H', subWejscia).back().left(2), adres(9));
        QCOMPARE(surowe(e->rekord), surowe(sym->p.WejsciaCyfrowe[8]));
        QVERIFY(e->but_ok->isEnabled());
    }

    // Files: one input is 230 bytes and keeps its own card and input when
    // loaded from another input's file; the list's 32 inputs are 7,360.
    void pliki()
    {
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        const QString plik = katalog.filePath("we.k3di1");
        QFile f(plik);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(surowe(sym->p.WejsciaCyfrowe[2]));
        f.close();
        auto e = edytor(20, stary->p.WejsciaCyfrowe[19]);
        wybor.odpowiedzi = {plik};
        e->but_otworz->click();
        QCOMPARE(wybor.filtry, QStringList{"Kvor350|*.k3di1"});
        W oczekiwane = sym->p.WejsciaCyfrowe[2];
        ustawKarteWejscie(oczekiwane, 20);
        QCOMPARE(surowe(e->rekord), surowe(oczekiwane));
        QCOMPARE(e->LabelNr->text(), QString("DI2.12"));
        QVERIFY(e->but_ok->isEnabled());
        const QString zapisany = katalog.filePath("z.k3di1");
        wybor.odpowiedzi = {zapisany};
        e->but_zapisz->click();
        QFile z(zapisany);
        QVERIFY(z.open(QIODevice::ReadOnly));
        QCOMPARE(z.readAll(), surowe(oczekiwane));

        auto o = okno();
        const QString lista = katalog.filePath("l.k3di");
        wybor.odpowiedzi = {lista};
        o->but_zapisz->click();
        QCOMPARE(wybor.filtry.last(), QString("Kvor350|*.k3di"));
        QCOMPARE(QFileInfo(lista).size(), qint64(7360));
    }

    // The alarm delay as a file or a controller holds it (0..65535 s): what
    // its box shows (6000 and more as 99:59), and the bytes that every way
    // out of the editor hands on while only another field was edited: OK,
    // a send, a save, OK after a read or an open, the list's edit with its
    // entry. Typed into with keys, even with the text it showed, the box's
    // value is stored.
    void opoznienie_data()
    {
        QTest::addColumn<int>("sekundy");
        QTest::addColumn<QString>("akcja");
        for (const int sekundy : {0, 59, 5999, 6000, 32767, 32768, 65535})
            for (const char *akcja :
                 {"OK", "wysłanie", "zapis", "odczyt", "otwarcie", "lista", "klawisze", "te same klawisze"})
                QTest::addRow("%d s, %s", sekundy, akcja) << sekundy << QString::fromUtf8(akcja);
    }
    void opoznienie()
    {
        QFETCH(int, sekundy);
        QFETCH(QString, akcja);
        const QString pokazane = sekundy == 0 ? "00:00" : sekundy == 59 ? "00:59" : "99:59";
        W w = stary->p.WejsciaCyfrowe[0];
        ustawKarteWejscie(w, 1);
        ustawOpoznienie(w, sekundy);
        // Another field edited: the input's logic.
        const uint8_t logika = uint8_t(1 - w.logika);
        W ocz = w;
        ocz.logika = logika;
        const auto edytujInne = [logika](TfeditWejscieCyfrowe &e) { e.co_logika->setCurrentIndex(logika); };
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;

        if (akcja == "OK") {
            auto e = edytor(1, w);
            QCOMPARE(e->alarm->dt_opoznienie->text(), pokazane);
            edytujInne(*e);
            e->but_ok->click();
            QCOMPARE(surowe(e->rekord), surowe(ocz));
        } else if (akcja == "wysłanie") {
            auto e = edytor(1, w);
            edytujInne(*e);
            s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
            e->but_wyslij->click();
            QVERIFY(s->komunikaty.pusty());
            const auto blok = s->dane('I', subWejscia);
            QCOMPARE(int(blok.size()), 1);
            QCOMPARE(slowo(blok[0], 40), sekundy);
            QCOMPARE(int(s->bloki.projekt()->WejsciaCyfrowe[0].logika), int(logika));
            QCOMPARE(surowe(e->rekord), surowe(ocz));
        } else if (akcja == "zapis") {
            auto e = edytor(1, w);
            edytujInne(*e);
            wybor.odpowiedzi = {katalog.filePath("we.k3di1")};
            e->but_zapisz->click();
            QFile f(katalog.filePath("we.k3di1"));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), surowe(ocz));
        } else if (akcja == "odczyt" || akcja == "otwarcie") {
            auto e = edytor(1, stary->p.WejsciaCyfrowe[1]);
            if (akcja == "odczyt") {
                s->bloki.zmien([&](TProjektVXTNew &p, TProjektDodatkiMycie &) { p.WejsciaCyfrowe[0] = w; });
                e->but_odczyt->click();
                // What the wire carries, as read.
                QCOMPARE(sekundyOpoznienia(e->rekord), sekundy);
                ocz = e->rekord;
                ocz.logika = logika;
            } else {
                QFile f(katalog.filePath("we.k3di1"));
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(surowe(w));
                f.close();
                wybor.odpowiedzi = {f.fileName()};
                e->but_otworz->click();
                QCOMPARE(surowe(e->rekord), surowe(w));
            }
            QCOMPARE(e->alarm->dt_opoznienie->text(), pokazane);
            edytujInne(*e);
            e->but_ok->click();
            QCOMPARE(surowe(e->rekord), surowe(ocz));
        } else if (akcja == "lista") {
            auto z = std::make_unique<Projekt>();
            kopiujRekord(z->p.WejsciaCyfrowe, stary->p.WejsciaCyfrowe);
            z->p.WejsciaCyfrowe[0] = w;
            QString widziane;
            QByteArray naLiscie;
            gdyOknoModalne<TFListaWejscCyfrowych>([&](TFListaWejscCyfrowych *o) {
                o->przejdzDo(1);
                gdyOknoModalne<TfeditWejscieCyfrowe>([&](TfeditWejscieCyfrowe *e) {
                    widziane = e->alarm->dt_opoznienie->text();
                    edytujInne(*e);
                    e->but_ok->click();
                });
                QTest::keyClick(o->DBGrid1, Qt::Key_Return);
                naLiscie = surowe(o->wejscia[0]);
                o->but_ok->click();
            });
            QVERIFY(edytujWejsciaCyfrowe(z->p.WejsciaCyfrowe, 1045));
            QCOMPARE(widziane, pokazane);
            QCOMPARE(naLiscie, surowe(ocz));
            QCOMPARE(surowe(z->p.WejsciaCyfrowe[0]), surowe(ocz));
        } else {
            // Keys into the box with the focus: "12:34", or the digits it showed.
            auto e = edytor(1, w);
            TMin99SecEdit *t = e->alarm->dt_opoznienie;
            const bool teSame = akcja == "te same klawisze";
            wpiszCzasIOk(*e, t, pokazane, teSame);
            ustawOpoznienie(w, teSame ? std::min(sekundy, 5999) : 754);
            QCOMPARE(surowe(e->rekord), surowe(w));
        }
    }

    // The report: per input its line and the relay states of its alarm.
    void drukowanie()
    {
        QTemporaryDir katalog;
        WydrukDoPdf wydruk(katalog.path());
        const auto stany = [](int nr) {
            QList<int> s;
            for (int j = 0; j < 32; ++j)
                s << (j * nr + 1) % 5;
            return s;
        };
        for (int nr = 1; nr <= 24; ++nr)
            for (int j = 0; j < 32; ++j)
                stary->p.WejsciaCyfrowe[nr - 1].wyjscia_przypisane[j] = uint8_t(stany(nr)[j]);
        W &w = stary->p.WejsciaCyfrowe[23];
        ustawTekstJednobajtowy(std::span<uint8_t>(w.nazwa_str), QStringLiteral("Drzwi komory"));
        w.alarm_status = 1;
        w.alarm_logika = 2;
        w.alarm_opoznienieL = 90;
        w.alarm_opoznienieH = 0;
        auto o = okno();
        o->ustawJezyk(2057);
        o->but_drukuj->click();
        QCOMPARE(wydruk.wywolania, QStringList{"drukuj"});
        QCOMPARE(o->ileTemp, qint64(24 * 64));
        const QString tekst = tekstPdf(wydruk.pliki.at(0));
        QVERIFY(!tekst.isEmpty());
        for (const QString &t :
             {QString("[DI] WEjścia cyfrowe"), QString("Logika przekaźników"), QString("Opóźnienie alarmu"),
              QString("DI2.16"), QString("Drzwi komory"), QString("PRZERWANIE PROGRAMU"), QString("Odjęcie stanu"),
              QString("01:30"), QString("Wydrukowano: ")})
            QVERIFY2(tekst.contains(t), qPrintable(t + " in:\n" + tekst));
        for (int nr = 1; nr <= 24; ++nr) {
            const QString di = nr <= 8 ? QStringLiteral("DI1.%1 :").arg(nr) : QStringLiteral("DI2.%1 :").arg(nr - 8);
            const qsizetype od = tekst.indexOf(di);
            QVERIFY2(od >= 0, qPrintable(di));
            QCOMPARE(stanyPrzekaznikowPdf(tekst, od), stany(nr));
        }
    }
};

QTEST_MAIN(TestWejsciaCyfrowe)
#include "test_wejscia_cyfrowe.moc"
