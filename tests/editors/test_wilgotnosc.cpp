// The humidity window offscreen against the simulator: the channel group
// and its list, the value rules, read and send over either transport,
// clearing, and the report.
#include "sym_edytora.h"
#include "test_qt.h"
#include "wpisz_czas.h"

#include "edycja_czasu.h"
#include "edycja_liczb.h"
#include "edytor_sekcji.h"
#include "kanaly.h"
#include "nazwy.h"
#include "panel_alarmu.h"
#include "przekazniki32.h"
#include "raport.h"
#include "tekst_pdf.h"
#include "wilgotnosc.h"
#include "wydruk_pdf.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <cstring>

using R = RodzajKomunikatu;

namespace {

using W = Tkvor350wilgotnosc;
using A = vxt_alarm_konfiguracja_t;

QByteArray surowe(const W &w) { return QByteArray(reinterpret_cast<const char *>(&w), sizeof w); }

// A record whose every field a control shows holds a value it shows
// exactly; every other byte a pattern.
W wZakresie()
{
    W w;
    auto *b = reinterpret_cast<uint8_t *>(&w);
    for (size_t i = 0; i < sizeof w; ++i)
        b[i] = uint8_t(i * 29 + 7);
    w.sposob_pomiaru = 1;
    w.numer_karty = 0;
    w.numer_wejscia = 4;
    w.min_zadana = 20;
    w.max_zadana = 90;
    A a = w.alarm;
    a.status = 1;
    a.logika = 2;
    a.opoznienie = 61;
    a.warunek1 = -15;
    a.warunek2 = 955;
    for (int j = 0; j < 32; ++j)
        a.przekazniki[j] = uint8_t(j % 5);
    w.alarm = a;
    return w;
}

struct Projekt {
    TProjektVXTNew p{};
};

} // namespace

class TestWilgotnosc : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;
    std::unique_ptr<Projekt> sym; // the controller's project

    // The window as its entry opens it.
    std::unique_ptr<TfustawWilg> okno(const W &w) { return oknoJakZWejscia<TfustawWilg>(w); }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        sym = std::make_unique<Projekt>();
        TProjektDodatkiMycie m{};
        BlokiSym::przykladowy(sym->p, m, 41);
        s->bloki.ustaw(sym->p, m);
    }
    void poTescie() override { s.reset(); }

