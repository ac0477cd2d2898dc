// The name and text helpers with any UTF-16 (lone surrogates, zero units,
// unassigned code points), fields without a terminating zero, any counts
// and positions, and buffers of any size, an empty one (no storage at all)
// included. Every buffer is exactly as large as its size, so a byte
// written or read past it is a sanitizer report.
//
// Input: [text length][buffer size][count][position][4 bytes][text units...].
// Each helper keeps to its own bounds and gives what its rule says.
#include "fuzz.h"

#include "kodek.h"
#include "kodek_bajty.h"
#include "nazwy.h"
#include "pomocnicze.h"

#include <QStringList>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>

namespace {

QString opis(const char *co, const QString &t, int ile, size_t rozmiar)
{
    return QStringLiteral("%1: %2 units, count %3, buffer %4: %5")
        .arg(QLatin1String(co))
        .arg(t.size())
        .arg(ile)
        .arg(rozmiar)
        .arg(QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(t.utf16()), t.size() * 2).toHex(' ')));
}

// A buffer of exactly n bytes on the heap, filled with 0xEE; n = 0 has no
// storage at all.
std::unique_ptr<uint8_t[]> bufor(size_t n)
{
    if (n == 0)
        return nullptr;
    auto b = std::make_unique<uint8_t[]>(n);
    std::fill_n(b.get(), n, uint8_t(0xEE));
    return b;
}

void nazwy(const QString &t, const QByteArray &bajty, int ile, size_t rozmiar)
{
    // Whole names: the first 50 units up to the first zero, trimmed.
    const TNazwa50char n = tekstNaNazwe50(t);
    QString oczekiwana = t.left(50);
    if (const qsizetype zero = oczekiwana.indexOf(QChar(u'\0')); zero >= 0)
        oczekiwana.truncate(zero);
    FUZZ_SPRAWDZ(nazwa50NaTekst(n) == przytnij(oczekiwana), opis("tekstNaNazwe50", t, ile, rozmiar));

    // UTF-16 as the bus carries it.
    const QByteArray b = tekstNaBajtyUtf16(t, ile);
    FUZZ_SPRAWDZ(b.size() == 2 * std::max(ile, 0), opis("tekstNaBajtyUtf16", t, ile, rozmiar));
    for (int i = 0; i < std::min<int>(std::max(ile, 0), int(t.size())); ++i)
        FUZZ_SPRAWDZ(kodek::slowo(b, 2 * i) == t.at(i).unicode(), opis("tekstNaBajtyUtf16", t, ile, rozmiar));

    auto cel = bufor(rozmiar);
    nazwaDoBufora16(t, std::span<uint8_t>(cel.get(), rozmiar), ile);
    const size_t wpisane =
        std::min<size_t>(2 * size_t(std::clamp<qsizetype>(std::min<qsizetype>(t.size(), ile), 0, 16)), rozmiar);
    for (size_t i = 0; i < rozmiar; ++i) {
        const uint8_t oczekiwany = i < wpisane ? uint8_t(t.at(qsizetype(i / 2)).unicode() >> (8 * (i % 2))) : 0xEE;
        FUZZ_SPRAWDZ(cel[i] == oczekiwany, opis("nazwaDoBufora16", t, ile, rozmiar) + QStringLiteral(" at %1").arg(i));
    }

    // A field of any size without a terminating zero.
    std::vector<char16_t> pole(rozmiar / 2);
    for (size_t i = 0; i < pole.size(); ++i)
        pole[i] = i < size_t(t.size()) ? t.at(qsizetype(i)).unicode() : u'x';
    FUZZ_SPRAWDZ(nazwaNaTekst(pole.data(), int(pole.size())).size() <= qsizetype(pole.size()),
                 opis("nazwaNaTekst", t, ile, rozmiar));

    // A digital input's one-byte name and its UTF-16 field.
    Tkvor350wejscieDwustanowe we = rekordLosowy<Tkvor350wejscieDwustanowe>(uint32_t(ile));
    bajtyDoWejsciaCyfrowego(bajty, we, ile);
    const qsizetype wRekordzie =
        std::clamp<qsizetype>(std::min<qsizetype>(bajty.size(), ile), 0, sizeof(Tkvor350wejscieDwustanowe));
    FUZZ_SPRAWDZ(std::memcmp(&we, bajty.constData(), size_t(wRekordzie)) == 0,
                 opis("bajtyDoWejsciaCyfrowego", t, ile, rozmiar));
    auto jedno = bufor(rozmiar);
    const std::span<uint8_t> pj(jedno.get(), rozmiar);
    ustawTekstJednobajtowy(pj, t);
    const QString odczytane = tekstJednobajtowy(pj);
    // The text written, read back up to its first zero.
    const qsizetype wpisanych = rozmiar == 0 ? 0 : std::min<qsizetype>({t.size(), qsizetype(rozmiar) - 1, 255});
    const qsizetype zero = t.left(wpisanych).indexOf(QChar(u'\0'));
    const qsizetype dl = zero >= 0 ? zero : wpisanych;
    FUZZ_SPRAWDZ(odczytane.size() == dl, opis("tekstJednobajtowy", t, ile, rozmiar));
    for (qsizetype i = 0; i < dl; ++i) {
        const char16_t u = t.at(i).unicode();
        FUZZ_SPRAWDZ(odczytane.at(i).unicode() == u || odczytane.at(i) == QLatin1Char('?'),
                     opis("tekstJednobajtowy", t, ile, rozmiar));
        FUZZ_SPRAWDZ(znak1250NaUtf16(utf16NaZnak1250(u)) == u || utf16NaZnak1250(u) == '?',
                     opis("utf16NaZnak1250", t, ile, rozmiar));
    }
}

