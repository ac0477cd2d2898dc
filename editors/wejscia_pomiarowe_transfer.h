// Transfers of one measuring input, for the measuring-input list, its
// editor and the whole-project transfer. Inputs AI1.1..AI1.6 travel as
// 0..5; inputs 1 and 3 have a relative alarm, which travels in a second
// exchange of its own (slot 0 for input 1, slot 1 for input 3).
#pragma once

#include "rekordy_projekt.h"
#include "transfer_sekcji.h"
#include "ustawienia_polaczenia.h"

// Before the relative alarm of a single input sent outside a caller's
// session [ms].
constexpr int przerwaAlarmuWzglednegoMs = 5500;

// Inputs 1 and 3.
bool maAlarmWzgledny(int nr);

// Input nr (from 1) into the record: the input block, then for inputs 1
// and 3 the relative alarm; the record is kept as it was unless both
// succeed. Read time-out 1000 ms; over TCP/IP 3 attempts each.
bool czytajWejsciePomiarowe(TWejscieAnalogowe &wejscie, int nr, const TUstawieniaSterownika &ust);
// Input nr (from 1): the input block, then for inputs 1 and 3 the relative
// alarm; 3 attempts each over TCP/IP. wSesji: the caller has opened a
// write session and closes it; else each write goes in a session of its
// own, and 5500 ms (window kept alive) separate the two.
bool wyslijWejsciePomiarowe(const TWejscieAnalogowe &wejscie, int nr, bool wSesji, const TUstawieniaSterownika &ust);

// Input k of the list (from 1): record k - 1, input k to its transfers.
extern const TPozycjeSekcji<TWejscieAnalogowe> pozycjeWejscPomiarowych;
