// The pickers of a digital output's definition: the time mode
// (TFTypPrzekTable, wybierzTypCzasowy) and the regulator type
// (TFTypReglerTable, wybierzTypRegulatora). Each shows one picture button
// per value, the value's text as its caption; clicking a picture picks
// that value and closes the window, while "OK" and "Anuluj" only close it.
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QLabel;
class QPushButton;
class TPrzyciskObrazka;

// What both pickers share: the buttons (Tag = value) in rows, a label
// above every button but the first, "OK" and "Anuluj".
class TTabelaTypow : public QDialog {
    Q_OBJECT
public:
    QList<TPrzyciskObrazka *> przyciski; // in value order
    QList<QLabel *> etykiety;            // Label1.. over the second button on
    QPushButton *but_ok, *but_anuluj;
    bool wynik = false; // a picture was clicked
    int jezykId = 1045;

    // The picked value (the `Tag` of the clicked picture).
    int indeks() const { return indeks_; }
    // The value whose picture starts pressed; a value with no picture
    // leaves the pictures as they are.
    void ustawIndeks(int v);
    // The window run for `value`: true with the clicked picture's value in
    // `value`, false with `value` untouched.
    bool wybierz(int &value);
    void WybranoClick(int tag);
    void jezyk();

protected:
    // `nazwy` are the buttons' object names in value order; `obraz` the
    // pictures' resource name with %1 for the value.
    TTabelaTypow(const QStringList &nazwy, int wKolumnie, const QString &obraz, QWidget *parent);
    virtual QString tytul() const = 0;
    virtual QString etykieta() const = 0; // the labels' text before " 1", " 2", ...
    virtual QStringList teksty() const = 0;
    void changeEvent(QEvent *e) override;

    QButtonGroup *grupa_;
    int indeks_ = 0;
};

class TFTypPrzekTable : public TTabelaTypow {
    Q_OBJECT
public:
    explicit TFTypPrzekTable(QWidget *parent = nullptr);
    // The time mode 0..7 shown pressed and picked.
    int TypPrzekIndex() const { return indeks(); }

protected:
    QString tytul() const override;
    QString etykieta() const override;
    QStringList teksty() const override;
};

class TFTypReglerTable : public TTabelaTypow {
    Q_OBJECT
public:
    explicit TFTypReglerTable(QWidget *parent = nullptr);

protected:
    QString tytul() const override;
    QString etykieta() const override;
    QStringList teksty() const override;
};

// True when the user clicked a time mode's picture; `value` then holds the
// mode 0..7. A value outside 0..7 opens with mode 0 pressed.
bool wybierzTypCzasowy(int &value, int jezykId);
// The same for the regulator type 0..5; a value outside opens with no
// picture pressed.
bool wybierzTypRegulatora(int &value, int jezykId);
