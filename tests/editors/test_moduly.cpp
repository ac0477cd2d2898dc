// The extra-modules window offscreen against the simulator: M1 forced on at
// every display, the panel's masks handed back at OK, read and send over
// both transports with their progress counts, failures, "Czyść", ".k3mod"
// files and their errors, the close question, "Drukuj" that stays
// disabled.
#include "sym_edytora.h"
#include "test_qt.h"

#include "moduly.h"
#include "panel_modulow.h"

#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstring>

using R = RodzajKomunikatu;

namespace {

const QString pytanieZmiany = QStringLiteral("Uwaga: Zmiany nie zostały zapisane. Kontynuować?");

// The four masks as the panel shows them: ain, aout, din, dout.
QList<int> panel(const TFormModuly &o)
{
    return {o.moduly->getValueAin(), o.moduly->getValueAout(), o.moduly->getValueDin(), o.moduly->getValueDout()};
}
QList<int> rekord(const TModulyWejWyKonfig &m) { return {m.ain, m.aout, m.din, m.dout}; }

} // namespace

class TestModuly : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;

    // A window as edytujModuly opens it, shown without a modal run.
    std::unique_ptr<TFormModuly> okno(TModulyWejWyKonfig m = {3, 0, 5, 8})
    {
        auto o = std::make_unique<TFormModuly>();
        o->ustawJezyk(1045);
        o->modulyKonfig = m;
        o->WypiszDane();
        o->wynik = false;
        o->but_ok->setEnabled(false);
        o->show();
        return o;
    }
    void naSterowniku(TModulyWejWyKonfig m)
    {
        s->sterownik.zmien([&](StanSterownika &st) { st.moduly = m; });
    }
    TModulyWejWyKonfig zeSterownika() const { return s->sterownik.stan().moduly; }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        naSterowniku({1, 3, 6, 15});
    }
    void poTescie() override { s.reset(); }

