#include "edytor_sekcji.h"

#include "dane_sterownika.h"
#include "komunikaty.h"
#include "operacja.h"
#include "pasek_postepu.h"
#include "plik_sekcji.h"
#include "pola_sekcji.h"
#include "porownaj.h"
#include "raport.h"
#include "tabela_pamieci.h"
#include "transfer_sekcji.h"
#include "wersja.h"
#include "wybor_pliku.h"
#include "zegar.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <exception>

namespace {

// The tool buttons' pictures, drawn so that they need no files.
QIcon ikona(TEdytorSekcji::Przycisk p)
{
    QPixmap px(24, 24);
    px.fill(Qt::transparent);
    QPainter g(&px);
    g.setRenderHint(QPainter::Antialiasing);
    const QColor granat(20, 41, 65), zielony(40, 140, 60), szary(110, 110, 110);
    const auto strzalka = [&](bool wDol, const QColor &c) {
        // A controller box with an arrow coming from or going to it.
        g.setPen(QPen(szary, 1.5));
        g.setBrush(QColor(200, 208, 220));
        g.drawRect(QRectF(3, wDol ? 3 : 15, 18, 6));
        QPainterPath s;
        const qreal y0 = wDol ? 10 : 21, y1 = wDol ? 21 : 10;
        s.moveTo(12, y1);
        s.lineTo(6, (y0 + y1) / 2);
        s.lineTo(18, (y0 + y1) / 2);
        s.closeSubpath();
        g.setPen(Qt::NoPen);
        g.setBrush(c);
        g.drawPath(s);
        g.drawRect(QRectF(10, std::min(y0, (y0 + y1) / 2), 4, std::abs(y0 - y1) / 2));
    };
    switch (p) {
    case TEdytorSekcji::Odczyt:
        strzalka(true, zielony);
        break;
    case TEdytorSekcji::Wyslanie:
        strzalka(false, QColor(190, 90, 20));
        break;
    case TEdytorSekcji::Otwarcie:
        g.setPen(QPen(QColor(150, 110, 20), 1.5));
        g.setBrush(QColor(240, 200, 90));
        g.drawPolygon(QPolygonF({{2, 6}, {9, 6}, {11, 8}, {21, 8}, {21, 20}, {2, 20}}));
        break;
    case TEdytorSekcji::Zapis:
        g.setPen(QPen(granat, 1.5));
        g.setBrush(QColor(70, 110, 170));
        g.drawRect(QRectF(3, 3, 18, 18));
        g.setBrush(Qt::white);
        g.drawRect(QRectF(7, 3, 10, 6));
        g.drawRect(QRectF(6, 13, 12, 8));
        break;
    case TEdytorSekcji::Edycja:
        g.setPen(QPen(granat, 1.5));
        g.setBrush(QColor(250, 220, 120));
        g.drawPolygon(QPolygonF({{4, 20}, {5, 15}, {16, 4}, {20, 8}, {9, 19}}));
        break;
    case TEdytorSekcji::Drukowanie:
        g.setPen(QPen(szary, 1.5));
        g.setBrush(Qt::white);
        g.drawRect(QRectF(7, 2, 10, 7));
        g.setBrush(QColor(160, 165, 175));
        g.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
        g.setBrush(Qt::white);
        g.drawRect(QRectF(7, 14, 10, 8));
        break;
    case TEdytorSekcji::Czyszczenie:
        g.setPen(QPen(QColor(190, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
        g.drawLine(QPointF(6, 6), QPointF(18, 18));
        g.drawLine(QPointF(18, 6), QPointF(6, 18));
        break;
    }
    return QIcon(px);
}

} // namespace

TEdytorSekcji::TEdytorSekcji(Przyciski przyciski, QWidget *parent) : QDialog(parent)
{
    auto *uklad = new QVBoxLayout(this);
    auto *pasek = pasek_ = new QHBoxLayout;
    pasek->setSpacing(2);
    uklad->addLayout(pasek);
    const auto dodaj = [&](Przycisk p, QToolButton *&b, const char *nazwa, void (TEdytorSekcji::*polecenie)()) {
        if (!przyciski.testFlag(p))
            return;
        b = dodajNarzedzie(p, nazwa, polecenie);
        pasek->addWidget(b);
    };
    dodaj(Odczyt, but_odczyt, "but_odczyt", &TEdytorSekcji::but_odczytClick);
    dodaj(Wyslanie, but_wyslij, "but_wyslij", &TEdytorSekcji::but_wyslijClick);
    dodaj(Otwarcie, but_otworz, "but_otworz", &TEdytorSekcji::but_otworzClick);
    dodaj(Zapis, but_zapisz, "but_zapisz", &TEdytorSekcji::but_zapiszClick);
    dodaj(Edycja, but_popraw, "but_popraw", &TEdytorSekcji::but_poprawClick);
    dodaj(Drukowanie, but_drukuj, "but_drukuj", &TEdytorSekcji::but_drukujClick);
    dodaj(Czyszczenie, sb_cls, "sb_cls", &TEdytorSekcji::sb_clsClick);
    pasek->addStretch();

    obszar = new QWidget(this);
    obszar->setObjectName(QStringLiteral("obszar"));
    uklad->addWidget(obszar, 1);

    auto *dol = new QHBoxLayout;
    dol->addStretch();
    but_ok = new QPushButton(this);
    but_ok->setObjectName(QStringLiteral("but_ok"));
    but_anuluj = new QPushButton(this);
    but_anuluj->setObjectName(QStringLiteral("but_anuluj"));
    but_ok->setEnabled(false);
    // A click leaves the focus where it is: a cell still being edited goes
    // in when OK takes the values (zatwierdzKomorke), not as the press
    // takes its focus, so a value refused there ends the OK.
    but_ok->setFocusPolicy(Qt::TabFocus);
    for (QPushButton *b : {but_ok, but_anuluj}) {
        // Enter belongs to the section's controls (a grid edits its row).
        b->setAutoDefault(false);
        dol->addWidget(b);
    }
    uklad->addLayout(dol);
    // The section's controls edit the record the operation reads or sends.
    wylaczanaPodczasOperacji({obszar, but_ok, but_anuluj});
    connect(but_ok, &QPushButton::clicked, this, [this] { but_okClick(); });
    connect(but_anuluj, &QPushButton::clicked, this, [this] { but_anulujClick(); });
}

QToolButton *TEdytorSekcji::dodajNarzedzie(Przycisk p, const char *nazwa, void (TEdytorSekcji::*polecenie)())
{
    return utworzNarzedzie(nazwa, ikona(p), [this, polecenie] { (this->*polecenie)(); });
}

QToolButton *TEdytorSekcji::utworzNarzedzie(const char *nazwa, const QIcon &ikona, std::function<void()> polecenie)
{
    auto *b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(nazwa));
    b->setAutoRaise(true);
    b->setIcon(ikona);
    b->setIconSize(QSize(24, 24));
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QToolButton::clicked, this, [this, polecenie = std::move(polecenie)] { wykonaj(polecenie); });
    wylaczanaPodczasOperacji({b});
    return b;
}

QToolButton *TEdytorSekcji::dodajNarzedzie(const char *nazwa, const QIcon &ikona, std::function<QString()> podpowiedz,
                                           std::function<void()> polecenie)
{
    QToolButton *b = utworzNarzedzie(nazwa, ikona, std::move(polecenie));
    // Before the stretch that closes the bar.
    pasek_->insertWidget(pasek_->count() - 1, b);
    const QString t = podpowiedz();
    b->setToolTip(t);
    b->setAccessibleName(t);
    podpowiedzi_.emplace_back(b, std::move(podpowiedz));
    return b;
}

void TEdytorSekcji::wylaczNarzedzie(QToolButton *b)
{
    if (!b)
        return;
    wylaczanaPodczasOperacji({b}, false);
    b->setEnabled(false);
}

void TEdytorSekcji::ustawJezyk(int id)
{
    jezykId = id;
    jezyk();
}

void TEdytorSekcji::jezyk()
{
    setWindowTitle(tytul());
    const auto podpowiedz = [](QToolButton *b, const QString &t) {
        if (b) {
            b->setToolTip(t);
            b->setAccessibleName(t);
        }
    };
    podpowiedz(but_odczyt, tr("Odczyt danych ze sterownika"));
    podpowiedz(but_wyslij, tr("Wysłanie danych do sterownika"));
    podpowiedz(but_otworz, tr("Odczyt danych z dysku"));
    podpowiedz(but_zapisz, tr("Zapis danych na dysk"));
    podpowiedz(but_popraw, tr("Edycja"));
    podpowiedz(but_drukuj, tr("Drukuj"));
    podpowiedz(sb_cls, tr("Czyść"));
    for (const auto &[b, tekst] : podpowiedzi_)
        podpowiedz(b, tekst());
    but_ok->setText(tr("OK"));
    but_anuluj->setText(tr("Anuluj"));
    for (const auto &[etykieta, tekst] : etykiety_)
        etykieta->setText(tekst());
    for (const auto &[g, tekst] : tytuly_)
        g->setTitle(tekst());
    for (const auto &[b, tekst] : podpowiedzi_) {
        b->setToolTip(tekst());
        b->setAccessibleName(b->toolTip());
    }
    jezykRamy();
    jezykSekcji();
}

void TEdytorSekcji::tlumaczonaEtykieta(QLabel *l, std::function<QString()> tekst)
{
    l->setText(tekst());
    etykiety_.emplace_back(l, std::move(tekst));
}

void TEdytorSekcji::tlumaczonyTytul(QGroupBox *g, std::function<QString()> tekst)
{
    g->setTitle(tekst());
    tytuly_.emplace_back(g, std::move(tekst));
}

QString TEdytorSekcji::tekstWysylania() { return tr("Wysyłanie ustawień do sterownika"); }

void TEdytorSekcji::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        jezyk();
    QDialog::changeEvent(e);
}

