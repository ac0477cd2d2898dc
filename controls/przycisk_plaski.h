// The flat button of the main window's section panel: a coloured block with
// a light edge on the left and top and a dark one on the right and bottom,
// pressed while the left mouse button is held over it.
//
// It has an enabled flag of its own (Enab): a button with the flag off
// looks like any other, takes no focus, shows no pressed look and raises
// none of its events. QWidget::setEnabled is left alone.
//
// Screen readers and GUI test tools see a push button named by its caption
// (its accessible name follows the caption), disabled while Enab is off,
// whose press action clicks it.
#pragma once

#include <QColor>
#include <QWidget>

class TAOLButton : public QWidget {
    Q_OBJECT
public:
    explicit TAOLButton(QWidget *parent = nullptr);

    QString Caption() const { return Cap; }
    void setCaption(const QString &c);
    QColor Color() const { return Col; }
    void setColor(const QColor &c);
    QColor RaiseColor() const { return RaiseCol; }
    void setRaiseColor(const QColor &c);
    QColor kolorCzcionki() const { return kolorCzcionki_; }
    void setKolorCzcionki(const QColor &c);
    bool Enab() const { return Enab_; }
    void setEnab(bool b) { Enab_ = b; }
    bool wcisniety() const { return wcisniety_; }
    // A click that comes from no mouse (the press action of assistive
    // technology): klik, when the button is enabled.
    void kliknij();

    QSize sizeHint() const override { return {89, 23}; }

signals:
    void klik();
    void myszWcisnieta(Qt::MouseButton przycisk, QPoint gdzie);
    void myszPuszczona(Qt::MouseButton przycisk, QPoint gdzie);
    void myszOpuszczona();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void enterEvent(QEnterEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    void opusc();

    QString Cap;
    QColor Col{52, 105, 165};
    QColor RaiseCol{138, 162, 215};
    QColor kolorCzcionki_{Qt::white};
    bool Enab_ = true;
    bool wcisniety_ = false;
    bool wewnatrz_ = false;
};
