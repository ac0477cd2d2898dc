#include "wysylanie_stron.h"

#include "lan.h"
#include "lan_polecenia.h"
#include "powtorz.h"
#include "zegar.h"

namespace {

bool przezLan(const TUstawieniaSterownika &u) { return u.lan.LAN_ACTIVE == 1; }

// The transports report failures as codes; anything raised all the same
// is a failed command.
template <class F>
bool udane(F &&f)
{
    try {
        return f() == 0;
    } catch (...) {
        return false;
    }
}

template <class F, class... A>
bool przezRunner(F polecenie, A... argumenty)
{
    return udane([&] {
        TFormLan *lan = FormLan();
        return lan ? lan->make(probyLanStrony, polecenie, argumenty...) : kodLanBrakPolaczenia;
    });
}

} // namespace

bool PolaczenieStrumienia::otworz(const TUstawieniaSterownika &u)
{
    zamknij();
    if (!przezLan(u))
        return true;
    return udane([&] {
        TFormLan *lan = FormLan();
        return lan ? lan->make_START(klient_, u) : kodLanBrakPolaczenia;
    });
}

void PolaczenieStrumienia::zamknij()
{
    if (!klient_)
        return;
    if (TFormLan *lan = FormLan())
        lan->make_END(klient_);
    klient_.reset();
}

bool przeslijStroneFirmware(uint16_t nr, const QByteArray &strona, const TUstawieniaSterownika &u, IKlientTcp *klient)
{
    if (przezLan(u))
        return klient && udane([&] { return wyslijStroneFirmware(*klient, nr, rozmiarStrony, strona, u); });
    return udane([&] { return powtorzZapisFirmwarePage(nr, rozmiarStrony, strona, u.adresRS, u.ParametryTransmisji); });
}

bool przeslijStroneLogo(uint16_t nr, const QByteArray &strona, const TUstawieniaSterownika &u, IKlientTcp *klient)
{
    if (przezLan(u))
        return klient && udane([&] { return wyslijStroneLogo(*klient, nr, rozmiarStrony, strona, u); });
    return udane([&] { return powtorzZapisLogoPage(nr, rozmiarStrony, strona, u.adresRS, u.ParametryTransmisji); });
}

bool przeslijStroneGrafiki(uint16_t nr, const QByteArray &strona, const TUstawieniaSterownika &u)
{
    if (przezLan(u))
        return przezRunner(&lanZapisGrafikaPage, int(nr), rozmiarStrony, strona, u);
    return udane([&] { return powtorzZapisGrafikaPage(nr, rozmiarStrony, strona, u.adresRS, u.ParametryTransmisji); });
}

bool przeslijCrcFirmware(uint16_t crc, int rozmiar, const TUstawieniaSterownika &u)
{
    if (przezLan(u))
        return przezRunner(&lanZapisFirmwareCrc, crc, rozmiar, u);
    return udane([&] { return powtorzZapisFirmwareCrc(crc, rozmiar, u.adresRS, u.ParametryTransmisji); });
}

bool przeslijCrcGrafiki(uint16_t crc, int rozmiar, const TUstawieniaSterownika &u)
{
    czekajMs(przerwaPrzedCrcGrafikiMs);
    if (przezLan(u))
        return przezRunner(&lanZapisGrafikaCrc, crc, rozmiar, u);
    return udane([&] { return powtorzZapisGrafikaCrc(crc, rozmiar, u.adresRS, u.ParametryTransmisji); });
}
