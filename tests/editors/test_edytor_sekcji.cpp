// The shared editor frame on windows of one record built in the test the
// way single-record sections are (the additions record): section files
// with their size rules, the read and send of one record against the
// simulator, controls bound to fields of every kind, the loop hooks, the
// close question, value dialogs and errors escaping a command.
#include "limit_pliku.h"
#include "sym_edytora.h"
#include "test_qt.h"

#include "edycja_liczb.h"
#include "edytor_rekordu.h"
#include "enumeracje.h"
#include "lan.h"
#include "lan_polecenia.h"
#include "okno_modalne.h"
#include "transfer_sekcji.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include <csignal>
#include <cstring>
#include <stdexcept>
#include <sys/resource.h>

using R = RodzajKomunikatu;

namespace {

class OknoProby : public TEdytorRekordu<tdanedodatki> {
public:
    OknoProby() : TEdytorRekordu(Odczyt | Wyslanie | Otwarcie | Zapis | Czyszczenie)
    {
        using P = TPole<tdanedodatki>;
        ile = dodajPole<TIntEdit>(P::liczbowe("ile", "Ile", TRodzajPola::Calkowita, DOSTEP_POLA(iledodatki), 0, 8),
                                  "se_ile");
        rozszerzenie = QStringLiteral("k3prob");
    }

    using TEdytorSekcji::czytajWszystko;
    using TEdytorSekcji::Petla;
    using TEdytorSekcji::wyslijWszystko;

    tdanedodatki &dodatki = rekord;
    TIntEdit *ile;
    std::function<void()> czyszczenie;

