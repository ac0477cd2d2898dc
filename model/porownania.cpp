#include "porownania.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

template <typename T>
bool rowne(std::span<const T> a, std::span<const T> b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

// Bytes [od, do) of two records.
template <typename R>
bool rowneBajty(const R &a, const R &b, size_t od, size_t doo)
{
    return std::memcmp(reinterpret_cast<const char *>(&a) + od, reinterpret_cast<const char *>(&b) + od, doo - od) == 0;
}

} // namespace

bool porownajBajty(std::span<const uint8_t> a, std::span<const uint8_t> b) { return rowne(a, b); }
bool porownajBajty(const QByteArray &a, const QByteArray &b) { return a == b; }
bool porownajSlowa(std::span<const uint16_t> a, std::span<const uint16_t> b) { return rowne(a, b); }
bool porownajSlowa(std::span<const int16_t> a, std::span<const int16_t> b) { return rowne(a, b); }
bool porownajLiczby(std::span<const int32_t> a, std::span<const int32_t> b) { return rowne(a, b); }

bool porownajAlarm(const vxt_alarm_konfiguracja_t &a, const vxt_alarm_konfiguracja_t &b)
{
    return rowneBajty(a, b, 0, offsetof(vxt_alarm_konfiguracja_t, rezerwa));
}

bool porownajCzasyDef(const vxt_pid_t &a, const vxt_pid_t &b) { return rowneBajty(a, b, 0, offsetof(vxt_pid_t, r)); }

bool porownajDefPrzekaznika(const TDefinicjaPrzekaznika &a, const TDefinicjaPrzekaznika &b)
{
    if (!rowneBajty(a, b, 0, offsetof(TDefinicjaPrzekaznika, rez)) ||
        !rowneBajty(a, b, offsetof(TDefinicjaPrzekaznika, offset), offsetof(TDefinicjaPrzekaznika, pid)))
        return false;
    const vxt_pid_t pa = a.pid, pb = b.pid;
    return porownajCzasyDef(pa, pb);
}
