// kvor-sim: a stand-in controller on a pseudo-terminal. Prints the device
// path, then answers until interrupted.
#include "bloki_sym.h"
#include "symulator_pty.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <map>

namespace {

const char *uzycie = "usage: kvor-sim [options]\n"
                     "  --adres N         bus address (default 1)\n"
                     "  --numer N         serial number (default 123456)\n"
                     "  --typ TEXT        controller type text (default kVOR350)\n"
                     "  --haslo N         start locked; N unlocks\n"
                     "  --bez-blokady     no lock commands (old firmware)\n"
                     "  --tempo           pace replies at the line's baud rate\n"
                     "  --usterka C:K[:P[:N]]  fault K on command C (e.g. F01, G07, * for all),\n"
                     "                    parameter P, for N replies (default: always); K is one of\n"
                     "                    brak krotka crc adres potwierdzenie zero nadmiar wolno bajty dlugosc\n"
                     "  -v                print every exchange\n";

bool rodzaj(const QString &s, RodzajUsterki &r)
{
    static const std::map<QString, RodzajUsterki> nazwy = {
        {"brak", RodzajUsterki::BrakOdpowiedzi},
        {"krotka", RodzajUsterki::KrotkaOdpowiedz},
        {"crc", RodzajUsterki::ZleCRC},
        {"adres", RodzajUsterki::ZlyAdres},
        {"potwierdzenie", RodzajUsterki::ZlePotwierdzenie},
        {"zero", RodzajUsterki::ZeroNaPoczatku},
        {"nadmiar", RodzajUsterki::NadmiaroweBajty},
        {"wolno", RodzajUsterki::Wolno},
        {"bajty", RodzajUsterki::BajtPoBajcie},
        {"dlugosc", RodzajUsterki::ZlaDlugosc},
    };
    const auto it = nazwy.find(s);
    if (it == nazwy.end())
        return false;
    r = it->second;
    return true;
}

bool dodajUsterke(PlanUsterek &plan, const QString &opis)
{
    const QStringList c = opis.split(QLatin1Char(':'));
    if (c.size() < 2)
        return false;
    Usterka u;
    if (!rodzaj(c[1], u.rodzaj))
        return false;
    bool ok = true;
    if (c.size() > 2)
        u.parametr = c[2].toInt(&ok, 0);
    const int ile = c.size() > 3 ? c[3].toInt() : PlanUsterek::zawsze;
    if (!ok)
        return false;
    if (c[0] == QLatin1String("*")) {
        plan.dodaj(PlanUsterek::kazde, u, ile);
        return true;
    }
    if (c[0].size() != 3)
        return false;
    const uint8_t sub = uint8_t(c[0].mid(1).toUInt(&ok, 16));
    if (!ok)
        return false;
    plan.dodaj(c[0].at(0).toLatin1(), sub, u, ile);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SterownikSym sterownik;
    BlokiSym bloki(sterownik); // section blocks and update pages
    PlanUsterek plan;
    SymulatorPty pty(sterownik, plan);
    bool gadatliwy = false;

    const QStringList a = app.arguments();
    for (int i = 1; i < a.size(); ++i) {
        const QString &o = a[i];
        const bool maWartosc = i + 1 < a.size();
        if (o == QLatin1String("--adres") && maWartosc) {
            const int v = a[++i].toInt();
            sterownik.zmien([v](StanSterownika &s) { s.adres = v; });
        } else if (o == QLatin1String("--numer") && maWartosc) {
            const uint32_t v = a[++i].toUInt();
            sterownik.zmien([v](StanSterownika &s) { s.numerSeryjny = v; });
        } else if (o == QLatin1String("--typ") && maWartosc) {
            const QByteArray v = a[++i].toLatin1();
            sterownik.zmien([v](StanSterownika &s) { s.typ = v; });
        } else if (o == QLatin1String("--haslo") && maWartosc) {
            const uint32_t v = a[++i].toUInt();
            sterownik.zmien([v](StanSterownika &s) {
                s.haslo = v;
                s.zablokowany = true;
            });
        } else if (o == QLatin1String("--bez-blokady")) {
            sterownik.zmien([](StanSterownika &s) { s.znaLock = false; });
        } else if (o == QLatin1String("--tempo")) {
            pty.ustawTempoLacza(true);
        } else if (o == QLatin1String("--usterka") && maWartosc) {
            if (!dodajUsterke(plan, a[++i])) {
                std::fprintf(stderr, "bad fault: %s\n%s", qPrintable(a[i]), uzycie);
                return 2;
            }
        } else if (o == QLatin1String("-v")) {
            gadatliwy = true;
        } else {
            std::fputs(uzycie, stderr);
            return o == QLatin1String("--help") ? 0 : 2;
        }
    }
    if (gadatliwy)
        pty.naRamke = [](const QByteArray &z, const QByteArray &o) {
            std::fprintf(stderr, "> %s\n< %s\n", z.toHex(' ').constData(), o.toHex(' ').constData());
        };

    sigset_t sygnaly;
    sigemptyset(&sygnaly);
    sigaddset(&sygnaly, SIGINT);
    sigaddset(&sygnaly, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &sygnaly, nullptr); // the pty thread inherits the mask

    QString blad;
    if (!pty.uruchom(&blad)) {
        std::fprintf(stderr, "kvor-sim: %s\n", qPrintable(blad));
        return 1;
    }
    std::printf("%s\n", qPrintable(pty.sciezka()));
    std::fflush(stdout);
    int syg = 0;
    sigwait(&sygnaly, &syg);
    pty.zatrzymaj();
    return 0;
}
