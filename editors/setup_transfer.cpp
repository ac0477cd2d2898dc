#include "setup_transfer.h"

#include "forma_haslo.h"
#include "komunikaty.h"
#include "lan.h"
#include "lan_polecenia.h"
#include "pasek_postepu.h"
#include "powtorz.h"
#include "setup_teksty.h"
#include "transfer_sekcji.h"
#include "transport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStringList>

#include <optional>

namespace {

// Speed choices 0..4 of F2: their bit rates and the connection record's
// speed codes.
constexpr int predkosciSetup[] = {9600, 19200, 38400, 57600, 115200};
constexpr int kodyPredkosciSetup[] = {6, 8, 9, 11, 12};
constexpr int ileWyborowPredkosci = 5;

// Parameters of the table.
constexpr int fAdres = 1;
constexpr int fPredkosc = 2;
constexpr int fHasloSerwisowe = 36;
constexpr int fKodFabryczny = 47;

// The probe under the new address and speed.
constexpr int probyProby = 2;
constexpr int czasProbyMs = 700;

THasloSerwisowe &hasloSerwisowe()
{
    static THasloSerwisowe f;
    return f;
}

TNoweParametryLacza &noweParametryLacza()
{
    static TNoweParametryLacza f;
    return f;
}

// Bit rate of a speed code; 0 for a code no speed choice gives.
int predkoscKodu(int kod)
{
    for (int i = 0; i < ileWyborowPredkosci; ++i)
        if (kodyPredkosciSetup[i] == kod)
            return predkosciSetup[i];
    return 0;
}

// The typed service password as a number; none for a cancel or a text
// that is not a number.
std::optional<int> zapytajOHaslo(int jezykId)
{
    const QString prompt = QCoreApplication::translate("SetupTransfer", "Wpisz hasło serwisowe") + QStringLiteral(":");
    const QString opis = QCoreApplication::translate(
        "SetupTransfer", "Hasło jest wymagane, ponieważ zmieniasz ustawienie kodu fabrycznego!");
    QString tekst;
    bool wpisane;
    if (hasloSerwisowe()) {
        wpisane = hasloSerwisowe()(prompt, opis, jezykId, tekst);
    } else {
        TFormHaslo okno(QApplication::activeWindow());
        wpisane = okno.pokazOkno(prompt, opis, tekst, jezykId);
    }
    bool liczba = false;
    const int haslo = tekst.trimmed().toInt(&liczba);
    if (!wpisane || !liczba)
        return std::nullopt;
    return haslo;
}

// Whether the controller lets the factory code be switched off by this
// table: asks its table, and the password when its own F47 is 0.
bool kodFabrycznyPozwolony(const TFunkcjeKvor3 &setup, const TUstawieniaSterownika &ust, int jezykId)
{
    if (setup.F[fKodFabryczny] != 1)
        return true;
    TFunkcjeKvor3 naSterowniku = setup;
    if (!czytajSetup(naSterowniku, ust))
        return false;
    if (naSterowniku.F[fKodFabryczny] != 0)
        return true;
    const std::optional<int> haslo = zapytajOHaslo(jezykId);
    if (haslo && *haslo == naSterowniku.F[fHasloSerwisowe])
        return true;
    pokazOstrzezenie(QCoreApplication::translate("SetupTransfer", "Nieprawidłowe hasło serwisowe!"));
    return false;
}

// "F01 (Adres RS-485)".
QString nazwaParametru(int n)
{
    return QStringLiteral("F%1 (%2)").arg(n, 2, 10, QLatin1Char('0')).arg(nazwaParametruSetup(n));
}

// The progress window goes first, as before the probe's warning.
bool odmowa(int n, int wartosc, const QString &dozwolone)
{
    pasekPostepu().hide();
    pokazOstrzezenie(
        QCoreApplication::translate("SetupTransfer", "Nie wysłano ustawień: %1 = %2. Dozwolone wartości: %3.")
            .arg(nazwaParametru(n), QString::number(wartosc), dozwolone));
    return false;
}

// Over RS-485 the program must still reach the controller once the table
// is written: an address the main window cannot hold or a speed outside
// the table is refused, a speed its list does not offer goes only when
// the user wants it so.
bool laczeOsiagalne(const TFunkcjeKvor3 &setup)
{
    const int adres = setup.F[fAdres];
    const int wybor = setup.F[fPredkosc];
    if (adres < 0 || adres > najwyzszyAdresRs)
        return odmowa(fAdres, adres, QStringLiteral("0 - %1").arg(najwyzszyAdresRs));
    const int kod = kodPredkosci(wybor);
    if (kod == 0) {
        QStringList wybory;
        for (int i = 0; i < ileWyborowPredkosci; ++i)
            wybory << QStringLiteral("%1 (%2)").arg(QString::number(i), tekstWartosciSetup(fPredkosc, i));
        return odmowa(fPredkosc, wybor, wybory.join(QStringLiteral(", ")));
    }
    if (pozycjaPredkosciOkna(kod) >= 0)
        return true;
    pasekPostepu().hide();
    return pytanieOstrzezenie(
        QCoreApplication::translate("SetupTransfer",
                                    "%1 = %2: tej prędkości nie można wybrać w oknie głównym, więc po wysłaniu "
                                    "program nie połączy się ze sterownikiem przez RS-485. Wysłać mimo to?")
            .arg(nazwaParametru(fPredkosc), tekstWartosciSetup(fPredkosc, wybor)));
}

// False when a controller answers under the new address and speed.
bool nikogoPodNowymi(const TUstawieniaSterownika &ust, int adres, int kod)
{
    TUstawieniaSterownika proba = ust;
    proba.adresRS = adres;
    proba.ParametryTransmisji.predkosc = kod;
    proba.ParametryTransmisji.IlePowtorzen = probyProby;
    proba.ParametryTransmisji.ReadTotalTimeoutConstant = czasProbyMs;
    int numer = 0;
    // The probe's own tries and time-out: nobody answering is the usual
    // outcome, and it is waited out.
    if (powtorzCzytajNumerSeryjny(proba.adresRS, proba.ParametryTransmisji, numer, {czasProbyMs, probyProby}) != 0)
        return true;
    pasekPostepu().hide();
    pokazOstrzezenie(QCoreApplication::translate("SetupTransfer",
                                                 "Przerwano wysyłanie, gdyż pod nowymi ustawieniami transmijsji "
                                                 "znaleziono sterownik o numerze seryjnym") +
                     QStringLiteral(": ") + QString::number(numer));
    return false;
}

} // namespace

