// Bus frame: [address, function letter, sub-command, length (2 bytes
// big-endian, the whole frame with its CRC), payload, CRC-16 low, high].
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace magistrala {
constexpr char F = 'F'; // read a setting
constexpr char G = 'G'; // write a setting or give an order
constexpr char H = 'H'; // read a data block
constexpr char I = 'I'; // write a data block, open/close a write session
constexpr char J = 'J'; // update and logo pages
constexpr int naglowek = 5;
} // namespace magistrala

// The whole frame of payload length + 7 bytes.
QByteArray ZbudujRamke(int adres, char funkcja, uint8_t podkomenda, const QByteArray &dane = {});

// Appends the CRC-16 of everything so far, low byte first.
void dopiszCRC(QByteArray &ramka);
// True when the last two bytes are the CRC of the rest.
bool poprawneCRC(const QByteArray &ramka);
// A complete reply to the request: 4 for a wrong CRC, 10 for another
// address, else 0.
int sprawdzCRCiAdres(const QByteArray &zapytanie, const QByteArray &odpowiedz);

inline uint8_t bajt(const QByteArray &b, qsizetype i) { return uint8_t(b.at(i)); }
// Data byte k of a reply is reply byte 5 + k.
inline uint8_t daneBajt(const QByteArray &odp, qsizetype k) { return bajt(odp, magistrala::naglowek + k); }
inline uint16_t slowoLE(const QByteArray &b, qsizetype i) { return uint16_t(bajt(b, i) | bajt(b, i + 1) << 8); }
inline uint16_t slowoBE(const QByteArray &b, qsizetype i) { return uint16_t(bajt(b, i) << 8 | bajt(b, i + 1)); }
