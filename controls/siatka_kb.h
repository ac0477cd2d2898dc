// TDBgrid_kb: the list grid that tells its owner when the columns change
// width or place, or the grid scrolls sideways (OnColResize), so that
// controls kept under its columns can follow them. Otherwise a plain
// QTableView: it starts editable, as any view does.
#pragma once

#include <QTableView>

class TDBgrid_kb : public QTableView {
    Q_OBJECT
public:
    explicit TDBgrid_kb(QWidget *parent = nullptr);

signals:
    // After every change of a column's width or place and after every
    // sideways scroll.
    void OnColResize();

protected:
    void scrollContentsBy(int dx, int dy) override;
};
