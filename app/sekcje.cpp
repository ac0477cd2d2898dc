#include "sekcje.h"

#include "alarmy_do.h"
#include "dane_sterownika.h"
#include "dodatki.h"
#include "kanaly.h"
#include "komunikaty.h"
#include "kroki.h"
#include "moduly.h"
#include "mycie.h"
#include "okna_narzedzi.h"
#include "okno_glowne.h"
#include "operacja.h"
#include "program.h"
#include "programy.h"
#include "programy_transfer.h"
#include "projekt_biezacy.h"
#include "przekazniki.h"
#include "przekazniki_projektu.h"
#include "setup.h"
#include "tryby_specjalne.h"
#include "wejscia_cyfrowe.h"
#include "wejscia_pomiarowe.h"
#include "wilgotnosc.h"
#include "wyjscia_analogowe.h"
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
    const TOperacja blokada(&okno);
    // The measuring channels are named after the project's inputs while
    // the editor is open (the project is replaced when another is opened).
    struct NazwyKanalow {
        explicit NazwyKanalow(const TWejsciaPomiarowe &w) { ustawWejsciaPomiarowe(&w); }
        ~NazwyKanalow() { ustawWejsciaPomiarowe(nullptr); }
    } nazwyKanalow{okno.projekt.projekt().FWejsciaPomiarowe};
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
    // Measuring channels are named after the project's inputs while its
    // editor is open.
    struct Kanaly {
        explicit Kanaly(const TProjektVXTNew &projekt) { ustawWejsciaPomiarowe(&projekt.FWejsciaPomiarowe); }
        ~Kanaly() { ustawWejsciaPomiarowe(nullptr); }
    } kanaly(p);
    switch (s) {
    case Sekcja::Zadane:
        return edytujBlok(okno, p.zadana, [jezyk](TZadaneArray &z) { return edytujZadane(z, jezyk); });
    case Sekcja::AlarmyDO:
        return edytujBlok(okno, p.przekaznikiAlarmF1F4,
                          [jezyk](TAlarmyF1F4Array &a) { return edytujAlarmyDO(a, jezyk); });
    case Sekcja::Dodatki:
        return edytujBlok(okno, p.dodatki, [jezyk](tdanedodatki &d) { return edytujDodatki(d, jezyk); });
    case Sekcja::Setup:
        return edytujBlok(okno, p.Setup, [jezyk](TFunkcjeKvor3 &s) { return edytujSetup(s, jezyk); });
    case Sekcja::Moduly:
        return edytujBlok(okno, p.modulyWeWyjKonf, [&okno, jezyk](TModulyWejWyKonfig &m) {
            TUstawieniaSterownika u;
            okno.wezUstawieniaSterownika(u, false);
            return edytujModuly(m, u, jezyk);
        });
    case Sekcja::WyjsciaAnalogowe:
        return edytujBlok(okno, p.WyjsciaAn, [jezyk](TWyjsciaAoArray &w) { return edytujWyjsciaAnalogowe(w, jezyk); });
    case Sekcja::Programy:
        return edytujBlok(okno, p.programy, [jezyk](TProgramyArray100 &pr) { return edytujProgramy(pr, jezyk); });
    case Sekcja::ProgramMycia:
        return edytujBlok(okno, p.programyMycie,
                          [jezyk, &p](TProgram &pr) { return edytujProgram(pr, nrProgramuMycia, jezyk, p.programy); });
    case Sekcja::Przekazniki:
        return edytujBlok(okno, p.przekazniki, [jezyk](TPrzekaznikiArray &d) { return edytujPrzekazniki(d, jezyk); });
    case Sekcja::Kroki:
        return edytujBlok(okno, p.kroki, [jezyk](TKrokiArray &k) { return edytujKroki(k, jezyk, false); });
    case Sekcja::KrokiMycia:
        return edytujBlok(okno, p.krokiMycie, [jezyk](TKrokiArray &k) { return edytujKroki(k, jezyk, true); });
    case Sekcja::WejsciaPomiarowe:
        return edytujBlok(okno, p.FWejsciaPomiarowe,
                          [jezyk](TWejsciaPomiarowe &w) { return edytujWejsciaPomiarowe(w, jezyk); });
    case Sekcja::WejsciaCyfrowe:
        return edytujBlok(okno, p.WejsciaCyfrowe,
                          [jezyk](TWejsciaCyfrowe &w) { return edytujWejsciaCyfrowe(w, jezyk); });
    case Sekcja::Wilgotnosc:
        return edytujBlok(okno, p.wilgotnosc,
                          [jezyk, &p](Tkvor350wilgotnosc &w) { return edytujWilgotnosc(w, p.przekazniki, jezyk); });
    case Sekcja::TrybySpecjalne:
        return edytujBlok(okno, p.FunkcjeSpec,
                          [jezyk](TFunkcjeSpecjalneArray &t) { return edytujTrybySpecjalne(t, jezyk); });
    case Sekcja::UstawieniaMycia:
        return edytujBlok(okno, okno.projekt.mycie(), [jezyk, &p](TProjektDodatkiMycie &m) {
            return edytujUstawieniaMycia(m, p.przekazniki, jezyk);
        });
    }
    return false;
}

