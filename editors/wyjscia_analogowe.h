// The analog outputs AO1.1..AO1.4: the list TfListaWyjAnal with its entry
// function edytujWyjsciaAnalogowe. The one-output window is in
// wyjscia_analogowe_okno.h.
#pragma once

#include "edytor_listy.h"
#include "rekordy_projekt.h"

// The output's fields, named as the list's dataset names them: the grid
// shows "nr_str" (AO1.n), "Nazwa", "TypPracyStr", "TypWyjStr" and the five
// values in tenths; the others are the one-output window's fields and the
// report's (the PID, setpoint-generator and linear settings).
const TPolaSekcji<TWyjscieAnalogowe> &polaWyjscAnalogowych();

// The name as stored: all 50 units blanks, then the text's first units.
void nazwaZeSpacjami(const QString &tekst, TNazwa50char &nazwa);

class TfListaWyjAnal : public TListaSekcji<TWyjsciaAoArray> {
    Q_OBJECT
public:
    explicit TfListaWyjAnal(QWidget *parent = nullptr);

    TWyjsciaAoArray &WyjsciaAO = dane;

protected:
    QString tytul() const override;
    void jezykSekcji() override;
    bool edytujJedna(TWyjscieAnalogowe &w, int nr) override;
    // A read that ends early rebuilds the list all the same when it read
    // an output: what was read can be confirmed.
    void but_odczytClick() override;
    // "Anuluj" of the progress window does not stop the send-all.
    void but_wyslijClick() override;
    // One master row per output, followed by the band of its mode: PID,
    // setpoint generator or linear regulator; an output that is off prints
    // grey with no band.
    void zbudujRaport(TRaport &raport) override;
    void wypelnijRaport(TRaport &raport) override;
};

// True when the user confirmed a change; only then are the four outputs
// copied back.
bool edytujWyjsciaAnalogowe(TWyjsciaAoArray &wyjscia, int jezykId);
