// Transfers of the SETUP table F0..F100, for the SETUP window and the
// whole-project transfer. The send guards three things before it writes:
// over RS-485 the program must still reach the controller with the new
// bus address and speed, a table that switches the factory code on needs
// the service password, and over RS-485 a table that moves the controller
// to another bus address or speed must not meet another controller there.
#pragma once

#include "rekordy_projekt.h"
#include "ustawienia_polaczenia.h"

#include <QString>

#include <functional>

// SETUP speed choice F2 (0..4: 9600 .. 115200 bit/s) to the connection
// record's speed code (6, 8, 9, 11, 12); 0 for any other choice.
int kodPredkosci(int f2);
// Whether a speed code and a speed choice give the same bit rate; a code
// and a choice that are both unknown count as the same.
bool zgodnaPredkosc(int kod, int f2);

// The service-password prompt in the language jezykId: true with the typed
// text, false when the user cancelled. Installed by the shell (the
// program's password window); without one a password window of its own is
// shown.
using THasloSerwisowe = std::function<bool(const QString &prompt, const QString &opis, int jezykId, QString &haslo)>;
void ustawHasloSerwisowe(THasloSerwisowe f);

// Told the new bus address and speed code (0 for an unknown F2) once a
// SETUP that changes them was written over RS-485, so that the main
// window's connection settings follow the controller.
using TNoweParametryLacza = std::function<void(int adresRS, int kodPredkosci)>;
void ustawNoweParametryLacza(TNoweParametryLacza f);

// F1..F100 into the table (kept as it was on failure; F0 is not read).
// Read time-out 1000 ms; over TCP/IP 3 attempts.
bool czytajSetup(TFunkcjeKvor3 &setup, const TUstawieniaSterownika &ust);
// Writes the table outside any write session (wSesji is not looked at);
// 3 attempts over TCP/IP. jezykId: the password prompt's. Before that:
// - over RS-485, before anything goes to the controller: an F1 outside
//   0..247 (the main window's address field) or an F2 outside 0..4 is
//   refused with a warning naming the parameter and its allowed values;
//   F2 = 2 or 3 (38400, 57600 bit/s, not in the main window's speed list)
//   asks whether to go on, since the program cannot reach the controller
//   over RS-485 afterwards. Over TCP/IP the link does not depend on them;
// - F47 = 1 (factory code off) while the controller's F47 is 0: the
//   service password is asked for and must equal the controller's F36
//   ("Nieprawidłowe hasło serwisowe!" otherwise; a cancel never passes);
// - over RS-485, a new F1 or F2: the serial number is asked for under the
//   new address and speed (2 tries of 700 ms), and a controller that
//   answers there stops the send with a warning naming it; once written,
//   the new parameters go to the installed follower.
// False on any stop or failure, each with its own one box.
bool wyslijSetup(const TFunkcjeKvor3 &setup, bool wSesji, const TUstawieniaSterownika &ust, int jezykId);
