// Tfwyborikony: the picker of an output's icon, 32 pictures in four rows
// of eight (wybierzIkone). A picture shows the icon off and, under the
// mouse or the keyboard focus, on; clicking it picks that icon.
#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QList>
#include <QPixmap>

class QGroupBox;
class QPushButton;

// One icon's switch: the off picture, the on picture while pointed at.
class TPrzelacznikIkony : public QAbstractButton {
    Q_OBJECT
public:
    TPrzelacznikIkony(int ikona, QWidget *parent);
    QSize sizeHint() const override { return {39, 41}; }

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QPixmap wylaczona_, wlaczona_;
};

class Tfwyborikony : public QDialog {
    Q_OBJECT
public:
    explicit Tfwyborikony(QWidget *parent = nullptr);

    static constexpr int ileIkon = 32;

    QGroupBox *GroupBox1;
    QList<TPrzelacznikIkony *> RxSwitch; // RxSwitch1..RxSwitch32, Tag = icon
    QPushButton *but_anuluj;
    int wynik = -1; // the chosen icon or -1
    int jezykId = 1045;

    void jezyk();
    void RxSwitch1Click(int tag);
    void but_anulujClick();

protected:
    void changeEvent(QEvent *e) override;
};

// The clicked icon 0..31, or -1 when the window was closed otherwise.
int wybierzIkone(int jezykId);
