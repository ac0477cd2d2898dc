// A number typed into a record window's box, however long, through real
// keys: a plain box stores its range's nearest end, after OK clicked
// straight away as after Tab (which shows that end); a box whose field
// checks its own range gives the range message and keeps the window, the
// typed text and the caller's record. Never 0, never the box's default.
#include "komunikaty_skrypt.h"
#include "test_qt.h"
#include "wejscie_okna.h"

#include "edytor_sekcji.h"
#include "krok.h"
#include "okno_rekordu.h"
#include "przekazniki_edytor.h"
#include "wejscia_pomiarowe.h"
#include "wilgotnosc.h"
#include "wyjscia_analogowe_okno.h"
#include "zadane.h"

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <cstring>
#include <memory>

using R = RodzajKomunikatu;

namespace {

constexpr qint64 przed = 7; // the caller's value, in stored units

// A box of a record window, run by the window's entry function.
struct Pole {
    const char *nazwa;
    const char *box; // its object name
    bool sprawdzane; // its field checks its own range
    qint64 min, max; // stored units
    int jednostka;   // stored units per typed unit: 1, or 10 for tenths
    // The entry function on a record holding `przed`; `wOknie` acts on the
    // window once it is up. `wartosc`: the caller's value afterwards.
    std::function<bool(const std::function<void(TEdytorSekcji &)> &wOknie, qint64 &wartosc)> edytuj;
};

const std::vector<Pole> &pola()
{
    static const auto przekazniki = [] {
        auto p = std::make_unique<TKopiaRobocza<TPrzekaznikiArray>>();
        std::memset(&p->r, 0, sizeof p->r);
        return p;
    }();
    static const std::vector<Pole> t = {
        {"humidity, Wartość max (whole)", "ie_zMax", false, 0, 100, 1,
         [](const auto &f, qint64 &v) {
             Tkvor350wilgotnosc w{};
             w.max_zadana = przed;
             const bool wynik = przezWejscie<TfustawWilg>(f, [&] { return edytujWilgotnosc(w, przekazniki->r, 1045); });
             v = w.max_zadana;
             return wynik;
         }},
        {"step, ZS1 (whole)", "IntEdit1", false, -999, 999, 1,
         [](const auto &f, qint64 &v) {
             TKrok k{};
             k.zadane4[0] = przed;
             const bool wynik =
                 przezWejscie<TFStanPrzekaznikow>(f, [&] { return edytujKrok(k, przekazniki->r, 1045, 0, false); });
             v = k.zadane4[0];
             return wynik;
         }},
        {"setpoint, Wartość (tenths)", "fe_wartosc", false, -2000, 10000, 10,
         [](const auto &f, qint64 &v) {
             TKvor350zadana z{};
             z.wartosc = przed;
             const bool wynik = przezWejscie<Tfzadane>(f, [&] { return edytujZadana(QStringLiteral("Z1"), z, 1045); });
             v = z.wartosc;
             return wynik;
         }},
        {"measuring input, Offset (tenths, cut)", "fe_offset", false, -99, 99, 10,
         [](const auto &f, qint64 &v) {
             TWejscieAnalogowe w{};
             w.offset = przed;
             const bool wynik =
                 przezWejscie<TFEditWejsciePom>(f, [&] { return edytujWejsciePomiarowe(1, w, przekazniki->r, 1045); });
             v = w.offset;
             return wynik;
         }},
        {"digital output, power (checked)", "ie_moc", true, 0, 65535, 1,
         [](const auto &f, qint64 &v) {
             TPrzekaznik p{};
             p.nr = 1;
             p.moc = przed;
             const bool wynik =
                 przezWejscie<TFEditParPrzek>(f, [&] { return edytujPrzekaznik(przekazniki->r, p, 1045); });
             v = p.moc;
             return wynik;
         }},
        {"analog output, power (checked)", "ie_moc", true, 0, 65535, 1,
         [](const auto &f, qint64 &v) {
             TWyjscieAnalogowe a{};
             a.output_type = 1; // the output's parameters, the power among them, are shown
             a.moc = przed;
             const bool wynik = przezWejscie<TFkonfigwyjsc>(
                 f, [&] { return edytujWyjscieAnalogowe(a, QStringLiteral("AO1.1"), 1045); });
             v = a.moc;
             return wynik;
         }},
    };
    return t;
}

} // namespace

