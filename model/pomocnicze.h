// Small shared conversions: the hex, tenths, version and list texts of the
// windows, UTF-16 names as the bus carries them (low byte first), the
// one-byte names of the digital inputs, and the bytes of a number.
//
// Arguments named `indeks` are 0-based indexes of a byte array or buffer.
// No routine reads or writes outside the data it is given: counts are
// clamped.
#pragma once

#include "nazwy.h"
#include "rekordy_we_wy.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>

// ---- Texts ----

// Each byte as two lower-case hex digits and a blank ("01 a0 ").
QString tekstNaHex(const QByteArray &bajty);

// A value held in tenths as "%1.1f" of v / 10, with the current locale's
// decimal separator and no group separators (125 gives "12,5" in Polish).
QString tekstDziesiatych(qint64 v);
// v > 998: "%d.%d" of v div 1000 and v mod 1000 (1234 gives 1.234,
// 1000 gives 1.0); otherwise "%d.%2.2d" of v div 100 and v mod 100.
QString tekstWersji(int v);
// The characters before the first `znak` within the first 255; the whole
// text when it does not occur there.
QString tekstDoZnaku(const QString &tekst, QChar znak);
// Index of the first item equal to the text (case-sensitive), -1 if none.
int indeksTekstu(const QStringList &lista, const QString &tekst);
// The item at the index as an integer; the default when there is no such
// item or it is not an integer.
int liczbaZListy(const QStringList &lista, int indeks, int domyslna);
// Display name of a controller type text ("kvor350X..." gives "Kvor 350");
// empty for an unknown type.
QString nazwaDlaSymbolu(const QString &typ);

// ---- Names as 16-bit code units ----

// 2 * ile bytes: low and high byte of each of the first `ile` characters;
// positions past the text give zero bytes.
QByteArray tekstNaBajtyUtf16(const QString &tekst, int ile);
// The first min(length, ile, 16) characters as low, high bytes into `cel`
// (and no further than its end); the bytes after them are left alone.
void nazwaDoBufora16(const QString &tekst, std::span<uint8_t> cel, int ile);
// The first min(length, n, 230) bytes of the byte text over the record.
void bajtyDoWejsciaCyfrowego(const QByteArray &tekst, Tkvor350wejscieDwustanowe &we, int n);

// A length-prefixed one-byte text (length byte, then the characters in
// the Windows-1250 code page), such as `nazwa_str`. A length byte beyond
// the field reads as the whole field; the text ends at its first zero byte.
QString tekstJednobajtowy(std::span<const uint8_t> pole);
// Writes at most size - 1 characters and the length byte; the bytes after
// the text keep what they held.
void ustawTekstJednobajtowy(std::span<uint8_t> pole, const QString &tekst);

// ---- Numbers ----

// 4 bytes of the value, least significant first.
QByteArray liczbaNaTekst4(int32_t v);
