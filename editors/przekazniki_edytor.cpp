#include "przekazniki_edytor.h"

#include "edycja_liczb.h"
#include "komunikaty.h"
#include "nazwy.h"
#include "obrazki.h"
#include "przekazniki.h"
#include "przekazniki_definicja.h"
#include "przekazniki_transfer.h"
#include "przycisk_obrazka.h"
#include "wybierz_pozycje.h"
#include "wybor_ikony.h"

#include <QLineEdit>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

TFEditParPrzek::TFEditParPrzek(QWidget *parent)
    : TEdytorRekordu(Odczyt | Wyslanie | Otwarcie | Zapis, parent),
      panel(new TPanelDefinicji(TPanelDefinicji::Tryb::Edycja)), listaPomiarPoz(panel->listaPomiarPoz)
{
    setObjectName(QStringLiteral("TFEditParPrzek"));
    rozszerzenie = QStringLiteral("k3do1");
    anulowanieOdrzucaOdczyt = true;
    ileOdczytu = 2;
    sb_kopiuj = dodajNarzedzie(
        "sb_kopiuj", QIcon(obrazek(QStringLiteral("SCHOWEK"))), [] { return tr("Kopiuj ustawienia"); },
        [this] { but_kopiujClick(); });
    sb_gdzie = dodajNarzedzie(
        "sb_gdzie", ikonaGdzieUzyty(), [] { return tr("Gdzie użyty"); }, [this] { sb_gdzieClick(); });

    const TPolaSekcji<TPrzekaznik> &pola = polaPrzekaznikow();
    QGridLayout *uklad = ukladPol();
    LabelNr = new QLabel(obszar);
    LabelNr->setObjectName(QStringLiteral("LabelNr"));
    QFont duza = LabelNr->font();
    duza.setPointSize(duza.pointSize() + 6);
    duza.setBold(true);
    LabelNr->setFont(duza);
    uklad->addWidget(LabelNr, 0, 0, 1, 2);

    ed_nazwa = dodajPole<QLineEdit>(pola["Nazwa"], "ed_nazwa", uklad);
    ie_moc = qobject_cast<TIntEdit *>(utworzKontrolke(pola["moc"], obszar, jezykId));
    ie_moc->setObjectName(QStringLiteral("ie_moc"));
    auto *L_moc = new QLabel(obszar);
    L_moc->setObjectName(QStringLiteral("L_moc"));
    L_moc->setBuddy(ie_moc);
    tlumaczonaEtykieta(L_moc, [] { return tr("Moc urządzenia"); });
    const int wMoc = uklad->rowCount();
    uklad->addWidget(L_moc, wMoc, 0);
    uklad->addWidget(ie_moc, wMoc, 1);
    powiaz(ie_moc, pola["moc"]);
    co_koszt = dodajPole<QComboBox>(pola["koszt"], "co_koszt", uklad);

    auto *L_ikona = new QLabel(obszar);
    L_ikona->setObjectName(QStringLiteral("L_ikona"));
    tlumaczonaEtykieta(L_ikona, [] { return tr("Wybrana ikona"); });
    sb_ikona = new TPrzyciskObrazka(obszar);
    sb_ikona->setObjectName(QStringLiteral("sb_ikona"));
    sb_ikona->setFixedSize(52, 52);
    L_ikona->setBuddy(sb_ikona);
    uklad->addWidget(L_ikona, 0, 2, Qt::AlignHCenter | Qt::AlignBottom);
    uklad->addWidget(sb_ikona, 1, 2, 3, 1, Qt::AlignHCenter | Qt::AlignTop);
    powiaz(
        sb_ikona, [this] { pokazIkone(); }, [] {});
    connect(sb_ikona, &QAbstractButton::clicked, this, [this] { sb_ikonaClick(); });

    TabSet1 = new QTabBar(obszar);
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    for (int d = 1; d <= 4; ++d)
        TabSet1->addTab(QStringLiteral("DEF %1").arg(d));
    QFont tab = TabSet1->font();
    tab.setBold(true);
    TabSet1->setFont(tab);
    connect(TabSet1, &QTabBar::currentChanged, this, [this](int t) { TabSet1Change(t); });
    gb_definicja = new QGroupBox(obszar);
    gb_definicja->setObjectName(QStringLiteral("gb_definicja"));
    panel->setParent(gb_definicja);
    (new QVBoxLayout(gb_definicja))->addWidget(panel);
    connect(panel, &TPanelDefinicji::zmiana, this, [this] { modyfikacja(); });
    const int w = uklad->rowCount();
    uklad->addWidget(TabSet1, w, 0, 1, 3);
    uklad->addWidget(gb_definicja, w + 1, 0, 1, 3);
    uklad->setRowStretch(w + 1, 1);
    uklad->setColumnStretch(1, 1);
    uklad->setVerticalSpacing(4);
    resize(760, 700);
}

