// Draws the pictures of the digital outputs into a folder:
//   r00_0.png .. r31_1.png        40 x 40  output icons, off (blue) and on (green)
//   typ_czasowy_0..7.png         140 x 90  time modes: the step above, the output below
//   regulator_0..5.png           140 x 90  regulator types: the value against its setpoint
//   schowek.png                   24 x 24  "copy to the clipboard"
// Run after changing a picture; the PNGs are kept in the repository:
//   cmake --build build --target rysuj_obrazki_wyjsc
//   build/bin/rysuj_obrazki_wyjsc controls/obrazki
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QString folder;

bool zapisz(const QImage &obraz, const QString &nazwa)
{
    const QString sciezka = QDir(folder).filePath(nazwa);
    if (!obraz.save(sciezka, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(sciezka));
        return false;
    }
    return true;
}

QImage plotno(int w, int h)
{
    QImage o(w, h, QImage::Format_ARGB32);
    o.fill(Qt::transparent);
    return o;
}

QFont czcionka(int piksele, bool gruba = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(piksele);
    f.setBold(gruba);
    return f;
}

// ---- Output icons ---------------------------------------------------------

const QColor bialy(Qt::white);

QPen pioro(qreal w = 2.4) { return QPen(bialy, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void strzalka(QPainter &g, QPointF a, QPointF b, qreal grot = 5)
{
    g.drawLine(a, b);
    const qreal kat = std::atan2(b.y() - a.y(), b.x() - a.x());
    const QPointF l = b - QPointF(grot * std::cos(kat - 0.5), grot * std::sin(kat - 0.5));
    const QPointF p = b - QPointF(grot * std::cos(kat + 0.5), grot * std::sin(kat + 0.5));
    g.drawPolyline(QPolygonF({l, b, p}));
}

void wentylator(QPainter &g)
{
    g.drawEllipse(QPointF(20, 20), 13, 13);
    g.setBrush(bialy);
    for (int i = 0; i < 3; ++i) {
        g.save();
        g.translate(20, 20);
        g.rotate(i * 120 + 15);
        QPainterPath p;
        p.moveTo(0, 0);
        p.cubicTo(-5, -3, -4, -10, 0, -10.5);
        p.cubicTo(3, -10, 3, -4, 0, 0);
        g.drawPath(p);
        g.restore();
    }
    g.drawEllipse(QPointF(20, 20), 2, 2);
}

void grzalka(QPainter &g)
{
    QPainterPath p;
    p.moveTo(8, 30);
    p.lineTo(8, 24);
    for (int i = 0; i < 4; ++i) {
        const qreal x = 8 + i * 6;
        p.cubicTo(x, 8, x + 6, 8, x + 6, 24);
    }
    p.lineTo(32, 30);
    g.drawPath(p);
    g.drawLine(QPointF(5, 33), QPointF(35, 33));
}

void sniezynka(QPainter &g)
{
    g.translate(20, 20);
    for (int i = 0; i < 3; ++i) {
        g.save();
        g.rotate(i * 60);
        g.drawLine(QPointF(0, -14), QPointF(0, 14));
        for (int k : {-1, 1}) {
            g.drawLine(QPointF(0, k * 9), QPointF(-4, k * 13));
            g.drawLine(QPointF(0, k * 9), QPointF(4, k * 13));
        }
        g.restore();
    }
    g.translate(-20, -20);
}

void klapa(QPainter &g)
{
    g.drawEllipse(QPointF(20, 20), 13, 13);
    g.setPen(pioro(3.5));
    g.drawLine(QPointF(12, 28), QPointF(28, 12));
    g.setBrush(bialy);
    g.drawEllipse(QPointF(20, 20), 2.5, 2.5);
}

void dymogenerator(QPainter &g)
{
    g.drawRoundedRect(QRectF(9, 25, 22, 9), 2, 2);
    g.drawLine(QPointF(13, 29.5), QPointF(27, 29.5));
    for (qreal x : {15.0, 24.0}) {
        QPainterPath p;
        p.moveTo(x, 22);
        p.cubicTo(x - 5, 18, x + 5, 13, x, 9);
        p.cubicTo(x - 3, 7, x + 2, 5, x + 1, 4);
        g.drawPath(p);
    }
}

void lampa(QPainter &g)
{
    QPainterPath p;
    p.moveTo(15.5, 26);
    p.cubicTo(15.5, 21, 10, 19, 10, 14);
    p.arcTo(QRectF(10, 4, 20, 20), 180, -180);
    p.cubicTo(30, 19, 24.5, 21, 24.5, 26);
    p.closeSubpath();
    g.drawPath(p);
    g.drawLine(QPointF(15.5, 29.5), QPointF(24.5, 29.5));
    g.drawLine(QPointF(17, 33), QPointF(23, 33));
}

void syrena(QPainter &g)
{
    g.setBrush(bialy);
    g.drawPolygon(QPolygonF({{6, 16}, {12, 16}, {21, 9}, {21, 31}, {12, 24}, {6, 24}}));
    g.setBrush(Qt::NoBrush);
    g.drawArc(QRectF(18, 14, 10, 12), -50 * 16, 100 * 16);
    g.drawArc(QRectF(17, 9, 17, 22), -50 * 16, 100 * 16);
}

void kran(QPainter &g)
{
    g.drawLine(QPointF(5, 15), QPointF(25, 15));
    QPainterPath p;
    p.moveTo(25, 15);
    p.cubicTo(31, 15, 31, 18, 31, 22);
    g.drawPath(p);
    g.drawLine(QPointF(16, 15), QPointF(16, 9));
    g.drawLine(QPointF(11, 9), QPointF(21, 9));
    g.setBrush(bialy);
    QPainterPath k;
    k.moveTo(31, 26);
    k.cubicTo(28, 30, 28, 33, 31, 34);
    k.cubicTo(34, 33, 34, 30, 31, 26);
    g.drawPath(k);
}

void prysznic(QPainter &g)
{
    g.drawLine(QPointF(8, 6), QPointF(20, 6));
    g.drawLine(QPointF(20, 6), QPointF(20, 10));
    g.setBrush(bialy);
    g.drawChord(QRectF(10, 10, 20, 12), 0, 180 * 16);
    g.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
        const qreal x = 12 + i * 4;
        g.drawLine(QPointF(x, 20), QPointF(x + (i - 2) * 1.5, 24));
        g.drawLine(QPointF(x + (i - 2) * 2.2, 28), QPointF(x + (i - 2) * 2.8, 31));
    }
}

void pompa(QPainter &g)
{
    g.drawEllipse(QPointF(20, 20), 13, 13);
    g.setBrush(bialy);
    g.drawPolygon(QPolygonF({{14, 12}, {29, 20}, {14, 28}}));
}

void zawor(QPainter &g)
{
    g.setBrush(bialy);
    g.drawPolygon(QPolygonF({{6, 16}, {20, 24}, {6, 32}}));
    g.drawPolygon(QPolygonF({{34, 16}, {20, 24}, {34, 32}}));
    g.drawLine(QPointF(20, 24), QPointF(20, 11));
    g.drawLine(QPointF(13, 9), QPointF(27, 9));
}

void silnik(QPainter &g)
{
    g.drawEllipse(QPointF(20, 20), 13, 13);
    g.setPen(pioro(2.6));
    g.drawPolyline(QPolygonF({{13.5, 27}, {13.5, 13}, {20, 22}, {26.5, 13}, {26.5, 27}}));
}

void para(QPainter &g)
{
    for (qreal x : {12.0, 20.0, 28.0}) {
        QPainterPath p;
        p.moveTo(x, 33);
        p.cubicTo(x - 5, 27, x + 5, 23, x, 17);
        p.cubicTo(x - 5, 12, x + 4, 9, x, 6);
        g.drawPath(p);
    }
}

void plomien(QPainter &g)
{
    QPainterPath p;
    p.moveTo(20, 34);
    p.cubicTo(10, 34, 8, 25, 12, 19);
    p.cubicTo(13, 23, 15, 24, 16, 24);
    p.cubicTo(14, 16, 18, 10, 22, 5);
    p.cubicTo(22, 12, 31, 16, 30, 25);
    p.cubicTo(29.5, 31, 25, 34, 20, 34);
    g.drawPath(p);
    QPainterPath w;
    w.moveTo(20, 31);
    w.cubicTo(16, 31, 15, 27, 18, 23);
    w.cubicTo(19, 26, 21, 26, 22, 22);
    w.cubicTo(25, 26, 24, 31, 20, 31);
    g.setBrush(bialy);
    g.drawPath(w);
}

void drzwi(QPainter &g)
{
    g.drawRect(QRectF(10, 6, 20, 28));
    g.setBrush(bialy);
    g.drawPolygon(QPolygonF({{10, 6}, {22, 9}, {22, 37}, {10, 34}}));
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(QColor(0, 0, 0, 120), 2));
    g.drawPoint(QPointF(19, 22));
}