private slots:
    // A record without M1 opens with M1 ON in all four rows and OK
    // disabled; OK after a change hands back masks with bit 0 set.
    void modulBazowy_data()
    {
        QTest::addColumn<QList<int>>("wejscie");
        QTest::addColumn<QList<int>>("zwrot");
        QTest::newRow("no module") << QList<int>{0, 0, 0, 0} << QList<int>{1, 1, 3, 1};
        QTest::newRow("M2..M4 without M1") << QList<int>{14, 2, 8, 4} << QList<int>{15, 3, 11, 5};
        QTest::newRow("unused bits above M4 dropped") << QList<int>{0xF0, 1, 0, 1} << QList<int>{1, 1, 3, 1};
    }
    void modulBazowy()
    {
        QFETCH(QList<int>, wejscie);
        QFETCH(QList<int>, zwrot);
        TModulyWejWyKonfig m{uint8_t(wejscie[0]), uint8_t(wejscie[1]), uint8_t(wejscie[2]), uint8_t(wejscie[3])};
        TUstawieniaSterownika u;
        u.adresRS = 33;
        gdyOknoModalne<TFormModuly>([&](TFormModuly *o) {
            QCOMPARE(o->windowTitle(), QString("Moduły dodatkowe"));
            QCOMPARE(o->daneSterownika.adresRS, 33);
            QVERIFY(!o->but_ok->isEnabled());
            for (QToolButton *b : {o->moduly->FButtonsAin[0], o->moduly->FButtonsAout[0], o->moduly->FButtonsDin[0],
                                   o->moduly->FButtonsDout[0]})
                QVERIFY(!b->isChecked());
            QTest::mouseClick(o->moduly->FButtonsDin[1], Qt::LeftButton);
            QVERIFY(o->but_ok->isEnabled());
            o->but_ok->click();
        });
        QVERIFY(edytujModuly(m, u, 1045));
        QCOMPARE(rekord(m), zwrot);
    }

    // Closing unchanged asks nothing and hands nothing back, not even M1.
    void bezZmian()
    {
        TModulyWejWyKonfig m{0, 0, 0, 0};
        gdyOknoModalne<TFormModuly>([&](TFormModuly *o) { o->but_anuluj->click(); });
        QVERIFY(!edytujModuly(m, TUstawieniaSterownika{}, 1045));
        QCOMPARE(rekord(m), (QList<int>{0, 0, 0, 0}));
    }

    // A read over both transports: the controller's masks with M1 forced
    // in (din 6 shows M1, M2 and M3 and holds 7), OK enabled, progress 5
    // of 5; the module read waits twice 1000 ms on the RS-485 port.
    void odczyt_data() { SymulatorEdytora::wierszeTransportow(); }
    void odczyt()
    {
        QFETCH(bool, lan);
        QVERIFY(s->transport(lan));
        auto o = okno();
        o->but_odczyt->click();
        QCOMPARE(rekord(o->modulyKonfig), (QList<int>{1, 3, 7, 15}));
        QCOMPARE(panel(*o), (QList<int>{1, 3, 7, 15}));
        QVERIFY(o->but_ok->isEnabled());
        QCOMPARE(pasekPostepu().Gauge1->maximum(), 5);
        QCOMPARE(pasekPostepu().Gauge1->value(), 5);
        QVERIFY(!pasekPostepu().isVisible());
        QCOMPARE(s->sprawdzeniaBlokady, 1);
        if (!lan)
            QCOMPARE(s->lacze->czasOdczytu(), 2000);
    }

    // A failed read: one "Brak komunikacji", record and panel unchanged.
    void odczytNieudany()
    {
        auto o = okno();
        s->zepsujOd('F', 0x10, 0);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        o->but_odczyt->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        QCOMPARE(rekord(o->modulyKonfig), (QList<int>{3, 1, 5, 9}));
        QCOMPARE(panel(*o), (QList<int>{3, 1, 5, 9}));
        QVERIFY(!o->but_ok->isEnabled());
        QVERIFY(!pasekPostepu().isVisible());
    }

    // A send over both transports: the panel's masks in a write session of
    // their own, "Ustawienia wysłane do sterownika ", progress 1 of 1 with
    // the sending text; OK untouched.
    void wyslanie_data() { SymulatorEdytora::wierszeTransportow(); }
    void wyslanie()
    {
        QFETCH(bool, lan);
        QVERIFY(s->transport(lan));
        auto o = okno();
        QTest::mouseClick(o->moduly->FButtonsAout[3], Qt::LeftButton);
        o->but_ok->setEnabled(false);
        s->sledzPostep();
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(rekord(zeSterownika()), (QList<int>{3, 9, 5, 9}));
        QCOMPARE(rekord(o->modulyKonfig), (QList<int>{3, 9, 5, 9}));
        QCOMPARE(s->postep.tekst, QString("Wysyłanie ustawień do sterownika"));
        QCOMPARE(pasekPostepu().Gauge1->maximum(), 1);
        QCOMPARE(pasekPostepu().Gauge1->value(), 1);
        QVERIFY(!pasekPostepu().isVisible());
        const StanSterownika st = s->sterownik.stan();
        QCOMPARE(st.ileSesji, 1);
        QVERIFY(!st.sesjaOtwarta);
        QVERIFY(!o->but_ok->isEnabled());
        if (!lan)
            QCOMPARE(s->lacze->czasOdczytu(), 2000);
    }

    // A failed send shows "Brak komunikacji" once and nothing else.
    void wyslanieNieudane()
    {
        auto o = okno();
        s->zepsujOd('I', 0x81, 0);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        QCOMPARE(rekord(zeSterownika()), (QList<int>{1, 3, 6, 15}));
        QVERIFY(!pasekPostepu().isVisible());
    }

    // "Czyść" asks; Yes leaves exactly M1 in every row and enables OK.
    void czyszczenie()
    {
        auto o = okno();
        const QString pytanie = "Potwierdzasz wyzerowanie danych dla bieżącego okna?";
        s->komunikaty.oczekuj(R::Pytanie, pytanie, 0);
        o->sb_cls->click();
        QCOMPARE(panel(*o), (QList<int>{3, 1, 5, 9}));
        QVERIFY(!o->but_ok->isEnabled());
        s->komunikaty.oczekuj(R::Pytanie, pytanie, 1);
        o->sb_cls->click();
        QCOMPARE(panel(*o), (QList<int>{1, 1, 1, 1}));
        QCOMPARE(rekord(o->modulyKonfig), (QList<int>{1, 1, 1, 1}));
        QVERIFY(o->but_ok->isEnabled());
    }

    // ".k3mod": the panel's masks saved as 4 bytes; a file of 4 bytes or
    // longer gives its first 4 (M1 forced in), a shorter one is refused
    // with the one file error, a missing one too.
    void pliki_data()
    {
        QTest::addColumn<int>("roznica"); // -5: no file
        QTest::addColumn<QString>("blad");
        QTest::newRow("empty") << -4 << "Bład otwarcia pliku";
        QTest::newRow("3 bytes") << -1 << "Bład otwarcia pliku";
        QTest::newRow("4 bytes") << 0 << "";
        QTest::newRow("5 bytes") << 1 << "";
        QTest::newRow("missing") << -5 << "Bład otwarcia pliku";
    }
    void pliki()
    {
        QFETCH(int, roznica);
        QFETCH(QString, blad);
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        auto o = okno();
        QTest::mouseClick(o->moduly->FButtonsAin[2], Qt::LeftButton);
        const QString zapisany = katalog.filePath("a.k3mod");
        wybor.odpowiedzi = {zapisany};
        o->but_zapisz->click();
        QCOMPARE(wybor.filtry, QStringList{"Kvor350|*.k3mod"});
        QFile f(zapisany);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray::fromHex("07010509"));
        f.close();

        o->but_ok->setEnabled(false);
        const QString plik = katalog.filePath("b.k3mod");
        if (roznica > -5) {
            QFile b(plik);
            QVERIFY(b.open(QIODevice::WriteOnly));
            b.write(QByteArray::fromHex("0e020a04ff").left(4 + roznica));
        }
        wybor.odpowiedzi = {plik};
        if (!blad.isEmpty())
            s->komunikaty.oczekuj(R::Blad, blad);
        o->but_otworz->click();
        QVERIFY(s->komunikaty.pusty());
        const QList<int> oczekiwane = blad.isEmpty() ? QList<int>{15, 3, 11, 5} : QList<int>{7, 1, 5, 9};
        QCOMPARE(rekord(o->modulyKonfig), oczekiwane);
        QCOMPARE(panel(*o), oczekiwane);
        QCOMPARE(o->but_ok->isEnabled(), blad.isEmpty());
    }

    // After a read every way out asks; No keeps the window.
    void zamkniecie()
    {
        TModulyWejWyKonfig m{0, 0, 0, 0};
        gdyOknoModalne<TFormModuly>([&](TFormModuly *o) {
            o->but_odczyt->click();
            s->komunikaty.oczekuj(R::Pytanie, pytanieZmiany, 0);
            o->close();
            QVERIFY(o->isVisible());
            s->komunikaty.oczekuj(R::Pytanie, pytanieZmiany, 1);
            o->but_anuluj->click();
        });
        QVERIFY(!edytujModuly(m, TUstawieniaSterownika{}, 1045));
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(rekord(m), (QList<int>{0, 0, 0, 0}));
    }

    // "Drukuj" is there, named, and stays disabled after the commands
    // that enable the other tool buttons again.
    void drukowanieWylaczone()
    {
        auto o = okno();
        QVERIFY(o->but_drukuj);
        QCOMPARE(o->but_drukuj->toolTip(), QString("Drukuj"));
        QVERIFY(!o->but_drukuj->isEnabled());
        o->but_odczyt->click();
        QVERIFY(o->but_odczyt->isEnabled());
        QVERIFY(!o->but_drukuj->isEnabled());
    }
};

QTEST_MAIN(TestModuly)
#include "test_moduly.moc"
