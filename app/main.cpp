#include "okna_komunikatow.h"
#include "okno_glowne.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Setup kVOR 350"));

    KomunikatyOkienne komunikatyOkienne;
    WyborPlikuOkienny wyborOkienny;
    ustawKomunikaty(&komunikatyOkienne);
    ustawWyborPliku(&wyborOkienny);

    TForm1 okno;
    okno.show();
    if (argc > 1) {
        const QString plik = QString::fromLocal8Bit(argv[1]);
        if (QFileInfo::exists(plik))
            okno.projekt.OtworzProjektNazwa(plik);
    }
    const int wynik = app.exec();
    ustawKomunikaty(nullptr);
    ustawWyborPliku(nullptr);
    return wynik;
}
