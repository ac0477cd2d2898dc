#include "powtorz.h"

#include "wymiana.h"
#include "zegar.h"

#include <algorithm>
#include <climits>
#include <initializer_list>

namespace {

TFkomunikacja *lacze = nullptr;

// The port's read time-out: a value, or left as the last command set it.
struct Czas {
    int ms;
    bool ustaw = true;
};
const Czas bezZmiany{0, false};

Czas standard() { return {timeoutStand}; }

// k times a time-out, kept within 0..INT_MAX whatever the settings hold.
Czas razy(int k, int ms) { return {int(std::clamp<qint64>(qint64(k) * ms, 0, INT_MAX))}; }

// Runs `polecenie` up to `proby` times (at least once: a count below 1
// must not turn into a success without an exchange).
template <class F>
int powtarzaj(Czas czas, int proby, std::initializer_list<int> stopy, F &&polecenie)
{
    if (!lacze)
        return 1;
    // The pauses keep the windows alive; nothing starts a second exchange
    // in between.
    const TrwaWymiana trwa;
    if (czas.ustaw) {
        try {
            lacze->ustawCzasOdczytu(czas.ms);
        } catch (...) {
        }
    }
    int w = 1;
    for (int i = 0; i < std::max(1, proby); ++i) {
        w = polecenie(*lacze);
        if (w == 0 || std::find(stopy.begin(), stopy.end(), w) != stopy.end())
            return w;
        przerwaMs(przerwaPowtorzeniaMs);
    }
    return w;
}

template <class F>
int domyslnie(F &&polecenie)
{
    return powtarzaj(standard(), iloscPowtorzen, {}, std::forward<F>(polecenie));
}

} // namespace

void ustawFkomunikacja(TFkomunikacja *k) { lacze = k; }
TFkomunikacja *Fkomunikacja() { return lacze; }

int otworzSesjeZapisu(const TUstawieniaSterownika &A_ust)
{
    return domyslnie([&](TFkomunikacja &k) { return k.set73onOffKVOR350(A_ust, true); });
}

int zamknijSesjeZapisu(const TUstawieniaSterownika &A_ust)
{
    return domyslnie([&](TFkomunikacja &k) { return k.set73onOffKVOR350(A_ust, false); });
}

int powtorzCzytajProgram(TProgram &A_prog, int A_nr, const TUstawieniaSterownika &A_ust)
{
    return domyslnie([&](TFkomunikacja &k) { return CzytajProgramKVOR350(k, A_prog, A_nr, A_ust); });
}

int powtorzZapisKomProgramu(const TProgram &A_prog, int A_nr, const TUstawieniaSterownika &A_ust, bool A_BypassSet73)
{
    return domyslnie([&](TFkomunikacja &k) { return ZapisKomProgramuKVOR350(k, A_prog, A_nr, A_ust, A_BypassSet73); });
}

int powtorzCzytajKomKroki(TKrok &kr, int A_NrKroku, int adres, bool mycie, const TParamTrans &trans)
{
    return domyslnie([&](TFkomunikacja &k) { return CzytajKomKrokiKVOR350(k, kr, A_NrKroku, adres, mycie, trans); });
}

int powtorzZapisKomKroki(const TKrok &kr, int blok, int adres, const TParamTrans &trans, bool wszystkie, bool mycie)
{
    return domyslnie(
        [&](TFkomunikacja &k) { return ZapisKomKrokiKvor350(k, kr, blok, adres, trans, wszystkie, mycie); });
}

int powtorzCzytajKomStany(TFunkcjaSpec &kr, int blok, int adres, const TParamTrans &trans)
{
    return domyslnie([&](TFkomunikacja &k) { return CzytajKomStanyKVOR350(k, kr, blok, adres, trans); });
}

int powtorzZapisKomFunkcjeSpec(const TFunkcjaSpec &kr, int blok, int adres, const TParamTrans &trans, bool wszystkie)
{
    return domyslnie(
        [&](TFkomunikacja &k) { return ZapisKomFunkcjeSpecKvor350(k, kr, blok, adres, trans, wszystkie); });
}

int powtorzCzytajKomPrzekazniki(TPrzekaznik &kr, int blok, int adres, const TParamTrans &trans)
{
    return domyslnie([&](TFkomunikacja &k) { return CzytajKomPrzekaznikiKVOR350(k, kr, blok, adres, trans); });
}

