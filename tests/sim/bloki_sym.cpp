#include "bloki_sym.h"

#include "crc_sym.h"
#include "mapa_blokow.h"

#include <QStringEncoder>

#include <cstring>
#include <random>

namespace {

constexpr int wejscNaKarcie = 6;
constexpr int wejscNaKarcieBazowej = 8;
constexpr int wejscNaKarcieDodatkowej = 16;

uint8_t b(const QByteArray &d, int i) { return i < d.size() ? uint8_t(d.at(i)) : 0; }

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
                    mamy - rozmiar <= mamy - st.poczatekOstatniej && crcSym(st.dane.left(rozmiar)) == crc;
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

// What of `x` one block carries, as a read leaves it in `cel`: the fields
// the block has no place for stay as they are in `cel`.
template <class T>
void przezBlok(const MapaBloku &m, const T &x, T &cel)
{
    dekodujRekord(m, kodujRekord(m, x, m.dlZapisu), cel);
}

// A digital input as the controller's reply leaves it in the program: the
// read copies the reply's first 212 data bytes over the record, then takes
// the block's fields (the numbers, the name, the conditions) from it, so
// wersja, the reserves and rezerwa3 hold the reply's bytes.
void jakPoOdczycie(Tkvor350wejscieDwustanowe &w)
{
    const MapaBloku &m = mapaWejsciaCyfrowego();
    const QByteArray odpowiedz = kodujRekord(m, w, m.dlOdczytu);
    std::memcpy(&w, odpowiedz.constData(), size_t(m.dlOdczytu));
    dekodujRekord(m, odpowiedz, w);
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
        for (int czesc = 0; czesc < 5; ++czesc)
            przezBlok(mapaCzesciProgramu(czesc), x, cel);
        cel.nr_prog = nr;
    }
    for (const bool mycie : {false, true}) {
        TKrok *kroki = mycie ? p.krokiMycie : p.kroki;
        for (int slot = 1; slot <= (mycie ? 16 : 32); ++slot) {
            TKrok x = los.rekord<TKrok>();
            los.nazwa(x.nazwa);
            przezBlok(mapaKroku(mycie), x, kroki[slot]);
            kroki[slot].nr_kroku = slot;
        }
    }
    for (int k = 0; k < 32; ++k) {
        TPrzekaznik x = los.rekord<TPrzekaznik>();
        los.nazwa(x.nazwa);
        przezBlok(mapaPrzekaznika(), x, p.przekazniki[k]);
    }
    for (int i = 0; i < 4; ++i)
        przezBlok(mapaAlarmuWyjscia(), los.rekord<vxt_alarm_konfiguracja_t>(), p.przekaznikiAlarmF1F4[i]);
    for (int k = 0; k < 14; ++k) {
        TFunkcjaSpec x = los.rekord<TFunkcjaSpec>();
        los.nazwa(x.nazwa);
        przezBlok(mapaFunkcjiSpec(), x, p.FunkcjeSpec[k]);
        p.FunkcjeSpec[k].nr_funkcji = k;
    }
    for (int k = 0; k < 4; ++k) {
        TWyjscieAnalogowe x = los.rekord<TWyjscieAnalogowe>();
        los.nazwa(x.nazwa);
        przezBlok(mapaWyjsciaAnalogowego(), x, p.WyjsciaAn[k]);
    }
    for (int k = 0; k < 24; ++k) {
        TWejscieAnalogowe x = los.rekord<TWejscieAnalogowe>();
        los.nazwa(x.nazwa);
        przezBlok(mapaWejsciaAnalogowego(), x, p.FWejsciaPomiarowe[k]);
        if (k == 0 || k == 2)
            przezBlok(mapaAlarmuWzglednego(), los.rekord<vxt_alarm_konfiguracja_t>(),
                      p.FWejsciaPomiarowe[k].alarm_wzgledny);
    }
    QStringEncoder na1250("windows-1250");
    for (int k = 0; k < 24; ++k) {
        Tkvor350wejscieDwustanowe x = los.rekord<Tkvor350wejscieDwustanowe>();
        x.nr_karty = uint8_t(k < 8 ? 0 : 1);
        x.nr_wejscia = uint8_t(k < 8 ? k : k - 8);
        // The one-byte name and the units behind it, as a read leaves them.
        const QByteArray t = na1250.encode(los.tekst(16));
        std::memset(x.nazwa_array, 0, sizeof x.nazwa_array);
        x.nazwa_str[0] = uint8_t(t.size());
        std::memcpy(x.nazwa_str + 1, t.constData(), size_t(t.size()));
        przezBlok(mapaWejsciaCyfrowego(), x, p.WejsciaCyfrowe[k]);
        jakPoOdczycie(p.WejsciaCyfrowe[k]);
    }
    for (int k = 0; k < 10; ++k) {
        TKvor350zadana x = los.rekord<TKvor350zadana>();
        los.nazwa(x.nazwa);
        przezBlok(mapaZadanej(), x, p.zadana[k]);
    }
    przezBlok(mapaWilgotnosci(), los.rekord<Tkvor350wilgotnosc>(), p.wilgotnosc);
    przezBlok(mapaDodatkow(), los.rekord<tdanedodatki>(), p.dodatki);
    przezBlok(mapaUstawienMycia(), los.rekord<TProjektDodatkiMycie>(), m);
}

