// Field rules that several sections share, each tested once over a table of
// the windows and readers that use it: the alarm delay box of the measuring
// inputs, the digital inputs, the humidity and the alarm outputs; the power
// of the digital and the analog outputs, a 16-bit field on the wire; names
// that end at their first zero.
#include "komunikaty_skrypt.h"
#include "okno_rekordu.h"
#include "test_qt.h"

#include "alarmy_do.h"
#include "kodek.h"
#include "nazwy.h"
#include "pomocnicze.h"
#include "program.h"
#include "przekazniki.h"
#include "przekazniki_edytor.h"
#include "wejscia_cyfrowe.h"
#include "wejscia_pomiarowe.h"
#include "wilgotnosc.h"
#include "wyjscia_analogowe.h"
#include "wyjscia_analogowe_okno.h"

#include <QLineEdit>
#include <QtTest>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

using R = RodzajKomunikatu;

namespace {

using A = vxt_alarm_konfiguracja_t;

// A window of a record that starts all zero, `przygotuj` applied.
template <class Okno>
std::unique_ptr<TEdytorSekcji> oknoZera(const std::function<void(typename Okno::Rekord &)> &przygotuj)
{
    auto k = std::make_unique<TKopiaRobocza<typename Okno::Rekord>>();
    std::memset(&k->r, 0, sizeof k->r);
    przygotuj(k->r);
    return oknoRekordu<Okno>(k->r);
}

template <class Okno>
const typename Okno::Rekord &rekordOkna(TEdytorSekcji &o)
{
    return static_cast<Okno &>(o).rekord;
}

// ---- Alarm delays ----

struct Opoznienie {
    const char *nazwa;
    const char *kontrolka;
    // A window over a record whose delay holds `sekundy`.
    std::function<std::unique_ptr<TEdytorSekcji>(int sekundy)> okno;
    // The delay in the window's record.
    std::function<int(TEdytorSekcji &)> zapisane;
};

// The delay of alarm `alarm` of records of window Okno.
template <class Okno>
Opoznienie opoznienieAlarmu(const char *nazwa, const char *kontrolka, A Okno::Rekord::*alarm)
{
    return {nazwa, kontrolka,
            [alarm](int sekundy) {
                return oknoZera<Okno>([&](typename Okno::Rekord &r) {
                    A a = r.*alarm;
                    a.opoznienie = int16_t(sekundy);
                    r.*alarm = a;
                });
            },
            [alarm](TEdytorSekcji &o) {
                const A a = rekordOkna<Okno>(o).*alarm;
                return int(a.opoznienie);
            }};
}

const std::vector<Opoznienie> &opoznienia()
{
    using W = TWejscieAnalogowe;
    using D = Tkvor350wejscieDwustanowe;
    static const std::vector<Opoznienie> t = {
        opoznienieAlarmu<TFEditWejsciePom>("AI Min/Max", "dt_alarmMinMaxOpoznienie", &W::alarm_bezwzgledny),
        opoznienieAlarmu<TFEditWejsciePom>("AI sensor missing", "dt_alarmBrakOpoznienie", &W::alarm_brak_czujnika),
        opoznienieAlarmu<TFEditWejsciePom>("AI relative", "dt_alarmWzglednyOpoznienie", &W::alarm_wzgledny),
        {"DI", "dt_alarmOpoznienie",
         [](int sekundy) {
             return oknoZera<TfeditWejscieCyfrowe>([&](D &r) {
                 r.alarm_opoznienieL = uint8_t(sekundy & 0xFF);
                 r.alarm_opoznienieH = uint8_t(sekundy >> 8);
             });
         },
         [](TEdytorSekcji &o) {
             const D &r = rekordOkna<TfeditWejscieCyfrowe>(o);
             return r.alarm_opoznienieL + 256 * r.alarm_opoznienieH;
         }},
        opoznienieAlarmu<TfustawWilg>("humidity", "dt_alarmOpoznienie", &Tkvor350wilgotnosc::alarm),
        {"DO alarm F1", "dt_alarmOpoznienie",
         [](int sekundy) {
             return oknoZera<TFormDO_Alarmy>([&](TAlarmyF1F4Array &a) { a[0].opoznienie = int16_t(sekundy); });
         },
         [](TEdytorSekcji &o) { return int(rekordOkna<TFormDO_Alarmy>(o)[0].opoznienie); }},
    };
    return t;
}

// ---- Power ----

constexpr uint32_t mocZapisana = 1234; // the record's power before an edit

struct Moc {
    const char *nazwa;
    std::function<std::unique_ptr<TEdytorSekcji>()> okno;
    std::function<qint64(TEdytorSekcji &)> zapisana;
};

const std::vector<Moc> &moce()
{
    static const std::vector<Moc> t = {
        {"digital output",
         [] {
             auto o = oknoZera<TFEditParPrzek>([](TPrzekaznik &p) {
                 p.nr = 1;
                 p.moc = mocZapisana;
             });
             static_cast<TFEditParPrzek &>(*o).ustawNumer(1);
             return o;
         },
         [](TEdytorSekcji &o) { return qint64(rekordOkna<TFEditParPrzek>(o).moc); }},
        {"analog output", [] { return oknoZera<TFkonfigwyjsc>([](TWyjscieAnalogowe &a) { a.moc = mocZapisana; }); },
         [](TEdytorSekcji &o) { return qint64(rekordOkna<TFkonfigwyjsc>(o).moc); }},
    };
    return t;
}

// ---- Names ----

// "  Pompa", a zero unit, "ukryte": what a file or a controller may hold.
const QString zZerem = QStringLiteral("  Pompa") + QChar(u'\0') + QStringLiteral("ukryte");

TNazwa50char nazwa50(const QString &t) { return tekstNaNazwe50(t); }

// The stored units of a name up to the last non-zero one: what the record
// holds after a read, units past a zero included.
QString jednostki(const TNazwa50char &n)
{
    int ile = 50;
    while (ile > 0 && n.z[ile - 1] == 0)
        --ile;
    return QString::fromUtf16(n.z, ile);
}

// A length-prefixed one-byte name over the whole text, zero included.
void jednobajtowa(uint8_t (&pole)[17], const QString &t)
{
    std::memset(pole, 0, sizeof pole);
    pole[0] = uint8_t(t.size());
    for (int i = 0; i < t.size(); ++i)
        pole[1 + i] = utf16NaZnak1250(t.at(i).unicode());
}

// The name field of a block: the units of the text, low byte first.
QByteArray poleBloku(const QByteArray &blok, int od, const QString &t)
{
    QByteArray b = blok;
    for (int i = 0; i < t.size(); ++i) {
        b[od + 2 * i] = char(t.at(i).unicode() & 0xFF);
        b[od + 2 * i + 1] = char(t.at(i).unicode() >> 8);
    }
    return b;
}

QString tekstPola(TEdytorSekcji &o, const char *pole)
{
    return o.findChild<QLineEdit *>(QString::fromLatin1(pole))->text();
}

// The name box of a window of Okno over a record whose `nazwa` holds zZerem.
template <class Okno>
QString poleNazwy50()
{
    auto o = oknoZera<Okno>([](typename Okno::Rekord &r) { r.nazwa = nazwa50(zZerem); });
    return tekstPola(*o, "ed_nazwa");
}

struct Czytnik {
    const char *nazwa;
    // What the reader makes of the stored zZerem.
    std::function<QString()> czytaj;
    QString oczekiwany;
};

const std::vector<Czytnik> &czytniki()
{
    static const std::vector<Czytnik> t = [] {
        std::vector<Czytnik> w;
        const QString przyciety = QStringLiteral("Pompa"), doZera = QStringLiteral("  Pompa");
        // The model's helpers.
        w.push_back({"nazwa50NaTekst", [] { return nazwa50NaTekst(nazwa50(zZerem)); }, przyciety});
        w.push_back({"nazwaDoZera", [] { return nazwaDoZera(nazwa50(zZerem)); }, doZera});
        w.push_back({"nazwaNaTekst",
                     [] {
                         const TNazwa50char n = nazwa50(zZerem);
                         return nazwaNaTekst(n.z, 16);
                     },
                     przyciety});
        w.push_back({"tekstJednobajtowy",
                     [] {
                         uint8_t p[17];
                         jednobajtowa(p, zZerem);
                         return tekstJednobajtowy(p);
                     },
                     doZera});
        // The codec's readers of the blocks' name fields.
        w.push_back({"codec: digital output",
                     [] {
                         auto p = std::make_unique<TPrzekaznik>();
                         rozpakujPrzekaznik(poleBloku(QByteArray(232, '\0'), 4, zZerem), *p);
                         return jednostki(p->nazwa);
                     },
                     doZera});
        w.push_back({"codec: measuring input",
                     [] {
                         auto p = std::make_unique<TWejscieAnalogowe>();
                         rozpakujWejscieAnalogowe(poleBloku(QByteArray(348, '\0'), 4, zZerem), *p);
                         return jednostki(p->nazwa);
                     },
                     doZera});
        w.push_back({"codec: digital input, one-byte name",
                     [] {
                         Tkvor350wejscieDwustanowe d{};
                         rozpakujOdczytWejsciaCyfrowego(poleBloku(QByteArray(212, '\0'), 4, zZerem), d);
                         return QStringLiteral("%1 (%2)").arg(tekstJednobajtowy(d.nazwa_str)).arg(d.nazwa_str[0]);
                     },
                     doZera + QStringLiteral(" (7)")});
        // The section fields' readers (lists, reports, compares).
        w.push_back({"field: digital output name (DOSTEP_NAZWY50)",
                     [] {
                         TPrzekaznik p{};
                         p.nazwa = nazwa50(zZerem);
                         return polaPrzekaznikow()[QStringLiteral("Nazwa")].tekstW(p, {1, 1045});
                     },
                     przyciety});
        w.push_back({"field: digital input name",
                     [] {
                         Tkvor350wejscieDwustanowe d{};
                         jednobajtowa(d.nazwa_str, zZerem);
                         return polaWejscCyfrowych()[QStringLiteral("Nazwa")].tekstW(d, {1, 1045});
                     },
                     doZera});
        for (const char *pole : {"Nazwa", "nazwa"})
            w.push_back({pole[0] == 'N' ? "field: measuring input list name" : "field: measuring input editor name",
                         [pole] {
                             auto we = std::make_unique<TWejscieAnalogowe>();
                             we->nazwa = nazwa50(zZerem);
                             return polaWejscPomiarowych()[QString::fromLatin1(pole)].tekstW(*we, {1, 1045});
                         },
                         doZera});
        w.push_back({"field: analog output name",
                     [] {
                         TWyjscieAnalogowe a{};
                         a.nazwa = nazwa50(zZerem);
                         return polaWyjscAnalogowych()[QStringLiteral("Nazwa")].tekstW(a, {1, 1045});
                     },
                     doZera});
        w.push_back({"program name",
                     [] {
                         auto p = std::make_unique<TProgram>();
                         std::memset(p.get(), 0, sizeof *p);
                         p->nazwa = nazwa50(zZerem);
                         return nazwaProgramu(*p);
                     },
                     doZera});
        // The editors' name boxes.
        w.push_back({"window: digital output", poleNazwy50<TFEditParPrzek>, przyciety});
        w.push_back({"window: analog output", poleNazwy50<TFkonfigwyjsc>, przyciety});
        w.push_back({"window: measuring input", poleNazwy50<TFEditWejsciePom>, doZera});
        w.push_back({"window: digital input",
                     [] {
                         auto o = oknoZera<TfeditWejscieCyfrowe>(
                             [](Tkvor350wejscieDwustanowe &d) { jednobajtowa(d.nazwa_str, zZerem); });
                         return tekstPola(*o, "ed_nazwa");
                     },
                     doZera});
        return w;
    }();
    return t;
}

} // namespace

