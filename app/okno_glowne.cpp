#include "okno_glowne.h"

#include "edycja_liczb.h"
#include "etykieta_pliku.h"
#include "jezyk.h"
#include "komunikacja.h"
#include "komunikaty.h"
#include "odczyt_automatyczny.h"
#include "okna_narzedzi.h"
#include "operacja.h"
#include "polaczenie.h"
#include "porty.h"
#include "przycisk_plaski.h"
#include "sciezki.h"
#include "sprawdzenie_polaczenia.h"
#include "start.h"
#include "ustawienia_ini.h"
#include "ustawienia_okna.h"
#include "wersja.h"
#include "zegar.h"

#include <QAbstractItemView>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>
#include <iterator>

namespace {

const QColor kolorWeWy(20, 41, 65);
const QColor kolorUstawien(51, 105, 165);
const QColor kolorProgramow(40, 83, 130);
const QColor kolorMycia(64, 128, 128);
const QColor kolorUniesienia(138, 162, 215);
const QColor szary(128, 128, 128);

constexpr int szerokoscPrzycisku = 165;
constexpr int wysokoscPrzycisku = 35;

// The window's background: a dark gradient with the product's name.
class TloOkna : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(12, 20, 32));
        g.setColorAt(1, QColor(22, 38, 58));
        p.fillRect(rect(), g);
        p.setPen(QColor(60, 84, 116));
        p.drawLine(14, 150, width() - 14, 150);
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(64);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(255, 255, 255, 18));
        p.drawText(QRect(297, 380, 566, 200), Qt::AlignRight | Qt::AlignBottom, QStringLiteral("kVOR 350"));
    }
};

QLabel *etykieta(QWidget *rodzic, const char *nazwa, QRect r)
{
    auto *l = new QLabel(rodzic);
    l->setObjectName(QString::fromLatin1(nazwa));
    l->setGeometry(r);
    l->setStyleSheet(QStringLiteral("color: rgb(220, 226, 236);"));
    return l;
}

// A flat button that starts disabled, as the panel's buttons do until the
// first unlock.
TAOLButton *nowyPrzycisk(QWidget *rodzic, const char *nazwa, QRect r, const QColor &kolor, const QColor &uniesienie)
{
    auto *b = new TAOLButton(rodzic);
    b->setObjectName(QString::fromLatin1(nazwa));
    b->setGeometry(r);
    b->setColor(kolor);
    b->setRaiseColor(uniesienie);
    b->setEnab(false);
    b->setKolorCzcionki(szary);
    return b;
}

// The port list asks for fresh device names whenever it opens, so that an
// adapter plugged in meanwhile shows up.
class ListaPortow : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> przedOtwarciem;

    void showPopup() override
    {
        if (przedOtwarciem)
            przedOtwarciem();
        QComboBox::showPopup();
    }
};

} // namespace

