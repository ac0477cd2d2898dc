#include "tryb_specjalny.h"

#include "edycja_czasu.h"
#include "edycja_liczb.h"
#include "enumeracje.h"
#include "komunikaty.h"
#include "nazwy.h"
#include "przekazniki32.h"
#include "tryby_specjalne.h"
#include "tryby_specjalne_transfer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// List index of power loss, whose duration is hours and minutes.
constexpr int indeksZanikuZasilania = 2;
constexpr int ileStalych = 4;
constexpr int czasMin = -1, czasMax = 999;

} // namespace

TFEdycjastanSpec::TFEdycjastanSpec(QWidget *parent)
    : TEdytorRekordu(Odczyt | Wyslanie | Otwarcie | Zapis | Czyszczenie, parent)
{
    setObjectName(QStringLiteral("TFEdycjastanSpec"));
    const TPolaSekcji<TFunkcjaSpec> &pola = polaTrybowSpecjalnych();

    // The mode on the left, its relays on the right.
    auto *lewy = new QVBoxLayout;
    auto *prawy = new QGridLayout;
    ukladPol()->addLayout(lewy, 0, 0);
    ukladPol()->addLayout(prawy, 0, 1);

    LabelNr = etykietaNumeru(obszar, 1.6);
    lewy->addWidget(LabelNr);

    const auto grupa = [&](QGroupBox *&g, const char *nazwa, std::function<QString()> tytul) {
        g = new QGroupBox(obszar);
        g->setObjectName(QString::fromLatin1(nazwa));
        tlumaczonyTytul(g, std::move(tytul));
        lewy->addWidget(g);
        return new QGridLayout(g);
    };

    QGridLayout *nazwa = grupa(gb_nazwa, "gb_nazwa", [] { return tr("Nazwa"); });
    L_nazwa = new QLabel(gb_nazwa);
    L_nazwa->setObjectName(QStringLiteral("L_nazwa"));
    ed_nazwa = qobject_cast<QLineEdit *>(utworzKontrolke(pola["Nazwa"], gb_nazwa, jezykId));
    ed_nazwa->setObjectName(QStringLiteral("ed_nazwa"));
    nazwa->addWidget(L_nazwa, 0, 0);
    nazwa->addWidget(ed_nazwa, 1, 0);
    powiaz(
        ed_nazwa,
        [this] {
            if (nrTrybu < ileStalych)
                L_nazwa->setText(nazwaTrybu(rekord, nrTrybu + 1));
            else
                ed_nazwa->setText(nazwaTrybu(rekord, nrTrybu + 1));
        },
        [this] {
            if (nrTrybu >= ileStalych)
                rekord.nazwa = tekstNaNazwe50(ed_nazwa->text());
        });

    QGridLayout *czas = grupa(gb_czas, "gb_czas", [this] {
        return QLatin1Char(' ') + tr("Czas trwania") +
               (czasWGodzinach() ? QStringLiteral(" [hh:mm] ") : QStringLiteral(" [s] "));
    });
    ie_czasWylaczenia = new TIntEdit(gb_czas);
    ie_czasWylaczenia->setObjectName(QStringLiteral("ie_czasWylaczenia"));
    ie_czasWylaczenia->setMinValue(czasMin);
    ie_czasWylaczenia->setMaxValue(czasMax);
    cb_nieskonczonosc = new QCheckBox(gb_czas);
    cb_nieskonczonosc->setObjectName(QStringLiteral("cb_nieskonczonosc"));
    Min99SecEdit1 = new TMin99SecEdit(gb_czas);
    Min99SecEdit1->setObjectName(QStringLiteral("Min99SecEdit1"));
    Min99SecEdit1->setMaxLength(5);
    czas->addWidget(ie_czasWylaczenia, 0, 0);
    czas->addWidget(cb_nieskonczonosc, 0, 1);
    czas->addWidget(Min99SecEdit1, 1, 0);
    czasGodzin_ = powiazanieOpoznienia(
        Min99SecEdit1, [this] { return qint64(rekord.czas_wyl); }, [this](qint64 v) { rekord.czas_wyl = int32_t(v); });
    powiaz(
        Min99SecEdit1,
        [this] {
            if (czasWGodzinach()) {
                czasGodzin_.pokaz();
                return;
            }
            const int32_t c = rekord.czas_wyl;
            cb_nieskonczonosc->setChecked(c < 0);
            ie_czasWylaczenia->setValue(c);
        },
        [this] {
            if (czasWGodzinach())
                czasGodzin_.przyjmij();
            else
                rekord.czas_wyl = cb_nieskonczonosc->isChecked() ? -1 : ie_czasWylaczenia->wartoscWZakresie();
        });
    connect(ie_czasWylaczenia, &TIntEdit::zmiana, this, [this] {
        ograniczCzas();
        modyfikacja();
    });
    connect(cb_nieskonczonosc, &QCheckBox::toggled, this, [this](bool tak) {
        ie_czasWylaczenia->setVisible(!tak && !czasWGodzinach());
        if (!tak && ie_czasWylaczenia->Value() < 0)
            ie_czasWylaczenia->setValue(0);
    });
    connect(cb_nieskonczonosc, &QCheckBox::clicked, this, [this] { modyfikacja(); });

    QGridLayout *tryb = grupa(gb_trybWyzwalania, "gb_trybWyzwalania", [] { return tr("Tryb wyzwalania"); });
    co_tryb = dodajPole<QComboBox>(pola["Tryb"], "co_tryb", tryb);
    QGridLayout *logika = grupa(gb_logika, "gb_logika", [] { return tr("Logika przekaźników"); });
    co_logika = dodajPole<QComboBox>(pola["logika"], "co_logika", logika);
    lewy->addStretch();

    przekazniki = dodajPole<TPrzekazniki32>(pola["przekazniki"], "przekazniki", prawy);
    proj_przekazniki = std::make_unique<TKopiaRobocza<TPrzekaznikiArray>>();
    rozszerzenie = QStringLiteral("k3spec1");
    ustawTryb(0, nazwaFunkcjiSpecjalnej(1, true), proj_przekazniki->r);
}