void TEdytorSekcji::okBezZmian()
{
    bezZmian_ = true;
    but_ok->setEnabled(true);
    but_ok->setAutoDefault(true);
    but_ok->setDefault(true);
}

void TEdytorSekcji::wlaczOk(bool tak) { but_ok->setEnabled(tak || bezZmian_); }

void TEdytorSekcji::modyfikacja() { wlaczOk(true); }

void TEdytorSekcji::but_okClick()
{
    wynik = true;
    wlaczOk(false);
    accept();
}

void TEdytorSekcji::but_anulujClick()
{
    wynik = false;
    reject();
}

bool TEdytorSekcji::FormCloseQuery()
{
    return bezZmian_ || !but_ok->isEnabled() || pytanie(tr("Uwaga: Zmiany nie zostały zapisane. Kontynuować?"));
}

// OK, "Anuluj", Esc and the title bar's close button all end here.
void TEdytorSekcji::done(int r)
{
    if (!wTrakcie() && FormCloseQuery())
        QDialog::done(r);
}

bool TEdytorSekcji::wTrakcie() const { return trwaOperacja(this); }

bool TEdytorSekcji::zatwierdzKomorke()
{
    QWidget *edytor = focusWidget();
    for (QWidget *w = edytor ? edytor->parentWidget() : nullptr; w && w != this; edytor = w, w = w->parentWidget()) {
        auto *v = qobject_cast<QAbstractItemView *>(w->parentWidget());
        if (!v || w != v->viewport())
            continue;
        const quint64 przed = odmowyZakresu();
        QAbstractItemDelegate *d = v->itemDelegateForIndex(v->currentIndex());
        emit d->commitData(edytor);
        emit d->closeEditor(edytor, QAbstractItemDelegate::NoHint);
        return odmowyZakresu() == przed;
    }
    return true;
}

