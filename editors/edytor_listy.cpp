#include "edytor_listy.h"

#include "kontrolki_pol.h"

#include <QAbstractProxyModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// An index of the table as the grid sees it, through the proxy models
// between them; invalid when a proxy leaves the row out.
QModelIndex doWidoku(const QAbstractItemView *v, QModelIndex i)
{
    QList<const QAbstractProxyModel *> proksy;
    for (const QAbstractItemModel *m = v->model(); auto *p = qobject_cast<const QAbstractProxyModel *>(m);
         m = p->sourceModel())
        proksy.prepend(p);
    for (const QAbstractProxyModel *p : proksy)
        i = p->mapFromSource(i);
    return i;
}

} // namespace

TEdytorListy::TEdytorListy(Przyciski przyciski, QWidget *parent) : TEdytorSekcji(przyciski, parent)
{
    memproj = new TTabelaPamieci(this);
    DBGrid1 = new QTableView(obszar);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(memproj);
    DBGrid1->setItemDelegate(new TDelegatPol(DBGrid1));
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->installEventFilter(this);
    auto *uklad = new QVBoxLayout(obszar);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(DBGrid1);
    connect(DBGrid1, &QTableView::doubleClicked, this, [this] { wykonaj([this] { but_poprawClick(); }); });
}

// The rows are read through the derived list, which is gone by now; the
// dialog's destructor still hides the grid, which asks for them.
TEdytorListy::~TEdytorListy() { memproj->ustawPola({}, {}); }

void TEdytorListy::ustawKolumny(std::vector<TKolumnaTabeli> kolumny, std::function<int()> ileWierszy)
{
    memproj->ustawPola(std::move(kolumny), std::move(ileWierszy));
    int szerokosc = 2 * DBGrid1->frameWidth() + 24;
    for (int k = 0; k < memproj->ileKolumn(); ++k) {
        const int s = memproj->pola()[size_t(k)].opis.szerokosc;
        DBGrid1->setColumnWidth(k, s);
        szerokosc += s;
    }
    DBGrid1->setMinimumWidth(szerokosc);
}

void TEdytorListy::jezykRamy()
{
    memproj->jezykId = jezykId;
    memproj->odswiezTytuly();
}

int TEdytorListy::nrBiezacy() const
{
    const QModelIndex i = DBGrid1->currentIndex();
    return i.isValid() ? i.data(TTabelaPamieci::RolaNr).toInt() : 0;
}

void TEdytorListy::przejdzDo(int nr)
{
    const int w = memproj->wiersz(nr);
    if (w < 0)
        return;
    const QModelIndex i = doWidoku(DBGrid1, memproj->index(w, 0));
    if (i.isValid())
        DBGrid1->setCurrentIndex(i);
}

void TEdytorListy::odswiezListe()
{
    const int nr = nrBiezacy();
    memproj->odswiez();
    if (nr > 0)
        przejdzDo(nr);
}

void TEdytorListy::memProjlistaTworz()
{
    memproj->odswiez();
    const QModelIndex pierwszy = DBGrid1->model()->index(0, 0);
    if (pierwszy.isValid())
        DBGrid1->setCurrentIndex(pierwszy);
    if (przebudowa == Przebudowa::Zmiana)
        wynik = true;
    if (przebudowa != Przebudowa::BezZmiany)
        modyfikacja();
}

void TEdytorListy::but_poprawClick()
{
    const int nr = nrBiezacy();
    if (nr > 0)
        edytujPozycje(nr);
}

bool TEdytorListy::eventFilter(QObject *o, QEvent *e)
{
    if (o == DBGrid1 && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            wykonaj([this] { but_poprawClick(); });
            return true;
        }
    }
    return TEdytorSekcji::eventFilter(o, e);
}

void TEdytorListy::wydrukuj()
{
    const int nr = nrBiezacy();
    DBGrid1->setUpdatesEnabled(false);
    struct Przywroc {
        TEdytorListy *o;
        int nr;
        ~Przywroc()
        {
            o->przejdzDo(nr);
            o->DBGrid1->setUpdatesEnabled(true);
        }
    } przywroc{this, nr};
    TEdytorSekcji::wydrukuj();
}
