// Test doubles of the program's seams: a scripted message service that
// fails the test on any box it was not told to expect, a fake clock and a
// scripted file chooser.
#pragma once

#include "komunikaty.h"
#include "wybor_pliku.h"
#include "zegar.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

class KomunikatySkrypt final : public IKomunikaty {
public:
    struct Pokazany {
        RodzajKomunikatu rodzaj;
        QString tekst;
    };
    // Reports a test failure (set by the test framework's main).
    static std::function<void(const QString &)> &naBlad();

    KomunikatySkrypt();           // installs itself
    ~KomunikatySkrypt() override; // uninstalls; unused expectations fail

    // The next box must be of this kind and contain the fragment.
    KomunikatySkrypt &oczekuj(RodzajKomunikatu rodzaj, const QString &fragment, int odpowiedz = 0);
    int pokaz(RodzajKomunikatu rodzaj, const QString &tekst) override;

    std::vector<Pokazany> pokazane;
    bool pusty() const { return oczekiwane_.empty(); }

private:
    struct Oczekiwany {
        RodzajKomunikatu rodzaj;
        QString fragment;
        int odpowiedz;
    };
    std::deque<Oczekiwany> oczekiwane_;
};

QString nazwaRodzaju(RodzajKomunikatu r);

class ZegarTestowy final : public IZegar {
public:
    ZegarTestowy(); // installs itself
    ~ZegarTestowy() override;

    qint64 tickMs() override { return teraz; }
    void spij(int ms) override;
    void przetworzZdarzenia() override;
    void czekajDokladnie(int ms) override;

    qint64 teraz = 1000;
    qint64 przespane = 0;              // sum of sleeps
    std::vector<int> dokladne;         // every precise wait
    bool przetwarzajZdarzenia = false; // also run the real event loop
    std::function<void()> naPrzetworz; // runs at each message processing
};

class WyborPlikuSkrypt final : public IWyborPliku {
public:
    WyborPlikuSkrypt();
    ~WyborPlikuSkrypt() override;

    QString plikDoOtwarcia(const QString &filtr, const QString &rozszerzenie) override;
    QString plikDoZapisu(const QString &filtr, const QString &rozszerzenie, const QString &nazwaPoczatkowa) override;

    std::deque<QString> odpowiedzi; // empty string = cancel
    QStringList filtry;
    QStringList nazwyPoczatkowe;
    int ileOtwarc = 0, ileZapisow = 0;
};
