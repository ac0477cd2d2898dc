#include "panel_przezroczysty.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWheelEvent>

TPanelTransparent::TPanelTransparent(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setGeometry(parent->rect());
    raise();
    parent->installEventFilter(this);
}

bool TPanelTransparent::eventFilter(QObject *o, QEvent *e)
{
    if (o == parentWidget() && e->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(o, e);
}

// The clicks end here: neither the controls below nor the parent get them.
void TPanelTransparent::mousePressEvent(QMouseEvent *e) { e->accept(); }
void TPanelTransparent::mouseReleaseEvent(QMouseEvent *e) { e->accept(); }
void TPanelTransparent::mouseDoubleClickEvent(QMouseEvent *e) { e->accept(); }
void TPanelTransparent::wheelEvent(QWheelEvent *e) { e->accept(); }
