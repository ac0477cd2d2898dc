#include "kroki.h"

#include "enumeracje.h"
#include "krok.h"
#include "kroki_transfer.h"
#include "pasek_postepu.h"
#include "przekazniki_projektu.h"
#include "raport.h"

#include <cstdint>

namespace {

// Item code + 1 of the end-condition list; a code without an item gives
// the list's out-of-bounds text.
QString tekstWarunku(int32_t kod, int jezykId) { return listaWarunekKonca(kod < INT32_MAX ? kod + 1 : kod, jezykId); }

TPolaSekcji<TKrok> tabelaKrokow(bool mycie)
{
    using P = TPole<TKrok>;
    const auto zadana = [](int i) {
        const QString nazwa = QStringLiteral("z%1").arg(i + 1);
        return P::liczbowe(nazwa, nullptr, TRodzajPola::Calkowita, DOSTEP_POLA(zadane4[i]), -999, 999)
            .tytulZ([i] { return QStringLiteral("ZS%1").arg(i + 1); })
            .kolumna(46, Qt::AlignRight | Qt::AlignVCenter)
            .druk(nazwa, 12);
    };
    return TPolaSekcji<TKrok>(
        "TfListakrokow",
        {
            P::obliczone("NR_STR", QT_TRANSLATE_NOOP("TfListakrokow", "Nr"),
                         [mycie](const TKrok &, const TMiejscePola &m) { return nazwaKroku(m.nr, mycie); })
                .kolumna(50, Qt::AlignCenter)
                .przycisk()
                .druk(QStringLiteral("nr"), 14),
            P::napis("nazwa", QT_TRANSLATE_NOOP("TfListakrokow", "Nazwa"), TRodzajPola::Nazwa50, DOSTEP_NAZWY50(nazwa),
                     15)
                .kolumna(230)
                .druk(QStringLiteral("nazwa"), 56),
            P::wyliczenie("warkon", nullptr, DOSTEP_POLA(warunek_konca), zListyJezyka(listaWarunekKonca)).ukryte(),
            P::obliczone("warkonStr", QT_TRANSLATE_NOOP("TfListakrokow", "Warunek"),
                         [](const TKrok &k, const TMiejscePola &m) { return tekstWarunku(k.warunek_konca, m.jezykId); })
                .kolumna(255)
                .druk(QStringLiteral("warunekKonca"), 72),
            zadana(0),
            zadana(1),
            zadana(2),
            zadana(3),
            P::przekaznikowe("przekazniki", QT_TRANSLATE_NOOP("TfListakrokow", "Stan wyjść przekaźnikowych"),
                             DOSTEP_PRZEKAZNIKOW(przekazniki)),
        });
}

} // namespace

const TPolaSekcji<TKrok> &polaKrokow(bool mycie)
{
    static const TPolaSekcji<TKrok> kroki = tabelaKrokow(false), krokiMycia = tabelaKrokow(true);
    return mycie ? krokiMycia : kroki;
}

QString nazwaKroku(int nr, bool mycie) { return QString::asprintf(mycie ? "SW%2.2d" : "ST%2.2d", nr); }

TfListakrokow::TfListakrokow(QWidget *parent)
    : TListaSekcji(Odczyt | Wyslanie | Otwarcie | Zapis | Edycja | Drukowanie, ileKrokow, parent)
{
    setObjectName(QStringLiteral("TfListakrokow"));
    ustawMycie(false);
    resize(sizeHint().width(), 600);
}

void TfListakrokow::ustawMycie(bool mycie)
{
    FMycie = mycie;
    maksKrokow = mycie ? ileKrokowMycia : ileKrokow;
    rozszerzenie = mycie ? QStringLiteral("k3krm") : QStringLiteral("k3kr");
    ustawPozycje(mycie ? pozycjeKrokowMycia : pozycjeKrokow);
    ustawPola(polaKrokow(mycie));
    jezyk();
}