int kodPredkosci(int f2) { return f2 >= 0 && f2 < ileWyborowPredkosci ? kodyPredkosciSetup[f2] : 0; }

bool zgodnaPredkosc(int kod, int f2) { return predkoscKodu(kod) == predkoscKodu(kodPredkosci(f2)); }

void ustawHasloSerwisowe(THasloSerwisowe f) { hasloSerwisowe() = std::move(f); }

void ustawNoweParametryLacza(TNoweParametryLacza f) { noweParametryLacza() = std::move(f); }

bool czytajSetup(TFunkcjeKvor3 &setup, const TUstawieniaSterownika &ust)
{
    return czytajPozycje(
        setup, ust, czasOdczytuSekcjiMs,
        [](TFunkcjeKvor3 &s, const TUstawieniaSterownika &u) {
            // The RS-485 read clears the whole table; F0 is the table's own.
            const int32_t f0 = s.F[0];
            const int w = powtorzCzytajKomSetup(u.adresRS, u.ParametryTransmisji, s);
            s.F[0] = f0;
            return w;
        },
        [](TFormLan &lan, TFunkcjeKvor3 &s, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanCzytajSetup, s, u);
        });
}

bool wyslijSetup(const TFunkcjeKvor3 &setup, bool, const TUstawieniaSterownika &ust, int jezykId)
{
    const bool rs485 = transport(ust) == TTransport::Rs485;
    if (rs485 && !laczeOsiagalne(setup))
        return false;
    if (!kodFabrycznyPozwolony(setup, ust, jezykId))
        return false;
    const int adres = setup.F[fAdres];
    const int kod = kodPredkosci(setup.F[fPredkosc]);
    const bool zmianaLacza =
        rs485 && (adres != ust.adresRS || !zgodnaPredkosc(ust.ParametryTransmisji.predkosc, setup.F[fPredkosc]));
    if (zmianaLacza && !nikogoPodNowymi(ust, adres, kod))
        return false;
    const bool ok = przeslijPozycje(
        ust, 0,
        [&](const TUstawieniaSterownika &u) { return powtorzZapisKomSetup(u.adresRS, u.ParametryTransmisji, setup); },
        [&](TFormLan &lan, const TUstawieniaSterownika &u) {
            return lan.make(probyLanSekcji, &lanZapisSetup, setup, u);
        });
    if (ok && zmianaLacza && noweParametryLacza())
        noweParametryLacza()(adres, kod);
    return ok;
}
