// The main window's keys in "ustawienia.ini": the automatic reading and
// the language, read when the window is created; the connection controls,
// read at its first showing; all written when it closes.
#pragma once

#include <QString>

class PlikIni;

struct UstawieniaOkna {
    bool autoRead = false;                  // "AutoRead" 1
    int port = -1;                          // "ComboBoxPort": port list index, -1 none
    int predkosc = 2;                       // "ComboBoxPredkosc": baud list index
    int adres = 1;                          // "IntEditAdres"
    QString ip = QStringLiteral("0.0.0.0"); // "IpAddress"
    int numerSeryjny = 0;                   // "SN"
    int rodzaj = 0;                         // "connectionType": tab 0 RS-485, 1 TCP/IP
    int jezykId = 2057;                     // [language] "langID"
};

// A missing key gives its default; the rest is as the file has it.
UstawieniaOkna czytajUstawieniaOkna(const PlikIni &ini);

// Sets the keys in the order "AutoRead", "ComboBoxPort",
// "ComboBoxPredkosc", "IntEditAdres", "StronaKodowa" (always 0),
// "IpAddress", "SN", "connectionType", then [language] "langId", and writes
// the file; false when it could not be written (shown as an error).
bool zapiszUstawieniaOkna(PlikIni &ini, const UstawieniaOkna &u);

// A key of section "Parametry" as text, empty when it is not set (the
// serial devices' keys "COM<n>Device").
QString parametr(const PlikIni &ini, const QString &klucz);
