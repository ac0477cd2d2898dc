#include "przycisk_plaski.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {

class DostepnyPrzyciskPlaski final : public QAccessibleWidget {
public:
    explicit DostepnyPrzyciskPlaski(TAOLButton *b) : QAccessibleWidget(b, QAccessible::Button) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (!przycisk()->Enab())
            s.disabled = true;
        return s;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString &akcja) override
    {
        if (akcja == pressAction())
            przycisk()->kliknij();
        else
            QAccessibleWidget::doAction(akcja);
    }

private:
    TAOLButton *przycisk() const { return static_cast<TAOLButton *>(widget()); }
};

QAccessibleInterface *dostepnosc(const QString &klasa, QObject *o)
{
    if (klasa == QLatin1String("TAOLButton") && o && o->isWidgetType())
        return new DostepnyPrzyciskPlaski(static_cast<TAOLButton *>(o));
    return nullptr;
}

} // namespace

TAOLButton::TAOLButton(QWidget *parent) : QWidget(parent)
{
    static const bool dostepny = (QAccessible::installFactory(dostepnosc), true);
    Q_UNUSED(dostepny);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    f.setBold(true);
    setFont(f);
    resize(89, 23);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TAOLButton::setCaption(const QString &c)
{
    Cap = c;
    setAccessibleName(c);
    update();
}

void TAOLButton::kliknij()
{
    if (Enab_)
        emit klik();
}

void TAOLButton::setColor(const QColor &c)
{
    Col = c;
    update();
}

void TAOLButton::setRaiseColor(const QColor &c)
{
    RaiseCol = c;
    update();
}

void TAOLButton::setKolorCzcionki(const QColor &c)
{
    kolorCzcionki_ = c;
    update();
}

void TAOLButton::paintEvent(QPaintEvent *)
{
    const int W = width(), H = height();
    QPainter p(this);
    p.fillRect(1, 1, W - 2, H - 2, Col);
    if (wcisniety_) {
        p.fillRect(1, 1, W - 2, 1, Qt::black);
    } else {
        p.fillRect(1, 1, 2, H - 2, RaiseCol);
        p.fillRect(1, 1, W - 2, 2, RaiseCol);
        p.fillRect(W - 3, 1, 2, H - 2, Qt::black);
        p.fillRect(1, H - 3, W - 2, 2, Qt::black);
    }

    // A caption longer than the face is drawn smaller rather than cut.
    QFont f = font();
    while (QFontMetrics(f).horizontalAdvance(Cap) > W - 8 && f.pointSizeF() > 6)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    p.setFont(f);
    p.setPen(kolorCzcionki_);
    const int przesuniecie = wcisniety_ ? 2 : 0;
    p.drawText(QRect(przesuniecie, przesuniecie, W, H), Qt::AlignCenter, Cap);

    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, W - 1, H - 1);
}

void TAOLButton::mousePressEvent(QMouseEvent *e)
{
    e->accept();
    if (!Enab_)
        return;
    wewnatrz_ = true;
    emit myszWcisnieta(e->button(), e->position().toPoint());
    if (e->button() == Qt::LeftButton) {
        wcisniety_ = true;
        update();
    }
}

void TAOLButton::mouseMoveEvent(QMouseEvent *e)
{
    // While a button is held the moves come here even outside: leaving
    // ends the press, coming back does not bring it back.
    const bool w = rect().contains(e->position().toPoint());
    if (wewnatrz_ && !w)
        opusc();
    else if (w)
        wewnatrz_ = true;
    QWidget::mouseMoveEvent(e);
}

void TAOLButton::mouseReleaseEvent(QMouseEvent *e)
{
    e->accept();
    if (e->button() != Qt::LeftButton || !Enab_) {
        wcisniety_ = false;
        update();
        return;
    }
    const bool klikniety = wcisniety_ && rect().contains(e->position().toPoint());
    wcisniety_ = false;
    emit myszPuszczona(e->button(), e->position().toPoint());
    update();
    if (klikniety)
        emit klik();
}

void TAOLButton::enterEvent(QEnterEvent *e)
{
    wewnatrz_ = true;
    QWidget::enterEvent(e);
}

void TAOLButton::leaveEvent(QEvent *e)
{
    if (wewnatrz_)
        opusc();
    QWidget::leaveEvent(e);
}

void TAOLButton::opusc()
{
    wewnatrz_ = false;
    wcisniety_ = false;
    update();
    if (Enab_)
        emit myszOpuszczona();
}
