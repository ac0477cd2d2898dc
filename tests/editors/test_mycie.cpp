// The washing-settings window offscreen against the simulator: the time to
// washing as hh:mm (a time the box cannot show kept until it is edited),
// the relays on or off, files ".k3washset", read and send over either
// transport, clearing, and the report.
#include "sym_edytora.h"
#include "test_qt.h"
#include "wpisz_czas.h"

#include "dane_sterownika.h"
#include "edycja_czasu.h"
#include "edytor_sekcji.h"
#include "mycie.h"
#include "przekazniki32.h"
#include "raport.h"
#include "tekst_pdf.h"
#include "wydruk_pdf.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>

#include <algorithm>
#include <cstring>

using R = RodzajKomunikatu;

namespace {

using M = TProjektDodatkiMycie;

QByteArray surowe(const M &m) { return QByteArray(reinterpret_cast<const char *>(&m), sizeof m); }

// Every byte a pattern; the time and outputs 1..32 hold what the window
// shows exactly (1 for every third output).
M wZakresie()
{
    M m;
    auto *b = reinterpret_cast<uint8_t *>(&m);
    for (size_t i = 0; i < sizeof m; ++i)
        b[i] = uint8_t(i * 29 + 7);
    m.czaDoMycia = 90;
    for (int n = 0; n < 32; ++n)
        m.przekazniki[n] = n % 3 == 0 ? 1 : 0;
    return m;
}

struct Wyjscia {
    TPrzekaznikiArray p{};
};

} // namespace

class TestMycie : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;

    std::unique_ptr<TfUstawieniaMycia> okno(const M &m) { return oknoJakZWejscia<TfUstawieniaMycia>(m); }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        s->przykladowyProjekt(41);
        s->bloki.zmien([](TProjektVXTNew &, M &m) {
            m.czaDoMycia = 754;
            for (int n = 0; n < 32; ++n)
                m.przekazniki[n] = n % 5 == 1 ? 1 : 0;
        });
    }
    void poTescie() override { s.reset(); }

