// Transfers of one program, for the program list, the program editor and
// the whole-project transfer. Programs P01..P100 travel as 0..99; number
// 100 is the washing program.
#pragma once

#include "rekordy_projekt.h"
#include "transfer_sekcji.h"
#include "ustawienia_polaczenia.h"

constexpr int nrProgramuMycia = 100;

// The number of program Pk (k 1..100) of the list.
constexpr int nrProgramu(int k) { return k - 1; }

// Program nr 0..100 into the record (kept as it was on failure), in five
// parts. Read time-out 1000 ms; over TCP/IP 3 attempts. A number outside
// 0..100 fails without a transfer.
bool czytajProgram(TProgram &program, int nr, const TUstawieniaSterownika &ust);
// Program nr 0..100, sent as that number whatever the record's nr_prog
// holds; 3 attempts over TCP/IP. wSesji: the caller has opened a write
// session and closes it, else the write goes in a session of its own.
bool wyslijProgram(const TProgram &program, int nr, bool wSesji, const TUstawieniaSterownika &ust);

// Program Pk of the list (k 1..100): record k - 1, number nrProgramu(k).
extern const TPozycjeSekcji<TProgram> pozycjeProgramow;
