// IPortSzeregowy on QSerialPort; any device path works, ptys included.
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
    bool czekajNaZapis(qint64 ile);
    QSerialPort port_;
};
