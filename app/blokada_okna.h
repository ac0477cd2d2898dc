// The four callbacks through which the transmission lock reaches the
// controller and the user, as the main window supplies them: the lock state
// from the live readings and the lock-state read, the password typed in the
// password window, the unlock command confirmed by reading setpoint 1.
#pragma once

#include "blokada.h"
#include "ustawienia_polaczenia.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

class TForm1;
class TFormHaslo;

class TBlokadaOkna {
    Q_DECLARE_TR_FUNCTIONS(TBlokadaOkna)
public:
    // wypelnij: a fresh connection record from the main window's
    // controls, without the lock check. haslo: the program's password
    // window; without one a window of its own is made on first use.
    // Installs the callbacks into `lock`; must not outlive it.
    TBlokadaOkna(TLockedTransmission &lock, std::function<void(TUstawieniaSterownika &)> wypelnij,
                 std::function<int()> jezykId, TFormHaslo *haslo = nullptr);
    ~TBlokadaOkna(); // takes the callbacks out again
    TBlokadaOkna(const TBlokadaOkna &) = delete;
    TBlokadaOkna &operator=(const TBlokadaOkna &) = delete;

    // -1 no communication, 0 free, 1 locked, 2 busy ("Start", "Edycja").
    // The first good reading after a connection change compares the
    // controller's protocol version with this program's and notes a
    // difference.
    int fnLockCheck();
    // 0 accepted, 66 refused (also when setpoint 1 cannot be read after
    // an accepted unlock), other codes of the transports. A text that is
    // no integer is sent as 0.
    int fnUnlockPasswordSend(const QString &haslo);
    // The typed password, or an empty text when the user cancelled.
    void fnPasswordInput(QString &haslo);
    void hasloDlgInit();

    TFormHaslo &oknoHasla();

    static constexpr int wersjaProtokolu = 4;

private:
    TLockedTransmission &lock_;
    std::function<void(TUstawieniaSterownika &)> wypelnij_;
    std::function<int()> jezykId_;
    TFormHaslo *haslo_;
    std::unique_ptr<TFormHaslo> wlasneHaslo_;
};

// The callbacks of this main window, installed into its lockService.
std::unique_ptr<TBlokadaOkna> blokadaOkna(TForm1 &okno, TFormHaslo *haslo = nullptr);
