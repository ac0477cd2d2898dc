#include "setup.h"

#include "dane_sterownika.h"
#include "filtr_siatki.h"
#include "komunikaty.h"
#include "operacja.h"
#include "pasek_postepu.h"
#include "raport.h"
#include "setup_domyslny.h"
#include "setup_parametr.h"
#include "setup_teksty.h"
#include "setup_transfer.h"

#include <QApplication>
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

namespace {

constexpr int ileParametrow = 100; // rows F01..F100
constexpr int fWarunekKonca = 14, fNumerWejscia = 15, fKodFabryczny = 47;

QIcon ikonaPorownania()
{
    QPixmap px(24, 24);
    px.fill(Qt::transparent);
    QPainter g(&px);
    g.setRenderHint(QPainter::Antialiasing);
    // Two sheets side by side with arrows between them.
    g.setPen(QPen(QColor(20, 41, 65), 1.5));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(2, 3, 7, 18));
    g.drawRect(QRectF(15, 3, 7, 18));
    g.setPen(QPen(QColor(40, 140, 60), 2));
    g.drawLine(QPointF(10, 9), QPointF(14, 9));
    g.drawLine(QPointF(12, 7), QPointF(14, 9));
    g.setPen(QPen(QColor(190, 90, 20), 2));
    g.drawLine(QPointF(10, 15), QPointF(14, 15));
    g.drawLine(QPointF(10, 15), QPointF(12, 17));
    return QIcon(px);
}

