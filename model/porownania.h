// Comparers of what was read back from the controller with the project:
// they skip the reserved bytes and gaps the controller does not keep.
#pragma once

#include "rekordy_projekt.h"

#include <QByteArray>

#include <cstdint>
#include <span>

// Equal element counts and equal elements; two empty arrays are equal.
bool porownajBajty(std::span<const uint8_t> a, std::span<const uint8_t> b);
bool porownajBajty(const QByteArray &a, const QByteArray &b);
bool porownajSlowa(std::span<const uint16_t> a, std::span<const uint16_t> b);
bool porownajSlowa(std::span<const int16_t> a, std::span<const int16_t> b);
bool porownajLiczby(std::span<const int32_t> a, std::span<const int32_t> b);

// Everything but `rezerwa`.
bool porownajAlarm(const vxt_alarm_konfiguracja_t &a, const vxt_alarm_konfiguracja_t &b);
// Everything but the reserved byte 19 and the PID block's reserve.
bool porownajDefPrzekaznika(const TDefinicjaPrzekaznika &a, const TDefinicjaPrzekaznika &b);
// Everything but the two reserved bytes `r`.
bool porownajCzasyDef(const vxt_pid_t &a, const vxt_pid_t &b);
