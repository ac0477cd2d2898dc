#include "bloki_sym.h"

#include "crc.h"
#include "kodek.h"

#include <cstring>
#include <random>

namespace {

constexpr int wejscNaKarcie = 6;
constexpr int wejscNaKarcieBazowej = 8;
constexpr int wejscNaKarcieDodatkowej = 16;

uint8_t b(const QByteArray &d, int i) { return i < d.size() ? uint8_t(d.at(i)) : 0; }

QByteArray doDlugosci(QByteArray d, int n)
{
    d.resize(n, '\0');
    return d;
}

// Digital input on its card to its slot in the project (8 on the base
// card, 16 on each extra card); -1 outside the 32 slots.
int slotWejsciaCyfrowego(int wejscie, int karta)
{
    int slot;
    if (karta == 0)
        slot = wejscie < wejscNaKarcieBazowej ? wejscie : -1;
    else
        slot = wejscie < wejscNaKarcieDodatkowej
                   ? wejscNaKarcieBazowej + (karta - 1) * wejscNaKarcieDodatkowej + wejscie
                   : -1;
    return slot < 32 ? slot : -1;
}

void liczZapis(StanSterownika &s)
{
    if (!s.sesjaOtwarta)
        ++s.zapisyPozaSesja;
}

// Takes one page into a stream; false once the stream is out of order.
bool wezStrone(StrumienSym &st, int nr, const QByteArray &strona)
{
    st.poZatwierdzeniu = false;
    if (nr == 0) {
        st.dane.clear();
        st.nastepna = 0;
        st.poczatekOstatniej = 0;
        st.zepsuty = false;
    }
    if (nr == st.nastepna) {
        if (st.dane.size() + strona.size() > BlokiSym::najwiecejDanych) {
            st.zepsuty = true;
        } else {
            st.poczatekOstatniej = int(st.dane.size());
            st.dane += strona;
            ++st.nastepna;
        }
    } else if (nr + 1 == st.nastepna) {
        // The same page again: its reply was lost on the way.
        st.dane.truncate(st.poczatekOstatniej);
        st.dane += strona;
    } else {
        st.zepsuty = true;
    }
    ++st.stron;
    return !st.zepsuty;
}

// The commit matches when every page came in order, the file ends inside
// the last page (or right at its start: the extra page of a file that fills
// its pages) and the CRC is that of the file's bytes. The same commit sent
// again after a lost reply is confirmed again.
bool zatwierdz(StrumienSym &st, uint16_t crc, int64_t rozmiar)
{
    if (st.poZatwierdzeniu && crc == st.crcZatwierdzonego && rozmiar == st.zatwierdzony.size())
        return true;
    const int64_t mamy = st.dane.size();
    const bool ok = !st.zepsuty && st.nastepna > 0 && rozmiar >= 0 && rozmiar <= mamy &&
                    mamy - rozmiar <= mamy - st.poczatekOstatniej && obliczCRC16(st.dane, rozmiar) == crc;
    if (ok) {
        st.zatwierdzony = st.dane.left(rozmiar);
        st.crcZatwierdzonego = crc;
        st.poZatwierdzeniu = true;
        ++st.zatwierdzen;
    } else {
        ++st.odrzuconych;
        st.poZatwierdzeniu = false;
    }
    st.dane.clear();
    st.nastepna = 0;
    st.poczatekOstatniej = 0;
    st.zepsuty = false;
    return ok;
}

using Odp = std::optional<QByteArray>;

class Losowe {
public:
    explicit Losowe(uint32_t ziarno) : g_(ziarno) {}
    template <class T>
    T rekord()
    {
        T r;
        auto *b = reinterpret_cast<uint8_t *>(&r);
        for (size_t i = 0; i < sizeof r; ++i)
            b[i] = uint8_t(g_());
        return r;
    }
    // Characters every name field and the one-byte names can carry.
    QString tekst(int najwyzej)
    {
        static const QString znaki = QStringLiteral("AaĄąBbCcĆćEeĘęLlŁłNnŃńOoÓóSsŚśZzŹźŻż 0123456789-.");
        const int n = int(g_() % uint32_t(najwyzej + 1));
        QString t;
        for (int i = 0; i < n; ++i)
            t += znaki.at(int(g_() % uint32_t(znaki.size())));
        return t;
    }
    void nazwa(TNazwa50char &n, int najwyzej = 20)
    {
        n = TNazwa50char{};
        const QString t = tekst(najwyzej);
        for (int i = 0; i < t.size(); ++i)
            n.z[i] = t.at(i).unicode();
    }

private:
    std::mt19937 g_;
};

template <class T>
void zeruj(T &r)
{
    std::memset(&r, 0, sizeof r);
}

} // namespace

