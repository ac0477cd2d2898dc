#include "wejscia_pomiarowe.h"

#include "edycja_liczb.h"
#include "enumeracje.h"
#include "panel_alarmu.h"
#include "przekazniki32.h"
#include "przekazniki_projektu.h"
#include "raport.h"
#include "wejscia_pomiarowe_transfer.h"

#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <tuple>

namespace {

const char *const kontekst = "TflistawejscPom";

// An item of a list of the model; "***" for a code it has no item for.
QString tekstListy(const QStringList &lista, int v)
{
    return v >= 0 && v < lista.size() ? lista[v] : QStringLiteral("***");
}

// An alarm's reaction: empty when the alarm is off.
QString tekstStatusu(int status) { return status == 0 ? QString() : tekstListy(listaReakcjaAlarmu(), status); }

bool wejsciePradowe(int typ) { return typ == 3 || typ == 4; }

// "Skalowanie P1", "Skalowanie P2".
QString skalowanie(int p)
{
    return QCoreApplication::translate("TflistawejscPom", "Skalowanie") + QStringLiteral(" P%1").arg(p);
}

} // namespace

const TPolaSekcji<TWejscieAnalogowe> &polaWejscPomiarowych()
{
    using P = TPole<TWejscieAnalogowe>;
    using W = TWejscieAnalogowe;
    static const TPolaSekcji<W> pola = [] {
        TPolaSekcji<W> t(
            kontekst,
            {
                P::obliczone("nr_str", QT_TRANSLATE_NOOP("TflistawejscPom", "Nr"),
                             [](const W &, const TMiejscePola &m) { return QStringLiteral("AI1.%1").arg(m.nr); })
                    .kolumna(51, Qt::AlignCenter)
                    .przycisk()
                    .druk(QStringLiteral("nr"), 14),
                P::obliczone("Nazwa", QT_TRANSLATE_NOOP("TflistawejscPom", "Nazwa"),
                             [](const W &r, const TMiejscePola &) {
                                 const TNazwa50char n = r.nazwa;
                                 return nazwaDoZera(n);
                             })
                    .kolumna(184)
                    .druk(QStringLiteral("nazwa"), 44),
                P::obliczone(
                    "TypWe_str", QT_TRANSLATE_NOOP("TflistawejscPom", "Typ wejścia"),
                    [](const W &r, const TMiejscePola &) { return tekstListy(listaTypWejsciaAI(), r.input_type); })
                    .kolumna(170)
                    .druk(QStringLiteral("typwejscia"), 46),
                P::liczbowe("offset", QT_TRANSLATE_NOOP("TflistawejscPom", "Offset"), TRodzajPola::DziesiateObciete,
                            DOSTEP_POLA(offset), -99, 99)
                    .kolumna(80, Qt::AlignRight | Qt::AlignVCenter)
                    .druk(QStringLiteral("offset"), 18),
                P::obliczone("almm_status", QT_TRANSLATE_NOOP("TflistawejscPom", "Alarm Min/Max"),
                             [](const W &r, const TMiejscePola &) {
                                 const vxt_alarm_konfiguracja_t a = r.alarm_bezwzgledny;
                                 return tekstStatusu(a.status);
                             })
                    .kolumna(160),
                P::obliczone("albrak_status", QT_TRANSLATE_NOOP("TflistawejscPom", "Alarm Brak czujnika"),
                             [](const W &r, const TMiejscePola &) {
                                 const vxt_alarm_konfiguracja_t a = r.alarm_brak_czujnika;
                                 return tekstStatusu(a.status);
                             })
                    .kolumna(160),
                P::obliczone("alwzg_status", QT_TRANSLATE_NOOP("TflistawejscPom", "Alarm względny"),
                             [](const W &r, const TMiejscePola &m) {
                                 const vxt_alarm_konfiguracja_t a = r.alarm_wzgledny;
                                 return maAlarmWzgledny(m.nr) ? tekstStatusu(a.status) : QString();
                             })
                    .kolumna(160),
                P::obliczone("prad_min", nullptr,
                             [](const W &r, const TMiejscePola &) {
                                 return wejsciePradowe(r.input_type) ? tekstDziesiatych(r.p1) : QString();
                             })
                    .ukryte()
                    .druk(QStringLiteral("p1"), 34)
                    .tytulZ([] { return skalowanie(1); }),
                P::obliczone("prad_max", nullptr,
                             [](const W &r, const TMiejscePola &) {
                                 return wejsciePradowe(r.input_type) ? tekstDziesiatych(r.p2) : QString();
                             })
                    .ukryte()
                    .druk(QStringLiteral("p2"), 34)
                    .tytulZ([] { return skalowanie(2); }),
                // The editor's fields.
                P::napis(
                    "nazwa", QT_TRANSLATE_NOOP("TflistawejscPom", "Nazwa"), TRodzajPola::Nazwa50,
                    [](const W &r, const TMiejscePola &) {
                        const TNazwa50char n = r.nazwa;
                        return nazwaDoZera(n);
                    },
                    [](W &r, const QString &t) {
                        TNazwa50char n;
                        tekstNaNazwe50(t, n);
                        r.nazwa = n;
                    },
                    15)
                    .ukryte(),
                P::wyliczenie("TypWe", QT_TRANSLATE_NOOP("TflistawejscPom", "Typ wejścia"), DOSTEP_POLA(input_type),
                              zListy(listaTypWejsciaAI))
                    .ukryte(),
                P::liczbowe("p1", nullptr, TRodzajPola::DziesiateObciete, DOSTEP_POLA(p1), -2000, 9999)
                    .ukryte()
                    .tytulZ([] { return skalowanie(1); }),
                P::liczbowe("p2", nullptr, TRodzajPola::DziesiateObciete, DOSTEP_POLA(p2), -2000, 9999)
                    .ukryte()
                    .tytulZ([] { return skalowanie(2); }),
            });
        const struct {
            const char *prefiks;
            const char *tytul;
            vxt_alarm_konfiguracja_t W::*alarm;
        } alarmy[] = {
            {"almm", QT_TRANSLATE_NOOP("TflistawejscPom", "Alarm Min/Max"), &W::alarm_bezwzgledny},
            {"albrak", QT_TRANSLATE_NOOP("TflistawejscPom", "Alarm Brak czujnika"), &W::alarm_brak_czujnika},
            {"alwzg", QT_TRANSLATE_NOOP("TflistawejscPom", "Alarm względny"), &W::alarm_wzgledny},
        };
        for (const auto &a : alarmy)
            for (P &p : polaAlarmu<W>(
                     QString::fromLatin1(a.prefiks), [t = a.tytul] { return QCoreApplication::translate(kontekst, t); },
                     a.alarm))
                t.pola.push_back(std::move(p));
        return t;
    }();
    return pola;
}

