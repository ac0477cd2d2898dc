#include "setup_okno.h"

#include "edycja_liczb.h"
#include "forma_haslo.h"
#include "okno_glowne.h"
#include "setup_transfer.h"
#include "ustawienia_polaczenia.h"

#include <QComboBox>

void ustawNoweParametry(TForm1 &okno, int adres, int kodPredkosci)
{
    okno.IntEditAdres->setValue(adres);
    const int pozycja = pozycjaPredkosciOkna(kodPredkosci);
    if (pozycja >= 0)
        okno.ComboBoxPredkosc->setCurrentIndex(pozycja);
}

void podlaczSetup(TForm1 &okno, TFormHaslo &haslo)
{
    ustawHasloSerwisowe([&haslo](const QString &prompt, const QString &opis, int jezykId, QString &tekst) {
        return haslo.pokazOkno(prompt, opis, tekst, jezykId);
    });
    ustawNoweParametryLacza([&okno](int adres, int kod) { ustawNoweParametry(okno, adres, kod); });
    QObject::connect(&okno, &QObject::destroyed, [] {
        ustawHasloSerwisowe({});
        ustawNoweParametryLacza({});
    });
}
