#include "siatka_kb.h"

#include <QHeaderView>

TDBgrid_kb::TDBgrid_kb(QWidget *parent) : QTableView(parent)
{
    // The header outlives every model the grid is given.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &TDBgrid_kb::OnColResize);
    connect(horizontalHeader(), &QHeaderView::sectionMoved, this, &TDBgrid_kb::OnColResize);
}

void TDBgrid_kb::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    if (dx != 0)
        emit OnColResize();
}
