// The row filter of a list grid: a proxy over the list's table that keeps
// the rows meeting every condition. A condition asks that the text a
// column shows contains the condition's text (or, negated, does not),
// both upper-cased.
#pragma once

#include <QList>
#include <QSortFilterProxyModel>
#include <QString>

struct TWarunekFiltra {
    int kolumna = 0; // column of the source model
    QString tekst;   // as typed
    bool negacja = false;
};

class TFiltrWierszy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    // Texts are trimmed of blanks and upper-cased; one that is left empty
    // is no condition. No conditions: every row.
    void ustawWarunki(const QList<TWarunekFiltra> &warunki);
    const QList<TWarunekFiltra> &warunki() const { return warunki_; }

protected:
    bool filterAcceptsRow(int wiersz, const QModelIndex &rodzic) const override;

private:
    QList<TWarunekFiltra> warunki_; // normalised
};
