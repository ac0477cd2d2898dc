#include "blokada_okna.h"
#include "forma_haslo.h"
#include "klawiatura_okien.h"
#include "komunikacja.h"
#include "lan.h"
#include "menu_projektu.h"
#include "narzedzia.h"
#include "okna_komunikatow.h"
#include "okno_glowne.h"
#include "okno_na_ekranie.h"
#include "pasek_postepu.h"
#include "powtorz.h"
#include "sekcje.h"
#include "setup_okno.h"
#include "start.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    przygotujProces();
    QApplication app(argc, argv);
    wstrzymajWejsciePodczasWymiany();
    klawiaturaOkien();
    pilnujOkienNaEkranie();
    // Qt has taken its own options out of the command line by now.
    const QStringList argumenty = QCoreApplication::arguments().mid(1);
    zadanyLogRamek = czyLogRamek(argumenty);
    QApplication::setApplicationName(QStringLiteral("Setup kVOR 350"));

    KomunikatyOkienne komunikatyOkienne;
    WyborPlikuOkienny wyborOkienny;
    ustawKomunikaty(&komunikatyOkienne);
    ustawWyborPliku(&wyborOkienny);

    int wynik = 0;
    {
        // The long-lived windows, in this order; the main window first.
        TForm1 okno(argumenty);
        TFkomunikacja komunikacja;
        logujRamki = zadanyLogRamek;
        ustawFkomunikacja(&komunikacja);
        // TFormDOwybierzDef is made when an editor first asks for it;
        // TFormLogo and TFormPlikWyslij come with podlaczNarzedzia below.
        TFormHaslo haslo;
        const auto blokada = blokadaOkna(okno, &haslo);
        podlaczSetup(okno, haslo);
        pasekPostepu();
        // TFormWybierzPozycjeDlg is made when an editor first asks for it.
        TFormLan formLan;
        ustawFormLan(&formLan);
        // TFormLista and TFormPorownaj are made when first shown;
        // TFormDataCzas and TFormConfirmDlg come with podlaczNarzedzia.
        podlaczSekcje(okno);
        podlaczNarzedzia(okno);
        podlaczMenuProjektu(okno);

        okno.zmienJezyk(okno.jezykId);
        okno.show();
        wynik = app.exec();
        ustawFormLan(nullptr);
        ustawFkomunikacja(nullptr);
    }
    ustawKomunikaty(nullptr);
    ustawWyborPliku(nullptr);
    return wynik;
}
