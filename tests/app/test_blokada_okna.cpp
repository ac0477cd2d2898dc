// The main window's lock callbacks against the simulator: the lock check
// from the readings and the lock state, the protocol-version notes, the
// unlock confirmed by a setpoint read, the password window as the prompt;
// then the lock end to end from a section button of the main window.
#include "sym_okna.h"
#include "test_qt.h"

#include "blokada_okna.h"
#include "crc.h"
#include "forma_haslo.h"
#include "lan.h"
#include "polaczenie.h"
#include "przycisk_plaski.h"
#include "sekcje.h"
#include "symulator_tcp.h"
#include "zadane.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using R = RodzajKomunikatu;

namespace {

constexpr uint32_t hasloSterownika = 4242;

// The two bytes an unlock frame carries for a password.
QByteArray crcHasla(uint32_t haslo)
{
    uint8_t b[4];
    for (int i = 0; i < 4; ++i)
        b[i] = uint8_t(haslo >> (8 * i));
    const uint16_t c = crcBajtow(4, b);
    QByteArray r;
    r.append(char(c & 0xFF));
    r.append(char(c >> 8));
    return r;
}

void wpisz(TFormHaslo *h, const QString &tekst)
{
    QTest::keyClicks(h->Edit1, tekst);
    QTest::keyClick(h->Edit1, Qt::Key_Return);
}

} // namespace

class TestBlokadaOkna : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorOkna> s;
    std::unique_ptr<TLockedTransmission> lock;
    std::unique_ptr<TFormHaslo> haslo;
    std::unique_ptr<TBlokadaOkna> b;

    // Callbacks fed with the record the main window fills: RS-485 "COM1",
    // address 1.
    void utworz()
    {
        lock = std::make_unique<TLockedTransmission>();
        haslo = std::make_unique<TFormHaslo>();
        b = std::make_unique<TBlokadaOkna>(
            *lock,
            [](TUstawieniaSterownika &u) {
                u = TUstawieniaSterownika{};
                u.ParametryTransmisji.predkosc = 12;
            },
            [] { return 1045; }, haslo.get());
    }
    QList<QByteArray> odblokowania() const
    {
        QList<QByteArray> r;
        for (const QByteArray &f : s->pty.ramki())
            if (f.size() > 6 && f.at(1) == 'G' && uint8_t(f.at(2)) == 0x08)
                r << f.mid(5, 2);
        return r;
    }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorOkna>();
        QVERIFY(s->gotowy);
        s->sterownik.zmien([](StanSterownika &st) { st.haslo = hasloSterownika; });
        utworz();
    }
    void poTescie() override
    {
        b.reset();
        haslo.reset();
        lock.reset();
        s.reset();
    }

