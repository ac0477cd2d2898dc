// Every TCP/IP callback, run by TFormLan::make with up to three attempts,
// each on a new fake client whose replies come from the input (odpowiedzi.h;
// a read for more bytes than the reply holds fails as on a real socket,
// bytes beyond a read stay for the next one).
//
// Input: [row][flags][12 argument bytes][replies...]. Flags: bit 0..1 the
// attempts (1..3), bit 2 the first connection fails, bit 3 one write fails
// (which one: an argument byte).
//
// For every callback: its result is one of the transport's codes; success
// only on a connection where no read or write failed and something was
// sent; a failed read leaves its record as the transport's rules say; a
// digital input is asked for with the numbers the caller gave, on every
// attempt.
#include "fuzz.h"
#include "odpowiedzi.h"

#include "kodek.h"
#include "lan.h"
#include "lan_polecenia.h"
#include "odczyty.h"
#include "projekt_domyslny.h"

#include <functional>
#include <memory>
#include <set>

namespace {

struct StanTcp {
    Wejscie &we;
    uint8_t flagi;
    int nieudanyZapis; // index of the write that fails, -1 none
    int zapisow = 0;
    std::vector<int> bledy;            // failed reads and writes per connection
    std::vector<int> wyslane;          // requests per connection
    std::vector<QByteArray> zapytania; // every request, serial number first
};

class KlientFuzz final : public IKlientTcp {
public:
    explicit KlientFuzz(StanTcp &s) : s_(s), nr_(s.bledy.size())
    {
        s_.bledy.push_back(0);
        s_.wyslane.push_back(0);
    }

    bool polacz(const QString &, quint16, int) override
    {
        polaczony_ = !((s_.flagi & 4) && nr_ == 0);
        return polaczony_;
    }
    bool polaczony() const override { return polaczony_; }
    void ustawCzasOdczytu(int ms) override { czas_ = ms; }
    int czasOdczytu() const override { return czas_; }

    void zapisz(const QByteArray &dane) override
    {
        if (!polaczony_ || s_.zapisow++ == s_.nieudanyZapis) {
            ++s_.bledy[nr_];
            throw BladTcp("fuzz");
        }
        zapytanie_ = dane;
        gotowa_ = false;
        ++s_.wyslane[nr_];
        s_.zapytania.push_back(dane);
    }
    QByteArray czytaj(int n) override
    {
        odpowiedz(n);
        if (bufor_.size() < n) {
            bufor_.clear();
            ++s_.bledy[nr_];
            throw BladOdczytuTcp("fuzz");
        }
        const QByteArray r = bufor_.left(n);
        bufor_.remove(0, n);
        return r;
    }
    QByteArray czytajCoPrzyjdzie() override
    {
        odpowiedz(0);
        return std::exchange(bufor_, QByteArray());
    }

private:
    void odpowiedz(int n)
    {
        if (!gotowa_ && !zapytanie_.isEmpty())
            bufor_ += odpowiedzZWejscia(s_.we, zapytanie_.mid(4), n);
        gotowa_ = true;
    }

