// The language module in use, the frame log asked for on the command line
// and the settings copy's reader (none by default).
#include "stan_globalny.h"

#include "jezyk.h"
#include "jezyki.h"
#include "kopia_ustawien.h"
#include "start.h"

namespace {

const bool app = StanGlobalny::dodaj([] {
    const QString modul = biezacyModulJezyka();
    const bool log = zadanyLogRamek;
    return [modul, log] {
        zadanyLogRamek = log;
        ustawOdczytKopii({});
        // Back to the program's own Polish texts when a test switched away.
        if (modul.isEmpty() && !biezacyModulJezyka().isEmpty())
            przelaczJezykZasobow(jezykPolski);
    };
});

} // namespace
