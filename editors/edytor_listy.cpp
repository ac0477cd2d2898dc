#include "edytor_listy.h"

#include "raport.h"
#include "wersja.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>
#include <QVBoxLayout>

TEdytorListy::TEdytorListy(Przyciski przyciski, const QStringList &pola, const QList<TKolumnaListy> &kolumny,
                           QWidget *parent)
    : TEdytorSekcji(przyciski, parent)
{
    memproj = new TTabelaPamieci(pola, kolumny, this);
    DBGrid1 = new QTableView(obszar);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(memproj);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->verticalHeader()->hide();
    int szerokosc = 2 * DBGrid1->frameWidth() + 24;
    for (int k = 0; k < kolumny.size(); ++k) {
        DBGrid1->setColumnWidth(k, kolumny[k].szerokosc);
        szerokosc += kolumny[k].szerokosc;
    }
    DBGrid1->setMinimumWidth(szerokosc);
    DBGrid1->installEventFilter(this);
    auto *uklad = new QVBoxLayout(obszar);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(DBGrid1);
    connect(DBGrid1, &QTableView::doubleClicked, this, [this] { wykonaj([this] { but_poprawClick(); }); });
}

TEdytorListy::~TEdytorListy() = default;

int TEdytorListy::nrBiezacy() const
{
    const QModelIndex i = DBGrid1->currentIndex();
    return i.isValid() ? memproj->wartosc(i.row(), QStringLiteral("nr")).toInt() : 0;
}

void TEdytorListy::przejdzDo(int nr)
{
    const int w = memproj->znajdz(QStringLiteral("nr"), nr);
    if (w >= 0)
        DBGrid1->setCurrentIndex(memproj->index(w, 0));
}

void TEdytorListy::ustawWiersze(QList<QVariantList> wiersze, bool zmiana)
{
    memproj->ustaw(std::move(wiersze));
    if (memproj->ileWierszy() > 0)
        DBGrid1->setCurrentIndex(memproj->index(0, 0));
    if (zmiana) {
        wynik = true;
        modyfikacja();
    }
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

void TEdytorListy::zbudujRaport(TRaport &raport)
{
    raport.dodajZbior(zbiorRaportu, memproj->pola());
    QList<TKolumnaRaportu> kolumny;
    for (const TKolumnaListy &k : memproj->kolumny())
        if (!k.glowka.isEmpty())
            kolumny.append({k.glowka, k.pole, k.szerokoscWydruku, k.wyrownanie});
    szablonListy(raport, zbiorRaportu, kolumny);
}

void TEdytorListy::but_drukujClick()
{
    if (!wybierzDrukarke())
        return;
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

    if (!frxReport1) {
        frxReport1 = std::make_unique<TRaport>();
        zbudujRaport(*frxReport1);
    }
    TRaport &r = *frxReport1;
    memproj->doZbioru(*r.zbior(zbiorRaportu));
    bool ok = ustawTekstRaportu(r, QStringLiteral("MemoTytul"), tytulRaportu()) &&
              ustawTekstRaportu(r, QStringLiteral("MemoWersja"),
                                QApplication::applicationName() + QLatin1Char(' ') + wersjaProgramuPelna());
    for (const TKolumnaListy &k : memproj->kolumny())
        if (ok && !k.glowka.isEmpty())
            ok = ustawTekstRaportu(r, QStringLiteral("h_") + k.glowka, k.tytul);
    ok = ok && ustawTekstRaportu(r, QStringLiteral("f_wydrukowano"), tr("Wydrukowano") + QStringLiteral(": [Date]"));
    if (!ok)
        return;
    wypelnijRaport(r);
    drukujRaport(r, jezykId);
}
