// Conversions of the fixed 50-unit names.
#pragma once

#include "rekordy_we_wy.h"

#include <QString>

// The first min(length, 50) code units; the rest zero.
void tekstNaNazwe50(const QString &tekst, TNazwa50char &nazwa);
TNazwa50char tekstNaNazwe50(const QString &tekst);
// Every non-zero unit in order, then leading and trailing blanks trimmed.
QString nazwa50NaTekst(const TNazwa50char &nazwa);
// The same for any array of 16-bit units.
QString nazwaNaTekst(const char16_t *znaki, int ile);
// Trims code units <= U+0020 at both ends (not all Unicode white space).
QString przytnij(const QString &tekst);