class TestPolaWspolne : public TestQt {
    Q_OBJECT

    std::unique_ptr<KomunikatySkrypt> komunikaty;

protected:
    void przedTestem() override { komunikaty = std::make_unique<KomunikatySkrypt>(); }
    void poTescie() override { komunikaty.reset(); }

private slots:
    // The alarm delay is the alarm outputs' minutes:seconds box: seconds
    // above 59 are shown and stored as 59, a stored 6000 s or more is shown
    // as 99:59; OK without an edit of the box keeps it.
    void opoznienieAlarmu_data()
    {
        QTest::addColumn<int>("uzytkownik");
        QTest::addColumn<int>("przed");
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<QString>("pokazane");
        QTest::addColumn<int>("zapisane");
        for (size_t i = 0; i < opoznienia().size(); ++i) {
            const char *n = opoznienia()[i].nazwa;
            QTest::addRow("%s: 02:75 typed", n) << int(i) << 0 << "02:75"
                                                << "02:59" << 179;
            QTest::addRow("%s: 7000 s stored", n) << int(i) << 7000 << ""
                                                  << "99:59" << 7000;
            QTest::addRow("%s: 6000 s stored", n) << int(i) << 6000 << ""
                                                  << "99:59" << 6000;
            QTest::addRow("%s: 125 s stored", n) << int(i) << 125 << ""
                                                 << "02:05" << 125;
        }
    }
    void opoznienieAlarmu()
    {
        QFETCH(int, uzytkownik);
        QFETCH(int, przed);
        QFETCH(QString, wpisane);
        const Opoznienie &u = opoznienia()[size_t(uzytkownik)];
        auto o = u.okno(przed);
        auto *e = o->findChild<QLineEdit *>(QString::fromLatin1(u.kontrolka));
        QVERIFY(e);
        if (!wpisane.isEmpty())
            e->setText(wpisane);
        QTEST(e->text(), "pokazane");
        o->modyfikacja();
        o->but_ok->click();
        QVERIFY(o->wynik);
        QTEST(u.zapisane(*o), "zapisane");
    }