TForm1::TForm1(QStringList argumenty, QWidget *parent) : QMainWindow(parent), argumenty_(std::move(argumenty))
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    auto *tlo = new TloOkna(this);
    tlo->setObjectName(QStringLiteral("tlo"));
    tlo->setFixedSize(877, 630);
    tlo->setMouseTracking(true);
    tlo->installEventFilter(this);
    setCentralWidget(tlo);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    zbudujPrzyciski(tlo);
    zbudujPolaczenie(tlo);

    Label1 = new TEtykietaPliku(tlo);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(14, 602, 849, 20);
    Label1->setStyleSheet(QStringLiteral("color: rgb(176, 188, 204);"));

    TimerStarter = new QTimer(this);
    TimerStarter->setInterval(2000);
    connect(TimerStarter, &QTimer::timeout, this, [this] { wykonajBezpiecznie([this] { TimerStarterTimer(); }); });
    TimerAutomat = new QTimer(this);
    TimerAutomat->setInterval(1000);
    connect(TimerAutomat, &QTimer::timeout, this, [this] { TimerAutomatTimer(); });
    Timer1 = new QTimer(this);
    Timer1->setInterval(4000);
    connect(Timer1, &QTimer::timeout, this, [this] { wykonajBezpiecznie([this] { Timer1Timer(); }); });
    zamknijPoWymianie_ = new QTimer(this);
    zamknijPoWymianie_->setInterval(50);
    connect(zamknijPoWymianie_, &QTimer::timeout, this, [this] {
        if (zajety())
            return;
        zamknijPoWymianie_->stop();
        close();
    });

    zbudujMenu();

    naPierwszymPlanie = [this] { return isVisible() && QApplication::activeWindow() == this; };
    CzytajAutomatycznie = [this] {
        wezUstawieniaSterownika(ustawieniaGlowne, true);
        odczytajAutomatycznie(*FrameBiezaceOdczyty1, ustawieniaGlowne, projekt.daneProjektu);
    };
    ustawRamkeAktywna = [this](bool b) { FrameBiezaceOdczyty1->setActive(b); };
    listaUrzadzen = [] { return RozwiazywaczPortow::urzadzeniaSystemu(); };

    // FormCreate
    FDlaIni = otworzUstawienia();
    projekt.blokuj = [this](bool b) { blokuj(b); };
    przyOperacji(this, [this](bool trwa) { blokuj(trwa); });
    projekt.pokazNazwe = [this](const QString &n) { Label1->setText(n); };
    projekt.nowyProjekt();
    const UstawieniaOkna zapisane = czytajUstawieniaOkna(*FDlaIni);
    cb_automat->setChecked(zapisane.autoRead);
    cb_automatClick();
    jezykId = zapisane.jezykId;
    jezyk();
    dostosujWersje();

    TimerStarter->start();

    adjustSize();
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}

TForm1::~TForm1() = default;

void TForm1::zbudujPrzyciski(QWidget *tlo)
{
    const auto przycisk = [&](const char *nazwa, int kolumna, int wiersz, const QColor &kolor) {
        auto *b = nowyPrzycisk(tlo, nazwa,
                               {14 + kolumna * (szerokoscPrzycisku + 6), 14 + wiersz * (wysokoscPrzycisku + 8),
                                szerokoscPrzycisku, wysokoscPrzycisku},
                               kolor, kolorUniesienia);
        b->setMouseTracking(true);
        b->installEventFilter(this);
        przyciskiSekcji_.append(b);
        return b;
    };
    AOL_Ai = przycisk("AOL_Ai", 0, 0, kolorWeWy);
    AOL_do = przycisk("AOL_do", 1, 0, kolorWeWy);
    AOL_Ao = przycisk("AOL_Ao", 2, 0, kolorWeWy);
    AOL_di = przycisk("AOL_di", 3, 0, kolorWeWy);
    aol_moduly = przycisk("aol_moduly", 4, 0, kolorWeWy);
    AOL_setup = przycisk("AOL_setup", 0, 1, kolorUstawien);
    AOL_zadane = przycisk("AOL_zadane", 1, 1, kolorUstawien);
    AOL_dodatki = przycisk("AOL_dodatki", 2, 1, kolorUstawien);
    AOL_wilgotnosc = przycisk("AOL_wilgotnosc", 3, 1, kolorUstawien);
    AOL_stany = przycisk("AOL_stany", 4, 1, kolorUstawien);
    AOL_kroki = przycisk("AOL_kroki", 0, 2, kolorProgramow);
    AOL_programy = przycisk("AOL_programy", 1, 2, kolorProgramow);
    AOL_krokiMycia = przycisk("AOL_krokiMycia", 2, 2, kolorMycia);
    AOL_programMycia = przycisk("AOL_programMycia", 3, 2, kolorMycia);
    AOL_mycieUstaw = przycisk("AOL_mycieUstaw", 4, 2, kolorMycia);

    // The digital-output items, shown under "[DO]" over the next row.
    itemsPanel = new QWidget(tlo);
    itemsPanel->setObjectName(QStringLiteral("itemsPanel"));
    itemsPanel->setAttribute(Qt::WA_StyledBackground);
    itemsPanel->setStyleSheet(
        QStringLiteral("#itemsPanel { background: rgb(12, 20, 32); border: 1px solid rgb(138, 162, 215); }"));
    itemsPanel->setGeometry(AOL_do->x(), AOL_do->y() + wysokoscPrzycisku + 2, szerokoscPrzycisku, 72);
    itemsPanel->setMouseTracking(true);
    itemsPanel->installEventFilter(this);
    const auto pozycja = [&](const char *nazwa, int y) {
        auto *b = nowyPrzycisk(itemsPanel, nazwa, {4, y, szerokoscPrzycisku - 8, 30}, kolorWeWy, kolorUniesienia);
        b->setMouseTracking(true);
        b->installEventFilter(this);
        return b;
    };
    itemKonfiguracja = pozycja("itemKonfiguracja", 4);
    itemAlarmy = pozycja("itemAlarmy", 38);
    itemsPanel->hide();

    podlacz(AOL_do, [this] { AOL_doClick(); });
}

