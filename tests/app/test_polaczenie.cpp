// The main window against the simulator on a pty and on loopback TCP/IP:
// the connection record, the port list, the serial link's settings, the
// connection test, the automatic reading that fills the current-state frame
// and the lock command at closing.
#include "edycja_liczb.h"
#include "enumeracje.h"
#include "komunikacja.h"
#include "komunikaty_skrypt.h"
#include "lan.h"
#include "odczyt_automatyczny.h"
#include "okno_glowne.h"
#include "operacja.h"
#include "polaczenie.h"
#include "port_qt.h"
#include "powtorz.h"
#include "przycisk_plaski.h"
#include "sciezki.h"
#include "sprawdzenie_polaczenia.h"
#include "symulator_pty.h"
#include "symulator_tcp.h"
#include "test_qt.h"
#include "wejscie_okna.h"
#include "wymiana.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <utility>

using R = RodzajKomunikatu;

namespace {

QColor kolor(const QLabel *l) { return l->palette().color(QPalette::WindowText); }

// The G 0x09 lock command among the frames the simulator received.
int ileBlokad(const SymulatorPty &pty)
{
    int n = 0;
    for (const QByteArray &r : pty.ramki())
        if (r.size() > 2 && r.at(1) == 'G' && uint8_t(r.at(2)) == 0x09)
            ++n;
    return n;
}

} // namespace

class TestPolaczenie : public TestQt {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<KomunikatySkrypt> komunikaty;
    std::unique_ptr<ZegarTestowy> zegar;
    std::unique_ptr<SterownikSym> sterownik;
    std::unique_ptr<PlanUsterek> usterki;
    std::unique_ptr<SymulatorPty> pty;
    std::unique_ptr<TFkomunikacja> lacze;
    std::unique_ptr<SymulatorTcp> tcp;
    std::unique_ptr<TFormLan> lan;

