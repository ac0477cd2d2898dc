#include "komunikaty_skrypt.h"
#include "okno_modalne.h"
#include "raport.h"
#include "tekst_pdf.h"
#include "test_qt.h"
#include "wydruk_pdf.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDate dzien(2026, 3, 5);

// The setpoint list as its editor prints it.
void listaZadanych(TRaport &r, int wierszy)
{
    TZbiorRaportu &z = r.dodajZbior(QStringLiteral("frxDBDatasetZ"),
                                    {QStringLiteral("nr_str"), QStringLiteral("nazwa"), QStringLiteral("wartosc")});
    szablonListy(r, z.nazwa,
                 {{QStringLiteral("nr"), QStringLiteral("nr_str"), 15},
                  {QStringLiteral("nazwa"), QStringLiteral("nazwa"), 80},
                  {QStringLiteral("wartosc"), QStringLiteral("wartosc"), 30, Qt::AlignRight | Qt::AlignVCenter}});
    for (int i = 1; i <= wierszy; ++i)
        z.dodajWiersz(
            {QStringLiteral("Z%1").arg(i), QStringLiteral("Pozycja %1").arg(i), QStringLiteral("%1,5").arg(i * 10)});
    r.dataWydruku = dzien;
}

bool wypelnij(TRaport &r, const QString &tytul)
{
    return ustawTekstRaportu(r, QStringLiteral("MemoTytul"), tytul) &&
           ustawTekstRaportu(r, QStringLiteral("memowersja"), QStringLiteral("Setup kVOR 350 1.05.2116")) &&
           ustawTekstRaportu(r, QStringLiteral("h_nr"), QStringLiteral("Nr")) &&
           ustawTekstRaportu(r, QStringLiteral("h_nazwa"), QStringLiteral("Nazwa")) &&
           ustawTekstRaportu(r, QStringLiteral("h_wartosc"), QStringLiteral("Wartość")) &&
           ustawTekstRaportu(r, QStringLiteral("f_wydrukowano"), QStringLiteral("Wydrukowano: [Date]"));
}

QList<const TElementWydruku *> zTekstem(const TStronaWydruku &s, const QString &tekst)
{
    QList<const TElementWydruku *> w;
    for (const auto &e : s)
        if (e.tekst == tekst)
            w << &e;
    return w;
}

} // namespace

class TestRaport : public TestQt {
    Q_OBJECT
    QTemporaryDir katalog_;

    QString plik(const QString &nazwa) const { return katalog_.filePath(nazwa); }

private slots:
    void initTestCase()
    {
        QVERIFY(katalog_.isValid());
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void wypelnionyPoNazwieWPdf()
    {
        TRaport r;
        listaZadanych(r, 10);
        QVERIFY(wypelnij(r, QStringLiteral("Zadane")));
        zapiszRaportPdf(r, plik(QStringLiteral("zadane.pdf")));
        const QString t = tekstPdf(plik(QStringLiteral("zadane.pdf")));
        for (const QString &s :
             {QStringLiteral("Zadane"), QStringLiteral("Setup kVOR 350 1.05.2116"), QStringLiteral("Nr"),
              QStringLiteral("Nazwa"), QStringLiteral("Wartość"), QStringLiteral("Pozycja 1 "),
              QStringLiteral("Pozycja 10"), QStringLiteral("100,5"), QStringLiteral("Z7")})
            QVERIFY2(t.contains(s), qPrintable(s + QStringLiteral(" not in:\n") + t));
        const QString data = QStringLiteral("Wydrukowano: ") + QLocale().toString(dzien, QLocale::ShortFormat);
        QVERIFY2(t.contains(data), qPrintable(t));
        QVERIFY(!t.contains(QStringLiteral("[Date]")));
    }

    void bledneNazwy_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("brak") << "MemoBrak"
                              << "brak obiektu MemoBrak";
        QTest::newRow("pasmo") << "MasterData1"
                               << "MasterData1 nie jest obiektem tekstowym";
        QTest::newRow("linia") << "LiniaNaglowka"
                               << "LiniaNaglowka nie jest obiektem tekstowym";
    }
    void bledneNazwy()
    {
        QFETCH(QString, nazwa);
        QFETCH(QString, komunikat);
        TRaport r;
        listaZadanych(r, 1);
        KomunikatySkrypt k;
        k.oczekuj(RodzajKomunikatu::Blad, komunikat);
        QVERIFY(!ustawTekstRaportu(r, nazwa, QStringLiteral("x")));
    }

