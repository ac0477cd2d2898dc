// Transfers of the four alarm outputs F1..F4, for their window and the
// whole-project transfer (the digital-output row).
#pragma once

#include "rekordy_projekt.h"
#include "ustawienia_polaczenia.h"

// The four configurations, read one by one as alarm outputs 1..4; all four
// are kept only when every one was read (a failure leaves the array as it
// was). The caller's read time-out; over TCP/IP 3 attempts per output.
bool czytajAlarmyDO(TAlarmyF1F4Array &alarmy, const TUstawieniaSterownika &ust);
// All four in one transfer; 3 attempts over TCP/IP. wSesji: the caller
// has opened a write session and closes it, else the write goes in a
// session of its own.
bool wyslijAlarmyDO(const TAlarmyF1F4Array &alarmy, bool wSesji, const TUstawieniaSterownika &ust);
