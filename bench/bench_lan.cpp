// A full read of every section of a project over loopback TCP/IP (a new
// connection per operation, as the runner makes it), set against the same
// read over RS-485 through the retrying facade from the simulator's pty at
// 115200 baud, once delivered at once and once paced like a wire. Both
// fronts answer from one simulated controller holding one project.
//
// bench_lan [repetitions]
#include "bloki_sym.h"
#include "lan_polecenia.h"
#include "mediana.h"
#include "powtorz.h"
#include "symulator_pty.h"
#include "symulator_tcp.h"

#include <QCoreApplication>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct Wiersz {
    const char *nazwa;
    int operacji; // make calls over TCP/IP
    std::function<int()> tcp, rs485;
};

int kazdy(int n, const std::function<int(int)> &f)
{
    for (int i = 0; i < n; ++i)
        if (const int w = f(i))
            return w;
    return 0;
}

void numeryWejscia(Tkvor350wejscieDwustanowe &d, int i)
{
    d.nr_karty = uint8_t(i < 8 ? 0 : 1);
    d.nr_wejscia = uint8_t(i < 8 ? i : i - 8);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int powtorzen = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    SterownikSym sterownik;
    BlokiSym bloki(sterownik);
    auto wzor = std::make_unique<TProjektVXTNew>();
    TProjektDodatkiMycie wzorMycie;
    BlokiSym::przykladowy(*wzor, wzorMycie, 1);
    bloki.ustaw(*wzor, wzorMycie);

    PlanUsterek usterki;
    SymulatorPty pty(sterownik, usterki);
    SymulatorTcp siec(sterownik, usterki);
    QString blad;
    if (!pty.uruchom(&blad) || !siec.uruchomNaWolnymAdresie(portLan, &blad)) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(blad));
        return 1;
    }
    std::atomic<long> wymianRs{0};
    pty.naRamke = [&](const QByteArray &, const QByteArray &) { ++wymianRs; };

    TFkomunikacja lacze;
    lacze.porty().ustawOdczytKlucza(
        [&](const QString &k) { return k == QLatin1String("COM1Device") ? pty.sciezka() : QString(); });
    ustawFkomunikacja(&lacze);
    TFormLan lan;
    TUstawieniaSterownika ust;
    ust.adresRS = 1;
    ust.ParametryTransmisji.port = 0;
    ust.ParametryTransmisji.predkosc = 12;
    ust.ParametryTransmisji.ReadTotalTimeoutConstant = 1000;
    ust.lan.LAN_ACTIVE = 1;
    ust.lan.LAN_IP = siec.adres();
    ust.lan.NUMER_SERYJNY = int(sterownik.stan().numerSeryjny);
    const TParamTrans t = ust.ParametryTransmisji;

    auto p = std::make_unique<TProjektVXTNew>();
    std::memset(p.get(), 0, sizeof *p);
    TProjektDodatkiMycie mycie{};
    // The rows of the whole-project read, in its order.
    const std::vector<Wiersz> wiersze = {
        {"SETUP", 1, [&] { return lan.make(3, lanCzytajSetup, p->Setup, ust); },
         [&] { return powtorzCzytajKomSetup(1, t, p->Setup); }},
        {"measuring inputs (24 + 2 alarms)", 26,
         [&] {
             return kazdy(24, [&](int i) {
                 const int w = lan.make(3, lanCzytajWejsciaAnalogowe, i, p->FWejsciaPomiarowe[i], ust);
                 return w == 0 && (i == 0 || i == 2)
                            ? lan.make(3, lanCzytajWejAnalogAlarmWzgledny, i, p->FWejsciaPomiarowe[i], ust)
                            : w;
             });
         },
         [&] {
             return kazdy(24, [&](int i) {
                 int w = powtorzCzytajWejsciaAnalogowe(p->FWejsciaPomiarowe[i], i, 1, t);
                 if (w == 0 && (i == 0 || i == 2)) {
                     vxt_alarm_konfiguracja_t a;
                     w = powtorzCzytajWejAnalogAlarmWzgledny(i, a, 1, t);
                     p->FWejsciaPomiarowe[i].alarm_wzgledny = a;
                 }
                 return w;
             });
         }},
        {"digital outputs (32 + 4 alarms)", 36,
         [&] {
             const int w =
                 kazdy(32, [&](int i) { return lan.make(3, lanCzytajPrzekazniki, i, p->przekazniki[i], ust); });
             return w ? w : kazdy(4, [&](int i) {
                 return lan.make(3, lanCzytajPrzekaznikiAlarm, i + 1, p->przekaznikiAlarmF1F4[i], ust);
             });
         },
         [&] {
             const int w = kazdy(32, [&](int i) { return powtorzCzytajKomPrzekazniki(p->przekazniki[i], i, 1, t); });
             return w ? w : kazdy(4, [&](int i) {
                 return powtorzCzytajPrzekaznikiAlarm(p->przekaznikiAlarmF1F4[i], i + 1, 1, t);
             });
         }},
        {"analog outputs (4)", 4,
         [&] {
             return kazdy(4, [&](int i) { return lan.make(3, lanCzytajWyjsciaAnalogowe, i, p->WyjsciaAn[i], ust); });
         },
         [&] { return kazdy(4, [&](int i) { return powtorzCzytajKomWyjsciaAnalogowe(p->WyjsciaAn[i], i, 1, t); }); }},
        {"digital inputs (24)", 24,
         [&] {
             return kazdy(24, [&](int i) {
                 numeryWejscia(p->WejsciaCyfrowe[i], i);
                 return lan.make(3, lanCzytajWejsciaCyfrowe, p->WejsciaCyfrowe[i], ust);
             });
         },
         [&] {
             return kazdy(24, [&](int i) {
                 numeryWejscia(p->WejsciaCyfrowe[i], i);
                 return powtorzCzytajWejsciaCyfrowe(p->WejsciaCyfrowe[i], 1, t);
             });
         }},
        {"extra modules", 1, [&] { return lan.make(3, lanCzytajModuly, p->modulyWeWyjKonf, ust); },
         [&] { return powtorzCzytajModuly(1, t, p->modulyWeWyjKonf); }},
        {"setpoints (10)", 10,
         [&] {
             return kazdy(10, [&](int i) { return lan.make(ust.lan.count, lanCzytajZadane, i, p->zadana[i], ust); });
         },
         [&] { return kazdy(10, [&](int i) { return powtorzCzytajZadane(p->zadana[i], i, 1, t); }); }},
        {"additions", 1, [&] { return lan.make(3, lanCzytajDodatki, p->dodatki, ust); },
         [&] { return powtorzCzytajDodatki(p->dodatki, 1, t); }},
        {"humidity", 1, [&] { return lan.make(3, lanCzytajWilgotnosc, p->wilgotnosc, ust); },
         [&] { return powtorzCzytajWilgotnosc(p->wilgotnosc, 1, t); }},
        {"special modes (14)", 14,
         [&] { return kazdy(14, [&](int i) { return lan.make(3, lanCzytajStany, i, p->FunkcjeSpec[i], ust); }); },
         [&] { return kazdy(14, [&](int i) { return powtorzCzytajKomStany(p->FunkcjeSpec[i], i, 1, t); }); }},
        {"steps (32)", 32,
         [&] {
             return kazdy(32, [&](int i) { return lan.make(3, lanCzytajKroki, i + 1, p->kroki[i + 1], false, ust); });
         },
         [&] { return kazdy(32, [&](int i) { return powtorzCzytajKomKroki(p->kroki[i + 1], i + 1, 1, false, t); }); }},
        {"programs (100 x 5 parts)", 100,
         [&] { return kazdy(100, [&](int i) { return lan.make(3, lanCzytajProgram, i, p->programy[i], ust); }); },
         [&] { return kazdy(100, [&](int i) { return powtorzCzytajProgram(p->programy[i], i, ust); }); }},
        {"washing steps (16)", 16,
         [&] {
             return kazdy(16,
                          [&](int i) { return lan.make(3, lanCzytajKroki, i + 1, p->krokiMycie[i + 1], true, ust); });
         },
         [&] {
             return kazdy(16, [&](int i) { return powtorzCzytajKomKroki(p->krokiMycie[i + 1], i + 1, 1, true, t); });
         }},
        {"washing program (5 parts)", 1, [&] { return lan.make(3, lanCzytajProgram, 100, p->programyMycie, ust); },
         [&] { return powtorzCzytajProgram(p->programyMycie, 100, ust); }},
        {"washing settings", 1, [&] { return lan.make(3, lanCzytajUstawieniaMycia, mycie, ust); },
         [&] { return powtorzCzytajKomUstawieniaMycia(mycie, 1, t); }},
    };

    struct Czas {
        double ms = 0;
        long ramek = 0;
    };
    const auto ramek = [&](bool tcp) { return tcp ? long(siec.ramki().size()) : long(wymianRs); };
    const auto zmierz = [&](const std::function<int()> &f, bool tcp, int &bledy) {
        const long przed = ramek(tcp);
        Czas c;
        c.ms = mediana(powtorzen, [&] {
            bledy += f() != 0;
            pty.czekajNaBezczynnosc(1000);
        });
        c.ramek = (ramek(tcp) - przed) / powtorzen;
        return c;
    };

    std::printf("full project read, median of %d run(s); TCP/IP on %s:%d, RS-485 on a pty at 115200 baud\n", powtorzen,
                qPrintable(siec.adres()), portLan);
    std::printf("  %-34s %5s %6s %9s %9s %9s | %9s %9s %8s | %9s %8s\n", "row", "ops", "frames", "TCP [ms]", "ms/op",
                "ms/frame", "RS [ms]", "ms/frame", "TCP/RS", "RS paced", "TCP/RS");
    struct Suma {
        double tcp = 0, rs = 0, rsTempo = 0;
        long ops = 0, ramekTcp = 0, ramekRs = 0;
    } suma;
    int bledy = 0;
    for (const Wiersz &w : wiersze) {
        pty.ustawTempoLacza(false);
        const Czas tcp = zmierz(w.tcp, true, bledy);
        const Czas rs = zmierz(w.rs485, false, bledy);
        pty.ustawTempoLacza(true);
        const Czas rsTempo = zmierz(w.rs485, false, bledy);
        std::printf("  %-34s %5d %6ld %9.1f %9.3f %9.3f | %9.1f %9.3f %8.3f | %9.1f %8.3f\n", w.nazwa, w.operacji,
                    tcp.ramek, tcp.ms, tcp.ms / w.operacji, tcp.ms / double(tcp.ramek), rs.ms, rs.ms / double(rs.ramek),
                    tcp.ms / rs.ms, rsTempo.ms, tcp.ms / rsTempo.ms);
        suma.tcp += tcp.ms;
        suma.rs += rs.ms;
        suma.rsTempo += rsTempo.ms;
        suma.ops += w.operacji;
        suma.ramekTcp += tcp.ramek;
        suma.ramekRs += rs.ramek;
    }
    std::printf("  %-34s %5ld %6ld %9.1f %9.3f %9.3f | %9.1f %9.3f %8.3f | %9.1f %8.3f\n", "whole project", suma.ops,
                suma.ramekTcp, suma.tcp, suma.tcp / double(suma.ops), suma.tcp / double(suma.ramekTcp), suma.rs,
                suma.rs / double(suma.ramekRs), suma.tcp / suma.rs, suma.rsTempo, suma.tcp / suma.rsTempo);
    wzor->Setup = p->Setup;
    wzor->modulyWeWyjKonf = p->modulyWeWyjKonf;
    const bool rowne =
        std::memcmp(p.get(), wzor.get(), sizeof *wzor) == 0 && std::memcmp(&mycie, &wzorMycie, sizeof mycie) == 0;
    std::printf("  failures: %d; sections read back as held: %s\n", bledy, rowne ? "yes" : "NO");
    ustawFkomunikacja(nullptr);
    return bledy == 0 ? 0 : 2;
}