QString TFEditParPrzek::tytul() const { return tr("[DO] WYjście cyfrowe"); }

void TFEditParPrzek::jezykSekcji()
{
    TabSet1->setToolTip(tr("Wybierz definicję"));
    TabSet1->setAccessibleName(TabSet1->toolTip());
    sb_ikona->setToolTip(tr("Kliknij, aby zmienić ikonę"));
    sb_ikona->setAccessibleName(sb_ikona->toolTip());
    panel->jezykId = jezykId;
    panel->jezyk();
}

bool TFEditParPrzek::czytajRekord(TPrzekaznik &p)
{
    return pozycjePrzekaznikow.czytaj(p, przekaznikNr, daneSterownika);
}

bool TFEditParPrzek::wyslijRekord(const TPrzekaznik &p)
{
    return pozycjePrzekaznikow.wyslij(p, przekaznikNr, false, daneSterownika);
}

void TFEditParPrzek::poOtwarciu(TPrzekaznik &p) { p.nr = rekord.nr; }

void TFEditParPrzek::pokazIkone()
{
    const int32_t ikona = rekord.ikona;
    const QPixmap p = obrazek(QString::asprintf("R%2.2d_1", ikona));
    sb_ikona->setObraz(p);
    sb_ikona->setText(p.isNull() ? QString::number(ikona) : QString());
}

void TFEditParPrzek::ustawNumer(int nr)
{
    przekaznikNr = nr;
    LabelNr->setText(QString::asprintf("DO%d.%d", 1, nr));
}

void TFEditParPrzek::WypiszDefinicje(int d)
{
    Definicja = d;
    const TDefinicjaPrzekaznika definicja = rekord.parametry[d - 1];
    panel->WypiszDefinicje(definicja);
}

void TFEditParPrzek::WypiszDane()
{
    WypiszDefinicje(TabSet1->currentIndex() + 1);
    gb_definicja->setTitle(QString());
    TEdytorRekordu::WypiszDane();
}

void TFEditParPrzek::AktualizujDanePoEdycji()
{
    TEdytorRekordu::AktualizujDanePoEdycji();
    if (Definicja < 1 || Definicja > 4)
        return;
    TDefinicjaPrzekaznika d = rekord.parametry[Definicja - 1];
    if (QWidget *k = panel->AktualizujDefinicje(d))
        odrzucono(k);
    rekord.parametry[Definicja - 1] = d;
}

void TFEditParPrzek::TabSet1Change(int NewTab)
{
    if (!przyjmijDane()) {
        // The definition being edited stays on its tab.
        const QSignalBlocker cicho(TabSet1);
        TabSet1->setCurrentIndex(Definicja - 1);
        return;
    }
    WypiszDefinicje(NewTab + 1);
}

void TFEditParPrzek::sb_ikonaClick()
{
    const int ikona = wybierzIkone(jezykId);
    if (ikona < 0)
        return;
    rekord.ikona = ikona;
    pokazIkone();
    modyfikacja();
}

void TFEditParPrzek::but_kopiujClick()
{
    if (!pytanie(tr("Czy chcesz skopiować ustawnienia z definicji innego wyjścia?")))
        return;
    QStringList pozycje;
    for (int n = 1; n <= 32; ++n) {
        const TNazwa50char nazwa = lista[n - 1].nazwa;
        pozycje << QString::asprintf("DO1.%d", n) + QStringLiteral(" - ") + nazwa50NaTekst(nazwa);
    }
    int p = 0;
    if (!formaWybierzPozycje().PokazOkno(pozycje, p, jezykId) || p < 0 || p >= 32)
        return;
    // The output keeps its own number.
    const int32_t nr = rekord.nr;
    kopiujRekord(rekord, lista[p]);
    rekord.nr = nr;
    WypiszDane();
    modyfikacja();
}

void TFEditParPrzek::sb_gdzieClick() { pokazUzycieWyjscia(przekaznikNr, Definicja, jezykId); }

void TFEditParPrzek::but_wyslijClick()
{
    if (przyjmijDane())
        wyslijJeden([this] { return wyslijRekord(rekord); }, 1, QString(), false);
}

bool edytujPrzekaznik(const TPrzekaznikiArray &lista, TPrzekaznik &przekaznik, int jezykId)
{
    return otworzEdytor<TFEditParPrzek>(przekaznik, jezykId, TEdytorSekcji::Zwrot::OkIWynik, [&](TFEditParPrzek &o) {
        o.ustawNumer(przekaznik.nr);
        kopiujRekord(o.lista, lista);
    });
}