    QString tytul() const override { return QStringLiteral("Próba"); }
    // The record shown and the window unchanged, as the entry opens it.
    void jakPoOtwarciu()
    {
        WypiszDane();
        wynik = false;
        wlaczOk(false);
    }
    bool czytajRekord(tdanedodatki &d) override
    {
        return czytajPozycje(
            d, daneSterownika, czasOdczytuSekcjiMs,
            [](tdanedodatki &d, const TUstawieniaSterownika &u) {
                return powtorzCzytajDodatki(d, u.adresRS, u.ParametryTransmisji);
            },
            [](TFormLan &f, tdanedodatki &d, const TUstawieniaSterownika &u) {
                return f.make(probyLanSekcji, &lanCzytajDodatki, d, u);
            });
    }
    bool wyslijRekord(const tdanedodatki &d) override
    {
        return przeslijPozycje(
            daneSterownika, 0,
            [&d](const TUstawieniaSterownika &u) {
                return powtorzZapisKomDodatki(d, u.adresRS, u.ParametryTransmisji, false);
            },
            [&d](TFormLan &f, const TUstawieniaSterownika &u) {
                return f.make(probyLanSekcji, &lanZapisDodatki, d, false, u);
            });
    }
    void sb_clsClick() override { czyszczenie(); }
};

// A record with a field of every kind that has a control of its own.
#pragma pack(push, 1)
struct RekordPol {
    int16_t calkowita;
    int16_t dziesiate;
    int32_t obciete;
    uint16_t sekundy;
    uint16_t minuty;
    TNazwa50char nazwa;
    uint8_t lista;
    uint8_t rez[3];
};
#pragma pack(pop)

class OknoPol : public TEdytorRekordu<RekordPol> {
public:
    OknoPol() : TEdytorRekordu(Przyciski())
    {
        using P = TPole<RekordPol>;
        const auto pozycje = [](int jezyk) {
            return jezyk == 1045 ? QStringList{"zero", "jeden", "dwa"} : QStringList{"zero", "one", "two"};
        };
        kontrolki = {
            dodajPole(P::liczbowe("c", "C", TRodzajPola::Calkowita, DOSTEP_POLA(calkowita), -5, 5), "ie_c"),
            dodajPole(P::liczbowe("d", "D", TRodzajPola::Dziesiate, DOSTEP_POLA(dziesiate), -500, 500), "fe_d"),
            dodajPole(P::liczbowe("o", "O", TRodzajPola::DziesiateObciete, DOSTEP_POLA(obciete), -500, 500), "fe_o"),
            dodajPole(P::liczbowe("s", "S", TRodzajPola::MinutySekundy, DOSTEP_POLA(sekundy)), "dt_s"),
            dodajPole(P::liczbowe("m", "M", TRodzajPola::GodzinyMinuty, DOSTEP_POLA(minuty)), "dt_m"),
            dodajPole(P::napis("n", "N", TRodzajPola::Nazwa50, DOSTEP_NAZWY50(nazwa), 4), "ed_n"),
            dodajPole(P::wyliczenie("l", "L", DOSTEP_POLA(lista), pozycje), "co_l"),
        };
    }
    using TEdytorSekcji::okBezZmian;
    QString tytul() const override { return QStringLiteral("Pola"); }
    std::vector<QWidget *> kontrolki;
};

// A record holding rows edited in a grid's cells, as a program does.
#pragma pack(push, 1)
struct WierszProby {
    int32_t krok;
    int32_t delta;
};
struct RekordSiatki {
    TNazwa50char nazwa;
    WierszProby wiersze[5];
};
#pragma pack(pop)

class OknoSiatki : public TEdytorRekordu<RekordSiatki> {
public:
    OknoSiatki() : TEdytorRekordu(Przyciski())
    {
        using P = TPole<WierszProby>;
        static const TPolaSekcji<WierszProby> pola(
            "TestSiatki",
            {
                P::obliczone("nr", "Krok", [](const auto &, const TMiejscePola &m) { return QString::number(m.nr); }),
                P::wyliczenie("krok", "Nazwa kroku", DOSTEP_POLA(krok), zListy(listaZnak)).edycja(),
                P::liczbowe("delta", "Delta", TRodzajPola::Dziesiate, DOSTEP_POLA(delta), 0, 900).edycja(),
            });
        siatka = new QTableView(obszar);
        ukladPol()->addWidget(siatka, 0, 0);
        tabela = dodajSiatke<WierszProby>(siatka, pola, 5,
                                          [this](int nr) -> WierszProby & { return rekord.wiersze[nr - 1]; });
    }
    QString tytul() const override { return QStringLiteral("Siatka"); }
    QTableView *siatka;
    TTabelaPamieci *tabela;
};

tdanedodatki przyklad(uint8_t ile)
{
    tdanedodatki d{};
    d.iledodatki = ile;
    for (int i = 0; i < 8; ++i) {
        d.dodatki_max[i] = int16_t(100 * ile + i);
        d.dodatki_min[i] = int16_t(-10 * i);
    }
    return d;
}

QByteArray bajty(const tdanedodatki &d) { return QByteArray(reinterpret_cast<const char *>(&d), sizeof d); }

void zapisz(const QString &plik, const QByteArray &b)
{
    QFile f(plik);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(b);
}

QByteArray czytaj(const QString &plik)
{
    QFile f(plik);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestEdytorSekcji : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;
    std::unique_ptr<WyborPlikuSkrypt> wybor;
    std::unique_ptr<QTemporaryDir> katalog;

    QString plik(const char *nazwa) const { return katalog->filePath(QString::fromLatin1(nazwa)); }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        wybor = std::make_unique<WyborPlikuSkrypt>();
        katalog = std::make_unique<QTemporaryDir>();
    }
    void poTescie() override
    {
        katalog.reset();
        wybor.reset();
        s.reset();
    }

private slots:
    // A file shorter than the record is refused and changes nothing; one
    // of the record's size or longer gives its first record.
    void otwarciePliku_data()
    {
        QTest::addColumn<int>("rozmiar");
        QTest::addColumn<bool>("przyjety");
        QTest::newRow("empty") << 0 << false;
        QTest::newRow("one byte short") << 33 << false;
        QTest::newRow("exact") << 34 << true;
        QTest::newRow("longer") << 300 << true;
    }
    void otwarciePliku()
    {
        QFETCH(int, rozmiar);
        QFETCH(bool, przyjety);
        const tdanedodatki wPliku = przyklad(5);
        QByteArray b = bajty(wPliku);
        while (b.size() < rozmiar)
            b.append(char(0x5A));
        zapisz(plik("d.k3prob"), b.left(rozmiar));
        wybor->odpowiedzi = {plik("d.k3prob")};

        OknoProby o;
        o.dodatki = przyklad(2);
        o.jakPoOtwarciu();
        o.ustawJezyk(1045);
        if (!przyjety)
            s->komunikaty.oczekuj(R::Blad, "Bład przetwarzania pliku");
        o.but_otworz->click();
        QCOMPARE(wybor->filtry, QStringList{"Kvor350|*.k3prob"});
        QCOMPARE(bajty(o.dodatki), bajty(przyjety ? wPliku : przyklad(2)));
        QCOMPARE(o.ile->Value(), przyjety ? 5 : 2);
        QCOMPARE(o.but_ok->isEnabled(), przyjety);
    }

