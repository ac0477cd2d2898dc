#include "plik_wyslij.h"

#include "crc.h"
#include "dane_sterownika.h"
#include "element_listy.h"
#include "etykieta_pliku.h"
#include "komunikaty.h"
#include "kopia_ustawien.h"
#include "okna_narzedzi.h"
#include "operacja.h"
#include "polaczenie.h"
#include "pomocnicze.h"
#include "potwierdz_dlg.h"
#include "wybor_pliku.h"
#include "wysylanie_stron.h"
#include "zegar.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

constexpr int odstepSprawdzaniaMs = 1800;
constexpr int czasOdczytuMs = 250;
constexpr int przerwaPoAktualizacjiMs = 2000;

QString nieoczekiwanyBlad(const QString &powod)
{
    const QString t = TFormPlikWyslij::tr("Unexpected Error");
    return powod.isEmpty() ? t : t + QStringLiteral(": ") + powod;
}

bool otworzPlik(QFile &plik)
{
    if (QFileInfo(plik.fileName()).isFile() && plik.open(QIODevice::ReadOnly))
        return true;
    const QString powod = QFileInfo::exists(plik.fileName()) ? plik.errorString() : TFormPlikWyslij::tr("Brak pliku");
    pokazBlad(TFormPlikWyslij::tr("Nie można otworzyć pliku") + QStringLiteral(" ") + plik.fileName() +
              QStringLiteral(": ") + powod);
    return false;
}

} // namespace

bool TStrumienStron::nastepna()
{
    if (koniec_)
        return false;
    if (nastepny_ > 0xFFFF)
        throw std::runtime_error(TFormPlikWyslij::tr("Wybrany plik jest za duży.").toStdString());
    const qint64 r = plik_.read(strona_.data(), strona_.size());
    if (r < 0)
        throw std::runtime_error(plik_.errorString().toStdString());
    crc_ = obliczCRC16Dalej(crc_, strona_, r);
    przeczytano_ += r;
    ++nastepny_;
    koniec_ = r < strona_.size();
    return true;
}

TFormPlikWyslij::TFormPlikWyslij(QWidget *parent) : QDialog(parent, flagiOknaNarzedzia())
{
    setObjectName(QStringLiteral("TFormPlikWyslij"));
    const auto przycisk = [this](const char *nazwa) { return nowyPrzycisk(this, nazwa); };
    const auto etykieta = [this](const char *nazwa) { return nowaEtykieta(this, nazwa); };
    L_wybrany = etykieta("L_wybrany");
    L_plik = new TEtykietaPliku(this);
    L_plik->setObjectName(QStringLiteral("L_plik"));
    L_daneSterownika = etykieta("L_daneSterownika");
    l_sterownik = etykieta("l_sterownik");
    QFont gruba = l_sterownik->font();
    gruba.setBold(true);
    l_sterownik->setFont(gruba);
    L_plik->setFont(gruba);
    but_wybierz = przycisk("but_wybierz");
    but_check = przycisk("but_check");
    but_check->hide();
    but_aktualizujFirmware = przycisk("but_aktualizujFirmware");
    but_aktualizujGrafike = przycisk("but_aktualizujGrafike");
    but_zamknij = przycisk("but_zamknij");
    but_zamknij->setDefault(true);
    but_przerwij = przycisk("but_przerwij");
    but_przerwij->hide();
    FormConfirmDlg = new TFormConfirmDlg(this);
    // While an update or a check the user started runs, only "Anuluj" acts.
    wylaczanaPodczasOperacji({but_wybierz, but_check, but_aktualizujFirmware, but_aktualizujGrafike, but_zamknij});

    // FormCreate: the status row, hidden until an update runs.
    progress = new TKbProgress(this, QString(), 0, 0, nullptr);
    progress->hide();

    auto *uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(16, 16, 16, 12);
    uklad->setSpacing(10);
    auto *wybor = new QHBoxLayout;
    wybor->addWidget(but_wybierz);
    wybor->addStretch();
    uklad->addLayout(wybor);
    auto *dane = new QGridLayout;
    dane->setColumnStretch(1, 1);
    dane->setHorizontalSpacing(10);
    dane->addWidget(L_wybrany, 0, 0);
    dane->addWidget(L_plik, 0, 1);
    dane->addWidget(L_daneSterownika, 1, 0, Qt::AlignTop);
    dane->addWidget(l_sterownik, 1, 1);
    uklad->addLayout(dane);
    auto *postep = new QHBoxLayout;
    postep->addWidget(progress, 1);
    postep->addWidget(but_przerwij, 0, Qt::AlignVCenter);
    uklad->addLayout(postep);
    uklad->addStretch();
    auto *przyciski = new QHBoxLayout;
    przyciski->addWidget(but_check);
    przyciski->addStretch();
    przyciski->addWidget(but_aktualizujFirmware);
    przyciski->addWidget(but_aktualizujGrafike);
    przyciski->addWidget(but_zamknij);
    uklad->addLayout(przyciski);
    setFixedSize(560, 220);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(odstepSprawdzaniaMs);
    Timer1->setSingleShot(true);

    connect(but_wybierz, &QPushButton::clicked, this, [this] { wykonajBezpiecznie([this] { but_wybierzClick(); }); });
    connect(but_check, &QPushButton::clicked, this, [this] { wykonajBezpiecznie([this] { but_checkClick(); }); });
    connect(but_aktualizujFirmware, &QPushButton::clicked, this,
            [this] { wykonajBezpiecznie([this] { but_aktualizujFirmwareClick(); }); });
    connect(but_aktualizujGrafike, &QPushButton::clicked, this,
            [this] { wykonajBezpiecznie([this] { but_aktualizujGrafikeClick(); }); });
    connect(but_zamknij, &QPushButton::clicked, this, &QDialog::reject);
    connect(but_przerwij, &QPushButton::clicked, this, [this] {
        przerwij = true;
        but_przerwij->setEnabled(false);
    });
    connect(Timer1, &QTimer::timeout, this, [this] { wykonajBezpiecznie([this] { Timer1Timer(); }); });

    jezyk(firmware);
    my_init();
}

