// The seeded driver of a fuzz target, for builds without libFuzzer: the
// seed inputs, then inputs mutated from them by a generator with a fixed
// seed, for a number of inputs or seconds. Input k of seed s is the same on
// every run; an input that crashes, trips a sanitizer, fails a property or
// hangs is written to a file that replays it, in the build tree's fuzz
// folder unless -w names another.
#include "fuzz.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define KVOR_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KVOR_ASAN 1
#endif
#endif

// A sanitizer report ends in abort(), whose handler below keeps the input
// (by default the sanitizers end the process with _exit).
extern "C" const char *__asan_default_options() { return "abort_on_error=1"; }
extern "C" const char *__ubsan_default_options() { return "abort_on_error=1:print_stacktrace=1"; }

namespace {

constexpr unsigned sekundyNaWejscie = 25; // longer counts as a hang

// ---- What the signal handlers write (async-signal-safe only) ---------------

const char *nazwaCelu = "fuzz";
const uint8_t *biezaceDane = nullptr;
size_t biezacyRozmiar = 0;
long long biezacyNumer = -1;
char prefiksPliku[4096]; // "<folder>/<target>-<seed>-"

void pisz(const char *s) { (void)!write(2, s, std::strlen(s)); }

// Decimal digits of v into bufor (at least 24 bytes).
char *cyfry(long long v, char *bufor)
{
    char tmp[24];
    int n = 0;
    unsigned long long u = v < 0 ? 0 : static_cast<unsigned long long>(v);
    do {
        tmp[n++] = char('0' + u % 10);
        u /= 10;
    } while (u);
    for (int i = 0; i < n; ++i)
        bufor[i] = tmp[n - 1 - i];
    bufor[n] = '\0';
    return bufor;
}

void zapiszBiezace(const char *powod)
{
    if (biezacyNumer < 0)
        return;
    char sciezka[4200];
    char numer[24];
    std::strcpy(sciezka, prefiksPliku);
    std::strcat(sciezka, cyfry(biezacyNumer, numer));
    std::strcat(sciezka, ".bin");
    const int fd = open(sciezka, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const bool zapisany = fd >= 0;
    if (zapisany) {
        size_t zapisano = 0;
        while (zapisano < biezacyRozmiar) {
            const ssize_t n = write(fd, biezaceDane + zapisano, biezacyRozmiar - zapisano);
            if (n <= 0)
                break;
            zapisano += size_t(n);
        }
        close(fd);
    }
    pisz("\n==== ");
    pisz(nazwaCelu);
    pisz(": ");
    pisz(powod);
    pisz(" at input ");
    pisz(numer);
    if (zapisany) {
        pisz("\n     written to ");
        pisz(sciezka);
        pisz("\n     replay: ");
        pisz(nazwaCelu);
        pisz(" ");
    } else {
        pisz("\n     cannot write ");
    }
    pisz(sciezka);
    pisz("\n");
    biezacyNumer = -1;
}

void naSygnal(int sygnal)
{
    if (sygnal == SIGALRM) {
        zapiszBiezace("hang");
        _exit(70);
    }
    zapiszBiezace(sygnal == SIGABRT ? "abort (a failed property or a sanitizer report above)" : "crash");
    // The handler was reset: the default action ends the process.
    raise(sygnal);
}

void zainstalujObsluge()
{
    // Under AddressSanitizer a crash is its report, and then abort().
    std::vector<int> sygnaly = {SIGABRT, SIGALRM};
#ifndef KVOR_ASAN
    sygnaly.insert(sygnaly.end(), {SIGSEGV, SIGBUS, SIGFPE, SIGILL});
#endif
    for (const int s : sygnaly) {
        struct sigaction a = {};
        a.sa_handler = naSygnal;
        a.sa_flags = SA_RESETHAND;
        sigaction(s, &a, nullptr);
    }
}

void uruchom(const QByteArray &wejscie, long long numer)
{
    biezaceDane = reinterpret_cast<const uint8_t *>(wejscie.constData());
    biezacyRozmiar = size_t(wejscie.size());
    biezacyNumer = numer;
    alarm(sekundyNaWejscie);
    LLVMFuzzerTestOneInput(biezaceDane, biezacyRozmiar);
    alarm(0);
    biezacyNumer = -1;
}

// ---- Mutations --------------------------------------------------------------

class Mutator {
public:
    Mutator(uint64_t ziarno, const std::vector<QByteArray> &korpus, qsizetype maks)
        : los_(ziarno), korpus_(korpus), maks_(maks)
    {}

    QByteArray nastepne()
    {
        QByteArray b;
        if (ponizej(32) == 0 || korpus_.empty()) {
            b = losowe(ponizej(4) ? ponizej(64) : ponizej(uint64_t(maks_) + 1));
        } else {
            const bool zPuli = !pula_.empty() && ponizej(4) == 0;
            b = zPuli ? pula_[ponizej(pula_.size())] : korpus_[ponizej(korpus_.size())];
            int ile = 1;
            while (ile < 8 && ponizej(2))
                ++ile;
            for (int i = 0; i < ile; ++i)
                mutuj(b);
        }
        if (b.size() > maks_)
            b.truncate(maks_);
        if (pula_.size() < 256)
            pula_.push_back(b);
        else
            pula_[ponizej(pula_.size())] = b;
        return b;
    }

private:
    uint64_t ponizej(uint64_t n) { return n ? los_() % n : 0; }
    QByteArray losowe(uint64_t n)
    {
        QByteArray b(qsizetype(n), '\0');
        for (char &c : b)
            c = char(los_());
        return b;
    }
    qsizetype pozycja(const QByteArray &b, bool zaKoncem = false)
    {
        return qsizetype(ponizej(uint64_t(b.size()) + (zaKoncem ? 1 : 0)));
    }

    void mutuj(QByteArray &b)
    {
        static const uint8_t bajty[] = {0,    1,    2,    7,    0x0A, 0x0D, 0x20, 0x22, 0x3B, 0x3D, 0x5B,
                                        0x5D, 0x7F, 0x80, 0xC3, 0xC5, 0xD8, 0xDC, 0xEF, 0xFE, 0xFF};
        static const uint16_t slowa[] = {0,   1,    7,    8,    9,    11,    0xB7,   0xD7,   171,    183,   355,
                                         419, 1031, 0x7F, 0x80, 0xFF, 0x100, 0x2715, 0x7FFF, 0x8000, 0xFFFF};
        const bool puste = b.isEmpty();
        switch (ponizej(14)) {
        case 0:
            if (!puste)
                b[pozycja(b)] = char(b[pozycja(b)] ^ char(1u << ponizej(8)));
            break;
        case 1:
            if (!puste)
                b[pozycja(b)] = char(los_());
            break;
        case 2:
            if (!puste)
                b[pozycja(b)] = char(bajty[ponizej(sizeof bajty)]);
            break;
        case 3:
            b.insert(pozycja(b, true), losowe(1 + ponizej(8)));
            break;
        case 4:
            if (!puste)
                b.remove(pozycja(b), qsizetype(1 + ponizej(16)));
            break;
        case 5: { // a piece of itself elsewhere
            if (puste)
                break;
            const qsizetype od = pozycja(b);
            const QByteArray kawalek = b.mid(od, qsizetype(1 + ponizej(32)));
            b.insert(pozycja(b, true), kawalek);
            break;
        }
        case 6: { // a piece of another input
            const QByteArray &inny = korpus_[ponizej(korpus_.size())];
            if (inny.isEmpty())
                break;
            const QByteArray kawalek = inny.mid(pozycja(inny), qsizetype(1 + ponizej(64)));
            if (ponizej(2) && !puste)
                b.replace(pozycja(b), kawalek.size(), kawalek);
            else
                b.insert(pozycja(b, true), kawalek);
            break;
        }
        case 7:
            b.truncate(pozycja(b, true));
            break;
        case 8:
            b += losowe(1 + ponizej(32));
            break;
        case 9:
            if (!puste) {
                const qsizetype p = pozycja(b);
                b[p] = char(uint8_t(b[p]) + uint8_t(ponizej(33)) - 16);
            }
            break;
        case 10: {
            if (b.size() < 2)
                break;
            const uint16_t v = slowa[ponizej(sizeof slowa / sizeof *slowa)];
            const qsizetype p = qsizetype(ponizej(uint64_t(b.size()) - 1));
            const bool be = ponizej(2);
            b[p] = char(be ? v >> 8 : v);
            b[p + 1] = char(be ? v : v >> 8);
            break;
        }
        case 11:
            if (!puste)
                std::swap(b[pozycja(b)], b[pozycja(b)]);
            break;
        case 12:
            if (!puste) {
                const qsizetype p = pozycja(b);
                const qsizetype n = std::min<qsizetype>(qsizetype(1 + ponizej(16)), b.size() - p);
                b.replace(p, n, QByteArray(n, char(bajty[ponizej(sizeof bajty)])));
            }
            break;
        default: // the first byte picks a target's row
            if (!puste)
                b[0] = char(los_());
            break;
        }
    }

    std::mt19937_64 los_;
    const std::vector<QByteArray> &korpus_;
    qsizetype maks_;
    std::vector<QByteArray> pula_;
};

// ---- Command line -----------------------------------------------------------

[[noreturn]] void uzycie()
{
    std::fprintf(stderr,
                 "usage: %s [-t seconds] [-n inputs] [-s seed] [-m max-length] [-k corpus-folder]...\n"
                 "          [-w findings-folder] [-z seeds-folder] [input-file]...\n",
                 nazwaCelu);
    std::exit(2);
}

QByteArray czytajPlik(const QString &sciezka)
{
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read %s\n", nazwaCelu, qPrintable(sciezka));
        std::exit(2);
    }
    return f.readAll();
}

} // namespace