// ---- The list ----------------------------------------------------------------

// A rebuild counts as a change; a read-all that ends early rebuilds the list
// as well once an input was read.
TflistawejscPom::TflistawejscPom(QWidget *parent)
    : TListaSekcji(Odczyt | Wyslanie | Otwarcie | Zapis | Edycja | Drukowanie, 6, parent)
{
    setObjectName(QStringLiteral("TflistawejscPom"));
    rozszerzenie = QStringLiteral("k3ail");
    ustawPozycje(pozycjeWejscPomiarowych);
    ustawPola(polaWejscPomiarowych());
    // The six inputs without scrolling.
    DBGrid1->setMinimumHeight(DBGrid1->horizontalHeader()->sizeHint().height() +
                              ile * DBGrid1->verticalHeader()->defaultSectionSize() + 2 * DBGrid1->frameWidth());
    // A row is bold while any of its alarms is on.
    memproj->styl = [this](int wiersz, int, int rola) -> QVariant {
        if (rola != Qt::FontRole)
            return {};
        const int nr = TTabelaPamieci::nr(wiersz);
        const TWejscieAnalogowe &w = pozycja(nr);
        const vxt_alarm_konfiguracja_t a = w.alarm_bezwzgledny, b = w.alarm_brak_czujnika, c = w.alarm_wzgledny;
        if (!a.status && !b.status && !c.status)
            return {};
        QFont f = DBGrid1->font();
        f.setBold(true);
        return f;
    };
}

