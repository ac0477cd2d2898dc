// One RS-485 exchange against the simulator on a pty at 115200 baud, set
// against the bytes' wire time (8N2: 11 bits a byte) plus the exchange's
// fixed 10 ms sleep. Once with the pty's instant delivery, once with the
// simulator pacing its replies like a wire.
#include "komunikacja.h"
#include "mediana.h"
#include "pty_pomiaru.h"
#include "zegar.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SterownikSym sterownik;
    PtyPomiaru port(sterownik);
    if (!port.uruchom(false))
        return 1;
    TFkomunikacja &lacze = port.lacze;
    SymulatorPty &pty = port.pty;
    lacze.ustawCzasOdczytu(1000);
    TParamTrans trans;
    trans.port = 0;
    trans.predkosc = 12;
    const double bajtMs = 11.0 * 1000.0 / 115200.0;

    struct Pomiar {
        const char *nazwa;
        int bajtow; // request + reply
        std::function<int()> wymiana;
    };
    int ns = 0;
    TFunkcjeKvor3 setup{};
    const Pomiar pomiary[] = {
        {"serial number (7 + 11 bytes)", 18, [&] { return lacze.CzytajNumerSeryjnyKVOR350(1, trans, ns); }},
        {"SETUP read (7 + 1031 bytes)", 1038, [&] { return lacze.CzytajKomSetupKvor350(1, trans, setup); }},
    };
    if (lacze.CzytajNumerSeryjnyKVOR350(1, trans, ns) != 0) {
        std::fprintf(stderr, "no answer from the simulator\n");
        return 1;
    }
    const int n = 100;
    for (const bool tempo : {false, true}) {
        pty.ustawTempoLacza(tempo);
        std::printf("%s\n", tempo ? "replies paced at 115200 baud" : "pty delivers at once");
        for (const Pomiar &p : pomiary) {
            int bledy = 0;
            const double t = mediana(n, [&] { bledy += p.wymiana() != 0; });
            const double oczekiwane = 10.0 + (tempo ? p.bajtow * bajtMs : 0.0);
            std::printf("  %-30s %8.3f ms   wire+10 ms %8.3f ms   overhead %6.3f ms   failures %d\n", p.nazwa, t,
                        oczekiwane, t - oczekiwane, bledy);
        }
    }
    const double sen = mediana(n, [] { zegar().spij(10); });
    std::printf("the 10 ms sleep alone: %.3f ms; wire time of one byte at 115200 (8N2): %.4f ms\n", sen, bajtMs);
    return 0;
}
