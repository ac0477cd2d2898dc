#include "przekazniki_definicja.h"

#include "edycja_liczb.h"
#include "enumeracje.h"
#include "kanaly.h"
#include "kontrolki_pol.h"
#include "lista_rozwijana.h"
#include "obrazki.h"
#include "przycisk_obrazka.h"
#include "typy_wyjsc.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const char *const kontekst = "TPanelDefinicji";

QString tr_(const char *t) { return QCoreApplication::translate(kontekst, t); }

QStringList trybyWyzwalania(int)
{
    return {tr_(QT_TRANSLATE_NOOP("TPanelDefinicji", "Krok")), tr_(QT_TRANSLATE_NOOP("TPanelDefinicji", "Regulator"))};
}

// The bold navy group of the definition's parts.
QGroupBox *grupa(QWidget *rodzic, const char *nazwa)
{
    auto *g = new QGroupBox(rodzic);
    g->setObjectName(QString::fromLatin1(nazwa));
    QFont f = g->font();
    f.setBold(true);
    g->setFont(f);
    QPalette p = g->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 128));
    g->setPalette(p);
    return g;
}

// The children of a bold group keep the normal font.
void zwyklaCzcionka(QWidget *w, const QWidget *wzor)
{
    QFont f = wzor->font();
    f.setBold(false);
    w->setFont(f);
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, wzor->palette().color(QPalette::WindowText));
    w->setPalette(p);
}

void ustawKanalPomiarowy(QComboBox *c, const QStringList &numery, int kanal)
{
    c->setCurrentIndex(indeksTekstu(numery, QString::number(kanal)));
}

} // namespace

const TPolaSekcji<TDefinicjaPrzekaznika> &polaDefinicji()
{
    using P = TPole<TDefinicjaPrzekaznika>;
    using K = TRodzajPola;
    static const TPolaSekcji<TDefinicjaPrzekaznika> pola(
        kontekst, {
                      P::liczbowe("typczas_ta", QT_TRANSLATE_NOOP("TPanelDefinicji", "Ta"), K::Calkowita,
                                  DOSTEP_POLA(ta), 0, 10000),
                      P::liczbowe("typczas_tb", QT_TRANSLATE_NOOP("TPanelDefinicji", "Tb"), K::Calkowita,
                                  DOSTEP_POLA(tb), 0, 10000),
                      P::wyliczenie("trybWyzwalania", QT_TRANSLATE_NOOP("TPanelDefinicji", "Tryb wyzwalania"),
                                    DOSTEP_POLA(wyzwalanie), trybyWyzwalania),
                      P::wyliczenie("kanalZadany", QT_TRANSLATE_NOOP("TPanelDefinicji", "Kanał zadany"),
                                    DOSTEP_POLA(hist_zadany), zListy(listaZrodelZadanej)),
                      P::liczbowe("offset", QT_TRANSLATE_NOOP("TPanelDefinicji", "Offset"), K::Dziesiate,
                                  DOSTEP_POLA(offset), -500, 500),
                      P::liczbowe("okno", QT_TRANSLATE_NOOP("TPanelDefinicji", "Okno"), K::Dziesiate, DOSTEP_POLA(okno),
                                  -1000, 1000),
                      P::liczbowe("h_gorna", QT_TRANSLATE_NOOP("TPanelDefinicji", "Histereza górna"), K::Dziesiate,
                                  DOSTEP_POLA(hist_gorna), -1000, 1000),
                      P::liczbowe("h_dolna", QT_TRANSLATE_NOOP("TPanelDefinicji", "Histereza dolna"), K::Dziesiate,
                                  DOSTEP_POLA(hist_dolna), -1000, 1000),
                      P::wyliczenie("pid_typ", QT_TRANSLATE_NOOP("TPanelDefinicji", "Typ regulatora"),
                                    DOSTEP_POLA(pid.grzanie_chlodzenie), zListy(listaGrzanieChlodzenie)),
                      P::wyliczenie("pid_kanalZadany", QT_TRANSLATE_NOOP("TPanelDefinicji", "Kanał zadany"),
                                    DOSTEP_POLA(pid.zadany), zListy(listaZrodelZadanej)),
                      P::liczbowe("pid_k", QT_TRANSLATE_NOOP("TPanelDefinicji", "Xp [%]"), K::DziesiateObciete,
                                  DOSTEP_POLA(pid.k), 0, 10000),
                      P::liczbowe("pid_ti", QT_TRANSLATE_NOOP("TPanelDefinicji", "ti [s]"), K::Calkowita,
                                  DOSTEP_POLA(pid.ti), 0, 9999),
                      P::liczbowe("pid_td", QT_TRANSLATE_NOOP("TPanelDefinicji", "td [s]"), K::Calkowita,
                                  DOSTEP_POLA(pid.td), 0, 9999),
                      P::liczbowe("pid_tp", QT_TRANSLATE_NOOP("TPanelDefinicji", "tp [s]"), K::Calkowita,
                                  DOSTEP_POLA(pid.tp), 0, 9999),
                      P::liczbowe("pid_to", QT_TRANSLATE_NOOP("TPanelDefinicji", "to [s]"), K::Calkowita,
                                  DOSTEP_POLA(pid.tto), 0, 9999),
                  });
    return pola;
}

