// A settings file in the Windows ini format, read and written by us so
// that it can be shared with the Windows tools: sections and keys are
// matched without regard to letter case, and writing back keeps every line
// we did not change byte for byte (unknown keys, comments, blank lines,
// order, line ends). A key that exists keeps its spelling in the file; a
// new key is added after the last key of its section, a new section at the
// end of the file.
//
// The file is 8-bit text: UTF-8 when it starts with a UTF-8 byte order
// mark or is valid UTF-8 throughout, otherwise Latin-1. The encoding is
// decided when the file first holds more than ASCII and kept from then on;
// a write never changes how a fresh read of the file decides it. Values
// are returned as the file has them, with surrounding blanks and one pair
// of matching quotes removed, as Windows does; a value that would lose
// blanks or quotes that way is written in quotes.
//
// Only a regular file is read or written: anything else at the path (a
// folder, a FIFO, a device) counts as missing when reading, and writing
// refuses it.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <memory>
#include <vector>

class PlikIni {
    Q_DECLARE_TR_FUNCTIONS(PlikIni)

public:
    // Reads the file when it is there. While it is not, `startowy` (the
    // settings an installation ships) is read in its place; writes go only
    // to `sciezka`.
    explicit PlikIni(QString sciezka, QString startowy = QString());

    const QString &sciezka() const { return sciezka_; }

    QString czytajTekst(const QString &sekcja, const QString &klucz, const QString &domyslny = QString()) const;
    // Decimal with an optional sign, or hexadecimal as "0x1F" / "$1F";
    // anything else, or a number outside 32 bits, gives the default.
    int czytajLiczbe(const QString &sekcja, const QString &klucz, int domyslna) const;
    bool jestKlucz(const QString &sekcja, const QString &klucz) const;

    // Changes the value in memory; zapisz() puts the changes in the file.
    void zapiszTekst(const QString &sekcja, const QString &klucz, const QString &wartosc);
    void zapiszLiczbe(const QString &sekcja, const QString &klucz, int wartosc);

    // Reads the file again (so that what another program wrote in the
    // meantime is kept), applies the changes made since the last zapisz()
    // and replaces the file whole. False, with blad() telling why, when the
    // file could not be read or written, or when a change would not read
    // back as it was made (a character the file's encoding lacks, a line
    // break, a key name the format cannot hold) or would change how the
    // file's other lines read; the file is then left as it was.
    bool zapisz();
    QString blad() const { return blad_; }

    // The bytes zapisz() would write.
    QByteArray tresc() const;

private:
    enum class Kodowanie { Ascii, Utf8, Latin1 };
    struct Linia {
        enum Rodzaj { Inna, Sekcja, Klucz } rodzaj = Inna;
        QByteArray surowa;              // the line as in the file, its line end included
        QString nazwa;                  // section or key name, trimmed
        QString wartosc;                // value, as read
        qsizetype poczatekWartosci = 0; // byte offset of the value in surowa
        int zmiana = -1;                // index of the change that wrote it since the last zapisz()
        bool niekodowalna = false;      // holds a character the file's encoding lacks
    };
    struct Zmiana {
        QString sekcja, klucz, wartosc;
    };

    bool wczytaj();
    static Kodowanie rozpoznaj(const QByteArray &dane);
    static std::vector<Linia> rozbierz(const QByteArray &dane, Kodowanie kodowanie);
    static QString dekoduj(const QByteArray &b, Kodowanie kodowanie);
    // The text in the file's encoding; false when the encoding lacks one
    // of its characters (the bytes are then UTF-8).
    bool koduj(const QString &s, QByteArray &wynik);
    QByteArray konceLinii() const;
    void ustaw(size_t nr);
    // Why the lines would not read back from tresc() as they are in
    // memory; empty when they would.
    QString sprawdzOdczyt() const;
    // Index of the key's line, or -1.
    qsizetype znajdz(const QString &sekcja, const QString &klucz) const;

    QString sciezka_;
    QString startowy_;
    QString blad_;
    std::vector<Linia> linie_;
    std::vector<Zmiana> zmiany_;
    Kodowanie kodowanie_ = Kodowanie::Ascii; // Ascii: not decided yet
};

// "ustawienia.ini" in the program's folder (katalogProgramu()). When that
// is the per-user folder because the program's own folder is not writable,
// an "ustawienia.ini" beside the program gives the starting settings.
std::unique_ptr<PlikIni> otworzUstawienia();

// Writes the settings; a failure is shown as an error with its reason.
bool zapiszUstawienia(PlikIni &ini);
