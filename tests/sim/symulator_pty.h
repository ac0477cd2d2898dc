// The simulator's serial front: a pseudo-terminal whose slave end the link
// opens like any serial device. A thread of its own reads request frames
// from the master end and writes the controller's replies, faults applied.
//
// The link opens the slave through a link of this start's own in a private
// folder, not as /dev/pts/N. A serial port takes a lock file named after
// the path it opens and removes it just after closing the device, and the
// kernel gives a freed pty number to the next pty any process opens. When
// a simulator stops before the port on it closes, the port's close frees
// the number a moment before its lock goes; a test process whose pty gets
// that number meanwhile finds its port busy. A name of its own meets no
// other process's lock, and a port that opens it again after the stop
// finds no device instead of a stranger's pty.
#pragma once

#include "sterownik_sym.h"
#include "usterki.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class SymulatorPty {
public:
    SymulatorPty(SterownikSym &sterownik, PlanUsterek &usterki);
    ~SymulatorPty();

    bool uruchom(QString *blad = nullptr);
    void zatrzymaj();
    // The device path the link opens: the link to the slave, e.g.
    // "/tmp/kvor-pty-Ab12Cd/tty" to /dev/pts/4; gone once stopped.
    QString sciezka() const { return sciezka_; }

    // Paces replies like a wire at the baud rate the link set (8N2):
    // the reply starts when the request would have arrived.
    void ustawTempoLacza(bool tak) { tempo_ = tak; }

    // Every request frame received, in order.
    std::vector<QByteArray> ramki() const;
    QByteArray ostatniaRamka() const;
    void wyczyscRamki();
    // Waits until no reply is being written (false after ms).
    bool czekajNaBezczynnosc(int ms);

    // Called from the simulator thread after each request (request, bytes sent).
    std::function<void(const QByteArray &, const QByteArray &)> naRamke;

private:
    using Zegar = std::chrono::steady_clock;
    void petla();
    void obsluzRamke(const QByteArray &ramka, Zegar::time_point poczatek);
    void wyslij(const Wysylka &w, Zegar::time_point start);
    bool spijDo(Zegar::time_point t); // false when stopping
    void zapisz(const char *dane, qsizetype n);
    int baud() const;

    SterownikSym &sterownik_;
    PlanUsterek &usterki_;
    int master_ = -1;
    int slave_ = -1;                         // held open so the master never sees a hang-up
    int stop_ = -1;                          // eventfd
    std::unique_ptr<QTemporaryDir> katalog_; // holds the link
    QString sciezka_;
    std::thread watek_;
    std::atomic<bool> zatrzymany_{false};
    std::atomic<bool> tempo_{false};

    mutable std::mutex m_;
    std::condition_variable bezczynny_;
    bool zajety_ = false;
    std::vector<QByteArray> ramki_;
};
