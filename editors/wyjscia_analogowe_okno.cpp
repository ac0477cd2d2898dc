#include "wyjscia_analogowe_okno.h"

#include "edycja_liczb.h"
#include "komunikaty.h"
#include "nazwy.h"
#include "pole_nazwy.h"
#include "wyjscia_analogowe.h"

#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// A group box whose controls go into the grid it returns.
QGridLayout *grupa(QGroupBox *&g, const char *nazwa, QWidget *rodzic)
{
    g = new QGroupBox(rodzic);
    g->setObjectName(QString::fromLatin1(nazwa));
    return new QGridLayout(g);
}

} // namespace

TFkonfigwyjsc::TFkonfigwyjsc(QWidget *parent) : TEdytorRekordu(Przyciski(), parent)
{
    setObjectName(QStringLiteral("TFkonfigwyjsc"));
    const TPolaSekcji<TWyjscieAnalogowe> &pola = polaWyjscAnalogowych();

    auto *gora = new QGridLayout;
    LabelNr = etykietaNumeru(obszar, 1.2);
    LabelNr->setText(QStringLiteral("0"));
    gora->addWidget(LabelNr, 0, 0, 1, 2);

    ed_nazwa = new QLineEdit(obszar);
    ed_nazwa->setObjectName(QStringLiteral("ed_nazwa"));
    ograniczPisanie(ed_nazwa, 16);
    auto *L_nazwa = new QLabel(obszar);
    L_nazwa->setObjectName(QStringLiteral("L_nazwa"));
    L_nazwa->setBuddy(ed_nazwa);
    tlumaczonaEtykieta(L_nazwa, [] { return tr("Nazwa"); });
    gora->addWidget(L_nazwa, 1, 0);
    gora->addWidget(ed_nazwa, 1, 1);
    const TPole<TWyjscieAnalogowe> &nazwa = pola["Nazwa"];
    powiaz(
        ed_nazwa, [this, nazwa] { ed_nazwa->setText(przytnij(nazwa.tekstW(rekord, miejsce()))); },
        [this, nazwa] { nazwa.zEdycji(rekord, ed_nazwa->text()); });
    co_tryb = dodajPole<QComboBox>(pola["TypPracy"], "co_tryb", gora);
    gora->setColumnStretch(1, 1);

    QGridLayout *p = grupa(gb_parametry, "gb_parametry", obszar);
    co_typWyjscia = dodajPole<QComboBox>(pola["TypWyjStr"], "co_typWyjscia", p);
    ie_min = dodajPole<TFloatPrecEdit>(pola["wart04"], "ie_min", p);
    ie_max = dodajPole<TFloatPrecEdit>(pola["wart20"], "ie_max", p);
    const auto wartoscZadana = [](const char *stan) {
        return [stan] { return tr("Wartość zadana") + QStringLiteral(" - ") + tr(stan).toUpper(); };
    };
    ie_stop = dodajPole<TFloatPrecEdit>(pola["wartStop"], "ie_stop", p, wartoscZadana(QT_TR_NOOP("Zatrzymanie")));
    ie_astop = dodajPole<TFloatPrecEdit>(pola["wartAstop"], "ie_astop", p, wartoscZadana(QT_TR_NOOP("Stop")));
    ie_pauza = dodajPole<TFloatPrecEdit>(pola["wartPauza"], "ie_pauza", p, wartoscZadana(QT_TR_NOOP("Pauza")));
    ie_moc = dodajPole<TIntEdit>(pola["moc"], "ie_moc", p, [] { return tr("Moc") + QStringLiteral(" [W]"); });
    co_koszt = dodajPole<QComboBox>(pola["koszt"], "co_koszt", p);
    p->setRowStretch(p->rowCount(), 1);

    QGridLayout *z = grupa(gb_zadanaZadajnika, "gb_zadanaZadajnika", obszar);
    co_zadanaZadajnika = dodajPole<QComboBox>(pola["wartZadanaStr"], "co_zadanaZadajnika", z);
    z->setRowStretch(z->rowCount(), 1);

    QGridLayout *r = grupa(gb_pid, "gb_pid", obszar);
    co_pid_kanalPomiarowy = dodajPole<QComboBox>(pola["pid_kanalPomiarowy"], "co_pid_kanalPomiarowy", r);
    co_pid_zadana = dodajPole<QComboBox>(pola["pid_kanalZadany"], "co_pid_zadana", r);
    co_pid_GrzChl = dodajPole<QComboBox>(pola["pid_typ"], "co_pid_GrzChl", r);
    // The PID settings, each with what it means.
    const auto objasnienie = [this, r](const char *tekst, const char *dalej = "") {
        auto *l = new QLabel(obszar);
        tlumaczonaEtykieta(l, [tekst, dalej] { return QStringLiteral("- ") + tr(tekst) + QLatin1String(dalej); });
        r->addWidget(l, r->rowCount() - 1, 2);
    };
    fe_pid_k = dodajPole<TFloatPrecEdit>(pola["pid_k"], "fe_pid_k", r);
    objasnienie(QT_TR_NOOP("zakres proporcjonalności"), " Xp=(1/Kp)*100%");
    ie_pid_ti = dodajPole<TIntEdit>(pola["pid_ti"], "ie_pid_ti", r);
    objasnienie(QT_TR_NOOP("czas całkowania (zdwojenia)"));
    ie_pid_td = dodajPole<TIntEdit>(pola["pid_td"], "ie_pid_td", r);
    objasnienie(QT_TR_NOOP("czas różniczkowania (wyprzedzenia)"));
    fe_pid_tp = dodajPole<TIntEdit>(pola["pid_tp"], "fe_pid_tp", r);
    objasnienie(QT_TR_NOOP("czas próbkowania"));
    fe_pid_to = dodajPole<TIntEdit>(pola["pid_to"], "fe_pid_to", r);
    objasnienie(QT_TR_NOOP("czas cyklu wyjścia cyfrowego"));
    for (QWidget *w :
         {static_cast<QWidget *>(fe_pid_k), static_cast<QWidget *>(ie_pid_ti), static_cast<QWidget *>(ie_pid_td),
          static_cast<QWidget *>(fe_pid_tp), static_cast<QWidget *>(fe_pid_to)})
        w->setMaximumWidth(90);
    r->setColumnStretch(2, 1);
    r->setRowStretch(r->rowCount(), 1);

    QGridLayout *l = grupa(gb_liniowy, "gb_liniowy", obszar);
    co_liniowy_kanalPomiarowy = dodajPole<QComboBox>(pola["liniowy_kanalPomiarowy"], "co_liniowy_kanalPomiarowy", l);
    co_liniowy_zadana0 = dodajPole<QComboBox>(pola["liniowy_z0"], "co_liniowy_zadana0", l);
    co_liniowy_zadana20 = dodajPole<QComboBox>(pola["liniowy_z20"], "co_liniowy_zadana20", l);
    l->setRowStretch(l->rowCount(), 1);

    // The three mode groups share one place; the PID group, the largest,
    // and the parameters keep their room while hidden, so the window does
    // not change its size with the mode.
    auto *tryby = new QGridLayout;
    tryby->addWidget(gb_pid, 0, 0);
    tryby->addWidget(gb_zadanaZadajnika, 0, 0);
    tryby->addWidget(gb_liniowy, 0, 0);
    for (QGroupBox *g : {gb_pid, gb_parametry}) {
        QSizePolicy s = g->sizePolicy();
        s.setRetainSizeWhenHidden(true);
        g->setSizePolicy(s);
    }
    auto *dol = new QHBoxLayout;
    dol->addWidget(gb_parametry);
    dol->addLayout(tryby, 1);
    auto *uklad = new QVBoxLayout(obszar);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addLayout(gora);
    uklad->addLayout(dol, 1);

    connect(co_tryb, &QComboBox::currentIndexChanged, this, [this] { co_trybChange(); });
    for (TFloatPrecEdit *e : {ie_min, ie_max}) {
        connect(e, &EdycjaLiczby::zmiana, this, [this] { zmianaZakresu(); });
        connect(e, &QLineEdit::editingFinished, this, [this] {
            if (wypelnione_)
                poprawZakresy();
        });
    }
}

