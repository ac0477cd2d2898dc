// What every one-record section window shares, tested once over a table of
// sections against the simulator: the close question on every way out,
// reads into a scratch record (a failed read keeps the window's record
// and its controls), the send of the record in a session of its own,
// files shorter and longer than the section, a connection that is neither
// RS-485 nor TCP/IP.
//
// A new one-record section adds one row to sekcje() below; its own tests
// then cover only its fields and the places where it departs from the
// others.
#include "okno_rekordu.h"
#include "tabela_sekcji.h"

#include "alarmy_do.h"
#include "dodatki.h"
#include "edytor_rekordu.h"
#include "mycie.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <cstring>

using R = RodzajKomunikatu;

namespace {

// The project's digital outputs handed to an entry that takes them.
struct Wyjscia {
    TPrzekaznikiArray p{};
};

// One section under the shared tests. Records travel as bytes, so that one
// table holds sections of every record type.
struct SekcjaProby {
    const char *nazwa;
    char odczyt;           // the read request: function letter
    uint8_t subOdczytu;    // and sub-command
    int ileOdczytow;       // read requests of one read
    int nieudany;          // the read request that fails in odczytNieudany (1-based)
    char zapis;            // the write request: function letter
    uint8_t subZapisu;     // and sub-command
    int postepOdczytu;     // the read's progress count
    QString rozszerzenie;  // section files; empty: none
    QString bladKrotkiego; // the box of a file shorter than the section
    // The entry function on a caller's record.
    std::function<bool(QByteArray &rekord, int jezykId)> edytuj;
    // A window over the record as the entry function shows it, not run.
    std::function<std::unique_ptr<TEdytorSekcji>(const QByteArray &rekord)> okno;
    // The window's record.
    std::function<QByteArray(TEdytorSekcji &)> kopia;
    // The section's record of a project and its washing settings.
    std::function<QByteArray(const TProjektVXTNew &, const TProjektDodatkiMycie &)> rekordZ;
    // Brings the section's values of a project into the ranges its window
    // edits, so that a record shown and taken back stays the same.
    std::function<void(TProjektVXTNew &)> wZakresie;
    QByteArray naSterowniku(SymulatorEdytora &sym) const { return rekordZ(*sym.bloki.projekt(), sym.bloki.mycie()); }
    // A read replaces the whole record.
    QByteArray poOdczycie(const QByteArray &, const QByteArray &odczytane) const { return odczytane; }
};

// A row for a window Okno of records Dane whose entry function is `wejscie`
// and whose record `rekordZ` takes from a project and its washing settings.
template <class Okno, class Dane>
SekcjaProby rekordSekcji(const char *nazwa, std::function<bool(Dane &, int)> wejscie,
                         std::function<QByteArray(const TProjektVXTNew &, const TProjektDodatkiMycie &)> rekordZ)
{
    SekcjaProby s{};
    s.nazwa = nazwa;
    s.edytuj = [wejscie](QByteArray &b, int jezyk) {
        struct Rekord {
            Dane d;
        };
        auto k = std::make_unique<Rekord>();
        std::memcpy(&k->d, b.constData(), sizeof(Dane));
        const bool wynik = wejscie(k->d, jezyk);
        b = QByteArray(reinterpret_cast<const char *>(&k->d), sizeof(Dane));
        return wynik;
    };
    s.okno = [](const QByteArray &b) {
        struct Rekord {
            Dane d;
        };
        auto k = std::make_unique<Rekord>();
        std::memcpy(&k->d, b.constData(), sizeof(Dane));
        return std::unique_ptr<TEdytorSekcji>(oknoRekordu<Okno>(k->d, false));
    };
    s.kopia = [](TEdytorSekcji &o) {
        return QByteArray(reinterpret_cast<const char *>(&static_cast<Okno &>(o).rekord), sizeof(Dane));
    };
    s.rekordZ = std::move(rekordZ);
    return s;
}
// A row for a section whose record is the project's field `pole`.
template <class Okno, class Dane>
SekcjaProby rekordSekcji(const char *nazwa, bool (*wejscie)(Dane &, int), Dane TProjektVXTNew::*pole)
{
    return rekordSekcji<Okno, Dane>(nazwa, wejscie, [pole](const TProjektVXTNew &p, const TProjektDodatkiMycie &) {
        return QByteArray(reinterpret_cast<const char *>(&(p.*pole)), sizeof(Dane));
    });
}

const std::vector<SekcjaProby> &sekcje()
{
    static const std::vector<SekcjaProby> t = [] {
        std::vector<SekcjaProby> w;

        SekcjaProby a =
            rekordSekcji<TFormDO_Alarmy>("alarm outputs", &edytujAlarmyDO, &TProjektVXTNew::przekaznikiAlarmF1F4);
        a.odczyt = 'H';
        a.subOdczytu = 0x10;
        a.ileOdczytow = 4;
        a.nieudany = 3;
        a.zapis = 'I';
        a.subZapisu = 0x10;
        a.postepOdczytu = 5;
        a.rozszerzenie = QStringLiteral("k3doa");
        a.bladKrotkiego = QStringLiteral("Bład otwarcia pliku");
        a.wZakresie = [](TProjektVXTNew &p) {
            for (vxt_alarm_konfiguracja_t &x : p.przekaznikiAlarmF1F4) {
                x.status = uint8_t(x.status % 3);
                x.opoznienie = int16_t(std::abs(x.opoznienie % 6000));
            }
        };
        w.push_back(a);

        SekcjaProby d = rekordSekcji<Tfdodatki>("additions", &edytujDodatki, &TProjektVXTNew::dodatki);
        d.odczyt = 'H';
        d.subOdczytu = 0x0E;
        d.ileOdczytow = 1;
        d.nieudany = 1;
        d.zapis = 'I';
        d.subZapisu = 0x0E;
        d.postepOdczytu = 1;
        d.wZakresie = [](TProjektVXTNew &p) {
            p.dodatki.iledodatki = uint8_t(p.dodatki.iledodatki % 9);
            for (int i = 0; i < 8; ++i) {
                p.dodatki.dodatki_min[i] = int16_t(p.dodatki.dodatki_min[i] % 2000);
                p.dodatki.dodatki_max[i] = int16_t(std::abs(p.dodatki.dodatki_max[i] % 2000));
                if (p.dodatki.dodatki_min[i] < -500)
                    p.dodatki.dodatki_min[i] = int16_t(-p.dodatki.dodatki_min[i]);
            }
        };
        w.push_back(d);

        SekcjaProby m = rekordSekcji<TfUstawieniaMycia, TProjektDodatkiMycie>(
            "washing settings",
            [](TProjektDodatkiMycie &r, int jezyk) {
                const auto wyjscia = std::make_unique<Wyjscia>();
                return edytujUstawieniaMycia(r, wyjscia->p, jezyk);
            },
            [](const TProjektVXTNew &, const TProjektDodatkiMycie &r) {
                return QByteArray(reinterpret_cast<const char *>(&r), sizeof r);
            });
        m.odczyt = 'H';
        m.subOdczytu = 0x0C;
        m.ileOdczytow = 1;
        m.nieudany = 1;
        m.zapis = 'I';
        m.subZapisu = 0x0C;
        m.postepOdczytu = 3;
        m.rozszerzenie = QStringLiteral("k3washset");
        m.bladKrotkiego = QStringLiteral("Bład przetwarzania pliku");
        m.wZakresie = [](TProjektVXTNew &) {};
        w.push_back(m);
        return w;
    }();
    return t;
}

// The texts of the window's edit boxes and drop-down lists: what the user
// sees of the record.
QStringList widoczne(const TEdytorSekcji &o)
{
    QStringList t;
    for (const QLineEdit *e : o.findChildren<QLineEdit *>())
        t << e->objectName() + QLatin1Char('=') + e->text();
    for (const QComboBox *c : o.findChildren<QComboBox *>())
        t << c->objectName() + QLatin1Char('=') + c->currentText();
    return t;
}

} // namespace

