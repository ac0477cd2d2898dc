// The steps: the list TfListakrokow with its entry function edytujKroki,
// for the 32 process steps ST01..ST32 or the 16 washing steps SW01..SW16.
// Both tables have 33 slots; slot n holds step n and slot 0 carries no
// step: it is kept in the copy and in the files, never listed or sent.
// The step editor is krok.h.
#pragma once

#include "edytor_listy.h"
#include "rekordy_projekt.h"

// The step's fields: "NR_STR" (ST01.., washing SW01..), "nazwa" (15
// characters typed), "warkon" (the end condition's code 0..24, hidden; a
// list showing no item keeps the stored code), "warkonStr" (its text,
// "Warunek"), "z1".."z4" (ZS1..ZS4, -999..999), "przekazniki" (relays
// 1..32).
const TPolaSekcji<TKrok> &polaKrokow(bool mycie);

// "ST07" or, for washing, "SW07".
QString nazwaKroku(int nr, bool mycie);

class TfListakrokow : public TListaSekcji<TKrokiArray> {
    Q_OBJECT
public:
    explicit TfListakrokow(QWidget *parent = nullptr);

    TKrokiArray &kroki = dane;
    bool FMycie = false;
    int &maksKrokow = ile; // 32, washing 16

    // The table's meaning: the step count, the labels, the files and the
    // titles.
    void ustawMycie(bool mycie);

protected:
    QString tytul() const override;
    QString tytulRaportu() const override;
    bool edytujJedna(TKrok &k, int nr) override;
    void but_odczytClick() override;
    void but_wyslijClick() override;
    // The list's columns, "Zadane" over ZS1..ZS4, and under each step its
    // 32 relays as 64 cells: the relay's number, then its state.
    void zbudujRaport(TRaport &raport) override;
    void wypelnijRaport(TRaport &raport) override;
};

// The caller's 33 slots, process steps or (mycie) washing steps; true when
// the window closed with OK, and then the 33 slots are the window's.
bool edytujKroki(TKrokiArray &kroki, int jezykId, bool mycie);
