#include "crc.h"

#include <algorithm>

uint16_t crcBajtowDalej(uint16_t crc, qsizetype n, const uint8_t *bajty)
{
    for (qsizetype i = 0; i < n; ++i) {
        crc ^= bajty[i];
        for (int b = 0; b < 8; ++b)
            crc = (crc & 1) ? uint16_t((crc >> 1) ^ 0xA001) : uint16_t(crc >> 1);
    }
    return crc;
}

uint16_t crcBajtow(qsizetype n, const uint8_t *bajty) { return crcBajtowDalej(0xFFFF, n, bajty); }

uint16_t obliczCRC16Dalej(uint16_t start, const QByteArray &dane, qsizetype n)
{
    n = std::clamp<qsizetype>(n, 0, dane.size());
    return crcBajtowDalej(start, n, reinterpret_cast<const uint8_t *>(dane.constData()));
}

uint16_t obliczCRC16(const QByteArray &dane, qsizetype n) { return obliczCRC16Dalej(0xFFFF, dane, n); }
