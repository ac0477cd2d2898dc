#include "sekcje_projektu.h"

#include "alarmy_transfer.h"
#include "dodatki_transfer.h"
#include "kroki_transfer.h"
#include "moduly_transfer.h"
#include "mycie_transfer.h"
#include "programy_transfer.h"
#include "przekazniki_transfer.h"
#include "setup_transfer.h"
#include "tryby_specjalne_transfer.h"
#include "wejscia_cyfrowe_transfer.h"
#include "wejscia_pomiarowe_transfer.h"
#include "wilgotnosc_transfer.h"
#include "wyjscia_analogowe_transfer.h"
#include "zadane_transfer.h"

#include <QCoreApplication>

namespace {

using P = TProjektVXTNew;
using M = TProjektDodatkiMycie;
using U = TUstawieniaSterownika;
using W = WierszProjektu;

// A list section: item k of the project's array `tablica` through the
// section's items.
template <auto tablica, const auto &pozycje>
bool czytajListy(P &p, M &, int k, const U &u)
{
    return pozycje.czytaj(pozycje.pozycja(p.*tablica, k), k, u);
}
template <auto tablica, const auto &pozycje>
bool wyslijListy(const P &p, const M &, int k, bool wSesji, const U &u, int)
{
    return pozycje.wyslij(pozycje.pozycja(p.*tablica, k), k, wSesji, u);
}

// A section of one record, the project's part `pole`.
template <auto pole, auto czytaj>
bool czytajRekord(P &p, M &, int, const U &u)
{
    return czytaj(p.*pole, u);
}
template <auto pole, auto wyslij>
bool wyslijRekord(const P &p, const M &, int, bool wSesji, const U &u, int)
{
    return wyslij(p.*pole, wSesji, u);
}

constexpr std::array<TSekcjaProjektu, ileBlokowProjektu> sekcje = {{
    {W::Setup, QT_TRANSLATE_NOOP("TFProjektRSIn", "Setup"), 1, false, false, czytajRekord<&P::Setup, czytajSetup>,
     [](const P &p, const M &, int, bool wSesji, const U &u, int jezykId) {
         return wyslijSetup(p.Setup, wSesji, u, jezykId);
     },
     nullptr, true},
    {W::WejsciaPomiarowe, QT_TRANSLATE_NOOP("TFProjektRSIn", "[AI] Wejścia analogowe"), 24, false, true,
     czytajListy<&P::FWejsciaPomiarowe, pozycjeWejscPomiarowych>,
     wyslijListy<&P::FWejsciaPomiarowe, pozycjeWejscPomiarowych>},
    {W::Przekazniki, QT_TRANSLATE_NOOP("TFProjektRSIn", "[DO] WYjścia cyfrowe"), 32, false, true,
     czytajListy<&P::przekazniki, pozycjePrzekaznikow>,
     // Output 1 carries the four alarm outputs: both must go.
     [](const P &p, const M &m, int k, bool wSesji, const U &u, int jezykId) {
         return wyslijListy<&P::przekazniki, pozycjePrzekaznikow>(p, m, k, wSesji, u, jezykId) &&
                (k != 1 || wyslijAlarmyDO(p.przekaznikiAlarmF1F4, wSesji, u));
     },
     // Without the alarm outputs the row is not read: a compare would find
     // the project's own alarms equal.
     [](P &p, const U &u) { return czytajAlarmyDO(p.przekaznikiAlarmF1F4, u); }},
    {W::WyjsciaAnalogowe, QT_TRANSLATE_NOOP("TFProjektRSIn", "[AO] WYjścia analogowe"), 4, false, true,
     czytajListy<&P::WyjsciaAn, pozycjeWyjscAnalogowych>, wyslijListy<&P::WyjsciaAn, pozycjeWyjscAnalogowych>},
    {W::WejsciaCyfrowe, QT_TRANSLATE_NOOP("TFProjektRSIn", "[DI] WEjścia cyfrowe"), 24, false, true,
     czytajListy<&P::WejsciaCyfrowe, pozycjeWejscCyfrowych>, wyslijListy<&P::WejsciaCyfrowe, pozycjeWejscCyfrowych>},
    {W::Moduly, QT_TRANSLATE_NOOP("TFProjektRSIn", "Moduły dodatkowe"), 1, false, false,
     czytajRekord<&P::modulyWeWyjKonf, czytajModuly>, wyslijRekord<&P::modulyWeWyjKonf, wyslijModuly>},
    {W::Zadane, QT_TRANSLATE_NOOP("TFProjektRSIn", "Zadane"), 10, false, true, czytajListy<&P::zadana, pozycjeZadanych>,
     wyslijListy<&P::zadana, pozycjeZadanych>},
    {W::Dodatki, QT_TRANSLATE_NOOP("TFProjektRSIn", "Dodatki"), 1, false, true,
     czytajRekord<&P::dodatki, czytajDodatki>, wyslijRekord<&P::dodatki, wyslijDodatki>},
    {W::Wilgotnosc, QT_TRANSLATE_NOOP("TFProjektRSIn", "Wilgotność"), 1, false, true,
     czytajRekord<&P::wilgotnosc, czytajWilgotnosc>, wyslijRekord<&P::wilgotnosc, wyslijWilgotnosc>},
    {W::TrybySpecjalne, QT_TRANSLATE_NOOP("TFProjektRSIn", "Tryby specjalne"), 14, false, true,
     czytajListy<&P::FunkcjeSpec, pozycjeTrybowSpecjalnych>, wyslijListy<&P::FunkcjeSpec, pozycjeTrybowSpecjalnych>},
    {W::Kroki, QT_TRANSLATE_NOOP("TFProjektRSIn", "Kroki"), 32, false, true, czytajListy<&P::kroki, pozycjeKrokow>,
     wyslijListy<&P::kroki, pozycjeKrokow>},
    {W::Programy, QT_TRANSLATE_NOOP("TFProjektRSIn", "Programy"), 100, true, true,
     czytajListy<&P::programy, pozycjeProgramow>, wyslijListy<&P::programy, pozycjeProgramow>},
    {W::KrokiMycia, QT_TRANSLATE_NOOP("TFProjektRSIn", "Kroki mycia"), 16, false, true,
     czytajListy<&P::krokiMycie, pozycjeKrokowMycia>, wyslijListy<&P::krokiMycie, pozycjeKrokowMycia>},
    {W::ProgramMycia, QT_TRANSLATE_NOOP("TFProjektRSIn", "Program mycia"), 1, false, true,
     [](P &p, M &, int, const U &u) { return czytajProgram(p.programyMycie, nrProgramuMycia, u); },
     [](const P &p, const M &, int, bool wSesji, const U &u, int) {
         return wyslijProgram(p.programyMycie, nrProgramuMycia, wSesji, u);
     }},
    {W::UstawieniaMycia, QT_TRANSLATE_NOOP("TFProjektRSIn", "Ustawienia mycia"), 1, false, false,
     [](P &, M &m, int, const U &u) { return czytajUstawieniaMycia(m, u); },
     [](const P &, const M &m, int, bool wSesji, const U &u, int) { return wyslijUstawieniaMycia(m, wSesji, u); }},
}};
static_assert(wKolejnosciWierszy(sekcje));

} // namespace

const std::array<TSekcjaProjektu, ileBlokowProjektu> &sekcjeProjektu() { return sekcje; }
