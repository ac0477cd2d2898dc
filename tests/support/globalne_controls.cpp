// The report output and the one progress window; the keys of every
// window's buttons and grids, as the program's main installs them.
#include "stan_globalny.h"

#include "klawiatura_okien.h"
#include "pasek_postepu.h"
#include "raport.h"

#include <QApplication>

Q_COREAPP_STARTUP_FUNCTION(klawiaturaOkien)

namespace {

const bool controls = StanGlobalny::dodaj([]() -> std::function<void()> {
    IWydruk *w = &wydruk();
    // Without a QApplication (GoogleTest binaries) there is no window.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return [w] { ustawWydruk(w); };
    TpasekPostepu &p = pasekPostepu();
    const bool koniec = p.koniec, widoczny = p.isVisible();
    return [w, &p, koniec, widoczny] {
        ustawWydruk(w);
        p.koniec = koniec;
        if (!widoczny)
            p.hide();
    };
});

} // namespace
