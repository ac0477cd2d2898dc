// The serial port under the RS-485 link: the few operations the exchange
// needs, so tests can put a scripted port in its place.
#pragma once

#include <QByteArray>
#include <QString>

class IPortSzeregowy {
public:
    virtual ~IPortSzeregowy() = default;

    // Opens the device at the baud rate, 8 data bits, no parity, 2 stop
    // bits, no flow control, DTR off. On failure tells why in *powod.
    virtual bool otworz(const QString &urzadzenie, int baud, QString *powod) = 0;
    virtual void zamknij() = 0;
    virtual bool otwarty() const = 0;

    virtual bool ustawBrakParzystosci() = 0;
    // Discards both directions, the driver's queues included.
    virtual bool wyczyscBufory() = 0;
    // One block write; the count the port took over (-1 on failure).
    virtual qint64 zapisz(const QByteArray &dane) = 0;
    // One byte handed over on its own (manual direction switching).
    virtual bool zapiszZnak(char znak) = 0;
    // Waits until the last byte has left the transmitter.
    virtual bool oproznij() = 0;
    // Best effort: devices without modem lines (ptys) ignore them.
    virtual void ustawRTS(bool stan) = 0;
    virtual void ustawDTR(bool stan) = 0;

    // Reads up to n bytes: returns as soon as n are in, otherwise after
    // calkowityMs, or when more than odstepMs pass between two bytes
    // (odstepMs <= 0: no limit). Whatever arrived is returned.
    virtual QByteArray czytaj(int n, int calkowityMs, int odstepMs) = 0;
};
