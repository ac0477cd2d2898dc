// A settings file in the Windows ini format, read and written by us so
// that it can be shared with the Windows tools: sections and keys are
// matched without regard to letter case, and writing back keeps every line
// we did not change byte for byte (unknown keys, comments, blank lines,
// order, line ends). A key that exists keeps its spelling in the file; a
// new key is added after the last key of its section, a new section at the
// end of the file.
//
// The file is 8-bit text: UTF-8 when it decodes as UTF-8, otherwise
// Latin-1. Values are returned as the file has them, with surrounding
// blanks and one pair of matching quotes removed, as Windows does.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

class PlikIni {
public:
    // Reads the file when it exists; a missing file is an empty one.
    explicit PlikIni(QString sciezka);

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
    // file could not be read or written; the file is then left as it was.
    bool zapisz();
    QString blad() const { return blad_; }

    // The bytes zapisz() would write.
    QByteArray tresc() const;

private:
    struct Linia {
        enum Rodzaj { Inna, Sekcja, Klucz } rodzaj = Inna;
        QByteArray surowa;              // the line as in the file, its line end included
        QString nazwa;                  // section or key name, trimmed
        QString wartosc;                // value, as read
        qsizetype poczatekWartosci = 0; // byte offset of the value in surowa
    };
    struct Zmiana {
        QString sekcja, klucz, wartosc;
    };

    bool wczytaj();
    void rozbierz(const QByteArray &dane);
    QString dekoduj(const QByteArray &b) const;
    QByteArray koduj(const QString &s) const;
    QByteArray konceLinii() const;
    void ustaw(const Zmiana &z);
    // Index of the key's line, or -1.
    qsizetype znajdz(const QString &sekcja, const QString &klucz) const;

    QString sciezka_;
    QString blad_;
    std::vector<Linia> linie_;
    std::vector<Zmiana> zmiany_;
    bool utf8_ = true;
};
