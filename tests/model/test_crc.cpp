#include "crc.h"
#include "gtest_qt.h"

#include <gtest/gtest.h>

namespace {

QByteArray hex(const char *h) { return QByteArray::fromHex(h); }

} // namespace

TEST(Crc, Wektory)
{
    struct Przypadek {
        QByteArray dane;
        uint16_t crc;
    } const przypadki[] = {
        {QByteArray("123456789"), 0x4B37}, // the standard check value
        {QByteArray(), 0xFFFF},            // empty range: the seed
        {hex("00"), 0x40BF},
        {hex("ffffffff"), 0xB001},
        {hex("01030000000a"), 0xCDC5}, // read 10 registers from 1
        {hex("1103006b0003"), 0x8776},
    };
    for (const auto &p : przypadki) {
        EXPECT_EQ(obliczCRC16(p.dane, p.dane.size()), p.crc) << p.dane.toHex().toStdString();
        EXPECT_EQ(crcBajtow(p.dane.size(), reinterpret_cast<const uint8_t *>(p.dane.constData())), p.crc);
    }
}

TEST(Crc, RamkaKonczySieCrcMlodszymBajtemNajpierw)
{
    const QByteArray ramka = hex("1103006b00037687");
    const uint16_t crc = obliczCRC16(ramka, ramka.size() - 2);
    EXPECT_EQ(uint8_t(ramka.at(6)), crc & 0xFF);
    EXPECT_EQ(uint8_t(ramka.at(7)), crc >> 8);
    // Over the frame with its CRC the remainder is zero.
    EXPECT_EQ(obliczCRC16(ramka, ramka.size()), 0);
}

TEST(Crc, DalejPoPodzialeRownaCalosci)
{
    QByteArray dane;
    for (int i = 0; i < 1300; ++i)
        dane.append(char((i * 37 + 11) & 0xFF));
    const uint16_t calosc = obliczCRC16(dane, dane.size());
    for (qsizetype podzial : {qsizetype(0), qsizetype(1), qsizetype(512), qsizetype(1299), dane.size()}) {
        const QByteArray a = dane.left(podzial), b = dane.mid(podzial);
        EXPECT_EQ(obliczCRC16Dalej(obliczCRC16Dalej(0xFFFF, a, a.size()), b, b.size()), calosc) << podzial;
    }
    // Pages of 512 bytes, as update files are sent.
    uint16_t crc = 0xFFFF;
    for (qsizetype od = 0; od < dane.size(); od += 512) {
        const QByteArray strona = dane.mid(od, 512);
        crc = obliczCRC16Dalej(crc, strona, strona.size());
    }
    EXPECT_EQ(crc, calosc);
}

TEST(Crc, LiczbaPozaDanymiJestPrzycinana)
{
    const QByteArray dane("123456789");
    EXPECT_EQ(obliczCRC16(dane, 1000), 0x4B37);
    EXPECT_EQ(obliczCRC16(dane, -3), 0xFFFF);
    EXPECT_EQ(obliczCRC16(dane, 4), obliczCRC16(dane.left(4), 4));
    EXPECT_EQ(obliczCRC16Dalej(0x1234, QByteArray(), 5), 0x1234);
}