    // The power goes to the controller in 16 bits: 0..65535 are taken; any
    // other text, a number beyond 32 bits or no number at all, gives the
    // range message, and OK then keeps the window open with the record's
    // power as it was and the typed text in the box.
    void moc_data()
    {
        QTest::addColumn<int>("uzytkownik");
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<bool>("poza");
        QTest::addColumn<QString>("pokazane"); // after OK
        for (size_t i = 0; i < moce().size(); ++i) {
            const char *n = moce()[i].nazwa;
            QTest::addRow("%s: 70000", n) << int(i) << "70000" << true << "70000";
            QTest::addRow("%s: 65536", n) << int(i) << "65536" << true << "65536";
            QTest::addRow("%s: -1", n) << int(i) << "-1" << true << "-1";
            QTest::addRow("%s: 99999999999", n) << int(i) << "99999999999" << true << "99999999999";
            QTest::addRow("%s: 20 digits", n) << int(i) << "99999999999999999999" << true << "99999999999999999999";
            QTest::addRow("%s: 1-2", n) << int(i) << "1-2" << true << "1-2";
            QTest::addRow("%s: 65535", n) << int(i) << "65535" << false << "65535";
            QTest::addRow("%s: +007", n) << int(i) << "+007" << false << "7";
            QTest::addRow("%s: 0", n) << int(i) << "0" << false << "0";
        }
    }
    void moc()
    {
        QFETCH(int, uzytkownik);
        QFETCH(QString, wpisane);
        QFETCH(bool, poza);
        const Moc &u = moce()[size_t(uzytkownik)];
        auto o = u.okno();
        auto *e = o->findChild<QLineEdit *>(QStringLiteral("ie_moc"));
        QVERIFY(e);
        e->setText(wpisane);
        if (poza)
            komunikaty->oczekuj(R::Komunikat, " Nieprawidłowy zakres parametru ! 65535");
        o->but_ok->click();
        QVERIFY(komunikaty->pusty());
        QCOMPARE(o->wynik, !poza);
        QCOMPARE(u.zapisana(*o), poza ? qint64(mocZapisana) : wpisane.toLongLong());
        QTEST(e->text(), "pokazane");
    }

