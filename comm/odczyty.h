// The live readings (TOdczyty) from the reply to command F 0x01, the same
// bytes over RS-485 and TCP/IP.
#pragma once

#include "rekordy_we_wy.h"

#include <QByteArray>

// The 171-byte reply frame (data from byte 5). Fields the reply does not
// carry keep their values; stan2 and SekundaCyklu become 0. The version
// is the 24-bit value of data bytes 0..2.
void rozpakujOdczyty(const QByteArray &odp, TOdczyty &o);
constexpr int dlOdpowiedziOdczytow = 171;