QString TflistawejscPom::tytul() const { return tr("[AI] Wejścia analogowe"); }

bool TflistawejscPom::edytujJedna(TWejscieAnalogowe &w, int nr)
{
    auto przekazniki = std::make_unique<TKopiaRobocza<TPrzekaznikiArray>>();
    przekaznikiProjektu(przekazniki->r);
    return edytujWejsciePomiarowe(nr, w, przekazniki->r, jezykId);
}

void TflistawejscPom::but_odczytClick() { czytajWszystko(petlaOdczytu(true)); }

// "Anuluj" of the progress window does not stop the inputs' send-all.
void TflistawejscPom::but_wyslijClick()
{
    Petla p = petlaWysylania();
    p.po = [](int, bool) { return true; };
    wyslijWszystko(p);
}

void TflistawejscPom::memAlarmyListaTworz(TZbiorRaportu &memAlarmy) const
{
    memAlarmy.wyczysc();
    const QStringList logiki = listaOperacjaStanu();
    const TPolaSekcji<TWejscieAnalogowe> &pola = polaSekcji();
    for (int nr = 1; nr <= ileWejsc; ++nr) {
        const TWejscieAnalogowe &w = wejsciaAI[nr - 1];
        const struct {
            const char *nazwa;
            const char *prefiks;
            vxt_alarm_konfiguracja_t a;
            bool progi;
        } alarmy[] = {
            {QT_TRANSLATE_NOOP("TflistawejscPom", "Alarm Min/Max"), "almm", w.alarm_bezwzgledny, true},
            {QT_TRANSLATE_NOOP("TflistawejscPom", "Alarm Brak czujnika"), "albrak", w.alarm_brak_czujnika, false},
            {QT_TRANSLATE_NOOP("TflistawejscPom", "Alarm względny"), "alwzg", w.alarm_wzgledny, true},
        };
        for (int k = 0; k < (maAlarmWzgledny(nr) ? 3 : 2); ++k) {
            const vxt_alarm_konfiguracja_t &a = alarmy[k].a;
            const QString opoznienie =
                pola[QString::fromLatin1(alarmy[k].prefiks) + QStringLiteral("_opoznienie")].tekstW(w, {nr, jezykId});
            memAlarmy.dodajWiersz({QString::number(nr), QString::number(k + 1), tr(alarmy[k].nazwa),
                                   tekstStatusu(a.status), tekstListy(logiki, a.logika), opoznienie,
                                   alarmy[k].progi ? tekstDziesiatych(a.warunek1) : QString(),
                                   alarmy[k].progi ? tekstDziesiatych(a.warunek2) : QString()});
        }
    }
}

void TflistawejscPom::memPrzekaznikiListaTworz(TZbiorRaportu &memPrzekazniki) const
{
    memPrzekazniki.wyczysc();
    const TPolaSekcji<TWejscieAnalogowe> &pola = polaSekcji();
    for (int nr = 1; nr <= ileWejsc; ++nr) {
        const TWejscieAnalogowe &w = wejsciaAI[nr - 1];
        int alarm = 0;
        for (const char *prefiks : {"almm", "albrak", "alwzg"})
            dopiszPrzekazniki(memPrzekazniki, nr, ++alarm,
                              pola[QString::fromLatin1(prefiks) + QStringLiteral("_przekazniki")].stany(w));
    }
}

