// Message boxes and questions. Every window asks and warns through this
// service; the widget implementation lives in ui/, tests install a scripted one.
#pragma once

#include <QString>

enum class RodzajKomunikatu {
    Blad,                // "Błąd", OK
    Ostrzezenie,         // "Ostrzeżenie", OK
    PytanieOstrzezenie,  // "Ostrzeżenie", Yes/No, No default
    Informacja,          // "Informacja", OK
    Pytanie,             // "Pytanie", Yes/No, No default
    PytanieTakNieAnuluj, // "Pytanie", Yes/No/Cancel, No default
    Komunikat,           // own window, OK, the application title as caption
    PytanieMyDlg,        // own window "Tak"/"Nie", empty caption
};

class IKomunikaty {
public:
    virtual ~IKomunikaty() = default;
    // Shows one box and returns its raw answer:
    //  OK boxes: 0; Yes/No boxes: 1 Yes, 0 No; Yes/No/Cancel: 1, 0, -1;
    //  PytanieMyDlg: 6 "Tak", 7 "Nie" or closed.
    virtual int pokaz(RodzajKomunikatu rodzaj, const QString &tekst) = 0;
};

// Installs the service (not owned); nullptr restores the fallback, which
// writes to stderr and answers every question negatively.
void ustawKomunikaty(IKomunikaty *k);
IKomunikaty &komunikaty();

// Caption of a box in the current language (empty for PytanieMyDlg; the
// application title for Komunikat).
QString tytulKomunikatu(RodzajKomunikatu rodzaj);

void pokazBlad(const QString &tekst);
void pokazOstrzezenie(const QString &tekst);
bool pytanieOstrzezenie(const QString &tekst);
void pokazInformacje(const QString &tekst);
bool pytanie(const QString &tekst);
int pytanieTakNieAnuluj(const QString &tekst);
void pokazKomunikat(const QString &tekst);
int pytanieMyDlg(const QString &tekst);
