#include "sterownik_sym.h"

#include "crc_sym.h"

#include <chrono>
#include <cstring>

namespace {

void le16(QByteArray &b, int i, uint16_t v)
{
    b[i] = char(v & 0xFF);
    b[i + 1] = char(v >> 8);
}

QByteArray blokOdczytow(const StanSterownika &s)
{
    QByteArray d(164, '\0');
    const OdczytySym &o = s.odczyty;
    d[0] = char(o.wersja & 0xFF);
    d[1] = char((o.wersja >> 8) & 0xFF);
    d[2] = char((o.wersja >> 16) & 0xFF);
    d[4] = char(o.stan);
    d[5] = char(o.nr_prog);
    d[6] = char(o.nr_cykl);
    le16(d, 13, o.minutyCyklu);
    le16(d, 16, o.zadMinutyCyklu);
    d[18] = char(o.nr_krok);
    le16(d, 19, uint16_t(o.zadTempKom));
    le16(d, 21, uint16_t(o.zadTempBat));
    le16(d, 23, uint16_t(o.zadWilg));
    le16(d, 29, uint16_t(o.zadDelta));
    le16(d, 92, o.adresOstRej);
    const QDate data = s.zegar.date();
    const QTime czas = s.zegar.time();
    d[96] = char(data.day());
    d[97] = char(data.month());
    d[98] = char(data.year() - 2000);
    d[99] = char(czas.hour());
    d[100] = char(czas.minute());
    d[101] = char(czas.second());
    le16(d, 102, o.wersjaProtokolu);
    return d;
}

// The unlock payload: the CRC of the password's four bytes, least
// significant first.
uint16_t crcHasla(uint32_t haslo)
{
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b.append(char(haslo >> (8 * i)));
    return crcSym(b);
}

} // namespace