BlokiSym::BlokiSym(SterownikSym &sterownik) : sterownik_(sterownik), projekt_(std::make_unique<TProjektVXTNew>())
{
    std::memset(projekt_.get(), 0, sizeof *projekt_);
    for (int i = 0; i < 100; ++i)
        projekt_->programy[i].nr_prog = i;
    projekt_->programyMycie.nr_prog = 100;
    zarejestruj();
}

void BlokiSym::zmien(const std::function<void(TProjektVXTNew &, TProjektDodatkiMycie &)> &f)
{
    sterownik_.zmien([&](StanSterownika &) { f(*projekt_, mycie_); });
}

void BlokiSym::ustaw(const TProjektVXTNew &projekt, const TProjektDodatkiMycie &mycie)
{
    zmien([&](TProjektVXTNew &p, TProjektDodatkiMycie &m) {
        p = projekt;
        m = mycie;
    });
}

std::unique_ptr<TProjektVXTNew> BlokiSym::projekt() const
{
    auto p = std::make_unique<TProjektVXTNew>();
    sterownik_.zmien([&](StanSterownika &) { *p = *projekt_; });
    return p;
}

TProjektDodatkiMycie BlokiSym::mycie() const
{
    TProjektDodatkiMycie m{};
    sterownik_.zmien([&](StanSterownika &) { m = mycie_; });
    return m;
}

StrumienSym BlokiSym::firmware() const
{
    StrumienSym s;
    sterownik_.zmien([&](StanSterownika &) { s = firmware_; });
    return s;
}

StrumienSym BlokiSym::grafika() const
{
    StrumienSym s;
    sterownik_.zmien([&](StanSterownika &) { s = grafika_; });
    return s;
}

QByteArray BlokiSym::logo() const
{
    QByteArray l;
    sterownik_.zmien([&](StanSterownika &) { l = logo_; });
    return l;
}

int BlokiSym::stronLogo() const
{
    int n = 0;
    sterownik_.zmien([&](StanSterownika &) { n = stronLogo_; });
    return n;
}

void BlokiSym::przykladowy(TProjektVXTNew &p, TProjektDodatkiMycie &m, uint32_t ziarno)
{
    Losowe los(ziarno);
    std::memset(&p, 0, sizeof p);
    zeruj(m);

    for (int nr = 0; nr <= 100; ++nr) {
        TProgram x = los.rekord<TProgram>();
        los.nazwa(x.nazwa);
        TProgram &cel = nr < 100 ? p.programy[nr] : p.programyMycie;
        for (int czesc = 0; czesc < 5; ++czesc) {
            QByteArray blok(blokCzesciProgramu.dlZapisu, '\0');
            spakujBlokProgramu(x, czesc, blok, 0);
            rozpakujBlokProgramu(blok, czesc, cel);
        }
        cel.nr_prog = nr;
    }
    for (const bool mycie : {false, true}) {
        TKrok *kroki = mycie ? p.krokiMycie : p.kroki;
        for (int slot = 1; slot <= (mycie ? 16 : 32); ++slot) {
            TKrok x = los.rekord<TKrok>();
            los.nazwa(x.nazwa);
            rozpakujKrok(spakujKrok(x, slot), kroki[slot]);
            kroki[slot].nr_kroku = slot;
        }
    }
    for (int k = 0; k < 32; ++k) {
        TPrzekaznik x = los.rekord<TPrzekaznik>();
        los.nazwa(x.nazwa);
        rozpakujPrzekaznik(spakujPrzekaznik(x, k), p.przekazniki[k]);
    }
    for (int i = 0; i < 4; ++i)
        rozpakujAlarmWyjscia(spakujAlarmWyjscia(los.rekord<vxt_alarm_konfiguracja_t>(), i), p.przekaznikiAlarmF1F4[i]);
    for (int k = 0; k < 14; ++k) {
        TFunkcjaSpec x = los.rekord<TFunkcjaSpec>();
        los.nazwa(x.nazwa);
        rozpakujFunkcjeSpec(spakujFunkcjeSpec(x, k), p.FunkcjeSpec[k]);
        p.FunkcjeSpec[k].nr_funkcji = k;
    }
    for (int k = 0; k < 4; ++k) {
        TWyjscieAnalogowe x = los.rekord<TWyjscieAnalogowe>();
        los.nazwa(x.nazwa);
        rozpakujWyjscieAnalogowe(spakujWyjscieAnalogowe(x, k), p.WyjsciaAn[k]);
    }
    for (int k = 0; k < 24; ++k) {
        TWejscieAnalogowe x = los.rekord<TWejscieAnalogowe>();
        los.nazwa(x.nazwa);
        QByteArray blok;
        spakujWejscieAnalogowe(k, x, blok);
        rozpakujWejscieAnalogowe(blok, p.FWejsciaPomiarowe[k]);
        if (k == 0 || k == 2) {
            spakujAlarm(k, los.rekord<vxt_alarm_konfiguracja_t>(), blok);
            rozpakujAlarm(blok, p.FWejsciaPomiarowe[k].alarm_wzgledny);
        }
    }
    for (int k = 0; k < 24; ++k) {
        Tkvor350wejscieDwustanowe x = los.rekord<Tkvor350wejscieDwustanowe>();
        x.nr_karty = uint8_t(k < 8 ? 0 : 1);
        x.nr_wejscia = uint8_t(k < 8 ? k : k - 8);
        // The one-byte name and the units behind it, as a read leaves them.
        const QString t = los.tekst(16);
        std::memset(x.nazwa_array, 0, sizeof x.nazwa_array);
        x.nazwa_str[0] = uint8_t(t.size());
        for (int i = 0; i < t.size(); ++i)
            x.nazwa_str[1 + i] = utf16NaZnak1250(t.at(i).unicode());
        Tkvor350wejscieDwustanowe &cel = p.WejsciaCyfrowe[k];
        rozpakujWejscieCyfrowe(spakujWejscieCyfrowe(x), cel);
        cel.nr_karty = x.nr_karty;
        cel.nr_wejscia = x.nr_wejscia;
    }
    for (int k = 0; k < 10; ++k) {
        TKvor350zadana x = los.rekord<TKvor350zadana>();
        los.nazwa(x.nazwa);
        rozpakujZadana(spakujZadana(x, k), p.zadana[k]);
    }
    rozpakujWilgotnosc(spakujWilgotnosc(los.rekord<Tkvor350wilgotnosc>()), p.wilgotnosc);
    rozpakujDodatki(spakujDodatki(los.rekord<tdanedodatki>()), p.dodatki);
    rozpakujUstawieniaMycia(spakujUstawieniaMycia(los.rekord<TProjektDodatkiMycie>()), m);
}