void TEdytorSekcji::wykonaj(const std::function<void()> &polecenie)
{
    if (wTrakcie() || !zatwierdzKomorke())
        return;
    QString blad;
    {
        const TOperacja operacja(this);
        try {
            polecenie();
        } catch (const std::exception &e) {
            blad = tr("Nieoczekiwany błąd") + QStringLiteral(": ") + QString::fromUtf8(e.what());
        } catch (...) {
            blad = tr("Nieoczekiwany błąd");
        }
        pasekPostepu().hide();
    }
    if (!blad.isEmpty())
        pokazBlad(blad);
}

bool TEdytorSekcji::anulowano() { return pasekPostepu().koniec; }

namespace {

// Runs the loop's body; its end hook runs however it ended, also when an
// error escapes the body (which then goes on to wykonaj()).
template <class Cialo, class Koniec>
TEdytorSekcji::KoniecPetli zKoncem(Cialo cialo, Koniec koniec)
{
    TEdytorSekcji::KoniecPetli k;
    try {
        k = cialo();
    } catch (...) {
        koniec(TEdytorSekcji::KoniecPetli::Blad);
        throw;
    }
    koniec(k);
    return k;
}

} // namespace

bool TEdytorSekcji::poczatekPetli(const Petla &p)
{
    pasekPostepu().koniec = false;
    wezUstawieniaSterownika(daneSterownika);
    pokazPostep(0, p.ile, p.tekst);
    return !p.naPoczatek || p.naPoczatek();
}

