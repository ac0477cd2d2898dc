// The measuring inputs offscreen against the simulator: what they have of
// their own (the shared behaviour of list sections is tested in
// test_sekcje_wspolne): the list's texts over six of the 24 inputs, the
// relative alarm of inputs 1 and 3 as a second exchange (with its pause
// when an input is sent alone), a read-all that ends early, the editor's
// fields, tabs and value rules, what it carries through untouched, its
// reads and files, and the report.
#include "sym_edytora.h"
#include "test_qt.h"
#include "wpisz_czas.h"

#include "edycja_czasu.h"
#include "edycja_liczb.h"
#include "edytor_sekcji.h"
#include "kontrolki_pol.h"
#include "nazwy.h"
#include "panel_alarmu.h"
#include "przekazniki32.h"
#include "raport.h"
#include "tekst_pdf.h"
#include "wejscia_pomiarowe.h"
#include "wejscia_pomiarowe_transfer.h"
#include "wydruk_pdf.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>

#include <algorithm>
#include <cstring>

using R = RodzajKomunikatu;

namespace {

using W = TWejscieAnalogowe;
using A = vxt_alarm_konfiguracja_t;

struct Projekt {
    TProjektVXTNew p{};
};

QByteArray surowe(const W &w) { return QByteArray(reinterpret_cast<const char *>(&w), sizeof w); }

const uint8_t subWejscia = mapaWejsciaAnalogowego().podkomenda;
const uint8_t subAlarmu = mapaAlarmuWzglednego().podkomenda;

std::vector<int> pierwszeBajty(const std::vector<QByteArray> &d)
{
    std::vector<int> w;
    for (const QByteArray &b : d)
        w.push_back(b.isEmpty() ? -1 : uint8_t(b.at(0)));
    return w;
}

// Changes one alarm of a record, copied out and back.
void zmienAlarm(W &w, A W::*alarm, const std::function<void(A &)> &f)
{
    A a = w.*alarm;
    f(a);
    w.*alarm = a;
}

// An input whose every field that a control shows holds a value the control
// shows exactly (a 50-unit name without zeros too); every other byte holds
// a pattern.
void wejscieWZakresie(W &w)
{
    auto *b = reinterpret_cast<uint8_t *>(&w);
    for (size_t i = 0; i < sizeof w; ++i)
        b[i] = uint8_t(i * 37 + 11);
    TNazwa50char n;
    for (int i = 0; i < 50; ++i)
        n.z[i] = char16_t(u'a' + i % 26);
    w.nazwa = n;
    w.input_type = 4;
    w.offset = 55;
    w.p1 = -2000;
    w.p2 = 9999;
    int k = 0;
    for (A W::*alarm : {&W::alarm_bezwzgledny, &W::alarm_brak_czujnika, &W::alarm_wzgledny})
        zmienAlarm(w, alarm, [&](A &a) {
            ++k;
            a.opoznienie = int16_t(k == 1 ? 5999 : 75 * k);
            a.logika = uint8_t(k % 3);
            a.status = uint8_t((k + 1) % 3);
            if (k != 2) { // the sensor-missing alarm keeps its pattern thresholds
                a.warunek1 = int16_t(-123 * k);
                a.warunek2 = int16_t(456 * k);
            }
            for (int j = 0; j < 32; ++j)
                a.przekazniki[j] = uint8_t((j + k) % 5);
        });
}

// The three alarms of an input, their delay boxes, and the offsets of their
// delays in the bytes sent (input block, relative-alarm block).
A W::*const alarmyWejscia[] = {&W::alarm_bezwzgledny, &W::alarm_brak_czujnika, &W::alarm_wzgledny};
const char *const polaOpoznien[] = {"dt_alarmMinMaxOpoznienie", "dt_alarmBrakOpoznienie", "dt_alarmWzglednyOpoznienie"};

// The delays of the three alarms, as unsigned seconds.
QList<int> opoznienia(const W &w)
{
    QList<int> d;
    for (A W::*alarm : alarmyWejscia) {
        const A a = w.*alarm;
        d << int(uint16_t(a.opoznienie));
    }
    return d;
}

int slowo(const QByteArray &b, int p) { return int(uint8_t(b.at(p))) | int(uint8_t(b.at(p + 1))) << 8; }

} // namespace

class TestWejsciaPomiarowe : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;
    std::unique_ptr<Projekt> sym;   // the controller's project
    std::unique_ptr<Projekt> stary; // the PC's, unlike it

    // A list as the entry opens it, over the PC's inputs.
    std::unique_ptr<TflistawejscPom> okno() { return oknoJakZWejscia<TflistawejscPom>(stary->p.FWejsciaPomiarowe); }
    // The editor of input nr as its entry opens it.
    std::unique_ptr<TFEditWejsciePom> edytor(int nr, const W &w)
    {
        return oknoJakZWejscia<TFEditWejsciePom>(w, [nr](TFEditWejsciePom &e) { e.ustawPozycje(nr); });
    }
    QString komorka(const TflistawejscPom &o, int wiersz, int kolumna) const
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
        BlokiSym::przykladowy(sym->p, m, 21);
        s->bloki.ustaw(sym->p, m);
        BlokiSym::przykladowy(stary->p, m, 22);
    }
    void poTescie() override { s.reset(); }

