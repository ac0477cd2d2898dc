// Transfers of one step, process or washing, for the step list, the step
// editor and the whole-project transfer. A step travels as its slot
// number; slot 0 of the tables carries no step and is never sent.
#pragma once

#include "rekordy_projekt.h"
#include "transfer_sekcji.h"
#include "ustawienia_polaczenia.h"

constexpr int ileKrokow = 32;
constexpr int ileKrokowMycia = 16;

// Step nr (1..32, washing 1..16) into the record (kept as it was on
// failure); mycie selects the washing steps. Read time-out 1000 ms; over
// TCP/IP 3 attempts. Any other number fails without a transfer.
bool czytajKrok(TKrok &krok, int nr, bool mycie, const TUstawieniaSterownika &ust);
// Step nr as above; 3 attempts over TCP/IP. wSesji: the caller has opened
// a write session and closes it, else the write goes in a session of its
// own.
bool wyslijKrok(const TKrok &krok, int nr, bool mycie, const TUstawieniaSterownika &ust, bool wSesji);

// Step k of the list (k 1..32, washing 1..16): slot k, step k on the wire.
extern const TPozycjeSekcji<TKrok> pozycjeKrokow, pozycjeKrokowMycia;
