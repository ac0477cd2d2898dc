// What every list section shares, tested once over a table of sections
// against the simulator: the close question on every way out, reads into
// scratch records and a read failing at item k (the grid then shows what
// the copy holds), the tool buttons during a transfer, a send-all whose
// session cannot be opened and one that completes, files shorter and
// longer than the section, a connection that is neither RS-485 nor TCP/IP.
//
// A new list section adds one row to sekcje() below; its own tests then
// cover only its fields and the places where it departs from the others.
#include "tabela_sekcji.h"

#include "edytor_listy.h"
#include "enumeracje.h"
#include "kodek.h"
#include "kroki.h"
#include "nazwy.h"
#include "programy.h"
#include "przekazniki.h"
#include "tryby_specjalne.h"
#include "tryby_specjalne_transfer.h"
#include "wejscia_cyfrowe.h"
#include "wejscia_pomiarowe.h"
#include "wyjscia_analogowe.h"
#include "zadane.h"

#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstring>

using R = RodzajKomunikatu;

namespace {

// One section under the shared tests. Blocks travel as bytes, so that one
// table holds sections of every record type.
struct SekcjaProby {
    const char *nazwa;
    int ile;                                    // items of its read-all and send-all
    char odczyt;                                // the request reading one item: function letter
    uint8_t subOdczytu;                         // and sub-command
    uint8_t subZapisu;                          // the write ('I') of one item
    int ramek = 1;                              // requests per item read or written
    bool przebudowaPoBledzie = false;           // a read-all that fails still counts as a change
    qint64 rozmiarPozycji;                      // bytes of one item in the block
    std::function<qint64(int nr)> przesuniecie; // of item nr in the block
    QString rozszerzenie;                       // section files; empty: none
    // The entry function on a caller's block.
    std::function<bool(QByteArray &blok, int jezykId)> edytuj;
    // A list window over the block, as the entry function shows it, not run.
    std::function<std::unique_ptr<TEdytorListy>(const QByteArray &blok)> lista;
    // The window's copy.
    std::function<QByteArray(TEdytorListy &)> kopia;
    // The section's block of a project.
    std::function<QByteArray(const TProjektVXTNew &)> blokZ;
    QByteArray naSterowniku(SymulatorEdytora &sym) const { return blokZ(*sym.bloki.projekt()); }
    // A block whose items 1..ile come from `odczytane` and whose other
    // records (never listed nor read) stay as in `stary`.
    QByteArray poOdczycie(const QByteArray &stary, const QByteArray &odczytane) const
    {
        QByteArray b = stary;
        for (int nr = 1; nr <= ile; ++nr)
            b.replace(przesuniecie(nr), rozmiarPozycji, odczytane.mid(przesuniecie(nr), rozmiarPozycji));
        return b;
    }
};

// A row for a list TListaSekcji<Dane> whose entry function is `wejscie`;
// `przygotuj` gives a window what the entry hands it beyond the data.
template <class Okno, class Dane>
SekcjaProby listaSekcji(
    const char *nazwa, char odczyt, uint8_t subOdczytu, uint8_t subZapisu, bool (*wejscie)(Dane &, int),
    Dane TProjektVXTNew::*blok, std::function<void(Okno &)> przygotuj = [](Okno &) {})
{
    using Rek = std::remove_all_extents_t<Dane>;
    SekcjaProby s;
    s.nazwa = nazwa;
    s.odczyt = odczyt;
    s.subOdczytu = subOdczytu;
    s.subZapisu = subZapisu;
    s.rozmiarPozycji = sizeof(Rek);
    s.edytuj = [wejscie](QByteArray &b, int jezyk) {
        struct Blok {
            Dane d;
        };
        auto k = std::make_unique<Blok>();
        std::memcpy(&k->d, b.constData(), sizeof(Dane));
        const bool wynik = wejscie(k->d, jezyk);
        b = QByteArray(reinterpret_cast<const char *>(&k->d), sizeof(Dane));
        return wynik;
    };
    const auto nowe = [przygotuj] {
        auto o = std::make_unique<Okno>();
        przygotuj(*o);
        return o;
    };
    s.lista = [nowe](const QByteArray &b) {
        auto o = nowe();
        o->ustawJezyk(1045);
        std::memcpy(&o->dane, b.constData(), sizeof(Dane));
        // Shown, then unchanged, as the entry function opens it.
        o->memProjlistaTworz();
        o->wynik = false;
        o->but_ok->setEnabled(false);
        return std::unique_ptr<TEdytorListy>(std::move(o));
    };
    s.kopia = [](TEdytorListy &o) {
        return QByteArray(reinterpret_cast<const char *>(&static_cast<Okno &>(o).dane), sizeof(Dane));
    };
    s.blokZ = [blok](const TProjektVXTNew &p) {
        return QByteArray(reinterpret_cast<const char *>(&(p.*blok)), sizeof(Dane));
    };
    s.ile = nowe()->ile;
    s.przesuniecie = [nowe](int nr) {
        const auto o = nowe();
        return qint64(reinterpret_cast<const char *>(&o->pozycja(nr)) - reinterpret_cast<const char *>(&o->dane));
    };
    return s;
}

const std::vector<SekcjaProby> &sekcje()
{
    static const std::vector<SekcjaProby> t = [] {
        std::vector<SekcjaProby> w;
        w.push_back(listaSekcji<TFormZadane>("setpoints", 'H', 10, 10, &edytujZadane, &TProjektVXTNew::zadana));
        w.push_back(listaSekcji<TfListaWyjAnal>("analog outputs", 'H', blokWyjsciaAnalogowego.podkomenda,
                                                blokWyjsciaAnalogowego.podkomenda, &edytujWyjsciaAnalogowe,
                                                &TProjektVXTNew::WyjsciaAn));
        w.back().rozszerzenie = QStringLiteral("k3ana");
        // Five parts per program; the ".plw" file is read record by record
        // (test_programy).
        w.push_back(
            listaSekcji<Tflistaprojektow>("programs", 'H', 0x0F, 0x0F, &edytujProgramy, &TProjektVXTNew::programy));
        w.back().ramek = 5;
        w.back().przebudowaPoBledzie = true;
        w.push_back(listaSekcji<Tflistaprzekaznikow>("digital outputs", 'H', 0x04, 0x04, &edytujPrzekazniki,
                                                     &TProjektVXTNew::przekazniki));
        w.back().rozszerzenie = QStringLiteral("k3do");
        for (const bool mycie : {false, true}) {
            SekcjaProby k = listaSekcji<TfListakrokow, TKrokiArray>(
                mycie ? "washing steps" : "steps", 'H', mycie ? 0x0B : 0x02, mycie ? 0x0B : 0x02,
                mycie ? +[](TKrokiArray &d, int j) { return edytujKroki(d, j, true); }
                      : +[](TKrokiArray &d, int j) { return edytujKroki(d, j, false); },
                mycie ? &TProjektVXTNew::krokiMycie : &TProjektVXTNew::kroki,
                [mycie](TfListakrokow &o) { o.ustawMycie(mycie); });
            k.rozszerzenie = mycie ? QStringLiteral("k3krm") : QStringLiteral("k3kr");
            w.push_back(std::move(k));
        }
        const uint8_t ai = mapaWejsciaAnalogowego().podkomenda, di = mapaWejsciaCyfrowego().podkomenda;
        w.push_back(listaSekcji<TflistawejscPom>("measuring inputs", 'H', ai, ai, &edytujWejsciaPomiarowe,
                                                 &TProjektVXTNew::FWejsciaPomiarowe));
        w.back().rozszerzenie = QStringLiteral("k3ail");
        w.push_back(listaSekcji<TFListaWejscCyfrowych>("digital inputs", 'H', di, di, &edytujWejsciaCyfrowe,
                                                       &TProjektVXTNew::WejsciaCyfrowe));
        w.back().rozszerzenie = QStringLiteral("k3di");
        // The project holds the modes under the controller's numbers; the
        // list, in its own order, each with its list index.
        w.push_back(listaSekcji<Tflistafunkcji>("special modes", 'H', 0x03, 0x03, &edytujTrybySpecjalne,
                                                &TProjektVXTNew::FunkcjeSpec));
        w.back().rozszerzenie = QStringLiteral("k3spec");
        w.back().blokZ = [](const TProjektVXTNew &p) {
            QByteArray b;
            for (int i = 0; i < ileTrybowSpecjalnych; ++i) {
                TFunkcjaSpec t = p.FunkcjeSpec[nrTrybuSterownika(i + 1)];
                t.nr_funkcji = i;
                b += QByteArray(reinterpret_cast<const char *>(&t), sizeof t);
            }
            return b;
        };
        return w;
    }();
    return t;
}

// A row's texts as the grid shows them.
QStringList tekstyWiersza(const TEdytorListy &o, int wiersz)
{
    QStringList t;
    for (int k = 0; k < o.memproj->columnCount(); ++k)
        t << o.memproj->index(wiersz, k).data().toString();
    return t;
}

QStringList tekstyListy(const TEdytorListy &o)
{
    QStringList t;
    for (int w = 0; w < o.memproj->rowCount(); ++w)
        t << tekstyWiersza(o, w);
    return t;
}

} // namespace

