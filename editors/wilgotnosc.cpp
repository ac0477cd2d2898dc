#include "wilgotnosc.h"

#include "edycja_czasu.h"
#include "edycja_liczb.h"
#include "enumeracje.h"
#include "kanaly.h"
#include "kontrolki_pol.h"
#include "panel_alarmu.h"
#include "pomocnicze.h"
#include "przekazniki32.h"
#include "raport.h"
#include "wilgotnosc_transfer.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

using W = Tkvor350wilgotnosc;

// "Wejście prądowe": the humidity comes from a measuring input.
constexpr int trybWejsciePradowe = 1;

} // namespace

const TPolaSekcji<W> &polaWilgotnosci()
{
    using P = TPole<W>;
    static const TPolaSekcji<W> pola = [] {
        TPolaSekcji<W> t("TfustawWilg",
                         {
                             P::wyliczenie("sposob_pomiaru", QT_TRANSLATE_NOOP("TfustawWilg", "Tryb pomiaru"),
                                           DOSTEP_POLA(sposob_pomiaru), zListy(listaPomiarWilgotnosci)),
                             P::liczbowe("numer_wejscia", QT_TRANSLATE_NOOP("TfustawWilg", "Kanał pomiarowy"),
                                         TRodzajPola::Calkowita, DOSTEP_POLA(numer_wejscia)),
                             P::liczbowe("max_zadana", QT_TRANSLATE_NOOP("TfustawWilg", "Wartość max"),
                                         TRodzajPola::Calkowita, DOSTEP_POLA(max_zadana), 0, 100),
                             P::liczbowe("min_zadana", QT_TRANSLATE_NOOP("TfustawWilg", "Wartość min"),
                                         TRodzajPola::Calkowita, DOSTEP_POLA(min_zadana), 0, 100),
                         });
        for (P &p : polaAlarmu<W>(
                 QStringLiteral("alarm"), [] { return QCoreApplication::translate("TfustawWilg", "Alarm"); },
                 &W::alarm))
            t.pola.push_back(std::move(p));
        return t;
    }();
    return pola;
}