void dzwonek(QPainter &g)
{
    QPainterPath p;
    p.moveTo(8, 29);
    p.cubicTo(12, 26, 11, 20, 12, 15);
    p.cubicTo(13, 9, 27, 9, 28, 15);
    p.cubicTo(29, 20, 28, 26, 32, 29);
    p.closeSubpath();
    g.drawPath(p);
    g.drawLine(QPointF(20, 6), QPointF(20, 9));
    g.setBrush(bialy);
    g.drawEllipse(QPointF(20, 32), 2.5, 2.5);
}

void wyciag(QPainter &g, bool nawiew)
{
    g.drawPolyline(QPolygonF({{22, 8}, {8, 8}, {8, 32}, {32, 32}, {32, 18}}));
    if (nawiew)
        strzalka(g, QPointF(33, 7), QPointF(18, 22), 7);
    else
        strzalka(g, QPointF(18, 22), QPointF(33, 7), 7);
}

void kropla(QPainter &g)
{
    QPainterPath p;
    p.moveTo(20, 5);
    p.cubicTo(14, 14, 10, 19, 10, 24);
    p.arcTo(QRectF(10, 14, 20, 20), 180, 180);
    p.cubicTo(30, 19, 26, 14, 20, 5);
    g.drawPath(p);
    g.drawArc(QRectF(14, 19, 11, 11), 200 * 16, 70 * 16);
}

