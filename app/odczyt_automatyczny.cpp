#include "odczyt_automatyczny.h"

#include "enumeracje.h"
#include "komunikacja.h"
#include "operacja.h"
#include "polaczenie.h"
#include "pomocnicze.h"
#include "powtorz.h"
#include "projekt.h"
#include "ramka_odczyty.h"
#include "transport.h"

#include <QDateTime>
#include <QTimer>

namespace {

constexpr int czasOdczytuMs = 500;
constexpr int wersjaOstatnia = 2116;

} // namespace

void tyknijAutomat(QWidget *okno, QTimer &timer, bool zaznaczony, const TKrokiAutomatu &kroki)
{
    const bool wlaczony = timer.isActive();
    try {
        // A tick while an operation runs or in the middle of an exchange
        // (whose waits run the timers) is skipped: the next one comes a
        // second later.
        if (zaznaczony && !zajety()) {
            if (kroki.naPierwszymPlanie && kroki.naPierwszymPlanie()) {
                timer.stop();
                if (kroki.ustawRamkeAktywna)
                    kroki.ustawRamkeAktywna(true);
                // What the user does meanwhile waits for the reading's end.
                const TOperacja odczyt(okno, TOperacja::Rodzaj::Tla);
                if (kroki.czytaj)
                    kroki.czytaj();
            } else if (kroki.ustawRamkeAktywna) {
                kroki.ustawRamkeAktywna(false);
            }
        }
    } catch (...) {
        // A failed reading only shows as a hidden frame.
    }
    if (wlaczony)
        timer.start();
    else
        timer.stop();
}

void odczytajAutomatycznie(TFrameBiezaceOdczyty &ramka, TUstawieniaSterownika &u, TDaneProjektu &dane)
{
    u.ParametryTransmisji.ReadTotalTimeoutConstant = czasOdczytuMs;
    const TTransport t = transport(u);
    const bool lan = t == TTransport::Lan;
    if (t == TTransport::Brak) {
        ramka.setHide(true);
        return;
    }
    if (t == TTransport::Rs485) {
        TFkomunikacja *k = Fkomunikacja();
        if (!k || !k->CzyPortDostepny(u.ParametryTransmisji)) {
            ramka.setHide(true);
            return;
        }
    }
    // One try and 500 ms for every read of the step, also for the serial
    // number, whose facade otherwise takes the program-wide settings.
    u.ParametryTransmisji.IlePowtorzen = 1;
    const TProbyFasady proby{u.ParametryTransmisji.ReadTotalTimeoutConstant, u.ParametryTransmisji.IlePowtorzen};

    TOdczyty o{};
    bool blad = !czytajOdczyty(true, o, u, false);
    if (!blad) {
        QString typ;
        czytajTypSterownika(true, typ, u);
        // The indicator shows the lock state just read. In "Start" and
        // "Edycja", and after a failed read over RS-485, it keeps its last
        // value; over TCP/IP a failed read fails the step.
        if (o.stan1 != 3 && o.stan1 != 4) {
            bool blokada = false;
            const int w = odczytajBlokade(blokada, u, 1);
            if (w == 0)
                ramka.setBlokadaTrans(blokada);
            else if (lan)
                blad = true;
        }
        int ns = 0;
        if (!blad && !czytajNumerSeryjny(true, ns, u, proby))
            blad = true;
        ramka.setNazwa(nazwaDlaSymbolu(typ) + QStringLiteral("  S/N: %1").arg(ns));
        ramka.setNieobslugiwane(typ != typKvor350);
        ramka.setWersjaOstatnia(wersjaOstatnia);
        ramka.setWersja(o.wersja);
        ramka.setWersjaProtokolu(o.wersjaProtokolu);
        ramka.setInformacja(listaStanSterownika(o.stan1));
        dane.ns = ns;
        dane.firmware = tekstWersji(o.wersja);
        const QDateTime czas(QDate(o.rok, o.miesiac, o.dzien), QTime(o.godzina, o.minuta, o.sekunda));
        ramka.setDataCzas(czas.isValid() ? czas : QDateTime());
    }
    ramka.setHide(blad);
}
