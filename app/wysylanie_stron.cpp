#include "wysylanie_stron.h"

#include "lan.h"
#include "lan_polecenia.h"
#include "powtorz.h"
#include "transport.h"
#include "zegar.h"

#include <utility>

namespace {

// The command over the record's transport succeeded.
template <class Rs, class Lan>
bool udane(const TUstawieniaSterownika &u, Rs &&rs, Lan &&lan)
{
    return przezTransport(u, std::forward<Rs>(rs), std::forward<Lan>(lan)) == 0;
}

} // namespace

bool PolaczenieStrumienia::otworz(const TUstawieniaSterownika &u)
{
    zamknij();
    // Over RS-485 nothing is opened.
    return udane(
        u, [] { return 0; }, [&](TFormLan &lan) { return lan.make_START(klient_, u); });
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
    return udane(
        u, [&] { return powtorzZapisFirmwarePage(nr, rozmiarStrony, strona, u.adresRS, u.ParametryTransmisji); },
        [&](TFormLan &) {
            return klient ? wyslijStroneFirmware(*klient, nr, rozmiarStrony, strona, u) : kodLanBrakPolaczenia;
        });
}

bool przeslijStroneLogo(uint16_t nr, const QByteArray &strona, const TUstawieniaSterownika &u, IKlientTcp *klient)
{
    return udane(
        u, [&] { return powtorzZapisLogoPage(nr, rozmiarStrony, strona, u.adresRS, u.ParametryTransmisji); },
        [&](TFormLan &) {
            return klient ? wyslijStroneLogo(*klient, nr, rozmiarStrony, strona, u) : kodLanBrakPolaczenia;
        });
}

bool przeslijStroneGrafiki(uint16_t nr, const QByteArray &strona, const TUstawieniaSterownika &u)
{
    return udane(
        u, [&] { return powtorzZapisGrafikaPage(nr, rozmiarStrony, strona, u.adresRS, u.ParametryTransmisji); },
        [&](TFormLan &lan) {
            return lan.make(probyLanStrony, &lanZapisGrafikaPage, int(nr), rozmiarStrony, strona, u);
        });
}

bool przeslijCrcFirmware(uint16_t crc, int rozmiar, const TUstawieniaSterownika &u)
{
    return udane(
        u, [&] { return powtorzZapisFirmwareCrc(crc, rozmiar, u.adresRS, u.ParametryTransmisji); },
        [&](TFormLan &lan) { return lan.make(probyLanStrony, &lanZapisFirmwareCrc, crc, rozmiar, u); });
}

bool przeslijCrcGrafiki(uint16_t crc, int rozmiar, const TUstawieniaSterownika &u)
{
    czekajMs(przerwaPrzedCrcGrafikiMs);
    return udane(
        u, [&] { return powtorzZapisGrafikaCrc(crc, rozmiar, u.adresRS, u.ParametryTransmisji); },
        [&](TFormLan &lan) { return lan.make(probyLanStrony, &lanZapisGrafikaCrc, crc, rozmiar, u); });
}
