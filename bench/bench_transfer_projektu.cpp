// The whole-project transfer window against the simulator on a pty at
// 115200 baud with its replies paced like a wire: the send of all fifteen
// rows, the compare that follows it, and the read of all fifteen rows, each
// set against its floor: the mandated pauses (those of the run and of the
// status rows), the 10 ms sleep every exchange begins with, and the request
// and reply bytes' wire time (8N2: 11 bits a byte); and the longest time
// the event loop went without a turn meanwhile.
//
// bench_transfer_projektu [wyslanie|odczyt|wszystko]
#include "blokada_okna.h"
#include "bloki_sym.h"
#include "dane_sterownika.h"
#include "element_listy.h"
#include "komunikaty.h"
#include "pty_pomiaru.h"
#include "transfer_projektu.h"
#include "zastoje.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

namespace {

constexpr int baud = 115200;
constexpr double bajtMs = 11.0 * 1000.0 / baud;
constexpr double snuMs = 10.0;     // the exchange's own sleep
constexpr double wierszaMs = 50.0; // a status row's pause after init, transStart and transEnd
constexpr int wierszy = ileWierszyTransferu;
constexpr int pozycji = 262;

// Questions answered "Tak", anything else counted and printed.
class KomunikatyPomiaru final : public IKomunikaty {
public:
    int pokaz(RodzajKomunikatu rodzaj, const QString &tekst) override
    {
        if (rodzaj == RodzajKomunikatu::Pytanie)
            return 1;
        ++bledow;
        std::fprintf(stderr, "box: %s\n", qPrintable(tekst));
        return 0;
    }
    int bledow = 0;
};

struct Pomiar {
    double ms = 0, zastoj = 0;
    long bajtow = 0, wymian = 0;
};

void wypisz(const char *nazwa, const Pomiar &p, double przerwyMs, double progZadaniaMs)
{
    const double prog = przerwyMs + p.wymian * snuMs + p.bajtow * bajtMs;
    std::printf("  %-28s %6ld %8ld %10.1f s %9.1f s %7.4f %9.1f s %7.4f %7.1f ms\n", nazwa, p.wymian, p.bajtow,
                p.ms / 1000, prog / 1000, p.ms / prog, progZadaniaMs / 1000, p.ms / progZadaniaMs, p.zastoj);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString co = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("wszystko");
    KomunikatyPomiaru komunikaty;
    ustawKomunikaty(&komunikaty);

    SterownikSym sterownik;
    sterownik.zmien([](StanSterownika &s) {
        s.typ = "kvor350";
        s.odczyty.wersjaProtokolu = 4;
        s.odczyty.stan = 1;
    });
    BlokiSym bloki(sterownik);
    auto naSterowniku = std::make_unique<TProjektVXTNew>();
    TProjektDodatkiMycie mycieSterownika{};
    BlokiSym::przykladowy(*naSterowniku, mycieSterownika, 1);
    bloki.ustaw(*naSterowniku, mycieSterownika);

    PtyPomiaru port(sterownik);
    if (!port.uruchom(true))
        return 1;
    // The record as the main window fills it.
    TUstawieniaSterownika ust;
    ust.adresRS = 1;
    ust.ParametryTransmisji.port = 0;
    ust.ParametryTransmisji.predkosc = 12;
    ust.ParametryTransmisji.IlePowtorzen = 2;
    ust.ParametryTransmisji.ReadTotalTimeoutConstant = 350;
    TLockedTransmission lock;
    TBlokadaOkna blokada(
        lock, [&](TUstawieniaSterownika &u) { u = ust; }, [] { return 1045; });
    ustawZrodloUstawien([&](TUstawieniaSterownika &u, bool bezSprawdzeniaBlokady) {
        u = ust;
        if (!bezSprawdzeniaBlokady)
            lock.fnProcess();
    });

    // Ours: another project, its SETUP keeping the address and the speed.
    auto projekt = std::make_unique<TProjektVXTNew>();
    TProjektDodatkiMycie mycie{};
    BlokiSym::przykladowy(*projekt, mycie, 2);
    projekt->Setup.F[1] = 1;
    projekt->Setup.F[2] = 4;
    projekt->Setup.F[47] = 0;

    MiernikZastojow miernik;
    const auto zmierz = [&](const std::function<void()> &f) {
        port.pty.czekajNaBezczynnosc(1000);
        port.zeruj();
        QElapsedTimer e;
        miernik.start();
        e.start();
        f();
        Pomiar p;
        p.ms = double(e.nsecsElapsed()) / 1e6;
        p.zastoj = miernik.stop();
        port.pty.czekajNaBezczynnosc(1000);
        p.bajtow = port.bajtow;
        p.wymian = port.wymian;
        return p;
    };
    const auto wszystkieOk = [](const TFProjektRSIn &w, bool porownane) {
        for (const TKbProgress *r : w.progressArray)
            if (!r->isEnded || !r->FinalStatusOk() || (porownane && r->FImageVerify->isHidden()))
                return false;
        return true;
    };
    int niepowodzen = 0;

    std::printf("whole-project transfer at %d baud, replies paced like a wire\n", baud);
    std::printf("  %-28s %6s %8s %12s %11s %7s %11s %7s %10s\n", "run", "exch.", "bytes", "measured", "floor", "ratio",
                "issue", "ratio", "stall");
    if (co != QLatin1String("odczyt")) {
        TFProjektRSIn w(*projekt, mycie, lock);
        w.przygotuj(const_wyslij, 1045, {});
        w.show();
        w.but_zaznaczClick();
        w.cb_wysylkaPorownaj->setChecked(false);
        const Pomiar wysylka = zmierz([&] { w.but_startClick(); });
        niepowodzen += !wszystkieOk(w, false);
        // Row pauses: 70 before, 50 after, 7000 after; 100 after each item;
        // the status rows' three pauses; two of trwaTransmisja.
        wypisz("send, 15 rows", wysylka,
               wierszy * (przerwaPrzedBlokiemMs + przerwaPoBlokuMs + przerwaMiedzyBlokamiMs + 3 * wierszaMs) +
                   pozycji * przerwaPoPozycjiMs + 2 * 50.0,
               142850.0 + 2848373.0 * 1000 / baud);
        // What "Start" does after a send with "Porównaj po wysłaniu".
        const Pomiar porownanie = zmierz([&] {
            w.zaznaczDoPorownania();
            lock.fnProcess();
            w.odbierzProjekt(true);
        });
        niepowodzen += !wszystkieOk(w, true);
        wypisz("compare after the send", porownanie,
               wierszy * (przerwaPoOdczycieBlokuMs + 3 * wierszaMs) + przerwaPoAlarmachMs + 2 * 50.0,
               14390.0 + 2898445.0 * 1000 / baud);
    }
    if (co != QLatin1String("wyslanie")) {
        TFProjektRSIn w(*projekt, mycie, lock);
        w.przygotuj(const_odbierz, 1045, {});
        w.show();
        w.but_zaznaczClick();
        const Pomiar odczyt = zmierz([&] { w.but_startClick(); });
        niepowodzen += !wszystkieOk(w, false);
        wypisz("read, 15 rows", odczyt,
               wierszy * (przerwaPoOdczycieBlokuMs + 3 * wierszaMs) + przerwaPoAlarmachMs + 2 * 50.0,
               14370.0 + 2896322.0 * 1000 / baud);
    }
    std::printf("  rows that failed or were not compared: %d; boxes: %d\n", niepowodzen, komunikaty.bledow);
    ustawZrodloUstawien({});
    ustawKomunikaty(nullptr);
    return niepowodzen == 0 && komunikaty.bledow == 0 ? 0 : 2;
}
