// TCP/IP callbacks of the commands without section data.
#include "lan_polecenia.h"
#include "lan_polecenia_wspolne.h"

#include "crc.h"
#include "odczyty.h"
#include "ramka.h"
#include "zegar.h"

#include <algorithm>
#include <cstring>

using namespace lan;

namespace {

constexpr int dlOdpowiedziNumeru = 11;
constexpr int dlOdpowiedziBlokady = 8;
constexpr int dlDanychSetupLan = 1024; // the write as long as the read's data

// The 334 of the two callbacks that report any failed read so.
int jako334(int w) { return w == 0 ? 0 : kodLanWyjatek; }

int wyslijStrone(IKlientTcp &tc, const TUstawieniaSterownika &ust, uint8_t podkomenda, int nr, int rozmiar,
                 const QByteArray &strona)
{
    const QByteArray dane = spakujStroneAktualizacji(uint16_t(nr), strona, rozmiar);
    if (dane.isEmpty())
        return kodLanWyjatek;
    QByteArray odp;
    return wymiana(tc, ust, magistrala::J, podkomenda, dane, czasKlienta, dlOdpowiedziStrony, odp);
}

int zatwierdz(IKlientTcp &tc, const TUstawieniaSterownika &ust, uint8_t podkomenda, uint16_t crc, int rozmiar,
              int czasMs)
{
    QByteArray odp;
    return wymiana(tc, ust, magistrala::J, podkomenda, spakujKoniecAktualizacji(crc, rozmiar), czasMs,
                   dlOdpowiedziKonca, odp);
}

} // namespace

int lanCzytajTypSterownika(IKlientTcp &A_tc, QString &a_typ, const TUstawieniaSterownika &A_ust)
{
    QByteArray odp;
    const int w = wymiana(A_tc, A_ust, magistrala::F, 0x07, {}, czasKlienta, dlOdpowiedziNumeru, odp);
    if (w != 0)
        return jako334(w);
    a_typ = QStringLiteral("kvor350");
    return 0;
}

int lanCzytajStatus(IKlientTcp &A_tc, TOdczyty &A_Odczyty, const TUstawieniaSterownika &A_ust)
{
    std::memset(&A_Odczyty, 0, sizeof A_Odczyty);
    try {
        czekajMs(10);
        wyslijRamkeLan(uint32_t(A_ust.lan.NUMER_SERYJNY), magistrala::F, 0x01, {}, A_tc);
        czekajMs(10);
        A_tc.ustawCzasOdczytu(std::max(1000, A_ust.ParametryTransmisji.ReadTotalTimeoutConstant));
        const QByteArray odp = A_tc.czytaj(dlOdpowiedziOdczytow);
        if (odp.size() < dlOdpowiedziOdczytow)
            return kodLanWyjatek;
        rozpakujOdczyty(odp, A_Odczyty);
        // All four bytes over TCP/IP.
        A_Odczyty.wersja = int32_t(uint32_t(daneBajt(odp, 0)) | uint32_t(daneBajt(odp, 1)) << 8 |
                                   uint32_t(daneBajt(odp, 2)) << 16 | uint32_t(daneBajt(odp, 3)) << 24);
        return 0;
    } catch (...) {
        return kodLanWyjatek;
    }
}

int lanZapiszCzas(IKlientTcp &A_tc, const QDateTime &A_dt, const TUstawieniaSterownika &A_ust)
{
    try {
        const QDateTime t = A_dt.addMSecs(500);
        const QDate d = t.date();
        const QTime g = t.time();
        const QByteArray dane = bajty({g.hour(), g.minute(), g.second(), d.day(), d.month(), d.year() % 100});
        wyslijRamkeLan(uint32_t(A_ust.lan.NUMER_SERYJNY), magistrala::G, 0x04, dane, A_tc);
    } catch (...) {
        return kodLanWyjatek;
    }
    try {
        // The reply's content does not matter; its absence does.
        return A_tc.czytajCoPrzyjdzie().isEmpty() ? kodLanOdczyt : 0;
    } catch (...) {
        return kodLanOdczyt;
    }
}

int lanCzytajLock(IKlientTcp &A_tc, bool &A_blokada, const TUstawieniaSterownika &A_ust)
{
    QByteArray odp;
    const int w = wymiana(A_tc, A_ust, magistrala::G, 0x07, {}, 1000, dlOdpowiedziBlokady, odp);
    if (w == 0)
        A_blokada = daneBajt(odp, 0) == 1;
    return w;
}

