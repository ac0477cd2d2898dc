#include "dodatki.h"

#include "dodatki_transfer.h"
#include "edycja_liczb.h"
#include "pomocnicze.h"
#include "raport.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr qint64 najmniejszaWartosc = -500, najwiekszaWartosc = 2000; // tenths

} // namespace

const TPolaSekcji<tdanedodatki> &polaDodatkow()
{
    using P = TPole<tdanedodatki>;
    static const TPolaSekcji<tdanedodatki> pola = [] {
        TPolaSekcji<tdanedodatki> t;
        for (const bool maks : {false, true})
            for (int i = 0; i < Tfdodatki::ileDodatkow; ++i) {
                P p = maks ? P::liczbowe(QStringLiteral("max%1").arg(i + 1),
                                         QT_TRANSLATE_NOOP("Tfdodatki", "Wartość max"), TRodzajPola::Dziesiate,
                                         DOSTEP_POLA(dodatki_max[i]), najmniejszaWartosc, najwiekszaWartosc)
                           : P::liczbowe(QStringLiteral("min%1").arg(i + 1),
                                         QT_TRANSLATE_NOOP("Tfdodatki", "Wartość min"), TRodzajPola::Dziesiate,
                                         DOSTEP_POLA(dodatki_min[i]), najmniejszaWartosc, najwiekszaWartosc);
                p.kontekst = "Tfdodatki";
                t.pola.push_back(std::move(p));
            }
        return t;
    }();
    return pola;
}

Tfdodatki::Tfdodatki(QWidget *parent) : TEdytorRekordu(Odczyt | Wyslanie | Drukowanie | Czyszczenie, parent)
{
    setObjectName(QStringLiteral("Tfdodatki"));
    // A read enables OK only through the boxes whose values it changes.
    odczytJestZmiana = false;

    auto *uklad = new QVBoxLayout(obszar);
    auto *ukladIle = new QHBoxLayout;
    L_ile = new QLabel(obszar);
    L_ile->setObjectName(QStringLiteral("L_ile"));
    se_ile = new QSpinBox(obszar);
    se_ile->setObjectName(QStringLiteral("se_ile"));
    se_ile->setRange(0, ileDodatkow);
    L_ile->setBuddy(se_ile);
    tlumaczonaEtykieta(L_ile, [] { return tr("Ilość aktywnych dodatków"); });
    ukladIle->addWidget(L_ile);
    ukladIle->addWidget(se_ile);
    ukladIle->addStretch();
    uklad->addLayout(ukladIle);

    auto *siatka = new QGridLayout;
    const TPolaSekcji<tdanedodatki> &pola = polaDodatkow();
    for (int i = 0; i < ileDodatkow; ++i) {
        auto *g = new QGroupBox(obszar);
        g->setObjectName(QStringLiteral("GroupBox%1").arg(i + 1));
        // A hidden addition keeps its place: the others do not move.
        QSizePolicy sp = g->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        g->setSizePolicy(sp);
        auto *ukladGrupy = new QGridLayout(g);
        const QByteArray nr = QByteArray::number(i + 1);
        flMinArray[size_t(i)] =
            dodajPole<TFloatEdit>(pola[QStringLiteral("min%1").arg(i + 1)], "fe" + nr + "_min", ukladGrupy);
        flMaxArray[size_t(i)] =
            dodajPole<TFloatEdit>(pola[QStringLiteral("max%1").arg(i + 1)], "fe" + nr + "_max", ukladGrupy);
        gpArray[size_t(i)] = g;
        siatka->addWidget(g, i / 4, i % 4);
    }
    uklad->addLayout(siatka);
    uklad->addStretch();

    powiaz(
        se_ile,
        [this] {
            se_ile->setValue(dodatki.iledodatki);
            pokazUkryjGroubBoxy(se_ile->value());
        },
        [this] { dodatki.iledodatki = uint8_t(se_ile->value()); });
    connect(se_ile, &QSpinBox::valueChanged, this, [this](int ile) {
        pokazUkryjGroubBoxy(ile);
        modyfikacja();
    });
}

QString Tfdodatki::tytul() const { return tr("Dodatki"); }

