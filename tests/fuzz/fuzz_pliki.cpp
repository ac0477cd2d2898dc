// Project files with their washing-settings sidecar, and section files,
// of any size and content (or missing, or a folder in their place).
//
// Input: [row][file kind][sidecar kind][4 bytes: size and filler][content...].
// Row 0 opens a project; the others load a section file. Kinds: 0 the
// exact size, 1 one byte short, 2 a few bytes long, 3 a small size, 4
// empty, 5 missing, 6 a folder. The content starts the file; a generator
// seeded from the 4 bytes fills the rest.
//
// A project file of any size but the project's is refused and changes
// nothing (its name may be cleared); an accepted one is taken byte for byte,
// with the sidecar's first 932 bytes or, when there are not that many, the
// defaults and one message. A section file shorter than the section is
// refused and changes nothing; a longer one gives its first record.
#include "fuzz.h"

#include "plik_sekcji.h"
#include "projekt_domyslny.h"

#include <QDir>
#include <QFile>

#include <functional>
#include <memory>

namespace {

enum Rodzaj { Dokladny, OJedenKrotszy, Dluzszy, Maly, Pusty, Brak, Katalog, Rodzajow };

// A file of the kind for a record of `rozmiar` bytes; its size, -1 when
// it is not a regular file.
qint64 utworz(const QString &sciezka, int rodzaj, qint64 rozmiar, uint32_t los, const QByteArray &tresc)
{
    QDir(sciezka).removeRecursively();
    QFile::remove(sciezka);
    qint64 n = rozmiar;
    switch (rodzaj) {
    case OJedenKrotszy:
        n = rozmiar - 1;
        break;
    case Dluzszy:
        n = rozmiar + 1 + los % 16;
        break;
    case Maly:
        n = los % 2048;
        break;
    case Pusty:
        n = 0;
        break;
    case Brak:
        return -1;
    case Katalog:
        QDir().mkpath(sciezka);
        return -1;
    default:
        break;
    }
    QByteArray b(n, '\0');
    wypelnijLosowo(b.data(), size_t(b.size()), los);
    b.replace(0, std::min(b.size(), tresc.size()), tresc.left(b.size()));
    QFile f(sciezka);
    if (!f.open(QIODevice::WriteOnly) || f.write(b) != b.size())
        std::abort();
    return n;
}

QByteArray poczatek(const QString &sciezka, qint64 n)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
}

QString opis(const char *co, int rodzaj, qint64 rozmiar)
{
    return QStringLiteral("%1, kind %2, %3 bytes").arg(QLatin1String(co)).arg(rodzaj).arg(rozmiar);
}

void otworzProjekt(int rodzaj, int rodzajMycia, uint32_t los, const QByteArray &tresc)
{
    const QString sciezka = katalogFuzz() + QStringLiteral("projekt.k3p");
    const qint64 rozmiar = utworz(sciezka, rodzaj, rozmiarPlikuProjektu, los, tresc);
    const qint64 rozmiarMycia = utworz(nazwaPlikuMycia(sciezka), rodzajMycia, rozmiarPlikuMycia, ~los, tresc);

    TBiezacyProjekt p;
    p.projekt().wersjaPliku = uint16_t(los);
    p.mycie().czaDoMycia = uint16_t(los >> 16);
    p.bylazmianaProjektu = los & 1;
    p.projektNnazwa = QStringLiteral("poprzedni.k3p");
    const QByteArray projektPrzed = bajtyRekordu(p.projekt()), myciePrzed = bajtyRekordu(p.mycie());
    const bool zmianaPrzed = p.bylazmianaProjektu;

    const bool ok = p.OtworzProjektNazwa(sciezka);
    const QString o = opis("project", rodzaj, rozmiar) + QStringLiteral(", sidecar kind %1").arg(rodzajMycia);
    if (rozmiar != rozmiarPlikuProjektu) {
        FUZZ_SPRAWDZ(!ok, o + QStringLiteral(": taken"));
        FUZZ_SPRAWDZ(bajtyRekordu(p.projekt()) == projektPrzed && bajtyRekordu(p.mycie()) == myciePrzed,
                     o + QStringLiteral(": a refused file changed the project"));
        FUZZ_SPRAWDZ(p.bylazmianaProjektu == zmianaPrzed, o);
        FUZZ_SPRAWDZ(p.projektNnazwa.isEmpty() || p.projektNnazwa == QLatin1String("poprzedni.k3p"), o);
        FUZZ_SPRAWDZ(komunikatyFuzz().size() == 1 && komunikatyFuzz()[0].rodzaj == RodzajKomunikatu::Blad, o);
        return;
    }
    FUZZ_SPRAWDZ(ok, o + QStringLiteral(": refused"));
    FUZZ_SPRAWDZ(bajtyRekordu(p.projekt()) == poczatek(sciezka, rozmiarPlikuProjektu), o + QStringLiteral(": bytes"));
    FUZZ_SPRAWDZ(p.projektNnazwa == sciezka && !p.bylazmianaProjektu, o);
    if (rozmiarMycia >= rozmiarPlikuMycia) {
        FUZZ_SPRAWDZ(bajtyRekordu(p.mycie()) == poczatek(nazwaPlikuMycia(sciezka), rozmiarPlikuMycia),
                     o + QStringLiteral(": sidecar bytes"));
        FUZZ_SPRAWDZ(komunikatyFuzz().empty(), o);
    } else {
        FUZZ_SPRAWDZ(rekordZerowy(p.mycie()), o + QStringLiteral(": a short sidecar was taken"));
        FUZZ_SPRAWDZ(komunikatyFuzz().size() == 1 && komunikatyFuzz()[0].rodzaj == RodzajKomunikatu::Blad, o);
    }
}

