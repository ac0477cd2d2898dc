// Small shared conversions: byte texts (a QByteArray whose elements are the
// byte values of a frame or reply), UTF-16 names as the bus carries them
// (low byte first), words, bits, times of day as 16-bit seconds, and the
// version, hex and range texts of the windows.
//
// Arguments named `pozycja` are 1-based positions in a byte text; those
// named `indeks` are 0-based indexes of a byte array or buffer. No routine
// reads or writes outside the data it is given: counts are clamped, and the
// word readers take bytes past the data as 0.
#pragma once

#include "nazwy.h"
#include "rekordy_we_wy.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTime>

#include <cstdint>
#include <span>

// The bytes of a QByteArray as a writable buffer.
inline std::span<uint8_t> jakoBajty(QByteArray &b) { return {reinterpret_cast<uint8_t *>(b.data()), size_t(b.size())}; }
inline std::span<const uint8_t> jakoBajty(const QByteArray &b)
{
    return {reinterpret_cast<const uint8_t *>(b.constData()), size_t(b.size())};
}

// ---- Texts ----

// Each byte as two lower-case hex digits and a blank ("01 a0 ").
QString tekstNaHex(const QByteArray &bajty);
// Appends the native separator unless the path already ends with one.
QString dodajBackslash(const QString &sciezka);

// The four 16-bit parts of a file's version resource.
struct TWersjaPliku {
    int glowna = 0;
    int poboczna = 0;
    int wydanie = 0;
    int kompilacja = 0;
};
// Programs and files carry no version resource on this platform: all zero.
TWersjaPliku pobierzWersjePliku(const QString &plik);

// A value held in tenths as "%1.1f" of v / 10, with the current locale's
// decimal separator and no group separators (125 gives "12,5" in Polish).
QString tekstDziesiatych(qint64 v);
// v > 998: "%d.%d" of v div 1000 and v mod 1000 (1234 gives 1.234,
// 1000 gives 1.0); otherwise "%d.%2.2d" of v div 100 and v mod 100.
QString tekstWersji(int v);
// "%2.2d:%2.2d" of hours * 60 + minutes (99 from 100 on) and seconds.
QString czasMinSek(const QTime &czas);
// 1 when the text is no number, 2 when below min or above max, else 0.
int sprawdzZakresTekstu(const QString &tekst, double max, double min);
// The characters before the first `znak` within the first 255; the whole
// text when it does not occur there.
QString tekstDoZnaku(const QString &tekst, QChar znak);
// `stary` replaced by `nowy` within the first 255 characters.
QString zamienZnak(const QString &tekst, QChar stary, QChar nowy);
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
// Zero-fills the buffer; writes the whole text as low, high bytes when it
// fits (2 * length <= size) and answers whether it did.
bool tekstNaBuforUtf16(const QString &tekst, std::span<uint8_t> bufor);
// The first min(length, ile, 16) characters as low, high bytes into `cel`
// (and no further than its end); the bytes after them are left alone.
void nazwaDoBufora16(const QString &tekst, std::span<uint8_t> cel, int ile);
// min(length, ile) bytes of the byte text into the array from `indeks` on,
// stopping at the array's end.
void wstawTekstDoBajtow(const QByteArray &tekst, QByteArray &tablica, int indeks, int ile);
// The low bytes of the first min(ile, 40, length) characters into the
// buffer, stopping at its end.
void kopiujZnaki40(const QString &tekst, std::span<uint8_t> bufor, int ile);
// The bytes from `indeks` on, at most `maks` of them.
QByteArray bajtyNaTekst(const QByteArray &tablica, int indeks, int maks);
// (low, high) pairs from `pozycja` on as characters, up to a zero
// character, at most `ile` of them.
QString slowaTekstuNaTekst(const QByteArray &tekst, int pozycja, int ile);
// A zeroed 50-unit name filled with (low, high) pairs from `pozycja` on,
// up to a zero word, at most min(n, 50) of them.
TNazwa50char tekstNaSlowa50(const QByteArray &tekst, int pozycja, int n);
// The same from a byte array at a 0-based index.
TNazwa50char bajtyNaSlowa50(const QByteArray &tablica, int indeks, int n);
// The characters up to the first zero, at most 16.
QString slowaNaTekst(std::span<const char16_t> znaki);
// The same for a digital input's `nazwa_array`.
QString slowaNaTekst(const Tkvor350wejscieDwustanowe &we);
// The first min(length, n, 230) bytes of the byte text over the record.
void bajtyDoWejsciaCyfrowego(const QByteArray &tekst, Tkvor350wejscieDwustanowe &we, int n);

// A length-prefixed one-byte text (length byte, then the characters in
// the Windows-1250 code page), such as `nazwa_str`. A length byte beyond
// the field reads as the whole field; the text ends at its first zero byte.
QString tekstJednobajtowy(std::span<const uint8_t> pole);
// Writes at most size - 1 characters and the length byte; the bytes after
// the text keep what they held.
void ustawTekstJednobajtowy(std::span<uint8_t> pole, const QString &tekst);

// ---- Numbers, words and bits ----

// 4 bytes of the value, least significant first.
QByteArray liczbaNaTekst4(int32_t v);
inline uint16_t slowoZBajtow(uint8_t mlodszy, uint8_t starszy) { return uint16_t(starszy * 256 + mlodszy); }
inline uint16_t slowoZBajtow2(uint8_t mlodszy, uint8_t starszy) { return slowoZBajtow(mlodszy, starszy); }
inline void slowoNaBajty(uint16_t v, uint8_t &mlodszy, uint8_t &starszy)
{
    mlodszy = uint8_t(v & 0xFF);
    starszy = uint8_t(v >> 8);
}
// 8 bytes from `indeks` on: 1 or 0 for bit 0 .. bit 7 of the byte.
void bajtNaBity(std::span<uint8_t> bufor, int indeks, uint8_t bajt);
// Bit k is set when byte indeks + k is non-zero (k = 0..7).
uint8_t bityNaBajt(std::span<const uint8_t> tablica, int indeks);

// ---- Times of day as 16-bit seconds ----

// hours * 3600 + minutes * 60 + seconds, wrapping modulo 65,536 (from
// 18:12:16 on); an invalid time counts as 0.
uint16_t czasNaSekundy(const QTime &czas);
void czasNaSekundyBajty(const QTime &czas, uint8_t &mlodszy, uint8_t &starszy);
QTime sekundyNaCzas(uint16_t s);
QTime bajtySekundNaCzas(uint8_t mlodszy, uint8_t starszy);
