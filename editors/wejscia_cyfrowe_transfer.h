// Transfers of one digital input, for the digital-input list, its editor
// and the whole-project transfer. Inputs are numbered 1..24: 8 on the base
// card (DI1.1..DI1.8), then 16 on the extension card (DI2.1..DI2.16); on
// the wire an input is addressed by its card and its input on that card.
#pragma once

#include "rekordy_projekt.h"
#include "transfer_sekcji.h"
#include "ustawienia_polaczenia.h"

constexpr int wejscNaKarcieBazowej = 8;
constexpr int wejscNaKarcieRozszerzen = 16;

// Card and input on the card (both from 0) of the record, from number nr.
void ustawKarteWejscie(Tkvor350wejscieDwustanowe &wejscie, int nr);
// Number 1.. of an input from its card and input on the card (both from 0).
int nrWejsciaLiniowy(int karta, int wejscie);

// Input nr into the record (kept as it was on failure), which then also
// holds the input's card and input numbers. Read time-out 1200 ms; over
// TCP/IP 3 attempts.
bool czytajWejscieCyfrowe(Tkvor350wejscieDwustanowe &wejscie, int nr, const TUstawieniaSterownika &ust);
// Input nr, addressed by the number whatever card and input the record
// holds; 3 attempts over TCP/IP. wSesji: the caller has opened a write
// session and closes it, else the write goes in a session of its own.
bool wyslijWejscieCyfrowe(const Tkvor350wejscieDwustanowe &wejscie, int nr, bool wSesji,
                          const TUstawieniaSterownika &ust);

// Input k of the list (1..24): record k - 1, input number k to its
// transfers.
extern const TPozycjeSekcji<Tkvor350wejscieDwustanowe> pozycjeWejscCyfrowych;