void TForm1::zbudujPolaczenie(QWidget *tlo)
{
    pg_transmisjaRodzaj = new QTabWidget(tlo);
    pg_transmisjaRodzaj->setObjectName(QStringLiteral("pg_transmisjaRodzaj"));
    pg_transmisjaRodzaj->setGeometry(14, 164, 270, 206);
    // Tabs drawn as flat buttons.
    pg_transmisjaRodzaj->setStyleSheet(QStringLiteral(
        "QTabWidget::pane { border: 1px solid rgb(60, 84, 116); background: rgba(255, 255, 255, 10); top: -1px; }"
        "QTabBar { qproperty-drawBase: 0; }"
        "QTabBar::tab { background: rgb(40, 83, 130); color: rgb(200, 208, 220); font-weight: bold;"
        " border: 1px solid black; padding: 5px 18px; margin-right: 6px; margin-bottom: 6px; }"
        "QTabBar::tab:selected { background: rgb(51, 105, 165); color: white;"
        " border-left: 2px solid rgb(138, 162, 215); border-top: 2px solid rgb(138, 162, 215); }"));

    TS_rs = new QWidget;
    TS_rs->setObjectName(QStringLiteral("TS_rs"));
    L_com = etykieta(TS_rs, "L_com", {12, 10, 240, 18});
    auto *porty = new ListaPortow(TS_rs);
    porty->przedOtwarciem = [this] { wykonajBezpiecznie([this] { odswiezPorty(); }); };
    ComboBoxPort = porty;
    ComboBoxPort->setObjectName(QStringLiteral("ComboBoxPort"));
    ComboBoxPort->setGeometry(12, 30, 244, 26);
    ComboBoxPort->setMaxVisibleItems(16);
    ComboBoxPort->view()->setTextElideMode(Qt::ElideMiddle);
    for (int n = 1; n <= 255; ++n)
        ComboBoxPort->addItem(QStringLiteral("COM%1").arg(n));
    ComboBoxPort->setCurrentIndex(-1);
    L_adres = etykieta(TS_rs, "L_adres", {12, 62, 240, 18});
    IntEditAdres = new TIntEdit(TS_rs);
    IntEditAdres->setObjectName(QStringLiteral("IntEditAdres"));
    IntEditAdres->setGeometry(12, 82, 130, 26);
    IntEditAdres->setMaxValue(najwyzszyAdresRs);
    IntEditAdres->setIncrement(1);
    IntEditAdres->setValue(1);
    L_predkosc = etykieta(TS_rs, "L_predkosc", {12, 114, 240, 18});
    ComboBoxPredkosc = new QComboBox(TS_rs);
    ComboBoxPredkosc->setObjectName(QStringLiteral("ComboBoxPredkosc"));
    ComboBoxPredkosc->setGeometry(12, 134, 130, 26);
    for (const int kod : kodyPredkosciOkna)
        ComboBoxPredkosc->addItem(QString::number(predkoscZKodu(kod)));
    ComboBoxPredkosc->setCurrentIndex(2);

    TS_eth = new QWidget;
    TS_eth->setObjectName(QStringLiteral("TS_eth"));
    L_numerSeryjny = etykieta(TS_eth, "L_numerSeryjny", {12, 10, 240, 18});
    se_numerSeryjny = new QSpinBox(TS_eth);
    se_numerSeryjny->setObjectName(QStringLiteral("se_numerSeryjny"));
    se_numerSeryjny->setGeometry(12, 30, 130, 26);
    se_numerSeryjny->setRange(0, 999999999);
    L_adresIp = etykieta(TS_eth, "L_adresIp", {12, 62, 240, 18});
    adresIp = new QLineEdit(TS_eth);
    adresIp->setObjectName(QStringLiteral("adresIp"));
    adresIp->setGeometry(12, 82, 130, 26);
    const QString oktet = QStringLiteral("(25[0-5]|2[0-4]\\d|1\\d\\d|[1-9]?\\d)");
    adresIp->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^(%1\\.){3}%1$").arg(oktet)), adresIp));
    adresIp->setText(QStringLiteral("0.0.0.0"));

    pg_transmisjaRodzaj->addTab(TS_rs, QStringLiteral("RS-485"));
    pg_transmisjaRodzaj->addTab(TS_eth, QStringLiteral("TCP/IP"));

    Aol_Test =
        nowyPrzycisk(tlo, "Aol_Test", {14, 384, 162, wysokoscPrzycisku}, QColor(128, 128, 0), QColor(192, 192, 192));
    przyciskiSekcji_.append(Aol_Test);
    L_ok = new QLabel(tlo);
    L_ok->setObjectName(QStringLiteral("L_ok"));
    L_ok->setGeometry(188, 384, 96, wysokoscPrzycisku);
    QFont duza = L_ok->font();
    duza.setPointSize(16);
    duza.setBold(true);
    L_ok->setFont(duza);
    L_ok->hide();

    cb_automat = new QCheckBox(tlo);
    cb_automat->setObjectName(QStringLiteral("cb_automat"));
    cb_automat->setGeometry(297, 164, 20, 22);
    L_automat = new QLabel(tlo);
    L_automat->setObjectName(QStringLiteral("L_automat"));
    L_automat->setGeometry(319, 164, 400, 22);
    L_automat->installEventFilter(this);
    cb_automat->hide();
    L_automat->hide();
    connect(cb_automat, &QCheckBox::toggled, this, [this] { wykonajBezpiecznie([this] { cb_automatClick(); }); });

    FrameBiezaceOdczyty1 = new TFrameBiezaceOdczyty(tlo);
    FrameBiezaceOdczyty1->move(297, 194);

    podlacz(Aol_Test, [this] { Aol_TestClick(); });

    // The connection an operation of the window uses takes no input while it
    // runs (keys typed right after a section button's click, while its lock
    // check waits for the controller).
    wylaczanaPodczasOperacji({pg_transmisjaRodzaj});

    const auto zmiana = [this] { wykonajBezpiecznie([this] { ComboBoxPortChange(); }); };
    connect(pg_transmisjaRodzaj, &QTabWidget::currentChanged, this, zmiana);
    connect(ComboBoxPort, &QComboBox::currentIndexChanged, this, zmiana);
    connect(IntEditAdres, &TIntEdit::zmiana, this, zmiana);
    connect(ComboBoxPredkosc, &QComboBox::currentIndexChanged, this, zmiana);
    connect(adresIp, &QLineEdit::textChanged, this, zmiana);
    connect(se_numerSeryjny, &QSpinBox::valueChanged, this, zmiana);
}

