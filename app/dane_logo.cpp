#include "dane_logo.h"

#include "crc.h"

#include <algorithm>

QByteArray pikseleZObrazu(const QImage &obraz, bool wlasnaAlfa)
{
    QByteArray piksele(rozmiarPikseliLogo, '\0');
    // Non-premultiplied, so a half-transparent pixel keeps its colour.
    const QImage argb = obraz.convertToFormat(QImage::Format_ARGB32);
    const bool alfa = wlasnaAlfa && obraz.hasAlphaChannel();
    const int w = std::min(argb.width(), szerokoscLogo);
    const int h = std::min(argb.height(), wysokoscLogo);
    for (int y = 0; y < h; ++y) {
        const auto *wiersz = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = wiersz[x];
            char *p = piksele.data() + (x + szerokoscLogo * y) * 4;
            p[0] = char(qBlue(c));
            p[1] = char(qGreen(c));
            p[2] = char(qRed(c));
            p[3] = char(alfa ? qAlpha(c) : 255);
        }
    }
    return piksele;
}

QByteArray przygotujDaneLogo(const QImage &obraz, bool wlasnaAlfa, bool wyczysc)
{
    const QByteArray piksele = wyczysc ? QByteArray(rozmiarPikseliLogo, '\0') : pikseleZObrazu(obraz, wlasnaAlfa);
    TBufferHeader head{};
    head.header = int32_t(znacznikLogo);
    head.size = rozmiarPikseliLogo;
    head.width = szerokoscLogo;
    head.height = wysokoscLogo;
    head.crc = obliczCRC16(piksele, piksele.size());
    head.suffix = 0;
    QByteArray dane(reinterpret_cast<const char *>(&head), sizeof head);
    dane += piksele;
    return dane;
}
