#include "crc_sym.h"

#include <array>

namespace {

constexpr std::array<uint16_t, 256> tablica = [] {
    std::array<uint16_t, 256> t{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned r = i;
        for (int k = 0; k < 8; ++k)
            r = (r >> 1) ^ ((r & 1) ? 0xA001u : 0u);
        t[i] = uint16_t(r);
    }
    return t;
}();

uint16_t crc(const char *d, qsizetype n)
{
    uint16_t r = 0xFFFF;
    for (qsizetype i = 0; i < n; ++i)
        r = uint16_t((r >> 8) ^ tablica[(r ^ uint8_t(d[i])) & 0xFF]);
    return r;
}

} // namespace

uint16_t crcSym(const QByteArray &dane) { return crc(dane.constData(), dane.size()); }

void dopiszCrcSym(QByteArray &ramka)
{
    const uint16_t c = crcSym(ramka);
    ramka.append(char(c & 0xFF));
    ramka.append(char(c >> 8));
}

bool dobreCrcSym(const QByteArray &ramka)
{
    if (ramka.size() < 3)
        return false;
    const uint16_t c = crc(ramka.constData(), ramka.size() - 2);
    return uint8_t(ramka.at(ramka.size() - 2)) == (c & 0xFF) && uint8_t(ramka.at(ramka.size() - 1)) == (c >> 8);
}

void przeliczCrcSym(QByteArray &ramka)
{
    if (ramka.size() < 2)
        return;
    const uint16_t c = crc(ramka.constData(), ramka.size() - 2);
    ramka[ramka.size() - 2] = char(c & 0xFF);
    ramka[ramka.size() - 1] = char(c >> 8);
}
