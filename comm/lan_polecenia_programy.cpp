// TCP/IP callbacks of the programs (five parts of ten rows) and the steps.
#include "lan_polecenia.h"
#include "lan_polecenia_wspolne.h"

#include "kodek_bajty.h"

#include <cstring>

using namespace lan;

namespace {

constexpr int czesciProgramu = 5;
constexpr int czasZapisuMs = 1000;

} // namespace

int lanCzytajProgram(IKlientTcp &A_tc, int A_nr, TProgram &A_prog, const TUstawieniaSterownika &A_ust)
{
    std::memset(&A_prog, 0, sizeof A_prog);
    return bezWyjatku([&] {
        for (int p = 0; p < czesciProgramu; ++p) {
            QByteArray dane;
            if (const int w = czytajBlok(A_tc, A_ust, blokCzesciProgramu, bajty({A_nr, p}), 1000, dane))
                return w;
            rozpakujBlokProgramu(dane, p, A_prog);
            if (p == 0) {
                kodek::czytajNazwe(dane, 4, kodek::jednostekPolaNazwy, A_prog.nazwa);
                A_prog.nr_prog = A_nr;
            }
        }
        return 0;
    });
}

int lanZapisProgramu(IKlientTcp &A_tc, int, const TProgram &A_prog, bool A_BypassSet73,
                     const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] {
        return zapisWSesji(A_tc, A_ust, A_BypassSet73, [&] {
            for (int p = 0; p < czesciProgramu; ++p) {
                QByteArray blok(blokCzesciProgramu.dlZapisu, '\0');
                if (!spakujBlokProgramu(A_prog, p, blok, 0))
                    return kodLanWyjatek;
                const int w = wyslijBlok(A_tc, A_ust, blokCzesciProgramu.podkomenda, blok, czasZapisuMs);
                if (w == kodLanKrotka)
                    return kodLanProgram;
                if (w != 0)
                    return w;
            }
            return 0;
        });
    });
}

int lanCzytajKroki(IKlientTcp &A_tc, int A_nr, TKrok &A_krok, bool A_mycie, const TUstawieniaSterownika &A_ust)
{
    return czytajRekord(A_tc, A_ust, A_mycie ? blokKrokuMycia : blokKroku, bajty({A_nr}), czasKlienta, A_krok,
                        [A_nr](const QByteArray &dane, TKrok &k) {
                            rozpakujKrok(dane, k);
                            k.nr_kroku = A_nr;
                        });
}

int lanZapisKroki(IKlientTcp &A_tc, int A_nr, const TKrok &A_krok, bool A_mycie, bool A_BypassSet73,
                  const TUstawieniaSterownika &A_ust)
{
    return bezWyjatku([&] {
        const OpisBloku &o = A_mycie ? blokKrokuMycia : blokKroku;
        QByteArray blok = spakujKrok(A_krok, A_nr);
        // As long as the read's data: the tail is zeros.
        if (!blok.isEmpty())
            blok.resize(o.dlOdczytu, '\0');
        return zapiszBlok(A_tc, A_ust, A_BypassSet73, o.podkomenda, blok, czasZapisuMs);
    });
}
