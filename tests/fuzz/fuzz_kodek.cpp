// Block unpackers and packers, the live readings, the channel split and the
// update pages, with any bytes.
//
// Input: [row][4 bytes: what the record held before][slot][block...].
// For every block: a block shorter than the shared layout is refused and
// leaves the record as it was; a longer one is taken; what the record
// sends back depends on the block alone (not on what else the record held),
// has the write block's size, and packing it again after unpacking gives
// the same bytes.
#include "fuzz.h"

#include "kodek.h"
#include "odczyty.h"
#include "projekt_domyslny.h"

#include <functional>
#include <memory>

namespace {

QString opis(const char *nazwa, const QByteArray &blok)
{
    return QStringLiteral("%1, block of %2 bytes: %3")
        .arg(QLatin1String(nazwa))
        .arg(blok.size())
        .arg(QString::fromLatin1(blok.left(64).toHex(' ')));
}

// The row of one block kind. `zNumerami` copies into the second record the
// fields the packer takes from the record itself (numbers the caller sets)
// rather than from the block.
template <class T, class Spakuj>
void sprawdzBlok(const char *nazwa, Wejscie &we, const OpisBloku &o, bool (*rozpakuj)(const QByteArray &, T &),
                 Spakuj spakuj, void (*zNumerami)(const T &, T &) = nullptr)
{
    const uint32_t los = we.liczba32();
    const int slot = we.bajt();
    const QByteArray blok = we.reszta();
    const T poczatkowy = rekordLosowy<T>(los);
    T r = poczatkowy;
    const bool ok = rozpakuj(blok, r);
    if (blok.size() < o.dlWspolna()) {
        FUZZ_SPRAWDZ(!ok, opis(nazwa, blok) + QStringLiteral(": a short block was taken"));
        FUZZ_SPRAWDZ(bajtyRekordu(r) == bajtyRekordu(poczatkowy),
                     opis(nazwa, blok) + QStringLiteral(": a refused block changed the record"));
        return;
    }
    FUZZ_SPRAWDZ(ok, opis(nazwa, blok) + QStringLiteral(": a whole block was refused"));

    T zZer{};
    if (zNumerami)
        zNumerami(r, zZer);
    rozpakuj(blok, zZer);
    const QByteArray b1 = spakuj(r, slot);
    FUZZ_SPRAWDZ(b1 == spakuj(zZer, slot),
                 opis(nazwa, blok) + QStringLiteral(": the block sent back depends on more than the block read"));
    FUZZ_SPRAWDZ(b1.isEmpty() || b1.size() == o.dlZapisu, opis(nazwa, blok) + QStringLiteral(": packed size"));
    if (!b1.isEmpty()) {
        T r2{};
        if (zNumerami)
            zNumerami(r, r2);
        FUZZ_SPRAWDZ(rozpakuj(b1, r2), opis(nazwa, b1) + QStringLiteral(": its own block refused"));
        FUZZ_SPRAWDZ(spakuj(r2, slot) == b1, opis(nazwa, b1) + QStringLiteral(": unpack and pack again differ"));
    }
    // A record of any bytes packs to the write block's size.
    const QByteArray z = spakuj(rekordLosowy<T>(los ^ 0x5BD1E995u), slot);
    FUZZ_SPRAWDZ(z.isEmpty() || z.size() == o.dlZapisu, opis(nazwa, z) + QStringLiteral(": packed size"));
}

void sprawdzCzescProgramu(Wejscie &we)
{
    const uint32_t los = we.liczba32();
    const int czesc = we.bajt() % 7 - 1; // -1 and 5 are no parts
    const QByteArray blok = we.reszta();
    auto poczatkowy = std::make_unique<TProgram>(rekordLosowy<TProgram>(los));
    auto r = std::make_unique<TProgram>(*poczatkowy);
    const bool ok = rozpakujBlokProgramu(blok, czesc, *r);
    const bool wymagany = czesc >= 0 && czesc < 5 && blok.size() >= blokCzesciProgramu.dlWspolna();
    FUZZ_SPRAWDZ(ok == wymagany, opis("program part", blok) + QStringLiteral(" part %1").arg(czesc));
    if (!ok) {
        FUZZ_SPRAWDZ(bajtyRekordu(*r) == bajtyRekordu(*poczatkowy), opis("program part", blok));
        return;
    }
    // Only the rows of the part (and the name, part 0) change.
    for (int w = 0; w < 100; ++w)
        if (w / 10 != czesc)
            FUZZ_SPRAWDZ(bajtyRekordu(r->cykle[w]) == bajtyRekordu(poczatkowy->cykle[w]),
                         opis("program part", blok) + QStringLiteral(": row %1 changed").arg(w + 1));
    FUZZ_SPRAWDZ(r->nr_prog == poczatkowy->nr_prog, opis("program part", blok));

    QByteArray b1(blokCzesciProgramu.dlZapisu, '\0');
    FUZZ_SPRAWDZ(spakujBlokProgramu(*r, czesc, b1, 0), opis("program part", blok));
    auto r2 = std::make_unique<TProgram>(*r);
    FUZZ_SPRAWDZ(rozpakujBlokProgramu(b1, czesc, *r2), opis("program part", b1));
    QByteArray b2(blokCzesciProgramu.dlZapisu, '\0');
    spakujBlokProgramu(*r2, czesc, b2, 0);
    FUZZ_SPRAWDZ(b1 == b2, opis("program part", b1) + QStringLiteral(": unpack and pack again differ"));

    // Packing into an array at any start: the whole array is zeroed, the
    // part written at the start, or nothing when it does not fit.
    const int start = int(los % 600) - 100;
    QByteArray tablica(int(los >> 8) % 1000, '\x55');
    const QByteArray przed = tablica;
    if (spakujBlokProgramu(*r, czesc, tablica, start)) {
        FUZZ_SPRAWDZ(start >= 0 && start + blokCzesciProgramu.dlZapisu <= tablica.size(), opis("program at", przed));
        FUZZ_SPRAWDZ(tablica.mid(start, blokCzesciProgramu.dlZapisu) == b1, opis("program at", tablica));
        FUZZ_SPRAWDZ(tablica.count('\0') >= tablica.size() - blokCzesciProgramu.dlZapisu, opis("program at", tablica));
    } else {
        FUZZ_SPRAWDZ(tablica == przed, opis("program at", przed) + QStringLiteral(": refused, yet changed"));
    }
}

void sprawdzOdczyty(Wejscie &we)
{
    const uint32_t los = we.liczba32();
    we.bajt();
    const QByteArray odp = we.reszta();
    const TOdczyty poczatkowy = rekordLosowy<TOdczyty>(los);
    TOdczyty o = poczatkowy;
    rozpakujOdczyty(odp, o);
    if (odp.size() < dlOdpowiedziOdczytow) {
        FUZZ_SPRAWDZ(bajtyRekordu(o) == bajtyRekordu(poczatkowy), opis("live readings", odp));
        return;
    }
    FUZZ_SPRAWDZ(o.stan2 == 0 && o.SekundaCyklu == 0, opis("live readings", odp));
    FUZZ_SPRAWDZ(o.rok >= 2000 && o.rok <= 2255, opis("live readings", odp));
    FUZZ_SPRAWDZ(o.MinutaCyklu >= 0 && o.MinutaCyklu < 60 && o.ZadMinutaCyklu >= 0 && o.ZadMinutaCyklu < 60,
                 opis("live readings", odp));
    FUZZ_SPRAWDZ(o.wersja >= 0 && o.wersja < (1 << 24), opis("live readings", odp));
    // The values the reply does not carry stay.
    FUZZ_SPRAWDZ(o.TempKom == poczatkowy.TempKom ||
                     (o.TempKom != o.TempKom && poczatkowy.TempKom != poczatkowy.TempKom),
                 opis("live readings", odp));
    FUZZ_SPRAWDZ(o.alarm == poczatkowy.alarm && o.LicznikRej == poczatkowy.LicznikRej, opis("live readings", odp));
}

void sprawdzKanal(Wejscie &we)
{
    const int kanal = int(we.liczba32());
    we.bajt();
    // The base and per-card counts are the program's constants, never negative.
    const int baza = int(we.liczba32() & 0x7FFFFFFF), naKarte = int(we.liczba32());
    int karta = -7, wejscie = -7;
    kanalNaKarteWejscie(kanal, baza, naKarte, karta, wejscie);
    const QString o = QStringLiteral("channel %1, base %2, per card %3: %4, %5")
                          .arg(kanal)
                          .arg(baza)
                          .arg(naKarte)
                          .arg(karta)
                          .arg(wejscie);
    if (kanal < 1 || (kanal > baza && naKarte < 1)) {
        FUZZ_SPRAWDZ(karta == 255 && wejscie == 255, o);
    } else if (kanal <= baza) {
        FUZZ_SPRAWDZ(karta == 0 && wejscie == kanal - 1, o);
    } else {
        FUZZ_SPRAWDZ(karta >= 1 && wejscie >= 0 && wejscie < naKarte, o);
        FUZZ_SPRAWDZ(int64_t(karta - 1) * naKarte + wejscie == int64_t(kanal) - baza - 1, o);
    }
}

void sprawdzStrony(Wejscie &we)
{
    const uint32_t los = we.liczba32();
    const uint16_t nr = uint16_t(los);
    // Slot 0: below 0; 1: 0..65535; 2 and 3: beyond the frame.
    const int rozmiar = int(los >> 16) + (we.bajt() % 4 - 1) * 0x10000;
    const QByteArray strona = we.reszta();
    const QByteArray b = spakujStroneAktualizacji(nr, strona, rozmiar);
    const bool mozna = rozmiar >= 0 && rozmiar <= strona.size() && rozmiar + 9 <= 0xFFFF;
    const QString o = QStringLiteral("page %1 of %2 bytes from %3").arg(nr).arg(rozmiar).arg(strona.size());
    FUZZ_SPRAWDZ(mozna ? b.size() == 2 + rozmiar : b.isEmpty(), o);
    if (mozna)
        FUZZ_SPRAWDZ(uint8_t(b[0]) == (nr & 0xFF) && uint8_t(b[1]) == nr >> 8 && b.mid(2) == strona.left(rozmiar), o);
    const QByteArray k = spakujKoniecAktualizacji(nr, int32_t(rozmiar));
    FUZZ_SPRAWDZ(k.size() == dlKoncaAktualizacji, o);
}

// ---- The rows ---------------------------------------------------------------------

struct Wiersz {
    const char *nazwa;
    std::function<void(Wejscie &)> sprawdz;
    // The rest of seed inputs after the row byte, with blocks the packers made.
    std::function<std::vector<QByteArray>(const TProjektVXTNew &, const TProjektDodatkiMycie &)> ziarna;
};

QByteArray zNaglowkiem(const QByteArray &blok, int slot = 0)
{
    return Ziarno().slowo(0x1234).slowo(0x5678).bajt(slot).bajty(blok);
}

template <class T>
std::vector<QByteArray> dwaBloki(const T &domyslny, const std::function<QByteArray(const T &)> &spakuj)
{
    return {zNaglowkiem(spakuj(domyslny)), zNaglowkiem(spakuj(rekordLosowy<T>(7)))};
}

void numeryWejscia(const Tkvor350wejscieDwustanowe &z, Tkvor350wejscieDwustanowe &w)
{
    w.nr_wejscia = z.nr_wejscia;
    w.nr_karty = z.nr_karty;
}

const std::vector<Wiersz> &wiersze()
{
    using P = TProjektVXTNew;
    using M = TProjektDodatkiMycie;
    static const std::vector<Wiersz> w = {
        {"program part", sprawdzCzescProgramu,
         [](const P &p, const M &) {
             std::vector<QByteArray> b;
             for (int c = 0; c < 5; ++c) {
                 QByteArray t(blokCzesciProgramu.dlZapisu, '\0');
                 spakujBlokProgramu(p.programy[0], c, t, 0);
                 b.push_back(zNaglowkiem(t, c + 1));
             }
             return b;
         }},
        {"step",
         [](Wejscie &we) {
             sprawdzBlok<TKrok>("step", we, blokKroku, rozpakujKrok,
                                [](const TKrok &k, int s) { return spakujKrok(k, s); });
         },
         [](const P &p, const M &) {
             return dwaBloki<TKrok>(p.kroki[1], [](const TKrok &k) { return spakujKrok(k, 1); });
         }},
        {"digital output",
         [](Wejscie &we) {
             sprawdzBlok<TPrzekaznik>("digital output", we, blokPrzekaznika, rozpakujPrzekaznik,
                                      [](const TPrzekaznik &k, int s) { return spakujPrzekaznik(k, s); });
         },
         [](const P &p, const M &) {
             return dwaBloki<TPrzekaznik>(p.przekazniki[0],
                                          [](const TPrzekaznik &k) { return spakujPrzekaznik(k, 0); });
         }},
        {"alarm output",
         [](Wejscie &we) {
             sprawdzBlok<vxt_alarm_konfiguracja_t>(
                 "alarm output", we, blokAlarmuWyjscia, rozpakujAlarmWyjscia,
                 [](const vxt_alarm_konfiguracja_t &a, int s) { return spakujAlarmWyjscia(a, s % 4); });
         },
         [](const P &p, const M &) {
             return dwaBloki<vxt_alarm_konfiguracja_t>(
                 p.przekaznikiAlarmF1F4[0], [](const vxt_alarm_konfiguracja_t &a) { return spakujAlarmWyjscia(a, 0); });
         }},
        {"special mode",
         [](Wejscie &we) {
             sprawdzBlok<TFunkcjaSpec>("special mode", we, blokFunkcjiSpec, rozpakujFunkcjeSpec,
                                       [](const TFunkcjaSpec &f, int s) { return spakujFunkcjeSpec(f, s); });
         },
         [](const P &p, const M &) {
             return dwaBloki<TFunkcjaSpec>(p.FunkcjeSpec[0],
                                           [](const TFunkcjaSpec &f) { return spakujFunkcjeSpec(f, 0); });
         }},
        {"analog output",
         [](Wejscie &we) {
             sprawdzBlok<TWyjscieAnalogowe>(
                 "analog output", we, blokWyjsciaAnalogowego, rozpakujWyjscieAnalogowe,
                 [](const TWyjscieAnalogowe &a, int s) { return spakujWyjscieAnalogowe(a, s); });
         },
         [](const P &p, const M &) {
             return dwaBloki<TWyjscieAnalogowe>(
                 p.WyjsciaAn[0], [](const TWyjscieAnalogowe &a) { return spakujWyjscieAnalogowe(a, 0); });
         }},
        {"measuring input",
         [](Wejscie &we) {
             sprawdzBlok<TWejscieAnalogowe>("measuring input", we, blokWejsciaAnalogowego, rozpakujWejscieAnalogowe,
                                            [](const TWejscieAnalogowe &a, int s) {
                                                QByteArray b;
                                                spakujWejscieAnalogowe(s % 26, a, b);
                                                return b;
                                            });
         },
         [](const P &p, const M &) {
             return dwaBloki<TWejscieAnalogowe>(p.FWejsciaPomiarowe[0], [](const TWejscieAnalogowe &a) {
                 QByteArray b;
                 spakujWejscieAnalogowe(0, a, b);
                 return b;
             });
         }},
        {"relative alarm",
         [](Wejscie &we) {
             sprawdzBlok<vxt_alarm_konfiguracja_t>("relative alarm", we, blokAlarmuWzglednego, rozpakujAlarm,
                                                   [](const vxt_alarm_konfiguracja_t &a, int s) {
                                                       QByteArray b;
                                                       spakujAlarm(s % 4, a, b);
                                                       return b;
                                                   });
         },
         [](const P &p, const M &) {
             return dwaBloki<vxt_alarm_konfiguracja_t>(p.FWejsciaPomiarowe[0].alarm_wzgledny,
                                                       [](const vxt_alarm_konfiguracja_t &a) {
                                                           QByteArray b;
                                                           spakujAlarm(0, a, b);
                                                           return b;
                                                       });
         }},
        {"digital input",
         [](Wejscie &we) {
             sprawdzBlok<Tkvor350wejscieDwustanowe>(
                 "digital input", we, blokWejsciaCyfrowego, rozpakujWejscieCyfrowe,
                 [](const Tkvor350wejscieDwustanowe &d, int) { return spakujWejscieCyfrowe(d); }, numeryWejscia);
         },
         [](const P &p, const M &) {
             return dwaBloki<Tkvor350wejscieDwustanowe>(p.WejsciaCyfrowe[0], spakujWejscieCyfrowe);
         }},
        {"setpoint",
         [](Wejscie &we) {
             sprawdzBlok<TKvor350zadana>("setpoint", we, blokZadanej, rozpakujZadana,
                                         [](const TKvor350zadana &z, int s) { return spakujZadana(z, s); });
         },
         [](const P &p, const M &) {
             return dwaBloki<TKvor350zadana>(p.zadana[0], [](const TKvor350zadana &z) { return spakujZadana(z, 0); });
         }},
        {"humidity",
         [](Wejscie &we) {
             sprawdzBlok<Tkvor350wilgotnosc>("humidity", we, blokWilgotnosci, rozpakujWilgotnosc,
                                             [](const Tkvor350wilgotnosc &w, int) { return spakujWilgotnosc(w); });
         },
         [](const P &p, const M &) { return dwaBloki<Tkvor350wilgotnosc>(p.wilgotnosc, spakujWilgotnosc); }},
        {"additions",
         [](Wejscie &we) {
             sprawdzBlok<tdanedodatki>("additions", we, blokDodatkow, rozpakujDodatki,
                                       [](const tdanedodatki &d, int) { return spakujDodatki(d); });
         },
         [](const P &p, const M &) { return dwaBloki<tdanedodatki>(p.dodatki, spakujDodatki); }},
        {"washing settings",
         [](Wejscie &we) {
             sprawdzBlok<TProjektDodatkiMycie>(
                 "washing settings", we, blokUstawienMycia, rozpakujUstawieniaMycia,
                 [](const TProjektDodatkiMycie &m, int) { return spakujUstawieniaMycia(m); });
         },
         [](const P &, const M &m) { return dwaBloki<TProjektDodatkiMycie>(m, spakujUstawieniaMycia); }},
        {"extra modules",
         [](Wejscie &we) {
             sprawdzBlok<TModulyWejWyKonfig>("extra modules", we, blokModulow, rozpakujModuly,
                                             [](const TModulyWejWyKonfig &m, int) { return spakujModuly(m); });
         },
         [](const P &p, const M &) { return dwaBloki<TModulyWejWyKonfig>(p.modulyWeWyjKonf, spakujModuly); }},
        {"SETUP",
         [](Wejscie &we) {
             sprawdzBlok<TFunkcjeKvor3>("SETUP", we, blokSetup, rozpakujSetup,
                                        [](const TFunkcjeKvor3 &s, int) { return spakujSetup(s); });
         },
         [](const P &p, const M &) { return dwaBloki<TFunkcjeKvor3>(p.Setup, spakujSetup); }},
        {"live readings", sprawdzOdczyty,
         [](const P &, const M &) {
             return std::vector<QByteArray>{zNaglowkiem(QByteArray(dlOdpowiedziOdczytow, '\x01'))};
         }},
        {"channel", sprawdzKanal,
         [](const P &, const M &) {
             return std::vector<QByteArray>{Ziarno().slowo(9).slowo(0).bajt(0).slowo(8).slowo(0).slowo(16).slowo(0)};
         }},
        {"update pages", sprawdzStrony,
         [](const P &, const M &) {
             return std::vector<QByteArray>{Ziarno().slowo(258).slowo(512).bajt(1).bajty(QByteArray(512, '\x5A'))};
         }},
    };
    return w;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    przygotujFuzz();
    Wejscie we(dane, rozmiar);
    const auto &w = wiersze();
    w[we.bajt() % w.size()].sprawdz(we);
    return 0;
}

std::vector<QByteArray> ziarnaFuzz()
{
    const ProjektDomyslny d;
    std::vector<QByteArray> z;
    const auto &w = wiersze();
    for (size_t i = 0; i < w.size(); ++i) {
        const std::vector<QByteArray> ziarna = w[i].ziarna(*d.p, d.m);
        for (const QByteArray &b : ziarna)
            z.push_back(Ziarno().bajt(int(i)).bajty(b));
        // The same row with its block one byte short.
        if (!ziarna.empty())
            z.push_back(Ziarno().bajt(int(i)).bajty(ziarna.front().chopped(1)));
    }
    return z;
}
