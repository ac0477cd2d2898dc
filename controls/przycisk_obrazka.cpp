#include "przycisk_obrazka.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

TPrzyciskObrazka::TPrzyciskObrazka(QWidget *parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    // Repainted when the mouse comes and goes.
    setAttribute(Qt::WA_Hover);
}

void TPrzyciskObrazka::setObraz(const QPixmap &p)
{
    obraz_ = p;
    update();
}

void TPrzyciskObrazka::setKolorTekstu(const QColor &c)
{
    QPalette p = palette();
    p.setColor(QPalette::ButtonText, c);
    setPalette(p);
}

QSize TPrzyciskObrazka::sizeHint() const
{
    const QSize o = obraz_.isNull() ? QSize(64, 48) : obraz_.deviceIndependentSize().toSize();
    return {o.width() + 8, o.height() + 8 + (text().isEmpty() ? 0 : 2 * fontMetrics().height() + 2)};
}

void TPrzyciskObrazka::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    const bool wcisniety = isDown() || isChecked();
    const QPalette &pal = palette();
    if (wcisniety)
        p.fillRect(r, pal.color(QPalette::Button).darker(112));
    else if (underMouse() && isEnabled())
        p.fillRect(r, pal.color(QPalette::Button).lighter(106));
    if (wcisniety || underMouse()) {
        // Sunken: dark top and left edges; raised: light ones.
        const QColor jasny = pal.color(QPalette::Light), ciemny = pal.color(QPalette::Dark);
        p.setPen(wcisniety ? ciemny : jasny);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(wcisniety ? jasny : ciemny);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    const int przesuniecie = wcisniety ? 1 : 0;
    int y = 4 + przesuniecie;
    if (!obraz_.isNull()) {
        QSize o = obraz_.deviceIndependentSize().toSize();
        o.scale(std::min(o.width(), width() - 6), std::min(o.height(), height() - 6), Qt::KeepAspectRatio);
        const QRect cel(QPoint((width() - o.width()) / 2 + przesuniecie, y), o);
        p.drawPixmap(cel, obraz_);
        if (!isEnabled())
            p.fillRect(cel, QColor(255, 255, 255, 140));
        y = cel.bottom() + 3;
    }
    if (!text().isEmpty()) {
        p.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        p.drawText(QRect(2 + przesuniecie, y, width() - 4, height() - y - 1),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect f;
        f.initFrom(this);
        f.rect = r.adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &f, &p, this);
    }
}
