// The in-memory table of a list window (`memproj`) and of in-cell edited
// grids: one row per item, row r holding item nr = r + 1, one column per
// field of the section's field table. It holds no copy of its own: every
// cell is read from the window's section copy through the field's
// descriptor, so the grid cannot show other data than the copy holds. The
// window resets it (odswiez) after it changed many items at once; a grid
// cell edited in place writes through the field's setter.
//
// The grid columns are the fields shown in the grid; hidden fields are
// fields of the table all the same (for the report's dataset). The field
// "nr" is always there. A QSortFilterProxyModel may sit between the table
// and its view: the item number travels in RolaNr.
#pragma once

#include "pola_sekcji.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

class TZbiorRaportu;
struct TKolumnaRaportu;

// One field of the table with its access to row r's item.
struct TKolumnaTabeli {
    TOpisPola opis;
    std::function<QString(int wiersz, const TMiejscePola &m)> tekst;
    std::function<QVariant(int wiersz, const TMiejscePola &m)> doEdycji;
    std::function<void(int wiersz, const QVariant &v)> zEdycji; // empty: read-only
};

class TTabelaPamieci : public QAbstractTableModel {
    Q_OBJECT
public:
    // What a cell tells its editor (and a filter) beyond its text.
    enum Rola {
        RolaNr = Qt::UserRole + 1, // the item's number
        RolaRodzaju,               // TRodzajPola as int
        RolaMin,
        RolaMax,
        RolaZnakow,
        RolaListy, // Lista: the items
        // Of a column (headerData, Qt::Horizontal): its field's name, and
        // whether it is computed from other fields (a filter leaves it out).
        RolaPola,
        RolaObliczone,
        // Of a cell: its field checks its own range (zeroPozaZakresem).
        RolaZeroPoza,
    };

    explicit TTabelaPamieci(QObject *parent = nullptr);

    // The fields (grid columns are those with wSiatce) and the row count.
    void ustawPola(std::vector<TKolumnaTabeli> pola, std::function<int()> ileWierszy);
    int jezykId = 1045; // for texts that depend on the language

    // Every row anew from the data; the grid's titles too.
    void odswiez();
    void odswiezWiersz(int wiersz);
    void odswiezTytuly();

    int ileWierszy() const;
    static int nr(int wiersz) { return wiersz + 1; }
    // Row of item nr; -1 when there is none.
    int wiersz(int nr) const;
    // A field's text as the grid shows it ("nr" included).
    QString tekst(int wiersz, const QString &pole) const;
    // Every field, grid columns first.
    const std::vector<TKolumnaTabeli> &pola() const { return pola_; }
    int ileKolumn() const { return kolumn_; }
    // Names of the report dataset's fields: "nr" and every field.
    QStringList nazwyPol() const;
    // Every row as text, into a report dataset with these fields.
    void doZbioru(TZbiorRaportu &zbior) const;

    // In-cell editing of the editable fields.
    bool edytowalna = false;
    // A cell's own look beyond its field's (bold rows, coloured texts):
    // a value for the role, or an invalid one.
    std::function<QVariant(int wiersz, int kolumna, int rola)> styl;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &i, int rola) const override;
    bool setData(const QModelIndex &i, const QVariant &v, int rola) override;
    Qt::ItemFlags flags(const QModelIndex &i) const override;
    QVariant headerData(int sekcja, Qt::Orientation o, int rola) const override;

signals:
    // The user edited a cell in place.
    void edytowano(int wiersz, int kolumna);

private:
    TMiejscePola miejsce(int wiersz) const { return {nr(wiersz), jezykId}; }
    int indeksPola(const QString &pole) const;

    std::vector<TKolumnaTabeli> pola_;
    int kolumn_ = 0;
    std::function<int()> ileWierszy_;
};

// The report's columns: the fields with a head ("h_" + glowka), in table
// order.
QList<TKolumnaRaportu> kolumnyRaportu(const TTabelaPamieci &t);

// The fields of a table over records R; pozycja(nr) is item nr's record.
// A cell whose field refused the typed value with the range message stores
// 0, which the grid then shows.
template <class R>
std::vector<TKolumnaTabeli> kolumnyTabeli(const TPolaSekcji<R> &pola, std::function<R &(int nr)> pozycja)
{
    std::vector<TKolumnaTabeli> k;
    for (const TPole<R> &p : pola.pola) {
        TKolumnaTabeli c;
        c.opis = p;
        c.tekst = [p, pozycja](int w, const TMiejscePola &m) { return p.tekstW(pozycja(w + 1), m); };
        c.doEdycji = [p, pozycja](int w, const TMiejscePola &m) { return p.doEdycji(pozycja(w + 1), m); };
        if (p.zapisywalne())
            c.zEdycji = [p, pozycja](int w, const QVariant &v) {
                R &r = pozycja(w + 1);
                if (!p.zEdycji(r, v) && p.ustawWartosc)
                    p.ustawWartosc(r, 0);
            };
        k.push_back(std::move(c));
    }
    return k;
}