int powtorzZapisKomPrzekazniki(const TPrzekaznik &kr, int blok, int adres, const TParamTrans &trans, bool wszystkie)
{
    return domyslnie(
        [&](TFkomunikacja &k) { return ZapisKomPrzekaznikiKvor350(k, kr, blok, adres, trans, wszystkie); });
}

int powtorzCzytajKomWyjsciaAnalogowe(TWyjscieAnalogowe &kr, int blok, int adres, const TParamTrans &trans)
{
    return domyslnie([&](TFkomunikacja &k) { return CzytajKomWyjsciaAnalogoweKVOR350(k, kr, blok, adres, trans); });
}

int powtorzZapisKomWyjsciaAnalogowe(const TWyjscieAnalogowe &kr, int blok, int adres, const TParamTrans &trans,
                                    bool wszystkie)
{
    return domyslnie(
        [&](TFkomunikacja &k) { return ZapisKomWyjsciaAnalogoweKvor350(k, kr, blok, adres, trans, wszystkie); });
}

int powtorzCzytajWejsciaAnalogowe(TWejscieAnalogowe &A_wejscie, int A_numer, int adres, const TParamTrans &trans)
{
    return domyslnie(
        [&](TFkomunikacja &k) { return CzytajWejsciaAnalogoweKVOR350(k, A_wejscie, A_numer, adres, trans); });
}

int powtorzZapisKomWejsciaaAnalogowe(const TWejscieAnalogowe &kr, int blok, int adres, const TParamTrans &trans,
                                     bool wszystkie)
{
    return domyslnie(
        [&](TFkomunikacja &k) { return ZapisKomWejsciaaAnalogoweKvor350(k, kr, blok, adres, trans, wszystkie); });
}

int powtorzCzytajWejAnalogAlarmWzgledny(int a_numer, vxt_alarm_konfiguracja_t &a_Alarm, int adres,
                                        const TParamTrans &trans)
{
    return domyslnie(
        [&](TFkomunikacja &k) { return CzytajWejAnalogAlarmWzglednyKVOR350(k, a_numer, a_Alarm, adres, trans); });
}

int powtorzZapisKomWejAnalogAlarmWzgledny(int a_numer, const vxt_alarm_konfiguracja_t &a_Alarm, int adres,
                                          const TParamTrans &trans, bool wszystkie)
{
    return domyslnie([&](TFkomunikacja &k) {
        return ZapisKomWejAnalogAlarmWzglednyKvor350(k, a_numer, a_Alarm, adres, trans, wszystkie);
    });
}

int powtorzCzytajWejsciaCyfrowe(Tkvor350wejscieDwustanowe &a_dane, int adres, const TParamTrans &trans)
{
    // Each attempt starts from the numbers the caller asked for: a failed
    // read zeroes them.
    const uint8_t wejscie = a_dane.nr_wejscia;
    const uint8_t karta = a_dane.nr_karty;
    return domyslnie([&](TFkomunikacja &k) {
        a_dane.nr_wejscia = wejscie;
        a_dane.nr_karty = karta;
        return CzytajWejsciaCyfroweKVOR350(k, a_dane, adres, trans);
    });
}

int powtorzZapisKomWejsciaCyfrowe(const Tkvor350wejscieDwustanowe &kr, int adres, const TParamTrans &trans,
                                  bool wszystkie)
{
    return domyslnie([&](TFkomunikacja &k) { return ZapisKomWejsciaCyfroweKvor350(k, kr, adres, trans, wszystkie); });
}

int powtorzCzytajZadane(TKvor350zadana &kr, int blok, int adres, const TParamTrans &trans)
{
    return powtarzaj({trans.ReadTotalTimeoutConstant}, trans.IlePowtorzen, {},
                     [&](TFkomunikacja &k) { return CzytajZadaneKVOR350(k, kr, blok, adres, trans); });
}

int powtorzZapisZadana(const TKvor350zadana &kr, int blok, int adres, const TParamTrans &trans, bool wszystkie)
{
    return domyslnie([&](TFkomunikacja &k) { return ZapisZadanaKvor350(k, kr, blok, adres, trans, wszystkie); });
}