// One section file kind. A section that reads its file otherwise than
// czytajPlikSekcji gives its own `wczytaj`.
struct PlikSekcji {
    const char *rozszerzenie;
    qint64 rozmiar;
    std::function<TOdczytPliku(const QString &, void *, qint64)> wczytaj = czytajPlikSekcji;
};

// The section files (the program list ".plw", read record by record, joins
// with its section).
const std::vector<PlikSekcji> &plikiSekcji()
{
    static const std::vector<PlikSekcji> w = {
        {"k3pog", sizeof(TProgram)},
        {"k3kr", sizeof(TKrokiArray)},
        {"k3kr1", sizeof(TKrok)},
        {"k3do", sizeof(TPrzekaznikiArray)},
        {"k3do1", sizeof(TPrzekaznik)},
        {"k3ana", sizeof(TWyjsciaAoArray)},
        {"k3ail", sizeof(TWejsciaPomiarowe)},
        {"k3ai1", sizeof(TWejscieAnalogowe)},
        {"k3spec", sizeof(TFunkcjeSpecjalneArray)},
        {"k3spec1", sizeof(TFunkcjaSpec)},
        {"k3di", sizeof(TWejsciaCyfrowe)},
        {"k3di1", sizeof(Tkvor350wejscieDwustanowe)},
        {"k3washset", sizeof(TProjektDodatkiMycie)},
        {"k3set", sizeof(TFunkcjeKvor3)},
        {"k3doa", sizeof(TAlarmyF1F4Array)},
        {"k3mod", sizeof(TModulyWejWyKonfig)},
    };
    return w;
}

void wczytajSekcje(const PlikSekcji &s, int rodzaj, uint32_t los, const QByteArray &tresc)
{
    const QString sciezka = katalogFuzz() + QStringLiteral("sekcja.") + QLatin1String(s.rozszerzenie);
    const qint64 rozmiar = utworz(sciezka, rodzaj, s.rozmiar, los, tresc);
    QByteArray przed(s.rozmiar, '\0');
    wypelnijLosowo(przed.data(), size_t(przed.size()), ~los);
    QByteArray rekord = przed;
    const TOdczytPliku w = s.wczytaj(sciezka, rekord.data(), s.rozmiar);
    const QString o = opis(s.rozszerzenie, rodzaj, rozmiar) + QStringLiteral(" gave %1").arg(int(w));
    if (rozmiar < s.rozmiar) {
        FUZZ_SPRAWDZ(w != TOdczytPliku::Dobrze, o + QStringLiteral(": taken"));
        FUZZ_SPRAWDZ(rekord == przed, o + QStringLiteral(": a refused file changed the record"));
        return;
    }
    FUZZ_SPRAWDZ(w == TOdczytPliku::Dobrze, o + QStringLiteral(": refused"));
    FUZZ_SPRAWDZ(rekord == poczatek(sciezka, s.rozmiar), o + QStringLiteral(": not its first record"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    przygotujFuzz();
    komunikatyFuzz().clear();
    Wejscie we(dane, rozmiar);
    const auto &sekcje = plikiSekcji();
    const size_t wiersz = we.bajt() % (sekcje.size() + 1);
    const int rodzaj = we.bajt() % Rodzajow, rodzajMycia = we.bajt() % Rodzajow;
    const uint32_t los = we.liczba32();
    const QByteArray tresc = we.reszta();
    if (wiersz == 0)
        otworzProjekt(rodzaj, rodzajMycia, los, tresc);
    else
        wczytajSekcje(sekcje[wiersz - 1], rodzaj, los, tresc);
    return 0;
}

std::vector<QByteArray> ziarnaFuzz()
{
    // The packed default project and its parts.
    const ProjektDomyslny d;
    std::vector<QByteArray> z;
    for (int rodzaj = 0; rodzaj < Rodzajow; ++rodzaj)
        z.push_back(Ziarno()
                        .bajt(0)
                        .bajt(rodzaj)
                        .bajt(rodzaj == Dokladny ? Dluzszy : Dokladny)
                        .slowo(1)
                        .slowo(2)
                        .bajty(bajtyRekordu(*d.p).left(4096)));
    const auto &sekcje = plikiSekcji();
    for (size_t i = 0; i < sekcje.size(); ++i)
        for (const int rodzaj : {Dokladny, OJedenKrotszy, Dluzszy})
            z.push_back(
                Ziarno().bajt(int(i + 1)).bajt(rodzaj).bajt(0).slowo(3).slowo(4).bajty(bajtyRekordu(d.p->Setup)));
    return z;
}
