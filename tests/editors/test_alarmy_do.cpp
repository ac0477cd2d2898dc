// The alarm-output window offscreen against the simulator: what it has of
// its own (the shared behaviour of one-record windows is tested in
// test_rekordy_wspolne): its look and texts, the tabs taking the controls
// in, delays and reactions shown and taken back (a delay the box cannot
// show kept until it is edited), the send taking the edit of the current
// tab, "Anuluj" during the send, clearing, the ".k3doa" file, TCP/IP.
#include "okno_rekordu.h"
#include "sym_edytora.h"
#include "test_qt.h"
#include "wpisz_czas.h"

#include "alarmy_do.h"
#include "edycja_czasu.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>

#include <algorithm>
#include <cstring>

using R = RodzajKomunikatu;

namespace {

// Four configurations with every field set, delays 10, 20, 30, 40 s and
// reactions 0, 1, 2, 0.
void stare(TAlarmyF1F4Array &a)
{
    for (int i = 0; i < 4; ++i) {
        std::memset(&a[i], 0x30 + i, sizeof a[i]);
        a[i].opoznienie = int16_t(10 * (i + 1));
        a[i].status = uint8_t(i % 3);
        a[i].logika = uint8_t(i);
        a[i].warunek1 = int16_t(-100 - i);
        a[i].warunek2 = int16_t(500 + i);
    }
}

QByteArray bajty(const TAlarmyF1F4Array &a) { return QByteArray(reinterpret_cast<const char *>(&a), sizeof a); }

int slowo(const QByteArray &b, int p) { return int(uint8_t(b.at(p))) | int(uint8_t(b.at(p + 1))) << 8; }

// Types a duration into the box as a user does.
void wpiszCzas(TMin99SecEdit *e, const QString &cyfry)
{
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, cyfry);
}

} // namespace

class TestAlarmyDO : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;

    // A window as edytujAlarmyDO opens it, shown without a modal run.
    std::unique_ptr<TFormDO_Alarmy> okno()
    {
        TAlarmyF1F4Array a;
        stare(a);
        return oknoRekordu<TFormDO_Alarmy>(a);
    }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        s->przykladowyProjekt(5, [](TProjektVXTNew &p) {
            for (int i = 0; i < 4; ++i) {
                p.przekaznikiAlarmF1F4[i].status = uint8_t((i + 1) % 3);
                p.przekaznikiAlarmF1F4[i].opoznienie = int16_t(100 * (i + 1));
            }
        });
    }
    void poTescie() override { s.reset(); }

