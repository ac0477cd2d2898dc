// What the command line asks for at start-up.
#pragma once

#include <QString>
#include <QStringList>

// The frame log "trans.txt" was asked for with "/D"; the serial link's
// logujRamki takes it over.
extern bool zadanyLogRamek;

// The first argument, upper-cased and trimmed of blanks, is "/D".
bool czyLogRamek(const QStringList &argumenty);

// The project file named by the first argument: empty when there is no
// argument, when it switched the frame log on, or when no such file exists.
QString plikProjektuZArgumentow(const QStringList &argumenty);

// Process settings before anything is written: a write past the file-size
// limit fails with its reason ("File too large") instead of killing the
// program with the unsaved project.
void przygotujProces();