    void otwarcieBrakujacego()
    {
        wybor->odpowiedzi = {plik("nie-ma.k3prob"), QString()};
        OknoProby o;
        o.dodatki = przyklad(2);
        s->komunikaty.oczekuj(R::Blad, "Bład otwarcia pliku");
        o.but_otworz->click();
        // Cancelling the dialog does nothing.
        o.but_otworz->click();
        QCOMPARE(bajty(o.dodatki), bajty(przyklad(2)));
        QVERIFY(!o.but_ok->isEnabled());
    }

    // The record is written as it is in memory; a write that fails shows
    // the system's reason and leaves the old file whole.
    void zapisPliku()
    {
        OknoProby o;
        o.dodatki = przyklad(3);
        o.jakPoOtwarciu();
        wybor->odpowiedzi = {plik("z.k3prob")};
        o.but_zapisz->click();
        QCOMPARE(czytaj(plik("z.k3prob")), bajty(przyklad(3)));
        QCOMPARE(wybor->filtry, QStringList{"Kvor350|*.k3prob"});

        const QByteArray stary(500, char(0x11));
        zapisz(plik("z.k3prob"), stary);
        wybor->odpowiedzi = {plik("z.k3prob")};
        s->komunikaty.oczekuj(R::Blad, "");
        {
            const LimitPliku limit(10);
            o.but_zapisz->click();
        }
        QVERIFY(s->komunikaty.pusty());
        const QString powod = s->komunikaty.pokazane.back().tekst;
        QVERIFY2(!powod.isEmpty() && !powod.contains("Unknown"), qPrintable(powod));
        QCOMPARE(czytaj(plik("z.k3prob")), stary);
        QCOMPARE(QDir(katalog->path()).entryList(QDir::Files), QStringList{"z.k3prob"});
    }

    void odczytJednego()
    {
        s->bloki.zmien([](TProjektVXTNew &p, TProjektDodatkiMycie &) { p.dodatki = przyklad(6); });
        OknoProby o;
        o.but_odczyt->click();
        QCOMPARE(bajty(o.dodatki), bajty(przyklad(6)));
        QCOMPARE(o.ile->Value(), 6);
        QVERIFY(o.but_ok->isEnabled());
        QCOMPARE(s->sprawdzeniaBlokady, 1);
        QCOMPARE(s->lacze->czasOdczytu(), timeoutStand); // the additions' facade keeps the standard one
        QVERIFY(!pasekPostepu().isVisible());
    }

    // A failed read shows one box and leaves the record as it was.
    void odczytNieudany()
    {
        s->zepsujOd('H', 14, 0);
        OknoProby o;
        o.dodatki = przyklad(4);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        o.but_odczyt->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(bajty(o.dodatki), bajty(przyklad(4)));
        QVERIFY(!o.but_ok->isEnabled());
        QVERIFY(!pasekPostepu().isVisible());
    }

