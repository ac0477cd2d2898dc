#include "odpowiedzi.h"

#include "crc.h"

#include <algorithm>

namespace {

constexpr int najdluzsza = 1100; // longer than the longest reply (SETUP, 1031)

QByteArray ramka(const QByteArray &zapytanie, int dlugosc, Wejscie &we)
{
    dlugosc = std::max(dlugosc, 7);
    const auto bajt = [&](int i) { return i < zapytanie.size() ? zapytanie.at(i) : char(0); };
    QByteArray r;
    r.reserve(dlugosc);
    r.append(bajt(0));
    r.append(bajt(1));
    r.append(bajt(2));
    r.append(char(dlugosc >> 8));
    r.append(char(dlugosc));
    r += we.bajtyDopelnione(size_t(dlugosc - 7));
    const uint16_t crc = obliczCRC16(r, r.size());
    r.append(char(crc & 0xFF));
    r.append(char(crc >> 8));
    return r;
}

void nowyCrc(QByteArray &r)
{
    r.chop(2);
    const uint16_t crc = obliczCRC16(r, r.size());
    r.append(char(crc & 0xFF));
    r.append(char(crc >> 8));
}

} // namespace

QByteArray odpowiedzZWejscia(Wejscie &we, const QByteArray &zapytanie, int oczekiwana)
{
    const int rodzaj = we.bajt() % 10;
    switch (rodzaj) {
    case 0:
        return {};
    case 2:
        return ramka(zapytanie, 7 + we.slowo() % najdluzsza, we);
    case 3:
        return we.bajty(we.bajt());
    default:
        break;
    }
    QByteArray r = ramka(zapytanie, oczekiwana, we);
    switch (rodzaj) {
    case 4:
        r[r.size() - 1 - (we.bajt() & 1)] ^= char(we.bajt() | 1);
        break;
    case 5:
        r[0] = char(r[0] + 1);
        nowyCrc(r);
        break;
    case 6:
        r.chop(1 + we.bajt() % r.size());
        break;
    case 7:
        r += we.bajty(1 + we.bajt() % 16);
        break;
    case 8:
        r[1] = char(r[1] ^ 0x20);
        nowyCrc(r);
        break;
    case 9:
        r.prepend('\0');
        break;
    default:
        break;
    }
    return r;
}

QByteArray odpowiedzPelna(const QByteArray &dane) { return Ziarno().bajt(1).bajty(dane); }

QByteArray odpowiedzDlugosci(int dlugosc, const QByteArray &dane)
{
    return Ziarno().bajt(2).slowo(dlugosc - 7).bajty(dane.leftJustified(dlugosc - 7, '\0', true));
}

QByteArray odpowiedzZlegoCrc() { return Ziarno().bajt(4).bajt(0).bajt(1); }

QByteArray daneBloku(const QByteArray &blok, int dlugosc) { return blok.leftJustified(dlugosc, '\0', true); }

std::vector<QByteArray> jednaOdpowiedz(const QByteArray &dane) { return {odpowiedzPelna(dane)}; }

std::vector<QByteArray> odpowiedziSesji(int blokow)
{
    std::vector<QByteArray> r = {odpowiedzPelna(QByteArray(1, '\0'))};
    for (int i = 0; i < blokow; ++i)
        r.push_back(odpowiedzPelna({}));
    r.push_back(odpowiedzPelna({}));
    return r;
}

bool ramkaPoprawna(const QByteArray &odpowiedz, const QByteArray &zapytanie)
{
    const qsizetype n = odpowiedz.size();
    if (n < 4 || zapytanie.isEmpty() || odpowiedz.at(0) != zapytanie.at(0))
        return false;
    const uint16_t crc = obliczCRC16(odpowiedz, n - 2);
    return uint8_t(odpowiedz.at(n - 2)) == (crc & 0xFF) && uint8_t(odpowiedz.at(n - 1)) == (crc >> 8);
}