// Handlers run under the simulator's lock; a request of the wrong length
// or for a slot the controller does not have is an unknown command.
void BlokiSym::zarejestruj()
{
    TProjektVXTNew &p = *projekt_;
    const auto zapis = [this](const OpisBloku &o, std::function<bool(const QByteArray &)> wez) {
        sterownik_.dodajObsluge('I', o.podkomenda, [o, wez](StanSterownika &s, const QByteArray &d) -> Odp {
            if (d.size() != o.dlZapisu || !wez(d))
                return std::nullopt;
            liczZapis(s);
            return QByteArray();
        });
    };
    const auto odczyt = [this](const OpisBloku &o, int dlZapytania, std::function<QByteArray(const QByteArray &)> daj) {
        sterownik_.dodajObsluge('H', o.podkomenda, [o, dlZapytania, daj](StanSterownika &, const QByteArray &d) -> Odp {
            if (d.size() != dlZapytania)
                return std::nullopt;
            const QByteArray blok = daj(d);
            if (blok.isEmpty())
                return std::nullopt;
            return doDlugosci(blok, o.dlOdczytu);
        });
    };

    // Programs: 0..99 and the washing program 100.
    const auto program = [&p](int nr) -> TProgram * {
        return nr < 100 ? &p.programy[nr] : nr == 100 ? &p.programyMycie : nullptr;
    };
    zapis(blokCzesciProgramu, [program](const QByteArray &d) {
        TProgram *pr = program(b(d, 0));
        if (!pr || !rozpakujBlokProgramu(d, b(d, 1), *pr))
            return false;
        pr->nr_prog = b(d, 0);
        return true;
    });
    odczyt(blokCzesciProgramu, 2, [program](const QByteArray &d) {
        TProgram *pr = program(b(d, 0));
        QByteArray blok(blokCzesciProgramu.dlZapisu, '\0');
        if (!pr || !spakujBlokProgramu(*pr, b(d, 1), blok, 0))
            return QByteArray();
        blok[0] = d.at(0);
        return blok;
    });

    // Steps, slots 0..32.
    for (const bool mycie : {false, true}) {
        const OpisBloku &o = mycie ? blokKrokuMycia : blokKroku;
        TKrok *kroki = mycie ? p.krokiMycie : p.kroki;
        zapis(o, [kroki](const QByteArray &d) {
            if (b(d, 0) > 32 || !rozpakujKrok(d, kroki[b(d, 0)]))
                return false;
            kroki[b(d, 0)].nr_kroku = b(d, 0);
            return true;
        });
        odczyt(o, 1, [kroki](const QByteArray &d) {
            return b(d, 0) <= 32 ? spakujKrok(kroki[b(d, 0)], b(d, 0)) : QByteArray();
        });
    }

    // Digital outputs 0..127: [slot mod 32, slot div 32].
    const auto slotPrzekaznika = [](const QByteArray &d) { return b(d, 0) < 32 ? b(d, 0) + 32 * b(d, 1) : 128; };
    zapis(blokPrzekaznika, [&p, slotPrzekaznika](const QByteArray &d) {
        const int slot = slotPrzekaznika(d);
        return slot < 128 && rozpakujPrzekaznik(d, p.przekazniki[slot]);
    });
    odczyt(blokPrzekaznika, 2, [&p, slotPrzekaznika](const QByteArray &d) {
        const int slot = slotPrzekaznika(d);
        return slot < 128 ? spakujPrzekaznik(p.przekazniki[slot], slot) : QByteArray();
    });

    // Alarm outputs F1..F4 as 0..3.
    zapis(blokAlarmuWyjscia, [&p](const QByteArray &d) {
        return b(d, 0) < 4 && rozpakujAlarmWyjscia(d, p.przekaznikiAlarmF1F4[b(d, 0)]);
    });
    odczyt(blokAlarmuWyjscia, 1, [&p](const QByteArray &d) {
        return b(d, 0) < 4 ? spakujAlarmWyjscia(p.przekaznikiAlarmF1F4[b(d, 0)], b(d, 0)) : QByteArray();
    });

    // Special modes 0..13.
    zapis(blokFunkcjiSpec, [&p](const QByteArray &d) {
        if (b(d, 0) >= 14 || !rozpakujFunkcjeSpec(d, p.FunkcjeSpec[b(d, 0)]))
            return false;
        p.FunkcjeSpec[b(d, 0)].nr_funkcji = b(d, 0);
        return true;
    });
    odczyt(blokFunkcjiSpec, 1, [&p](const QByteArray &d) {
        return b(d, 0) < 14 ? spakujFunkcjeSpec(p.FunkcjeSpec[b(d, 0)], b(d, 0)) : QByteArray();
    });

    // Analog outputs 0..3: written as [slot mod 4, slot div 4], read as [slot, 0].
    zapis(blokWyjsciaAnalogowego, [&p](const QByteArray &d) {
        return b(d, 0) < 4 && b(d, 1) == 0 && rozpakujWyjscieAnalogowe(d, p.WyjsciaAn[b(d, 0)]);
    });
    odczyt(blokWyjsciaAnalogowego, 2, [&p](const QByteArray &d) {
        return b(d, 0) < 4 && b(d, 1) == 0 ? spakujWyjscieAnalogowe(p.WyjsciaAn[b(d, 0)], b(d, 0)) : QByteArray();
    });

    // Measuring inputs 0..23: [input on the card, card].
    const auto slotWejscia = [](const QByteArray &d) {
        return b(d, 0) < wejscNaKarcie && b(d, 1) < 4 ? b(d, 1) * wejscNaKarcie + b(d, 0) : -1;
    };
    zapis(blokWejsciaAnalogowego, [&p, slotWejscia](const QByteArray &d) {
        const int k = slotWejscia(d);
        return k >= 0 && rozpakujWejscieAnalogowe(d, p.FWejsciaPomiarowe[k]);
    });
    odczyt(blokWejsciaAnalogowego, 2, [&p, slotWejscia](const QByteArray &d) {
        const int k = slotWejscia(d);
        QByteArray blok;
        if (k >= 0)
            spakujWejscieAnalogowe(k, p.FWejsciaPomiarowe[k], blok);
        return blok;
    });

    // Relative alarms: index 0 of input 0, index 1 of input 2.
    const auto wejscieAlarmu = [](const QByteArray &d) { return b(d, 0) == 0 ? 0 : b(d, 0) == 1 ? 2 : -1; };
    zapis(blokAlarmuWzglednego, [&p, wejscieAlarmu](const QByteArray &d) {
        const int k = wejscieAlarmu(d);
        return k >= 0 && rozpakujAlarm(d, p.FWejsciaPomiarowe[k].alarm_wzgledny);
    });
    odczyt(blokAlarmuWzglednego, 1, [&p, wejscieAlarmu](const QByteArray &d) {
        const int k = wejscieAlarmu(d);
        QByteArray blok;
        if (k >= 0)
            spakujAlarm(k, p.FWejsciaPomiarowe[k].alarm_wzgledny, blok);
        return blok;
    });

    // Digital inputs: [input on the card, card].
    zapis(blokWejsciaCyfrowego, [&p](const QByteArray &d) {
        const int slot = slotWejsciaCyfrowego(b(d, 0), b(d, 1));
        if (slot < 0)
            return false;
        Tkvor350wejscieDwustanowe &w = p.WejsciaCyfrowe[slot];
        rozpakujWejscieCyfrowe(d, w);
        w.nr_wejscia = b(d, 0);
        w.nr_karty = b(d, 1);
        return true;
    });
    odczyt(blokWejsciaCyfrowego, 2, [&p](const QByteArray &d) {
        const int slot = slotWejsciaCyfrowego(b(d, 0), b(d, 1));
        if (slot < 0)
            return QByteArray();
        Tkvor350wejscieDwustanowe w = p.WejsciaCyfrowe[slot];
        w.nr_wejscia = b(d, 0);
        w.nr_karty = b(d, 1);
        return spakujWejscieCyfrowe(w);
    });

    // Setpoints 0..9.
    zapis(blokZadanej, [&p](const QByteArray &d) { return b(d, 0) < 10 && rozpakujZadana(d, p.zadana[b(d, 0)]); });
    odczyt(blokZadanej, 1, [&p](const QByteArray &d) {
        return b(d, 0) < 10 ? spakujZadana(p.zadana[b(d, 0)], b(d, 0)) : QByteArray();
    });

    zapis(blokWilgotnosci, [&p](const QByteArray &d) { return rozpakujWilgotnosc(d, p.wilgotnosc); });
    odczyt(blokWilgotnosci, 0, [&p](const QByteArray &) { return spakujWilgotnosc(p.wilgotnosc); });

    zapis(blokDodatkow, [&p](const QByteArray &d) { return rozpakujDodatki(d, p.dodatki); });
    odczyt(blokDodatkow, 0, [&p](const QByteArray &) { return spakujDodatki(p.dodatki); });

    zapis(blokUstawienMycia, [this](const QByteArray &d) { return rozpakujUstawieniaMycia(d, mycie_); });
    odczyt(blokUstawienMycia, 0, [this](const QByteArray &) { return spakujUstawieniaMycia(mycie_); });

    // Firmware and graphics: pages in order, then the commit.
    for (const bool grafika : {false, true}) {
        StrumienSym *st = grafika ? &grafika_ : &firmware_;
        sterownik_.dodajObsluge('J', grafika ? podkomendaStronyGrafiki : podkomendaStronyFirmware,
                                [st](StanSterownika &, const QByteArray &d) -> Odp {
                                    if (d.size() < 2)
                                        return std::nullopt;
                                    const bool ok = wezStrone(*st, b(d, 0) | b(d, 1) << 8, d.mid(2));
                                    return d.left(2) + QByteArray(ok ? "OK" : "NO");
                                });
        sterownik_.dodajObsluge('J', grafika ? podkomendaKoncaGrafiki : podkomendaKoncaFirmware,
                                [st](StanSterownika &, const QByteArray &d) -> Odp {
                                    if (d.size() != dlKoncaAktualizacji)
                                        return std::nullopt;
                                    const uint16_t crc = uint16_t(b(d, 0) | b(d, 1) << 8);
                                    const int64_t rozmiar = int64_t(b(d, 2)) | int64_t(b(d, 3)) << 8 |
                                                            int64_t(b(d, 4)) << 16 | int64_t(b(d, 5)) << 24;
                                    return QByteArray(zatwierdz(*st, crc, rozmiar) ? "OK" : "NO");
                                });
    }

    // Logo: each page at its place, within the bound.
    sterownik_.dodajObsluge('J', podkomendaStronyLogo, [this](StanSterownika &, const QByteArray &d) -> Odp {
        if (d.size() < 2)
            return std::nullopt;
        const QByteArray strona = d.mid(2);
        const int64_t od = int64_t(b(d, 0) | b(d, 1) << 8) * strona.size();
        const bool ok = od + strona.size() <= najwiecejLogo;
        if (ok) {
            if (logo_.size() < od + strona.size())
                logo_.resize(od + strona.size(), '\0');
            logo_.replace(od, strona.size(), strona);
            ++stronLogo_;
        }
        return d.left(2) + QByteArray(ok ? "OK" : "NO");
    });
}
