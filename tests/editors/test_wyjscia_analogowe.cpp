// The analog outputs offscreen against the simulator: what they have of
// their own (the shared behaviour of list sections is tested in
// test_sekcje_wspolne): the list's look, the one-output window with its
// mode groups, the Min/Max range rule and its one message, the name with
// blank padding, codes without an item kept, the PID k within its 16 bits,
// a read ending early that can be confirmed, a send-all that "Anuluj" does
// not stop, TCP/IP, ".k3ana", and the print with a band per mode.
#include "sym_edytora.h"
#include "test_qt.h"

#include "edycja_liczb.h"
#include "kanaly.h"
#include "kodek.h"
#include "nazwy.h"
#include "raport.h"
#include "tekst_pdf.h"
#include "wydruk_pdf.h"
#include "wyjscia_analogowe.h"
#include "wyjscia_analogowe_okno.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>

#include <cstring>

using R = RodzajKomunikatu;

namespace {

const QString komunikatZakresu = QStringLiteral("Zmieniono wartości, które nie spełniały zakresu Min/Max!");

struct Wyjscia {
    TWyjsciaAoArray w;
};

// An output with its mode and the five values in tenths.
TWyjscieAnalogowe wyjscie(const QString &nazwa, int tryb, int min, int max, int stop, int astop, int pauza)
{
    TWyjscieAnalogowe w{};
    nazwaZeSpacjami(nazwa, w.nazwa);
    w.output_type = uint16_t(tryb);
    w.min = min;
    w.max = max;
    w.stop = stop;
    w.aktywnystop = astop;
    w.pause = pauza;
    return w;
}

// The window's own outputs: off, generator, PID and linear.
std::unique_ptr<Wyjscia> stare()
{
    auto s = std::make_unique<Wyjscia>();
    s->w[0] = wyjscie("Pompa", 0, 100, 500, 200, 300, 400);
    s->w[1] = wyjscie("Klapa", 1, 0, 1000, 0, 0, 0);
    s->w[1].typ_04 = 1;
    s->w[1].zadajnik_kanal_zadany = 16; // Z2
    s->w[2] = wyjscie("Wentylator", 2, -125, 800, 50, 60, 70);
    s->w[2].pid.k = 25;
    s->w[2].pid.ti = 120;
    s->w[2].pid.td = 30;
    s->w[2].pid.tp = 2;
    s->w[2].pid.tto = 10;
    s->w[2].pid.grzanie_chlodzenie = 1;
    s->w[2].pid.pomiarowy = 24; // humidity
    s->w[2].pid.zadany = 1;     // "Temp. Batonu"
    s->w[3] = wyjscie("Nagrzewnica", 3, 0, 1000, 0, 0, 0);
    s->w[3].liniowypomiarowy = 2; // AI1.3
    s->w[3].liniowyZadana0 = 11;  // ZS1
    s->w[3].liniowyZadana20 = 24; // Z10
    return s;
}

bool rowne(const TWyjscieAnalogowe &a, const TWyjscieAnalogowe &b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The pages a print would produce, kept instead of printed.
class WydrukStron final : public IWydruk {
public:
    WydrukStron() { ustawWydruk(this); }
    ~WydrukStron() override { ustawWydruk(nullptr); }
    bool wybierzDrukarke() override { return true; }
    bool podglad(const TRaport &, const QList<TStronaWydruku> &s) override { return zachowaj(s); }
    bool drukuj(const TRaport &, const QList<TStronaWydruku> &s) override { return zachowaj(s); }

    // The printed elements with this text, in page order.
    QList<TElementWydruku> elementy(const QString &tekst) const
    {
        QList<TElementWydruku> w;
        for (const TStronaWydruku &s : strony)
            for (const TElementWydruku &e : s)
                if (e.tekst == tekst)
                    w << e;
        return w;
    }
    qreal y(const QString &tekst) const
    {
        const auto e = elementy(tekst);
        return e.isEmpty() ? -1 : e.front().polozenie.top();
    }

    QList<TStronaWydruku> strony;

private:
    bool zachowaj(const QList<TStronaWydruku> &s)
    {
        strony = s;
        return true;
    }
};

} // namespace

class TestWyjsciaAnalogowe : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;
    std::unique_ptr<TProjektVXTNew> projekt; // whose measuring inputs name the channels