void TForm1::zbudujMenu()
{
    Plik = menuBar()->addMenu(QString());
    Nowy = Plik->addAction(QString());
    Otworz = Plik->addAction(QString());
    Zapisz = Plik->addAction(QString());
    ZapiszJako = Plik->addAction(QString());
    Plik->addSeparator();
    Wyjscie = Plik->addAction(QString());
    podlacz(Nowy, [this] { projekt.nowyProjekt(); });
    podlacz(Otworz, [this] { projekt.otworzProjekt(); });
    podlacz(Zapisz, [this] { projekt.zapiszProjekt(false); });
    podlacz(ZapiszJako, [this] { projekt.zapiszProjekt(true); });
    podlacz(Wyjscie, [this] { Wyjcie1Click(); });

    Projekt = menuBar()->addMenu(QString());
    OdczytProjektu = Projekt->addAction(QString());
    WysylanieProjektu = Projekt->addAction(QString());

    Narzedzia = menuBar()->addMenu(QString());
    WyslanieLogo = Narzedzia->addAction(QString());
    AktualizacjaFirmware = Narzedzia->addAction(QString());
    WyslanieGrafik = Narzedzia->addAction(QString());
    WybierzJezyk = Narzedzia->addMenu(QString());
    auto *jezyki = new QActionGroup(this);
    Polski = WybierzJezyk->addAction(QString());
    Angielski = WybierzJezyk->addAction(QString());
    Rosyjski = new QAction(this);
    for (QAction *a : {Polski, Angielski, Rosyjski}) {
        a->setCheckable(true);
        jezyki->addAction(a);
    }
    DataCzas = Narzedzia->addAction(QString());
    podlacz(Polski, [this] { zmienJezyk(1045); });
    podlacz(Angielski, [this] { zmienJezyk(2057); });

    // Commands that come with the editors and the maintenance dialogs.
    for (QAction *a : {OdczytProjektu, WysylanieProjektu, WyslanieLogo, AktualizacjaFirmware, WyslanieGrafik, DataCzas})
        a->setEnabled(false);
}

