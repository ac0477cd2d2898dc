// CRC-16/MODBUS: seed 0xFFFF, reflected polynomial 0xA001; frames append
// it low byte first.
#pragma once

#include <QByteArray>

#include <cstdint>

// CRC over the first n bytes of data (n is clamped to the data's size).
uint16_t obliczCRC16(const QByteArray &dane, qsizetype n);
// The same loop continued from a previous value (data handed over in parts).
uint16_t obliczCRC16Dalej(uint16_t start, const QByteArray &dane, qsizetype n);
// CRC over the first n bytes of a byte array.
uint16_t crcBajtow(qsizetype n, const uint8_t *bajty);
uint16_t crcBajtowDalej(uint16_t start, qsizetype n, const uint8_t *bajty);
