#include "program.h"

#include "komunikaty.h"
#include "kontrolki_pol.h"
#include "pole_nazwy.h"
#include "pomocnicze.h"
#include "programy_transfer.h"
#include "projekt_biezacy.h"
#include "raport.h"
#include "tabela_pamieci.h"
#include "wybierz_pozycje.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstring>

namespace {

const char *const kontekst = "TFProgramMycia";

// The washing program's name in every language: data that goes to the
// controller, not a window text.
const QString nazwaMycia = QStringLiteral("Mycie");

// The tool buttons' pictures of the compare and the copy.
QIcon ikonaPorownania()
{
    QPixmap px(24, 24);
    px.fill(Qt::transparent);
    QPainter g(&px);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(110, 110, 110), 1.2));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(2, 3, 9, 18));
    g.drawRect(QRectF(13, 3, 9, 18));
    g.setPen(QPen(QColor(40, 140, 60), 2));
    for (const qreal y : {9.0, 14.0})
        g.drawLine(QPointF(5, y), QPointF(19, y));
    return QIcon(px);
}

QIcon ikonaKopii()
{
    QPixmap px(24, 24);
    px.fill(Qt::transparent);
    QPainter g(&px);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(20, 41, 65), 1.2));
    g.setBrush(QColor(200, 208, 220));
    g.drawRect(QRectF(3, 2, 12, 15));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(9, 7, 12, 15));
    g.setPen(QPen(QColor(110, 110, 110), 1));
    for (const qreal y : {11.0, 14.0, 17.0})
        g.drawLine(QPointF(11, y), QPointF(19, y));
    return QIcon(px);
}

// The step list of the step column: OFF and the steps in reference order.
QStringList listaKrokow(bool mycie)
{
    QStringList l;
    for (int k = 0; k <= (mycie ? 16 : 32); ++k)
        l << tekstKroku(k, mycie);
    return l;
}

// "%2d" of a whole number: the compare's text of one.
QString dwieCyfry(qint64 v) { return QString::asprintf("%2lld", static_cast<long long>(v)); }

// The compare of an ordinary program's own fields: its name (all 50
// units) and its number.
const TPolaSekcji<TProgram> &polaProgramu()
{
    using P = TPole<TProgram>;
    static const TPolaSekcji<TProgram> pola(
        kontekst, {
                      P::obliczone(QStringLiteral("nazwa"), QT_TRANSLATE_NOOP("TFProgramMycia", "Nazwa programu"),
                                   [](const TProgram &p, const TMiejscePola &) { return nazwaProgramu(p); })
                          .rowneGdy([](const TProgram &a, const TProgram &b, const TMiejscePola &) {
                              const TNazwa50char x = a.nazwa, y = b.nazwa;
                              return std::memcmp(&x, &y, sizeof x) == 0;
                          }),
                      P::liczbowe(QStringLiteral("nr_prog"), QT_TRANSLATE_NOOP("TFProgramMycia", "Numer programu"),
                                  TRodzajPola::Calkowita, DOSTEP_POLA(nr_prog))
                          .porownanie({}, [](const TProgram &p, const TMiejscePola &) { return dwieCyfry(p.nr_prog); }),
                  });
    return pola;
}

} // namespace

QString nazwaProgramu(const TProgram &program)
{
    const TNazwa50char n = program.nazwa;
    return nazwaDoZera(n);
}

QString tekstKroku(int krok, bool mycie)
{
    if (krok == 0)
        return QStringLiteral("OFF");
    QString t = (mycie ? QStringLiteral("SW%1: ") : QStringLiteral("ST%1: ")).arg(krok);
    const TProjektVXTNew *p = projektBiezacy();
    if (p && krok > 0 && krok < 33) {
        const TNazwa50char n = (mycie ? p->krokiMycie : p->kroki)[krok].nazwa;
        t += nazwa50NaTekst(n);
    }
    return t;
}

QString tytulTemperatury(int wejscie)
{
    QString t = QStringLiteral("AI1.%1 ").arg(wejscie);
    if (const TProjektVXTNew *p = projektBiezacy()) {
        const TNazwa50char n = p->FWejsciaPomiarowe[wejscie - 1].nazwa;
        t += nazwaDoZera(n);
    }
    return t;
}

