// The setpoints Z1..Z10: the list TFormZadane with its entry function
// edytujZadane, and the one-setpoint editor Tfzadane with edytujZadana.
#pragma once

#include "edytor_listy.h"
#include "edytor_rekordu.h"
#include "rekordy_projekt.h"

class QLabel;
class QLineEdit;
class TFloatEdit;

// The setpoint's fields: "nr_str" (Z1..Z10), "Nazwa" (15 characters typed),
// "wartosc" (tenths, -200.0 .. 1000.0).
const TPolaSekcji<TKvor350zadana> &polaZadanych();

class TFormZadane : public TListaSekcji<TZadaneArray> {
    Q_OBJECT
public:
    explicit TFormZadane(QWidget *parent = nullptr);

    TZadaneArray &zadane = dane;

protected:
    QString tytul() const override;
    bool edytujJedna(TKvor350zadana &z, int nr) override;
    void but_wyslijClick() override;
    void sb_clsClick() override;
};

// True when the user confirmed a change; only then are the ten setpoints
// copied back.
bool edytujZadane(TZadaneArray &zadane, int jezykId);

class Tfzadane : public TEdytorRekordu<TKvor350zadana> {
    Q_OBJECT
public:
    explicit Tfzadane(QWidget *parent = nullptr);

    QLabel *L_tytulZadana, *L_zadana;
    QLineEdit *ed_nazwa;    // 15 characters typed at most
    TFloatEdit *fe_wartosc; // -200.0 .. 1000.0

    // The record as confirmed: cleared, the value clamped to the box's
    // range and stored in tenths (halves to even), the name.
    void AktualizujDanePoEdycji() override;

protected:
    QString tytul() const override;
};

// The setpoint of the label ("Z3"); true on OK, and then the record holds
// the confirmed setpoint.
bool edytujZadana(const QString &etykieta, TKvor350zadana &zadana, int jezykId);
