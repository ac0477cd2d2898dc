// The controller's transmission lock as seen before every transfer: asks
// the lock state, gets a password from the user while the controller is
// locked, sends it until accepted or given up, remembers it for the run and
// re-sends it to keep the controller unlocked. It knows neither transport
// nor window: the owner's four callbacks do the talking (RS-485 or TCP/IP
// is the callbacks' choice).
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QObject;

enum TLockStates : uint8_t { ls_unknown = 0, ls_unlocked = 1, ls_locked = 2 };

class TLockedTransmission {
public:
    // Accepted for the owner's sake and not used.
    explicit TLockedTransmission(QObject *AOwner = nullptr);

    void reset();
    // Forgets the time of the last re-send: the next check that finds the
    // controller locked re-sends the remembered password at once.
    void clsTime();
    // The check before a transfer: negative when the controller could not
    // be asked, 2 busy, otherwise 0, or the result of the password prompt
    // (-1 given up, the failed send's code). Callers treat anything but 0
    // and 1 as a failed check. Never throws.
    int fnProcess();

    TLockStates LockState() const { return FLockState; }
    bool Busy() const { return FBusy; }
    bool ProtokolBlad() const { return FProtokolBlad; }
    void setProtokolBlad(bool a) { FProtokolBlad = a; }

    // More than this since the last accepted re-send: send again.
    static constexpr qint64 odstepPonowieniaMs = 10000;

private:
    int FErrorTransmission = 0;
    TLockStates FLockState = ls_unknown;
    bool FBusy = false;
    std::optional<qint64> FLastSendDT; // tick count [ms] of the last accepted re-send; none = never
    QString FPassword;                 // trimmed; empty = none
    bool FProtokolBlad = false;        // the owner's flag, never read here

public:
    // After an accepted re-send (the owner resets the password window's
    // attempt counter).
    std::function<void()> hasloDlgInit;
    // Negative: the controller could not be asked; otherwise bit 1 (2) busy
    // with a process, bit 0 (1) transmission lock on.
    std::function<int()> fnLockCheck;
    // A password from the prompt has been sent during this run.
    bool bylaBlokada = false;
    // Sets the text the user typed, or an empty text when cancelled.
    std::function<void(QString &)> fnPasswordInput;
    // 0 accepted, 66 wrong password, any other value: the transfer failed.
    std::function<int(const QString &)> fnUnlockPasswordSend;

private:
    int przebieg();
};
