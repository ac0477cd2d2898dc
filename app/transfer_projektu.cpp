#include "transfer_projektu.h"

#include "blokada.h"
#include "dane_sterownika.h"
#include "element_listy.h"
#include "komunikaty.h"
#include "okna_narzedzi.h"
#include "operacja.h"
#include "pasek_postepu.h"
#include "porownanie_blokow.h"
#include "sekcje_projektu.h"
#include "transfer_sekcji.h"
#include "transport.h"
#include "zegar.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cstring>
#include <initializer_list>
#include <memory>

namespace {

constexpr int szerokoscOkna = 640;
constexpr int szerokoscGrupy = 423;
constexpr int miganieMs = 500;

// The lock check's answers that let a transfer go on: free or unlocked.
bool blokadaPozwala(int wynik) { return wynik == 0 || wynik == 1; }

// The project and washing settings as they were before a compare-only
// read, put back however the read ends.
class KopiaProjektu {
public:
    KopiaProjektu(TProjektVXTNew &p, TProjektDodatkiMycie &m)
        : p_(p), m_(m), projekt_(std::make_unique<TProjektVXTNew>()), mycie_(m)
    {
        std::memcpy(projekt_.get(), &p, sizeof p);
    }
    ~KopiaProjektu()
    {
        if (przywroc) {
            std::memcpy(&p_, projekt_.get(), sizeof p_);
            m_ = mycie_;
        }
    }
    KopiaProjektu(const KopiaProjektu &) = delete;
    KopiaProjektu &operator=(const KopiaProjektu &) = delete;

    const TProjektVXTNew &projekt() const { return *projekt_; }
    const TProjektDodatkiMycie &mycie() const { return mycie_; }
    bool przywroc = false;

private:
    TProjektVXTNew &p_;
    TProjektDodatkiMycie &m_;
    std::unique_ptr<TProjektVXTNew> projekt_;
    TProjektDodatkiMycie mycie_;
};

} // namespace

std::array<TElementListy, ileWierszyTransferu> tabelaTransferu()
{
    std::array<TElementListy, ileWierszyTransferu> t;
    for (int i = 0; i < ileWierszyTransferu; ++i) {
        const TSekcjaProjektu &w = sekcjeProjektu()[i];
        t[i] = {nrWiersza(w.wiersz), QCoreApplication::translate("TFProjektRSIn", w.nazwa), w.ilePozycji, w.sendUnlock,
                w.potw73};
    }
    return t;
}