void odplyw(QPainter &g)
{
    g.drawPolyline(QPolygonF({{6, 10}, {16, 22}, {16, 28}}));
    g.drawPolyline(QPolygonF({{34, 10}, {24, 22}, {24, 28}}));
    strzalka(g, QPointF(20, 6), QPointF(20, 35), 5);
}

void wozek(QPainter &g)
{
    g.drawRect(QRectF(8, 7, 24, 20));
    g.drawLine(QPointF(8, 14), QPointF(32, 14));
    g.drawLine(QPointF(8, 20), QPointF(32, 20));
    g.setBrush(bialy);
    g.drawEllipse(QPointF(12, 32), 3, 3);
    g.drawEllipse(QPointF(28, 32), 3, 3);
}

void sprezarka(QPainter &g)
{
    g.drawEllipse(QPointF(20, 20), 13, 13);
    g.drawLine(QPointF(11, 10.5), QPointF(31, 16));
    g.drawLine(QPointF(11, 29.5), QPointF(31, 24));
}

void piorun(QPainter &g)
{
    g.setBrush(bialy);
    g.drawPolygon(QPolygonF({{23, 4}, {11, 22}, {19, 22}, {16, 36}, {29, 16}, {21, 16}}));
}

void termometr(QPainter &g)
{
    QPainterPath p;
    p.moveTo(17, 24);
    p.lineTo(17, 8);
    p.arcTo(QRectF(17, 5, 6, 6), 180, -180);
    p.lineTo(23, 24);
    p.arcTo(QRectF(14, 22, 12, 12), 60, -300);
    p.closeSubpath();
    g.drawPath(p);
    g.setBrush(bialy);
    g.drawEllipse(QPointF(20, 28), 3, 3);
    g.drawLine(QPointF(20, 26), QPointF(20, 13));
    g.setBrush(Qt::NoBrush);
    for (qreal y : {11.0, 15.0, 19.0})
        g.drawLine(QPointF(26, y), QPointF(29, y));
}

void wentylatorOsiowy(QPainter &g)
{
    g.drawRoundedRect(QRectF(6, 6, 28, 28), 3, 3);
    g.setBrush(bialy);
    for (int i = 0; i < 4; ++i) {
        g.save();
        g.translate(20, 20);
        g.rotate(i * 90 + 45);
        g.drawEllipse(QRectF(-3, -11, 6, 9));
        g.restore();
    }
}

void zegar(QPainter &g)
{
    g.drawEllipse(QPointF(20, 20), 13, 13);
    g.drawLine(QPointF(20, 20), QPointF(20, 11));
    g.drawLine(QPointF(20, 20), QPointF(26, 24));
}