class TestSekcjeWspolne : public TestTabeliSekcji<SekcjaProby> {
    Q_OBJECT

public:
    TestSekcjeWspolne() : TestTabeliSekcji(&sekcje) {}

private:
    QByteArray stare(const SekcjaProby &x) const override { return x.blokZ(*inny); }
    // The fixed special modes carry the long names a read gives them.
    void przygotuj(TProjektVXTNew &p) override
    {
        for (int pozycja = 1; pozycja <= 4; ++pozycja)
            p.FunkcjeSpec[nrTrybuSterownika(pozycja)].nazwa = tekstNaNazwe50(nazwaFunkcjiSpecjalnej(pozycja, false));
    }
    QWidget *celEsc(TEdytorSekcji *o) const override { return static_cast<TEdytorListy *>(o)->DBGrid1; }

    // A window as the entry shows it, over a block unlike the controller's.
    std::unique_ptr<TEdytorListy> okno(const SekcjaProby &x)
    {
        auto o = x.lista(stare(x));
        o->show();
        return o;
    }

private slots:
    void bezZmianBezPytania_data() { daneBezZmian(); }
    void bezZmianBezPytania() { bezZmian(); }
    void zmianyZPytaniem_data() { danePoOdczycie(); }
    void zmianyZPytaniem() { poOdczycie(); }
    void klawiatura_data() { daneKlawiatury(); }
    void klawiatura() { klawiaturaDoKonca(); }
    void zajete_data() { tylkoSekcje("slow read"); }
    void zajete() { zajeteOkno(); }