bool TEdytorSekcji::poPozycji(const Petla &p, int i)
{
    zegar().przetworzZdarzenia();
    if (p.po ? !p.po(i, anulowano()) : anulowano())
        return false;
    p.postep ? p.postep(i) : pokazPostep(i, p.ile, p.tekst);
    return true;
}

TEdytorSekcji::KoniecPetli TEdytorSekcji::czytajWszystko(const Petla &p)
{
    return zKoncem(
        [&] {
            if (!poczatekPetli(p))
                return KoniecPetli::Blad;
            for (int i = 1; i <= p.ile; ++i) {
                if ((p.przed && !p.przed(i)) || !p.pozycja(i))
                    return KoniecPetli::Blad;
                if (!poPozycji(p, i))
                    return KoniecPetli::Anulowano;
            }
            return KoniecPetli::Calosc;
        },
        [&](KoniecPetli k) {
            odswiezWidok();
            if (p.naKoniec)
                p.naKoniec(k);
        });
}

TEdytorSekcji::KoniecPetli TEdytorSekcji::wyslijWszystko(const Petla &p)
{
    return zKoncem(
        [&] {
            if (!poczatekPetli(p))
                return KoniecPetli::Blad;
            if (!otworzSesjeSekcji(daneSterownika, p.probyOtwarcia)) {
                pokazBrakKomunikacji();
                return KoniecPetli::Blad;
            }
            KoniecPetli k = KoniecPetli::Calosc;
            for (int i = 1; i <= p.ile; ++i) {
                if (p.przed && !p.przed(i))
                    return KoniecPetli::Blad;
                if (!p.pozycja(i)) {
                    // The section may close the session as after the last item.
                    if (!p.poBledzie || !p.poBledzie(i))
                        return KoniecPetli::Blad;
                    k = KoniecPetli::Blad;
                    break;
                }
                if (!poPozycji(p, i)) {
                    // Stopped by the user: the controller is not left in
                    // the session.
                    if (!zamknijSesjeSekcji(daneSterownika))
                        pokazBrakKomunikacji();
                    return KoniecPetli::Anulowano;
                }
            }
            const bool zamknieta = zamknijSesjeSekcji(daneSterownika);
            if (p.poZamknieciu)
                p.poZamknieciu(zamknieta);
            else if (zamknieta)
                pokazInformacje(tr("Ustawienia wysłane do sterownika "));
            else
                pokazBrakKomunikacji();
            return zamknieta ? k : KoniecPetli::Blad;
        },
        [&](KoniecPetli k) {
            if (p.naKoniec)
                p.naKoniec(k);
        });
}

bool TEdytorSekcji::czytajJeden(const std::function<bool()> &czytaj, const std::function<void()> &pokaz, int ile,
                                const QString &tekst)
{
    pasekPostepu().koniec = false;
    wezUstawieniaSterownika(daneSterownika);
    pokazPostep(0, ile, tekst);
    if (!czytaj())
        return false;
    zegar().przetworzZdarzenia();
    pokaz();
    pokazPostep(ile, ile, tekst);
    return true;
}

bool TEdytorSekcji::wyslijJeden(const std::function<bool()> &wyslij, int ile, const QString &tekst, bool potwierdz)
{
    pasekPostepu().koniec = false;
    wezUstawieniaSterownika(daneSterownika);
    pokazPostep(0, ile, tekst);
    if (!wyslij())
        return false;
    pokazPostep(ile, ile, tekst);
    if (potwierdz)
        pokazInformacje(tr("Ustawienia wysłane do sterownika "));
    return true;
}

bool TEdytorSekcji::potwierdzCzyszczenie()
{
    return pytanie(tr("Potwierdzasz wyzerowanie danych dla bieżącego okna?"));
}

bool TEdytorSekcji::zapiszPlik(const void *dane, qint64 rozmiar, const QString &rozszerzenie, const QString &etykieta)
{
    const QString plik = wyborPliku().plikDoZapisu(filtrSekcji(rozszerzenie, etykieta), rozszerzenie, QString());
    if (plik.isEmpty())
        return false;
    QString blad;
    if (!zapiszPlikSekcji(plik, dane, rozmiar, &blad)) {
        pokazBlad(QDir::toNativeSeparators(plik) + QStringLiteral(": ") + blad);
        return false;
    }
    return true;
}

