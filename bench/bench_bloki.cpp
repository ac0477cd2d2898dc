// A full read of every section of a project through the retrying facade,
// from the simulator on a pty at 115200 baud with its replies paced like a
// wire, set against the floor: the request and reply bytes' wire time (8N2:
// 11 bits a byte) plus the 10 ms sleep every exchange begins with; and the
// longest time the event loop went without a turn meanwhile.
//
// bench_bloki [repetitions]
#include "bloki_sym.h"
#include "powtorz.h"
#include "pty_pomiaru.h"
#include "zastoje.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr double bajtMs = 11.0 * 1000.0 / 115200.0;
constexpr double snuMs = 10.0; // the exchange's own sleep

struct Wiersz {
    const char *nazwa;
    std::function<int()> czytaj;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int powtorzen = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;

    SterownikSym sterownik;
    BlokiSym bloki(sterownik);
    auto wzor = std::make_unique<TProjektVXTNew>();
    TProjektDodatkiMycie wzorMycie;
    BlokiSym::przykladowy(*wzor, wzorMycie, 1);
    bloki.ustaw(*wzor, wzorMycie);

    PtyPomiaru port(sterownik);
    if (!port.uruchom(true))
        return 1;
    TUstawieniaSterownika ust;
    ust.adresRS = 1;
    ust.ParametryTransmisji.port = 0;
    ust.ParametryTransmisji.predkosc = 12;
    ust.ParametryTransmisji.ReadTotalTimeoutConstant = 1000;
    const TParamTrans t = ust.ParametryTransmisji;

    auto p = std::make_unique<TProjektVXTNew>();
    std::memset(p.get(), 0, sizeof *p);
    TProjektDodatkiMycie mycie{};
    const auto wszystkie = [](int n, const std::function<int(int)> &f) {
        for (int i = 0; i < n; ++i)
            if (const int w = f(i))
                return w;
        return 0;
    };
    // The rows of the whole-project read, in their order.
    const std::vector<Wiersz> wiersze = {
        {"SETUP", [&] { return powtorzCzytajKomSetup(1, t, p->Setup); }},
        {"measuring inputs (24 + 2 alarms)",
         [&] {
             return wszystkie(24, [&](int i) {
                 TWejscieAnalogowe &w = p->FWejsciaPomiarowe[i];
                 int r = powtorzCzytajWejsciaAnalogowe(w, i, 1, t);
                 if (r == 0 && (i == 0 || i == 2)) {
                     vxt_alarm_konfiguracja_t a;
                     r = powtorzCzytajWejAnalogAlarmWzgledny(i, a, 1, t);
                     w.alarm_wzgledny = a;
                 }
                 return r;
             });
         }},
        {"digital outputs (32 + 4 alarms)",
         [&] {
             const int r =
                 wszystkie(32, [&](int i) { return powtorzCzytajKomPrzekazniki(p->przekazniki[i], i, 1, t); });
             return r ? r : wszystkie(4, [&](int i) {
                 return powtorzCzytajPrzekaznikiAlarm(p->przekaznikiAlarmF1F4[i], i + 1, 1, t);
             });
         }},
        {"analog outputs (4)",
         [&] {
             return wszystkie(4, [&](int i) { return powtorzCzytajKomWyjsciaAnalogowe(p->WyjsciaAn[i], i, 1, t); });
         }},
        {"digital inputs (24)",
         [&] {
             return wszystkie(24, [&](int i) {
                 Tkvor350wejscieDwustanowe &d = p->WejsciaCyfrowe[i];
                 d.nr_karty = uint8_t(i < 8 ? 0 : 1);
                 d.nr_wejscia = uint8_t(i < 8 ? i : i - 8);
                 return powtorzCzytajWejsciaCyfrowe(d, 1, t);
             });
         }},
        {"extra modules", [&] { return powtorzCzytajModuly(1, t, p->modulyWeWyjKonf); }},
        {"setpoints (10)",
         [&] { return wszystkie(10, [&](int i) { return powtorzCzytajZadane(p->zadana[i], i, 1, t); }); }},
        {"additions", [&] { return powtorzCzytajDodatki(p->dodatki, 1, t); }},
        {"humidity", [&] { return powtorzCzytajWilgotnosc(p->wilgotnosc, 1, t); }},
        {"special modes (14)",
         [&] { return wszystkie(14, [&](int i) { return powtorzCzytajKomStany(p->FunkcjeSpec[i], i, 1, t); }); }},
        {"steps (32)",
         [&] {
             return wszystkie(32, [&](int i) { return powtorzCzytajKomKroki(p->kroki[i + 1], i + 1, 1, false, t); });
         }},
        {"programs (100 x 5 parts)",
         [&] { return wszystkie(100, [&](int i) { return powtorzCzytajProgram(p->programy[i], i, ust); }); }},
        {"washing steps (16)",
         [&] {
             return wszystkie(16,
                              [&](int i) { return powtorzCzytajKomKroki(p->krokiMycie[i + 1], i + 1, 1, true, t); });
         }},
        {"washing program (5 parts)", [&] { return powtorzCzytajProgram(p->programyMycie, 100, ust); }},
        {"washing settings", [&] { return powtorzCzytajKomUstawieniaMycia(mycie, 1, t); }},
    };

    int ns = 0;
    if (powtorzCzytajNumerSeryjny(1, t, ns) != 0) {
        std::fprintf(stderr, "no answer from the simulator\n");
        return 1;
    }
    std::printf("full project read at 115200 baud, replies paced like a wire; %d run(s)\n", powtorzen);
    std::printf("  %-34s %9s %11s %11s %7s %9s\n", "row", "exchanges", "measured", "wire+sleep", "ratio", "stall");
    MiernikZastojow miernik;
    double najdluzszyZastoj = 0;
    double sumaZmierzona = 0, sumaOczekiwana = 0;
    long sumaWymian = 0;
    int bledy = 0;
    for (const Wiersz &w : wiersze) {
        double zmierzone = 0, oczekiwane = 0, zastoj = 0;
        long ile = 0;
        for (int r = 0; r < powtorzen; ++r) {
            port.pty.czekajNaBezczynnosc(1000);
            port.zeruj();
            QElapsedTimer e;
            miernik.start();
            e.start();
            bledy += w.czytaj() != 0;
            zmierzone += e.nsecsElapsed() / 1e6;
            zastoj = std::max(zastoj, miernik.stop());
            port.pty.czekajNaBezczynnosc(1000);
            oczekiwane += port.bajtow * bajtMs + port.wymian * snuMs;
            ile += port.wymian;
        }
        std::printf("  %-34s %9ld %9.1f ms %8.1f ms %7.4f %6.1f ms\n", w.nazwa, ile / powtorzen, zmierzone / powtorzen,
                    oczekiwane / powtorzen, zmierzone / oczekiwane, zastoj);
        najdluzszyZastoj = std::max(najdluzszyZastoj, zastoj);
        sumaZmierzona += zmierzone;
        sumaOczekiwana += oczekiwane;
        sumaWymian += ile;
    }
    std::printf("  %-34s %9ld %9.1f ms %8.1f ms %7.4f %6.1f ms\n", "whole project", sumaWymian / powtorzen,
                sumaZmierzona / powtorzen, sumaOczekiwana / powtorzen, sumaZmierzona / sumaOczekiwana,
                najdluzszyZastoj);
    std::printf("  overhead per exchange: %.3f ms; failures: %d\n",
                (sumaZmierzona - sumaOczekiwana) / double(sumaWymian), bledy);
    return bledy == 0 ? 0 : 2;
}
