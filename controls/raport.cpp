#include "raport.h"

#include "komunikaty.h"
#include "okna_komunikatow.h"

#include <QDir>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <utility>

BladRaportu::BladRaportu(const QString &k) : std::runtime_error(k.toStdString()), komunikat(k) {}

// ---- template -------------------------------------------------------------

TPasmo::TPasmo(QString n, TRodzajPasma r, qreal w, QString z)
    : TObiektRaportu(std::move(n)), rodzaj(r), wysokosc(w), zbior(std::move(z))
{}

TTekstRaportu &TPasmo::dodajTekst(const QString &nazwa, const QRectF &polozenie, const QString &tekst)
{
    auto t = std::make_unique<TTekstRaportu>(nazwa);
    t->polozenie = polozenie;
    if (!tekst.isEmpty())
        t->linie = QStringList{tekst};
    obiekty.push_back(std::move(t));
    return static_cast<TTekstRaportu &>(*obiekty.back());
}

TLiniaRaportu &TPasmo::dodajLinie(const QString &nazwa, const QRectF &polozenie)
{
    auto l = std::make_unique<TLiniaRaportu>(nazwa);
    l->polozenie = polozenie;
    obiekty.push_back(std::move(l));
    return static_cast<TLiniaRaportu &>(*obiekty.back());
}

TPasmo &TPasmo::dodajPasmo(const QString &nazwa, TRodzajPasma r, qreal w, const QString &z, const TPowiazanie &p)
{
    pasma.push_back(std::make_unique<TPasmo>(nazwa, r, w, z));
    pasma.back()->powiazanie = p;
    return *pasma.back();
}

void TZbiorRaportu::dodajWiersz(const QStringList &wartosci)
{
    if (wartosci.size() > pola.size())
        throw BladRaportu(TRaport::tr("Zbiór danych raportu %1 ma %2 pól, podano %3 wartości")
                              .arg(nazwa)
                              .arg(pola.size())
                              .arg(wartosci.size()));
    QStringList w = wartosci;
    while (w.size() < pola.size())
        w.append(QString());
    wiersze.append(w);
}

