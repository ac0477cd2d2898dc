// Transfers of the extra-module configuration, for its window and the
// whole-project transfer.
#pragma once

#include "rekordy_projekt.h"
#include "ustawienia_polaczenia.h"

// The record (kept as it was on failure). Read time-out 1000 ms (the
// RS-485 facade waits twice that); over TCP/IP 3 attempts.
bool czytajModuly(TModulyWejWyKonfig &moduly, const TUstawieniaSterownika &ust);
// Read time-out 2000 ms; 3 attempts over TCP/IP. The write always goes in
// a write session of its own, over both transports, whatever wSesji says.
bool wyslijModuly(const TModulyWejWyKonfig &moduly, bool wSesji, const TUstawieniaSterownika &ust);