void TForm1::podlacz(TAOLButton *przycisk, std::function<void()> polecenie)
{
    dostepne_.append(przycisk);
    connect(przycisk, &TAOLButton::klik, this, [polecenie = std::move(polecenie)] { wykonajBezpiecznie(polecenie); });
    if (odblokowany_ && TimerAutomatTag() == 0) {
        przycisk->setEnab(true);
        przycisk->setKolorCzcionki(Qt::white);
    }
}

void TForm1::podlacz(QAction *pozycja, std::function<void()> polecenie)
{
    dostepne_.append(pozycja);
    connect(pozycja, &QAction::triggered, this, [polecenie = std::move(polecenie)] { wykonajBezpiecznie(polecenie); });
    pozycja->setEnabled(pozycja != WysylanieProjektu || (odblokowany_ && TimerAutomatTag() == 0));
}

bool TForm1::dostepny(const QObject *o) const { return dostepne_.contains(o); }

void TForm1::jezyk()
{
    AOL_setup->setCaption(tr("Setup"));
    AOL_Ai->setCaption(tr("[AI] Wejścia analogowe"));
    AOL_do->setCaption(tr("[DO] WYjścia cyfrowe"));
    AOL_Ao->setCaption(tr("[AO] WYjścia analogowe"));
    AOL_di->setCaption(tr("[DI] WEjścia cyfrowe"));
    aol_moduly->setCaption(tr("Moduły dodatkowe"));
    AOL_zadane->setCaption(tr("Zadane"));
    AOL_dodatki->setCaption(tr("Dodatki"));
    AOL_wilgotnosc->setCaption(tr("Wilgotność"));
    AOL_stany->setCaption(tr("Tryby specjalne"));
    AOL_kroki->setCaption(tr("Kroki"));
    AOL_programy->setCaption(tr("Programy"));
    AOL_krokiMycia->setCaption(tr("Kroki mycia"));
    AOL_programMycia->setCaption(tr("Program mycia"));
    AOL_mycieUstaw->setCaption(tr("Ustawienia mycia"));
    itemKonfiguracja->setCaption(tr("konfiguracja"));
    itemAlarmy->setCaption(tr("alarmy"));
    Aol_Test->setCaption(tr("Test połączenia"));
    L_com->setText(tr("Nr COM"));
    L_adres->setText(tr("Adres RS-485"));
    L_predkosc->setText(tr("Prędkość transmisji"));
    L_numerSeryjny->setText(tr("Numer Seryjny"));
    L_adresIp->setText(tr("Adres IP"));
    L_automat->setText(tr("Automatycznie czytaj"));
    centralWidget()->setToolTip(QStringLiteral("KALBREN-BUS\nMODBUS"));

    Plik->setTitle(tr("Plik"));
    Nowy->setText(tr("Nowy"));
    Otworz->setText(tr("Otwórz"));
    Zapisz->setText(tr("Zapisz"));
    ZapiszJako->setText(tr("Zapisz jako..."));
    Wyjscie->setText(tr("Wyjście"));
    Projekt->setTitle(tr("Projekt"));
    OdczytProjektu->setText(tr("Odczytanie projektu ze sterownika"));
    WysylanieProjektu->setText(tr("Wysyłanie projektu do sterownika"));
    Narzedzia->setTitle(tr("Narzędzia"));
    WyslanieLogo->setText(tr("Wysłanie graficznego LOGO "));
    AktualizacjaFirmware->setText(tr("Wgranie aktualizacji firmware"));
    WyslanieGrafik->setText(tr("Wysłanie grafik"));
    WybierzJezyk->setTitle(tr("Wybierz język"));
    Polski->setText(tr("Polski"));
    Angielski->setText(tr("Angielski"));
    DataCzas->setText(tr("Ustawienie daty i czasu"));
}

