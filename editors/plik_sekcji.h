// Section files: raw dumps of one record or one array of records, byte for
// byte as in memory, with no header. A file shorter than the section
// cannot be read; a longer one gives its first record.
#pragma once

#include <QString>

enum class TOdczytPliku { Dobrze, BladOtwarcia, BladOdczytu };

// The first `rozmiar` bytes into `dane`, which stay untouched unless the
// read succeeds. Only a regular file is opened (anything else is an open
// error).
TOdczytPliku czytajPlikSekcji(const QString &sciezka, void *dane, qint64 rozmiar);

// A file of records read record by record: its whole records of
// `rozmiarRekordu` bytes from the start, at most `ile`, into the first
// records of `dane`; a part of a record at the end is not read, records
// beyond `ile` are left in the file. `przeczytane` gets their number; the
// rest of `dane` is left as it was, and so is all of it unless at least
// one whole record was read (BladOdczytu otherwise).
TOdczytPliku czytajRekordyPliku(const QString &sciezka, void *dane, qint64 rozmiarRekordu, int ile, int &przeczytane);

// Creates or replaces the file with the block. The new file takes the old
// one's place only when it was written whole; on failure `blad` gets the
// system's reason and an existing file is left as it was.
bool zapiszPlikSekcji(const QString &sciezka, const void *dane, qint64 rozmiar, QString *blad = nullptr);

// The one filter of a section's dialogs: "Kvor350|*.k3ana".
QString filtrSekcji(const QString &rozszerzenie, const QString &etykieta = QStringLiteral("Kvor350"));