void TFormPlikWyslij::FirmWare(int A_jezykId)
{
    przygotujOkno(firmware, A_jezykId);
    exec();
}

void TFormPlikWyslij::Grafika(int A_jezykId)
{
    przygotujOkno(grafika, A_jezykId);
    exec();
}

void TFormPlikWyslij::przygotujOkno(Rodzaj r, int A_jezykId)
{
    rodzaj = r;
    jezykId = A_jezykId;
    jezyk(r);
    przygotuj();
    (r == firmware ? but_aktualizujFirmware : but_aktualizujGrafike)->show();
    ustawTytul();
    progress->LabelSet(windowTitle());
}

void TFormPlikWyslij::ustawTytul()
{
    if (rodzaj == firmware) {
        setWindowTitle(tr("Aktualizacja Firmware "));
        filtr_ =
            tr("plik firmware Kvor") + QStringLiteral("|fw*.new|") + tr("wszystkie pliki") + QStringLiteral("|*.*");
    } else {
        setWindowTitle(tr("Aktualizacja Grafik"));
        filtr_ = tr("plik grafik Kvor") + QStringLiteral("|gfx*.new|") + tr("wszystkie pliki") + QStringLiteral("|*.*");
    }
}

void TFormPlikWyslij::przygotuj()
{
    wezUstawieniaSterownika(DaneSterownika, false);
    my_init();
    DaneSterownika.ParametryTransmisji.IlePowtorzen = 2;
    DaneSterownika.ParametryTransmisji.ReadTotalTimeoutConstant = czasOdczytuMs;
    but_aktualizujFirmware->hide();
    but_aktualizujGrafike->hide();
}

void TFormPlikWyslij::my_init()
{
    stage = ms_init;
    Timer1->stop();
    typ.clear();
    L_plik->ustaw(QString());
    l_sterownik->setText(QStringLiteral("..."));
    but_wybierz->setEnabled(true);
    but_zamknij->setEnabled(true);
    but_check->setEnabled(false);
    but_aktualizujFirmware->setEnabled(false);
    but_aktualizujGrafike->setEnabled(false);
}

void TFormPlikWyslij::jezyk(int co)
{
    setWindowTitle(co == firmware ? tr("Wgranie aktualizacji firmware") : tr("Wysłanie grafik"));
    but_wybierz->setText(tr("Wybierz"));
    L_wybrany->setText(tr("Wybrany"));
    L_daneSterownika->setText(tr("Dane sterownika") + QStringLiteral(": "));
    but_check->setText(tr("sprawdź"));
    but_aktualizujFirmware->setText(tr("Wykonaj aktualizację"));
    but_aktualizujGrafike->setText(tr("Wykonaj aktualizację"));
    but_zamknij->setText(tr("Zamknij"));
    but_przerwij->setText(tr("Anuluj"));
}

