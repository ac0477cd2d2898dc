#include "porownania.h"

namespace {

// Bytes [od, do) of two records.
template <typename R>
bool rowneBajty(const R &a, const R &b, size_t od, size_t doo)
{
    return std::memcmp(reinterpret_cast<const char *>(&a) + od, reinterpret_cast<const char *>(&b) + od, doo - od) == 0;
}

} // namespace

WynikPorownania wynikPorownania(bool odczytany, const std::function<bool()> &rowne)
{
    if (!odczytany)
        return WynikPorownania::NieOdczytany;
    return rowne() ? WynikPorownania::Rowne : WynikPorownania::Rozne;
}

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
