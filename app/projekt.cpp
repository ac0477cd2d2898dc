#include "projekt.h"

#include "enumeracje.h"
#include "komunikaty.h"
#include "pomocnicze.h"
#include "sciezki.h"
#include "setup_domyslny.h"
#include "sieciowe.h"
#include "wersja.h"
#include "wybor_pliku.h"
#include "zapis_pliku.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace {

const char *const filtrProjektu = "Project kVOR350|*.k3p";
const char *const rozszerzenieProjektu = "k3p";

void nazwaWejsciaCyfrowego(Tkvor350wejscieDwustanowe &w, const QString &tekst)
{
    ustawTekstJednobajtowy(std::span<uint8_t>(w.nazwa_str), tekst);
    nazwaDoBufora16(tekst, std::span<uint8_t>(reinterpret_cast<uint8_t *>(w.nazwa_array), sizeof w.nazwa_array), 16);
}

// Reads exactly n bytes and requires the file to end there.
bool czytajCalosc(QFile &f, void *cel, qint64 n, bool tylkoPoczatek)
{
    if (f.read(static_cast<char *>(cel), n) != n)
        return false;
    return tylkoPoczatek || f.atEnd();
}

void zapiszRekordPliku(QSaveFile &f, const void *dane, qint64 n)
{
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !zapiszCalosc(f, static_cast<const char *>(dane), n))
        throw BladZapisuProjektu((f.fileName() + QStringLiteral(": ") + f.errorString()).toStdString());
}

// A FIFO or a device in a file's place would block the open or never end.
bool zwyklyPlik(const QString &sciezka) { return QFileInfo(sciezka).isFile(); }

} // namespace

void wypelnijNowyProjekt(TProjektVXTNew &p, TProjektDodatkiMycie &m)
{
    std::memset(&p, 0, sizeof p);
    std::memset(&m, 0, sizeof m);
    p.Setup = domyslnySetup();

    p.programyMycie.nr_prog = 100;
    for (int k = 0; k < 100; ++k)
        p.programy[k].nr_prog = k;
    tekstNaNazwe50(QStringLiteral("Test"), p.programy[0].nazwa);

    for (int n = 1; n <= 14; ++n)
        tekstNaNazwe50(nazwaFunkcjiSpecjalnej(n, false), p.FunkcjeSpec[n - 1].nazwa);

    for (int k = 1; k <= 32; ++k) {
        tekstNaNazwe50(QStringLiteral("S%1").arg(k), p.kroki[k].nazwa);
        tekstNaNazwe50(QStringLiteral("SW%1").arg(k), p.krokiMycie[k].nazwa);
    }
    p.kroki[1].warunek_konca = 1;

    for (int k = 1; k <= 32; ++k) {
        tekstNaNazwe50(QStringLiteral("%1. DO").arg(k), p.przekazniki[k - 1].nazwa);
        p.przekazniki[k - 1].ikona = 16;
    }
    for (int k = 1; k <= 4; ++k) {
        TWyjscieAnalogowe &ao = p.WyjsciaAn[k - 1];
        tekstNaNazwe50(QStringLiteral("AOUT %1").arg(k), ao.nazwa);
        ao.zadajnik_kanal_zadany = 3;
        ao.max = 1000;
    }
    for (int k = 1; k <= 24; ++k) {
        TWejscieAnalogowe &ai = p.FWejsciaPomiarowe[k - 1];
        tekstNaNazwe50(QStringLiteral("AIN %1").arg((k - 1) % 6 + 1), ai.nazwa);
        ai.p2 = 1000;
    }
    for (int k = 1; k <= 24; ++k)
        nazwaWejsciaCyfrowego(p.WejsciaCyfrowe[k - 1], QStringLiteral("DIN %1").arg(k <= 8 ? k : k - 8));
    for (int k = 1; k <= 10; ++k)
        tekstNaNazwe50(QStringLiteral("Z%1").arg(k), p.zadana[k - 1].nazwa);

    initSieciowe(p.sieciowe);
}

QString nazwaPlikuMycia(const QString &sciezka) { return sciezka + QStringLiteral("pdo"); }

QString domyslnaNazwaProjektu(const TDaneProjektu &d, const QDateTime &teraz)
{
    if (!d.default_ || d.ns <= 0)
        return {};
    QString n = QString::asprintf("sn%6.6d", d.ns) + QStringLiteral("_pc") + d.pc + QStringLiteral("_fw") + d.firmware;
    n.replace(QLatin1Char('.'), QLatin1Char('-'));
    if (d.adddt)
        n += QStringLiteral("_dt") + teraz.toString(QStringLiteral("yyyy-MM-dd_HH_mm"));
    return n + QStringLiteral(".k3p");
}

bool zapiszProjektDoPliku(const QString &sciezka, const TProjektVXTNew &p, const TProjektDodatkiMycie &m, int tryb)
{
    const bool istnieje = QFileInfo::exists(sciezka);
    if (tryb == 0 && istnieje) {
        pokazBlad(TBiezacyProjekt::tr("Błąd zapisu projektu, istnieje plik") + QStringLiteral(":") + sciezka);
        return false;
    }
    if (tryb == 1 && istnieje &&
        !pytanie(TBiezacyProjekt::tr("Istnieje plik projektu") + QStringLiteral(":") + sciezka +
                 QStringLiteral("\r\r ") + TBiezacyProjekt::tr("Zastąpić ?")))
        return false;

    // Both files are written to temporaries first and renamed only when
    // both are complete.
    QSaveFile plik(sciezka), plikMycia(nazwaPlikuMycia(sciezka));
    zapiszRekordPliku(plik, &p, sizeof p);
    zapiszRekordPliku(plikMycia, &m, sizeof m);
    if (!plik.commit())
        throw BladZapisuProjektu((sciezka + QStringLiteral(": ") + plik.errorString()).toStdString());
    if (!plikMycia.commit())
        throw BladZapisuProjektu((plikMycia.fileName() + QStringLiteral(": ") + plikMycia.errorString()).toStdString());
    return true;
}

