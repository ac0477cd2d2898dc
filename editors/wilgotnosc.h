// The humidity settings: how the chamber humidity is measured, which
// measuring input carries it when it comes from a current input, the
// allowed setpoint range and the humidity alarm. One window, TfustawWilg,
// with its entry function edytujWilgotnosc; no files.
#pragma once

#include "edytor_rekordu.h"
#include "rekordy_projekt.h"

#include <QStringList>

class QComboBox;
class QGroupBox;
class QTabWidget;
class TIntEdit;
class TPanelAlarmu;

// "sposob_pomiaru" (a list), "numer_wejscia" (the measuring channel, bound
// by the window), "max_zadana" / "min_zadana" (0..100) and the alarm
// "alarm" (panel_alarmu.h).
const TPolaSekcji<Tkvor350wilgotnosc> &polaWilgotnosci();

class TfustawWilg : public TEdytorRekordu<Tkvor350wilgotnosc> {
    Q_OBJECT
public:
    explicit TfustawWilg(QWidget *parent = nullptr);

    Tkvor350wilgotnosc &wilgotnosc = rekord;
    QStringList listaPomiarPoz; // the channel number of each item of co_kanalPomiarowy

    QGroupBox *gb_tryb, *gb_kanal, *gb_zadane;
    QComboBox *co_tryb;
    QComboBox *co_kanalPomiarowy; // AI1.1..AI1.6; shown for "Wejście prądowe" only
    TIntEdit *ie_zMax, *ie_zMin;
    QTabWidget *PageControl1;
    TPanelAlarmu *alarm;

    // The outputs' icons on the relay selector.
    void ustawPrzekazniki(const TPrzekaznikiArray &przekazniki);

    void WypiszDane() override;

protected:
    QString tytul() const override;
    void jezykSekcji() override;
    bool czytajRekord(Tkvor350wilgotnosc &w) override;
    bool wyslijRekord(const Tkvor350wilgotnosc &w) override;
    // The controls only, back to zero; the record follows them at OK, a
    // send or a print.
    void sb_clsClick() override;
    // The settings as labelled lines, the alarm's relay states under them.
    void zbudujRaport(TRaport &raport) override;
    QList<std::pair<const char *, QString>> tekstyRaportu() const override;
    void wypelnijRaport(TRaport &raport) override;

private:
    void zmianaTrybu();
};

// True when the user confirmed a change; only then does the record hold
// it. The digital outputs give the relay selector its icons.
bool edytujWilgotnosc(Tkvor350wilgotnosc &wilgotnosc, const TPrzekaznikiArray &przekazniki, int jezykId);
