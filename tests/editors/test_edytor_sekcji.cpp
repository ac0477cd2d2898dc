// The shared editor frame on a window of one record built in the test the
// way single-record sections are (the additions record): section files
// with their size rules, the read and send of one record against the
// simulator, the close question and errors escaping a command.
#include "limit_pliku.h"
#include "sym_edytora.h"
#include "test_qt.h"

#include "edytor_sekcji.h"
#include "lan.h"
#include "lan_polecenia.h"
#include "okno_modalne.h"
#include "transfer_sekcji.h"

#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

#include <csignal>
#include <cstring>
#include <stdexcept>
#include <sys/resource.h>

using R = RodzajKomunikatu;

namespace {

class OknoProby : public TEdytorSekcji {
public:
    OknoProby() : TEdytorSekcji(Odczyt | Wyslanie | Otwarcie | Zapis | Czyszczenie)
    {
        ile = new QSpinBox(obszar);
        ile->setRange(0, 8);
    }

    using TEdytorSekcji::czytajWszystko;
    using TEdytorSekcji::KoniecPetli;
    using TEdytorSekcji::Petla;
    using TEdytorSekcji::wyslijWszystko;

    tdanedodatki dodatki{};
    QSpinBox *ile;
    std::function<void()> czyszczenie;

    QString tytul() const override { return QStringLiteral("Próba"); }
    void pokazDane() override { ile->setValue(dodatki.iledodatki); }

    void but_otworzClick() override
    {
        if (otworzPlik(dodatki, QStringLiteral("k3prob"))) {
            pokazDane();
            modyfikacja();
        }
    }
    void but_zapiszClick() override { zapiszPlik(dodatki, QStringLiteral("k3prob")); }
    void but_odczytClick() override
    {
        czytajJeden(
            [this] {
                return czytajPozycje(
                    dodatki, daneSterownika, czasOdczytuSekcjiMs,
                    [](tdanedodatki &d, const TUstawieniaSterownika &u) {
                        return powtorzCzytajDodatki(d, u.adresRS, u.ParametryTransmisji);
                    },
                    [](TFormLan &f, tdanedodatki &d, const TUstawieniaSterownika &u) {
                        return f.make(probyLanSekcji, &lanCzytajDodatki, d, u);
                    });
            },
            [this] {
                pokazDane();
                modyfikacja();
            });
    }
    void but_wyslijClick() override
    {
        wyslijJeden([this] {
            return przeslijPozycje(
                daneSterownika, 0,
                [this](const TUstawieniaSterownika &u) {
                    return powtorzZapisKomDodatki(dodatki, u.adresRS, u.ParametryTransmisji, false);
                },
                [this](TFormLan &f, const TUstawieniaSterownika &u) {
                    return f.make(probyLanSekcji, &lanZapisDodatki, dodatki, false, u);
                });
        });
    }
    void sb_clsClick() override { czyszczenie(); }
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
        o.ustawJezyk(1045);
        if (!przyjety)
            s->komunikaty.oczekuj(R::Blad, "Bład przetwarzania pliku");
        o.but_otworz->click();
        QCOMPARE(wybor->filtry, QStringList{"Kvor350|*.k3prob"});
        QCOMPARE(bajty(o.dodatki), bajty(przyjety ? wPliku : przyklad(2)));
        QCOMPARE(o.ile->value(), przyjety ? 5 : 0);
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
        QCOMPARE(o.ile->value(), 6);
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
        s->komunikaty.oczekuj(R::Informacja, "Ustawienia wysłane do sterownika ");
        o.but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(bajty(s->bloki.projekt()->dodatki), bajty(przyklad(7)));
        QCOMPARE(s->sterownik.stan().ileSesji, 1);
        QVERIFY(!s->sterownik.stan().sesjaOtwarta);
        QCOMPARE(pasekPostepu().Gauge1->value(), 3);
    }

    // The loop's choices that sections differ in: whether "Anuluj" is
    // polled and whether the item read when it was noticed is kept.
    void petlaOdczytu_data()
    {
        QTest::addColumn<bool>("sprawdzajKoniec");
        QTest::addColumn<bool>("zapiszAnulowana");
        QTest::addColumn<int>("ileZapisanych");
        QTest::newRow("kept, as most sections") << true << true << 3;
        QTest::newRow("dropped, as the steps") << true << false << 2;
        QTest::newRow("not polled") << false << true << 5;
    }
    void petlaOdczytu()
    {
        QFETCH(bool, sprawdzajKoniec);
        QFETCH(bool, zapiszAnulowana);
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
        p.zapisz = [&](int i) { zapisane << i; };
        p.sprawdzajKoniec = sprawdzajKoniec;
        p.zapiszAnulowana = zapiszAnulowana;
        const auto koniec = o.czytajWszystko(p);
        s->zegar.naPrzetworz = nullptr;
        QCOMPARE(koniec, sprawdzajKoniec ? OknoProby::KoniecPetli::Anulowano : OknoProby::KoniecPetli::Calosc);
        QFETCH(int, ileZapisanych);
        QCOMPARE(zapisane, QList<int>({1, 2, 3, 4, 5}).mid(0, ileZapisanych));
    }

    // A section may say "Brak komunikacji" once more after a failed item
    // (the steps do); the session stays open either way.
    void drugiKomunikat()
    {
        OknoProby o;
        OknoProby::Petla p;
        p.ile = 4;
        p.pozycja = [](int i) {
            if (i == 2)
                pokazBrakKomunikacji();
            return i != 2;
        };
        p.drugiKomunikat = true;
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji").oczekuj(R::Blad, "Brak komunikacji");
        QCOMPARE(o.wyslijWszystko(p), OknoProby::KoniecPetli::Blad);
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(s->sterownik.stan().sesjaOtwarta);
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
        QVERIFY(!o.edytuj(dane, o.dodatki, 1045));
        QCOMPARE(bajty(dane), bajty(przyklad(1)));

        wybor->odpowiedzi = {plik("d.k3prob")};
        OknoProby p;
        gdyOknoModalne([&](QWidget *) {
            p.but_otworz->click();
            p.but_ok->click();
        });
        QVERIFY(p.edytuj(dane, p.dodatki, 1045));
        QCOMPARE(bajty(dane), bajty(przyklad(5)));
    }
};

QTEST_MAIN(TestEdytorSekcji)
#include "test_edytor_sekcji.moc"
