#include "alarmy_do.h"

#include "alarmy_transfer.h"
#include "edycja_czasu.h"
#include "enumeracje.h"
#include "lista_rozwijana.h"
#include "zegar.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int ileAlarmowDO = 4;

} // namespace

TFormDO_Alarmy::TFormDO_Alarmy(QWidget *parent)
    : TEdytorRekordu(Odczyt | Wyslanie | Otwarcie | Zapis | Drukowanie | Czyszczenie, parent)
{
    setObjectName(QStringLiteral("TFormDO_Alarmy"));
    rozszerzenie = QStringLiteral("k3doa");
    ileOdczytu = 5;
    jedenBladPliku = true;
    wylaczNarzedzie(but_drukuj);

    auto *uklad = new QVBoxLayout(obszar);
    TabSet1 = new QTabBar(obszar);
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    TabSet1->setExpanding(false);
    TabSet1->setDrawBase(true);
    for (int i = 1; i <= ileAlarmowDO; ++i)
        TabSet1->addTab(QStringLiteral("   Fu %1   ").arg(i));
    uklad->addWidget(TabSet1);

    gb_status = new QGroupBox(obszar);
    gb_status->setObjectName(QStringLiteral("gb_status"));
    auto *ukladStatusu = new QVBoxLayout(gb_status);
    co_alarmStatus = new QComboBox(gb_status);
    co_alarmStatus->setObjectName(QStringLiteral("co_alarmStatus"));
    co_alarmStatus->addItems(listaReakcjaAlarmu());
    co_alarmStatus->setMinimumContentsLength(24);
    ukladStatusu->addWidget(co_alarmStatus);
    uklad->addWidget(gb_status);

    auto *ukladOpoznienia = new QHBoxLayout;
    L_opoznienie = new QLabel(obszar);
    L_opoznienie->setObjectName(QStringLiteral("L_opoznienie"));
    dt_alarmOpoznienie = new TMin99SecEdit(obszar);
    dt_alarmOpoznienie->setObjectName(QStringLiteral("dt_alarmOpoznienie"));
    dt_alarmOpoznienie->setMaxLength(5);
    dt_alarmOpoznienie->setFixedWidth(dt_alarmOpoznienie->fontMetrics().horizontalAdvance(QStringLiteral("000:000")) +
                                      16);
    L_opoznienie->setBuddy(dt_alarmOpoznienie);
    ukladOpoznienia->addWidget(L_opoznienie);
    ukladOpoznienia->addWidget(dt_alarmOpoznienie);
    ukladOpoznienia->addStretch();
    uklad->addLayout(ukladOpoznienia);
    uklad->addStretch();

    tlumaczonaEtykieta(L_opoznienie, [] { return tr("Opóźnienie alarmu") + QStringLiteral(" [mm:ss]"); });

    connect(TabSet1, &QTabBar::currentChanged, this, &TFormDO_Alarmy::TabSet1Change);
    const auto zmiana = [this] {
        if (!wypisywanie_)
            modyfikacja();
    };
    connect(co_alarmStatus, &QComboBox::activated, this, zmiana);
    connect(dt_alarmOpoznienie, &TMin99SecEdit::zmiana, this, zmiana);
    // The delay's two bytes are unsigned seconds.
    opoznienie_ = powiazanieOpoznienia(
        dt_alarmOpoznienie, [this] { return qint64(uint16_t(alarmy[alarmNumer - 1].opoznienie)); },
        [this](qint64 v) { alarmy[alarmNumer - 1].opoznienie = int16_t(uint16_t(v)); });
    wypiszDane(1);
}

QString TFormDO_Alarmy::tytul() const { return tr("[DO] WYjścia cyfrowe") + QStringLiteral(" - ") + tr("alarmy"); }

void TFormDO_Alarmy::jezykSekcji()
{
    TabSet1->setToolTip(tr("Wybierz definicję"));
    TabSet1->setAccessibleName(tr("Wybierz definicję"));
    gb_status->setTitle(tr("Status alarmu"));
    co_alarmStatus->setAccessibleName(tr("Status alarmu"));
    dt_alarmOpoznienie->setAccessibleName(L_opoznienie->text());
    // The items in the new language; the shown reaction stays and is no
    // change.
    zmienPozycje(co_alarmStatus, listaReakcjaAlarmu());
}

void TFormDO_Alarmy::wypiszDane(int n)
{
    if (n < 1 || n > ileAlarmowDO)
        return;
    alarmNumer = n;
    wypisywanie_ = true;
    const int status = alarmy[n - 1].status;
    co_alarmStatus->setCurrentIndex(status < co_alarmStatus->count() ? status : -1);
    opoznienie_.pokaz();
    wypisywanie_ = false;
}

void TFormDO_Alarmy::WypiszDane() { wypiszDane(TabSet1->currentIndex() + 1); }

void TFormDO_Alarmy::AktualizujDanePoEdycji()
{
    if (alarmNumer < 1 || alarmNumer > ileAlarmowDO)
        return;
    if (co_alarmStatus->currentIndex() >= 0)
        alarmy[alarmNumer - 1].status = uint8_t(co_alarmStatus->currentIndex());
    opoznienie_.przyjmij();
}

void TFormDO_Alarmy::TabSet1Change(int indeks)
{
    AktualizujDanePoEdycji();
    wypiszDane(indeks + 1);
}

bool TFormDO_Alarmy::czytajRekord(TAlarmyF1F4Array &a) { return czytajAlarmyDO(a, daneSterownika); }

void TFormDO_Alarmy::but_wyslijClick()
{
    AktualizujDanePoEdycji();
    wyslijJeden(
        [this] {
            const bool wyslane = wyslijAlarmyDO(alarmy, false, daneSterownika);
            zegar().przetworzZdarzenia();
            return wyslane && !anulowano();
        },
        1, QString());
}

void TFormDO_Alarmy::sb_clsClick()
{
    if (!potwierdzCzyszczenie())
        return;
    for (vxt_alarm_konfiguracja_t &a : alarmy) {
        a.status = 0;
        a.opoznienie = 0;
    }
    wypiszDane(alarmNumer);
    modyfikacja();
}

bool edytujAlarmyDO(TAlarmyF1F4Array &alarmy, int jezykId) { return otworzEdytor<TFormDO_Alarmy>(alarmy, jezykId); }
