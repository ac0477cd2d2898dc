#include "port_qt.h"

#include "wymiana.h"
#include "zegar.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <sys/ioctl.h>
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

bool PortQt::udane(bool ok)
{
    if (!ok)
        sprawdzUrzadzenie();
    return ok;
}

bool PortQt::ustawBrakParzystosci() { return port_.isOpen() && udane(port_.setParity(QSerialPort::NoParity)); }

bool PortQt::wyczyscBufory() { return port_.isOpen() && udane(port_.clear(QSerialPort::AllDirections)); }

bool PortQt::sprawdzUrzadzenie()
{
    // The device went away (an adapter unplugged, the other end of a pty
    // closed): the descriptor is dead for good. Closed, the port opens
    // again at the next exchange, when the adapter may be back.
    const QSerialPort::SerialPortError blad = port_.error();
    port_.clearError();
    if (blad != QSerialPort::ResourceError && blad != QSerialPort::ReadError && blad != QSerialPort::WriteError)
        return true;
    port_.close();
    port_.clearError();
    return false;
}

bool PortQt::czekajNaZapis(qint64 ile)
{
    // Write time-out: 999 ms plus 9 ms per byte.
    QElapsedTimer t;
    t.start();
    const qint64 limit = 999 + 9 * ile;
    while (port_.isOpen() && port_.bytesToWrite() > 0) {
        const qint64 zostalo = limit - t.elapsed();
        if (zostalo <= 0)
            break;
        if (!port_.waitForBytesWritten(int(std::min<qint64>(zostalo, plasterekCzekaniaMs))) && !sprawdzUrzadzenie())
            return false;
        ozywOkna();
    }
    return port_.isOpen() && port_.bytesToWrite() == 0;
}

qint64 PortQt::zapisz(const QByteArray &dane)
{
    if (!port_.isOpen())
        return -1;
    const TrwaWymiana trwa;
    const qint64 przyjete = port_.write(dane);
    if (przyjete < 0) {
        sprawdzUrzadzenie();
        return -1;
    }
    if (!czekajNaZapis(przyjete))
        return port_.isOpen() ? przyjete - port_.bytesToWrite() : 0;
    return przyjete;
}

bool PortQt::zapiszZnak(char znak)
{
    if (!port_.isOpen())
        return false;
    const TrwaWymiana trwa;
    if (port_.write(&znak, 1) != 1) {
        sprawdzUrzadzenie();
        return false;
    }
    return czekajNaZapis(1);
}

bool PortQt::oproznij()
{
    if (!port_.isOpen())
        return false;
    const TrwaWymiana trwa;
    if (!czekajNaZapis(port_.bytesToWrite()))
        return false;
    // The driver's queue empties at the wire's pace (a second at 9600 baud
    // for the largest frame): waited in slices, the last bits by tcdrain.
    const int fd = int(port_.handle());
    QElapsedTimer t;
    t.start();
    int wKolejce = 0;
    while (::ioctl(fd, TIOCOUTQ, &wKolejce) == 0 && wKolejce > 0 && t.elapsed() < czasOproznianiaMs) {
        QThread::msleep(1);
        ozywOkna();
    }
    int w;
    do {
        w = ::tcdrain(fd);
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
    const TrwaWymiana trwa;
    QElapsedTimer t;
    t.start();
    qint64 ostatni = 0; // when the last byte came in
    while (wynik.size() < n && port_.isOpen()) {
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
        if (!port_.waitForReadyRead(int(std::min<qint64>(zostalo, plasterekCzekaniaMs))) && !sprawdzUrzadzenie())
            break;
        ozywOkna();
    }
    return wynik;
}
