// TCP/IP callbacks of the digital outputs, alarm outputs, special modes and
// analog outputs.
#include "lan_polecenia.h"
#include "lan_polecenia_wspolne.h"

#include "kodek_bajty.h"

#include <cstring>

using namespace lan;

namespace {

constexpr int czasZapisuMs = 1000;
constexpr int alarmowWyjsc = 4;
// An alarm-output block carries the record's first bytes unchanged.
constexpr int dlAlarmuWBloku = 172;
static_assert(4 + dlAlarmuWBloku == 176 && dlAlarmuWBloku <= int(sizeof(vxt_alarm_konfiguracja_t)));

QByteArray blokAlarmuWyjsciaLan(const vxt_alarm_konfiguracja_t &alarm, int indeks)
{
    QByteArray b(blokAlarmuWyjscia.dlZapisu, '\0');
    b[0] = char(indeks);
    std::memcpy(b.data() + 4, &alarm, dlAlarmuWBloku);
    return b;
}

// Slot bytes [nr, 0], as the read asks.
QByteArray blokWyjsciaAnalogowegoLan(const TWyjscieAnalogowe &wyjscie, int nr)
{
    QByteArray b = spakujWyjscieAnalogowe(wyjscie, nr);
    if (!b.isEmpty()) {
        b[0] = char(nr);
        b[1] = 0;
    }
    return b;
}

} // namespace

int lanCzytajPrzekazniki(IKlientTcp &A_tc, int A_nr, TPrzekaznik &A_ustaw, const TUstawieniaSterownika &A_ust)
{
    return czytajRekord(A_tc, A_ust, blokPrzekaznika, bajty({A_nr % 32, A_nr / 32}), czasKlienta, A_ustaw,
                        rozpakujPrzekaznik);
}

int lanZapisPrzekazniki(IKlientTcp &A_tc, int A_nr, const TPrzekaznik &A_ustaw, bool A_BypassSet73,
                        const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] {
        return zapiszBlok(A_tc, A_ust, A_BypassSet73, blokPrzekaznika.podkomenda, spakujPrzekaznik(A_ustaw, A_nr),
                          czasZapisuMs);
    });
}

int lanCzytajPrzekaznikiAlarm(IKlientTcp &A_tc, int A_nr, vxt_alarm_konfiguracja_t &A_ustaw,
                              const TUstawieniaSterownika &A_ust)
{
    return czytajRekord(A_tc, A_ust, blokAlarmuWyjscia, bajty({A_nr - 1}), czasKlienta, A_ustaw, rozpakujAlarmWyjscia);
}

int lanZapisPrzekaznikiAlarm(IKlientTcp &A_tc, const TAlarmyF1F4Array &A_ustaw, bool A_BypassSet73,
                             const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] {
        return zapisWSesji(A_tc, A_ust, A_BypassSet73, [&] {
            for (int i = 0; i < alarmowWyjsc; ++i) {
                const int w = wyslijBlok(A_tc, A_ust, blokAlarmuWyjscia.podkomenda, blokAlarmuWyjsciaLan(A_ustaw[i], i),
                                         czasZapisuMs);
                if (w != 0)
                    return w;
            }
            return 0;
        });
    });
}

int lanCzytajStany(IKlientTcp &A_tc, int A_nr, TFunkcjaSpec &A_fs, const TUstawieniaSterownika &A_ust)
{
    return czytajRekord(A_tc, A_ust, blokFunkcjiSpec, bajty({A_nr}), czasKlienta, A_fs, rozpakujFunkcjeSpec);
}

int lanZapisFunkcjeSpec(IKlientTcp &A_tc, int A_nr, const TFunkcjaSpec &A_fs, bool A_BypassSet73,
                        const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] {
        return zapiszBlok(A_tc, A_ust, A_BypassSet73, blokFunkcjiSpec.podkomenda, spakujFunkcjeSpec(A_fs, A_nr),
                          czasZapisuMs);
    });
}

int lanCzytajWyjsciaAnalogowe(IKlientTcp &A_tc, int A_nr, TWyjscieAnalogowe &A_ustaw,
                              const TUstawieniaSterownika &A_ust)
{
    return czytajRekord(A_tc, A_ust, blokWyjsciaAnalogowego, bajty({A_nr, 0}), czasKlienta, A_ustaw,
                        [](const QByteArray &dane, TWyjscieAnalogowe &w) {
                            rozpakujWyjscieAnalogowe(dane, w);
                            kodek::czytajNazwe(dane, 4, kodek::jednostekPolaNazwy, w.nazwa);
                        });
}

int lanZapisWyjsciaAnalogowe(IKlientTcp &A_tc, int A_nr, const TWyjscieAnalogowe &A_ustaw, bool A_BypassSet73,
                             const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] {
        return zapiszBlok(A_tc, A_ust, A_BypassSet73, blokWyjsciaAnalogowego.podkomenda,
                          blokWyjsciaAnalogowegoLan(A_ustaw, A_nr), czasZapisuMs);
    });
}