TfustawWilg::TfustawWilg(QWidget *parent) : TEdytorRekordu(Odczyt | Wyslanie | Drukowanie | Czyszczenie, parent)
{
    setObjectName(QStringLiteral("TfustawWilg"));
    const TPolaSekcji<W> &pola = polaWilgotnosci();
    auto *uklad = new QVBoxLayout(obszar);
    auto *gora = new QHBoxLayout;
    uklad->addLayout(gora);
    const auto grupa = [&](QGroupBox *&g, const char *nazwa, std::function<QString()> tytul) {
        g = new QGroupBox(obszar);
        g->setObjectName(QString::fromLatin1(nazwa));
        tlumaczonyTytul(g, std::move(tytul));
        gora->addWidget(g, 0, Qt::AlignTop);
    };

    grupa(gb_tryb, "gb_tryb", [] { return tr("Tryb pomiaru"); });
    co_tryb = qobject_cast<QComboBox *>(utworzKontrolke(pola[QStringLiteral("sposob_pomiaru")], gb_tryb, jezykId));
    co_tryb->setObjectName(QStringLiteral("co_tryb"));
    (new QVBoxLayout(gb_tryb))->addWidget(co_tryb);
    powiaz(co_tryb, pola[QStringLiteral("sposob_pomiaru")]);
    connect(co_tryb, &QComboBox::currentIndexChanged, this, [this] { zmianaTrybu(); });

    // The channel: the item whose number is the stored one (none when no
    // item has it); no item keeps the stored number.
    grupa(gb_kanal, "gb_kanal", [] { return tr("Kanał pomiarowy"); });
    co_kanalPomiarowy = new QComboBox(gb_kanal);
    co_kanalPomiarowy->setObjectName(QStringLiteral("co_kanalPomiarowy"));
    QStringList podpisy;
    listaWejscAnalogowych(24, podpisy, listaPomiarPoz, false);
    co_kanalPomiarowy->addItems(podpisy);
    (new QVBoxLayout(gb_kanal))->addWidget(co_kanalPomiarowy);
    powiaz(
        co_kanalPomiarowy,
        [this] {
            co_kanalPomiarowy->setCurrentIndex(indeksTekstu(listaPomiarPoz, QString::number(rekord.numer_wejscia)));
        },
        [this] {
            rekord.numer_karty = 0;
            if (const int i = co_kanalPomiarowy->currentIndex(); i >= 0)
                rekord.numer_wejscia = uint8_t(liczbaZListy(listaPomiarPoz, i, 0));
        });

    grupa(gb_zadane, "gb_zadane", [] { return tr("Wartości zadane"); });
    auto *zadane = new QGridLayout(gb_zadane);
    const auto granica = [&](TIntEdit *&e, const char *pole, const char *nazwa, const char *etykieta,
                             std::function<QString()> tekst) {
        e = qobject_cast<TIntEdit *>(utworzKontrolke(pola[QString::fromLatin1(pole)], gb_zadane, jezykId));
        e->setObjectName(QString::fromLatin1(nazwa));
        auto *l = new QLabel(gb_zadane);
        l->setObjectName(QString::fromLatin1(etykieta));
        l->setBuddy(e);
        tlumaczonaEtykieta(l, std::move(tekst));
        const int w = zadane->rowCount();
        zadane->addWidget(l, w, 0);
        zadane->addWidget(e, w, 1);
        powiaz(e, pola[QString::fromLatin1(pole)]);
    };
    granica(ie_zMax, "max_zadana", "ie_zMax", "L_zMax", [] { return tr("Wartość max") + QLatin1Char(':'); });
    granica(ie_zMin, "min_zadana", "ie_zMin", "L_zMin", [] { return tr("Wartość min") + QLatin1Char(':'); });
    gora->addStretch();

    PageControl1 = new QTabWidget(obszar);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    uklad->addWidget(PageControl1, 1);
    TPanelAlarmu::Pola p = polaPaneluAlarmu(pola, QStringLiteral("alarm"), true);
    p.poOpoznieniu = QStringLiteral(" [mm:ss]:");
    p.poGranicy = QStringLiteral(":");
    const auto powiazPole = powiazaniaAlarmu(pola, rekord, [this](QWidget *k, auto &&...a) { powiaz(k, a...); });
    alarm =
        dodajZakladkeAlarmu(PageControl1, QStringLiteral("TS_alarm"), p, QStringLiteral("alarm"), jezykId, powiazPole);
    zmianaTrybu();
}

QString TfustawWilg::tytul() const { return tr("Ustawienia wilgotności"); }

void TfustawWilg::jezykSekcji()
{
    PageControl1->setTabText(0, tr("Alarm"));
    co_tryb->setAccessibleName(gb_tryb->title());
    co_kanalPomiarowy->setAccessibleName(gb_kanal->title());
    alarm->jezyk();
}

void TfustawWilg::ustawPrzekazniki(const TPrzekaznikiArray &przekazniki)
{
    alarm->przekazniki->ustawIkony(przekazniki);
}

void TfustawWilg::WypiszDane()
{
    TEdytorRekordu::WypiszDane();
    zmianaTrybu();
}

void TfustawWilg::zmianaTrybu() { gb_kanal->setVisible(co_tryb->currentIndex() == trybWejsciePradowe); }

bool TfustawWilg::czytajRekord(W &w) { return czytajWilgotnosc(w, daneSterownika); }

bool TfustawWilg::wyslijRekord(const W &w) { return wyslijWilgotnosc(w, false, daneSterownika); }

void TfustawWilg::sb_clsClick()
{
    if (!potwierdzCzyszczenie())
        return;
    co_tryb->setCurrentIndex(0);
    co_kanalPomiarowy->setCurrentIndex(0);
    ie_zMax->setValue(0);
    ie_zMin->setValue(0);
    alarm->co_status->setCurrentIndex(0);
    alarm->co_logika->setCurrentIndex(0);
    alarm->dt_opoznienie->setTimesek(0);
    alarm->fe_max->setValue(0);
    alarm->fe_min->setValue(0);
    alarm->przekazniki->cls();
    zmianaTrybu();
    modyfikacja();
}