int powtorzCzytajDodatki(tdanedodatki &kr, int adres, const TParamTrans &trans)
{
    return domyslnie([&](TFkomunikacja &k) { return CzytajDodatkiKVOR350(k, kr, adres, trans); });
}

int powtorzZapisKomDodatki(const tdanedodatki &kr, int adres, const TParamTrans &trans, bool wszystkie)
{
    return domyslnie([&](TFkomunikacja &k) { return ZapisKomDodatkiKvor350(k, kr, adres, trans, wszystkie); });
}

int powtorzCzytajWilgotnosc(Tkvor350wilgotnosc &kr, int adres, const TParamTrans &trans)
{
    return domyslnie([&](TFkomunikacja &k) { return CzytajWilgotnoscKVOR350(k, kr, adres, trans); });
}

int powtorzZapisKomWilgotnosc(const Tkvor350wilgotnosc &kr, int adres, const TParamTrans &trans, bool wszystkie)
{
    return domyslnie([&](TFkomunikacja &k) { return ZapisKomWilgotnoscKvor350(k, kr, adres, trans, wszystkie); });
}

int powtorzCzytajPrzekaznikiAlarm(vxt_alarm_konfiguracja_t &A_al, int A_numer, int adres, const TParamTrans &trans)
{
    return domyslnie([&](TFkomunikacja &k) { return CzytajPrzekaznikiAlarmKVOR350(k, A_al, A_numer, adres, trans); });
}

int powtorzZapisKomPrzekaznikiAlarm(const TAlarmyF1F4Array &A_alarmy, int adres, const TParamTrans &trans,
                                    bool wszystkie)
{
    return domyslnie(
        [&](TFkomunikacja &k) { return ZapisKomPrzekaznikiAlarmKvor350(k, A_alarmy, adres, trans, wszystkie); });
}

int powtorzCzytajKomUstawieniaMycia(TProjektDodatkiMycie &kr, int adres, const TParamTrans &trans)
{
    return powtarzaj(razy(3, timeoutStand), iloscPowtorzen, {},
                     [&](TFkomunikacja &k) { return CzytajKomUstawieniaMyciaKVOR350(k, kr, adres, trans); });
}

int powtorzZapisUstawieniaMycia(const TProjektDodatkiMycie &kr, int adres, const TParamTrans &trans)
{
    return powtarzaj(razy(3, timeoutStand), iloscPowtorzen, {},
                     [&](TFkomunikacja &k) { return ZapisUstawieniaMyciaKvor350(k, kr, adres, trans); });
}

int powtorzZapisLogoPage(uint16_t a_pageNum, uint16_t A_logo_pageSize, const QByteArray &a_page, int adres,
                         const TParamTrans &trans)
{
    return domyslnie(
        [&](TFkomunikacja &k) { return ZapisLogoPageKvor350(k, a_pageNum, A_logo_pageSize, a_page, adres, trans); });
}

int powtorzZapisFirmwarePage(uint16_t a_pageNum, uint16_t A_firmware_PageSize, const QByteArray &a_page, int adres,
                             const TParamTrans &trans)
{
    return domyslnie([&](TFkomunikacja &k) {
        return ZapisFirmwarePageKvor350(k, a_pageNum, A_firmware_PageSize, a_page, adres, trans);
    });
}

int powtorzZapisFirmwareCrc(uint16_t a_crc, int a_filesize, int adres, const TParamTrans &trans)
{
    return domyslnie([&](TFkomunikacja &k) { return ZapisFirmwareCrcKvor350(k, a_crc, a_filesize, adres, trans); });
}

int powtorzZapisGrafikaPage(uint16_t a_pageNum, uint16_t A_firmware_PageSize, const QByteArray &a_page, int adres,
                            const TParamTrans &trans)
{
    return domyslnie([&](TFkomunikacja &k) {
        return ZapisGrafikaPageKvor350(k, a_pageNum, A_firmware_PageSize, a_page, adres, trans);
    });
}

int powtorzZapisGrafikaCrc(uint16_t a_crc, int a_filesize, int adres, const TParamTrans &trans)
{
    // The controller checks the whole graphics before it answers.
    constexpr int czasKoncaGrafikiMs = 60000;
    return powtarzaj({czasKoncaGrafikiMs}, iloscPowtorzen, {},
                     [&](TFkomunikacja &k) { return ZapisGrafikaCrcKvor350(k, a_crc, a_filesize, adres, trans); });
}

