// The longest stretch the event loop went without a turn while a piece of
// work ran: a zero-interval timer fires at every turn, also at every pass
// of a wait that processes messages; the longest gap between two firings,
// the start and the end of the work included, is the stall the window saw.
#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

class MiernikZastojow {
public:
    MiernikZastojow()
    {
        t_.setInterval(0);
        QObject::connect(&t_, &QTimer::timeout, [this] { tura(); });
    }
    void start()
    {
        najdluzszy_ = 0;
        tur_ = 0;
        e_.start();
        ostatnia_ = 0;
        t_.start();
    }
    // The longest stall [ms] since start().
    double stop()
    {
        tura();
        t_.stop();
        return najdluzszy_;
    }
    long tur() const { return tur_; }

private:
    void tura()
    {
        const double teraz = double(e_.nsecsElapsed()) / 1e6;
        najdluzszy_ = std::max(najdluzszy_, teraz - ostatnia_);
        ostatnia_ = teraz;
        ++tur_;
    }

    QTimer t_;
    QElapsedTimer e_;
    double ostatnia_ = 0;
    double najdluzszy_ = 0;
    long tur_ = 0;
};
