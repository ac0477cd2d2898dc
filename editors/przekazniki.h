// The digital outputs DO1.1..DO1.32: the list Tflistaprzekaznikow with its
// entry function edytujPrzekazniki. The section is the project's 128
// output records; outputs 33..128 travel along unchanged (the ".k3do"
// file holds all 128). The list reads and sends outputs 1..32, edits the
// current row in the output editor (przekazniki_edytor.h), prints each
// output with its four definitions and shows where an output is used.
#pragma once

#include "edytor_listy.h"
#include "rekordy_projekt.h"

class QIcon;
class QToolButton;

// The output's fields: "nr_str" (DO1.n), "Nazwa" (15 characters typed),
// "moc", "koszt" (the cost class as "Koszt 1".."Koszt 4"), "koszt_str"
// ("Koszt <class + 1>"), "ikonka" (the icon number, shown as its picture).
const TPolaSekcji<TPrzekaznik> &polaPrzekaznikow();

// The fields of the report's definition rows, and the row of definition d
// (1..4) of output nr (1..32) in the current language.
QStringList polaRaportuDefinicji();
QStringList wierszDefinicji(const TPrzekaznik &przekaznik, int nr, int d);

// The picture of "Gdzie użyty".
QIcon ikonaGdzieUzyty();
// "Gdzie użyty": every use of output `nr` (definition `definicja`, 0 any)
// in the application's project, shown in the list window.
void pokazUzycieWyjscia(int nr, int definicja, int jezykId);

class Tflistaprzekaznikow : public TListaSekcji<TPrzekaznikiArray> {
    Q_OBJECT
public:
    explicit Tflistaprzekaznikow(QWidget *parent = nullptr);

    TPrzekaznikiArray &przekaznikiLista = dane;
    QToolButton *sb_gdzie; // "Gdzie użyty"

    // Send all inside one session; the first output that fails ends it at
    // once (no further message, the session left open).
    void Wyslij();
    void sb_gdzieClick();

protected:
    QString tytul() const override;
    bool edytujJedna(TPrzekaznik &p, int nr) override;
    // Read all: a read that ends at a failed output still rebuilds the
    // list (a change) when it got any output; after "Anuluj" the grid shows
    // the outputs read, which are no change.
    void but_odczytClick() override;
    void but_wyslijClick() override { Wyslij(); }
    // The outputs with their four definitions below each.
    void zbudujRaport(TRaport &raport) override;
    void wypelnijRaport(TRaport &raport) override;
};

// True when the user confirmed changes; only then are the 128 records
// copied back.
bool edytujPrzekazniki(TPrzekaznikiArray &przekazniki, int jezykId);
