#include "edycja_liczb.h"
#include "komunikaty_skrypt.h"
#include "okno_glowne.h"
#include "operacja.h"
#include "przycisk_plaski.h"
#include "sciezki.h"
#include "start.h"
#include "test_qt.h"
#include "ustawienia_ini.h"
#include "wersja.h"
#include "wymiana.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <optional>
#include <stdexcept>

using R = RodzajKomunikatu;

class TestOknoGlowne : public TestQt {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<KomunikatySkrypt> komunikaty;
    std::unique_ptr<WyborPlikuSkrypt> wybor;

    QString plikIni() const { return dir->filePath(QStringLiteral("ustawienia.ini")); }
    void zapiszIni(const QByteArray &b) const
    {
        QFile f(plikIni());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(b);
    }
    QByteArray czytajIni() const
    {
        QFile f(plikIni());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString plikProjektu(const char *nazwa) const
    {
        const QString p = dir->filePath(QString::fromUtf8(nazwa));
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray(rozmiarPlikuProjektu, '\0'));
        QFile m(nazwaPlikuMycia(p));
        m.open(QIODevice::WriteOnly);
        m.write(QByteArray(rozmiarPlikuMycia, '\0'));
        return p;
    }

protected:
    void przedTestem() override
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        ustawKatalogProgramu(dir->path());
        komunikaty = std::make_unique<KomunikatySkrypt>();
        wybor = std::make_unique<WyborPlikuSkrypt>();
    }
    void poTescie() override
    {
        wybor.reset();
        komunikaty.reset();
        ustawKatalogProgramu(QString());
        dir.reset();
    }

