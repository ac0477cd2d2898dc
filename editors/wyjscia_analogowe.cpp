#include "wyjscia_analogowe.h"

#include "enumeracje.h"
#include "kanaly.h"
#include "raport.h"
#include "wyjscia_analogowe_okno.h"
#include "wyjscia_analogowe_transfer.h"

#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>
#include <limits>
#include <memory>

namespace {

using R = TWyjscieAnalogowe;
using P = TPole<R>;

const char *const kontekst = "TfListaWyjAnal";

QString przetlumacz(const char *t) { return QCoreApplication::translate(kontekst, t); }

// The name's units in order up to the first zero unit, blanks kept.
QString jednostkiNazwy(const R &r)
{
    const TNazwa50char n = r.nazwa;
    return nazwaDoZera(n);
}

// The measuring channels of the regulators: the humidity, then AI1.1..AI1.6
// with their numbers.
struct KanalyPomiarowe {
    QStringList podpisy, numery;
};
KanalyPomiarowe kanalyPomiarowe()
{
    KanalyPomiarowe k;
    listaWejscAnalogowych(24, k.podpisy, k.numery, true);
    return k;
}

// A measuring channel as a list field: the item whose number is the stored
// one (none for another number); the chosen item stores its number.
P kanal(QString nazwa, const char *tytul, std::function<int(const R &)> czytaj, std::function<void(R &, int)> zapisz)
{
    return P::wyliczenie(
               std::move(nazwa), tytul,
               [czytaj](const R &r) -> qint64 { return kanalyPomiarowe().numery.indexOf(QString::number(czytaj(r))); },
               [zapisz](R &r, qint64 i) {
                   const QStringList numery = kanalyPomiarowe().numery;
                   if (i >= 0 && i < numery.size())
                       zapisz(r, numery[int(i)].toInt());
               },
               [](int) { return kanalyPomiarowe().podpisy; })
        .poza(QString());
}

// A setpoint source as a list field; an index without a source shows empty.
P zrodlo(QString nazwa, const char *tytul, std::function<qint64(const R &)> czytaj,
         std::function<void(R &, qint64)> zapisz)
{
    return P::wyliczenie(std::move(nazwa), tytul, std::move(czytaj), std::move(zapisz), zListy(listaZrodelZadanej))
        .poza(QString());
}

// One of the five values in tenths, -200.0 .. 1000.0, typed values
// truncated.
P wartosc(QString nazwa, const char *tytul, std::function<qint64(const R &)> czytaj,
          std::function<void(R &, qint64)> zapisz)
{
    return P::liczbowe(std::move(nazwa), tytul, TRodzajPola::DziesiateObciete, std::move(czytaj), std::move(zapisz),
                       -2000, 10000);
}

// A PID time in seconds, 0..9999.
P czasPid(QString nazwa, const char *tytul, std::function<qint64(const R &)> czytaj,
          std::function<void(R &, qint64)> zapisz)
{
    return P::liczbowe(std::move(nazwa), tytul, TRodzajPola::Calkowita, std::move(czytaj), std::move(zapisz), 0, 9999)
        .ukryte();
}

} // namespace

void nazwaZeSpacjami(const QString &tekst, TNazwa50char &nazwa)
{
    std::fill(std::begin(nazwa.z), std::end(nazwa.z), u' ');
    for (qsizetype i = 0; i < tekst.size() && i < 50; ++i)
        nazwa.z[i] = tekst[i].unicode();
}

