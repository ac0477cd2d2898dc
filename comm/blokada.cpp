#include "blokada.h"

#include "nazwy.h"
#include "zegar.h"

TLockedTransmission::TLockedTransmission(QObject *) { reset(); }

void TLockedTransmission::reset()
{
    FLastSendDT.reset();
    FLockState = ls_unknown;
    FBusy = false;
    FPassword.clear();
}

void TLockedTransmission::clsTime() { FLastSendDT.reset(); }

int TLockedTransmission::fnProcess()
{
    try {
        return przebieg();
    } catch (...) {
        // A callback that throws counts as no communication.
        FLockState = ls_unknown;
        return -1;
    }
}

int TLockedTransmission::przebieg()
{
    FLockState = ls_unknown;
    const int v = fnLockCheck();
    FErrorTransmission = v;
    if (v < 0)
        return v;
    FBusy = (v & 2) != 0;
    if (FBusy)
        return 2;
    FLockState = (v & 1) ? ls_locked : ls_unlocked;
    FErrorTransmission = 0;
    if (FLockState == ls_unlocked)
        return v;

    if (FPassword.isEmpty()) {
        FErrorTransmission = 66;
        while (FErrorTransmission == 66) {
            QString tekst;
            fnPasswordInput(tekst);
            FPassword = przytnij(tekst);
            if (!FPassword.isEmpty()) {
                FErrorTransmission = fnUnlockPasswordSend(FPassword);
                bylaBlokada = true;
            } else {
                FErrorTransmission = -1;
            }
        }
    }
    const int r = FErrorTransmission;

    // Keeps the controller unlocked with the remembered password, at most
    // one send per interval; this send does not change r.
    const qint64 teraz = zegar().tickMs();
    if (!FPassword.isEmpty() && (!FLastSendDT || teraz - *FLastSendDT > odstepPonowieniaMs)) {
        FErrorTransmission = fnUnlockPasswordSend(FPassword);
        if (FErrorTransmission == 0) {
            if (hasloDlgInit)
                hasloDlgInit();
            FLastSendDT = zegar().tickMs();
        } else {
            FPassword.clear();
        }
    }
    return r;
}
