// The serial link's settings kept in section "Parametry" of
// "ustawienia.ini": read at the main window's first showing and handed to
// the link.
#pragma once

class PlikIni;

struct UstawieniaLacza {
    // COM1..COM16 ("COM<n>MinusOffset" = 1); later ports have no flag.
    bool UjemneOfesty[16] = {};
    bool TransmisjaNT = false;
    int IleSleep = 5;        // [ms] direction-switch wait
    int timeoutStand = 1000; // [ms] standard read time-out
};

UstawieniaLacza czytajUstawieniaLacza(const PlikIni &ini);
