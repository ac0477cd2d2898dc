// A blocking TCP client, the one the TCP/IP transport talks through: it
// connects with a time-out, writes a byte block and reads an exact number
// of bytes within its read time-out. Every call blocks the calling thread
// (the program is synchronous); nothing is kept between connections.
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <stdexcept>

// Writing failed or the client is not connected.
class BladTcp : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A read ended before its bytes came: the read time-out passed or the
// connection closed.
class BladOdczytuTcp : public BladTcp {
public:
    using BladTcp::BladTcp;
};

class IKlientTcp {
public:
    virtual ~IKlientTcp() = default;

    // Connects from the local address 0.0.0.0; false when the connection is
    // not up within czasMs.
    virtual bool polacz(const QString &host, quint16 port, int czasMs) = 0;
    virtual bool polaczony() const = 0;

    // [ms] for every read that follows.
    virtual void ustawCzasOdczytu(int ms) = 0;
    virtual int czasOdczytu() const = 0;

    // The whole block, or BladTcp.
    virtual void zapisz(const QByteArray &dane) = 0;
    // Exactly n bytes, or BladOdczytuTcp; bytes beyond n stay unread.
    virtual QByteArray czytaj(int n) = 0;
    // Whatever arrives within the read time-out (empty when nothing came).
    virtual QByteArray czytajCoPrzyjdzie() = 0;
};

// The system's client (QTcpSocket).
std::unique_ptr<IKlientTcp> nowyKlientTcp();