    // A read-all failing at item k: one "Brak komunikacji"; items before k
    // hold the controller's data, item k and the rest (a failed read goes
    // into a scratch record) their own; the grid shows exactly what the
    // copy holds.
    void odczytDoPozycjiK_data()
    {
        dodajSekcje();
        QTest::addColumn<int>("k");
        wierszeSekcji("first", [](QTestData &d) { d << 1; });
        wierszeSekcji("second", [](QTestData &d) { d << 2; });
        wierszeSekcji("last", [](QTestData &d) { d << -1; });
    }
    void odczytDoPozycjiK()
    {
        const SekcjaProby &x = sekcja();
        QFETCH(int, k);
        if (k < 0)
            k = x.ile;
        auto o = okno(x);
        const QByteArray przed = x.kopia(*o);
        const QByteArray sterownik = x.naSterowniku(*s);
        s->zepsujOd(x.odczyt, x.subOdczytu, (k - 1) * x.ramek);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        o->but_odczyt->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        const QByteArray po = x.kopia(*o);
        for (int nr = 1; nr <= x.ile; ++nr) {
            const qint64 p = x.przesuniecie(nr);
            const QByteArray oczekiwane = (nr < k ? sterownik : przed).mid(p, x.rozmiarPozycji);
            QVERIFY2(po.mid(p, x.rozmiarPozycji) == oczekiwane, qPrintable(QString::number(nr)));
        }
        // The grid's rows: those of a list over the controller's items up to
        // k - 1, of the old list from k on.
        auto zeSterownika = x.lista(sterownik), stara = x.lista(przed);
        for (int w = 0; w < x.ile; ++w)
            QCOMPARE(tekstyWiersza(*o, w), tekstyWiersza(w < k - 1 ? *zeSterownika : *stara, w));
        QVERIFY(!pasekPostepu().isVisible());
    }

    // The read-all's requests: one per item, the progress at its end.
    void odczytCaly_data() { tylkoSekcje("all"); }
    void odczytCaly()
    {
        const SekcjaProby &x = sekcja();
        auto o = okno(x);
        o->but_odczyt->click();
        QCOMPARE(x.kopia(*o).size(), x.naSterowniku(*s).size());
        for (int nr = 1; nr <= x.ile; ++nr) {
            const qint64 p = x.przesuniecie(nr);
            QCOMPARE(x.kopia(*o).mid(p, x.rozmiarPozycji), x.naSterowniku(*s).mid(p, x.rozmiarPozycji));
        }
        QCOMPARE(s->ramki(x.odczyt, x.subOdczytu), x.ile * x.ramek);
        QCOMPARE(s->sprawdzeniaBlokady, 1);
        QCOMPARE(tekstyListy(*o), tekstyListy(*x.lista(x.kopia(*o))));
        QCOMPARE(pasekPostepu().Gauge1->value(), x.ile);
        QVERIFY(o->but_ok->isEnabled());
        QVERIFY(!pasekPostepu().isVisible());
    }