void TForm1::zmienJezyk(int id)
{
    const bool odblokowane = TimerAutomatTag() == 0;
    if (TFkomunikacja *k = Fkomunikacja())
        k->zamknijPort();
    przelaczJezykZasobow(id, sciezkaProgramu);
    TimerStarter->start();
    blokuj(!odblokowane);
    jezykId = id;
    jezyk();
    setWindowTitle(QApplication::applicationName() + QStringLiteral("   ") + wersjaProgramuPelna());
    // Checked whether or not a module was found; another id checks none.
    QAction *pozycja = id == 1045 ? Polski : id == 2057 ? Angielski : id == 1049 ? Rosyjski : nullptr;
    for (QAction *a : {Polski, Angielski, Rosyjski})
        a->setChecked(a == pozycja);
    FrameBiezaceOdczyty1->jezyk(id);
}

void TForm1::dostosujWersje()
{
    QApplication::setApplicationName(QStringLiteral("Setup kVOR350"));
    setWindowTitle(QApplication::applicationName() + QStringLiteral("   ") + wersjaProgramuPelna());
}

void TForm1::blokuj(bool zablokuj)
{
    // The lock of an operation is not lifted from outside it.
    zablokuj = zablokuj || oknoOperacji(this);
    zablokowany_ = zablokuj;
    odblokowany_ = odblokowany_ || !zablokuj;
    const QColor kolor = zablokuj ? szary : QColor(Qt::white);
    itemsPanel->setEnabled(!zablokuj);
    for (QMenu *m : {Plik, Projekt, Narzedzia})
        m->menuAction()->setEnabled(!zablokuj);
    WysylanieProjektu->setEnabled(!zablokuj && dostepny(WysylanieProjektu));
    // A button without its command yet stays grey and does nothing.
    for (TAOLButton *b : std::as_const(przyciskiSekcji_)) {
        const bool czynny = dostepny(b);
        b->setEnab(!zablokuj && czynny);
        b->setKolorCzcionki(czynny ? kolor : szary);
    }
    for (TAOLButton *b : {itemKonfiguracja, itemAlarmy}) {
        b->setEnab(!zablokuj && dostepny(b));
        b->setKolorCzcionki(dostepny(b) ? kolor : szary);
    }
}

void TForm1::TimerStarterTimer()
{
    TimerAutomat->start();
    TimerStarter->stop();
    cb_automat->show();
    L_automat->show();
}

void TForm1::TimerAutomatTimer()
{
    tyknijAutomat(this, *TimerAutomat, cb_automat->isChecked(),
                  {naPierwszymPlanie, ustawRamkeAktywna, CzytajAutomatycznie});
}

void TForm1::Timer1Timer()
{
    // Not in the middle of an operation: the timer stays on and tries again.
    if (zajety())
        return;
    Timer1->stop();
    ComboBoxPortChange();
}

void TForm1::ComboBoxPortChange()
{
    projekt.daneProjektu = TDaneProjektu{};
    // The protocol-version note of the lock check is shown again at the
    // next successful reading.
    lockService.setProtokolBlad(false);
    L_ok->hide();
}