void TFormPlikWyslij::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange) {
        jezyk(rodzaj);
        ustawTytul();
    }
    QDialog::changeEvent(e);
}

void TFormPlikWyslij::done(int r)
{
    // Escape, the close box and "Zamknij" all end here. A retry of the
    // timer does not hold the window: it ends on its own after a close.
    if (oknoOperacji(this))
        return;
    Timer1->stop();
    QDialog::done(r);
}

void TFormPlikWyslij::blokuj(bool zablokuj)
{
    progress->setVisible(zablokuj);
    but_przerwij->setEnabled(zablokuj);
    but_przerwij->setVisible(zablokuj);
}

void TFormPlikWyslij::but_wybierzClick()
{
    const QString plik = wyborPliku().plikDoOtwarcia(filtr_, QString());
    if (plik.isEmpty())
        return;
    if (!QFileInfo(plik).isFile()) {
        pokazOstrzezenie(tr("Brak pliku") + plik);
        return;
    }
    L_plik->ustaw(plik);
    but_check->setEnabled(true);
    stage = ms_fileselected;
    but_checkClick();
}

void TFormPlikWyslij::but_checkClick(bool zTimera)
{
    // A check is one exchange at a time: a tick during an operation of the
    // window is dropped. The user's check holds the window; the timer's
    // retry runs in the background, whatever the user does meanwhile
    // waiting for its end.
    if (stage == ms_init || trwaOperacja(this))
        return;
    const TOperacja operacja(this, zTimera ? TOperacja::Rodzaj::Tla : TOperacja::Rodzaj::Okna);
    Timer1->stop();
    typ.clear();
    but_aktualizujFirmware->setEnabled(false);
    but_aktualizujGrafike->setEnabled(false);
    l_sterownik->setText(tr("Czekaj trwa łączenie") + QStringLiteral("..."));
    czekajMs(5);

    // The first timer retry that fails would otherwise box the user in with
    // an error every 1.8 s: retries are silent.
    QString t;
    const bool okTyp = czytajTypSterownika(zTimera, t, DaneSterownika);
    if (okTyp)
        typ = t;
    const bool ok = okTyp && czytajNumerSeryjny(zTimera, numerSeryjny, DaneSterownika);
    const bool kvor = ok && typ == typKvor350;
    if (kvor)
        l_sterownik->setText(nazwaDlaSymbolu(typ) + QStringLiteral("  S/N: %1").arg(numerSeryjny));
    else
        l_sterownik->setText(tekstBrakPolaczenia());
    if (ok) {
        stage = ms_checkedController;
    } else {
        if (!zTimera)
            pokazOstrzezenie(tekstBrakPolaczenia());
        if (isVisible())
            Timer1->start();
    }
    but_aktualizujFirmware->setEnabled(kvor);
    but_aktualizujGrafike->setEnabled(kvor);
}

void TFormPlikWyslij::Timer1Timer()
{
    Timer1->stop();
    if (stage == ms_fileselected && isVisible())
        but_checkClick(true);
}

bool TFormPlikWyslij::plikDoWyslania()
{
    QFile plik(L_plik->text());
    if (!otworzPlik(plik))
        return false;
    const qint64 rozmiar = plik.size();
    if (rozmiar == 0) {
        pokazOstrzezenie(tr("Wybrany plik jest pusty.") + QStringLiteral("\n") + plik.fileName());
        return false;
    }
    if (rozmiar > najwiekszyPlikAktualizacji) {
        pokazOstrzezenie(
            tr("Wybrany plik jest za duży: %1 bajtów, najwięcej %2.").arg(rozmiar).arg(najwiekszyPlikAktualizacji) +
            QStringLiteral("\n") + plik.fileName());
        return false;
    }
    return true;
}

bool TFormPlikWyslij::zapiszProj(int A_numerSeryjny)
{
    const TOperacja operacja(this);
    blokuj(true);
    const NaKoniec odblokuj([this] { blokuj(false); });
    return projekt && KopiaUstawien::zapisz(*projekt, A_numerSeryjny);
}

