// Fixture of the main window's section and lock tests: the editors'
// simulator fixture and a program folder whose "ustawienia.ini" makes the
// simulator's pty "COM1" for the main window too.
#pragma once

#include "../editors/sym_edytora.h"

#include "okno_glowne.h"
#include "sciezki.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class SymulatorOkna : public SymulatorEdytora {
public:
    SymulatorOkna()
    {
        gotowy = gotowy && katalog.isValid();
        ustawKatalogProgramu(katalog.path());
        QFile f(katalog.filePath(QStringLiteral("ustawienia.ini")));
        if (f.open(QIODevice::WriteOnly))
            f.write("[Parametry]\nCOM1Device=" + pty.sciezka().toUtf8() + "\nComboBoxPort=0\n");
        sterownik.zmien([](StanSterownika &s) {
            s.typ = "kvor350";
            s.odczyty.wersjaProtokolu = 4;
            s.odczyty.stan = 1;
        });
    }
    ~SymulatorOkna() { ustawKatalogProgramu(QString()); }

    // The main window as the program shows it, its automatic reading off.
    std::unique_ptr<TForm1> okno()
    {
        auto o = std::make_unique<TForm1>();
        o->listaUrzadzen = [] { return QStringList(); };
        o->CzytajAutomatycznie = [] {};
        o->show();
        return o;
    }

    QTemporaryDir katalog;
};
