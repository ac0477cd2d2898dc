// "Gdzie użyty": the uses of one digital output in a small project, by the
// definition rule and in the list's order, and the list window with its
// clipboard text.
#include "komunikaty_skrypt.h"
#include "okno_modalne.h"
#include "test_qt.h"

#include "lista.h"
#include "nazwy.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include <cstring>
#include <memory>

using R = RodzajKomunikatu;

namespace {

// Output 5 ("Wentylator") used with several definitions across the
// project's sections; output 7 only where the match rule does not look.
struct Projekt {
    std::unique_ptr<TProjektVXTNew> p = std::make_unique<TProjektVXTNew>();
    TProjektDodatkiMycie um{};

    Projekt()
    {
        std::memset(p.get(), 0, sizeof *p);
        tekstNaNazwe50(QStringLiteral("  Wentylator "), p->przekazniki[4].nazwa);
        TWejscieAnalogowe &ai1 = p->FWejsciaPomiarowe[0];
        tekstNaNazwe50(QStringLiteral("Komora"), ai1.nazwa);
        ai1.alarm_bezwzgledny.przekazniki[4] = 2;
        ai1.alarm_bezwzgledny.status = 1;
        ai1.alarm_wzgledny.przekazniki[4] = 1;
        ai1.alarm_brak_czujnika.przekazniki[4] = 4;
        ai1.alarm_brak_czujnika.status = 2;
        // Input 2's relative alarm is not looked at; input 3's is.
        tekstNaNazwe50(QStringLiteral("Baton"), p->FWejsciaPomiarowe[1].nazwa);
        p->FWejsciaPomiarowe[1].alarm_wzgledny.przekazniki[4] = 2;
        tekstNaNazwe50(QStringLiteral("Dym"), p->FWejsciaPomiarowe[2].nazwa);
        p->FWejsciaPomiarowe[2].alarm_wzgledny.przekazniki[4] = 2;
        p->FWejsciaPomiarowe[2].alarm_wzgledny.status = 1;
        // Input 7 is beyond the six the list looks at.
        p->FWejsciaPomiarowe[6].alarm_bezwzgledny.przekazniki[4] = 2;
        // Digital inputs 8 (last of the base card) and 9 (first of card 1).
        Tkvor350wejscieDwustanowe &di8 = p->WejsciaCyfrowe[7];
        di8.wyjscia_przypisane[4] = 2;
        di8.nazwa_str[0] = 5;
        std::memcpy(di8.nazwa_str + 1, "Drzwi", 5);
        p->WejsciaCyfrowe[8].wyjscia_przypisane[4] = 3;
        p->wilgotnosc.alarm.przekazniki[4] = 2;
        tekstNaNazwe50(QStringLiteral("Pauza wentylatora"), p->FunkcjeSpec[0].nazwa);
        p->FunkcjeSpec[0].przekazniki[4] = 1;
        p->FunkcjeSpec[5].przekazniki[4] = 2;
        tekstNaNazwe50(QStringLiteral("Wędzenie"), p->kroki[3].nazwa);
        p->kroki[3].przekazniki[4] = 2;
        p->kroki[32].przekazniki[4] = 2;
        // Step slot 0 carries no step.
        p->kroki[0].przekazniki[4] = 2;
        tekstNaNazwe50(QStringLiteral("Płukanie"), p->krokiMycie[16].nazwa);
        p->krokiMycie[16].przekazniki[4] = 1;
        // Washing step 17 is never used.
        p->krokiMycie[17].przekazniki[4] = 2;
        um.przekazniki[4] = 1;
        um.przekazniki[6] = 3;
        // The alarm outputs are not part of the list.
        p->przekaznikiAlarmF1F4[0].przekazniki[4] = 2;
    }
};

QStringList wiersze(const TZestawienieDO &z)
{
    QStringList w;
    for (const TPozycjaListy &p : z.wiersze)
        w << p.id + QLatin1Char('|') + p.nazwa + QLatin1Char('|') + p.def;
    return w;
}

} // namespace