    void zapiszIni(const QByteArray &b) const
    {
        QFile f(dir->filePath("ustawienia.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(b);
    }
    // COM1 is the simulator's pty, chosen, at 115200 baud, address 1;
    // `inne` comes first and wins over these.
    void iniZSymulatorem(const QByteArray &inne = {}) const
    {
        zapiszIni("[Parametry]\n" + inne + "COM1Device=" + pty->sciezka().toUtf8() + "\nComboBoxPort=0\n");
    }
    std::unique_ptr<TForm1> okno()
    {
        auto o = std::make_unique<TForm1>();
        o->listaUrzadzen = [] { return QStringList(); };
        o->show();
        return o;
    }
    // TCP/IP to the simulator's network front with its serial number.
    void iniZSymulatoremTcp(const QByteArray &inne = {}) const
    {
        zapiszIni("[Parametry]\n" + inne + "connectionType=1\nSN=123456\nIpAddress=" + tcp->adres().toUtf8() + "\n");
    }
    // A supported controller whose clock runs with the PC's.
    void sterownikKvor(uint32_t wersja = 2116, uint16_t protokol = 4)
    {
        sterownik->zmien([&](StanSterownika &s) {
            s.typ = "kvor350";
            s.odczyty.wersja = wersja;
            s.odczyty.wersjaProtokolu = protokol;
            s.odczyty.stan = 1;
            s.zegar = QDateTime::currentDateTime();
        });
    }

protected:
    void przedTestem() override
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        ustawKatalogProgramu(dir->path());
        komunikaty = std::make_unique<KomunikatySkrypt>();
        zegar = std::make_unique<ZegarTestowy>();
        sterownik = std::make_unique<SterownikSym>();
        usterki = std::make_unique<PlanUsterek>();
        pty = std::make_unique<SymulatorPty>(*sterownik, *usterki);
        QString blad;
        QVERIFY2(pty->uruchom(&blad), qPrintable(blad));
        lacze = std::make_unique<TFkomunikacja>(std::make_unique<PortQt>());
        lacze->porty().ustawListeUrzadzen([] { return QStringList(); });
        ustawFkomunikacja(lacze.get());
        tcp = std::make_unique<SymulatorTcp>(*sterownik, *usterki);
        QVERIFY2(tcp->uruchomNaWolnymAdresie(portLan, &blad), qPrintable(blad));
        lan = std::make_unique<TFormLan>();
        ustawFormLan(lan.get());
    }
    void poTescie() override
    {
        ustawFormLan(nullptr);
        lan.reset();
        tcp->zatrzymaj();
        tcp.reset();
        ustawFkomunikacja(nullptr);
        lacze.reset();
        pty->zatrzymaj();
        pty.reset();
        usterki.reset();
        sterownik.reset();
        zegar.reset();
        komunikaty.reset();
        ustawKatalogProgramu(QString());
        dir.reset();
        iloscPowtorzen = 3;
        timeoutStand = 1000;
        IleSleep = 5;
        TransmisjaNT = false;
    }

private slots:
    void rekordPolaczenia_data()
    {
        QTest::addColumn<int>("zakladka");
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("predkosc");
        QTest::addColumn<int>("kod");
        QTest::newRow("RS-485, 9600") << 0 << 4 << 0 << 6;
        QTest::newRow("RS-485, 19200") << 0 << 0 << 1 << 8;
        QTest::newRow("RS-485, 115200") << 0 << 254 << 2 << 12;
        QTest::newRow("no baud rate") << 0 << 3 << -1 << 12;
        QTest::newRow("no port") << 0 << -1 << 2 << 12;
        QTest::newRow("TCP/IP") << 1 << 2 << 1 << 8;
    }
    void rekordPolaczenia()
    {
        QFETCH(int, zakladka);
        QFETCH(int, port);
        QFETCH(int, predkosc);
        auto o = okno();
        o->pg_transmisjaRodzaj->setCurrentIndex(zakladka);
        o->ComboBoxPort->setCurrentIndex(port);
        o->ComboBoxPredkosc->setCurrentIndex(predkosc);
        o->IntEditAdres->setValue(247);
        o->se_numerSeryjny->setValue(123456);
        o->adresIp->setText("127.0.0.1");
        TUstawieniaSterownika u;
        u.stanSterownika = 7;
        u.Busy = true;
        u.EthernetPassword = "x";
        u.ParametryTransmisji.IlePowtorzen = 9;
        o->wezUstawieniaSterownika(u, true);
        QCOMPARE(u.conectType, zakladka == 1 ? tct_ethernet : tct_rs485);
        QCOMPARE(u.lan.LAN_ACTIVE, zakladka);
        QCOMPARE(u.lan.NUMER_SERYJNY, 123456);
        QCOMPARE(u.lan.LAN_IP, QString("127.0.0.1"));
        QCOMPARE(u.lan.count, 3);
        QCOMPARE(u.lan.timeout, 700);
        QCOMPARE(u.adresRS, 247);
        QCOMPARE(u.ParametryTransmisji.port, port);
        QTEST(u.ParametryTransmisji.predkosc, "kod");
        QCOMPARE(u.ParametryTransmisji.IlePowtorzen, 2);
        QCOMPARE(u.ParametryTransmisji.ReadTotalTimeoutConstant, 350);
        // What the window does not own stays the caller's.
        QCOMPARE(u.stanSterownika, 7);
        QVERIFY(u.Busy);
        QCOMPARE(u.EthernetPassword, QString("x"));
        QVERIFY(pty->ramki().empty());
    }

    // The bus address typed and not yet left goes as the box will show it
    // once left: a number beyond its range, however long, as that end.
    void adresWpisany_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("adres");
        QTest::newRow("12") << "12" << 12;
        QTest::newRow("300") << "300" << 247;
        QTest::newRow("11 digits") << "99999999999" << 247;
        QTest::newRow("below 32 bits") << "-2147483649" << 0;
    }
    void adresWpisany()
    {
        QFETCH(QString, tekst);
        auto o = okno();
        QVERIFY(QTest::qWaitForWindowActive(o.get()));
        o->pg_transmisjaRodzaj->setCurrentIndex(0);
        klik(o->IntEditAdres);
        QTRY_COMPARE(o->focusWidget(), o->IntEditAdres);
        klawisz(o.get(), Qt::Key_A, Qt::ControlModifier);
        pisz(o.get(), tekst);
        QCOMPARE(o->IntEditAdres->text(), tekst);
        TUstawieniaSterownika u;
        o->wezUstawieniaSterownika(u, true);
        QTEST(u.adresRS, "adres");
        klawisz(o.get(), Qt::Key_Tab);
        QCOMPARE(o->IntEditAdres->text(), QString::number(u.adresRS));
    }

