// TGridFilter: a one-line panel over a list grid with one edit box under
// each of the grid's columns. Typing into an edit narrows the rows to those
// whose text in that column contains the typed text (trimmed, without
// regard to case); a double click negates the edit's condition (the column
// must then not contain the text) and paints the edit light red; Esc in
// any edit clears every edit. All conditions must hold.
//
// Use:
//     grid->setModel(tabela);            // the model first
//     auto *f = new TGridFilter(okno);
//     f->setDatabaseKind(dbkRxMemData);  // before setGrid
//     f->setGrid(grid);
//
// setGrid puts the panel directly above the grid (in the grid's layout,
// or over the grid's top edge when the grid is placed by hand) and, for
// dbkRxMemData, sets a TFiltrWierszy over the grid's model as the grid's
// model. From then on the grid's indexes are the filter's: map them with
// filtr()->mapToSource() to reach the table's rows, connect to the grid's
// selection model only after setGrid (it is replaced), and change the
// table's contents rather than calling setModel on the grid again. The
// edits follow their columns by themselves when the columns are resized
// or moved, the grid scrolls sideways or changes size.
//
// The conditions are kept as data (column, text, negation), never joined
// into one text: "=", "<>" or a tab typed into an edit is literal text.
//
// Columns that cannot be filtered get a read-only edit in the panel's
// colour: those whose first row holds a date or time, and those whose
// header answers true for RolaNiefiltrowana (computed columns).
#pragma once

#include "filtr_wierszy.h"

#include <QFrame>
#include <QList>
#include <QPointer>

#include <cstdint>

class QLineEdit;
class QTableView;

enum TDataBaseKind : uint8_t {
    dbkNone = 0,      // edits without filtering
    dbkRxMemData = 2, // the grid's rows filtered through TFiltrWierszy
};

class TGridFilter : public QFrame {
    Q_OBJECT
public:
    // The owner becomes the parent; kind dbkNone, height 25.
    explicit TGridFilter(QWidget *AOwner);
    ~TGridFilter() override;

    static constexpr int wysokosc = 25;
    // Header role (horizontal) by which a model marks a computed column.
    static constexpr int RolaNiefiltrowana = Qt::UserRole + 0x4746;
    // The colour of a negated edit; a plain one is white.
    static QColor kolorNegacji() { return {255, 98, 98}; }

    QTableView *grid() const { return FdbGrid; }
    // Attaches the panel to the grid and builds the edits; nothing when
    // it is the present grid. A previous grid gets its own model back and
    // the previous edits and conditions are dropped. nullptr detaches.
    void setGrid(QTableView *g);
    TDataBaseKind databaseKind() const { return FDbK; }
    // Only stored: it takes effect at the next setGrid.
    void setDatabaseKind(TDataBaseKind k) { FDbK = k; }

    // The filter between the grid and its model; nullptr for dbkNone or
    // without a grid.
    TFiltrWierszy *filtr() const { return filtr_; }
    // The edits; edit i serves model column i.
    const QList<QLineEdit *> &edycje() const { return edycje_; }
    bool negacja(int kolumna) const;
    // The conditions the edits hold now.
    QList<TWarunekFiltra> warunki() const;

    // Lays the edits out under the grid's visible columns (runs by itself
    // on every change of the columns or the grid; callable at any time).
    using QWidget::resize;
    void resize();
    // Clears every edit that holds text: the filter is off, negations stay.
    void clsFilter();
    // Unfilterable columns' edits become read-only in the panel's colour.
    void wykluczPolaFiltra();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void umiescNadSiatka();
    void budujEdycje();
    void przelaczNegacje(QLineEdit *e);
    void pokazKolor(QLineEdit *e);
    void zmianaEdycji();
    bool niefiltrowana(int kolumna) const;
    int kolumnZrodla() const;

    TDataBaseKind FDbK = dbkNone;
    QPointer<QTableView> FdbGrid;
    QPointer<QAbstractItemModel> zrodlo_;
    TFiltrWierszy *filtr_ = nullptr;
    QList<QLineEdit *> edycje_;
    QList<QMetaObject::Connection> polaczenia_;
    bool wCzyszczeniu_ = false;
    bool recznie_ = false; // over a grid placed by hand, not in a layout
};
