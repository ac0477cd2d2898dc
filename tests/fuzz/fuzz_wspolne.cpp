#include "fuzz.h"

#include "komunikaty_skrypt.h"
#include "sciezki.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

class KomunikatyZapisywane final : public IKomunikaty {
public:
    // Every question is answered "no" (or cancelled).
    int pokaz(RodzajKomunikatu rodzaj, const QString &tekst) override
    {
        pokazane.push_back({rodzaj, tekst});
        return 0;
    }
    std::vector<KomunikatFuzz> pokazane;
};

// In memory where there is such a file system: the targets write files.
QString szablonKatalogu()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? QStringLiteral("/dev/shm/kvor-fuzz-XXXXXX") : QString();
}

struct Srodowisko {
    int argc = 1;
    char nazwa[5] = "fuzz";
    char *argv[2] = {nazwa, nullptr};
    std::unique_ptr<QCoreApplication> aplikacja;
    ZegarTestowy zegar;
    KomunikatyZapisywane komunikaty;
    QTemporaryDir katalog{szablonKatalogu().isEmpty() ? QDir::tempPath() + QStringLiteral("/kvor-fuzz-XXXXXX")
                                                      : szablonKatalogu()};
};

Srodowisko *srodowisko = nullptr;

} // namespace

void przygotujFuzz()
{
    if (srodowisko)
        return;
    // Lives until the process ends: the targets' state refers to it.
    srodowisko = new Srodowisko;
    if (!QCoreApplication::instance())
        srodowisko->aplikacja = std::make_unique<QCoreApplication>(srodowisko->argc, srodowisko->argv);
    QLocale::setDefault(QLocale::c());
    ustawKomunikaty(&srodowisko->komunikaty);
    if (!srodowisko->katalog.isValid()) {
        std::fprintf(stderr, "fuzz: no temporary folder\n");
        std::exit(2);
    }
    ustawKatalogProgramu(srodowisko->katalog.path());
}

std::vector<KomunikatFuzz> &komunikatyFuzz() { return srodowisko->komunikaty.pokazane; }

QString katalogFuzz() { return srodowisko->katalog.path() + QLatin1Char('/'); }

int Wejscie::zakres(int od, int do_)
{
    const uint32_t ile = uint32_t(int64_t(do_) - od + 1);
    const uint32_t v = ile <= 256 ? bajt() : ile <= 65536 ? slowo() : liczba32();
    return int(int64_t(od) + v % ile);
}

QByteArray Wejscie::bajty(size_t n)
{
    const size_t ile = std::min(n, zostalo());
    QByteArray b(reinterpret_cast<const char *>(dane_ + pozycja_), qsizetype(ile));
    pozycja_ += ile;
    return b;
}

QByteArray Wejscie::bajtyDopelnione(size_t n)
{
    QByteArray b = bajty(n);
    b.resize(qsizetype(n), '\0');
    return b;
}

QString Wejscie::tekst16(int maks)
{
    const int n = zakres(0, maks);
    QString s;
    s.reserve(n);
    for (int i = 0; i < n && zostalo() > 0; ++i)
        s.append(QChar(char16_t(slowo())));
    return s;
}

void wypelnijLosowo(void *rekord, size_t rozmiar, uint32_t ziarno)
{
    // xorshift32; 0 would stay 0.
    uint32_t x = ziarno ? ziarno : 0x9E3779B9u;
    auto *b = static_cast<uint8_t *>(rekord);
    for (size_t i = 0; i < rozmiar; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b[i] = uint8_t(x);
    }
}

void fuzzBlad(const char *plik, int linia, const char *warunek, const QString &opis)
{
    std::fprintf(stderr, "\n==== FUZZ FINDING: %s:%d: %s\n     %s\n", plik, linia, warunek, qPrintable(opis));
    std::fflush(stderr);
    std::abort();
}
