#include "port_qt.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

QString powodBledu(QSerialPort &port, const QString &urzadzenie)
{
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return QCoreApplication::translate("PortQt", "urządzenie nie istnieje");
    case QSerialPort::PermissionError:
        // Qt reports a busy port the same way as missing rights.
        if (::access(QFile::encodeName(urzadzenie).constData(), R_OK | W_OK) != 0 && errno == EACCES)
            return QCoreApplication::translate("PortQt", "brak uprawnień (użytkownik musi należeć do grupy dialout)");
        return QCoreApplication::translate("PortQt", "port jest zajęty przez inny program");
    default:
        return port.errorString();
    }
}

} // namespace

PortQt::PortQt() = default;

PortQt::~PortQt() { zamknij(); }

bool PortQt::otworz(const QString &urzadzenie, int baud, QString *powod)
{
    zamknij();
    port_.setPortName(urzadzenie);
    if (!port_.open(QIODevice::ReadWrite)) {
        if (powod)
            *powod = powodBledu(port_, urzadzenie);
        port_.clearError();
        return false;
    }
    const bool ustawiony = port_.setBaudRate(baud) && port_.setDataBits(QSerialPort::Data8) &&
                           port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::TwoStop) &&
                           port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!ustawiony) {
        if (powod)
            *powod = port_.errorString();
        port_.close();
        port_.clearError();
        return false;
    }
    ustawDTR(false);
    ustawRTS(false); // receive until a manual-direction transmission raises it
    return true;
}

void PortQt::zamknij()
{
    if (port_.isOpen())
        port_.close();
    port_.clearError();
}

bool PortQt::otwarty() const { return port_.isOpen(); }

bool PortQt::ustawBrakParzystosci() { return port_.isOpen() && port_.setParity(QSerialPort::NoParity); }

bool PortQt::wyczyscBufory() { return port_.isOpen() && port_.clear(QSerialPort::AllDirections); }

bool PortQt::czekajNaZapis(qint64 ile)
{
    // Write time-out: 999 ms plus 9 ms per byte.
    QElapsedTimer t;
    t.start();
    const qint64 limit = 999 + 9 * ile;
    while (port_.bytesToWrite() > 0) {
        const qint64 zostalo = limit - t.elapsed();
        if (zostalo <= 0 || !port_.waitForBytesWritten(int(zostalo)))
            break;
    }
    return port_.bytesToWrite() == 0;
}

qint64 PortQt::zapisz(const QByteArray &dane)
{
    if (!port_.isOpen())
        return -1;
    const qint64 przyjete = port_.write(dane);
    if (przyjete < 0) {
        port_.clearError();
        return -1;
    }
    czekajNaZapis(przyjete);
    const qint64 wyslane = przyjete - port_.bytesToWrite();
    port_.clearError();
    return wyslane;
}

bool PortQt::zapiszZnak(char znak)
{
    if (!port_.isOpen() || port_.write(&znak, 1) != 1) {
        port_.clearError();
        return false;
    }
    const bool ok = czekajNaZapis(1);
    port_.clearError();
    return ok;
}

bool PortQt::oproznij()
{
    if (!port_.isOpen())
        return false;
    if (!czekajNaZapis(port_.bytesToWrite()))
        return false;
    int w;
    do {
        w = ::tcdrain(int(port_.handle()));
    } while (w != 0 && errno == EINTR);
    return w == 0;
}

void PortQt::ustawRTS(bool stan)
{
    if (port_.isOpen())
        port_.setRequestToSend(stan);
    port_.clearError();
}

void PortQt::ustawDTR(bool stan)
{
    if (port_.isOpen())
        port_.setDataTerminalReady(stan);
    port_.clearError();
}

QByteArray PortQt::czytaj(int n, int calkowityMs, int odstepMs)
{
    QByteArray wynik;
    if (!port_.isOpen() || n <= 0)
        return wynik;
    QElapsedTimer t;
    t.start();
    qint64 ostatni = 0; // when the last byte came in
    while (wynik.size() < n) {
        if (port_.bytesAvailable() > 0) {
            wynik += port_.read(n - wynik.size());
            ostatni = t.elapsed();
            continue;
        }
        qint64 zostalo = calkowityMs - t.elapsed();
        if (odstepMs > 0 && !wynik.isEmpty())
            zostalo = std::min(zostalo, odstepMs - (t.elapsed() - ostatni));
        if (zostalo <= 0)
            break;
        if (!port_.waitForReadyRead(int(zostalo))) {
            const bool przeterminowany =
                port_.error() == QSerialPort::TimeoutError || port_.error() == QSerialPort::NoError;
            port_.clearError();
            if (!przeterminowany)
                break; // the device went away
        }
    }
    return wynik;
}
