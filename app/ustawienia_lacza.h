// The serial link's settings kept in section "Parametry" of
// "ustawienia.ini": read at the main window's first showing and handed to
// the link. Values outside their range are taken as its nearest end, so a
// mistyped number can neither overflow the link's arithmetic nor stall
// every exchange.
#pragma once

class PlikIni;

struct UstawieniaLacza {
    // COM1..COM16 ("COM<n>MinusOffset" = 1); later ports have no flag.
    bool UjemneOfesty[16] = {};
    bool TransmisjaNT = false;
    int IleSleep = 5;        // [ms] direction-switch wait
    int timeoutStand = 1000; // [ms] standard read time-out
};

constexpr int najmniejszyIleSleep = 0;
constexpr int najwiekszyIleSleep = 100;       // [ms] a busy wait, twice per frame
constexpr int najmniejszyTimeoutStand = 50;   // [ms]
constexpr int najwiekszyTimeoutStand = 60000; // [ms]

UstawieniaLacza czytajUstawieniaLacza(const PlikIni &ini);
