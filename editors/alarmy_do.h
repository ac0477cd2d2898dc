// The four alarm outputs F1..F4: one window TFormDO_Alarmy with a tab per
// alarm output, each showing the alarm's reaction and its delay, and the
// entry function edytujAlarmyDO. The transfers are in alarmy_transfer.h.
#pragma once

#include "edytor_rekordu.h"
#include "powiazanie_czasu.h"
#include "rekordy_projekt.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QTabBar;
class TMin99SecEdit;

class TFormDO_Alarmy : public TEdytorRekordu<TAlarmyF1F4Array> {
    Q_OBJECT
public:
    explicit TFormDO_Alarmy(QWidget *parent = nullptr);

    TAlarmyF1F4Array &alarmy = rekord;
    int alarmNumer = 0; // 1..4: the configuration in the controls

    QTabBar *TabSet1; // "   Fu 1   " .. "   Fu 4   "
    QGroupBox *gb_status;
    QComboBox *co_alarmStatus; // the alarm-reaction list
    QLabel *L_opoznienie;
    // The delay, two bytes of unsigned seconds; 6000 s and more show 99:59.
    TMin99SecEdit *dt_alarmOpoznienie;

    // Configuration n (1..4) into the controls; showing it is no change.
    void wypiszDane(int n);
    // The configuration of the current tab.
    void WypiszDane() override;
    // The controls into configuration alarmNumer: the reaction (a list
    // showing no item keeps the stored byte) and the delay in seconds,
    // once its box was changed since the configuration was shown
    // (powiazanieOpoznienia). The other fields are carried as they are.
    void AktualizujDanePoEdycji() override;

protected:
    QString tytul() const override;
    void jezykSekcji() override;
    bool czytajRekord(TAlarmyF1F4Array &a) override;
    // All four in one transfer, taken from the controls first; "Anuluj"
    // of the progress window during it drops the success message.
    void but_wyslijClick() override;
    // Every reaction and delay to 0; logic, relays and conditions stay.
    void sb_clsClick() override;

private:
    void TabSet1Change(int indeks);

    bool wypisywanie_ = false;
    TPowiazanieOpoznienia opoznienie_; // of configuration alarmNumer
};

// True when the user confirmed a change; only then are the four
// configurations copied back.
bool edytujAlarmyDO(TAlarmyF1F4Array &alarmy, int jezykId);
