#include "zadane.h"

#include "edycja_liczb.h"
#include "nazwy.h"
#include "pole_nazwy.h"
#include "zadane_transfer.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <cstring>

TFormZadane::TFormZadane(QWidget *parent)
    : TEdytorListy(Odczyt | Wyslanie | Edycja | Drukowanie | Czyszczenie, {"Nazwa", "nr", "wartosc", "nr_str"},
                   {{"nr_str", 50, Qt::AlignCenter, true, -1, "nr", 15},
                    {"Nazwa", 169, Qt::AlignLeft | Qt::AlignVCenter, false, -1, "nazwa", 70},
                    {"wartosc", 87, Qt::AlignRight | Qt::AlignVCenter, false, 1, "wartosc", 30}},
                   parent)
{
    setObjectName(QStringLiteral("TFormZadane"));
    zbiorRaportu = QStringLiteral("frxDBDatasetZ");
}

QString TFormZadane::tytul() const { return tr("Zadane"); }

void TFormZadane::jezykSekcji() { memproj->ustawTytuly({tr("Nr"), tr("Nazwa"), tr("Wartość")}); }

// Unlike other lists, the rebuild does not count as a change.
void TFormZadane::memProjlistaTworz()
{
    QList<QVariantList> w;
    for (int nr = 1; nr <= 10; ++nr) {
        const TKvor350zadana &z = zadane[nr - 1];
        w.append({nazwa50NaTekst(z.nazwa), nr, z.wartosc / 10.0, QStringLiteral("Z%1").arg(nr)});
    }
    ustawWiersze(w, false);
}

void TFormZadane::edytujPozycje(int nr)
{
    if (edytujZadana(QStringLiteral("Z%1").arg(nr), zadane[nr - 1], jezykId))
        modyfikacja();
    memProjlistaTworz();
    przejdzDo(nr);
}

// A read that ends early keeps what it read without a rebuild.
void TFormZadane::but_odczytClick()
{
    Petla p;
    p.ile = 10;
    p.pozycja = [this](int i) { return czytajZadana(zadane[i - 1], i, daneSterownika); };
    if (czytajWszystko(p) == KoniecPetli::Calosc) {
        memProjlistaTworz();
        modyfikacja();
    }
}

void TFormZadane::but_wyslijClick()
{
    Petla p;
    p.ile = 10;
    p.tekst = tekstWysylania();
    p.pozycja = [this](int i) { return wyslijZadana(zadane[i - 1], i - 1, true, daneSterownika); };
    wyslijWszystko(p);
}

void TFormZadane::sb_clsClick()
{
    if (!potwierdzCzyszczenie())
        return;
    for (int i = 1; i <= 10; ++i) {
        tekstNaNazwe50(QStringLiteral("Z%1").arg(i), zadane[i - 1].nazwa);
        zadane[i - 1].wartosc = 0;
    }
    memProjlistaTworz();
    modyfikacja();
}

bool edytujZadane(TZadaneArray &zadane, int jezykId)
{
    TFormZadane okno(QApplication::activeWindow());
    return okno.edytuj(zadane, okno.zadane, jezykId);
}

// ---- One setpoint ------------------------------------------------------------

Tfzadane::Tfzadane(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tfzadane"));
    auto *u = new QGridLayout(this);
    const auto etykieta = [this](const char *nazwa) {
        auto *l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(nazwa));
        return l;
    };
    L_tytulZadana = etykieta("L_tytulZadana");
    L_zadana = etykieta("L_zadana");
    L_nazwa = etykieta("L_nazwa");
    L_wartosc = etykieta("L_wartosc");
    ed_nazwa = new QLineEdit(this);
    ed_nazwa->setObjectName(QStringLiteral("ed_nazwa"));
    ograniczPisanie(ed_nazwa, 15);
    fe_wartosc = new TFloatEdit(this);
    fe_wartosc->setObjectName(QStringLiteral("fe_wartosc"));
    fe_wartosc->setMinValue(-200.0);
    fe_wartosc->setMaxValue(1000.0);
    fe_wartosc->setIncludeBounds(true);
    but_ok = new QPushButton(this);
    but_ok->setObjectName(QStringLiteral("but_ok"));
    but_ok->setDefault(true);
    but_anuluj = new QPushButton(this);
    but_anuluj->setObjectName(QStringLiteral("but_anuluj"));
    u->addWidget(L_tytulZadana, 0, 0);
    u->addWidget(L_zadana, 0, 1);
    u->addWidget(L_nazwa, 1, 0);
    u->addWidget(ed_nazwa, 1, 1);
    u->addWidget(L_wartosc, 2, 0);
    u->addWidget(fe_wartosc, 2, 1);
    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(but_ok);
    przyciski->addWidget(but_anuluj);
    u->addLayout(przyciski, 3, 0, 1, 2);
    connect(but_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(but_anuluj, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfzadane::jezyk()
{
    setWindowTitle(tr("Zadane"));
    L_tytulZadana->setText(tr("Zadana"));
    L_nazwa->setText(tr("Nazwa"));
    L_wartosc->setText(tr("Wartość"));
    but_ok->setText(tr("OK"));
    but_anuluj->setText(tr("Anuluj"));
}

void Tfzadane::pokaz()
{
    fe_wartosc->setValue(zadana.wartosc / 10.0);
    ed_nazwa->setText(nazwa50NaTekst(zadana.nazwa));
}

void Tfzadane::przyjmij()
{
    const double v = std::clamp(fe_wartosc->Value(), fe_wartosc->MinValue(), fe_wartosc->MaxValue());
    std::memset(&zadana, 0, sizeof zadana);
    zadana.wartosc = int16_t(std::nearbyint(v * 10));
    tekstNaNazwe50(ed_nazwa->text(), zadana.nazwa);
}

bool edytujZadana(const QString &etykieta, TKvor350zadana &zadana, int jezykId)
{
    Tfzadane okno(QApplication::activeModalWidget());
    okno.jezykId = jezykId;
    okno.jezyk();
    okno.L_zadana->setText(etykieta);
    okno.zadana = zadana;
    okno.pokaz();
    if (okno.exec() != QDialog::Accepted)
        return false;
    okno.przyjmij();
    zadana = okno.zadana;
    return true;
}
