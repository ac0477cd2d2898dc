// IPortSzeregowy on QSerialPort; any device path works, ptys included.
// Waits go in short slices with messages processed between them. An I/O
// error that means the device is gone closes the port, so that the next
// exchange opens it again.
#pragma once

#include "port_szeregowy.h"

#include <QSerialPort>

class PortQt final : public IPortSzeregowy {
public:
    PortQt();
    ~PortQt() override;

    bool otworz(const QString &urzadzenie, int baud, QString *powod) override;
    void zamknij() override;
    bool otwarty() const override;
    bool ustawBrakParzystosci() override;
    bool wyczyscBufory() override;
    qint64 zapisz(const QByteArray &dane) override;
    bool zapiszZnak(char znak) override;
    bool oproznij() override;
    void ustawRTS(bool stan) override;
    void ustawDTR(bool stan) override;
    QByteArray czytaj(int n, int calkowityMs, int odstepMs) override;

private:
    // Longest wait for the driver's queue to reach the wire [ms].
    static constexpr int czasOproznianiaMs = 5000;
    bool czekajNaZapis(qint64 ile);
    // False, and the port closed, after an error that leaves the device
    // unusable; clears the error either way.
    bool sprawdzUrzadzenie();
    // The result of a port operation; a failure may mean the device went away.
    bool udane(bool ok);
    QSerialPort port_;
};
