// Fields as data: the kinds' texts and storing rules, the compare rows of
// a field table (also with a compare's own names, texts and joined rows),
// the list table over a section copy (live cells, the report's fields, a
// proxy model between the table and the grid), the in-cell editors and
// every typed text through the boxes of every section's numeric fields.
#include "komunikaty_skrypt.h"
#include "test_qt.h"

#include "dodatki.h"
#include "edycja_liczb.h"
#include "edytor_listy.h"
#include "kontrolki_pol.h"
#include "kroki.h"
#include "pola_sekcji.h"
#include "program.h"
#include "programy.h"
#include "przekazniki.h"
#include "przekazniki_definicja.h"
#include "raport.h"
#include "setup.h"
#include "tabela_pamieci.h"
#include "tryby_specjalne.h"
#include "wejscia_cyfrowe.h"
#include "wejscia_pomiarowe.h"
#include "wilgotnosc.h"
#include "wyjscia_analogowe.h"
#include "zadane.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <limits>

namespace {

#pragma pack(push, 1)
struct Rek {
    TNazwa50char nazwa;
    int16_t dziesiate;
    int32_t obciete;
    uint8_t kod;
    uint16_t sekundy;
    uint8_t maska;
    uint8_t przekazniki[128];
};
#pragma pack(pop)
using RekArray = Rek[4];

const TPolaSekcji<Rek> &polaProby()
{
    using P = TPole<Rek>;
    static const TPolaSekcji<Rek> p(
        "TestPola",
        {
            P::obliczone("nr_str", "Nr",
                         [](const auto &, const TMiejscePola &m) { return QStringLiteral("R%1").arg(m.nr); })
                .kolumna(40)
                .druk("nr", 10),
            P::napis("Nazwa", "Nazwa", TRodzajPola::Nazwa50, DOSTEP_NAZWY50(nazwa), 15).kolumna(100).edycja(),
            P::liczbowe("d", "Dziesiąte", TRodzajPola::Dziesiate, DOSTEP_POLA(dziesiate), -999, 2000)
                .edycja()
                .druk("d", 20),
            P::liczbowe("o", "Obcięte", TRodzajPola::DziesiateObciete, DOSTEP_POLA(obciete), 0, 9000).edycja(),
            P::wyliczenie("kod", "Kod", DOSTEP_POLA(kod),
                          [](int) {
                              return QStringList{"OFF", "ST1", "ST2"};
                          })
                .poza("***")
                .edycja(),
            P::liczbowe("s", "Czas", TRodzajPola::MinutySekundy, DOSTEP_POLA(sekundy)).edycja(),
            P::liczbowe("m", "Moduły", TRodzajPola::Maska, DOSTEP_POLA(maska), 0, 4).ukryte(),
            P::przekaznikowe("p", "Przekaźniki", DOSTEP_PRZEKAZNIKOW(przekazniki)),
        });
    return p;
}

class ListaProby : public TListaSekcji<RekArray> {
public:
    ListaProby() : TListaSekcji(Edycja | Otwarcie | Zapis, 4)
    {
        ustawPola(polaProby());
        rozszerzenie = QStringLiteral("k3prob");
        for (int i = 0; i < 4; ++i) {
            tekstNaNazwe50(QStringLiteral("poz %1").arg(i + 1), dane[i].nazwa);
            dane[i].dziesiate = int16_t(10 * i + 5);
        }
    }
    QString tytul() const override { return QStringLiteral("Próba"); }
    QList<int> edytowane;

protected:
    bool edytujJedna(Rek &, int nr) override
    {
        edytowane << nr;
        return false;
    }
};

// Every box the message service is asked to show, answered at once.
class ZapisKomunikatow final : public IKomunikaty {
public:
    ZapisKomunikatow() { ustawKomunikaty(this); }
    ~ZapisKomunikatow() override { ustawKomunikaty(nullptr); }
    int pokaz(RodzajKomunikatu, const QString &tekst) override
    {
        pokazane << tekst;
        return 0;
    }
    QStringList pokazane;
};

// The number a box's text says, whatever its length: digits with an
// optional sign and at most one decimal comma; nullopt for any other text.
std::optional<long double> liczbaWTekscie(const QString &t)
{
    static const QRegularExpression liczba(QStringLiteral("^[+-]?(\\d*),?(\\d*)$"));
    const QRegularExpressionMatch m = liczba.match(t);
    if (!m.hasMatch() || m.capturedLength(1) + m.capturedLength(2) == 0)
        return std::nullopt;
    long double v = 0, waga = 1;
    for (QChar c : m.captured(1))
        v = v * 10 + (c.unicode() - u'0');
    for (QChar c : m.captured(2))
        v += (c.unicode() - u'0') * (waga /= 10);
    return t.startsWith(u'-') ? -v : v;
}

// A text typed into the box of field p, as the user types it; the box's
// value taken into a record whose field holds `przed` while the box has the
// focus (as an action or a grid cell takes it), and again after leaving it
// (the box corrects its text then). The first outcome: the stored value,
// or nullopt when the field refused it with the range message (the record
// then keeps `przed`). A failed check is added to `blad`.
template <class R>
std::optional<qint64> wpiszWPole(const TPole<R> &p, const QString &tekst, QWidget &okno, QWidget &inny, QString &blad)
{
    const auto rekord = std::make_unique<TKopiaRobocza<R>>();
    std::memset(&rekord->r, 0, sizeof(R));
    const bool zakres = p.min < p.max && p.rodzaj != TRodzajPola::Maska;
    const bool dziesietne = p.rodzaj == TRodzajPola::Dziesiate || p.rodzaj == TRodzajPola::DziesiateObciete;
    const qint64 przed = zakres ? p.min : 0;
    std::unique_ptr<QWidget> k(utworzKontrolke(p, &okno, 1045));
    auto *e = qobject_cast<QLineEdit *>(k.get());
    if (!e)
        return przed;
    const auto przyjmij = [&]() -> std::optional<qint64> {
        p.ustawWartosc(rekord->r, przed);
        ZapisKomunikatow komunikaty;
        const bool przyjete = p.zEdycji(rekord->r, wartoscKontrolki(e, p));
        const qint64 w = p.wartosc(rekord->r);
        const QString pole = p.nazwa + QStringLiteral(" (") + e->text() + QStringLiteral("): ");
        if (!przyjete) {
            if (komunikaty.pokazane != QStringList{tekstZakresuPola(p)})
                blad += pole + QStringLiteral("refused without its one message; ");
            if (w != przed)
                blad += pole + QStringLiteral("refused, yet the record changed; ");
            return std::nullopt;
        }
        if (!komunikaty.pokazane.isEmpty())
            blad += pole + QStringLiteral("a message, yet taken; ");
        if (!zakres)
            return w;
        if (w < p.min || w > p.max)
            blad += pole + QStringLiteral("stored %1 outside its range; ").arg(w);
        // A number beyond the range, however long, takes its nearest end.
        const std::optional<long double> typed = liczbaWTekscie(e->text());
        const long double jednostki = typed ? *typed * (dziesietne ? 10 : 1) : 0;
        const qint64 koniec = jednostki > p.max ? p.max : jednostki < p.min ? p.min : w;
        if (typed && w != koniec)
            blad += pole + QStringLiteral("stored %1, not its range's end %2; ").arg(w).arg(koniec);
        return w;
    };
    ustawWartoscKontrolki(e, p, p.doEdycji(rekord->r, {1, 1045}));
    e->show();
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, tekst);
    const std::optional<qint64> w = przyjmij();
    inny.setFocus();
    przyjmij();
    return w;
}

