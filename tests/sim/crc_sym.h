// The simulator's own CRC-16/MODBUS (seed 0xFFFF, reflected polynomial
// 0xA001, low byte first on the wire), table-driven and apart from the
// program's, so the frames and the unlock password are checked against an
// implementation the program does not share.
#pragma once

#include <QByteArray>

#include <cstdint>

uint16_t crcSym(const QByteArray &dane);
// Appends the CRC of the frame so far.
void dopiszCrcSym(QByteArray &ramka);
// A frame of at least 3 bytes whose last two are the CRC of the rest.
bool dobreCrcSym(const QByteArray &ramka);
// Recomputes the last two bytes of a frame of at least 2 bytes.
void przeliczCrcSym(QByteArray &ramka);
