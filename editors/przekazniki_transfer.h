// Transfers of one digital output, for the output list, the output editor
// and the whole-project transfer. Outputs DO1.1..DO1.32 travel as their
// index 0..31.
#pragma once

#include "rekordy_projekt.h"
#include "transfer_sekcji.h"
#include "ustawienia_polaczenia.h"

// Output of index 0..31 (number - 1) into the record (kept as it was on
// failure). Read time-out 1000 ms; over TCP/IP 3 attempts.
bool czytajPrzekaznik(TPrzekaznik &przekaznik, int indeks, const TUstawieniaSterownika &ust);
// Output of index 0..31; 3 attempts over TCP/IP. wSesji: the caller has
// opened a write session and closes it, else the write goes in a session
// of its own.
bool wyslijPrzekaznik(const TPrzekaznik &przekaznik, int indeks, bool wSesji, const TUstawieniaSterownika &ust);

// Output DO1.k of the list (k 1..32): record k - 1, index k - 1 on the
// wire.
extern const TPozycjeSekcji<TPrzekaznik> pozycjePrzekaznikow;