QStringList BlokiSym::naruszenia() const
{
    QStringList n;
    sterownik_.zmien([&](StanSterownika &) { n = naruszenia_; });
    return n;
}

Odpowiedz BlokiSym::odmowa(const QString &opis)
{
    naruszenia_ << opis;
    return Odpowiedz::cisza();
}

SterownikSym::Obsluga BlokiSym::zapis(const MapaBloku &m, Rekord rekord, PoZapisie poZapisie)
{
    return [this, &m, rekord = std::move(rekord), poZapisie = std::move(poZapisie)](StanSterownika &s,
                                                                                    const QByteArray &d) -> Odpowiedz {
        const QString nazwa = QLatin1String(m.nazwa);
        if (d.size() != m.dlZapisu)
            return odmowa(QStringLiteral("%1: %2 bytes instead of %3").arg(nazwa).arg(d.size()).arg(m.dlZapisu));
        if (const QString obce = obceBajty(m, d); !obce.isEmpty())
            return odmowa(QStringLiteral("%1: bytes outside its fields: %2").arg(nazwa, obce));
        QByteArray slot;
        for (const int i : m.slot)
            slot.append(d.at(i));
        uint8_t *r = rekord(slot);
        if (!r)
            return odmowa(QStringLiteral("%1: no slot %2").arg(nazwa, QString::fromLatin1(slot.toHex(' '))));
        std::memset(r, 0, size_t(m.dlRekordu));
        dekodujBlok(m, d, r);
        if (poZapisie)
            poZapisie(r, slot);
        liczZapis(s);
        return QByteArray();
    };
}

void BlokiSym::dodajBlok(const MapaBloku &m, const Rekord &rekord, const PoZapisie &poZapisie)
{
    sterownik_.dodajObsluge('I', m.podkomenda, zapis(m, rekord, poZapisie));
    sterownik_.dodajObsluge('H', m.podkomenda, [&m, rekord](StanSterownika &, const QByteArray &d) -> Odp {
        if (d.size() != m.dlZapytania)
            return std::nullopt;
        const uint8_t *r = rekord(d);
        if (!r)
            return std::nullopt;
        QByteArray blok = kodujBlok(m, r, m.dlOdczytu);
        for (size_t i = 0; i < m.slot.size(); ++i)
            blok[m.slot[i]] = d.at(qsizetype(i));
        return blok;
    });
}

