// Display texts of the controller's coded values, in the current language.
// Every `lista...` routine comes in two forms: without an index it gives
// all items in code order (for a combo box or list), with an index it gives
// that item's text, or "element out of bounds: %d" outside the list.
#pragma once

#include <QString>
#include <QStringList>

// The text given for an index outside a list.
QString tekstPozaZakresem(int indeks);

// 0 "Dodatnia", 1 "Ujemna".
QStringList listaZnak();
QString listaZnak(int indeks);
// Controller state codes 0..12, upper case.
QStringList listaStanSterownika();
QString listaStanSterownika(int indeks);
// Measuring-input types 0..6.
QStringList listaTypWejsciaAI();
QString listaTypWejsciaAI(int indeks);
// Alarm reactions 0..2, upper case.
QStringList listaReakcjaAlarmu();
QString listaReakcjaAlarmu(int indeks);
// Output logic of alarms and special modes 0..2.
QStringList listaOperacjaStanu();
QString listaOperacjaStanu(int indeks);
// Analog-output working mode (`output_type`) 0..3, upper case: PID before
// linear.
QStringList listaTypWyjsciaAO();
QString listaTypWyjsciaAO(int indeks);
// Special-mode activation 0 bistable, 1 monostable.
QStringList listaRodzajPrzekaznika();
QString listaRodzajPrzekaznika(int indeks);
// PID direction 0 heating, 1 cooling.
QStringList listaGrzanieChlodzenie();
QString listaGrzanieChlodzenie(int indeks);
// Digital-output time modes 0..7, upper case.
QStringList listaTrybPrzekaznika();
QString listaTrybPrzekaznika(int indeks);
// Digital-output regulator types 0..5.
QStringList listaTypRegulatora();
QString listaTypRegulatora(int indeks);
// Humidity measurement methods 0..2.
QStringList listaPomiarWilgotnosci();
QString listaPomiarWilgotnosci(int indeks);
// The 25 end-of-step conditions, codes 1..25 ("C01 Off" ...): Polish
// symbols for the Polish language id (1045), English ones for any other.
// A step stores code - 1.
QStringList listaWarunekKonca(int jezykId);
QString listaWarunekKonca(int indeks, int jezykId);

// Special mode or state n (1..14). Short: "FPs", "FFs", "FPf", "FAs",
// "FS01".."FS10"; long: "Pauza", "Zatrzymanie", "Zanik zasilania",
// "Aktywny STOP" (current language), "F1".."F10". Other n: empty.
QString nazwaFunkcjiSpecjalnej(int n, bool krotka);