void teksty(const QString &t, int ile, int pozycja, uint32_t los)
{
    const QChar znak = t.isEmpty() ? QChar(u'X') : t.at(qsizetype(los % uint32_t(t.size())));
    const QString przed = tekstDoZnaku(t, znak);
    FUZZ_SPRAWDZ(t.startsWith(przed), opis("tekstDoZnaku", t, ile, 0));
    const QByteArray b(reinterpret_cast<const char *>(t.utf16()), t.size() * 2);
    FUZZ_SPRAWDZ(tekstNaHex(b).size() == 3 * b.size(), opis("tekstNaHex", t, ile, 0));
    const QStringList lista = t.split(QChar(u','));
    liczbaZListy(lista, ile, pozycja);
    FUZZ_SPRAWDZ(indeksTekstu(lista, t) <= 0, opis("indeksTekstu", t, ile, 0));
    nazwaDlaSymbolu(t);
    FUZZ_SPRAWDZ(!tekstWersji(int(los)).isEmpty() && !tekstWersji(INT_MIN).isEmpty(), opis("tekstWersji", t, ile, 0));
    FUZZ_SPRAWDZ(!tekstDziesiatych(qint64(int64_t(los) << 32 | uint32_t(ile))).isEmpty() &&
                     !tekstDziesiatych(LLONG_MIN).isEmpty(),
                 opis("tekstDziesiatych", t, ile, 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    przygotujFuzz();
    Wejscie we(dane, rozmiar);
    const int dlugosc = we.bajt() % 80;
    const size_t bufor = we.bajt() % 72;
    const int ile = int(int8_t(we.bajt()));
    const int pozycja = int(int8_t(we.bajt()));
    const uint32_t los = we.liczba32();
    QString t;
    for (int i = 0; i < dlugosc && we.zostalo() > 0; ++i)
        t.append(QChar(char16_t(we.slowo())));
    const QByteArray bajty(reinterpret_cast<const char *>(t.utf16()), t.size() * 2);
    nazwy(t, bajty, ile, bufor);
    teksty(t, ile, pozycja, los);
    return 0;
}

std::vector<QByteArray> ziarnaFuzz()
{
    const QString teksty[] = {
        QStringLiteral("Wędzenie"),
        QStringLiteral("  Z1 nazwa zadanej  "),
        QStringLiteral("Ąę 16 znaków długi!"),
        QString(50, QChar(u'ł')),
        QString(QChar(0xD800)) + QStringLiteral("a") + QChar(0xDC00),
        QStringLiteral("kvor350X1,2,3"),
        QString(QChar(0xFEFF)) + QStringLiteral("Pompa"),
        QString(QChar(0xFFFE)) + QStringLiteral("Pompa"),
    };
    std::vector<QByteArray> z;
    for (const QString &t : teksty)
        for (const int bufor : {0, 1, 32, 33})
            z.push_back(Ziarno()
                            .bajt(int(t.size()))
                            .bajt(bufor)
                            .bajt(15)
                            .bajt(1)
                            .slowo(1234)
                            .slowo(0)
                            .bajty(QByteArray(reinterpret_cast<const char *>(t.utf16()), t.size() * 2)));
    return z;
}
