// The controller's logo in its raw form: a 16-byte header and 600 x 128
// pixels of four bytes (blue, green, red, alpha), row by row from the top.
// The same bytes go to the controller page by page and into "USB/logo.new".
#pragma once

#include <QByteArray>
#include <QImage>

#include <cstddef>
#include <cstdint>

constexpr int szerokoscLogo = 600;
constexpr int wysokoscLogo = 128;
constexpr int rozmiarPikseliLogo = szerokoscLogo * wysokoscLogo * 4; // 307,200
constexpr uint32_t znacznikLogo = 0x12345678;

#pragma pack(push, 1)
struct TBufferHeader {
    int32_t header; // znacznikLogo
    int32_t size;   // pixel bytes
    uint16_t width;
    uint16_t height;
    uint16_t crc; // CRC-16/MODBUS of the pixel bytes
    uint16_t suffix;
};
#pragma pack(pop)

static_assert(sizeof(TBufferHeader) == 16);
static_assert(offsetof(TBufferHeader, size) == 4);
static_assert(offsetof(TBufferHeader, width) == 8);
static_assert(offsetof(TBufferHeader, crc) == 12);
static_assert(offsetof(TBufferHeader, suffix) == 14);

constexpr int rozmiarObrazuLogo = int(sizeof(TBufferHeader)) + rozmiarPikseliLogo; // 307,216

// The pixel bytes of a 600 x 128 picture. With wlasnaAlfa each pixel keeps
// the picture's own alpha when the picture has an alpha channel; every
// other pixel is opaque (255). A picture of another size gives zero bytes
// outside it.
QByteArray pikseleZObrazu(const QImage &obraz, bool wlasnaAlfa);

// Header and pixels, 307,216 bytes. wyczysc: an all-zero picture (the
// controller's logo cleared), its header carrying the CRC of the zeros.
QByteArray przygotujDaneLogo(const QImage &obraz, bool wlasnaAlfa, bool wyczysc);