// Per input its line, under it its alarms, under each alarm the relay
// states it sets.
void TflistawejscPom::zbudujRaport(TRaport &raport)
{
    const qreal szerokosc = dodajNaglowekIStopke(raport);
    raport.dodajZbior(zbiorRaportu, memproj->nazwyPol());
    raport.dodajZbior(QStringLiteral("memAlarmy"),
                      {QStringLiteral("nr"), QStringLiteral("alarm"), QStringLiteral("alNazwa"),
                       QStringLiteral("alStatus_str"), QStringLiteral("alLogika_str"),
                       QStringLiteral("alOpoznienie_str"), QStringLiteral("almin_str"), QStringLiteral("almax_str")});

    TPasmo &glowki = raport.dodajPasmo(QStringLiteral("Header1"), TRodzajPasma::NaglowekKolumny, 12);
    TPasmo &wejscie = raport.dodajPasmo(QStringLiteral("MasterData1"), TRodzajPasma::Dane, 6, zbiorRaportu);
    TPasmo &alarm = wejscie.dodajPasmo(QStringLiteral("DetailData1"), TRodzajPasma::Dane, 5,
                                       QStringLiteral("memAlarmy"), {{QStringLiteral("nr"), QStringLiteral("nr")}});
    // Columns: the head's name, the dataset's field, the width [mm].
    const auto kolumny = [&](TPasmo &pasmo, const QString &przedrostek, qreal y, qreal x,
                             const QList<std::tuple<QString, QString, qreal>> &k) {
        for (const auto &[glowka, pole, s] : k) {
            TTekstRaportu &h = glowki.dodajTekst(QStringLiteral("h_") + glowka, QRectF(x, y, s, 6));
            h.czcionka.setBold(true);
            h.ramka = true;
            TTekstRaportu &d = pasmo.dodajTekst(przedrostek + glowka, QRectF(x, 0, s, pasmo.wysokosc),
                                                QStringLiteral("[%1.%2]").arg(pasmo.zbior, pole));
            d.ramka = true;
            if (przedrostek == QLatin1String("d_"))
                d.czcionka.setBold(true);
            x += s;
        }
    };
    kolumny(wejscie, QStringLiteral("d_"), 0, 0,
            {{QStringLiteral("nr"), QStringLiteral("nr_str"), 14},
             {QStringLiteral("nazwa"), QStringLiteral("Nazwa"), 44},
             {QStringLiteral("typwejscia"), QStringLiteral("TypWe_str"), 46},
             {QStringLiteral("offset"), QStringLiteral("offset"), 18},
             {QStringLiteral("p1"), QStringLiteral("prad_min"), (szerokosc - 122) / 2},
             {QStringLiteral("p2"), QStringLiteral("prad_max"), (szerokosc - 122) / 2}});
    kolumny(alarm, QStringLiteral("a_"), 6, 14,
            {{QStringLiteral("Alarm"), QStringLiteral("alNazwa"), 40},
             {QStringLiteral("Tryb"), QStringLiteral("alStatus_str"), 42},
             {QStringLiteral("logika"), QStringLiteral("alLogika_str"), 32},
             {QStringLiteral("opoznienie"), QStringLiteral("alOpoznienie_str"), 20},
             {QStringLiteral("min"), QStringLiteral("almin_str"), (szerokosc - 148) / 2},
             {QStringLiteral("max"), QStringLiteral("almax_str"), (szerokosc - 148) / 2}});
    dodajPrzekaznikiRaportu(
        raport, alarm,
        {{QStringLiteral("nr"), QStringLiteral("nr")}, {QStringLiteral("alarm"), QStringLiteral("alarm")}});
}

