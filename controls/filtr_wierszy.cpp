#include "filtr_wierszy.h"

#include "nazwy.h"

void TFiltrWierszy::ustawWarunki(const QList<TWarunekFiltra> &warunki)
{
    QList<TWarunekFiltra> w;
    for (TWarunekFiltra c : warunki) {
        c.tekst = przytnij(c.tekst).toUpper();
        if (!c.tekst.isEmpty())
            w.append(c);
    }
    warunki_ = std::move(w);
    invalidateRowsFilter();
}

bool TFiltrWierszy::filterAcceptsRow(int wiersz, const QModelIndex &rodzic) const
{
    const QAbstractItemModel *m = sourceModel();
    for (const TWarunekFiltra &c : warunki_) {
        const QString t = m->index(wiersz, c.kolumna, rodzic).data(Qt::DisplayRole).toString().toUpper();
        if (t.contains(c.tekst) == c.negacja)
            return false;
    }
    return true;
}
