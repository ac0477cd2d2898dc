// Programs (five parts of ten rows) and steps on the bus.
#include "polecenia_blokow.h"
#include "polecenia_blokow_wspolne.h"

#include "ramka.h"

#include <cstring>

namespace {

constexpr int czesciProgramu = 5;

} // namespace

int ZapisKomProgramuKVOR350(TFkomunikacja &k, const TProgram &A_prog, int, const TUstawieniaSterownika &A_ust,
                            bool A_BypassSet73)
{
    const int adres = A_ust.adresRS;
    const TParamTrans &trans = A_ust.ParametryTransmisji;
    return k.zapisBlokowy(adres, trans, A_BypassSet73, [&] {
        for (int p = 0; p < czesciProgramu; ++p) {
            QByteArray ramka;
            try {
                QByteArray blok(blokCzesciProgramu.dlZapisu, '\0');
                if (!spakujBlokProgramu(A_prog, p, blok, 0))
                    return kodBleduPakowania;
                ramka = ZbudujRamke(adres, magistrala::I, blokCzesciProgramu.podkomenda, blok);
            } catch (...) {
                return kodBleduPakowania;
            }
            if (k.WyslijRamkeBajty(ramka, int(ramka.size()), trans, dlRamkiBezDanych) != 0)
                return kodBleduCzesciProgramu;
        }
        return 0;
    });
}

int CzytajProgramKVOR350(TFkomunikacja &k, TProgram &A_prog, int A_nr, const TUstawieniaSterownika &A_ust)
{
    std::memset(&A_prog, 0, sizeof A_prog);
    for (int p = 0; p < czesciProgramu; ++p) {
        QByteArray dane;
        int w;
        try {
            w = bloki::czytaj(k, A_ust.adresRS, A_ust.ParametryTransmisji, blokCzesciProgramu, bloki::bajty({A_nr, p}),
                              dane);
        } catch (...) {
            return 2;
        }
        if (w != 0)
            return w;
        A_prog.nr_prog = A_nr;
        rozpakujBlokProgramu(dane, p, A_prog);
    }
    return 0;
}

int ZapisKomKrokiKvor350(TFkomunikacja &k, const TKrok &kr, int blok, int adres, const TParamTrans &trans,
                         bool wszystkie, bool mycie)
{
    const OpisBloku &o = mycie ? blokKrokuMycia : blokKroku;
    return bloki::zapisz(k, adres, trans, wszystkie, o.podkomenda, spakujKrok(kr, blok));
}

int CzytajKomKrokiKVOR350(TFkomunikacja &k, TKrok &kr, int A_NrKroku, int adres, bool mycie, const TParamTrans &trans)
{
    const int w = bloki::czytajRekord(k, adres, trans, mycie ? blokKrokuMycia : blokKroku, bloki::bajty({A_NrKroku}),
                                      kr, rozpakujKrok);
    if (w == 0)
        kr.nr_kroku = A_NrKroku;
    return w;
}