class TestLista : public TestQt {
    Q_OBJECT

private slots:
    void zestawienie_data()
    {
        QTest::addColumn<int>("wybrany");
        QTest::addColumn<int>("definicja");
        QTest::addColumn<QStringList>("oczekiwane");
        const QString ai1 = QStringLiteral("AI1.1|Komora");
        const QStringList wszystkie{
            ai1 + "\tAlarm Min/Max|[DEF 2]",
            ai1 + "|[DEF 1]",
            ai1 + "\tAlarm Brak czujnika|[DEF 4]",
            "AI1.3|Dym\tAlarm względny|[DEF 2]",
            "DI1.8 : |Drzwi|[DEF 2]",
            "DI2.1 : ||[DEF 3]",
            "|Wilgotność - Alarm|[DEF 2]",
            "FPs|Pauza wentylatora|[DEF 1]",
            "FS02||[DEF 2]",
            "ST03|Wędzenie|[DEF 2]",
            "ST32||[DEF 2]",
            "SW16|Płukanie|[DEF 1]",
            "|Ustawienia mycia|",
        };
        QTest::newRow("any definition") << 5 << 0 << wszystkie;
        QTest::newRow("negative definition is any") << 5 << -1 << wszystkie;
        QTest::newRow("DEF 2") << 5 << 2
                               << QStringList{ai1 + "\tAlarm Min/Max|[DEF 2]",
                                              "AI1.3|Dym\tAlarm względny|[DEF 2]",
                                              "DI1.8 : |Drzwi|[DEF 2]",
                                              "|Wilgotność - Alarm|[DEF 2]",
                                              "FS02||[DEF 2]",
                                              "ST03|Wędzenie|[DEF 2]",
                                              "ST32||[DEF 2]",
                                              "|Ustawienia mycia|"};
        QTest::newRow("DEF 3") << 5 << 3 << QStringList{"DI2.1 : ||[DEF 3]", "|Ustawienia mycia|"};
        QTest::newRow("washing settings only") << 7 << 0 << QStringList{"|Ustawienia mycia|"};
        QTest::newRow("unused") << 6 << 0 << QStringList{};
    }
    void zestawienie()
    {
        QFETCH(int, wybrany);
        QFETCH(int, definicja);
        const Projekt pr;
        QTEST(wiersze(zestawienieDO(wybrany, definicja, *pr.p, pr.um)), "oczekiwane");
    }

    void temat()
    {
        const Projekt pr;
        QCOMPARE(zestawienieDO(5, 0, *pr.p, pr.um).info, QString("Wybrany: DO1.5\tWentylator"));
        QCOMPARE(zestawienieDO(5, 2, *pr.p, pr.um).info, QString("Wybrany: DO1.5  DEF 2\tWentylator"));
    }

    void numerPozaWyjsciami()
    {
        const Projekt pr;
        for (int n : {0, -3, 129, 100000}) {
            const TZestawienieDO z = zestawienieDO(n, 0, *pr.p, pr.um);
            QVERIFY(z.wiersze.isEmpty());
        }
    }

    void polaPrzyciete()
    {
        QStandardItemModel m(0, 3);
        TFormLista::memoAdd(&m, QString(30, 'i'), QString(60, 'n'), QString(12, 'd'));
        QCOMPARE(m.index(0, 0).data().toString().size(), 20);
        QCOMPARE(m.index(0, 1).data().toString().size(), 50);
        QCOMPARE(m.index(0, 2).data().toString().size(), 10);
        TFormLista::memoCls(&m);
        QCOMPARE(m.rowCount(), 0);
    }

    // The window fills, opens and copies its list to the clipboard.
    void oknoISchowek()
    {
        const Projekt pr;
        KomunikatySkrypt k;
        k.oczekuj(R::Informacja, QStringLiteral("Skopiowano do schowka."));
        QString tytul, info, schowek;
        int wierszy = 0;
        QModelIndex biezacy;
        gdyOknoModalne([&](QWidget *w) {
            auto *o = qobject_cast<TFormLista *>(w);
            QVERIFY(o);
            tytul = o->windowTitle();
            info = o->L_info->text();
            wierszy = o->JvMemoryData1->rowCount();
            biezacy = o->JvDBGrid1->currentIndex();
            QCOMPARE(o->but_popraw->toolTip(), QString("Kopiuj do schowka"));
            o->but_popraw->click();
            schowek = QGuiApplication::clipboard()->text();
            o->reject();
        });
        formaLista().ZestawienieDO(5, 3, *pr.p, pr.um, 1049);
        QCOMPARE(tytul, QString("Informacja o użyciu wyjść cyfrowych [DO] "));
        QCOMPARE(info, QString("Wybrany: DO1.5  DEF 3\tWentylator"));
        QCOMPARE(wierszy, 2);
        QCOMPARE(biezacy.row(), 0);
        QCOMPARE(formaLista().jezykId, 1045);
        QCOMPARE(schowek, QString("Informacja o użyciu wyjść cyfrowych [DO] \n"
                                  "Wybrany: DO1.5  DEF 3\tWentylator\n"
                                  "\n"
                                  "DI2.1 : \t\t[DEF 3]\n"
                                  "\tUstawienia mycia\t\n"));
        QVERIFY(k.pusty());

        // The next list replaces the last one.
        gdyOknoModalne([&](QWidget *w) {
            auto *o = qobject_cast<TFormLista *>(w);
            wierszy = o->JvMemoryData1->rowCount();
            o->but_close->click();
        });
        formaLista().ZestawienieDO(6, 0, *pr.p, pr.um, 1045);
        QCOMPARE(wierszy, 0);
        QVERIFY(!formaLista().isVisible());
    }
};

QTEST_MAIN(TestLista)
#include "test_lista.moc"
