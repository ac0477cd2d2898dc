#include "data_czas.h"

#include "dane_sterownika.h"
#include "komunikaty.h"
#include "lan.h"
#include "lan_polecenia.h"
#include "okna_narzedzi.h"
#include "operacja.h"
#include "polaczenie.h"
#include "powtorz.h"
#include "transport.h"
#include "zegar.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <cstdlib>

namespace {

constexpr double msDoby = 86400000.0;
constexpr qint64 piecMinutMs = 5 * 60 * 1000;
// The controller is set this far ahead of the PC: the time the command
// takes to get there [ms] (0.00003 day).
constexpr int wyprzedzenieUstawieniaMs = 2592;
constexpr int przerwaPrzedUstawieniemMs = 500;
constexpr int czasOdczytuMs = 350;

const QColor granatowy(0, 0, 128);

QString tekstCzasu(const QTime &t) { return t.toString(QStringLiteral("HH:mm:ss")); }

QString tekstDatyCzasu(const QDateTime &t)
{
    return QLocale().toString(t.date(), QLocale::ShortFormat) + QLatin1Char(' ') + tekstCzasu(t.time());
}

} // namespace

bool ustawZegarSterownika(bool cicho, const TUstawieniaSterownika &u, const QDateTime &czas)
{
    const int w = przezTransport(
        u, [&] { return powtorzZapiszCzas(czas, uint8_t(u.adresRS), u.ParametryTransmisji); },
        [&](TFormLan &lan) { return lan.make(1, &lanZapiszCzas, czas, u); });
    if (w != 0 && !cicho)
        pokazBlad(TFormDataCzas::tr("Brak komunikacji"));
    return w == 0;
}

bool czasRozniSiePonad5Min(const QDateTime &a, const QDateTime &b) { return std::llabs(a.msecsTo(b)) > piecMinutMs; }

QString tekstRoznicyCzasu(qint64 roznicaMs)
{
    // In days, as the controller's clock compares: more than about 1.47 s
    // and less than a day shows; 0.78 s is added before the seconds are cut.
    const double d = double(roznicaMs) / msDoby;
    if (std::fabs(d) >= 1.0 || std::fabs(d) <= 0.000017)
        return {};
    const auto ms = qint64(std::floor((std::fabs(d) + 0.000009) * msDoby));
    return (d > 0 ? QStringLiteral("+") : QStringLiteral("-")) + tekstCzasu(QTime(0, 0).addMSecs(int(ms)));
}

TFormDataCzas::TFormDataCzas(QWidget *parent) : QDialog(parent, flagiOknaNarzedzia())
{
    setObjectName(QStringLiteral("TFormDataCzas"));
    const auto etykieta = nowaEtykieta;
    QFont duza = font();
    duza.setPointSize(duza.pointSize() + 3);
    duza.setBold(true);

    // Two pages without tabs: waiting for the first reading, then the clocks.
    PageControl1 = new QStackedWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    l_wait = etykieta(TabSheet1, "l_wait");
    l_wait->setAlignment(Qt::AlignCenter);
    l_wait->setFont(duza);
    kolorTekstu(l_wait, granatowy);
    auto *strona1 = new QVBoxLayout(TabSheet1);
    strona1->addWidget(l_wait);
    PageControl1->addWidget(TabSheet1);

    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    L_pcdataczas = etykieta(TabSheet2, "L_pcdataczas");
    L_pcdt = etykieta(TabSheet2, "L_pcdt");
    L_pcdt->setFont(duza);
    kolorTekstu(L_pcdt, granatowy);
    L_dataczas = etykieta(TabSheet2, "L_dataczas");
    l_dt = etykieta(TabSheet2, "l_dt");
    l_dt->setFont(duza);
    L_diff = etykieta(TabSheet2, "L_diff");
    L_diff->setFont(duza);
    but_wyslij = nowyPrzycisk(TabSheet2, "but_wyslij");
    auto *strona2 = new QGridLayout(TabSheet2);
    strona2->setHorizontalSpacing(14);
    strona2->setColumnStretch(2, 1);
    strona2->addWidget(L_pcdataczas, 0, 0);
    strona2->addWidget(L_pcdt, 0, 1);
    strona2->addWidget(L_dataczas, 1, 0);
    strona2->addWidget(l_dt, 1, 1);
    strona2->addWidget(L_diff, 1, 2);
    strona2->addWidget(but_wyslij, 2, 1, Qt::AlignLeft);
    PageControl1->addWidget(TabSheet2);

    but_zamknij = new QPushButton(this);
    but_zamknij->setObjectName(QStringLiteral("but_zamknij"));
    but_zamknij->setDefault(true);

    auto *uklad = new QVBoxLayout(this);
    uklad->addWidget(PageControl1);
    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(but_zamknij);
    uklad->addLayout(przyciski);
    setFixedSize(500, 200);
    // Not while the clock is being set.
    wylaczanaPodczasOperacji({but_wyslij, but_zamknij});

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(odstepOdczytuMs);
    Timer1->setSingleShot(true);
    migotanie_ = new QTimer(this);
    migotanie_->setInterval(500);

    connect(Timer1, &QTimer::timeout, this, [this] {
        try {
            Timer1Timer();
        } catch (...) {
            // A failed reading shows as "****" at the next one.
        }
    });
    connect(but_wyslij, &QPushButton::clicked, this, [this] {
        try {
            but_wyslijClick();
        } catch (...) {
            // Nothing to tell: the next readings show the controller's clock.
        }
    });
    connect(but_zamknij, &QPushButton::clicked, this, &QDialog::reject);
    connect(migotanie_, &QTimer::timeout, this, [this] {
        const bool widoczny = l_wait->palette().color(QPalette::WindowText) != Qt::transparent;
        kolorTekstu(l_wait, widoczny ? QColor(Qt::transparent) : granatowy);
    });

    jezyk();
}

