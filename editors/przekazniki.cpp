#include "przekazniki.h"

#include "enumeracje.h"
#include "kanaly.h"
#include "lista.h"
#include "obrazki.h"
#include "przekazniki_edytor.h"
#include "przekazniki_projektu.h"
#include "przekazniki_transfer.h"
#include "raport.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableView>
#include <QToolButton>

#include <limits>

namespace {

const char *const kontekst = "Tflistaprzekaznikow";

QString tr_(const char *t) { return QCoreApplication::translate(kontekst, t); }

// "Koszt 1".."Koszt 4" for the classes 0..3.
QString tekstKosztu(int klasa)
{
    return tr_(QT_TRANSLATE_NOOP("Tflistaprzekaznikow", "Koszt")) + QString::asprintf(" %d", klasa + 1);
}

QStringList klasyKosztu(int)
{
    QStringList l;
    for (int k = 0; k < 4; ++k)
        l << tekstKosztu(k);
    return l;
}

// The icon column's picture: the "on" picture at the cell's left + 20.
QPixmap obrazIkony(int ikona)
{
    const QPixmap p = obrazek(QString::asprintf("R%2.2d_1", ikona));
    if (p.isNull())
        return p;
    QPixmap kom(60, 40);
    kom.fill(Qt::transparent);
    QPainter g(&kom);
    g.drawPixmap(20, 0, p);
    return kom;
}

} // namespace

// A magnifying glass.
QIcon ikonaGdzieUzyty()
{
    QPixmap px(24, 24);
    px.fill(Qt::transparent);
    QPainter g(&px);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(20, 41, 65), 2.2));
    g.setBrush(QColor(200, 220, 245));
    g.drawEllipse(QPointF(10, 10), 6.5, 6.5);
    g.setPen(QPen(QColor(20, 41, 65), 3.5, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(15, 15), QPointF(21, 21));
    return QIcon(px);
}

namespace {

// The report's dataset of definitions and its band's columns.
const QString zbiorDefinicji = QStringLiteral("frxDBDatasetDef");
struct KolumnaDefinicji {
    const char *pole;
    qreal mm;
    const char *glowka; // the head above it ("m_..."), if any
    const char *tekstGlowki;
};
const QList<KolumnaDefinicji> &kolumnyDefinicji()
{
    static const QList<KolumnaDefinicji> k = {
        {"def_str", 14, nullptr, nullptr},
        {"typczasowy_str", 36, "m_typCzasowy", QT_TRANSLATE_NOOP("Tflistaprzekaznikow", "Typ czasowy")},
        {"typczas_ta", 12, "m_ta", QT_TRANSLATE_NOOP("Tflistaprzekaznikow", "Ta [s]")},
        {"typczas_tb", 12, "m_tb", QT_TRANSLATE_NOOP("Tflistaprzekaznikow", "Tb [s]")},
        {"regulator_str", 34, "m_typRegulatora", QT_TRANSLATE_NOOP("Tflistaprzekaznikow", "Typ regulatora")},
        {"cntx_kanalPomiarowy_str", 30, "m_kanalPomiarowy",
         QT_TRANSLATE_NOOP("Tflistaprzekaznikow", "Kanał pomiarowy")},
        {"cntx_kanalZadany_Str", 24, "m_kanalZadany", QT_TRANSLATE_NOOP("Tflistaprzekaznikow", "Kanał zadany")},
        {"col1", 19, nullptr, nullptr},
        {"col2", 19, nullptr, nullptr},
        {"col3", 19, nullptr, nullptr},
        {"col4", 19, nullptr, nullptr},
        {"col5", 19, nullptr, nullptr},
        {"col6", 19, nullptr, nullptr},
    };
    return k;
}

} // namespace

