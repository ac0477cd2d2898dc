#include "program.h"

#include "komunikaty.h"
#include "kontrolki_pol.h"
#include "pasek_postepu.h"
#include "pole_nazwy.h"
#include "pomocnicze.h"
#include "porownaj.h"
#include "programy_transfer.h"
#include "projekt_biezacy.h"
#include "raport.h"
#include "tabela_pamieci.h"
#include "wersja.h"
#include "wybierz_pozycje.h"

#include <QApplication>
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
            .zeroPoza();
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

    TPolaSekcji<TCyklProgramu> pola(
        kontekst, {
                      P::obliczone(QStringLiteral("Krok"), QT_TRANSLATE_NOOP("TFProgramMycia", "Krok"),
                                   [](const TCyklProgramu &, const TMiejscePola &m) { return QString::number(m.nr); })
                          .kolumna(60, Qt::AlignRight | Qt::AlignVCenter)
                          .przycisk()
                          .druk(QStringLiteral("krok"), 12),
                      std::move(krok).kolumna(190).edycja().druk(QStringLiteral("nazwaKroku"), 45),
                      calkowita("godzin", QT_TRANSLATE_NOOP("TFProgramMycia", "Godzin"), wcGodzin, 0, 99)
                          .druk(QStringLiteral("godzin"), 14),
                      calkowita("minut", QT_TRANSLATE_NOOP("TFProgramMycia", "Minut"), wcMinut, 0, 59)
                          .druk(QStringLiteral("minut"), 14),
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
                                .druk(d, 13.75));
        pola.pola.back().kontekst = kontekst;
    }
    return pola;
}

QList<TRoznicaPola> porownajProgram(bool mycie, const TProgram &naPC, const TProgram &wSterowniku)
{
    QList<TRoznicaPola> w;
    const auto dopisz = [&w](const QString &nazwa, const QString &pc, const QString &sterownik) {
        w.append({QString::asprintf("%2d", int(w.size()) + 1), nazwa, pc, sterownik});
    };
    const auto liczba = [](qint64 v) { return QString::asprintf("%2lld", static_cast<long long>(v)); };
    if (!mycie) {
        const TNazwa50char a = naPC.nazwa, b = wSterowniku.nazwa;
        if (std::memcmp(&a, &b, sizeof a) != 0)
            dopisz(TFProgramMycia::tr("Nazwa programu"), nazwaProgramu(naPC), nazwaProgramu(wSterowniku));
        if (naPC.nr_prog != wSterowniku.nr_prog)
            dopisz(TFProgramMycia::tr("Numer programu"), liczba(naPC.nr_prog), liczba(wSterowniku.nr_prog));
    }
    struct Wartosc {
        int i;
        std::function<QString()> nazwa;
        bool dziesiate;
    };
    const Wartosc wartosci[] = {
        {wcTempKomory, [] { return tytulTemperatury(1); }, false},
        {wcTempBatonu, [] { return tytulTemperatury(3); }, false},
        {wcWilgotnosc, [] { return TFProgramMycia::tr("Wilgotność"); }, false},
        {wcDelta, [] { return TFProgramMycia::tr("Delta"); }, true},
        {wcGodzin,
         [] {
             return TFProgramMycia::tr("Czas") + QStringLiteral(" (") + TFProgramMycia::tr("Godziny") +
                    QLatin1Char(')');
         },
         false},
        {wcMinut,
         [] {
             return TFProgramMycia::tr("Czas") + QStringLiteral(" (") + TFProgramMycia::tr("Minuty") + QLatin1Char(')');
         },
         false},
    };
    for (int r = 0; r < ileWierszyProgramu; ++r) {
        const TCyklProgramu a = naPC.cykle[r], b = wSterowniku.cykle[r];
        const QString krok = TFProgramMycia::tr("Krok") + QLatin1Char(' ') + QString::number(r + 1);
        if (a.v[wcKrok] != b.v[wcKrok])
            dopisz(krok, tekstKroku(a.v[wcKrok], mycie), tekstKroku(b.v[wcKrok], mycie));
        for (const Wartosc &x : wartosci)
            if (a.v[x.i] != b.v[x.i]) {
                const auto tekst = [&x, &liczba](int32_t v) { return x.dziesiate ? tekstDziesiatych(v) : liczba(v); };
                dopisz(krok + QLatin1Char(' ') + x.nazwa(), tekst(a.v[x.i]), tekst(b.v[x.i]));
            }
        QString dodatkiPC, dodatkiSterownika;
        for (int d = 0; d < 8; ++d) {
            const int32_t pc = a.v[wcDodatek1 + d], st = b.v[wcDodatek1 + d];
            if (pc == st)
                continue;
            dodatkiPC += QStringLiteral("D%1=%2 ").arg(d + 1).arg(tekstDziesiatych(pc));
            dodatkiSterownika += QStringLiteral("D%1=%2 ").arg(d + 1).arg(tekstDziesiatych(st));
        }
        if (!dodatkiPC.isEmpty())
            dopisz(krok + QLatin1Char(' ') + TFProgramMycia::tr("Dodatki"), dodatkiPC, dodatkiSterownika);
    }
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
    AktualizujDanePoEdycji();
    if (!wyslijJeden([this] { return wyslijRekord(rekord); }, 1, QString(), false))
        return;
    WypiszDane();
    modyfikacja();
}

