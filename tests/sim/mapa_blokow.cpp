#include "mapa_blokow.h"

#include <QHash>
#include <QStringDecoder>

#include <array>
#include <cstring>

// Offsets below: block offsets as the protocol lays the blocks out, record
// offsets as the project file lays the records out (both little-endian).

namespace {

PoleBloku liczba(int blok, int szerokosc, int rekord, int wRekordzie, bool zeZnakiem = false, int skala = 1)
{
    return {RodzajPola::Liczba, blok, szerokosc, rekord, wRekordzie, zeZnakiem, skala};
}
PoleBloku bajty(int blok, int ile, int rekord) { return {RodzajPola::Bajty, blok, ile, rekord}; }
// A 32-byte name field: 15 units; its last two bytes stay zero.
PoleBloku nazwa(int blok, int rekord) { return {RodzajPola::Nazwa, blok, 30, rekord}; }

std::vector<PoleBloku> przesun(std::vector<PoleBloku> pola, int blok, int rekord)
{
    for (PoleBloku &p : pola) {
        p.blok += blok;
        p.rekord += rekord;
    }
    return pola;
}

void dopisz(std::vector<PoleBloku> &do_, const std::vector<PoleBloku> &co)
{
    do_.insert(do_.end(), co.begin(), co.end());
}

// An alarm (vxt_alarm_konfiguracja_t at `rekord`): delay, logic, reaction
// and the 128 output bytes from `blok`, the two thresholds from `progi`.
std::vector<PoleBloku> polaAlarmu(int blok, int progi, int rekord)
{
    return {
        liczba(blok, 2, rekord + 0, 2, true),    liczba(blok + 2, 1, rekord + 2, 1),
        liczba(blok + 3, 1, rekord + 3, 1),      bajty(blok + 4, 128, rekord + 4),
        liczba(progi, 2, rekord + 132, 2, true), liczba(progi + 2, 2, rekord + 134, 2, true),
    };
}

// One 40-byte definition of a digital output from a 52-byte definition.
std::vector<PoleBloku> polaDefinicji()
{
    return {
        liczba(0, 1, 0, 4),         // time mode
        liczba(1, 1, 18, 1),        // trigger mode
        liczba(4, 2, 4, 4, true),   // Ta
        liczba(6, 2, 8, 4, true),   // Tb
        liczba(8, 1, 16, 1),        // hysteresis setpoint channel
        liczba(9, 1, 17, 1),        // hysteresis measuring channel
        liczba(10, 1, 12, 4),       // regulator type
        liczba(12, 2, 20, 4, true), // offset
        liczba(14, 2, 24, 4, true), // window
        liczba(16, 2, 32, 4, true), // upper hysteresis
        liczba(18, 2, 28, 4, true), // lower hysteresis
        liczba(20, 1, 46, 2),       // PID direction
        liczba(21, 1, 49, 1),       // PID measuring channel
        liczba(22, 1, 48, 1),       // PID setpoint channel
        liczba(25, 2, 38, 2, true), // k
        liczba(27, 2, 40, 2, true), // td
        liczba(29, 2, 42, 2, true), // ti
        liczba(31, 2, 44, 2, true), // to
        liczba(33, 2, 36, 2, true), // tp
    };
}

MapaBloku krok(bool mycie)
{
    return {mycie ? "washing step" : "step",
            uint8_t(mycie ? 0x0B : 0x02),
            200,
            208,
            1,
            252,
            {0},
            {
                nazwa(4, 4),
                liczba(36, 1, 104, 4),
                bajty(40, 128, 108),
                liczba(168, 2, 236, 2, true, 10),
                liczba(170, 2, 238, 2, true, 10),
                liczba(172, 2, 240, 2, true, 10),
                liczba(174, 2, 242, 2, true, 10),
            }};
}

MapaBloku przekaznik()
{
    MapaBloku m{"digital output",
                0x04,
                232,
                232,
                2,
                328,
                {0, 1},
                {
                    nazwa(4, 12),
                    liczba(36, 1, 320, 4),
                    liczba(37, 2, 8, 4),
                    liczba(39, 1, 4, 1),
                }};
    for (int d = 0; d < 4; ++d)
        dopisz(m.pola, przesun(polaDefinicji(), 40 + 40 * d, 112 + 52 * d));
    return m;
}

MapaBloku wyjscieAnalogowe()
{
    return {"analog output",
            0x05,
            97,
            97,
            2,
            320,
            {0, 1},
            {
                nazwa(4, 0),
                liczba(36, 1, 200, 2),
                liczba(37, 1, 204, 1),
                liczba(38, 1, 202, 2),
                liczba(39, 1, 205, 1),
                liczba(40, 2, 208, 4, true),
                liczba(42, 2, 212, 4, true),
                liczba(44, 2, 216, 4, true),
                liczba(46, 2, 220, 4, true),
                liczba(48, 1, 238, 2), // PID direction
                liczba(49, 1, 241, 1), // PID measuring channel
                liczba(50, 1, 240, 1), // PID setpoint channel
                liczba(53, 2, 230, 2, true),
                liczba(55, 2, 232, 2, true),
                liczba(57, 2, 234, 2, true),
                liczba(59, 2, 236, 2, true),
                liczba(61, 2, 228, 2, true),
                liczba(63, 2, 224, 4),
                liczba(65, 1, 244, 1),
                liczba(66, 1, 245, 1),
                liczba(67, 1, 246, 1),
                liczba(68, 2, 248, 4, true),
            }};
}

MapaBloku wejscieAnalogowe()
{
    MapaBloku m{"measuring input",
                0x06,
                348,
                348,
                2,
                852,
                {0, 1},
                {
                    nazwa(4, 0),
                    liczba(36, 1, 100, 1),
                    liczba(37, 2, 102, 2, true),
                    liczba(40, 2, 106, 2, true),
                    liczba(42, 2, 108, 2, true),
                }};
    dopisz(m.pola, polaAlarmu(44, 176, 110));
    dopisz(m.pola, polaAlarmu(180, 312, 330));
    return m;
}

MapaBloku czescProgramu(int p)
{
    MapaBloku m{"program part", 0x0F, 412, 412, 2, 16916, {0, 1}, {nazwa(4, 0)}};
    for (int i = 0; i < 10; ++i) {
        const int w = 100 + 168 * (10 * p + i); // row 10p+i+1
        dopisz(m.pola, przesun(
                           {
                               liczba(0, 1, 0, 4),             // step
                               {RodzajPola::Minuty, 1, 2, 20}, // hours, minutes
                               liczba(3, 2, 4, 4, true, 10),   // chamber setpoint
                               liczba(5, 2, 8, 4, true, 10),   // core setpoint
                               liczba(7, 2, 12, 4),            // humidity
                               liczba(9, 2, 28, 4, true),      // D1..D8
                               liczba(11, 2, 32, 4, true),
                               liczba(13, 2, 36, 4, true),
                               liczba(15, 2, 40, 4, true),
                               liczba(17, 2, 44, 4, true),
                               liczba(19, 2, 48, 4, true),
                               liczba(21, 2, 52, 4, true),
                               liczba(23, 2, 56, 4, true),
                               liczba(25, 2, 16, 4, true), // delta
                           },
                           52 + 36 * i, w));
    }
    return m;
}

const std::array<MapaBloku, 5> &czesciProgramu()
{
    static const std::array<MapaBloku, 5> c = {czescProgramu(0), czescProgramu(1), czescProgramu(2), czescProgramu(3),
                                               czescProgramu(4)};
    return c;
}

uint64_t czytajLE(const uint8_t *p, int n)
{
    uint64_t v = 0;
    for (int i = 0; i < n; ++i)
        v |= uint64_t(p[i]) << (8 * i);
    return v;
}

void zapiszLE(uint8_t *p, int n, uint64_t v)
{
    for (int i = 0; i < n; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

int64_t zeZnakiem(uint64_t v, int bajtow)
{
    const int bity = 8 * bajtow;
    if (bity >= 64)
        return int64_t(v);
    const uint64_t znak = uint64_t(1) << (bity - 1);
    v &= (znak << 1) - 1;
    return int64_t(v ^ znak) - int64_t(znak);
}

// Windows-1250 from the system's converter, not from the program's table.
struct Tabela1250 {
    std::array<char16_t, 256> naUtf16{};
    QHash<char16_t, uint8_t> na1250;
    Tabela1250()
    {
        QStringDecoder d("windows-1250");
        for (int b = 0; b < 256; ++b) {
            const char z = char(b);
            const QString s = d.decode(QByteArrayView(&z, 1));
            naUtf16[size_t(b)] = s.size() == 1 ? s.at(0).unicode() : u'?';
            if (s.size() == 1 && !na1250.contains(s.at(0).unicode()))
                na1250.insert(s.at(0).unicode(), uint8_t(b));
        }
    }
};

const Tabela1250 &tabela1250()
{
    static const Tabela1250 t;
    return t;
}

void koduj(const PoleBloku &p, const uint8_t *r, uint8_t *b)
{
    switch (p.rodzaj) {
    case RodzajPola::Liczba: {
        const uint64_t v = uint64_t(zeZnakiem(czytajLE(r + p.rekord, p.wRekordzie), p.wRekordzie));
        zapiszLE(b + p.blok, p.szerokosc, v * uint64_t(p.skala));
        break;
    }
    case RodzajPola::Bajty:
        std::memcpy(b + p.blok, r + p.rekord, size_t(p.szerokosc));
        break;
    case RodzajPola::Nazwa:
        // The name's units up to its end; the rest of the field stays zero.
        for (int i = 0; i < p.szerokosc / 2 && (r[p.rekord + 2 * i] | r[p.rekord + 2 * i + 1]); ++i) {
            b[p.blok + 2 * i] = r[p.rekord + 2 * i];
            b[p.blok + 2 * i + 1] = r[p.rekord + 2 * i + 1];
        }
        break;
    case RodzajPola::Minuty: {
        const uint64_t godziny = czytajLE(r + p.rekord, 4), minuty = czytajLE(r + p.rekord + 4, 4);
        zapiszLE(b + p.blok, p.szerokosc, godziny * 60 + minuty);
        break;
    }
    case RodzajPola::Kanal:
        b[p.blok] = uint8_t(r[p.rekord] * 6 + r[p.rekord + 1]);
        break;
    case RodzajPola::Bity:
        for (int i = 0; i < 32; ++i)
            if (r[p.rekord + i] != 0)
                b[p.blok + i / 8] |= uint8_t(1u << (i % 8));
        break;
    case RodzajPola::Nazwa1250: {
        // nazwa_array at `rekord`, nazwa_str (length byte, 16 characters) 209 bytes on.
        std::memcpy(b + p.blok, r + p.rekord, 32);
        const uint8_t *str = r + p.rekord + 209;
        const int dl = std::min<int>(str[0], 16);
        for (int i = 0; i < dl; ++i)
            zapiszLE(b + p.blok + 2 * i, 2, tabela1250().naUtf16[str[1 + i]]);
        break;
    }
    }
}

void dekoduj(const PoleBloku &p, const uint8_t *b, uint8_t *r)
{
    switch (p.rodzaj) {
    case RodzajPola::Liczba: {
        const uint64_t u = czytajLE(b + p.blok, p.szerokosc);
        const int64_t v = p.zeZnakiem ? zeZnakiem(u, p.szerokosc) : int64_t(u);
        zapiszLE(r + p.rekord, p.wRekordzie, uint64_t(v / p.skala));
        break;
    }
    case RodzajPola::Bajty:
        std::memcpy(r + p.rekord, b + p.blok, size_t(p.szerokosc));
        break;
    case RodzajPola::Nazwa: {
        uint8_t n[100] = {};
        for (int i = 0; i < p.szerokosc / 2 && (b[p.blok + 2 * i] | b[p.blok + 2 * i + 1]); ++i) {
            n[2 * i] = b[p.blok + 2 * i];
            n[2 * i + 1] = b[p.blok + 2 * i + 1];
        }
        std::memcpy(r + p.rekord, n, sizeof n);
        break;
    }
    case RodzajPola::Minuty: {
        const uint64_t t = czytajLE(b + p.blok, p.szerokosc);
        zapiszLE(r + p.rekord, 4, t / 60);
        zapiszLE(r + p.rekord + 4, 4, t % 60);
        break;
    }
    case RodzajPola::Kanal:
        r[p.rekord] = b[p.blok] / 6;
        r[p.rekord + 1] = b[p.blok] % 6;
        break;
    case RodzajPola::Bity:
        for (int i = 0; i < 32; ++i)
            r[p.rekord + i] = (b[p.blok + i / 8] >> (i % 8)) & 1;
        break;
    case RodzajPola::Nazwa1250: {
        std::memcpy(r + p.rekord, b + p.blok, 32);
        uint8_t str[17] = {};
        int dl = 0;
        for (; dl < 16; ++dl) {
            const auto z = char16_t(czytajLE(b + p.blok + 2 * dl, 2));
            if (z == 0)
                break;
            str[1 + dl] = tabela1250().na1250.value(z, '?');
        }
        str[0] = uint8_t(dl);
        std::memcpy(r + p.rekord + 209, str, sizeof str);
        break;
    }
    }
}

} // namespace

const MapaBloku &mapaKroku(bool mycie)
{
    static const MapaBloku k = krok(false), km = krok(true);
    return mycie ? km : k;
}

const MapaBloku &mapaPrzekaznika()
{
    static const MapaBloku m = przekaznik();
    return m;
}

const MapaBloku &mapaAlarmuWyjscia()
{
    static const MapaBloku m{
        "alarm output", 0x10, 176, 176, 1, 220, {0}, {liczba(4, 2, 0, 2, true), liczba(7, 1, 3, 1)}};
    return m;
}

const MapaBloku &mapaAlarmuWyjsciaLan()
{
    static const MapaBloku m{"alarm output (TCP/IP)",
                             0x10,
                             176,
                             176,
                             1,
                             220,
                             {0},
                             {
                                 liczba(4, 2, 0, 2, true),
                                 liczba(6, 1, 2, 1),
                                 liczba(7, 1, 3, 1),
                                 bajty(8, 128, 4),
                                 liczba(136, 2, 132, 2, true),
                                 liczba(138, 2, 134, 2, true),
                                 bajty(140, 36, 136),
                             }};
    return m;
}

const MapaBloku &mapaFunkcjiSpec()
{
    static const MapaBloku m{"special mode",
                             0x03,
                             200,
                             200,
                             1,
                             256,
                             {0},
                             {
                                 nazwa(4, 4),
                                 liczba(36, 2, 104, 4, true),
                                 liczba(38, 1, 108, 4),
                                 liczba(39, 1, 240, 4),
                                 bajty(40, 128, 112),
                             }};
    return m;
}

const MapaBloku &mapaWyjsciaAnalogowego()
{
    static const MapaBloku m = wyjscieAnalogowe();
    return m;
}

const MapaBloku &mapaWejsciaAnalogowego()
{
    static const MapaBloku m = wejscieAnalogowe();
    return m;
}

const MapaBloku &mapaAlarmuWzglednego()
{
    static const MapaBloku m{"relative alarm", 0x09, 176, 176, 1, 220, {0}, polaAlarmu(4, 140, 0)};
    return m;
}

const MapaBloku &mapaWejsciaCyfrowego()
{
    static const MapaBloku m{"digital input",
                             0x07,
                             208,
                             212,
                             2,
                             230,
                             {0, 1},
                             {
                                 liczba(0, 1, 211, 1),
                                 liczba(1, 1, 212, 1),
                                 {RodzajPola::Nazwa1250, 4, 32, 4},
                                 liczba(36, 1, 36, 1),
                                 liczba(37, 1, 37, 1),
                                 liczba(40, 1, 40, 1),
                                 liczba(41, 1, 41, 1),
                                 liczba(42, 1, 42, 1),
                                 liczba(43, 1, 43, 1),
                                 bajty(44, 128, 44),
                                 liczba(172, 1, 175, 1),
                                 liczba(173, 1, 176, 1),
                                 liczba(174, 1, 177, 1),
                                 liczba(175, 1, 178, 1),
                             }};
    return m;
}

const MapaBloku &mapaZadanej()
{
    static const MapaBloku m{"setpoint", 0x0A, 40, 72, 1, 204, {0}, {nazwa(4, 0), liczba(36, 2, 200, 2, true)}};
    return m;
}

const MapaBloku &mapaWilgotnosci()
{
    static const MapaBloku m = [] {
        MapaBloku w{"humidity",
                    0x0D,
                    144,
                    144,
                    0,
                    312,
                    {},
                    {
                        liczba(4, 1, 0, 4),
                        {RodzajPola::Kanal, 5, 1, 4},
                        liczba(6, 1, 6, 2),
                        liczba(7, 1, 8, 2),
                    }};
        dopisz(w.pola, polaAlarmu(8, 140, 10));
        return w;
    }();
    return m;
}

const MapaBloku &mapaDodatkow()
{
    static const MapaBloku m = [] {
        MapaBloku d{"additions", 0x0E, 37, 37, 0, 34, {}, {liczba(4, 1, 0, 1)}};
        for (int i = 0; i < 8; ++i) {
            d.pola.push_back(liczba(5 + 2 * i, 2, 18 + 2 * i, 2, true)); // minimum
            d.pola.push_back(liczba(21 + 2 * i, 2, 2 + 2 * i, 2, true)); // maximum
        }
        return d;
    }();
    return m;
}

const MapaBloku &mapaUstawienMycia()
{
    static const MapaBloku m{
        "washing settings", 0x0C, 22, 30, 0, 932, {}, {liczba(4, 2, 0, 2), {RodzajPola::Bity, 6, 4, 2}}};
    return m;
}

const MapaBloku &mapaCzesciProgramu(int czesc) { return czesciProgramu().at(size_t(czesc)); }

const MapaBloku *mapaZapisu(uint8_t podkomenda)
{
    for (const MapaBloku *m :
         {&mapaKroku(false), &mapaKroku(true), &mapaPrzekaznika(), &mapaAlarmuWyjscia(), &mapaFunkcjiSpec(),
          &mapaWyjsciaAnalogowego(), &mapaWejsciaAnalogowego(), &mapaAlarmuWzglednego(), &mapaWejsciaCyfrowego(),
          &mapaZadanej(), &mapaWilgotnosci(), &mapaDodatkow(), &mapaUstawienMycia(), &mapaCzesciProgramu(0)})
        if (m->podkomenda == podkomenda)
            return m;
    return nullptr;
}

QByteArray kodujBlok(const MapaBloku &m, const void *rekord, int dl)
{
    QByteArray blok(std::max(dl, m.dlZapisu), '\0');
    auto *b = reinterpret_cast<uint8_t *>(blok.data());
    for (const PoleBloku &p : m.pola)
        koduj(p, static_cast<const uint8_t *>(rekord), b);
    blok.truncate(dl);
    return blok;
}

void dekodujBlok(const MapaBloku &m, const QByteArray &blok, void *rekord)
{
    QByteArray b = blok;
    b.resize(std::max<qsizetype>(b.size(), m.dlZapisu), '\0');
    for (const PoleBloku &p : m.pola)
        dekoduj(p, reinterpret_cast<const uint8_t *>(b.constData()), static_cast<uint8_t *>(rekord));
}

QString obceBajty(const MapaBloku &m, const QByteArray &blok)
{
    std::vector<bool> pole(size_t(std::max<qsizetype>(blok.size(), m.dlZapisu)), false);
    for (const int s : m.slot)
        pole[size_t(s)] = true;
    for (const PoleBloku &p : m.pola)
        for (int i = 0; i < p.szerokosc; ++i)
            pole[size_t(p.blok + i)] = true;
    QStringList obce;
    for (qsizetype i = 0; i < blok.size(); ++i)
        if (!pole[size_t(i)] && blok.at(i) != 0)
            obce << QStringLiteral("%1=%2").arg(i).arg(uint8_t(blok.at(i)), 2, 16, QLatin1Char('0'));
    return obce.join(QLatin1Char(' '));
}