const TPolaSekcji<TWyjscieAnalogowe> &polaWyjscAnalogowych()
{
    static const TPolaSekcji<R> pola(
        kontekst,
        {
            P::obliczone("nr_str", QT_TRANSLATE_NOOP("TfListaWyjAnal", "Nr"),
                         [](const R &, const TMiejscePola &m) { return QStringLiteral("AO1.%1").arg(m.nr); })
                .kolumna(40, Qt::AlignCenter)
                .przycisk()
                .druk(QStringLiteral("nr"), 15),
            P::napis(
                "Nazwa", QT_TRANSLATE_NOOP("TfListaWyjAnal", "Nazwa"), TRodzajPola::Nazwa50,
                [](const R &r, const TMiejscePola &) { return jednostkiNazwy(r); },
                [](R &r, const QString &t) {
                    TNazwa50char n;
                    nazwaZeSpacjami(t, n);
                    r.nazwa = n;
                },
                16)
                .kolumna(213)
                .druk(QStringLiteral("nazwa"), 55),
            P::wyliczenie("TypPracy", QT_TRANSLATE_NOOP("TfListaWyjAnal", "Typ pracy"), DOSTEP_POLA(output_type),
                          zListy(listaTypWyjsciaAO))
                .ukryte(),
            P::obliczone("TypPracyStr", QT_TRANSLATE_NOOP("TfListaWyjAnal", "Typ pracy"),
                         [](const R &r, const TMiejscePola &) {
                             const int typ = r.output_type;
                             return typ < 1 ? QString() : listaTypWyjsciaAO(typ);
                         })
                .kolumna(150)
                .druk(QStringLiteral("typPracy"), 45),
            P::wyliczenie("TypWyjStr", QT_TRANSLATE_NOOP("TfListaWyjAnal", "Typ wyjścia"), DOSTEP_POLA(typ_04),
                          [](int) {
                              return QStringList{QStringLiteral("0..20 mA"), QStringLiteral("4..20 mA")};
                          })
                .poza(QString())
                .kolumna(105)
                .druk(QStringLiteral("typWyjscia"), 25),
            wartosc("wart04", QT_TRANSLATE_NOOP("TfListaWyjAnal", "Minimum"), DOSTEP_POLA(min))
                .kolumna(67, Qt::AlignRight | Qt::AlignVCenter)
                .druk(QStringLiteral("min"), 20),
            wartosc("wart20", QT_TRANSLATE_NOOP("TfListaWyjAnal", "Maksimum"), DOSTEP_POLA(max))
                .kolumna(67, Qt::AlignRight | Qt::AlignVCenter)
                .druk(QStringLiteral("max"), 20),
            wartosc("wartStop", QT_TRANSLATE_NOOP("TfListaWyjAnal", "Zatrzymanie"), DOSTEP_POLA(stop))
                .tytulZ([] { return przetlumacz("Zatrzymanie").toUpper(); })
                .kolumna(90, Qt::AlignRight | Qt::AlignVCenter)
                .druk(QStringLiteral("zatrzymanie"), 30),
            wartosc("wartAstop", QT_TRANSLATE_NOOP("TfListaWyjAnal", "Aktywny STOP"), DOSTEP_POLA(aktywnystop))
                .tytulZ([] { return przetlumacz("Aktywny STOP").toUpper(); })
                .kolumna(90, Qt::AlignRight | Qt::AlignVCenter)
                .druk(QStringLiteral("aktywnyStop"), 32),
            wartosc("wartPauza", QT_TRANSLATE_NOOP("TfListaWyjAnal", "Pauza"), DOSTEP_POLA(pause))
                .tytulZ([] { return przetlumacz("Pauza").toUpper(); })
                .kolumna(90, Qt::AlignRight | Qt::AlignVCenter)
                .druk(QStringLiteral("pauza"), 25),
            // What the 16-bit field of the block carries.
            P::liczbowe("moc", QT_TRANSLATE_NOOP("TfListaWyjAnal", "Moc"), TRodzajPola::Calkowita, DOSTEP_POLA(moc), 0,
                        std::numeric_limits<uint16_t>::max())
                .zeroPoza()
                .ukryte(),
            P::wyliczenie("koszt", QT_TRANSLATE_NOOP("TfListaWyjAnal", "Koszt"), DOSTEP_POLA(koszt_energii),
                          [](int) {
                              QStringList l;
                              for (int i = 1; i <= 4; ++i)
                                  l << przetlumacz("Koszt") + QStringLiteral(" %1").arg(i);
                              return l;
                          })
                .ukryte(),
            zrodlo("wartZadanaStr", QT_TRANSLATE_NOOP("TfListaWyjAnal", "Kanał zadany"),
                   DOSTEP_POLA(zadajnik_kanal_zadany))
                .ukryte(),
            P::wyliczenie("pid_typ", QT_TRANSLATE_NOOP("TfListaWyjAnal", "Typ regulatora"),
                          DOSTEP_POLA(pid.grzanie_chlodzenie), zListy(listaGrzanieChlodzenie))
                .ukryte(),
            kanal(
                "pid_kanalPomiarowy", QT_TRANSLATE_NOOP("TfListaWyjAnal", "Kanał pomiarowy"),
                [](const R &r) { return int(r.pid.pomiarowy); }, [](R &r, int n) { r.pid.pomiarowy = uint8_t(n); })
                .ukryte(),
            zrodlo("pid_kanalZadany", QT_TRANSLATE_NOOP("TfListaWyjAnal", "Kanał zadany"), DOSTEP_POLA(pid.zadany))
                .ukryte(),
            // The stored tenths are a 16-bit number: what is typed is kept
            // within it.
            P::liczbowe("pid_k", QT_TRANSLATE_NOOP("TfListaWyjAnal", "Xp"), TRodzajPola::DziesiateObciete,
                        DOSTEP_POLA(pid.k), INT16_MIN, INT16_MAX)
                .ukryte(),
            czasPid("pid_ti", QT_TRANSLATE_NOOP("TfListaWyjAnal", "ti [s]"), DOSTEP_POLA(pid.ti)),
            czasPid("pid_td", QT_TRANSLATE_NOOP("TfListaWyjAnal", "td [s]"), DOSTEP_POLA(pid.td)),
            czasPid("pid_tp", QT_TRANSLATE_NOOP("TfListaWyjAnal", "tp [s]"), DOSTEP_POLA(pid.tp)),
            czasPid("pid_to", QT_TRANSLATE_NOOP("TfListaWyjAnal", "to [s]"), DOSTEP_POLA(pid.tto)),
            kanal(
                "liniowy_kanalPomiarowy", QT_TRANSLATE_NOOP("TfListaWyjAnal", "Kanał pomiarowy"),
                [](const R &r) { return int(r.liniowypomiarowy); },
                [](R &r, int n) { r.liniowypomiarowy = uint8_t(n); })
                .ukryte(),
            zrodlo("liniowy_z0", QT_TRANSLATE_NOOP("TfListaWyjAnal", "0mA/4mA"), DOSTEP_POLA(liniowyZadana0)).ukryte(),
            zrodlo("liniowy_z20", QT_TRANSLATE_NOOP("TfListaWyjAnal", "20mA"), DOSTEP_POLA(liniowyZadana20)).ukryte(),
        });
    return pola;
}