void zebatka(QPainter &g)
{
    QPainterPath p;
    const int zeby = 8;
    for (int i = 0; i < zeby * 2; ++i) {
        const qreal r = i % 2 ? 10.5 : 14.5;
        for (qreal d : {-0.12, 0.12}) {
            const qreal a = (i * M_PI) / zeby + d;
            const QPointF pt(20 + r * std::cos(a), 20 + r * std::sin(a));
            if (p.elementCount() == 0)
                p.moveTo(pt);
            else
                p.lineTo(pt);
        }
    }
    p.closeSubpath();
    g.drawPath(p);
    g.drawEllipse(QPointF(20, 20), 4, 4);
}

void cyrkulacja(QPainter &g)
{
    g.drawArc(QRectF(8, 8, 24, 24), 30 * 16, 150 * 16);
    g.drawArc(QRectF(8, 8, 24, 24), 210 * 16, 150 * 16);
    g.setBrush(bialy);
    g.drawPolygon(QPolygonF({{5, 18}, {12, 18}, {8.5, 24}}));
    g.drawPolygon(QPolygonF({{35, 22}, {28, 22}, {31.5, 16}}));
}

void zbiornik(QPainter &g)
{
    g.drawLine(QPointF(9, 9), QPointF(9, 31));
    g.drawLine(QPointF(31, 9), QPointF(31, 31));
    g.drawEllipse(QRectF(9, 6, 22, 6));
    g.drawArc(QRectF(9, 28, 22, 6), 180 * 16, 180 * 16);
    QPainterPath f;
    f.moveTo(10, 21);
    f.cubicTo(15, 18, 18, 24, 23, 21);
    f.cubicTo(26, 19, 28, 20, 30, 21);
    g.drawPath(f);
}

void komin(QPainter &g)
{
    g.drawPolyline(QPolygonF({{6, 34}, {6, 24}, {20, 14}, {34, 24}, {34, 34}}));
    g.drawPolyline(QPolygonF({{24, 17}, {24, 8}, {29, 8}, {29, 20.5}}));
    QPainterPath d;
    d.moveTo(26.5, 6);
    d.cubicTo(24, 4, 29, 2, 27, 0);
    g.drawPath(d);
    g.drawRect(QRectF(16, 26, 8, 8));
}

void detergent(QPainter &g)
{
    g.drawRoundedRect(QRectF(10, 14, 15, 21), 3, 3);
    g.drawRect(QRectF(14, 9, 7, 5));
    g.drawLine(QPointF(21, 10), QPointF(26, 8));
    g.drawEllipse(QPointF(30, 9), 2.5, 2.5);
    g.drawEllipse(QPointF(32, 17), 2, 2);
    g.drawEllipse(QPointF(29, 24), 1.6, 1.6);
}

void zasilanie(QPainter &g)
{
    g.drawArc(QRectF(8, 9, 24, 24), 60 * 16, -300 * 16);
    g.drawLine(QPointF(20, 5), QPointF(20, 20));
}

using Symbol = std::function<void(QPainter &)>;

const std::vector<Symbol> &symbole()
{
    static const std::vector<Symbol> s = {
        wentylator,
        grzalka,
        sniezynka,
        klapa,
        dymogenerator,
        lampa,
        syrena,
        kran,
        prysznic,
        pompa,
        zawor,
        silnik,
        para,
        plomien,
        drzwi,
        dzwonek,
        [](QPainter &g) { wyciag(g, false); },
        [](QPainter &g) { wyciag(g, true); },
        kropla,
        odplyw,
        wozek,
        sprezarka,
        piorun,
        termometr,
        wentylatorOsiowy,
        zegar,
        zebatka,
        cyrkulacja,
        zbiornik,
        komin,
        detergent,
        zasilanie,
    };
    return s;
}

QImage ikona(int nr, bool wlaczona)
{
    QImage o = plotno(40, 40);
    QPainter g(&o);
    g.setRenderHint(QPainter::Antialiasing);
    const QColor kolor = wlaczona ? QColor(38, 150, 64) : QColor(40, 92, 178);
    QLinearGradient tlo(0, 0, 0, 40);
    tlo.setColorAt(0, kolor.lighter(122));
    tlo.setColorAt(1, kolor.darker(112));
    g.setPen(QPen(kolor.darker(150), 1));
    g.setBrush(tlo);
    g.drawRoundedRect(QRectF(0.5, 0.5, 39, 39), 6, 6);
    g.setPen(pioro());
    g.setBrush(Qt::NoBrush);
    symbole()[size_t(nr)](g);
    return o;
}