    // One record goes alone, in a write session of its own.
    void wyslanieJednego()
    {
        OknoProby o;
        o.dodatki = przyklad(7);
        o.jakPoOtwarciu();
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        o.but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(bajty(s->bloki.projekt()->dodatki), bajty(przyklad(7)));
        QCOMPARE(s->sterownik.stan().ileSesji, 1);
        QVERIFY(!s->sterownik.stan().sesjaOtwarta);
        QCOMPARE(pasekPostepu().Gauge1->value(), 3);
    }

    // The read loop's hook after an item decides what a cancel does: the
    // common flow keeps the item and stops, the steps drop it and stop, a
    // section that does not poll goes on.
    void poPozycji_data()
    {
        QTest::addColumn<int>("wariant");
        QTest::addColumn<int>("ileZapisanych");
        QTest::addColumn<int>("koniec");
        QTest::newRow("kept, as most sections") << 0 << 3 << int(OknoProby::KoniecPetli::Anulowano);
        QTest::newRow("dropped, as the steps") << 1 << 2 << int(OknoProby::KoniecPetli::Anulowano);
        QTest::newRow("not polled") << 2 << 5 << int(OknoProby::KoniecPetli::Calosc);
    }
    void poPozycji()
    {
        QFETCH(int, wariant);
        OknoProby o;
        int przeczytane = 0;
        QList<int> zapisane;
        s->zegar.naPrzetworz = [&] {
            if (przeczytane == 3)
                pasekPostepu().koniec = true;
        };
        OknoProby::Petla p;
        p.ile = 5;
        p.pozycja = [&](int i) {
            przeczytane = i;
            return true;
        };
        p.po = [&](int i, bool anulowano) {
            if (wariant == 1 && anulowano)
                return false;
            zapisane << i;
            return wariant == 2 || !anulowano;
        };
        QList<OknoProby::KoniecPetli> konce;
        p.naKoniec = [&](OknoProby::KoniecPetli k) { konce << k; };
        const auto koniec = o.czytajWszystko(p);
        s->zegar.naPrzetworz = nullptr;
        QTEST(int(koniec), "koniec");
        QCOMPARE(konce, QList<OknoProby::KoniecPetli>{koniec});
        QFETCH(int, ileZapisanych);
        QCOMPARE(zapisane, QList<int>({1, 2, 3, 4, 5}).mid(0, ileZapisanych));
    }

    // Before item i a hook may end the loop (the program list's lock check
    // before programs 20, 40, ...); the progress may be the section's own.
    void przedPozycja()
    {
        OknoProby o;
        OknoProby::Petla p;
        p.ile = 45;
        QList<int> sprawdzone, przeczytane, postep;
        p.przed = [&](int i) {
            if (i % 20 == 0)
                sprawdzone << i;
            return i != 40;
        };
        p.pozycja = [&](int i) {
            przeczytane << i;
            return true;
        };
        p.postep = [&](int i) { postep << i + 1; };
        OknoProby::KoniecPetli koniec = OknoProby::KoniecPetli::Calosc;
        p.naKoniec = [&](OknoProby::KoniecPetli k) { koniec = k; };
        QCOMPARE(o.czytajWszystko(p), OknoProby::KoniecPetli::Blad);
        QCOMPARE(koniec, OknoProby::KoniecPetli::Blad);
        QCOMPARE(sprawdzone, QList<int>({20, 40}));
        QCOMPARE(przeczytane.size(), 39);
        QCOMPARE(postep.back(), 40);
        QCOMPARE(s->sprawdzeniaBlokady, 1);
    }

    // A hook before the first item (the program list's lock check) ends a
    // send-all before its session is opened.
    void naPoczatekPrzedSesja()
    {
        OknoProby o;
        OknoProby::Petla p;
        p.ile = 3;
        p.naPoczatek = [] {
            pokazBrakKomunikacji();
            return false;
        };
        p.pozycja = [](int) { return true; };
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        QCOMPARE(o.wyslijWszystko(p), OknoProby::KoniecPetli::Blad);
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(s->pty.ramki().empty());
    }