    // A name read from a file or a controller ends at its first zero unit
    // or byte; then each reader trims it or not as its section does.
    void nazwyDoZera_data()
    {
        QTest::addColumn<int>("czytnik");
        for (size_t i = 0; i < czytniki().size(); ++i)
            QTest::addRow("%s", czytniki()[i].nazwa) << int(i);
    }
    void nazwyDoZera()
    {
        QFETCH(int, czytnik);
        const Czytnik &c = czytniki()[size_t(czytnik)];
        QCOMPARE(c.czytaj(), c.oczekiwany);
    }

    // An output confirmed in its editor stores the name it showed; one left
    // alone in the list keeps its bytes, those after the zero unit too.
    void nazwaZapisana()
    {
        auto o = oknoZera<TFEditParPrzek>([](TPrzekaznik &p) { p.nazwa = nazwa50(zZerem); });
        o->modyfikacja();
        o->but_ok->click();
        const TNazwa50char n = rekordOkna<TFEditParPrzek>(*o).nazwa;
        QCOMPARE(jednostki(n), QString("Pompa"));

        auto lista = std::make_unique<TKopiaRobocza<TPrzekaznikiArray>>();
        std::memset(&lista->r, 0, sizeof lista->r);
        for (int i = 0; i < 128; ++i)
            lista->r[i].nr = i + 1;
        lista->r[3].nazwa = nazwa50(zZerem);
        const auto przed = kopiaRobocza(lista->r);
        auto l = std::make_unique<Tflistaprzekaznikow>();
        l->ustawJezyk(1045);
        kopiujRekord(l->przekaznikiLista, lista->r);
        l->memProjlistaTworz();
        QCOMPARE(l->memproj->tekst(3, "Nazwa"), QString("Pompa"));
        l->modyfikacja();
        l->but_ok->click();
        QVERIFY(std::memcmp(&l->przekaznikiLista, &przed->r, sizeof przed->r) == 0);
    }
};

QTEST_MAIN(TestPolaWspolne)
#include "test_pola_wspolne.moc"