TPanelDefinicji::TPanelDefinicji(Tryb tryb, QWidget *parent) : QWidget(parent), tryb_(tryb)
{
    setObjectName(QStringLiteral("TPanelDefinicji"));
    const bool podglad = tryb == Tryb::Podglad;
    // A label in the current language: the viewer's own text or the
    // editor's.
    const auto etykieta = [this](QWidget *rodzic, const char *nazwa, std::function<QString()> tekst) {
        auto *l = new QLabel(rodzic);
        l->setObjectName(QString::fromLatin1(nazwa));
        l->setText(tekst());
        etykiety_.emplace_back(l, std::move(tekst));
        return l;
    };
    const auto zDwukropkiem = [podglad](const char *t) {
        return [podglad, t] { return tr_(t) + (podglad ? QStringLiteral(":") : QString()); };
    };

    // ---- Time mode ----
    gb_typCzasowy = grupa(this, "gb_typCzasowy");
    sb_typCzasowy = new TPrzyciskObrazka(gb_typCzasowy);
    sb_typCzasowy->setObjectName(QStringLiteral("sb_typCzasowy"));
    sb_typCzasowy->setFixedSize(150, 90 + 8 + 2 * sb_typCzasowy->fontMetrics().height() + 4);
    se_Ta = static_cast<QSpinBox *>(kontrolka("typczas_ta", "se_Ta", gb_typCzasowy, true));
    se_Tb = static_cast<QSpinBox *>(kontrolka("typczas_tb", "se_Tb", gb_typCzasowy, true));
    co_trybWyzwalania = static_cast<QComboBox *>(kontrolka("trybWyzwalania", "co_trybWyzwalania", gb_typCzasowy));
    L_Ta = etykieta(gb_typCzasowy, "L_Ta", [] { return tr_("Ta"); });
    L_Tb = etykieta(gb_typCzasowy, "L_Tb", [] { return tr_("Tb"); });
    L_trybWyzwalania = etykieta(gb_typCzasowy, "L_trybWyzwalania", [] { return tr_("Tryb wyzwalania"); });
    auto *czasy = new QGridLayout;
    czasy->addWidget(L_Ta, 0, 0);
    czasy->addWidget(se_Ta, 0, 1);
    czasy->addWidget(L_Tb, 1, 0);
    czasy->addWidget(se_Tb, 1, 1);
    czasy->addWidget(L_trybWyzwalania, 2, 0, 1, 2);
    czasy->addWidget(co_trybWyzwalania, 3, 0, 1, 2);
    czasy->setRowStretch(4, 1);
    czasy->setColumnStretch(2, 1);
    auto *ukladCzasu = new QHBoxLayout(gb_typCzasowy);
    ukladCzasu->addWidget(sb_typCzasowy, 0, Qt::AlignTop);
    ukladCzasu->addLayout(czasy);
    for (QWidget *w :
         {static_cast<QWidget *>(se_Ta), static_cast<QWidget *>(se_Tb), static_cast<QWidget *>(co_trybWyzwalania),
          static_cast<QWidget *>(L_Ta), static_cast<QWidget *>(L_Tb), static_cast<QWidget *>(L_trybWyzwalania),
          static_cast<QWidget *>(sb_typCzasowy)})
        zwyklaCzcionka(w, this);
    if (podglad) {
        co_trybWyzwalania->hide();
        L_trybWyzwalania->hide();
    }

    // ---- Regulator ----
    gb_regulator = grupa(this, "gb_regulator");
    sb_regulator = new TPrzyciskObrazka(gb_regulator);
    sb_regulator->setObjectName(QStringLiteral("sb_regulator"));
    sb_regulator->setFixedSize(sb_typCzasowy->size());
    zwyklaCzcionka(sb_regulator, this);
    auto *ukladRegulatora = new QVBoxLayout(gb_regulator);
    ukladRegulatora->addWidget(sb_regulator, 0, Qt::AlignTop | Qt::AlignHCenter);

    // ---- Regulator parameters ----
    gb_parametryRegulatora = grupa(this, "gb_parametryRegulatora");
    PageControl1 = new QStackedWidget(gb_parametryRegulatora);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    zwyklaCzcionka(PageControl1, this);
    (new QVBoxLayout(gb_parametryRegulatora))->addWidget(PageControl1);

    TS_Histereza = new QWidget(PageControl1);
    TS_Histereza->setObjectName(QStringLiteral("TS_Histereza"));
    co_regzw_kanalPomiarowy = new QComboBox(TS_Histereza);
    co_regzw_kanalPomiarowy->setObjectName(QStringLiteral("co_regzw_kanalPomiarowy"));
    co_regzw_kanalZadany = static_cast<QComboBox *>(kontrolka("kanalZadany", "co_regzw_kanalZadany", TS_Histereza));
    fe_hist_offset = static_cast<TFloatEdit *>(kontrolka("offset", "fe_hist_offset", TS_Histereza));
    fe_hist_okno = static_cast<TFloatEdit *>(kontrolka("okno", "fe_hist_okno", TS_Histereza));
    fe_hist_gorna = static_cast<TFloatEdit *>(kontrolka("h_gorna", "fe_hist_gorna", TS_Histereza));
    fe_hist_dolna = static_cast<TFloatEdit *>(kontrolka("h_dolna", "fe_hist_dolna", TS_Histereza));
    auto *hist = new QGridLayout(TS_Histereza);
    const std::vector<std::tuple<const char *, const char *, QWidget *>> wierszeHist = {
        {"L_regzw_kanalPomiarowy", QT_TRANSLATE_NOOP("TPanelDefinicji", "Kanał pomiarowy"), co_regzw_kanalPomiarowy},
        {"L_regzw_kanalZadany", QT_TRANSLATE_NOOP("TPanelDefinicji", "Kanał zadany"), co_regzw_kanalZadany},
        {"L_hist_offset", QT_TRANSLATE_NOOP("TPanelDefinicji", "Offset"), fe_hist_offset},
        {"L_hist_okno", QT_TRANSLATE_NOOP("TPanelDefinicji", "Okno"), fe_hist_okno},
        {"L_hist_gorna", QT_TRANSLATE_NOOP("TPanelDefinicji", "Histereza górna"), fe_hist_gorna},
        {"L_hist_dolna", QT_TRANSLATE_NOOP("TPanelDefinicji", "Histereza dolna"), fe_hist_dolna},
    };
    for (const auto &[nazwa, tekst, k] : wierszeHist) {
        const int w = hist->rowCount();
        hist->addWidget(etykieta(TS_Histereza, nazwa, zDwukropkiem(tekst)), w, 0);
        hist->addWidget(k, w, 1);
    }
    hist->setColumnStretch(2, 1);
    hist->setRowStretch(hist->rowCount(), 1);

    TS_pid = new QWidget(PageControl1);
    TS_pid->setObjectName(QStringLiteral("TS_pid"));
    co_pid_typ = static_cast<QComboBox *>(kontrolka("pid_typ", "co_pid_typ", TS_pid));
    co_pid_kanalPomiarowy = new QComboBox(TS_pid);
    co_pid_kanalPomiarowy->setObjectName(QStringLiteral("co_pid_kanalPomiarowy"));
    co_pid_kanalZadany = static_cast<QComboBox *>(kontrolka("pid_kanalZadany", "co_pid_kanalZadany", TS_pid));
    fe_pid_kp = static_cast<TFloatEdit *>(kontrolka("pid_k", "fe_pid_kp", TS_pid));
    ie_pid_ti = static_cast<TIntEdit *>(kontrolka("pid_ti", "ie_pid_ti", TS_pid));
    ie_pid_td = static_cast<TIntEdit *>(kontrolka("pid_td", "ie_pid_td", TS_pid));
    ie_pid_tp = static_cast<TIntEdit *>(kontrolka("pid_tp", "ie_pid_tp", TS_pid));
    ie_pid_to = static_cast<TIntEdit *>(kontrolka("pid_to", "ie_pid_to", TS_pid));
    // The PID rows: the editor's unit label with its explanation, or the
    // viewer's one label.
    struct WierszPid {
        const char *nazwa;
        QWidget *k;
        const char *edycja;
        const char *opis; // the explanation after "- "
        const char *podglad;
    };
    const std::vector<WierszPid> wierszePid = {
        {"L_pid_typ", co_pid_typ, QT_TRANSLATE_NOOP("TPanelDefinicji", "Typ regulatora"), nullptr,
         QT_TRANSLATE_NOOP("TPanelDefinicji", "Typ regulatora:")},
        {"L_pid_kanalPomiarowy", co_pid_kanalPomiarowy, QT_TRANSLATE_NOOP("TPanelDefinicji", "Kanał pomiarowy"),
         nullptr, QT_TRANSLATE_NOOP("TPanelDefinicji", "Kanał pomiarowy:")},
        {"L_pid_kanalZadany", co_pid_kanalZadany, QT_TRANSLATE_NOOP("TPanelDefinicji", "Kanał zadany"), nullptr,
         QT_TRANSLATE_NOOP("TPanelDefinicji", "Kanał zadany:")},
        {"L_pid_kp", fe_pid_kp, "Xp [%]", QT_TRANSLATE_NOOP("TPanelDefinicji", "zakres proporcjonalności"),
         QT_TRANSLATE_NOOP("TPanelDefinicji", "kp - Wzmocnienie:")},
        {"L_pid_ti", ie_pid_ti, "ti [s]", QT_TRANSLATE_NOOP("TPanelDefinicji", "czas całkowania (zdwojenia)"),
         QT_TRANSLATE_NOOP("TPanelDefinicji", "ti - Czas całkowania [s]:")},
        {"L_pid_td", ie_pid_td, "td [s]", QT_TRANSLATE_NOOP("TPanelDefinicji", "czas różniczkowania (wyprzedzenia)"),
         QT_TRANSLATE_NOOP("TPanelDefinicji", "td - Czas różniczkowania [s]:")},
        {"L_pid_tp", ie_pid_tp, "tp [s]", QT_TRANSLATE_NOOP("TPanelDefinicji", "czas próbkowania"),
         QT_TRANSLATE_NOOP("TPanelDefinicji", "tp - Częstotliwość próbkowania [s]:")},
        {"L_pid_to", ie_pid_to, "to [s]", QT_TRANSLATE_NOOP("TPanelDefinicji", "czas cyklu wyjścia cyfrowego"),
         QT_TRANSLATE_NOOP("TPanelDefinicji", "to - Okres impul. dla wyj. cyfr.[ms]:")},
    };
    auto *pid = new QGridLayout(TS_pid);
    for (const WierszPid &w : wierszePid) {
        const int r = pid->rowCount();
        const bool jednostka = !podglad && w.opis; // "Xp [%]": a unit label, the same in every language
        const char *tekst = podglad ? w.podglad : w.edycja;
        pid->addWidget(etykieta(TS_pid, w.nazwa,
                                [tekst, jednostka] { return jednostka ? QString::fromLatin1(tekst) : tr_(tekst); }),
                       r, 0);
        pid->addWidget(w.k, r, 1);
        if (jednostka) {
            const char *opis = w.opis;
            const bool xp = w.k == fe_pid_kp;
            pid->addWidget(etykieta(TS_pid, (QByteArray(w.nazwa) + "_opis").constData(),
                                    [opis, xp] {
                                        return QStringLiteral("- ") + tr_(opis) +
                                               (xp ? QStringLiteral(" Xp=(1/Kp)*100%") : QString());
                                    }),
                           r, 2);
        }
    }
    pid->setColumnStretch(2, 1);
    pid->setRowStretch(pid->rowCount(), 1);
    PageControl1->addWidget(TS_Histereza);
    PageControl1->addWidget(TS_pid);
    for (QComboBox *c : {co_regzw_kanalPomiarowy, co_pid_kanalPomiarowy}) {
        c->setMinimumWidth(180);
        connect(c, &QComboBox::currentIndexChanged, this, [this] { zmieniono(); });
    }
    for (QComboBox *c : {co_regzw_kanalZadany, co_pid_kanalZadany})
        c->setMinimumWidth(180);

    auto *uklad = new QGridLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(gb_typCzasowy, 0, 0);
    uklad->addWidget(gb_regulator, 0, 1);
    uklad->addWidget(gb_parametryRegulatora, 1, 0, 1, 2);
    uklad->setColumnStretch(0, 1);
    uklad->setRowStretch(2, 1);

    if (!podglad) {
        connect(sb_typCzasowy, &QAbstractButton::clicked, this, [this] { wybierzTypCzasowy(); });
        connect(sb_regulator, &QAbstractButton::clicked, this, [this] { wybierzRegulator(); });
    }
    jezyk();
    pokazTypCzasowy(0);
    pokazRegulator(0);
    pokazParametryRegulatora(0);
}

