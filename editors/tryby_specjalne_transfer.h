// Transfers of one special mode, for the special-mode list, its editor and
// the whole-project transfer, and the mapping between the list's order
// (pause, stop, power loss, active STOP, F1..F10) and the controller's
// mode numbers (0, 1, 12, 13, 2..11).
#pragma once

#include "rekordy_projekt.h"
#include "transfer_sekcji.h"
#include "ustawienia_polaczenia.h"

constexpr int ileTrybowSpecjalnych = 14;

// List position 1..14 to the controller's mode number; 0 outside.
int nrTrybuSterownika(int pozycja);
// The controller's mode number 0..13 to the list position; 0 outside.
int nrTrybuListy(int nrSterownika);

// Mode of list index 0..13 into the record (kept as it was on failure),
// asked for by its controller number. The four fixed modes get their long
// name in the current language; nr_funkcji becomes the list index. Read
// time-out 1000 ms; over TCP/IP 3 attempts. Any other index fails without
// a transfer.
bool czytajTrybSpecjalny(TFunkcjaSpec &tryb, int indeks, const TUstawieniaSterownika &ust);
// Mode of list index 0..13, sent as its controller number; 3 attempts over
// TCP/IP. wSesji: the caller has opened a write session and closes it,
// else the write goes in a session of its own.
bool wyslijTrybSpecjalny(const TFunkcjaSpec &tryb, int indeks, bool wSesji, const TUstawieniaSterownika &ust);

// Mode k of the list (k 1..14): record k - 1, list index k - 1 to its
// transfers.
extern const TPozycjeSekcji<TFunkcjaSpec> pozycjeTrybowSpecjalnych;