    // A failed item ends the send-all and leaves the session open, unless
    // the section's hook closes it as after the last item (the special
    // modes); a section may say "Brak komunikacji" once more (the steps)
    // or nothing after a failed close (the program list).
    void poBledzieWysylania_data()
    {
        QTest::addColumn<bool>("zamknij");
        QTest::addColumn<bool>("drugiKomunikat");
        QTest::newRow("session left open") << false << false;
        QTest::newRow("a second box, as the steps") << false << true;
        QTest::newRow("session closed, as the special modes") << true << false;
    }
    void poBledzieWysylania()
    {
        QFETCH(bool, zamknij);
        QFETCH(bool, drugiKomunikat);
        OknoProby o;
        OknoProby::Petla p;
        p.ile = 4;
        QList<int> wyslane;
        p.pozycja = [&](int i) {
            if (i == 2) {
                pokazBrakKomunikacji();
                return false;
            }
            wyslane << i;
            return true;
        };
        p.poBledzie = [&](int) {
            if (drugiKomunikat)
                pokazBrakKomunikacji();
            return zamknij;
        };
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        if (drugiKomunikat)
            s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        if (zamknij)
            s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        QCOMPARE(o.wyslijWszystko(p), OknoProby::KoniecPetli::Blad);
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(wyslane, QList<int>{1});
        QCOMPARE(s->sterownik.stan().sesjaOtwarta, !zamknij);
    }

    void cichyBladZamkniecia()
    {
        OknoProby o;
        OknoProby::Petla p;
        p.ile = 2;
        p.pozycja = [](int) { return true; };
        QList<bool> zamkniecia;
        p.poZamknieciu = [&](bool z) { zamkniecia << z; };
        s->zepsujOd('I', 0x82, 0);
        QCOMPARE(o.wyslijWszystko(p), OknoProby::KoniecPetli::Blad);
        QCOMPARE(zamkniecia, QList<bool>{false});
        QVERIFY(s->komunikaty.pokazane.empty());
    }

    // An error escaping an item still runs the end hook (a section's
    // rebuild) before it is reported.
    void koniecPoWyjatku()
    {
        OknoProby o;
        QList<OknoProby::KoniecPetli> konce;
        o.czyszczenie = [&] {
            OknoProby::Petla p;
            p.ile = 3;
            p.pozycja = [](int i) {
                if (i == 2)
                    throw std::runtime_error("zepsute");
                return true;
            };
            p.naKoniec = [&](OknoProby::KoniecPetli k) { konce << k; };
            o.czytajWszystko(p);
        };
        s->komunikaty.oczekuj(R::Blad, "Nieoczekiwany błąd: zepsute");
        o.sb_cls->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(konce, QList<OknoProby::KoniecPetli>{OknoProby::KoniecPetli::Blad});
        QVERIFY(!pasekPostepu().isVisible());
    }