    StanTcp &s_;
    size_t nr_;
    bool polaczony_ = false;
    int czas_ = 0;
    QByteArray zapytanie_, bufor_;
    bool gotowa_ = true;
};

struct Proba {
    TFormLan &lan;
    StanTcp &stan;
    Wejscie &arg;
    const char *nazwa;
    int proby;
    TUstawieniaSterownika ust;
    uint32_t los;
};

// A read that failed leaves its record zero; one that never ran (no
// connection) leaves it as it was.
template <class T>
void poNieudanym(const Proba &p, int w, const T &r, const T &przed)
{
    if (w != 0)
        FUZZ_SPRAWDZ(rekordZerowy(r) || (w == kodLanBrakPolaczenia && bajtyRekordu(r) == bajtyRekordu(przed)),
                     tekst(p, w) + QStringLiteral(": the record of a failed read"));
}

template <class T, class F>
int odczyt(Proba &p, F &&f)
{
    const auto przed = std::make_unique<T>(rekordLosowy<T>(p.los));
    auto r = std::make_unique<T>(*przed);
    const int w = f(*r);
    poNieudanym(p, w, *r, *przed);
    return w;
}

using P = TProjektVXTNew;
using M = TProjektDodatkiMycie;

// Writes: the record from the argument bytes, the session flag from one.
template <class T, class F>
int zapis(Proba &p, F f)
{
    const bool bypass = p.arg.bajt() & 1;
    return p.lan.make(p.proby, f, *doWyslania<T>(p), bypass, p.ust);
}
template <class T, class F>
int zapisNr(Proba &p, F f, int nr)
{
    const bool bypass = p.arg.bajt() & 1;
    return p.lan.make(p.proby, f, nr, *doWyslania<T>(p), bypass, p.ust);
}

const std::vector<Polecenie<Proba>> &polecenia()
{
    static const std::vector<Polecenie<Proba>> w = {
        {"lanCzytajTypSterownika",
         [](Proba &p) {
             QString typ = QStringLiteral("x");
             const int w = p.lan.make(p.proby, &lanCzytajTypSterownika, typ, p.ust);
             FUZZ_SPRAWDZ(w == 0 ? typ == QLatin1String("kvor350") : typ == QLatin1String("x"), tekst(p, w));
             return w;
         },
         [](const P &, const M &) { return jednaOdpowiedz(QByteArray(4, '\0')); }},
        {"lanCzytajStatus",
         [](Proba &p) {
             return odczyt<TOdczyty>(p, [&](TOdczyty &o) { return p.lan.make(p.proby, &lanCzytajStatus, o, p.ust); });
         },
         [](const P &, const M &) { return jednaOdpowiedz(QByteArray(dlOdpowiedziOdczytow - 7, '\x03')); }},
        {"lanZapiszCzas",
         [](Proba &p) {
             const QDateTime t(QDate(2000 + p.arg.bajt() % 100, 1, 1 + p.arg.bajt() % 28), QTime(p.arg.bajt() % 24, 0));
             return p.lan.make(p.proby, &lanZapiszCzas, t, p.ust);
         },
         [](const P &, const M &) { return jednaOdpowiedz({}); }},
        {"lanCzytajLock",
         [](Proba &p) {
             bool blokada = p.los & 1;
             const bool przed = blokada;
             const int w = p.lan.make(p.proby, &lanCzytajLock, blokada, p.ust);
             if (w != 0)
                 FUZZ_SPRAWDZ(blokada == przed, tekst(p, w));
             return w;
         },
         [](const P &, const M &) { return jednaOdpowiedz(QByteArray(1, '\x01')); }},
        {"lanZapiszUnlock", [](Proba &p) { return p.lan.make(p.proby, &lanZapiszUnlock, p.los, p.ust); },
         [](const P &, const M &) { return jednaOdpowiedz(QByteArray(1, '\x01')); }},
        {"sesjaZapisu",
         [](Proba &p) {
             const bool start = p.arg.bajt() & 1;
             return p.lan.make(p.proby, &sesjaZapisu, start, p.ust);
         },
         [](const P &, const M &) { return jednaOdpowiedz({}); }},
        {"lanCzytajSetup",
         [](Proba &p) {
             TFunkcjeKvor3 s = rekordLosowy<TFunkcjeKvor3>(p.los);
             const int32_t f0 = s.F[0];
             const int w = p.lan.make(p.proby, &lanCzytajSetup, s, p.ust);
             FUZZ_SPRAWDZ(s.F[0] == f0, tekst(p, w) + QStringLiteral(": F[0] changed"));
             return w;
         },
         [](const P &p, const M &) { return jednaOdpowiedz(daneBloku(spakujSetup(p.Setup), blokSetup.dlOdczytu)); }},
        {"lanZapisSetup",
         [](Proba &p) { return p.lan.make(p.proby, &lanZapisSetup, *doWyslania<TFunkcjeKvor3>(p), p.ust); },
         [](const P &, const M &) { return jednaOdpowiedz({}); }},
        {"lanCzytajModuly",
         [](Proba &p) {
             return odczyt<TModulyWejWyKonfig>(
                 p, [&](TModulyWejWyKonfig &m) { return p.lan.make(p.proby, &lanCzytajModuly, m, p.ust); });
         },
         [](const P &p, const M &) { return jednaOdpowiedz(spakujModuly(p.modulyWeWyjKonf)); }},
        {"lanZapisModuly", [](Proba &p) { return zapis<TModulyWejWyKonfig>(p, &lanZapisModuly); },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"lanCzytajUstawieniaMycia",
         [](Proba &p) {
             return odczyt<TProjektDodatkiMycie>(
                 p, [&](TProjektDodatkiMycie &m) { return p.lan.make(p.proby, &lanCzytajUstawieniaMycia, m, p.ust); });
         },
         [](const P &, const M &m) {
             return jednaOdpowiedz(daneBloku(spakujUstawieniaMycia(m), blokUstawienMycia.dlOdczytu));
         }},
        {"lanZapisUstawieniaMycia", [](Proba &p) { return zapis<TProjektDodatkiMycie>(p, &lanZapisUstawieniaMycia); },
         [](const P &, const M &) { return odpowiedziSesji(); }},

        // ---- Pages ----
        {"wyslijStroneFirmware",
         [](Proba &p) {
             const int nr = p.arg.slowo(), rozmiar = int(int16_t(p.arg.slowo())) % 600;
             return p.lan.make(p.proby, &wyslijStroneFirmware, nr, rozmiar, QByteArray(512, '\x33'), p.ust);
         },
         [](const P &, const M &) { return jednaOdpowiedz(QByteArray(4, '\0')); }},
        {"wyslijStroneLogo",
         [](Proba &p) {
             const int nr = p.arg.slowo(), rozmiar = int(int16_t(p.arg.slowo())) % 600;
             return p.lan.make(p.proby, &wyslijStroneLogo, nr, rozmiar, QByteArray(512, '\x44'), p.ust);
         },
         [](const P &, const M &) { return jednaOdpowiedz(QByteArray(4, '\0')); }},
        {"lanZapisGrafikaPage",
         [](Proba &p) {
             const int nr = p.arg.slowo(), rozmiar = int(int16_t(p.arg.slowo())) % 600;
             return p.lan.make(p.proby, &lanZapisGrafikaPage, nr, rozmiar, QByteArray(512, '\x55'), p.ust);
         },
         [](const P &, const M &) { return jednaOdpowiedz(QByteArray(4, '\0')); }},
        {"lanZapisFirmwareCrc",
         [](Proba &p) {
             const uint16_t crc = p.arg.slowo();
             return p.lan.make(p.proby, &lanZapisFirmwareCrc, crc, int(p.los), p.ust);
         },
         [](const P &, const M &) { return jednaOdpowiedz("OK"); }},
        {"lanZapisGrafikaCrc",
         [](Proba &p) {
             const uint16_t crc = p.arg.slowo();
             return p.lan.make(p.proby, &lanZapisGrafikaCrc, crc, int(p.los), p.ust);
         },
         [](const P &, const M &) { return jednaOdpowiedz("OK"); }},

        // ---- Section blocks ----
        {"lanCzytajProgram",
         [](Proba &p) {
             const int nr = p.arg.bajt();
             auto r = std::make_unique<TProgram>(rekordLosowy<TProgram>(p.los));
             const int w = p.lan.make(p.proby, &lanCzytajProgram, nr, *r, p.ust);
             // Rows 51..100 travel in no part: a read that ran zeroed them.
             const bool ruszony = !(w == kodLanBrakPolaczenia && p.stan.zapytania.empty());
             for (int wiersz = 50; ruszony && wiersz < 100; ++wiersz)
                 FUZZ_SPRAWDZ(rekordZerowy(r->cykle[wiersz]), tekst(p, w) + QStringLiteral(" row %1").arg(wiersz + 1));
             return w;
         },
         [](const P &p, const M &) {
             std::vector<QByteArray> r;
             for (int c = 0; c < 5; ++c) {
                 QByteArray t(blokCzesciProgramu.dlZapisu, '\0');
                 spakujBlokProgramu(p.programy[0], c, t, 0);
                 r.push_back(odpowiedzPelna(t));
             }
             return r;
         }},
        {"lanZapisProgramu", [](Proba &p) { return zapisNr<TProgram>(p, &lanZapisProgramu, 0); },
         [](const P &, const M &) { return odpowiedziSesji(5); }},
        {"lanCzytajKroki",
         [](Proba &p) {
             const int nr = p.arg.bajt();
             const bool mycie = p.arg.bajt() & 1;
             return odczyt<TKrok>(p,
                                  [&](TKrok &k) { return p.lan.make(p.proby, &lanCzytajKroki, nr, k, mycie, p.ust); });
         },
         [](const P &p, const M &) {
             return jednaOdpowiedz(daneBloku(spakujKrok(p.kroki[1], 0), blokKroku.dlOdczytu));
         }},
        {"lanZapisKroki",
         [](Proba &p) {
             const int nr = p.arg.slowo() % 300;
             const bool mycie = p.arg.bajt() & 1, bypass = p.arg.bajt() & 1;
             return p.lan.make(p.proby, &lanZapisKroki, nr, *doWyslania<TKrok>(p), mycie, bypass, p.ust);
         },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"lanCzytajStany",
         [](Proba &p) {
             const int nr = p.arg.bajt();
             return odczyt<TFunkcjaSpec>(
                 p, [&](TFunkcjaSpec &f) { return p.lan.make(p.proby, &lanCzytajStany, nr, f, p.ust); });
         },
         [](const P &p, const M &) {
             return jednaOdpowiedz(daneBloku(spakujFunkcjeSpec(p.FunkcjeSpec[0], 0), blokFunkcjiSpec.dlOdczytu));
         }},
        {"lanZapisFunkcjeSpec", [](Proba &p) { return zapisNr<TFunkcjaSpec>(p, &lanZapisFunkcjeSpec, p.arg.bajt()); },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"lanCzytajPrzekazniki",
         [](Proba &p) {
             const int nr = p.arg.bajt();
             return odczyt<TPrzekaznik>(
                 p, [&](TPrzekaznik &r) { return p.lan.make(p.proby, &lanCzytajPrzekazniki, nr, r, p.ust); });
         },
         [](const P &p, const M &) {
             return jednaOdpowiedz(daneBloku(spakujPrzekaznik(p.przekazniki[0], 0), blokPrzekaznika.dlOdczytu));
         }},
        {"lanZapisPrzekazniki",
         [](Proba &p) { return zapisNr<TPrzekaznik>(p, &lanZapisPrzekazniki, p.arg.slowo() % 300); },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"lanCzytajPrzekaznikiAlarm",
         [](Proba &p) {
             const int nr = p.arg.bajt() % 6;
             return odczyt<vxt_alarm_konfiguracja_t>(p, [&](vxt_alarm_konfiguracja_t &a) {
                 return p.lan.make(p.proby, &lanCzytajPrzekaznikiAlarm, nr, a, p.ust);
             });
         },
         [](const P &p, const M &) {
             return jednaOdpowiedz(
                 daneBloku(spakujAlarmWyjscia(p.przekaznikiAlarmF1F4[0], 0), blokAlarmuWyjscia.dlOdczytu));
         }},
        {"lanZapisPrzekaznikiAlarm",
         [](Proba &p) {
             const bool bypass = p.arg.bajt() & 1;
             TAlarmyF1F4Array a;
             wypelnijLosowo(a, sizeof a, p.los);
             return p.lan.make(p.proby, &lanZapisPrzekaznikiAlarm, a, bypass, p.ust);
         },
         [](const P &, const M &) { return odpowiedziSesji(4); }},
        {"lanCzytajWyjsciaAnalogowe",
         [](Proba &p) {
             const int nr = p.arg.bajt();
             return odczyt<TWyjscieAnalogowe>(p, [&](TWyjscieAnalogowe &r) {
                 return p.lan.make(p.proby, &lanCzytajWyjsciaAnalogowe, nr, r, p.ust);
             });
         },
         [](const P &p, const M &) {
             return jednaOdpowiedz(
                 daneBloku(spakujWyjscieAnalogowe(p.WyjsciaAn[0], 0), blokWyjsciaAnalogowego.dlOdczytu));
         }},
        {"lanZapisWyjsciaAnalogowe",
         [](Proba &p) { return zapisNr<TWyjscieAnalogowe>(p, &lanZapisWyjsciaAnalogowe, p.arg.slowo() % 300); },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"lanCzytajWejsciaAnalogowe",
         [](Proba &p) {
             const int nr = p.arg.bajt() % 30;
             return odczyt<TWejscieAnalogowe>(p, [&](TWejscieAnalogowe &r) {
                 return p.lan.make(p.proby, &lanCzytajWejsciaAnalogowe, nr, r, p.ust);
             });
         },
         [](const P &p, const M &) {
             QByteArray b;
             spakujWejscieAnalogowe(0, p.FWejsciaPomiarowe[0], b);
             return jednaOdpowiedz(daneBloku(b, blokWejsciaAnalogowego.dlOdczytu));
         }},
        {"lanZapisWejsciaAnalogowe",
         [](Proba &p) { return zapisNr<TWejscieAnalogowe>(p, &lanZapisWejsciaAnalogowe, p.arg.bajt() % 30); },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"lanCzytajWejAnalogAlarmWzgledny",
         [](Proba &p) {
             const int nr = p.arg.bajt() % 4;
             auto r = std::make_unique<TWejscieAnalogowe>(rekordLosowy<TWejscieAnalogowe>(p.los));
             const auto przed = std::make_unique<TWejscieAnalogowe>(*r);
             const int w = p.lan.make(p.proby, &lanCzytajWejAnalogAlarmWzgledny, nr, *r, p.ust);
             if (nr == 1 || nr == 3)
                 FUZZ_SPRAWDZ(w == kodLanBrakAlarmuWzglednego && p.stan.zapytania.empty(), tekst(p, w));
             // Only the relative alarm is read.
             const vxt_alarm_konfiguracja_t alarm = r->alarm_wzgledny, alarmPrzed = przed->alarm_wzgledny;
             poNieudanym(p, w, alarm, alarmPrzed);
             r->alarm_wzgledny = przed->alarm_wzgledny;
             FUZZ_SPRAWDZ(bajtyRekordu(*r) == bajtyRekordu(*przed),
                          tekst(p, w) + QStringLiteral(": more than the alarm"));
             return w;
         },
         [](const P &p, const M &) {
             QByteArray b;
             spakujAlarm(0, p.FWejsciaPomiarowe[0].alarm_wzgledny, b);
             return jednaOdpowiedz(daneBloku(b, blokAlarmuWzglednego.dlOdczytu));
         }},
        {"lanZapisWejAnalogAlarmWzgledny",
         [](Proba &p) { return zapisNr<TWejscieAnalogowe>(p, &lanZapisWejAnalogAlarmWzgledny, p.arg.bajt() % 4); },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"lanCzytajWejsciaCyfrowe",
         [](Proba &p) {
             const auto przed = rekordLosowy<Tkvor350wejscieDwustanowe>(p.los);
             auto r = std::make_unique<Tkvor350wejscieDwustanowe>(przed);
             const uint8_t wejscie = r->nr_wejscia, karta = r->nr_karty;
             const int w = p.lan.make(p.proby, &lanCzytajWejsciaCyfrowe, *r, p.ust);
             // Every attempt asks for the input the caller asked for, and the
             // record keeps its numbers.
             for (const QByteArray &z : p.stan.zapytania)
                 FUZZ_SPRAWDZ(uint8_t(z.at(9)) == wejscie && uint8_t(z.at(10)) == karta,
                              tekst(p, w) + QStringLiteral(": asked for input %1 of card %2 instead of %3 of %4")
                                                .arg(uint8_t(z.at(9)))
                                                .arg(uint8_t(z.at(10)))
                                                .arg(wejscie)
                                                .arg(karta));
             FUZZ_SPRAWDZ(r->nr_wejscia == wejscie && r->nr_karty == karta, tekst(p, w));
             if (w != 0 && !(w == kodLanBrakPolaczenia && bajtyRekordu(*r) == bajtyRekordu(przed))) {
                 r->nr_wejscia = r->nr_karty = 0;
                 FUZZ_SPRAWDZ(rekordZerowy(*r), tekst(p, w) + QStringLiteral(": the record of a failed read"));
             }
             return w;
         },
         [](const P &p, const M &) {
             return jednaOdpowiedz(
                 daneBloku(spakujWejscieCyfrowe(p.WejsciaCyfrowe[0]), blokWejsciaCyfrowego.dlOdczytu));
         }},
        {"lanZapisWejsciaCyfrowe",
         [](Proba &p) { return zapis<Tkvor350wejscieDwustanowe>(p, &lanZapisWejsciaCyfrowe); },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"lanCzytajZadane",
         [](Proba &p) {
             const int nr = p.arg.bajt();
             return odczyt<TKvor350zadana>(
                 p, [&](TKvor350zadana &z) { return p.lan.make(p.proby, &lanCzytajZadane, nr, z, p.ust); });
         },
         [](const P &p, const M &) {
             return jednaOdpowiedz(daneBloku(spakujZadana(p.zadana[0], 0), blokZadanej.dlOdczytu));
         }},
        {"lanZapisZadana", [](Proba &p) { return zapisNr<TKvor350zadana>(p, &lanZapisZadana, p.arg.slowo() % 300); },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"lanCzytajWilgotnosc",
         [](Proba &p) {
             return odczyt<Tkvor350wilgotnosc>(
                 p, [&](Tkvor350wilgotnosc &r) { return p.lan.make(p.proby, &lanCzytajWilgotnosc, r, p.ust); });
         },
         [](const P &p, const M &) {
             return jednaOdpowiedz(daneBloku(spakujWilgotnosc(p.wilgotnosc), blokWilgotnosci.dlOdczytu));
         }},
        {"lanZapisWilgotnosc", [](Proba &p) { return zapis<Tkvor350wilgotnosc>(p, &lanZapisWilgotnosc); },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"lanCzytajDodatki",
         [](Proba &p) {
             return odczyt<tdanedodatki>(
                 p, [&](tdanedodatki &r) { return p.lan.make(p.proby, &lanCzytajDodatki, r, p.ust); });
         },
         [](const P &p, const M &) {
             return jednaOdpowiedz(daneBloku(spakujDodatki(p.dodatki), blokDodatkow.dlOdczytu));
         }},
        {"lanZapisDodatki", [](Proba &p) { return zapis<tdanedodatki>(p, &lanZapisDodatki); },
         [](const P &, const M &) { return odpowiedziSesji(); }},
    };
    return w;
}

const std::set<int> znaneKody = {
    0, kodLanHaslo, kodLanBrakPolaczenia, kodLanWyjatek, kodLanOdczyt, kodLanKrotka, kodLanProgram};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    przygotujFuzz();
    komunikatyFuzz().clear();
    Wejscie we(dane, rozmiar);
    const auto &lista = polecenia();
    const Polecenie<Proba> &pol = lista[we.bajt() % lista.size()];
    const uint8_t flagi = we.bajt();
    const QByteArray argumenty = we.bajtyDopelnione(12);
    Wejscie arg(argumenty);

