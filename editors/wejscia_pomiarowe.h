// The measuring inputs: the list TflistawejscPom with its entry function
// edytujWejsciaPomiarowe, and the one-input editor TFEditWejsciePom with
// edytujWejsciePomiarowe. The section holds 24 inputs; all of them travel
// with the entry and the list's files, the first six (AI1.1..AI1.6) are
// listed, read, sent and printed. Each input has three alarms: the
// absolute one ("Alarm Min/Max"), the sensor-missing one ("Alarm Brak
// czujnika") and, for inputs 1 and 3 only, the relative one ("Alarm
// względny").
#pragma once

#include "edytor_listy.h"
#include "edytor_rekordu.h"
#include "rekordy_projekt.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class TFloatEdit;
class TPanelAlarmu;
class TZbiorRaportu;

// The fields of a measuring input. The list's: "nr_str" (AI1.n), "Nazwa"
// (every non-zero unit of the name), "TypWe_str", "offset" (tenths,
// -9.9 .. 9.9), "almm_status", "albrak_status", "alwzg_status" (the
// alarms' reactions; empty when off), "prad_min" / "prad_max" (the current
// inputs' scaling, printed). The editor's: "nazwa" (up to the first zero
// unit, 15 characters typed), "TypWe", "p1", "p2" (tenths, -200.0 ..
// 999.9) and the alarms "almm", "albrak", "alwzg" (panel_alarmu.h).
const TPolaSekcji<TWejscieAnalogowe> &polaWejscPomiarowych();

class TflistawejscPom : public TListaSekcji<TWejsciaPomiarowe> {
    Q_OBJECT
public:
    explicit TflistawejscPom(QWidget *parent = nullptr);

    int &ileWejsc = ile; // 6
    TWejsciaPomiarowe &wejsciaAI = dane;

    // The report's tables: the alarms of the listed inputs (the relative
    // one of inputs 1 and 3 only), and the relay states of every alarm.
    void memAlarmyListaTworz(TZbiorRaportu &memAlarmy) const;
    void memPrzekaznikiListaTworz(TZbiorRaportu &memPrzekazniki) const;

protected:
    QString tytul() const override;
    bool edytujJedna(TWejscieAnalogowe &w, int nr) override;
    void but_odczytClick() override;
    void but_wyslijClick() override;
    void zbudujRaport(TRaport &raport) override;
    void wypelnijRaport(TRaport &raport) override;
};

// The 24 inputs (20,448 bytes); true when the window closed with OK, and
// then the caller's inputs hold the window's.
bool edytujWejsciaPomiarowe(TWejsciaPomiarowe &wejscia, int jezykId);

class TFEditWejsciePom : public TEdytorRekordu<TWejscieAnalogowe> {
    Q_OBJECT
public:
    explicit TFEditWejsciePom(QWidget *parent = nullptr);

    int pozycja = 1; // the input, 1..24
    TWejscieAnalogowe &wejscie = rekord;

    QLabel *LabelNr;
    QLineEdit *ed_nazwa;
    QComboBox *co_typWejscia;
    TFloatEdit *fe_offset;
    QGroupBox *gb_skalujWePrad; // shown for the current inputs (types 3 and 4)
    TFloatEdit *fe_p1, *fe_p2;
    QTabWidget *PageControl1;
    QWidget *TS_AlarmMinMax, *TS_AlarmBrak, *TS_AlarmWzgledny;
    TPanelAlarmu *alarmMinMax, *alarmBrak, *alarmWzgledny;

    // The input's number: its label and whether it has the relative alarm.
    void ustawPozycje(int nr);
    // The outputs' icons on the three relay selectors.
    void ustawPrzekazniki(const TPrzekaznikiArray &przekazniki);

    void WypiszDane() override;
    // The controls into the record. The relative alarm's lower threshold,
    // which no control shows, keeps its stored value, an alarm delay whose
    // box was not changed since the record was shown keeps its own
    // (powiazanieOpoznienia), and an input without a relative alarm keeps
    // that alarm as it was.
    void AktualizujDanePoEdycji() override;

protected:
    QString tytul() const override;
    void jezykSekcji() override;
    bool czytajRekord(TWejscieAnalogowe &w) override;
    bool wyslijRekord(const TWejscieAnalogowe &w) override;
    void but_wyslijClick() override;

private:
    void zmianaTypu();
};

// Input nr (1..24) with a copy of the project's digital outputs (their
// icons); true on OK, and then the record holds the confirmed input.
bool edytujWejsciePomiarowe(int nr, TWejscieAnalogowe &wejscie, const TPrzekaznikiArray &przekazniki,
                            int jezykId = 1045);