QString TfListakrokow::tytul() const
{
    return FMycie ? tr("Mycie") + QStringLiteral(" - ") + tr("Lista kroków") : tr("Lista kroków");
}

QString TfListakrokow::tytulRaportu() const { return FMycie ? tr("Lista kroków mycia") : tr("Lista kroków"); }

bool TfListakrokow::edytujJedna(TKrok &k, int nr)
{
    auto przekazniki = std::make_unique<TKopiaRobocza<TPrzekaznikiArray>>();
    przekaznikiProjektu(przekazniki->r);
    return edytujKrok(k, przekazniki->r, jezykId, nr - 1, FMycie);
}

// A step read while "Anuluj" was pressed is not kept; a read that ends
// early leaves the grid showing the copy without counting as a change.
void TfListakrokow::but_odczytClick()
{
    Petla p = petlaOdczytu();
    p.po = [zachowaj = p.po](int i, bool anulowano) { return !anulowano && zachowaj(i, false); };
    czytajWszystko(p);
}

// Progress before each step; "Anuluj" does not stop the loop; a step that
// cannot be sent adds a box of its own to the send function's and leaves
// the session open.
void TfListakrokow::but_wyslijClick()
{
    Petla p = petlaWysylania();
    p.przed = [this](int i) {
        pokazPostep(i, maksKrokow);
        return true;
    };
    p.postep = [](int) {};
    p.po = [](int, bool) { return true; };
    p.poBledzie = [](int) {
        pokazBrakKomunikacji();
        return false;
    };
    wyslijWszystko(p);
}

void TfListakrokow::zbudujRaport(TRaport &raport)
{
    TEdytorListy::zbudujRaport(raport);
    auto *glowki = dynamic_cast<TPasmo *>(raport.znajdzObiekt(QStringLiteral("Header1")));
    auto *wiersz = dynamic_cast<TPasmo *>(raport.znajdzObiekt(QStringLiteral("MasterData1")));
    auto *z1 = dynamic_cast<TTekstRaportu *>(raport.znajdzObiekt(QStringLiteral("h_z1")));
    auto *z4 = dynamic_cast<TTekstRaportu *>(raport.znajdzObiekt(QStringLiteral("h_z4")));
    if (!glowki || !wiersz || !z1 || !z4)
        throw BladRaportu(QStringLiteral("Raport listy kroków: brak pasma lub głowy kolumny"));

    // Two lines of heads: "Zadane" above ZS1..ZS4, the others across both.
    const qreal linia = glowki->wysokosc;
    glowki->wysokosc = 2 * linia;
    for (const auto &o : glowki->obiekty) {
        QRectF &r = o->polozenie;
        if (o->nazwa.startsWith(QLatin1String("h_z")))
            r.moveTop(linia);
        else
            r.setHeight(2 * linia);
    }
    TTekstRaportu &zadane =
        glowki->dodajTekst(QStringLiteral("h_zadane"),
                           QRectF(z1->polozenie.left(), 0, z4->polozenie.right() - z1->polozenie.left(), linia));
    zadane.czcionka.setBold(true);
    zadane.ramka = true;
    zadane.wyrownanie = Qt::AlignCenter;
    dodajPrzekaznikiRaportu(raport, *wiersz);
}

// Every step of the table's 32 gets its relay rows; the report prints those
// of the listed steps.
void TfListakrokow::wypelnijRaport(TRaport &raport)
{
    ustawTekstRaportu(raport, QStringLiteral("h_warunekKonca"), tr("Warunek końca"));
    ustawTekstRaportu(raport, QStringLiteral("h_zadane"), tr("Zadane"));
    wypelnijPrzekazniki(raport, QStringLiteral("przekazniki"), ileKrokow);
}

bool edytujKroki(TKrokiArray &kroki, int jezykId, bool mycie)
{
    return otworzEdytor<TfListakrokow>(kroki, jezykId, TfListakrokow::Zwrot::Ok,
                                       [mycie](TfListakrokow &o) { o.ustawMycie(mycie); });
}