class TestRekordyWspolne : public TestTabeliSekcji<SekcjaProby> {
    Q_OBJECT

public:
    TestRekordyWspolne() : TestTabeliSekcji(&sekcje) {}

private:
    QByteArray stare(const SekcjaProby &x) const override { return x.rekordZ(*inny, innyMycie); }
    void przygotuj(TProjektVXTNew &p) override
    {
        for (const SekcjaProby &x : sekcje())
            x.wZakresie(p);
    }
    // The time to washing as the window shows it (below 6000 minutes);
    // outputs 1..32 are already 0 or 1.
    void przygotujMycie(TProjektDodatkiMycie &m) override { m.czaDoMycia = uint16_t(m.czaDoMycia % 6000); }

    // A window as the entry shows it, over a record unlike the controller's.
    std::unique_ptr<TEdytorSekcji> okno(const SekcjaProby &x)
    {
        auto o = x.okno(stare(x));
        o->show();
        return o;
    }
    // The command of the button shows exactly one box, this one.
    void jedenKomunikat(QAbstractButton *b, RodzajKomunikatu r, const QString &tekst)
    {
        s->komunikaty.oczekuj(r, tekst);
        b->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(int(s->komunikaty.pokazane.size()), 1);
    }

private slots:
    void bezZmianBezPytania_data() { daneBezZmian(); }
    void bezZmianBezPytania() { bezZmian(); }
    void zmianyZPytaniem_data() { danePoOdczycie(); }
    void zmianyZPytaniem() { poOdczycie(); }
    void klawiatura_data() { daneKlawiatury(); }
    void klawiatura() { klawiaturaDoKonca(); }
    void zajete_data() { tylkoSekcje("slow read"); }
    void zajete() { zajeteOkno(); }