const TPolaSekcji<TPrzekaznik> &polaPrzekaznikow()
{
    using P = TPole<TPrzekaznik>;
    static const TPolaSekcji<TPrzekaznik> pola(
        kontekst,
        {
            P::obliczone("nr_str", QT_TRANSLATE_NOOP("Tflistaprzekaznikow", "Nr"),
                         [](const auto &, const TMiejscePola &m) { return QString::asprintf("DO1.%d", m.nr); })
                .kolumna(65, Qt::AlignCenter)
                .przycisk()
                .druk(QStringLiteral("nr"), 18),
            P::napis("Nazwa", QT_TRANSLATE_NOOP("Tflistaprzekaznikow", "Nazwa"), TRodzajPola::Nazwa50,
                     DOSTEP_NAZWY50(nazwa), 15)
                .kolumna(170)
                .druk(QStringLiteral("nazwa"), 70),
            // What the 16-bit field of the block carries.
            P::liczbowe("moc", QT_TRANSLATE_NOOP("Tflistaprzekaznikow", "Moc"), TRodzajPola::Calkowita,
                        DOSTEP_POLA(moc), 0, std::numeric_limits<uint16_t>::max())
                .zeroPoza()
                .kolumna(70, Qt::AlignCenter)
                .druk(QStringLiteral("moc"), 25),
            P::wyliczenie("koszt", QT_TRANSLATE_NOOP("Tflistaprzekaznikow", "Jednostkowy koszt energii"),
                          DOSTEP_POLA(koszt_energii), klasyKosztu)
                .ukryte(),
            P::obliczone("koszt_str", QT_TRANSLATE_NOOP("Tflistaprzekaznikow", "Koszt energii"),
                         [](const auto &r, const TMiejscePola &) { return tekstKosztu(r.koszt_energii); })
                .kolumna(90, Qt::AlignCenter)
                .druk(QStringLiteral("koszt"), 25),
            P::liczbowe("ikonka", QT_TRANSLATE_NOOP("Tflistaprzekaznikow", "Ikonka"), TRodzajPola::Calkowita,
                        DOSTEP_POLA(ikona))
                .kolumna(80, Qt::AlignCenter),
        });
    return pola;
}

QStringList polaRaportuDefinicji()
{
    return {QStringLiteral("nr"),
            QStringLiteral("def"),
            QStringLiteral("typczasowy"),
            QStringLiteral("typczas_ta"),
            QStringLiteral("typczas_tb"),
            QStringLiteral("regulator"),
            QStringLiteral("kanalPomiarowy"),
            QStringLiteral("kanalZadany"),
            QStringLiteral("offset"),
            QStringLiteral("okno"),
            QStringLiteral("h_dolna"),
            QStringLiteral("h_gorna"),
            QStringLiteral("pid_kanalPomiarowy"),
            QStringLiteral("pid_kanalZadany"),
            QStringLiteral("pid_k"),
            QStringLiteral("pid_ti"),
            QStringLiteral("pid_td"),
            QStringLiteral("pid_tp"),
            QStringLiteral("pid_to"),
            QStringLiteral("pid_typ"),
            QStringLiteral("def_str"),
            QStringLiteral("typczasowy_str"),
            QStringLiteral("regulator_str"),
            QStringLiteral("cntx_kanalPomiarowy_str"),
            QStringLiteral("cntx_kanalZadany_Str"),
            QStringLiteral("col1"),
            QStringLiteral("col2"),
            QStringLiteral("col3"),
            QStringLiteral("col4"),
            QStringLiteral("col5"),
            QStringLiteral("col6")};
}