// A control of the field's kind, or a spin box over the field's range.
QWidget *TPanelDefinicji::kontrolka(const char *pole, const char *nazwa, QWidget *rodzic, bool pokretlo)
{
    const TPole<TDefinicjaPrzekaznika> &p = polaDefinicji()[QString::fromLatin1(pole)];
    QWidget *k;
    if (pokretlo) {
        auto *s = new QSpinBox(rodzic);
        s->setRange(int(p.min), int(p.max));
        connect(s, &QSpinBox::valueChanged, this, [this] { zmieniono(); });
        s->setMinimumWidth(90);
        k = s;
    } else {
        k = utworzKontrolke(p, rodzic, jezykId);
        naZmianeKontrolki(k, this, [this] { zmieniono(); });
    }
    k->setObjectName(QString::fromLatin1(nazwa));
    if (qobject_cast<TFloatEdit *>(k) || qobject_cast<TIntEdit *>(k))
        k->setMaximumWidth(100);
    wiazania_.push_back({k, &p});
    return k;
}

void TPanelDefinicji::zmieniono()
{
    if (!pokazuje_)
        emit zmiana();
}

int TPanelDefinicji::typCzasowy() const { return sb_typCzasowy->property("Tag").toInt(); }
int TPanelDefinicji::regulator() const { return sb_regulator->property("Tag").toInt(); }