    const uint8_t ktoryZapis = arg.bajt();
    StanTcp stan{we, flagi, (flagi & 8) ? ktoryZapis % 8 : -1};
    TFormLan lan;
    lan.ustawFabrykeKlienta([&stan] { return std::make_unique<KlientFuzz>(stan); });

    const uint32_t los = arg.liczba32();
    Proba p{lan, stan, arg, pol.nazwa, 1 + (flagi & 3) % 3, {}, los};
    p.ust.lan.LAN_ACTIVE = 1;
    p.ust.lan.LAN_IP = QStringLiteral("10.0.0.1");
    p.ust.lan.NUMER_SERYJNY = int(los % 300000);
    p.ust.conectType = tct_ethernet;

    const int w = pol.wykonaj(p);

    FUZZ_SPRAWDZ(znaneKody.count(w), tekst(p, w) + QStringLiteral(": no such code"));
    FUZZ_SPRAWDZ(!lan.inProgress(), tekst(p, w) + QStringLiteral(": still in progress"));
    FUZZ_SPRAWDZ(int(stan.bledy.size()) <= p.proby, tekst(p, w) + QStringLiteral(": too many connections"));
    if (w == 0) {
        FUZZ_SPRAWDZ(!stan.bledy.empty() && stan.bledy.back() == 0 && stan.wyslane.back() > 0,
                     tekst(p, w) + QStringLiteral(" on a connection where a read or write failed"));
    }
    FUZZ_SPRAWDZ(komunikatyFuzz().empty(), tekst(p, w) + QStringLiteral(": a box was shown"));
    return 0;
}

std::vector<QByteArray> ziarnaFuzz()
{
    const ProjektDomyslny d;
    std::vector<QByteArray> z;
    const auto &lista = polecenia();
    for (size_t i = 0; i < lista.size(); ++i) {
        const std::vector<QByteArray> odpowiedzi = lista[i].odpowiedzi(*d.p, d.m);
        Ziarno s;
        s.bajt(int(i)).bajt(0).bajty(QByteArray(12, '\0'));
        for (const QByteArray &o : odpowiedzi)
            s.bajty(o);
        z.push_back(s);
        // Two attempts: the first gets no reply at all, the second the same.
        Ziarno d;
        d.bajt(int(i)).bajt(1).bajty(QByteArray(12, '\0')).bajt(0);
        for (const QByteArray &o : odpowiedzi)
            d.bajty(o);
        z.push_back(d);
    }
    return z;
}
