#include "programy_transfer.h"

#include "lan.h"
#include "lan_polecenia.h"
#include "powtorz.h"
#include "transfer_sekcji.h"

namespace {

// Any other number would reach another program (the wire carries its low
// byte) or none.
bool poprawnyNumer(int nr)
{
    if (nr >= 0 && nr <= nrProgramuMycia)
        return true;
    pokazBrakKomunikacji();
    return false;
}

} // namespace

bool czytajProgram(TProgram &program, int nr, const TUstawieniaSterownika &ust)
{
    if (!poprawnyNumer(nr))
        return false;
    return czytajPozycje(
        program, ust, czasOdczytuSekcjiMs,
        [nr](TProgram &p, const TUstawieniaSterownika &u) { return powtorzCzytajProgram(p, nr, u); },
        [nr](TFormLan &lan, TProgram &p, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanCzytajProgram, nr, p, u);
        });
}

bool wyslijProgram(const TProgram &program, int nr, bool wSesji, const TUstawieniaSterownika &ust)
{
    if (!poprawnyNumer(nr))
        return false;
    // The blocks carry the record's own number: a program loaded from
    // another slot's file must not land there.
    TProgram kopia = program;
    kopia.nr_prog = nr;
    return przeslijPozycje(
        ust, 0, [&](const TUstawieniaSterownika &u) { return powtorzZapisKomProgramu(kopia, nr, u, wSesji); },
        [&](TFormLan &lan, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanZapisProgramu, nr, kopia, wSesji, u);
        });
}

const TPozycjeSekcji<TProgram> pozycjeProgramow = {
    0,
    [](TProgram &r, int k, const TUstawieniaSterownika &u) { return czytajProgram(r, nrProgramu(k), u); },
    [](const TProgram &r, int k, bool wSesji, const TUstawieniaSterownika &u) {
        return wyslijProgram(r, nrProgramu(k), wSesji, u);
    },
};
