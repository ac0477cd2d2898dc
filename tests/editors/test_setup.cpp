// The SETUP window and the editor of one parameter, offscreen against the
// simulator: every parameter's editor and range, the values typed and
// stored (a minutes:seconds value the box cannot show kept), the rows that
// cannot be edited (in every language), F15 bounded by F14, F47's
// question, read, send and compare over both transports, the defaults,
// ".k3set" files, the close question, the filter and the printed list.
#include "sym_edytora.h"
#include "test_qt.h"

#include "edycja_czasu.h"
#include "edycja_liczb.h"
#include "filtr_siatki.h"
#include "kodek.h"
#include "porownaj.h"
#include "raport.h"
#include "setup.h"
#include "setup_domyslny.h"
#include "setup_parametr.h"
#include "setup_teksty.h"
#include "setup_transfer.h"
#include "tekst_pdf.h"
#include "wersja.h"
#include "wydruk_pdf.h"
#include "wyjscia_okna.h"
#include "wymiana.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>

#include <algorithm>
#include <cstring>

using R = RodzajKomunikatu;

namespace {

const QString pytanieZmiany = QStringLiteral("Uwaga: Zmiany nie zostały zapisane. Kontynuować?");

QByteArray surowe(const TFunkcjeKvor3 &s) { return QByteArray(reinterpret_cast<const char *>(&s), sizeof s); }

// The window's own table: the defaults with a few changes, F0 included.
TFunkcjeKvor3 stary()
{
    TFunkcjeKvor3 s = domyslnySetup();
    s.F[0] = 77;
    s.F[7] = 120;
    s.F[9] = 1500;
    s.F[60] = 5;
    return s;
}

// A table unlike the window's that passes the send's guards (address 1,
// 115200 baud, factory code on).
TFunkcjeKvor3 inny()
{
    TFunkcjeKvor3 s{};
    for (int n = 0; n <= 100; ++n)
        s.F[n] = 1000 + 3 * n;
    s.F[1] = 1;
    s.F[2] = 4;
    s.F[47] = 0;
    return s;
}

QString komorka(const TFsetupBKN &o, int nr, const char *pole) { return o.memproj->tekst(nr - 1, pole); }

// Closes any parameter editor that opens, and counts them: a row that
// must not be edited is guarded by this instead of a window that blocks.
class StrazEdytora : public QObject {
public:
    StrazEdytora()
    {
        t.setInterval(20);
        connect(&t, &QTimer::timeout, this, [this] {
            if (auto *e = qobject_cast<TFEdycjaParametru *>(QApplication::activeModalWidget())) {
                ++otwarte;
                e->reject();
            }
        });
        t.start();
    }
    QTimer t;
    int otwarte = 0;
};

} // namespace

class TestSetup : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;

    void naSterowniku(const TFunkcjeKvor3 &t)
    {
        s->sterownik.zmien([&](StanSterownika &st) {
            for (int n = 1; n <= 100; ++n)
                SterownikSym::ustawSetup(st, n, t.F[n]);
        });
    }
    int32_t zSterownika(int n) const { return SterownikSym::wartoscSetup(s->sterownik.stan(), n); }

    // A window as edytujSetup opens it, shown without a modal run.
    std::unique_ptr<TFsetupBKN> okno(const TFunkcjeKvor3 &t = stary(), int jezyk = 1045)
    {
        auto o = std::make_unique<TFsetupBKN>();
        o->ustawJezyk(jezyk);
        kopiujRekord(o->setup, t);
        o->memProjlistaTworz();
        o->wynik = false;
        o->but_ok->setEnabled(false);
        o->show();
        return o;
    }

    // Parameter n of the table edited in the window's row n, with `akcja`
    // on its editor.
    void edytujWiersz(TFsetupBKN &o, int n, const std::function<void(TFEdycjaParametru *)> &akcja)
    {
        o.przejdzDo(n);
        QCOMPARE(o.nrBiezacy(), n);
        gdyOknoModalne<TFEdycjaParametru>(akcja);
        QTest::keyClick(o.DBGrid1, Qt::Key_Return);
    }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        naSterowniku(inny());
    }
    void poTescie() override { s.reset(); }

