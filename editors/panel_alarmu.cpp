#include "panel_alarmu.h"

#include "edycja_czasu.h"
#include "edycja_liczb.h"
#include "kontrolki_pol.h"
#include "przekazniki32.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

TPanelAlarmu::TPanelAlarmu(const Pola &pola, const QString &nazwa, int jezykId, QWidget *parent)
    : QWidget(parent), pola_(pola)
{
    setObjectName(QStringLiteral("panel_") + nazwa);
    auto *uklad = new QHBoxLayout(this);
    auto *lewa = new QVBoxLayout;
    uklad->addLayout(lewa);

    const auto grupa = [&](QGroupBox *&g, const char *n, QComboBox *&c, const TOpisPola &opis, const QString &nc) {
        g = new QGroupBox(this);
        g->setObjectName(QString::fromLatin1(n));
        c = qobject_cast<QComboBox *>(dodaj(opis, nc, jezykId));
        auto *u = new QVBoxLayout(g);
        u->addWidget(c);
        lewa->addWidget(g);
    };
    grupa(gb_status, "gb_status", co_status, pola.status, QStringLiteral("co_%1Status").arg(nazwa));
    grupa(gb_logikaPrzekaznikow, "gb_logikaPrzekaznikow", co_logika, pola.logika,
          QStringLiteral("co_%1Logika").arg(nazwa));

    auto *wartosci = new QGridLayout;
    lewa->addLayout(wartosci);
    const auto wiersz = [&](QLabel *&l, const char *nl, QWidget *k) {
        l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(nl));
        l->setBuddy(k);
        const int w = wartosci->rowCount();
        wartosci->addWidget(l, w, 0);
        wartosci->addWidget(k, w, 1);
    };
    dt_opoznienie =
        qobject_cast<TMin99SecEdit *>(dodaj(pola.opoznienie, QStringLiteral("dt_%1Opoznienie").arg(nazwa), jezykId));
    wiersz(L_opoznienie, "L_opoznienie", dt_opoznienie);
    if (pola.max) {
        fe_max = qobject_cast<TFloatEdit *>(dodaj(*pola.max, QStringLiteral("fe_%1_Max").arg(nazwa), jezykId));
        wiersz(L_max, "L_max", fe_max);
    }
    if (pola.min) {
        fe_min = qobject_cast<TFloatEdit *>(dodaj(*pola.min, QStringLiteral("fe_%1_Min").arg(nazwa), jezykId));
        wiersz(L_min, "L_min", fe_min);
        L_min->setVisible(!pola.minUkryte);
        fe_min->setVisible(!pola.minUkryte);
    }
    lewa->addStretch();

    przekazniki = qobject_cast<TPrzekazniki32 *>(dodaj(pola.przekazniki, QStringLiteral("przekaz_") + nazwa, jezykId));
    uklad->addWidget(przekazniki, 0, Qt::AlignTop);
    jezyk();
}

QWidget *TPanelAlarmu::dodaj(const TOpisPola &opis, const QString &nazwa, int jezykId)
{
    QWidget *k = utworzKontrolke(opis, this, jezykId);
    k->setObjectName(nazwa);
    kontrolki_.emplace_back(k, opis.nazwa);
    return k;
}

void TPanelAlarmu::jezyk()
{
    gb_status->setTitle(tr("Status alarmu"));
    gb_logikaPrzekaznikow->setTitle(tr("Logika przekaźników"));
    L_opoznienie->setText(tr("Opóźnienie alarmu") + pola_.poOpoznieniu);
    if (L_max)
        L_max->setText(tr("Wartość max") + pola_.poGranicy);
    if (L_min)
        L_min->setText(tr("Wartość min") + pola_.poGranicy);
    przekazniki->setTitle(tytulStanuWyjsc());
    // A drop-down list is named by its group.
    co_status->setAccessibleName(gb_status->title());
    co_logika->setAccessibleName(gb_logikaPrzekaznikow->title());
}

TPanelAlarmu *dodajZakladkeAlarmu(QTabWidget *zakladki, const QString &nazwaZakladki, const TPanelAlarmu::Pola &pola,
                                  const QString &nazwa, int jezykId,
                                  const std::function<void(QWidget *k, const QString &pole)> &powiaz)
{
    auto *zakladka = new QWidget;
    zakladka->setObjectName(nazwaZakladki);
    auto *panel = new TPanelAlarmu(pola, nazwa, jezykId, zakladka);
    (new QVBoxLayout(zakladka))->addWidget(panel);
    for (const auto &[k, pole] : panel->kontrolki())
        powiaz(k, pole);
    zakladki->addTab(zakladka, QString());
    return panel;
}

QString tytulStanuWyjsc()
{
    return QLatin1Char(' ') + QCoreApplication::translate("TPanelAlarmu", "Stan wyjść przekaźnikowych") +
           QLatin1Char(' ');
}