bool TEdytorSekcji::otworzPlik(void *dane, qint64 rozmiar, const QString &rozszerzenie, const QString &etykieta)
{
    const QString plik = wyborPliku().plikDoOtwarcia(filtrSekcji(rozszerzenie, etykieta), rozszerzenie);
    if (plik.isEmpty())
        return false;
    switch (czytajPlikSekcji(plik, dane, rozmiar)) {
    case TOdczytPliku::Dobrze:
        return true;
    case TOdczytPliku::BladOtwarcia:
        pokazBlad(tr("Bład otwarcia pliku"));
        return false;
    case TOdczytPliku::BladOdczytu:
        pokazBlad(jedenBladPliku ? tr("Bład otwarcia pliku") : tr("Bład przetwarzania pliku"));
        return false;
    }
    return false;
}

TEdytorSekcji::~TEdytorSekcji() = default;

void TEdytorSekcji::but_drukujClick()
{
    if (wybierzDrukarke())
        wydrukuj();
}

void TEdytorSekcji::zbudujRaport(TRaport &raport)
{
    if (const TTabelaPamieci *t = tabelaRaportu()) {
        raport.dodajZbior(zbiorRaportu, t->nazwyPol());
        szablonListy(raport, zbiorRaportu, kolumnyRaportu(*t));
    }
}

void TEdytorSekcji::wydrukuj()
{
    if (!frxReport1) {
        frxReport1 = std::make_unique<TRaport>();
        zbudujRaport(*frxReport1);
    }
    TRaport &r = *frxReport1;
    QList<std::pair<QString, QString>> teksty{
        {QStringLiteral("MemoTytul"), tytulRaportu()},
        {QStringLiteral("MemoWersja"), QApplication::applicationName() + QLatin1Char(' ') + wersjaProgramuPelna()},
    };
    if (const TTabelaPamieci *t = tabelaRaportu()) {
        t->doZbioru(*r.zbior(zbiorRaportu));
        for (const TKolumnaTabeli &k : t->pola())
            if (!k.opis.glowka.isEmpty())
                teksty.append({QStringLiteral("h_") + k.opis.glowka, k.opis.tytulGlowki()});
    }
    for (const auto &[nazwa, tekst] : tekstyRaportu())
        teksty.append({QString::fromLatin1(nazwa), tekst});
    teksty.append({QStringLiteral("f_wydrukowano"), tr("Wydrukowano") + QStringLiteral(": [Date]")});
    for (const auto &[nazwa, tekst] : teksty)
        if (!ustawTekstRaportu(r, nazwa, tekst))
            return;
    wypelnijRaport(r);
    drukujRaport(r, jezykId);
}

TPasmo &TEdytorSekcji::dodajPrzekaznikiRaportu(TRaport &raport, TPasmo &wiersz,
                                               const QList<QPair<QString, QString>> &powiazanie)
{
    dodajZbiorPrzekaznikow(raport);
    const TRaport::Strona &s = raport.strona;
    const qreal szerokosc = s.wymiary().width() - s.marginesy.left() - s.marginesy.right();
    return dodajPasmoPrzekaznikow(wiersz, QStringLiteral("Przekazniki"), zbiorPrzekaznikow(), powiazanie, szerokosc,
                                  &ileTemp);
}

TZbiorRaportu &TEdytorSekcji::przekaznikiRaportu(TRaport &raport)
{
    ileTemp = 0;
    TZbiorRaportu &z = *raport.zbior(zbiorPrzekaznikow());
    z.wyczysc();
    return z;
}

void TEdytorSekcji::porownajZeSterownikiem(const std::function<bool()> &czytaj,
                                           const std::function<QList<TRoznicaPola>()> &roznice, const QString &tytul,
                                           const QString &zgodne)
{
    const bool przeczytane = czytaj();
    pasekPostepu().hide();
    if (!przeczytane)
        return;
    TFormPorownaj &okno = formaPorownaj();
    okno.inicjuj(tytul);
    const QList<TRoznicaPola> r = roznice();
    for (const TRoznicaPola &x : r)
        okno.dopisz(x.id, x.nazwa, x.program, x.sterownik);
    if (r.isEmpty())
        pokazInformacje(zgodne);
    else
        okno.pokazOkno(jezykId);
}

QWidget *rodzicEdytora()
{
    if (QWidget *w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}
