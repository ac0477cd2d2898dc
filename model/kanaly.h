// Names of the measuring channels (AI1.1 .. AI4.6, six inputs to a card,
// and the humidity as channel 24) and of the 25 setpoint sources, for
// combo boxes, grids and reports.
#pragma once

#include "rekordy_projekt.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// One measuring input in a list.
struct TAiMyStructure {
    int nr = 0;            // input number 1..24
    int nrWsterowniku = 0; // number on the controller, nr - 1
    int poz = 0;           // position on its card 1..6
    int modul = 0;         // card 1..4
    QString shortName;     // "AI<modul>.<poz>"
    QString name;          // the input's name, or shortName when it has none
};

using TListaAI = std::array<TAiMyStructure, 24>;

// The measuring inputs the names are taken from: those of the current
// project (not owned; the application registers its project's array and it
// lives as long as the program). Without one every input is named by its
// channel.
void ustawWejsciaPomiarowe(const TWejsciaPomiarowe *wejscia);

// The 24 descriptors from the given inputs, or from the current project's.
TListaAI budujListeAI(const TWejsciaPomiarowe &wejscia);
TListaAI budujListeAI();

// Optionally clears both lists, then adds, for inputs 1..ile whose card's
// bit (modul - 1) is set in the mask, the caption shortName + " " + name
// and the controller number in decimal.
void listaWejscAnalogowychMaska(int ile, QStringList &podpisy, QStringList &numery, bool czysc, uint8_t maska);
// Clears both lists; with the flag first "Wilgotność" with number 24; then
// the inputs of card 1 among the first `ile`.
void listaWejscAnalogowych(int ile, QStringList &podpisy, QStringList &numery, bool zWilgotnoscia);
// The caption of a channel number in the list of all inputs with the
// humidity; empty when the number is not in it.
QString opisWejsciaAnalogowego(int kanal);

// "Temp. Komory", "Temp. Batonu", "Wilgotność", D1..D8, ZS1..ZS4, Z1..Z10.
QStringList listaZrodelZadanej();
// One setpoint source; empty outside 0..24.
QString opisZrodlaZadanej(int indeks);