    // A list as edytujWyjsciaAnalogowe opens it, shown without a modal run.
    std::unique_ptr<TfListaWyjAnal> okno()
    {
        auto o = std::make_unique<TfListaWyjAnal>();
        o->ustawJezyk(1045);
        kopiujRekord(o->WyjsciaAO, stare()->w);
        o->memProjlistaTworz();
        o->wynik = false;
        o->but_ok->setEnabled(false);
        o->show();
        return o;
    }
    // The controller's outputs now.
    std::unique_ptr<Wyjscia> naSterowniku()
    {
        auto w = std::make_unique<Wyjscia>();
        kopiujRekord(w->w, s->bloki.projekt()->WyjsciaAn);
        return w;
    }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        auto p = std::make_unique<TProjektVXTNew>();
        TProjektDodatkiMycie m{};
        BlokiSym::przykladowy(*p, m, 5);
        for (int i = 0; i < 4; ++i) {
            // The controller's outputs as a read gives them back: 15 units
            // of the name.
            TWyjscieAnalogowe w = wyjscie(QStringLiteral("Sterownik %1").arg(i + 1), i, 10 * i, 900, 40, 50, 60);
            rozpakujWyjscieAnalogowe(spakujWyjscieAnalogowe(w, i), p->WyjsciaAn[i]);
        }
        s->bloki.ustaw(*p, m);
        projekt = std::make_unique<TProjektVXTNew>();
        tekstNaNazwe50(QStringLiteral("Komora"), projekt->FWejsciaPomiarowe[0].nazwa);
        tekstNaNazwe50(QStringLiteral("Baton"), projekt->FWejsciaPomiarowe[2].nazwa);
        ustawWejsciaPomiarowe(&projekt->FWejsciaPomiarowe);
    }
    void poTescie() override { s.reset(); }

