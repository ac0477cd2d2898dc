// Open and save dialogs behind a seam, so the lifecycle and the editors can
// be driven by tests. Filters are given as "Opis|*.ext|Opis2|*.e2".
#pragma once

#include <QString>

class IWyborPliku {
public:
    virtual ~IWyborPliku() = default;
    // Empty result: cancelled.
    virtual QString plikDoOtwarcia(const QString &filtr, const QString &domyslneRozszerzenie) = 0;
    // The dialog asks itself before overwriting an existing file.
    virtual QString plikDoZapisu(const QString &filtr, const QString &domyslneRozszerzenie,
                                 const QString &nazwaPoczatkowa) = 0;
};

// Installs the chooser (not owned). Without one every choice is cancelled.
void ustawWyborPliku(IWyborPliku *w);
IWyborPliku &wyborPliku();
