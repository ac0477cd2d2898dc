// One analog output: the window TFkonfigwyjsc with its entry function
// edytujWyjscieAnalogowe. The working mode shows its group (setpoint
// generator, PID regulator or linear regulator) over the same place; the
// values at stop, active stop and pause are kept within [Minimum, Maximum].
#pragma once

#include "edytor_rekordu.h"
#include "rekordy_projekt.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class TFloatPrecEdit;
class TIntEdit;

class TFkonfigwyjsc : public TEdytorRekordu<TWyjscieAnalogowe> {
    Q_OBJECT
public:
    explicit TFkonfigwyjsc(QWidget *parent = nullptr);

    TWyjscieAnalogowe &wyjscie = rekord;
    // The range message has been shown in this window (it is never
    // cleared).
    bool byloOstrzezZakres = false;

    QLabel *LabelNr;
    QLineEdit *ed_nazwa; // 16 characters typed at most; shown trimmed
    QComboBox *co_tryb, *co_typWyjscia, *co_koszt;
    TFloatPrecEdit *ie_min, *ie_max, *ie_stop, *ie_astop, *ie_pauza;
    TIntEdit *ie_moc;
    QComboBox *co_zadanaZadajnika;
    QComboBox *co_pid_kanalPomiarowy, *co_pid_zadana, *co_pid_GrzChl;
    TFloatPrecEdit *fe_pid_k;
    TIntEdit *ie_pid_ti, *ie_pid_td, *fe_pid_tp, *fe_pid_to;
    QComboBox *co_liniowy_kanalPomiarowy, *co_liniowy_zadana0, *co_liniowy_zadana20;
    QGroupBox *gb_parametry, *gb_zadanaZadajnika, *gb_pid, *gb_liniowy;

    // The range rule: the stop, active-stop and pause values are limited
    // to [Minimum, Maximum] (not at all when the two are equal); values it
    // changed give the message once per window and enable OK.
    void poprawZakresy();
    // The groups of the chosen mode.
    void co_trybChange();
    // The value edits corrected as when they are left (the range rule
    // included), then the controls into the record; a power outside
    // 0..65535 is refused (przyjmijDane).
    void AktualizujDanePoEdycji() override;
    void pokazDane() override;

protected:
    QString tytul() const override;
    void jezykSekcji() override;
    void przedOtwarciem() override;

private:
    std::array<qint64, 5> wartosciZakresu() const;
    // A change of Minimum or Maximum: while the box is typed in, the rule
    // waits until it is left or Enter is pressed, so that a value being
    // typed does not clamp the others on the way.
    void zmianaZakresu();

    bool wypelnione_ = false; // the entry has shown the record
    bool wPoprawce_ = false;
};

// The output record of the label ("AO1.2"); true on OK, and then the record
// holds the confirmed output.
bool edytujWyjscieAnalogowe(TWyjscieAnalogowe &wyjscie, const QString &etykieta, int jezykId);
