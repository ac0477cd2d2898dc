#include "krok.h"

#include "edycja_liczb.h"
#include "kroki.h"
#include "kroki_transfer.h"
#include "przekazniki32.h"
#include "przekazniki_projektu.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

TFStanPrzekaznikow::TFStanPrzekaznikow(QWidget *parent)
    : TEdytorRekordu(Odczyt | Wyslanie | Otwarcie | Zapis | Czyszczenie, parent)
{
    setObjectName(QStringLiteral("TFStanPrzekaznikow"));
    anulowanieOdrzucaOdczyt = true;
    ileOdczytu = ileWysylania = 2;
    const TPolaSekcji<TKrok> &pola = polaKrokow(false);

    // The step on the left, its relays on the right.
    auto *lewy = new QGridLayout;
    auto *prawy = new QGridLayout;
    ukladPol()->addLayout(lewy, 0, 0);
    ukladPol()->addLayout(prawy, 0, 1);

    LabelNr = etykietaNumeru(obszar, 1.6);
    lewy->addWidget(LabelNr, 0, 0, 1, 2);
    ed_nazwa = dodajPole<QLineEdit>(pola["nazwa"], "ed_nazwa", lewy);

    const auto grupa = [&](const char *nazwa, std::function<QString()> tytul) {
        auto *g = new QGroupBox(obszar);
        g->setObjectName(QString::fromLatin1(nazwa));
        tlumaczonyTytul(g, std::move(tytul));
        lewy->addWidget(g, lewy->rowCount(), 0, 1, 2);
        return new QGridLayout(g);
    };
    QGridLayout *warunek = grupa("gb_warunek", [] { return tr("Warunki końca kroku"); });
    co_warunek = dodajPole<QComboBox>(pola["warkon"], "co_warunek", warunek);
    QGridLayout *zadane = grupa("gb_zadane", [] { return tr("Zadane stałe dla kroku"); });
    TIntEdit **stale[] = {&IntEdit1, &IntEdit2, &IntEdit3, &IntEdit4};
    for (int i = 0; i < 4; ++i) {
        const QByteArray nazwa = "IntEdit" + QByteArray::number(i + 1);
        *stale[i] = dodajPole<TIntEdit>(pola[QStringLiteral("z%1").arg(i + 1)], nazwa.constData(), zadane);
    }
    lewy->setRowStretch(lewy->rowCount(), 1);

    przekazniki = dodajPole<TPrzekazniki32>(pola["przekazniki"], "przekazniki", prawy);
    proj_przekazniki = std::make_unique<TKopiaRobocza<TPrzekaznikiArray>>();
    przekaznikiProjektu(proj_przekazniki->r);
    LabelNr->setText(nazwaKroku(1, false));
    rozszerzenie = QStringLiteral("k3kr1");
}

void TFStanPrzekaznikow::ustawKrok(int nrMinus1, bool mycie, const TPrzekaznikiArray &wyjscia)
{
    Fix = nrMinus1;
    FMycie = mycie;
    nrPozycji = nrMinus1 + 1;
    proj_przekazniki = kopiaRobocza(wyjscia);
    przekazniki->ustawIkony(proj_przekazniki->r);
    LabelNr->setText(nazwaKroku(nrMinus1 + 1, mycie));
    rozszerzenie = mycie ? QStringLiteral("k3kr1m") : QStringLiteral("k3kr1");
    jezyk();
}

QString TFStanPrzekaznikow::tytul() const
{
    const QString parametry = tr("Parametry kroku");
    if (!FMycie)
        return parametry;
    const QString mycie = tr("Mycie");
    return mycie + QStringLiteral(" - ") + parametry + QLatin1Char(' ') + mycie;
}

bool TFStanPrzekaznikow::czytajRekord(TKrok &k) { return czytajKrok(k, Fix + 1, FMycie, daneSterownika); }

bool TFStanPrzekaznikow::wyslijRekord(const TKrok &k) { return wyslijKrok(k, Fix + 1, FMycie, daneSterownika, false); }

void TFStanPrzekaznikow::poOtwarciu(TKrok &k) { k.nr_kroku = rekord.nr_kroku; }

// The controls only: the record takes them at OK, a send or a save.
void TFStanPrzekaznikow::sb_clsClick()
{
    if (!potwierdzCzyszczenie())
        return;
    ed_nazwa->clear();
    co_warunek->setCurrentIndex(0);
    for (TIntEdit *e : {IntEdit1, IntEdit2, IntEdit3, IntEdit4})
        e->setValue(0);
    przekazniki->cls();
    modyfikacja();
}

bool edytujKrok(TKrok &krok, const TPrzekaznikiArray &wyjscia, int jezykId, int nrMinus1, bool mycie)
{
    return otworzEdytor<TFStanPrzekaznikow>(krok, jezykId, TFStanPrzekaznikow::Zwrot::OkIWynik,
                                            [&](TFStanPrzekaznikow &o) { o.ustawKrok(nrMinus1, mycie, wyjscia); });
}
