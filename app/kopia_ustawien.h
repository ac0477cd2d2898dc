// The copy of the controller's settings taken before a firmware update:
// the whole project read from the controller and written beside the program
// as a read-only project file. The project in memory is not replaced: the
// read goes through the current project, which gets its former contents
// back afterwards in every case.
#pragma once

#include "projekt.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <functional>

// Reads the whole project from the controller into the current project
// (the whole-project transfer window in its automatic mode); true when
// every block was read. The argument is the controller's serial number.
using TOdczytKopii = std::function<bool(int numerSeryjny)>;

// Installs the reader; an empty one uninstalls it. Without a reader every
// copy fails.
void ustawOdczytKopii(TOdczytKopii f);

// Program folder + "<serial number>_update_yyyy-mm-dd_hh_nn.k3p".
QString nazwaPlikuKopii(int numerSeryjny, const QDateTime &teraz);

class KopiaUstawien {
    Q_DECLARE_TR_FUNCTIONS(KopiaUstawien)
public:
    // Reads and writes the copy (project and washing-settings sidecar, the
    // project file then made read-only), with the messages of each
    // outcome. True when the file was written and made read-only.
    static bool zapisz(TBiezacyProjekt &projekt, int numerSeryjny,
                       const QDateTime &teraz = QDateTime::currentDateTime());
};
