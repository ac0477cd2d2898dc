#include "setup_parametr.h"

#include "edycja_czasu.h"
#include "edycja_liczb.h"
#include "lista_rozwijana.h"
#include "pola_sekcji.h"
#include "setup_teksty.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

TEdytorParametru edytorParametru(int n)
{
    switch (n) {
    case 9:
    case 10:
    case 11:
    case 12:
        return TEdytorParametru::Dziesietna;
    case 3:
    case 8:
        return TEdytorParametru::MinutySekundy;
    default:
        return ilePozycjiParametru(n) > 0 ? TEdytorParametru::Lista : TEdytorParametru::Calkowita;
    }
}

int ilePozycjiParametru(int n)
{
    switch (n) {
    case 2:
        return 5;
    case 6:
        return 3;
    case 30:
        return 6;
    case 4:
    case 5:
    case 14:
    case 27:
    case 31:
    case 32:
    case 37:
    case 38:
    case 39:
        return 2;
    default:
        return (n >= 16 && n <= 20) || (n >= 41 && n <= 49) ? 2 : 0;
    }
}

int dlugoscParametru(int n) { return n == 34 || n == 35 || n == 36 || n == 40 ? 8 : 4; }

int zakresMinParametru(int n)
{
    switch (n) {
    case 1:
    case 2:
    case 7:
    case 13:
    case 15:
    case 24:
    case 25:
        return 1;
    default:
        return (n >= 3 && n <= 42 && !(n >= 9 && n <= 12)) ? 0 : -999;
    }
}

int zakresMaxParametru(int n)
{
    switch (n) {
    case 1:
        return 255;
    case 2:
        return 5;
    case 3:
    case 26:
        return 5999;
    case 4:
    case 5:
    case 14:
    case 16:
    case 17:
    case 18:
    case 19:
    case 20:
    case 27:
    case 31:
    case 32:
    case 33:
    case 37:
    case 38:
    case 42:
        return 1;
    case 6:
        return 2;
    case 7:
        return 3600;
    case 8:
        return 600;
    case 9:
    case 10:
    case 11:
    case 12:
    case 28:
    case 29:
    case 30:
    case 39:
        return 9999;
    case 15:
        return 8;
    case 21:
        return 100;
    case 22:
    case 23:
        return 32;
    case 34:
    case 35:
    case 36:
    case 40:
        return 99999999;
    case 41:
        return 0;
    default:
        return 999;
    }
}

TFEdycjaParametru::TFEdycjaParametru(QWidget *parent) : TEdytorRekordu(Przyciski(), parent)
{
    setObjectName(QStringLiteral("TFEdycjaParametru"));
    okBezZmian();
    but_ok->setObjectName(QStringLiteral("but_zapisz"));

    Label1 = new QLabel(obszar);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(260);
    IntEdit1 = new TIntEdit(obszar);
    IntEdit1->setObjectName(QStringLiteral("IntEdit1"));
    FloatEdit1 = new TFloatEdit(obszar);
    FloatEdit1->setObjectName(QStringLiteral("FloatEdit1"));
    FloatEdit1->setIncludeBounds(true);
    ComboBox1 = new QComboBox(obszar);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    min99 = new TMin99SecEdit(obszar);
    min99->setObjectName(QStringLiteral("min99"));
    czas_ = powiazanieOpoznienia(
        min99, [this] { return qint64(rekord); }, [this](qint64 v) { rekord = int32_t(v); });
    L_zakres = new QLabel(obszar);
    L_zakres->setObjectName(QStringLiteral("L_zakres"));

    auto *uklad = new QVBoxLayout(obszar);
    uklad->addWidget(Label1);
    for (QWidget *e : std::initializer_list<QWidget *>{IntEdit1, FloatEdit1, ComboBox1, min99}) {
        e->setFixedWidth(160);
        e->hide();
        uklad->addWidget(e);
    }
    uklad->addWidget(L_zakres);
    uklad->addStretch();
}