private slots:
    void initTestCase() { QApplication::setApplicationName("Setup kVOR 350"); }

    // Minutes shown as hh:mm up to 99:59; 6000 and more show 99:59 and
    // are kept while the box is not edited.
    void czas_data()
    {
        QTest::addColumn<int>("minuty");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("zapisane");
        QTest::newRow("zero") << 0 << "00:00" << 0;
        QTest::newRow("90") << 90 << "01:30" << 90;
        QTest::newRow("largest") << 5999 << "99:59" << 5999;
        QTest::newRow("6000") << 6000 << "99:59" << 6000;
        QTest::newRow("65535") << 65535 << "99:59" << 65535;
    }
    void czas()
    {
        QFETCH(int, minuty);
        QFETCH(QString, tekst);
        QFETCH(int, zapisane);
        M m = wZakresie();
        m.czaDoMycia = uint16_t(minuty);
        auto o = okno(m);
        QCOMPARE(o->windowTitle(), QString("Ustawienia mycia"));
        QCOMPARE(o->L_czas->text(), QString("Czas do mycia [hh:mm]"));
        QCOMPARE(o->hm->accessibleName(), o->L_czas->text());
        QCOMPARE(o->hm->text(), tekst);
        QVERIFY(!o->but_ok->isEnabled());
        o->modyfikacja();
        o->but_ok->click();
        QCOMPARE(int(o->rekord.czaDoMycia), zapisane);
        m.czaDoMycia = uint16_t(zapisane);
        QCOMPARE(surowe(o->rekord), surowe(m));
    }

    // Typing a time enables OK and stores hours and minutes as minutes.
    void czasWpisany()
    {
        auto o = okno(wZakresie());
        o->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(o.get()));
        o->hm->setFocus();
        o->hm->setCursorPosition(0);
        QTest::keyClicks(o->hm, "0205");
        QCOMPARE(o->hm->text(), QString("02:05"));
        QVERIFY(o->but_ok->isEnabled());
        o->but_ok->click();
        QCOMPARE(int(o->rekord.czaDoMycia), 125);
    }

    // The time as a file or a controller holds it (0..65535 minutes): what
    // its box shows (6000 and more as 99:59), and the record that every way
    // out of the window hands on while only a relay was switched: OK, a
    // send, a save, a print, OK after a read or an open. "Czyść" sets it to
    // 0; typed into with keys, even with the text it showed, the box's
    // value is stored.
    void czasNiepokazany_data()
    {
        QTest::addColumn<int>("minuty");
        QTest::addColumn<QString>("akcja");
        for (const int minuty : {0, 59, 5999, 6000, 32767, 32768, 65535})
            for (const char *akcja :
                 {"OK", "wysłanie", "zapis", "druk", "odczyt", "otwarcie", "Czyść", "klawisze", "te same klawisze"})
                QTest::addRow("%d min, %s", minuty, akcja) << minuty << QString::fromUtf8(akcja);
    }
    void czasNiepokazany()
    {
        QFETCH(int, minuty);
        QFETCH(QString, akcja);
        const QString pokazane = minuty == 0 ? "00:00" : minuty == 59 ? "00:59" : "99:59";
        M m = wZakresie();
        m.czaDoMycia = uint16_t(minuty);
        // Another field edited: output 5 switched.
        M ocz = m;
        const auto edytujInne = [&ocz](TfUstawieniaMycia &o) {
            ocz.przekazniki[4] = o.rekord.przekazniki[4] ? 0 : 1;
            o.przekazniki->FSwitchArray[4]->click();
            QVERIFY(o.but_ok->isEnabled());
        };
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        const QString plik = katalog.filePath("m.k3washset");

        if (akcja == "odczyt" || akcja == "otwarcie") {
            auto o = okno(wZakresie());
            if (akcja == "odczyt") {
                s->bloki.zmien([&](TProjektVXTNew &, M &naSterowniku) { naSterowniku.czaDoMycia = uint16_t(minuty); });
                o->but_odczyt->click();
                QCOMPARE(int(o->rekord.czaDoMycia), minuty);
                ocz = o->rekord;
            } else {
                QFile f(plik);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(surowe(m));
                f.close();
                wybor.odpowiedzi = {plik};
                o->but_otworz->click();
                QCOMPARE(surowe(o->rekord), surowe(m));
            }
            QCOMPARE(o->hm->text(), pokazane);
            edytujInne(*o);
            o->but_ok->click();
            QCOMPARE(surowe(o->rekord), surowe(ocz));
            return;
        }
        auto o = okno(m);
        QCOMPARE(o->hm->text(), pokazane);
        if (akcja == "OK") {
            edytujInne(*o);
            o->but_ok->click();
        } else if (akcja == "wysłanie") {
            edytujInne(*o);
            s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
            o->but_wyslij->click();
            QVERIFY(s->komunikaty.pusty());
            QCOMPARE(int(s->bloki.mycie().czaDoMycia), minuty);
        } else if (akcja == "zapis") {
            edytujInne(*o);
            wybor.odpowiedzi = {plik};
            o->but_zapisz->click();
            QFile f(plik);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), surowe(ocz));
        } else if (akcja == "druk") {
            WydrukDoPdf wydruk(katalog.path());
            edytujInne(*o);
            o->but_drukuj->click();
            QCOMPARE(int(wydruk.pliki.size()), 1);
            const QString czas = QStringLiteral("Czas do mycia [hh:mm]: %1:%2")
                                     .arg(minuty / 60)
                                     .arg(minuty % 60, 2, 10, QLatin1Char('0'));
            const QString tekst = tekstPdf(wydruk.pliki.at(0)).simplified();
            QVERIFY2(tekst.contains(czas), qPrintable(czas + " in:\n" + tekst));
        } else if (akcja == "Czyść") {
            s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 1);
            o->sb_cls->click();
            QCOMPARE(o->hm->text(), QString("00:00"));
            o->but_ok->click();
            ocz.czaDoMycia = 0;
            std::memset(ocz.przekazniki, 0, 32);
        } else {
            // Keys into the box with the focus: "12:34", or the digits it showed.
            const bool teSame = akcja == "te same klawisze";
            wpiszCzasIOk(*o, o->hm, pokazane, teSame);
            ocz.czaDoMycia = uint16_t(teSame ? std::min(minuty, 5999) : 754);
        }
        QCOMPARE(surowe(o->rekord), surowe(ocz));
    }

    // Outputs 1..32 on or off by a click, without a definition; any
    // stored value above 0 shows on and is stored as 1; outputs 33..128
    // and the reserve are never changed; the icons are the outputs'.
    void przekazniki()
    {
        M m = wZakresie();
        m.przekazniki[1] = 3;
        m.przekazniki[2] = 255;
        M oczekiwany = m;
        auto wyjscia = std::make_unique<Wyjscia>();
        wyjscia->p[4].ikona = 7;
        wyjscia->p[5].ikona = 99;
        auto o = oknoJakZWejscia<TfUstawieniaMycia>(m, [&](TfUstawieniaMycia &w) { w.ustawPrzekazniki(wyjscia->p); });
        TPrzekazniki32 *p = o->przekazniki;
        QVERIFY(p->OnOffOnlyValue());
        QCOMPARE(p->title(), QString("Przekaźnik względem którego, jest naliczany czas mycia"));
        QVERIFY(p->FSwitchArray[4]->maIkone());
        QVERIFY(!p->FSwitchArray[5]->maIkone());
        for (int n = 0; n < 32; ++n)
            QCOMPARE(p->FSwitchArray[n]->isChecked(), m.przekazniki[n] != 0);

        p->FSwitchArray[1]->click(); // 3: off
        QCOMPARE(p->getValue(1), 0);
        QVERIFY(o->but_ok->isEnabled());
        p->FSwitchArray[4]->click(); // 0: on
        QCOMPARE(p->getValue(4), 1);
        o->but_ok->click();
        oczekiwany.przekazniki[1] = 0;
        oczekiwany.przekazniki[2] = 1;
        oczekiwany.przekazniki[4] = 1;
        QCOMPARE(surowe(o->rekord), surowe(oczekiwany));
    }

    // ".k3washset": 932 bytes loaded and saved byte for byte; the load
    // makes OK available by itself, also when the time shown stays the
    // same. Relay values above 1 are stored as 1, a time the box cannot
    // show and every other byte as loaded.
    void plik_data()
    {
        QTest::addColumn<bool>("poza");
        QTest::newRow("values in range") << false;
        QTest::newRow("time and relay values out of range") << true;
    }
    void plik()
    {
        QFETCH(bool, poza);
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        M m = wZakresie();
        for (int n = 0; n < 32; ++n)
            m.przekazniki[n] = uint8_t(31 - n);
        M zapisany = m;
        if (poza) {
            m.czaDoMycia = 6100;
            zapisany.czaDoMycia = 6100;
            m.przekazniki[3] = 9;
            zapisany.przekazniki[3] = 1;
        }
        for (int n = 0; n < 32; ++n)
            zapisany.przekazniki[n] = zapisany.przekazniki[n] ? 1 : 0;
        const QString wejscie = katalog.filePath("w.k3washset"), wyjscie = katalog.filePath("z.k3washset");
        {
            QFile f(wejscie);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(surowe(m)), qint64(932));
        }
        M pusty{};
        pusty.czaDoMycia = m.czaDoMycia;
        auto o = okno(pusty);
        wybor.odpowiedzi = {wejscie};
        o->but_otworz->click();
        QCOMPARE(wybor.filtry, QStringList{"Kvor350|*.k3washset"});
        QCOMPARE(surowe(o->rekord), surowe(m));
        QCOMPARE(o->hm->text(), poza ? QString("99:59") : QString("01:30"));
        QVERIFY(o->but_ok->isEnabled());

        wybor.odpowiedzi = {wyjscie};
        o->but_zapisz->click();
        QFile f(wyjscie);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), surowe(zapisany));
    }

    // A failed read shows its one box and leaves the record and the
    // controls, also a value typed meanwhile; a good one replaces the
    // record (the block carries the time and outputs 1..32, the rest reads
    // as zeros), shows it and makes OK available. The send checks the lock
    // once more and goes alone in a session of its own.
    void odczytWyslanie_data() { wierszeLaczy(); }
    void odczytWyslanie()
    {
        QFETCH(bool, lan);
        if (lan)
            QVERIFY(s->przezLan());
        const M m = wZakresie();
        auto o = okno(m);
        {
            const QSignalBlocker cicho(o->hm);
            o->hm->setText("11:11");
            o->hm->MaskEditChange();
        }
        if (lan)
            s->tcp.zerwijPrzyOdpowiedzi(PlanUsterek::zawsze);
        else
            s->zepsujOd('H', 0x0C, 0);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        o->but_odczyt->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(surowe(o->rekord), surowe(m));
        QCOMPARE(o->hm->text(), QString("11:11"));
        QVERIFY(!o->but_ok->isEnabled());
        QVERIFY(!pasekPostepu().isVisible());

        s->usterki.wyczysc();
        if (lan)
            s->tcp.zerwijPrzyOdpowiedzi(0);
        s->sledzPostep();
        o->but_odczyt->click();
        QCOMPARE(s->postep.tekst, QString("Odczyt ustawień"));
        M odczytany{};
        const M naSterowniku = s->bloki.mycie();
        odczytany.czaDoMycia = naSterowniku.czaDoMycia;
        std::memcpy(odczytany.przekazniki, naSterowniku.przekazniki, 32);
        QCOMPARE(surowe(o->rekord), surowe(odczytany));
        QCOMPARE(o->hm->text(), QString("12:34"));
        QCOMPARE(o->przekazniki->getValue(1), 1);
        QCOMPARE(o->przekazniki->getValue(0), 0);
        QVERIFY(o->but_ok->isEnabled());

        o = okno(m);
        int sprawdzenia = 0;
        ustawSprawdzenieBlokady([&] {
            ++sprawdzenia;
            return 0;
        });
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        o->but_wyslij->click();
        ustawSprawdzenieBlokady({});
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(sprawdzenia, 1);
        const M wyslany = s->bloki.mycie();
        QCOMPARE(int(wyslany.czaDoMycia), 90);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(wyslany.przekazniki), 32),
                 QByteArray(reinterpret_cast<const char *>(m.przekazniki), 32));
        const StanSterownika st = s->sterownik.stan();
        QCOMPARE(st.ileSesji, 1);
        QCOMPARE(st.zapisyPozaSesja, 0);
        QVERIFY(!o->but_ok->isEnabled());
    }

    // "Czyść" sets the controls to zero; "Anuluj" then leaves the caller's
    // record as it was, OK stores the zeros (outputs 33..128 kept).
    void czyszczenie_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("then Anuluj") << false;
        QTest::newRow("then OK") << true;
    }
    void czyszczenie()
    {
        QFETCH(bool, ok);
        M m = wZakresie();
        const M przed = m;
        const auto wyjscia = std::make_unique<Wyjscia>();
        gdyOknoModalne<TfUstawieniaMycia>([&](TfUstawieniaMycia *o) {
            s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 1);
            o->sb_cls->click();
            QVERIFY(o->but_ok->isEnabled());
            QCOMPARE(o->hm->text(), QString("00:00"));
            QCOMPARE(surowe(o->rekord), surowe(przed));
            if (ok) {
                o->but_ok->click();
                return;
            }
            s->komunikaty.oczekuj(R::Pytanie, "Uwaga: Zmiany nie zostały zapisane. Kontynuować?", 1);
            o->but_anuluj->click();
        });
        QCOMPARE(edytujUstawieniaMycia(m, wyjscia->p, 1045), ok);
        M oczekiwany = przed;
        if (ok) {
            oczekiwany.czaDoMycia = 0;
            std::memset(oczekiwany.przekazniki, 0, 32);
        }
        QCOMPARE(surowe(m), surowe(oczekiwany));
    }

    // The report takes the controls into the record without making OK
    // available: the time as h:mm and the relay band, each relay's number
    // followed by 1 when it is counted.
    void drukowanie()
    {
        QTemporaryDir katalog;
        WydrukDoPdf wydruk(katalog.path());
        M m = wZakresie();
        for (int n = 0; n < 32; ++n)
            m.przekazniki[n] = n == 6 || n == 20 ? 1 : 0;
        auto o = okno(m);
        // An edit of the box, then OK off again: the print must not make it
        // available by itself.
        o->hm->setText("02:05");
        o->but_ok->setEnabled(false);
        o->but_drukuj->click();
        QCOMPARE(int(o->rekord.czaDoMycia), 125);
        QVERIFY(!o->but_ok->isEnabled());
        QCOMPARE(o->ileTemp, qint64(64));
        const QString tekst = tekstPdf(wydruk.pliki.at(0));
        QVERIFY(!tekst.isEmpty());
        QString pasmo;
        for (int n = 1; n <= 32; ++n)
            pasmo += QString::number(n) + (m.przekazniki[n - 1] ? " 1 " : " ");
        for (const QString &t :
             {QString("Ustawienia mycia"), QString("Setup kVOR 350"), QString("Czas do mycia [hh:mm]: 2:05"),
              QString("Przekaźnik względem którego, jest naliczany czas mycia"), pasmo.trimmed(),
              QString("Wydrukowano: ")})
            QVERIFY2(tekst.simplified().contains(t), qPrintable(t + " in:\n" + tekst));
    }

    // English and Russian: the window's texts follow the language without
    // counting as a change, and the report prints in it at once.
    void jezyki_data()
    {
        QTest::addColumn<int>("jezyk");
        QTest::addColumn<QString>("modul");
        QTest::addColumn<QStringList>("teksty"); // title, time label, relay caption
        QTest::newRow("English") << 2057 << "ENG"
                                 << QStringList{"Washing settings", "Time to washing [hh:mm]",
                                                "Relay against which the washing time is counted"};
        QTest::newRow("Russian") << 1049 << "RUS"
                                 << QStringList{"Настройки мойки", "Время до мойки [hh:mm]",
                                                "Реле, по которому отсчитывается время мойки"};
    }
    void jezyki()
    {
        QFETCH(int, jezyk);
        QFETCH(QString, modul);
        QFETCH(QStringList, teksty);
        QTemporaryDir katalog;
        WydrukDoPdf wydruk(katalog.path());
        auto o = okno(wZakresie());
        QTranslator tlumacz;
        QVERIFY(tlumacz.load(QStringLiteral(KVOR_BIN "/kvor-setup") + modul));
        QCoreApplication::installTranslator(&tlumacz);
        QCoreApplication::processEvents();
        o->ustawJezyk(jezyk);
        QCOMPARE(o->windowTitle(), teksty[0]);
        QCOMPARE(o->L_czas->text(), teksty[1]);
        QCOMPARE(o->przekazniki->title(), teksty[2]);
        QVERIFY(!o->but_ok->isEnabled());
        o->but_drukuj->click();
        QCoreApplication::removeTranslator(&tlumacz);
        QCoreApplication::processEvents();
        QCOMPARE(wydruk.wywolania, QStringList{"drukuj"});
        const QString tekst = tekstPdf(wydruk.pliki.at(0)).simplified();
        QVERIFY(!tekst.isEmpty());
        for (const QString &t : {teksty[0], teksty[1] + ": 1:30", teksty[2]})
            QVERIFY2(tekst.contains(t), qPrintable(t + " in:\n" + tekst));
        QCOMPARE(o->windowTitle(), QString("Ustawienia mycia"));
    }
};

QTEST_MAIN(TestMycie)
#include "test_mycie.moc"