// The page: the settings as labelled lines in one band over a one-row
// table, the relay states of the alarm under it.
void TfustawWilg::zbudujRaport(TRaport &raport)
{
    const qreal szerokosc = dodajNaglowekIStopke(raport);
    raport.dodajZbior(zbiorRaportu, {QStringLiteral("nr")});

    TPasmo &dane = raport.dodajPasmo(QStringLiteral("MasterData1"), TRodzajPasma::Dane, 76, zbiorRaportu);
    qreal y = 0;
    const auto linia = [&](const char *etykieta, const char *wartosc) {
        dane.dodajTekst(QString::fromLatin1(etykieta), QRectF(0, y, 60, 6));
        dane.dodajTekst(QString::fromLatin1(wartosc), QRectF(60, y, szerokosc - 60, 6)).czcionka.setBold(true);
        y += 6;
    };
    linia("l_lab_trybPomiaru", "l_trybPomiaru");
    linia("l_labKanalPomiarowy", "l_KanalPomiarowy");
    linia("l_labMax", "l_Max");
    linia("l_labMin", "l_Min");
    y += 2;
    TTekstRaportu &alarmNaglowek = dane.dodajTekst(QStringLiteral("h_alarm"), QRectF(0, y, szerokosc, 6));
    alarmNaglowek.czcionka.setBold(true);
    alarmNaglowek.czcionka.setPointSize(11);
    y += 7;
    linia("l_labStatusAlarmu", "l_StatusAlarmu");
    linia("l_labLogika", "l_Logika");
    linia("L_labOpoznienie", "L_Opoznienie");
    linia("L_labAlMax", "L_AlMax");
    linia("L_labAlMin", "L_AlMin");
    y += 2;
    dane.dodajTekst(QStringLiteral("c_stanWyjPrzek"), QRectF(0, y, szerokosc, 6)).czcionka.setBold(true);
    dodajPrzekaznikiRaportu(raport, dane);
}

QList<std::pair<const char *, QString>> TfustawWilg::tekstyRaportu() const
{
    const W &w = rekord;
    const vxt_alarm_konfiguracja_t a = w.alarm;
    const bool kanal = co_tryb->currentIndex() == trybWejsciePradowe;
    return {
        {"l_lab_trybPomiaru", tr("Tryb pomiaru")},
        {"l_trybPomiaru", co_tryb->currentText()},
        {"l_labKanalPomiarowy", kanal ? tr("Kanał pomiarowy") + QLatin1Char(':') : QString()},
        {"l_KanalPomiarowy", kanal ? co_kanalPomiarowy->currentText() : QString()},
        {"l_labMax", tr("Wartość max")},
        {"l_Max", QString::number(w.max_zadana)},
        {"l_labMin", tr("Wartość min")},
        {"l_Min", QString::number(w.min_zadana)},
        {"h_alarm", tr("Alarm")},
        {"l_labStatusAlarmu", QCoreApplication::translate("TPanelAlarmu", "Status alarmu")},
        {"l_StatusAlarmu", alarm->co_status->currentText()},
        {"l_labLogika", QCoreApplication::translate("TPanelAlarmu", "Logika przekaźników")},
        {"l_Logika", alarm->co_logika->currentText()},
        {"L_labOpoznienie", QCoreApplication::translate("TPanelAlarmu", "Opóźnienie alarmu")},
        {"L_Opoznienie", alarm->dt_opoznienie->text()},
        {"L_labAlMax", tr("Wartość max")},
        {"L_AlMax", tekstDziesiatych(a.warunek2)},
        {"L_labAlMin", tr("Wartość min")},
        {"L_AlMin", tekstDziesiatych(a.warunek1)},
        {"c_stanWyjPrzek", QCoreApplication::translate("TPanelAlarmu", "Stan wyjść przekaźnikowych")},
    };
}

// One row: item 32, whose relays the band prints.
void TfustawWilg::wypelnijRaport(TRaport &r)
{
    TZbiorRaportu &jeden = *r.zbior(zbiorRaportu);
    jeden.wyczysc();
    jeden.dodajWiersz({QStringLiteral("32")});
    dopiszPrzekazniki(przekaznikiRaportu(r), 32, 1,
                      polaWilgotnosci()[QStringLiteral("alarm_przekazniki")].stany(rekord));
}

bool edytujWilgotnosc(W &wilgotnosc, const TPrzekaznikiArray &przekazniki, int jezykId)
{
    return otworzEdytor<TfustawWilg>(wilgotnosc, jezykId, TfustawWilg::Zwrot::OkIWynik,
                                     [&](TfustawWilg &o) { o.ustawPrzekazniki(przekazniki); });
}
