#include "sekcje.h"

#include "dane_sterownika.h"
#include "komunikaty.h"
#include "kroki.h"
#include "okno_glowne.h"
#include "przekazniki_projektu.h"
#include "zadane.h"
#include "zegar.h"

#include <QCoreApplication>

#include <type_traits>

namespace {

// The editor works on the project's block: its window copies the block in
// once and back once, only on a confirmed change. The main window stays
// locked throughout, also when the editor raises.
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
    const bool zmiana = edytor(blok);
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
    case Sekcja::Kroki:
        return edytujBlok(okno, p.kroki, [jezyk](TKrokiArray &k) { return edytujKroki(k, jezyk, false); });
    case Sekcja::KrokiMycia:
        return edytujBlok(okno, p.krokiMycie, [jezyk](TKrokiArray &k) { return edytujKroki(k, jezyk, true); });
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
    okno.podlacz(okno.AOL_kroki, [&okno] { otworzSekcje(okno, Sekcja::Kroki); });
    okno.podlacz(okno.AOL_krokiMycia, [&okno] { otworzSekcje(okno, Sekcja::KrokiMycia); });
}