    // Bound controls: the record shown in the control of each kind and
    // typed values stored by the kind's rule.
    void polaRodzajow_data()
    {
        QTest::addColumn<int>("kontrolka");
        QTest::addColumn<QString>("pokazane");
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<QByteArray>("pole");
        QTest::addColumn<qint64>("zapisane");
        QTest::newRow("whole number") << 0 << "3"
                                      << "4" << QByteArray("calkowita") << qint64(4);
        QTest::newRow("whole number, clamped") << 0 << "3"
                                               << "9" << QByteArray("calkowita") << qint64(5);
        QTest::newRow("tenths, half to even down") << 1 << "-12,5"
                                                   << "1,25" << QByteArray("dziesiate") << qint64(12);
        QTest::newRow("tenths, half to even up") << 1 << "-12,5"
                                                 << "1,75" << QByteArray("dziesiate") << qint64(18);
        QTest::newRow("tenths, 2.3") << 1 << "-12,5"
                                     << "2,3" << QByteArray("dziesiate") << qint64(23);
        QTest::newRow("tenths, clamped") << 1 << "-12,5"
                                         << "60" << QByteArray("dziesiate") << qint64(500);
        QTest::newRow("tenths truncated") << 2 << "7,7"
                                          << "2,35" << QByteArray("obciete") << qint64(23);
        QTest::newRow("tenths truncated, negative") << 2 << "7,7"
                                                    << "-2,39" << QByteArray("obciete") << qint64(-23);
        QTest::newRow("mm:ss") << 3 << "01:30"
                               << "12:05" << QByteArray("sekundy") << qint64(725);
        // A blank counts as a zero: "2 :" is 20:00.
        QTest::newRow("mm:ss, blanks") << 3 << "01:30"
                                       << "2:" << QByteArray("sekundy") << qint64(1200);
        QTest::newRow("hh:mm") << 4 << "99:59"
                               << "01:30" << QByteArray("minuty") << qint64(90);
    }
    void polaRodzajow()
    {
        QFETCH(int, kontrolka);
        QFETCH(QString, wpisane);
        QFETCH(QByteArray, pole);
        OknoPol o;
        o.rekord.calkowita = 3;
        o.rekord.dziesiate = -125;
        o.rekord.obciete = 77;
        o.rekord.sekundy = 90;
        o.rekord.minuty = 99 * 60 + 59;
        o.rekord.rez[1] = 0x33;
        o.WypiszDane();
        auto *e = qobject_cast<QLineEdit *>(o.kontrolki[size_t(kontrolka)]);
        QVERIFY(e);
        QTEST(e->displayText(), "pokazane");
        QVERIFY(o.but_ok->isEnabled()); // shown values are changes, as the controls' events report
        e->setText(wpisane);
        o.AktualizujDanePoEdycji();
        const RekordPol &r = o.rekord;
        const qint64 v = pole == "calkowita"   ? r.calkowita
                         : pole == "dziesiate" ? r.dziesiate
                         : pole == "obciete"   ? r.obciete
                         : pole == "sekundy"   ? r.sekundy
                                               : r.minuty;
        QTEST(v, "zapisane");
        QCOMPARE(r.rez[1], uint8_t(0x33)); // bytes without a control stay
    }

    // A name: typing stops at its limit, a longer stored one is shown and
    // kept; a list code without an item shows none and keeps its stored
    // byte.
    void nazwaILista()
    {
        OknoPol o;
        tekstNaNazwe50(QStringLiteral("dłuższa nazwa"), o.rekord.nazwa);
        o.rekord.lista = 7;
        o.show();
        o.WypiszDane();
        auto *nazwa = qobject_cast<QLineEdit *>(o.kontrolki[5]);
        auto *lista = qobject_cast<QComboBox *>(o.kontrolki[6]);
        QCOMPARE(nazwa->text(), QString("dłuższa nazwa"));
        QCOMPARE(lista->count(), 3);
        QCOMPARE(lista->currentIndex(), -1);
        o.AktualizujDanePoEdycji();
        QCOMPARE(nazwa50NaTekst(o.rekord.nazwa), QString("dłuższa nazwa"));
        QCOMPARE(o.rekord.lista, uint8_t(7));
        nazwa->clear();
        QTest::keyClicks(nazwa, "abcdefg");
        lista->setCurrentIndex(2);
        o.AktualizujDanePoEdycji();
        QCOMPARE(nazwa50NaTekst(o.rekord.nazwa), QString("abcd"));
        QCOMPARE(o.rekord.lista, uint8_t(2));
        // The items follow the language; the chosen one stays, unchanged.
        o.but_ok->setEnabled(false);
        o.ustawJezyk(2057);
        QCOMPARE(lista->itemText(1), QString("one"));
        QCOMPARE(lista->currentIndex(), 2);
        QVERIFY(!o.but_ok->isEnabled());
        QCOMPARE(o.findChild<QLabel *>("L_n")->text(), QString("N"));
    }