// Handlers run under the simulator's lock. A read of the wrong length or
// for a slot the controller does not have is an unknown command; a write
// the controller cannot take is refused (naruszenia).
void BlokiSym::zarejestruj()
{
    TProjektVXTNew &p = *projekt_;
    const auto bajty = [](auto &rekord) { return reinterpret_cast<uint8_t *>(&rekord); };

    // Programs 0..99 and the washing program 100, in five parts [program, part].
    const auto program = [&p](int nr) -> TProgram * {
        return nr < 100 ? &p.programy[nr] : nr == 100 ? &p.programyMycie : nullptr;
    };
    sterownik_.dodajObsluge(
        'I', mapaCzesciProgramu(0).podkomenda, [this, program](StanSterownika &s, const QByteArray &d) -> Odpowiedz {
            const MapaBloku &m0 = mapaCzesciProgramu(0);
            if (d.size() != m0.dlZapisu)
                return odmowa(QStringLiteral("program part: %1 bytes instead of %2").arg(d.size()).arg(m0.dlZapisu));
            if (b(d, 1) >= 5)
                return odmowa(QStringLiteral("program part: no part %1").arg(b(d, 1)));
            const MapaBloku &m = mapaCzesciProgramu(b(d, 1));
            if (const QString obce = obceBajty(m, d); !obce.isEmpty())
                return odmowa(QStringLiteral("program part: bytes outside its fields: ") + obce);
            TProgram *pr = program(b(d, 0));
            if (!pr)
                return odmowa(QStringLiteral("program part: no program %1").arg(b(d, 0)));
            for (int i = 0; i < 10; ++i)
                pr->cykle[10 * b(d, 1) + i] = TCyklProgramu{};
            dekodujRekord(m, d, *pr);
            pr->nr_prog = b(d, 0);
            liczZapis(s);
            return QByteArray();
        });
    sterownik_.dodajObsluge('H', mapaCzesciProgramu(0).podkomenda,
                            [program](StanSterownika &, const QByteArray &d) -> Odp {
                                TProgram *pr = program(b(d, 0));
                                if (d.size() != 2 || !pr || b(d, 1) >= 5)
                                    return std::nullopt;
                                QByteArray blok = kodujRekord(mapaCzesciProgramu(b(d, 1)), *pr, 412);
                                blok.replace(0, 2, d);
                                return blok;
                            });

    // Steps, slots 0..32.
    for (const bool mycie : {false, true}) {
        TKrok *kroki = mycie ? p.krokiMycie : p.kroki;
        dodajBlok(
            mapaKroku(mycie), [=](const QByteArray &s) { return b(s, 0) <= 32 ? bajty(kroki[b(s, 0)]) : nullptr; },
            [](uint8_t *r, const QByteArray &s) { reinterpret_cast<TKrok *>(r)->nr_kroku = b(s, 0); });
    }

    // Digital outputs 0..127: [slot mod 32, slot div 32].
    dodajBlok(mapaPrzekaznika(), [&p, bajty](const QByteArray &s) -> uint8_t * {
        const int slot = b(s, 0) < 32 ? b(s, 0) + 32 * b(s, 1) : 128;
        return slot < 128 ? bajty(p.przekazniki[slot]) : nullptr;
    });

    // Alarm outputs F1..F4 as 0..3; over TCP/IP the write carries more of
    // the record, and the read still gives back what the bus block has.
    const Rekord alarmWyjscia = [&p, bajty](const QByteArray &s) {
        return b(s, 0) < 4 ? bajty(p.przekaznikiAlarmF1F4[b(s, 0)]) : nullptr;
    };
    dodajBlok(mapaAlarmuWyjscia(), alarmWyjscia);
    sterownik_.dodajObsluge(Lacze::Tcp, 'I', mapaAlarmuWyjsciaLan().podkomenda,
                            zapis(mapaAlarmuWyjsciaLan(), alarmWyjscia, {}));

    // Special modes 0..13.
    dodajBlok(
        mapaFunkcjiSpec(),
        [&p, bajty](const QByteArray &s) { return b(s, 0) < 14 ? bajty(p.FunkcjeSpec[b(s, 0)]) : nullptr; },
        [](uint8_t *r, const QByteArray &s) { reinterpret_cast<TFunkcjaSpec *>(r)->nr_funkcji = b(s, 0); });

    // Analog outputs 0..3: written as [slot mod 4, slot div 4], read as [slot, 0].
    dodajBlok(mapaWyjsciaAnalogowego(), [&p, bajty](const QByteArray &s) {
        return b(s, 0) < 4 && b(s, 1) == 0 ? bajty(p.WyjsciaAn[b(s, 0)]) : nullptr;
    });

    // Measuring inputs 0..23: [input on the card, card].
    dodajBlok(mapaWejsciaAnalogowego(), [&p, bajty](const QByteArray &s) {
        return b(s, 0) < wejscNaKarcie && b(s, 1) < 4 ? bajty(p.FWejsciaPomiarowe[b(s, 1) * wejscNaKarcie + b(s, 0)])
                                                      : nullptr;
    });

    // Relative alarms: index 0 of input 0, index 1 of input 2.
    dodajBlok(mapaAlarmuWzglednego(), [&p, bajty](const QByteArray &s) {
        return b(s, 0) < 2 ? bajty(p.FWejsciaPomiarowe[2 * b(s, 0)].alarm_wzgledny) : nullptr;
    });

    // Digital inputs: [input on the card, card]; an input written is kept
    // as a read of it leaves it.
    dodajBlok(
        mapaWejsciaCyfrowego(),
        [&p, bajty](const QByteArray &s) {
            const int slot = slotWejsciaCyfrowego(b(s, 0), b(s, 1));
            return slot >= 0 ? bajty(p.WejsciaCyfrowe[slot]) : nullptr;
        },
        [](uint8_t *r, const QByteArray &) { jakPoOdczycie(*reinterpret_cast<Tkvor350wejscieDwustanowe *>(r)); });

    // Setpoints 0..9.
    dodajBlok(mapaZadanej(),
              [&p, bajty](const QByteArray &s) { return b(s, 0) < 10 ? bajty(p.zadana[b(s, 0)]) : nullptr; });

    dodajBlok(mapaWilgotnosci(), [&p, bajty](const QByteArray &) { return bajty(p.wilgotnosc); });
    dodajBlok(mapaDodatkow(), [&p, bajty](const QByteArray &) { return bajty(p.dodatki); });
    dodajBlok(mapaUstawienMycia(), [this, bajty](const QByteArray &) { return bajty(mycie_); });

    // Firmware and graphics: pages in order, then the commit.
    for (const bool grafika : {false, true}) {
        StrumienSym *st = grafika ? &grafika_ : &firmware_;
        sterownik_.dodajObsluge('J', uint8_t(grafika ? 0x0F : 0x08),
                                [st](StanSterownika &, const QByteArray &d) -> Odp {
                                    if (d.size() < 2)
                                        return std::nullopt;
                                    const bool ok = wezStrone(*st, b(d, 0) | b(d, 1) << 8, d.mid(2));
                                    return d.left(2) + QByteArray(ok ? "OK" : "NO");
                                });
        sterownik_.dodajObsluge('J', uint8_t(grafika ? 0x10 : 0x09),
                                [st](StanSterownika &, const QByteArray &d) -> Odp {
                                    if (d.size() != 6)
                                        return std::nullopt;
                                    const uint16_t crc = uint16_t(b(d, 0) | b(d, 1) << 8);
                                    const int64_t rozmiar = int64_t(b(d, 2)) | int64_t(b(d, 3)) << 8 |
                                                            int64_t(b(d, 4)) << 16 | int64_t(b(d, 5)) << 24;
                                    return QByteArray(zatwierdz(*st, crc, rozmiar) ? "OK" : "NO");
                                });
    }

    // Logo: each page at its place, within the bound.
    sterownik_.dodajObsluge('J', 0x0E, [this](StanSterownika &, const QByteArray &d) -> Odp {
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