void TflistawejscPom::wypelnijRaport(TRaport &raport)
{
    memAlarmyListaTworz(*raport.zbior(QStringLiteral("memAlarmy")));
    memPrzekaznikiListaTworz(przekaznikiRaportu(raport));
    static const char *const glowki[][2] = {
        {"h_Alarm", QT_TRANSLATE_NOOP("TflistawejscPom", "Alarm")},
        {"h_Tryb", QT_TRANSLATE_NOOP("TflistawejscPom", "Tryb")},
        {"h_logika", QT_TRANSLATE_NOOP("TflistawejscPom", "Logika")},
        {"h_opoznienie", QT_TRANSLATE_NOOP("TflistawejscPom", "Opóźnienie")},
        {"h_min", QT_TRANSLATE_NOOP("TflistawejscPom", "Min")},
        {"h_max", QT_TRANSLATE_NOOP("TflistawejscPom", "Max")},
    };
    for (const auto &[glowka, tekst] : glowki)
        ustawTekstRaportu(raport, QString::fromLatin1(glowka), tr(tekst));
}

bool edytujWejsciaPomiarowe(TWejsciaPomiarowe &wejscia, int jezykId)
{
    return otworzEdytor<TflistawejscPom>(wejscia, jezykId, TflistawejscPom::Zwrot::Ok);
}

// ---- One input -----------------------------------------------------------------

TFEditWejsciePom::TFEditWejsciePom(QWidget *parent) : TEdytorRekordu(Odczyt | Wyslanie | Otwarcie | Zapis, parent)
{
    setObjectName(QStringLiteral("TFEditWejsciePom"));
    rozszerzenie = QStringLiteral("k3ai1");
    const TPolaSekcji<TWejscieAnalogowe> &pola = polaWejscPomiarowych();

    auto *uklad = new QVBoxLayout(obszar);
    auto *gora = new QHBoxLayout;
    uklad->addLayout(gora);
    auto *dane = new QGridLayout;
    gora->addLayout(dane);
    LabelNr = new QLabel(obszar);
    LabelNr->setObjectName(QStringLiteral("LabelNr"));
    LabelNr->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 14pt"));
    dane->addWidget(LabelNr, 0, 0, 1, 2);
    ed_nazwa = dodajPole<QLineEdit>(pola[QStringLiteral("nazwa")], "ed_nazwa", dane);
    co_typWejscia = dodajPole<QComboBox>(pola[QStringLiteral("TypWe")], "co_typWejscia", dane);
    fe_offset = dodajPole<TFloatEdit>(pola[QStringLiteral("offset")], "fe_offset", dane);

    gb_skalujWePrad = new QGroupBox(obszar);
    gb_skalujWePrad->setObjectName(QStringLiteral("gb_skalujWePrad"));
    tlumaczonyTytul(gb_skalujWePrad,
                    [] { return QLatin1Char(' ') + tr("Skalowanie wejść prądowych") + QLatin1Char(' '); });
    auto *skala = new QGridLayout(gb_skalujWePrad);
    fe_p1 = dodajPole<TFloatEdit>(pola[QStringLiteral("p1")], "fe_p1", skala);
    fe_p2 = dodajPole<TFloatEdit>(pola[QStringLiteral("p2")], "fe_p2", skala);
    gora->addWidget(gb_skalujWePrad, 0, Qt::AlignTop);
    gora->addStretch();
    connect(co_typWejscia, &QComboBox::currentIndexChanged, this, [this] { zmianaTypu(); });

    PageControl1 = new QTabWidget(obszar);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    uklad->addWidget(PageControl1, 1);
    const auto powiazPole = powiazaniaAlarmu(pola, rekord, [this](QWidget *k, auto &&...a) { powiaz(k, a...); });
    const auto zakladka = [&](const char *nazwaZakladki, TPanelAlarmu::Pola p, const char *nazwa) {
        p.poOpoznieniu = QStringLiteral(" [mm:ss]");
        return dodajZakladkeAlarmu(PageControl1, QString::fromLatin1(nazwaZakladki), p, QString::fromLatin1(nazwa),
                                   jezykId, powiazPole);
    };
    alarmMinMax = zakladka("TS_AlarmMinMax", polaPaneluAlarmu(pola, QStringLiteral("almm"), true), "alarmMinMax");
    alarmBrak = zakladka("TS_AlarmBrak", polaPaneluAlarmu(pola, QStringLiteral("albrak"), false), "alarmBrak");
    TPanelAlarmu::Pola wzgledny = polaPaneluAlarmu(pola, QStringLiteral("alwzg"), true);
    wzgledny.minUkryte = true;
    alarmWzgledny = zakladka("TS_AlarmWzgledny", wzgledny, "alarmWzgledny");
    TS_AlarmMinMax = alarmMinMax->parentWidget();
    TS_AlarmBrak = alarmBrak->parentWidget();
    TS_AlarmWzgledny = alarmWzgledny->parentWidget();
    PageControl1->setCurrentIndex(0);
    ustawPozycje(1);
}