TFProjektRSIn::TFProjektRSIn(TProjektVXTNew &projekt, TProjektDodatkiMycie &mycie, TLockedTransmission &lockService,
                             QWidget *parent)
    : QDialog(parent, flagiOknaNarzedzia()), projekt_(projekt), mycie_(mycie), lockService_(lockService),
      tabela_(tabelaTransferu())
{
    setObjectName(QStringLiteral("TFProjektRSIn"));
    gp_trans = new QGroupBox(this);
    gp_trans->setObjectName(QStringLiteral("gp_trans"));
    gp_trans->setFixedWidth(szerokoscGrupy);
    auto *wiersze = new QVBoxLayout(gp_trans);
    wiersze->setContentsMargins(6, 8, 6, 6);
    wiersze->setSpacing(0);
    wiersze->addStretch();
    for (int i = 0; i < ileWierszyTransferu; ++i) {
        progressArray[i] = new TKbProgress(
            gp_trans, tabela_[i].nazwa, 0, 0, [this](TKbProgress *) { uaktualnijStart(); },
            TKbProgress::Wyrownanie::gora);
        progressArray[i]->setObjectName(QStringLiteral("wiersz%1").arg(i + 1));
    }

    const auto przycisk = [this](const char *nazwa) { return nowyPrzycisk(this, nazwa); };
    but_zaznacz = przycisk("but_zaznacz");
    but_start = przycisk("but_start");
    but_reset = przycisk("but_reset");
    but_zamknij = przycisk("but_zamknij");
    but_przerwij = przycisk("but_przerwij");
    cb_CzytajPorownaj = new QCheckBox(this);
    cb_CzytajPorownaj->setObjectName(QStringLiteral("cb_CzytajPorownaj"));
    cb_wysylkaPorownaj = new QCheckBox(this);
    cb_wysylkaPorownaj->setObjectName(QStringLiteral("cb_wysylkaPorownaj"));
    l_info = nowaEtykieta(this, "l_info");
    l_info->setWordWrap(true);
    QFont gruba = l_info->font();
    gruba.setBold(true);
    gruba.setPointSize(gruba.pointSize() + 2);
    l_info->setFont(gruba);
    Animate1 = new QProgressBar(this);
    Animate1->setObjectName(QStringLiteral("Animate1"));
    Animate1->setRange(0, 0);
    Animate1->setTextVisible(false);
    Animate1->setFixedHeight(14);
    TimerAutomatO = new QTimer(this);
    TimerAutomatO->setSingleShot(true);
    TimerAutomatO->setInterval(0);
    miganie_ = new QTimer(this);
    miganie_->setInterval(miganieMs);

    auto *prawa = new QVBoxLayout;
    prawa->setSpacing(8);
    for (QPushButton *b : {but_zaznacz, but_start, but_reset})
        prawa->addWidget(b);
    prawa->addSpacing(8);
    prawa->addWidget(cb_CzytajPorownaj);
    prawa->addWidget(cb_wysylkaPorownaj);
    prawa->addSpacing(16);
    prawa->addWidget(l_info);
    prawa->addWidget(Animate1);
    prawa->addWidget(but_przerwij);
    prawa->addStretch();
    prawa->addWidget(but_zamknij);
    auto *uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(10, 10, 10, 10);
    uklad->setSpacing(12);
    uklad->addWidget(gp_trans);
    uklad->addLayout(prawa, 1);

    const auto pogrubiaj = [](QCheckBox *c) {
        connect(c, &QCheckBox::toggled, c, [c](bool on) {
            QFont f = c->font();
            f.setBold(on);
            c->setFont(f);
        });
    };
    pogrubiaj(cb_CzytajPorownaj);
    pogrubiaj(cb_wysylkaPorownaj);
    connect(but_zaznacz, &QPushButton::clicked, this, [this] { wykonajBezpiecznie([this] { but_zaznaczClick(); }); });
    connect(but_start, &QPushButton::clicked, this, [this] { wykonajBezpiecznie([this] { but_startClick(); }); });
    connect(but_reset, &QPushButton::clicked, this, [this] { wykonajBezpiecznie([this] { but_resetClick(); }); });
    connect(but_zamknij, &QPushButton::clicked, this, &QDialog::reject);
    connect(but_przerwij, &QPushButton::clicked, this, &TFProjektRSIn::but_przerwijClick);
    connect(TimerAutomatO, &QTimer::timeout, this, [this] { wykonajBezpiecznie([this] { TimerAutomatOTimer(); }); });
    connect(miganie_, &QTimer::timeout, this, [this] {
        QPalette p = l_info->palette();
        QColor c = p.color(QPalette::WindowText);
        c.setAlpha(c.alpha() == 0 ? 255 : 0);
        p.setColor(QPalette::WindowText, c);
        l_info->setPalette(p);
    });

    // While a run goes only "Przerwij..." acts: the rows are read once at
    // its start.
    wylaczanaPodczasOperacji({but_zaznacz, but_start, but_reset, but_zamknij, cb_CzytajPorownaj, cb_wysylkaPorownaj});
    for (TKbProgress *w : progressArray)
        wylaczanaPodczasOperacji({w->FSwitch});

    l_info->hide();
    Animate1->hide();
    but_przerwij->hide();
    cb_wysylkaPorownaj->hide();
    but_start->setEnabled(false);
    jezyk();
    resize(szerokoscOkna, sizeHint().height());
}

TFProjektRSIn::~TFProjektRSIn() = default;

