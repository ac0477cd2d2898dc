// The compare result window and the "Kopiuj z ..." choice.
#include "okno_modalne.h"
#include "test_qt.h"

#include "porownaj.h"
#include "siatka_kb.h"
#include "wybierz_pozycje.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QtTest>

namespace {

QStringList tytuly(const QStandardItemModel *m)
{
    QStringList t;
    for (int k = 0; k < m->columnCount(); ++k)
        t << m->headerData(k, Qt::Horizontal).toString();
    return t;
}

} // namespace

class TestOknaWspolne : public TestQt {
    Q_OBJECT

private slots:
    void porownanie()
    {
        TFormPorownaj &o = formaPorownaj();
        QCOMPARE(tytuly(o.memproj), (QStringList{"Id/Nr", "Nazwa pozycji", "W programie", "W sterowniku"}));
        o.inicjuj(QStringLiteral("Pierwsze"));
        o.dopisz(QStringLiteral("F02"), QStringLiteral("Prędkość"), QStringLiteral("19200"), QStringLiteral("115200"));
        o.dopisz(QString(25, 'i'), QString(120, 'n'), QString(101, 'p'), QString(100, 's'));
        QCOMPARE(o.memproj->rowCount(), 2);
        const QStandardItemModel *m = o.memproj;
        QCOMPARE(m->index(0, 3).data().toString(), QString("115200"));
        QCOMPARE(m->index(1, 0).data().toString().size(), 20);
        QCOMPARE(m->index(1, 1).data().toString().size(), 100);
        QCOMPARE(m->index(1, 2).data().toString().size(), 100);
        QCOMPARE(m->index(1, 3).data().toString().size(), 100);

        // inicjuj twice: an empty table with the second title.
        o.inicjuj(QStringLiteral("Pierwsze"));
        o.dopisz(QStringLiteral("1"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"));
        o.inicjuj(QStringLiteral("Porównanie SETUP"));
        QCOMPARE(o.memproj->rowCount(), 0);
        QCOMPARE(o.windowTitle(), QString("Porównanie SETUP"));

        o.dopisz(QStringLiteral("P01"), QStringLiteral("Nazwa"), QStringLiteral("Szynka"), QStringLiteral("Boczek"));
        QStringList widziane;
        QString tytul;
        bool tylkoDoOdczytu = false;
        gdyOknoModalne([&](QWidget *w) {
            auto *p = qobject_cast<TFormPorownaj *>(w);
            QVERIFY(p);
            widziane = tytuly(p->memproj);
            tytul = p->windowTitle();
            tylkoDoOdczytu = p->DBGrid1->editTriggers() == QAbstractItemView::NoEditTriggers;
            QCOMPARE(p->but_zamknij->text(), QString("Zamknij"));
            p->but_zamknij->click();
        });
        o.pokazOkno(1049);
        QCOMPARE(widziane, (QStringList{"Id/Nr", "Nazwa pozycji", "W programie na PC", "W sterowniku"}));
        QCOMPARE(tytul, QString("Porównanie SETUP"));
        QVERIFY(tylkoDoOdczytu);
        QCOMPARE(o.jezykId, 1049);
        QVERIFY(!o.isVisible());
        // The result stays until the next inicjuj.
        QCOMPARE(o.memproj->rowCount(), 1);
    }

    void wyborAnulowany()
    {
        int pozycja = 7;
        bool okNaStarcie = true, okPoWyborze = false;
        int wybranaNaStarcie = 0;
        QString tytul, etykieta;
        gdyOknoModalne([&](QWidget *w) {
            auto *d = qobject_cast<TFormWybierzPozycjeDlg *>(w);
            QVERIFY(d);
            tytul = d->windowTitle();
            etykieta = d->Label1->text();
            okNaStarcie = d->but_ok->isEnabled();
            wybranaNaStarcie = d->ComboBox1->currentIndex();
            d->ComboBox1->setCurrentIndex(1);
            okPoWyborze = d->but_ok->isEnabled();
            d->but_anuluj->click();
        });
        QVERIFY(!formaWybierzPozycje().PokazOkno({"DO1.1 - A", "DO1.2 - B", "DO1.3 - C"}, pozycja, 1045));
        QCOMPARE(pozycja, 7);
        QVERIFY(!okNaStarcie);
        QCOMPARE(wybranaNaStarcie, -1);
        QVERIFY(okPoWyborze);
        QCOMPARE(tytul, QString("Wybierz pozycję"));
        QCOMPARE(etykieta, QString("Kopiuj z ..."));
    }

    void wyborPrzyjety()
    {
        int pozycja = 0;
        int ileNaLiscie = 0;
        gdyOknoModalne([&](QWidget *w) {
            auto *d = qobject_cast<TFormWybierzPozycjeDlg *>(w);
            ileNaLiscie = d->ComboBox1->count();
            // Enter does nothing while nothing is chosen.
            QTest::keyClick(d, Qt::Key_Return);
            QVERIFY(d->isVisible());
            d->ComboBox1->setCurrentIndex(2);
            QTest::keyClick(d, Qt::Key_Return);
        });
        QVERIFY(formaWybierzPozycje().PokazOkno({"P01", "P02", "P03", "P04"}, pozycja, 1045));
        QCOMPARE(pozycja, 2);
        QCOMPARE(ileNaLiscie, 4);

        // The next call starts afresh.
        bool okNaStarcie = true;
        gdyOknoModalne([&](QWidget *w) {
            auto *d = qobject_cast<TFormWybierzPozycjeDlg *>(w);
            okNaStarcie = d->but_ok->isEnabled();
            ileNaLiscie = d->ComboBox1->count();
            d->reject();
        });
        QVERIFY(!formaWybierzPozycje().PokazOkno({"X"}, pozycja, 1045));
        QVERIFY(!okNaStarcie);
        QCOMPARE(ileNaLiscie, 1);
        QCOMPARE(pozycja, 2);
    }
};

QTEST_MAIN(TestOknaWspolne)
#include "test_okna_wspolne.moc"