    // A complete read: the requests, the lock check once, the record and
    // its controls as a window over the controller's record shows them.
    void odczytCaly_data() { tylkoSekcje("RS-485"); }
    void odczytCaly()
    {
        const SekcjaProby &x = sekcja();
        auto o = okno(x);
        o->but_odczyt->click();
        QCOMPARE(x.kopia(*o), x.naSterowniku(*s));
        QCOMPARE(widoczne(*o), widoczne(*x.okno(x.naSterowniku(*s))));
        QCOMPARE(s->ramki(x.odczyt, x.subOdczytu), x.ileOdczytow);
        QCOMPARE(s->sprawdzeniaBlokady, 1);
        QCOMPARE(pasekPostepu().Gauge1->maximum(), x.postepOdczytu);
        QCOMPARE(pasekPostepu().Gauge1->value(), x.postepOdczytu);
        QVERIFY(o->but_ok->isEnabled());
        QVERIFY(!pasekPostepu().isVisible());
    }

    // A read that fails part way: one "Brak komunikacji"; the read went
    // into a scratch record, so the window's record, its controls and OK
    // are as before.
    void odczytNieudany_data() { tylkoSekcje("RS-485"); }
    void odczytNieudany()
    {
        const SekcjaProby &x = sekcja();
        auto o = okno(x);
        const QByteArray przed = x.kopia(*o);
        const QStringList widocznePrzed = widoczne(*o);
        s->zepsujOd(x.odczyt, x.subOdczytu, x.nieudany - 1);
        jedenKomunikat(o->but_odczyt, R::Blad, "Brak komunikacji");
        QVERIFY(s->ramki(x.odczyt, x.subOdczytu) >= x.nieudany);
        QCOMPARE(x.kopia(*o), przed);
        QCOMPARE(widoczne(*o), widocznePrzed);
        QVERIFY(!o->but_ok->isEnabled());
        QVERIFY(!pasekPostepu().isVisible());
    }

