#include "wejscia_cyfrowe.h"

#include "enumeracje.h"
#include "kodek.h"
#include "komunikaty.h"
#include "panel_alarmu.h"
#include "przekazniki32.h"
#include "przekazniki_projektu.h"
#include "raport.h"
#include "wejscia_cyfrowe_transfer.h"

#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cstring>
#include <span>

namespace {

using W = Tkvor350wejscieDwustanowe;

constexpr int znakowNazwy = 16;

// The label of an input by its card and input on the card (both from 0).
QString etykieta(int karta, int wejscie) { return QStringLiteral("DI%1.%2").arg(karta + 1).arg(wejscie + 1); }

void kartaIWejscie(int nr, int &karta, int &wejscie)
{
    kanalNaKarteWejscie(nr, wejscNaKarcieBazowej, wejscNaKarcieRozszerzen, karta, wejscie);
}

QString tekstListy(const QStringList &lista, int v, const QString &poza)
{
    return v >= 0 && v < lista.size() ? lista[v] : poza;
}

int opoznienie(const W &r) { return r.alarm_opoznienieL + 256 * r.alarm_opoznienieH; }

QStringList listaZasilania()
{
    return {QCoreApplication::translate("TfeditWejscieCyfrowe", "1.  DC"),
            QCoreApplication::translate("TfeditWejscieCyfrowe", "2. AC")};
}

} // namespace

const TPolaSekcji<W> &polaWejscCyfrowych()
{
    using P = TPole<W>;
    static const TPolaSekcji<W> pola(
        "TFListaWejscCyfrowych",
        {
            P::obliczone("di", QT_TRANSLATE_NOOP("TFListaWejscCyfrowych", "Nr"),
                         [](const W &, const TMiejscePola &m) {
                             int karta = 0, wejscie = 0;
                             kartaIWejscie(m.nr, karta, wejscie);
                             return etykieta(karta, wejscie) + QStringLiteral(" : ");
                         })
                .kolumna(53)
                .przycisk()
                .druk(QStringLiteral("nr"), 16),
            // The one-byte name (Windows-1250; characters it lacks become
            // '?'), and the same name as UTF-16 units.
            P::napis(
                "Nazwa", QT_TRANSLATE_NOOP("TFListaWejscCyfrowych", "Nazwa"), TRodzajPola::Nazwa1250,
                [](const W &r, const TMiejscePola &) {
                    return tekstJednobajtowy(std::span<const uint8_t>(r.nazwa_str));
                },
                [](W &r, const QString &t) {
                    ustawTekstJednobajtowy(std::span<uint8_t>(r.nazwa_str), t.left(znakowNazwy));
                    const QString jednobajtowa = tekstJednobajtowy(std::span<const uint8_t>(r.nazwa_str));
                    char16_t znaki[znakowNazwy] = {};
                    for (qsizetype i = 0; i < jednobajtowa.size() && i < znakowNazwy; ++i)
                        znaki[i] = jednobajtowa.at(i).unicode();
                    std::memcpy(r.nazwa_array, znaki, sizeof znaki);
                },
                znakowNazwy)
                .kolumna(230)
                .druk(QStringLiteral("nazwa"), 42),
            P::obliczone("logika_str", QT_TRANSLATE_NOOP("TFListaWejscCyfrowych", "Logika"),
                         [](const W &r, const TMiejscePola &) {
                             return tekstListy(listaZnak(), r.logika, QStringLiteral("***"));
                         })
                .kolumna(100)
                .druk(QStringLiteral("logika"), 20),
            P::obliczone("al_status_str", QT_TRANSLATE_NOOP("TFListaWejscCyfrowych", "Status alarmu"),
                         [](const W &r, const TMiejscePola &) {
                             return r.alarm_status == 0
                                        ? QString()
                                        : tekstListy(listaReakcjaAlarmu(), r.alarm_status, QStringLiteral("***"));
                         })
                .kolumna(170)
                .druk(QStringLiteral("statusAlarmu"), 48),
            P::obliczone("al_przekazniik_str", QT_TRANSLATE_NOOP("TFListaWejscCyfrowych", "Logika przekaźników"),
                         [](const W &r, const TMiejscePola &) {
                             return tekstListy(listaOperacjaStanu(), r.alarm_logika, QString());
                         })
                .kolumna(130)
                .druk(QStringLiteral("logikaPrzekaznikow"), 36),
            P::liczbowe(
                "dt_opoznienie", QT_TRANSLATE_NOOP("TFListaWejscCyfrowych", "Opóźnienie alarmu"),
                TRodzajPola::MinutySekundy, [](const W &r) -> qint64 { return opoznienie(r); },
                [](W &r, qint64 v) {
                    r.alarm_opoznienieL = uint8_t(v & 0xFF);
                    r.alarm_opoznienieH = uint8_t((v >> 8) & 0xFF);
                },
                0, 5999)
                .kolumna(74, Qt::AlignCenter)
                .druk(QStringLiteral("opoznienieAlarmu"), 28),
            // The row's card and input (from 1), and the editor's fields.
            P::obliczone("karta", nullptr,
                         [](const W &, const TMiejscePola &m) {
                             int karta = 0, wejscie = 0;
                             kartaIWejscie(m.nr, karta, wejscie);
                             return QString::number(karta + 1);
                         })
                .ukryte(),
            P::obliczone("wejscie", nullptr,
                         [](const W &, const TMiejscePola &m) {
                             int karta = 0, wejscie = 0;
                             kartaIWejscie(m.nr, karta, wejscie);
                             return QString::number(wejscie + 1);
                         })
                .ukryte(),
            P::wyliczenie("logika", QT_TRANSLATE_NOOP("TFListaWejscCyfrowych", "Logika"), DOSTEP_POLA(logika),
                          zListy(listaZnak))
                .ukryte(),
            P::wyliczenie("zasilanie", QT_TRANSLATE_NOOP("TFListaWejscCyfrowych", "Zasilanie"), DOSTEP_POLA(zasilanie),
                          zListy(listaZasilania))
                .ukryte(),
            P::wyliczenie("al_status", nullptr, DOSTEP_POLA(alarm_status), zListy(listaReakcjaAlarmu)).ukryte(),
            P::wyliczenie("al_przekaznik", nullptr, DOSTEP_POLA(alarm_logika), zListy(listaOperacjaStanu)).ukryte(),
            P::przekaznikowe("wyjscia_przypisane",
                             QT_TRANSLATE_NOOP("TFListaWejscCyfrowych", "Stan wyjść przekaźnikowych"),
                             DOSTEP_PRZEKAZNIKOW(wyjscia_przypisane)),
        });
    return pola;
}