void TForm1::wezUstawieniaSterownika(TUstawieniaSterownika &u, bool bezSprawdzeniaBlokady)
{
    const bool lan = pg_transmisjaRodzaj->currentIndex() == 1;
    u.conectType = lan ? tct_ethernet : tct_rs485;
    u.lan.LAN_ACTIVE = lan ? 1 : 0;
    u.lan.NUMER_SERYJNY = se_numerSeryjny->value();
    u.lan.LAN_IP = adresIp->text().left(15);
    u.lan.count = 3;
    u.lan.timeout = 700;
    u.adresRS = IntEditAdres->wartoscWZakresie();
    u.ParametryTransmisji.port = ComboBoxPort->currentIndex();
    u.ParametryTransmisji.predkosc = kodPredkosciOkna(ComboBoxPredkosc->currentIndex());
    u.ParametryTransmisji.IlePowtorzen = 2;
    u.ParametryTransmisji.ReadTotalTimeoutConstant = 350;
    if (!bezSprawdzeniaBlokady)
        lockService.fnProcess();
}

void TForm1::Aol_TestClick()
{
    const TOperacja test(this, TOperacja::Rodzaj::Tla);
    Aol_Test->setEnab(false);
    Aol_Test->setCaption(tr("Czekaj"));
    TimerAutomat->stop();
    L_ok->hide();
    zegar().przetworzZdarzenia();
    przerwaMs(100);
    const NaKoniec koniec([this] {
        Aol_Test->setEnab(TimerAutomatTag() == 0);
        TimerStarter->start();
        Aol_Test->setCaption(tr("Test połączenia"));
        Timer1->start();
    });

    wezUstawieniaSterownika(ustawieniaGlowne, true);
    pokazWynikTestu(*L_ok, sprawdzPolaczenie(ustawieniaGlowne));
}

QString TForm1::kluczPortu(const QString &klucz) const { return parametr(*FDlaIni, klucz); }

void TForm1::odswiezPorty()
{
    RozwiazywaczPortow r;
    r.ustawOdczytKlucza([this](const QString &k) { return kluczPortu(k); });
    const QStringList lista = listaUrzadzen ? listaUrzadzen() : QStringList();
    r.ustawListeUrzadzen([lista] { return lista; });
    for (int n = 0; n < ComboBoxPort->count(); ++n) {
        const QString urzadzenie = r.urzadzenie(n);
        const QString tekst =
            nazwaPortu(n) + (urzadzenie.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(urzadzenie));
        if (ComboBoxPort->itemText(n) != tekst)
            ComboBoxPort->setItemText(n, tekst);
    }
}

void TForm1::zastosujUstawieniaLacza()
{
    IleSleep = ustawieniaLacza.IleSleep;
    TransmisjaNT = ustawieniaLacza.TransmisjaNT;
    timeoutStand = ustawieniaLacza.timeoutStand;
    if (TFkomunikacja *k = Fkomunikacja()) {
        std::copy(std::begin(ustawieniaLacza.UjemneOfesty), std::end(ustawieniaLacza.UjemneOfesty),
                  std::begin(k->UjemneOfesty));
        k->porty().ustawOdczytKlucza([this](const QString &klucz) { return kluczPortu(klucz); });
    }
}

void TForm1::cb_automatClick()
{
    if (cb_automat->isChecked()) {
        L_automat->setStyleSheet(QStringLiteral("color: white;"));
    } else {
        FrameBiezaceOdczyty1->hide();
        L_automat->setStyleSheet(QStringLiteral("color: rgb(128, 128, 128);"));
    }
}

void TForm1::L_automatClick() { cb_automat->toggle(); }

void TForm1::AOL_doClick() { itemsPanel->setVisible(!itemsPanel->isVisible()); }

void TForm1::FormMouseMove(QPoint p)
{
    if (itemsPanel->isVisible() && !AOL_do->geometry().contains(p) && !itemsPanel->geometry().contains(p))
        itemsPanel->hide();
}

void TForm1::Wyjcie1Click() { close(); }

