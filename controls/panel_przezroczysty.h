// A panel that draws nothing and covers its parent's whole client area:
// what lies under it stays visible but cannot be clicked.
#pragma once

#include <QWidget>

class TPanelTransparent : public QWidget {
    Q_OBJECT
public:
    // Takes the whole of the parent, in front of its other children, and
    // follows the parent's size.
    explicit TPanelTransparent(QWidget *parent);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
};
