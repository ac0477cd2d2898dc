#include "zadane.h"

#include "edycja_liczb.h"
#include "zadane_transfer.h"

#include <QLabel>
#include <QLineEdit>

#include <cstring>

const TPolaSekcji<TKvor350zadana> &polaZadanych()
{
    using P = TPole<TKvor350zadana>;
    static const TPolaSekcji<TKvor350zadana> pola(
        "TFormZadane",
        {
            P::obliczone("nr_str", QT_TRANSLATE_NOOP("TFormZadane", "Nr"),
                         [](const auto &, const TMiejscePola &m) { return QStringLiteral("Z%1").arg(m.nr); })
                .kolumna(50, Qt::AlignCenter)
                .przycisk()
                .druk(QStringLiteral("nr"), 15),
            P::napis("Nazwa", QT_TRANSLATE_NOOP("TFormZadane", "Nazwa"), TRodzajPola::Nazwa50, DOSTEP_NAZWY50(nazwa),
                     15)
                .kolumna(169)
                .druk(QStringLiteral("nazwa"), 70),
            P::liczbowe("wartosc", QT_TRANSLATE_NOOP("TFormZadane", "Wartość"), TRodzajPola::Dziesiate,
                        DOSTEP_POLA(wartosc), -2000, 10000)
                .kolumna(87, Qt::AlignRight | Qt::AlignVCenter)
                .druk(QStringLiteral("wartosc"), 30),
        });
    return pola;
}

// Unlike other lists, the rebuild does not count as a change; an edit, a
// complete read and Clear do.
TFormZadane::TFormZadane(QWidget *parent)
    : TListaSekcji(Odczyt | Wyslanie | Edycja | Drukowanie | Czyszczenie, 10, parent)
{
    setObjectName(QStringLiteral("TFormZadane"));
    zbiorRaportu = QStringLiteral("frxDBDatasetZ");
    przebudowa = Przebudowa::BezZmiany;
    ustawPozycje(pozycjeZadanych);
    ustawPola(polaZadanych());
}

QString TFormZadane::tytul() const { return tr("Zadane"); }

bool TFormZadane::edytujJedna(TKvor350zadana &z, int nr)
{
    return edytujZadana(QStringLiteral("Z%1").arg(nr), z, jezykId);
}

void TFormZadane::but_wyslijClick()
{
    Petla p = petlaWysylania();
    p.tekst = tekstWysylania();
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

bool edytujZadane(TZadaneArray &zadane, int jezykId) { return otworzEdytor<TFormZadane>(zadane, jezykId); }

// ---- One setpoint ------------------------------------------------------------

Tfzadane::Tfzadane(QWidget *parent) : TEdytorRekordu(Przyciski(), parent)
{
    setObjectName(QStringLiteral("Tfzadane"));
    okBezZmian();
    L_tytulZadana = new QLabel(obszar);
    L_tytulZadana->setObjectName(QStringLiteral("L_tytulZadana"));
    L_zadana = new QLabel(obszar);
    L_zadana->setObjectName(QStringLiteral("L_zadana"));
    tlumaczonaEtykieta(L_tytulZadana, [] { return tr("Zadana"); });
    ukladPol()->addWidget(L_tytulZadana, 0, 0);
    ukladPol()->addWidget(L_zadana, 0, 1);
    const TPolaSekcji<TKvor350zadana> &pola = polaZadanych();
    ed_nazwa = dodajPole<QLineEdit>(pola["Nazwa"], "ed_nazwa");
    fe_wartosc = dodajPole<TFloatEdit>(pola["wartosc"], "fe_wartosc");
}

QString Tfzadane::tytul() const { return tr("Zadane"); }

void Tfzadane::AktualizujDanePoEdycji()
{
    std::memset(&rekord, 0, sizeof rekord);
    TEdytorRekordu::AktualizujDanePoEdycji();
}

bool edytujZadana(const QString &etykieta, TKvor350zadana &zadana, int jezykId)
{
    return otworzEdytor<Tfzadane>(zadana, jezykId, Tfzadane::Zwrot::OkIWynik,
                                  [&](Tfzadane &o) { o.L_zadana->setText(etykieta); });
}