void TFProjektRSIn::jezyk()
{
    const bool wysylanie = coRobic == const_wyslij;
    setWindowTitle(wysylanie ? tr("Wysyłanie projektu do sterownika") : tr("Odczytanie projektu ze sterownika"));
    gp_trans->setTitle((wysylanie ? tr("Wybierz co ma być wysłane") : tr("Wybierz co ma być odebrane")) +
                       QStringLiteral(": "));
    tabela_ = tabelaTransferu();
    for (int i = 0; i < ileWierszyTransferu; ++i) {
        progressArray[i]->LabelSet(tabela_[i].nazwa);
        progressArray[i]->FSwitch->setAccessibleName(tabela_[i].nazwa);
    }
    but_zaznacz->setText(tagZaznacz_ == 1 ? tr("Odznacz wszystko") : tr("Zaznacz wszystko"));
    but_start->setText(tr("Start"));
    but_reset->setText(tr("Reset"));
    but_zamknij->setText(tr("Zamknij"));
    but_przerwij->setText(tr("Przerwij") + QStringLiteral("..."));
    cb_CzytajPorownaj->setText(tr("Tylko porównaj"));
    cb_wysylkaPorownaj->setText(tr("Porównaj po wysłaniu"));
}

void TFProjektRSIn::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        jezyk();
    QDialog::changeEvent(e);
}

bool TFProjektRSIn::wTrakcie() const { return trwaOperacja(this); }

void TFProjektRSIn::done(int r)
{
    if (wTrakcie())
        return;
    TimerAutomatO->stop();
    QDialog::done(r);
}

void TFProjektRSIn::przygotuj(TOdbierzWyslij co, int jezyk, const TAutomatOdbierania &automat)
{
    wezUstawieniaSterownika(DaneSterownika);
    DaneSterownika.ParametryTransmisji.ReadTotalTimeoutConstant = czasOdczytuTransferuMs;
    bylaZmiana = false;
    coRobic = co;
    jezykId = jezyk;
    this->jezyk();
    const bool wysylanie = co == const_wyslij;
    cb_CzytajPorownaj->setVisible(!wysylanie);
    cb_wysylkaPorownaj->setVisible(wysylanie);
    cb_wysylkaPorownaj->setChecked(wysylanie);
    AutomatOdbierania = automat;
    procAutomatOdbierania();
}

void TFProjektRSIn::procAutomatOdbierania()
{
    const bool automat = AutomatOdbierania.automat;
    gp_trans->setEnabled(!automat);
    if (!automat) {
        TimerAutomatO->stop();
        return;
    }
    for (QWidget *w :
         std::initializer_list<QWidget *>{but_zaznacz, but_start, but_reset, but_zamknij, cb_CzytajPorownaj})
        w->hide();
    for (TKbProgress *w : progressArray)
        w->setChecked(true);
    TimerAutomatO->start();
}

void TFProjektRSIn::TimerAutomatOTimer()
{
    TimerAutomatO->stop();
    przerwaMs(przerwaAutomatuMs);
    // Closed meanwhile: no transfer.
    if (isVisible() && !wTrakcie())
        but_startClick();
}

void TFProjektRSIn::uaktualnijStart()
{
    bool ktorys = false;
    for (const TKbProgress *w : progressArray)
        ktorys = ktorys || w->checked();
    but_start->setEnabled(ktorys);
}

void TFProjektRSIn::pokazInfo(const QString &tekst)
{
    l_info->setText(tekst);
    QPalette p = l_info->palette();
    QColor c = p.color(QPalette::WindowText);
    c.setAlpha(255);
    p.setColor(QPalette::WindowText, c);
    l_info->setPalette(p);
    l_info->show();
    miganie_->start();
}

void TFProjektRSIn::ukryjInfo()
{
    miganie_->stop();
    l_info->hide();
}

bool TFProjektRSIn::sprawdzBlokade() { return blokadaPozwala(lockService_.fnProcess()); }

void TFProjektRSIn::trwaTransmisja(bool on)
{
    // A press while the run comes up counts: the flag is cleared first.
    if (on)
        przerwij = false;
    but_przerwij->setVisible(on);
    but_przerwij->setEnabled(on);
    zegar().przetworzZdarzenia();
    Animate1->setVisible(on);
    przerwaMs(50);
    zegar().przetworzZdarzenia();
    if (!on)
        przerwij = false;
}