// ---- The list ----------------------------------------------------------------

// A rebuild enables OK without setting `wynik` (OK sets it); a read-all
// that ends early rebuilds the list as well once an input was read.
TFListaWejscCyfrowych::TFListaWejscCyfrowych(QWidget *parent)
    : TListaSekcji(Odczyt | Wyslanie | Otwarcie | Zapis | Edycja | Drukowanie, ileWejscCyfrowych, parent)
{
    setObjectName(QStringLiteral("TFListaWejscCyfrowych"));
    rozszerzenie = QStringLiteral("k3di");
    przebudowa = Przebudowa::TylkoOk;
    ustawPozycje(pozycjeWejscCyfrowych);
    ustawPola(polaWejscCyfrowych());
    // An alarm that is on makes its row bold, red while it interrupts the
    // program; a zero delay is not shown.
    memproj->styl = [this](int wiersz, int kolumna, int rola) -> QVariant {
        const W &w = pozycja(TTabelaPamieci::nr(wiersz));
        if (rola == Qt::FontRole && w.alarm_status != 0) {
            QFont f = DBGrid1->font();
            f.setBold(true);
            return f;
        }
        if (rola != Qt::ForegroundRole)
            return {};
        if (memproj->pola()[size_t(kolumna)].opis.nazwa == QLatin1String("dt_opoznienie") && opoznienie(w) == 0)
            return QColor(Qt::transparent);
        return w.alarm_status == 1 ? QVariant(QColor(255, 0, 0)) : QVariant();
    };
}

QString TFListaWejscCyfrowych::tytul() const { return tr("[DI] WEjścia cyfrowe"); }

bool TFListaWejscCyfrowych::edytujJedna(W &w, int nr)
{
    ustawKarteWejscie(w, nr);
    auto przekazniki = std::make_unique<TKopiaRobocza<TPrzekaznikiArray>>();
    przekaznikiProjektu(przekazniki->r);
    return edytujWejscieCyfrowe(w, przekazniki->r, jezykId);
}

void TFListaWejscCyfrowych::but_odczytClick() { czytajWszystko(petlaOdczytu(true)); }

// "Anuluj" of the progress window does not stop the inputs' send-all.
void TFListaWejscCyfrowych::but_wyslijClick()
{
    Petla p = petlaWysylania();
    p.po = [](int, bool) { return true; };
    wyslijWszystko(p);
}

void TFListaWejscCyfrowych::memPrzekaznikiListaTworz(TZbiorRaportu &memPrzekazniki) const
{
    memPrzekazniki.wyczysc();
    const TPole<W> &pole = polaSekcji()[QStringLiteral("wyjscia_przypisane")];
    for (int nr = 1; nr <= ile; ++nr)
        dopiszPrzekazniki(memPrzekazniki, nr, 1, pole.stany(wejscia[nr - 1]));
}

// The list, each input's line followed by the relay states of its alarm.
void TFListaWejscCyfrowych::zbudujRaport(TRaport &raport)
{
    TEdytorListy::zbudujRaport(raport);
    auto *wejscie = dynamic_cast<TPasmo *>(raport.znajdzObiekt(QStringLiteral("MasterData1")));
    dodajPrzekaznikiRaportu(raport, *wejscie);
}

void TFListaWejscCyfrowych::wypelnijRaport(TRaport &raport) { memPrzekaznikiListaTworz(przekaznikiRaportu(raport)); }