    // Rows of the record edited in grid cells: shown with the record, a
    // cell edit goes into its row by the field's rule and is a change.
    void siatkaWRekordzie()
    {
        OknoSiatki o;
        o.rekord.wiersze[2].delta = 125;
        o.rekord.wiersze[2].krok = 1;
        o.WypiszDane();
        QCOMPARE(o.tabela->rowCount(), 5);
        QCOMPARE(o.tabela->index(2, 0).data().toString(), QString("3"));
        QCOMPARE(o.tabela->index(2, 1).data().toString(), QString("Ujemna"));
        QCOMPARE(o.tabela->index(2, 2).data().toString(), QString("12,5"));
        QCOMPARE(o.tabela->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Delta"));
        QVERIFY(!o.but_ok->isEnabled());
        const QModelIndex i = o.siatka->model()->index(4, 2);
        QVERIFY(o.siatka->model()->flags(i) & Qt::ItemIsEditable);
        QVERIFY(o.siatka->model()->setData(i, 1.75, Qt::EditRole));
        QCOMPARE(int(o.rekord.wiersze[4].delta), 18);
        QVERIFY(o.but_ok->isEnabled());
        QVERIFY(!(o.siatka->model()->flags(o.siatka->model()->index(0, 0)) & Qt::ItemIsEditable));
    }

    // A value dialog: OK enabled from the start and the default button;
    // no way out asks.
    void oknoWartosci()
    {
        RekordPol r{};
        r.calkowita = 2;
        OknoPol o;
        o.okBezZmian();
        gdyOknoModalne([&](QWidget *) {
            QVERIFY(o.but_ok->isEnabled() && o.but_ok->isDefault());
            o.but_anuluj->click();
        });
        QVERIFY(!o.edytuj(r, OknoPol::Zwrot::OkIWynik));
        OknoPol p;
        p.okBezZmian();
        gdyOknoModalne([&](QWidget *) {
            qobject_cast<QLineEdit *>(p.kontrolki[0])->setText("-4");
            QTest::keyClick(&p, Qt::Key_Return);
        });
        QVERIFY(p.edytuj(r, OknoPol::Zwrot::OkIWynik));
        QCOMPARE(int(r.calkowita), -4);
        QVERIFY(s->komunikaty.pokazane.empty());
    }

    // An error that escapes a command is reported once; the progress
    // window goes and the tool buttons come back.
    void bladPolecenia()
    {
        OknoProby o;
        o.czyszczenie = [] {
            pokazPostep(1, 3);
            throw std::runtime_error("zepsute");
        };
        s->komunikaty.oczekuj(R::Blad, "Nieoczekiwany błąd: zepsute");
        o.sb_cls->click();
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(!pasekPostepu().isVisible());
        QVERIFY(o.sb_cls->isEnabled() && o.but_odczyt->isEnabled());
        QVERIFY(!o.wTrakcie());
    }

    // The title bar's close button asks like "Anuluj" once something
    // changed; the entry hands the data back only after OK.
    void zamykanieZeZmianami()
    {
        zapisz(plik("d.k3prob"), bajty(przyklad(5)));
        wybor->odpowiedzi = {plik("d.k3prob")};
        tdanedodatki dane = przyklad(1);
        OknoProby o;
        gdyOknoModalne([&](QWidget *) {
            o.but_otworz->click();
            s->komunikaty.oczekuj(R::Pytanie, "Uwaga: Zmiany nie zostały zapisane. Kontynuować?", 0);
            o.close();
            QVERIFY(o.isVisible());
            s->komunikaty.oczekuj(R::Pytanie, "Uwaga: Zmiany nie zostały zapisane. Kontynuować?", 1);
            o.close();
        });
        QVERIFY(!o.edytuj(dane, OknoProby::Zwrot::OkIWynik));
        QCOMPARE(bajty(dane), bajty(przyklad(1)));

        wybor->odpowiedzi = {plik("d.k3prob")};
        OknoProby p;
        gdyOknoModalne([&](QWidget *) {
            p.but_otworz->click();
            p.but_ok->click();
        });
        QVERIFY(p.edytuj(dane, OknoProby::Zwrot::OkIWynik));
        QCOMPARE(bajty(dane), bajty(przyklad(5)));
    }
};

QTEST_MAIN(TestEdytorSekcji)
#include "test_edytor_sekcji.moc"
