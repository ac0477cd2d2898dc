// Transfers of the washing settings, for their window and the
// whole-project transfer.
#pragma once

#include "rekordy_projekt.h"
#include "ustawienia_polaczenia.h"

// The record (kept as it was on failure). Read time-out 1000 ms; over
// TCP/IP 3 attempts.
bool czytajUstawieniaMycia(TProjektDodatkiMycie &mycie, const TUstawieniaSterownika &ust);
// The write always goes in a write session of its own, over both
// transports, whatever wSesji says; 3 attempts over TCP/IP.
bool wyslijUstawieniaMycia(const TProjektDodatkiMycie &mycie, bool wSesji, const TUstawieniaSterownika &ust);