bool edytujWejsciaCyfrowe(TWejsciaCyfrowe &wejscia, int jezykId)
{
    return otworzEdytor<TFListaWejscCyfrowych>(wejscia, jezykId);
}

// ---- One input -----------------------------------------------------------------

TfeditWejscieCyfrowe::TfeditWejscieCyfrowe(QWidget *parent)
    : TEdytorRekordu(Odczyt | Wyslanie | Otwarcie | Zapis | Czyszczenie, parent)
{
    setObjectName(QStringLiteral("TfeditWejscieCyfrowe"));
    rozszerzenie = QStringLiteral("k3di1");
    const TPolaSekcji<W> &pola = polaWejscCyfrowych();

    auto *uklad = new QVBoxLayout(obszar);
    auto *dane = new QGridLayout;
    uklad->addLayout(dane);
    LabelNr = new QLabel(obszar);
    LabelNr->setObjectName(QStringLiteral("LabelNr"));
    LabelNr->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 14pt"));
    dane->addWidget(LabelNr, 0, 0, 1, 2);
    ed_nazwa = dodajPole<QLineEdit>(pola[QStringLiteral("Nazwa")], "ed_nazwa", dane);
    co_logika = dodajPole<QComboBox>(pola[QStringLiteral("logika")], "co_logika", dane);
    co_zasilanie = dodajPole<QComboBox>(pola[QStringLiteral("zasilanie")], "co_zasilanie", dane);
    co_zasilanie->setEnabled(false);
    dane->setColumnStretch(2, 1);

    PageControl1 = new QTabWidget(obszar);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    uklad->addWidget(PageControl1, 1);
    TPanelAlarmu::Pola p;
    p.status = pola[QStringLiteral("al_status")];
    p.logika = pola[QStringLiteral("al_przekaznik")];
    p.opoznienie = pola[QStringLiteral("dt_opoznienie")];
    p.przekazniki = pola[QStringLiteral("wyjscia_przypisane")];
    const auto powiazPole = powiazaniaAlarmu(pola, rekord, [this](QWidget *k, auto &&...a) { powiaz(k, a...); });
    alarm =
        dodajZakladkeAlarmu(PageControl1, QStringLiteral("TS_alarm"), p, QStringLiteral("alarm"), jezykId, powiazPole);
}

QString TfeditWejscieCyfrowe::tytul() const { return tr("[DI] WEjście cyfrowe"); }

void TfeditWejscieCyfrowe::jezykSekcji()
{
    PageControl1->setTabText(0, tr("Alarm"));
    alarm->jezyk();
}

void TfeditWejscieCyfrowe::ustawPrzekazniki(const TPrzekaznikiArray &przekazniki)
{
    alarm->przekazniki->ustawIkony(przekazniki);
}

void TfeditWejscieCyfrowe::WypiszDane()
{
    TEdytorRekordu::WypiszDane();
    LabelNr->setText(etykieta(rekord.nr_karty, rekord.nr_wejscia));
    if (alarm->co_status->currentIndex() < 0 || alarm->co_logika->currentIndex() < 0)
        obslugaInformacjiObledzie();
    for (int j = 0; j < 32; ++j)
        if (alarm->przekazniki->getValue(j) > 4) {
            alarm->przekazniki->setValue(j, 0);
            obslugaInformacjiObledzie();
        }
}

void TfeditWejscieCyfrowe::obslugaInformacjiObledzie()
{
    if (bylBlad)
        return;
    bylBlad = true;
    pokazOstrzezenie(tr("Błędne dane, poza zakresem! "));
}

bool TfeditWejscieCyfrowe::czytajRekord(W &w)
{
    return czytajWejscieCyfrowe(w, nrWejsciaLiniowy(w.nr_karty, w.nr_wejscia), daneSterownika);
}

bool TfeditWejscieCyfrowe::wyslijRekord(const W &w)
{
    return wyslijWejscieCyfrowe(w, nrWejsciaLiniowy(w.nr_karty, w.nr_wejscia), false, daneSterownika);
}

void TfeditWejscieCyfrowe::poOtwarciu(W &w)
{
    w.nr_karty = rekord.nr_karty;
    w.nr_wejscia = rekord.nr_wejscia;
}

// Everything but the card and input numbers cleared; a change.
void TfeditWejscieCyfrowe::sb_clsClick()
{
    if (!potwierdzCzyszczenie())
        return;
    auto pusty = std::make_unique<TKopiaRobocza<W>>();
    std::memset(&pusty->r, 0, sizeof(W));
    poOtwarciu(pusty->r);
    kopiujRekord(rekord, pusty->r);
    WypiszDane();
    modyfikacja();
}

bool edytujWejscieCyfrowe(W &wejscie, const TPrzekaznikiArray &przekazniki, int jezykId)
{
    return otworzEdytor<TfeditWejscieCyfrowe>(wejscie, jezykId, TfeditWejscieCyfrowe::Zwrot::OkIWynik,
                                              [&](TfeditWejscieCyfrowe &o) { o.ustawPrzekazniki(przekazniki); });
}