void TFProjektRSIn::but_przerwijClick()
{
    przerwij = true;
    przerwano = true;
    but_przerwij->setEnabled(false);
}

void TFProjektRSIn::but_zaznaczClick()
{
    const bool zaznacz = tagZaznacz_ == 0;
    for (int i = 0; i < ileWierszyTransferu; ++i) {
        TKbProgress *w = progressArray[i];
        if (w->isEnded)
            wyczyscWiersz(i);
        w->setChecked(zaznacz);
        // A ticked row is never sent out of sight.
        if (zaznacz)
            w->show();
    }
    tagZaznacz_ = tagZaznacz_ == 0 ? 1 : 0;
    but_zaznacz->setText(tagZaznacz_ == 1 ? tr("Odznacz wszystko") : tr("Zaznacz wszystko"));
}

void TFProjektRSIn::but_resetClick()
{
    for (int i = 0; i < ileWierszyTransferu; ++i) {
        TKbProgress *w = progressArray[i];
        if (w->isEnded)
            wyczyscWiersz(i);
        w->setChecked(false);
        w->show();
    }
    but_start->setEnabled(false);
    tagZaznacz_ = 0;
    but_zaznacz->setText(tr("Zaznacz wszystko"));
}

void TFProjektRSIn::zaznaczDoPorownania()
{
    for (TKbProgress *w : progressArray)
        w->select2Compare();
}

bool TFProjektRSIn::wszystkieZakonczoneOk() const
{
    for (const TKbProgress *w : progressArray)
        if (!w->isEnded || !w->FinalStatusOk())
            return false;
    return true;
}

void TFProjektRSIn::but_startClick()
{
    if (wTrakcie())
        return;
    przerwano = false;
    {
        const TOperacja operacja(this);
        const NaKoniec naKoniec([this] { ukryjInfo(); });
        start();
    }
    // Every run the user stopped ends saying so, read, compare or send,
    // wherever the press came.
    if (przerwano)
        pokazInformacje(tekstPrzerwania());
    if (AutomatOdbierania.automat) {
        przerwaMs(przerwaAutomatuMs);
        AutomatOdbierania.status = wszystkieZakonczoneOk();
        accept();
    }
}

void TFProjektRSIn::start()
{
    for (TKbProgress *w : progressArray)
        if (!w->checked())
            w->hide();
    if (coRobic == const_wyslij) {
        const bool lan = transport(DaneSterownika) == TTransport::Lan;
        const QString pytanieTekst =
            tr("Czy chcesz wysłać zaznaczone pozycje do \r sterownika %s: %d ?")
                .replace(QStringLiteral("%s"), lan ? tr("Numer Seryjny") : tr("Adres RS-485"))
                .replace(QStringLiteral("%d"),
                         QString::number(lan ? DaneSterownika.lan.NUMER_SERYJNY : DaneSterownika.adresRS));
        if (pytanie(pytanieTekst)) {
            statusOk = wyslijProjekt();
            // A user abort is remembered for the run: no compare follows it.
            if (statusOk && !przerwano && cb_wysylkaPorownaj->isChecked()) {
                zaznaczDoPorownania();
                lockService_.fnProcess();
                odbierzProjekt(true);
            }
        }
    } else {
        odbierzProjekt(cb_CzytajPorownaj->isChecked());
    }
}

std::array<bool, ileWierszyTransferu> TFProjektRSIn::zaznaczone() const
{
    std::array<bool, ileWierszyTransferu> z{};
    for (int i = 0; i < ileWierszyTransferu; ++i)
        z[i] = progressArray[i]->checked();
    return z;
}

void TFProjektRSIn::wyczyscWiersz(int wiersz)
{
    progressArray[wiersz]->init();
    progressArray[wiersz]->LabelSet(tabela_[wiersz].nazwa);
}

void TFProjektRSIn::wierszPrzerwany(int wiersz)
{
    TKbProgress *w = progressArray[wiersz];
    w->transEnd(false, int(WynikPorownania::NieOdczytany));
    w->LabelSet(tabela_[wiersz].nazwa + QStringLiteral(": ") + tekstPrzerwania());
}