void TPanelDefinicji::WypiszDefinicje(const TDefinicjaPrzekaznika &d)
{
    pokazuje_ = true;
    for (const Wiazanie &w : wiazania_) {
        const QVariant v = w.pole->doEdycji(d, {0, jezykId});
        if (auto *s = qobject_cast<QSpinBox *>(w.k))
            s->setValue(int(v.toLongLong()));
        else
            ustawWartoscKontrolki(w.k, *w.pole, v);
    }
    ustawKanalPomiarowy(co_regzw_kanalPomiarowy, listaPomiarPoz, d.hist_pomiarowy);
    ustawKanalPomiarowy(co_pid_kanalPomiarowy, listaPomiarPoz, d.pid.pomiarowy);
    pokazTypCzasowy(d.tryb);
    pokazRegulator(d.regulator);
    pokazParametryRegulatora(d.regulator);
    pokazuje_ = false;
}

QWidget *TPanelDefinicji::AktualizujDefinicje(TDefinicjaPrzekaznika &d) const
{
    d.tryb = typCzasowy();
    d.regulator = regulator();
    QWidget *odrzucona = nullptr;
    for (const Wiazanie &w : wiazania_) {
        const auto *s = qobject_cast<QSpinBox *>(w.k);
        if (!w.pole->zEdycji(d, s ? QVariant(qint64(s->value())) : wartoscKontrolki(w.k, *w.pole)) && !odrzucona)
            odrzucona = w.k;
    }
    const auto kanal = [this](const QComboBox *c, uint8_t &bajt) {
        const int i = c->currentIndex();
        if (i >= 0 && i < listaPomiarPoz.size())
            bajt = uint8_t(listaPomiarPoz[i].toInt());
    };
    uint8_t hist = d.hist_pomiarowy, pid = d.pid.pomiarowy;
    kanal(co_regzw_kanalPomiarowy, hist);
    kanal(co_pid_kanalPomiarowy, pid);
    d.hist_pomiarowy = hist;
    d.pid.pomiarowy = pid;
    return odrzucona;
}

