// The special modes: the list Tflistafunkcji with its entry function
// edytujTrybySpecjalne, one row per list position 1..14 (pause, stop, power
// loss, active STOP, F1..F10; record p - 1 of the array). The mode editor is
// tryb_specjalny.h, the transfers of one mode tryby_specjalne_transfer.h.
#pragma once

#include "edytor_listy.h"
#include "rekordy_projekt.h"

// The mode's fields: "nr_str" (FPs.., FS01..), "Nazwa" (15 characters
// typed; positions 1..4 without a name show their long name), "str_czas"
// (the duration as text), "logika_str", "Tryb_str" (empty for positions
// 1..4), the hidden "czas", "logika", "Tryb" and "nrWsterowniku", and
// "przekazniki" (relays 1..32).
const TPolaSekcji<TFunkcjaSpec> &polaTrybowSpecjalnych();

// The name as the list shows it at position 1..14: the name's units
// trimmed, or for positions 1..4 without one the long name.
QString nazwaTrybu(const TFunkcjaSpec &t, int pozycja);
// The duration at position 1..14: power loss (position 3) in minutes as
// "1:30 [hh:mm]", a negative one as "0:00 [hh:mm]"; the others in seconds
// as "90 [s]", a negative one as "nieskończoność".
QString tekstCzasuTrybu(int32_t czas, int pozycja);

class Tflistafunkcji : public TListaSekcji<TFunkcjeSpecjalneArray> {
    Q_OBJECT
public:
    explicit Tflistafunkcji(QWidget *parent = nullptr);

    TFunkcjeSpecjalneArray &funkSpecjalne = dane;

protected:
    QString tytul() const override;
    bool edytujJedna(TFunkcjaSpec &t, int nr) override;
    void but_odczytClick() override;
    void but_wyslijClick() override;
    // The list's columns and under each mode its 32 relays as 64 cells:
    // the relay's number, then its state.
    void zbudujRaport(TRaport &raport) override;
    void wypelnijRaport(TRaport &raport) override;
};

// The caller's 14 modes in list order; true when the window closed with OK
// after a change, and then the modes are the window's.
bool edytujTrybySpecjalne(TFunkcjeSpecjalneArray &tryby, int jezykId);
