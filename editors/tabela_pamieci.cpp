#include "tabela_pamieci.h"

#include "raport.h"

#include <QApplication>
#include <QPalette>

#include <algorithm>

TTabelaPamieci::TTabelaPamieci(QObject *parent) : QAbstractTableModel(parent) {}

void TTabelaPamieci::ustawPola(std::vector<TKolumnaTabeli> pola, std::function<int()> ileWierszy)
{
    beginResetModel();
    // Grid columns first, in table order; the hidden fields after them.
    std::stable_partition(pola.begin(), pola.end(), [](const TKolumnaTabeli &k) { return k.opis.wSiatce; });
    kolumn_ = int(std::count_if(pola.begin(), pola.end(), [](const TKolumnaTabeli &k) { return k.opis.wSiatce; }));
    pola_ = std::move(pola);
    ileWierszy_ = std::move(ileWierszy);
    endResetModel();
}

void TTabelaPamieci::odswiez()
{
    beginResetModel();
    endResetModel();
}

void TTabelaPamieci::odswiezWiersz(int wiersz)
{
    if (wiersz >= 0 && wiersz < ileWierszy() && kolumn_ > 0)
        emit dataChanged(index(wiersz, 0), index(wiersz, kolumn_ - 1));
}

void TTabelaPamieci::odswiezTytuly()
{
    if (kolumn_ > 0)
        emit headerDataChanged(Qt::Horizontal, 0, kolumn_ - 1);
}

int TTabelaPamieci::ileWierszy() const { return ileWierszy_ ? std::max(0, ileWierszy_()) : 0; }

int TTabelaPamieci::wiersz(int nr) const { return nr >= 1 && nr <= ileWierszy() ? nr - 1 : -1; }

int TTabelaPamieci::indeksPola(const QString &pole) const
{
    for (size_t k = 0; k < pola_.size(); ++k)
        if (pola_[k].opis.nazwa == pole)
            return int(k);
    return -1;
}

QString TTabelaPamieci::tekst(int wiersz, const QString &pole) const
{
    if (wiersz < 0 || wiersz >= ileWierszy())
        return {};
    const int k = indeksPola(pole);
    if (k >= 0)
        return pola_[size_t(k)].tekst(wiersz, miejsce(wiersz));
    return pole == QLatin1String("nr") ? QString::number(nr(wiersz)) : QString();
}

QStringList TTabelaPamieci::nazwyPol() const
{
    QStringList n;
    if (indeksPola(QStringLiteral("nr")) < 0)
        n << QStringLiteral("nr");
    for (const TKolumnaTabeli &k : pola_)
        n << k.opis.nazwa;
    return n;
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

int TTabelaPamieci::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : kolumn_; }

QVariant TTabelaPamieci::data(const QModelIndex &i, int rola) const
{
    if (!i.isValid() || i.column() >= kolumn_ || i.row() >= ileWierszy())
        return {};
    if (styl) {
        const QVariant s = styl(i.row(), i.column(), rola);
        if (s.isValid())
            return s;
    }
    const TKolumnaTabeli &k = pola_[size_t(i.column())];
    switch (rola) {
    case Qt::DisplayRole:
        return k.tekst(i.row(), miejsce(i.row()));
    case Qt::EditRole:
        return k.doEdycji(i.row(), miejsce(i.row()));
    case Qt::TextAlignmentRole:
        return int(k.opis.wyrownanie);
    case Qt::BackgroundRole:
        return k.opis.kolorPrzycisku ? QVariant(QApplication::palette().button()) : QVariant();
    case RolaNr:
        return nr(i.row());
    case RolaRodzaju:
        return int(k.opis.rodzaj);
    case RolaMin:
        return k.opis.min;
    case RolaMax:
        return k.opis.max;
    case RolaZnakow:
        return k.opis.znakow;
    case RolaListy:
        return k.opis.lista ? k.opis.lista(jezykId) : QStringList();
    case RolaZeroPoza:
        return k.opis.zeroPozaZakresem;
    default:
        return {};
    }
}

bool TTabelaPamieci::setData(const QModelIndex &i, const QVariant &v, int rola)
{
    if (!(flags(i) & Qt::ItemIsEditable) || rola != Qt::EditRole)
        return false;
    pola_[size_t(i.column())].zEdycji(i.row(), v);
    // Computed fields of the row may follow the edited one.
    odswiezWiersz(i.row());
    emit edytowano(i.row(), i.column());
    return true;
}

Qt::ItemFlags TTabelaPamieci::flags(const QModelIndex &i) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(i);
    if (edytowalna && i.isValid() && i.column() < kolumn_) {
        const TKolumnaTabeli &k = pola_[size_t(i.column())];
        if (k.opis.edytowalne && k.zEdycji)
            f |= Qt::ItemIsEditable;
    }
    return f;
}

QVariant TTabelaPamieci::headerData(int sekcja, Qt::Orientation o, int rola) const
{
    if (o == Qt::Horizontal && sekcja >= 0 && sekcja < kolumn_) {
        const TKolumnaTabeli &k = pola_[size_t(sekcja)];
        switch (rola) {
        case Qt::DisplayRole:
            return k.opis.tytulTekstu();
        case RolaPola:
            return k.opis.nazwa;
        case RolaObliczone:
            return k.opis.rodzaj == TRodzajPola::Tekst && !k.zEdycji;
        default:
            break;
        }
    }
    return QAbstractTableModel::headerData(sekcja, o, rola);
}

QList<TKolumnaRaportu> kolumnyRaportu(const TTabelaPamieci &t)
{
    QList<TKolumnaRaportu> kolumny;
    for (const TKolumnaTabeli &k : t.pola())
        if (!k.opis.glowka.isEmpty())
            kolumny.append({k.opis.glowka, k.opis.nazwa, k.opis.szerokoscWydruku, k.opis.wyrownanie});
    return kolumny;
}