    // While a transfer runs the tool buttons are disabled: clicking them
    // from inside the loop starts nothing.
    void przyciskiWTrakcie_data() { tylkoSekcje("read-all"); }
    void przyciskiWTrakcie()
    {
        const SekcjaProby &x = sekcja();
        auto o = okno(x);
        const QList<QToolButton *> przyciski = o->findChildren<QToolButton *>();
        int proby = 0;
        s->zegar.naPrzetworz = [&] {
            if (!o->wTrakcie())
                return;
            ++proby;
            for (QToolButton *b : przyciski) {
                QVERIFY(!b->isEnabled());
                b->click();
            }
        };
        o->but_odczyt->click();
        s->zegar.naPrzetworz = nullptr;
        QVERIFY(proby >= x.ile);
        QCOMPARE(s->ramki(x.odczyt, x.subOdczytu), x.ile * x.ramek);
        QCOMPARE(s->ramki('I', x.subZapisu), 0);
        for (QToolButton *b : przyciski)
            QVERIFY(b->isEnabled());
    }

    // A session that cannot be opened: one box, no item sent, no close,
    // no success message.
    void sesjaNieOtwarta_data() { tylkoSekcje("RS-485"); }
    void sesjaNieOtwarta()
    {
        const SekcjaProby &x = sekcja();
        auto o = okno(x);
        s->zepsujOd('I', 0x81, 0);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        QCOMPARE(s->ramki('I', x.subZapisu), 0);
        QCOMPARE(s->ramki('I', 0x82), 0);
        QVERIFY(!pasekPostepu().isVisible());
    }

    // A complete send-all: every item inside one session, closed, one
    // success message, the controller holding the window's items.
    void wyslanieCale_data() { tylkoSekcje("RS-485"); }
    void wyslanieCale()
    {
        const SekcjaProby &x = sekcja();
        auto o = okno(x);
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        QCOMPARE(s->ramki('I', x.subZapisu), x.ile * x.ramek);
        const StanSterownika st = s->sterownik.stan();
        QCOMPARE(st.ileSesji, 1);
        QVERIFY(!st.sesjaOtwarta);
        QCOMPARE(st.zapisyPozaSesja, 0);
        QCOMPARE(tekstyListy(*x.lista(x.naSterowniku(*s))), tekstyListy(*o));
        QCOMPARE(pasekPostepu().Gauge1->value(), x.ile);
        QVERIFY(!pasekPostepu().isVisible());
        QVERIFY(!o->but_ok->isEnabled());
    }

    // Files: shorter than the section is refused and changes nothing; the
    // section's size or longer gives the first record, and the list shows
    // it.
    void pliki_data() { danePlikow(); }
    void pliki()
    {
        const SekcjaProby &x = sekcja();
        if (x.rozszerzenie.isEmpty())
            QSKIP("the section has no files");
        QFETCH(int, roznica);
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        const QByteArray wPliku = x.naSterowniku(*s);
        const QString plik = plikSekcji(katalog, x.rozszerzenie, wPliku, roznica);
        QVERIFY(!plik.isEmpty());
        auto o = okno(x);
        const QByteArray przed = x.kopia(*o);
        wybor.odpowiedzi = {plik};
        if (roznica < 0)
            s->komunikaty.oczekuj(R::Blad, "Bład przetwarzania pliku");
        o->but_otworz->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(wybor.filtry, QStringList{QStringLiteral("Kvor350|*.") + x.rozszerzenie});
        QCOMPARE(x.kopia(*o), roznica < 0 ? przed : wPliku);
        QCOMPARE(tekstyListy(*o), tekstyListy(*x.lista(x.kopia(*o))));

        QCOMPARE(zapisane(*o, wybor, katalog.filePath(QStringLiteral("z.") + x.rozszerzenie)), x.kopia(*o));
    }

    // With LAN_ACTIVE neither 0 nor 1 nothing goes out: the read-all stops
    // at its first item with one box.
    void nieznanePolaczenie_data() { tylkoSekcje("LAN_ACTIVE 2"); }
    void nieznanePolaczenie()
    {
        const SekcjaProby &x = sekcja();
        s->lanAktywny = 2;
        auto o = okno(x);
        const QByteArray przed = x.kopia(*o);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        o->but_odczyt->click();
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(s->pty.ramki().empty());
        QCOMPARE(x.kopia(*o), przed);
        QCOMPARE(o->but_ok->isEnabled(), x.przebudowaPoBledzie);
    }
};

QTEST_MAIN(TestSekcjeWspolne)
#include "test_sekcje_wspolne.moc"