void Tfdodatki::jezykSekcji()
{
    const TPolaSekcji<tdanedodatki> &pola = polaDodatkow();
    for (int i = 0; i < ileDodatkow; ++i) {
        const QString grupa = tr("Dodatek") + QStringLiteral(" %1").arg(i + 1);
        gpArray[size_t(i)]->setTitle(grupa);
        flMinArray[size_t(i)]->setAccessibleName(grupa + QStringLiteral(": ") +
                                                 pola[QStringLiteral("min%1").arg(i + 1)].tytulTekstu());
        flMaxArray[size_t(i)]->setAccessibleName(grupa + QStringLiteral(": ") +
                                                 pola[QStringLiteral("max%1").arg(i + 1)].tytulTekstu());
    }
    se_ile->setAccessibleName(L_ile->text());
}

void Tfdodatki::pokazUkryjGroubBoxy(int ile)
{
    for (int i = 0; i < ileDodatkow; ++i)
        gpArray[size_t(i)]->setVisible(i + 1 <= ile);
}

bool Tfdodatki::czytajRekord(tdanedodatki &d) { return czytajDodatki(d, daneSterownika); }

bool Tfdodatki::wyslijRekord(const tdanedodatki &d) { return wyslijDodatki(d, false, daneSterownika); }

void Tfdodatki::sb_clsClick()
{
    if (!potwierdzCzyszczenie())
        return;
    se_ile->setValue(0);
    for (int i = 0; i < ileDodatkow; ++i) {
        flMinArray[size_t(i)]->setValue(0);
        flMaxArray[size_t(i)]->setValue(0);
    }
}

void Tfdodatki::przygotujDaneMemProj(TZbiorRaportu &memproj)
{
    memproj.wyczysc();
    const int ile = std::min(ileDodatkow, se_ile->value());
    for (int i = 1; i <= ile; ++i) {
        // Each box shows its value as it is stored: one decimal.
        const auto jakZapisana = [](TFloatEdit *e) {
            const qint64 w = dziesiate(e->Value(), false);
            e->setValue(double(w) / 10);
            return tekstDziesiatych(w);
        };
        const QString min = jakZapisana(flMinArray[size_t(i - 1)]);
        const QString max = jakZapisana(flMaxArray[size_t(i - 1)]);
        memproj.dodajWiersz({QString::number(i), min, max, QStringLiteral("D%1").arg(i)});
    }
}

// The count under the title, above the table of the additions.
void Tfdodatki::zbudujRaport(TRaport &r)
{
    r.dodajZbior(zbiorRaportu,
                 {QStringLiteral("lp"), QStringLiteral("min"), QStringLiteral("max"), QStringLiteral("nr_str")});
    szablonListy(r, zbiorRaportu,
                 {{QStringLiteral("nr"), QStringLiteral("nr_str"), 20, Qt::AlignCenter},
                  {QStringLiteral("min"), QStringLiteral("min"), 35, Qt::AlignRight | Qt::AlignVCenter},
                  {QStringLiteral("max"), QStringLiteral("max"), 35, Qt::AlignRight | Qt::AlignVCenter}});
    auto *naglowek = static_cast<TPasmo *>(r.znajdzObiekt(QStringLiteral("PageHeader1")));
    naglowek->wysokosc += 7;
    TTekstRaportu &h = naglowek->dodajTekst(QStringLiteral("h_ileAkt"), QRectF(0, 16, 60, 5));
    h.czcionka.setBold(true);
    naglowek->dodajTekst(QStringLiteral("MemoIle"), QRectF(60, 16, 20, 5));
}

QList<std::pair<const char *, QString>> Tfdodatki::tekstyRaportu() const
{
    return {{"MemoIle", QString::number(se_ile->value())},
            {"h_ileAkt", tr("Ilość aktywnych dodatków")},
            {"h_nr", tr("Nr")},
            {"h_min", tr("Min")},
            {"h_max", tr("Max")}};
}

void Tfdodatki::wypelnijRaport(TRaport &r) { przygotujDaneMemProj(*r.zbior(zbiorRaportu)); }

bool edytujDodatki(tdanedodatki &dodatki, int jezykId) { return otworzEdytor<Tfdodatki>(dodatki, jezykId); }
