// Where the editors take the connection record and the project's outputs
// from: the main window's sources, none by default.
#include "stan_globalny.h"

#include "dane_sterownika.h"
#include "przekazniki_projektu.h"

namespace {

const bool editors = StanGlobalny::dodaj([] {
    return [] {
        ustawZrodloUstawien({});
        ustawZrodloPrzekaznikow({});
    };
});

} // namespace
