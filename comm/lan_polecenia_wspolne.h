// What the TCP/IP callbacks share: one exchange, one block read, one block
// frame and the write session around the block frames.
#pragma once

#include "kodek.h"
#include "lan.h"

#include <QByteArray>

#include <cstring>
#include <functional>
#include <initializer_list>

namespace lan {

// Leaves the client's read time-out as it is.
constexpr int czasKlienta = 0;

// Sends one frame and reads exactly n reply bytes (czasMs > 0 sets the read
// time-out first): 0, 335 when the read failed, 336 when fewer came, 334
// when the frame could not be written.
int wymiana(IKlientTcp &tc, const TUstawieniaSterownika &ust, char komenda, uint8_t podkomenda, const QByteArray &dane,
            int czasMs, int n, QByteArray &odp);
// Command 72 for the block o; on success `dane` holds the reply's data
// part, o.dlOdczytu bytes.
int czytajBlok(IKlientTcp &tc, const TUstawieniaSterownika &ust, const OpisBloku &o, const QByteArray &zapytanie,
               int czasMs, QByteArray &dane);
// One frame of command 73 with its 7-byte acknowledgement. An empty block
// (the codec refused it) is not sent: 334.
int wyslijBlok(IKlientTcp &tc, const TUstawieniaSterownika &ust, uint8_t podkomenda, const QByteArray &blok,
               int czasMs);
// Unless `wSesji`: opens a session first (its failure returned at once) and
// closes it after blocks that succeeded; a failed block keeps it open.
int zapisWSesji(IKlientTcp &tc, const TUstawieniaSterownika &ust, bool wSesji, const std::function<int()> &bloki);

// One block frame inside the session pattern; an empty block (the codec
// refused the record) sends nothing at all: 334.
int zapiszBlok(IKlientTcp &tc, const TUstawieniaSterownika &ust, bool wSesji, uint8_t podkomenda,
               const QByteArray &blok, int czasMs);

// The data part of a reply frame.
inline QByteArray daneOdpowiedzi(const QByteArray &odp, int dlDanych) { return odp.mid(5, dlDanych); }

inline QByteArray bajty(std::initializer_list<int> b)
{
    QByteArray r;
    for (const int v : b)
        r.append(char(v & 0xFF));
    return r;
}

// Runs f and turns any exception into 334.
int bezWyjatku(const std::function<int()> &f);

// Zeroes the record, reads the block and decodes it with `rozpakuj`
// (bool or void (const QByteArray &dane, R &rekord)).
template <class R, class F>
int czytajRekord(IKlientTcp &tc, const TUstawieniaSterownika &ust, const OpisBloku &o, const QByteArray &zapytanie,
                 int czasMs, R &rekord, F rozpakuj)
{
    std::memset(&rekord, 0, sizeof rekord);
    return bezWyjatku([&] {
        QByteArray dane;
        const int w = czytajBlok(tc, ust, o, zapytanie, czasMs, dane);
        if (w == 0)
            rozpakuj(dane, rekord);
        return w;
    });
}

} // namespace lan
