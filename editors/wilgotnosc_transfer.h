// Transfers of the humidity settings, for their window and the
// whole-project transfer.
#pragma once

#include "rekordy_projekt.h"
#include "ustawienia_polaczenia.h"

// The record (kept as it was on failure). Read time-out 1000 ms; over
// TCP/IP 3 attempts.
bool czytajWilgotnosc(Tkvor350wilgotnosc &wilgotnosc, const TUstawieniaSterownika &ust);
// 3 attempts over TCP/IP. wSesji: the caller has opened a write session
// and closes it, else the write goes in a session of its own.
bool wyslijWilgotnosc(const Tkvor350wilgotnosc &wilgotnosc, bool wSesji, const TUstawieniaSterownika &ust);
