#include "wydruk_pdf.h"

#include "komunikaty.h"

#include <QCoreApplication>
#include <QDir>
#include <QPdfWriter>

#include <utility>

void zapiszRaportPdf(TRaport &raport, const QString &plik)
{
    const QList<TStronaWydruku> strony = raport.przygotuj();
    QPdfWriter w(plik);
    w.setCreator(QCoreApplication::applicationName());
    w.setTitle(raport.tytul());
    if (!rysujStrony(raport.strona, strony, w))
        throw BladRaportu(TRaport::tr("Nie można zapisać pliku %1").arg(QDir::toNativeSeparators(plik)));
}

WydrukDoPdf::WydrukDoPdf(QString k) : katalog(std::move(k)) { ustawWydruk(this); }

WydrukDoPdf::~WydrukDoPdf()
{
    if (&wydruk() == this)
        ustawWydruk(nullptr);
}

bool WydrukDoPdf::wybierzDrukarke()
{
    ++ileDialogow;
    return odpowiedzDialogu;
}

bool WydrukDoPdf::zapisz(const TRaport &raport, const QList<TStronaWydruku> &strony, const QString &co)
{
    const QString plik = QDir(katalog).filePath(QStringLiteral("%1-%2.pdf").arg(co).arg(pliki.size() + 1));
    wywolania.append(co);
    pliki.append(plik);
    QPdfWriter w(plik);
    w.setTitle(raport.tytul());
    if (rysujStrony(raport.strona, strony, w))
        return true;
    pokazBlad(TRaport::tr("Nie można zapisać pliku %1").arg(QDir::toNativeSeparators(plik)));
    return false;
}

bool WydrukDoPdf::podglad(const TRaport &raport, const QList<TStronaWydruku> &strony)
{
    return zapisz(raport, strony, QStringLiteral("podglad"));
}

bool WydrukDoPdf::drukuj(const TRaport &raport, const QList<TStronaWydruku> &strony)
{
    return zapisz(raport, strony, QStringLiteral("drukuj"));
}
