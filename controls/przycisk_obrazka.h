// A flat picture button: a picture over a caption (wrapped to the width),
// raised under the mouse and sunken while pressed or checked. The pickers
// put such buttons in an exclusive group, at most one of them pressed.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

class TPrzyciskObrazka : public QAbstractButton {
    Q_OBJECT
public:
    explicit TPrzyciskObrazka(QWidget *parent = nullptr);

    QPixmap obraz() const { return obraz_; }
    void setObraz(const QPixmap &p);
    // The caption's colour (the palette's button text by default).
    void setKolorTekstu(const QColor &c);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QPixmap obraz_;
};