    void wieleStronZNaglowkami()
    {
        TRaport r;
        listaZadanych(r, 150);
        QVERIFY(wypelnij(r, QStringLiteral("Zadane")));
        const QList<TStronaWydruku> strony = r.przygotuj();
        QVERIFY(strony.size() >= 3);
        zapiszRaportPdf(r, plik(QStringLiteral("dlugi.pdf")));
        QStringList t = tekstPdf(plik(QStringLiteral("dlugi.pdf"))).split(QLatin1Char('\f'));
        if (t.last().trimmed().isEmpty())
            t.removeLast();
        QCOMPARE(t.size(), strony.size());
        for (const QString &s : t) {
            QVERIFY(s.contains(QStringLiteral("Zadane")));
            QVERIFY(s.contains(QStringLiteral("Wartość")));
            QVERIFY(s.contains(QStringLiteral("Wydrukowano")));
        }
        QVERIFY(t.last().contains(QStringLiteral("Pozycja 150")));
        // Every row once, none lost at a page break.
        int wierszy = 0;
        for (const auto &s : strony)
            for (const auto &e : s)
                wierszy += e.tekst.startsWith(QStringLiteral("Pozycja ")) ? 1 : 0;
        QCOMPARE(wierszy, 150);
        // Nothing is placed over the page footer.
        const qreal dol = r.strona.wymiary().height() - r.strona.marginesy.bottom() - 6;
        for (const auto &s : strony)
            for (const auto &e : s)
                if (e.tekst.startsWith(QStringLiteral("Pozycja ")))
                    QVERIFY(e.polozenie.bottom() <= dol + 1e-6);
    }

    void dwieKolumnyNaStronie()
    {
        TRaport r;
        r.strona.kolumny = 2;
        listaZadanych(r, 60);
        QVERIFY(wypelnij(r, QStringLiteral("Lista programów")));
        const QList<TStronaWydruku> strony = r.przygotuj();
        QCOMPARE(strony.size(), 1);
        const auto pierwszy = zTekstem(strony[0], QStringLiteral("Pozycja 1"));
        const auto ostatni = zTekstem(strony[0], QStringLiteral("Pozycja 60"));
        QCOMPARE(pierwszy.size(), 1);
        QCOMPARE(ostatni.size(), 1);
        QVERIFY(ostatni[0]->polozenie.x() >= 10 + 95);
        QCOMPARE(zTekstem(strony[0], QStringLiteral("Nazwa")).size(), 2); // a head above each column
    }

