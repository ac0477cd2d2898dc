// The row filter's conditions as a table of cases, and the filter panel
// over a grid: edits under their columns, typing, negation by double
// click, Esc, unfilterable columns, placement, and the grid's signal.
#include "filtr_siatki.h"
#include "siatka_kb.h"
#include "test_qt.h"

#include <QDate>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <QtTest>

#include <algorithm>
#include <memory>

Q_DECLARE_METATYPE(QList<TWarunekFiltra>)

namespace {

// F, name, value: the rows the cases filter.
const char *const wiersze[][3] = {
    {"F01", "Adres sterownika", "1"}, {"F02", "Prędkość transmisji", "115200"}, {"F03", "adres IP", "10"},
    {"F04", "Język", "=1"},           {"F05", "Znak <> w nazwie", "x\ty"},      {"F06", "ABC", "ab"},
};

QStandardItemModel *tabela(QObject *rodzic)
{
    auto *m = new QStandardItemModel(0, 3, rodzic);
    m->setHorizontalHeaderLabels({QStringLiteral("F"), QStringLiteral("Nazwa"), QStringLiteral("Wartość")});
    for (const auto &w : wiersze) {
        QList<QStandardItem *> r;
        for (const char *t : w)
            r << new QStandardItem(QString::fromUtf8(t));
        m->appendRow(r);
    }
    return m;
}

// The first column of every row the model shows.
QStringList widoczne(const QAbstractItemModel *m)
{
    QStringList f;
    for (int w = 0; w < m->rowCount(); ++w)
        f << m->index(w, 0).data().toString();
    return f;
}

void dwuklik(QWidget *w) { QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3)); }

} // namespace

class TestFiltrSiatki : public TestQt {
    Q_OBJECT

    std::unique_ptr<QDialog> okno_;
    TDBgrid_kb *grid_ = nullptr;
    QStandardItemModel *model_ = nullptr;
    TGridFilter *filtr_ = nullptr;

    // The panel over a grid in a dialog's layout, attached before the
    // dialog is shown or, `poPokazaniu`, after.
    void zbuduj(TDataBaseKind rodzaj = dbkRxMemData, bool poPokazaniu = false)
    {
        okno_ = std::make_unique<QDialog>();
        okno_->resize(420, 300);
        auto *u = new QVBoxLayout(okno_.get());
        grid_ = new TDBgrid_kb(okno_.get());
        model_ = tabela(grid_);
        grid_->setModel(model_);
        u->addWidget(grid_);
        filtr_ = new TGridFilter(okno_.get());
        filtr_->setDatabaseKind(rodzaj);
        if (poPokazaniu) {
            okno_->show();
            QVERIFY(QTest::qWaitForWindowExposed(okno_.get()));
        }
        filtr_->setGrid(grid_);
        okno_->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno_.get()));
    }
    QLineEdit *edycja(int i) { return filtr_->edycje().at(i); }
    // The edit's left and right edge against its column's (the part of it
    // in sight), in the window; hidden when the column is out of sight.
    void podKolumna(int i)
    {
        const QLineEdit *e = edycja(i);
        QHeaderView *h = grid_->horizontalHeader();
        const int x0 = grid_->viewport()->mapTo(okno_.get(), QPoint()).x();
        const int x1 = x0 + grid_->viewport()->width();
        const int lewo = std::max(x0 + h->sectionViewportPosition(i), x0);
        const int prawo = std::min(x0 + h->sectionViewportPosition(i) + h->sectionSize(i) - 1, x1);
        if (prawo - lewo < 2) {
            QVERIFY(e->isHidden());
            return;
        }
        QCOMPARE(e->mapTo(okno_.get(), QPoint(0, 0)).x(), lewo);
        QCOMPARE(e->width(), prawo - lewo);
        QVERIFY(e->isVisible());
    }

protected:
    void poTescie() override { okno_.reset(); }