TPolaSekcji<TCyklProgramu> polaCyklu(std::function<bool()> mycie)
{
    using P = TPole<TCyklProgramu>;
    const auto calkowita = [](const char *nazwa, const char *tytul, int i, qint64 min, qint64 max) {
        return P::liczbowe(QString::fromLatin1(nazwa), tytul, TRodzajPola::Calkowita, DOSTEP_POLA(v[i]), min, max)
            .kolumna(60, Qt::AlignRight | Qt::AlignVCenter)
            .edycja()
            .zeroPoza()
            .porownanie({}, [i](const TCyklProgramu &r, const TMiejscePola &) { return dwieCyfry(r.v[i]); });
    };
    // "Czas (Godziny)": the duration's parts in the compare.
    const auto czas = [](const char *czesc) {
        return [czesc](const TMiejscePola &) {
            return TFProgramMycia::tr("Czas") + QStringLiteral(" (") + QCoreApplication::translate(kontekst, czesc) +
                   QLatin1Char(')');
        };
    };
    P krok = P::wyliczenie(
        QStringLiteral("NazwaKroku"), QT_TRANSLATE_NOOP("TFProgramMycia", "Nazwa kroku"),
        [](const TCyklProgramu &r) -> qint64 { return r.v[wcKrok]; },
        // Nothing chosen (a reference without an item) keeps the reference.
        [](TCyklProgramu &r, qint64 v) {
            if (v >= 0)
                r.v[wcKrok] = int32_t(v);
        },
        [mycie](int) { return listaKrokow(mycie()); });
    krok.tekst = [mycie](const TCyklProgramu &r, const TMiejscePola &) { return tekstKroku(r.v[wcKrok], mycie()); };
    // The compare names the step by the row alone.
    krok.tytulPorownania = [](const TMiejscePola &) { return QString(); };

    TPolaSekcji<TCyklProgramu> pola(
        kontekst, {
                      P::obliczone(QStringLiteral("Krok"), QT_TRANSLATE_NOOP("TFProgramMycia", "Krok"),
                                   [](const TCyklProgramu &, const TMiejscePola &m) { return QString::number(m.nr); })
                          .kolumna(60, Qt::AlignRight | Qt::AlignVCenter)
                          .przycisk()
                          .druk(QStringLiteral("krok"), 12),
                      std::move(krok).kolumna(190).edycja().druk(QStringLiteral("nazwaKroku"), 45),
                      calkowita("godzin", QT_TRANSLATE_NOOP("TFProgramMycia", "Godzin"), wcGodzin, 0, 99)
                          .druk(QStringLiteral("godzin"), 14)
                          .porownanie(czas(QT_TRANSLATE_NOOP("TFProgramMycia", "Godziny"))),
                      calkowita("minut", QT_TRANSLATE_NOOP("TFProgramMycia", "Minut"), wcMinut, 0, 59)
                          .druk(QStringLiteral("minut"), 14)
                          .porownanie(czas(QT_TRANSLATE_NOOP("TFProgramMycia", "Minuty"))),
                      calkowita("tempKomory", nullptr, wcTempKomory, -99, 900)
                          .tytulZ([] { return tytulTemperatury(1); })
                          .kolumna(110, Qt::AlignRight | Qt::AlignVCenter)
                          .druk(QStringLiteral("tKomory"), 25),
                      calkowita("tempBatonu", nullptr, wcTempBatonu, -99, 900)
                          .tytulZ([] { return tytulTemperatury(3); })
                          .kolumna(110, Qt::AlignRight | Qt::AlignVCenter)
                          .druk(QStringLiteral("tbatonu"), 25),
                      calkowita("wilgotnosc", QT_TRANSLATE_NOOP("TFProgramMycia", "Wilgotność"), wcWilgotnosc, 0, 99)
                          .kolumna(80, Qt::AlignRight | Qt::AlignVCenter)
                          .druk(QStringLiteral("wilg"), 18),
                      P::liczbowe(QStringLiteral("delta"), QT_TRANSLATE_NOOP("TFProgramMycia", "Delta"),
                                  TRodzajPola::Dziesiate, DOSTEP_POLA(v[wcDelta]), 0, 900)
                          .kolumna(60, Qt::AlignRight | Qt::AlignVCenter)
                          .edycja()
                          .zeroPoza()
                          .druk(QStringLiteral("delta"), 14),
                  });
    for (int i = 0; i < 8; ++i) {
        const QString d = QStringLiteral("d%1").arg(i + 1);
        pola.pola.push_back(P::liczbowe(d, nullptr, TRodzajPola::Dziesiate, DOSTEP_POLA(v[wcDodatek1 + i]), -999, 2000)
                                .tytulZ([i] { return TFProgramMycia::tr("Dodatek") + QString::number(i + 1); })
                                .kolumna(75, Qt::AlignRight | Qt::AlignVCenter)
                                .edycja()
                                .zeroPoza()
                                .druk(d, 13.75)
                                .krotko(d.toUpper())
                                .porownanie([](const TMiejscePola &) { return TFProgramMycia::tr("Dodatki"); })
                                .porownanieWJednym());
        pola.pola.back().kontekst = kontekst;
    }
    // Per row: the step, the setpoints, the duration, the additions.
    pola.porownywane = {QStringLiteral("NazwaKroku"), QStringLiteral("tempKomory"), QStringLiteral("tempBatonu"),
                        QStringLiteral("wilgotnosc"), QStringLiteral("delta"),      QStringLiteral("godzin"),
                        QStringLiteral("minut")};
    for (int i = 1; i <= 8; ++i)
        pola.porownywane << QStringLiteral("d%1").arg(i);
    pola.pozycjaPorownania = [](const TMiejscePola &m) {
        return TFProgramMycia::tr("Krok") + QLatin1Char(' ') + QString::number(m.nr);
    };
    return pola;
}