private slots:
    void initTestCase() { QApplication::setApplicationName("Setup kVOR 350"); }

    // The channel group only for "Wejście prądowe"; the channels are
    // AI1.1..AI1.6 named after the project's inputs; the stored number
    // picks the item and the chosen item's number is stored, also while
    // the group is hidden; the card is always 0.
    void kanal_data()
    {
        QTest::addColumn<int>("tryb");
        QTest::newRow("Mokry suchy") << 0;
        QTest::newRow("Wejście prądowe") << 1;
        QTest::newRow("Czujnik cyfrowy") << 2;
    }
    void kanal()
    {
        QFETCH(int, tryb);
        auto wejscia = std::make_unique<Projekt>();
        tekstNaNazwe50("Komora", wejscia->p.FWejsciaPomiarowe[1].nazwa);
        ustawWejsciaPomiarowe(&wejscia->p.FWejsciaPomiarowe);
        W w = wZakresie();
        w.sposob_pomiaru = tryb;
        w.numer_karty = 5;
        w.numer_wejscia = 3;
        auto o = okno(w);
        QCOMPARE(o->windowTitle(), QString("Ustawienia wilgotności"));
        QCOMPARE(o->co_tryb->currentText(), listaPomiarWilgotnosci(tryb));
        QCOMPARE(o->gb_kanal->isVisible(), tryb == 1);
        QCOMPARE(o->co_kanalPomiarowy->count(), 6);
        QCOMPARE(o->co_kanalPomiarowy->itemText(0), QString("AI1.1 AI1.1"));
        QCOMPARE(o->co_kanalPomiarowy->itemText(1), QString("AI1.2 Komora"));
        QCOMPARE(o->co_kanalPomiarowy->currentIndex(), 3);
        o->co_kanalPomiarowy->setCurrentIndex(5);
        QVERIFY(o->but_ok->isEnabled());
        o->but_ok->click();
        QCOMPARE(int(o->rekord.numer_wejscia), 5);
        QCOMPARE(int(o->rekord.numer_karty), 0);
        // Switching the method shows or hides the group, and is a change.
        o = okno(w);
        o->co_tryb->setCurrentIndex(tryb == 1 ? 0 : 1);
        QCOMPARE(o->gb_kanal->isVisible(), tryb != 1);
        QVERIFY(o->but_ok->isEnabled());
    }

    // A stored channel that no item has opens with none selected and is
    // kept on OK.
    void kanalPozaLista()
    {
        W w = wZakresie();
        w.numer_wejscia = 7;
        auto o = okno(w);
        QCOMPARE(o->co_kanalPomiarowy->currentIndex(), -1);
        o->modyfikacja();
        o->but_ok->click();
        QCOMPARE(int(o->rekord.numer_wejscia), 7);
    }

    // Setpoint limits 0..100 (corrected when the box is left); alarm
    // limits in tenths truncated, -200.0..999.9. OK without another change
    // stores the record byte for byte (reserves, outputs 33..128 too).
    void wartosci()
    {
        const W w = wZakresie();
        auto o = okno(w);
        o->modyfikacja();
        o->but_ok->click();
        QCOMPARE(surowe(o->rekord), surowe(w));

        o = okno(w);
        o->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(o.get()));
        o->ie_zMax->setFocus();
        o->ie_zMax->selectAll();
        QTest::keyClicks(o->ie_zMax, "150");
        o->co_tryb->setFocus();
        QCOMPARE(o->ie_zMax->text(), QString("100"));
        o->ie_zMin->setText("-5");
        o->alarm->fe_max->setText("1000");
        o->alarm->fe_min->setText("-3,45");
        o->but_ok->click();
        QCOMPARE(int(o->rekord.max_zadana), 100);
        QCOMPARE(int(o->rekord.min_zadana), 0);
        const A a = o->rekord.alarm;
        QCOMPARE(int(a.warunek2), 9999);
        QCOMPARE(int(a.warunek1), -34);
    }

    // Read into a scratch record (a failed read leaves record and
    // controls; a good one makes OK available) and send alone in a session
    // of its own, over either transport.
    void odczytWyslanie_data() { wierszeLaczy(); }
    void odczytWyslanie()
    {
        QFETCH(bool, lan);
        if (lan)
            QVERIFY(s->przezLan());
        const W w = wZakresie();
        auto o = okno(w);
        if (lan)
            s->tcp.zerwijPrzyOdpowiedzi(PlanUsterek::zawsze);
        else
            s->zepsujOd('H', mapaWilgotnosci().podkomenda, 0);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        o->but_odczyt->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(surowe(o->rekord), surowe(w));
        QCOMPARE(o->ie_zMax->text(), QString("90"));
        QVERIFY(!o->but_ok->isEnabled());

        s->usterki.wyczysc();
        if (lan)
            s->tcp.zerwijPrzyOdpowiedzi(0);
        o->but_odczyt->click();
        QCOMPARE(surowe(o->rekord), surowe(s->bloki.projekt()->wilgotnosc));
        QVERIFY(o->but_ok->isEnabled());

        o = okno(w);
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        const W naSter = s->bloki.projekt()->wilgotnosc;
        QCOMPARE(int(naSter.sposob_pomiaru), 1);
        QCOMPARE(int(naSter.numer_wejscia), 4);
        QCOMPARE(int(naSter.max_zadana), 90);
        const A a = naSter.alarm;
        QCOMPARE(int(a.warunek2), 955);
        QCOMPARE(int(a.przekazniki[4]), 4);
        const StanSterownika st = s->sterownik.stan();
        QCOMPARE(st.ileSesji, 1);
        QCOMPARE(st.zapisyPozaSesja, 0);
        QVERIFY(!o->but_ok->isEnabled());
    }

    // "Czyść" sets the controls to zero; "Anuluj" then leaves the caller's
    // record as it was, OK stores the zeros.
    void czyszczenie_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("then Anuluj") << false;
        QTest::newRow("then OK") << true;
    }
    void czyszczenie()
    {
        QFETCH(bool, ok);
        W w = wZakresie();
        const W przed = w;
        const auto przekazniki = std::make_unique<Projekt>();
        gdyOknoModalne<TfustawWilg>([&](TfustawWilg *o) {
            s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 1);
            o->sb_cls->click();
            QVERIFY(o->but_ok->isEnabled());
            QCOMPARE(o->co_kanalPomiarowy->currentIndex(), 0);
            QVERIFY(!o->gb_kanal->isVisible());
            QCOMPARE(surowe(o->rekord), surowe(przed));
            if (ok) {
                o->but_ok->click();
                return;
            }
            s->komunikaty.oczekuj(R::Pytanie, "Uwaga: Zmiany nie zostały zapisane. Kontynuować?", 1);
            o->but_anuluj->click();
        });
        QCOMPARE(edytujWilgotnosc(w, przekazniki->p.przekazniki, 1045), ok);
        if (!ok) {
            QCOMPARE(surowe(w), surowe(przed));
            return;
        }
        QCOMPARE(int(w.sposob_pomiaru), 0);
        QCOMPARE(int(w.numer_wejscia), 0);
        QCOMPARE(int(w.max_zadana), 0);
        const A a = w.alarm, b = przed.alarm;
        QCOMPARE(int(a.status), 0);
        QCOMPARE(int(a.opoznienie), 0);
        QCOMPARE(int(a.warunek1), 0);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(a.przekazniki), 32), QByteArray(32, '\0'));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(a.przekazniki + 32), 96),
                 QByteArray(reinterpret_cast<const char *>(b.przekazniki + 32), 96));
    }

    // The alarm delay as a controller holds it (0..65535 s): what its box
    // shows (6000 and more as 99:59), and the bytes OK after another
    // field's edit, a send, a print and OK after a read hand on. "Czyść"
    // sets it to 0; typed into with keys, even with the text it showed,
    // the box's value is stored.
    void opoznienie_data()
    {
        QTest::addColumn<int>("sekundy");
        QTest::addColumn<QString>("akcja");
        for (const int sekundy : {0, 59, 5999, 6000, 32767, 32768, 65535})
            for (const char *akcja : {"OK", "wysłanie", "druk", "odczyt", "Czyść", "klawisze", "te same klawisze"})
                QTest::addRow("%d s, %s", sekundy, akcja) << sekundy << QString::fromUtf8(akcja);
    }
    void opoznienie()
    {
        QFETCH(int, sekundy);
        QFETCH(QString, akcja);
        const QString pokazane = sekundy == 0 ? "00:00" : sekundy == 59 ? "00:59" : "99:59";
        W w = wZakresie();
        A a = w.alarm;
        a.opoznienie = int16_t(uint16_t(sekundy));
        w.alarm = a;
        // Another field edited: the upper setpoint limit.
        W ocz = w;
        ocz.max_zadana = 77;
        const auto edytujInne = [](TfustawWilg &o) { o.ie_zMax->setText("77"); };
        const auto opoznienie = [](const W &r) {
            const A x = r.alarm;
            return int(uint16_t(x.opoznienie));
        };

        if (akcja == "OK") {
            auto o = okno(w);
            QCOMPARE(o->alarm->dt_opoznienie->text(), pokazane);
            edytujInne(*o);
            o->but_ok->click();
            QCOMPARE(surowe(o->rekord), surowe(ocz));
        } else if (akcja == "wysłanie") {
            auto o = okno(w);
            s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
            o->but_wyslij->click();
            QVERIFY(s->komunikaty.pusty());
            const auto blok = s->dane('I', mapaWilgotnosci().podkomenda);
            QCOMPARE(int(blok.size()), 1);
            QCOMPARE(int(uint8_t(blok[0].at(8))) | int(uint8_t(blok[0].at(9))) << 8, sekundy);
            QCOMPARE(surowe(o->rekord), surowe(w));
        } else if (akcja == "druk") {
            QTemporaryDir katalog;
            WydrukDoPdf wydruk(katalog.path());
            auto o = okno(w);
            edytujInne(*o);
            o->but_drukuj->click();
            QCOMPARE(int(wydruk.pliki.size()), 1);
            QCOMPARE(surowe(o->rekord), surowe(ocz));
        } else if (akcja == "odczyt") {
            s->bloki.zmien([&](TProjektVXTNew &p, TProjektDodatkiMycie &) { p.wilgotnosc = w; });
            auto o = okno(sym->p.wilgotnosc);
            o->but_odczyt->click();
            QCOMPARE(opoznienie(o->rekord), sekundy);
            QCOMPARE(o->alarm->dt_opoznienie->text(), pokazane);
            ocz = o->rekord;
            ocz.max_zadana = 77;
            edytujInne(*o);
            o->but_ok->click();
            QCOMPARE(surowe(o->rekord), surowe(ocz));
        } else if (akcja == "Czyść") {
            auto o = okno(w);
            s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 1);
            o->sb_cls->click();
            QCOMPARE(o->alarm->dt_opoznienie->text(), QString("00:00"));
            o->but_ok->click();
            QCOMPARE(opoznienie(o->rekord), 0);
        } else {
            // Keys into the box with the focus: "12:34", or the digits it showed.
            auto o = okno(w);
            TMin99SecEdit *t = o->alarm->dt_opoznienie;
            const bool teSame = akcja == "te same klawisze";
            wpiszCzasIOk(*o, t, pokazane, teSame);
            a.opoznienie = int16_t(teSame ? std::min(sekundy, 5999) : 754);
            w.alarm = a;
            QCOMPARE(surowe(o->rekord), surowe(w));
        }
    }

    // The report takes the controls into the record without making OK
    // available; the channel is printed for "Wejście prądowe" only.
    void drukowanie_data() { kanal_data(); }
    void drukowanie()
    {
        QFETCH(int, tryb);
        QTemporaryDir katalog;
        WydrukDoPdf wydruk(katalog.path());
        W w = wZakresie();
        w.sposob_pomiaru = tryb;
        auto o = okno(w);
        {
            const QSignalBlocker cicho(o->ie_zMax);
            o->ie_zMax->setText("77");
        }
        o->but_drukuj->click();
        QCOMPARE(int(o->rekord.max_zadana), 77);
        QVERIFY(!o->but_ok->isEnabled());
        QCOMPARE(o->ileTemp, qint64(64));
        const QString tekst = tekstPdf(wydruk.pliki.at(0));
        QVERIFY(!tekst.isEmpty());
        for (const QString &t :
             {QString("Ustawienia wilgotności"), QString("Setup kVOR 350"), QString("Tryb pomiaru"),
              listaPomiarWilgotnosci(tryb), QString("Wartość max"), QString("77"), QString("20"),
              QString("Status alarmu"), QString("PRZERWANIE PROGRAMU"), QString("Odjęcie stanu"), QString("01:01"),
              QString("95,5"), QString("-1,5"), QString("Stan wyjść przekaźnikowych"), QString("Wydrukowano: ")})
            QVERIFY2(tekst.contains(t), qPrintable(t + " in:\n" + tekst));
        QCOMPARE(tekst.contains("Kanał pomiarowy:"), tryb == 1);
        QCOMPARE(tekst.contains("AI1.5 AI1.5"), tryb == 1);
        QList<int> stany;
        for (int j = 0; j < 32; ++j)
            stany << j % 5;
        QCOMPARE(stanyPrzekaznikowPdf(tekst, tekst.indexOf("Stan wyjść przekaźnikowych")), stany);
    }
};

QTEST_MAIN(TestWilgotnosc)
#include "test_wilgotnosc.moc"
