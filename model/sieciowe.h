// The controller's network settings.
#pragma once

#include "rekordy_we_wy.h"

#include <cstdint>

// a.b.c.d as a * 2^24 + b * 2^16 + c * 2^8 + d.
constexpr uint32_t adresIp(uint8_t a, uint8_t b, uint8_t c, uint8_t d)
{
    return uint32_t(a) << 24 | uint32_t(b) << 16 | uint32_t(c) << 8 | d;
}

// The defaults of a new project: all zero, then 192.168.0.248, mask
// 255.255.255.0, gateway 192.168.0.1.
void initSieciowe(TSieciowe &s);
