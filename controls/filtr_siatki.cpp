#include "filtr_siatki.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr char wlasciwoscNegacji[] = "kvorNegacja";

} // namespace

TGridFilter::TGridFilter(QWidget *AOwner) : QFrame(AOwner)
{
    setObjectName(QStringLiteral("TGridFilter"));
    setFixedHeight(wysokosc);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

TGridFilter::~TGridFilter()
{
    // The grid keeps working without the panel: it gets its model back.
    setGrid(nullptr);
}

void TGridFilter::setGrid(QTableView *g)
{
    if (g == FdbGrid)
        return;
    for (const QMetaObject::Connection &c : std::as_const(polaczenia_))
        disconnect(c);
    polaczenia_.clear();
    if (FdbGrid) {
        FdbGrid->removeEventFilter(this);
        FdbGrid->viewport()->removeEventFilter(this);
        if (filtr_ && FdbGrid->model() == filtr_ && zrodlo_)
            FdbGrid->setModel(zrodlo_);
    }
    delete filtr_;
    filtr_ = nullptr;
    FdbGrid = g;
    recznie_ = false;
    zrodlo_ = g ? g->model() : nullptr;
    if (g) {
        umiescNadSiatka();
        if (FDbK == dbkRxMemData && zrodlo_) {
            filtr_ = new TFiltrWierszy(this);
            filtr_->setSourceModel(zrodlo_);
            QItemSelectionModel *stary = g->selectionModel();
            g->setModel(filtr_);
            if (stary)
                stary->deleteLater();
        }
        QHeaderView *h = g->horizontalHeader();
        const auto ukladaj = [this] { resize(); };
        polaczenia_ << connect(h, &QHeaderView::sectionResized, this, ukladaj)
                    << connect(h, &QHeaderView::sectionMoved, this, ukladaj)
                    << connect(h, &QHeaderView::geometriesChanged, this, ukladaj)
                    << connect(g->horizontalScrollBar(), &QScrollBar::valueChanged, this, ukladaj);
        if (zrodlo_) {
            const auto kolumny = [this] {
                if (kolumnZrodla() != edycje_.size())
                    budujEdycje();
                else
                    resize();
            };
            polaczenia_ << connect(zrodlo_, &QAbstractItemModel::columnsInserted, this, kolumny)
                        << connect(zrodlo_, &QAbstractItemModel::columnsRemoved, this, kolumny)
                        << connect(zrodlo_, &QAbstractItemModel::modelReset, this, kolumny)
                        << connect(zrodlo_, &QAbstractItemModel::headerDataChanged, this, ukladaj)
                        << connect(zrodlo_, &QAbstractItemModel::rowsInserted, this, ukladaj);
        }
        g->installEventFilter(this);
        g->viewport()->installEventFilter(this);
    }
    budujEdycje();
}

void TGridFilter::umiescNadSiatka()
{
    QTableView *g = FdbGrid;
    QWidget *rodzic = g->parentWidget();
    if (!rodzic)
        return;
    const bool ukryta = g->isHidden();
    if (QLayout *l = rodzic->layout()) {
        // In a layout the grid's place goes to a column of the panel over
        // the grid.
        auto *kolumna = new QWidget;
        kolumna->setObjectName(QStringLiteral("TGridFilterKolumna"));
        if (QLayoutItem *stary = l->replaceWidget(g, kolumna)) {
            delete stary;
            auto *u = new QVBoxLayout(kolumna);
            u->setContentsMargins(0, 0, 0, 0);
            u->setSpacing(0);
            setParent(kolumna);
            u->addWidget(this);
            u->addWidget(g);
            // Moving to the column hides them; a grid in sight stays so.
            g->setHidden(ukryta);
            setHidden(ukryta);
            kolumna->setHidden(ukryta);
            return;
        }
        delete kolumna;
    }
    // Placed by hand: the panel takes the grid's top edge and then follows
    // the grid.
    recznie_ = true;
    setParent(rodzic);
    setGeometry(g->x(), g->y(), g->width(), wysokosc);
    g->setGeometry(g->x(), g->y() + wysokosc, g->width(), std::max(g->height() - wysokosc, 0));
    setHidden(ukryta);
}

int TGridFilter::kolumnZrodla() const { return zrodlo_ ? zrodlo_->columnCount() : 0; }

void TGridFilter::budujEdycje()
{
    qDeleteAll(edycje_);
    edycje_.clear();
    if (filtr_)
        filtr_->ustawWarunki({});
    const int n = FdbGrid ? kolumnZrodla() : 0;
    for (int i = 0; i < n; ++i) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("filtr%1").arg(i));
        e->setProperty(wlasciwoscNegacji, false);
        e->setFrame(true);
        pokazKolor(e);
        e->installEventFilter(this);
        if (FDbK == dbkRxMemData)
            connect(e, &QLineEdit::textChanged, this, &TGridFilter::zmianaEdycji);
        edycje_.append(e);
        e->show();
    }
    resize();
}