void TFormPlikWyslij::but_aktualizujFirmwareClick()
{
    if (!plikDoWyslania())
        return;
    if (!pytanieOstrzezenie(
            tr("UWAGA: wysyłanie firmwaru do sterownika powinno być poprzedzone zrobieniem kopii ustawień sterownika "
               "na USB") +
            QStringLiteral("\n\n") + tr("Skorzystaj na sterowniku z funkcji") + QStringLiteral("\n\n \"") +
            tr("Zapisz konfigurację na USB") + QStringLiteral("\"! \n\n") + tr("Kontynuować?")))
        return;
    bool kopia = false;
    if (!FormConfirmDlg->pokazOkno(jezykId, kopia))
        return;
    if (kopia && !zapiszProj(numerSeryjny)) {
        pokazOstrzezenie(tr("Wykonanie kopii zakończone błędem!"));
        return;
    }
    if (!pytanieOstrzezenie(tr("Czy jesteś pewien, że chcesz wykonać aktualizację?")))
        return;
    const TOperacja operacja(this);
    if (sprawdzBlokade)
        sprawdzBlokade();
    wyslijPlik();
}

void TFormPlikWyslij::but_aktualizujGrafikeClick()
{
    if (!plikDoWyslania())
        return;
    if (!pytanie(tr("Czy jesteś pewien, że chcesz wykonać aktualizację?")))
        return;
    const TOperacja operacja(this);
    wyslijPlik();
}

void TFormPlikWyslij::wyslijPlik()
{
    // Unlocked when the update ends, however it ends.
    blokuj(true);
    const NaKoniec odblokuj([this] { blokuj(false); });
    const bool grafiki = rodzaj == grafika;
    przerwij = false;

    PolaczenieStrumienia polaczenie;
    if (!grafiki && !polaczenie.otworz(DaneSterownika)) {
        czekajMs(przerwaPoAktualizacjiMs);
        pokazOstrzezenie(tekstBrakPolaczenia());
        return;
    }
    QFile plik(L_plik->text());
    if (!otworzPlik(plik))
        return;

    bool ok = true, przerwano = false, blad = false;
    QString powod;
    try {
        const qint64 rozmiar = plik.size();
        progress->init();
        progress->transStart(int(rozmiar / rozmiarStrony / 10));
        czekajMs(100);
        TStrumienStron strony(plik);
        while (ok && strony.nastepna()) {
            if (przerwij) {
                ok = false;
                przerwano = true;
                break;
            }
            if (grafiki && sprawdzBlokade)
                sprawdzBlokade();
            const auto nr = uint16_t(strony.numer());
            ok = grafiki ? przeslijStroneGrafiki(nr, strony.strona(), DaneSterownika)
                         : przeslijStroneFirmware(nr, strony.strona(), DaneSterownika, polaczenie.klient());
            if (!ok)
                break;
            progress->transStep((strony.numer() + 1) / 10);
            czekajMs(5);
        }
        // Pressed after the last page: no commit either.
        if (ok && przerwij) {
            ok = false;
            przerwano = true;
        }
        // The pages are out: what follows cannot be stopped.
        but_przerwij->setEnabled(false);
        if (ok) {
            const int rozmiarPliku = int(strony.przeczytano());
            ok = grafiki ? przeslijCrcGrafiki(strony.crc(), rozmiarPliku, DaneSterownika)
                         : przeslijCrcFirmware(strony.crc(), rozmiarPliku, DaneSterownika);
        }
    } catch (const std::exception &e) {
        ok = false;
        blad = true;
        powod = QString::fromUtf8(e.what());
    } catch (...) {
        ok = false;
        blad = true;
    }
    progress->transEnd(ok, -1);
    if (blad)
        pokazOstrzezenie(nieoczekiwanyBlad(powod));
    else if (przerwano)
        pokazOstrzezenie(tr("Przerwano aktualizację."));
    else if (!ok)
        pokazOstrzezenie(tekstBrakPolaczenia());
    else if (grafiki)
        pokazInformacje(tr("Wykonano aktualizacje Grafik. \nMoże być wymagany restart sterownika!"));
    else
        pokazInformacje(tr("Wykonano aktualizację firmware\nNastąpi reset sterownika..."));

    czekajMs(przerwaPoAktualizacjiMs);
    plik.close();
    czekajMs(przerwaPoAktualizacjiMs);
    polaczenie.zamknij();
}