    // Inputs, their alarms and the relay table of each alarm.
    void pasmoStanowPrzekaznikow()
    {
        TRaport r;
        TZbiorRaportu &we = r.dodajZbior(QStringLiteral("memproj"), {QStringLiteral("nr"), QStringLiteral("Nazwa")});
        TZbiorRaportu &al = r.dodajZbior(QStringLiteral("memAlarmy"),
                                         {QStringLiteral("nr"), QStringLiteral("alarm"), QStringLiteral("alNazwa")});
        TZbiorRaportu &pk =
            r.dodajZbior(QStringLiteral("memPrzekazniki"), {QStringLiteral("nr"), QStringLiteral("alarm"),
                                                            QStringLiteral("przekaznik"), QStringLiteral("stan")});
        for (int n = 1; n <= 2; ++n) {
            we.dodajWiersz({QString::number(n), QStringLiteral("Wejście %1").arg(n)});
            for (int a = 1; a <= 2; ++a) {
                al.dodajWiersz({QString::number(n), QString::number(a), QStringLiteral("Alarm %1.%2").arg(n).arg(a)});
                for (int j = 1; j <= 32; ++j) {
                    pk.dodajWiersz({QString::number(n), QString::number(a), QString::number(j), QString::number(j)});
                    // input 2, alarm 1 switches relay 5 with DEF 3; the rest is off
                    const int stan = (n == 2 && a == 1 && j == 5) ? 3 : 0;
                    pk.dodajWiersz({QString::number(n), QString::number(a), QString::number(j), QString::number(stan)});
                }
            }
        }
        TPasmo &m = r.dodajPasmo(QStringLiteral("MasterData1"), TRodzajPasma::Dane, 6, we.nazwa);
        m.dodajTekst(QStringLiteral("m_nazwa"), QRectF(0, 0, 100, 6), QStringLiteral("[memproj.\"Nazwa\"]"));
        TPasmo &d = m.dodajPasmo(QStringLiteral("DetailData1"), TRodzajPasma::Dane, 5, al.nazwa,
                                 {{QStringLiteral("nr"), QStringLiteral("nr")}});
        d.dodajTekst(QStringLiteral("d_alarm"), QRectF(5, 0, 100, 5), QStringLiteral("[memAlarmy.alNazwa]"));
        qint64 ileTemp = 0;
        dodajPasmoPrzekaznikow(
            d, QStringLiteral("Przekazniki"), pk.nazwa,
            {{QStringLiteral("nr"), QStringLiteral("nr")}, {QStringLiteral("alarm"), QStringLiteral("alarm")}}, 190,
            &ileTemp);
        auto *komorka = dynamic_cast<TTekstRaportu *>(r.znajdzObiekt(QStringLiteral("przekazniki_stan")));
        QVERIFY(komorka);
        komorka->ukryjZera = true;

        const QList<TStronaWydruku> strony = r.przygotuj();
        QCOMPARE(ileTemp, 4 * 64);
        QCOMPARE(strony.size(), 1);
        const TStronaWydruku &s = strony[0];

        // The cells follow their alarm line, numbers grey and turned, states black.
        int alarm = -1;
        for (int i = 0; i < s.size(); ++i)
            if (s[i].tekst == QStringLiteral("Alarm 2.1"))
                alarm = i;
        QVERIFY(alarm >= 0);
        QVERIFY(alarm + 64 < s.size());
        for (int j = 0; j < 64; ++j) {
            const TElementWydruku &e = s[alarm + 1 + j];
            QCOMPARE(e.polozenie.x(), 10 + j * 190.0 / 64);
            if (j % 2 == 0) {
                QCOMPARE(e.tekst, QString::number(j / 2 + 1));
                QCOMPARE(e.czcionka.pointSize(), 6);
                QCOMPARE(e.kolor, QColor(128, 128, 128));
                QCOMPARE(e.obrot, 10.0);
            } else {
                QCOMPARE(e.tekst, j == 9 ? QStringLiteral("3") : QString());
                QCOMPARE(e.czcionka.pointSize(), 8);
                QCOMPARE(e.kolor, QColor(Qt::black));
                QCOMPARE(e.obrot, 0.0);
            }
        }
        // Only that alarm switches a relay.
        QCOMPARE(zTekstem(s, QStringLiteral("3")).size(), 4 + 1);

        zapiszRaportPdf(r, plik(QStringLiteral("przekazniki.pdf")));
        const QString t = tekstPdf(plik(QStringLiteral("przekazniki.pdf")));
        QVERIFY(t.contains(QStringLiteral("Wejście 2")));
        QVERIFY(t.contains(QStringLiteral("Alarm 1.2")));
        QVERIFY(t.contains(QStringLiteral("32")));
    }

