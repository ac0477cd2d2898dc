// The logo's raw form: the header, the pixel order and the alpha rules for
// pictures loaded from each kind of file.
#include "gtest_qt.h"

#include "crc.h"
#include "dane_logo.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QByteArray hex(const char *h) { return QByteArray::fromHex(h); }

// A picture whose every pixel is distinct: red = x, green = y, blue =
// x >> 8, alpha = (x + y) & 0xFF (or opaque).
QImage wzor(bool alfa)
{
    QImage o(szerokoscLogo, wysokoscLogo, alfa ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < o.height(); ++y)
        for (int x = 0; x < o.width(); ++x)
            o.setPixel(x, y, qRgba(x & 0xFF, y, x >> 8, alfa ? (x + y) & 0xFF : 255));
    return o;
}

// The picture saved in a format and loaded back, as a file would give it.
QImage przezPlik(const QImage &o, const char *format)
{
    QByteArray b;
    QBuffer bufor(&b);
    bufor.open(QIODevice::WriteOnly);
    EXPECT_TRUE(o.save(&bufor, format, 100));
    return QImage::fromData(b, format);
}

QByteArray piksel(const QByteArray &piksele, int x, int y) { return piksele.mid((x + szerokoscLogo * y) * 4, 4); }

} // namespace

TEST(DaneLogo, WyczyszczoneLogo)
{
    const QByteArray d = przygotujDaneLogo(wzor(true), true, true);
    ASSERT_EQ(d.size(), 307216);
    const QByteArray zera(rozmiarPikseliLogo, '\0');
    const uint16_t crc = obliczCRC16(zera, zera.size());
    QByteArray naglowek = hex("78563412"
                              "00b00400"
                              "5802"
                              "8000");
    naglowek.append(char(crc & 0xFF));
    naglowek.append(char(crc >> 8));
    naglowek += hex("0000");
    EXPECT_EQ(d.left(16), naglowek);
    EXPECT_EQ(d.mid(16), zera);
}

TEST(DaneLogo, KolejnoscPikseliICrc)
{
    const QByteArray d = przygotujDaneLogo(wzor(true), true, false);
    ASSERT_EQ(d.size(), 307216);
    const QByteArray p = d.mid(16);
    // Blue, green, red, alpha; x = 1, y = 0 at bytes 4..7, x = 0, y = 1 at
    // 2,400..2,403.
    EXPECT_EQ(p.mid(4, 4), hex("00 00 01 01"));
    EXPECT_EQ(p.mid(2400, 4), hex("00 01 00 01"));
    EXPECT_EQ(piksel(p, 599, 127), hex("02 7f 57 d6"));
    const uint16_t crc = obliczCRC16(p, p.size());
    EXPECT_EQ(uint8_t(d[12]), crc & 0xFF);
    EXPECT_EQ(uint8_t(d[13]), crc >> 8);
}

// Alpha: a PNG's own where it has a channel, opaque everywhere else (a
// PNG without a channel too).
TEST(DaneLogo, KanalAlfa)
{
    struct Przypadek {
        const char *format;
        bool alfa;      // the picture saved with an alpha channel
        bool typPng;    // the file name ends with ".png"
        int oczekiwana; // alpha of pixel (10, 20); -1: the picture's own
    };
    const Przypadek przypadki[] = {
        {"PNG", true, true, -1},    {"PNG", false, true, 255}, {"JPG", false, false, 255},
        {"BMP", false, false, 255}, {"PNG", true, false, 255},
    };
    for (const Przypadek &c : przypadki) {
        SCOPED_TRACE(std::string(c.format) + (c.alfa ? " with alpha" : " without alpha"));
        const QImage o = przezPlik(wzor(c.alfa), c.format);
        ASSERT_FALSE(o.isNull());
        const QByteArray p = pikseleZObrazu(o, c.typPng);
        EXPECT_EQ(uint8_t(piksel(p, 10, 20)[3]), c.oczekiwana < 0 ? 30 : c.oczekiwana);
        if (QByteArray(c.format) != "JPG") {
            EXPECT_EQ(piksel(p, 10, 20).left(3), hex("00 14 0a"));
        }
    }
}

// A picture of another size fills what it covers; the rest stays zero.
TEST(DaneLogo, InnyRozmiar)
{
    QImage o(2, 1, QImage::Format_RGB32);
    o.fill(qRgb(1, 2, 3));
    const QByteArray p = pikseleZObrazu(o, false);
    ASSERT_EQ(p.size(), rozmiarPikseliLogo);
    EXPECT_EQ(p.left(12), hex("030201ff 030201ff 00000000"));
    EXPECT_EQ(std::count(p.begin(), p.end(), char(0)), rozmiarPikseliLogo - 8);
}
