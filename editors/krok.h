// The step editor TFStanPrzekaznikow with its entry function edytujKrok:
// one process or washing step's name, end condition, constant setpoints
// ZS1..ZS4 and the states of relays 1..32; read from and sent to the
// controller alone, kept in a ".k3kr1" file (washing ".k3kr1m").
#pragma once

#include "edytor_rekordu.h"
#include "rekordy_projekt.h"

class QComboBox;
class QLabel;
class QLineEdit;
class TIntEdit;
class TPrzekazniki32;

class TFStanPrzekaznikow : public TEdytorRekordu<TKrok> {
    Q_OBJECT
public:
    explicit TFStanPrzekaznikow(QWidget *parent = nullptr);

    TKrok &Krok = rekord;
    int Fix = 0; // the step's number - 1
    bool FMycie = false;
    std::unique_ptr<TKopiaRobocza<TPrzekaznikiArray>> proj_przekazniki; // icons of relays 1..32

    QLabel *LabelNr;
    QLineEdit *ed_nazwa;   // 15 characters typed at most
    QComboBox *co_warunek; // the 25 end conditions; a code without one shows none and is kept
    TIntEdit *IntEdit1, *IntEdit2, *IntEdit3, *IntEdit4; // ZS1..ZS4, -999..999
    TPrzekazniki32 *przekazniki;

    // The step: number - 1, washing, the copy of the project's
    // digital-output records whose icons the relays show.
    void ustawKrok(int nrMinus1, bool mycie, const TPrzekaznikiArray &wyjscia);

protected:
    QString tytul() const override;
    bool czytajRekord(TKrok &k) override;
    bool wyslijRekord(const TKrok &k) override;
    // A step from a file keeps the edited step's own number.
    void poOtwarciu(TKrok &k) override;
    void sb_clsClick() override;
};

// Step nrMinus1 + 1 of the process or (mycie) washing table; wyjscia is a
// copy of the project's 128 digital-output records. True on OK with a
// change, and then the record holds the confirmed step.
bool edytujKrok(TKrok &krok, const TPrzekaznikiArray &wyjscia, int jezykId, int nrMinus1, bool mycie);
