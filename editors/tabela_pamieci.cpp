#include "tabela_pamieci.h"

#include "raport.h"

#include <QApplication>
#include <QLocale>
#include <QPalette>

TTabelaPamieci::TTabelaPamieci(QStringList pola, QList<TKolumnaListy> kolumny, QObject *parent)
    : QAbstractTableModel(parent), pola_(std::move(pola)), kolumny_(std::move(kolumny))
{}

void TTabelaPamieci::ustaw(QList<QVariantList> wiersze)
{
    beginResetModel();
    wiersze_ = std::move(wiersze);
    for (QVariantList &w : wiersze_)
        while (w.size() < pola_.size())
            w.append(QVariant());
    endResetModel();
}

QVariant TTabelaPamieci::wartosc(int wiersz, const QString &pole) const
{
    const int p = int(pola_.indexOf(pole));
    if (wiersz < 0 || wiersz >= ileWierszy() || p < 0)
        return {};
    return wiersze_[wiersz][p];
}

QString TTabelaPamieci::tekst(int wiersz, const QString &pole) const
{
    int miejsca = -1;
    for (const TKolumnaListy &k : kolumny_)
        if (k.pole == pole)
            miejsca = k.miejscDziesietne;
    return tekstWartosci(wartosc(wiersz, pole), miejsca);
}

QString TTabelaPamieci::tekstWartosci(const QVariant &v, int miejsca) const
{
    if (miejsca >= 0 && v.isValid())
        return QLocale().toString(v.toDouble(), 'f', miejsca);
    return v.toString();
}

int TTabelaPamieci::znajdz(const QString &pole, const QVariant &v) const
{
    for (int w = 0; w < ileWierszy(); ++w)
        if (wartosc(w, pole) == v)
            return w;
    return -1;
}

void TTabelaPamieci::ustawTytuly(const QStringList &tytuly)
{
    for (int k = 0; k < kolumny_.size() && k < tytuly.size(); ++k)
        kolumny_[k].tytul = tytuly[k];
    if (!kolumny_.isEmpty())
        emit headerDataChanged(Qt::Horizontal, 0, int(kolumny_.size()) - 1);
}

void TTabelaPamieci::doZbioru(TZbiorRaportu &zbior) const
{
    zbior.wyczysc();
    for (int w = 0; w < ileWierszy(); ++w) {
        QStringList r;
        for (const QString &p : zbior.pola)
            r << tekst(w, p);
        zbior.dodajWiersz(r);
    }
}

int TTabelaPamieci::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ileWierszy(); }

int TTabelaPamieci::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(kolumny_.size()); }

QVariant TTabelaPamieci::data(const QModelIndex &i, int rola) const
{
    if (!i.isValid() || i.column() >= kolumny_.size())
        return {};
    const TKolumnaListy &k = kolumny_[i.column()];
    switch (rola) {
    case Qt::DisplayRole:
        return tekst(i.row(), k.pole);
    case Qt::TextAlignmentRole:
        return int(k.wyrownanie);
    case Qt::BackgroundRole:
        return k.kolorPrzycisku ? QVariant(QApplication::palette().button()) : QVariant();
    default:
        return {};
    }
}

QVariant TTabelaPamieci::headerData(int sekcja, Qt::Orientation o, int rola) const
{
    if (o == Qt::Horizontal && rola == Qt::DisplayRole && sekcja >= 0 && sekcja < kolumny_.size())
        return kolumny_[sekcja].tytul;
    return QAbstractTableModel::headerData(sekcja, o, rola);
}
