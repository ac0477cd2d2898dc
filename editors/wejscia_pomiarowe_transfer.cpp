#include "wejscia_pomiarowe_transfer.h"

#include "lan.h"
#include "lan_polecenia.h"
#include "powtorz.h"
#include "transfer_sekcji.h"
#include "zegar.h"

bool maAlarmWzgledny(int nr) { return nr == 1 || nr == 3; }

bool czytajWejsciePomiarowe(TWejscieAnalogowe &wejscie, int nr, const TUstawieniaSterownika &ust)
{
    const int indeks = nr - 1;
    TWejscieAnalogowe kopia = wejscie;
    if (!przeslijPozycje(
            ust, czasOdczytuSekcjiMs,
            [&](const TUstawieniaSterownika &u) {
                return powtorzCzytajWejsciaAnalogowe(kopia, indeks, u.adresRS, u.ParametryTransmisji);
            },
            [&](TFormLan &lan, const TUstawieniaSterownika &u) {
                return lan.make(probyLanSekcji, &lanCzytajWejsciaAnalogowe, indeks, kopia, u);
            }))
        return false;
    // The transports take the input's index (0 or 2) and find its slot.
    if (maAlarmWzgledny(nr) &&
        !przeslijPozycje(
            ust, czasOdczytuSekcjiMs,
            [&](const TUstawieniaSterownika &u) {
                vxt_alarm_konfiguracja_t alarm = kopia.alarm_wzgledny;
                const int w = powtorzCzytajWejAnalogAlarmWzgledny(indeks, alarm, u.adresRS, u.ParametryTransmisji);
                kopia.alarm_wzgledny = alarm;
                return w;
            },
            [&](TFormLan &lan, const TUstawieniaSterownika &u) {
                return lan.make(probyLanSekcji, &lanCzytajWejAnalogAlarmWzgledny, indeks, kopia, u);
            }))
        return false;
    wejscie = kopia;
    return true;
}

bool wyslijWejsciePomiarowe(const TWejscieAnalogowe &wejscie, int nr, bool wSesji, const TUstawieniaSterownika &ust)
{
    const int indeks = nr - 1;
    if (!przeslijPozycje(
            ust, 0,
            [&](const TUstawieniaSterownika &u) {
                return powtorzZapisKomWejsciaaAnalogowe(wejscie, indeks, u.adresRS, u.ParametryTransmisji, wSesji);
            },
            [&](TFormLan &lan, const TUstawieniaSterownika &u) {
                return lan.make(probyLanSekcji, &lanZapisWejsciaAnalogowe, indeks, wejscie, wSesji, u);
            }))
        return false;
    if (!maAlarmWzgledny(nr))
        return true;
    if (!wSesji)
        czekajMs(przerwaAlarmuWzglednegoMs);
    // Over RS-485 the write takes the alarm's slot, over TCP/IP the input's
    // index with the whole record.
    const int slot = nr == 1 ? 0 : 1;
    const vxt_alarm_konfiguracja_t alarm = wejscie.alarm_wzgledny;
    return przeslijPozycje(
        ust, 0,
        [&](const TUstawieniaSterownika &u) {
            return powtorzZapisKomWejAnalogAlarmWzgledny(slot, alarm, u.adresRS, u.ParametryTransmisji, wSesji);
        },
        [&](TFormLan &lan, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanZapisWejAnalogAlarmWzgledny, indeks, wejscie, wSesji, u);
        });
}

const TPozycjeSekcji<TWejscieAnalogowe> pozycjeWejscPomiarowych = {
    0,
    [](TWejscieAnalogowe &r, int k, const TUstawieniaSterownika &u) { return czytajWejsciePomiarowe(r, k, u); },
    [](const TWejscieAnalogowe &r, int k, bool wSesji, const TUstawieniaSterownika &u) {
        return wyslijWejsciePomiarowe(r, k, wSesji, u);
    },
};