QList<TRoznicaPola> porownajProgram(bool mycie, const TProgram &naPC, const TProgram &wSterowniku)
{
    QList<TRoznicaPola> w;
    if (!mycie)
        w = polaProgramu().roznice(naPC, wSterowniku, QString(), {});
    const auto wiersz = [](const TProgram &p) {
        return [&p](int nr) -> const TCyklProgramu & { return p.cykle[nr - 1]; };
    };
    w += polaCyklu([mycie] { return mycie; }).roznice(ileWierszyProgramu, wiersz(naPC), wiersz(wSterowniku), 1045);
    for (int i = 0; i < w.size(); ++i)
        w[i].id = QString::asprintf("%2d", i + 1);
    return w;
}

// ---- The window ----------------------------------------------------------

TFProgramMycia::TFProgramMycia(QWidget *parent)
    : TEdytorRekordu(Odczyt | Wyslanie | Otwarcie | Zapis | Drukowanie | Czyszczenie, parent)
{
    setObjectName(QStringLiteral("TFProgramMycia"));
    but_porownaj = dodajNarzedzie(
        "but_porownaj", ikonaPorownania(), [] { return tr("Porównaj"); }, [this] { but_porownajClick(); });
    but_kopiuj = dodajNarzedzie(
        "but_kopiuj", ikonaKopii(), [] { return tr("Kopiuj ustawienia"); }, [this] { but_kopiujClick(); });

    auto *uklad = new QVBoxLayout(obszar);
    uklad->setContentsMargins(0, 0, 0, 0);
    auto *gora = new QHBoxLayout;
    uklad->addLayout(gora);
    L_program = new QLabel(obszar);
    L_program->setObjectName(QStringLiteral("L_program"));
    tlumaczonaEtykieta(L_program, [] { return tr("Program"); });
    LabelNr = etykietaNumeru(obszar);
    LabelNr->setMinimumWidth(50);
    ed_nazwaProgramu = new QLineEdit(obszar);
    ed_nazwaProgramu->setObjectName(QStringLiteral("ed_nazwaProgramu"));
    ed_nazwaProgramu->setMinimumWidth(260);
    ograniczPisanie(ed_nazwaProgramu, 15);
    L_program->setBuddy(ed_nazwaProgramu);
    gora->addWidget(L_program);
    gora->addWidget(LabelNr);
    gora->addWidget(ed_nazwaProgramu);
    gora->addStretch();

    // The name: every change of the box is the record's name at once.
    const auto nazwaDoRekordu = [this] { tekstNaNazwe50(ed_nazwaProgramu->text(), rekord.nazwa); };
    powiaz(
        ed_nazwaProgramu, [this] { ed_nazwaProgramu->setText(nazwaProgramu(rekord)); }, nazwaDoRekordu);
    connect(ed_nazwaProgramu, &QLineEdit::textChanged, this, nazwaDoRekordu);

    StringGridSetup = new QTableView(obszar);
    StringGridSetup->setObjectName(QStringLiteral("StringGridSetup"));
    StringGridSetup->verticalHeader()->hide();
    StringGridSetup->verticalHeader()->setDefaultSectionSize(StringGridSetup->fontMetrics().height() + 8);
    StringGridSetup->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGridSetup->installEventFilter(this);
    uklad->addWidget(StringGridSetup, 1);
    tabela = dodajSiatke<TCyklProgramu>(StringGridSetup, polaCyklu([this] { return mycie(); }), ileWierszyProgramu,
                                        [this](int nr) -> TCyklProgramu & { return rekord.cykle[nr - 1]; });
    static_cast<TDelegatPol *>(StringGridSetup->itemDelegate())->escZapisuje = true;
    StringGridSetup->setCurrentIndex(tabela->index(0, 1));

    int szerokosc = 2 * StringGridSetup->frameWidth() + 24;
    for (int k = 0; k < tabela->ileKolumn(); ++k)
        szerokosc += StringGridSetup->columnWidth(k);
    resize(szerokosc + 24, 720);
}

QString TFProgramMycia::tytul() const { return mycie() ? tr("Program mycia") : tr("Program"); }

void TFProgramMycia::jezykSekcji() { LabelNr->setText(mycie() ? tr("Mycie") : QString::asprintf("P%2.2d", Fix + 1)); }

