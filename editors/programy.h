// The list of the 100 programs P01..P100, Tflistaprojektow, with its entry
// function edytujProgramy: read and send all (with the controller's lock
// checked before the first program and before every 20th), the ".plw" file
// of the 100 programs, read record by record, the program editor on the
// current row and the two-column printed list.
#pragma once

#include "edytor_listy.h"
#include "rekordy_projekt.h"

// The list's fields: "nr_str" (P01..P100) and "Nazwa" (the name up to its
// first zero unit).
const TPolaSekcji<TProgram> &polaProgramow();

class Tflistaprojektow : public TListaSekcji<TProgramyArray100> {
    Q_OBJECT
public:
    explicit Tflistaprojektow(QWidget *parent = nullptr);

    TProgramyArray100 &programy = dane;

    // The lock check of the read-all and the send-all: anything but 0 and
    // 1 shows "Brak komunikacji" (the read-all with the status in
    // brackets) and is false.
    static bool sprawdzBlokadeListy(bool zKodem);

protected:
    QString tytul() const override;
    bool edytujJedna(TProgram &p, int nr) override;
    void but_odczytClick() override;
    void but_wyslijClick() override;
    void but_otworzClick() override;
    void but_zapiszClick() override;
    void zbudujRaport(TRaport &raport) override;
};

// True when the user confirmed a change; only then are the 100 programs
// copied back.
bool edytujProgramy(TProgramyArray100 &programy, int jezykId);
