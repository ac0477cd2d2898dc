// The program list and the program editor: opening the list over 100 full
// programs, its rebuild, opening the editor over a full program and its
// redraw (each up to the first paint; median of n runs); then the list's
// read-all from the simulator on a pty at 115200 baud with its replies
// paced like a wire, set against the floor (the request and reply bytes'
// wire time, 8N2: 11 bits a byte, plus the 10 ms sleep every exchange
// begins with), with the longest stall of the event loop meanwhile.
//
// bench_programy [repetitions]
#include "bloki_sym.h"
#include "dane_sterownika.h"
#include "komunikacja.h"
#include "mediana.h"
#include "powtorz.h"
#include "program.h"
#include "programy.h"
#include "projekt_biezacy.h"
#include "symulator_pty.h"
#include "zastoje.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QToolButton>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr double bajtMs = 11.0 * 1000.0 / 115200.0;
constexpr double snuMs = 10.0;

// Shown and painted once.
void pokaz(QWidget &w)
{
    w.show();
    w.repaint();
    QApplication::processEvents();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;

    SterownikSym sterownik;
    BlokiSym bloki(sterownik);
    auto projekt = std::make_unique<TProjektVXTNew>();
    TProjektDodatkiMycie mycie;
    BlokiSym::przykladowy(*projekt, mycie, 1);
    bloki.ustaw(*projekt, mycie);
    // Every row of every program in use, every name 50 units long.
    for (TProgram &p : projekt->programy) {
        tekstNaNazwe50(QString(50, QChar(u'Ł')), p.nazwa);
        for (int r = 0; r < ileWierszyProgramu; ++r)
            p.cykle[r].v[wcKrok] = 1 + r % 32;
    }
    ustawZrodloProjektu([&] { return TProjektAplikacji{projekt.get(), nullptr}; });

    std::printf("program list and editor, median of %d run(s)\n", n);
    const double otwarcieListy = mediana(n, [&] {
        Tflistaprojektow l;
        l.ustawJezyk(1045);
        kopiujRekord(l.programy, projekt->programy);
        l.memProjlistaTworz();
        pokaz(l);
    });
    Tflistaprojektow lista;
    lista.ustawJezyk(1045);
    kopiujRekord(lista.programy, projekt->programy);
    pokaz(lista);
    const double przebudowa = mediana(n, [&] {
        lista.memProjlistaTworz();
        lista.DBGrid1->viewport()->repaint();
    });
    const double otwarcieEdytora = mediana(n, [&] {
        TFProgramMycia e;
        e.ustawJezyk(1045);
        e.ustawProgram(5, projekt->programy);
        kopiujRekord(e.rekord, projekt->programy[5]);
        e.WypiszDane();
        pokaz(e);
    });
    TFProgramMycia edytor;
    edytor.ustawJezyk(1045);
    edytor.ustawProgram(5, projekt->programy);
    kopiujRekord(edytor.rekord, projekt->programy[5]);
    pokaz(edytor);
    const double przerysowanie = mediana(n, [&] {
        edytor.WypiszDane();
        edytor.StringGridSetup->viewport()->repaint();
    });
    std::printf("  %-44s %8.2f ms\n", "open the list (100 programs, first paint)", otwarcieListy);
    std::printf("  %-44s %8.2f ms\n", "rebuild the list (and repaint)", przebudowa);
    std::printf("  %-44s %8.2f ms\n", "open the editor (50 rows, first paint)", otwarcieEdytora);
    std::printf("  %-44s %8.2f ms\n", "redraw the editor (and repaint)", przerysowanie);

    // The read-all against the paced simulator.
    PlanUsterek usterki;
    SymulatorPty pty(sterownik, usterki);
    QString blad;
    if (!pty.uruchom(&blad)) {
        std::fprintf(stderr, "pty: %s\n", qPrintable(blad));
        return 1;
    }
    pty.ustawTempoLacza(true);
    std::atomic<long> bajtow{0}, wymian{0};
    pty.naRamke = [&](const QByteArray &zapytanie, const QByteArray &odpowiedz) {
        bajtow += zapytanie.size() + odpowiedz.size();
        ++wymian;
    };
    TFkomunikacja lacze;
    lacze.porty().ustawOdczytKlucza(
        [&](const QString &k) { return k == QLatin1String("COM1Device") ? pty.sciezka() : QString(); });
    ustawFkomunikacja(&lacze);
    ustawZrodloUstawien([](TUstawieniaSterownika &u, bool) {
        u = TUstawieniaSterownika{};
        u.adresRS = 1;
        u.ParametryTransmisji.port = 0;
        u.ParametryTransmisji.predkosc = 12;
    });
    std::memset(&lista.programy, 0, sizeof lista.programy);
    pty.czekajNaBezczynnosc(1000);
    MiernikZastojow miernik;
    QElapsedTimer e;
    miernik.start();
    e.start();
    lista.but_odczyt->click();
    const double zmierzone = e.nsecsElapsed() / 1e6;
    const double zastoj = miernik.stop();
    pty.czekajNaBezczynnosc(1000);
    const double podloga = bajtow * bajtMs + wymian * snuMs;
    const bool zgodne = std::memcmp(&lista.programy, &bloki.projekt()->programy, sizeof lista.programy) == 0;
    std::printf("  read-all from the paced simulator: %ld exchanges, %.1f ms, wire+sleep %.1f ms, ratio %.4f, "
                "longest stall %.1f ms, %s\n",
                long(wymian), zmierzone, podloga, zmierzone / podloga, zastoj, zgodne ? "all read" : "NOT all read");
    ustawZrodloUstawien({});
    ustawFkomunikacja(nullptr);
    ustawZrodloProjektu({});
    return zgodne ? 0 : 2;
}