QString TFkonfigwyjsc::tytul() const { return tr("[AO] WYjście analogowe"); }

void TFkonfigwyjsc::jezykSekcji()
{
    gb_parametry->setTitle(tr("Parametry wyjścia"));
    gb_zadanaZadajnika->setTitle(tr("Zadajnik"));
    gb_pid->setTitle(tr("Regulator PID "));
    gb_liniowy->setTitle(tr("Regulator liniowy"));
}

void TFkonfigwyjsc::pokazDane()
{
    WypiszDane();
    co_trybChange();
}

void TFkonfigwyjsc::przedOtwarciem()
{
    wypelnione_ = true;
    poprawZakresy();
}

void TFkonfigwyjsc::co_trybChange()
{
    const int m = co_tryb->currentIndex();
    gb_pid->setVisible(m == 2);
    gb_parametry->setVisible(m > 0);
    gb_zadanaZadajnika->setVisible(m == 1);
    gb_liniowy->setVisible(m == 3);
}

void TFkonfigwyjsc::zmianaZakresu()
{
    if (wypelnione_ && !ie_min->hasFocus() && !ie_max->hasFocus())
        poprawZakresy();
}

std::array<qint64, 5> TFkonfigwyjsc::wartosciZakresu() const
{
    return {dziesiate(ie_min->Value(), true), dziesiate(ie_max->Value(), true), dziesiate(ie_stop->Value(), true),
            dziesiate(ie_astop->Value(), true), dziesiate(ie_pauza->Value(), true)};
}