int main(int argc, char **argv)
{
    nazwaCelu = argv[0];
    double sekundy = 0;
    long long ile = 0;
    uint64_t ziarno = 1;
    qsizetype maks = 0;
    QString wyniki = QStringLiteral(KVOR_WYNIKI_FUZZ);
    QString doZiaren;
    QStringList korpusy, pliki;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        const auto wartosc = [&]() -> QString {
            if (i + 1 >= argc)
                uzycie();
            return QString::fromLocal8Bit(argv[++i]);
        };
        if (a == QLatin1String("-t"))
            sekundy = wartosc().toDouble();
        else if (a == QLatin1String("-n"))
            ile = wartosc().toLongLong();
        else if (a == QLatin1String("-s"))
            ziarno = wartosc().toULongLong();
        else if (a == QLatin1String("-m"))
            maks = wartosc().toLongLong();
        else if (a == QLatin1String("-k"))
            korpusy << wartosc();
        else if (a == QLatin1String("-w"))
            wyniki = wartosc();
        else if (a == QLatin1String("-z"))
            doZiaren = wartosc();
        else if (a.startsWith(QLatin1Char('-')))
            uzycie();
        else
            pliki << a;
    }
    przygotujFuzz();
    nazwaCelu = argv[0];
    QDir().mkpath(wyniki);
    const QByteArray prefiks = QFile::encodeName(QDir(wyniki).filePath(
        QStringLiteral("%1-%2-").arg(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName()).arg(ziarno)));
    std::snprintf(prefiksPliku, sizeof prefiksPliku, "%s", prefiks.constData());
    zainstalujObsluge();

    std::vector<QByteArray> korpus = ziarnaFuzz();
    if (!doZiaren.isEmpty()) {
        QDir().mkpath(doZiaren);
        for (size_t i = 0; i < korpus.size(); ++i) {
            QFile f(QDir(doZiaren).filePath(QStringLiteral("ziarno-%1").arg(i, 4, 10, QLatin1Char('0'))));
            if (!f.open(QIODevice::WriteOnly) || f.write(korpus[i]) != korpus[i].size())
                return 2;
        }
        std::fprintf(stderr, "%s: %zu seed inputs written to %s\n", nazwaCelu, korpus.size(), qPrintable(doZiaren));
        return 0;
    }
    if (!pliki.isEmpty()) {
        for (const QString &p : pliki) {
            uruchom(czytajPlik(p), 0);
            std::fprintf(stderr, "%s: %s passed\n", nazwaCelu, qPrintable(p));
        }
        return 0;
    }
    for (const QString &k : korpusy) {
        QStringList nazwy = QDir(k).entryList(QDir::Files, QDir::Name);
        for (const QString &n : nazwy)
            korpus.push_back(czytajPlik(QDir(k).filePath(n)));
    }

    const auto poczatek = std::chrono::steady_clock::now();
    const auto uplynelo = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - poczatek).count();
    };
    long long numer = 0;
    for (const QByteArray &z : korpus) {
        maks = std::max(maks, z.size());
        uruchom(z, numer++);
    }
    maks = std::max<qsizetype>(maks, 4096);
    const long long ziaren = numer;
    Mutator mutator(ziarno, korpus, maks);
    const bool doCzasu = sekundy > 0;
    for (long long n = 0; (ile > 0 || doCzasu) && (ile <= 0 || n < ile); ++n) {
        if (doCzasu && n % 16 == 0 && uplynelo() >= sekundy)
            break;
        uruchom(mutator.nastepne(), numer++);
    }
    std::fprintf(stderr, "%s: %lld inputs (%lld seeds) in %.1f s, seed %llu: no finding\n", nazwaCelu, numer, ziaren,
                 uplynelo(), static_cast<unsigned long long>(ziarno));
    return 0;
}