SterownikSym::SterownikSym()
    : czas_([] {
          using namespace std::chrono;
          return qint64(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
      })
{
    dodajPolecenia();
}

void SterownikSym::ustawCzas(std::function<qint64()> f)
{
    std::lock_guard l(m_);
    czas_ = std::move(f);
}

void SterownikSym::zablokujPoCzasie(StanSterownika &s) const
{
    if (s.znaLock && !s.zablokowany && s.blokadaPoMs > 0 && czas_() - s.odblokowanyOd >= s.blokadaPoMs)
        s.zablokowany = true;
}

QByteArray SterownikSym::zbuduj(int adres, char funkcja, uint8_t podkomenda, const QByteArray &dane)
{
    const int dl = int(dane.size()) + 7;
    QByteArray r;
    r.append(char(adres & 0xFF));
    r.append(funkcja);
    r.append(char(podkomenda));
    r.append(char(dl >> 8));
    r.append(char(dl & 0xFF));
    r.append(dane);
    dopiszCrcSym(r);
    return r;
}

QByteArray SterownikSym::ramkaNieznana(int adres)
{
    QByteArray r;
    r.append(char(adres & 0xFF));
    r.append(QByteArray("\x00\x01\x00\x07", 4));
    dopiszCrcSym(r);
    return r;
}

void SterownikSym::ustawSetup(StanSterownika &s, int i, int32_t v) { std::memcpy(s.setup.data() + 4 * (i - 1), &v, 4); }

int32_t SterownikSym::wartoscSetup(const StanSterownika &s, int i)
{
    int32_t v;
    std::memcpy(&v, s.setup.constData() + 4 * (i - 1), 4);
    return v;
}

StanSterownika SterownikSym::stan() const
{
    std::lock_guard l(m_);
    StanSterownika s = s_;
    zablokujPoCzasie(s);
    return s;
}

void SterownikSym::zmien(const std::function<void(StanSterownika &)> &f)
{
    std::lock_guard l(m_);
    f(s_);
}

void SterownikSym::dodajObsluge(char funkcja, uint8_t podkomenda, Obsluga f)
{
    std::lock_guard l(m_);
    obslugi_[klucz(funkcja, podkomenda)] = std::move(f);
}

void SterownikSym::dodajObsluge(Lacze lacze, char funkcja, uint8_t podkomenda, Obsluga f)
{
    if (lacze == Lacze::Rs485) {
        dodajObsluge(funkcja, podkomenda, std::move(f));
        return;
    }
    std::lock_guard l(m_);
    obslugiTcp_[klucz(funkcja, podkomenda)] = std::move(f);
}

Odpowiedz SterownikSym::wykonaj(char funkcja, uint8_t podkomenda, const QByteArray &dane, Lacze lacze)
{
    std::lock_guard l(m_);
    zablokujPoCzasie(s_);
    const int k = klucz(funkcja, podkomenda);
    if (lacze == Lacze::Tcp) {
        if (const auto it = obslugiTcp_.find(k); it != obslugiTcp_.end())
            return it->second(s_, dane);
    }
    const auto it = obslugi_.find(k);
    if (it == obslugi_.end())
        return std::nullopt;
    return it->second(s_, dane);
}

std::optional<QByteArray> SterownikSym::obsluz(const QByteArray &r)
{
    if (r.size() < 7 || ((uint8_t(r.at(3)) << 8) | uint8_t(r.at(4))) != r.size() || !dobreCrcSym(r))
        return std::nullopt;
    const int adres = stan().adres;
    if (uint8_t(r.at(0)) != (adres & 0xFF))
        return std::nullopt;
    const char f = r.at(1);
    const auto sub = uint8_t(r.at(2));
    const Odpowiedz dane = wykonaj(f, sub, r.mid(5, r.size() - 7));
    if (dane.bezOdpowiedzi)
        return std::nullopt;
    if (!dane)
        return ramkaNieznana(adres);
    return zbuduj(adres, f, sub, *dane);
}

void SterownikSym::dodajPolecenia()
{
    const auto dodaj = [this](char f, uint8_t sub, Obsluga o) { obslugi_[klucz(f, sub)] = std::move(o); };
    const auto zapis = [](StanSterownika &s) {
        if (!s.sesjaOtwarta)
            ++s.zapisyPozaSesja;
    };

    dodaj('F', 0x00, [](StanSterownika &s, const QByteArray &) {
        QByteArray d(125, '\0');
        const QByteArray typ = s.typ.left(13).leftJustified(13, ' ');
        d.replace(60, 13, typ);
        return std::optional(d);
    });
    dodaj('F', 0x01, [](StanSterownika &s, const QByteArray &) { return std::optional(blokOdczytow(s)); });
    dodaj('F', 0x06, [](StanSterownika &s, const QByteArray &) { return std::optional(s.setup); });
    dodaj('F', 0x07, [](StanSterownika &s, const QByteArray &) {
        QByteArray d;
        for (int i = 3; i >= 0; --i)
            d.append(char((s.numerSeryjny >> (8 * i)) & 0xFF));
        return std::optional(d);
    });
    dodaj('F', 0x10, [](StanSterownika &s, const QByteArray &) {
        QByteArray d;
        d.append(char(s.moduly.ain));
        d.append(char(s.moduly.din));
        d.append(char(s.moduly.aout));
        d.append(char(s.moduly.dout));
        return std::optional(d);
    });
    dodaj('G', 0x04, [](StanSterownika &s, const QByteArray &d) {
        if (d.size() == 6) {
            const QDateTime t(QDate(2000 + uint8_t(d[5]), uint8_t(d[4]), uint8_t(d[3])),
                              QTime(uint8_t(d[0]), uint8_t(d[1]), uint8_t(d[2])));
            if (t.isValid())
                s.zegar = t;
        }
        return std::optional(d);
    });
    // F[1]..F[100] as 32-bit values, then zeros to 1025 bytes (RS-485) or
    // to 1024 (TCP/IP).
    dodaj('G', 0x06, [zapis](StanSterownika &s, const QByteArray &d) -> std::optional<QByteArray> {
        if ((d.size() != 1025 && d.size() != 1024) || d.mid(400).count('\0') != d.size() - 400)
            return std::nullopt;
        zapis(s);
        s.setup.replace(0, 400, d.left(400));
        return QByteArray();
    });
    dodaj('G', 0x07, [](StanSterownika &s, const QByteArray &) -> std::optional<QByteArray> {
        if (!s.znaLock)
            return std::nullopt;
        return QByteArray(1, s.zablokowany ? '\x01' : '\x00');
    });
    dodaj('G', 0x08, [this](StanSterownika &s, const QByteArray &d) -> std::optional<QByteArray> {
        if (!s.znaLock)
            return std::nullopt;
        ++s.ileOdblokowan;
        const uint16_t crc = crcHasla(s.haslo);
        const bool dobre = d.size() == 2 && uint8_t(d[0]) == (crc & 0xFF) && uint8_t(d[1]) == (crc >> 8);
        if (dobre) {
            s.zablokowany = false;
            s.odblokowanyOd = czas_();
        }
        return QByteArray(1, dobre ? '\x01' : '\x00');
    });
    dodaj('G', 0x09, [](StanSterownika &s, const QByteArray &) -> std::optional<QByteArray> {
        if (!s.znaLock)
            return std::nullopt;
        s.zablokowany = true;
        return QByteArray();
    });
    // ain, din, aout, dout.
    dodaj('G', 0x10, [zapis](StanSterownika &s, const QByteArray &d) -> std::optional<QByteArray> {
        if (d.size() != 4)
            return std::nullopt;
        zapis(s);
        s.moduly.ain = uint8_t(d[0]);
        s.moduly.din = uint8_t(d[1]);
        s.moduly.aout = uint8_t(d[2]);
        s.moduly.dout = uint8_t(d[3]);
        return QByteArray();
    });
    dodaj('I', 0x81, [](StanSterownika &s, const QByteArray &) {
        s.sesjaOtwarta = true;
        ++s.ileSesji;
        return std::optional(QByteArray(1, '\x01'));
    });
    dodaj('I', 0x82, [](StanSterownika &s, const QByteArray &) {
        s.sesjaOtwarta = false;
        return std::optional(QByteArray());
    });
}