QIcon ikonaCzyszczeniaFiltra()
{
    QPixmap px(24, 24);
    px.fill(Qt::transparent);
    QPainter g(&px);
    g.setRenderHint(QPainter::Antialiasing);
    // A funnel crossed out.
    QPainterPath lejek;
    lejek.moveTo(2, 3);
    lejek.lineTo(18, 3);
    lejek.lineTo(12, 11);
    lejek.lineTo(12, 19);
    lejek.lineTo(8, 21);
    lejek.lineTo(8, 11);
    lejek.closeSubpath();
    g.setPen(QPen(QColor(20, 41, 65), 1.2));
    g.setBrush(QColor(200, 208, 220));
    g.drawPath(lejek);
    g.setPen(QPen(QColor(190, 30, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(15, 14), QPointF(22, 21));
    g.drawLine(QPointF(22, 14), QPointF(15, 21));
    return QIcon(px);
}

// Restores the cursor however the send ends.
struct KursorCzekania {
    KursorCzekania() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~KursorCzekania() { QApplication::restoreOverrideCursor(); }
    KursorCzekania(const KursorCzekania &) = delete;
    KursorCzekania &operator=(const KursorCzekania &) = delete;
};

} // namespace

QString nazwaWierszaSetup(int n)
{
    // The inactive ones carry a leading tab.
    return nazwaParametruSetup(n).remove(QLatin1Char('\t'));
}

bool edytowalnyParametrSetup(int n) { return !nazwaParametruSetup(n).isEmpty() && !parametrSetupNieaktywny(n); }

const TPolaSekcji<TFunkcjeKvor3> &polaSetup()
{
    using P = TPole<TFunkcjeKvor3>;
    static const TPolaSekcji<TFunkcjeKvor3> pola(
        "TFsetupBKN",
        {
            P::obliczone("F", QT_TRANSLATE_NOOP("TFsetupBKN", "Nr"),
                         [](const TFunkcjeKvor3 &, const TMiejscePola &m) {
                             return QStringLiteral("F%1").arg(m.nr, 2, 10, QLatin1Char('0'));
                         })
                .kolumna(50)
                .druk(QStringLiteral("nr"), 10),
            P::obliczone("nazwa", QT_TRANSLATE_NOOP("TFsetupBKN", "Nazwa funkcji"),
                         [](const TFunkcjeKvor3 &, const TMiejscePola &m) { return nazwaWierszaSetup(m.nr); })
                .kolumna(380)
                .druk(QStringLiteral("nazwa"), 60),
            P::obliczone("wartosc", QT_TRANSLATE_NOOP("TFsetupBKN", "Wartość"),
                         [](const TFunkcjeKvor3 &s, const TMiejscePola &m) {
                             if (!edytowalnyParametrSetup(m.nr))
                                 return QString();
                             const int32_t v = s.F[m.nr];
                             return tekstWartosciSetup(m.nr, v);
                         })
                .kolumna(300)
                .druk(QStringLiteral("wartosc"), 25)
                // A differing value is one row named by its parameter,
                // with both value texts for a named one (inactive ones
                // too).
                .porownanie([](const TMiejscePola &m) { return nazwaWierszaSetup(m.nr); },
                            [](const TFunkcjeKvor3 &s, const TMiejscePola &m) {
                                const int32_t v = s.F[m.nr];
                                return nazwaWierszaSetup(m.nr).isEmpty() ? QString() : tekstWartosciSetup(m.nr, v);
                            })
                .rowneGdy([](const TFunkcjeKvor3 &a, const TFunkcjeKvor3 &b, const TMiejscePola &m) {
                    const int32_t x = a.F[m.nr], y = b.F[m.nr];
                    return x == y;
                }),
        });
    return pola;
}

TFsetupBKN::TFsetupBKN(QWidget *parent)
    : TListaSekcji(Odczyt | Wyslanie | Otwarcie | Zapis | Edycja | Drukowanie | Czyszczenie, ileParametrow, parent)
{
    setObjectName(QStringLiteral("TFsetupBKN"));
    zbiorRaportu = QStringLiteral("frxDBDatasetSetup");
    rozszerzenie = QStringLiteral("k3set");
    ustawPola(polaSetup());
    // Rows that cannot be edited are greyed.
    memproj->styl = [](int wiersz, int, int rola) -> QVariant {
        if (rola == Qt::ForegroundRole && !edytowalnyParametrSetup(TTabelaPamieci::nr(wiersz)))
            return QColor(128, 128, 128);
        return {};
    };

    sb_porownaj = dodajNarzedzie(
        "sb_porownaj", ikonaPorownania(), [] { return tr("Porównaj"); }, [this] { porownaj(); });
    filtr = new TGridFilter(obszar);
    filtr->setDatabaseKind(dbkRxMemData);
    filtr->setGrid(DBGrid1);
    // The grid's columns as wide as their fields again (the filter's model
    // replaced the table's).
    for (int k = 0; k < memproj->ileKolumn(); ++k)
        DBGrid1->setColumnWidth(k, memproj->pola()[size_t(k)].opis.szerokosc);
    sb_czyscFiltr = dodajNarzedzie(
        "sb_czyscFiltr", ikonaCzyszczeniaFiltra(), [] { return tr("Czyść filtr"); }, [this] { filtr->clsFilter(); });
    resize(790, 600);
}

QString TFsetupBKN::tytul() const { return tr("Setup"); }

bool TFsetupBKN::edytujJedna(TFunkcjeKvor3 &s, int n)
{
    if (!edytowalnyParametrSetup(n)) {
        pokazOstrzezenie(tr("Nie można edytować komórki!"));
        return false;
    }
    int32_t wartosc = s.F[n];
    const bool kodFabrycznyWlaczony = n == fKodFabryczny && s.F[fKodFabryczny] == 0;
    const int maksimumWejscia = s.F[fWarunekKonca] == 1 ? 32 : 8;
    if (!edytujParametr(n, n == fNumerWejscia, 1, maksimumWejscia, wartosc, jezykId))
        return false;
    if (kodFabrycznyWlaczony && wartosc == 1 && !pytanie(tr("Wyłączć kod fabryczny?")))
        return false;
    s.F[n] = wartosc;
    return true;
}

bool TFsetupBKN::czytajSetupZeSterownika(TFunkcjeKvor3 &bufor, bool wlacz)
{
    auto lokalna = kopiaRobocza(bufor);
    const bool ok = czytajJeden([&] { return czytajSetup(lokalna->r, daneSterownika); },
                                [&] {
                                    kopiujRekord(bufor, lokalna->r);
                                    wlaczOk(wlacz);
                                },
                                3, tr("Odczyt ustawień"));
    pasekPostepu().hide();
    return ok;
}

void TFsetupBKN::but_odczytClick()
{
    if (czytajSetupZeSterownika(setup, true))
        odswiezSetup();
}

bool TFsetupBKN::wyslijSetupDoSterownika()
{
    wezUstawieniaSterownika(daneSterownika);
    const KursorCzekania kursor;
    if (!wyslijSetup(setup, true, daneSterownika, jezykId))
        return false;
    pokazInformacje(tr("Setup został zapisany"));
    return true;
}

void TFsetupBKN::but_wyslijClick()
{
    pasekPostepu().koniec = false;
    pokazPostep(0, 3, tekstWysylania());
    wyslijSetupDoSterownika();
}

void TFsetupBKN::porownaj()
{
    auto sterownik = kopiaRobocza(setup);
    porownajZeSterownikiem([&] { return czytajSetupZeSterownika(sterownik->r, wlaczona(but_ok)); },
                           [&] {
                               return polaSekcji().roznice(
                                   ile, [this](int) -> const TFunkcjeKvor3 & { return setup; },
                                   [&](int) -> const TFunkcjeKvor3 & { return sterownik->r; }, jezykId);
                           },
                           tr("Wynik porównania ustawień") + QStringLiteral(": "),
                           tr("Ustawienie SETUP sterownika zgodne z programem."));
}

void TFsetupBKN::sb_clsClick()
{
    if (!pytanie(tr("Potwierdź ustawienie wartości domyślnych dla bieążącego okna?")))
        return;
    kopiujRekord(setup, domyslnySetup());
    odswiezSetup();
}

void TFsetupBKN::zbudujRaport(TRaport &raport)
{
    raport.strona.kolumny = 2;
    TEdytorListy::zbudujRaport(raport);
    // The longest names fit a page column.
    if (auto *nazwa = dynamic_cast<TTekstRaportu *>(raport.znajdzObiekt(QStringLiteral("d_nazwa"))))
        nazwa->czcionka.setPointSize(8);
}

void TFsetupBKN::wypelnijRaport(TRaport &raport) { ustawTekstRaportu(raport, QStringLiteral("h_nazwa"), tr("Nazwa")); }

bool edytujSetup(TFunkcjeKvor3 &setup, int jezykId) { return otworzEdytor<TFsetupBKN>(setup, jezykId); }
