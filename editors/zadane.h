// The setpoints Z1..Z10: the list TFormZadane with its entry function
// edytujZadane, and the one-setpoint editor Tfzadane with edytujZadana.
#pragma once

#include "edytor_listy.h"
#include "rekordy_projekt.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class TFloatEdit;

class TFormZadane : public TEdytorListy {
    Q_OBJECT
public:
    explicit TFormZadane(QWidget *parent = nullptr);

    TZadaneArray zadane{};

    void memProjlistaTworz() override;

protected:
    QString tytul() const override;
    void jezykSekcji() override;
    void edytujPozycje(int nr) override;
    void but_odczytClick() override;
    void but_wyslijClick() override;
    void sb_clsClick() override;
};

// True when the user confirmed a change; only then are the ten setpoints
// copied back.
bool edytujZadane(TZadaneArray &zadane, int jezykId);

class Tfzadane : public QDialog {
    Q_OBJECT
public:
    explicit Tfzadane(QWidget *parent = nullptr);

    TKvor350zadana zadana{};
    int jezykId = 1045;

    QLabel *L_tytulZadana, *L_zadana, *L_nazwa, *L_wartosc;
    QLineEdit *ed_nazwa;    // 15 characters typed at most
    TFloatEdit *fe_wartosc; // -200.0 .. 1000.0
    QPushButton *but_ok, *but_anuluj;

    void jezyk();
    void pokaz();
    // The record as confirmed: cleared, the value clamped to the box's
    // range and stored in tenths (halves to even), the name.
    void przyjmij();
};

// The setpoint of the label ("Z3"); true on OK, and then the record holds
// the confirmed setpoint.
bool edytujZadana(const QString &etykieta, TKvor350zadana &zadana, int jezykId);