TfListaWyjAnal::TfListaWyjAnal(QWidget *parent)
    : TListaSekcji(Odczyt | Wyslanie | Otwarcie | Zapis | Edycja | Drukowanie, 4, parent)
{
    setObjectName(QStringLiteral("TfListaWyjAnal"));
    rozszerzenie = QStringLiteral("k3ana");
    ustawPozycje(pozycjeWyjscAnalogowych);
    ustawPola(polaWyjscAnalogowych());
    // An output that works in any mode is drawn bold.
    memproj->styl = [this](int w, int, int rola) -> QVariant {
        if (rola != Qt::FontRole || pozycja(TTabelaPamieci::nr(w)).output_type == 0)
            return {};
        QFont f = DBGrid1->font();
        f.setBold(true);
        return f;
    };
    const int wiersz = std::max(17, DBGrid1->fontMetrics().height() + 4);
    DBGrid1->verticalHeader()->setDefaultSectionSize(wiersz);
    resize(900, 300);
}

void TfListaWyjAnal::jezykSekcji()
{
    // The fields' own widths, widened where a title or the longest text of
    // a column needs more in the language and font at hand.
    QFont pogrubiona = DBGrid1->font();
    pogrubiona.setBold(true);
    const QFontMetrics miara(pogrubiona);
    const auto najdluzszy = [&](const QStringList &teksty) {
        int s = 0;
        for (const QString &t : teksty)
            s = std::max(s, miara.horizontalAdvance(t) + 12);
        return s;
    };
    int razem = 2 * DBGrid1->frameWidth() + 24;
    for (int k = 0; k < memproj->ileKolumn(); ++k) {
        const TOpisPola &opis = memproj->pola()[size_t(k)].opis;
        int s = std::max(opis.szerokosc, DBGrid1->horizontalHeader()->sectionSizeHint(k));
        if (opis.nazwa == QLatin1String("nr_str"))
            s = std::max(s, najdluzszy({QStringLiteral("AO1.4")}));
        else if (opis.nazwa == QLatin1String("TypPracyStr"))
            s = std::max(s, najdluzszy(listaTypWyjsciaAO()));
        else if (opis.rodzaj == TRodzajPola::DziesiateObciete)
            s = std::max(s, najdluzszy({tekstDziesiatych(-32768)}));
        DBGrid1->setColumnWidth(k, s);
        razem += s;
    }
    DBGrid1->setMinimumWidth(razem);
}

