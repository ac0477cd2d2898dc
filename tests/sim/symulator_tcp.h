// The simulator's network front: a listener on a loopback address (port
// 9901 unless told otherwise) that takes the TCP/IP frames [serial number,
// bus frame], stays silent for another serial number and answers from the
// same SterownikSym as the pty, with the same fault plan. A thread of its
// own answers, so a blocking client can talk to it from the test's thread.
// On top of the reply faults it breaks the connection itself: refused
// connects, a listener that never accepts, a connection dropped halfway
// through a reply.
#pragma once

#include "sterownik_sym.h"
#include "usterki.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

class SymulatorTcp {
public:
    enum class Tryb {
        Normalny,
        Odmowa,        // nothing listens: connects are refused
        BezAkceptacji, // a listener whose queue is full: connects time out
    };

    SymulatorTcp(SterownikSym &sterownik, PlanUsterek &usterki);
    ~SymulatorTcp();

    // Loopback addresses only (127.0.0.0/8).
    bool uruchom(const QString &adres = QStringLiteral("127.0.0.1"), quint16 port = 9901, QString *blad = nullptr);
    // On a random 127.x.y.z address not taken yet, so parallel runs never meet.
    bool uruchomNaWolnymAdresie(quint16 port = 9901, QString *blad = nullptr);
    void zatrzymaj();
    QString adres() const { return adres_; }
    quint16 port() const { return port_; }

    // Takes effect before it returns.
    void ustawTryb(Tryb t);
    // The next `ile` replies (PlanUsterek::zawsze: every one) end after half
    // their bytes with the connection closed.
    void zerwijPrzyOdpowiedzi(int ile = 1);

    // Every request frame as received (serial number included), in order.
    std::vector<QByteArray> ramki() const;
    void wyczyscRamki();
    // Connections accepted so far.
    int polaczen() const;

private:
    struct Polaczenie {
        int fd;
        QByteArray bufor;
    };
    void petla();
    bool zastosujTryb(Tryb t);
    bool otworzSluchacza(int kolejka);
    void zamknijSluchacza();
    void obsluzRamke(Polaczenie &p, const QByteArray &ramka);
    bool wyslij(int fd, const QByteArray &b, int opoznienieMs, int odstepMs);
    bool spij(int ms); // false when stopping
    void obudz();

    SterownikSym &sterownik_;
    PlanUsterek &usterki_;
    QString adres_;
    quint16 port_ = 0;
    int sluchacz_ = -1;
    int zapychacz_ = -1; // fills the queue of the listener that never accepts
    int budzik_ = -1;    // eventfd: stop or a mode change
    std::vector<Polaczenie> polaczenia_;
    std::thread watek_;
    std::atomic<bool> zatrzymany_{false};

    mutable std::mutex m_;
    std::condition_variable zmieniony_;
    Tryb tryb_ = Tryb::Normalny;
    Tryb zadanyTryb_ = Tryb::Normalny;
    int zerwan_ = 0;
    std::vector<QByteArray> ramki_;
    int polaczen_ = 0;
};
