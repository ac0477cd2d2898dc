#include "ramka_odczyty.h"

#include "pomocnicze.h"
#include "zegar.h"

#include <QEvent>
#include <QLabel>
#include <QLocale>

#include <algorithm>
#include <cstdlib>

namespace {

const QColor zielony(0, 255, 0);
const QColor czerwony(255, 0, 0);
const QColor szary(128, 128, 128);
const QColor ciemnozielony(0, 128, 0);

constexpr int szerokosc = 566;
constexpr int wysokosc = 156;
constexpr int wysokoscNotki = 16;
constexpr int wysokoscWiersza = 32;
constexpr int odstepKolumn = 10;

void kolor(QLabel *l, const QColor &c)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

QLabel *etykieta(QWidget *rodzic, const char *nazwa, int pikseli, bool pogrubiona, Qt::Alignment wyrownanie)
{
    auto *l = new QLabel(rodzic);
    l->setObjectName(QString::fromLatin1(nazwa));
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(pikseli);
    f.setBold(pogrubiona);
    l->setFont(f);
    l->setAlignment(wyrownanie | Qt::AlignVCenter);
    return l;
}

} // namespace

TFrameBiezaceOdczyty::TFrameBiezaceOdczyty(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrameBiezaceOdczyty1"));
    resize(szerokosc, wysokosc);
    // No background of its own: the window's picture shows through.
    setAutoFillBackground(false);

    const auto podpis = [&](const char *nazwa) {
        QLabel *l = etykieta(this, nazwa, 21, false, Qt::AlignRight);
        kolor(l, ciemnozielony);
        return l;
    };
    const auto wartosc = [&](const char *nazwa) { return etykieta(this, nazwa, 21, true, Qt::AlignLeft); };
    LABEL_sterownik = podpis("LABEL_sterownik");
    l_nazwa = wartosc("l_nazwa");
    L_nazwaInfo = etykieta(this, "L_nazwaInfo", 13, true, Qt::AlignLeft);
    LABEL_wersja = podpis("LABEL_wersja");
    L_wersja = wartosc("L_wersja");
    L_wersjaInfo = etykieta(this, "L_wersjaInfo", 13, true, Qt::AlignRight);
    LABEL_DATA = podpis("LABEL_DATA");
    L_dt = wartosc("L_dt");
    LABEL_STAN = podpis("LABEL_STAN");
    L_info = wartosc("L_info");
    L_nazwaInfo->hide();
    L_wersjaInfo->hide();

    jezyk(jezykId);
    odswiezKolory();
    QWidget::hide();
}

QString TFrameBiezaceOdczyty::tekstWersjiSterownika(int n) { return tekstWersji(n); }

void TFrameBiezaceOdczyty::rozmiesc()
{
    // The caption column is as wide as its widest caption, so that no
    // language cuts one off; the values take the rest.
    int kolumna = 0;
    for (QLabel *l : {LABEL_sterownik, LABEL_wersja, LABEL_DATA, LABEL_STAN})
        kolumna = std::max(kolumna, l->fontMetrics().horizontalAdvance(l->text()));
    kolumna = std::clamp(kolumna + 4, 120, 280);
    const int x = kolumna + odstepKolumn;
    const int w = szerokosc - x;
    const int y0 = wysokoscNotki + 2;
    QLabel *const podpisy[] = {LABEL_sterownik, LABEL_wersja, LABEL_DATA, LABEL_STAN};
    QLabel *const wartosci[] = {l_nazwa, L_wersja, L_dt, L_info};
    for (int i = 0; i < 4; ++i) {
        podpisy[i]->setGeometry(0, y0 + i * wysokoscWiersza, kolumna, wysokoscWiersza);
        wartosci[i]->setGeometry(x, y0 + i * wysokoscWiersza, w, wysokoscWiersza);
    }
    L_nazwaInfo->setGeometry(x, 0, w, wysokoscNotki);
    // The note sits at the row's right end, after the version text.
    const int wersjaDo = x + L_wersja->fontMetrics().horizontalAdvance(L_wersja->text()) + odstepKolumn;
    const int notka = L_wersjaInfo->fontMetrics().horizontalAdvance(L_wersjaInfo->text()) + 4;
    const int lewa = std::max(wersjaDo, szerokosc - notka);
    L_wersjaInfo->setGeometry(lewa, y0 + wysokoscWiersza, szerokosc - lewa, wysokoscWiersza);
}