int lanZapiszUnlock(IKlientTcp &A_tc, uint32_t A_ustaw, const TUstawieniaSterownika &A_ust)
{
    uint8_t haslo[4];
    for (int i = 0; i < 4; ++i)
        haslo[i] = uint8_t(A_ustaw >> (8 * i));
    const uint16_t crc = crcBajtow(4, haslo);
    QByteArray odp;
    const int w =
        wymiana(A_tc, A_ust, magistrala::G, 0x08, bajty({crc & 0xFF, crc >> 8}), 1000, dlOdpowiedziBlokady, odp);
    if (w != 0)
        return w;
    return daneBajt(odp, 0) == 1 ? 0 : kodLanHaslo;
}

int lanCzytajSetup(IKlientTcp &A_tc, TFunkcjeKvor3 &A_setup, const TUstawieniaSterownika &A_ust)
{
    QByteArray odp;
    const int w =
        wymiana(A_tc, A_ust, magistrala::F, blokSetup.podkomenda, {}, 1000, dlRamki(blokSetup.dlOdczytu), odp);
    if (w != 0)
        return w;
    rozpakujSetup(daneOdpowiedzi(odp, blokSetup.dlOdczytu), A_setup);
    return 0;
}

int lanZapisSetup(IKlientTcp &A_tc, const TFunkcjeKvor3 &A_setup, const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] {
        QByteArray odp;
        return wymiana(A_tc, A_ust, magistrala::G, blokSetup.podkomenda, spakujSetup(A_setup).left(dlDanychSetupLan),
                       1000, dlRamkiBezDanych, odp);
    });
}

int lanCzytajModuly(IKlientTcp &A_tc, TModulyWejWyKonfig &A_ustaw, const TUstawieniaSterownika &A_ust)
{
    A_ustaw = TModulyWejWyKonfig{};
    QByteArray odp;
    const int w =
        wymiana(A_tc, A_ust, magistrala::F, blokModulow.podkomenda, {}, 2000, dlRamki(blokModulow.dlOdczytu), odp);
    if (w == 0)
        rozpakujModuly(daneOdpowiedzi(odp, blokModulow.dlOdczytu), A_ustaw);
    return w;
}

int lanZapisModuly(IKlientTcp &A_tc, const TModulyWejWyKonfig &A_ustaw, bool, const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] {
        return zapisWSesji(A_tc, A_ust, false, [&] {
            QByteArray odp;
            return wymiana(A_tc, A_ust, magistrala::G, blokModulow.podkomenda, spakujModuly(A_ustaw), 3000,
                           dlRamkiBezDanych, odp);
        });
    });
}

int lanCzytajUstawieniaMycia(IKlientTcp &A_tc, TProjektDodatkiMycie &A_ustaw, const TUstawieniaSterownika &A_ust)
{
    return czytajRekord(A_tc, A_ust, blokUstawienMycia, {}, 2000, A_ustaw, rozpakujUstawieniaMycia);
}

int lanZapisUstawieniaMycia(IKlientTcp &A_tc, const TProjektDodatkiMycie &A_ustaw, bool,
                            const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] {
        QByteArray blok = spakujUstawieniaMycia(A_ustaw);
        blok.resize(blokUstawienMycia.dlOdczytu, '\0');
        return zapiszBlok(A_tc, A_ust, false, blokUstawienMycia.podkomenda, blok, 1000);
    });
}

int wyslijStroneFirmware(IKlientTcp &A_tc, int A_nr, int A_size, const QByteArray &A_ustaw,
                         const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] { return wyslijStrone(A_tc, A_ust, podkomendaStronyFirmware, A_nr, A_size, A_ustaw); });
}

int wyslijStroneLogo(IKlientTcp &A_tc, int A_nr, int A_size, const QByteArray &A_ustaw,
                     const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] { return wyslijStrone(A_tc, A_ust, podkomendaStronyLogo, A_nr, A_size, A_ustaw); });
}

int lanZapisGrafikaPage(IKlientTcp &A_tc, int A_nr, int A_size, const QByteArray &A_ustaw,
                        const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] { return wyslijStrone(A_tc, A_ust, podkomendaStronyGrafiki, A_nr, A_size, A_ustaw); });
}

int lanZapisFirmwareCrc(IKlientTcp &A_tc, uint16_t A_crc, int A_size, const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] { return zatwierdz(A_tc, A_ust, podkomendaKoncaFirmware, A_crc, A_size, 2000); });
}

int lanZapisGrafikaCrc(IKlientTcp &A_tc, uint16_t A_crc, int A_size, const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] { return zatwierdz(A_tc, A_ust, podkomendaKoncaGrafiki, A_crc, A_size, 20000); });
}
