// The additions window offscreen against the simulator: what it has of its
// own (the shared behaviour of one-record windows is tested in
// test_rekordy_wspolne): its look and texts, the count showing the group
// boxes, typed values stored in tenths, minima before maxima on the wire,
// a read that is a change only where it changes a box, clearing, printing,
// TCP/IP.
#include "okno_rekordu.h"
#include "sym_edytora.h"
#include "test_qt.h"

#include "dodatki.h"
#include "edycja_liczb.h"
#include "raport.h"
#include "tekst_pdf.h"
#include "wydruk_pdf.h"

#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>

#include <cstring>

using R = RodzajKomunikatu;

namespace {

// Count 3; addition i has the minimum -i.5 and the maximum 10i + 0.1 (in
// tenths -10i - 5 and 100i + 1), the gap byte set.
tdanedodatki stare()
{
    tdanedodatki d{};
    d.iledodatki = 3;
    d.rez_wyr = 0x5A;
    for (int i = 0; i < 8; ++i) {
        d.dodatki_min[i] = int16_t(-10 * (i + 1) - 5);
        d.dodatki_max[i] = int16_t(100 * (i + 1) + 1);
    }
    return d;
}

QByteArray bajty(const tdanedodatki &d) { return QByteArray(reinterpret_cast<const char *>(&d), sizeof d); }

} // namespace

class TestDodatki : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;

    // A window as edytujDodatki opens it, shown without a modal run.
    std::unique_ptr<Tfdodatki> okno(const tdanedodatki &d = stare()) { return oknoRekordu<Tfdodatki>(d); }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        s->przykladowyProjekt(9, [](TProjektVXTNew &p) {
            p.dodatki.iledodatki = 6;
            for (int i = 0; i < 8; ++i) {
                p.dodatki.dodatki_min[i] = int16_t(-20 * i);
                p.dodatki.dodatki_max[i] = int16_t(150 * i + 3);
            }
        });
    }
    void poTescie() override { s.reset(); }