void TFrameBiezaceOdczyty::odswiezKolory()
{
    kolor(l_nazwa, FNieobslugiwane ? czerwony : zielony);
    if (FBlokadaTrans) {
        L_info->setText(tr("Blokada transmisji"));
        kolor(L_info, czerwony);
    } else {
        kolor(L_info, zielony);
    }
    kolor(L_wersja, FWersja < FWersjaOstatnia ? czerwony : zielony);
    kolor(L_dt, FdtBlad ? czerwony : zielony);
    kolor(L_wersjaInfo, zielony);
    kolor(L_nazwaInfo, zielony);
}

void TFrameBiezaceOdczyty::setHide(bool b)
{
    FHide = b;
    setVisible(!b);
}

void TFrameBiezaceOdczyty::setNieobslugiwane(bool b)
{
    FNieobslugiwane = b;
    L_nazwaInfo->setVisible(b);
    odswiezKolory();
}

void TFrameBiezaceOdczyty::setBlokadaTrans(bool b)
{
    const bool bylo = FBlokadaTrans;
    FBlokadaTrans = b;
    // The state text comes back when the lock goes off.
    if (bylo && !b)
        L_info->setText(informacja_);
    odswiezKolory();
}

void TFrameBiezaceOdczyty::setNazwa(const QString &tekst) { l_nazwa->setText(tekst); }

void TFrameBiezaceOdczyty::pokazWersje()
{
    QString t = tekstWersjiSterownika(FWersja);
    if (FWersjaProtokolu > 0)
        t += QStringLiteral(" (%1)").arg(FWersjaProtokolu);
    L_wersja->setText(t);
    rozmiesc();
}

QString TFrameBiezaceOdczyty::notkaWersji() const
{
    return tr("Dostępna wersja") + QStringLiteral(":") + tekstWersjiSterownika(FWersjaOstatnia);
}

void TFrameBiezaceOdczyty::setWersja(int n)
{
    if (n != FWersja) {
        FWersja = n;
        pokazWersje();
    }
    const bool starsza = FWersja < FWersjaOstatnia;
    L_wersjaInfo->setVisible(starsza);
    if (starsza) {
        L_wersjaInfo->setText(notkaWersji());
        rozmiesc();
    }
    odswiezKolory();
}

void TFrameBiezaceOdczyty::setWersjaProtokolu(int p)
{
    if (p != FWersjaProtokolu) {
        FWersjaProtokolu = p;
        pokazWersje();
    }
}

void TFrameBiezaceOdczyty::setWersjaOstatnia(int n)
{
    FWersjaOstatnia = n;
    setWersja(FWersja);
}

void TFrameBiezaceOdczyty::setInformacja(const QString &tekst)
{
    informacja_ = tekst;
    if (!FBlokadaTrans)
        L_info->setText(tekst);
}

void TFrameBiezaceOdczyty::setDataCzas(const QDateTime &t)
{
    if (!t.isValid()) {
        L_dt->setText(QStringLiteral("******"));
        FdtBlad = true;
    } else {
        const QLocale l;
        L_dt->setText(l.toString(t.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                      t.time().toString(QStringLiteral("HH:mm:ss")));
        FdtBlad = std::llabs(teraz().secsTo(t)) > maksymalnaRoznicaCzasuS;
    }
    odswiezKolory();
}

void TFrameBiezaceOdczyty::setActive(bool b)
{
    Factive = b;
    if (b) {
        odswiezKolory();
    } else {
        for (QLabel *l : {l_nazwa, L_wersja, L_dt, L_info, L_wersjaInfo, L_nazwaInfo})
            kolor(l, szary);
    }
    zegar().przetworzZdarzenia();
}

void TFrameBiezaceOdczyty::jezyk(int id)
{
    jezykId = id;
    LABEL_sterownik->setText(tr("Sterownik") + QStringLiteral(":"));
    LABEL_wersja->setText(tr("Wersja programu") + QStringLiteral(":"));
    LABEL_DATA->setText(tr("Data") + QStringLiteral(", ") + tr("Czas") + QStringLiteral(":"));
    LABEL_STAN->setText(tr("Stan") + QStringLiteral(":"));
    // The notes and the lock text follow the language at once; the state
    // text follows at the next reading.
    L_nazwaInfo->setText(tr("Nieobsługiwane urządzenie!!!"));
    if (FWersja < FWersjaOstatnia)
        L_wersjaInfo->setText(notkaWersji());
    if (FBlokadaTrans)
        L_info->setText(tr("Blokada transmisji"));
    rozmiesc();
}

void TFrameBiezaceOdczyty::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        jezyk(jezykId);
    QWidget::changeEvent(e);
}