bool TForm1::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseMove) {
        auto *w = static_cast<QWidget *>(o);
        const QPoint p = static_cast<QMouseEvent *>(e)->position().toPoint();
        FormMouseMove(w == centralWidget() ? p : w->mapTo(centralWidget(), p));
    } else if (o == L_automat && e->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton) {
        wykonajBezpiecznie([this] { L_automatClick(); });
        return true;
    }
    return QMainWindow::eventFilter(o, e);
}

void TForm1::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        jezyk();
    QMainWindow::changeEvent(e);
}

void TForm1::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (pokazany_)
        return;
    pokazany_ = true;
    wykonajBezpiecznie([this] { FormShow(); });
}

void TForm1::FormShow()
{
    const PlikIni &ini = *FDlaIni;
    ustawieniaLacza = czytajUstawieniaLacza(ini);
    zastosujUstawieniaLacza();
    odswiezPorty();

    // A stored index outside a list means: nothing chosen (ports) or the
    // default (baud rate, transport).
    const UstawieniaOkna zapisane = czytajUstawieniaOkna(ini);
    const int port = zapisane.port;
    ComboBoxPort->setCurrentIndex(port >= 0 && port < ComboBoxPort->count() ? port : -1);
    const int predkosc = zapisane.predkosc;
    ComboBoxPredkosc->setCurrentIndex(predkosc >= 0 && predkosc < ComboBoxPredkosc->count() ? predkosc : 2);
    IntEditAdres->setValue(zapisane.adres);
    QString ip = zapisane.ip;
    int pozycja = 0;
    if (adresIp->validator()->validate(ip, pozycja) != QValidator::Acceptable)
        ip = QStringLiteral("0.0.0.0");
    adresIp->setText(ip);
    se_numerSeryjny->setValue(zapisane.numerSeryjny);
    pg_transmisjaRodzaj->setCurrentIndex(zapisane.rodzaj == 1 ? 1 : 0);

    projekt.projekt().programyMycie.nr_prog = 100;

    const QString plik = plikProjektuZArgumentow(argumenty_);
    if (!plik.isEmpty())
        projekt.OtworzProjektNazwa(plik);
}

bool TForm1::FormCloseQuery()
{
    // A controller unlocked during this run is locked again. The command is
    // bounded by its time-out and tries, and its result does not matter:
    // the program closes anyway.
    if (lockService.bylaBlokada) {
        try {
            wezUstawieniaSterownika(ustawieniaGlowne, true);
            wyslijBlokade(ustawieniaGlowne);
        } catch (...) {
        }
    }
    const bool automat = TimerAutomat->isActive();
    TimerAutomat->stop();
    bool zamknij = true;
    if (projekt.bylazmianaProjektu) {
        switch (pytanieTakNieAnuluj(tr("Zapisać zmiany?"))) {
        case 1:
            zamknij = projekt.zapiszProjekt(false);
            break;
        case 0:
            break;
        default:
            zamknij = false;
            break;
        }
    }
    if (!zamknij && automat)
        TimerAutomat->start();
    return zamknij;
}

bool TForm1::FormClose()
{
    UstawieniaOkna u;
    u.autoRead = cb_automat->isChecked();
    u.port = ComboBoxPort->currentIndex();
    u.predkosc = ComboBoxPredkosc->currentIndex();
    u.adres = IntEditAdres->wartoscWZakresie();
    u.ip = adresIp->text();
    u.numerSeryjny = se_numerSeryjny->value();
    u.rodzaj = pg_transmisjaRodzaj->currentIndex();
    u.jezykId = jezykId;
    return zapiszUstawieniaOkna(*FDlaIni, u);
}

void TForm1::closeEvent(QCloseEvent *e)
{
    // Closing in the middle of an operation or an exchange waits for its
    // end: the lock command and the questions must not run inside it.
    if (zajety()) {
        e->ignore();
        zamknijPoWymianie_->start();
        return;
    }
    bool zamknij = true;
    wykonajBezpiecznie([&] { zamknij = FormCloseQuery(); });
    if (!zamknij) {
        e->ignore();
        return;
    }
    // The program closes even when its settings could not be written.
    wykonajBezpiecznie([this] { FormClose(); });
    e->accept();
}