private slots:
    void initTestCase() { QApplication::setApplicationName("Setup kVOR 350"); }

    // Six rows of 24 inputs; names up to their first zero unit, type and
    // reaction texts ("***" without an item), the relative alarm only for
    // inputs 1 and 3, bold rows while an alarm is on, the current inputs'
    // scaling for the report.
    void lista()
    {
        W *w = stary->p.FWejsciaPomiarowe;
        const char16_t nazwa[] = u"Ab\0cd";
        TNazwa50char n{};
        std::memcpy(n.z, nazwa, sizeof nazwa);
        w[1].nazwa = n;
        w[1].input_type = 9;
        w[1].offset = -34;
        zmienAlarm(w[1], &W::alarm_bezwzgledny, [](A &a) { a.status = 1; });
        zmienAlarm(w[1], &W::alarm_brak_czujnika, [](A &a) { a.status = 0; });
        zmienAlarm(w[1], &W::alarm_wzgledny, [](A &a) { a.status = 2; });
        w[0].input_type = 3;
        w[0].p1 = -125;
        w[0].p2 = 2000;
        zmienAlarm(w[0], &W::alarm_wzgledny, [](A &a) { a.status = 2; });
        zmienAlarm(w[0], &W::alarm_brak_czujnika, [](A &a) { a.status = 7; });
        w[3].input_type = 0;
        w[3].p1 = 55;
        for (A W::*alarm : {&W::alarm_bezwzgledny, &W::alarm_brak_czujnika, &W::alarm_wzgledny})
            zmienAlarm(w[4], alarm, [](A &a) { a.status = 0; });
        auto o = okno();

        QCOMPARE(o->windowTitle(), QString("[AI] Wejścia analogowe"));
        QCOMPARE(o->memproj->ileWierszy(), 6);
        const QStringList tytuly{
            "Nr", "Nazwa", "Typ wejścia", "Offset", "Alarm Min/Max", "Alarm Brak czujnika", "Alarm względny"};
        const QList<int> szerokosci{51, 184, 170, 80, 160, 160, 160};
        QCOMPARE(o->memproj->columnCount(), 7);
        for (int k = 0; k < 7; ++k) {
            QCOMPARE(o->memproj->headerData(k, Qt::Horizontal, Qt::DisplayRole).toString(), tytuly[k]);
            QCOMPARE(o->DBGrid1->columnWidth(k), szerokosci[k]);
        }
        QCOMPARE(komorka(*o, 5, 0), QString("AI1.6"));
        QCOMPARE(komorka(*o, 1, 1), QString("Ab"));
        QCOMPARE(komorka(*o, 1, 2), QString("***"));
        QCOMPARE(komorka(*o, 1, 3), QString("-3,4"));
        QCOMPARE(komorka(*o, 1, 4), QString("PRZERWANIE PROGRAMU"));
        QCOMPARE(komorka(*o, 1, 5), QString());
        QCOMPARE(komorka(*o, 1, 6), QString()); // input 2 has no relative alarm
        QCOMPARE(komorka(*o, 0, 2), QString("Wejście prądowe 0..20 mA"));
        QCOMPARE(komorka(*o, 0, 5), QString("***"));
        QCOMPARE(komorka(*o, 0, 6), QString("KONTYNUACJA PROGRAMU"));
        QCOMPARE(o->memproj->tekst(0, "prad_min"), QString("-12,5"));
        QCOMPARE(o->memproj->tekst(0, "prad_max"), QString("200,0"));
        QCOMPARE(o->memproj->tekst(3, "prad_min"), QString());
        QCOMPARE(o->memproj->index(1, 3).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight, int(Qt::AlignRight));
        QVERIFY(o->memproj->index(1, 0).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!o->memproj->index(4, 0).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!o->but_ok->isEnabled());
    }

    // A read-all over either transport: inputs 1..6 by their index, the
    // relative alarms of inputs 1 and 3 as slots 0 and 1; inputs 7..24
    // untouched; OK enabled.
    void odczytCaly_data() { wierszeLaczy(); }
    void odczytCaly()
    {
        QFETCH(bool, lan);
        if (lan)
            QVERIFY(s->przezLan());
        auto o = okno();
        o->but_odczyt->click();
        for (int i = 0; i < 24; ++i)
            QVERIFY2(surowe(o->wejsciaAI[i]) == surowe((i < 6 ? sym : stary)->p.FWejsciaPomiarowe[i]),
                     qPrintable(QString::number(i + 1)));
        QCOMPARE(pierwszeBajty(s->dane('H', subWejscia)), (std::vector<int>{0, 1, 2, 3, 4, 5}));
        QCOMPARE(pierwszeBajty(s->dane('H', subAlarmu)), (std::vector<int>{0, 1}));
        QVERIFY(o->but_ok->isEnabled());
        QCOMPARE(komorka(*o, 2, 0), QString("AI1.3"));
    }

    // A send-all inside one session: six blocks, the two relative alarms in
    // their slots, no pause; the controller's inputs 7..24 untouched.
    void wyslanieCale_data() { wierszeLaczy(); }
    void wyslanieCale()
    {
        QFETCH(bool, lan);
        if (lan)
            QVERIFY(s->przezLan());
        auto o = okno();
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        const auto naSter = s->bloki.projekt();
        for (int i = 0; i < 24; ++i)
            QVERIFY2(surowe(naSter->FWejsciaPomiarowe[i]) == surowe((i < 6 ? stary : sym)->p.FWejsciaPomiarowe[i]),
                     qPrintable(QString::number(i + 1)));
        QCOMPARE(pierwszeBajty(s->dane('I', subWejscia)), (std::vector<int>{0, 1, 2, 3, 4, 5}));
        QCOMPARE(pierwszeBajty(s->dane('I', subAlarmu)), (std::vector<int>{0, 1}));
        const StanSterownika st = s->sterownik.stan();
        QCOMPARE(st.ileSesji, 1);
        QCOMPARE(st.zapisyPozaSesja, 0);
        QVERIFY(s->zegar.przespane < przerwaAlarmuWzglednegoMs);
        QVERIFY(s->bloki.naruszenia().isEmpty());
    }

    // A read-all that ends early (a failure at input 3, "Anuluj" after
    // input 2) rebuilds the list and makes OK available: OK hands back
    // inputs 1 and 2 as read, the others as they were.
    void odczytPrzerwany_data()
    {
        QTest::addColumn<bool>("anuluj");
        QTest::newRow("failure at input 3") << false;
        QTest::newRow("Anuluj after input 2") << true;
    }
    void odczytPrzerwany()
    {
        QFETCH(bool, anuluj);
        auto z = std::make_unique<Projekt>();
        kopiujRekord(z->p.FWejsciaPomiarowe, stary->p.FWejsciaPomiarowe);
        QStringList widziane;
        gdyOknoModalne<TflistawejscPom>([&](TflistawejscPom *o) {
            if (anuluj) {
                s->zegar.naPrzetworz = [&] {
                    if (s->ramki('H', subWejscia) == 2)
                        pasekPostepu().koniec = true;
                };
            } else {
                s->zepsujOd('H', subWejscia, 2);
                s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
            }
            o->but_odczyt->click();
            s->zegar.naPrzetworz = nullptr;
            QVERIFY(o->but_ok->isEnabled());
            for (int w = 0; w < 6; ++w)
                widziane << komorka(*o, w, 1);
            o->but_ok->click();
        });
        QVERIFY(edytujWejsciaPomiarowe(z->p.FWejsciaPomiarowe, 1045));
        if (anuluj)
            QCOMPARE(s->ramki('H', subWejscia), 2);
        for (int i = 0; i < 24; ++i)
            QVERIFY2(surowe(z->p.FWejsciaPomiarowe[i]) == surowe((i < 2 ? sym : stary)->p.FWejsciaPomiarowe[i]),
                     qPrintable(QString::number(i + 1)));
        QCOMPARE(widziane[1], nazwa50NaTekst(sym->p.FWejsciaPomiarowe[1].nazwa));
        QCOMPARE(widziane[2], nazwa50NaTekst(stary->p.FWejsciaPomiarowe[2].nazwa));
    }

    // One input sent from its editor goes alone: inputs 1 and 3 write
    // their block, wait 5500 ms (the window kept alive), then their
    // relative alarm in slot 0 or 1; input 2 writes its block only.
    void edytorWysylanie_data()
    {
        QTest::addColumn<bool>("lan");
        QTest::addColumn<int>("nr");
        for (const bool lan : {false, true})
            for (const int nr : {1, 2, 3})
                QTest::addRow("AI1.%d, %s", nr, lan ? "TCP/IP" : "RS-485") << lan << nr;
    }
    void edytorWysylanie()
    {
        QFETCH(bool, lan);
        QFETCH(int, nr);
        if (lan)
            QVERIFY(s->przezLan());
        const W &w = stary->p.FWejsciaPomiarowe[nr - 1];
        auto e = edytor(nr, w);
        s->notujChwile();
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        e->but_wyslij->click();
        s->zegar.naPrzetworz = nullptr;
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(!e->but_ok->isEnabled());

        const bool ma = nr == 1 || nr == 3;
        QCOMPARE(pierwszeBajty(s->dane('I', subWejscia)), std::vector<int>{nr - 1});
        QCOMPARE(pierwszeBajty(s->dane('I', subAlarmu)), ma ? std::vector<int>{nr == 1 ? 0 : 1} : std::vector<int>{});
        QCOMPARE(surowe(s->bloki.projekt()->FWejsciaPomiarowe[nr - 1]), surowe(e->rekord));
        // The longest stretch of the clock without a new frame, and where.
        const auto [najdluzej, ramekPrzed] = s->najdluzszaCisza();
        if (!ma) {
            QVERIFY2(najdluzej < przerwaAlarmuWzglednegoMs, qPrintable(QString::number(najdluzej)));
            return;
        }
        QVERIFY2(najdluzej >= przerwaAlarmuWzglednegoMs, qPrintable(QString::number(najdluzej)));
        const auto r = s->ramkiObu();
        int blok = -1, alarm = -1;
        for (size_t i = 0; i < r.size(); ++i) {
            if (r[i].at(1) == 'I' && uint8_t(r[i].at(2)) == subWejscia)
                blok = int(i);
            if (r[i].at(1) == 'I' && uint8_t(r[i].at(2)) == subAlarmu)
                alarm = int(i);
        }
        QVERIFY(blok >= 0 && blok < int(ramekPrzed));
        QVERIFY(alarm >= int(ramekPrzed));
    }

    // OK without a change stores the record byte for byte: a 50-unit name,
    // a type and a reaction that no item shows, the sensor-missing alarm's
    // thresholds, the reserves, outputs 33..128, the relative alarm's
    // hidden lower threshold (input 1) and, for an input without a relative
    // alarm, that whole alarm, whatever it holds.
    void bezZmianTeSameBajty_data()
    {
        QTest::addColumn<int>("nr");
        QTest::newRow("AI1.1") << 1;
        QTest::newRow("AI1.2") << 2;
    }
    void bezZmianTeSameBajty()
    {
        QFETCH(int, nr);
        auto k = std::make_unique<TKopiaRobocza<W>>();
        wejscieWZakresie(k->r);
        zmienAlarm(k->r, &W::alarm_wzgledny, [&](A &a) {
            a.warunek1 = 31000; // beyond what the hidden box shows
            if (nr == 2) {
                a.opoznienie = 7000;
                a.status = 9;
                a.warunek2 = -30000;
                a.przekazniki[3] = 9;
            }
        });
        k->r.input_type = 9;
        zmienAlarm(k->r, &W::alarm_bezwzgledny, [](A &a) { a.status = 7; });
        const QByteArray przed = surowe(k->r);
        auto e = edytor(nr, k->r);
        QCOMPARE(e->ed_nazwa->text().size(), 50);
        QCOMPARE(e->co_typWejscia->currentIndex(), -1);
        QCOMPARE(e->alarmMinMax->co_status->currentIndex(), -1);
        e->modyfikacja();
        e->but_ok->click();
        QVERIFY(e->wynik);
        QCOMPARE(surowe(e->rekord), przed);
    }

    // Typed values: tenths truncated toward zero, kept within each box's
    // range.
    void edycjaWartosci_data()
    {
        QTest::addColumn<QString>("kontrolka");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("zapisane");
        QTest::newRow("offset -3,4") << "fe_offset"
                                     << "-3,4" << -34;
        QTest::newRow("offset above 9,9") << "fe_offset"
                                          << "12,5" << 99;
        QTest::newRow("offset below -9,9") << "fe_offset"
                                           << "-10" << -99;
        QTest::newRow("P1 below -200,0") << "fe_p1"
                                         << "-250" << -2000;
        QTest::newRow("P2 truncated") << "fe_p2"
                                      << "12,39" << 123;
        QTest::newRow("Min/Max: max above 999,9") << "fe_alarmMinMax_Max"
                                                  << "1000" << 9999;
        QTest::newRow("Min/Max: min negative") << "fe_alarmMinMax_Min"
                                               << "-0,05" << 0;
        QTest::newRow("relative: max") << "fe_alarmWzgledny_Max"
                                       << "5,55" << 55;
    }
    void edycjaWartosci()
    {
        QFETCH(QString, kontrolka);
        QFETCH(QString, tekst);
        auto k = std::make_unique<TKopiaRobocza<W>>();
        wejscieWZakresie(k->r);
        auto e = edytor(1, k->r);
        auto *f = e->findChild<TFloatEdit *>(kontrolka);
        QVERIFY(f);
        f->setText(tekst);
        QVERIFY(e->but_ok->isEnabled());
        e->but_ok->click();
        const W &w = e->rekord;
        const A mm = w.alarm_bezwzgledny, wz = w.alarm_wzgledny;
        const QHash<QString, int> zapisane{{"fe_offset", w.offset},
                                           {"fe_p1", w.p1},
                                           {"fe_p2", w.p2},
                                           {"fe_alarmMinMax_Max", mm.warunek2},
                                           {"fe_alarmMinMax_Min", mm.warunek1},
                                           {"fe_alarmWzgledny_Max", wz.warunek2}};
        QTEST(zapisane.value(kontrolka), "zapisane");
    }

    // Typing stops at 15 characters; a name with a zero unit keeps the
    // part before it.
    void edycjaNazwy()
    {
        auto k = std::make_unique<TKopiaRobocza<W>>();
        wejscieWZakresie(k->r);
        const char16_t nazwa[] = u"ab\0cd";
        TNazwa50char n{};
        std::memcpy(n.z, nazwa, sizeof nazwa);
        k->r.nazwa = n;
        auto e = edytor(2, k->r);
        QCOMPARE(e->ed_nazwa->text(), QString("ab"));
        e->fe_p1->setText("1");
        e->but_ok->click();
        QCOMPARE(surowe(e->rekord).left(100), QByteArray("a\0b\0", 4) + QByteArray(96, '\0'));

        e = edytor(2, k->r);
        e->ed_nazwa->clear();
        QTest::keyClicks(e->ed_nazwa, "Wejscie pomiarowe 7");
        QCOMPARE(e->ed_nazwa->text(), QString("Wejscie pomiaro"));
        e->but_ok->click();
        QCOMPARE(nazwa50NaTekst(e->rekord.nazwa), QString("Wejscie pomiaro"));
    }

    // The label and the tabs by the input's number; the scaling group by
    // the type; a change of P1 alone is a change OK stores.
    void zakladkiITyp()
    {
        auto k = std::make_unique<TKopiaRobocza<W>>();
        wejscieWZakresie(k->r);
        for (int nr = 1; nr <= 7; ++nr) {
            auto e = edytor(nr, k->r);
            QCOMPARE(e->LabelNr->text(), nr == 7 ? QString("AI2.1") : QStringLiteral("AI1.%1").arg(nr));
            QCOMPARE(e->PageControl1->isTabVisible(2), nr == 1 || nr == 3);
            QCOMPARE(e->PageControl1->currentIndex(), 0);
            QVERIFY(!e->alarmWzgledny->fe_min->isVisibleTo(e->TS_AlarmWzgledny));
            QVERIFY(e->alarmWzgledny->fe_max->isVisibleTo(e->TS_AlarmWzgledny));
            QVERIFY(!e->alarmBrak->fe_max && !e->alarmBrak->fe_min);
        }
        auto e = edytor(1, k->r);
        for (int typ = 0; typ < 7; ++typ) {
            e->co_typWejscia->setCurrentIndex(typ);
            QCOMPARE(e->gb_skalujWePrad->isVisible(), typ == 3 || typ == 4);
        }
        e = edytor(1, k->r);
        QVERIFY(e->gb_skalujWePrad->isVisible());
        QVERIFY(!e->but_ok->isEnabled());
        e->fe_p1->setText("-12,3");
        QVERIFY(e->but_ok->isEnabled());
        e->but_ok->click();
        QCOMPARE(int(e->rekord.p1), -123);
        QCOMPARE(e->co_typWejscia->count(), 7);
        QCOMPARE(e->alarmMinMax->co_status->itemText(0), QString("WYŁĄCZONY"));
        QCOMPARE(e->alarmMinMax->co_logika->itemText(2), QString("Odjęcie stanu"));
    }

    // A row edited from the list: its input's editor, a confirmed change
    // goes into the list's copy and enables OK; relays chosen in a tab
    // land in that alarm.
    void edycjaWiersza()
    {
        auto o = okno();
        o->przejdzDo(3);
        gdyOknoModalne<TFEditWejsciePom>([](TFEditWejsciePom *e) {
            QCOMPARE(e->LabelNr->text(), QString("AI1.3"));
            QVERIFY(e->PageControl1->isTabVisible(2));
            e->alarmWzgledny->przekazniki->setValue(4, 2);
            e->fe_offset->setText("1,5");
            e->but_ok->click();
        });
        QTest::keyClick(o->DBGrid1, Qt::Key_Return);
        QCOMPARE(int(o->wejsciaAI[2].offset), 15);
        const A a = o->wejsciaAI[2].alarm_wzgledny;
        QCOMPARE(int(a.przekazniki[4]), 2);
        QCOMPARE(komorka(*o, 2, 3), QString("1,5"));
        QVERIFY(o->but_ok->isEnabled());
        QCOMPARE(o->nrBiezacy(), 3);
    }

    // The editor reads into a scratch record: a failed read leaves the
    // record and the controls; a read that differs only in an output the
    // window does not show makes OK available all the same.
    void edytorOdczyt()
    {
        const W &w = stary->p.FWejsciaPomiarowe[2];
        s->bloki.zmien([&](TProjektVXTNew &p, TProjektDodatkiMycie &) {
            p.FWejsciaPomiarowe[2] = w;
            zmienAlarm(p.FWejsciaPomiarowe[2], &W::alarm_bezwzgledny, [](A &a) { a.przekazniki[39] ^= 1; });
        });
        auto e = edytor(3, w);
        const QString nazwa = e->ed_nazwa->text();
        s->zepsujOd('H', subAlarmu, 0);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        e->but_odczyt->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(surowe(e->rekord), surowe(w));
        QCOMPARE(e->ed_nazwa->text(), nazwa);
        QVERIFY(!e->but_ok->isEnabled());

        s->usterki.wyczysc();
        e->but_odczyt->click();
        QVERIFY(e->but_ok->isEnabled());
        QCOMPARE(surowe(e->rekord), surowe(s->bloki.projekt()->FWejsciaPomiarowe[2]));
    }

    // Files: one input is 852 bytes, the list's 24 inputs 20,448; a file
    // loads and saves byte for byte; a short one is refused.
    void pliki()
    {
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        auto k = std::make_unique<TKopiaRobocza<W>>();
        wejscieWZakresie(k->r);
        const QString plik = katalog.filePath("we.k3ai1");
        QFile f(plik);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(surowe(k->r) + QByteArray(10, 'x'));
        f.close();
        auto e = edytor(2, stary->p.FWejsciaPomiarowe[1]);
        wybor.odpowiedzi = {plik};
        e->but_otworz->click();
        QCOMPARE(wybor.filtry, QStringList{"Kvor350|*.k3ai1"});
        QCOMPARE(surowe(e->rekord), surowe(k->r));
        QCOMPARE(e->ed_nazwa->text().size(), 50);
        QVERIFY(e->but_ok->isEnabled());
        const QString zapisany = katalog.filePath("z.k3ai1");
        wybor.odpowiedzi = {zapisany};
        e->but_zapisz->click();
        QFile z(zapisany);
        QVERIFY(z.open(QIODevice::ReadOnly));
        QCOMPARE(z.size(), qint64(852));
        QCOMPARE(z.readAll(), surowe(k->r));

        const QString krotki = katalog.filePath("k.k3ai1");
        QFile kf(krotki);
        QVERIFY(kf.open(QIODevice::WriteOnly));
        kf.write(surowe(k->r).left(851));
        kf.close();
        e = edytor(2, stary->p.FWejsciaPomiarowe[1]);
        wybor.odpowiedzi = {krotki};
        s->komunikaty.oczekuj(R::Blad, "Bład przetwarzania pliku");
        e->but_otworz->click();
        QCOMPARE(surowe(e->rekord), surowe(stary->p.FWejsciaPomiarowe[1]));
        QVERIFY(!e->but_ok->isEnabled());

        auto o = okno();
        const QString lista = katalog.filePath("l.k3ail");
        wybor.odpowiedzi = {lista};
        o->but_zapisz->click();
        QCOMPARE(wybor.filtry.last(), QString("Kvor350|*.k3ail"));
        QCOMPARE(QFileInfo(lista).size(), qint64(20448));
    }

    // The report: per input its line, its alarms (the relative one for
    // inputs 1 and 3 only) and under each alarm the states of its own
    // relays.
    void drukowanie()
    {
        QTemporaryDir katalog;
        WydrukDoPdf wydruk(katalog.path());
        W *w = stary->p.FWejsciaPomiarowe;
        // One-digit states, a pattern of their own per input and alarm.
        const auto stany = [](int nr, int alarm) {
            QList<int> s;
            for (int j = 0; j < 32; ++j)
                s << (j * nr + alarm) % 5;
            return s;
        };
        A W::*const alarmy[] = {&W::alarm_bezwzgledny, &W::alarm_brak_czujnika, &W::alarm_wzgledny};
        for (int nr = 1; nr <= 6; ++nr)
            for (int k = 0; k < 3; ++k)
                zmienAlarm(w[nr - 1], alarmy[k], [&](A &a) {
                    for (int j = 0; j < 32; ++j)
                        a.przekazniki[j] = uint8_t(stany(nr, k + 1)[j]);
                });
        tekstNaNazwe50("Komora", w[0].nazwa);
        w[0].input_type = 4;
        w[0].p1 = -125;
        w[0].p2 = 4321;
        zmienAlarm(w[0], &W::alarm_bezwzgledny, [](A &a) {
            a.status = 1;
            a.logika = 1;
            a.opoznienie = 125;
            a.warunek1 = -15;
            a.warunek2 = 777;
        });
        auto o = okno();
        o->but_drukuj->click();
        QCOMPARE(wydruk.wywolania, QStringList{"podglad"});
        QCOMPARE(o->ileTemp, qint64((6 * 2 + 2) * 64));
        const QString tekst = tekstPdf(wydruk.pliki.at(0));
        QVERIFY(!tekst.isEmpty());
        for (const QString &t :
             {QString("[AI] Wejścia analogowe"), QString("Setup kVOR 350"), QString("Typ wejścia"),
              QString("Skalowanie P1"), QString("Skalowanie P2"), QString("Opóźnienie"), QString("Tryb"),
              QString("Komora"), QString("Wejście prądowe 4..20 mA"), QString("-12,5"), QString("432,1"),
              QString("PRZERWANIE PROGRAMU"), QString("Dodanie stanu"), QString("02:05"), QString("-1,5"),
              QString("77,7"), QString("AI1.6"), QString("Wydrukowano: ")})
            QVERIFY2(tekst.contains(t), qPrintable(t + " in:\n" + tekst));
        QCOMPARE(tekst.count("Alarm względny"), 2);
        QCOMPARE(tekst.count("Alarm Brak czujnika"), 6);
        const QStringList nazwyAlarmow{"Alarm Min/Max", "Alarm Brak czujnika", "Alarm względny"};
        for (int nr = 1; nr <= 6; ++nr) {
            qsizetype od = tekst.indexOf(QStringLiteral("AI1.%1").arg(nr));
            QVERIFY(od >= 0);
            for (int k = 0; k < (nr == 1 || nr == 3 ? 3 : 2); ++k) {
                od = tekst.indexOf(nazwyAlarmow[k], od);
                QVERIFY2(od >= 0, qPrintable(nazwyAlarmow[k]));
                QCOMPARE(stanyPrzekaznikowPdf(tekst, od), stany(nr, k + 1));
            }
        }
    }

    // A delay of each alarm of input 1 as a file or a controller holds it
    // (0..65535 s): what its box shows (6000 and more as 99:59), and the
    // bytes that every way out of the editor hands on while only another
    // field was edited: OK, a send, a save, OK after a read or an open,
    // the list's edit with its entry; the list's report prints the stored
    // delay's minutes (at most 99) and seconds. Typed into with keys, even
    // with the text it showed, the box's value is stored.
    void opoznienie_data()
    {
        QTest::addColumn<int>("alarm");
        QTest::addColumn<int>("sekundy");
        QTest::addColumn<QString>("akcja");
        const char *const alarmy[] = {"Min/Max", "Brak czujnika", "względny"};
        for (int alarm = 0; alarm < 3; ++alarm)
            for (const int sekundy : {0, 59, 5999, 6000, 32767, 32768, 65535})
                for (const char *akcja : {"OK", "wysłanie", "zapis", "odczyt", "otwarcie", "lista", "raport",
                                          "klawisze", "te same klawisze"})
                    QTest::addRow("%s, %d s, %s", alarmy[alarm], sekundy, akcja)
                        << alarm << sekundy << QString::fromUtf8(akcja);
    }
    void opoznienie()
    {
        QFETCH(int, alarm);
        QFETCH(int, sekundy);
        QFETCH(QString, akcja);
        const QString pokazane = sekundy == 0 ? "00:00" : sekundy == 59 ? "00:59" : "99:59";
        auto k = std::make_unique<TKopiaRobocza<W>>();
        wejscieWZakresie(k->r);
        zmienAlarm(k->r, alarmyWejscia[alarm], [&](A &a) { a.opoznienie = int16_t(uint16_t(sekundy)); });
        const QByteArray zapisane = surowe(k->r);
        // Another field edited: P1 (the current-input scaling is shown).
        auto ocz = std::make_unique<TKopiaRobocza<W>>();
        kopiujRekord(ocz->r, k->r);
        ocz->r.p1 = 15;
        const auto edytujInne = [](TFEditWejsciePom &e) { e.fe_p1->setText("1,5"); };
        const auto pudelko = [&](TFEditWejsciePom &e) {
            auto *t = e.findChild<TMin99SecEdit *>(polaOpoznien[alarm]);
            return t ? t->text() : QString("no box");
        };
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;

        if (akcja == "OK") {
            auto e = edytor(1, k->r);
            QCOMPARE(pudelko(*e), pokazane);
            edytujInne(*e);
            e->but_ok->click();
            QCOMPARE(surowe(e->rekord), surowe(ocz->r));
        } else if (akcja == "wysłanie") {
            auto e = edytor(1, k->r);
            edytujInne(*e);
            s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
            e->but_wyslij->click();
            QVERIFY(s->komunikaty.pusty());
            const auto blok = s->dane('I', subWejscia), wzgledny = s->dane('I', subAlarmu);
            QCOMPARE(int(blok.size()), 1);
            QCOMPARE(int(wzgledny.size()), 1);
            QCOMPARE((QList<int>{slowo(blok[0], 44), slowo(blok[0], 180), slowo(wzgledny[0], 4)}), opoznienia(k->r));
            QCOMPARE(int(s->bloki.projekt()->FWejsciaPomiarowe[0].p1), 15);
            QCOMPARE(surowe(e->rekord), surowe(ocz->r));
        } else if (akcja == "zapis") {
            auto e = edytor(1, k->r);
            edytujInne(*e);
            wybor.odpowiedzi = {katalog.filePath("we.k3ai1")};
            e->but_zapisz->click();
            QFile f(katalog.filePath("we.k3ai1"));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), surowe(ocz->r));
        } else if (akcja == "odczyt" || akcja == "otwarcie") {
            auto e = edytor(1, stary->p.FWejsciaPomiarowe[0]);
            if (akcja == "odczyt") {
                s->bloki.zmien([&](TProjektVXTNew &p, TProjektDodatkiMycie &) { p.FWejsciaPomiarowe[0] = k->r; });
                e->but_odczyt->click();
                // What the wire carries, as read.
                QCOMPARE(opoznienia(e->rekord), opoznienia(k->r));
                kopiujRekord(ocz->r, e->rekord);
                ocz->r.p1 = 15;
            } else {
                QFile f(katalog.filePath("we.k3ai1"));
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(zapisane);
                f.close();
                wybor.odpowiedzi = {f.fileName()};
                e->but_otworz->click();
                QCOMPARE(surowe(e->rekord), zapisane);
            }
            QCOMPARE(pudelko(*e), pokazane);
            edytujInne(*e);
            e->but_ok->click();
            QCOMPARE(surowe(e->rekord), surowe(ocz->r));
        } else if (akcja == "lista") {
            auto z = std::make_unique<Projekt>();
            kopiujRekord(z->p.FWejsciaPomiarowe, stary->p.FWejsciaPomiarowe);
            z->p.FWejsciaPomiarowe[0] = k->r;
            auto po = std::make_unique<Projekt>();
            kopiujRekord(po->p.FWejsciaPomiarowe, z->p.FWejsciaPomiarowe);
            po->p.FWejsciaPomiarowe[0].p1 = 15;
            QString widziane;
            QByteArray naLiscie;
            gdyOknoModalne<TflistawejscPom>([&](TflistawejscPom *o) {
                o->przejdzDo(1);
                gdyOknoModalne<TFEditWejsciePom>([&](TFEditWejsciePom *e) {
                    widziane = pudelko(*e);
                    edytujInne(*e);
                    e->but_ok->click();
                });
                QTest::keyClick(o->DBGrid1, Qt::Key_Return);
                naLiscie = surowe(o->wejsciaAI[0]);
                o->but_ok->click();
            });
            QVERIFY(edytujWejsciaPomiarowe(z->p.FWejsciaPomiarowe, 1045));
            QCOMPARE(widziane, pokazane);
            QCOMPARE(naLiscie, surowe(ocz->r));
            QCOMPARE(QByteArray(reinterpret_cast<const char *>(z->p.FWejsciaPomiarowe), sizeof(TWejsciaPomiarowe)),
                     QByteArray(reinterpret_cast<const char *>(po->p.FWejsciaPomiarowe), sizeof(TWejsciaPomiarowe)));
        } else if (akcja == "raport") {
            stary->p.FWejsciaPomiarowe[0] = k->r;
            auto o = okno();
            TZbiorRaportu memAlarmy("memAlarmy", {"nr", "alarm", "alNazwa", "alStatus_str", "alLogika_str",
                                                  "alOpoznienie_str", "almin_str", "almax_str"});
            o->memAlarmyListaTworz(memAlarmy);
            // Whole minutes capped at 99, and the seconds.
            const QHash<int, QString> wydruk{{0, "00:00"},     {59, "00:59"},    {5999, "99:59"}, {6000, "99:00"},
                                             {32767, "99:07"}, {32768, "99:08"}, {65535, "99:15"}};
            QCOMPARE(memAlarmy.wiersze.at(alarm).at(1), QString::number(alarm + 1));
            QCOMPARE(memAlarmy.wiersze.at(alarm).at(5), wydruk.value(sekundy));
        } else {
            // Keys into the box with the focus: "12:34", or the digits it showed.
            auto e = edytor(1, k->r);
            e->PageControl1->setCurrentIndex(alarm);
            auto *t = e->findChild<TMin99SecEdit *>(polaOpoznien[alarm]);
            QVERIFY(t);
            const bool teSame = akcja == "te same klawisze";
            wpiszCzasIOk(*e, t, pokazane, teSame);
            zmienAlarm(k->r, alarmyWejscia[alarm],
                       [&](A &a) { a.opoznienie = int16_t(teSame ? std::min(sekundy, 5999) : 754); });
            QCOMPARE(surowe(e->rekord), surowe(k->r));
        }
    }

    // The editor's texts in English.
    void jezyk()
    {
        QTranslator angielski;
        QVERIFY(angielski.load(QStringLiteral(KVOR_BIN "/kvor-setupENG")));
        QCoreApplication::installTranslator(&angielski);
        auto k = std::make_unique<TKopiaRobocza<W>>();
        wejscieWZakresie(k->r);
        auto e = edytor(1, k->r);
        e->ustawJezyk(2057);
        QCOMPARE(e->windowTitle(), QString("[AI] Analog input"));
        QCOMPARE(e->PageControl1->tabText(1), QString("Sensor missing alarm"));
        QCOMPARE(e->alarmMinMax->gb_status->title(), QString("Alarm status"));
        QCOMPARE(e->alarmMinMax->L_opoznienie->text(), QString("Alarm delay [mm:ss]"));
        QCOMPARE(e->gb_skalujWePrad->title(), QString(" Current input scaling "));
        QCOMPARE(e->findChild<QLabel *>("L_p2")->text(), QString("Scaling P2"));
        QCOMPARE(e->co_typWejscia->currentIndex(), 4);
        QCoreApplication::removeTranslator(&angielski);
    }
};

QTEST_MAIN(TestWejsciaPomiarowe)
#include "test_wejscia_pomiarowe.moc"
