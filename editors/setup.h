// The SETUP window TFsetupBKN (entry edytujSetup): the controller's
// parameters F01..F100 as a list with their names and value texts, one
// parameter edited at a time (setup_parametr.h), read from the controller,
// sent to it (setup_transfer.h guards the factory code and a new address
// or speed), compared with it, reset to the built-in table, kept in
// ".k3set" files (404 bytes) and printed. F0 is carried along unlisted.
#pragma once

#include "edytor_listy.h"
#include "rekordy_projekt.h"

class QToolButton;
class TGridFilter;

// The list's fields: "F" (F01..F100), "nazwa", "wartosc". Rows F50..F100
// have no name and show no value; the inactive F08, F33 and F41 are named
// "nieaktywne" and show no value either.
const TPolaSekcji<TFunkcjeKvor3> &polaSetup();
// The name of parameter n as the list shows it; empty for unnamed ones.
QString nazwaWierszaSetup(int n);
// Whether row n may be edited: a parameter with a name that is not
// inactive (F01..F49 except F08, F33, F41).
bool edytowalnyParametrSetup(int n);

class TFsetupBKN : public TListaSekcji<TFunkcjeKvor3> {
    Q_OBJECT
public:
    explicit TFsetupBKN(QWidget *parent = nullptr);

    TFunkcjeKvor3 &setup = dane;

    QToolButton *sb_porownaj;   // "Porównaj"
    QToolButton *sb_czyscFiltr; // "Czyść filtr"
    TGridFilter *filtr;

    // The rebuild that counts as a change (a read, the defaults, a file).
    void odswiezSetup() { memProjlistaTworz(); }
    // The controller's table into `bufor` (F0 kept) under the progress
    // window ("Odczyt ustawień", 0 and 3 of 3); on success OK's state
    // becomes `wlacz`. The progress window is closed in every case.
    bool czytajSetupZeSterownika(TFunkcjeKvor3 &bufor, bool wlacz);
    // The send (wyslijSetup) with a fresh connection record under the wait
    // cursor; "Setup został zapisany" on success.
    bool wyslijSetupDoSterownika();
    // "Porównaj": the controller's table against the window's, one row per
    // differing parameter.
    void porownaj();

    // Every parameter in the window is the one table.
    TFunkcjeKvor3 &pozycja(int) override { return setup; }

protected:
    QString tytul() const override;
    // Row n: refused with a warning when it cannot be edited; F15 bounded
    // by F14; switching F47 from 0 to 1 asks first.
    bool edytujJedna(TFunkcjeKvor3 &s, int n) override;
    void but_odczytClick() override;
    void but_wyslijClick() override;
    void sb_clsClick() override;
    // Two page columns of F, name and value.
    void zbudujRaport(TRaport &raport) override;
    void wypelnijRaport(TRaport &raport) override;
};

// True when the user confirmed a change; only then is the table copied
// back.
bool edytujSetup(TFunkcjeKvor3 &setup, int jezykId);