void podlaczSekcje(TForm1 &okno)
{
    ustawZrodloUstawien([&okno](TUstawieniaSterownika &u, bool bezSprawdzeniaBlokady) {
        okno.wezUstawieniaSterownika(u, bezSprawdzeniaBlokady);
    });
    ustawZrodloPrzekaznikow([&okno]() -> const TPrzekaznikiArray & { return okno.projekt.projekt().przekazniki; });
    ustawSprawdzenieBlokady([&okno] { return okno.lockService.fnProcess(); });
    ustawZrodloProjektu([&okno] { return TProjektAplikacji{&okno.projekt.projekt(), &okno.projekt.mycie()}; });
    QObject::connect(&okno, &QObject::destroyed, [] {
        ustawZrodloUstawien({});
        ustawZrodloPrzekaznikow({});
        ustawSprawdzenieBlokady({});
        ustawZrodloProjektu({});
    });
    okno.podlacz(okno.AOL_zadane, [&okno] { otworzSekcje(okno, Sekcja::Zadane); });
    // The "[DO]" panel closes after each of its items, also when the
    // editor raised.
    const auto zPanelu = [&okno](Sekcja sekcja) {
        return [&okno, sekcja] {
            const NaKoniec zamknij([&okno] { okno.itemsPanel->hide(); });
            otworzSekcje(okno, sekcja);
        };
    };
    okno.podlacz(okno.itemAlarmy, zPanelu(Sekcja::AlarmyDO));
    okno.podlacz(okno.AOL_dodatki, [&okno] { otworzSekcje(okno, Sekcja::Dodatki); });
    okno.podlacz(okno.AOL_setup, [&okno] { otworzSekcje(okno, Sekcja::Setup); });
    okno.podlacz(okno.aol_moduly, [&okno] { otworzSekcje(okno, Sekcja::Moduly); });
    okno.podlacz(okno.AOL_Ao, [&okno] { otworzSekcje(okno, Sekcja::WyjsciaAnalogowe); });
    okno.podlacz(okno.AOL_programy, [&okno] { otworzSekcje(okno, Sekcja::Programy); });
    okno.podlacz(okno.AOL_programMycia, [&okno] { otworzSekcje(okno, Sekcja::ProgramMycia); });
    okno.podlacz(okno.itemKonfiguracja, zPanelu(Sekcja::Przekazniki));
    okno.podlacz(okno.AOL_kroki, [&okno] { otworzSekcje(okno, Sekcja::Kroki); });
    okno.podlacz(okno.AOL_krokiMycia, [&okno] { otworzSekcje(okno, Sekcja::KrokiMycia); });
    okno.podlacz(okno.AOL_Ai, [&okno] { otworzSekcje(okno, Sekcja::WejsciaPomiarowe); });
    okno.podlacz(okno.AOL_di, [&okno] { otworzSekcje(okno, Sekcja::WejsciaCyfrowe); });
    okno.podlacz(okno.AOL_wilgotnosc, [&okno] { otworzSekcje(okno, Sekcja::Wilgotnosc); });
    okno.podlacz(okno.AOL_stany, [&okno] { otworzSekcje(okno, Sekcja::TrybySpecjalne); });
    okno.podlacz(okno.AOL_mycieUstaw, [&okno] { otworzSekcje(okno, Sekcja::UstawieniaMycia); });
}
