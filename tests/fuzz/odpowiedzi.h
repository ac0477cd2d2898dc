// The fake controller of the RS-485 and TCP/IP targets: its reply to one
// request, read from the fuzz input. A reply is a kind byte and the bytes
// the kind needs:
//   0 nothing                      5 complete, from another address
//   1 complete: [data...]          6 complete, then cut short: [cut]
//   2 of a length: [L-7 (2 bytes)] [data...]
//   3 raw bytes: [n][bytes...]     7 complete, then more: [n][bytes...]
//   4 complete, wrong CRC: [xor]   8 complete, another function echoed
//   9 complete behind a 0x00 (a converter's offset byte)
// "Complete" is a frame [address, function, sub-command, length (2 bytes,
// big-endian), data, CRC low, CRC high] of the length the reader asks for
// (at least 7 bytes), echoing the request's address, function and
// sub-command, with its data from the input (zeros past its end).
#pragma once

#include "fuzz.h"

#include "rekordy_projekt.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

// `zapytanie`: the bus frame of the request, address first; `oczekiwana`:
// the bytes the reader asks for (0: not known).
QByteArray odpowiedzZWejscia(Wejscie &we, const QByteArray &zapytanie, int oczekiwana);

// Seed pieces, one reply each.
QByteArray odpowiedzPelna(const QByteArray &dane);
QByteArray odpowiedzDlugosci(int dlugosc, const QByteArray &dane);
QByteArray odpowiedzZlegoCrc();
// A block as the data of a reply of `dlugosc` data bytes.
QByteArray daneBloku(const QByteArray &blok, int dlugosc);
std::vector<QByteArray> jednaOdpowiedz(const QByteArray &dane);
// A write in a session of its own: open, the blocks, close.
std::vector<QByteArray> odpowiedziSesji(int blokow = 1);

// One command of the RS-485 or TCP/IP target: the call (its arguments
// from the input, its own checks) and, for the seeds, the complete replies
// it needs with the argument bytes all zero.
template <class Proba>
struct Polecenie {
    const char *nazwa;
    std::function<int(Proba &)> wykonaj;
    std::function<std::vector<QByteArray>(const TProjektVXTNew &, const TProjektDodatkiMycie &)> odpowiedzi;
};

template <class Proba>
QString tekst(const Proba &p, int w)
{
    return QStringLiteral("%1 gave %2").arg(QLatin1String(p.nazwa)).arg(w);
}

// A record to send: any bytes, from the input's argument bytes.
template <class T, class Proba>
std::unique_ptr<T> doWyslania(const Proba &p)
{
    return std::make_unique<T>(rekordLosowy<T>(p.los));
}

// A reply with the right CRC and the request's address (its length is the
// reader's to check).
bool ramkaPoprawna(const QByteArray &odpowiedz, const QByteArray &zapytanie);
