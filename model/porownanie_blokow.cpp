#include "porownanie_blokow.h"

#include "nazwy.h"

#include <QString>

#include <algorithm>
#include <cstring>

namespace {

template <size_t N>
bool rowneTablice(const uint8_t (&a)[N], const uint8_t (&b)[N])
{
    return std::memcmp(a, b, N) == 0;
}

// All 50 units, everything after the end of the text included.
bool nazwaDokladna(const TNazwa50char &a, const TNazwa50char &b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The first `ile` units as a text (inner zero units kept), units up to
// U+0020 trimmed at both ends.
QString nazwaPrzycieta(const TNazwa50char &n, int ile)
{
    char16_t z[50];
    std::memcpy(z, &n, sizeof z);
    return przytnij(jednostkiNaTekst(z, ile));
}

bool nazwaBezOdstepow(const TNazwa50char &a, const TNazwa50char &b)
{
    return nazwaPrzycieta(a, 50) == nazwaPrzycieta(b, 50);
}

// What an analog output keeps of its name.
bool nazwaKrotka(const TNazwa50char &a, const TNazwa50char &b)
{
    return nazwaPrzycieta(a, 15) == nazwaPrzycieta(b, 15);
}

// The one-byte name of a digital input as a length-prefixed string: the
// length byte, then that many characters (at most the 16 there are).
bool nazwaZDlugoscia(const uint8_t (&a)[17], const uint8_t (&b)[17])
{
    const int dl = std::min<int>(a[0], 16);
    return a[0] == b[0] && std::memcmp(a + 1, b + 1, size_t(dl)) == 0;
}

bool porownajSetupBlok(const TFunkcjeKvor3 &a, const TFunkcjeKvor3 &b)
{
    const auto fa = kopiaTablicy<int32_t, 101, offsetof(TFunkcjeKvor3, F)>(a);
    const auto fb = kopiaTablicy<int32_t, 101, offsetof(TFunkcjeKvor3, F)>(b);
    return std::equal(fa.begin() + 1, fa.end(), fb.begin() + 1);
}

bool porownajWejsciaPomiaroweBlok(const TWejsciaPomiarowe &a, const TWejsciaPomiarowe &b)
{
    for (int i = 0; i < 24; ++i) {
        const TWejscieAnalogowe &x = a[i], &y = b[i];
        if (!nazwaBezOdstepow(x.nazwa, y.nazwa) || x.input_type != y.input_type || x.offset != y.offset ||
            x.p1 != y.p1 || x.p2 != y.p2 || !porownajAlarm(x.alarm_bezwzgledny, y.alarm_bezwzgledny) ||
            !porownajAlarm(x.alarm_brak_czujnika, y.alarm_brak_czujnika) ||
            !porownajAlarm(x.alarm_wzgledny, y.alarm_wzgledny))
            return false;
    }
    return true;
}

bool porownajPrzekaznikiBlok(const TPrzekaznikiArray &a, const TPrzekaznikiArray &b)
{
    for (int i = 0; i < 128; ++i) {
        const TPrzekaznik &x = a[i], &y = b[i];
        if (!nazwaBezOdstepow(x.nazwa, y.nazwa) || x.koszt_energii != y.koszt_energii || x.moc != y.moc ||
            x.ikona != y.ikona)
            return false;
        for (int d = 0; d < 4; ++d)
            if (!porownajDefPrzekaznika(x.parametry[d], y.parametry[d]))
                return false;
    }
    return true;
}

// The alarm outputs keep only their delay and reaction.
bool porownajAlarmyDOBlok(const TAlarmyF1F4Array &a, const TAlarmyF1F4Array &b)
{
    for (int i = 0; i < 4; ++i)
        if (a[i].opoznienie != b[i].opoznienie || a[i].status != b[i].status)
            return false;
    return true;
}

bool porownajWyjsciaAnalogoweBlok(const TWyjsciaAoArray &a, const TWyjsciaAoArray &b)
{
    for (int i = 0; i < 4; ++i) {
        const TWyjscieAnalogowe &x = a[i], &y = b[i];
        if (!nazwaKrotka(x.nazwa, y.nazwa) || x.output_type != y.output_type || x.typ_04 != y.typ_04 ||
            x.zadajnik_kanal_zadany != y.zadajnik_kanal_zadany || x.koszt_energii != y.koszt_energii ||
            x.min != y.min || x.max != y.max || x.stop != y.stop || x.pause != y.pause ||
            !porownajCzasyDef(x.pid, y.pid) || x.moc != y.moc || x.liniowypomiarowy != y.liniowypomiarowy ||
            x.liniowyZadana0 != y.liniowyZadana0 || x.liniowyZadana20 != y.liniowyZadana20 ||
            x.aktywnystop != y.aktywnystop)
            return false;
    }
    return true;
}

bool porownajWejsciaCyfroweBlok(const TWejsciaCyfrowe &a, const TWejsciaCyfrowe &b)
{
    for (int i = 0; i < 32; ++i) {
        const Tkvor350wejscieDwustanowe &x = a[i], &y = b[i];
        if (!nazwaZDlugoscia(x.nazwa_str, y.nazwa_str) || x.logika != y.logika || x.zasilanie != y.zasilanie ||
            x.alarm_opoznienieL != y.alarm_opoznienieL || x.alarm_opoznienieH != y.alarm_opoznienieH ||
            x.alarm_logika != y.alarm_logika || x.alarm_status != y.alarm_status ||
            x.alarm_warunek1L != y.alarm_warunek1L || x.alarm_warunek1H != y.alarm_warunek1H ||
            x.alarm_warunek2L != y.alarm_warunek2L || x.alarm_warunek2H != y.alarm_warunek2H ||
            !rowneTablice(x.wyjscia_przypisane, y.wyjscia_przypisane))
            return false;
    }
    return true;
}

// Bit 0 of each mask is the base module, always there.
bool porownajModulyBlok(const TModulyWejWyKonfig &a, const TModulyWejWyKonfig &b)
{
    constexpr uint8_t bezBazowego = 0xFE;
    return (a.ain & bezBazowego) == (b.ain & bezBazowego) && (a.aout & bezBazowego) == (b.aout & bezBazowego) &&
           (a.din & bezBazowego) == (b.din & bezBazowego) && (a.dout & bezBazowego) == (b.dout & bezBazowego);
}

bool porownajZadaneBlok(const TZadaneArray &a, const TZadaneArray &b)
{
    for (int i = 0; i < 10; ++i)
        if (!nazwaDokladna(a[i].nazwa, b[i].nazwa) || a[i].wartosc != b[i].wartosc)
            return false;
    return true;
}

bool porownajDodatkiBlok(const tdanedodatki &a, const tdanedodatki &b)
{
    return a.iledodatki == b.iledodatki &&
           porownajSlowa(kopiaTablicy<int16_t, 8, offsetof(tdanedodatki, dodatki_max)>(a),
                         kopiaTablicy<int16_t, 8, offsetof(tdanedodatki, dodatki_max)>(b)) &&
           porownajSlowa(kopiaTablicy<int16_t, 8, offsetof(tdanedodatki, dodatki_min)>(a),
                         kopiaTablicy<int16_t, 8, offsetof(tdanedodatki, dodatki_min)>(b));
}

bool porownajWilgotnoscBlok(const Tkvor350wilgotnosc &a, const Tkvor350wilgotnosc &b)
{
    return a.sposob_pomiaru == b.sposob_pomiaru && a.numer_karty == b.numer_karty &&
           a.numer_wejscia == b.numer_wejscia && a.min_zadana == b.min_zadana && a.max_zadana == b.max_zadana &&
           porownajAlarm(a.alarm, b.alarm);
}

// The names of modes 1..4 are fixed by the program.
bool porownajTrybySpecjalneBlok(const TFunkcjeSpecjalneArray &a, const TFunkcjeSpecjalneArray &b)
{
    constexpr int pierwszyZNazwa = 4;
    for (int i = 0; i < 14; ++i) {
        const TFunkcjaSpec &x = a[i], &y = b[i];
        if ((i >= pierwszyZNazwa && !nazwaDokladna(x.nazwa, y.nazwa)) || x.czas_wyl != y.czas_wyl ||
            x.logika != y.logika || x.tryb != y.tryb || !rowneTablice(x.przekazniki, y.przekazniki))
            return false;
    }
    return true;
}

// Slots 1..ile; slot 0 carries no step.
bool porownajKrokiBlok(const TKrokiArray &a, const TKrokiArray &b, int ile)
{
    for (int i = 1; i <= ile; ++i) {
        const TKrok &x = a[i], &y = b[i];
        if (!nazwaDokladna(x.nazwa, y.nazwa) || x.warunek_konca != y.warunek_konca ||
            !rowneTablice(x.przekazniki, y.przekazniki) ||
            !porownajSlowa(kopiaTablicy<int16_t, 5, offsetof(TKrok, zadane4)>(x),
                           kopiaTablicy<int16_t, 5, offsetof(TKrok, zadane4)>(y)))
            return false;
    }
    return true;
}

bool porownajProgramyBlok(const TProgramyArray100 &a, const TProgramyArray100 &b)
{
    for (int i = 0; i < 100; ++i)
        if (!porownajProgramBlok(false, a[i], b[i]))
            return false;
    return true;
}

bool porownajUstawieniaMyciaBlok(const TProjektDodatkiMycie &a, const TProjektDodatkiMycie &b)
{
    return a.czaDoMycia == b.czaDoMycia && rowneTablice(a.przekazniki, b.przekazniki);
}

using P = TProjektVXTNew;
using M = TProjektDodatkiMycie;

// Row `wiersz`'s block of two projects (with their washing settings) alike.
struct TBlokPorownania {
    WierszProjektu wiersz;
    bool (*rowne)(const P &a, const P &b, const M &ma, const M &mb);
};

// The block is one part of the project, compared whole.
template <auto pole, auto porownaj>
bool czesc(const P &a, const P &b, const M &, const M &)
{
    return porownaj(a.*pole, b.*pole);
}

using W = WierszProjektu;
constexpr TBlokPorownania blokiPorownania[] = {
    {W::Setup, czesc<&P::Setup, porownajSetupBlok>},
    {W::WejsciaPomiarowe, czesc<&P::FWejsciaPomiarowe, porownajWejsciaPomiaroweBlok>},
    {W::Przekazniki,
     [](const P &a, const P &b, const M &, const M &) {
         return porownajPrzekaznikiBlok(a.przekazniki, b.przekazniki) &&
                porownajAlarmyDOBlok(a.przekaznikiAlarmF1F4, b.przekaznikiAlarmF1F4);
     }},
    {W::WyjsciaAnalogowe, czesc<&P::WyjsciaAn, porownajWyjsciaAnalogoweBlok>},
    {W::WejsciaCyfrowe, czesc<&P::WejsciaCyfrowe, porownajWejsciaCyfroweBlok>},
    {W::Moduly, czesc<&P::modulyWeWyjKonf, porownajModulyBlok>},
    {W::Zadane, czesc<&P::zadana, porownajZadaneBlok>},
    {W::Dodatki, czesc<&P::dodatki, porownajDodatkiBlok>},
    {W::Wilgotnosc, czesc<&P::wilgotnosc, porownajWilgotnoscBlok>},
    {W::TrybySpecjalne, czesc<&P::FunkcjeSpec, porownajTrybySpecjalneBlok>},
    {W::Kroki, [](const P &a, const P &b, const M &, const M &) { return porownajKrokiBlok(a.kroki, b.kroki, 32); }},
    {W::Programy, czesc<&P::programy, porownajProgramyBlok>},
    {W::KrokiMycia,
     [](const P &a, const P &b, const M &, const M &) { return porownajKrokiBlok(a.krokiMycie, b.krokiMycie, 16); }},
    {W::ProgramMycia, [](const P &a, const P &b, const M &,
                         const M &) { return porownajProgramBlok(true, a.programyMycie, b.programyMycie); }},
    {W::UstawieniaMycia,
     [](const P &, const P &, const M &ma, const M &mb) { return porownajUstawieniaMyciaBlok(ma, mb); }},
};
static_assert(wKolejnosciWierszy(blokiPorownania));

} // namespace

bool porownajProgramBlok(bool bezNazwy, const TProgram &a, const TProgram &b)
{
    if (!bezNazwy && !nazwaDokladna(a.nazwa, b.nazwa))
        return false;
    constexpr int wierszyWUzyciu = 50, pojedynczych = 7, porownanych = 15;
    for (int r = 0; r < wierszyWUzyciu; ++r) {
        const TCyklProgramu &x = a.cykle[r], &y = b.cykle[r];
        for (int i = 0; i < pojedynczych; ++i)
            if (x.v[i] != y.v[i])
                return false;
        constexpr size_t od = pojedynczych * sizeof(int32_t);
        if (!porownajLiczby(kopiaTablicy<int32_t, porownanych - pojedynczych, od>(x),
                            kopiaTablicy<int32_t, porownanych - pojedynczych, od>(y)))
            return false;
    }
    return true;
}

WynikPorownania porownajBlokProjektu(bool odczytany, int wiersz, const TProjektVXTNew &kopia,
                                     const TProjektVXTNew &projekt, const TProjektDodatkiMycie &kopiaMycia,
                                     const TProjektDodatkiMycie &mycie)
{
    return wynikPorownania(odczytany && wiersz >= 1 && wiersz <= ileBlokowProjektu,
                           [&] { return blokiPorownania[wiersz - 1].rowne(kopia, projekt, kopiaMycia, mycie); });
}