private slots:
    void wyglad()
    {
        TAlarmyF1F4Array a;
        stare(a);
        gdyOknoModalne<TFormDO_Alarmy>([&](TFormDO_Alarmy *o) {
            QCOMPARE(o->windowTitle(), QString("[DO] WYjścia cyfrowe - alarmy"));
            QCOMPARE(o->TabSet1->count(), 4);
            for (int i = 0; i < 4; ++i)
                QCOMPARE(o->TabSet1->tabText(i), QStringLiteral("   Fu %1   ").arg(i + 1));
            QCOMPARE(o->TabSet1->currentIndex(), 0);
            QCOMPARE(o->alarmNumer, 1);
            QCOMPARE(o->TabSet1->toolTip(), QString("Wybierz definicję"));
            QCOMPARE(o->gb_status->title(), QString("Status alarmu"));
            QCOMPARE(o->L_opoznienie->text(), QString("Opóźnienie alarmu [mm:ss]"));
            QCOMPARE(o->co_alarmStatus->count(), 3);
            QCOMPARE(o->co_alarmStatus->itemText(0), QString("WYŁĄCZONY"));
            QCOMPARE(o->co_alarmStatus->itemText(2), QString("KONTYNUACJA PROGRAMU"));
            QCOMPARE(o->co_alarmStatus->currentIndex(), 0);
            QCOMPARE(o->dt_alarmOpoznienie->text(), QString("00:10"));
            QCOMPARE(o->but_odczyt->toolTip(), QString("Odczyt danych ze sterownika"));
            QCOMPARE(o->but_wyslij->toolTip(), QString("Wysłanie danych do sterownika"));
            QCOMPARE(o->but_otworz->toolTip(), QString("Odczyt danych z dysku"));
            QCOMPARE(o->but_zapisz->toolTip(), QString("Zapis danych na dysk"));
            QCOMPARE(o->sb_cls->toolTip(), QString("Czyść"));
            QVERIFY(!o->but_popraw);
            QVERIFY(o->but_drukuj && !o->but_drukuj->isEnabled());
            QCOMPARE(o->but_anuluj->text(), QString("Anuluj"));
            QVERIFY(!o->but_ok->isEnabled());
            // The print button stays grey after a command.
            o->but_odczyt->click();
            QVERIFY(o->but_odczyt->isEnabled());
            QVERIFY(!o->but_drukuj->isEnabled());
            o->but_ok->click();
        });
        QVERIFY(edytujAlarmyDO(a, 1045));
    }

    // F2's delay typed as 01:30, then the third tab: F2 holds 90 s before
    // F3 is shown. Showing another configuration is no change.
    void zakladkiPrzyjmujaKontrolki()
    {
        auto o = okno();
        o->TabSet1->setCurrentIndex(1);
        QVERIFY(!o->but_ok->isEnabled());
        QCOMPARE(o->alarmNumer, 2);
        QCOMPARE(o->dt_alarmOpoznienie->text(), QString("00:20"));
        QCOMPARE(o->co_alarmStatus->currentIndex(), 1);
        QCOMPARE(bajty(o->alarmy), [] {
            TAlarmyF1F4Array a;
            stare(a);
            return bajty(a);
        }());

        wpiszCzas(o->dt_alarmOpoznienie, "0130");
        QCOMPARE(o->dt_alarmOpoznienie->text(), QString("01:30"));
        QTest::keyClick(o->co_alarmStatus, Qt::Key_Down);
        QCOMPARE(o->co_alarmStatus->currentIndex(), 2);
        QVERIFY(o->but_ok->isEnabled());
        QCOMPARE(int(o->alarmy[1].opoznienie), 20);

        o->TabSet1->setCurrentIndex(2);
        QCOMPARE(int(o->alarmy[1].opoznienie), 90);
        QCOMPARE(int(o->alarmy[1].status), 2);
        QCOMPARE(o->alarmNumer, 3);
        QCOMPARE(o->dt_alarmOpoznienie->text(), QString("00:30"));
        QCOMPARE(o->co_alarmStatus->currentIndex(), 2);
        // Nothing else of F2 or of the others moved.
        TAlarmyF1F4Array a;
        stare(a);
        a[1].opoznienie = 90;
        a[1].status = 2;
        QCOMPARE(bajty(o->alarmy), bajty(a));

        o->TabSet1->setCurrentIndex(1);
        QCOMPARE(o->dt_alarmOpoznienie->text(), QString("01:30"));
    }

    // What a stored delay and reaction show, and what the controls give
    // back after an edit on another tab: the delay's two bytes are unsigned
    // seconds, 6000 and more show 99:59 and are kept; a reaction without an
    // item shows none and keeps its byte.
    void wyswietlanie_data()
    {
        QTest::addColumn<int>("opoznienie");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("pozycja");
        QTest::addColumn<int>("poEdycji");
        QTest::newRow("65531 s") << -5 << 0 << "99:59" << 0 << -5;
        QTest::newRow("32768 s") << -32768 << 1 << "99:59" << 1 << -32768;
        QTest::newRow("zero") << 0 << 2 << "00:00" << 2 << 0;
        QTest::newRow("59 s") << 59 << 0 << "00:59" << 0 << 59;
        QTest::newRow("90 s") << 90 << 1 << "01:30" << 1 << 90;
        QTest::newRow("99:59") << 5999 << 2 << "99:59" << 2 << 5999;
        QTest::newRow("beyond 99:59") << 7000 << 0 << "99:59" << 0 << 7000;
        QTest::newRow("reaction without an item") << 61 << 3 << "01:01" << -1 << 61;
        QTest::newRow("reaction 255") << 61 << 255 << "01:01" << -1 << 61;
    }
    void wyswietlanie()
    {
        QFETCH(int, opoznienie);
        QFETCH(int, status);
        QFETCH(int, poEdycji);
        TAlarmyF1F4Array a;
        stare(a);
        a[3].opoznienie = int16_t(opoznienie);
        a[3].status = uint8_t(status);
        gdyOknoModalne<TFormDO_Alarmy>([&](TFormDO_Alarmy *o) {
            o->TabSet1->setCurrentIndex(3);
            QTEST(o->dt_alarmOpoznienie->text(), "tekst");
            QTEST(o->co_alarmStatus->currentIndex(), "pozycja");
            // A change on another tab makes the window confirmable.
            o->TabSet1->setCurrentIndex(0);
            wpiszCzas(o->dt_alarmOpoznienie, "0005");
            o->but_ok->click();
        });
        QVERIFY(edytujAlarmyDO(a, 1045));
        QCOMPARE(int(a[3].opoznienie), poEdycji);
        QCOMPARE(int(a[3].status), status);
        QCOMPARE(int(a[0].opoznienie), 5);
    }

    // F2's delay as a file or a controller holds it (0..65535 s): what its
    // box shows (6000 and more as 99:59), and the bytes that every way out
    // of the window hands on while only a reaction was edited: OK, a tab
    // change, a send, a save, OK after a read or an open. Typed into with
    // keys, even with the text it showed, the box's value is stored.
    void opoznienie_data()
    {
        QTest::addColumn<int>("sekundy");
        QTest::addColumn<QString>("akcja");
        for (const int sekundy : {0, 59, 5999, 6000, 32767, 32768, 65535})
            for (const char *akcja :
                 {"OK", "zakładka", "wysłanie", "zapis", "odczyt", "otwarcie", "klawisze", "te same klawisze"})
                QTest::addRow("%d s, %s", sekundy, akcja) << sekundy << QString::fromUtf8(akcja);
    }
    void opoznienie()
    {
        QFETCH(int, sekundy);
        QFETCH(QString, akcja);
        const QString pokazane = sekundy == 0 ? "00:00" : sekundy == 59 ? "00:59" : "99:59";
        TAlarmyF1F4Array a;
        stare(a);
        a[1].opoznienie = int16_t(uint16_t(sekundy));
        a[1].status = 0;
        // Another field edited: F2's reaction, one item down.
        TAlarmyF1F4Array ocz;
        kopiujRekord(ocz, a);
        ocz[1].status = 1;
        const auto edytujInne = [](TFormDO_Alarmy &o) {
            QTest::keyClick(o.co_alarmStatus, Qt::Key_Down);
            QVERIFY(o.but_ok->isEnabled());
        };
        const auto opoznienieF2 = [](const TAlarmyF1F4Array &x) { return int(uint16_t(x[1].opoznienie)); };
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        const QString plik = katalog.filePath("alarmy.k3doa");

        if (akcja == "klawisze" || akcja == "te same klawisze") {
            // Keys into the box with the focus: "12:34", or the digits it showed.
            auto o = oknoRekordu<TFormDO_Alarmy>(a);
            o->TabSet1->setCurrentIndex(1);
            TMin99SecEdit *t = o->dt_alarmOpoznienie;
            const bool teSame = akcja == "te same klawisze";
            wpiszCzasIOk(*o, t, pokazane, teSame);
            a[1].opoznienie = int16_t(teSame ? std::min(sekundy, 5999) : 754);
            QCOMPARE(bajty(o->alarmy), bajty(a));
            return;
        }
        if (akcja == "odczyt" || akcja == "otwarcie") {
            auto o = okno();
            o->TabSet1->setCurrentIndex(1);
            if (akcja == "odczyt") {
                s->bloki.zmien(
                    [&](TProjektVXTNew &p, TProjektDodatkiMycie &) { kopiujRekord(p.przekaznikiAlarmF1F4, a); });
                o->but_odczyt->click();
                // What the wire carries, as read.
                QCOMPARE(opoznienieF2(o->alarmy), sekundy);
                kopiujRekord(ocz, o->alarmy);
                ocz[1].status = 1;
            } else {
                QFile f(plik);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(bajty(a));
                f.close();
                wybor.odpowiedzi = {plik};
                o->but_otworz->click();
                QCOMPARE(bajty(o->alarmy), bajty(a));
            }
            QCOMPARE(o->dt_alarmOpoznienie->text(), pokazane);
            edytujInne(*o);
            o->but_ok->click();
            QCOMPARE(bajty(o->alarmy), bajty(ocz));
            return;
        }
        auto o = oknoRekordu<TFormDO_Alarmy>(a);
        o->TabSet1->setCurrentIndex(1);
        QCOMPARE(o->dt_alarmOpoznienie->text(), pokazane);
        edytujInne(*o);
        if (akcja == "OK") {
            o->but_ok->click();
        } else if (akcja == "zakładka") {
            o->TabSet1->setCurrentIndex(2);
            o->TabSet1->setCurrentIndex(1);
            QCOMPARE(o->dt_alarmOpoznienie->text(), pokazane);
            o->TabSet1->setCurrentIndex(0);
        } else if (akcja == "wysłanie") {
            s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
            o->but_wyslij->click();
            QVERIFY(s->komunikaty.pusty());
            const auto bloki = s->dane('I', 0x10);
            QCOMPARE(int(bloki.size()), 4);
            QCOMPARE(slowo(bloki[1], 4), sekundy);
            QCOMPARE(opoznienieF2(s->bloki.projekt()->przekaznikiAlarmF1F4), sekundy);
        } else {
            wybor.odpowiedzi = {plik};
            o->but_zapisz->click();
            QFile f(plik);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), bajty(ocz));
        }
        QCOMPARE(bajty(o->alarmy), bajty(ocz));
    }

    // The send takes the edit of the tab shown, with no tab change, and
    // sends the four configurations in one session; progress 1 of 1.
    void wyslanieZCzwartejZakladki()
    {
        auto o = okno();
        o->TabSet1->setCurrentIndex(3);
        wpiszCzas(o->dt_alarmOpoznienie, "0200");
        o->co_alarmStatus->setCurrentIndex(1);
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(o->alarmy[3].opoznienie), 120);
        QCOMPARE(int(o->alarmy[3].status), 1);
        const auto p = s->bloki.projekt();
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(int(p->przekaznikiAlarmF1F4[i].opoznienie), int(o->alarmy[i].opoznienie));
            QCOMPARE(int(p->przekaznikiAlarmF1F4[i].status), int(o->alarmy[i].status));
        }
        QCOMPARE(s->ramki('I', 0x10), 4);
        const StanSterownika st = s->sterownik.stan();
        QCOMPARE(st.ileSesji, 1);
        QVERIFY(!st.sesjaOtwarta);
        QCOMPARE(pasekPostepu().Gauge1->maximum(), 1);
        QCOMPARE(pasekPostepu().Gauge1->value(), 1);
        QVERIFY(s->bloki.naruszenia().isEmpty());
        QVERIFY(!pasekPostepu().isVisible());
    }

    // "Anuluj" in the progress window during the send: the four went out,
    // but no success message is shown.
    void wyslanieAnulowane()
    {
        auto o = okno();
        s->zegar.naPrzetworz = [&] {
            if (o->wTrakcie() && s->ramki('I', 0x10) > 0)
                pasekPostepu().koniec = true;
        };
        o->but_wyslij->click();
        s->zegar.naPrzetworz = nullptr;
        QVERIFY(s->komunikaty.pokazane.empty());
        QCOMPARE(s->ramki('I', 0x10), 4);
        QVERIFY(!s->sterownik.stan().sesjaOtwarta);
        QVERIFY(!pasekPostepu().isVisible());
    }

    // A read fills all four and shows the tab's configuration.
    void odczyt()
    {
        auto o = okno();
        o->TabSet1->setCurrentIndex(1);
        o->but_odczyt->click();
        const auto p = s->bloki.projekt();
        QCOMPARE(bajty(o->alarmy), bajty(p->przekaznikiAlarmF1F4));
        QCOMPARE(o->dt_alarmOpoznienie->text(), QString("03:20"));
        QCOMPARE(o->co_alarmStatus->currentIndex(), 2);
        QCOMPARE(s->ramki('H', 0x10), 4);
        QVERIFY(o->but_ok->isEnabled());
    }

    // Clear asks first; Yes puts every reaction and delay to 0 and keeps
    // the logic, relays and conditions.
    void czyszczenie()
    {
        auto o = okno();
        o->TabSet1->setCurrentIndex(1);
        const QByteArray przed = bajty(o->alarmy);
        s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 0);
        o->sb_cls->click();
        QCOMPARE(bajty(o->alarmy), przed);
        QVERIFY(!o->but_ok->isEnabled());

        s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 1);
        o->sb_cls->click();
        TAlarmyF1F4Array a;
        stare(a);
        for (auto &x : a) {
            x.status = 0;
            x.opoznienie = 0;
        }
        QCOMPARE(bajty(o->alarmy), bajty(a));
        QCOMPARE(o->dt_alarmOpoznienie->text(), QString("00:00"));
        QCOMPARE(o->co_alarmStatus->currentIndex(), 0);
        QVERIFY(o->but_ok->isEnabled());
    }

    // ".k3doa": the four configurations, 880 bytes, every field; a load
    // shows the tab's configuration from the file and makes the window
    // confirmable.
    void plik()
    {
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        auto o = okno();
        o->TabSet1->setCurrentIndex(2);
        wpiszCzas(o->dt_alarmOpoznienie, "0345");
        const QString plik = katalog.filePath("alarmy.k3doa");
        wybor.odpowiedzi = {plik};
        o->but_zapisz->click();
        QFile f(plik);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray zapisane = f.readAll();
        QCOMPARE(zapisane.size(), 880);
        QCOMPARE(zapisane, bajty(o->alarmy));
        QCOMPARE(int(o->alarmy[2].opoznienie), 225);

        auto drugie = oknoRekordu<TFormDO_Alarmy>(TAlarmyF1F4Array{});
        drugie->TabSet1->setCurrentIndex(2);
        wybor.odpowiedzi = {plik};
        drugie->but_otworz->click();
        QCOMPARE(bajty(drugie->alarmy), zapisane);
        QCOMPARE(drugie->dt_alarmOpoznienie->text(), QString("03:45"));
        QVERIFY(drugie->but_ok->isEnabled());
    }

    // Over TCP/IP both ways, and nothing on the serial line.
    void przezLan()
    {
        QVERIFY(s->przezLan());
        auto o = okno();
        o->but_odczyt->click();
        QCOMPARE(bajty(o->alarmy), bajty(s->bloki.projekt()->przekaznikiAlarmF1F4));
        o->TabSet1->setCurrentIndex(3);
        wpiszCzas(o->dt_alarmOpoznienie, "0040");
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->bloki.projekt()->przekaznikiAlarmF1F4[3].opoznienie), 40);
        QCOMPARE(int(s->bloki.projekt()->przekaznikiAlarmF1F4[1].opoznienie), 200);
        QVERIFY(s->bloki.naruszenia().isEmpty());
        QVERIFY(!s->sterownik.stan().sesjaOtwarta);
        QVERIFY(s->pty.ramki().empty());
    }

    // The texts follow a language switch; the reaction shown stays and the
    // switch is no change.
    void jezyk()
    {
        auto o = okno();
        o->TabSet1->setCurrentIndex(2);
        QTranslator angielski;
        QVERIFY(angielski.load(QStringLiteral(KVOR_BIN "/kvor-setupENG")));
        QCoreApplication::installTranslator(&angielski);
        QCoreApplication::processEvents();
        QCOMPARE(o->windowTitle(), QString("[DO] Digital outputs - alarms"));
        QCOMPARE(o->gb_status->title(), QString("Alarm status"));
        QCOMPARE(o->L_opoznienie->text(), QString("Alarm delay [mm:ss]"));
        QCOMPARE(o->TabSet1->toolTip(), QString("Select definition"));
        QCOMPARE(o->co_alarmStatus->currentIndex(), 2);
        QCOMPARE(o->co_alarmStatus->currentText(), QString("PROGRAM CONTINUATION"));
        QVERIFY(!o->but_ok->isEnabled());
        QCoreApplication::removeTranslator(&angielski);
        QCoreApplication::processEvents();
        QCOMPARE(o->gb_status->title(), QString("Status alarmu"));
        QCOMPARE(o->co_alarmStatus->currentText(), QString("KONTYNUACJA PROGRAMU"));
    }
};

QTEST_MAIN(TestAlarmyDO)
#include "test_alarmy_do.moc"
