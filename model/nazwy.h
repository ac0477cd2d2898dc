// Conversions of the fixed 50-unit names.
#pragma once

#include "rekordy_we_wy.h"

#include <QString>

// The first min(length, 50) code units; the rest zero.
void tekstNaNazwe50(const QString &tekst, TNazwa50char &nazwa);
TNazwa50char tekstNaNazwe50(const QString &tekst);
// A name read from a file or a controller ends at its first zero unit; the
// units after it are not part of the name.
//
// The units up to the first zero unit (all of them when there is none),
// blanks kept.
QString nazwaDoZera(const TNazwa50char &nazwa);
// The same, then leading and trailing blanks trimmed.
QString nazwa50NaTekst(const TNazwa50char &nazwa);
// The same for any array of 16-bit units.
QString nazwaNaTekst(const char16_t *znaki, int ile);
// The first `ile` units as they stand, a leading byte-order mark included.
QString jednostkiNaTekst(const char16_t *znaki, qsizetype ile);
// Trims code units <= U+0020 at both ends (not all Unicode white space).
QString przytnij(const QString &tekst);
