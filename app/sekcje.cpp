#include "sekcje.h"

#include "dane_sterownika.h"
#include "komunikaty.h"
#include "okno_glowne.h"
#include "przekazniki_projektu.h"
#include "zadane.h"
#include "zegar.h"

#include <QCoreApplication>

#include <cstring>
#include <memory>
#include <type_traits>

namespace {

// Copy out, edit, copy back on true; the window locked throughout, also
// when the editor raises.
template <class Blok, class Edytor>
bool edytujBlok(TForm1 &okno, Blok &blok, Edytor edytor)
{
    static_assert(std::is_trivially_copyable_v<Blok>);
    struct Odblokuj {
        TForm1 &o;
        ~Odblokuj() { o.blokuj(false); }
    };
    okno.blokuj(true);
    const Odblokuj odblokuj{okno};
    SprawdzStanSterownika(okno, false);
    // Blocks go up to the 1.7 MB of the programs: not on the stack.
    struct Kopia {
        Blok b;
    };
    auto kopia = std::make_unique<Kopia>();
    std::memcpy(&kopia->b, &blok, sizeof(Blok));
    const bool zmiana = edytor(kopia->b);
    if (zmiana)
        std::memcpy(&blok, &kopia->b, sizeof(Blok));
    okno.projekt.bylazmianaProjektu = okno.projekt.bylazmianaProjektu || zmiana;
    return zmiana;
}

} // namespace

void SprawdzStanSterownika(TForm1 &okno, bool cicho)
{
    okno.lockService.fnProcess();
    zegar().przetworzZdarzenia();
    if (!cicho && okno.lockService.Busy())
        pokazOstrzezenie(
            QCoreApplication::translate("Sekcje", "Sterownik w trakcie procesu. Zapis danych nie będzie możliwy!"));
}

bool otworzSekcje(TForm1 &okno, Sekcja s)
{
    TProjektVXTNew &p = okno.projekt.projekt();
    const int jezyk = okno.jezykId;
    switch (s) {
    case Sekcja::Zadane:
        return edytujBlok(okno, p.zadana, [jezyk](TZadaneArray &z) { return edytujZadane(z, jezyk); });
    }
    return false;
}

void podlaczSekcje(TForm1 &okno)
{
    ustawZrodloUstawien([&okno](TUstawieniaSterownika &u, bool bezSprawdzeniaBlokady) {
        okno.wezUstawieniaSterownika(u, bezSprawdzeniaBlokady);
    });
    ustawZrodloPrzekaznikow([&okno]() -> const TPrzekaznikiArray & { return okno.projekt.projekt().przekazniki; });
    QObject::connect(&okno, &QObject::destroyed, [] {
        ustawZrodloUstawien({});
        ustawZrodloPrzekaznikow({});
    });
    okno.podlacz(okno.AOL_zadane, [&okno] { otworzSekcje(okno, Sekcja::Zadane); });
}