void TFProgramMycia::but_porownajClick()
{
    AktualizujDanePoEdycji();
    auto sterownik = kopiaRobocza(rekord);
    if (!czytajJeden([&] { return czytajRekord(sterownik->r); }, [] {}))
        return;
    pasekPostepu().hide();
    const QList<TRoznicaPola> roznice = porownajProgram(mycie(), rekord, sterownik->r);
    if (roznice.isEmpty()) {
        pokazInformacje(tr("Ustawienie PROGRAMU sterownika zgodne z programem."));
        return;
    }
    TFormPorownaj &f = formaPorownaj();
    f.inicjuj(tr("Wynik porównania ustawień PROGRAMU") + QStringLiteral(": ") + LabelNr->text());
    for (const TRoznicaPola &r : roznice)
        f.dopisz(r.id, r.nazwa, r.program, r.sterownik);
    f.pokazOkno(jezykId);
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

void TFProgramMycia::but_drukujClick()
{
    if (!wybierzDrukarke())
        return;
    AktualizujDanePoEdycji();
    TRaport r;
    r.strona.orientacja = QPageLayout::Landscape;
    const QString zbior = QStringLiteral("frxDBDataset1");
    r.dodajZbior(zbior, tabela->nazwyPol());
    szablonListy(r, zbior, kolumnyRaportu(*tabela));
    tabela->doZbioru(*r.zbior(zbior));
    const QString tytulRaportu = mycie() ? tr("Program") + QStringLiteral(" - ") + LabelNr->text()
                                         : tr("Program") + QStringLiteral(": ") + LabelNr->text() +
                                               QStringLiteral(" - ") + ed_nazwaProgramu->text();
    bool ok = ustawTekstRaportu(r, QStringLiteral("MemoTytul"), tytulRaportu) &&
              ustawTekstRaportu(r, QStringLiteral("MemoWersja"),
                                QApplication::applicationName() + QLatin1Char(' ') + wersjaProgramuPelna());
    for (const TKolumnaTabeli &k : tabela->pola()) {
        // The additions' heads are short: "D1".."D8".
        const bool dodatek = k.opis.glowka.size() == 2 && k.opis.glowka.startsWith(QLatin1Char('d'));
        const QString glowka = dodatek ? k.opis.glowka.toUpper() : k.opis.tytulTekstu();
        ok = ok && ustawTekstRaportu(r, QStringLiteral("h_") + k.opis.glowka, glowka);
    }
    ok = ok && ustawTekstRaportu(r, QStringLiteral("f_wydrukowano"),
                                 TEdytorSekcji::tr("Wydrukowano") + QStringLiteral(": [Date]"));
    if (ok)
        drukujRaport(r, jezykId);
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
