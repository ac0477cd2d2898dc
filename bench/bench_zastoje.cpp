// How long the window goes without a turn of its event loop while the
// controller does not answer, measured on the program's own windows and
// link against the simulator on a pty:
//  (a) the setpoint list's "read all" (the lock check included) with the
//      controller silent;
//  (b) ten seconds of automatic reading with the controller silent (the
//      cable pulled) and with the adapter gone.
// The full healthy project read is bench_bloki's.
//
// bench_zastoje [seconds of automatic reading]
#include "blokada_okna.h"
#include "forma_haslo.h"
#include "komunikacja.h"
#include "komunikaty.h"
#include "lan.h"
#include "okno_glowne.h"
#include "pasek_postepu.h"
#include "powtorz.h"
#include "sciezki.h"
#include "sekcje.h"
#include "symulator_pty.h"
#include "zadane.h"
#include "zastoje.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstdio>
#include <cstdlib>

namespace {

// Boxes answered at once, counted.
class KomunikatyCiche final : public IKomunikaty {
public:
    int pokaz(RodzajKomunikatu, const QString &) override
    {
        ++ile;
        return 0;
    }
    int ile = 0;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int sekund = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    wstrzymajWejsciePodczasWymiany();
    KomunikatyCiche komunikaty;
    ustawKomunikaty(&komunikaty);

    SterownikSym sterownik;
    PlanUsterek usterki;
    SymulatorPty pty(sterownik, usterki);
    QString blad;
    QTemporaryDir katalog;
    if (!katalog.isValid() || !pty.uruchom(&blad)) {
        std::fprintf(stderr, "pty: %s\n", qPrintable(blad));
        return 1;
    }
    ustawKatalogProgramu(katalog.path());
    {
        QFile ini(katalog.filePath(QStringLiteral("ustawienia.ini")));
        if (!ini.open(QIODevice::WriteOnly))
            return 1;
        ini.write("[Parametry]\nAutoRead=1\nComboBoxPort=0\nCOM1Device=" + pty.sciezka().toUtf8() + "\n");
    }
    sterownik.zmien([](StanSterownika &s) {
        s.typ = "kvor350";
        s.odczyty.wersjaProtokolu = 4;
        s.odczyty.stan = 1;
    });

    TFkomunikacja lacze;
    ustawFkomunikacja(&lacze);
    TFormLan lan;
    ustawFormLan(&lan);
    {
        TForm1 okno;
        TFormHaslo haslo;
        const auto blokada = blokadaOkna(okno, &haslo);
        podlaczSekcje(okno);
        okno.naPierwszymPlanie = [] { return true; };
        okno.show();
        okno.TimerStarter->stop();
        MiernikZastojow miernik;

        // (a) Read all setpoints, the controller silent.
        usterki.dodaj(PlanUsterek::kazde, {RodzajUsterki::BrakOdpowiedzi}, PlanUsterek::zawsze);
        {
            TFormZadane zadane;
            zadane.show();
            QElapsedTimer e;
            e.start();
            miernik.start();
            zadane.but_odczyt->click();
            const double zastoj = miernik.stop();
            std::printf("(a) setpoint read-all, controller silent: %.1f s, %ld turns, longest stall %.1f ms\n",
                        e.elapsed() / 1000.0, miernik.tur(), zastoj);
        }

        // (b) Automatic reading for a while, the controller silent, then
        // the adapter gone.
        const auto automat = [&](const char *opis) {
            pty.wyczyscRamki();
            okno.TimerStarterTimer();
            QEventLoop petla;
            QTimer::singleShot(sekund * 1000, &petla, &QEventLoop::quit);
            miernik.start();
            petla.exec();
            const double zastoj = miernik.stop();
            okno.TimerAutomat->stop();
            std::printf("(b) %d s of automatic reading, %s: %zu requests, %ld turns, longest stall %.1f ms\n", sekund,
                        opis, pty.ramki().size(), miernik.tur(), zastoj);
            return zastoj;
        };
        automat("controller silent");
        pty.zatrzymaj();
        automat("adapter gone");
        okno.close();
    }
    ustawFormLan(nullptr);
    ustawFkomunikacja(nullptr);
    ustawKomunikaty(nullptr);
    ustawKatalogProgramu(QString());
    return 0;
}
