// Update and logo pages on their way to the controller: each sender picks
// the transport by the connection record (transport.h: the RS-485 retrying
// facade, TCP/IP, or for a record that names neither nothing sent and a
// failure) and answers whether the command succeeded.
// Firmware and logo pages go over TCP/IP on one connection kept for the
// whole stream; graphics pages and the commits through the runner with 5
// attempts each.
#pragma once

#include "klient_tcp.h"
#include "kodek.h"
#include "ustawienia_polaczenia.h"

#include <QByteArray>

#include <cstdint>
#include <memory>

constexpr int rozmiarStrony = dlStronyAktualizacji;
constexpr int probyLanStrony = 5;
// Pause before the graphics commit [ms].
constexpr int przerwaPrzedCrcGrafikiMs = 6000;

// The connection of one page stream: over TCP/IP opened by the runner's
// make_START and closed on destruction; over RS-485 nothing is opened.
class PolaczenieStrumienia {
public:
    PolaczenieStrumienia() = default;
    ~PolaczenieStrumienia() { zamknij(); }
    PolaczenieStrumienia(const PolaczenieStrumienia &) = delete;
    PolaczenieStrumienia &operator=(const PolaczenieStrumienia &) = delete;

    // True over RS-485, and over TCP/IP once the connection is up; false
    // for a record that names neither.
    bool otworz(const TUstawieniaSterownika &u);
    void zamknij();
    IKlientTcp *klient() const { return klient_.get(); }

private:
    std::unique_ptr<IKlientTcp> klient_;
};

// Over TCP/IP on the stream's connection; false when it has none.
bool przeslijStroneFirmware(uint16_t nr, const QByteArray &strona, const TUstawieniaSterownika &u, IKlientTcp *klient);
bool przeslijStroneLogo(uint16_t nr, const QByteArray &strona, const TUstawieniaSterownika &u, IKlientTcp *klient);
bool przeslijStroneGrafiki(uint16_t nr, const QByteArray &strona, const TUstawieniaSterownika &u);
bool przeslijCrcFirmware(uint16_t crc, int rozmiar, const TUstawieniaSterownika &u);
// Waits przerwaPrzedCrcGrafikiMs first.
bool przeslijCrcGrafiki(uint16_t crc, int rozmiar, const TUstawieniaSterownika &u);
