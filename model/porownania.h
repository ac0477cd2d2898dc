// Comparers of what was read back from the controller with the project:
// they skip the reserved bytes and gaps the controller does not keep.
//
// Records are packed, so a pointer, reference or span to one of their
// 16- or 32-bit fields may be misaligned. The comparers therefore work on
// bytes or on copies: arrays of wider values are taken out of a record with
// kopiaTablicy, which copies them through the record's bytes.
#pragma once

#include "rekordy_projekt.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <type_traits>

// A compared block: equal, different, or not compared because it could not
// be read (never "equal"). The values are those the transfer window shows.
enum class WynikPorownania : int { NieOdczytany = -1, Rowne = 0, Rozne = 1 };

// Not read when `odczytany` is false (the comparer does not run), else
// equal or different as `rowne` answers.
WynikPorownania wynikPorownania(bool odczytany, const std::function<bool()> &rowne);

// Equal element counts and equal elements, for arrays of any element type.
template <class T, size_t N, size_t M>
bool porownajTablice(const std::array<T, N> &a, const std::array<T, M> &b)
{
    if constexpr (N != M)
        return false;
    else
        return a == b;
}

template <size_t N, size_t M>
bool porownajSlowa(const std::array<int16_t, N> &a, const std::array<int16_t, M> &b)
{
    return porownajTablice(a, b);
}

template <size_t N, size_t M>
bool porownajLiczby(const std::array<int32_t, N> &a, const std::array<int32_t, M> &b)
{
    return porownajTablice(a, b);
}

// N values of type T from byte `od` of a record, copied through its bytes:
// kopiaTablicy<int16_t, 8, offsetof(tdanedodatki, dodatki_max)>(dodatki).
template <class T, size_t N, size_t od, class R>
std::array<T, N> kopiaTablicy(const R &rekord)
{
    static_assert(std::is_trivially_copyable_v<R> && std::is_trivially_copyable_v<T>);
    static_assert(od + N * sizeof(T) <= sizeof(R), "the array lies outside the record");
    std::array<T, N> kopia;
    std::memcpy(kopia.data(), reinterpret_cast<const unsigned char *>(&rekord) + od, sizeof kopia);
    return kopia;
}

// Everything but `rezerwa`.
bool porownajAlarm(const vxt_alarm_konfiguracja_t &a, const vxt_alarm_konfiguracja_t &b);
// Everything but the reserved byte 19 and the PID block's reserve.
bool porownajDefPrzekaznika(const TDefinicjaPrzekaznika &a, const TDefinicjaPrzekaznika &b);
// Everything but the two reserved bytes `r`.
bool porownajCzasyDef(const vxt_pid_t &a, const vxt_pid_t &b);