bool TFProjektRSIn::przerwanyPrzed(int wiersz, const std::array<bool, ileWierszyTransferu> &wybrane)
{
    for (int i = wiersz; i < ileWierszyTransferu; ++i)
        if (wybrane[i]) {
            wierszPrzerwany(i);
            return true;
        }
    return false;
}

bool TFProjektRSIn::wysylaniePrzerwane(int wiersz, const std::array<bool, ileWierszyTransferu> &wybrane)
{
    if (przerwanyPrzed(wiersz, wybrane))
        statusOk = false;
    return statusOk;
}

bool TFProjektRSIn::wyslijProjekt()
{
    pokazInfo(tr("Wysyłanie") + QStringLiteral("..."));
    trwaTransmisja(true);
    // A sent row has not had its 7000 ms yet.
    bool czekaNaPrzerwe = false;
    // The pause and the end of the run are no work for a destructor: they
    // process messages.
    const auto koniec = [&] {
        if (czekaNaPrzerwe)
            przerwaMs(przerwaMiedzyBlokamiMs);
        trwaTransmisja(false);
    };
    bool ok = false;
    try {
        ok = wyslijWiersze(zaznaczone(), czekaNaPrzerwe);
    } catch (...) {
        koniec();
        throw;
    }
    koniec();
    return ok;
}

bool TFProjektRSIn::wyslijWiersze(const std::array<bool, ileWierszyTransferu> &wybrane, bool &czekaNaPrzerwe)
{
    // The row before was sent: the 7000 ms go before this one.
    bool poprzedniWyslany = false;
    for (int i = 0; i < ileWierszyTransferu; ++i) {
        const TElementListy &w = tabela_[i];
        TKbProgress *wiersz = progressArray[i];
        statusOk = true;
        // Stopped between rows or during the pause: no row begins.
        if (przerwij)
            return wysylaniePrzerwane(i, wybrane);
        if (wybrane[i]) {
            przerwaMs(przerwaPrzedBlokiemMs);
            if (przerwij)
                return wysylaniePrzerwane(i, wybrane);
            wyczyscWiersz(i);
            if (poprzedniWyslany) {
                wiersz->transWait(przerwaMiedzyBlokamiMs, tr("Czekaj") + QStringLiteral("...."));
                czekaNaPrzerwe = false;
            }
            poprzedniWyslany = false;
            if (przerwij)
                return wysylaniePrzerwane(i, wybrane);
            wiersz->transStart(w.ilePozycji);
            statusOk = sprawdzBlokade();
            if (w.potw73)
                statusOk = otworzSesjeSekcji(DaneSterownika);
            if (!statusOk) {
                bladBloku(i, true);
                return false;
            }
            if (w.sendUnlock)
                lockService_.clsTime();
            statusOk = wyslijPozycjeBloku(i);
            if (!statusOk)
                return false;
            if (w.potw73 && !(statusOk = zamknijSesjeSekcji(DaneSterownika))) {
                bladBloku(i, true);
                return false;
            }
            poprzedniWyslany = true;
            czekaNaPrzerwe = true;
            wiersz->transEnd(true, int(WynikPorownania::NieOdczytany));
        } else {
            poprzedniWyslany = false;
        }
        zegar().przetworzZdarzenia();
        przerwaMs(przerwaPoBlokuMs);
    }
    return statusOk;
}

bool TFProjektRSIn::wyslijPozycjeBloku(int wiersz)
{
    const TElementListy &w = tabela_[wiersz];
    const TSekcjaProjektu &s = sekcjeProjektu()[wiersz];
    TKbProgress *p = progressArray[wiersz];
    for (int k = 1; k <= w.ilePozycji; ++k) {
        if (k % lockCoIlePozycji == 0)
            lockService_.fnProcess();
        if (przerwij) {
            // Stopped by the user: the controller is not left in the
            // session, and the row says who stopped it.
            const bool zamknieta = !w.potw73 || zamknijSesjeSekcji(DaneSterownika);
            wierszPrzerwany(wiersz);
            if (!zamknieta)
                pokazBrakKomunikacji();
            return false;
        }
        constexpr bool wSesji = true;
        const bool ok = s.wyslij(projekt_, mycie_, k, wSesji, DaneSterownika, jezykId);
        if (s.zmieniaPolaczenie)
            wezUstawieniaSterownika(DaneSterownika);
        if (!ok) {
            // The section's send has shown its own message.
            bladBloku(wiersz, false);
            return false;
        }
        p->transStep(k);
        zegar().przetworzZdarzenia();
        przerwaMs(przerwaPoPozycjiMs);
    }
    return true;
}

