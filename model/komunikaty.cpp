#include "komunikaty.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

class KomunikatyZapasowe final : public IKomunikaty {
public:
    int pokaz(RodzajKomunikatu rodzaj, const QString &tekst) override
    {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(tytulKomunikatu(rodzaj)), qUtf8Printable(tekst));
        switch (rodzaj) {
        case RodzajKomunikatu::PytanieTakNieAnuluj:
            return -1;
        case RodzajKomunikatu::PytanieMyDlg:
            return 7;
        default:
            return 0;
        }
    }
};

KomunikatyZapasowe zapasowe;
IKomunikaty *biezace = nullptr;

} // namespace

void ustawKomunikaty(IKomunikaty *k) { biezace = k; }

IKomunikaty &komunikaty() { return biezace ? *biezace : zapasowe; }

QString tytulKomunikatu(RodzajKomunikatu rodzaj)
{
    switch (rodzaj) {
    case RodzajKomunikatu::Blad:
        return QCoreApplication::translate("Komunikaty", "Błąd");
    case RodzajKomunikatu::Ostrzezenie:
    case RodzajKomunikatu::PytanieOstrzezenie:
        return QCoreApplication::translate("Komunikaty", "Ostrzeżenie");
    case RodzajKomunikatu::Informacja:
        return QCoreApplication::translate("Komunikaty", "Informacja");
    case RodzajKomunikatu::Pytanie:
    case RodzajKomunikatu::PytanieTakNieAnuluj:
        return QCoreApplication::translate("Komunikaty", "Pytanie");
    case RodzajKomunikatu::Komunikat:
        return QCoreApplication::applicationName();
    case RodzajKomunikatu::PytanieMyDlg:
        return {};
    }
    return {};
}

void pokazBlad(const QString &tekst) { komunikaty().pokaz(RodzajKomunikatu::Blad, tekst); }

void pokazOstrzezenie(const QString &tekst) { komunikaty().pokaz(RodzajKomunikatu::Ostrzezenie, tekst); }

bool pytanieOstrzezenie(const QString &tekst)
{
    return komunikaty().pokaz(RodzajKomunikatu::PytanieOstrzezenie, tekst) == 1;
}

void pokazInformacje(const QString &tekst) { komunikaty().pokaz(RodzajKomunikatu::Informacja, tekst); }

bool pytanie(const QString &tekst) { return komunikaty().pokaz(RodzajKomunikatu::Pytanie, tekst) == 1; }

int pytanieTakNieAnuluj(const QString &tekst)
{
    const int w = komunikaty().pokaz(RodzajKomunikatu::PytanieTakNieAnuluj, tekst);
    return (w == 1 || w == 0) ? w : -1;
}

void pokazKomunikat(const QString &tekst) { komunikaty().pokaz(RodzajKomunikatu::Komunikat, tekst); }

int pytanieMyDlg(const QString &tekst)
{
    return komunikaty().pokaz(RodzajKomunikatu::PytanieMyDlg, tekst) == 6 ? 6 : 7;
}