    // A mode band shown only for its rows, the master greyed when empty.
    void pasmaZaleznieOdWiersza()
    {
        TRaport r;
        TZbiorRaportu &z =
            r.dodajZbior(QStringLiteral("memproj"), {QStringLiteral("nr"), QStringLiteral("TypPracyStr")});
        z.dodajWiersz({QStringLiteral("1"), QString()});
        z.dodajWiersz({QStringLiteral("2"), QStringLiteral("Regulator PID")});
        TPasmo &m = r.dodajPasmo(QStringLiteral("MasterData1"), TRodzajPasma::Dane, 6, z.nazwa);
        TTekstRaportu &nr = m.dodajTekst(QStringLiteral("m_nr"), QRectF(0, 0, 20, 6), QStringLiteral("AO[memproj.nr]"));
        TPasmo &pid = m.dodajPasmo(QStringLiteral("ChildPID"), TRodzajPasma::Podrzedne, 5);
        pid.dodajTekst(QStringLiteral("cp_k"), QRectF(0, 0, 20, 5), QStringLiteral("Xp"));
        m.przedWydrukiem = [&](TPasmo &) {
            const QString typ = r.wartoscPola(QStringLiteral("memproj"), QStringLiteral("TypPracyStr"));
            nr.kolor = typ.isEmpty() ? QColor(128, 128, 128) : QColor(Qt::black);
            pid.widoczny = typ.toUpper().contains(QStringLiteral("PID"));
        };
        const TStronaWydruku s = r.przygotuj().value(0);
        QCOMPARE(zTekstem(s, QStringLiteral("AO1")).value(0)->kolor, QColor(128, 128, 128));
        QCOMPARE(zTekstem(s, QStringLiteral("AO2")).value(0)->kolor, QColor(Qt::black));
        const auto xp = zTekstem(s, QStringLiteral("Xp"));
        QCOMPARE(xp.size(), 1);
        QVERIFY(xp[0]->polozenie.y() > zTekstem(s, QStringLiteral("AO2")).value(0)->polozenie.y());
    }

    void wyrazenia()
    {
        TRaport r;
        listaZadanych(r, 2);
        QVERIFY(wypelnij(r, QStringLiteral("[AI] Wejścia analogowe")));
        auto *h = dynamic_cast<TTekstRaportu *>(r.znajdzObiekt(QStringLiteral("h_nr")));
        h->linie = {QStringLiteral("[frxDBDatasetZ.\"NAZWA\"] [Brak.pole] [Page]")};
        const TStronaWydruku s = r.przygotuj().value(0);
        QCOMPARE(zTekstem(s, QStringLiteral("[AI] Wejścia analogowe")).size(), 1);
        // Outside its band a dataset gives its first row.
        QCOMPARE(zTekstem(s, QStringLiteral("Pozycja 1 [Brak.pole] [Page]")).size(), 1);
    }

    void bledySzablonuZgloszone_data()
    {
        QTest::addColumn<int>("zepsucie");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("nieznane pole") << 0 << "nie ma pola brak";
        QTest::newRow("nieznany zbior") << 1 << "brak zbioru danych nieMa";
        QTest::newRow("nazwa dwa razy") << 2 << "H_NR występuje dwa razy";
    }
    void bledySzablonuZgloszone()
    {
        QFETCH(int, zepsucie);
        QFETCH(QString, komunikat);
        TRaport r;
        listaZadanych(r, 2);
        TPasmo *dane = static_cast<TPasmo *>(r.znajdzObiekt(QStringLiteral("MasterData1")));
        if (zepsucie == 0)
            dane->dodajTekst(QStringLiteral("x"), QRectF(0, 0, 5, 5), QStringLiteral("[frxDBDatasetZ.brak]"));
        else if (zepsucie == 1)
            dane->dodajPasmo(QStringLiteral("Szczegoly"), TRodzajPasma::Dane, 5, QStringLiteral("nieMa"));
        else
            dane->dodajTekst(QStringLiteral("H_NR"), QRectF(0, 0, 5, 5));
        WydrukDoPdf pdf(katalog_.path());
        KomunikatySkrypt k;
        k.oczekuj(RodzajKomunikatu::Blad, komunikat);
        QVERIFY(!drukujRaport(r, 1045));
        QVERIFY(pdf.wywolania.isEmpty());
    }