QString TfListaWyjAnal::tytul() const { return tr("[AO] WYjścia analogowe"); }

bool TfListaWyjAnal::edytujJedna(TWyjscieAnalogowe &w, int nr)
{
    return edytujWyjscieAnalogowe(w, QStringLiteral("AO1.%1").arg(nr), jezykId);
}

void TfListaWyjAnal::but_odczytClick()
{
    Petla p = petlaOdczytu();
    auto przeczytane = std::make_shared<int>(0);
    p.po = [po = p.po, przeczytane](int i, bool anulowano) {
        ++*przeczytane;
        return po(i, anulowano);
    };
    p.naKoniec = [this, przeczytane](KoniecPetli) {
        if (*przeczytane > 0)
            memProjlistaTworz();
    };
    czytajWszystko(p);
}

void TfListaWyjAnal::but_wyslijClick()
{
    Petla p = petlaWysylania();
    p.po = [](int, bool) { return true; };
    wyslijWszystko(p);
}

// ---- Report ------------------------------------------------------------------

namespace {

// A label over its value in a band of a mode.
void dodajKolumne(TPasmo &pasmo, const QString &etykieta, const QString &wartosc, qreal x, qreal szerokosc,
                  const QString &zbior, const QString &pole, const QString &tekstEtykiety = QString())
{
    TTekstRaportu &e = pasmo.dodajTekst(etykieta, QRectF(x, 0, szerokosc, 4), tekstEtykiety);
    e.czcionka.setPointSize(7);
    e.kolor = QColor(80, 80, 80);
    TTekstRaportu &w =
        pasmo.dodajTekst(wartosc, QRectF(x, 4, szerokosc, 4.5), QStringLiteral("[%1.%2]").arg(zbior, pole));
    w.czcionka.setPointSize(8);
}

} // namespace