    // The send: the record in one write session of its own, closed, one
    // success message; OK keeps its state.
    void wyslanie_data() { tylkoSekcje("RS-485"); }
    void wyslanie()
    {
        const SekcjaProby &x = sekcja();
        auto o = okno(x);
        jedenKomunikat(o->but_wyslij, R::Informacja, "Ustawienia wysłane do sterownika ");
        QCOMPARE(x.naSterowniku(*s), x.kopia(*o));
        const StanSterownika st = s->sterownik.stan();
        QCOMPARE(st.ileSesji, 1);
        QVERIFY(!st.sesjaOtwarta);
        QCOMPARE(st.zapisyPozaSesja, 0);
        QCOMPARE(s->sprawdzeniaBlokady, 1);
        QVERIFY(!o->but_ok->isEnabled());
        QVERIFY(!pasekPostepu().isVisible());
    }

    // A send the controller does not take: its one box, no success.
    void wyslanieNieudane_data() { tylkoSekcje("RS-485"); }
    void wyslanieNieudane()
    {
        const SekcjaProby &x = sekcja();
        auto o = okno(x);
        const QByteArray przed = x.kopia(*o);
        s->zepsujOd(x.zapis, x.subZapisu, 0);
        jedenKomunikat(o->but_wyslij, R::Blad, "Brak komunikacji");
        QCOMPARE(x.kopia(*o), przed);
        QVERIFY(!pasekPostepu().isVisible());
    }

    // Files: shorter than the section is refused and changes nothing; the
    // section's size or longer gives the record, shown and confirmable;
    // a save writes the record byte for byte.
    void pliki_data() { danePlikow(); }
    void pliki()
    {
        const SekcjaProby &x = sekcja();
        if (x.rozszerzenie.isEmpty())
            QSKIP("the section has no files");
        QFETCH(int, roznica);
        QTemporaryDir katalog;
        WyborPlikuSkrypt wybor;
        const QByteArray wPliku = x.naSterowniku(*s);
        const QString plik = plikSekcji(katalog, x.rozszerzenie, wPliku, roznica);
        QVERIFY(!plik.isEmpty());
        auto o = okno(x);
        const QByteArray przed = x.kopia(*o);
        const QStringList widocznePrzed = widoczne(*o);
        wybor.odpowiedzi = {plik};
        if (roznica < 0)
            s->komunikaty.oczekuj(R::Blad, x.bladKrotkiego);
        o->but_otworz->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(wybor.filtry, QStringList{QStringLiteral("Kvor350|*.") + x.rozszerzenie});
        QCOMPARE(x.kopia(*o), roznica < 0 ? przed : wPliku);
        QCOMPARE(widoczne(*o), roznica < 0 ? widocznePrzed : widoczne(*x.okno(wPliku)));
        QCOMPARE(o->but_ok->isEnabled(), roznica >= 0);

        QCOMPARE(zapisane(*o, wybor, katalog.filePath(QStringLiteral("z.") + x.rozszerzenie)), x.kopia(*o));
    }

    // With LAN_ACTIVE neither 0 nor 1 nothing goes out: each transfer
    // fails with its one box.
    void nieznanePolaczenie_data() { tylkoSekcje("LAN_ACTIVE 2"); }
    void nieznanePolaczenie()
    {
        const SekcjaProby &x = sekcja();
        s->lanAktywny = 2;
        auto o = okno(x);
        const QByteArray przed = x.kopia(*o);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji").oczekuj(R::Blad, "Brak komunikacji");
        o->but_odczyt->click();
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(s->pty.ramki().empty());
        QCOMPARE(x.kopia(*o), przed);
        QVERIFY(!o->but_ok->isEnabled());
    }
};

QTEST_MAIN(TestRekordyWspolne)
#include "test_rekordy_wspolne.moc"
