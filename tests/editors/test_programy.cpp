// The program list offscreen against the simulator: what the programs
// have of their own (the shared behaviour of list sections is tested in
// test_sekcje_wspolne): the lock checks before the first program and
// every 20th with their messages, the list rebuilt after any read-all, the
// session's attempts over TCP/IP and its failed close, the ".plw" file
// read record by record, the names, the row editor and the two-column
// print.
#include "sym_edytora.h"
#include "test_qt.h"

#include "dane_sterownika.h"
#include "program.h"
#include "programy.h"
#include "projekt_biezacy.h"
#include "raport.h"
#include "tekst_pdf.h"
#include "wybierz_pozycje.h"
#include "wydruk_pdf.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstring>

using R = RodzajKomunikatu;

namespace {

struct Programy {
    TProgramyArray100 p;
};

QByteArray bajty(const TProgramyArray100 &p) { return QByteArray(reinterpret_cast<const char *>(&p), sizeof p); }
QByteArray bajty(const TProgram &p) { return QByteArray(reinterpret_cast<const char *>(&p), sizeof p); }

// Programs 1..k (counted from 1) of `a` and the rest of `b`.
QByteArray zlozone(const TProgramyArray100 &a, const TProgramyArray100 &b, int k)
{
    return bajty(a).left(k * qsizetype(sizeof(TProgram))) + bajty(b).mid(k * qsizetype(sizeof(TProgram)));
}

} // namespace

class TestProgramy : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;
    std::unique_ptr<TProjektVXTNew> naSterowniku, stary;
    // The lock checks of the list: the status each answers (0 past the
    // end), and the program requests the controller had received by then.
    std::vector<int> stanyBlokady;
    std::vector<int> ramkiPrzyBlokadzie;

    // Requests of one command over whichever transport carried them.
    int ramki(char f, uint8_t sub) const
    {
        int n = s->ramki(f, sub);
        for (const QByteArray &r : s->tcp.ramki())
            n += r.size() > 6 && r.at(5) == f && uint8_t(r.at(6)) == sub;
        return n;
    }

    // A list as edytujProgramy opens it, over the PC's programs, shown
    // without a modal run.
    std::unique_ptr<Tflistaprojektow> okno()
    {
        auto o = std::make_unique<Tflistaprojektow>();
        o->ustawJezyk(1045);
        kopiujRekord(o->programy, stary->programy);
        o->memProjlistaTworz();
        o->wynik = false;
        o->but_ok->setEnabled(false);
        o->show();
        return o;
    }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        naSterowniku = std::make_unique<TProjektVXTNew>();
        stary = std::make_unique<TProjektVXTNew>();
        TProjektDodatkiMycie m{};
        BlokiSym::przykladowy(*naSterowniku, m, 21);
        s->bloki.ustaw(*naSterowniku, m);
        BlokiSym::przykladowy(*stary, m, 22);
        stanyBlokady.clear();
        ramkiPrzyBlokadzie.clear();
        ustawSprawdzenieBlokady([this] {
            const size_t n = ramkiPrzyBlokadzie.size();
            ramkiPrzyBlokadzie.push_back(ramki('H', 0x0F) + ramki('I', 0x0F));
            return n < stanyBlokady.size() ? stanyBlokady[n] : 0;
        });
        ustawZrodloProjektu([this] { return TProjektAplikacji{stary.get(), nullptr}; });
    }
    void poTescie() override { s.reset(); }

