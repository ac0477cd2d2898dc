// Whether a transfer status row's caption can be read: empty when it can,
// else what is wrong.
#pragma once

#include "element_listy.h"

#include <QFontMetrics>
#include <QLabel>

// The label lies inside the row (and the row inside its owner), clear of
// every picture and of the bar that are shown; its text fits the label
// whole; and it is the caption itself, or the caption shortened with "…"
// and given whole in the label's tooltip.
inline QString podpisNieczytelny(const TKbProgress *w, const QString &podpis)
{
    const QLabel *l = w->FLabel;
    const QRect r = l->geometry();
    if (l->isHidden())
        return QStringLiteral("the label is hidden");
    if (!w->rect().contains(r))
        return QStringLiteral("the label leaves the row");
    if (w->parentWidget() && !w->parentWidget()->rect().contains(w->geometry()))
        return QStringLiteral("the row leaves its owner");
    for (const QWidget *obraz :
         {static_cast<const QWidget *>(w->FImageResult), static_cast<const QWidget *>(w->FImageVerify),
          static_cast<const QWidget *>(w->FProgressBar)})
        if (!obraz->isHidden() && r.intersects(obraz->geometry()))
            return QStringLiteral("the label lies under ") + obraz->objectName();
    const int flagi = int(l->alignment()) | (l->wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect tekst = QFontMetrics(l->font()).boundingRect(l->contentsRect(), flagi, l->text());
    if (!l->contentsRect().contains(tekst))
        return QStringLiteral("the text is cut: %1 in %2 x %3")
            .arg(l->text())
            .arg(l->contentsRect().width())
            .arg(l->contentsRect().height());
    if (l->text() == podpis)
        return {};
    if (l->text().endsWith(QChar(0x2026)) && l->toolTip() == podpis)
        return {};
    return QStringLiteral("\"%1\" is not \"%2\", shortened or whole").arg(l->text(), podpis);
}
