// The language module in use and the frame log asked for on the command line.
#include "stan_globalny.h"

#include "jezyk.h"
#include "jezyki.h"
#include "start.h"

namespace {

const bool app = StanGlobalny::dodaj([] {
    const QString modul = biezacyModulJezyka();
    const bool log = zadanyLogRamek;
    return [modul, log] {
        zadanyLogRamek = log;
        // Back to the program's own Polish texts when a test switched away.
        if (modul.isEmpty() && !biezacyModulJezyka().isEmpty())
            przelaczJezykZasobow(jezykPolski);
    };
});

} // namespace
