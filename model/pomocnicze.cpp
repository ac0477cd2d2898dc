#include "pomocnicze.h"

#include "kodek.h"
#include "kodek_bajty.h"

#include <QDir>
#include <QLocale>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace {

// Up to `n` (low, high) pairs from index `od`, stopping at a zero word;
// bytes past the data read as 0.
template <typename F>
void czytajSlowa(const QByteArray &b, qsizetype od, int n, F &&dodaj)
{
    if (od < 0)
        return;
    for (int i = 0; i < n; ++i) {
        const char16_t w = kodek::slowo(b, od + 2 * qsizetype(i));
        if (w == 0)
            return;
        dodaj(w);
    }
}

TNazwa50char slowa50(const QByteArray &b, qsizetype od, int n)
{
    TNazwa50char nazwa{};
    if (od >= 0)
        kodek::czytajNazwe(b, od, n, nazwa);
    return nazwa;
}

} // namespace

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

QString dodajBackslash(const QString &sciezka)
{
    const QChar sep = QDir::separator();
    if (sciezka.endsWith(sep) || sciezka.endsWith(QLatin1Char('/')))
        return sciezka;
    return sciezka + sep;
}

TWersjaPliku pobierzWersjePliku(const QString &) { return {}; }

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

QString czasMinSek(const QTime &czas)
{
    if (!czas.isValid())
        return QStringLiteral("00:00");
    int minuty = czas.hour() * 60 + czas.minute();
    if (minuty >= 100)
        minuty = 99;
    return QString::asprintf("%2.2d:%2.2d", minuty, czas.second());
}

int sprawdzZakresTekstu(const QString &tekst, double max, double min)
{
    bool ok = false;
    double v = QLocale().toDouble(tekst, &ok);
    if (!ok)
        v = QLocale::c().toDouble(tekst, &ok);
    if (!ok || !std::isfinite(v))
        return 1;
    return (v < min || v > max) ? 2 : 0;
}

QString tekstDoZnaku(const QString &tekst, QChar znak)
{
    const qsizetype p = tekst.left(255).indexOf(znak);
    return p < 0 ? tekst : tekst.left(p);
}

QString zamienZnak(const QString &tekst, QChar stary, QChar nowy)
{
    QString s = tekst;
    const qsizetype n = std::min<qsizetype>(s.size(), 255);
    for (qsizetype i = 0; i < n; ++i)
        if (s.at(i) == stary)
            s[i] = nowy;
    return s;
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

bool tekstNaBuforUtf16(const QString &tekst, std::span<uint8_t> bufor)
{
    std::fill(bufor.begin(), bufor.end(), uint8_t(0));
    if (2 * size_t(tekst.size()) > bufor.size())
        return false;
    for (qsizetype i = 0; i < tekst.size(); ++i)
        slowoNaBajty(tekst.at(i).unicode(), bufor[2 * i], bufor[2 * i + 1]);
    return true;
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

void wstawTekstDoBajtow(const QByteArray &tekst, QByteArray &tablica, int indeks, int ile)
{
    if (indeks < 0)
        return;
    const qsizetype n = std::clamp<qsizetype>(
        std::min<qsizetype>({tekst.size(), qsizetype(ile), tablica.size() - indeks}), 0, tekst.size());
    for (qsizetype i = 0; i < n; ++i)
        tablica[indeks + i] = tekst.at(i);
}

void kopiujZnaki40(const QString &tekst, std::span<uint8_t> bufor, int ile)
{
    const qsizetype n =
        std::clamp<qsizetype>(std::min<qsizetype>({qsizetype(ile), 40, tekst.size(), qsizetype(bufor.size())}), 0, 40);
    for (qsizetype i = 0; i < n; ++i)
        bufor[i] = uint8_t(tekst.at(i).unicode() & 0xFF);
}

QByteArray bajtyNaTekst(const QByteArray &tablica, int indeks, int maks)
{
    if (indeks < 0 || maks <= 0 || indeks >= tablica.size())
        return {};
    return tablica.mid(indeks, maks);
}

QString slowaTekstuNaTekst(const QByteArray &tekst, int pozycja, int ile)
{
    QString s;
    czytajSlowa(tekst, qsizetype(pozycja) - 1, ile, [&](char16_t w) { s.append(QChar(w)); });
    return s;
}

TNazwa50char tekstNaSlowa50(const QByteArray &tekst, int pozycja, int n)
{
    return slowa50(tekst, qsizetype(pozycja) - 1, n);
}

TNazwa50char bajtyNaSlowa50(const QByteArray &tablica, int indeks, int n) { return slowa50(tablica, indeks, n); }

QString slowaNaTekst(std::span<const char16_t> znaki)
{
    QString s;
    for (size_t i = 0; i < std::min<size_t>(znaki.size(), 16) && znaki[i] != 0; ++i)
        s.append(QChar(znaki[i]));
    return s;
}

QString slowaNaTekst(const Tkvor350wejscieDwustanowe &we)
{
    char16_t znaki[16];
    std::memcpy(znaki, reinterpret_cast<const char *>(&we) + offsetof(Tkvor350wejscieDwustanowe, nazwa_array),
                sizeof znaki);
    return slowaNaTekst(znaki);
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

void bajtNaBity(std::span<uint8_t> bufor, int indeks, uint8_t bajt)
{
    for (int k = 0; k < 8; ++k) {
        const qint64 i = qint64(indeks) + k;
        if (i >= 0 && size_t(i) < bufor.size())
            bufor[size_t(i)] = (bajt >> k) & 1;
    }
}

uint8_t bityNaBajt(std::span<const uint8_t> tablica, int indeks)
{
    uint8_t b = 0;
    for (int k = 0; k < 8; ++k) {
        const qint64 i = qint64(indeks) + k;
        if (i >= 0 && size_t(i) < tablica.size() && tablica[size_t(i)] != 0)
            b |= uint8_t(1u << k);
    }
    return b;
}

uint16_t czasNaSekundy(const QTime &czas)
{
    if (!czas.isValid())
        return 0;
    return uint16_t(czas.hour() * 3600 + czas.minute() * 60 + czas.second());
}

void czasNaSekundyBajty(const QTime &czas, uint8_t &mlodszy, uint8_t &starszy)
{
    slowoNaBajty(czasNaSekundy(czas), mlodszy, starszy);
}

QTime sekundyNaCzas(uint16_t s) { return QTime(s / 3600, (s / 60) % 60, s % 60); }

QTime bajtySekundNaCzas(uint8_t mlodszy, uint8_t starszy) { return sekundyNaCzas(slowoZBajtow(mlodszy, starszy)); }