private slots:
    void sprawdzenie_data()
    {
        QTest::addColumn<int>("stan");
        QTest::addColumn<bool>("zablokowany");
        QTest::addColumn<int>("wynik");
        QTest::addColumn<int>("odczytowBlokady");
        QTest::newRow("free") << 1 << false << 0 << 1;
        QTest::newRow("locked") << 1 << true << 1 << 1;
        QTest::newRow("Start") << 3 << true << 2 << 0;
        QTest::newRow("Edycja") << 4 << false << 2 << 0;
    }
    void sprawdzenie()
    {
        QFETCH(int, stan);
        QFETCH(bool, zablokowany);
        s->sterownik.zmien([&](StanSterownika &st) {
            st.odczyty.stan = uint8_t(stan);
            st.zablokowany = zablokowany;
        });
        QTEST(b->fnLockCheck(), "wynik");
        QTEST(s->ramki('G', 0x07), "odczytowBlokady");
        QVERIFY(s->komunikaty.pokazane.empty());
    }

    void brakKomunikacji_data()
    {
        QTest::addColumn<char>("f");
        QTest::addColumn<int>("sub");
        QTest::newRow("readings") << 'F' << 0x01;
        QTest::newRow("lock state") << 'G' << 0x07;
    }
    void brakKomunikacji()
    {
        QFETCH(char, f);
        QFETCH(int, sub);
        s->usterki.dodaj(f, uint8_t(sub), {RodzajUsterki::ZleCRC}, PlanUsterek::zawsze);
        QCOMPARE(b->fnLockCheck(), -1);
        QVERIFY(s->komunikaty.pokazane.empty());
    }

    // A controller without the lock-state command answers "unknown
    // command": asked once, it counts as unlocked, and the check passes.
    void sterownikBezBlokady()
    {
        s->sterownik.zmien([](StanSterownika &st) { st.znaLock = false; });
        QCOMPARE(b->fnLockCheck(), 0);
        QCOMPARE(s->ramki('G', 0x07), 1);
        QCOMPARE(lock->fnProcess(), 0);
        QCOMPARE(lock->LockState(), ls_unlocked);
        QCOMPARE(s->ramki('G', 0x07), 2);
        QCOMPARE(s->ramki('G', 0x08), 0);
        QVERIFY(s->komunikaty.pokazane.empty());
    }

    // A protocol version other than 4 is noted once, and again after the
    // owner clears the flag (a connection change).
    void wersjaProtokolu_data()
    {
        QTest::addColumn<int>("wersja");
        QTest::addColumn<QString>("uwaga");
        QTest::newRow("4") << 4 << QString();
        QTest::newRow("3: old firmware") << 3 << QString("Podłączony sterownik ma nieaktualny firmware.");
        QTest::newRow("5: old program") << 5 << QString("Uruchomiono nieaktualną wersję programu.");
    }
    void wersjaProtokolu()
    {
        QFETCH(int, wersja);
        QFETCH(QString, uwaga);
        s->sterownik.zmien([&](StanSterownika &st) { st.odczyty.wersjaProtokolu = uint16_t(wersja); });
        const QString dalej = "\nUżycie z podłączonym sterownikiem może prowadzić do nieoczekiwanych sytuacji."
                              "\nZwróć się do firmy Kalbren o aktualizację!";
        for (int runda = 0; runda < 2; ++runda) {
            if (!uwaga.isEmpty())
                s->komunikaty.oczekuj(R::Informacja, uwaga + dalej);
            QCOMPARE(b->fnLockCheck(), 0);
            QCOMPARE(b->fnLockCheck(), 0);
            QVERIFY(lock->ProtokolBlad());
            lock->setProtokolBlad(false);
        }
        QCOMPARE(int(s->komunikaty.pokazane.size()), uwaga.isEmpty() ? 0 : 2);
    }

    // The password travels as the CRC-16 of its number; a text that is no
    // number as 0. An accepted unlock is confirmed by reading setpoint 1.
    void odblokowanie_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<uint32_t>("liczba");
        QTest::addColumn<int>("wynik");
        QTest::newRow("right") << "4242" << hasloSterownika << 0;
        QTest::newRow("wrong") << "1" << 1u << 66;
        QTest::newRow("no number") << "12a" << 0u << 66;
    }
    void odblokowanie()
    {
        QFETCH(QString, tekst);
        QFETCH(uint32_t, liczba);
        s->sterownik.zmien([](StanSterownika &st) { st.zablokowany = true; });
        QTEST(b->fnUnlockPasswordSend(tekst), "wynik");
        QVERIFY(!odblokowania().isEmpty());
        for (const QByteArray &c : odblokowania())
            QCOMPARE(c, crcHasla(liczba));
        const bool dobre = liczba == hasloSterownika;
        QCOMPARE(s->ramki('H', 10), dobre ? 1 : 0);
        if (dobre)
            QCOMPARE(uint8_t(s->pty.ramki().back().at(5)), uint8_t(0));
        QCOMPARE(s->sterownik.stan().zablokowany, !dobre);
        // The wrong password is not tried again.
        QCOMPARE(int(odblokowania().size()), 1);
    }

    // An unlock the controller accepts while setpoint 1 cannot be read
    // counts as refused.
    void odblokowanieBezZadanej()
    {
        s->usterki.dodaj('H', 10, {RodzajUsterki::ZleCRC}, PlanUsterek::zawsze);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        QCOMPARE(b->fnUnlockPasswordSend("4242"), 66);
        QVERIFY(s->komunikaty.pusty());
    }

    // Over TCP/IP: one unlock attempt, and the confirming setpoint read
    // with one attempt as well.
    void odblokowaniePrzezLan_data()
    {
        QTest::addColumn<bool>("zadanaCzytelna");
        QTest::addColumn<int>("wynik");
        QTest::newRow("setpoint read") << true << 0;
        QTest::newRow("setpoint not read") << false << 66;
    }
    void odblokowaniePrzezLan()
    {
        QFETCH(bool, zadanaCzytelna);
        SymulatorTcp tcp(s->sterownik, s->usterki);
        QVERIFY(tcp.uruchomNaWolnymAdresie(portLan));
        TFormLan lan;
        ustawFormLan(&lan);
        b = std::make_unique<TBlokadaOkna>(
            *lock,
            [&](TUstawieniaSterownika &u) {
                u = TUstawieniaSterownika{};
                u.lan.LAN_ACTIVE = 1;
                u.lan.LAN_IP = tcp.adres();
                u.lan.NUMER_SERYJNY = int(s->sterownik.stan().numerSeryjny);
            },
            [] { return 1045; }, haslo.get());
        s->sterownik.zmien([](StanSterownika &st) { st.zablokowany = true; });
        if (!zadanaCzytelna) {
            s->usterki.dodaj('H', 10, {RodzajUsterki::KrotkaOdpowiedz}, PlanUsterek::zawsze);
            s->komunikaty.oczekuj(R::Blad, "Brak komunikacji");
        }
        QTEST(b->fnUnlockPasswordSend("4242"), "wynik");
        ustawFormLan(nullptr);
        QVERIFY(!s->sterownik.stan().zablokowany);
        QCOMPARE(tcp.polaczen(), 2);
        QVERIFY(s->pty.ramki().empty());
    }

    // A record that names neither transport: nothing goes out on either;
    // the lock check fails as with a silent controller, the unlock and
    // the lock command at closing fail.
    void nieznaneLacze()
    {
        SymulatorTcp tcp(s->sterownik, s->usterki);
        QVERIFY(tcp.uruchomNaWolnymAdresie(portLan));
        TFormLan lan;
        ustawFormLan(&lan);
        const auto wypelnij = [&](TUstawieniaSterownika &u) {
            u = TUstawieniaSterownika{};
            u.ParametryTransmisji.predkosc = 12;
            u.lan.LAN_ACTIVE = 2;
            u.lan.LAN_IP = tcp.adres();
            u.lan.NUMER_SERYJNY = int(s->sterownik.stan().numerSeryjny);
        };
        b = std::make_unique<TBlokadaOkna>(
            *lock, wypelnij, [] { return 1045; }, haslo.get());
        s->sterownik.zmien([](StanSterownika &st) { st.zablokowany = true; });
        QCOMPARE(b->fnLockCheck(), -1);
        QCOMPARE(lock->fnProcess(), -1);
        QCOMPARE(lock->LockState(), ls_unknown);
        QVERIFY(b->fnUnlockPasswordSend("4242") != 0);
        TUstawieniaSterownika u;
        wypelnij(u);
        QVERIFY(wyslijBlokade(u) != 0);
        ustawFormLan(nullptr);
        QVERIFY(s->pty.ramki().empty());
        QVERIFY(tcp.ramki().empty());
        QVERIFY(s->sterownik.stan().zablokowany);
        QVERIFY(s->komunikaty.pokazane.empty());
    }

    void oknoHasla()
    {
        QString t = "stare";
        gdyOknoModalne<TFormHaslo>([&](TFormHaslo *h) {
            QCOMPARE(h->Label1->text(), QString("Hasło (Blokada transmisji):"));
            QVERIFY(h->L_opis->text().isEmpty());
            wpisz(h, "77");
        });
        b->fnPasswordInput(t);
        QCOMPARE(t, QString("77"));
        gdyOknoModalne<TFormHaslo>([&](TFormHaslo *h) { h->but_anuluj->click(); });
        b->fnPasswordInput(t);
        QCOMPARE(t, QString());
        QCOMPARE(haslo->licznikProb, 1);
        b->hasloDlgInit();
        QCOMPARE(haslo->licznikProb, 2);
    }

    // The lock with these callbacks: one wrong password, then the right
    // one; the controller ends unlocked and the prompt's counter reset.
    void blokadaDoKonca()
    {
        s->sterownik.zmien([](StanSterownika &st) { st.zablokowany = true; });
        gdyOknoModalne<TFormHaslo>([&](TFormHaslo *h) {
            wpisz(h, "1111");
            gdyOknoModalne<TFormHaslo>([&](TFormHaslo *h2) { wpisz(h2, "4242"); });
        });
        QCOMPARE(lock->fnProcess(), 0);
        QVERIFY(!s->sterownik.stan().zablokowany);
        QVERIFY(lock->bylaBlokada);
        QCOMPARE(lock->LockState(), ls_locked);
        QCOMPARE(haslo->licznikProb, 2);
        // Wrong, right, and the right one again as the first re-send.
        QCOMPARE(odblokowania(), QList<QByteArray>({crcHasla(1111), crcHasla(4242), crcHasla(4242)}));
        QCOMPARE(lock->fnProcess(), 0);
        QCOMPARE(lock->LockState(), ls_unlocked);
    }

    // From the main window: "Zadane" on a locked controller asks for the
    // password, unlocks, and the editor reads the setpoints; the window
    // closing switches the lock on again.
    void zOknaGlownego()
    {
        b.reset();
        s->sterownik.zmien([](StanSterownika &st) { st.zablokowany = true; });
        auto o = s->okno();
        const auto callbacks = blokadaOkna(*o, haslo.get());
        podlaczSekcje(*o);
        bool odczytane = false;
        gdyOknoModalne<TFormHaslo>([&](TFormHaslo *h) {
            wpisz(h, "4242");
            gdyOknoModalne<TFormZadane>([&](TFormZadane *z) {
                z->but_odczyt->click();
                odczytane = s->ramki('H', 10) >= 11;
                z->but_ok->click();
            });
        });
        emit o->AOL_zadane->klik();
        QVERIFY(odczytane);
        QVERIFY(o->lockService.bylaBlokada);
        QVERIFY(o->projekt.bylazmianaProjektu);
        QCOMPARE(int(odblokowania().size()), 2);
        QVERIFY(s->komunikaty.pokazane.empty());

        s->komunikaty.oczekuj(R::PytanieTakNieAnuluj, "Zapisać zmiany?", 0);
        QVERIFY(o->FormCloseQuery());
        QCOMPARE(s->ramki('G', 0x09), 1);
        QVERIFY(s->sterownik.stan().zablokowany);
    }
};

QTEST_MAIN(TestBlokadaOkna)
#include "test_blokada_okna.moc"
