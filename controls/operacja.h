// The one busy state of the program: every operation with the controller
// started from a window holds a TOperacja for its whole run.
//
// While a window's operation is held:
// - the window's controls declared with wylaczanaPodczasOperacji() are
//   disabled where the user sees them; what the running code sets on them
//   meanwhile is what they get when the last operation of the window ends,
//   otherwise their state from before;
// - the window's own way out asks trwaOperacja(okno) and refuses (done()
//   of a dialog, closeEvent of the main window);
// - the focus the window had goes back to it at the release, unless the
//   code named another one with dajFokus();
// - the window keeps its own input during an exchange, so its abort button
//   works at the first click (controls/pasek_postepu.h);
// - the automatic reading's tick is skipped (zajety()).
// A background operation (the automatic reading, the connection test)
// disables nothing; while it runs, input meant for other windows waits and
// is handed on in order when it ends.
//
// Operations nest: the first of a window engages it, the last releases it.
// Releasing only restores state; it never processes events.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <initializer_list>

class TOperacja {
public:
    enum class Rodzaj { Okna, Tla };
    explicit TOperacja(QWidget *okno, Rodzaj rodzaj = Rodzaj::Okna);
    ~TOperacja();
    TOperacja(const TOperacja &) = delete;
    TOperacja &operator=(const TOperacja &) = delete;

private:
    QPointer<QWidget> okno_;
    Rodzaj rodzaj_;
};

// Controls of their window that cannot act while its operation runs (the
// tool buttons, OK, "Anuluj", "Zamknij", the row ticks, "Start"...);
// tak = false takes one back out.
void wylaczanaPodczasOperacji(std::initializer_list<QWidget *> kontrolki, bool tak = true);
// Runs with true when the window's first operation begins and with false
// when its last ends: a window whose lock is more than disabled controls
// (the main window's colours). Must not process events.
void przyOperacji(QWidget *okno, std::function<void(bool trwa)> f);

// Gives the control the focus: at once when it can take it, else (it is
// held disabled) when the operations of its window end.
void dajFokus(QWidget *kontrolka);

// Enabled, or to be enabled when the operations of its window end: the
// state the window's code gave a control held disabled.
bool wlaczona(const QWidget *kontrolka);

// Some operation is held.
bool trwaOperacja();
// An operation of this window (of either kind) is held.
bool trwaOperacja(const QWidget *okno);
// A window's own operation (not a background one) is held on it: its input
// passes during an exchange.
bool oknoOperacji(const QWidget *okno);
// A background operation runs or an exchange is on the wire: input meant
// for any other window waits.
bool wejscieCzeka();
// Some operation is held or an exchange is on the wire: no new background
// work starts.
bool zajety();
