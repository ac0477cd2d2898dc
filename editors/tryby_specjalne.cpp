#include "tryby_specjalne.h"

#include "enumeracje.h"
#include "komunikaty.h"
#include "nazwy.h"
#include "przekazniki_projektu.h"
#include "raport.h"
#include "tryb_specjalny.h"
#include "tryby_specjalne_transfer.h"

#include <memory>

namespace {

// Power loss counts its duration in minutes.
constexpr int pozycjaZanikuZasilania = 3;
constexpr int ileStalych = 4;

TPolaSekcji<TFunkcjaSpec> tabelaTrybow()
{
    using P = TPole<TFunkcjaSpec>;
    return TPolaSekcji<TFunkcjaSpec>(
        "Tflistafunkcji",
        {
            P::obliczone("nr_str", QT_TRANSLATE_NOOP("Tflistafunkcji", "Nr"),
                         [](const TFunkcjaSpec &, const TMiejscePola &m) { return nazwaFunkcjiSpecjalnej(m.nr, true); })
                .kolumna(50)
                .przycisk()
                .druk(QStringLiteral("nr"), 14),
            P::napis(
                "Nazwa", QT_TRANSLATE_NOOP("Tflistafunkcji", "Nazwa"), TRodzajPola::Nazwa50,
                [](const TFunkcjaSpec &t, const TMiejscePola &m) { return nazwaTrybu(t, m.nr); },
                [](TFunkcjaSpec &t, const QString &tekst) { t.nazwa = tekstNaNazwe50(tekst); }, 15)
                .kolumna(154)
                .druk(QStringLiteral("nazwa"), 52),
            P::obliczone("str_czas", QT_TRANSLATE_NOOP("Tflistafunkcji", "Czas trwania"),
                         [](const TFunkcjaSpec &t, const TMiejscePola &m) { return tekstCzasuTrybu(t.czas_wyl, m.nr); })
                .kolumna(120)
                .druk(QStringLiteral("czasWylaczenia"), 36),
            P::obliczone("logika_str", QT_TRANSLATE_NOOP("Tflistafunkcji", "Logika przekaźników"),
                         [](const TFunkcjaSpec &t, const TMiejscePola &) { return listaOperacjaStanu(t.logika); })
                .kolumna(140, Qt::AlignCenter)
                .druk(QStringLiteral("logika"), 42),
            P::obliczone("Tryb_str", QT_TRANSLATE_NOOP("Tflistafunkcji", "Typ wyzwalania"),
                         [](const TFunkcjaSpec &t, const TMiejscePola &m) {
                             return m.nr > ileStalych ? listaRodzajPrzekaznika(t.tryb) : QString();
                         })
                .kolumna(107, Qt::AlignCenter)
                .druk(QStringLiteral("tryb"), 34),
            P::liczbowe("czas", nullptr, TRodzajPola::Calkowita, DOSTEP_POLA(czas_wyl)).ukryte(),
            P::wyliczenie("logika", nullptr, DOSTEP_POLA(logika), zListy(listaOperacjaStanu)).ukryte(),
            P::wyliczenie("Tryb", nullptr, DOSTEP_POLA(tryb), zListy(listaRodzajPrzekaznika)).ukryte(),
            P::obliczone(
                "nrWsterowniku", nullptr,
                [](const TFunkcjaSpec &, const TMiejscePola &m) { return QString::number(nrTrybuSterownika(m.nr)); })
                .ukryte(),
            P::przekaznikowe("przekazniki", QT_TRANSLATE_NOOP("Tflistafunkcji", "Stan wyjść przekaźnikowych"),
                             DOSTEP_PRZEKAZNIKOW(przekazniki)),
        });
}

} // namespace

const TPolaSekcji<TFunkcjaSpec> &polaTrybowSpecjalnych()
{
    static const TPolaSekcji<TFunkcjaSpec> pola = tabelaTrybow();
    return pola;
}

QString nazwaTrybu(const TFunkcjaSpec &t, int pozycja)
{
    const TNazwa50char n = t.nazwa;
    const QString nazwa = nazwa50NaTekst(n);
    if (nazwa.isEmpty() && pozycja >= 1 && pozycja <= ileStalych)
        return nazwaFunkcjiSpecjalnej(pozycja, false);
    return nazwa;
}

QString tekstCzasuTrybu(int32_t czas, int pozycja)
{
    if (pozycja == pozycjaZanikuZasilania) {
        const int minuty = czas < 0 ? 0 : czas;
        return QString::asprintf("%d:%2.2d [hh:mm]", minuty / 60, minuty % 60);
    }
    if (czas < 0)
        return QCoreApplication::translate("Tflistafunkcji", "nieskończoność");
    return QString::asprintf("%d [s]", czas);
}

Tflistafunkcji::Tflistafunkcji(QWidget *parent)
    : TListaSekcji(Odczyt | Wyslanie | Otwarcie | Zapis | Edycja | Drukowanie, ileTrybowSpecjalnych, parent)
{
    setObjectName(QStringLiteral("Tflistafunkcji"));
    rozszerzenie = QStringLiteral("k3spec");
    ustawPozycje(pozycjeTrybowSpecjalnych);
    ustawPola(polaTrybowSpecjalnych());
    resize(sizeHint().width(), 480);
}

QString Tflistafunkcji::tytul() const { return tr("Tryby specjalne"); }

bool Tflistafunkcji::edytujJedna(TFunkcjaSpec &t, int nr)
{
    t.nr_funkcji = nr - 1;
    auto wyjscia = std::make_unique<TKopiaRobocza<TPrzekaznikiArray>>();
    przekaznikiProjektu(wyjscia->r);
    return edytujTrybSpecjalny(t, nazwaFunkcjiSpecjalnej(nr, true), wyjscia->r, jezykId);
}

// Every mode is read; "Anuluj" of the progress window does not stop it.
void Tflistafunkcji::but_odczytClick()
{
    Petla p = petlaOdczytu();
    p.po = [zachowaj = p.po](int i, bool) { return zachowaj(i, false); };
    czytajWszystko(p);
}

// A mode that cannot be sent ends the loop, and the session is closed as
// after the last mode; the send function's box is then the only message.
void Tflistafunkcji::but_wyslijClick()
{
    Petla p = petlaWysylania();
    auto blad = std::make_shared<bool>(false);
    p.poBledzie = [blad](int) {
        *blad = true;
        return true;
    };
    p.poZamknieciu = [blad](bool zamknieta) {
        if (*blad)
            return;
        if (zamknieta)
            pokazInformacje(TEdytorSekcji::tr("Ustawienia wysłane do sterownika "));
        else
            pokazBrakKomunikacji();
    };
    wyslijWszystko(p);
}

void Tflistafunkcji::zbudujRaport(TRaport &raport)
{
    TEdytorListy::zbudujRaport(raport);
    auto *wiersz = dynamic_cast<TPasmo *>(raport.znajdzObiekt(QStringLiteral("MasterData1")));
    if (!wiersz)
        throw BladRaportu(QStringLiteral("Raport trybów specjalnych: brak pasma danych"));
    dodajPrzekaznikiRaportu(raport, *wiersz);
}

void Tflistafunkcji::wypelnijRaport(TRaport &raport)
{
    wypelnijPrzekazniki(raport, QStringLiteral("przekazniki"), ileTrybowSpecjalnych);
}

bool edytujTrybySpecjalne(TFunkcjeSpecjalneArray &tryby, int jezykId)
{
    return otworzEdytor<Tflistafunkcji>(tryby, jezykId);
}