int powtorzCzytajKomSetup(int adres, const TParamTrans &trans, TFunkcjeKvor3 &setup)
{
    return domyslnie([&](TFkomunikacja &k) { return k.CzytajKomSetupKvor350(adres, trans, setup); });
}

int powtorzZapisKomSetup(int adres, const TParamTrans &trans, const TFunkcjeKvor3 &setup)
{
    return powtarzaj(standard(), iloscPowtorzen, {1},
                     [&](TFkomunikacja &k) { return k.ZapisKomSetupKvor350(adres, trans, setup); });
}

int powtorzCzytajNumerSeryjny(int adres, const TParamTrans &trans, int &A_ns)
{
    return powtorzCzytajNumerSeryjny(adres, trans, A_ns, {timeoutStand, iloscPowtorzen});
}

int powtorzCzytajNumerSeryjny(int adres, const TParamTrans &trans, int &A_ns, const TProbyFasady &proby)
{
    return powtarzaj({proby.czasMs}, proby.proby, {1},
                     [&](TFkomunikacja &k) { return k.CzytajNumerSeryjnyKVOR350(adres, trans, A_ns); });
}

int powtorzZapiszCzas(const QDateTime &czas, uint8_t adres, const TParamTrans &trans)
{
    return powtarzaj(bezZmiany, iloscPowtorzen, {},
                     [&](TFkomunikacja &k) { return k.ZapiszCzaskVOR350(czas, adres, trans); });
}

int powtorzCzytajStatus(int adres, const TParamTrans &trans, TOdczyty &TabOdczyty)
{
    return powtarzaj(bezZmiany, trans.IlePowtorzen, {1},
                     [&](TFkomunikacja &k) { return k.CzytajStatusKVOR350(adres, trans, TabOdczyty); });
}

int powtorzCzytajTypSterownika(int adres, const TParamTrans &trans, QString &typ)
{
    return powtarzaj({trans.ReadTotalTimeoutConstant}, trans.IlePowtorzen, {},
                     [&](TFkomunikacja &k) { return k.CzytajTypSterownika(adres, trans, typ); });
}

int powtorzCzytajModuly(int adres, const TParamTrans &a_trans, TModulyWejWyKonfig &moduly)
{
    return powtarzaj(razy(2, a_trans.ReadTotalTimeoutConstant), a_trans.IlePowtorzen, {},
                     [&](TFkomunikacja &k) { return k.CzytajModulyKVOR350(adres, a_trans, moduly); });
}

int powtorzZapisModuly(int adres, const TParamTrans &A_trans, const TModulyWejWyKonfig &moduly, bool A_BypassSet73)
{
    return powtarzaj({A_trans.ReadTotalTimeoutConstant}, A_trans.IlePowtorzen, {},
                     [&](TFkomunikacja &k) { return k.ZapisModulyKvor350(adres, A_trans, moduly, A_BypassSet73); });
}

int powtorzCzytajlock(int adres, const TParamTrans &A_trans, bool &A_blokada)
{
    return powtarzaj({A_trans.ReadTotalTimeoutConstant}, A_trans.IlePowtorzen, {kodNieznanePolecenieBlokady},
                     [&](TFkomunikacja &k) { return k.CzytajlockKVOR350(adres, A_trans, A_blokada); });
}

int powtorzZapiszUnlock(int adres, const TParamTrans &A_trans, uint32_t A_password)
{
    constexpr int zleHaslo = 66;
    return powtarzaj({A_trans.ReadTotalTimeoutConstant}, A_trans.IlePowtorzen, {zleHaslo},
                     [&](TFkomunikacja &k) { return k.ZapiszUnlockKVOR350(adres, A_trans, A_password); });
}

int powtorzZapiszLock(const TUstawieniaSterownika &A_ds)
{
    const TParamTrans &t = A_ds.ParametryTransmisji;
    return powtarzaj({t.ReadTotalTimeoutConstant}, t.IlePowtorzen, {},
                     [&](TFkomunikacja &k) { return k.ZapiszLockKVOR350(A_ds); });
}
