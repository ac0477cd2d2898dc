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
#include "wiersze_projektu.h"
#include "wilgotnosc.h"
#include "wyjscia_analogowe.h"
#include "zadane.h"
#include "zegar.h"

#include <QCoreApplication>

#include <iterator>

namespace {

TProjektVXTNew &projekt(TForm1 &okno) { return okno.projekt.projekt(); }

// A section command: the transfer row its block goes with, its button (an
// item of the "[DO]" panel or not) and the editor's entry function on the
// project's block, which copies the block in once and back once, only on a
// confirmed change.
struct TPolecenieSekcji {
    Sekcja sekcja;
    WierszProjektu wiersz;
    TAOLButton *TForm1::*przycisk;
    bool zPanelu;
    bool (*edytuj)(TForm1 &okno, int jezykId);
};

using W = WierszProjektu;
using S = Sekcja;
constexpr TPolecenieSekcji polecenia[] = {
    {S::Setup, W::Setup, &TForm1::AOL_setup, false, [](TForm1 &o, int j) { return edytujSetup(projekt(o).Setup, j); }},
    {S::WejsciaPomiarowe, W::WejsciaPomiarowe, &TForm1::AOL_Ai, false,
     [](TForm1 &o, int j) { return edytujWejsciaPomiarowe(projekt(o).FWejsciaPomiarowe, j); }},
    {S::Przekazniki, W::Przekazniki, &TForm1::itemKonfiguracja, true,
     [](TForm1 &o, int j) { return edytujPrzekazniki(projekt(o).przekazniki, j); }},
    {S::AlarmyDO, W::Przekazniki, &TForm1::itemAlarmy, true,
     [](TForm1 &o, int j) { return edytujAlarmyDO(projekt(o).przekaznikiAlarmF1F4, j); }},
    {S::WyjsciaAnalogowe, W::WyjsciaAnalogowe, &TForm1::AOL_Ao, false,
     [](TForm1 &o, int j) { return edytujWyjsciaAnalogowe(projekt(o).WyjsciaAn, j); }},
    {S::WejsciaCyfrowe, W::WejsciaCyfrowe, &TForm1::AOL_di, false,
     [](TForm1 &o, int j) { return edytujWejsciaCyfrowe(projekt(o).WejsciaCyfrowe, j); }},
    // A connection record of its own, filled with a second lock check.
    {S::Moduly, W::Moduly, &TForm1::aol_moduly, false,
     [](TForm1 &o, int j) {
         TUstawieniaSterownika u;
         o.wezUstawieniaSterownika(u, false);
         return edytujModuly(projekt(o).modulyWeWyjKonf, u, j);
     }},
    {S::Zadane, W::Zadane, &TForm1::AOL_zadane, false,
     [](TForm1 &o, int j) { return edytujZadane(projekt(o).zadana, j); }},
    {S::Dodatki, W::Dodatki, &TForm1::AOL_dodatki, false,
     [](TForm1 &o, int j) { return edytujDodatki(projekt(o).dodatki, j); }},
    {S::Wilgotnosc, W::Wilgotnosc, &TForm1::AOL_wilgotnosc, false,
     [](TForm1 &o, int j) { return edytujWilgotnosc(projekt(o).wilgotnosc, projekt(o).przekazniki, j); }},
    {S::TrybySpecjalne, W::TrybySpecjalne, &TForm1::AOL_stany, false,
     [](TForm1 &o, int j) { return edytujTrybySpecjalne(projekt(o).FunkcjeSpec, j); }},
    {S::Kroki, W::Kroki, &TForm1::AOL_kroki, false,
     [](TForm1 &o, int j) { return edytujKroki(projekt(o).kroki, j, false); }},
    {S::Programy, W::Programy, &TForm1::AOL_programy, false,
     [](TForm1 &o, int j) { return edytujProgramy(projekt(o).programy, j); }},
    {S::KrokiMycia, W::KrokiMycia, &TForm1::AOL_krokiMycia, false,
     [](TForm1 &o, int j) { return edytujKroki(projekt(o).krokiMycie, j, true); }},
    {S::ProgramMycia, W::ProgramMycia, &TForm1::AOL_programMycia, false,
     [](TForm1 &o, int j) {
         TProjektVXTNew &p = projekt(o);
         return edytujProgram(p.programyMycie, nrProgramuMycia, j, p.programy);
     }},
    {S::UstawieniaMycia, W::UstawieniaMycia, &TForm1::AOL_mycieUstaw, false,
     [](TForm1 &o, int j) { return edytujUstawieniaMycia(o.projekt.mycie(), projekt(o).przekazniki, j); }},
};

// Command i is Sekcja i, and every transfer row has its commands, in the
// rows' order.
constexpr bool wKolejnosci()
{
    int wiersz = 0;
    for (int i = 0; i < int(std::size(polecenia)); ++i) {
        const int w = nrWiersza(polecenia[i].wiersz);
        if (polecenia[i].sekcja != Sekcja(i) || (w != wiersz && w != wiersz + 1))
            return false;
        wiersz = w;
    }
    return wiersz == ileBlokowProjektu;
}
static_assert(wKolejnosci());

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
    const TPolecenieSekcji &e = polecenia[int(s)];
    // The main window stays locked throughout, also when the editor raises.
    const TOperacja blokada(&okno);
    // The measuring channels are named after the project's inputs while
    // the editor is open (the project is replaced when another is opened).
    struct NazwyKanalow {
        explicit NazwyKanalow(const TWejsciaPomiarowe &w) { ustawWejsciaPomiarowe(&w); }
        ~NazwyKanalow() { ustawWejsciaPomiarowe(nullptr); }
    } nazwyKanalow{projekt(okno).FWejsciaPomiarowe};
    SprawdzStanSterownika(okno, false);
    const bool zmiana = e.edytuj(okno, okno.jezykId);
    okno.projekt.bylazmianaProjektu = okno.projekt.bylazmianaProjektu || zmiana;
    return zmiana;
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
    for (const TPolecenieSekcji &e : polecenia) {
        const Sekcja s = e.sekcja;
        if (e.zPanelu) {
            // The "[DO]" panel closes after each of its items, also when
            // the editor raised.
            okno.podlacz(okno.*e.przycisk, [&okno, s] {
                const NaKoniec zamknij([&okno] { okno.itemsPanel->hide(); });
                otworzSekcje(okno, s);
            });
        } else {
            okno.podlacz(okno.*e.przycisk, [&okno, s] { otworzSekcje(okno, s); });
        }
    }
}
