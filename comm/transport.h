// The one choice between the two transports. Every controller operation
// (the sections' per-item reads and sends, the write sessions, the SETUP
// send's link probe, the whole-project transfer, the shell's readings, the
// connection test and the automatic reading, lock and unlock, the update
// and logo pages, the clock) and the check of the TCP/IP fields pick their
// transport here from the connection record:
//
//   lan.LAN_ACTIVE 0   RS-485: a retrying facade function (powtorz.h) with
//                      adresRS and ParametryTransmisji;
//   lan.LAN_ACTIVE 1   TCP/IP: the program's runner TFormLan::make (lan.h)
//                      with an operation callback and the record;
//   any other value    neither: nothing is sent and the operation fails.
//
// Use przezTransport() rather than testing the flag: the rule for a value
// other than 0 or 1 then stays the same everywhere.
#pragma once

#include "lan.h"
#include "ustawienia_polaczenia.h"

enum class TTransport { Rs485, Lan, Brak };

TTransport transport(const TUstawieniaSterownika &u);

// Result of an operation whose record names no transport.
constexpr int kodBrakTransportu = -1;
// "Any other failure during the exchange" of the RS-485 link.
constexpr int kodRs485Wyjatek = 1;

// Runs one operation over the record's transport and returns its result
// code (0 success): rs() on RS-485; lan(runner) on TCP/IP, or 200 when the
// program has no runner; kodBrakTransportu for neither. Nothing raises: an
// exception counts as a failed exchange of that transport (1 on RS-485, 334
// on TCP/IP).
template <class Rs, class Lan>
int przezTransport(const TUstawieniaSterownika &u, Rs &&rs, Lan &&lan)
{
    switch (transport(u)) {
    case TTransport::Rs485:
        try {
            return rs();
        } catch (...) {
            return kodRs485Wyjatek;
        }
    case TTransport::Lan:
        try {
            TFormLan *f = FormLan();
            return f ? lan(*f) : kodLanBrakPolaczenia;
        } catch (...) {
            return kodLanWyjatek;
        }
    case TTransport::Brak:
        break;
    }
    return kodBrakTransportu;
}