// Every numeric field of a table (a box of its own for its kind): `tekst`
// typed into it and taken.
template <class R>
int wpiszWPola(const TPolaSekcji<R> &pola, const QString &tekst, QWidget &okno, QWidget &inny, QString &blad)
{
    using K = TRodzajPola;
    int ile = 0;
    for (const TPole<R> &p : pola.pola) {
        const bool liczbowe = p.rodzaj == K::Calkowita || p.rodzaj == K::Dziesiate || p.rodzaj == K::DziesiateObciete ||
                              p.rodzaj == K::MinutySekundy || p.rodzaj == K::GodzinyMinuty;
        if (!liczbowe || !p.ustawWartosc || !p.wartosc)
            continue;
        wpiszWPole(p, tekst, okno, inny, blad);
        ++ile;
    }
    return ile;
}

// The outcome's text in the tables below: the stored value or "refused".
QString wynikWpisania(const std::optional<qint64> &w) { return w ? QString::number(*w) : QStringLiteral("refused"); }

} // namespace

class TestPolaSekcji : public TestQt {
    Q_OBJECT

private slots:
    // Typed numbers to tenths: rounded halves to even, or truncated; a
    // binary product near a whole or half number counts as that number; a
    // product beyond 64 bits is the range's nearest end.
    void dziesiateZLiczby_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<bool>("obcinaj");
        QTest::addColumn<qint64>("wynik");
        QTest::newRow("12.25 rounds to even") << 12.25 << false << qint64(122);
        QTest::newRow("1.75 rounds up") << 1.75 << false << qint64(18);
        QTest::newRow("1.15 is 11.5, to even") << 1.15 << false << qint64(12);
        QTest::newRow("-0.25") << -0.25 << false << qint64(-2);
        QTest::newRow("2.3 is not 22.99") << 2.3 << true << qint64(23);
        QTest::newRow("2.35 truncated") << 2.35 << true << qint64(23);
        QTest::newRow("-2.39 truncated toward zero") << -2.39 << true << qint64(-23);
        QTest::newRow("1000") << 1000.0 << false << qint64(10000);
        const qint64 max = std::numeric_limits<qint64>::max(), min = std::numeric_limits<qint64>::min();
        QTest::newRow("19 digits") << 9999999999999999999.0 << false << max;
        QTest::newRow("-19 digits, truncated") << -9999999999999999999.0 << true << min;
        QTest::newRow("largest double") << std::numeric_limits<double>::max() << true << max;
        QTest::newRow("smallest double") << -std::numeric_limits<double>::max() << false << min;
    }
    void dziesiateZLiczby()
    {
        QFETCH(double, v);
        QFETCH(bool, obcinaj);
        QTEST(dziesiate(v, obcinaj), "wynik");
    }

    // Stored values as the grid, the report and the compare show them.
    void teksty_data()
    {
        QTest::addColumn<QString>("pole");
        QTest::addColumn<qint64>("v");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("tenths, no group separator") << "d" << qint64(10000) << "1000,0";
        QTest::newRow("tenths, negative") << "d" << qint64(-5) << "-0,5";
        QTest::newRow("list item") << "kod" << qint64(2) << "ST2";
        QTest::newRow("list, no item") << "kod" << qint64(7) << "***";
        QTest::newRow("mm:ss") << "s" << qint64(605) << "10:05";
        QTest::newRow("mm:ss, minutes capped") << "s" << qint64(6000 + 59) << "99:59";
        QTest::newRow("mask") << "m" << qint64(0b1101) << "1, 3, 4";
    }
    void teksty()
    {
        QFETCH(QString, pole);
        QFETCH(qint64, v);
        QTEST(tekstWartosci(polaProby()[pole], v, 1045), "tekst");
    }

    // The compare lists the titled fields that differ, with both texts.
    void roznice()
    {
        Rek a{}, b{};
        tekstNaNazwe50(QStringLiteral("pierwszy"), a.nazwa);
        b = a;
        QVERIFY(polaProby().roznice(a, b, "R2", {2, 1045}).isEmpty());
        b.dziesiate = 125;
        b.przekazniki[4] = 2;
        const QList<TRoznicaPola> r = polaProby().roznice(a, b, "R2", {2, 1045});
        QCOMPARE(r.size(), 2);
        QCOMPARE(r[0].id, QString("R2"));
        QCOMPARE(r[0].nazwa, QString("Dziesiąte"));
        QCOMPARE(r[0].program, QString("0,0"));
        QCOMPARE(r[0].sterownik, QString("12,5"));
        QCOMPARE(r[1].nazwa, QString("Przekaźniki"));
        QCOMPARE(r[1].program, QString("-"));
        QCOMPARE(r[1].sterownik, QString("DO1.5: DEF 2"));
    }

    // A compare that says more than the grid: its own field order, the
    // item's text before the fields' names, a field's own name and value
    // text, equality by value where the texts hide it, and runs of joined
    // fields, each run one row. Over items, the first field names the row.
    void rozniceWlasne()
    {
        using P = TPole<Rek>;
        TPolaSekcji<Rek> t(
            "TestPola",
            {
                P::liczbowe("d", "Dziesiąte", TRodzajPola::Dziesiate, DOSTEP_POLA(dziesiate))
                    .krotko("D")
                    .porownanie([](const TMiejscePola &) { return QStringLiteral("Razem"); })
                    .porownanieWJednym(),
                P::liczbowe("o", "Obcięte", TRodzajPola::DziesiateObciete, DOSTEP_POLA(obciete))
                    .krotko("O")
                    .porownanie([](const TMiejscePola &) { return QStringLiteral("Razem"); })
                    .porownanieWJednym(),
                P::wyliczenie("kod", "Kod", DOSTEP_POLA(kod), [](int) { return QStringList{"OFF"}; })
                    .poza("***")
                    .rowneGdy([](const Rek &a, const Rek &b, const TMiejscePola &) { return a.kod == b.kod; }),
                P::liczbowe("m", "Moduły", TRodzajPola::Maska, DOSTEP_POLA(maska), 0, 4)
                    .krotko("M")
                    .porownanie([](const TMiejscePola &) { return QStringLiteral("Razem"); })
                    .porownanieWJednym(),
                P::liczbowe("s", "Czas", TRodzajPola::MinutySekundy, DOSTEP_POLA(sekundy))
                    .porownanie(
                        [](const TMiejscePola &) { return QString(); },
                        [](const Rek &r, const TMiejscePola &) { return QString::asprintf("%2d", int(r.sekundy)); }),
            });
        t.porownywane = {"s", "d", "o", "kod", "m"};
        t.pozycjaPorownania = [](const TMiejscePola &m) { return QStringLiteral("Poz %1").arg(m.nr); };
        Rek a{};
        a.kod = 8;
        a.sekundy = 5;
        a.maska = 1;
        Rek b = a;
        QVERIFY(t.roznice(a, b, "R2", {2, 1045}).isEmpty());
        b.dziesiate = 125;
        b.obciete = 33;
        b.kod = 7;
        b.sekundy = 65;
        b.maska = 0;
        QStringList wiersze;
        for (const TRoznicaPola &r : t.roznice(a, b, "R2", {2, 1045}))
            wiersze << QStringList{r.id, r.nazwa, r.program, r.sterownik}.join('|');
        QCOMPARE(wiersze, QStringList({"R2|Poz 2| 5|65", "R2|Poz 2 Razem|D=0,0 O=0,0 |D=12,5 O=3,3 ",
                                       "R2|Poz 2 Kod|***|***", "R2|Poz 2 Razem|M=1 |M= "}));

        Rek x[3]{}, y[3]{};
        y[1].dziesiate = 5;
        const QList<TRoznicaPola> r = polaProby().roznice(
            3, [&](int nr) -> const Rek & { return x[nr - 1]; }, [&](int nr) -> const Rek & { return y[nr - 1]; },
            1045);
        QCOMPARE(r.size(), 1);
        QCOMPARE(r[0].id, QString("R2"));
        QCOMPARE(r[0].nazwa, QString("Dziesiąte"));
        QCOMPARE(r[0].sterownik, QString("0,5"));
    }

    // The table reads the copy live: grid columns first, hidden fields
    // after them, "nr" for the report.
    void tabela()
    {
        ListaProby o;
        o.memProjlistaTworz();
        TTabelaPamieci &t = *o.memproj;
        QCOMPARE(t.rowCount(), 4);
        QCOMPARE(t.columnCount(), 6);
        QCOMPARE(t.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Dziesiąte"));
        QCOMPARE(t.headerData(2, Qt::Horizontal, TTabelaPamieci::RolaPola).toString(), QString("d"));
        QVERIFY(t.headerData(0, Qt::Horizontal, TTabelaPamieci::RolaObliczone).toBool());
        QVERIFY(!t.headerData(1, Qt::Horizontal, TTabelaPamieci::RolaObliczone).toBool());
        QCOMPARE(t.index(1, 0).data().toString(), QString("R2"));
        QCOMPARE(t.index(1, 2).data().toString(), QString("1,5"));
        o.dane[1].dziesiate = -33;
        QCOMPARE(t.index(1, 2).data().toString(), QString("-3,3"));
        QCOMPARE(t.index(1, 2).data(TTabelaPamieci::RolaNr).toInt(), 2);
        QCOMPARE(t.nazwyPol(), QStringList({"nr", "nr_str", "Nazwa", "d", "o", "kod", "s", "m", "p"}));
        QCOMPARE(t.tekst(3, "nr"), QString("4"));
        QCOMPARE(t.tekst(3, "m"), QString());
        TZbiorRaportu z("z", t.nazwyPol());
        t.doZbioru(z);
        QCOMPARE(z.wiersze.size(), 4);
        QCOMPARE(z.wiersze[0][0], QString("1"));
        QCOMPARE(z.wiersze[0][2], QString("poz 1"));
        QCOMPARE(o.DBGrid1->columnWidth(0), 40);
        // A section's own look of a cell.
        t.styl = [](int w, int, int rola) {
            return w == 1 && rola == Qt::ForegroundRole ? QVariant(QColor(Qt::red)) : QVariant();
        };
        QCOMPARE(t.index(1, 3).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
        QVERIFY(!t.index(2, 3).data(Qt::ForegroundRole).isValid());
        QCOMPARE(t.index(1, 3).data().toString(), QString("0,0"));
    }

    // The list's file is the whole section: saved as the copy holds it,
    // loaded into the copy and shown; a short file changes nothing.
    void plikListy()
    {
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        KomunikatySkrypt komunikaty;
        const QString plik = katalog.filePath("l.k3prob");
        ListaProby o;
        o.memProjlistaTworz();
        wybor.odpowiedzi = {plik};
        o.but_zapisz->click();
        QFile f(plik);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray zapisane = f.readAll();
        QCOMPARE(zapisane.size(), qint64(sizeof(RekArray)));
        f.close();

        ListaProby p;
        p.memProjlistaTworz();
        p.wynik = false;
        p.but_ok->setEnabled(false);
        QFile krotki(katalog.filePath("k.k3prob"));
        QVERIFY(krotki.open(QIODevice::WriteOnly));
        krotki.write(zapisane.left(zapisane.size() - 1));
        krotki.close();
        tekstNaNazwe50(QStringLiteral("inna"), p.dane[2].nazwa);
        wybor.odpowiedzi = {krotki.fileName(), plik};
        komunikaty.oczekuj(RodzajKomunikatu::Blad, "Bład przetwarzania pliku");
        p.but_otworz->click();
        QCOMPARE(p.memproj->index(2, 1).data().toString(), QString("inna"));
        QVERIFY(!p.but_ok->isEnabled());
        p.but_otworz->click();
        QCOMPARE(p.memproj->index(2, 1).data().toString(), QString("poz 3"));
        QVERIFY(p.wynik && p.but_ok->isEnabled());
        QCOMPARE(wybor.filtry, QStringList({"Kvor350|*.k3prob", "Kvor350|*.k3prob", "Kvor350|*.k3prob"}));
    }

    // A filter between the table and the grid: the current row's number
    // and moving to a row go through it; a row it hides is not made
    // current.
    void przezFiltr()
    {
        ListaProby o;
        auto *filtr = new QSortFilterProxyModel(&o);
        filtr->setSourceModel(o.memproj);
        filtr->setFilterKeyColumn(1);
        o.DBGrid1->setModel(filtr);
        o.show();
        o.memProjlistaTworz();
        QCOMPARE(o.nrBiezacy(), 1);
        filtr->setFilterFixedString("poz 3");
        o.przejdzDo(3);
        QCOMPARE(o.nrBiezacy(), 3);
        o.przejdzDo(2);
        QCOMPARE(o.nrBiezacy(), 3);
        QTest::keyClick(o.DBGrid1, Qt::Key_Return);
        QCOMPARE(o.edytowane, QList<int>{3});
        filtr->setFilterFixedString(QString());
        o.odswiezListe();
        QCOMPARE(o.nrBiezacy(), 3);
    }

    // In-cell editors of the kinds, through a proxy: the cell's value in
    // the editor, the typed value stored by the field's rule.
    void wKomorce_data()
    {
        QTest::addColumn<int>("kolumna");
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<QString>("pokazane");
        QTest::newRow("name") << 1 << "nowa"
                              << "nowa";
        QTest::newRow("tenths, half to even") << 2 << "1,25"
                                              << "1,2";
        QTest::newRow("tenths, clamped") << 2 << "500"
                                         << "200,0";
        QTest::newRow("tenths truncated") << 3 << "2,39"
                                          << "2,3";
        QTest::newRow("mm:ss") << 5 << "01:05"
                               << "01:05";
    }
    void wKomorce()
    {
        QFETCH(int, kolumna);
        QFETCH(QString, wpisane);
        ListaProby o;
        o.memproj->edytowalna = true;
        QSortFilterProxyModel filtr;
        filtr.setSourceModel(o.memproj);
        QSignalSpy edycje(o.memproj, &TTabelaPamieci::edytowano);
        TDelegatPol delegat;
        QWidget rodzic;
        const QModelIndex i = filtr.index(1, kolumna);
        QVERIFY(filtr.flags(i) & Qt::ItemIsEditable);
        QVERIFY(!(filtr.flags(filtr.index(1, 0)) & Qt::ItemIsEditable));
        QWidget *e = delegat.createEditor(&rodzic, {}, i);
        QVERIFY(qobject_cast<QLineEdit *>(e));
        delegat.setEditorData(e, i);
        qobject_cast<QLineEdit *>(e)->setText(wpisane);
        delegat.setModelData(e, &filtr, i);
        QTEST(i.data().toString(), "pokazane");
        QCOMPARE(edycje.count(), 1);
    }

    // Any typed text, huge digit strings, signs and separators included,
    // gives a checked field (the digital output's power, a program row's
    // addition) its value or the range message, which refuses it; every
    // other numeric field of every section stores a value within its
    // range, a number beyond it the range's nearest end. The sanitizer tree runs this for undefined conversions.
    void wpisaneLiczby_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("calkowita"); // the power 0..65535
        QTest::addColumn<QString>("dziesiate"); // the addition -99.9..200.0, in tenths
        const QString r = QStringLiteral("refused");
        QTest::newRow("empty") << ""
                               << "0"
                               << "0";
        QTest::newRow("0") << "0"
                           << "0"
                           << "0";
        QTest::newRow("a sign alone") << "-" << r << r;
        QTest::newRow("plus alone") << "+" << r << r;
        QTest::newRow("two signs") << "--5" << r << r;
        QTest::newRow("sign inside") << "1-2" << r << r;
        QTest::newRow("decimal comma") << "12,5"
                                       << "125"
                                       << "125";
        QTest::newRow("two commas") << "1,2,3"
                                    << "123" << r;
        QTest::newRow("comma alone") << ","
                                     << "0" << r;
        QTest::newRow("letters and blanks dropped") << " 1e5 "
                                                    << "15"
                                                    << "150";
        QTest::newRow("leading zeros") << "0000000000000000000000123"
                                       << "123"
                                       << "1230";
        QTest::newRow("+007") << "+007"
                              << "7"
                              << "70";
        QTest::newRow("-1") << "-1" << r << "-10";
        QTest::newRow("16-bit maximum") << "65535"
                                        << "65535" << r;
        QTest::newRow("65536") << "65536" << r << r;
        QTest::newRow("2^31") << "2147483648" << r << r;
        QTest::newRow("-2^31") << "-2147483648" << r << r;
        QTest::newRow("11 digits") << "99999999999" << r << r;
        QTest::newRow("40 digits") << QString(40, QLatin1Char('9')) << r << r;
        QTest::newRow("19 digits") << "9999999999999999999" << r << r;
        QTest::newRow("64-bit minimum") << "-9223372036854775808" << r << r;
        QTest::newRow("26 digits") << "-99999999999999999999999999" << r << r;
        QTest::newRow("400 digits") << QString(400, QLatin1Char('9')) << r << r;
    }
    void wpisaneLiczby()
    {
        QFETCH(QString, tekst);
        QWidget okno;
        auto *inny = new QLineEdit(&okno);
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        QString blad;
        QTEST(wynikWpisania(wpiszWPole(polaPrzekaznikow()["moc"], tekst, okno, *inny, blad)), "calkowita");
        const TPolaSekcji<TCyklProgramu> cykl = polaCyklu([] { return false; });
        QTEST(wynikWpisania(wpiszWPole(cykl["d1"], tekst, okno, *inny, blad)), "dziesiate");
        int ile = wpiszWPola(cykl, tekst, okno, *inny, blad);
        ile += wpiszWPola(polaProby(), tekst, okno, *inny, blad);
        ile += wpiszWPola(polaDodatkow(), tekst, okno, *inny, blad);
        ile += wpiszWPola(polaKrokow(false), tekst, okno, *inny, blad);
        ile += wpiszWPola(polaProgramow(), tekst, okno, *inny, blad);
        ile += wpiszWPola(polaPrzekaznikow(), tekst, okno, *inny, blad);
        ile += wpiszWPola(polaDefinicji(), tekst, okno, *inny, blad);
        ile += wpiszWPola(polaSetup(), tekst, okno, *inny, blad);
        ile += wpiszWPola(polaTrybowSpecjalnych(), tekst, okno, *inny, blad);
        ile += wpiszWPola(polaWejscCyfrowych(), tekst, okno, *inny, blad);
        ile += wpiszWPola(polaWejscPomiarowych(), tekst, okno, *inny, blad);
        ile += wpiszWPola(polaWilgotnosci(), tekst, okno, *inny, blad);
        ile += wpiszWPola(polaWyjscAnalogowych(), tekst, okno, *inny, blad);
        ile += wpiszWPola(polaZadanych(), tekst, okno, *inny, blad);
        QVERIFY2(blad.isEmpty(), qPrintable(blad));
        QVERIFY(ile > 50);
    }

    // A one-byte name (Windows-1250) with its length byte: read up to the
    // length, written with it, the bytes after the text kept.
    void nazwaJednobajtowa()
    {
        struct Wejscie {
            uint8_t nazwa_str[17];
        } w{};
        using P = TPole<Wejscie>;
        const P p = P::napis("Nazwa", "Nazwa", TRodzajPola::Nazwa1250, DOSTEP_NAZWY1250(nazwa_str), 16);
        w.nazwa_str[16] = 0x7E;
        p.zEdycji(w, QStringLiteral("Żółw"));
        QCOMPARE(w.nazwa_str[0], uint8_t(4));
        QCOMPARE(w.nazwa_str[1], uint8_t(0xAF)); // Ż in Windows-1250
        QCOMPARE(w.nazwa_str[16], uint8_t(0x7E));
        QCOMPARE(p.tekstW(w, {1, 1045}), QString("Żółw"));
    }

    void listaWKomorce()
    {
        ListaProby o;
        o.memproj->edytowalna = true;
        o.dane[0].kod = 1;
        TDelegatPol delegat;
        QWidget rodzic;
        const QModelIndex i = o.memproj->index(0, 4);
        auto *c = qobject_cast<QComboBox *>(delegat.createEditor(&rodzic, {}, i));
        QVERIFY(c);
        QCOMPARE(c->count(), 3);
        delegat.setEditorData(c, i);
        QCOMPARE(c->currentIndex(), 1);
        c->setCurrentIndex(2);
        delegat.setModelData(c, o.memproj, i);
        QCOMPARE(o.dane[0].kod, uint8_t(2));
        QCOMPARE(i.data().toString(), QString("ST2"));
    }
};

QTEST_MAIN(TestPolaSekcji)
#include "test_pola_sekcji.moc"
