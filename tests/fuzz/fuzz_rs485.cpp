// Every RS-485 command against a fake serial port whose replies come from
// the input: silent, short, long, cut, with a wrong CRC, address or
// function, behind an offset byte, or complete (odpowiedzi.h).
//
// Input: [row][flags][12 argument bytes][replies...]. Flags: bit 0 the
// converter's offset byte on the port, bit 1 manual direction switching,
// bit 2 the port cannot be opened, bit 3 its parity cannot be set, bit 4 a
// write hands over one byte too few, bit 5 the frame log on.
//
// For every command: its result is one of the link's and commands' codes;
// success only when every exchange got a complete reply (all the bytes
// asked for, CRC and address right); a box only when the port cannot be
// opened; a failed read leaves its record as the frame rules say.
#include "fuzz.h"
#include "odpowiedzi.h"

#include "kodek.h"
#include "komunikacja.h"
#include "odczyty.h"
#include "polecenia_blokow.h"
#include "projekt_domyslny.h"
#include "ramka.h"
#include "sciezki.h"

#include <QFile>

#include <functional>
#include <memory>
#include <set>

namespace {

struct Wymiana {
    QByteArray zapytanie;
    std::vector<std::pair<int, QByteArray>> odczyty; // (bytes asked for, bytes given)
};

class PortFuzz final : public IPortSzeregowy {
public:
    PortFuzz(Wejscie &we, uint8_t flagi) : we_(we), flagi_(flagi) {}

    bool otworz(const QString &, int, QString *powod) override
    {
        otwarty_ = !(flagi_ & 4);
        if (!otwarty_ && powod)
            *powod = QStringLiteral("fuzz");
        return otwarty_;
    }
    void zamknij() override { otwarty_ = false; }
    bool otwarty() const override { return otwarty_; }
    bool ustawBrakParzystosci() override { return !(flagi_ & 8); }
    bool wyczyscBufory() override
    {
        wymiany.push_back({});
        bufor_.clear();
        gotowa_ = false;
        return true;
    }
    qint64 zapisz(const QByteArray &d) override
    {
        biezaca().zapytanie += d;
        return (flagi_ & 16) ? d.size() - 1 : d.size();
    }
    bool zapiszZnak(char z) override
    {
        biezaca().zapytanie += z;
        return true;
    }
    bool oproznij() override { return true; }
    void ustawRTS(bool) override {}
    void ustawDTR(bool) override {}
    QByteArray czytaj(int n, int, int) override
    {
        Wymiana &w = biezaca();
        if (!gotowa_) {
            const bool offset = (flagi_ & 1) && w.odczyty.empty();
            bufor_ = odpowiedzZWejscia(we_, w.zapytanie, offset ? n - 1 : n);
            gotowa_ = true;
        }
        const QByteArray r = bufor_.left(std::max(n, 0));
        bufor_.remove(0, r.size());
        w.odczyty.push_back({n, r});
        return r;
    }

    // Every read of the exchange gave all it asked for (the first may lack
    // its offset byte), and the bytes make a frame with the right CRC and
    // address.
    bool kompletna(const Wymiana &w) const
    {
        if (w.odczyty.empty())
            return false;
        QByteArray r;
        for (size_t i = 0; i < w.odczyty.size(); ++i) {
            auto [n, b] = w.odczyty[i];
            if (i == 0 && (flagi_ & 1)) {
                if (b.size() == n && b.at(0) == '\0')
                    b.remove(0, 1);
                else if (b.size() != n - 1)
                    return false;
            } else if (b.size() != n) {
                return false;
            }
            r += b;
        }
        return ramkaPoprawna(r, w.zapytanie);
    }
    // Complete exchanges before the first that is not.
    int kompletnychNaPoczatku() const
    {
        int n = 0;
        while (n < int(wymiany.size()) && kompletna(wymiany[size_t(n)]))
            ++n;
        return n;
    }

    std::vector<Wymiana> wymiany;

private:
    Wymiana &biezaca()
    {
        if (wymiany.empty())
            wymiany.push_back({});
        return wymiany.back();
    }