QStringList wierszDefinicji(const TPrzekaznik &przekaznik, int nr, int d)
{
    const TDefinicjaPrzekaznika x = przekaznik.parametry[d - 1];
    const auto liczba = [](qint64 v) { return QString::number(v); };
    const QString czasy = x.tryb >= 2 ? QString::asprintf("%2d", x.ta) : QString();
    const QString czasB = x.tryb >= 2 ? QString::asprintf("%2d", x.tb) : QString();
    QString pomiarowy, zadany, k1, k2, k3, k4, k5, k6;
    if (x.regulator == 5) {
        pomiarowy = opisWejsciaAnalogowego(x.pid.pomiarowy);
        zadany = opisZrodlaZadanej(x.pid.zadany);
        k1 = QStringLiteral("k: ") + tekstDziesiatych(x.pid.k);
        k2 = QStringLiteral("ti [s]: ") + liczba(x.pid.ti);
        k3 = QStringLiteral("td [s]: ") + liczba(x.pid.td);
        k4 = QStringLiteral("tp [s]: ") + liczba(x.pid.tp);
        k5 = QStringLiteral("to [ms]: ") + liczba(x.pid.tto);
        k6 = listaGrzanieChlodzenie(x.pid.grzanie_chlodzenie);
    } else if (x.regulator != 0) {
        pomiarowy = opisWejsciaAnalogowego(x.hist_pomiarowy);
        zadany = opisZrodlaZadanej(x.hist_zadany);
        k1 = tr_(QT_TRANSLATE_NOOP("Tflistaprzekaznikow", "offset: ")) + tekstDziesiatych(x.offset);
        k2 = tr_(QT_TRANSLATE_NOOP("Tflistaprzekaznikow", "okno: ")) + tekstDziesiatych(x.okno);
        k3 = tr_(QT_TRANSLATE_NOOP("Tflistaprzekaznikow", "h.górna: ")) + tekstDziesiatych(x.hist_gorna);
        k4 = tr_(QT_TRANSLATE_NOOP("Tflistaprzekaznikow", "h.dolna: ")) + tekstDziesiatych(x.hist_dolna);
    }
    return {liczba(nr),
            liczba(d),
            liczba(x.tryb),
            czasy,
            czasB,
            liczba(x.regulator),
            liczba(x.hist_pomiarowy),
            liczba(x.hist_zadany),
            tekstDziesiatych(x.offset),
            tekstDziesiatych(x.okno),
            tekstDziesiatych(x.hist_dolna),
            tekstDziesiatych(x.hist_gorna),
            liczba(x.pid.pomiarowy),
            liczba(x.pid.zadany),
            tekstDziesiatych(x.pid.k),
            liczba(x.pid.ti),
            liczba(x.pid.td),
            liczba(x.pid.tp),
            liczba(x.pid.tto),
            liczba(x.pid.grzanie_chlodzenie),
            QString::asprintf("DEF%d", d),
            x.tryb < 1 ? QString() : listaTrybPrzekaznika(x.tryb),
            x.regulator < 1 ? QString() : listaTypRegulatora(x.regulator),
            pomiarowy,
            zadany,
            k1,
            k2,
            k3,
            k4,
            k5,
            k6};
}

void pokazUzycieWyjscia(int nr, int definicja, int jezykId)
{
    const TProjektAplikacji p = projektAplikacji();
    if (p.projekt && p.mycie) {
        formaLista().ZestawienieDO(nr, definicja, *p.projekt, *p.mycie, jezykId);
        return;
    }
    // Without a project: the empty one's (no uses).
    struct Pusty {
        TProjektVXTNew projekt;
        TProjektDodatkiMycie mycie;
    };
    const auto pusty = std::make_unique<Pusty>();
    formaLista().ZestawienieDO(nr, definicja, pusty->projekt, pusty->mycie, jezykId);
}

// ---- The list ------------------------------------------------------------------

Tflistaprzekaznikow::Tflistaprzekaznikow(QWidget *parent)
    : TListaSekcji(Odczyt | Wyslanie | Otwarcie | Zapis | Edycja | Drukowanie, 32, parent)
{
    setObjectName(QStringLiteral("Tflistaprzekaznikow"));
    rozszerzenie = QStringLiteral("k3do");
    ustawPozycje(pozycjePrzekaznikow);
    ustawPola(polaPrzekaznikow());
    sb_gdzie = dodajNarzedzie(
        "sb_gdzie", ikonaGdzieUzyty(), [] { return tr("Gdzie użyty"); }, [this] { sb_gdzieClick(); });
    DBGrid1->verticalHeader()->setDefaultSectionSize(40);
    DBGrid1->setIconSize(QSize(60, 40));
    int kolumnaIkon = -1;
    for (int k = 0; k < memproj->ileKolumn(); ++k)
        if (memproj->pola()[size_t(k)].opis.nazwa == QLatin1String("ikonka"))
            kolumnaIkon = k;
    // The icon column shows the icon's picture, or its number when it has
    // none.
    memproj->styl = [this, kolumnaIkon](int wiersz, int kolumna, int rola) -> QVariant {
        if (kolumna != kolumnaIkon || (rola != Qt::DisplayRole && rola != Qt::DecorationRole))
            return {};
        const int32_t ikona = pozycja(wiersz + 1).ikona;
        const QPixmap p = obrazIkony(ikona);
        if (p.isNull())
            return {};
        return rola == Qt::DecorationRole ? QVariant(p) : QVariant(QString());
    };
    resize(620, 560);
}