private slots:
    void initTestCase() { QApplication::setApplicationName("Setup kVOR 350"); }

    // The list: AO1.1..AO1.4 with their texts, a row bold when its output
    // works in a mode.
    void lista()
    {
        auto w = stare();
        w->w[1].typ_04 = 2; // a signal type without a text
        gdyOknoModalne<TfListaWyjAnal>([&](TfListaWyjAnal *o) {
            QCOMPARE(o->windowTitle(), QString("[AO] WYjścia analogowe"));
            QStringList tytuly;
            for (int k = 0; k < o->memproj->columnCount(); ++k)
                tytuly << o->memproj->headerData(k, Qt::Horizontal, Qt::DisplayRole).toString();
            QCOMPARE(tytuly, (QStringList{"Nr", "Nazwa", "Typ pracy", "Typ wyjścia", "Minimum", "Maksimum",
                                          "ZATRZYMANIE", "AKTYWNY STOP", "PAUZA"}));
            QVERIFY(o->DBGrid1->columnWidth(0) >= 40);
            QVERIFY(o->DBGrid1->columnWidth(1) >= 213);
            const QStringList wiersze[] = {
                {"AO1.1", "Pompa" + QString(45, ' '), "", "0..20 mA", "10,0", "50,0", "20,0", "30,0", "40,0"},
                {"AO1.2", "Klapa" + QString(45, ' '), "ZADAJNIK", "", "0,0", "100,0", "0,0", "0,0", "0,0"},
                {"AO1.3", "Wentylator" + QString(40, ' '), "REGULATOR PID ", "0..20 mA", "-12,5", "80,0", "5,0", "6,0",
                 "7,0"},
                {"AO1.4", "Nagrzewnica" + QString(39, ' '), "REGULATOR LINIOWY", "0..20 mA", "0,0", "100,0", "0,0",
                 "0,0", "0,0"},
            };
            for (int r = 0; r < 4; ++r) {
                QStringList t;
                for (int k = 0; k < 9; ++k)
                    t << komorka(*o, r, k);
                QCOMPARE(t, wiersze[r]);
                for (int k = 0; k < 9; ++k)
                    QCOMPARE(o->memproj->index(r, k).data(Qt::FontRole).value<QFont>().bold(), r > 0);
            }
            QVERIFY(o->but_odczyt && o->but_wyslij && o->but_otworz && o->but_zapisz && o->but_popraw && o->but_drukuj);
            QVERIFY(!o->sb_cls);
            QVERIFY(!o->but_ok->isEnabled());
            o->reject();
        });
        QVERIFY(!edytujWyjsciaAnalogowe(w->w, 1045));
    }

    // The mode shows its group in the one place; off shows no group and no
    // parameters, as does a mode without an item.
    void grupyTrybu_data()
    {
        QTest::addColumn<int>("tryb");
        QTest::addColumn<QString>("widoczne");
        QTest::newRow("off") << 0 << "";
        QTest::newRow("setpoint generator") << 1 << "gb_parametry gb_zadanaZadajnika";
        QTest::newRow("PID") << 2 << "gb_parametry gb_pid";
        QTest::newRow("linear") << 3 << "gb_parametry gb_liniowy";
        QTest::newRow("no such mode") << 4 << "";
    }
    void grupyTrybu()
    {
        QFETCH(int, tryb);
        QFETCH(QString, widoczne);
        TWyjscieAnalogowe w = wyjscie("AO", tryb, 0, 1000, 0, 0, 0);
        gdyOknoModalne<TFkonfigwyjsc>([&](TFkonfigwyjsc *o) {
            const auto grupy = [o] {
                QStringList v;
                for (QGroupBox *g : {o->gb_parametry, o->gb_zadanaZadajnika, o->gb_pid, o->gb_liniowy})
                    if (g->isVisibleTo(o))
                        v << g->objectName();
                return v.join(' ');
            };
            QCOMPARE(grupy(), widoczne);
            QCOMPARE(o->co_tryb->currentIndex(), tryb < 4 ? tryb : -1);
            QCOMPARE(o->LabelNr->text(), QString("AO1.2"));
            QVERIFY(!o->but_ok->isEnabled());
            const QSize rozmiar = o->size();
            o->co_tryb->setCurrentIndex(tryb == 2 ? 3 : 2);
            QCOMPARE(grupy(), QString(tryb == 2 ? "gb_parametry gb_liniowy" : "gb_parametry gb_pid"));
            QCOMPARE(o->size(), rozmiar);
            QVERIFY(o->but_ok->isEnabled());
            o->but_ok->click();
        });
        QVERIFY(edytujWyjscieAnalogowe(w, "AO1.2", 1045));
        QCOMPARE(int(w.output_type), tryb == 2 ? 3 : 2);
    }

    // A record whose stop, active-stop or pause value lies outside
    // [Minimum, Maximum] opens corrected, with the message and OK enabled;
    // Minimum equal to Maximum limits nothing.
    void zakresPrzyOtwarciu_data()
    {
        QTest::addColumn<QList<int>>("zapisane"); // min, max, stop, active stop, pause
        QTest::addColumn<QList<int>>("pokazane");
        QTest::addColumn<bool>("poprawione");
        QTest::newRow("stop above the maximum")
            << QList<int>{100, 500, 800, 200, 300} << QList<int>{100, 500, 500, 200, 300} << true;
        QTest::newRow("pause below the minimum, active stop above")
            << QList<int>{-50, 200, 0, 250, -100} << QList<int>{-50, 200, 0, 200, -50} << true;
        QTest::newRow("all within") << QList<int>{0, 1000, 0, 1000, 500} << QList<int>{0, 1000, 0, 1000, 500} << false;
        QTest::newRow("minimum equal to maximum")
            << QList<int>{300, 300, 800, -100, 0} << QList<int>{300, 300, 800, -100, 0} << false;
    }
    void zakresPrzyOtwarciu()
    {
        QFETCH(QList<int>, zapisane);
        QFETCH(QList<int>, pokazane);
        QFETCH(bool, poprawione);
        TWyjscieAnalogowe w = wyjscie("AO", 2, zapisane[0], zapisane[1], zapisane[2], zapisane[3], zapisane[4]);
        if (poprawione)
            s->komunikaty.oczekuj(R::Informacja, komunikatZakresu);
        gdyOknoModalne<TFkonfigwyjsc>([&](TFkonfigwyjsc *o) {
            QVERIFY(s->komunikaty.pusty());
            QCOMPARE(o->but_ok->isEnabled(), poprawione);
            QCOMPARE(o->byloOstrzezZakres, poprawione);
            QList<int> v;
            for (TFloatPrecEdit *e : {o->ie_min, o->ie_max, o->ie_stop, o->ie_astop, o->ie_pauza})
                v << int(dziesiate(e->Value(), true));
            QCOMPARE(v, pokazane);
            o->ie_moc->setText("1");
            o->but_ok->click();
        });
        QVERIFY(edytujWyjscieAnalogowe(w, "AO1.1", 1045));
        QCOMPARE((QList<int>{w.min, w.max, w.stop, w.aktywnystop, w.pause}), pokazane);
        QCOMPARE(int(s->komunikaty.pokazane.size()), poprawione ? 1 : 0);
    }

    // Lowering the maximum below the pause value clamps it, and raising the
    // minimum clamps the stop value; the message comes once in a window.
    void zakresPoZmianie()
    {
        TWyjscieAnalogowe w = wyjscie("AO", 2, 0, 1000, 100, 200, 400);
        gdyOknoModalne<TFkonfigwyjsc>([&](TFkonfigwyjsc *o) {
            QVERIFY(!o->but_ok->isEnabled());
            s->komunikaty.oczekuj(R::Informacja, komunikatZakresu);
            o->ie_max->setText("30");
            QVERIFY(s->komunikaty.pusty());
            QCOMPARE(o->ie_pauza->text(), QString("30"));
            QCOMPARE(o->ie_astop->text(), QString("20"));
            QVERIFY(o->but_ok->isEnabled());
            o->ie_min->setText("15");
            QCOMPARE(o->ie_stop->text(), QString("15"));
            // Equal bounds limit nothing: the values stay where they were.
            o->ie_min->setText("30");
            o->ie_stop->setText("80");
            o->but_ok->click();
        });
        QVERIFY(edytujWyjscieAnalogowe(w, "AO1.1", 1045));
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        QCOMPARE((QList<int>{w.min, w.max, w.stop, w.aktywnystop, w.pause}), (QList<int>{300, 300, 800, 200, 300}));
    }

    // While the maximum is typed, its first digits do not clamp the other
    // values; the rule runs once the box is left, on Enter and on OK.
    void wpisywanieMaksimum()
    {
        TWyjscieAnalogowe w = wyjscie("AO", 2, 0, 1000, 300, 200, 800);
        gdyOknoModalne<TFkonfigwyjsc>([&](TFkonfigwyjsc *o) {
            o->ie_max->setFocus();
            QTRY_VERIFY(o->ie_max->hasFocus());
            o->ie_max->selectAll();
            QTest::keyClicks(o->ie_max, "50");
            QCOMPARE(o->ie_max->text(), QString("50"));
            QCOMPARE(o->ie_stop->text(), QString("30"));
            QCOMPARE(o->ie_pauza->text(), QString("80"));
            s->komunikaty.oczekuj(R::Informacja, komunikatZakresu);
            o->ie_moc->setFocus();
            QTRY_VERIFY(!o->ie_max->hasFocus());
            QVERIFY(s->komunikaty.pusty());
            QCOMPARE(o->ie_stop->text(), QString("30"));
            QCOMPARE(o->ie_pauza->text(), QString("50"));
            o->ie_min->setFocus();
            QTRY_VERIFY(o->ie_min->hasFocus());
            o->ie_min->selectAll();
            QTest::keyClicks(o->ie_min, "40");
            QCOMPARE(o->ie_stop->text(), QString("30"));
            // Enter applies the rule.
            QTest::keyClick(o->ie_min, Qt::Key_Return);
            QCOMPARE(o->ie_stop->text(), QString("40"));
            QCOMPARE(o->ie_astop->text(), QString("40"));
            // OK takes the box being typed in through the rule first.
            o->ie_max->setFocus();
            QTRY_VERIFY(o->ie_max->hasFocus());
            o->ie_max->selectAll();
            QTest::keyClicks(o->ie_max, "45");
            QCOMPARE(o->ie_pauza->text(), QString("50"));
            o->but_ok->click();
        });
        QVERIFY(edytujWyjscieAnalogowe(w, "AO1.1", 1045));
        QCOMPARE((QList<int>{w.min, w.max, w.stop, w.aktywnystop, w.pause}), (QList<int>{400, 450, 400, 400, 450}));
    }

    // What OK stores: the name padded with blanks, tenths truncated, the
    // PID k within its 16 bits; bytes without a control stay.
    void zapisPol_data()
    {
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QString>("k");
        QTest::addColumn<int>("zapisanyStop");
        QTest::addColumn<int>("zapisaneK");
        QTest::newRow("decimals cut") << "12,39"
                                      << "12,39" << 123 << 123;
        QTest::newRow("negative cut toward zero") << "-3,45"
                                                  << "-0,19" << -34 << -1;
        QTest::newRow("k above 16 bits") << "0"
                                         << "5000" << 0 << 32767;
        QTest::newRow("k below 16 bits") << "0"
                                         << "-4000" << 0 << -32768;
    }
    void zapisPol()
    {
        QFETCH(QString, stop);
        QFETCH(QString, k);
        TWyjscieAnalogowe w = wyjscie("stara nazwa", 2, -2000, 10000, 0, 0, 0);
        w.rrr[7] = 0x5A;
        w.rezerwa[3] = 0xA5;
        w.rez_wyr2 = 0x11;
        gdyOknoModalne<TFkonfigwyjsc>([&](TFkonfigwyjsc *o) {
            QCOMPARE(o->ed_nazwa->text(), QString("stara nazwa"));
            o->ed_nazwa->clear();
            QTest::keyClicks(o->ed_nazwa, "Pompa");
            o->ie_stop->setText(stop);
            o->fe_pid_k->setText(k);
            o->ie_moc->setText("65535");
            o->ie_pid_ti->setText("9999");
            o->fe_pid_to->setText("12000");
            o->co_koszt->setCurrentIndex(3);
            o->co_typWyjscia->setCurrentIndex(1);
            o->co_pid_GrzChl->setCurrentIndex(1);
            o->co_pid_zadana->setCurrentIndex(24);
            o->co_zadanaZadajnika->setCurrentIndex(3);
            o->co_liniowy_zadana0->setCurrentIndex(11);
            o->co_liniowy_zadana20->setCurrentIndex(15);
            o->but_ok->click();
        });
        QVERIFY(edytujWyjscieAnalogowe(w, "AO1.1", 1045));
        TNazwa50char n;
        std::fill(std::begin(n.z), std::end(n.z), u' ');
        std::memcpy(n.z, u"Pompa", 5 * sizeof(char16_t));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&w.nazwa), 100),
                 QByteArray(reinterpret_cast<const char *>(&n), 100));
        QTEST(int(w.stop), "zapisanyStop");
        QTEST(int(w.pid.k), "zapisaneK");
        QCOMPARE(w.moc, 65535u);
        QCOMPARE(int(w.pid.ti), 9999);
        QCOMPARE(int(w.pid.tto), 9999);
        QCOMPARE(int(w.koszt_energii), 3);
        QCOMPARE(int(w.typ_04), 1);
        QCOMPARE(int(w.pid.grzanie_chlodzenie), 1);
        QCOMPARE(int(w.pid.zadany), 24);
        QCOMPARE(int(w.zadajnik_kanal_zadany), 3);
        QCOMPARE(int(w.liniowyZadana0), 11);
        QCOMPARE(int(w.liniowyZadana20), 15);
        QCOMPARE(int(w.rrr[7]), 0x5A);
        QCOMPARE(int(w.rezerwa[3]), 0xA5);
        QCOMPARE(int(w.rez_wyr2), 0x11);
    }

    // A stored code that no drop-down item shows keeps its byte through OK.
    void kodyBezPozycji()
    {
        TWyjscieAnalogowe w = wyjscie("AO", 7, 0, 1000, 0, 0, 0);
        w.typ_04 = 2;
        w.koszt_energii = 9;
        w.zadajnik_kanal_zadany = 40;
        w.pid.grzanie_chlodzenie = 5;
        w.pid.zadany = 30;
        w.pid.pomiarowy = 10; // AI2.5: not among the channels
        w.liniowypomiarowy = 200;
        w.liniowyZadana0 = 99;
        w.liniowyZadana20 = 25;
        const TWyjscieAnalogowe przed = w;
        gdyOknoModalne<TFkonfigwyjsc>([&](TFkonfigwyjsc *o) {
            for (QComboBox *c : {o->co_tryb, o->co_typWyjscia, o->co_koszt, o->co_zadanaZadajnika, o->co_pid_GrzChl,
                                 o->co_pid_zadana, o->co_pid_kanalPomiarowy, o->co_liniowy_kanalPomiarowy,
                                 o->co_liniowy_zadana0, o->co_liniowy_zadana20})
                QVERIFY2(c->currentIndex() == -1, qPrintable(c->objectName()));
            o->ie_moc->setText("5");
            o->but_ok->click();
        });
        QVERIFY(edytujWyjscieAnalogowe(w, "AO1.1", 1045));
        TWyjscieAnalogowe oczekiwane = przed;
        oczekiwane.moc = 5;
        QVERIFY(rowne(w, oczekiwane));
    }

    // The measuring channels: the humidity, then AI1.1..AI1.6 named after
    // the project's inputs; an item stores its channel's number.
    void kanalyPomiarowe()
    {
        TWyjscieAnalogowe w = wyjscie("AO", 2, 0, 1000, 0, 0, 0);
        w.pid.pomiarowy = 24;
        w.liniowypomiarowy = 2;
        gdyOknoModalne<TFkonfigwyjsc>([&](TFkonfigwyjsc *o) {
            QStringList pozycje;
            for (int i = 0; i < o->co_pid_kanalPomiarowy->count(); ++i)
                pozycje << o->co_pid_kanalPomiarowy->itemText(i);
            QCOMPARE(pozycje, (QStringList{"Wilgotność", "AI1.1 Komora", "AI1.2 AI1.2", "AI1.3 Baton", "AI1.4 AI1.4",
                                           "AI1.5 AI1.5", "AI1.6 AI1.6"}));
            QCOMPARE(o->co_pid_kanalPomiarowy->currentIndex(), 0);
            QCOMPARE(o->co_liniowy_kanalPomiarowy->currentText(), QString("AI1.3 Baton"));
            o->co_pid_kanalPomiarowy->setCurrentIndex(6);
            o->co_liniowy_kanalPomiarowy->setCurrentIndex(0);
            o->but_ok->click();
        });
        QVERIFY(edytujWyjscieAnalogowe(w, "AO1.1", 1045));
        QCOMPARE(int(w.pid.pomiarowy), 5);
        QCOMPARE(int(w.liniowypomiarowy), 24);
    }

    // A row edited: the window gets the row's output and label; OK
    // rebuilds the list on the same row, "Anuluj" changes nothing.
    void edycjaWiersza()
    {
        auto o = okno();
        o->przejdzDo(3);
        gdyOknoModalne<TFkonfigwyjsc>([&](TFkonfigwyjsc *e) {
            QCOMPARE(e->LabelNr->text(), QString("AO1.3"));
            QCOMPARE(e->ed_nazwa->text(), QString("Wentylator"));
            QCOMPARE(e->ie_min->text(), QString("-12,5"));
            QCOMPARE(e->fe_pid_k->text(), QString("2,5"));
            QCOMPARE(e->co_pid_GrzChl->currentText(), QString("chłodzenie"));
            QCOMPARE(e->co_pid_zadana->currentText(), QString("Temp. Batonu"));
            e->co_tryb->setCurrentIndex(0);
            e->but_ok->click();
        });
        o->but_popraw->click();
        QCOMPARE(int(o->WyjsciaAO[2].output_type), 0);
        QCOMPARE(komorka(*o, 2, 2), QString());
        QVERIFY(!o->memproj->index(2, 0).data(Qt::FontRole).value<QFont>().bold());
        QCOMPARE(o->nrBiezacy(), 3);
        QVERIFY(o->but_ok->isEnabled());

        const TWyjscieAnalogowe przed = o->WyjsciaAO[3];
        o->przejdzDo(4);
        gdyOknoModalne<TFkonfigwyjsc>([&](TFkonfigwyjsc *e) {
            e->ie_moc->setText("5");
            s->komunikaty.oczekuj(R::Pytanie, "Uwaga: Zmiany nie zostały zapisane. Kontynuować?", 1);
            e->but_anuluj->click();
        });
        QTest::keyClick(o->DBGrid1, Qt::Key_Return);
        QVERIFY(rowne(o->WyjsciaAO[3], przed));
    }

    // A read-all ending early: the outputs read so far are shown, the list
    // rebuilt and OK enabled; failing at the first output changes nothing.
    void odczytPrzerwany_data()
    {
        QTest::addColumn<int>("k");
        QTest::newRow("at output 1") << 1;
        QTest::newRow("at output 3") << 3;
    }
    void odczytPrzerwany()
    {
        QFETCH(int, k);
        auto o = okno();
        o->przejdzDo(4);
        const auto przed = stare();
        s->zepsujOd('H', blokWyjsciaAnalogowego.podkomenda, k - 1);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        o->but_odczyt->click();
        QVERIFY(s->komunikaty.pusty());
        for (int i = 0; i < 4; ++i)
            QVERIFY2(rowne(o->WyjsciaAO[i], i < k - 1 ? naSterowniku()->w[i] : przed->w[i]),
                     qPrintable(QString::number(i)));
        QCOMPARE(komorka(*o, 0, 1), k > 1 ? QString("Sterownik 1    ") : "Pompa" + QString(45, ' '));
        QCOMPARE(o->but_ok->isEnabled(), k > 1);
        QCOMPARE(o->wynik, k > 1);
        QCOMPARE(o->nrBiezacy(), k > 1 ? 1 : 4);
        QVERIFY(!pasekPostepu().isVisible());
    }

    // The read-all asks for outputs 0..3 with 1000 ms, the send-all writes
    // them as 0..3 in one session.
    void numeryNaLinii()
    {
        auto o = okno();
        o->but_odczyt->click();
        for (int i = 0; i < 4; ++i)
            QVERIFY(rowne(o->WyjsciaAO[i], naSterowniku()->w[i]));
        kopiujRekord(o->WyjsciaAO, stare()->w);
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        o->but_wyslij->click();
        QList<int> odczyty, zapisy;
        for (const QByteArray &r : s->pty.ramki()) {
            if (uint8_t(r.at(2)) != blokWyjsciaAnalogowego.podkomenda)
                continue;
            (r.at(1) == 'H' ? odczyty : zapisy) << uint8_t(r.at(5)) * 256 + uint8_t(r.at(6));
        }
        QCOMPARE(odczyty, (QList<int>{0, 256, 512, 768}));
        QCOMPARE(zapisy, (QList<int>{0, 256, 512, 768}));
        // The name went with its blanks: it reads back as 15 units.
        const TNazwa50char nazwa = naSterowniku()->w[2].nazwa;
        QCOMPARE(nazwaNaTekst(nazwa.z, 50), QString("Wentylator"));
        QCOMPARE(int(nazwa.z[14]), int(u' '));
        QCOMPARE(int(nazwa.z[15]), 0);
        QCOMPARE(int(naSterowniku()->w[3].max), 1000);
    }

    // "Anuluj" of the progress window does not stop the send-all: the four
    // outputs go and the session is closed.
    void wyslanieNieAnulowane()
    {
        auto o = okno();
        s->zegar.naPrzetworz = [] { pasekPostepu().koniec = true; };
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        o->but_wyslij->click();
        s->zegar.naPrzetworz = nullptr;
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(s->ramki('I', blokWyjsciaAnalogowego.podkomenda), 4);
        QVERIFY(!s->sterownik.stan().sesjaOtwarta);
        QCOMPARE(s->ramki('I', 0x82), 1);
    }

    // An output that cannot be sent ends the send-all with its one box and
    // leaves the session open.
    void wyslaniePrzerwane()
    {
        auto o = okno();
        s->zepsujOd('I', blokWyjsciaAnalogowego.podkomenda, 1);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        QVERIFY(s->sterownik.stan().sesjaOtwarta);
        QCOMPARE(s->ramki('I', 0x82), 0);
        // Outputs 3 and 4 never went out.
        for (const QByteArray &r : s->pty.ramki())
            if (r.at(1) == 'I' && uint8_t(r.at(2)) == blokWyjsciaAnalogowego.podkomenda)
                QVERIFY(uint8_t(r.at(5)) <= 1);
    }

    // Over TCP/IP both ways, nothing on the serial line.
    void przezLan()
    {
        QVERIFY(s->przezLan());
        auto o = okno();
        o->but_odczyt->click();
        for (int i = 0; i < 4; ++i)
            QVERIFY(rowne(o->WyjsciaAO[i], naSterowniku()->w[i]));
        QVERIFY(o->but_ok->isEnabled());
        kopiujRekord(o->WyjsciaAO, stare()->w);
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(naSterowniku()->w[1].zadajnik_kanal_zadany), 16);
        QCOMPARE(int(naSterowniku()->w[2].pid.k), 25);
        QVERIFY(!s->sterownik.stan().sesjaOtwarta);
        QVERIFY(s->pty.ramki().empty());
    }

    // ".k3ana": the four records, 1,280 bytes, back byte for byte; a load
    // can be confirmed.
    void plik()
    {
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        auto o = okno();
        o->WyjsciaAO[1].rezerwa[0] = 0x42;
        const QString plik = katalog.filePath("wyjscia.k3ana");
        wybor.odpowiedzi = {plik};
        o->but_zapisz->click();
        QFile f(plik);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray zapisane = f.readAll();
        QCOMPARE(zapisane.size(), 1280);
        QCOMPARE(zapisane, QByteArray(reinterpret_cast<const char *>(&o->WyjsciaAO), 1280));

        auto drugie = okno();
        wybor.odpowiedzi = {plik};
        drugie->but_otworz->click();
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&drugie->WyjsciaAO), 1280), zapisane);
        QVERIFY(drugie->but_ok->isEnabled());
        QCOMPARE(wybor.filtry.last(), QString("Kvor350|*.k3ana"));
    }

    // The print: a master row per output and the band of its mode, chosen
    // by the mode's code in every language; an output that is off prints
    // grey with no band.
    void drukowanie_data()
    {
        QTest::addColumn<int>("jezyk");
        QTest::newRow("Polish") << 1045;
        QTest::newRow("English") << 2057;
    }
    void drukowanie()
    {
        QFETCH(int, jezyk);
        QTranslator angielski;
        if (jezyk == 2057) {
            QVERIFY(angielski.load(QStringLiteral(KVOR_BIN "/kvor-setupENG")));
            QCoreApplication::installTranslator(&angielski);
        }
        WydrukStron wydruk;
        auto o = okno();
        o->ustawJezyk(jezyk);
        o->przejdzDo(2);
        o->but_drukuj->click();
        QCoreApplication::removeTranslator(&angielski);
        QCOMPARE(o->nrBiezacy(), 2);
        QCOMPARE(wydruk.strony.size(), 1);
        const QColor szary(128, 128, 128);
        QCOMPARE(wydruk.elementy("AO1.1").front().kolor, szary);
        QCOMPARE(wydruk.elementy("Pompa" + QString(45, ' ')).front().kolor, szary);
        QCOMPARE(wydruk.elementy("AO1.3").front().kolor, QColor(Qt::black));
        // Each band lies under its output's row, none under the first.
        const qreal y1 = wydruk.y("AO1.1"), y2 = wydruk.y("AO1.2"), y3 = wydruk.y("AO1.3"), y4 = wydruk.y("AO1.4");
        QVERIFY(y1 >= 0 && y1 < y2 && y2 < y3 && y3 < y4);
        QCOMPARE(y2 - y1, 5.5);
        const auto pod = [&](const QString &t, qreal od, qreal przed) {
            const qreal y = wydruk.y(t);
            return y > od && y < przed;
        };
        QVERIFY(pod("Z2", y2, y3));                                          // setpoint generator
        QVERIFY(pod(jezyk == 1045 ? "Temp. Batonu" : "Core temp.", y3, y4)); // PID
        QVERIFY(pod("2,5", y3, y4));                                         // Xp
        QVERIFY(pod("120", y3, y4));                                         // ti
        QVERIFY(pod(jezyk == 1045 ? "Wilgotność" : "Humidity", y3, y4));
        QVERIFY(pod("0/4 [mA]", y4, 1000)); // linear
        QVERIFY(pod("ZS1", y4, 1000));
        QVERIFY(pod("Z10", y4, 1000));
        QCOMPARE(wydruk.elementy("0/4 [mA]").size(), 1);
        QCOMPARE(wydruk.elementy("ti [s]").size(), 1);
    }

    // The report's texts as printed.
    void drukowanieTekst()
    {
        QTemporaryDir katalog;
        WydrukDoPdf wydruk(katalog.path());
        auto o = okno();
        o->but_drukuj->click();
        QCOMPARE(wydruk.wywolania, QStringList{"podglad"});
        const QString tekst = tekstPdf(wydruk.pliki.at(0));
        QVERIFY(!tekst.isEmpty());
        for (const char *t : {"[AO] WYjścia analogowe",
                              "Nr",
                              "Nazwa",
                              "Typ pracy",
                              "Typ wyjścia",
                              "Min",
                              "Max",
                              "Zatrzymanie",
                              "Aktywny STOP",
                              "Pauza",
                              "AO1.3",
                              "Wentylator",
                              "REGULATOR PID",
                              "4..20 mA",
                              "-12,5",
                              "Kanał pomiarowy",
                              "Kanał zadany",
                              "Xp",
                              "ti [s]",
                              "td [s]",
                              "tp [s]",
                              "to [s]",
                              "chłodzenie",
                              "AI1.3 Baton",
                              "20 [mA]",
                              "REGULATOR LINIOWY",
                              "ZADAJNIK"})
            QVERIFY2(tekst.contains(QString::fromUtf8(t)), qPrintable(QString::fromUtf8(t) + " in:\n" + tekst));
        QVERIFY(!tekst.contains("ZATRZYMANIE"));
    }

    // The windows' texts follow the language.
    void jezyk()
    {
        QTranslator angielski;
        QVERIFY(angielski.load(QStringLiteral(KVOR_BIN "/kvor-setupENG")));
        auto o = okno();
        QCoreApplication::installTranslator(&angielski);
        QCoreApplication::processEvents();
        QCOMPARE(o->windowTitle(), QString("[AO] Analog outputs"));
        QCOMPARE(o->memproj->headerData(6, Qt::Horizontal, Qt::DisplayRole).toString(), QString("STOP"));
        QCOMPARE(komorka(*o, 2, 2), QString("PID CONTROLLER "));
        TWyjscieAnalogowe w = o->WyjsciaAO[2];
        gdyOknoModalne<TFkonfigwyjsc>([&](TFkonfigwyjsc *e) {
            QCOMPARE(e->windowTitle(), QString("[AO] Analog output"));
            QCOMPARE(e->gb_pid->title(), QString("PID controller "));
            QCOMPARE(e->findChild<QLabel *>("L_wartStop")->text(), QString("Output value - STOP"));
            QCOMPARE(e->findChild<QLabel *>("L_wartAstop")->text(), QString("Output value - ACTIVE STOP"));
            QCOMPARE(e->co_koszt->itemText(3), QString("Cost 4"));
            e->reject();
        });
        QVERIFY(!edytujWyjscieAnalogowe(w, "AO1.3", 2057));
        QCoreApplication::removeTranslator(&angielski);
    }
};

QTEST_MAIN(TestWyjsciaAnalogowe)
#include "test_wyjscia_analogowe.moc"