int TZbiorRaportu::indeksPola(const QString &pole) const
{
    for (int i = 0; i < pola.size(); ++i)
        if (pola[i].compare(pole, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

TRaport::TRaport(QString n) : nazwa(std::move(n)) {}

QSizeF TRaport::Strona::wymiary() const
{
    const QSizeF s = rozmiar.size(QPageSize::Millimeter);
    return orientacja == QPageLayout::Landscape ? s.transposed() : s;
}

TPasmo &TRaport::dodajPasmo(const QString &n, TRodzajPasma r, qreal w, const QString &z)
{
    pasma.push_back(std::make_unique<TPasmo>(n, r, w, z));
    return *pasma.back();
}

TZbiorRaportu &TRaport::dodajZbior(const QString &n, const QStringList &pola)
{
    zbiory.push_back(std::make_unique<TZbiorRaportu>(n, pola));
    return *zbiory.back();
}

TZbiorRaportu *TRaport::zbior(const QString &n) { return const_cast<TZbiorRaportu *>(std::as_const(*this).zbior(n)); }

const TZbiorRaportu *TRaport::zbior(const QString &n) const
{
    for (const auto &z : zbiory)
        if (z->nazwa.compare(n, Qt::CaseInsensitive) == 0)
            return z.get();
    return nullptr;
}

static TObiektRaportu *szukaj(const std::vector<std::unique_ptr<TPasmo>> &pasma, const QString &n)
{
    for (const auto &p : pasma) {
        if (p->nazwa.compare(n, Qt::CaseInsensitive) == 0)
            return p.get();
        for (const auto &o : p->obiekty)
            if (o->nazwa.compare(n, Qt::CaseInsensitive) == 0)
                return o.get();
        if (TObiektRaportu *o = szukaj(p->pasma, n))
            return o;
    }
    return nullptr;
}

TObiektRaportu *TRaport::znajdzObiekt(const QString &n) const { return szukaj(pasma, n); }

QString TRaport::tytul() const
{
    if (const auto *t = dynamic_cast<const TTekstRaportu *>(znajdzObiekt(QStringLiteral("MemoTytul")))) {
        const QString tekst = t->tekst().trimmed();
        if (!tekst.isEmpty())
            return tekst;
    }
    return QCoreApplication::applicationName();
}

QString TRaport::wartoscPola(const QString &zb, const QString &pole) const
{
    const TZbiorRaportu *z = zbior(zb);
    if (!z)
        return {};
    const int i = z->indeksPola(pole);
    const int w = biezace_.value(z->nazwa.toLower(), 0);
    if (i < 0 || w < 0 || w >= z->wiersze.size())
        return {};
    return z->wiersze[w][i];
}

// ---- layout ---------------------------------------------------------------

class UkladStron {
public:
    explicit UkladStron(TRaport &r) : r_(r)
    {
        const QSizeF wym = r.strona.wymiary();
        const QMarginsF m = r.strona.marginesy;
        gora_ = m.top();
        lewo_ = m.left();
        kolumny_ = std::max(1, r.strona.kolumny);
        szerokoscKolumny_ = (wym.width() - m.left() - m.right()) / kolumny_;
        qreal stopka = 0;
        for (const auto &p : r.pasma)
            if (p->rodzaj == TRodzajPasma::StopkaStrony)
                stopka += p->wysokosc;
        dolStopki_ = wym.height() - m.bottom() - stopka;
    }

    QList<TStronaWydruku> wykonaj()
    {
        sprawdz();
        r_.biezace_.clear();
        nowaStrona();
        for (const auto &p : r_.pasma) {
            switch (p->rodzaj) {
            case TRodzajPasma::Dane:
                wiersze(*p);
                break;
            case TRodzajPasma::Komorki:
                komorki(*p);
                break;
            case TRodzajPasma::Podrzedne:
                wydrukuj(*p);
                break;
            default:
                break;
            }
        }
        zamknijStrone();
        r_.biezace_.clear();
        return strony_;
    }

private:
    void sprawdz()
    {
        QSet<QString> nazwy;
        auto nazwa = [&](const QString &n) {
            if (n.isEmpty())
                return;
            if (nazwy.contains(n.toLower()))
                throw BladRaportu(TRaport::tr("Raport %1: obiekt %2 występuje dwa razy").arg(r_.nazwa, n));
            nazwy.insert(n.toLower());
        };
        std::function<void(const TPasmo &)> pasmo = [&](const TPasmo &p) {
            nazwa(p.nazwa);
            for (const auto &o : p.obiekty)
                nazwa(o->nazwa);
            const bool zeZbiorem = p.rodzaj == TRodzajPasma::Dane || p.rodzaj == TRodzajPasma::Komorki;
            if (zeZbiorem && !r_.zbior(p.zbior))
                throw BladRaportu(TRaport::tr("Raport %1: brak zbioru danych %2").arg(r_.nazwa, p.zbior));
            for (const auto &d : p.pasma)
                pasmo(*d);
        };
        for (const auto &p : r_.pasma)
            pasmo(*p);
    }

    TZbiorRaportu &zbiorPasma(const TPasmo &p) { return *r_.zbior(p.zbior); }

    qreal xKolumny() const { return lewo_ + kolumna_ * szerokoscKolumny_; }

    void umiesc(TPasmo &p, qreal x, qreal y)
    {
        for (auto &o : p.obiekty) {
            if (auto *t = dynamic_cast<TTekstRaportu *>(o.get())) {
                t->wartosc = podstaw(t->tekst());
                if (t->przedDrukiem)
                    t->przedDrukiem(*t);
                if (!t->widoczny)
                    continue;
                TElementWydruku e;
                e.polozenie = t->polozenie.translated(x, y);
                e.tekst = (t->ukryjZera && zero(t->wartosc)) ? QString() : t->wartosc;
                e.czcionka = t->czcionka;
                e.kolor = t->kolor;
                e.wyrownanie = t->wyrownanie;
                e.obrot = t->obrot;
                e.ramka = t->ramka;
                e.zawijaj = t->zawijaj;
                strony_.back().append(e);
            } else if (auto *l = dynamic_cast<TLiniaRaportu *>(o.get()); l && l->widoczny) {
                TElementWydruku e;
                e.polozenie = l->polozenie.translated(x, y);
                e.kolor = l->kolor;
                e.linia = true;
                e.grubosc = l->grubosc;
                strony_.back().append(e);
            }
        }
    }

    static bool zero(const QString &s)
    {
        bool ok = false;
        const double v = QLocale::c().toDouble(QString(s).replace(QLatin1Char(','), QLatin1Char('.')).trimmed(), &ok);
        return ok && v == 0;
    }

    QString podstaw(const QString &tekst)
    {
        static const QRegularExpression wyrazenie(QStringLiteral("\\[([^\\[\\]]+)\\]"));
        QString wynik;
        qsizetype od = 0;
        for (auto it = wyrazenie.globalMatch(tekst); it.hasNext();) {
            const auto m = it.next();
            wynik += tekst.mid(od, m.capturedStart() - od);
            od = m.capturedEnd();
            wynik += wartosc(m.captured(1).trimmed(), m.captured(0));
        }
        return wynik + tekst.mid(od);
    }

    QString wartosc(const QString &w, const QString &calosc)
    {
        if (w.compare(QStringLiteral("Date"), Qt::CaseInsensitive) == 0) {
            const QDate d = r_.dataWydruku.isValid() ? r_.dataWydruku : QDate::currentDate();
            return QLocale().toString(d, QLocale::ShortFormat);
        }
        const qsizetype kropka = w.indexOf(QLatin1Char('.'));
        if (kropka <= 0)
            return calosc;
        TZbiorRaportu *z = r_.zbior(w.left(kropka).trimmed());
        if (!z)
            return calosc;
        QString pole = w.mid(kropka + 1).trimmed();
        if (pole.size() >= 2 && pole.startsWith(QLatin1Char('"')) && pole.endsWith(QLatin1Char('"')))
            pole = pole.mid(1, pole.size() - 2);
        if (z->indeksPola(pole) < 0)
            throw BladRaportu(TRaport::tr("Raport %1: zbiór danych %2 nie ma pola %3").arg(r_.nazwa, z->nazwa, pole));
        return r_.wartoscPola(z->nazwa, pole);
    }

    void nowaStrona()
    {
        if (!strony_.isEmpty())
            zamknijStrone();
        strony_.append(TStronaWydruku());
        y_ = gora_;
        kolumna_ = 0;
        for (const auto &p : r_.pasma)
            if (p->rodzaj == TRodzajPasma::TytulRaportu && strony_.size() == 1)
                pelne(*p);
        for (const auto &p : r_.pasma)
            if (p->rodzaj == TRodzajPasma::NaglowekStrony)
                pelne(*p);
        yKolumn_ = y_;
        naglowkiKolumny();
    }

    void pelne(TPasmo &p)
    {
        if (p.przedWydrukiem)
            p.przedWydrukiem(p);
        if (!p.widoczny)
            return;
        umiesc(p, lewo_, y_);
        y_ += p.wysokosc;
    }

    void naglowkiKolumny()
    {
        for (const auto &p : r_.pasma)
            if (p->rodzaj == TRodzajPasma::NaglowekKolumny && p->widoczny) {
                umiesc(*p, xKolumny(), y_);
                y_ += p->wysokosc;
            }
        yPustej_ = y_;
    }

    void zamknijStrone()
    {
        qreal y = dolStopki_;
        for (const auto &p : r_.pasma)
            if (p->rodzaj == TRodzajPasma::StopkaStrony && p->widoczny) {
                umiesc(*p, lewo_, y);
                y += p->wysokosc;
            }
    }

    // A band that does not fit goes to the next column or page; one taller
    // than an empty column is placed anyway.
    void zapewnMiejsce(qreal h)
    {
        if (y_ + h <= dolStopki_ + 1e-6 || y_ <= yPustej_ + 1e-6)
            return;
        if (kolumna_ + 1 < kolumny_) {
            ++kolumna_;
            y_ = yKolumn_;
            naglowkiKolumny();
        } else {
            nowaStrona();
        }
    }

    QList<int> pasujace(const TPasmo &p)
    {
        TZbiorRaportu &z = zbiorPasma(p);
        QList<int> wynik;
        const TPasmo *rodzic = stos_.empty() ? nullptr : stos_.back();
        for (int w = 0; w < z.wiersze.size(); ++w) {
            bool pasuje = true;
            if (rodzic) {
                for (const auto &[wlasne, nadrzedne] : p.powiazanie) {
                    const int i = z.indeksPola(wlasne);
                    if (i < 0)
                        throw BladRaportu(
                            TRaport::tr("Raport %1: zbiór danych %2 nie ma pola %3").arg(r_.nazwa, z.nazwa, wlasne));
                    if (zbiorPasma(*rodzic).indeksPola(nadrzedne) < 0)
                        throw BladRaportu(TRaport::tr("Raport %1: zbiór danych %2 nie ma pola %3")
                                              .arg(r_.nazwa, rodzic->zbior, nadrzedne));
                    if (z.wiersze[w][i] != r_.wartoscPola(rodzic->zbior, nadrzedne)) {
                        pasuje = false;
                        break;
                    }
                }
            }
            if (pasuje)
                wynik.append(w);
        }
        return wynik;
    }

    void wiersze(TPasmo &p)
    {
        const QList<int> w = pasujace(p);
        stos_.push_back(&p);
        for (int i : w) {
            r_.biezace_[p.zbior.toLower()] = i;
            wydrukuj(p);
        }
        stos_.pop_back();
    }

    void wydrukuj(TPasmo &p)
    {
        if (p.przedWydrukiem)
            p.przedWydrukiem(p);
        if (!p.widoczny)
            return;
        zapewnMiejsce(p.wysokosc);
        umiesc(p, xKolumny(), y_);
        y_ += p.wysokosc;
        for (auto &d : p.pasma) {
            switch (d->rodzaj) {
            case TRodzajPasma::Dane:
                wiersze(*d);
                break;
            case TRodzajPasma::Komorki:
                komorki(*d);
                break;
            case TRodzajPasma::Podrzedne:
                wydrukuj(*d);
                break;
            default:
                break;
            }
        }
    }

    void komorki(TPasmo &p)
    {
        const QList<int> w = pasujace(p);
        if (w.isEmpty())
            return;
        if (p.przedWydrukiem)
            p.przedWydrukiem(p);
        if (!p.widoczny)
            return;
        const int n = std::max(1, p.liczbaKomorek);
        stos_.push_back(&p);
        for (qsizetype od = 0; od < w.size(); od += n) {
            zapewnMiejsce(p.wysokosc);
            for (qsizetype j = 0; j < n && od + j < w.size(); ++j) {
                r_.biezace_[p.zbior.toLower()] = w[od + j];
                umiesc(p, xKolumny() + j * p.szerokoscKomorki, y_);
            }
            y_ += p.wysokosc;
        }
        stos_.pop_back();
    }

    TRaport &r_;
    QList<TStronaWydruku> strony_;
    std::vector<const TPasmo *> stos_; // bands with a dataset, outermost first
    qreal gora_, lewo_, szerokoscKolumny_, dolStopki_;
    int kolumny_;
    int kolumna_ = 0;
    qreal y_ = 0;
    qreal yKolumn_ = 0; // where the page's columns begin
    qreal yPustej_ = 0; // where the current column's bands begin
};

QList<TStronaWydruku> TRaport::przygotuj() { return UkladStron(*this).wykonaj(); }

// ---- painting -------------------------------------------------------------

bool rysujStrony(const TRaport::Strona &strona, const QList<TStronaWydruku> &strony, QPagedPaintDevice &urzadzenie)
{
    if (auto *d = dynamic_cast<QPrinter *>(&urzadzenie))
        d->setFullPage(true);
    urzadzenie.setPageLayout(
        QPageLayout(strona.rozmiar, strona.orientacja, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter p;
    if (!p.begin(&urzadzenie))
        return false;
    const qreal kx = urzadzenie.logicalDpiX() / 25.4;
    const qreal ky = urzadzenie.logicalDpiY() / 25.4;
    for (qsizetype s = 0; s < strony.size(); ++s) {
        if (s > 0)
            urzadzenie.newPage();
        for (const TElementWydruku &e : strony[s]) {
            const QRectF r(e.polozenie.x() * kx, e.polozenie.y() * ky, e.polozenie.width() * kx,
                           e.polozenie.height() * ky);
            if (e.linia) {
                p.setPen(QPen(e.kolor, std::max(e.grubosc * kx, 1.0)));
                p.drawLine(r.topLeft(), r.bottomRight());
                continue;
            }
            if (e.ramka) {
                p.setPen(QPen(Qt::black, std::max(0.2 * kx, 1.0)));
                p.drawRect(r);
            }
            p.setFont(e.czcionka);
            p.setPen(e.kolor);
            const int flagi = int(e.wyrownanie) | Qt::TextDontClip | (e.zawijaj ? Qt::TextWordWrap : 0);
            if (e.obrot != 0) {
                p.save();
                p.translate(r.center());
                p.rotate(-e.obrot);
                p.drawText(QRectF(-r.width() / 2, -r.height() / 2, r.width(), r.height()), flagi, e.tekst);
                p.restore();
            } else {
                const qreal odstep = 0.5 * kx;
                p.drawText(r.adjusted(odstep, 0, -odstep, 0), flagi, e.tekst);
            }
        }
    }
    return p.end();
}

bool ustawTekstRaportu(TRaport &raport, const QString &nazwa, const QString &tekst)
{
    TObiektRaportu *o = raport.znajdzObiekt(nazwa);
    if (!o) {
        pokazBlad(TRaport::tr("Raport %1: brak obiektu %2").arg(raport.nazwa, nazwa));
        return false;
    }
    auto *t = dynamic_cast<TTekstRaportu *>(o);
    if (!t) {
        pokazBlad(TRaport::tr("Raport %1: obiekt %2 nie jest obiektem tekstowym").arg(raport.nazwa, nazwa));
        return false;
    }
    t->linie = QStringList{tekst};
    return true;
}

bool drukujRaport(TRaport &raport, int jezykId)
{
    try {
        const QList<TStronaWydruku> strony = raport.przygotuj();
        return jezykId == 1045 ? wydruk().podglad(raport, strony) : wydruk().drukuj(raport, strony);
    } catch (const BladRaportu &e) {
        pokazBlad(e.komunikat);
    } catch (const std::exception &e) {
        pokazBlad(QString::fromUtf8(e.what()));
    }
    return false;
}

bool wybierzDrukarke()
{
    try {
        return wydruk().wybierzDrukarke();
    } catch (const std::exception &e) {
        pokazBlad(QString::fromUtf8(e.what()));
    }
    return false;
}

// ---- printers ---------------------------------------------------------------

namespace {
IWydruk *biezacy = nullptr;
}

void ustawWydruk(IWydruk *w) { biezacy = w; }

IWydruk &wydruk()
{
    if (biezacy)
        return *biezacy;
    // The chosen printer is kept for the whole run.
    static WydrukOkienny *okienny = new WydrukOkienny;
    return *okienny;
}

WydrukOkienny::WydrukOkienny() = default;
WydrukOkienny::~WydrukOkienny() = default;

QPrinter &WydrukOkienny::drukarka()
{
    if (!drukarka_)
        drukarka_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *drukarka_;
}

bool WydrukOkienny::wybierzDrukarke()
{
    QPrintDialog d(&drukarka(), oknoWlasciciela());
    return d.exec() == QDialog::Accepted;
}

bool WydrukOkienny::podglad(const TRaport &raport, const QList<TStronaWydruku> &strony)
{
    QPrintPreviewDialog d(&drukarka(), oknoWlasciciela());
    d.setWindowTitle(raport.tytul());
    QObject::connect(&d, &QPrintPreviewDialog::paintRequested, &d,
                     [&](QPrinter *p) { rysujStrony(raport.strona, strony, *p); });
    d.exec();
    return true;
}

bool WydrukOkienny::drukuj(const TRaport &raport, const QList<TStronaWydruku> &strony)
{
    QPrinter &d = drukarka();
    d.setDocName(raport.tytul());
    if (rysujStrony(raport.strona, strony, d))
        return true;
    if (d.printerName().isEmpty() && d.outputFileName().isEmpty())
        pokazBlad(tr("Brak drukarki"));
    else if (d.outputFileName().isEmpty())
        pokazBlad(tr("Nie można drukować na drukarce %1").arg(d.printerName()));
    else
        pokazBlad(TRaport::tr("Nie można zapisać pliku %1").arg(QDir::toNativeSeparators(d.outputFileName())));
    return false;
}

// ---- ready-made bands -------------------------------------------------------

qreal dodajNaglowekIStopke(TRaport &raport)
{
    const QSizeF wym = raport.strona.wymiary();
    const qreal szerokosc = wym.width() - raport.strona.marginesy.left() - raport.strona.marginesy.right();
    TPasmo &naglowek = raport.dodajPasmo(QStringLiteral("PageHeader1"), TRodzajPasma::NaglowekStrony, 17);
    TTekstRaportu &tytul = naglowek.dodajTekst(QStringLiteral("MemoTytul"), QRectF(0, 0, szerokosc, 8));
    tytul.czcionka.setPointSize(14);
    tytul.czcionka.setBold(true);
    TTekstRaportu &wersja = naglowek.dodajTekst(QStringLiteral("MemoWersja"), QRectF(0, 8, szerokosc, 5));
    wersja.czcionka.setPointSize(8);
    naglowek.dodajLinie(QStringLiteral("LiniaNaglowka"), QRectF(0, 14, szerokosc, 0));
    TPasmo &stopka = raport.dodajPasmo(QStringLiteral("PageFooter1"), TRodzajPasma::StopkaStrony, 6);
    TTekstRaportu &f = stopka.dodajTekst(QStringLiteral("f_wydrukowano"), QRectF(0, 1, szerokosc, 5));
    f.czcionka.setPointSize(8);
    return szerokosc;
}

TPasmo &szablonListy(TRaport &raport, const QString &zbior, const QList<TKolumnaRaportu> &kolumny)
{
    if (!raport.zbior(zbior)) {
        QStringList pola;
        for (const auto &k : kolumny)
            pola << k.pole;
        raport.dodajZbior(zbior, pola);
    }

    dodajNaglowekIStopke(raport);
    TPasmo &glowki = raport.dodajPasmo(QStringLiteral("Header1"), TRodzajPasma::NaglowekKolumny, 6);
    TPasmo &dane = raport.dodajPasmo(QStringLiteral("MasterData1"), TRodzajPasma::Dane, 5.5, zbior);
    qreal x = 0;
    for (const auto &k : kolumny) {
        TTekstRaportu &h = glowki.dodajTekst(QStringLiteral("h_") + k.nazwa, QRectF(x, 0, k.szerokosc, 6));
        h.czcionka.setBold(true);
        h.ramka = true;
        h.wyrownanie = k.wyrownanie;
        TTekstRaportu &d = dane.dodajTekst(QStringLiteral("d_") + k.nazwa, QRectF(x, 0, k.szerokosc, 5.5),
                                           QStringLiteral("[%1.%2]").arg(zbior, k.pole));
        d.ramka = true;
        d.wyrownanie = k.wyrownanie;
        x += k.szerokosc;
    }
    return dane;
}

TPasmo &dodajPasmoPrzekaznikow(TPasmo &rodzic, const QString &nazwa, const QString &zbior,
                               const TPasmo::TPowiazanie &powiazanie, qreal szerokosc, qint64 *licznik)
{
    TPasmo &p = rodzic.dodajPasmo(nazwa, TRodzajPasma::Komorki, 5, zbior, powiazanie);
    p.liczbaKomorek = 64;
    p.szerokoscKomorki = szerokosc / 64;
    TTekstRaportu &t = p.dodajTekst(nazwa + QStringLiteral("_stan"), QRectF(0, 0, p.szerokoscKomorki, 5),
                                    QStringLiteral("[%1.stan]").arg(zbior));
    t.wyrownanie = Qt::AlignCenter;
    std::shared_ptr<qint64> wlasny;
    if (!licznik) {
        wlasny = std::make_shared<qint64>(0);
        licznik = wlasny.get();
    }
    t.przedDrukiem = [licznik, wlasny](TTekstRaportu &o) {
        ++*licznik;
        if (*licznik % 2 != 0) {
            o.kolor = QColor(128, 128, 128);
            o.czcionka.setPointSize(6);
            o.obrot = 10;
        } else {
            o.kolor = Qt::black;
            o.czcionka.setPointSize(8);
            o.obrot = 0;
        }
    };
    return p;
}

QString zbiorPrzekaznikow() { return QStringLiteral("memPrzekazniki"); }

TZbiorRaportu &dodajZbiorPrzekaznikow(TRaport &raport)
{
    return raport.dodajZbior(zbiorPrzekaznikow(), {QStringLiteral("nr"), QStringLiteral("alarm"),
                                                   QStringLiteral("przekaznik"), QStringLiteral("stan")});
}

void dopiszPrzekazniki(TZbiorRaportu &zbior, int nr, int alarm, const QByteArray &stany)
{
    const QString n = QString::number(nr), a = QString::number(alarm);
    for (int j = 1; j <= 32; ++j) {
        const QString p = QString::number(j);
        zbior.dodajWiersz({n, a, p, p});
        zbior.dodajWiersz({n, a, p, QString::number(j <= stany.size() ? uint8_t(stany[j - 1]) : 0)});
    }
}
