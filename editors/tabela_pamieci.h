// The in-memory table of a list window (`memproj`): named fields, one row
// per item of the section, the integer field "nr" as the key by which rows
// are found again. It is never edited in place: the window rebuilds it from
// its section copy. Computed fields are filled when the row is added.
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class TZbiorRaportu;

// One grid column over a field.
struct TKolumnaListy {
    QString pole;
    int szerokosc = 64; // [px]
    Qt::Alignment wyrownanie = Qt::AlignLeft | Qt::AlignVCenter;
    bool kolorPrzycisku = false; // drawn in the button face colour
    int miejscDziesietne = -1;   // >= 0: a number with that many decimals, in the locale's form
    QString glowka;              // printed with the head "h_" + glowka; empty: not printed
    qreal szerokoscWydruku = 30; // [mm]
    QString tytul;               // set by the window's texts
};

class TTabelaPamieci : public QAbstractTableModel {
    Q_OBJECT
public:
    TTabelaPamieci(QStringList pola, QList<TKolumnaListy> kolumny, QObject *parent = nullptr);

    const QStringList &pola() const { return pola_; }
    const QList<TKolumnaListy> &kolumny() const { return kolumny_; }

    // The table anew; each row holds the fields' values in field order.
    void ustaw(QList<QVariantList> wiersze);
    int ileWierszy() const { return int(wiersze_.size()); }
    QVariant wartosc(int wiersz, const QString &pole) const;
    // The value as the grid shows it.
    QString tekst(int wiersz, const QString &pole) const;
    // The first row whose field equals the value; -1 when there is none.
    int znajdz(const QString &pole, const QVariant &v) const;
    // Column titles in column order.
    void ustawTytuly(const QStringList &tytuly);
    // Every row as text, into a report dataset with the same fields.
    void doZbioru(TZbiorRaportu &zbior) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &i, int rola) const override;
    QVariant headerData(int sekcja, Qt::Orientation o, int rola) const override;

private:
    QString tekstWartosci(const QVariant &v, int miejsca) const;

    QStringList pola_;
    QList<TKolumnaListy> kolumny_;
    QList<QVariantList> wiersze_;
};