void TPanelDefinicji::pokazTypCzasowy(int v)
{
    sb_typCzasowy->setProperty("Tag", v);
    sb_typCzasowy->setObraz(obrazek(QStringLiteral("TYP_CZASOWY_%1").arg(v)));
    sb_typCzasowy->setText(listaTrybPrzekaznika(v));
    sb_typCzasowy->setKolorTekstu(v <= 0 ? Qt::black : Qt::red);
    L_Ta->setVisible(v > 1);
    se_Ta->setVisible(v > 1);
    L_Tb->setVisible(v > 3);
    se_Tb->setVisible(v > 3);
    const bool wyzwalanie = tryb_ == Tryb::Edycja && v > 0;
    L_trybWyzwalania->setVisible(wyzwalanie);
    co_trybWyzwalania->setVisible(wyzwalanie);
}

void TPanelDefinicji::pokazRegulator(int r)
{
    sb_regulator->setProperty("Tag", r);
    sb_regulator->setObraz(obrazek(QStringLiteral("REGULATOR_%1").arg(r)));
    sb_regulator->setText(listaTypRegulatora(r));
    sb_regulator->setKolorTekstu(r <= 0 ? Qt::black : Qt::red);
    PageControl1->setCurrentWidget(r == 5 ? TS_pid : TS_Histereza);
    PageControl1->setVisible(r > 0);
}

