#include "okna_komunikatow.h"
#include "okno_glowne.h"
#include "start.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
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
        // Then, as they come: TFkomunikacja (serial link, which takes
        // zadanyLogRamek and okno.ustawieniaLacza), TFormDOwybierzDef,
        // TFormLogo, TFormPlikWyslij, TFormHaslo, TpasekPostepu,
        // TFormProjInfo, TFormWybierzPozycjeDlg, TFormLan, TFormLista,
        // TFormPorownaj, TFormDataCzas, TFormAOwybierzDef, TFormConfirmDlg,
        // TFormSiec.

        // The language switch runs here with okno.jezykId.

        okno.show();
        wynik = app.exec();
    }
    ustawKomunikaty(nullptr);
    ustawWyborPliku(nullptr);
    return wynik;
}
