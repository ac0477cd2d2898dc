// The automatic reading of the main window: while "Automatycznie czytaj"
// is ticked, each tick of its one-second timer that finds the window in
// front and nothing else talking to a controller (zajety()) reads the
// controller into the current-state frame and into the data of the default
// project name.
#pragma once

#include "ustawienia_polaczenia.h"

#include <functional>

class QTimer;
class QWidget;
class TFrameBiezaceOdczyty;
struct TDaneProjektu;

// What a tick does.
struct TKrokiAutomatu {
    // The window is showing and in front.
    std::function<bool()> naPierwszymPlanie;
    // Marks the current-state frame active (in front) or inactive.
    std::function<void(bool)> ustawRamkeAktywna;
    // One reading.
    std::function<void()> czytaj;
};

// One tick of `timer`, the automatic reading's timer of `okno`. The
// reading runs with the timer stopped, as a background operation of the
// window; the timer ends as it was, and a reading that raises counts as a
// failed one.
void tyknijAutomat(QWidget *okno, QTimer &timer, bool zaznaczony, const TKrokiAutomatu &kroki);

// One reading over the record's transport with a read time-out of 500 ms
// and one try (set on the record): the frame shows what was read or hides;
// `dane` gets the serial number and the firmware version.
void odczytajAutomatycznie(TFrameBiezaceOdczyty &ramka, TUstawieniaSterownika &u, TDaneProjektu &dane);