void TFProjektRSIn::bladBloku(int wiersz, bool pokazKomunikat)
{
    progressArray[wiersz]->transEnd(false, int(WynikPorownania::NieOdczytany));
    przerwaMs(przerwaPrzedBledemMs);
    if (pokazKomunikat)
        pokazBrakKomunikacji();
}

void TFProjektRSIn::odbierzProjekt(bool tylkoPorownaj)
{
    pokazInfo(tylkoPorownaj ? tr("Porównanie") + QStringLiteral("...") : tr("Czytanie") + QStringLiteral("..."));
    KopiaProjektu kopia(projekt_, mycie_);
    kopia.przywroc = tylkoPorownaj;
    const std::array<bool, ileWierszyTransferu> wybrane = zaznaczone();
    trwaTransmisja(true);
    try {
        odbierzWiersze(wybrane, tylkoPorownaj, kopia.projekt(), kopia.mycie());
    } catch (...) {
        trwaTransmisja(false);
        throw;
    }
    trwaTransmisja(false);
}

void TFProjektRSIn::odbierzWiersze(const std::array<bool, ileWierszyTransferu> &wybrane, bool tylkoPorownaj,
                                   const TProjektVXTNew &przed, const TProjektDodatkiMycie &myciePrzed)
{
    for (int i = 0; i < ileWierszyTransferu; ++i) {
        const TElementListy &w = tabela_[i];
        const TSekcjaProjektu &s = sekcjeProjektu()[i];
        TKbProgress *wiersz = progressArray[i];
        bool ok = false, przerwany = false;
        if (przerwij) {
            przerwanyPrzed(i, wybrane);
            break;
        }
        if (!wybrane[i])
            continue;
        wyczyscWiersz(i);
        wiersz->transStart(w.ilePozycji);
        lockService_.fnProcess();
        for (int k = 1; k <= w.ilePozycji; ++k) {
            if (k % lockCoIlePozycji == 0)
                lockService_.fnProcess();
            if (przerwij) {
                ok = false;
                przerwany = true;
                break;
            }
            ok = s.czytaj(projekt_, mycie_, k, DaneSterownika);
            if (!ok)
                break;
            bylaZmiana = true;
            wiersz->transStep(k);
        }
        if (ok && s.czytajPo) {
            ok = s.czytajPo(projekt_, DaneSterownika);
            zegar().przetworzZdarzenia();
            przerwaMs(przerwaPoAlarmachMs);
        }
        zegar().przetworzZdarzenia();
        przerwaMs(przerwaPoOdczycieBlokuMs);
        const WynikPorownania wynik = tylkoPorownaj
                                          ? porownajBlokProjektu(ok, w.id, przed, projekt_, myciePrzed, mycie_)
                                          : WynikPorownania::NieOdczytany;
        if (przerwany)
            wierszPrzerwany(i);
        else
            wiersz->transEnd(ok, int(wynik));
        if (!ok)
            break;
        lockService_.fnProcess();
    }
}

bool pokazProjektRSIn(TOdbierzWyslij co, int jezykId, TAutomatOdbierania &automat, TProjektVXTNew &projekt,
                      TProjektDodatkiMycie &mycie, TLockedTransmission &lockService, QWidget *parent)
{
    TFProjektRSIn okno(projekt, mycie, lockService, parent);
    okno.przygotuj(co, jezykId, automat);
    okno.exec();
    automat = okno.AutomatOdbierania;
    return okno.bylaZmiana;
}
