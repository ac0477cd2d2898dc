// Firmware, graphics and logo pages and the update commits (function 'J').
#include "polecenia_blokow.h"

#include "kodek.h"
#include "ramka.h"

namespace {

int strona(TFkomunikacja &k, uint8_t podkomenda, uint16_t nr, uint16_t rozmiar, const QByteArray &dane, int adres,
           const TParamTrans &trans)
{
    const QByteArray blok = spakujStroneAktualizacji(nr, dane, rozmiar);
    if (blok.isEmpty())
        return kodBleduPakowania;
    QByteArray odp;
    return k.polecenie(adres, magistrala::J, podkomenda, blok, dlOdpowiedziStrony, trans, odp);
}

int koniec(TFkomunikacja &k, uint8_t podkomenda, uint16_t crc, int rozmiar, int adres, const TParamTrans &trans)
{
    QByteArray odp;
    const int w = k.polecenie(adres, magistrala::J, podkomenda, spakujKoniecAktualizacji(crc, rozmiar),
                              dlOdpowiedziKonca, trans, odp);
    // The confirmation outranks the link's verdict on a reply long enough
    // to carry it (a CRC error included).
    if (odp.size() >= magistrala::naglowek + 2 && !(daneBajt(odp, 0) == 'O' && daneBajt(odp, 1) == 'K'))
        return kodBrakPotwierdzenia;
    return w;
}

} // namespace

int ZapisFirmwarePageKvor350(TFkomunikacja &k, uint16_t a_pageNum, uint16_t A_firmware_PageSize,
                             const QByteArray &a_page, int adres, const TParamTrans &trans)
{
    return strona(k, podkomendaStronyFirmware, a_pageNum, A_firmware_PageSize, a_page, adres, trans);
}

int ZapisGrafikaPageKvor350(TFkomunikacja &k, uint16_t a_pageNum, uint16_t A_firmware_PageSize,
                            const QByteArray &a_page, int adres, const TParamTrans &trans)
{
    return strona(k, podkomendaStronyGrafiki, a_pageNum, A_firmware_PageSize, a_page, adres, trans);
}

int ZapisLogoPageKvor350(TFkomunikacja &k, uint16_t a_pageNum, uint16_t A_logo_pageSize, const QByteArray &a_page,
                         int adres, const TParamTrans &trans)
{
    return strona(k, podkomendaStronyLogo, a_pageNum, A_logo_pageSize, a_page, adres, trans);
}

int ZapisFirmwareCrcKvor350(TFkomunikacja &k, uint16_t a_crc, int a_filesize, int adres, const TParamTrans &trans)
{
    return koniec(k, podkomendaKoncaFirmware, a_crc, a_filesize, adres, trans);
}

int ZapisGrafikaCrcKvor350(TFkomunikacja &k, uint16_t a_crc, int a_filesize, int adres, const TParamTrans &trans)
{
    return koniec(k, podkomendaKoncaGrafiki, a_crc, a_filesize, adres, trans);
}