void TFEdycjastanSpec::ustawTryb(int indeks, const QString &etykieta, const TPrzekaznikiArray &wyjscia)
{
    nrTrybu = indeks;
    nrPozycji = indeks + 1;
    LabelNr->setText(etykieta);
    proj_przekazniki = kopiaRobocza(wyjscia);
    przekazniki->ustawIkony(proj_przekazniki->r);
    const bool wolny = indeks >= ileStalych;
    gb_trybWyzwalania->setVisible(wolny);
    L_nazwa->setVisible(!wolny);
    ed_nazwa->setVisible(wolny);
    const bool godziny = czasWGodzinach();
    Min99SecEdit1->setVisible(godziny);
    cb_nieskonczonosc->setVisible(!godziny);
    ie_czasWylaczenia->setVisible(!godziny && !cb_nieskonczonosc->isChecked());
    jezyk();
}

bool TFEdycjastanSpec::czasWGodzinach() const { return nrTrybu == indeksZanikuZasilania; }

QString TFEdycjastanSpec::tytul() const { return tr("Tryb specjalny"); }

void TFEdycjastanSpec::jezykSekcji()
{
    cb_nieskonczonosc->setText(tr("nieskończoność"));
    // A fixed mode without a name of its own shows its long name.
    if (nrTrybu < ileStalych)
        L_nazwa->setText(nazwaTrybu(rekord, nrTrybu + 1));
    const QString czas = gb_czas->title().trimmed();
    ie_czasWylaczenia->setAccessibleName(czas);
    Min99SecEdit1->setAccessibleName(czas);
    ed_nazwa->setAccessibleName(gb_nazwa->title());
    co_tryb->setAccessibleName(gb_trybWyzwalania->title());
    co_logika->setAccessibleName(gb_logika->title());
}

void TFEdycjastanSpec::ograniczCzas()
{
    const int v = ie_czasWylaczenia->Value();
    if (v > czasMax) {
        ie_czasWylaczenia->setValue(czasMax);
        pokazOstrzezenie(tr("Wartość ograniczono do maksymalnej!"));
    } else if (v < czasMin) {
        ie_czasWylaczenia->setValue(czasMin);
        pokazOstrzezenie(tr("Wartość ograniczono do minmalnej!"));
    }
}

bool TFEdycjastanSpec::czytajRekord(TFunkcjaSpec &t) { return czytajTrybSpecjalny(t, nrTrybu, daneSterownika); }

bool TFEdycjastanSpec::wyslijRekord(const TFunkcjaSpec &t)
{
    return wyslijTrybSpecjalny(t, nrTrybu, false, daneSterownika);
}

void TFEdycjastanSpec::poOtwarciu(TFunkcjaSpec &t)
{
    t.nr_funkcji = rekord.nr_funkcji;
    t.nazwa = rekord.nazwa;
}

// The controls only: the record takes them at OK, a send or a save.
void TFEdycjastanSpec::sb_clsClick()
{
    if (!potwierdzCzyszczenie())
        return;
    czasGodzin_.ustaw(0);
    cb_nieskonczonosc->setChecked(false);
    ie_czasWylaczenia->setValue(0);
    co_logika->setCurrentIndex(0);
    co_tryb->setCurrentIndex(0);
    ed_nazwa->setText(nazwaFunkcjiSpecjalnej(nrTrybu + 1, false));
    przekazniki->cls();
    modyfikacja();
}

bool edytujTrybSpecjalny(TFunkcjaSpec &tryb, const QString &etykieta, const TPrzekaznikiArray &wyjscia, int jezykId)
{
    const int indeks = tryb.nr_funkcji;
    return otworzEdytor<TFEdycjastanSpec>(tryb, jezykId, TFEdycjastanSpec::Zwrot::OkIWynik,
                                          [&](TFEdycjastanSpec &o) { o.ustawTryb(indeks, etykieta, wyjscia); });
}