class TestLiczbyOkien : public TestQt {
    Q_OBJECT

private slots:
    void wpisanaLiczba_data()
    {
        QTest::addColumn<int>("pole");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("znak"); // beyond which end: 1 the upper, -1 the lower, 0 none
        QTest::addColumn<bool>("tab"); // Tab out of the box before OK
        const struct {
            const char *nazwa;
            QString tekst;
            int znak;
        } teksty[] = {
            {"150", QStringLiteral("150"), 0},
            {"2^31", QStringLiteral("2147483648"), 1},
            {"-2^31", QStringLiteral("-2147483648"), -1},
            {"11 digits", QStringLiteral("99999999999"), 1},
            {"40 digits", QString(40, QLatin1Char('9')), 1},
            {"-40 digits", QStringLiteral("-") + QString(40, QLatin1Char('9')), -1},
        };
        for (size_t i = 0; i < pola().size(); ++i)
            for (const auto &t : teksty)
                for (const bool tab : {false, true})
                    QTest::addRow("%s: %s, %s", pola()[i].nazwa, t.nazwa, tab ? "Tab, OK" : "OK")
                        << int(i) << t.tekst << t.znak << tab;
    }
    void wpisanaLiczba()
    {
        QFETCH(int, pole);
        QFETCH(QString, tekst);
        QFETCH(int, znak);
        QFETCH(bool, tab);
        const Pole &p = pola()[size_t(pole)];
        // "150" lies beyond a range that ends below it.
        if (znak == 0 && 150 * p.jednostka > p.max)
            znak = 1;
        const qint64 oczekiwana = znak > 0 ? p.max : znak < 0 ? p.min : 150 * p.jednostka;
        const bool odmowa = p.sprawdzane && znak != 0;
        KomunikatySkrypt komunikaty;
        bool sprawdzone = false;
        qint64 wartosc = -1;
        const bool oddane = p.edytuj(
            [&](TEdytorSekcji &o) {
                QVERIFY(QTest::qWaitForWindowActive(&o));
                auto *e = o.findChild<QLineEdit *>(QString::fromLatin1(p.box));
                QVERIFY(e);
                QVERIFY(e->isVisible());
                klik(e);
                QTRY_COMPARE(o.focusWidget(), e);
                klawisz(&o, Qt::Key_A, Qt::ControlModifier);
                pisz(&o, tekst);
                QCOMPARE(e->text(), tekst);
                if (tab) {
                    klawisz(&o, Qt::Key_Tab);
                    QVERIFY(o.focusWidget() != e);
                    if (p.sprawdzane) {
                        QCOMPARE(e->text(), tekst); // the field's to judge
                    } else {
                        // The box shows the end it will store.
                        bool ok = false;
                        const double shown = QLocale().toDouble(e->text(), &ok);
                        QVERIFY2(ok, qPrintable(e->text()));
                        QCOMPARE(qRound64(shown * p.jednostka), oczekiwana);
                    }
                }
                if (odmowa)
                    komunikaty.oczekuj(R::Komunikat, QStringLiteral(" Nieprawidłowy zakres parametru ! %1").arg(p.max));
                klik(o.but_ok);
                QVERIFY(komunikaty.pusty());
                if (!odmowa) {
                    sprawdzone = true;
                    return; // the window closed with the record
                }
                QCOMPARE(komunikaty.pokazane.size(), size_t(1));
                QVERIFY(o.isVisible());
                QVERIFY(!o.wynik);
                QCOMPARE(e->text(), tekst);
                QTRY_COMPARE(o.focusWidget(), e);
                komunikaty.oczekuj(R::Pytanie, "Uwaga: Zmiany nie zostały zapisane. Kontynuować?", 1);
                klik(o.but_anuluj);
                QVERIFY(komunikaty.pusty());
                sprawdzone = true;
            },
            wartosc);
        QVERIFY(sprawdzone);
        QCOMPARE(oddane, !odmowa);
        QCOMPARE(wartosc, odmowa ? przed : oczekiwana);
    }
};

QTEST_MAIN(TestLiczbyOkien)
#include "test_liczby_okien.moc"