    Wejscie &we_;
    uint8_t flagi_;
    QByteArray bufor_;
    bool gotowa_ = false;
    bool otwarty_ = false;
};

struct Proba {
    TFkomunikacja &k;
    PortFuzz &port;
    Wejscie &arg; // the argument bytes: address, 4 for the records sent, 7 for the call
    const char *nazwa;
    int adres;
    TParamTrans trans;
    TUstawieniaSterownika ust;
    uint32_t los; // the bytes of records to send
};

// A section read into a record of any bytes: a failed read leaves it all
// zeros.
template <class T, class F>
int odczyt(Proba &p, F &&f)
{
    auto r = std::make_unique<T>(rekordLosowy<T>(p.los));
    const int w = f(*r);
    if (w != 0)
        FUZZ_SPRAWDZ(rekordZerowy(*r), tekst(p, w) + QStringLiteral(": the record of a failed read is not zero"));
    return w;
}

// A read whose record keeps its value when the read fails.
template <class T, class F>
int odczytBezZmiany(Proba &p, F &&f)
{
    const T przed = rekordLosowy<T>(p.los);
    T r = przed;
    const int w = f(r);
    if (w != 0)
        FUZZ_SPRAWDZ(bajtyRekordu(r) == bajtyRekordu(przed),
                     tekst(p, w) + QStringLiteral(": a failed read changed it"));
    return w;
}

using P = TProjektVXTNew;
using M = TProjektDodatkiMycie;

const std::vector<Polecenie<Proba>> &polecenia()
{
    static const std::vector<Polecenie<Proba>> w = {
        {"CzytajTypSterownika",
         [](Proba &p) {
             QString typ = QStringLiteral("x");
             const int w = p.k.CzytajTypSterownika(p.adres, p.trans, typ);
             if (w != 0)
                 FUZZ_SPRAWDZ(typ.isEmpty(), tekst(p, w));
             return w;
         },
         [](const P &, const M &) {
             QByteArray d(125, ' ');
             d.replace(60, 8, "kvor350X");
             return jednaOdpowiedz(d);
         }},
        {"CzytajNumerSeryjnyKVOR350",
         [](Proba &p) {
             return odczytBezZmiany<int>(p,
                                         [&](int &ns) { return p.k.CzytajNumerSeryjnyKVOR350(p.adres, p.trans, ns); });
         },
         [](const P &, const M &) { return jednaOdpowiedz(QByteArray("\x00\x01\x86\xA0", 4)); }},
        {"CzytajStatusKVOR350",
         [](Proba &p) {
             return odczytBezZmiany<TOdczyty>(
                 p, [&](TOdczyty &o) { return p.k.CzytajStatusKVOR350(p.adres, p.trans, o); });
         },
         [](const P &, const M &) { return jednaOdpowiedz(QByteArray(dlOdpowiedziOdczytow - 7, '\x02')); }},
        {"CzytajlockKVOR350",
         [](Proba &p) {
             bool blokada = p.los & 1;
             const bool przed = blokada;
             const int w = p.k.CzytajlockKVOR350(p.adres, p.trans, blokada);
             if (w != 0)
                 FUZZ_SPRAWDZ(blokada == przed, tekst(p, w));
             return w;
         },
         [](const P &, const M &) { return std::vector<QByteArray>{odpowiedzDlugosci(8, QByteArray(1, '\x01'))}; }},
        {"ZapiszUnlockKVOR350", [](Proba &p) { return p.k.ZapiszUnlockKVOR350(p.adres, p.trans, p.los); },
         [](const P &, const M &) { return std::vector<QByteArray>{odpowiedzDlugosci(8, QByteArray(1, '\x01'))}; }},
        {"ZapiszLockKVOR350", [](Proba &p) { return p.k.ZapiszLockKVOR350(p.ust); },
         [](const P &, const M &) { return std::vector<QByteArray>{odpowiedzDlugosci(8, QByteArray(1, '\x01'))}; }},
        {"set73onOffKVOR350",
         [](Proba &p) {
             const bool start = p.arg.bajt() & 1;
             return p.k.set73onOffKVOR350(p.ust, start);
         },
         [](const P &, const M &) { return jednaOdpowiedz({}); }},
        {"ZapiszCzaskVOR350",
         [](Proba &p) {
             const int rok = 2000 + p.arg.bajt() % 100, miesiac = 1 + p.arg.bajt() % 12, dzien = 1 + p.arg.bajt() % 28;
             const int godzina = p.arg.bajt() % 24, minuta = p.arg.bajt() % 60;
             const QDateTime t(QDate(rok, miesiac, dzien), QTime(godzina, minuta));
             return p.k.ZapiszCzaskVOR350(t, uint8_t(p.adres), p.trans);
         },
         [](const P &, const M &) { return jednaOdpowiedz(QByteArray(6, '\0')); }},
        {"CzytajModulyKVOR350",
         [](Proba &p) {
             TModulyWejWyKonfig m = rekordLosowy<TModulyWejWyKonfig>(p.los);
             const TModulyWejWyKonfig przed = m;
             const int w = p.k.CzytajModulyKVOR350(p.adres, p.trans, m);
             if (w != 0)
                 FUZZ_SPRAWDZ(rekordZerowy(m) || bajtyRekordu(m) == bajtyRekordu(przed), tekst(p, w));
             return w;
         },
         [](const P &p, const M &) { return jednaOdpowiedz(daneBloku(spakujModuly(p.modulyWeWyjKonf), 4)); }},
        {"ZapisModulyKvor350",
         [](Proba &p) { return p.k.ZapisModulyKvor350(p.adres, p.trans, *doWyslania<TModulyWejWyKonfig>(p)); },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"CzytajKomSetupKvor350",
         [](Proba &p) {
             return odczyt<TFunkcjeKvor3>(
                 p, [&](TFunkcjeKvor3 &s) { return p.k.CzytajKomSetupKvor350(p.adres, p.trans, s); });
         },
         [](const P &p, const M &) { return jednaOdpowiedz(daneBloku(spakujSetup(p.Setup), 1024)); }},
        {"ZapisKomSetupKvor350",
         [](Proba &p) { return p.k.ZapisKomSetupKvor350(p.adres, p.trans, *doWyslania<TFunkcjeKvor3>(p)); },
         [](const P &, const M &) { return jednaOdpowiedz({}); }},
        {"WyslijRamke",
         [](Proba &p) {
             const int N = (p.arg.bajt() + 11) % 48 - 4;
             QByteArray odp("x");
             int odebrano = -1;
             const int w = p.k.WyslijRamke(ZbudujRamke(p.adres, 'F', 0x07), odp, N, odebrano, p.trans);
             // After a read the count is what the reply holds.
             if (w == 0 || w == 3 || w == 4 || w == 8 || w == 10)
                 FUZZ_SPRAWDZ(odebrano == odp.size(), tekst(p, w));
             if (w == 0)
                 FUZZ_SPRAWDZ(odp.size() == N, tekst(p, w));
             return w;
         },
         [](const P &, const M &) { return jednaOdpowiedz({}); }},
        {"WyslijRamkeDlugosc",
         [](Proba &p) {
             QByteArray odp;
             int odebrano = -1;
             const int w = p.k.WyslijRamkeDlugosc(ZbudujRamke(p.adres, 'G', 0x09), odp, odebrano, p.trans);
             if (w == 0)
                 FUZZ_SPRAWDZ(odp.size() == slowoBE(odp, 3) && odebrano == odp.size(), tekst(p, w));
             return w;
         },
         [](const P &, const M &) { return std::vector<QByteArray>{odpowiedzDlugosci(12, "abcde")}; }},
        {"WyslijRamkeBajty",
         [](Proba &p) {
             const int N = (p.arg.bajt() + 7) % 48;
             const QByteArray ramka = ZbudujRamke(p.adres, 'F', 0x07);
             QByteArray b = ramka;
             const int w = p.k.WyslijRamkeBajty(b, int(b.size()), p.trans, N);
             FUZZ_SPRAWDZ(w == 0 ? b.size() == N : b == ramka, tekst(p, w));
             return w;
         },
         [](const P &, const M &) { return jednaOdpowiedz({}); }},

        // ---- Programs and steps ----
        {"ZapisKomProgramuKVOR350",
         [](Proba &p) {
             const bool bypass = p.arg.bajt() & 1;
             return ZapisKomProgramuKVOR350(p.k, *doWyslania<TProgram>(p), 0, p.ust, bypass);
         },
         [](const P &, const M &) { return odpowiedziSesji(5); }},
        {"CzytajProgramKVOR350",
         [](Proba &p) {
             const int nr = p.arg.bajt();
             auto r = std::make_unique<TProgram>(rekordLosowy<TProgram>(p.los));
             const int w = CzytajProgramKVOR350(p.k, *r, nr, p.ust);
             if (w != 0) {
                 // The parts read before the failing one stay; the rest is zero.
                 const int czesci = std::min(p.port.kompletnychNaPoczatku(), 5);
                 for (int wiersz = 10 * czesci; wiersz < 100; ++wiersz)
                     FUZZ_SPRAWDZ(rekordZerowy(r->cykle[wiersz]),
                                  tekst(p, w) + QStringLiteral(" row %1").arg(wiersz + 1));
                 if (czesci == 0)
                     FUZZ_SPRAWDZ(rekordZerowy(*r), tekst(p, w));
             }
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
        {"ZapisKomKrokiKvor350",
         [](Proba &p) {
             const int slot = p.arg.bajt(), flagi = p.arg.bajt();
             return ZapisKomKrokiKvor350(p.k, *doWyslania<TKrok>(p), slot, p.adres, p.trans, flagi & 1, flagi & 2);
         },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"CzytajKomKrokiKVOR350",
         [](Proba &p) {
             const int slot = p.arg.bajt(), mycie = p.arg.bajt() & 1;
             return odczyt<TKrok>(
                 p, [&](TKrok &r) { return CzytajKomKrokiKVOR350(p.k, r, slot, p.adres, mycie, p.trans); });
         },
         [](const P &p, const M &) {
             return jednaOdpowiedz(daneBloku(spakujKrok(p.kroki[1], 0), blokKroku.dlOdczytu));
         }},

        // ---- Outputs and special modes ----
        {"ZapisKomPrzekaznikiKvor350",
         [](Proba &p) {
             const int slot = p.arg.slowo() % 300, wszystkie = p.arg.bajt() & 1;
             return ZapisKomPrzekaznikiKvor350(p.k, *doWyslania<TPrzekaznik>(p), slot, p.adres, p.trans, wszystkie);
         },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"CzytajKomPrzekaznikiKVOR350",
         [](Proba &p) {
             const int slot = p.arg.bajt();
             return odczyt<TPrzekaznik>(
                 p, [&](TPrzekaznik &r) { return CzytajKomPrzekaznikiKVOR350(p.k, r, slot, p.adres, p.trans); });
         },
         [](const P &p, const M &) {
             return jednaOdpowiedz(daneBloku(spakujPrzekaznik(p.przekazniki[0], 0), blokPrzekaznika.dlOdczytu));
         }},
        {"ZapisKomPrzekaznikiAlarmKvor350",
         [](Proba &p) {
             const bool wszystkie = p.arg.bajt() & 1;
             TAlarmyF1F4Array a;
             wypelnijLosowo(a, sizeof a, p.los);
             return ZapisKomPrzekaznikiAlarmKvor350(p.k, a, p.adres, p.trans, wszystkie);
         },
         [](const P &, const M &) { return odpowiedziSesji(4); }},
        {"CzytajPrzekaznikiAlarmKVOR350",
         [](Proba &p) {
             const int nr = p.arg.bajt() % 6;
             return odczyt<vxt_alarm_konfiguracja_t>(p, [&](vxt_alarm_konfiguracja_t &r) {
                 return CzytajPrzekaznikiAlarmKVOR350(p.k, r, nr, p.adres, p.trans);
             });
         },
         [](const P &p, const M &) {
             return jednaOdpowiedz(
                 daneBloku(spakujAlarmWyjscia(p.przekaznikiAlarmF1F4[0], 0), blokAlarmuWyjscia.dlOdczytu));
         }},
        {"ZapisKomFunkcjeSpecKvor350",
         [](Proba &p) {
             const int slot = p.arg.slowo() % 300, wszystkie = p.arg.bajt() & 1;
             return ZapisKomFunkcjeSpecKvor350(p.k, *doWyslania<TFunkcjaSpec>(p), slot, p.adres, p.trans, wszystkie);
         },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"CzytajKomStanyKVOR350",
         [](Proba &p) {
             const int slot = p.arg.bajt();
             return odczyt<TFunkcjaSpec>(
                 p, [&](TFunkcjaSpec &r) { return CzytajKomStanyKVOR350(p.k, r, slot, p.adres, p.trans); });
         },
         [](const P &p, const M &) {
             return jednaOdpowiedz(daneBloku(spakujFunkcjeSpec(p.FunkcjeSpec[0], 0), blokFunkcjiSpec.dlOdczytu));
         }},
        {"ZapisKomWyjsciaAnalogoweKvor350",
         [](Proba &p) {
             const int slot = p.arg.slowo() % 1100, wszystkie = p.arg.bajt() & 1;
             return ZapisKomWyjsciaAnalogoweKvor350(p.k, *doWyslania<TWyjscieAnalogowe>(p), slot, p.adres, p.trans,
                                                    wszystkie);
         },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"CzytajKomWyjsciaAnalogoweKVOR350",
         [](Proba &p) {
             const int slot = p.arg.bajt();
             return odczyt<TWyjscieAnalogowe>(p, [&](TWyjscieAnalogowe &r) {
                 return CzytajKomWyjsciaAnalogoweKVOR350(p.k, r, slot, p.adres, p.trans);
             });
         },
         [](const P &p, const M &) {
             return jednaOdpowiedz(
                 daneBloku(spakujWyjscieAnalogowe(p.WyjsciaAn[0], 0), blokWyjsciaAnalogowego.dlOdczytu));
         }},

        // ---- Inputs ----
        {"ZapisKomWejsciaaAnalogoweKvor350",
         [](Proba &p) {
             const int nr = p.arg.bajt() % 30, wszystkie = p.arg.bajt() & 1;
             return ZapisKomWejsciaaAnalogoweKvor350(p.k, *doWyslania<TWejscieAnalogowe>(p), nr, p.adres, p.trans,
                                                     wszystkie);
         },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"CzytajWejsciaAnalogoweKVOR350",
         [](Proba &p) {
             const int nr = p.arg.bajt() % 30;
             return odczyt<TWejscieAnalogowe>(
                 p, [&](TWejscieAnalogowe &r) { return CzytajWejsciaAnalogoweKVOR350(p.k, r, nr, p.adres, p.trans); });
         },
         [](const P &p, const M &) {
             QByteArray b;
             spakujWejscieAnalogowe(0, p.FWejsciaPomiarowe[0], b);
             return jednaOdpowiedz(daneBloku(b, blokWejsciaAnalogowego.dlOdczytu));
         }},
        {"ZapisKomWejAnalogAlarmWzglednyKvor350",
         [](Proba &p) {
             const int nr = p.arg.bajt() % 4, wszystkie = p.arg.bajt() & 1;
             const int w = ZapisKomWejAnalogAlarmWzglednyKvor350(p.k, nr, *doWyslania<vxt_alarm_konfiguracja_t>(p),
                                                                 p.adres, p.trans, wszystkie);
             if (nr > 1)
                 FUZZ_SPRAWDZ(w == kodBrakAlarmuWzglednego && p.port.wymiany.empty(), tekst(p, w));
             return w;
         },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"CzytajWejAnalogAlarmWzglednyKVOR350",
         [](Proba &p) {
             const int nr = p.arg.bajt() % 4;
             const int w = odczyt<vxt_alarm_konfiguracja_t>(p, [&](vxt_alarm_konfiguracja_t &r) {
                 return CzytajWejAnalogAlarmWzglednyKVOR350(p.k, nr, r, p.adres, p.trans);
             });
             if (nr == 1 || nr == 3)
                 FUZZ_SPRAWDZ(w == kodBrakAlarmuWzglednego && p.port.wymiany.empty(), tekst(p, w));
             return w;
         },
         [](const P &p, const M &) {
             QByteArray b;
             spakujAlarm(0, p.FWejsciaPomiarowe[0].alarm_wzgledny, b);
             return jednaOdpowiedz(daneBloku(b, blokAlarmuWzglednego.dlOdczytu));
         }},
        {"ZapisKomWejsciaCyfroweKvor350",
         [](Proba &p) {
             const bool wszystkie = p.arg.bajt() & 1;
             return ZapisKomWejsciaCyfroweKvor350(p.k, *doWyslania<Tkvor350wejscieDwustanowe>(p), p.adres, p.trans,
                                                  wszystkie);
         },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"CzytajWejsciaCyfroweKVOR350",
         [](Proba &p) {
             return odczyt<Tkvor350wejscieDwustanowe>(p, [&](Tkvor350wejscieDwustanowe &r) {
                 return CzytajWejsciaCyfroweKVOR350(p.k, r, p.adres, p.trans);
             });
         },
         [](const P &p, const M &) {
             return jednaOdpowiedz(
                 daneBloku(spakujWejscieCyfrowe(p.WejsciaCyfrowe[0]), blokWejsciaCyfrowego.dlOdczytu));
         }},

        // ---- Setpoints, humidity, additions, washing settings ----
        {"ZapisZadanaKvor350",
         [](Proba &p) {
             const int slot = p.arg.slowo() % 300, wszystkie = p.arg.bajt() & 1;
             return ZapisZadanaKvor350(p.k, *doWyslania<TKvor350zadana>(p), slot, p.adres, p.trans, wszystkie);
         },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"CzytajZadaneKVOR350",
         [](Proba &p) {
             const int slot = p.arg.bajt();
             return odczyt<TKvor350zadana>(
                 p, [&](TKvor350zadana &r) { return CzytajZadaneKVOR350(p.k, r, slot, p.adres, p.trans); });
         },
         [](const P &p, const M &) {
             return jednaOdpowiedz(daneBloku(spakujZadana(p.zadana[0], 0), blokZadanej.dlOdczytu));
         }},
        {"ZapisKomWilgotnoscKvor350",
         [](Proba &p) {
             const bool wszystkie = p.arg.bajt() & 1;
             return ZapisKomWilgotnoscKvor350(p.k, *doWyslania<Tkvor350wilgotnosc>(p), p.adres, p.trans, wszystkie);
         },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"CzytajWilgotnoscKVOR350",
         [](Proba &p) {
             return odczyt<Tkvor350wilgotnosc>(
                 p, [&](Tkvor350wilgotnosc &r) { return CzytajWilgotnoscKVOR350(p.k, r, p.adres, p.trans); });
         },
         [](const P &p, const M &) {
             return jednaOdpowiedz(daneBloku(spakujWilgotnosc(p.wilgotnosc), blokWilgotnosci.dlOdczytu));
         }},
        {"ZapisKomDodatkiKvor350",
         [](Proba &p) {
             const bool wszystkie = p.arg.bajt() & 1;
             return ZapisKomDodatkiKvor350(p.k, *doWyslania<tdanedodatki>(p), p.adres, p.trans, wszystkie);
         },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"CzytajDodatkiKVOR350",
         [](Proba &p) {
             return odczyt<tdanedodatki>(
                 p, [&](tdanedodatki &r) { return CzytajDodatkiKVOR350(p.k, r, p.adres, p.trans); });
         },
         [](const P &p, const M &) {
             return jednaOdpowiedz(daneBloku(spakujDodatki(p.dodatki), blokDodatkow.dlOdczytu));
         }},
        {"ZapisUstawieniaMyciaKvor350",
         [](Proba &p) {
             return ZapisUstawieniaMyciaKvor350(p.k, *doWyslania<TProjektDodatkiMycie>(p), p.adres, p.trans);
         },
         [](const P &, const M &) { return odpowiedziSesji(); }},
        {"CzytajKomUstawieniaMyciaKVOR350",
         [](Proba &p) {
             return odczyt<TProjektDodatkiMycie>(
                 p, [&](TProjektDodatkiMycie &r) { return CzytajKomUstawieniaMyciaKVOR350(p.k, r, p.adres, p.trans); });
         },
         [](const P &, const M &m) {
             return jednaOdpowiedz(daneBloku(spakujUstawieniaMycia(m), blokUstawienMycia.dlOdczytu));
         }},

        // ---- Update and logo pages ----
        {"ZapisFirmwarePageKvor350",
         [](Proba &p) {
             const uint16_t nr = p.arg.slowo(), rozmiar = uint16_t(p.arg.slowo() % 600);
             QByteArray strona(512, '\0');
             wypelnijLosowo(strona.data(), 512, p.los);
             return ZapisFirmwarePageKvor350(p.k, nr, rozmiar, strona, p.adres, p.trans);
         },
         [](const P &, const M &) { return jednaOdpowiedz(QByteArray(4, '\0')); }},
        {"ZapisGrafikaPageKvor350",
         [](Proba &p) {
             const uint16_t nr = p.arg.slowo(), rozmiar = uint16_t(p.arg.slowo() % 600);
             return ZapisGrafikaPageKvor350(p.k, nr, rozmiar, QByteArray(512, '\x11'), p.adres, p.trans);
         },
         [](const P &, const M &) { return jednaOdpowiedz(QByteArray(4, '\0')); }},
        {"ZapisLogoPageKvor350",
         [](Proba &p) {
             const uint16_t nr = p.arg.slowo(), rozmiar = uint16_t(p.arg.slowo() % 600);
             return ZapisLogoPageKvor350(p.k, nr, rozmiar, QByteArray(512, '\x22'), p.adres, p.trans);
         },
         [](const P &, const M &) { return jednaOdpowiedz(QByteArray(4, '\0')); }},
        {"ZapisFirmwareCrcKvor350",
         [](Proba &p) {
             const uint16_t crc = p.arg.slowo();
             return ZapisFirmwareCrcKvor350(p.k, crc, int(p.los), p.adres, p.trans);
         },
         [](const P &, const M &) { return jednaOdpowiedz("OK"); }},
        {"ZapisGrafikaCrcKvor350",
         [](Proba &p) {
             const uint16_t crc = p.arg.slowo();
             return ZapisGrafikaCrcKvor350(p.k, crc, int(p.los), p.adres, p.trans);
         },
         [](const P &, const M &) { return jednaOdpowiedz("OK"); }},
    };
    return w;
}

const std::set<int> znaneKody = {
    0, 1, 2, 3, 4, 5, 7, 8, 10, 66, kodBrakAlarmuWzglednego, 217, kodBleduPakowania, kodBleduCzesciProgramu};

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

    logujRamki = flagi & 32;
    if (logujRamki)
        QFile::remove(katalogProgramu() + QStringLiteral("trans.txt"));
    TransmisjaNT = false;
    IleSleep = 5;
    auto wlasny = std::make_unique<PortFuzz>(we, flagi);
    PortFuzz &port = *wlasny;
    TFkomunikacja k(std::move(wlasny));
    k.porty().ustawOdczytKlucza([](const QString &) { return QStringLiteral("/dev/fuzz"); });
    k.porty().ustawListeUrzadzen([] { return QStringList(); });
    k.ustawKierunekSterownika(!(flagi & 2));
    k.UjemneOfesty[0] = flagi & 1;

    const int adres = arg.bajt();
    const uint32_t los = arg.liczba32();
    Proba p{k, port, arg, pol.nazwa, adres, {}, {}, los};
    p.trans.port = 0;
    p.trans.predkosc = 12;
    p.ust.adresRS = adres;
    p.ust.ParametryTransmisji = p.trans;

    const int w = pol.wykonaj(p);

    FUZZ_SPRAWDZ(znaneKody.count(w), tekst(p, w) + QStringLiteral(": no such code"));
    if (w == 0) {
        FUZZ_SPRAWDZ(!port.wymiany.empty(), tekst(p, w) + QStringLiteral(" without an exchange"));
        for (size_t i = 0; i < port.wymiany.size(); ++i)
            FUZZ_SPRAWDZ(port.kompletna(port.wymiany[i]),
                         tekst(p, w) +
                             QStringLiteral(" after an incomplete reply to exchange %1: %2")
                                 .arg(i + 1)
                                 .arg(QString::fromLatin1(port.wymiany[i].odczyty.empty()
                                                              ? QByteArray()
                                                              : port.wymiany[i].odczyty[0].second.toHex(' '))));
    }
    FUZZ_SPRAWDZ(komunikatyFuzz().empty() || (flagi & 4), tekst(p, w) + QStringLiteral(": a box was shown"));
    return 0;
}

std::vector<QByteArray> ziarnaFuzz()
{
    const ProjektDomyslny d;
    std::vector<QByteArray> z;
    const auto &lista = polecenia();
    for (size_t i = 0; i < lista.size(); ++i) {
        const std::vector<QByteArray> odpowiedzi = lista[i].odpowiedzi(*d.p, d.m);
        for (const int flagi : {0, 1}) {
            Ziarno s;
            s.bajt(int(i)).bajt(flagi).bajt(1).bajty(QByteArray(11, '\0'));
            for (const QByteArray &o : odpowiedzi)
                s.bajty(o);
            z.push_back(s);
        }
        // The first reply with a wrong CRC.
        z.push_back(Ziarno().bajt(int(i)).bajt(0).bajt(1).bajty(QByteArray(11, '\0')).bajty(odpowiedzZlegoCrc()));
    }
    return z;
}
