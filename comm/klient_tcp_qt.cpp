// The TCP client on QTcpSocket. Every wait is bounded by a deadline and
// waits in short slices with messages processed between them, so the
// windows stay alive while a controller is silent or unreachable. The
// connection is made on a socket of its own (a QTcpSocket waiting for its
// connection gives up at the first slice that ends) and handed over once up.
#include "klient_tcp.h"

#include "wymiana.h"
#include "zegar.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QTcpSocket>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

int plasterek(const QDeadlineTimer &koniec)
{
    return int(std::clamp<qint64>(koniec.remainingTime(), 0, plasterekCzekaniaMs));
}

// A non-blocking socket connected from 0.0.0.0 within czasMs, or -1.
int polaczGniazdo(const QHostAddress &adres, quint16 port, int czasMs)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    const auto porzuc = [fd] {
        ::close(fd);
        return -1;
    };
    // The port is taken at connect time, not by the bind: a bound port is
    // held for a whole time-wait after its connection, and a run of short
    // connections (a connection per record) would use up the free ports.
    const int tak = 1;
    ::setsockopt(fd, IPPROTO_IP, IP_BIND_ADDRESS_NO_PORT, &tak, sizeof tak);
    sockaddr_in lokalny{};
    lokalny.sin_family = AF_INET;
    lokalny.sin_addr.s_addr = htonl(INADDR_ANY);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&lokalny), sizeof lokalny) != 0)
        return porzuc();
    sockaddr_in zdalny{};
    zdalny.sin_family = AF_INET;
    zdalny.sin_port = htons(port);
    zdalny.sin_addr.s_addr = htonl(adres.toIPv4Address());
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&zdalny), sizeof zdalny) == 0)
        return fd;
    if (errno != EINPROGRESS)
        return porzuc();
    const QDeadlineTimer koniec(std::max(czasMs, 0));
    for (;;) {
        pollfd p{fd, POLLOUT, 0};
        const int w = ::poll(&p, 1, plasterek(koniec));
        if (w > 0)
            break;
        if (w < 0 && errno != EINTR)
            return porzuc();
        if (koniec.hasExpired())
            return porzuc();
        ozywOkna();
    }
    int blad = 0;
    socklen_t dl = sizeof blad;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &blad, &dl) != 0 || blad != 0)
        return porzuc();
    return fd;
}

class KlientTcpQt final : public IKlientTcp {
public:
    ~KlientTcpQt() override { gniazdo_.abort(); }

    bool polacz(const QString &host, quint16 port, int czasMs) override
    {
        gniazdo_.abort();
        const QHostAddress adres(host);
        if (adres.protocol() != QAbstractSocket::IPv4Protocol)
            return false;
        const TrwaWymiana trwa;
        const int fd = polaczGniazdo(adres, port, czasMs);
        if (fd < 0)
            return false;
        if (!gniazdo_.setSocketDescriptor(fd)) {
            ::close(fd);
            return false;
        }
        return true;
    }

    bool polaczony() const override { return gniazdo_.state() == QAbstractSocket::ConnectedState; }

    // A negative time-out waits for nothing (a deadline timer would take it
    // as "forever").
    void ustawCzasOdczytu(int ms) override { czasOdczytu_ = std::max(ms, 0); }
    int czasOdczytu() const override { return czasOdczytu_; }

    void zapisz(const QByteArray &dane) override
    {
        if (!polaczony())
            throw BladTcp("not connected");
        const TrwaWymiana trwa;
        if (gniazdo_.write(dane) != dane.size())
            throw BladTcp(gniazdo_.errorString().toStdString());
        const QDeadlineTimer koniec(czasZapisuMs);
        while (gniazdo_.bytesToWrite() > 0) {
            if (koniec.hasExpired() || !polaczony())
                throw BladTcp("write failed");
            gniazdo_.waitForBytesWritten(plasterek(koniec));
            ozywOkna();
        }
    }

    QByteArray czytaj(int n) override
    {
        const TrwaWymiana trwa;
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
            gniazdo_.waitForReadyRead(plasterek(koniec));
            ozywOkna();
        }
        return wynik;
    }

    QByteArray czytajCoPrzyjdzie() override
    {
        const TrwaWymiana trwa;
        const QDeadlineTimer koniec(czasOdczytu_);
        while (gniazdo_.bytesAvailable() == 0 && polaczony() && !koniec.hasExpired()) {
            gniazdo_.waitForReadyRead(plasterek(koniec));
            ozywOkna();
        }
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