// ---- Time modes -----------------------------------------------------------

// Vertical places of the two traces.
constexpr int krokGora = 10, krokDol = 24;
constexpr int wyjGora = 36, wyjDol = 58;
constexpr int poczatek = 6, koniec = 134;

// A two-state trace from `poczatek` to `koniec`: low, then toggled at every
// x of `zmiany`; the high parts filled.
void przebieg(QPainter &g, const std::vector<int> &zmiany, int gora, int dol, const QColor &linia,
              const QColor &wypelnienie, qreal grubosc)
{
    QPolygonF p;
    p << QPointF(poczatek, dol);
    bool wysoki = false;
    for (int x : zmiany) {
        p << QPointF(x, wysoki ? gora : dol) << QPointF(x, wysoki ? dol : gora);
        wysoki = !wysoki;
    }
    p << QPointF(koniec, wysoki ? gora : dol);
    QPolygonF pole = p;
    pole << QPointF(koniec, dol) << QPointF(poczatek, dol);
    g.setPen(Qt::NoPen);
    g.setBrush(wypelnienie);
    g.drawPolygon(pole);
    g.setPen(QPen(linia, grubosc, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    g.setBrush(Qt::NoBrush);
    g.drawPolyline(p);
}

// A dimension line from x0 to x1 with its label above it.
void wymiar(QPainter &g, int x0, int x1, const QString &etykieta)
{
    const QColor c(31, 78, 156);
    const qreal y = 80;
    g.setPen(QPen(c, 1.2));
    g.drawLine(QPointF(x0, y), QPointF(x1, y));
    g.drawLine(QPointF(x0, y - 4), QPointF(x0, y + 4));
    g.drawLine(QPointF(x1, y - 4), QPointF(x1, y + 4));
    g.setBrush(c);
    g.setPen(Qt::NoPen);
    g.drawPolygon(QPolygonF({{qreal(x0), y}, {x0 + 4.0, y - 2.5}, {x0 + 4.0, y + 2.5}}));
    g.drawPolygon(QPolygonF({{qreal(x1), y}, {x1 - 4.0, y - 2.5}, {x1 - 4.0, y + 2.5}}));
    g.setPen(c);
    g.setFont(czcionka(10, true));
    g.drawText(QRectF(x0 - 6, 63, x1 - x0 + 12, 14), Qt::AlignCenter, etykieta);
}

QImage typCzasowy(int tryb)
{
    QImage o = plotno(140, 90);
    QPainter g(&o);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(170, 170, 170), 1));
    g.setBrush(Qt::white);
    g.drawRoundedRect(QRectF(0.5, 0.5, 139, 89), 4, 4);

    const int start = 16;
    // Pulse modes end the step on a phase boundary.
    const int stop = tryb == 3 ? 84 : tryb == 4 || tryb == 5 ? 118 : 122;
    // Where the step starts and ends.
    g.setPen(QPen(QColor(175, 175, 175), 1, Qt::DashLine));
    g.drawLine(QPointF(start, krokGora - 4), QPointF(start, wyjDol + 2));
    g.drawLine(QPointF(stop, krokGora - 4), QPointF(stop, wyjDol + 2));
    przebieg(g, {start, stop}, krokGora, krokDol, QColor(120, 120, 120), QColor(225, 225, 225), 1.6);

    const int ta = 32, tb = 24;
    std::vector<int> z;
    switch (tryb) {
    case 0:
        break;
    case 1:
        z = {start, stop};
        break;
    case 2:
        z = {start + ta, stop};
        break;
    case 3:
        z = {start, stop + 30};
        break;
    case 4:
    case 5: {
        // Pulses while the step lasts, Ta then Tb; mode 5 starts with the
        // output on.
        bool wl = tryb == 5;
        if (wl)
            z.push_back(start);
        int x = start;
        for (int faza = 0;; ++faza) {
            x += faza % 2 == 0 ? 22 : 18;
            if (x >= stop)
                break;
            z.push_back(x);
            wl = !wl;
        }
        if (wl)
            z.push_back(stop);
        break;
    }
    case 6:
        z = {start + ta, start + ta + tb};
        break;
    case 7:
        z = {start, start + ta, start + ta + tb, stop};
        break;
    }
    // A list of toggles ending on a low state; no toggle twice at one x.
    std::vector<int> zmiany;
    for (int x : z) {
        if (!zmiany.empty() && zmiany.back() == x)
            zmiany.pop_back();
        else
            zmiany.push_back(x);
    }
    przebieg(g, zmiany, wyjGora, wyjDol, QColor(25, 110, 45), QColor(60, 170, 80, 110), 2.6);

    switch (tryb) {
    case 2:
    case 6:
        wymiar(g, start, start + ta, QStringLiteral("Ta"));
        if (tryb == 6)
            wymiar(g, start + ta, start + ta + tb, QStringLiteral("Tb"));
        break;
    case 3:
        wymiar(g, stop, stop + 30, QStringLiteral("Ta"));
        break;
    case 4:
    case 5:
        wymiar(g, start, start + 22, QStringLiteral("Ta"));
        wymiar(g, start + 22, start + 40, QStringLiteral("Tb"));
        break;
    case 7:
        wymiar(g, start, start + ta, QStringLiteral("Ta"));
        wymiar(g, start + ta, start + ta + tb, QStringLiteral("Tb"));
        break;
    default:
        break;
    }
    return o;
}