void TGridFilter::resize()
{
    QTableView *g = FdbGrid;
    if (!g)
        return;
    if (recznie_)
        setGeometry(g->x(), g->y() - wysokosc, g->width(), wysokosc);
    QHeaderView *h = g->horizontalHeader();
    // The columns' viewport positions, in the panel's coordinates.
    QWidget *okno = window();
    const int przesuniecie = g->viewport()->mapTo(okno, QPoint(0, 0)).x() - mapTo(okno, QPoint(0, 0)).x();
    const int lewo = std::max(przesuniecie, 0);
    const int prawo = std::min(przesuniecie + g->viewport()->width(), width());
    for (int i = 0; i < edycje_.size(); ++i) {
        QLineEdit *e = edycje_[i];
        if (i >= h->count() || h->isSectionHidden(i)) {
            e->hide();
            continue;
        }
        const int x0 = std::max(przesuniecie + h->sectionViewportPosition(i), lewo);
        const int x1 = std::min(przesuniecie + h->sectionViewportPosition(i) + h->sectionSize(i) - 1, prawo);
        if (x1 - x0 < 2) {
            e->hide();
            continue;
        }
        e->setGeometry(x0, 0, x1 - x0, height());
        const QString tytul = g->model() ? g->model()->headerData(i, Qt::Horizontal).toString() : QString();
        e->setAccessibleName(tytul.isEmpty() ? tr("Filtr") : tr("Filtr") + QStringLiteral(": ") + tytul);
        e->show();
    }
    wykluczPolaFiltra();
}

bool TGridFilter::niefiltrowana(int kolumna) const
{
    if (!zrodlo_)
        return false;
    if (zrodlo_->headerData(kolumna, Qt::Horizontal, RolaNiefiltrowana).toBool())
        return true;
    if (zrodlo_->rowCount() == 0)
        return false;
    switch (zrodlo_->index(0, kolumna).data(Qt::EditRole).metaType().id()) {
    case QMetaType::QDate:
    case QMetaType::QTime:
    case QMetaType::QDateTime:
        return true;
    default:
        return false;
    }
}

void TGridFilter::wykluczPolaFiltra()
{
    for (int i = 0; i < edycje_.size(); ++i) {
        QLineEdit *e = edycje_[i];
        const bool tylkoOdczyt = niefiltrowana(i);
        if (tylkoOdczyt == e->isReadOnly())
            continue;
        e->setReadOnly(tylkoOdczyt);
        e->setFocusPolicy(tylkoOdczyt ? Qt::NoFocus : Qt::StrongFocus);
        pokazKolor(e);
    }
}

void TGridFilter::pokazKolor(QLineEdit *e)
{
    QPalette p = e->palette();
    if (e->isReadOnly())
        p.setColor(QPalette::Base, palette().color(QPalette::Window));
    else
        p.setColor(QPalette::Base, e->property(wlasciwoscNegacji).toBool() ? kolorNegacji() : QColor(Qt::white));
    p.setColor(QPalette::Text, Qt::black);
    e->setPalette(p);
}

bool TGridFilter::negacja(int kolumna) const
{
    return kolumna >= 0 && kolumna < edycje_.size() && edycje_[kolumna]->property(wlasciwoscNegacji).toBool();
}

QList<TWarunekFiltra> TGridFilter::warunki() const
{
    QList<TWarunekFiltra> w;
    for (int i = 0; i < edycje_.size(); ++i)
        if (!edycje_[i]->text().isEmpty())
            w.append({i, edycje_[i]->text(), negacja(i)});
    return w;
}

void TGridFilter::zmianaEdycji()
{
    if (filtr_ && !wCzyszczeniu_)
        filtr_->ustawWarunki(warunki());
}

void TGridFilter::clsFilter()
{
    wCzyszczeniu_ = true;
    for (QLineEdit *e : std::as_const(edycje_))
        if (!e->text().isEmpty())
            e->clear();
    wCzyszczeniu_ = false;
    zmianaEdycji();
}

void TGridFilter::przelaczNegacje(QLineEdit *e)
{
    e->setProperty(wlasciwoscNegacji, !e->property(wlasciwoscNegacji).toBool());
    pokazKolor(e);
    zmianaEdycji();
}

bool TGridFilter::eventFilter(QObject *o, QEvent *e)
{
    if (auto *edycja = qobject_cast<QLineEdit *>(o); edycja && edycje_.contains(edycja)) {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(e)->key() == Qt::Key_Escape) {
            // Consumed: Esc here clears the filter, it does not close the window.
            clsFilter();
            return true;
        }
        if (e->type() == QEvent::MouseButtonDblClick && !edycja->isReadOnly())
            przelaczNegacje(edycja);
        return false;
    }
    if (FdbGrid && (o == FdbGrid || o == FdbGrid->viewport())) {
        switch (e->type()) {
        case QEvent::Resize:
        case QEvent::Move:
        case QEvent::Show:
        case QEvent::LayoutRequest:
            resize();
            break;
        default:
            break;
        }
    }
    return QFrame::eventFilter(o, e);
}
