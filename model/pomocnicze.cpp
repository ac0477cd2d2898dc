#include "pomocnicze.h"

#include "kodek.h"

#include <QLocale>

#include <algorithm>
#include <climits>
#include <cstring>

QString tekstNaHex(const QByteArray &bajty)
{
    static const char cyfry[] = "0123456789abcdef";
    QString s;
    s.reserve(bajty.size() * 3);
    for (const char c : bajty) {
        const auto u = uint8_t(c);
        s += QLatin1Char(cyfry[u >> 4]);
        s += QLatin1Char(cyfry[u & 0xF]);
        s += QLatin1Char(' ');
    }
    return s;
}

QString tekstDziesiatych(qint64 v)
{
    const QLocale l;
    const quint64 a = v < 0 ? quint64(0) - quint64(v) : quint64(v);
    return (v < 0 ? l.negativeSign() : QString()) + QString::number(a / 10) + l.decimalPoint() +
           QString::number(a % 10);
}

QString tekstWersji(int v)
{
    if (v < 0)
        return QLatin1Char('-') + tekstWersji(v == INT_MIN ? INT_MAX : -v);
    if (v > 998)
        return QString::asprintf("%d.%d", v / 1000, v % 1000);
    return QString::asprintf("%d.%2.2d", v / 100, v % 100);
}

QString tekstDoZnaku(const QString &tekst, QChar znak)
{
    const qsizetype p = tekst.left(255).indexOf(znak);
    return p < 0 ? tekst : tekst.left(p);
}

int indeksTekstu(const QStringList &lista, const QString &tekst) { return int(lista.indexOf(tekst)); }

int liczbaZListy(const QStringList &lista, int indeks, int domyslna)
{
    if (indeks < 0 || indeks >= lista.size())
        return domyslna;
    bool ok = false;
    const int v = lista.at(indeks).toInt(&ok);
    return ok ? v : domyslna;
}

QString nazwaDlaSymbolu(const QString &typ)
{
    struct Para {
        const char *symbol;
        const char *nazwa;
    };
    static const Para pary[] = {{"kvor350", "Kvor 350"}};
    const QString symbol = tekstDoZnaku(typ, QLatin1Char('X')).toUpper();
    for (const Para &p : pary)
        if (symbol == QString::fromLatin1(p.symbol).toUpper())
            return QString::fromLatin1(p.nazwa);
    return {};
}

QByteArray tekstNaBajtyUtf16(const QString &tekst, int ile)
{
    ile = std::max(ile, 0);
    QByteArray b(2 * qsizetype(ile), '\0');
    const int n = int(std::min<qsizetype>(ile, tekst.size()));
    for (int i = 0; i < n; ++i) {
        const char16_t u = tekst.at(i).unicode();
        b[2 * i] = char(u & 0xFF);
        b[2 * i + 1] = char(u >> 8);
    }
    return b;
}

void nazwaDoBufora16(const QString &tekst, std::span<uint8_t> cel, int ile)
{
    const qsizetype n = std::clamp<qsizetype>(std::min<qsizetype>(tekst.size(), ile), 0, 16);
    const size_t ileBajtow = std::min<size_t>(2 * size_t(n), cel.size());
    // An empty destination may have no storage at all (a null pointer).
    if (ileBajtow == 0)
        return;
    const QByteArray b = tekstNaBajtyUtf16(tekst, int(n));
    std::memcpy(cel.data(), b.constData(), ileBajtow);
}

void bajtyDoWejsciaCyfrowego(const QByteArray &tekst, Tkvor350wejscieDwustanowe &we, int n)
{
    const qsizetype ile =
        std::clamp<qsizetype>(std::min<qsizetype>(tekst.size(), n), 0, sizeof(Tkvor350wejscieDwustanowe));
    std::memcpy(&we, tekst.constData(), size_t(ile));
}

QString tekstJednobajtowy(std::span<const uint8_t> pole)
{
    if (pole.empty())
        return {};
    const size_t n = std::min<size_t>(pole[0], pole.size() - 1);
    QString s;
    s.reserve(qsizetype(n));
    for (size_t i = 1; i <= n && pole[i] != 0; ++i)
        s.append(QChar(znak1250NaUtf16(pole[i])));
    return s;
}

void ustawTekstJednobajtowy(std::span<uint8_t> pole, const QString &tekst)
{
    if (pole.empty())
        return;
    const size_t n = std::min<size_t>(tekst.size(), std::min<size_t>(pole.size() - 1, 255));
    pole[0] = uint8_t(n);
    for (size_t i = 0; i < n; ++i)
        pole[i + 1] = utf16NaZnak1250(tekst.at(qsizetype(i)).unicode());
}

QByteArray liczbaNaTekst4(int32_t v)
{
    const uint32_t u = uint32_t(v);
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((u >> (8 * i)) & 0xFF);
    return b;
}
