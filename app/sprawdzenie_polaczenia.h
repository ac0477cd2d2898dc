// The connection test of the main window's "Test połączenia": the
// controller's type, then its lock state, over the transport the record
// names, with a read time-out of 200 ms on RS-485 and 2 attempts on
// TCP/IP. A kVOR350 that answers passes.
#pragma once

#include "ustawienia_polaczenia.h"

class QLabel;

struct TWynikTestuPolaczenia {
    // False when the TCP/IP fields were refused (with their warning) and
    // nothing was sent: there is no result to show.
    bool wykonany = false;
    bool ok = false;
    // The controller that passed has its settings transmission locked.
    bool blokada = false;
};

// Sets the record's read time-out to the test's.
TWynikTestuPolaczenia sprawdzPolaczenie(TUstawieniaSterownika &u);

// "OK" in green or "ERR" in red, shown; after "OK" the warning about the
// lock. Nothing for a test that was not run.
void pokazWynikTestu(QLabel &wynik, const TWynikTestuPolaczenia &w);
