#include "sprawdzenie_polaczenia.h"

#include "komunikaty.h"
#include "lan.h"
#include "okna_narzedzi.h"
#include "polaczenie.h"

#include <QCoreApplication>
#include <QLabel>

namespace {

constexpr int czasOdczytuTestuMs = 200;
constexpr int probyLanTestu = 2;

} // namespace

TWynikTestuPolaczenia sprawdzPolaczenie(TUstawieniaSterownika &u)
{
    // The test's time-out and tries go with its record (the facades it
    // calls take both from there); the program-wide ones are not touched.
    u.ParametryTransmisji.ReadTotalTimeoutConstant = czasOdczytuTestuMs;
    TWynikTestuPolaczenia w;
    if (!sprawdzDaneLan(u))
        return w;
    w.wykonany = true;
    QString typ;
    const int wynik = odczytajTyp(typ, u, probyLanTestu);
    bool blokada = false;
    if (wynik == 0)
        odczytajBlokade(blokada, u, probyLanTestu);
    w.ok = wynik == 0 && typ == typKvor350;
    w.blokada = w.ok && blokada;
    return w;
}

void pokazWynikTestu(QLabel &wynik, const TWynikTestuPolaczenia &w)
{
    if (!w.wykonany)
        return;
    wynik.setText(w.ok ? QStringLiteral("OK") : QStringLiteral("ERR"));
    kolorTekstu(&wynik, w.ok ? QColor(0, 255, 0) : QColor(255, 0, 0));
    wynik.show();
    // The main window's texts.
    if (w.blokada)
        pokazOstrzezenie(QCoreApplication::translate("TForm1", "Połączono ze sterownikiem") +
                         QStringLiteral(": Kvor 350\n") +
                         QCoreApplication::translate("TForm1", "UWAGA: włączona blokada transmisji ustawień!"));
}
