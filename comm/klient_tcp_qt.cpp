// The TCP client on QTcpSocket, driven by its blocking waits: no event
// loop is needed, every wait is bounded by a deadline.
#include "klient_tcp.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QTcpSocket>

namespace {

class KlientTcpQt final : public IKlientTcp {
public:
    ~KlientTcpQt() override { gniazdo_.abort(); }

    bool polacz(const QString &host, quint16 port, int czasMs) override
    {
        gniazdo_.abort();
        if (!gniazdo_.bind(QHostAddress::AnyIPv4, 0))
            return false;
        gniazdo_.connectToHost(QHostAddress(host), port);
        if (!gniazdo_.waitForConnected(czasMs)) {
            gniazdo_.abort();
            return false;
        }
        return true;
    }

    bool polaczony() const override { return gniazdo_.state() == QAbstractSocket::ConnectedState; }

    void rozlacz() override { gniazdo_.abort(); }

    void ustawCzasOdczytu(int ms) override { czasOdczytu_ = ms; }
    int czasOdczytu() const override { return czasOdczytu_; }

    void zapisz(const QByteArray &dane) override
    {
        if (!polaczony())
            throw BladTcp("not connected");
        if (gniazdo_.write(dane) != dane.size())
            throw BladTcp(gniazdo_.errorString().toStdString());
        const QDeadlineTimer koniec(czasZapisuMs);
        while (gniazdo_.bytesToWrite() > 0) {
            if (koniec.hasExpired() || !polaczony())
                throw BladTcp("write failed");
            gniazdo_.waitForBytesWritten(int(koniec.remainingTime()));
        }
    }

    QByteArray czytaj(int n) override
    {
        QByteArray wynik;
        const QDeadlineTimer koniec(czasOdczytu_);
        while (wynik.size() < n) {
            if (gniazdo_.bytesAvailable() > 0) {
                wynik += gniazdo_.read(n - wynik.size());
                continue;
            }
            if (!polaczony())
                throw BladOdczytuTcp("connection closed");
            if (koniec.hasExpired())
                throw BladOdczytuTcp("read time-out");
            gniazdo_.waitForReadyRead(int(koniec.remainingTime()));
        }
        return wynik;
    }

    QByteArray czytajCoPrzyjdzie() override
    {
        const QDeadlineTimer koniec(czasOdczytu_);
        while (gniazdo_.bytesAvailable() == 0 && polaczony() && !koniec.hasExpired())
            gniazdo_.waitForReadyRead(int(koniec.remainingTime()));
        return gniazdo_.readAll();
    }

private:
    // Loopback and a LAN take a frame at once; this only bounds a stuck peer.
    static constexpr int czasZapisuMs = 2000;
    QTcpSocket gniazdo_;
    int czasOdczytu_ = 700;
};

} // namespace

std::unique_ptr<IKlientTcp> nowyKlientTcp() { return std::make_unique<KlientTcpQt>(); }