TBiezacyProjekt::TBiezacyProjekt() : projekt_(std::make_unique<TProjektVXTNew>())
{
    wypelnijNowyProjekt(*projekt_, mycie_);
}

void TBiezacyProjekt::ustawNazwe(const QString &n)
{
    projektNnazwa = n;
    if (pokazNazwe)
        pokazNazwe(n);
}

void TBiezacyProjekt::zablokuj(bool b)
{
    if (blokuj)
        blokuj(b);
}

bool TBiezacyProjekt::zmianyZapisaneLubPorzucone()
{
    return !bylazmianaProjektu || pytanieMyDlg(TBiezacyProjekt::tr("Czy zapisać zmiany w projekcie?")) != 6 ||
           zapiszProjekt(false);
}

bool TBiezacyProjekt::nowyProjekt()
{
    if (!zmianyZapisaneLubPorzucone())
        return false;
    wypelnijNowyProjekt(*projekt_, mycie_);
    ustawNazwe(katalogProgramu() + QStringLiteral("default.k3p"));
    zablokuj(false);
    daneProjektu = TDaneProjektu{};
    return true;
}

void TBiezacyProjekt::otworzProjekt()
{
    // A failed or cancelled save keeps the changes: nothing is opened.
    if (!zmianyZapisaneLubPorzucone())
        return;
    const QString plik =
        wyborPliku().plikDoOtwarcia(QString::fromLatin1(filtrProjektu), QString::fromLatin1(rozszerzenieProjektu));
    if (!plik.isEmpty())
        OtworzProjektNazwa(plik);
}

bool TBiezacyProjekt::OtworzProjektNazwa(const QString &sciezka)
{
    const bool zmiana = bylazmianaProjektu;
    const QString nazwa = projektNnazwa;
    bylazmianaProjektu = false;
    ustawNazwe(QString());
    zablokuj(true);

    const QFileInfo info(sciezka);
    const qint64 rozmiar = zwyklyPlik(sciezka) ? info.size() : -1;
    if (rozmiar != rozmiarPlikuProjektu) {
        pokazBlad(TBiezacyProjekt::tr("Wybrany plik stworzony inną wersją programu, skorzystaj z konwertera!"));
        bylazmianaProjektu = zmiana;
        zablokuj(false);
        return false;
    }

    auto nowy = std::make_unique<TProjektVXTNew>();
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly) || !czytajCalosc(f, nowy.get(), sizeof *nowy, false)) {
        pokazBlad(TBiezacyProjekt::tr("Nie można odczytać pliku projektu") + QStringLiteral(":") + sciezka +
                  QStringLiteral("\r") + f.errorString());
        bylazmianaProjektu = zmiana;
        ustawNazwe(nazwa);
        zablokuj(false);
        return false;
    }

    TProjektDodatkiMycie mycie{};
    QFile fm(nazwaPlikuMycia(sciezka));
    if (!zwyklyPlik(fm.fileName()) || !fm.open(QIODevice::ReadOnly) || !czytajCalosc(fm, &mycie, sizeof mycie, true)) {
        std::memset(&mycie, 0, sizeof mycie);
        pokazBlad(TBiezacyProjekt::tr("Brak pliku dla \"Ustawienia mycia\". \rZostaną ustawione wartości domyślne"));
    }

    projekt_ = std::move(nowy);
    mycie_ = mycie;
    ustawNazwe(sciezka);
    zablokuj(false);
    return true;
}

bool TBiezacyProjekt::zapiszProjekt(bool jako)
{
    if (projektNnazwa.isEmpty())
        jako = true;
    const QString bladTekst = TBiezacyProjekt::tr("Plik projektu nie został zapisany!");

    if (!jako && QFileInfo(projektNnazwa).fileName().compare(QStringLiteral("default.k3p"), Qt::CaseInsensitive) != 0) {
        try {
            if (zapiszProjektDoPliku(projektNnazwa, *projekt_, mycie_, 2)) {
                bylazmianaProjektu = false;
                return true;
            }
            pokazBlad(bladTekst);
        } catch (const BladZapisuProjektu &e) {
            pokazBlad(bladTekst + QStringLiteral("\r\r") + QString::fromStdString(e.what()));
        }
        return false;
    }

    daneProjektu.pc = wersjaProgramu();
    const QString plik =
        wyborPliku().plikDoZapisu(QString::fromLatin1(filtrProjektu), QString::fromLatin1(rozszerzenieProjektu),
                                  domyslnaNazwaProjektu(daneProjektu));
    QString powod;
    bool zapisany = false;
    if (!plik.isEmpty()) {
        // The save dialog has already asked about overwriting.
        try {
            zapisany = zapiszProjektDoPliku(plik, *projekt_, mycie_, 2);
        } catch (const BladZapisuProjektu &e) {
            powod = QString::fromStdString(e.what());
        }
        if (zapisany)
            ustawNazwe(plik);
    }
    if (zapisany) {
        bylazmianaProjektu = false;
        return true;
    }
    pokazBlad(powod.isEmpty() ? bladTekst : bladTekst + QStringLiteral("\r\r") + powod);
    return false;
}