void TPanelDefinicji::pokazParametryRegulatora(int r) { gb_parametryRegulatora->setVisible(r > 0); }

void TPanelDefinicji::wybierzTypCzasowy()
{
    int v = typCzasowy();
    if (!::wybierzTypCzasowy(v, jezykId))
        return;
    pokazTypCzasowy(v);
    emit zmiana();
}

void TPanelDefinicji::wybierzRegulator()
{
    int r = regulator();
    if (!wybierzTypRegulatora(r, jezykId))
        return;
    pokazRegulator(r);
    pokazParametryRegulatora(r);
    emit zmiana();
}

void TPanelDefinicji::jezyk()
{
    const bool podglad = tryb_ == Tryb::Podglad;
    const bool byl = pokazuje_;
    pokazuje_ = true;
    gb_typCzasowy->setTitle(QLatin1Char(' ') + tr_(QT_TRANSLATE_NOOP("TPanelDefinicji", "Typ czasowy")) +
                            QLatin1Char(' '));
    gb_regulator->setTitle(tr_(QT_TRANSLATE_NOOP("TPanelDefinicji", "Regulator")));
    const QString parametry = tr_(QT_TRANSLATE_NOOP("TPanelDefinicji", "Parametry regulatora"));
    gb_parametryRegulatora->setTitle(podglad ? QLatin1Char(' ') + parametry + QLatin1Char(' ') : parametry);
    const QString hint = podglad ? tr_(QT_TRANSLATE_NOOP("TPanelDefinicji", "Kliknij, aby wybrać typ"))
                                 : tr_(QT_TRANSLATE_NOOP("TPanelDefinicji", "Kliknij, aby wybrać"));
    sb_typCzasowy->setToolTip(hint);
    sb_regulator->setToolTip(podglad ? tr_(QT_TRANSLATE_NOOP("TPanelDefinicji", "Kliknij, aby wybrać regulator"))
                                     : hint);
    for (auto *b : {sb_typCzasowy, sb_regulator})
        b->setAccessibleName(b->toolTip());
    for (const auto &[l, tekst] : etykiety_)
        l->setText(tekst());
    for (const Wiazanie &w : wiazania_)
        if (auto *c = qobject_cast<QComboBox *>(w.k); c && w.pole->lista)
            zmienPozycje(c, w.pole->lista(jezykId));
    QStringList podpisy, numery;
    listaWejscAnalogowych(24, podpisy, numery, true);
    for (QComboBox *c : {co_regzw_kanalPomiarowy, co_pid_kanalPomiarowy})
        zmienPozycje(c, podpisy);
    listaPomiarPoz = numery;
    pokazTypCzasowy(typCzasowy());
    pokazRegulator(regulator());
    pokazuje_ = byl;
}

void TPanelDefinicji::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        jezyk();
    QWidget::changeEvent(e);
}
