// Per-item transfers of the sections, below the windows, so that the
// whole-project transfer calls them as the editors do. Each works on a copy
// of the connection record with the section's read time-out, picks the
// transport by lan.LAN_ACTIVE (0: the RS-485 retrying facade, 1: the TCP/IP
// runner, anything else: no transfer and a failure) and shows exactly one
// "Brak komunikacji" when it fails.
#pragma once

#include "ustawienia_polaczenia.h"

#include <cstddef>
#include <functional>
#include <memory>

class TFormLan;

// Read time-outs of the per-item reads [ms].
constexpr int czasOdczytuSekcjiMs = 1000;
constexpr int czasOdczytuWejscCyfrowychMs = 1200;
constexpr int czasOdczytuZadanychMs = 1500;
constexpr int czasZapisuModulowMs = 2000;
// TCP/IP attempts of the per-item transfers.
constexpr int probyLanSekcji = 3;
// TCP/IP attempts to open and to close a send-all's write session.
constexpr int probyLanOtwarciaSesji = 2;
constexpr int probyLanZamknieciaSesji = 3;

using TPrzezRs485 = std::function<int(const TUstawieniaSterownika &u)>;
using TPrzezLan = std::function<int(TFormLan &lan, const TUstawieniaSterownika &u)>;

// One exchange of an item. czasOdczytuMs > 0 replaces the copy's read
// time-out (0: the caller's stays). Each function gets the prepared copy
// and returns a result code; without the runner TCP/IP fails as
// unreachable. True on 0.
bool przeslijPozycje(const TUstawieniaSterownika &ust, int czasOdczytuMs, const TPrzezRs485 &rs, const TPrzezLan &lan);

// A read into a scratch copy of the target, kept only on success: the
// transports clear their target first, and a failed read must not wipe
// the item (a read that keeps request fields in the record finds them in
// the copy).
template <class R, class Rs, class Lan>
bool czytajPozycje(R &cel, const TUstawieniaSterownika &ust, int czasOdczytuMs, Rs rs, Lan lan)
{
    // On the heap: a program is 16,916 bytes.
    auto kopia = std::make_unique<R>(cel);
    const bool ok = przeslijPozycje(
        ust, czasOdczytuMs, [&](const TUstawieniaSterownika &u) { return rs(*kopia, u); },
        [&](TFormLan &f, const TUstawieniaSterownika &u) { return lan(f, *kopia, u); });
    if (ok)
        cel = *kopia;
    return ok;
}

// The items of a list section, numbered 1.. as its list shows them: where
// item k lies in the section's array, and its read and send, which give the
// item its number on the wire. The section's list window and the
// whole-project transfer both go through it, so that each section says its
// numbering once, in its transfer file.
template <class R>
struct TPozycjeSekcji {
    int pierwszy; // the array's index of item 1 (steps: slot 1)
    // Item k into the record (kept as it was on failure).
    bool (*czytaj)(R &r, int k, const TUstawieniaSterownika &ust);
    // Item k; wSesji as the section's send takes it.
    bool (*wyslij)(const R &r, int k, bool wSesji, const TUstawieniaSterownika &ust);

    // Item k of the section's array.
    template <class T, size_t N>
    T &pozycja(T (&tablica)[N], int k) const
    {
        return tablica[k - 1 + pierwszy];
    }
};

// The write session of a send-all (silent; the caller reports).
bool otworzSesjeSekcji(const TUstawieniaSterownika &ust, int probyLan = probyLanOtwarciaSesji);
bool zamknijSesjeSekcji(const TUstawieniaSterownika &ust, int probyLan = probyLanZamknieciaSesji);

// The error box "Brak komunikacji".
void pokazBrakKomunikacji();
