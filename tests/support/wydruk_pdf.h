// Reports written as PDF files instead of being printed, so that tests can
// read what a window prints.
#pragma once

#include "raport.h"

#include <QString>
#include <QStringList>

// Lays out and writes the report as a PDF file; throws BladRaportu.
void zapiszRaportPdf(TRaport &raport, const QString &plik);

// Writes every preview and print as a PDF file in a folder and records the
// calls, without any dialog.
class WydrukDoPdf final : public IWydruk {
public:
    explicit WydrukDoPdf(QString katalog); // installs itself
    ~WydrukDoPdf() override;               // uninstalls
    bool wybierzDrukarke() override;
    bool podglad(const TRaport &raport, const QList<TStronaWydruku> &strony) override;
    bool drukuj(const TRaport &raport, const QList<TStronaWydruku> &strony) override;

    QString katalog;
    bool odpowiedzDialogu = true; // answer of the print dialog
    int ileDialogow = 0;
    QStringList wywolania; // "podglad" or "drukuj" per call
    QStringList pliki;     // the PDF of each call

private:
    bool zapisz(const TRaport &raport, const QList<TStronaWydruku> &strony, const QString &co);
};
