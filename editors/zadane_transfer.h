// Transfers of one setpoint, for the setpoint list, the whole-project
// transfer and the unlock check of the main window.
#pragma once

#include "rekordy_we_wy.h"
#include "transfer_sekcji.h"
#include "ustawienia_polaczenia.h"

// Setpoint nr 1..10 into the record (kept as it was on failure). Read
// time-out 1500 ms; over TCP/IP as many attempts as the record's lan.count.
bool czytajZadana(TKvor350zadana &zadana, int nr, const TUstawieniaSterownika &ust);
// Setpoint on the wire number 0..9; wSesji: the caller has opened a write
// session and closes it, else the write goes in a session of its own.
bool wyslijZadana(const TKvor350zadana &zadana, int nr, bool wSesji, const TUstawieniaSterownika &ust);

// Setpoint Zk of the list (k 1..10): record k - 1, setpoint k - 1 on the
// wire.
extern const TPozycjeSekcji<TKvor350zadana> pozycjeZadanych;
