#include "ramka.h"

#include "crc.h"

QByteArray ZbudujRamke(int adres, char funkcja, uint8_t podkomenda, const QByteArray &dane)
{
    const qsizetype dlugosc = dane.size() + 7;
    QByteArray r;
    r.reserve(dlugosc);
    r.append(char(adres & 0xFF));
    r.append(funkcja);
    r.append(char(podkomenda));
    r.append(char((dlugosc >> 8) & 0xFF));
    r.append(char(dlugosc & 0xFF));
    r.append(dane);
    dopiszCRC(r);
    return r;
}

void dopiszCRC(QByteArray &ramka)
{
    const uint16_t crc = obliczCRC16(ramka, ramka.size());
    ramka.append(char(crc & 0xFF));
    ramka.append(char(crc >> 8));
}

bool poprawneCRC(const QByteArray &ramka)
{
    const qsizetype n = ramka.size();
    if (n < 2)
        return false;
    const uint16_t crc = obliczCRC16(ramka, n - 2);
    return bajt(ramka, n - 2) == (crc & 0xFF) && bajt(ramka, n - 1) == (crc >> 8);
}

int sprawdzCRCiAdres(const QByteArray &zapytanie, const QByteArray &odpowiedz)
{
    if (!poprawneCRC(odpowiedz))
        return 4;
    if (odpowiedz.at(0) != (zapytanie.isEmpty() ? char(0) : zapytanie.at(0)))
        return 10;
    return 0;
}
