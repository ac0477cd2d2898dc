#include "programy.h"

#include "dane_sterownika.h"
#include "komunikaty.h"
#include "plik_sekcji.h"
#include "program.h"
#include "programy_transfer.h"
#include "raport.h"
#include "transfer_sekcji.h"
#include "wybor_pliku.h"

namespace {

const QString rozszerzenieListy = QStringLiteral("plw");
const QString etykietaListy = QStringLiteral("VXT");

// Every 20th program (20, 40, ... 100) is read or sent after a lock check.
bool przedProgramem(int nr) { return nr % 20 != 0 || Tflistaprojektow::sprawdzBlokadeListy(true); }
bool przedWyslaniem(int nr) { return nr % 20 != 0 || Tflistaprojektow::sprawdzBlokadeListy(false); }

} // namespace

const TPolaSekcji<TProgram> &polaProgramow()
{
    using P = TPole<TProgram>;
    static const TPolaSekcji<TProgram> pola(
        "Tflistaprojektow",
        {
            P::obliczone("nr_str", QT_TRANSLATE_NOOP("Tflistaprojektow", "Nr"),
                         [](const TProgram &, const TMiejscePola &m) { return QString::asprintf("P%2.2d", m.nr); })
                .kolumna(50, Qt::AlignCenter)
                .przycisk()
                .druk(QStringLiteral("nr"), 15),
            P::obliczone("Nazwa", QT_TRANSLATE_NOOP("Tflistaprojektow", "Nazwa"),
                         [](const TProgram &p, const TMiejscePola &) { return nazwaProgramu(p); })
                .kolumna(380)
                .druk(QStringLiteral("nazwa"), 70),
        });
    return pola;
}

Tflistaprojektow::Tflistaprojektow(QWidget *parent)
    : TListaSekcji(Odczyt | Wyslanie | Otwarcie | Zapis | Edycja | Drukowanie, 100, parent)
{
    setObjectName(QStringLiteral("Tflistaprojektow"));
    zbiorRaportu = QStringLiteral("frxDBDatasetProgramy");
    ustawPozycje(pozycjeProgramow);
    ustawPola(polaProgramow());
    resize(minimumWidth() + 24, 560);
}

QString Tflistaprojektow::tytul() const { return tr("Lista programów"); }

bool Tflistaprojektow::sprawdzBlokadeListy(bool zKodem)
{
    const int stan = sprawdzBlokade();
    if (stan == 0 || stan == 1)
        return true;
    if (zKodem)
        pokazBlad(QCoreApplication::translate("TransferSekcji", "Brak komunikacji") + QStringLiteral("(%1)").arg(stan));
    else
        pokazBrakKomunikacji();
    return false;
}

bool Tflistaprojektow::edytujJedna(TProgram &p, int nr) { return edytujProgram(p, nrProgramu(nr), jezykId, programy); }

// The list is rebuilt however the read ended: what was read stays, and the
// window counts it as a change.
void Tflistaprojektow::but_odczytClick()
{
    Petla p = petlaOdczytu();
    p.naPoczatek = [] { return sprawdzBlokadeListy(true); };
    p.przed = przedProgramem;
    p.naKoniec = [this](KoniecPetli) { memProjlistaTworz(); };
    czytajWszystko(p);
}

void Tflistaprojektow::but_wyslijClick()
{
    Petla p = petlaWysylania();
    p.probyOtwarcia = 3;
    p.naPoczatek = [] { return sprawdzBlokadeListy(false); };
    p.przed = przedWyslaniem;
    wyslijWszystko(p);
}

// Record by record: a file of k whole programs replaces P01..Pk and leaves
// the others; a part of a program at its end, and programs beyond P100,
// are not read.
void Tflistaprojektow::but_otworzClick()
{
    const QString plik = wyborPliku().plikDoOtwarcia(filtrSekcji(rozszerzenieListy, etykietaListy), rozszerzenieListy);
    if (plik.isEmpty())
        return;
    int ile = 0;
    switch (czytajRekordyPliku(plik, &programy, sizeof(TProgram), 100, ile)) {
    case TOdczytPliku::Dobrze:
        memProjlistaTworz();
        break;
    case TOdczytPliku::BladOtwarcia:
        pokazBlad(TEdytorSekcji::tr("Bład otwarcia pliku"));
        break;
    case TOdczytPliku::BladOdczytu:
        pokazBlad(TEdytorSekcji::tr("Bład przetwarzania pliku"));
        break;
    }
}

void Tflistaprojektow::but_zapiszClick() { zapiszPlik(&programy, sizeof programy, rozszerzenieListy, etykietaListy); }

// Two columns of programs on a page.
void Tflistaprojektow::zbudujRaport(TRaport &raport)
{
    raport.strona.kolumny = 2;
    TListaSekcji::zbudujRaport(raport);
}

bool edytujProgramy(TProgramyArray100 &programy, int jezykId)
{
    return otworzEdytor<Tflistaprojektow>(programy, jezykId);
}
