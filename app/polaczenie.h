// Controller operations of the shell that pick the transport by the
// connection record (transport.h): RS-485 through the retrying facade,
// TCP/IP through the runner. Each sets its time-out and tries on a copy of
// the record; none raises.
#pragma once

#include "powtorz.h"
#include "rekordy_we_wy.h"
#include "ustawienia_polaczenia.h"

#include <QString>

#include <optional>

// The type text of the controller this program serves.
inline const QString typKvor350 = QStringLiteral("kvor350");

// "Brak komunikacji" on failure unless cicho.
bool czytajTypSterownika(bool cicho, QString &typ, const TUstawieniaSterownika &ust);
// 301 ms and 1 try; dlugo: 1500 ms and 4 tries. "Brak komunikacji" on
// failure unless cicho.
bool czytajOdczyty(bool cicho, TOdczyty &odczyty, const TUstawieniaSterownika &ust, bool dlugo);
// Over TCP/IP nothing is read: the typed serial number is the answer. Over
// RS-485 with timeoutStand and iloscPowtorzen unless `proby` says otherwise.
bool czytajNumerSeryjny(bool cicho, int &ns, const TUstawieniaSterownika &ust,
                        std::optional<TProbyFasady> proby = std::nullopt);
// 800 ms and 4 tries; silent. A controller without the lock-state command
// has no lock: it reads as unlocked.
bool czytajBlokade(bool &blokada, const TUstawieniaSterownika &ust);
// The lock command: 600 ms and 2 tries over RS-485; over TCP/IP nothing is
// sent and the result is -1.
int wyslijBlokade(const TUstawieniaSterownika &ust);

// The bare reads under the operations above, with the record's own
// time-out and tries on RS-485 and `probyLan` attempts on TCP/IP; result
// codes. A controller that does not know the lock-state command reads as
// unlocked (0).
int odczytajTyp(QString &typ, const TUstawieniaSterownika &ust, int probyLan);
int odczytajBlokade(bool &blokada, const TUstawieniaSterownika &ust, int probyLan);