QString TFEdycjaParametru::tytul() const { return tr("Edycja parametru"); }

void TFEdycjaParametru::jezykSekcji()
{
    but_ok->setText(tr("Zapisz"));
    Label1->setText(nazwaParametruSetup(nr_funkcji).remove(QLatin1Char('\t')));
    if (!ComboBox1->isHidden())
        zmienPozycje(ComboBox1, pozycjeListy());
}

QStringList TFEdycjaParametru::pozycjeListy() const
{
    QStringList l;
    for (int i = 0; i < ilePozycjiParametru(nr_funkcji); ++i)
        l << tekstWartosciSetup(nr_funkcji, i);
    return l;
}

void TFEdycjaParametru::przygotujEdytor()
{
    L_zakres->clear();
    ComboBox1->clear();
    IntEdit1->setMaxLength(4);
    for (QWidget *e : std::initializer_list<QWidget *>{IntEdit1, FloatEdit1, ComboBox1, min99})
        e->hide();
    QWidget *pokazany = nullptr;
    switch (edytorParametru(nr_funkcji)) {
    case TEdytorParametru::Calkowita:
        IntEdit1->setMaxLength(dlugoscParametru(nr_funkcji));
        IntEdit1->setMinValue(zakresMinEdytora());
        IntEdit1->setMaxValue(zakresMaxEdytora());
        IntEdit1->setValue(rekord);
        L_zakres->setText(tr("Zakres: %1 - %2").arg(IntEdit1->MinValue()).arg(IntEdit1->MaxValue()));
        pokazany = IntEdit1;
        break;
    case TEdytorParametru::Dziesietna: {
        const double min = zakresMinEdytora() / 10.0, max = zakresMaxEdytora() / 10.0;
        FloatEdit1->setMinValue(min);
        FloatEdit1->setMaxValue(max);
        FloatEdit1->setValue(rekord / 10.0);
        const QLocale l;
        L_zakres->setText(tr("Zakres: %1 - %2").arg(l.toString(min, 'f', 2), l.toString(max, 'f', 2)));
        pokazany = FloatEdit1;
        break;
    }
    case TEdytorParametru::MinutySekundy:
        czas_.pokaz();
        pokazany = min99;
        break;
    case TEdytorParametru::Lista:
        ComboBox1->addItems(pozycjeListy());
        ComboBox1->setCurrentIndex(rekord >= 0 && rekord < ComboBox1->count() ? rekord : -1);
        pokazany = ComboBox1;
        break;
    }
    pokazany->show();
    pokazany->setFocus();
    Label1->setText(nazwaParametruSetup(nr_funkcji).remove(QLatin1Char('\t')));
}

void TFEdycjaParametru::AktualizujDanePoEdycji()
{
    if (!IntEdit1->isHidden()) {
        // What leaving the box would correct.
        IntEdit1->setValue(IntEdit1->Value());
        rekord = IntEdit1->Value();
    } else if (!FloatEdit1->isHidden()) {
        FloatEdit1->setValue(FloatEdit1->Value());
        rekord = int32_t(std::clamp<qint64>(dziesiate(FloatEdit1->Value(), false), std::numeric_limits<int32_t>::min(),
                                            std::numeric_limits<int32_t>::max()));
    } else if (!min99->isHidden()) {
        czas_.przyjmij();
    } else if (ComboBox1->currentIndex() >= 0) {
        rekord = ComboBox1->currentIndex();
    }
}

bool edytujParametr(int n, bool zakres, int zakresMin, int zakresMax, int32_t &wartosc, int jezykId)
{
    return otworzEdytor<TFEdycjaParametru>(wartosc, jezykId, TFEdycjaParametru::Zwrot::OkIWynik,
                                           [&](TFEdycjaParametru &o) {
                                               o.nr_funkcji = n;
                                               o.zakres = zakres;
                                               o.zakresMin = zakresMin;
                                               o.zakresMax = zakresMax;
                                           });
}