void TfListaWyjAnal::zbudujRaport(TRaport &raport)
{
    raport.strona.orientacja = QPageLayout::Landscape;
    TEdytorListy::zbudujRaport(raport);
    auto *wiersz = static_cast<TPasmo *>(raport.znajdzObiekt(QStringLiteral("MasterData1")));
    const auto typ = [this, &raport] {
        const int nr = raport.wartoscPola(zbiorRaportu, QStringLiteral("nr")).toInt();
        return nr >= 1 && nr <= ile ? int(pozycja(nr).output_type) : 0;
    };
    wiersz->przedWydrukiem = [typ](TPasmo &p) {
        const QColor kolor = typ() < 1 ? QColor(128, 128, 128) : QColor(Qt::black);
        for (auto &o : p.obiekty)
            if (auto *t = dynamic_cast<TTekstRaportu *>(o.get()))
                t->kolor = kolor;
    };
    const auto pasmo = [&](const char *nazwa, int tryb) -> TPasmo & {
        TPasmo &p = wiersz->dodajPasmo(QString::fromLatin1(nazwa), TRodzajPasma::Podrzedne, 10);
        p.przedWydrukiem = [typ, tryb](TPasmo &b) { b.widoczny = typ() == tryb; };
        return p;
    };
    const QString z = zbiorRaportu;
    const qreal x = 15; // under the name
    TPasmo &pid = pasmo("DetailPid", 2);
    dodajKolumne(pid, QStringLiteral("cp_typ"), QStringLiteral("dp_typ"), x, 30, z, QStringLiteral("pid_typ"));
    dodajKolumne(pid, QStringLiteral("cp_kanalPomiarowy"), QStringLiteral("dp_kanalPomiarowy"), x + 30, 60, z,
                 QStringLiteral("pid_kanalPomiarowy"));
    dodajKolumne(pid, QStringLiteral("cp_kanalZadany"), QStringLiteral("dp_kanalZadany"), x + 90, 40, z,
                 QStringLiteral("pid_kanalZadany"));
    static const char *const czasy[][3] = {{"cp_tp", "dp_tp", "pid_tp"},
                                           {"cp_k", "dp_k", "pid_k"},
                                           {"cp_ti", "dp_ti", "pid_ti"},
                                           {"cp_td", "dp_td", "pid_td"},
                                           {"cp_to", "dp_to", "pid_to"}};
    qreal xc = x + 130;
    for (const auto &c : czasy) {
        dodajKolumne(pid, QString::fromLatin1(c[0]), QString::fromLatin1(c[1]), xc, 20, z, QString::fromLatin1(c[2]));
        xc += 20;
    }
    TPasmo &zadajnik = pasmo("DetailZadajnik", 1);
    dodajKolumne(zadajnik, QStringLiteral("cz_kanalZadany"), QStringLiteral("dz_kanalZadany"), x, 60, z,
                 QStringLiteral("wartZadanaStr"));
    TPasmo &liniowy = pasmo("DetailLiniowy", 3);
    dodajKolumne(liniowy, QStringLiteral("cl_kanalPomiarowy"), QStringLiteral("dl_kanalPomiarowy"), x, 60, z,
                 QStringLiteral("liniowy_kanalPomiarowy"));
    dodajKolumne(liniowy, QStringLiteral("cl_z0"), QStringLiteral("dl_z0"), x + 60, 40, z, QStringLiteral("liniowy_z0"),
                 QStringLiteral("0/4 [mA]"));
    dodajKolumne(liniowy, QStringLiteral("cl_z20"), QStringLiteral("dl_z20"), x + 100, 40, z,
                 QStringLiteral("liniowy_z20"), QStringLiteral("20 [mA]"));
}

void TfListaWyjAnal::wypelnijRaport(TRaport &raport)
{
    const std::pair<const char *, QString> teksty[] = {
        {"h_min", tr("Min")},
        {"h_max", tr("Max")},
        {"h_zatrzymanie", tr("Zatrzymanie")},
        {"h_aktywnyStop", tr("Aktywny STOP")},
        {"h_pauza", tr("Pauza")},
        {"cp_typ", tr("Typ wyjścia")},
        {"cp_kanalPomiarowy", tr("Kanał pomiarowy")},
        {"cp_kanalZadany", tr("Kanał zadany")},
        {"cp_k", tr("Xp")},
        {"cp_ti", tr("ti [s]")},
        {"cp_td", tr("td [s]")},
        {"cp_tp", tr("tp [s]")},
        {"cp_to", tr("to [s]")},
        {"cz_kanalZadany", tr("Kanał zadany")},
        {"cl_kanalPomiarowy", tr("Kanał pomiarowy")},
    };
    for (const auto &[nazwa, tekst] : teksty)
        ustawTekstRaportu(raport, QString::fromLatin1(nazwa), tekst);
}

bool edytujWyjsciaAnalogowe(TWyjsciaAoArray &wyjscia, int jezykId)
{
    return otworzEdytor<TfListaWyjAnal>(wyjscia, jezykId);
}