// ---- Regulator types --------------------------------------------------------

constexpr qreal osX = 14, osY = 72, zadana = 34;

void osie(QPainter &g)
{
    g.setPen(QPen(QColor(90, 90, 90), 1.3));
    g.setBrush(Qt::NoBrush);
    strzalka(g, QPointF(osX, osY + 4), QPointF(osX, 6), 4);
    strzalka(g, QPointF(osX - 4, osY), QPointF(134, osY), 4);
}

void linia_zadanej(QPainter &g)
{
    g.setPen(QPen(QColor(60, 60, 60), 1.2, Qt::DashLine));
    g.drawLine(QPointF(osX + 1, zadana), QPointF(132, zadana));
}

// The output under the time axis: on between the pairs of x.
void pasekWyjscia(QPainter &g, const std::vector<std::pair<qreal, qreal>> &wlaczone, const QColor &c)
{
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(225, 225, 225));
    g.drawRect(QRectF(osX, 78, 132 - osX, 6));
    g.setBrush(c);
    for (auto [a, b] : wlaczone)
        g.drawRect(QRectF(a, 78, b - a, 6));
}

QImage regulator(int typ)
{
    QImage o = plotno(140, 90);
    QPainter g(&o);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(170, 170, 170), 1));
    g.setBrush(Qt::white);
    g.drawRoundedRect(QRectF(0.5, 0.5, 139, 89), 4, 4);

    const QColor grzanie(208, 58, 42), chlodzenie(42, 111, 208), pid(123, 63, 160);
    const bool chlodzi = typ == 2 || typ == 4;
    const QColor kolor = typ == 5 ? pid : chlodzi ? chlodzenie : grzanie;
    const qreal histG = zadana - 7, histD = zadana + 7;

    if (typ == 3 || typ == 4) {
        g.setPen(Qt::NoPen);
        QColor pas = kolor;
        pas.setAlpha(40);
        g.setBrush(pas);
        g.drawRect(QRectF(osX + 1, histG, 132 - osX - 1, histD - histG));
    }
    osie(g);
    linia_zadanej(g);

    QPainterPath k;
    std::vector<std::pair<qreal, qreal>> wyjscie;
    switch (typ) {
    case 0: {
        k.moveTo(osX + 1, 58);
        k.lineTo(130, 58);
        break;
    }
    case 1:
    case 2: {
        // Approaching the setpoint from below (heating) or above (cooling).
        const qreal y0 = typ == 1 ? 66 : 10;
        k.moveTo(osX + 1, y0);
        for (qreal x = osX + 1; x <= 130; x += 1)
            k.lineTo(x, zadana + (y0 - zadana) * std::exp(-(x - osX) / 22.0));
        wyjscie = {{osX, 86}};
        break;
    }
    case 3:
    case 4: {
        // Up to the band's far edge with the output on, then to and fro
        // between the edges: off back to the near edge, on again.
        const qreal y0 = typ == 3 ? 66 : 8;
        const qreal cel = typ == 3 ? histG : histD, powrot = typ == 3 ? histD : histG;
        k.moveTo(osX + 1, y0);
        qreal x = osX + 29;
        k.lineTo(x, cel);
        wyjscie.push_back({osX, x});
        bool wlaczone = false;
        while (x < 130) {
            const qreal dx = wlaczone ? 9 : 18;
            const qreal x2 = std::min(x + dx, 130.0);
            const qreal u = (x2 - x) / dx;
            k.lineTo(x2, wlaczone ? powrot + (cel - powrot) * u : cel + (powrot - cel) * u);
            if (wlaczone)
                wyjscie.push_back({x, x2});
            x = x2;
            wlaczone = !wlaczone;
        }
        break;
    }
    case 5: {
        // A damped swing that settles on the setpoint.
        const qreal y0 = 66;
        k.moveTo(osX + 1, y0);
        for (qreal x = osX + 1; x <= 130; x += 1) {
            const qreal t = (x - osX) / 14.0;
            k.lineTo(x, zadana + (y0 - zadana) * std::exp(-t / 1.6) * std::cos(t * 1.25));
        }
        // Pulses that narrow as the value settles.
        qreal x = osX;
        for (int i = 0; x < 128; ++i) {
            const qreal szer = std::max(12.0 - i * 2.2, 2.5);
            wyjscie.push_back({x, std::min(x + szer, 130.0)});
            x += 14;
        }
        break;
    }
    }
    g.setPen(QPen(typ == 0 ? QColor(150, 150, 150) : kolor, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.setBrush(Qt::NoBrush);
    g.drawPath(k);
    pasekWyjscia(g, wyjscie, typ == 0 ? QColor(150, 150, 150) : kolor);

    if (typ == 0) {
        // Switched off.
        g.setPen(QPen(QColor(190, 40, 40), 4, Qt::SolidLine, Qt::RoundCap));
        g.setBrush(Qt::NoBrush);
        g.drawEllipse(QPointF(76, 38), 18, 18);
        g.drawLine(QPointF(63.3, 25.3), QPointF(88.7, 50.7));
    } else {
        // What the output does: warms (arrow up) or cools (arrow down).
        g.setPen(QPen(kolor, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (typ == 5) {
            g.setFont(czcionka(13, true));
            g.drawText(QRectF(92, 50, 42, 18), Qt::AlignCenter, QStringLiteral("PID"));
        } else if (chlodzi) {
            strzalka(g, QPointF(122, 46), QPointF(122, 66), 6);
        } else {
            strzalka(g, QPointF(122, 66), QPointF(122, 46), 6);
        }
    }
    return o;
}

// ---- Clipboard ----------------------------------------------------------------

QImage schowek()
{
    QImage o = plotno(24, 24);
    QPainter g(&o);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(110, 80, 40), 1.3));
    g.setBrush(QColor(205, 160, 95));
    g.drawRoundedRect(QRectF(3.5, 3.5, 15, 18), 2, 2);
    g.setBrush(Qt::white);
    g.setPen(QPen(QColor(120, 120, 120), 1));
    g.drawRect(QRectF(6.5, 6.5, 9, 12));
    g.setPen(QPen(QColor(70, 70, 70), 1.3));
    g.setBrush(QColor(150, 150, 150));
    g.drawRoundedRect(QRectF(7.5, 1.5, 7, 4), 1, 1);
    // The copy on its way.
    g.setPen(QPen(QColor(20, 41, 65), 1.2));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(12.5, 10.5, 9, 11));
    for (qreal y : {13.5, 16.0, 18.5})
        g.drawLine(QPointF(14.5, y), QPointF(19.5, y));
    return o;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    for (int nr = 0; nr < 32; ++nr)
        for (int stan = 0; stan < 2; ++stan)
            ok =
                zapisz(ikona(nr, stan == 1), QStringLiteral("r%1_%2.png").arg(nr, 2, 10, QLatin1Char('0')).arg(stan)) &&
                ok;
    for (int t = 0; t < 8; ++t)
        ok = zapisz(typCzasowy(t), QStringLiteral("typ_czasowy_%1.png").arg(t)) && ok;
    for (int t = 0; t < 6; ++t)
        ok = zapisz(regulator(t), QStringLiteral("regulator_%1.png").arg(t)) && ok;
    ok = zapisz(schowek(), QStringLiteral("schowek.png")) && ok;
    return ok ? 0 : 1;
}