void TFormDataCzas::pokazOkno(int A_jezykId)
{
    przygotujOkno(A_jezykId);
    exec();
    Timer1->stop();
    migotanie_->stop();
}

void TFormDataCzas::przygotujOkno(int A_jezykId)
{
    jezykId = A_jezykId;
    jezyk();
    wezUstawieniaSterownika(DaneSterownika, false);
    DaneSterownika.ParametryTransmisji.ReadTotalTimeoutConstant = czasOdczytuMs;
    PageControl1->setCurrentWidget(TabSheet1);
    kolorTekstu(l_wait, granatowy);
    migotanie_->start();
    wyslijPoOdczycie_ = false;
    but_wyslij->setEnabled(true);
    Timer1->start();
}

void TFormDataCzas::jezyk()
{
    setWindowTitle(tr("Ustawienie daty i czasu"));
    L_pcdataczas->setText(tr("Data i czas komputera") + QStringLiteral(":"));
    L_dataczas->setText(tr("Data i czas sterownika") + QStringLiteral(":"));
    l_wait->setText(tr("Czekaj"));
    but_wyslij->setText(tr("Wyślij"));
    but_zamknij->setText(tr("Zamknij"));
}

void TFormDataCzas::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        jezyk();
    QDialog::changeEvent(e);
}

void TFormDataCzas::done(int r)
{
    // Not while the clock is being set; a reading ends on its own.
    if (oknoOperacji(this))
        return;
    Timer1->stop();
    migotanie_->stop();
    QDialog::done(r);
}

void TFormDataCzas::Timer1Timer()
{
    // A tick never nests in a reading or a setting of the clock.
    if (trwaOperacja(this))
        return;
    {
        // A reading in the background: a click meanwhile waits for its end.
        const TOperacja odczyt(this, TOperacja::Rodzaj::Tla);
        Timer1->stop();
        odczytaj();
        zegar().przetworzZdarzenia();
    }
    if (wyslijPoOdczycie_) {
        wyslijPoOdczycie_ = false;
        wyslij();
    } else if (isVisible()) {
        Timer1->start();
    }
}

void TFormDataCzas::odczytaj()
{
    TOdczyty o{};
    statusOk = czytajOdczyty(true, o, DaneSterownika, false);
    const QDateTime pc = teraz();
    L_diff->clear();
    if (statusOk) {
        odczyty = o;
        PageControl1->setCurrentWidget(TabSheet2);
        const QDateTime ctrl(QDate(o.rok, o.miesiac, o.dzien), QTime(o.godzina, o.minuta, o.sekunda));
        L_pcdt->setText(tekstDatyCzasu(pc));
        if (ctrl.isValid()) {
            l_dt->setText(tekstDatyCzasu(ctrl));
            L_diff->setText(tekstRoznicyCzasu(pc.msecsTo(ctrl)));
            kolorTekstu(l_dt, czasRozniSiePonad5Min(pc, ctrl) ? QColor(Qt::red) : QColor(0, 160, 0));
        } else {
            l_dt->setText(QStringLiteral("****"));
            kolorTekstu(l_dt, Qt::red);
        }
    } else {
        l_dt->setText(QStringLiteral("****"));
    }
}

void TFormDataCzas::but_wyslijClick()
{
    if (trwaOperacja(this))
        wyslijPoOdczycie_ = true;
    else
        wyslij();
}

void TFormDataCzas::wyslij()
{
    {
        const TOperacja ustawienie(this);
        Timer1->stop();
        czekajMs(przerwaPrzedUstawieniemMs);
        ustawZegarSterownika(true, DaneSterownika, teraz().addMSecs(wyprzedzenieUstawieniaMs));
    }
    if (isVisible())
        Timer1->start();
}