private slots:
    // Every parameter F0..F100 opens exactly its one editor with the range
    // the numeric editors show, the drop-down items of its values and the
    // number of characters it takes.
    void edytoryParametrow_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("edytor");
        QTest::addColumn<QString>("zakres");
        QTest::addColumn<int>("pozycji");
        QTest::addColumn<int>("znakow");
        const auto calkowita = [](int od, int dok, const QString &zakres, int znakow = 4) {
            for (int n = od; n <= dok; ++n)
                QTest::addRow("F%d", n) << n << "IntEdit1" << zakres << 0 << znakow;
        };
        const auto lista = [](int od, int dok, int pozycji) {
            for (int n = od; n <= dok; ++n)
                QTest::addRow("F%d", n) << n << "ComboBox1"
                                        << "" << pozycji << 4;
        };
        const QString tysiac = "Zakres: -999 - 999";
        calkowita(0, 0, tysiac);
        calkowita(1, 1, "Zakres: 1 - 255");
        lista(2, 2, 5);
        QTest::addRow("F3") << 3 << "min99"
                            << "" << 0 << 4;
        lista(4, 5, 2);
        lista(6, 6, 3);
        calkowita(7, 7, "Zakres: 1 - 3600");
        QTest::addRow("F8") << 8 << "min99"
                            << "" << 0 << 4;
        for (int n = 9; n <= 12; ++n)
            QTest::addRow("F%d", n) << n << "FloatEdit1"
                                    << "Zakres: -99,90 - 999,90" << 0 << 4;
        calkowita(13, 13, "Zakres: 1 - 999");
        lista(14, 14, 2);
        calkowita(15, 15, "Zakres: 1 - 8");
        lista(16, 20, 2);
        calkowita(21, 21, "Zakres: 0 - 100");
        calkowita(22, 23, "Zakres: 0 - 32");
        calkowita(24, 25, "Zakres: 1 - 999");
        calkowita(26, 26, "Zakres: 0 - 5999");
        lista(27, 27, 2);
        calkowita(28, 29, "Zakres: 0 - 9999");
        lista(30, 30, 6);
        lista(31, 32, 2);
        calkowita(33, 33, "Zakres: 0 - 1");
        calkowita(34, 36, "Zakres: 0 - 99999999", 8);
        lista(37, 39, 2);
        calkowita(40, 40, "Zakres: 0 - 99999999", 8);
        lista(41, 49, 2);
        calkowita(50, 100, tysiac);
    }
    void edytoryParametrow()
    {
        QFETCH(int, n);
        QFETCH(QString, edytor);
        QFETCH(QString, zakres);
        QFETCH(int, pozycji);
        QFETCH(int, znakow);
        TFEdycjaParametru e;
        e.ustawJezyk(1045);
        e.nr_funkcji = n;
        e.rekord = 1;
        e.przygotujEdytor();
        e.show();
        QStringList widoczne;
        for (QWidget *w : QList<QWidget *>{e.IntEdit1, e.FloatEdit1, e.ComboBox1, e.min99})
            if (w->isVisible())
                widoczne << w->objectName();
        QCOMPARE(widoczne, QStringList{edytor});
        QCOMPARE(e.L_zakres->text(), zakres);
        QCOMPARE(e.ComboBox1->count(), pozycji);
        for (int i = 0; i < pozycji; ++i)
            QCOMPARE(e.ComboBox1->itemText(i), tekstWartosciSetup(n, i));
        QCOMPARE(e.IntEdit1->maxLength(), znakow);
        QCOMPARE(e.Label1->text(), nazwaWierszaSetup(n));
        QCOMPARE(e.windowTitle(), QString("Edycja parametru"));
        QCOMPARE(e.but_ok->text(), QString("Zapisz"));
    }

    // A value shown in its editor, changed there and stored by "Zapisz":
    // tenths rounded (halves to even) and clamped, whole numbers clamped,
    // minutes:seconds as seconds, the list's index; a stored value without
    // an item opens with none chosen and stays as it was.
    void wartosci_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("stara");
        QTest::addColumn<QString>("pokazana");
        QTest::addColumn<QString>("wpisana"); // a list: the item index; empty: nothing changed
        QTest::addColumn<int>("zapisana");
        QTest::newRow("F9 typed 123,4") << 9 << 2000 << "200"
                                        << "123,4" << 1234;
        QTest::newRow("F9 above the range") << 9 << 2000 << "200"
                                            << "1000" << 9999;
        QTest::newRow("F9 half to even") << 9 << 2000 << "200"
                                         << "12,25" << 122;
        QTest::newRow("F9 negative") << 9 << -5 << "-0,5"
                                     << "-99,9" << -999;
        QTest::newRow("F1 above the range") << 1 << 1 << "1"
                                            << "300" << 255;
        QTest::newRow("F0 above the range") << 0 << 0 << "0"
                                            << "5000" << 999;
        QTest::newRow("F34 eight digits") << 34 << 9274 << "9274"
                                          << "12345678" << 12345678;
        QTest::newRow("F3 minutes:seconds") << 3 << 125 << "02:05"
                                            << "03:10" << 190;
        QTest::newRow("F2 an item") << 2 << 4 << "115200 [b/s]"
                                    << "1" << 1;
        QTest::newRow("F2 without an item") << 2 << 7 << ""
                                            << "" << 7;
        QTest::newRow("F47 unchanged") << 47 << 0 << "on"
                                       << "" << 0;
    }
    void wartosci()
    {
        QFETCH(int, n);
        QFETCH(int, stara);
        QFETCH(QString, pokazana);
        QFETCH(QString, wpisana);
        QFETCH(int, zapisana);
        int32_t v = stara;
        gdyOknoModalne<TFEdycjaParametru>([&](TFEdycjaParametru *e) {
            QVERIFY(e->but_ok->isEnabled());
            if (e->ComboBox1->isVisible()) {
                QCOMPARE(e->ComboBox1->currentText(), pokazana);
                if (!wpisana.isEmpty())
                    e->ComboBox1->setCurrentIndex(wpisana.toInt());
            } else {
                QLineEdit *pole = e->IntEdit1->isVisible()     ? static_cast<QLineEdit *>(e->IntEdit1)
                                  : e->FloatEdit1->isVisible() ? static_cast<QLineEdit *>(e->FloatEdit1)
                                                               : static_cast<QLineEdit *>(e->min99);
                QCOMPARE(pole->text(), pokazana);
                if (!wpisana.isEmpty())
                    pole->setText(wpisana);
            }
            e->but_ok->click();
        });
        QVERIFY(edytujParametr(n, false, 0, 0, v, 1045));
        QCOMPARE(int(v), zapisana);
    }

    // F3 as a file or a controller holds it (signed seconds): what its
    // minutes:seconds box shows (6000 and more as 99:59, a negative value
    // as 00:00), and what "Zapisz" hands back without an edit, alone and
    // from the SETUP window's row. Typed into with keys, even with the
    // text it showed, the box's value is stored.
    void czasNiepokazany_data()
    {
        QTest::addColumn<int>("sekundy");
        QTest::addColumn<QString>("akcja");
        for (const int sekundy : {0, 59, 5999, 6000, 32767, 32768, 65535, -1})
            for (const char *akcja : {"Zapisz", "wiersz", "klawisze", "te same klawisze"})
                QTest::addRow("%d s, %s", sekundy, akcja) << sekundy << QString::fromUtf8(akcja);
    }
    void czasNiepokazany()
    {
        QFETCH(int, sekundy);
        QFETCH(QString, akcja);
        const QString pokazane = sekundy <= 0 ? "00:00" : sekundy == 59 ? "00:59" : "99:59";
        const bool klawisze = akcja == "klawisze" || akcja == "te same klawisze";
        const bool teSame = akcja == "te same klawisze";
        const auto edycja = [&](TFEdycjaParametru *e) {
            QCOMPARE(e->min99->text(), pokazane);
            if (klawisze) {
                // Keys into the box with the focus: "12:34", or the digits it showed.
                QVERIFY(QTest::qWaitForWindowActive(e));
                QTRY_COMPARE(QApplication::focusWidget(), e->min99);
                e->min99->setCursorPosition(0);
                QTest::keyClicks(QApplication::focusWidget(), teSame ? QString(pokazane).remove(':') : QString("1234"));
                QCOMPARE(e->min99->text(), teSame ? pokazane : QString("12:34"));
            }
            e->but_ok->click();
        };
        const int zapisane = !klawisze ? sekundy : teSame ? std::clamp(sekundy, 0, 5999) : 754;
        if (akcja == "wiersz") {
            TFunkcjeKvor3 t = stary();
            t.F[3] = sekundy;
            auto o = okno(t);
            edytujWiersz(*o, 3, edycja);
            QCOMPARE(int(o->setup.F[3]), zapisane);
            QVERIFY(o->but_ok->isEnabled());
            return;
        }
        int32_t v = sekundy;
        gdyOknoModalne<TFEdycjaParametru>(edycja);
        QVERIFY(edytujParametr(3, false, 0, 0, v, 1045));
        QCOMPARE(int(v), zapisane);
    }

    // Typing stops at the parameter's number of characters.
    void znakiHasla()
    {
        int32_t v = 0;
        gdyOknoModalne<TFEdycjaParametru>([&](TFEdycjaParametru *e) {
            e->IntEdit1->clear();
            QTest::keyClicks(e->IntEdit1, "123456789");
            QCOMPARE(e->IntEdit1->text(), QString("12345678"));
            e->but_ok->click();
        });
        QVERIFY(edytujParametr(36, false, 0, 0, v, 1045));
        QCOMPARE(int(v), 12345678);
    }

    // "Anuluj" and Esc leave the value and answer false, with no question.
    void anulowanie_data()
    {
        QTest::addColumn<bool>("esc");
        QTest::newRow("Anuluj") << false;
        QTest::newRow("Esc") << true;
    }
    void anulowanie()
    {
        QFETCH(bool, esc);
        int32_t v = 60;
        gdyOknoModalne<TFEdycjaParametru>([&](TFEdycjaParametru *e) {
            e->IntEdit1->setText("99");
            if (esc)
                QTest::keyClick(e->IntEdit1, Qt::Key_Escape);
            else
                e->but_anuluj->click();
        });
        QVERIFY(!edytujParametr(7, false, 0, 0, v, 1045));
        QCOMPARE(int(v), 60);
    }

    // The list: F01..F100 with their names and value texts; inactive and
    // unnamed rows show no value.
    void lista()
    {
        auto o = okno();
        QCOMPARE(o->memproj->rowCount(), 100);
        QCOMPARE(o->windowTitle(), QString("Setup"));
        const QStringList tytuly{"Nr", "Nazwa funkcji", "Wartość"};
        for (int k = 0; k < 3; ++k)
            QCOMPARE(o->memproj->headerData(k, Qt::Horizontal, Qt::DisplayRole).toString(), tytuly[k]);
        const struct {
            int nr;
            const char *f, *nazwa, *wartosc;
        } wiersze[] = {
            {1, "F01", "Adres RS-485", "1"},
            {2, "F02", "Prędkość transmisji", "115200 [b/s]"},
            {3, "F03", "Czas warunku końca [mm:ss]", "00:05"},
            {7, "F07", "Częstotliwość rejestracji [s]", "120"},
            {8, "F08", "nieaktywne", ""},
            {9, "F09", "Maksymalna temp. zadana komory (TK)", "150,0"},
            {34, "F34", "Hasło użytkownika", "***"},
            {41, "F41", "nieaktywne", ""},
            {49, "F49", "Użytkownik - dostęp do diagnostyki", "off"},
            {50, "F50", "", ""},
            {60, "F60", "", ""},
            {100, "F100", "", ""},
        };
        for (const auto &w : wiersze) {
            QCOMPARE(komorka(*o, w.nr, "F"), QString(w.f));
            QCOMPARE(komorka(*o, w.nr, "nazwa"), QString(w.nazwa));
            QCOMPARE(komorka(*o, w.nr, "wartosc"), QString(w.wartosc));
        }
        const QModelIndex f08 = o->DBGrid1->model()->index(7, 1);
        QCOMPARE(f08.data(Qt::ForegroundRole).value<QColor>(), QColor(128, 128, 128));
        QVERIFY(!o->DBGrid1->model()->index(8, 1).data(Qt::ForegroundRole).isValid());
    }

    // The inactive F08, F33, F41 and the unnamed F50..F100 are refused with
    // a warning and no editor, in each language.
    void nieedytowalne_data()
    {
        QTest::addColumn<QString>("modul");
        QTest::addColumn<int>("nr");
        QTest::addColumn<QString>("ostrzezenie");
        QTest::addColumn<QString>("nieaktywne");
        const struct {
            const char *nazwa, *modul, *ostrzezenie, *nieaktywne;
        } jezyki[] = {{"Polish", "", "Nie można edytować komórki!", "nieaktywne"},
                      {"English", "kvor-setupENG", "This cell cannot be edited!", "inactive"},
                      {"Russian", "kvor-setupRUS", "Эту ячейку нельзя редактировать!", "неактивно"}};
        for (const auto &j : jezyki)
            for (int nr : {8, 33, 41, 50, 100})
                QTest::addRow("%s F%d", j.nazwa, nr) << j.modul << nr << j.ostrzezenie << j.nieaktywne;
    }
    void nieedytowalne()
    {
        QFETCH(QString, modul);
        QFETCH(int, nr);
        QFETCH(QString, ostrzezenie);
        QFETCH(QString, nieaktywne);
        QTranslator t;
        if (!modul.isEmpty()) {
            QVERIFY(t.load(QStringLiteral(KVOR_BIN "/") + modul));
            QCoreApplication::installTranslator(&t);
        }
        auto o = okno();
        const QByteArray przed = surowe(o->setup);
        QCOMPARE(komorka(*o, nr, "nazwa"), nr < 50 ? nieaktywne : QString());
        QCOMPARE(komorka(*o, nr, "wartosc"), QString());
        StrazEdytora straz;
        o->przejdzDo(nr);
        s->komunikaty.oczekuj(R::Ostrzezenie, ostrzezenie);
        QTest::keyClick(o->DBGrid1, Qt::Key_Return);
        s->komunikaty.oczekuj(R::Ostrzezenie, ostrzezenie);
        o->but_popraw->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(straz.otwarte, 0);
        QCOMPARE(surowe(o->setup), przed);
        QVERIFY(!o->but_ok->isEnabled());
        QCoreApplication::removeTranslator(&t);
    }

    // F15 is bounded by F14: 1..32 for outputs (F14 = 1), 1..8 for inputs.
    void numerWejscia_data()
    {
        QTest::addColumn<int>("f14");
        QTest::addColumn<QString>("zakres");
        QTest::addColumn<int>("zapisana");
        QTest::newRow("outputs") << 1 << "Zakres: 1 - 32" << 32;
        QTest::newRow("inputs") << 0 << "Zakres: 1 - 8" << 8;
    }
    void numerWejscia()
    {
        QFETCH(int, f14);
        QFETCH(QString, zakres);
        QFETCH(int, zapisana);
        TFunkcjeKvor3 t = stary();
        t.F[14] = f14;
        auto o = okno(t);
        edytujWiersz(*o, 15, [&](TFEdycjaParametru *e) {
            QCOMPARE(e->L_zakres->text(), zakres);
            e->IntEdit1->setText("40");
            e->but_ok->click();
        });
        QCOMPARE(int(o->setup.F[15]), zapisana);
        QCOMPARE(komorka(*o, 15, "wartosc"), QString::number(zapisana));
        QVERIFY(o->but_ok->isEnabled());
        QCOMPARE(o->nrBiezacy(), 15);
    }

    // Switching the factory code off (F47 from 0 to 1) asks first; No keeps
    // 0. Other changes of F47 ask nothing.
    void kodFabryczny_data()
    {
        QTest::addColumn<int>("przed");
        QTest::addColumn<int>("wybrana");
        QTest::addColumn<int>("odpowiedz"); // -1: no question
        QTest::addColumn<int>("po");
        QTest::newRow("0 to 1, Yes") << 0 << 1 << 1 << 1;
        QTest::newRow("0 to 1, No") << 0 << 1 << 0 << 0;
        QTest::newRow("1 to 0") << 1 << 0 << -1 << 0;
        QTest::newRow("0 kept") << 0 << 0 << -1 << 0;
    }
    void kodFabryczny()
    {
        QFETCH(int, przed);
        QFETCH(int, wybrana);
        QFETCH(int, odpowiedz);
        QFETCH(int, po);
        TFunkcjeKvor3 t = stary();
        t.F[47] = przed;
        auto o = okno(t);
        if (odpowiedz >= 0)
            s->komunikaty.oczekuj(R::Pytanie, "Wyłączć kod fabryczny?", odpowiedz);
        edytujWiersz(*o, 47, [&](TFEdycjaParametru *e) {
            e->ComboBox1->setCurrentIndex(wybrana);
            e->but_ok->click();
        });
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(o->setup.F[47]), po);
        QCOMPARE(o->but_ok->isEnabled(), odpowiedz != 0);
    }

    // Read over both transports: F01..F100 from the controller, F0 kept,
    // the list rebuilt and OK enabled; the progress window shows 3 of 3 and
    // goes.
    void odczyt_data() { SymulatorEdytora::wierszeTransportow(); }
    void odczyt()
    {
        QFETCH(bool, lan);
        QVERIFY(s->transport(lan));
        auto o = okno();
        s->sledzPostep();
        o->but_odczyt->click();
        TFunkcjeKvor3 oczekiwana = inny();
        oczekiwana.F[0] = 77;
        QCOMPARE(surowe(o->setup), surowe(oczekiwana));
        QCOMPARE(komorka(*o, 7, "wartosc"), QString::number(inny().F[7]));
        QVERIFY(o->but_ok->isEnabled());
        QVERIFY(o->wynik);
        QCOMPARE(s->postep.tekst, QString("Odczyt ustawień"));
        QCOMPARE(pasekPostepu().Gauge1->maximum(), 3);
        QCOMPARE(pasekPostepu().Gauge1->value(), 3);
        QVERIFY(!pasekPostepu().isVisible());
        QCOMPARE(s->sprawdzeniaBlokady, 1);
        QCOMPARE(s->pty.ramki().empty(), lan);
    }

    // During a slow read the tool buttons, OK and "Anuluj" are disabled
    // and every way out is refused; afterwards all is back and OK shows
    // the change.
    void zajete()
    {
        auto o = okno();
        s->usterki.dodaj(PlanUsterek::kazde, {RodzajUsterki::Wolno, 40}, PlanUsterek::zawsze);
        QList<QAbstractButton *> przyciski{o->but_anuluj};
        for (QToolButton *b : o->findChildren<QToolButton *>())
            if (b->isEnabled())
                przyciski << b;
        int sprawdzen = 0;
        s->zegar.naPrzetworz = [&] {
            if (sprawdzen > 0 || !wymianaWToku())
                return;
            ++sprawdzen;
            QVERIFY(!o->but_ok->isEnabled());
            for (QAbstractButton *b : przyciski)
                QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
            QVERIFY(wyjsciaOdrzucone(o.get()));
        };
        o->but_odczyt->click();
        s->zegar.naPrzetworz = nullptr;
        QCOMPARE(sprawdzen, 1);
        for (QAbstractButton *b : przyciski)
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        QVERIFY(o->but_ok->isEnabled());
    }

    // A failed read: one "Brak komunikacji", the table and OK as they were.
    void odczytNieudany()
    {
        auto o = okno();
        s->zepsujOd('F', blokSetup.podkomenda, 0);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        o->but_odczyt->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        QCOMPARE(surowe(o->setup), surowe(stary()));
        QVERIFY(!o->but_ok->isEnabled());
        QVERIFY(!pasekPostepu().isVisible());
    }

    // Send over both transports at the current address and speed: written
    // outside any session, "Setup został zapisany", no probe, the
    // progress window at 0 of 3 with its text; OK is not touched.
    void wyslanie_data() { SymulatorEdytora::wierszeTransportow(); }
    void wyslanie()
    {
        QFETCH(bool, lan);
        QVERIFY(s->transport(lan));
        auto o = okno();
        s->sledzPostep();
        s->komunikaty.oczekuj(R::Informacja, "Setup został zapisany");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        for (int n = 1; n <= 100; ++n)
            QCOMPARE(zSterownika(n), stary().F[n]);
        QCOMPARE(s->postep.tekst, QString("Wysyłanie ustawień do sterownika"));
        QCOMPARE(s->postep.pozycja, 0);
        QCOMPARE(pasekPostepu().Gauge1->maximum(), 3);
        QVERIFY(!pasekPostepu().isVisible());
        QCOMPARE(s->ramki('F', 0x07), 0);
        QCOMPARE(s->sterownik.stan().ileSesji, 0);
        QVERIFY(!o->but_ok->isEnabled());
        QVERIFY(!o->wynik);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // A write that fails shows only "Brak komunikacji".
    void wyslanieNieudane()
    {
        auto o = okno();
        s->zepsujOd('G', blokSetup.podkomenda, 0);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
        QVERIFY(!pasekPostepu().isVisible());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // From the window: a new address over RS-485 where nobody answers is
    // written at the old address and handed to the shell; one the main
    // window cannot hold is not written at all; the factory code switched
    // off needs the controller's own service password.
    void wyslanieZeStrazami_data()
    {
        QTest::addColumn<int>("f1");
        QTest::addColumn<int>("f47");
        QTest::addColumn<QString>("haslo");
        QTest::addColumn<bool>("zapisane");
        QTest::addColumn<QList<int>>("nowe");
        QTest::addColumn<QString>("komunikat");
        const QString zapisany = "Setup został zapisany", zleHaslo = "Nieprawidłowe hasło serwisowe!";
        QTest::newRow("a new address") << 9 << 0 << "" << true << QList<int>{9, 12} << zapisany;
        QTest::newRow("address 250") << 250 << 0 << "" << false << QList<int>{}
                                     << "Nie wysłano ustawień: F01 (Adres RS-485) = 250.";
        QTest::newRow("factory code off, the controller's password")
            << 1 << 1 << "4321" << true << QList<int>{} << zapisany;
        QTest::newRow("factory code off, the table's password")
            << 1 << 1 << "8356" << false << QList<int>{} << zleHaslo;
    }
    void wyslanieZeStrazami()
    {
        QFETCH(int, f1);
        QFETCH(int, f47);
        QFETCH(QString, haslo);
        QFETCH(bool, zapisane);
        QFETCH(QList<int>, nowe);
        QFETCH(QString, komunikat);
        s->sterownik.zmien([](StanSterownika &st) { SterownikSym::ustawSetup(st, 36, 4321); });
        TFunkcjeKvor3 t = stary();
        t.F[1] = f1;
        t.F[47] = f47;
        auto o = okno(t);
        QList<int> podane;
        ustawNoweParametryLacza([&](int adres, int kod) { podane << adres << kod; });
        int pytania = 0;
        int jezykHasla = 0;
        ustawHasloSerwisowe([&](const QString &, const QString &, int jezykId, QString &h) {
            ++pytania;
            jezykHasla = jezykId;
            h = haslo;
            return true;
        });
        s->komunikaty.oczekuj(zapisane ? R::Informacja : R::Ostrzezenie, komunikat);
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(pytania, f47);
        QCOMPARE(jezykHasla, f47 ? 1045 : 0);
        QCOMPARE(podane, nowe);
        QCOMPARE(zSterownika(47), zapisane ? f47 : 0);
        QCOMPARE(zSterownika(1), zapisane ? f1 : 1);
        for (const QByteArray &r : s->pty.ramki())
            if (r.at(1) == 'G')
                QCOMPARE(int(uint8_t(r.at(0))), 1);
    }

    // Compare: one row per differing parameter with its identifier, name
    // and the two value texts (none for unnamed parameters); equal tables
    // only say so. OK keeps its state, the table is not changed.
    void porownanie_data()
    {
        QTest::addColumn<bool>("okWlaczone");
        QTest::newRow("OK disabled") << false;
        QTest::newRow("OK enabled") << true;
    }
    void porownanie()
    {
        QFETCH(bool, okWlaczone);
        TFunkcjeKvor3 t = inny();
        t.F[0] = 5;
        t.F[8] = 300;
        t.F[9] = 2000;
        t.F[34] = 1;
        t.F[60] = 6;
        auto o = okno(t);
        o->but_ok->setEnabled(okWlaczone);
        QList<QStringList> wiersze;
        QString tytul;
        gdyOknoModalne<TFormPorownaj>([&](TFormPorownaj *p) {
            tytul = p->windowTitle();
            for (int w = 0; w < p->memproj->rowCount(); ++w) {
                QStringList r;
                for (int k = 0; k < 4; ++k)
                    r << p->memproj->index(w, k).data().toString();
                wiersze << r;
            }
            p->but_zamknij->click();
        });
        o->sb_porownaj->click();
        QCOMPARE(tytul, QString("Wynik porównania ustawień: "));
        const QString f8 = tekstWartosciSetup(8, inny().F[8]);
        QCOMPARE(wiersze, (QList<QStringList>{
                              {"F08", "nieaktywne", "05:00", f8},
                              {"F09", "Maksymalna temp. zadana komory (TK)", "200,0", "102,7"},
                              {"F34", "Hasło użytkownika", "***", "***"},
                              {"F60", "", "", ""},
                          }));
        QCOMPARE(o->but_ok->isEnabled(), okWlaczone);
        QCOMPARE(surowe(o->setup), surowe(t));
        QVERIFY(!pasekPostepu().isVisible());

        s->komunikaty.oczekuj(R::Informacja, "Ustawienie SETUP sterownika zgodne z programem.");
        kopiujRekord(o->setup, inny());
        o->sb_porownaj->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(o->but_ok->isEnabled(), okWlaczone);
    }

    // "Czyść" asks; No keeps the table, Yes gives the built-in table, and
    // OK hands it back, passwords included.
    void domyslne()
    {
        TFunkcjeKvor3 t = inny();
        gdyOknoModalne<TFsetupBKN>([&](TFsetupBKN *o) {
            const QString pytanie = "Potwierdź ustawienie wartości domyślnych dla bieążącego okna?";
            s->komunikaty.oczekuj(R::Pytanie, pytanie, 0);
            o->sb_cls->click();
            QCOMPARE(surowe(o->setup), surowe(inny()));
            QVERIFY(!o->but_ok->isEnabled());
            s->komunikaty.oczekuj(R::Pytanie, pytanie, 1);
            o->sb_cls->click();
            QCOMPARE(komorka(*o, 36, "wartosc"), QString("***"));
            QCOMPARE(komorka(*o, 9, "wartosc"), QString("200,0"));
            o->but_ok->click();
        });
        QVERIFY(edytujSetup(t, 1045));
        QCOMPARE(surowe(t), surowe(domyslnySetup()));
        QCOMPARE(int(t.F[34]), 9274);
        QCOMPARE(int(t.F[35]), 9274);
        QCOMPARE(int(t.F[36]), 8356);
    }

    // After a read every way out asks; Yes drops it, No then OK hands the
    // controller's table back. Unchanged, nothing is asked.
    void zamkniecie_data()
    {
        QTest::addColumn<bool>("odczyt");
        QTest::addColumn<bool>("tak");
        QTest::newRow("unchanged") << false << false;
        QTest::newRow("read, Yes") << true << true;
        QTest::newRow("read, No, then OK") << true << false;
    }
    void zamkniecie()
    {
        QFETCH(bool, odczyt);
        QFETCH(bool, tak);
        TFunkcjeKvor3 t = stary();
        gdyOknoModalne<TFsetupBKN>([&](TFsetupBKN *o) {
            if (odczyt) {
                o->but_odczyt->click();
                s->komunikaty.oczekuj(R::Pytanie, pytanieZmiany, tak ? 1 : 0);
            }
            QTest::keyClick(o->DBGrid1, Qt::Key_Escape);
            if (odczyt && !tak)
                o->but_ok->click();
        });
        const bool zwrot = edytujSetup(t, 1045);
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(zwrot, odczyt && !tak);
        TFunkcjeKvor3 oczekiwana = stary();
        if (zwrot) {
            oczekiwana = inny();
            oczekiwana.F[0] = 77;
        }
        QCOMPARE(surowe(t), surowe(oczekiwana));
    }

    // ".k3set": 404 bytes saved byte for byte; a file of 404 bytes or
    // longer gives its first 404, a shorter one is refused and reported.
    void pliki_data()
    {
        QTest::addColumn<int>("roznica");
        QTest::newRow("403 bytes") << -1;
        QTest::newRow("404 bytes") << 0;
        QTest::newRow("405 bytes") << 1;
    }
    void pliki()
    {
        QFETCH(int, roznica);
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        auto o = okno();
        const QString zapisany = katalog.filePath("a.k3set");
        wybor.odpowiedzi = {zapisany};
        o->but_zapisz->click();
        QCOMPARE(wybor.filtry, QStringList{"Kvor350|*.k3set"});
        QFile f(zapisany);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.size(), 404);
        QCOMPARE(f.readAll(), surowe(stary()));
        f.close();

        const TFunkcjeKvor3 t = inny();
        const QString plik = katalog.filePath("b.k3set");
        QFile b(plik);
        QVERIFY(b.open(QIODevice::WriteOnly));
        b.write(roznica < 0 ? surowe(t).left(403) : surowe(t) + QByteArray(roznica, '\x11'));
        b.close();
        wybor.odpowiedzi = {plik};
        if (roznica < 0)
            s->komunikaty.oczekuj(R::Blad, "Bład przetwarzania pliku");
        o->but_otworz->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(surowe(o->setup), surowe(roznica < 0 ? stary() : t));
        QCOMPARE(o->but_ok->isEnabled(), roznica >= 0);
        QCOMPARE(komorka(*o, 7, "wartosc"), QString::number((roznica < 0 ? stary() : t).F[7]));
    }

    // A file that cannot be opened, and a save that cannot be written, are
    // reported; the table stays.
    void bledyPlikow()
    {
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        auto o = okno();
        wybor.odpowiedzi = {katalog.filePath("brak.k3set")};
        s->komunikaty.oczekuj(R::Blad, "Bład otwarcia pliku");
        o->but_otworz->click();
        const QString zly = katalog.filePath("brak/z.k3set");
        wybor.odpowiedzi = {zly};
        s->komunikaty.oczekuj(R::Blad, QDir::toNativeSeparators(zly) + ": ");
        o->but_zapisz->click();
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(!QFile::exists(zly));
        QCOMPARE(surowe(o->setup), surowe(stary()));
    }

    // The filter narrows the rows; Enter edits the row chosen there;
    // "Czyść filtr" shows every row again.
    void filtr()
    {
        auto o = okno();
        QCOMPARE(o->filtr->grid(), o->DBGrid1);
        o->filtr->edycje().at(1)->setText("hasło");
        QAbstractItemModel *m = o->DBGrid1->model();
        QCOMPARE(m->rowCount(), 3);
        QCOMPARE(m->index(0, 0).data().toString(), QString("F34"));
        o->DBGrid1->setCurrentIndex(m->index(2, 0));
        QCOMPARE(o->nrBiezacy(), 36);
        edytujWiersz(*o, 36, [&](TFEdycjaParametru *e) {
            QCOMPARE(e->Label1->text(), QString("Hasło serwis"));
            e->IntEdit1->setText("1111");
            e->but_ok->click();
        });
        QCOMPARE(int(o->setup.F[36]), 1111);
        QCOMPARE(m->rowCount(), 3);
        o->sb_czyscFiltr->click();
        QCOMPARE(o->filtr->edycje().at(1)->text(), QString());
        QCOMPARE(o->DBGrid1->model()->rowCount(), 100);
        QCOMPARE(o->sb_porownaj->toolTip(), QString("Porównaj"));
        QCOMPARE(o->sb_czyscFiltr->toolTip(), QString("Czyść filtr"));
        QCOMPARE(o->DBGrid1->columnWidth(1), 380);
    }

    // The printed list: F, name and value of every row in two columns per
    // page; Polish previews, another language prints.
    void drukowanie_data()
    {
        QTest::addColumn<int>("jezyk");
        QTest::addColumn<QString>("wywolanie");
        QTest::newRow("Polish: preview") << 1045 << "podglad";
        QTest::newRow("English: printer") << 2057 << "drukuj";
    }
    void drukowanie()
    {
        QFETCH(int, jezyk);
        QFETCH(QString, wywolanie);
        QTemporaryDir katalog;
        WydrukDoPdf wydruk(katalog.path());
        auto o = okno(stary(), jezyk);
        o->przejdzDo(12);
        o->but_drukuj->click();
        QCOMPARE(wydruk.wywolania, QStringList{wywolanie});
        QCOMPARE(o->nrBiezacy(), 12);
        QVERIFY(!o->but_ok->isEnabled());
        const QString tekst = tekstPdf(wydruk.pliki.at(0));
        QVERIFY(!tekst.isEmpty());
        for (const QString &t : {QString("Setup"), wersjaProgramuPelna(), QString("Nr"), QString("Nazwa"),
                                 QString("Adres RS-485"), QString("nieaktywne"), QString("115200 [b/s]"),
                                 QString("150,0"), QString("F100"), QString("Wydrukowano: ")})
            QVERIFY2(tekst.contains(t), qPrintable(t + " in:\n" + tekst));
        QVERIFY(!tekst.contains("Nazwa funkcji"));
        // Two page columns: some line holds two rows.
        QVERIFY2(tekst.contains(QRegularExpression("F0\\d .*F\\d\\d ")), qPrintable(tekst));
        QCOMPARE(tekst.count('\f'), 2);
    }
};

QTEST_MAIN(TestSetup)
#include "test_setup.moc"
