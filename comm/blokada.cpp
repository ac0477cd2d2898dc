#include "blokada.h"

#include "nazwy.h"
#include "zegar.h"

TLockedTransmission::TLockedTransmission(QObject *) { reset(); }

void TLockedTransmission::reset()
{
    FLastSendMs.reset();
    FLockState = ls_unknown;
    FBusy = false;
    FPassword.clear();
}

void TLockedTransmission::clsTime() { FLastSendMs.reset(); }

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

    // The controller relocks on its own; keep it open with the remembered
    // password, at most once per interval. This send does not change r.
    const qint64 teraz = zegar().tickMs();
    if (!FPassword.isEmpty() && (!FLastSendMs || teraz - *FLastSendMs > odstepPonowieniaMs)) {
        FErrorTransmission = fnUnlockPasswordSend(FPassword);
        if (FErrorTransmission == 0) {
            if (hasloDlgInit)
                hasloDlgInit();
            FLastSendMs = zegar().tickMs();
        } else {
            FPassword.clear();
        }
    }
    return r;
}
