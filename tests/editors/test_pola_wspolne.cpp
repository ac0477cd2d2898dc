// Field rules that several sections share, each tested once over a table of
// the windows that use it: the alarm delay box of the measuring inputs, the
// digital inputs and the humidity; the power of the digital and the analog
// outputs, a 16-bit field on the wire.
#include "komunikaty_skrypt.h"
#include "okno_rekordu.h"
#include "test_qt.h"

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
    };
    return t;
}

// ---- Power ----

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
             auto o = oknoZera<TFEditParPrzek>([](TPrzekaznik &p) { p.nr = 1; });
             static_cast<TFEditParPrzek &>(*o).ustawNumer(1);
             return o;
         },
         [](TEdytorSekcji &o) { return qint64(rekordOkna<TFEditParPrzek>(o).moc); }},
        {"analog output", [] { return oknoZera<TFkonfigwyjsc>([](TWyjscieAnalogowe &) {}); },
         [](TEdytorSekcji &o) { return qint64(rekordOkna<TFkonfigwyjsc>(o).moc); }},
    };
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
    // as 99:59 and stored back as 5999 s.
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
                                                  << "99:59" << 5999;
            QTest::addRow("%s: 6000 s stored", n) << int(i) << 6000 << ""
                                                  << "99:59" << 5999;
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

    // The power goes to the controller in 16 bits: 0..65535 are taken, any
    // other value gives the range message and is stored, and shown, as 0.
    void moc_data()
    {
        QTest::addColumn<int>("uzytkownik");
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<bool>("poza");
        QTest::addColumn<qint64>("zapisana");
        for (size_t i = 0; i < moce().size(); ++i) {
            const char *n = moce()[i].nazwa;
            QTest::addRow("%s: 70000", n) << int(i) << "70000" << true << qint64(0);
            QTest::addRow("%s: 65536", n) << int(i) << "65536" << true << qint64(0);
            QTest::addRow("%s: -1", n) << int(i) << "-1" << true << qint64(0);
            QTest::addRow("%s: 65535", n) << int(i) << "65535" << false << qint64(65535);
            QTest::addRow("%s: 0", n) << int(i) << "0" << false << qint64(0);
        }
    }
    void moc()
    {
        QFETCH(int, uzytkownik);
        QFETCH(QString, wpisane);
        QFETCH(bool, poza);
        QFETCH(qint64, zapisana);
        const Moc &u = moce()[size_t(uzytkownik)];
        auto o = u.okno();
        auto *e = o->findChild<QLineEdit *>(QStringLiteral("ie_moc"));
        QVERIFY(e);
        e->setText(wpisane);
        if (poza)
            komunikaty->oczekuj(R::Komunikat, " Nieprawidłowy zakres parametru ! 65535");
        o->but_ok->click();
        QVERIFY(komunikaty->pusty());
        QCOMPARE(u.zapisana(*o), zapisana);
        QCOMPARE(e->text(), QString::number(zapisana));
    }
};

QTEST_MAIN(TestPolaWspolne)
#include "test_pola_wspolne.moc"