    // Each "COM<n>" shows the device it opens: a settings key first, then
    // the system's devices in their order.
    void listaPortow()
    {
        zapiszIni("[Parametry]\nCOM3Device=/dev/ttyRS485\n");
        TForm1 o;
        o.listaUrzadzen = [] { return QStringList{"/dev/ttyS0", "/dev/ttyUSB1", "/dev/ttyUSB0"}; };
        o.show();
        QCOMPARE(o.ComboBoxPort->count(), 255);
        QCOMPARE(o.ComboBoxPort->itemText(0), QString("COM1 (/dev/ttyUSB0)"));
        QCOMPARE(o.ComboBoxPort->itemText(1), QString("COM2 (/dev/ttyUSB1)"));
        QCOMPARE(o.ComboBoxPort->itemText(2), QString("COM3 (/dev/ttyRS485)"));
        QCOMPARE(o.ComboBoxPort->itemText(3), QString("COM4"));
        QCOMPARE(o.ComboBoxPort->itemText(254), QString("COM255"));
        // An adapter plugged in later shows when the list opens.
        o.listaUrzadzen = [] { return QStringList{"/dev/ttyUSB0", "/dev/ttyACM0", "/dev/ttyUSB1"}; };
        o.ComboBoxPort->showPopup();
        QCOMPARE(o.ComboBoxPort->itemText(0), QString("COM1 (/dev/ttyACM0)"));
        QCOMPARE(o.ComboBoxPort->itemText(3), QString("COM4"));
        o.ComboBoxPort->hidePopup();
        // The link opens the same device for the same key.
        QCOMPARE(lacze->porty().urzadzenie(2), QString("/dev/ttyRS485"));
    }

    void ustawieniaLaczaPrzekazane()
    {
        zapiszIni("[Parametry]\nCOM2MinusOffset=1\nCOM16MinusOffset=1\nTransmisjaNT=1\nIleSleep=7\n"
                  "timeoutStand=800\n");
        auto o = okno();
        QVERIFY(!lacze->UjemneOfesty[0]);
        QVERIFY(lacze->UjemneOfesty[1]);
        QVERIFY(lacze->UjemneOfesty[15]);
        QVERIFY(TransmisjaNT);
        QCOMPARE(IleSleep, 7);
        QCOMPARE(timeoutStand, 800);
    }

    void testPolaczeniaOk()
    {
        iniZSymulatorem();
        sterownikKvor();
        auto o = okno();
        o->TimerStarter->stop();
        QVERIFY(o->Aol_Test->Enab());
        QTest::mouseClick(o->Aol_Test, Qt::LeftButton);
        QVERIFY(o->L_ok->isVisible());
        QCOMPARE(o->L_ok->text(), QString("OK"));
        QCOMPARE(kolor(o->L_ok), QColor(0, 255, 0));
        QVERIFY(komunikaty->pokazane.empty());
        QVERIFY(zegar->przespane >= 100);
        // Everything back as it was, the clearing and the restart armed.
        QCOMPARE(o->Aol_Test->Caption(), QString("Test połączenia"));
        QVERIFY(o->Aol_Test->Enab());
        QCOMPARE(iloscPowtorzen, 3);
        QCOMPARE(timeoutStand, 1000);
        QVERIFY(o->TimerStarter->isActive());
        QVERIFY(o->Timer1->isActive());
        QCOMPARE(o->Timer1->interval(), 4000);
        QVERIFY(!o->TimerAutomat->isActive());
        QCOMPARE(o->ustawieniaGlowne.ParametryTransmisji.ReadTotalTimeoutConstant, 200);
        // The type and then the lock state were asked.
        QCOMPARE(pty->ramki().size(), size_t(2));
        QCOMPARE(pty->ramki()[0].at(1), 'F');
        QCOMPARE(pty->ramki()[1].at(1), 'G');

        // 4 s later the result is cleared.
        o->projekt.daneProjektu.ns = 5;
        o->Timer1Timer();
        QVERIFY(!o->L_ok->isVisible());
        QVERIFY(!o->Timer1->isActive());
        QCOMPARE(o->projekt.daneProjektu.ns, 0);
    }