    void zaduzoWartosciWiersza()
    {
        TZbiorRaportu z(QStringLiteral("z"), {QStringLiteral("a")});
        QVERIFY_THROWS_EXCEPTION(BladRaportu, z.dodajWiersz({QStringLiteral("1"), QStringLiteral("2")}));
        z.dodajWiersz({});
        QCOMPARE(z.wiersze.value(0), QStringList{QString()});
    }

    void cyrylicaWPdf()
    {
        TRaport r;
        listaZadanych(r, 1);
        QVERIFY(wypelnij(r, QStringLiteral("Аналоговые входы")));
        QVERIFY(ustawTekstRaportu(r, QStringLiteral("h_nazwa"), QStringLiteral("Название")));
        zapiszRaportPdf(r, plik(QStringLiteral("ru.pdf")));
        const QString t = tekstPdf(plik(QStringLiteral("ru.pdf")));
        QVERIFY2(t.contains(QStringLiteral("Аналоговые входы")), qPrintable(t));
        QVERIFY(t.contains(QStringLiteral("Название")));
    }

    void podgladLubWydrukWedlugJezyka_data()
    {
        QTest::addColumn<int>("jezyk");
        QTest::addColumn<QString>("wywolanie");
        QTest::newRow("polski") << 1045 << "podglad";
        QTest::newRow("angielski") << 2057 << "drukuj";
        QTest::newRow("rosyjski") << 1049 << "drukuj";
        QTest::newRow("inny") << 1031 << "drukuj";
    }
    void podgladLubWydrukWedlugJezyka()
    {
        QFETCH(int, jezyk);
        QFETCH(QString, wywolanie);
        WydrukDoPdf pdf(katalog_.path());
        pdf.odpowiedzDialogu = false;
        QVERIFY(!wybierzDrukarke());
        pdf.odpowiedzDialogu = true;
        QVERIFY(wybierzDrukarke());
        QCOMPARE(pdf.ileDialogow, 2);
        TRaport r;
        listaZadanych(r, 3);
        QVERIFY(wypelnij(r, QStringLiteral("Tryby specjalne")));
        QVERIFY(drukujRaport(r, jezyk));
        QCOMPARE(pdf.wywolania, QStringList{wywolanie});
        QVERIFY(tekstPdf(pdf.pliki.value(0)).contains(QStringLiteral("Tryby specjalne")));
    }

    // The printer chosen in the print dialog (here: printing to a file) is
    // the one the report goes to.
    void drukarkaWybranaWDialogu()
    {
        WydrukOkienny okienny;
        ustawWydruk(&okienny);
        const QString wybrany = plik(QStringLiteral("wybrana.pdf"));
        okienny.drukarka().setOutputFileName(wybrany);
        TRaport r;
        listaZadanych(r, 3);
        QVERIFY(wypelnij(r, QStringLiteral("Dodatki")));
        QVERIFY(drukujRaport(r, 2057));
        QVERIFY(tekstPdf(wybrany).contains(QStringLiteral("Dodatki")));

        QFile::remove(wybrany);
        bool podglad = false;
        QString tytulPodgladu;
        gdyOknoModalne([&](QWidget *w) {
            podglad = qobject_cast<QPrintPreviewDialog *>(w) != nullptr;
            tytulPodgladu = w->windowTitle();
            w->close();
        });
        QVERIFY(drukujRaport(r, 1045));
        QVERIFY(podglad);
        // The preview is titled with the report's title, not an object name.
        QCOMPARE(tytulPodgladu, QStringLiteral("Dodatki"));
        QCOMPARE(okienny.drukarka().docName(), QStringLiteral("Dodatki"));
        TRaport bezTytulu;
        QCOMPARE(bezTytulu.tytul(), QCoreApplication::applicationName());
        QVERIFY(!QFile::exists(wybrany)); // a preview prints nothing by itself
        ustawWydruk(nullptr);
    }

    void plikNieDoZapisu()
    {
        TRaport r;
        listaZadanych(r, 1);
        QVERIFY_THROWS_EXCEPTION(BladRaportu, zapiszRaportPdf(r, QStringLiteral("/nie/ma/takiego/katalogu/r.pdf")));
    }
};

QTEST_MAIN(TestRaport)
#include "test_raport.moc"
