#include "narzedzia.h"

#include "data_czas.h"
#include "logo.h"
#include "okna_narzedzi.h"
#include "okno_glowne.h"
#include "operacja.h"
#include "plik_wyslij.h"
#include "sekcje.h"

void podlaczNarzedzia(TForm1 &okno)
{
    auto *logo = new TFormLogo(&okno);
    auto *plikWyslij = new TFormPlikWyslij(&okno);
    auto *dataCzas = new TFormDataCzas(&okno);
    const auto sprawdzBlokade = [&okno] { return okno.lockService.fnProcess(); };
    logo->sprawdzBlokade = sprawdzBlokade;
    plikWyslij->sprawdzBlokade = sprawdzBlokade;
    plikWyslij->projekt = &okno.projekt;

    // An update runs with the main window locked, and not at all while the
    // controller is busy with a process.
    const auto aktualizacja = [&okno, plikWyslij](TFormPlikWyslij::Rodzaj r) {
        const TOperacja blokada(&okno);
        SprawdzStanSterownika(okno, false);
        if (okno.lockService.Busy())
            return;
        if (r == TFormPlikWyslij::firmware)
            plikWyslij->FirmWare(okno.jezykId);
        else
            plikWyslij->Grafika(okno.jezykId);
    };
    okno.podlacz(okno.WyslanieLogo, [&okno, logo] { logo->pokazOkno(QString(), okno.jezykId); });
    okno.podlacz(okno.AktualizacjaFirmware, [aktualizacja] { aktualizacja(TFormPlikWyslij::firmware); });
    okno.podlacz(okno.WyslanieGrafik, [aktualizacja] { aktualizacja(TFormPlikWyslij::grafika); });
    okno.podlacz(okno.DataCzas, [&okno, dataCzas] { dataCzas->pokazOkno(okno.jezykId); });
}
