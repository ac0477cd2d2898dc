// Transfers of one analog output, for the analog-output list and the
// whole-project transfer. Outputs AO1.1..AO1.4 travel as 0..3.
#pragma once

#include "rekordy_projekt.h"
#include "transfer_sekcji.h"
#include "ustawienia_polaczenia.h"

// Output nr 1..4 (sent as nr - 1) into the record (kept as it was on
// failure). Read time-out 1000 ms; over TCP/IP 3 attempts.
bool czytajWyjscieAnalogowe(TWyjscieAnalogowe &wyjscie, int nr, const TUstawieniaSterownika &ust);
// Output of index 0..3 (number - 1); 3 attempts over TCP/IP. wSesji: the
// caller has opened a write session and closes it, else the write goes in
// a session of its own.
bool wyslijWyjscieAnalogowe(const TWyjscieAnalogowe &wyjscie, int indeks, bool wSesji,
                            const TUstawieniaSterownika &ust);

// Output AO1.k of the list (k 1..4): record k - 1, index k - 1 on the wire.
extern const TPozycjeSekcji<TWyjscieAnalogowe> pozycjeWyjscAnalogowych;
