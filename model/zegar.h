// The one clock of the program: tick count, sleeps, message processing and
// the precise busy wait. Tests install a fake so mandated pauses are
// checked without waiting for them.
#pragma once

#include <QtGlobal>

class IZegar {
public:
    virtual ~IZegar() = default;
    virtual qint64 tickMs() = 0;              // monotonic milliseconds
    virtual void spij(int ms) = 0;            // sleep without processing messages
    virtual void przetworzZdarzenia() = 0;    // process pending window messages
    virtual void czekajDokladnie(int ms) = 0; // busy wait on the precise counter
};

class ZegarSystemowy final : public IZegar {
public:
    qint64 tickMs() override;
    void spij(int ms) override;
    void przetworzZdarzenia() override;
    void czekajDokladnie(int ms) override;
};

// Installs a clock (not owned); nullptr restores the system clock.
void ustawZegar(IZegar *z);
IZegar &zegar();

// Longest stretch a wait goes without processing messages [ms].
constexpr int plasterekCzekaniaMs = 10;

// Waits n ms keeping the windows alive: process messages, sleep 10 ms,
// until more than n ms have passed. The body runs at least once.
void czekajMs(int n);
// A pause of exactly n ms on the tick count (not a slice more, as czekajMs
// may take) that keeps the windows alive: sleeps of at most 10 ms with
// messages processed between them. Nothing happens for n <= 0.
void przerwaMs(int n);
// Busy wait of n ms on the precise counter (RS-485 turn-around).
void czekajDokladnieMs(int n);

// Keeps the windows alive in a loop that waits on a device in short
// slices: processes pending messages when a slice has passed since such a
// loop last did, in this loop or the one before it (real time, as the
// device's waits are).
void ozywOkna();