    void testPolaczeniaZBlokada()
    {
        iniZSymulatorem();
        sterownikKvor();
        sterownik->zmien([](StanSterownika &s) { s.zablokowany = true; });
        auto o = okno();
        komunikaty->oczekuj(R::Ostrzezenie,
                            "Połączono ze sterownikiem: Kvor 350\nUWAGA: włączona blokada transmisji ustawień!");
        o->Aol_TestClick();
        QVERIFY(komunikaty->pusty());
        QCOMPARE(o->L_ok->text(), QString("OK"));
    }

    void testPolaczeniaErr_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QByteArray>("typ");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("another address") << QByteArray("IntEditAdres=5\n") << QByteArray("kvor350") << QString();
        QTest::newRow("another controller") << QByteArray() << QByteArray("kVOR350") << QString();
        QTest::newRow("another model") << QByteArray() << QByteArray("kvor350X2") << QString();
        QTest::newRow("no port") << QByteArray("ComboBoxPort=-1\n") << QByteArray("kvor350")
                                 << QString("Nie wybrano portu szeregowego.");
    }
    void testPolaczeniaErr()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QByteArray, typ);
        QFETCH(QString, komunikat);
        iniZSymulatorem(ini);
        sterownikKvor();
        sterownik->zmien([&](StanSterownika &s) { s.typ = typ; });
        auto o = okno();
        if (!komunikat.isEmpty())
            komunikaty->oczekuj(R::Blad, komunikat);
        o->Aol_TestClick();
        QVERIFY(komunikaty->pusty());
        QVERIFY(o->L_ok->isVisible());
        QCOMPARE(o->L_ok->text(), QString("ERR"));
        QCOMPARE(kolor(o->L_ok), QColor(255, 0, 0));
        QCOMPARE(iloscPowtorzen, 3);
        QCOMPARE(timeoutStand, 1000);
        QVERIFY(o->Timer1->isActive());
        QVERIFY(o->Aol_Test->Enab());
    }

    void odczytWypelniaRamke()
    {
        iniZSymulatorem();
        sterownikKvor(2116, 4);
        auto o = okno();
        TFrameBiezaceOdczyty &r = *o->FrameBiezaceOdczyty1;
        o->CzytajAutomatycznie();
        QVERIFY(r.isVisible());
        QCOMPARE(r.l_nazwa->text(), QString("Kvor 350  S/N: 123456"));
        QVERIFY(!r.nieobslugiwane());
        QCOMPARE(r.L_wersja->text(), QString("2.116 (4)"));
        QVERIFY(!r.L_wersjaInfo->isVisible());
        QCOMPARE(r.L_info->text(), listaStanSterownika(1));
        QVERIFY(!r.dtBlad());
        QVERIFY2(r.L_dt->text().contains(QString::number(QDate::currentDate().year())), qPrintable(r.L_dt->text()));
        QCOMPARE(o->projekt.daneProjektu.ns, 123456);
        QCOMPARE(o->projekt.daneProjektu.firmware, QString("2.116"));
        QCOMPARE(o->ustawieniaGlowne.ParametryTransmisji.ReadTotalTimeoutConstant, 500);
        QCOMPARE(iloscPowtorzen, 3);
        QCOMPARE(timeoutStand, 1000);
        QVERIFY(komunikaty->pokazane.empty());
    }

    void odczytInnegoSterownika()
    {
        iniZSymulatorem();
        sterownikKvor(2115, 3);
        sterownik->zmien([](StanSterownika &s) {
            s.typ = "kvor350X7";
            s.zegar = QDateTime::currentDateTime().addSecs(-6 * 60);
            s.numerSeryjny = 60001;
        });
        auto o = okno();
        TFrameBiezaceOdczyty &r = *o->FrameBiezaceOdczyty1;
        o->CzytajAutomatycznie();
        QVERIFY(r.isVisible());
        QCOMPARE(r.l_nazwa->text(), QString("Kvor 350  S/N: 60001"));
        QVERIFY(r.nieobslugiwane());
        QVERIFY(r.L_nazwaInfo->isVisible());
        QCOMPARE(r.L_wersja->text(), QString("2.115 (3)"));
        QCOMPARE(r.L_wersjaInfo->text(), QString("Dostępna wersja:2.116"));
        QVERIFY(r.dtBlad());
    }

    // A locked controller shows the indicator; in "Start" and "Edycja" it
    // keeps its last value without asking.
    void wskaznikBlokady()
    {
        iniZSymulatorem();
        sterownikKvor();
        sterownik->zmien([](StanSterownika &s) { s.zablokowany = true; });
        auto o = okno();
        TFrameBiezaceOdczyty &r = *o->FrameBiezaceOdczyty1;
        o->CzytajAutomatycznie();
        QVERIFY(r.BlokadaTransmisji());
        QCOMPARE(r.L_info->text(), QString("Blokada transmisji"));

        sterownik->zmien([](StanSterownika &s) {
            s.zablokowany = false;
            s.odczyty.stan = OdczytySym::stanStart;
        });
        pty->wyczyscRamki();
        o->CzytajAutomatycznie();
        QVERIFY(r.BlokadaTransmisji());
        for (const QByteArray &f : pty->ramki())
            QVERIFY(!(f.at(1) == 'G' && uint8_t(f.at(2)) == 0x07));

        sterownik->zmien([](StanSterownika &s) { s.odczyty.stan = 1; });
        o->CzytajAutomatycznie();
        QVERIFY(!r.BlokadaTransmisji());
        QCOMPARE(r.L_info->text(), listaStanSterownika(1));
    }

    void nieudanyOdczytUkrywaRamke_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::newRow("no reply") << QByteArray("IntEditAdres=9\n");
        QTest::newRow("no port") << QByteArray("ComboBoxPort=-1\n");
        QTest::newRow("port not there") << QByteArray("ComboBoxPort=7\n");
    }
    void nieudanyOdczytUkrywaRamke()
    {
        QFETCH(QByteArray, ini);
        iniZSymulatorem(ini);
        sterownikKvor();
        auto o = okno();
        o->FrameBiezaceOdczyty1->setHide(false);
        o->CzytajAutomatycznie();
        QVERIFY(o->FrameBiezaceOdczyty1->isHidden());
        QVERIFY(komunikaty->pokazane.empty());
        QCOMPARE(iloscPowtorzen, 3);
        QCOMPARE(timeoutStand, 1000);
    }

    // Through the timer: the reading runs only while the conditions hold.
    void timerCzytaTylkoGdyWolno()
    {
        iniZSymulatorem("AutoRead=1\n");
        sterownikKvor();
        auto o = okno();
        bool zPrzodu = true;
        o->naPierwszymPlanie = [&] { return zPrzodu; };
        o->TimerStarterTimer();

        {
            const TOperacja operacja(o.get());
            o->TimerAutomatTimer();
            QVERIFY(pty->ramki().empty());
            QVERIFY(o->FrameBiezaceOdczyty1->isHidden());
        }

        zPrzodu = false;
        o->TimerAutomatTimer();
        QVERIFY(pty->ramki().empty());

        zPrzodu = true;
        o->TimerAutomatTimer();
        QVERIFY(!pty->ramki().empty());
        QVERIFY(o->FrameBiezaceOdczyty1->isVisible());
        QVERIFY(o->FrameBiezaceOdczyty1->active());

        zPrzodu = false;
        pty->wyczyscRamki();
        o->TimerAutomatTimer();
        QVERIFY(pty->ramki().empty());
        QVERIFY(!o->FrameBiezaceOdczyty1->active());
        QVERIFY(o->FrameBiezaceOdczyty1->isVisible());
    }

    void testPolaczeniaTcp_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("odmowa");
        QTest::addColumn<QString>("wynik"); // empty: no result shown
        QTest::addColumn<QString>("ostrzezenie");
        QTest::newRow("OK") << QByteArray() << false << "OK" << QString();
        QTest::newRow("another serial number") << QByteArray("SN=123457\n") << false << "ERR" << QString();
        QTest::newRow("connection refused") << QByteArray() << true << "ERR" << QString();
        QTest::newRow("serial number too low")
            << QByteArray("SN=59999\n") << false << QString() << "Wpisz poprawny numer seryjny!";
        QTest::newRow("serial number too high")
            << QByteArray("SN=300001\n") << false << QString() << "Wpisz poprawny numer seryjny!";
        QTest::newRow("no address") << QByteArray("IpAddress=0.0.0.0\n") << false << QString()
                                    << "Wpisz poprawny adres IP";
    }
    void testPolaczeniaTcp()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, odmowa);
        QFETCH(QString, wynik);
        QFETCH(QString, ostrzezenie);
        iniZSymulatoremTcp(ini);
        sterownikKvor();
        if (odmowa)
            tcp->ustawTryb(SymulatorTcp::Tryb::Odmowa);
        auto o = okno();
        if (!ostrzezenie.isEmpty())
            komunikaty->oczekuj(R::Ostrzezenie, ostrzezenie);
        o->Aol_TestClick();
        QVERIFY(komunikaty->pusty());
        QCOMPARE(o->L_ok->isVisible(), !wynik.isEmpty());
        if (!wynik.isEmpty())
            QCOMPARE(o->L_ok->text(), wynik);
        if (wynik == "OK") {
            // The type through the serial-number query, then the lock state.
            QCOMPARE(tcp->ramki().size(), size_t(2));
            QCOMPARE(tcp->ramki()[0].mid(5, 2), QByteArray("F\x07"));
            QCOMPARE(tcp->ramki()[1].mid(5, 2), QByteArray("G\x07"));
        }
        if (!ostrzezenie.isEmpty())
            QVERIFY(tcp->ramki().empty());
        QVERIFY(!lan->inProgress());
        QVERIFY(o->Timer1->isActive());
        QVERIFY(o->Aol_Test->Enab());
        QVERIFY(pty->ramki().empty());
    }

    // A record that names neither transport: no operation of the shell
    // sends anything on either. Each fails, the reads that may speak with
    // "Brak komunikacji"; the connection test shows "ERR" and the
    // automatic reading hides the frame.
    void nieznaneLacze()
    {
        iniZSymulatoremTcp();
        sterownikKvor();
        auto o = okno();
        TUstawieniaSterownika u;
        o->wezUstawieniaSterownika(u, true);
        u.lan.LAN_ACTIVE = 2;
        QString typ;
        TOdczyty odczyty{};
        int ns = 0;
        bool blokada = false;
        komunikaty->oczekuj(R::Blad, "Brak komunikacji").oczekuj(R::Blad, "Brak komunikacji");
        QVERIFY(!czytajTypSterownika(false, typ, u));
        QVERIFY(!czytajOdczyty(false, odczyty, u, false));
        QVERIFY(komunikaty->pusty());
        QVERIFY(!czytajNumerSeryjny(false, ns, u));
        QVERIFY(!czytajBlokade(blokada, u));
        QVERIFY(wyslijBlokade(u) != 0);

        const TWynikTestuPolaczenia test = sprawdzPolaczenie(u);
        QVERIFY(test.wykonany && !test.ok);
        pokazWynikTestu(*o->L_ok, test);
        QVERIFY(o->L_ok->isVisible());
        QCOMPARE(o->L_ok->text(), QString("ERR"));
        QCOMPARE(kolor(o->L_ok), QColor(255, 0, 0));

        TFrameBiezaceOdczyty &r = *o->FrameBiezaceOdczyty1;
        r.setHide(false);
        odczytajAutomatycznie(r, u, o->projekt.daneProjektu);
        QVERIFY(r.isHidden());

        QCOMPARE(int(komunikaty->pokazane.size()), 2);
        QVERIFY(pty->ramki().empty());
        QVERIFY(tcp->ramki().empty());
    }

    // Over TCP/IP the serial number is the typed one and every controller
    // that answers counts as supported.
    void odczytPrzezTcp()
    {
        iniZSymulatoremTcp("SN=200000\n");
        sterownikKvor(2116, 4);
        sterownik->zmien([](StanSterownika &s) {
            s.numerSeryjny = 200000;
            s.typ = "inny";
        });
        auto o = okno();
        TFrameBiezaceOdczyty &r = *o->FrameBiezaceOdczyty1;
        o->CzytajAutomatycznie();
        QVERIFY(r.isVisible());
        QCOMPARE(r.l_nazwa->text(), QString("Kvor 350  S/N: 200000"));
        QVERIFY(!r.nieobslugiwane());
        QCOMPARE(r.L_wersja->text(), QString("2.116 (4)"));
        QCOMPARE(o->projekt.daneProjektu.ns, 200000);
        QVERIFY(!lan->inProgress());
        QVERIFY(pty->ramki().empty());

        // A failed lock-state read counts as a failed step over TCP/IP.
        usterki->dodaj('G', 0x07, Usterka{RodzajUsterki::BrakOdpowiedzi}, PlanUsterek::zawsze);
        o->CzytajAutomatycznie();
        QVERIFY(r.isHidden());
        QVERIFY(komunikaty->pokazane.empty());
    }

    // No reading starts while a TCP/IP operation is in progress.
    void odczytCzekaNaLan()
    {
        iniZSymulatoremTcp("AutoRead=1\n");
        sterownikKvor();
        auto o = okno();
        o->naPierwszymPlanie = [] { return true; };
        o->TimerStarterTimer();
        TUstawieniaSterownika u;
        o->wezUstawieniaSterownika(u, true);
        std::unique_ptr<IKlientTcp> strumien;
        QCOMPARE(lan->make_START(strumien, u), 0);
        QVERIFY(zajety());
        // The simulator counts the connection once its thread has taken it.
        QTRY_COMPARE_WITH_TIMEOUT(tcp->polaczen(), 1, 10000);
        const int polaczen = tcp->polaczen();
        o->TimerAutomatTimer();
        QCOMPARE(tcp->polaczen(), polaczen);
        QVERIFY(o->FrameBiezaceOdczyty1->isHidden());
        QCOMPARE(lan->make_END(strumien), 0);
        QVERIFY(!zajety());
        o->TimerAutomatTimer();
        QVERIFY(tcp->polaczen() > polaczen);
        QVERIFY(o->FrameBiezaceOdczyty1->isVisible());
    }

    // The adapter unplugged and plugged back at the same path: the test
    // after the loss fails, the one after the return passes again.
    void testPoPowrocieAdaptera()
    {
        const QString dowiazanie = dir->filePath("ttyKVOR");
        const auto wskaz = [&](const QString &cel) {
            QFile::remove(dowiazanie);
            return QFile::link(cel, dowiazanie);
        };
        QVERIFY(wskaz(pty->sciezka()));
        zapiszIni("[Parametry]\nCOM1Device=" + dowiazanie.toUtf8() + "\nComboBoxPort=0\n");
        sterownikKvor();
        auto o = okno();
        o->Aol_TestClick();
        QCOMPARE(o->L_ok->text(), QString("OK"));

        // Unplugged, the device goes and its link with it. A link left
        // behind could lead to a stranger: the freed pty number goes to the
        // next pty any process opens.
        pty->zatrzymaj();
        QVERIFY(QFile::remove(dowiazanie));
        o->Aol_TestClick();
        QCOMPARE(o->L_ok->text(), QString("ERR"));

        QString blad;
        QVERIFY2(pty->uruchom(&blad), qPrintable(blad));
        QVERIFY(wskaz(pty->sciezka()));
        o->Aol_TestClick();
        QCOMPARE(o->L_ok->text(), QString("OK"));
        QVERIFY(komunikaty->pokazane.empty());
    }

    // The automatic reading's one try and 500 ms go with its own calls: the
    // program-wide settings stay as they are while its messages run.
    void odczytZWlasnymiProbami()
    {
        iniZSymulatorem();
        sterownikKvor();
        usterki->dodaj('F', 0x07, Usterka{RodzajUsterki::BrakOdpowiedzi}, PlanUsterek::zawsze);
        auto o = okno();
        bool globalneBezZmian = true;
        int przetworzenia = 0;
        zegar->naPrzetworz = [&] {
            ++przetworzenia;
            globalneBezZmian = globalneBezZmian && iloscPowtorzen == 3 && timeoutStand == 1000;
        };
        o->CzytajAutomatycznie();
        zegar->naPrzetworz = nullptr;
        QVERIFY(przetworzenia > 0);
        QVERIFY(globalneBezZmian);
        QVERIFY(o->FrameBiezaceOdczyty1->isHidden());
        int numerow = 0;
        for (const QByteArray &r : pty->ramki())
            numerow += r.at(1) == 'F' && r.at(2) == 0x07;
        QCOMPARE(numerow, 1);
        QCOMPARE(lacze->czasOdczytu(), 500);
    }

    // Ticks that come while an exchange waits (its waits run the timers)
    // are skipped, never nested on the port; the timers go on afterwards.
    void tykniecieWTrakcieWymiany()
    {
        iniZSymulatorem("AutoRead=1\n");
        sterownikKvor();
        auto o = okno();
        int odczytow = 0;
        o->CzytajAutomatycznie = [&] { ++odczytow; };
        o->naPierwszymPlanie = [] { return true; };
        o->TimerStarterTimer();
        o->TimerAutomat->setInterval(20);
        int tykniec = 0;
        connect(o->TimerAutomat, &QTimer::timeout, this, [&] { ++tykniec; });
        o->L_ok->show();
        o->Timer1->setInterval(20);
        o->Timer1->start();
        zegar->przetwarzajZdarzenia = true;

        usterki->dodaj('F', 0x01, Usterka{RodzajUsterki::BrakOdpowiedzi});
        lacze->ustawCzasOdczytu(300);
        TUstawieniaSterownika u;
        o->wezUstawieniaSterownika(u, true);
        TOdczyty odczyty{};
        QVERIFY(!czytajOdczyty(true, odczyty, u, false));
        QVERIFY(tykniec >= 3);
        QCOMPARE(odczytow, 0);
        QVERIFY(o->L_ok->isVisible());
        QVERIFY(o->Timer1->isActive());

        QTRY_VERIFY(odczytow > 0);
        QTRY_VERIFY(!o->L_ok->isVisible());
        QVERIFY(!o->Timer1->isActive());
        zegar->przetwarzajZdarzenia = false;
    }

    // Closing the window in the middle of an exchange waits for its end;
    // then the lock command goes and the window closes.
    void zamkniecieWTrakcieWymiany()
    {
        iniZSymulatorem();
        sterownikKvor();
        auto o = okno();
        o->lockService.bylaBlokada = true;
        zegar->przetwarzajZdarzenia = true;
        usterki->dodaj('F', 0x01, Usterka{RodzajUsterki::BrakOdpowiedzi});
        lacze->ustawCzasOdczytu(300);
        TUstawieniaSterownika u;
        o->wezUstawieniaSterownika(u, true);
        bool zamykano = false;
        zegar->naPrzetworz = [&] {
            if (!std::exchange(zamykano, true))
                QVERIFY(!o->close());
        };
        TOdczyty odczyty{};
        QVERIFY(!czytajOdczyty(true, odczyty, u, false));
        zegar->naPrzetworz = nullptr;
        QVERIFY(zamykano);
        QVERIFY(o->isVisible());
        QCOMPARE(ileBlokad(*pty), 0);

        QTRY_VERIFY(!o->isVisible());
        zegar->przetwarzajZdarzenia = false;
        QVERIFY(pty->czekajNaBezczynnosc(3000));
        QCOMPARE(ileBlokad(*pty), 1);
        QCOMPARE(pty->ramki().back().at(1), 'G');
        QVERIFY(komunikaty->pokazane.empty());
    }

    void blokadaPrzyZamknieciu_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("bylaBlokada");
        QTest::addColumn<int>("blokady");
        QTest::newRow("unlocked in this run") << QByteArray() << true << 1;
        QTest::newRow("never unlocked") << QByteArray() << false << 0;
        QTest::newRow("controller silent") << QByteArray("IntEditAdres=9\n") << true << 2;
        QTest::newRow("no port") << QByteArray("ComboBoxPort=-1\n") << true << 0;
        QTest::newRow("TCP/IP") << QByteArray("connectionType=1\n") << true << 0;
    }
    void blokadaPrzyZamknieciu()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, bylaBlokada);
        iniZSymulatorem(ini);
        sterownikKvor();
        auto o = okno();
        o->lockService.bylaBlokada = bylaBlokada;
        // Even a cancelled closing sends it.
        o->projekt.bylazmianaProjektu = true;
        komunikaty->oczekuj(R::PytanieTakNieAnuluj, "Zapisać zmiany?", -1);
        QVERIFY(!o->close());
        QVERIFY(komunikaty->pusty());
        QVERIFY(pty->czekajNaBezczynnosc(10000));
        QTEST(ileBlokad(*pty), "blokady");
        QVERIFY(tcp->ramki().empty());
        o->projekt.bylazmianaProjektu = false;
        QVERIFY(o->close());
        QCOMPARE(komunikaty->pokazane.size(), size_t(1));
    }
};

QTEST_MAIN(TestPolaczenie)
#include "test_polaczenie.moc"