private slots:
    void logRamek_data()
    {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<bool>("log");
        QTest::newRow("/D") << QStringList{"/D"} << true;
        QTest::newRow("/d") << QStringList{"/d"} << true;
        QTest::newRow("blanks") << QStringList{" /D "} << true;
        QTest::newRow("tab, newline") << QStringList{"\t/d\n"} << true;
        QTest::newRow("/DX") << QStringList{"/DX"} << false;
        QTest::newRow("/ D") << QStringList{"/ D"} << false;
        QTest::newRow("second") << QStringList{"plik.k3p", "/D"} << false;
        QTest::newRow("none") << QStringList{} << false;
    }
    void logRamek()
    {
        QFETCH(QStringList, argumenty);
        QFETCH(bool, log);
        QCOMPARE(czyLogRamek(argumenty), log);
    }

    void plikZArgumentu()
    {
        const QString p = plikProjektu("zakład.k3p");
        QCOMPARE(plikProjektuZArgumentow({p}), p);
        QCOMPARE(plikProjektuZArgumentow({p + "x"}), QString());
        QCOMPARE(plikProjektuZArgumentow({dir->path()}), QString());
        QCOMPARE(plikProjektuZArgumentow({}), QString());
        // " /D " also names the file "D " in the folder " ": the frame log
        // wins and nothing is opened.
        const QString przed = QDir::currentPath();
        QDir(dir->path()).mkdir(" ");
        QFile(dir->filePath(" /D ")).open(QIODevice::WriteOnly);
        QDir::setCurrent(dir->path());
        QVERIFY(QFileInfo::exists(" /D "));
        QCOMPARE(plikProjektuZArgumentow({" /D "}), QString());
        QDir::setCurrent(przed);
    }

    void tytulIWymiary()
    {
        QApplication::setApplicationName("Setup kVOR 350");
        TForm1 okno;
        QCOMPARE(QApplication::applicationName(), QString("Setup kVOR350"));
        QCOMPARE(okno.windowTitle(), "Setup kVOR350   " + wersjaProgramuPelna());
        okno.show();
        QCOMPARE(okno.centralWidget()->size(), QSize(877, 630));
        QCOMPARE(okno.minimumSize(), okno.maximumSize());
        QVERIFY(!(okno.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(okno.Label1->text(), katalogProgramu() + "default.k3p");
    }

    void domyslneBezPliku()
    {
        TForm1 okno;
        okno.listaUrzadzen = [] { return QStringList(); };
        okno.show();
        QVERIFY(!okno.cb_automat->isChecked());
        QCOMPARE(okno.jezykId, 2057);
        QCOMPARE(okno.ComboBoxPort->count(), 255);
        QCOMPARE(okno.ComboBoxPort->itemText(0), QString("COM1"));
        QCOMPARE(okno.ComboBoxPort->itemText(254), QString("COM255"));
        QCOMPARE(okno.ComboBoxPort->currentIndex(), -1);
        QCOMPARE(okno.ComboBoxPredkosc->currentIndex(), 2);
        QCOMPARE(okno.ComboBoxPredkosc->itemText(2), QString("115200"));
        QCOMPARE(okno.IntEditAdres->Value(), 1);
        QCOMPARE(okno.IntEditAdres->MaxValue(), 247);
        QCOMPARE(okno.adresIp->text(), QString("0.0.0.0"));
        QCOMPARE(okno.se_numerSeryjny->value(), 0);
        QCOMPARE(okno.pg_transmisjaRodzaj->currentIndex(), 0);
        QCOMPARE(okno.pg_transmisjaRodzaj->tabText(0), QString("RS-485"));
        QCOMPARE(okno.pg_transmisjaRodzaj->tabText(1), QString("TCP/IP"));
        QCOMPARE(okno.ustawieniaLacza.IleSleep, 5);
        QCOMPARE(okno.ustawieniaLacza.timeoutStand, 1000);
        QVERIFY(!okno.L_ok->isVisible());
        QVERIFY(!okno.itemsPanel->isVisible());
        QVERIFY(!okno.cb_automat->isVisible());
        QVERIFY(!okno.FrameBiezaceOdczyty1->isVisible());
        QCOMPARE(okno.projekt.projekt().programyMycie.nr_prog, 100);
    }

    // Keys in other letter cases, as another tool may have written them.
    void startStosujeUstawienia()
    {
        zapiszIni("[parametry]\r\nautoread=1\r\nCOMBOBOXPORT=4\r\ncomboboxpredkosc=0\r\nIntEditAdres=17\r\n"
                  "ipaddress=10.1.2.3\r\nsn=123456\r\nConnectionType=1\r\nIleSleep=10\r\n"
                  "COM3MINUSOFFSET=1\r\nTransmisjaNT=1\r\ntimeoutstand=700\r\n[LANGUAGE]\r\nLangid=1049\r\n");
        TForm1 okno;
        // Read at creation.
        QVERIFY(okno.cb_automat->isChecked());
        QCOMPARE(okno.jezykId, 1049);
        // Read at the first showing.
        QCOMPARE(okno.ComboBoxPort->currentIndex(), -1);
        okno.show();
        QCOMPARE(okno.ComboBoxPort->currentIndex(), 4);
        QCOMPARE(okno.ComboBoxPredkosc->currentIndex(), 0);
        QCOMPARE(okno.IntEditAdres->Value(), 17);
        QCOMPARE(okno.adresIp->text(), QString("10.1.2.3"));
        QCOMPARE(okno.se_numerSeryjny->value(), 123456);
        QCOMPARE(okno.pg_transmisjaRodzaj->currentIndex(), 1);
        QCOMPARE(okno.ustawieniaLacza.IleSleep, 5);
        QVERIFY(okno.ustawieniaLacza.UjemneOfesty[2]);
        QVERIFY(!okno.ustawieniaLacza.UjemneOfesty[3]);
        QVERIFY(okno.ustawieniaLacza.TransmisjaNT);
        QCOMPARE(okno.ustawieniaLacza.timeoutStand, 700);
        // Later showings apply nothing again.
        okno.ComboBoxPort->setCurrentIndex(7);
        okno.hide();
        okno.show();
        QCOMPARE(okno.ComboBoxPort->currentIndex(), 7);
    }

    void wartosciPozaZakresem_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("predkosc");
        QTest::addColumn<int>("adres");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<int>("rodzaj");
        QTest::newRow("last port") << QByteArray("ComboBoxPort=254") << 254 << 2 << 1 << "0.0.0.0" << 0;
        QTest::newRow("past the list") << QByteArray("ComboBoxPort=255\nComboBoxPredkosc=3") << -1 << 2 << 1
                                       << "0.0.0.0" << 0;
        QTest::newRow("negative") << QByteArray("ComboBoxPort=-3\nComboBoxPredkosc=-1\nIntEditAdres=-4") << -1 << 2 << 0
                                  << "0.0.0.0" << 0;
        QTest::newRow("too high") << QByteArray("IntEditAdres=300\nconnectionType=5") << -1 << 2 << 247 << "0.0.0.0"
                                  << 0;
        QTest::newRow("not numbers") << QByteArray("ComboBoxPort=COM3\nIntEditAdres=x\nIpAddress=10.1.2") << -1 << 2
                                     << 1 << "0.0.0.0" << 0;
        QTest::newRow("bad address") << QByteArray("IpAddress=300.1.2.3") << -1 << 2 << 1 << "0.0.0.0" << 0;
    }
    void wartosciPozaZakresem()
    {
        QFETCH(QByteArray, ini);
        zapiszIni("[Parametry]\n" + ini + "\n");
        TForm1 okno;
        okno.show();
        QTEST(okno.ComboBoxPort->currentIndex(), "port");
        QTEST(okno.ComboBoxPredkosc->currentIndex(), "predkosc");
        QTEST(okno.IntEditAdres->Value(), "adres");
        QTEST(okno.adresIp->text(), "ip");
        QTEST(okno.pg_transmisjaRodzaj->currentIndex(), "rodzaj");
    }

    void projektZPierwszegoArgumentu()
    {
        const QString p = plikProjektu("zakład.k3p");
        zapiszIni("[Parametry]\nIntEditAdres=9\n");
        TForm1 okno({p});
        QCOMPARE(okno.projekt.projektNnazwa, katalogProgramu() + "default.k3p");
        okno.show();
        QCOMPARE(okno.projekt.projektNnazwa, p);
        QCOMPARE(okno.Label1->text(), p);
        QCOMPARE(okno.IntEditAdres->Value(), 9);

        TForm1 brak({dir->filePath("brak.k3p")});
        brak.show();
        QCOMPARE(brak.projekt.projektNnazwa, katalogProgramu() + "default.k3p");
    }

    void projektZlegoRozmiaruZArgumentu()
    {
        const QString p = dir->filePath("krotki.k3p");
        QFile f(p);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(100, '\0'));
        f.close();
        komunikaty->oczekuj(R::Blad, "inną wersją programu");
        TForm1 okno({p});
        okno.show();
        QCOMPARE(okno.Label1->text(), QString());
    }

    void zapisPrzyZamknieciu()
    {
        zapiszIni("; wspólny plik\r\n[Parametry]\r\nObcyKlucz=zostaje\r\nSTRONAKODOWA=5\r\nIleSleep=10\r\n"
                  "[Inna sekcja]\r\nx=1\r\n");
        {
            TForm1 okno;
            okno.show();
            okno.cb_automat->setChecked(true);
            okno.ComboBoxPort->setCurrentIndex(2);
            okno.ComboBoxPredkosc->setCurrentIndex(1);
            okno.IntEditAdres->setValue(33);
            okno.adresIp->setText("192.168.1.20");
            okno.se_numerSeryjny->setValue(65432);
            okno.pg_transmisjaRodzaj->setCurrentIndex(1);
            okno.jezykId = 1045;
            QVERIFY(okno.close());
        }
        QCOMPARE(czytajIni(),
                 QByteArray("; wspólny plik\r\n[Parametry]\r\nObcyKlucz=zostaje\r\nSTRONAKODOWA=0\r\nIleSleep=10\r\n"
                            "AutoRead=1\r\nComboBoxPort=2\r\nComboBoxPredkosc=1\r\nIntEditAdres=33\r\n"
                            "IpAddress=192.168.1.20\r\nSN=65432\r\nconnectionType=1\r\n"
                            "[Inna sekcja]\r\nx=1\r\n\r\n[language]\r\nlangId=1045\r\n"));

        // Read back by a new window as written.
        TForm1 drugie;
        drugie.show();
        QVERIFY(drugie.cb_automat->isChecked());
        QCOMPARE(drugie.ComboBoxPort->currentIndex(), 2);
        QCOMPARE(drugie.pg_transmisjaRodzaj->currentIndex(), 1);
        QCOMPARE(drugie.jezykId, 1045);
    }

    void kluczeWKolejnosci()
    {
        {
            TForm1 okno;
            okno.show();
            QVERIFY(okno.close());
        }
        QCOMPARE(czytajIni(), QByteArray("[Parametry]\r\nAutoRead=0\r\nComboBoxPort=-1\r\nComboBoxPredkosc=2\r\n"
                                         "IntEditAdres=1\r\nStronaKodowa=0\r\nIpAddress=0.0.0.0\r\nSN=0\r\n"
                                         "connectionType=0\r\n\r\n[language]\r\nlangId=2057\r\n"));
    }

    void nieudanyZapisUstawienNieBlokujeZamkniecia()
    {
        // "ustawienia.ini" is a folder: the settings cannot be written,
        // which is reported each time.
        QVERIFY(QDir(dir->path()).mkdir("ustawienia.ini"));
        TForm1 okno;
        okno.show();
        komunikaty->oczekuj(R::Blad, plikIni()).oczekuj(R::Blad, plikIni());
        QVERIFY(!okno.FormClose());
        QVERIFY(okno.close());
        QVERIFY(QFileInfo(plikIni()).isDir());
    }

    void zamkniecieBezZmianNiePyta()
    {
        TForm1 okno;
        okno.show();
        QVERIFY(okno.close());
        QVERIFY(komunikaty->pokazane.empty());
    }

    void pytanieOZapis_data()
    {
        QTest::addColumn<int>("odpowiedz");
        QTest::addColumn<QString>("plik"); // answer of the save dialog, if asked
        QTest::addColumn<bool>("zamkniete");
        QTest::addColumn<bool>("zapisany");
        QTest::newRow("Cancel") << -1 << QString() << false << false;
        QTest::newRow("No") << 0 << QString() << true << false;
        QTest::newRow("Yes") << 1 << "nowy.k3p" << true << true;
        QTest::newRow("Yes, save cancelled") << 1 << "" << false << false;
    }
    void pytanieOZapis()
    {
        QFETCH(int, odpowiedz);
        QFETCH(QString, plik);
        QFETCH(bool, zamkniete);
        QFETCH(bool, zapisany);
        const QString sciezka = plik.isEmpty() ? QString() : dir->filePath(plik);

        TForm1 okno;
        okno.show();
        okno.TimerStarterTimer();
        QVERIFY(okno.TimerAutomat->isActive());
        okno.projekt.bylazmianaProjektu = true;
        komunikaty->oczekuj(R::PytanieTakNieAnuluj, "Zapisać zmiany?", odpowiedz);
        if (odpowiedz == 1) {
            wybor->odpowiedzi.push_back(sciezka);
            if (sciezka.isEmpty())
                komunikaty->oczekuj(R::Blad, "Plik projektu nie został zapisany!");
        }
        QCOMPARE(okno.close(), zamkniete);
        QVERIFY(komunikaty->pusty());
        QCOMPARE(komunikaty->pokazane.front().tekst, QString("Zapisać zmiany?"));
        QCOMPARE(okno.isVisible(), !zamkniete);
        QCOMPARE(QFileInfo::exists(sciezka), zapisany);
        QCOMPARE(okno.projekt.bylazmianaProjektu, !zapisany);
        // The settings are written only when the window closes.
        QCOMPARE(QFileInfo::exists(plikIni()), zamkniete);
        if (!zamkniete)
            QVERIFY(okno.TimerAutomat->isActive());
    }

    void timery()
    {
        TForm1 okno;
        QCOMPARE(okno.TimerStarter->interval(), 2000);
        QVERIFY(okno.TimerStarter->isActive());
        QCOMPARE(okno.TimerAutomat->interval(), 1000);
        QVERIFY(!okno.TimerAutomat->isActive());
        QCOMPARE(okno.Timer1->interval(), 4000);
        QVERIFY(!okno.Timer1->isActive());

        okno.show();
        okno.TimerStarterTimer();
        QVERIFY(okno.TimerAutomat->isActive());
        QVERIFY(!okno.TimerStarter->isActive());
        QVERIFY(okno.cb_automat->isVisible());
        QVERIFY(okno.L_automat->isVisible());

        // Timer1 clears the connection test's result.
        okno.L_ok->setText("OK");
        okno.L_ok->show();
        okno.projekt.daneProjektu.default_ = true;
        okno.projekt.daneProjektu.ns = 5;
        okno.Timer1->start();
        okno.Timer1Timer();
        QVERIFY(!okno.Timer1->isActive());
        QVERIFY(!okno.L_ok->isVisible());
        QVERIFY(!okno.projekt.daneProjektu.default_);
        QCOMPARE(okno.projekt.daneProjektu.ns, 0);
    }

    void odczytAutomatyczny_data()
    {
        QTest::addColumn<bool>("zaznaczony");
        QTest::addColumn<bool>("zablokowany");
        QTest::addColumn<bool>("lan");
        QTest::addColumn<bool>("zPrzodu");
        QTest::addColumn<int>("odczyty");
        QTest::addColumn<QString>("ramka"); // calls of the frame's active flag
        QTest::newRow("all hold") << true << false << false << true << 1 << "1";
        QTest::newRow("not ticked") << false << false << false << true << 0 << "";
        QTest::newRow("operation running") << true << true << false << true << 0 << "";
        QTest::newRow("TCP/IP in progress") << true << false << true << true << 0 << "";
        QTest::newRow("not in front") << true << false << false << false << 0 << "0";
    }
    void odczytAutomatyczny()
    {
        QFETCH(bool, zaznaczony);
        QFETCH(bool, zablokowany);
        QFETCH(bool, lan);
        QFETCH(bool, zPrzodu);
        TForm1 okno;
        okno.show();
        int odczyty = 0;
        bool timerWTrakcie = true;
        QString ramka;
        okno.naPierwszymPlanie = [&] { return zPrzodu; };
        okno.ustawRamkeAktywna = [&](bool b) { ramka += b ? "1" : "0"; };
        okno.CzytajAutomatycznie = [&] {
            ++odczyty;
            timerWTrakcie = okno.TimerAutomat->isActive();
        };
        okno.cb_automat->setChecked(zaznaczony);
        // An operation of the window, or a TCP/IP exchange on the wire.
        std::optional<TOperacja> operacja;
        if (zablokowany)
            operacja.emplace(&okno);
        std::optional<TrwaWymiana> wymiana;
        if (lan)
            wymiana.emplace();
        QCOMPARE(okno.TimerAutomatTag(), zablokowany ? 1 : 0);
        okno.TimerStarterTimer();

        okno.TimerAutomatTimer();
        QTEST(odczyty, "odczyty");
        QTEST(ramka, "ramka");
        if (odczyty)
            QVERIFY(!timerWTrakcie); // no second step inside a slow reading
        QVERIFY(okno.TimerAutomat->isActive());

        // A stopped timer stays stopped.
        okno.TimerAutomat->stop();
        okno.TimerAutomatTimer();
        QVERIFY(!okno.TimerAutomat->isActive());
    }

    void odczytAutomatycznyPolykaWyjatki()
    {
        TForm1 okno;
        okno.show();
        okno.naPierwszymPlanie = [] { return true; };
        okno.CzytajAutomatycznie = [] { throw std::runtime_error("port zniknął"); };
        okno.cb_automat->setChecked(true);
        okno.TimerStarterTimer();
        okno.TimerAutomatTimer();
        QVERIFY(okno.TimerAutomat->isActive());
        QVERIFY(komunikaty->pokazane.empty());
    }

    void pierwszyPlanToOknoAktywne()
    {
        TForm1 okno;
        QVERIFY(!okno.naPierwszymPlanie());
        okno.show();
        okno.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&okno, 20000));
        QVERIFY(okno.naPierwszymPlanie());
        QWidget inne;
        inne.show();
        inne.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&inne, 20000));
        QVERIFY(!okno.naPierwszymPlanie());
    }

    // The lock of an operation goes with it and processes no events on the
    // way: what was posted meanwhile runs only in the event loop.
    void blokadaOperacji()
    {
        TForm1 okno;
        okno.show();
        bool uruchomione = false;
        {
            std::optional<TOperacja> operacja(std::in_place, &okno);
            QCOMPARE(okno.TimerAutomatTag(), 1);
            QVERIFY(!okno.AOL_do->Enab() && !okno.itemsPanel->isEnabled());
            // Not lifted from outside the operation.
            okno.blokuj(false);
            QCOMPARE(okno.TimerAutomatTag(), 1);
            QMetaObject::invokeMethod(
                &okno, [&] { uruchomione = true; }, Qt::QueuedConnection);
            operacja.reset();
            QVERIFY(!uruchomione);
        }
        QCOMPARE(okno.TimerAutomatTag(), 0);
        QVERIFY(okno.AOL_do->Enab() && okno.itemsPanel->isEnabled());
        QTRY_VERIFY(uruchomione);
    }

    void blokowanie()
    {
        TForm1 okno;
        okno.show();
        const QList<TAOLButton *> bezPolecenia{
            okno.AOL_setup,    okno.AOL_Ai,         okno.AOL_Ao,           okno.AOL_di,        okno.aol_moduly,
            okno.AOL_zadane,   okno.AOL_dodatki,    okno.AOL_wilgotnosc,   okno.AOL_stany,     okno.AOL_kroki,
            okno.AOL_programy, okno.AOL_krokiMycia, okno.AOL_programMycia, okno.AOL_mycieUstaw};
        const QColor szary(128, 128, 128);
        // Unlocked by the new project; only what has a command works.
        for (TAOLButton *b : {okno.AOL_do, okno.Aol_Test}) {
            QVERIFY2(b->Enab(), qPrintable(b->objectName()));
            QCOMPARE(b->kolorCzcionki(), QColor(Qt::white));
        }
        for (TAOLButton *b : bezPolecenia) {
            QVERIFY2(!b->Enab(), qPrintable(b->objectName()));
            QCOMPARE(b->kolorCzcionki(), szary);
        }
        QVERIFY(!okno.WysylanieProjektu->isEnabled());
        QVERIFY(okno.Plik->menuAction()->isEnabled());

        okno.blokuj(true);
        QCOMPARE(okno.TimerAutomatTag(), 1);
        QVERIFY(!okno.AOL_do->Enab());
        QCOMPARE(okno.AOL_do->kolorCzcionki(), szary);
        QVERIFY(!okno.Aol_Test->Enab());
        QVERIFY(!okno.itemsPanel->isEnabled());
        for (QMenu *m : {okno.Plik, okno.Projekt, okno.Narzedzia})
            QVERIFY(!m->menuAction()->isEnabled());

        // A command given while locked waits for the unlock.
        int wywolania = 0;
        okno.podlacz(okno.AOL_setup, [&] { ++wywolania; });
        QVERIFY(!okno.AOL_setup->Enab());
        okno.blokuj(false);
        QCOMPARE(okno.TimerAutomatTag(), 0);
        QVERIFY(okno.AOL_setup->Enab());
        QCOMPARE(okno.AOL_setup->kolorCzcionki(), QColor(Qt::white));
        QTest::mouseClick(okno.AOL_setup, Qt::LeftButton);
        QCOMPARE(wywolania, 1);
        for (QMenu *m : {okno.Plik, okno.Projekt, okno.Narzedzia})
            QVERIFY(m->menuAction()->isEnabled());
    }

    void poleceniePrzyciskuZglaszaBlad()
    {
        TForm1 okno;
        okno.show();
        okno.podlacz(okno.AOL_zadane, [] { throw std::runtime_error("brak pamięci"); });
        komunikaty->oczekuj(R::Blad, "brak pamięci");
        QTest::mouseClick(okno.AOL_zadane, Qt::LeftButton);
        QVERIFY(komunikaty->pusty());
    }

    void menu()
    {
        TForm1 okno;
        const auto teksty = [](QMenu *m) {
            QStringList t;
            for (QAction *a : m->actions())
                t << (a->isSeparator() ? QString("-") : a->text());
            return t;
        };
        QCOMPARE(okno.Plik->title(), QString("Plik"));
        QCOMPARE(teksty(okno.Plik), QStringList({"Nowy", "Otwórz", "Zapisz", "Zapisz jako...", "-", "Wyjście"}));
        QCOMPARE(okno.Projekt->title(), QString("Projekt"));
        QCOMPARE(teksty(okno.Projekt),
                 QStringList({"Odczytanie projektu ze sterownika", "Wysyłanie projektu do sterownika"}));
        QCOMPARE(okno.Narzedzia->title(), QString("Narzędzia"));
        QCOMPARE(teksty(okno.Narzedzia), QStringList({"Wysłanie graficznego LOGO ", "Wgranie aktualizacji firmware",
                                                      "Wysłanie grafik", "Wybierz język", "Ustawienie daty i czasu"}));
        QCOMPARE(teksty(okno.WybierzJezyk), QStringList({"Polski", "Angielski"}));
        QVERIFY(okno.Polski->isCheckable() && okno.Angielski->isCheckable());
        for (QAction *a : okno.Plik->actions())
            QVERIFY(a->isEnabled());
        // What needs the controller or the editors does not pretend to work.
        for (QAction *a : {okno.OdczytProjektu, okno.WysylanieProjektu, okno.WyslanieLogo, okno.AktualizacjaFirmware,
                           okno.WyslanieGrafik, okno.DataCzas})
            QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
        for (QAction *a : {okno.Polski, okno.Angielski, okno.WybierzJezyk->menuAction()})
            QVERIFY2(a->isEnabled(), qPrintable(a->text()));

        okno.show();
        okno.Wyjscie->trigger();
        QVERIFY(!okno.isVisible());
    }

    void teksty()
    {
        TForm1 okno;
        const QList<QPair<TAOLButton *, QString>> przyciski{
            {okno.AOL_setup, "Setup"},
            {okno.AOL_Ai, "[AI] Wejścia analogowe"},
            {okno.AOL_do, "[DO] WYjścia cyfrowe"},
            {okno.AOL_Ao, "[AO] WYjścia analogowe"},
            {okno.AOL_di, "[DI] WEjścia cyfrowe"},
            {okno.aol_moduly, "Moduły dodatkowe"},
            {okno.AOL_zadane, "Zadane"},
            {okno.AOL_dodatki, "Dodatki"},
            {okno.AOL_wilgotnosc, "Wilgotność"},
            {okno.AOL_stany, "Tryby specjalne"},
            {okno.AOL_kroki, "Kroki"},
            {okno.AOL_programy, "Programy"},
            {okno.AOL_krokiMycia, "Kroki mycia"},
            {okno.AOL_programMycia, "Program mycia"},
            {okno.AOL_mycieUstaw, "Ustawienia mycia"},
            {okno.itemKonfiguracja, "konfiguracja"},
            {okno.itemAlarmy, "alarmy"},
            {okno.Aol_Test, "Test połączenia"},
        };
        for (const auto &[b, t] : przyciski)
            QCOMPARE(b->Caption(), t);
        QCOMPARE(okno.L_com->text(), QString("Nr COM"));
        QCOMPARE(okno.L_adres->text(), QString("Adres RS-485"));
        QCOMPARE(okno.L_predkosc->text(), QString("Prędkość transmisji"));
        QCOMPARE(okno.L_numerSeryjny->text(), QString("Numer Seryjny"));
        QCOMPARE(okno.L_adresIp->text(), QString("Adres IP"));
        QCOMPARE(okno.L_automat->text(), QString("Automatycznie czytaj"));
        // Colour groups.
        QCOMPARE(okno.AOL_Ai->Color(), QColor(20, 41, 65));
        QCOMPARE(okno.aol_moduly->Color(), QColor(20, 41, 65));
        QCOMPARE(okno.AOL_setup->Color(), QColor(51, 105, 165));
        QCOMPARE(okno.AOL_stany->Color(), QColor(51, 105, 165));
        QCOMPARE(okno.AOL_kroki->Color(), QColor(40, 83, 130));
        QCOMPARE(okno.AOL_programy->Color(), QColor(40, 83, 130));
        QCOMPARE(okno.AOL_krokiMycia->Color(), QColor(64, 128, 128));
        QCOMPARE(okno.AOL_mycieUstaw->Color(), QColor(64, 128, 128));
        QCOMPARE(okno.AOL_do->RaiseColor(), QColor(138, 162, 215));
        QCOMPARE(okno.Aol_Test->Color(), QColor(128, 128, 0));
        QCOMPARE(okno.Aol_Test->RaiseColor(), QColor(192, 192, 192));
    }

    void panelWyjscCyfrowych()
    {
        TForm1 okno;
        okno.show();
        QTest::mouseClick(okno.AOL_do, Qt::LeftButton);
        QVERIFY(okno.itemsPanel->isVisible());
        // The items have no editor yet.
        QVERIFY(!okno.itemKonfiguracja->Enab());
        QVERIFY(!okno.itemAlarmy->Enab());

        okno.FormMouseMove(okno.AOL_do->geometry().center());
        QVERIFY(okno.itemsPanel->isVisible());
        okno.FormMouseMove(okno.itemsPanel->geometry().bottomRight());
        QVERIFY(okno.itemsPanel->isVisible());

        // A move over an item reaches the window through its filter in the
        // window's coordinates: (5, 5) of the item lies inside the panel,
        // (5, 5) of the window does not.
        const auto ruch = [](QWidget *w) {
            QMouseEvent e(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
            QApplication::sendEvent(w, &e);
        };
        ruch(okno.itemAlarmy);
        QVERIFY(okno.itemsPanel->isVisible());
        // A move over another button reaches it the same way.
        ruch(okno.AOL_Ai);
        QVERIFY(!okno.itemsPanel->isVisible());

        okno.AOL_doClick();
        QVERIFY(okno.itemsPanel->isVisible());
        okno.AOL_doClick();
        QVERIFY(!okno.itemsPanel->isVisible());
    }

    void automatycznieCzytaj()
    {
        TForm1 okno;
        okno.show();
        okno.TimerStarterTimer();
        okno.FrameBiezaceOdczyty1->show();
        okno.cb_automat->setChecked(true);
        QVERIFY(okno.L_automat->styleSheet().contains("white"));
        QTest::mouseClick(okno.L_automat, Qt::LeftButton);
        QVERIFY(!okno.cb_automat->isChecked());
        QVERIFY(!okno.FrameBiezaceOdczyty1->isVisible());
        QVERIFY(okno.L_automat->styleSheet().contains("128, 128, 128"));
        okno.L_automatClick();
        QVERIFY(okno.cb_automat->isChecked());
    }

    void zmianaPolaczenia()
    {
        TForm1 okno;
        okno.show();
        const auto uzbroj = [&] {
            okno.L_ok->show();
            okno.projekt.daneProjektu.default_ = true;
            okno.projekt.daneProjektu.ns = 77;
        };
        const auto sprawdz = [&](const char *co) {
            QVERIFY2(!okno.L_ok->isVisible(), co);
            QVERIFY2(!okno.projekt.daneProjektu.default_ && okno.projekt.daneProjektu.ns == 0, co);
        };
        uzbroj();
        okno.ComboBoxPort->setCurrentIndex(3);
        sprawdz("port");
        uzbroj();
        okno.ComboBoxPredkosc->setCurrentIndex(0);
        sprawdz("baud");
        uzbroj();
        okno.IntEditAdres->setFocus();
        QTest::keyClick(okno.IntEditAdres, Qt::Key_Up);
        QCOMPARE(okno.IntEditAdres->Value(), 2);
        sprawdz("address");
        uzbroj();
        okno.pg_transmisjaRodzaj->setCurrentIndex(1);
        sprawdz("tab");
        uzbroj();
        okno.se_numerSeryjny->setValue(60001);
        sprawdz("serial number");
        uzbroj();
        okno.adresIp->setText("10.0.0.2");
        sprawdz("IP");
    }
};

QTEST_MAIN(TestOknoGlowne)
#include "test_okno_glowne.moc"