QString Tflistaprzekaznikow::tytul() const { return tr("[DO] WYjścia cyfrowe"); }

bool Tflistaprzekaznikow::edytujJedna(TPrzekaznik &p, int nr)
{
    p.nr = nr;
    return edytujPrzekaznik(przekaznikiLista, p, jezykId);
}

void Tflistaprzekaznikow::but_odczytClick()
{
    Petla p = petlaOdczytu();
    int przeczytane = 0;
    p.po = [&przeczytane, zachowaj = p.po](int i, bool anulowano) {
        ++przeczytane;
        return zachowaj(i, anulowano);
    };
    // A read that got no output changes nothing.
    p.naKoniec = [this, &przeczytane](KoniecPetli k) {
        if (k == KoniecPetli::Calosc || (k == KoniecPetli::Blad && przeczytane > 0))
            memProjlistaTworz();
    };
    czytajWszystko(p);
}

void Tflistaprzekaznikow::Wyslij()
{
    Petla p = petlaWysylania();
    // "Anuluj" does not stop this loop: the session is always closed.
    p.po = [](int, bool) { return true; };
    wyslijWszystko(p);
}

void Tflistaprzekaznikow::sb_gdzieClick()
{
    const int nr = nrBiezacy();
    if (nr > 0)
        pokazUzycieWyjscia(nr, 0, jezykId);
}

void Tflistaprzekaznikow::zbudujRaport(TRaport &raport)
{
    raport.strona.orientacja = QPageLayout::Landscape;
    TEdytorListy::zbudujRaport(raport);
    auto *glowne = dynamic_cast<TPasmo *>(raport.znajdzObiekt(QStringLiteral("MasterData1")));
    if (!glowne)
        throw BladRaportu(QStringLiteral("MasterData1"));
    raport.dodajZbior(zbiorDefinicji, polaRaportuDefinicji());
    TPasmo &glowki = glowne->dodajPasmo(QStringLiteral("NaglowkiDefinicji"), TRodzajPasma::Podrzedne, 5);
    TPasmo &definicje = glowne->dodajPasmo(QStringLiteral("DetailData1"), TRodzajPasma::Dane, 4.5, zbiorDefinicji,
                                           {{QStringLiteral("nr"), QStringLiteral("nr")}});
    qreal x = 0;
    for (const KolumnaDefinicji &k : kolumnyDefinicji()) {
        const QString pole = QString::fromLatin1(k.pole);
        if (k.glowka) {
            TTekstRaportu &g = glowki.dodajTekst(QString::fromLatin1(k.glowka), QRectF(x, 0.5, k.mm, 4.5));
            g.czcionka.setPointSize(7);
            g.czcionka.setBold(true);
        }
        TTekstRaportu &t = definicje.dodajTekst(QStringLiteral("d_") + pole, QRectF(x, 0, k.mm, 4.5),
                                                QStringLiteral("[%1.%2]").arg(zbiorDefinicji, pole));
        t.czcionka.setPointSize(7);
        x += k.mm;
    }
}

void Tflistaprzekaznikow::wypelnijRaport(TRaport &raport)
{
    TZbiorRaportu *z = raport.zbior(zbiorDefinicji);
    z->wyczysc();
    for (int nr = 1; nr <= ile; ++nr)
        for (int d = 1; d <= 4; ++d)
            z->dodajWiersz(wierszDefinicji(pozycja(nr), nr, d));
    ustawTekstRaportu(raport, QStringLiteral("h_koszt"), tr("Koszt"));
    for (const KolumnaDefinicji &k : kolumnyDefinicji())
        if (k.glowka)
            ustawTekstRaportu(raport, QString::fromLatin1(k.glowka), tr_(k.tekstGlowki));
}

bool edytujPrzekazniki(TPrzekaznikiArray &przekazniki, int jezykId)
{
    return otworzEdytor<Tflistaprzekaznikow>(przekazniki, jezykId);
}
