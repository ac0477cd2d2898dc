#include "typy_wyjsc.h"

#include "enumeracje.h"
#include "obrazki.h"
#include "okna_wspolne.h"
#include "przycisk_obrazka.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TTabelaTypow::TTabelaTypow(const QStringList &nazwy, int wKolumnie, const QString &obraz, QWidget *parent)
    : QDialog(parent)
{
    grupa_ = new QButtonGroup(this);
    grupa_->setExclusive(true);
    auto *siatka = new QGridLayout;
    siatka->setHorizontalSpacing(5);
    siatka->setVerticalSpacing(2);
    for (int v = 0; v < nazwy.size(); ++v) {
        auto *b = new TPrzyciskObrazka(this);
        b->setObjectName(nazwy[v]);
        b->setProperty("Tag", v);
        b->setCheckable(true);
        b->setObraz(obrazek(obraz.arg(v)));
        QFont f = b->font();
        f.setPointSizeF(f.pointSizeF() * 0.85);
        b->setFont(f);
        b->setFixedSize(150, 90 + 12 + 2 * b->fontMetrics().height());
        grupa_->addButton(b, v);
        przyciski.append(b);
        const int wiersz = 2 * (v / wKolumnie), kolumna = v % wKolumnie;
        if (v > 0) {
            auto *l = new QLabel(this);
            l->setObjectName(QStringLiteral("Label%1").arg(v));
            etykiety.append(l);
            siatka->addWidget(l, wiersz, kolumna, Qt::AlignHCenter | Qt::AlignBottom);
        }
        siatka->addWidget(b, wiersz + 1, kolumna);
        connect(b, &QAbstractButton::clicked, this, [this, v] { WybranoClick(v); });
    }
    for (int w = 2; w < siatka->rowCount(); w += 2)
        siatka->setRowMinimumHeight(w, 24);

    but_ok = new QPushButton(this);
    but_ok->setObjectName(QStringLiteral("but_ok"));
    but_ok->setAutoDefault(false);
    but_anuluj = new QPushButton(this);
    but_anuluj->setObjectName(QStringLiteral("but_anuluj"));
    but_anuluj->setAutoDefault(false);
    auto *dol = new QHBoxLayout;
    dol->addStretch();
    dol->addWidget(but_ok);
    dol->addWidget(but_anuluj);

    auto *uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(8, 8, 8, 8);
    uklad->addLayout(siatka);
    uklad->addSpacing(8);
    uklad->addLayout(dol);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    // Both only close: the value stays as it came.
    connect(but_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(but_anuluj, &QPushButton::clicked, this, &QDialog::reject);
}

void TTabelaTypow::jezyk()
{
    setWindowTitle(tytul());
    const QStringList t = teksty();
    for (int v = 0; v < przyciski.size(); ++v) {
        przyciski[v]->setText(t.value(v));
        przyciski[v]->setAccessibleName(t.value(v));
    }
    for (int i = 0; i < etykiety.size(); ++i)
        etykiety[i]->setText(etykieta() + QStringLiteral(" %1").arg(i + 1));
    but_ok->setText(tr("OK"));
    but_anuluj->setText(tr("Anuluj"));
}

void TTabelaTypow::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        jezyk();
    QDialog::changeEvent(e);
}

void TTabelaTypow::ustawIndeks(int v)
{
    indeks_ = v;
    if (QAbstractButton *b = grupa_->button(v))
        b->setChecked(true);
}

void TTabelaTypow::WybranoClick(int tag)
{
    wynik = true;
    indeks_ = tag;
    accept();
}

bool TTabelaTypow::wybierz(int &value)
{
    ustawIndeks(value);
    wynik = false;
    adjustSize();
    wysrodkuj(*this);
    exec();
    if (wynik)
        value = indeks_;
    return wynik;
}

// ---- Time modes --------------------------------------------------------------

TFTypPrzekTable::TFTypPrzekTable(QWidget *parent)
    : TTabelaTypow({"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton5", "SpeedButton7",
                    "SpeedButton8", "SpeedButton9"},
                   4, QStringLiteral("TYP_CZASOWY_%1"), parent)
{
    setObjectName(QStringLiteral("TFTypPrzekTable"));
    przyciski.front()->setChecked(true);
}

QString TFTypPrzekTable::tytul() const { return tr("Typ czasowy"); }
QString TFTypPrzekTable::etykieta() const { return tr("Typ czasowy"); }
QStringList TFTypPrzekTable::teksty() const { return listaTrybPrzekaznika(); }

bool wybierzTypCzasowy(int &value, int jezykId)
{
    TFTypPrzekTable okno(QApplication::activeModalWidget());
    okno.jezykId = jezykId;
    okno.jezyk();
    return okno.wybierz(value);
}

// ---- Regulator types -----------------------------------------------------------

TFTypReglerTable::TFTypReglerTable(QWidget *parent)
    : TTabelaTypow({"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton5", "SpeedButton7"}, 3,
                   QStringLiteral("REGULATOR_%1"), parent)
{
    setObjectName(QStringLiteral("TFTypReglerTable"));
}

QString TFTypReglerTable::tytul() const { return tr("Typ regulatora"); }
QString TFTypReglerTable::etykieta() const { return tr("Algortym"); }
QStringList TFTypReglerTable::teksty() const { return listaTypRegulatora(); }

bool wybierzTypRegulatora(int &value, int jezykId)
{
    TFTypReglerTable okno(QApplication::activeModalWidget());
    okno.jezykId = jezykId;
    okno.jezyk();
    return okno.wybierz(value);
}
