// Little-endian byte access for the block codec. Positions outside the
// array are ignored on write and read as 0, so a wrong offset can never
// touch memory outside the block (the unpackers check lengths up front).
#pragma once

#include "rekordy_we_wy.h"

#include <QByteArray>

#include <cstdint>

namespace kodek {

inline bool wZakresie(const QByteArray &b, qsizetype poz, qsizetype ile)
{
    return poz >= 0 && ile >= 0 && poz <= b.size() - ile;
}

inline void zapiszBajt(QByteArray &b, qsizetype poz, uint32_t v)
{
    if (wZakresie(b, poz, 1))
        b[poz] = char(v & 0xFF);
}

// Low 16 bits, low byte first.
inline void zapiszSlowo(QByteArray &b, qsizetype poz, uint32_t v)
{
    zapiszBajt(b, poz, v);
    zapiszBajt(b, poz + 1, v >> 8);
}

inline void zapiszSlowo32(QByteArray &b, qsizetype poz, uint32_t v)
{
    zapiszSlowo(b, poz, v);
    zapiszSlowo(b, poz + 2, v >> 16);
}

inline uint8_t bajt(const QByteArray &b, qsizetype poz) { return wZakresie(b, poz, 1) ? uint8_t(b[poz]) : 0; }

inline uint16_t slowo(const QByteArray &b, qsizetype poz) { return uint16_t(bajt(b, poz) | bajt(b, poz + 1) << 8); }

inline int16_t slowoZeZnakiem(const QByteArray &b, qsizetype poz) { return int16_t(slowo(b, poz)); }

inline uint32_t slowo32(const QByteArray &b, qsizetype poz)
{
    return uint32_t(slowo(b, poz)) | uint32_t(slowo(b, poz + 2)) << 16;
}

inline void zapiszBajty(QByteArray &b, qsizetype poz, const uint8_t *z, int ile)
{
    for (int i = 0; i < ile; ++i)
        zapiszBajt(b, poz + i, z[i]);
}

inline void czytajBajty(const QByteArray &b, qsizetype poz, uint8_t *do_, int ile)
{
    for (int i = 0; i < ile; ++i)
        do_[i] = bajt(b, poz + i);
}

// The first 'ile' units of a name, each low byte then high byte.
inline void zapiszNazwe(QByteArray &b, qsizetype poz, const TNazwa50char &n, int ile)
{
    for (int i = 0; i < ile && i < 50; ++i)
        zapiszSlowo(b, poz + 2 * i, n.z[i]);
}

// Units from 'poz' up to the first zero unit, at most 'ile', into a zeroed
// 50-unit name.
inline void czytajNazwe(const QByteArray &b, qsizetype poz, int ile, TNazwa50char &n)
{
    TNazwa50char wynik{};
    for (int i = 0; i < ile && i < 50; ++i) {
        const char16_t z = slowo(b, poz + 2 * i);
        if (z == 0)
            break;
        wynik.z[i] = z;
    }
    n = wynik;
}

// The name field of the section blocks (32 bytes): 15 units and a zero
// unit written, up to 16 units read.
constexpr int jednostekNazwy = 15;
constexpr int jednostekPolaNazwy = 16;

} // namespace kodek