void TFkonfigwyjsc::poprawZakresy()
{
    if (wPoprawce_)
        return;
    wPoprawce_ = true;
    const std::array<qint64, 5> przed = wartosciZakresu();
    // Each value is clamped into the new range only: bounds set one after
    // the other would clamp it into a range between the old and the new.
    for (TFloatPrecEdit *e : {ie_stop, ie_astop, ie_pauza}) {
        const QSignalBlocker cicho(e);
        const double v = e->Value();
        e->setMinValue(ie_min->Value());
        e->setMaxValue(ie_max->Value());
        e->setValue(v);
    }
    wPoprawce_ = false;
    if (wartosciZakresu() == przed)
        return;
    if (!byloOstrzezZakres) {
        byloOstrzezZakres = true;
        pokazInformacje(tr("Zmieniono wartości, które nie spełniały zakresu Min/Max!"));
    }
    modyfikacja();
}

void TFkonfigwyjsc::AktualizujDanePoEdycji()
{
    ed_nazwa->setFocus();
    const auto popraw = [](auto *e) {
        if (!e->text().isEmpty())
            e->setValue(e->Value());
    };
    popraw(ie_min);
    popraw(ie_max);
    poprawZakresy();
    for (TFloatEdit *e : findChildren<TFloatEdit *>())
        popraw(e);
    // The power's box keeps what was typed for its field's range check.
    for (TIntEdit *e : findChildren<TIntEdit *>())
        if (!qobject_cast<TEdycjaSprawdzana *>(e))
            popraw(e);
    TEdytorRekordu::AktualizujDanePoEdycji();
}

bool edytujWyjscieAnalogowe(TWyjscieAnalogowe &wyjscie, const QString &etykieta, int jezykId)
{
    return otworzEdytor<TFkonfigwyjsc>(wyjscie, jezykId, TFkonfigwyjsc::Zwrot::OkIWynik,
                                       [&](TFkonfigwyjsc &o) { o.LabelNr->setText(etykieta); });
}