QString TFEditWejsciePom::tytul() const { return tr("[AI] WEjście analogowe"); }

void TFEditWejsciePom::jezykSekcji()
{
    PageControl1->setTabText(0, tr("Alarm Min/Max"));
    PageControl1->setTabText(1, tr("Alarm Brak czujnika"));
    PageControl1->setTabText(2, tr("Alarm względny"));
    for (TPanelAlarmu *p : {alarmMinMax, alarmBrak, alarmWzgledny})
        p->jezyk();
}

void TFEditWejsciePom::ustawPozycje(int nr)
{
    pozycja = nr;
    LabelNr->setText(QStringLiteral("AI%1.%2").arg((nr - 1) / 6 + 1).arg((nr - 1) % 6 + 1));
    PageControl1->setTabVisible(2, maAlarmWzgledny(nr));
}

void TFEditWejsciePom::ustawPrzekazniki(const TPrzekaznikiArray &przekazniki)
{
    for (TPanelAlarmu *p : {alarmMinMax, alarmBrak, alarmWzgledny})
        p->przekazniki->ustawIkony(przekazniki);
}

void TFEditWejsciePom::WypiszDane()
{
    TEdytorRekordu::WypiszDane();
    zmianaTypu();
}

void TFEditWejsciePom::AktualizujDanePoEdycji()
{
    const vxt_alarm_konfiguracja_t wzgledny = rekord.alarm_wzgledny;
    TEdytorRekordu::AktualizujDanePoEdycji();
    if (!maAlarmWzgledny(pozycja)) {
        rekord.alarm_wzgledny = wzgledny;
        return;
    }
    vxt_alarm_konfiguracja_t a = rekord.alarm_wzgledny;
    a.warunek1 = wzgledny.warunek1;
    rekord.alarm_wzgledny = a;
}

void TFEditWejsciePom::zmianaTypu() { gb_skalujWePrad->setVisible(wejsciePradowe(co_typWejscia->currentIndex())); }

bool TFEditWejsciePom::czytajRekord(TWejscieAnalogowe &w) { return czytajWejsciePomiarowe(w, pozycja, daneSterownika); }

// Alone, in sessions of its own: inputs 1 and 3 wait 5500 ms before their
// relative alarm.
bool TFEditWejsciePom::wyslijRekord(const TWejscieAnalogowe &w)
{
    return wyslijWejsciePomiarowe(w, pozycja, false, daneSterownika);
}

void TFEditWejsciePom::but_wyslijClick()
{
    AktualizujDanePoEdycji();
    wyslijJeden([this] { return wyslijRekord(rekord); }, 3, QString());
}

bool edytujWejsciePomiarowe(int nr, TWejscieAnalogowe &wejscie, const TPrzekaznikiArray &przekazniki, int jezykId)
{
    return otworzEdytor<TFEditWejsciePom>(wejscie, jezykId, TFEditWejsciePom::Zwrot::OkIWynik,
                                          [&](TFEditWejsciePom &o) {
                                              o.ustawPozycje(nr);
                                              o.ustawPrzekazniki(przekazniki);
                                          });
}
