// A label for a file's full name: too long a name is shortened in its
// middle, so the file name at its end stays readable; text() and the
// tooltip keep the whole name.
#pragma once

#include <QLabel>
#include <QPainter>

class TEtykietaPliku : public QLabel {
public:
    // Takes the width the layout gives, however long the name.
    explicit TEtykietaPliku(QWidget *parent = nullptr) : QLabel(parent)
    {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }

    void ustaw(const QString &nazwa)
    {
        setText(nazwa);
        setToolTip(nazwa);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(palette().color(foregroundRole()));
        p.drawText(contentsRect(), int(alignment()),
                   fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width()));
    }
};
