// Acting on a modal window from a test: the call that opens it blocks, so
// the action runs from a timer once the window is up.
//
// The action runs on the first modal window that matches, once it is the
// active modal window; a window that does not come within the deadline
// fails the test. After the action, a window still open when a check has
// failed is closed (rejected, else hidden), which ends its modal run and
// lets the test function return; a window that does not close within the
// deadline is reported and closed the same way. A helper still waiting
// when the test function ends fails it (TestQt stops it).
#pragma once

#include <QWidget>

#include <functional>
#include <type_traits>

constexpr int terminOknaModalnegoMs = 30000;

// Any modal window.
void gdyOknoModalne(std::function<void(QWidget *)> akcja, int terminMs = terminOknaModalnegoMs);
// This window, once it is up as the modal window.
void gdyOknoModalne(QWidget *okno, std::function<void()> akcja, int terminMs = terminOknaModalnegoMs);

// The modal window that `wybierz` accepts (it answers the window or nullptr).
void gdyOknoModalneRdzen(std::function<QWidget *(QWidget *aktywne)> wybierz, std::function<void(QWidget *)> akcja,
                         int terminMs);
// The first modal window of type T: gdyOknoModalne<TFormHaslo>([](TFormHaslo *h) { ... }).
template <class T>
void gdyOknoModalne(std::type_identity_t<std::function<void(T *)>> akcja, int terminMs = terminOknaModalnegoMs)
{
    gdyOknoModalneRdzen([](QWidget *w) -> QWidget * { return qobject_cast<T *>(w); },
                        [akcja](QWidget *w) { akcja(static_cast<T *>(w)); }, terminMs);
}

// Stops every helper still waiting; one that never saw its window fails
// the running test.
void zakonczOknaModalne();