private slots:
    void initTestCase() { QApplication::setApplicationName("Setup kVOR 350"); }

    void wyglad()
    {
        tdanedodatki d = stare();
        gdyOknoModalne<Tfdodatki>([&](Tfdodatki *o) {
            QCOMPARE(o->windowTitle(), QString("Dodatki"));
            QCOMPARE(o->L_ile->text(), QString("Ilość aktywnych dodatków"));
            QCOMPARE(o->se_ile->minimum(), 0);
            QCOMPARE(o->se_ile->maximum(), 8);
            QCOMPARE(o->se_ile->value(), 3);
            for (int i = 0; i < 8; ++i) {
                QCOMPARE(o->gpArray[size_t(i)]->title(), QStringLiteral("Dodatek %1").arg(i + 1));
                QCOMPARE(o->gpArray[size_t(i)]->objectName(), QStringLiteral("GroupBox%1").arg(i + 1));
                QCOMPARE(o->flMinArray[size_t(i)]->objectName(), QStringLiteral("fe%1_min").arg(i + 1));
                QCOMPARE(o->flMaxArray[size_t(i)]->objectName(), QStringLiteral("fe%1_max").arg(i + 1));
                QCOMPARE(o->flMinArray[size_t(i)]->MinValue(), -50.0);
                QCOMPARE(o->flMaxArray[size_t(i)]->MaxValue(), 200.0);
                QVERIFY(o->flMaxArray[size_t(i)]->IncludeBounds());
            }
            QCOMPARE(o->findChild<QLabel *>("L_max1")->text(), QString("Wartość max"));
            QCOMPARE(o->findChild<QLabel *>("L_min8")->text(), QString("Wartość min"));
            QCOMPARE(o->flMinArray[0]->text(), QString("-1,5"));
            QCOMPARE(o->flMaxArray[7]->text(), QString("80,1"));
            QCOMPARE(o->flMaxArray[2]->accessibleName(), QString("Dodatek 3: Wartość max"));
            QCOMPARE(o->but_odczyt->toolTip(), QString("Odczyt danych ze sterownika"));
            QCOMPARE(o->but_wyslij->toolTip(), QString("Wysłanie danych do sterownika"));
            QCOMPARE(o->but_drukuj->toolTip(), QString("Drukuj"));
            QCOMPARE(o->sb_cls->toolTip(), QString("Czyść"));
            QVERIFY(!o->but_otworz && !o->but_zapisz && !o->but_popraw);
            QCOMPARE(o->but_anuluj->text(), QString("Anuluj"));
            QVERIFY(!o->but_ok->isEnabled());
            o->but_anuluj->click();
        });
        QVERIFY(!edytujDodatki(d, 1045));
    }

    // Count 3 shows group boxes 1..3; the hidden additions keep their
    // values and are still written on OK. A count change enables OK.
    void ileWidocznych()
    {
        tdanedodatki d = stare();
        gdyOknoModalne<Tfdodatki>([&](Tfdodatki *o) {
            for (int i = 0; i < 8; ++i)
                QCOMPARE(o->gpArray[size_t(i)]->isVisible(), i < 3);
            o->se_ile->setValue(5);
            for (int i = 0; i < 8; ++i)
                QCOMPARE(o->gpArray[size_t(i)]->isVisible(), i < 5);
            QVERIFY(o->but_ok->isEnabled());
            o->se_ile->setValue(2);
            o->flMaxArray[0]->setText("7");
            o->but_ok->click();
        });
        QVERIFY(edytujDodatki(d, 1045));
        tdanedodatki oczekiwane = stare();
        oczekiwane.iledodatki = 2;
        oczekiwane.dodatki_max[0] = 70;
        QCOMPARE(bajty(d), bajty(oczekiwane));
    }

    // Typed values are stored in tenths, rounded halves to even, within
    // -50.0 .. 200.0.
    void wpisywanie_data()
    {
        QTest::addColumn<bool>("maks");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("zapisane");
        QTest::newRow("12,34") << true << "12,34" << 123;
        QTest::newRow("12,35 half up to even") << true << "12,35" << 124;
        QTest::newRow("12,25 half down to even") << true << "12,25" << 122;
        QTest::newRow("0,05 half to zero") << false << "0,05" << 0;
        QTest::newRow("-12,3") << false << "-12,3" << -123;
        QTest::newRow("-50,06 below the range") << false << "-50,06" << -500;
        QTest::newRow("250 above the range") << true << "250" << 2000;
        QTest::newRow("200 the bound") << true << "200" << 2000;
    }
    void wpisywanie()
    {
        QFETCH(bool, maks);
        QFETCH(QString, tekst);
        tdanedodatki d = stare();
        gdyOknoModalne<Tfdodatki>([&](Tfdodatki *o) {
            TFloatEdit *e = (maks ? o->flMaxArray : o->flMinArray)[5];
            e->clear();
            QTest::keyClicks(e, tekst);
            QVERIFY(o->but_ok->isEnabled());
            o->but_ok->click();
        });
        QVERIFY(edytujDodatki(d, 1045));
        QTEST(int(maks ? d.dodatki_max[5] : d.dodatki_min[5]), "zapisane");
    }

    // The send takes the boxes first and puts the minima before the maxima
    // on the wire, in a session of its own.
    void wyslanieMinPrzedMax()
    {
        tdanedodatki d{};
        d.iledodatki = 8;
        for (int i = 0; i < 8; ++i) {
            d.dodatki_min[i] = int16_t(i + 1);
            d.dodatki_max[i] = int16_t(i + 11);
        }
        auto o = okno(d);
        o->flMinArray[7]->setText("0,9");
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QByteArray dane;
        for (const QByteArray &r : s->pty.ramki())
            if (r.at(1) == 'I' && uint8_t(r.at(2)) == 0x0E)
                dane = r.mid(5, r.size() - 7);
        QCOMPARE(dane.size(), 37);
        QCOMPARE(dane.mid(4).toHex(' '), QByteArray("08 01 00 02 00 03 00 04 00 05 00 06 00 07 00 09 00 "
                                                    "0b 00 0c 00 0d 00 0e 00 0f 00 10 00 11 00 12 00"));
        QCOMPARE(s->bloki.projekt()->dodatki.dodatki_min[7], int16_t(9));
        QCOMPARE(s->sterownik.stan().ileSesji, 1);
        QCOMPARE(pasekPostepu().L_info->text(), QString("Wysyłanie ustawień do sterownika"));
        QVERIFY(s->bloki.naruszenia().isEmpty());
    }

    // A read refreshes every box; it enables OK only through the boxes
    // whose text it changes, so a read of what is shown leaves OK off.
    void odczyt()
    {
        auto o = okno();
        o->but_odczyt->click();
        const tdanedodatki na = s->bloki.projekt()->dodatki;
        QCOMPARE(bajty(o->dodatki), bajty(na));
        QCOMPARE(o->se_ile->value(), 6);
        QCOMPARE(o->flMinArray[7]->text(), QString("-14"));
        QCOMPARE(o->flMaxArray[7]->text(), QString("105,3"));
        for (int i = 0; i < 8; ++i)
            QCOMPARE(o->gpArray[size_t(i)]->isVisible(), i < 6);
        QVERIFY(o->but_ok->isEnabled());
        QCOMPARE(pasekPostepu().Gauge1->maximum(), 1);

        auto takieSame = okno(na);
        takieSame->but_odczyt->click();
        QVERIFY(!takieSame->but_ok->isEnabled());
        QCOMPARE(bajty(takieSame->dodatki), bajty(na));
    }

    // Clear asks first; Yes puts the count and all sixteen boxes to 0; the
    // record takes them at OK.
    void czyszczenie()
    {
        tdanedodatki d = stare();
        gdyOknoModalne<Tfdodatki>([&](Tfdodatki *o) {
            s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 0);
            o->sb_cls->click();
            QCOMPARE(o->se_ile->value(), 3);
            QVERIFY(!o->but_ok->isEnabled());
            s->komunikaty.oczekuj(R::Pytanie, "Potwierdzasz wyzerowanie danych dla bieżącego okna?", 1);
            o->sb_cls->click();
            QCOMPARE(o->se_ile->value(), 0);
            QVERIFY(!o->gpArray[0]->isVisible());
            QCOMPARE(o->flMaxArray[7]->text(), QString("0"));
            QCOMPARE(bajty(o->dodatki), bajty(stare()));
            QVERIFY(o->but_ok->isEnabled());
            o->but_ok->click();
        });
        QVERIFY(edytujDodatki(d, 1045));
        tdanedodatki zera{};
        zera.rez_wyr = 0x5A;
        QCOMPARE(bajty(d), bajty(zera));
    }

    // The print: the count, and a row D1..Dn per active addition with its
    // values as stored (each box rounded to one decimal first).
    void drukowanie_data()
    {
        QTest::addColumn<int>("jezyk");
        QTest::addColumn<int>("ile");
        QTest::addColumn<QString>("wywolanie");
        QTest::addColumn<QStringList>("jest");
        QTest::addColumn<QStringList>("niema");
        QTest::newRow("Polish, three")
            << 1045 << 3 << "podglad"
            << QStringList{"Dodatki",
                           "Ilość aktywnych dodatków 3",
                           "Setup kVOR 350 1.05.2116",
                           "Nr",
                           "Min",
                           "Max",
                           "D1",
                           "12,3",
                           "-3,5",
                           "30,1",
                           "D3",
                           QString("Wydrukowano: ") + QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)}
            << QStringList{"D4", "40,1"};
        QTest::newRow("English, none") << 2057 << 0 << "drukuj"
                                       << QStringList{"Additions", "Number of active additions 0", "No.", "Min", "Max"}
                                       << QStringList{"D1", "12,3"};
    }
    void drukowanie()
    {
        QFETCH(int, jezyk);
        QFETCH(int, ile);
        QFETCH(QString, wywolanie);
        QFETCH(QStringList, jest);
        QFETCH(QStringList, niema);
        QTemporaryDir katalog;
        WydrukDoPdf wydruk(katalog.path());
        QTranslator angielski;
        if (jezyk == 2057) {
            QVERIFY(angielski.load(QStringLiteral(KVOR_BIN "/kvor-setupENG")));
            QCoreApplication::installTranslator(&angielski);
        }
        auto o = okno();
        o->ustawJezyk(jezyk);
        o->se_ile->setValue(ile);
        o->flMaxArray[0]->setText("12,34");
        o->but_drukuj->click();
        QCoreApplication::removeTranslator(&angielski);
        QCOMPARE(wydruk.ileDialogow, 1);
        QCOMPARE(wydruk.wywolania, QStringList{wywolanie});
        const QString tekst = tekstPdf(wydruk.pliki.at(0));
        for (const QString &t : jest)
            QVERIFY2(tekst.simplified().contains(t), qPrintable(t + " in:\n" + tekst));
        for (const QString &t : niema)
            QVERIFY2(!tekst.contains(t), qPrintable(t + " in:\n" + tekst));
        QCOMPARE(o->flMaxArray[0]->text(), ile > 0 ? QString("12,3") : QString("12,34"));
    }

    // Cancelling the print dialog prints nothing and leaves the boxes.
    void drukowanieAnulowane()
    {
        QTemporaryDir katalog;
        WydrukDoPdf wydruk(katalog.path());
        wydruk.odpowiedzDialogu = false;
        auto o = okno();
        o->flMaxArray[0]->setText("12,34");
        o->but_drukuj->click();
        QCOMPARE(wydruk.ileDialogow, 1);
        QVERIFY(wydruk.wywolania.isEmpty());
        QCOMPARE(o->flMaxArray[0]->text(), QString("12,34"));
    }

    // Over TCP/IP both ways, and nothing on the serial line.
    void przezLan()
    {
        QVERIFY(s->przezLan());
        auto o = okno();
        o->but_odczyt->click();
        QCOMPARE(o->se_ile->value(), 6);
        QCOMPARE(int(o->dodatki.dodatki_max[2]), 303);
        o->flMaxArray[2]->setText("-7,5");
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->bloki.projekt()->dodatki.dodatki_max[2]), -75);
        QVERIFY(!s->sterownik.stan().sesjaOtwarta);
        QVERIFY(s->pty.ramki().empty());
    }

    // The texts follow a language switch, without counting as a change.
    void jezyk()
    {
        auto o = okno();
        QTranslator angielski;
        QVERIFY(angielski.load(QStringLiteral(KVOR_BIN "/kvor-setupENG")));
        QCoreApplication::installTranslator(&angielski);
        QCoreApplication::processEvents();
        QCOMPARE(o->windowTitle(), QString("Additions"));
        QCOMPARE(o->L_ile->text(), QString("Number of active additions"));
        QCOMPARE(o->gpArray[1]->title(), QString("Addition 2"));
        QCOMPARE(o->findChild<QLabel *>("L_max2")->text(), QString("Max value"));
        QCOMPARE(o->findChild<QLabel *>("L_min2")->text(), QString("Min value"));
        QVERIFY(!o->but_ok->isEnabled());
        QCoreApplication::removeTranslator(&angielski);
        QCoreApplication::processEvents();
        QCOMPARE(o->gpArray[1]->title(), QString("Dodatek 2"));
    }
};

QTEST_MAIN(TestDodatki)
#include "test_dodatki.moc"