void TFProgramMycia::ustawProgram(int nr, const TProgramyArray100 &programy)
{
    Fix = nr;
    but_kopiuj->setVisible(!mycie());
    ed_nazwaProgramu->setEnabled(!mycie());
    if (mycie()) {
        QPalette p = ed_nazwaProgramu->palette();
        p.setBrush(QPalette::Disabled, QPalette::Base, p.button());
        ed_nazwaProgramu->setPalette(p);
    }
    rozszerzenie = mycie() ? QStringLiteral("k3pogm") : QStringLiteral("k3pog");
    progLista = std::make_unique<Lista>();
    kopiujRekord(progLista->p, programy);
    jezyk();
}

// A negative step reference in rows 1..50 is OFF; the reserved rows 51..100
// are kept as they are.
void TFProgramMycia::WypiszDane()
{
    for (int r = 0; r < ileWierszyProgramu; ++r)
        if (rekord.cykle[r].v[wcKrok] < 0)
            rekord.cykle[r].v[wcKrok] = 0;
    if (mycie())
        tekstNaNazwe50(nazwaMycia, rekord.nazwa);
    TEdytorRekordu::WypiszDane();
}

bool TFProgramMycia::czytajRekord(TProgram &p) { return czytajProgram(p, Fix, daneSterownika); }

bool TFProgramMycia::wyslijRekord(const TProgram &p) { return wyslijProgram(p, Fix, false, daneSterownika); }

void TFProgramMycia::but_wyslijClick()
{
    if (!przyjmijDane() || !wyslijJeden([this] { return wyslijRekord(rekord); }, 1, QString(), false))
        return;
    WypiszDane();
    modyfikacja();
}

void TFProgramMycia::but_porownajClick()
{
    if (!przyjmijDane())
        return;
    auto sterownik = kopiaRobocza(rekord);
    porownajZeSterownikiem([&] { return czytajJeden([&] { return czytajRekord(sterownik->r); }, [] {}); },
                           [&] { return porownajProgram(mycie(), rekord, sterownik->r); },
                           tr("Wynik porównania ustawień PROGRAMU") + QStringLiteral(": ") + LabelNr->text(),
                           tr("Ustawienie PROGRAMU sterownika zgodne z programem."));
}

void TFProgramMycia::but_kopiujClick()
{
    if (mycie() || !progLista || !pytanie(tr("Czy chcesz skopiować ustawnienia programu?")))
        return;
    QStringList lista;
    for (int i = 0; i < 100; ++i)
        lista << QStringLiteral("%1 - ").arg(i + 1) + nazwaProgramu(progLista->p[i]);
    int pozycja = 0;
    if (!formaWybierzPozycje().PokazOkno(lista, pozycja, jezykId))
        return;
    // The program keeps its own number: only its settings are copied.
    const int32_t nr = rekord.nr_prog;
    kopiujRekord(rekord, progLista->p[pozycja]);
    rekord.nr_prog = nr;
    WypiszDane();
    modyfikacja();
}

void TFProgramMycia::sb_clsClick()
{
    if (!potwierdzCzyszczenie())
        return;
    const int32_t nr = rekord.nr_prog;
    std::memset(&rekord, 0, sizeof rekord);
    rekord.nr_prog = nr;
    WypiszDane();
    modyfikacja();
}

void TFProgramMycia::zbudujRaport(TRaport &r)
{
    r.strona.orientacja = QPageLayout::Landscape;
    TEdytorRekordu::zbudujRaport(r);
}

QString TFProgramMycia::tytulRaportu() const
{
    return mycie() ? tr("Program") + QStringLiteral(" - ") + LabelNr->text()
                   : tr("Program") + QStringLiteral(": ") + LabelNr->text() + QStringLiteral(" - ") +
                         ed_nazwaProgramu->text();
}

bool TFProgramMycia::eventFilter(QObject *o, QEvent *e)
{
    // Enter on the grid edits the current cell.
    if (o == StringGridSetup && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if ((k == Qt::Key_Return || k == Qt::Key_Enter) && StringGridSetup->currentIndex().isValid()) {
            StringGridSetup->edit(StringGridSetup->currentIndex());
            return true;
        }
    }
    return TEdytorRekordu::eventFilter(o, e);
}

bool edytujProgram(TProgram &program, int nr, int jezykId, const TProgramyArray100 &programy)
{
    auto kopia = kopiaRobocza(program);
    kopia->r.nr_prog = nr;
    const bool zmiana = otworzEdytor<TFProgramMycia>(kopia->r, jezykId, TFProgramMycia::Zwrot::OkIWynik,
                                                     [&](TFProgramMycia &o) { o.ustawProgram(nr, programy); });
    if (zmiana)
        kopiujRekord(program, kopia->r);
    return zmiana;
}
