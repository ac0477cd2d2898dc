// The simulator's serial front on a pty, opened as "COM1" by a link of its
// own that the retrying facades use, counting the bytes (request and reply)
// and the exchanges that pass.
#pragma once

#include "komunikacja.h"
#include "powtorz.h"
#include "symulator_pty.h"

#include <atomic>
#include <cstdio>

class PtyPomiaru {
public:
    explicit PtyPomiaru(SterownikSym &sterownik) : pty(sterownik, usterki) {}
    ~PtyPomiaru()
    {
        ustawFkomunikacja(nullptr);
        pty.naRamke = nullptr;
    }
    PtyPomiaru(const PtyPomiaru &) = delete;
    PtyPomiaru &operator=(const PtyPomiaru &) = delete;

    // Starts the pty, its replies paced like a wire when `tempo`, and
    // installs the link; false (the reason on stderr) when the pty fails.
    bool uruchom(bool tempo)
    {
        QString blad;
        if (!pty.uruchom(&blad)) {
            std::fprintf(stderr, "pty: %s\n", qPrintable(blad));
            return false;
        }
        pty.ustawTempoLacza(tempo);
        pty.naRamke = [this](const QByteArray &zapytanie, const QByteArray &odpowiedz) {
            bajtow += zapytanie.size() + odpowiedz.size();
            ++wymian;
        };
        const QString sciezka = pty.sciezka();
        lacze.porty().ustawOdczytKlucza(
            [sciezka](const QString &k) { return k == QLatin1String("COM1Device") ? sciezka : QString(); });
        ustawFkomunikacja(&lacze);
        return true;
    }
    void zeruj()
    {
        bajtow = 0;
        wymian = 0;
    }

    PlanUsterek usterki;
    SymulatorPty pty;
    TFkomunikacja lacze;
    std::atomic<long> bajtow{0}, wymian{0};
};