private slots:
    void warunki_data()
    {
        QTest::addColumn<QList<TWarunekFiltra>>("warunki");
        QTest::addColumn<QStringList>("zostaja");
        const QStringList wszystkie{"F01", "F02", "F03", "F04", "F05", "F06"};
        QTest::newRow("none") << QList<TWarunekFiltra>{} << wszystkie;
        QTest::newRow("contains, any case") << QList<TWarunekFiltra>{{1, "ADRES"}} << QStringList{"F01", "F03"};
        QTest::newRow("typed in lower case") << QList<TWarunekFiltra>{{1, "abc"}} << QStringList{"F06"};
        QTest::newRow("mixed case in the row") << QList<TWarunekFiltra>{{2, "AB"}} << QStringList{"F06"};
        QTest::newRow("blanks around") << QList<TWarunekFiltra>{{1, "  adres "}} << QStringList{"F01", "F03"};
        QTest::newRow("blanks only") << QList<TWarunekFiltra>{{1, "   "}} << wszystkie;
        QTest::newRow("two columns, both hold")
            << QList<TWarunekFiltra>{{1, "adres"}, {2, "1"}} << QStringList{"F01", "F03"};
        QTest::newRow("two columns, narrower") << QList<TWarunekFiltra>{{1, "adres"}, {2, "10"}} << QStringList{"F03"};
        QTest::newRow("negated") << QList<TWarunekFiltra>{{1, "adres", true}}
                                 << QStringList{"F02", "F04", "F05", "F06"};
        QTest::newRow("negated and plain")
            << QList<TWarunekFiltra>{{1, "adres", true}, {2, "1"}} << QStringList{"F02", "F04"};
        QTest::newRow("negated blanks are no condition") << QList<TWarunekFiltra>{{1, " ", true}} << wszystkie;
        QTest::newRow("'=' is text") << QList<TWarunekFiltra>{{2, "=1"}} << QStringList{"F04"};
        QTest::newRow("'<>' is text") << QList<TWarunekFiltra>{{1, "<>"}} << QStringList{"F05"};
        QTest::newRow("a tab is text") << QList<TWarunekFiltra>{{2, "x\ty"}} << QStringList{"F05"};
        QTest::newRow("'<>' negated") << QList<TWarunekFiltra>{{1, "<>", true}}
                                      << QStringList{"F01", "F02", "F03", "F04", "F06"};
        QTest::newRow("nothing matches") << QList<TWarunekFiltra>{{0, "F99"}} << QStringList{};
        QTest::newRow("Polish letters") << QList<TWarunekFiltra>{{1, "ęzyk"}} << QStringList{"F04"};
        QTest::newRow("no such column") << QList<TWarunekFiltra>{{7, "a"}} << QStringList{};
    }
    void warunki()
    {
        QFETCH(QList<TWarunekFiltra>, warunki);
        QStandardItemModel *m = tabela(this);
        TFiltrWierszy f;
        f.setSourceModel(m);
        f.ustawWarunki(warunki);
        QTEST(widoczne(&f), "zostaja");
        // Conditions are replaced, not added.
        f.ustawWarunki({});
        QCOMPARE(f.rowCount(), m->rowCount());
        delete m;
    }

    void pisanieZawezaIWylaczaFiltr()
    {
        zbuduj();
        QCOMPARE(filtr_->edycje().size(), 3);
        QCOMPARE(grid_->model(), filtr_->filtr());
        QCOMPARE(filtr_->filtr()->sourceModel(), model_);
        QTest::keyClicks(edycja(1), QStringLiteral("adr"));
        QCOMPARE(widoczne(grid_->model()), (QStringList{"F01", "F03"}));
        QTest::keyClicks(edycja(2), QStringLiteral("0"));
        QCOMPARE(widoczne(grid_->model()), QStringList{"F03"});
        // Rows of the grid reach the table through the filter.
        QCOMPARE(filtr_->filtr()->mapToSource(grid_->model()->index(0, 0)).row(), 2);
        edycja(1)->clear();
        edycja(2)->clear();
        QCOMPARE(grid_->model()->rowCount(), model_->rowCount());
    }

    void dwuklikNeguje()
    {
        zbuduj();
        QTest::keyClicks(edycja(1), QStringLiteral("adres"));
        QCOMPARE(edycja(1)->palette().color(QPalette::Base), QColor(Qt::white));
        dwuklik(edycja(1));
        QVERIFY(filtr_->negacja(1));
        QCOMPARE(edycja(1)->palette().color(QPalette::Base), QColor(255, 98, 98));
        QCOMPARE(widoczne(grid_->model()), (QStringList{"F02", "F04", "F05", "F06"}));
        dwuklik(edycja(1));
        QVERIFY(!filtr_->negacja(1));
        QCOMPARE(edycja(1)->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(widoczne(grid_->model()), (QStringList{"F01", "F03"}));
    }

    void escCzysciWszystkoINieZamykaOkna()
    {
        zbuduj();
        QTest::keyClicks(edycja(0), QStringLiteral("F0"));
        QTest::keyClicks(edycja(1), QStringLiteral("adres"));
        dwuklik(edycja(2));
        QTest::keyClicks(edycja(2), QStringLiteral("10"));
        QCOMPARE(widoczne(grid_->model()), QStringList{"F01"});
        QTest::keyClick(edycja(0), Qt::Key_Escape);
        QVERIFY(okno_->isVisible());
        for (QLineEdit *e : filtr_->edycje())
            QVERIFY(e->text().isEmpty());
        QCOMPARE(grid_->model()->rowCount(), model_->rowCount());
        // The negation stays with its edit.
        QVERIFY(filtr_->negacja(2));
    }

    void bezFiltrowania()
    {
        zbuduj(dbkNone);
        QCOMPARE(filtr_->filtr(), nullptr);
        QCOMPARE(grid_->model(), model_);
        QTest::keyClicks(edycja(1), QStringLiteral("adres"));
        QCOMPARE(grid_->model()->rowCount(), model_->rowCount());
    }

    void kolumnyNiefiltrowane()
    {
        zbuduj();
        QStandardItem *data = new QStandardItem;
        data->setData(QDate(2024, 5, 1), Qt::EditRole);
        model_->insertColumn(3, {data});
        model_->setHeaderData(2, Qt::Horizontal, true, TGridFilter::RolaNiefiltrowana);
        QTRY_COMPARE(filtr_->edycje().size(), 4);
        filtr_->resize();
        for (int i : {2, 3}) {
            QVERIFY2(edycja(i)->isReadOnly(), qPrintable(QString::number(i)));
            QCOMPARE(edycja(i)->palette().color(QPalette::Base), filtr_->palette().color(QPalette::Window));
            dwuklik(edycja(i));
            QVERIFY(!filtr_->negacja(i));
        }
        QVERIFY(!edycja(1)->isReadOnly());
    }

    void edycjePodKolumnami()
    {
        zbuduj();
        // The panel stands directly above the grid.
        QCOMPARE(filtr_->mapTo(okno_.get(), QPoint(0, filtr_->height())).y(), grid_->mapTo(okno_.get(), QPoint()).y());
        QCOMPARE(filtr_->height(), TGridFilter::wysokosc);
        for (int i = 0; i < 3; ++i)
            podKolumna(i);
        QSignalSpy zmiany(grid_, &TDBgrid_kb::OnColResize);
        grid_->setColumnWidth(0, 150);
        QVERIFY(zmiany.count() >= 1);
        for (int i = 0; i < 3; ++i)
            podKolumna(i);
        // Scrolled sideways: the first column is partly out of sight, its
        // edit keeps to the visible part.
        grid_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
        grid_->setColumnWidth(1, 400);
        QTRY_VERIFY(grid_->horizontalScrollBar()->maximum() > 60);
        const int przed = int(zmiany.count());
        grid_->horizontalScrollBar()->setValue(60);
        QVERIFY(zmiany.count() > przed);
        for (int i = 0; i < 3; ++i)
            podKolumna(i);
        QCOMPARE(edycja(0)->width(), 150 - 60 - 1);
        grid_->setColumnHidden(1, true);
        QVERIFY(edycja(1)->isHidden());
        // With row numbers shown, the first edit starts after them.
        grid_->horizontalScrollBar()->setValue(0);
        grid_->verticalHeader()->show();
        QTRY_VERIFY(grid_->verticalHeader()->width() > 0);
        QTRY_COMPARE(edycja(0)->mapTo(okno_.get(), QPoint()).x(), grid_->viewport()->mapTo(okno_.get(), QPoint()).x());
    }

    void dolaczonyDoWidocznegoOkna()
    {
        zbuduj(dbkRxMemData, true);
        QVERIFY(grid_->isVisible());
        QVERIFY(filtr_->isVisible());
        QTRY_COMPARE(filtr_->mapTo(okno_.get(), QPoint(0, filtr_->height())).y(),
                     grid_->mapTo(okno_.get(), QPoint()).y());
        for (int i = 0; i < 3; ++i)
            podKolumna(i);
    }

    void siatkaBezUkladu()
    {
        QWidget okno;
        okno.resize(400, 300);
        auto *g = new QTableView(&okno);
        g->setGeometry(10, 40, 300, 200);
        QStandardItemModel *m = tabela(g);
        g->setModel(m);
        auto *f = new TGridFilter(&okno);
        f->setDatabaseKind(dbkRxMemData);
        f->setGrid(g);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QCOMPARE(f->geometry(), QRect(10, 40, 300, 25));
        QCOMPARE(g->geometry(), QRect(10, 65, 300, 175));
        g->resize(360, 175);
        QCOMPARE(f->width(), 360);
        // Detached, the grid shows its table again.
        f->setGrid(nullptr);
        QCOMPARE(g->model(), m);
        QVERIFY(f->edycje().isEmpty());
    }

    void innaSiatkaPorzucaWarunki()
    {
        zbuduj();
        QTest::keyClicks(edycja(1), QStringLiteral("adres"));
        auto *drugi = new QTableView(okno_.get());
        QStandardItemModel *m = tabela(drugi);
        m->removeColumn(2);
        drugi->setModel(m);
        okno_->layout()->addWidget(drugi);
        filtr_->setGrid(drugi);
        QCOMPARE(grid_->model(), model_);
        QCOMPARE(filtr_->edycje().size(), 2);
        QVERIFY(filtr_->warunki().isEmpty());
        QCOMPARE(drugi->model()->rowCount(), m->rowCount());
    }

    void usuniecieOddajeTabele()
    {
        zbuduj();
        QTest::keyClicks(edycja(1), QStringLiteral("adres"));
        delete filtr_;
        QCOMPARE(grid_->model(), model_);
        QCOMPARE(grid_->model()->rowCount(), 6);
    }

    void edycjeMajaNazwyKolumn()
    {
        zbuduj();
        QVERIFY(edycja(1)->accessibleName().contains(QStringLiteral("Nazwa")));
    }
};

QTEST_MAIN(TestFiltrSiatki)
#include "test_filtr_siatki.moc"