private slots:
    void initTestCase() { QApplication::setApplicationName("Setup kVOR 350"); }

    void lista()
    {
        auto o = okno();
        QCOMPARE(o->windowTitle(), QString("Lista programów"));
        QCOMPARE(o->memproj->ileWierszy(), 100);
        QCOMPARE(o->memproj->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Nr"));
        QCOMPARE(o->memproj->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Nazwa"));
        QCOMPARE(komorka(*o, 0, 0), QString("P01"));
        QCOMPARE(komorka(*o, 9, 0), QString("P10"));
        QCOMPARE(komorka(*o, 99, 0), QString("P100"));
        QCOMPARE(komorka(*o, 6, 1), nazwaProgramu(stary->programy[6]));
        QCOMPARE(o->DBGrid1->columnWidth(0), 50);
        QCOMPARE(o->DBGrid1->columnWidth(1), 380);
        for (QToolButton *b :
             {o->but_odczyt, o->but_wyslij, o->but_otworz, o->but_zapisz, o->but_popraw, o->but_drukuj})
            QVERIFY(b && !b->toolTip().isEmpty());
        QVERIFY(!o->sb_cls);
    }

    // A name is shown up to its first zero unit, a full one whole.
    void nazwy_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<int>("zero"); // index of a zero unit; -1 none
        QTest::addColumn<QString>("pokazana");
        const QString pelna = QString(50, QChar(u'Ż'));
        QTest::newRow("50 characters") << pelna << -1 << pelna;
        QTest::newRow("zero at position 10") << QString("abcdefghijklmnop") << 9 << QString("abcdefghi");
        QTest::newRow("zero at the start") << QString("abc") << 0 << QString();
        QTest::newRow("leading blank kept") << QString(" x") << -1 << QString(" x");
    }
    void nazwy()
    {
        QFETCH(QString, nazwa);
        QFETCH(int, zero);
        auto o = okno();
        TNazwa50char n;
        tekstNaNazwe50(nazwa, n);
        if (zero >= 0)
            n.z[zero] = 0;
        o->programy[4].nazwa = n;
        o->memProjlistaTworz();
        QTEST(komorka(*o, 4, 1), "pokazana");
    }

    // A complete read: the lock is checked in the connection record's
    // refresh, before the first program and before programs 20, 40, 60,
    // 80 and 100; every program in its five parts under its wire number.
    void odczytCaly_data()
    {
        QTest::addColumn<bool>("lan");
        QTest::newRow("RS-485") << false;
        QTest::newRow("TCP/IP") << true;
    }
    void odczytCaly()
    {
        QFETCH(bool, lan);
        if (lan)
            QVERIFY(s->przezLan());
        auto o = okno();
        o->but_odczyt->click();
        QVERIFY(s->komunikaty.pokazane.empty());
        QCOMPARE(s->sprawdzeniaBlokady + int(ramkiPrzyBlokadzie.size()), 7);
        QCOMPARE(ramkiPrzyBlokadzie, (std::vector<int>{0, 95, 195, 295, 395, 495}));
        QCOMPARE(ramki('H', 0x0F), 500);
        if (!lan) {
            const auto r = s->pty.ramki();
            for (int i = 0; i < 500; ++i) {
                QCOMPARE(uint8_t(r[size_t(i)].at(5)), uint8_t(i / 5));
                QCOMPARE(uint8_t(r[size_t(i)].at(6)), uint8_t(i % 5));
            }
        }
        QCOMPARE(bajty(o->programy), bajty(naSterowniku->programy));
        QCOMPARE(komorka(*o, 99, 1), nazwaProgramu(naSterowniku->programy[99]));
        QCOMPARE(pasekPostepu().Gauge1->maximum(), 100);
        QCOMPARE(pasekPostepu().Gauge1->value(), 100);
        QVERIFY(!pasekPostepu().isVisible());
        QVERIFY(o->but_ok->isEnabled());
        QVERIFY(o->wynik);
    }

    // A lock check that fails (anything but 0 and 1, negative values
    // included) stops the transfer with its message: the read-all gives
    // the status in brackets and keeps what it read, rebuilt and counted
    // as a change; the send-all says "Brak komunikacji" and leaves the
    // session as it stands.
    void blokadaNieudana_data()
    {
        QTest::addColumn<bool>("odczyt");
        QTest::addColumn<std::vector<int>>("stany");
        QTest::addColumn<int>("programow"); // read or sent before the stop
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("read: busy at the start") << true << std::vector<int>{2} << 0 << "Brak komunikacji(2)";
        QTest::newRow("read: no reply at the start") << true << std::vector<int>{-1} << 0 << "Brak komunikacji(-1)";
        QTest::newRow("read: wrong password before P40")
            << true << std::vector<int>{0, 1, 66} << 39 << "Brak komunikacji(66)";
        QTest::newRow("read: locked and unlocked throughout") << true << std::vector<int>(6, 1) << 100 << QString();
        QTest::newRow("send: busy at the start") << false << std::vector<int>{2} << 0 << "Brak komunikacji";
        QTest::newRow("send: no reply before P60")
            << false << std::vector<int>{0, 0, 0, -1} << 59 << "Brak komunikacji";
    }
    void blokadaNieudana()
    {
        QFETCH(bool, odczyt);
        QFETCH(std::vector<int>, stany);
        QFETCH(int, programow);
        QFETCH(QString, komunikat);
        stanyBlokady = stany;
        auto o = okno();
        if (!komunikat.isEmpty())
            s->komunikaty.oczekuj(R::Blad, komunikat);
        else if (!odczyt)
            s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        (odczyt ? o->but_odczyt : o->but_wyslij)->click();
        QVERIFY(s->komunikaty.pusty());
        if (!komunikat.isEmpty()) {
            QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
            QCOMPARE(s->komunikaty.pokazane[0].tekst, komunikat);
        }
        QVERIFY(!pasekPostepu().isVisible());
        const StanSterownika st = s->sterownik.stan();
        if (odczyt) {
            QCOMPARE(ramki('H', 0x0F), 5 * programow);
            QCOMPARE(bajty(o->programy), zlozone(naSterowniku->programy, stary->programy, programow));
            QVERIFY(o->but_ok->isEnabled());
            QCOMPARE(komorka(*o, 0, 1), nazwaProgramu(o->programy[0]));
            return;
        }
        QCOMPARE(ramki('I', 0x0F), 5 * programow);
        QCOMPARE(st.ileSesji, programow > 0 ? 1 : 0);
        QCOMPARE(st.sesjaOtwarta, programow > 0);
        QCOMPARE(ramki('I', 0x82), 0);
    }

    // "Anuluj" after program 7: P01..P07 are the controller's, the rest as
    // they were; the list is rebuilt and counts as a change.
    void odczytAnulowany()
    {
        auto o = okno();
        s->zegar.naPrzetworz = [&] {
            if (ramki('H', 0x0F) == 35)
                pasekPostepu().koniec = true;
        };
        o->but_odczyt->click();
        s->zegar.naPrzetworz = nullptr;
        QVERIFY(s->komunikaty.pokazane.empty());
        QCOMPARE(ramki('H', 0x0F), 35);
        QCOMPARE(bajty(o->programy), zlozone(naSterowniku->programy, stary->programy, 7));
        QCOMPARE(komorka(*o, 6, 1), nazwaProgramu(naSterowniku->programy[6]));
        QCOMPARE(komorka(*o, 7, 1), nazwaProgramu(stary->programy[7]));
        QVERIFY(!pasekPostepu().isVisible());
        QVERIFY(o->but_ok->isEnabled());
    }

    // Over TCP/IP the session is opened with 3 attempts: two broken
    // replies still let it open; 100 programs go inside it, it is closed,
    // and one box tells so.
    void wyslanieLan()
    {
        QVERIFY(s->przezLan());
        auto o = okno();
        s->tcp.zerwijPrzyOdpowiedzi(2);
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        QCOMPARE(ramki('I', 0x81), 3);
        QCOMPARE(ramki('I', 0x0F), 500);
        QCOMPARE(ramki('I', 0x82), 1);
        // The broken replies came after the controller had opened it.
        const StanSterownika st = s->sterownik.stan();
        QCOMPARE(st.ileSesji, 3);
        QVERIFY(!st.sesjaOtwarta);
        QCOMPARE(st.zapisyPozaSesja, 0);
        const auto p = s->bloki.projekt();
        for (int i = 0; i < 100; ++i) {
            QCOMPARE(nazwaProgramu(p->programy[i]), nazwaProgramu(stary->programy[i]).left(15));
            QCOMPARE(p->programy[i].nr_prog, i);
        }
        QCOMPARE(std::memcmp(p->programy[42].cykle, stary->programy[42].cykle, 50 * sizeof(TCyklProgramu)), 0);
    }

    // A close that fails after the last program is reported.
    void zamkniecieNieudane()
    {
        auto o = okno();
        s->zepsujOd('I', 0x82, 0);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        QCOMPARE(ramki('I', 0x0F), 500);
        QVERIFY(!pasekPostepu().isVisible());
    }

    // The ".plw" file: 100 programs of 16,916 bytes, saved byte for byte
    // and read back record by record.
    void zapis()
    {
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        auto o = okno();
        const QString plik = katalog.filePath("programy.plw");
        wybor.odpowiedzi = {plik};
        o->but_zapisz->click();
        QCOMPARE(wybor.filtry, QStringList{"VXT|*.plw"});
        QFile f(plik);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.size(), qint64(1691600));
        QCOMPARE(f.readAll(), bajty(stary->programy));

        auto inna = okno();
        kopiujRekord(inna->programy, naSterowniku->programy);
        wybor.odpowiedzi = {plik};
        inna->but_otworz->click();
        QCOMPARE(bajty(inna->programy), bajty(stary->programy));
        QVERIFY(inna->but_ok->isEnabled());
        QVERIFY(s->komunikaty.pokazane.empty());
    }

    // A file of k whole programs replaces P01..Pk; a part of a program at
    // its end and programs beyond P100 are not read; a file without one
    // whole program, or one that cannot be opened, changes nothing.
    void odczytPliku_data()
    {
        QTest::addColumn<qint64>("rozmiar");
        QTest::addColumn<int>("programow"); // replaced; -1: the file is refused
        QTest::addColumn<QString>("blad");
        const qint64 p = sizeof(TProgram);
        QTest::newRow("40 programs") << 40 * p << 40 << QString();
        QTest::newRow("40 programs and a part") << 40 * p + 100 << 40 << QString();
        QTest::newRow("100 programs") << 100 * p << 100 << QString();
        QTest::newRow("101 programs") << 101 * p << 100 << QString();
        QTest::newRow("a part of one") << p - 1 << -1 << "Bład przetwarzania pliku";
        QTest::newRow("empty") << qint64(0) << -1 << "Bład przetwarzania pliku";
        QTest::newRow("no file") << qint64(-1) << -1 << "Bład otwarcia pliku";
    }
    void odczytPliku()
    {
        QFETCH(qint64, rozmiar);
        QFETCH(int, programow);
        QFETCH(QString, blad);
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        const QString plik = katalog.filePath("p.plw");
        if (rozmiar >= 0) {
            QByteArray b = bajty(naSterowniku->programy);
            b += b.left(sizeof(TProgram));
            QFile f(plik);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(b.left(rozmiar));
        }
        auto o = okno();
        wybor.odpowiedzi = {plik};
        if (!blad.isEmpty())
            s->komunikaty.oczekuj(R::Blad, blad);
        o->but_otworz->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(bajty(o->programy), zlozone(naSterowniku->programy, stary->programy, std::max(programow, 0)));
        QCOMPARE(o->but_ok->isEnabled(), programow > 0);
        QCOMPARE(komorka(*o, 0, 1), nazwaProgramu(o->programy[0]));
    }

    // Enter edits the current row's program as P03 (wire number 2); a
    // confirmed edit goes into the row, which stays current. The editor
    // copies from the list's programs as they stand, unconfirmed changes
    // included, and keeps its own number.
    void edycjaWiersza()
    {
        auto o = okno();
        tekstNaNazwe50(QStringLiteral("zmieniony P05"), o->programy[4].nazwa);
        o->przejdzDo(3);
        gdyOknoModalne<TFProgramMycia>([&](TFProgramMycia *e) {
            QCOMPARE(e->LabelNr->text(), QString("P03"));
            QCOMPARE(e->Fix, 2);
            QCOMPARE(e->ed_nazwaProgramu->text(), nazwaProgramu(stary->programy[2]));
            s->komunikaty.oczekuj(R::Pytanie, "Czy chcesz skopiować ustawnienia programu?", 1);
            gdyOknoModalne<TFormWybierzPozycjeDlg>([](TFormWybierzPozycjeDlg *d) {
                QCOMPARE(d->ComboBox1->count(), 100);
                QCOMPARE(d->ComboBox1->itemText(4), QString("5 - zmieniony P05"));
                d->ComboBox1->setCurrentIndex(4);
                d->but_ok->click();
            });
            e->but_kopiuj->click();
            e->but_ok->click();
        });
        QTest::keyClick(o->DBGrid1, Qt::Key_Return);
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(komorka(*o, 2, 1), QString("zmieniony P05"));
        QCOMPARE(o->programy[2].nr_prog, 2);
        QCOMPARE(std::memcmp(o->programy[2].cykle, stary->programy[4].cykle, sizeof o->programy[2].cykle), 0);
        QCOMPARE(o->nrBiezacy(), 3);
        QVERIFY(o->but_ok->isEnabled());

        // Cancelled: the row stays as it was.
        const QByteArray przed = bajty(o->programy[5]);
        o->przejdzDo(6);
        gdyOknoModalne<TFProgramMycia>([&](TFProgramMycia *e) {
            e->ed_nazwaProgramu->setText("porzucony");
            s->komunikaty.oczekuj(R::Pytanie, "Uwaga: Zmiany nie zostały zapisane. Kontynuować?", 1);
            e->but_anuluj->click();
        });
        o->but_popraw->click();
        QCOMPARE(bajty(o->programy[5]), przed);
    }

    // The print: the list's title, heads and rows, two page columns.
    void drukowanie()
    {
        QTemporaryDir katalog;
        WydrukDoPdf wydruk(katalog.path());
        auto o = okno();
        for (int i = 0; i < 100; ++i)
            tekstNaNazwe50(QStringLiteral("program %1").arg(i + 1), o->programy[i].nazwa);
        o->memProjlistaTworz();
        o->przejdzDo(12);
        o->but_drukuj->click();
        QCOMPARE(wydruk.wywolania, QStringList{"podglad"});
        QCOMPARE(o->nrBiezacy(), 12);
        const QString tekst = tekstPdf(wydruk.pliki.at(0));
        QVERIFY(!tekst.isEmpty());
        for (const QString &t : {QString("Lista programów"), QString("Setup kVOR 350"), QString("Nr"), QString("Nazwa"),
                                 QString("P01"), QString("P100"), QString("program 100"), QString("Wydrukowano: ")})
            QVERIFY2(tekst.contains(t), qPrintable(t + " in:\n" + tekst));
        // Side by side: a line holds two programs.
        const QRegularExpression dwa(QStringLiteral("^\\s*P01\\s+program 1\\s+P(\\d+)\\s+program \\1\\s*$"),
                                     QRegularExpression::MultilineOption);
        QVERIFY2(dwa.match(tekst).hasMatch(), qPrintable(tekst));
    }
};

QTEST_MAIN(TestProgramy)
#include "test_programy.moc"
