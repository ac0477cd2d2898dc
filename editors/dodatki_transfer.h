// Transfers of the additions D1..D8, for their window and the
// whole-project transfer.
#pragma once

#include "rekordy_projekt.h"
#include "ustawienia_polaczenia.h"

// The record (kept as it was on failure). Read time-out 1000 ms; over
// TCP/IP 3 attempts.
bool czytajDodatki(tdanedodatki &dodatki, const TUstawieniaSterownika &ust);
// 3 attempts over TCP/IP. wSesji: the caller has opened a write session
// and closes it, else the write goes in a session of its own.
bool wyslijDodatki(const tdanedodatki &dodatki, bool wSesji, const TUstawieniaSterownika &ust);
