// The firmware and graphics update window offscreen against the simulator
// over RS-485 and TCP/IP: the controller check and its retries, the pages
// with their content and numbers, the commit with the file's size and
// CRC, the questions and the settings copy before a firmware update, and
// every way an update can stop.
#include "../editors/sym_edytora.h"
#include "test_qt.h"
#include "wejscie_okna.h"

#include "crc.h"
#include "element_listy.h"
#include "etykieta_pliku.h"
#include "kopia_ustawien.h"
#include "nazwy.h"
#include "operacja.h"
#include "pasek_postepu.h"
#include "plik_wyslij.h"
#include "potwierdz_dlg.h"
#include "sciezki.h"
#include "wyjscia_okna.h"
#include "wymiana.h"
#include "wysylanie_stron.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <cstring>

using R = RodzajKomunikatu;

namespace {

const QString brakPolaczenia = QStringLiteral("Brak połączenia.\nSprawdź ustawienia sterownika.");
const QString pytanieUwaga = QStringLiteral("UWAGA: wysyłanie firmwaru do sterownika powinno być poprzedzone");
const QString pytaniePewien = QStringLiteral("Czy jesteś pewien, że chcesz wykonać aktualizację?");

constexpr uint8_t stronaFirmware = 0x08, koniecFirmware = 0x09, stronaGrafiki = 0x0F, koniecGrafiki = 0x10;

QByteArray losowe(int n, quint32 ziarno)
{
    QByteArray b(n, '\0');
    QRandomGenerator g(ziarno);
    for (char &c : b)
        c = char(g.bounded(256));
    return b;
}

struct Strona {
    int nr;             // the first two payload bytes, little-endian
    QByteArray dane;    // the rest of the payload
    QByteArray ladunek; // the whole payload
};

// The 'J' requests of one sub-command among the frames a front received;
// `przed` is the serial number in front of a TCP/IP frame.
QList<Strona> ramkiJ(const std::vector<QByteArray> &ramki, uint8_t podkomenda, int przed)
{
    QList<Strona> r;
    for (const QByteArray &f : ramki) {
        if (f.size() < przed + 9 || f.at(przed + 1) != 'J' || uint8_t(f.at(przed + 2)) != podkomenda)
            continue;
        const QByteArray dane = f.mid(przed + 5, f.size() - przed - 7);
        r.append({uint8_t(dane[0]) | uint8_t(dane[1]) << 8, dane.mid(2), dane});
    }
    return r;
}

} // namespace

class TestPlikWyslij : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;
    std::unique_ptr<WyborPlikuSkrypt> wybor;
    std::unique_ptr<QTemporaryDir> dir;
    bool lan = false;

    QString plik(const QByteArray &dane, const QString &nazwa = QStringLiteral("fw1.new"))
    {
        const QString p = dir->filePath(nazwa);
        QFile f(p);
        if (!f.open(QIODevice::WriteOnly) || f.write(dane) != dane.size())
            qWarning("cannot write %s", qPrintable(p));
        return p;
    }
    // The window as the menu opens it, shown without a modal run, the file
    // chosen and the controller checked.
    std::unique_ptr<TFormPlikWyslij> okno(TFormPlikWyslij::Rodzaj r, const QString &sciezka)
    {
        auto o = std::make_unique<TFormPlikWyslij>();
        o->przygotujOkno(r, 1045);
        o->show();
        wybor->odpowiedzi.push_back(sciezka);
        o->but_wybierzClick();
        return o;
    }
    std::vector<QByteArray> ramki() const { return lan ? s->tcp.ramki() : s->pty.ramki(); }
    QList<Strona> strony(uint8_t podkomenda) const { return ramkiJ(ramki(), podkomenda, lan ? 4 : 0); }
    void wyczyscRamki()
    {
        s->pty.wyczyscRamki();
        s->tcp.wyczyscRamki();
    }
    // The firmware questions answered "Tak", the copy confirmed as existing.
    void pytaniaFirmware()
    {
        s->komunikaty.oczekuj(R::PytanieOstrzezenie, pytanieUwaga, 1);
        gdyOknoModalne<TFormConfirmDlg>([](TFormConfirmDlg *d) {
            d->cb_potwierdz->click();
            d->but_ok->click();
        });
        s->komunikaty.oczekuj(R::PytanieOstrzezenie, pytaniePewien, 1);
    }
    void odblokowane(const TFormPlikWyslij &o)
    {
        QVERIFY(o.but_zamknij->isEnabled());
        QVERIFY(o.but_wybierz->isEnabled());
        QVERIFY(o.progress->isHidden());
        QVERIFY(o.but_przerwij->isHidden());
        QVERIFY(!FormLan() || !FormLan()->inProgress());
    }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        s->sterownik.zmien([](StanSterownika &st) { st.typ = "kvor350"; });
        wybor = std::make_unique<WyborPlikuSkrypt>();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        ustawKatalogProgramu(dir->path());
        lan = false;
    }
    void poTescie() override
    {
        ustawOdczytKopii({});
        ustawKatalogProgramu(QString());
        dir.reset();
        wybor.reset();
        s.reset();
    }

private slots:
    void sprawdzenieSterownika()
    {
        auto o = okno(TFormPlikWyslij::firmware, plik("x"));
        QCOMPARE(o->windowTitle(), QString("Aktualizacja Firmware "));
        QCOMPARE(wybor->filtry.value(0), QString("plik firmware Kvor|fw*.new|wszystkie pliki|*.*"));
        QCOMPARE(o->stage, TFormPlikWyslij::ms_checkedController);
        QCOMPARE(o->l_sterownik->text(), QString("Kvor 350  S/N: 123456"));
        QCOMPARE(o->numerSeryjny, 123456);
        QVERIFY(o->but_aktualizujFirmware->isVisible() && o->but_aktualizujFirmware->isEnabled());
        QVERIFY(o->but_aktualizujGrafike->isHidden());
        QVERIFY(!o->Timer1->isActive());
        // The type and serial number reads take the window's own record.
        QCOMPARE(o->DaneSterownika.ParametryTransmisji.ReadTotalTimeoutConstant, 250);
        QCOMPARE(o->DaneSterownika.ParametryTransmisji.IlePowtorzen, 2);
        QCOMPARE(s->sprawdzeniaBlokady, 1);

        auto g = okno(TFormPlikWyslij::grafika, plik("x"));
        QCOMPARE(g->windowTitle(), QString("Aktualizacja Grafik"));
        QCOMPARE(wybor->filtry.value(1), QString("plik grafik Kvor|gfx*.new|wszystkie pliki|*.*"));
        QVERIFY(g->but_aktualizujGrafike->isVisible() && g->but_aktualizujGrafike->isEnabled());
        QVERIFY(g->but_aktualizujFirmware->isHidden());
    }

    // Another controller answers but cannot be updated.
    void innySterownik()
    {
        s->sterownik.zmien([](StanSterownika &st) { st.typ = "kvor200"; });
        auto o = okno(TFormPlikWyslij::firmware, plik("x"));
        QCOMPARE(o->stage, TFormPlikWyslij::ms_checkedController);
        QCOMPARE(o->l_sterownik->text(), brakPolaczenia);
        QVERIFY(!o->but_aktualizujFirmware->isEnabled());
        QVERIFY(!o->Timer1->isActive());
    }

    // A click on "Zamknij" while a timer's retry waits for a silent
    // controller closes the window once the retry is over, at the first
    // click; the retry disables nothing meanwhile.
    void zamknijWTrakciePonowienia()
    {
        wstrzymajWejsciePodczasWymiany();
        s->usterki.dodaj(PlanUsterek::kazde, {RodzajUsterki::BrakOdpowiedzi}, PlanUsterek::zawsze);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji").oczekuj(R::Ostrzezenie, brakPolaczenia);
        auto o = okno(TFormPlikWyslij::firmware, plik("x"));
        QVERIFY(s->komunikaty.pusty());
        int klikniec = 0;
        s->zegar.naPrzetworz = [&] {
            if (klikniec > 0 || !wymianaWToku())
                return;
            ++klikniec;
            QVERIFY(o->but_zamknij->isEnabled() && o->but_wybierz->isEnabled());
            QTest::mouseClick(o->but_zamknij, Qt::LeftButton);
            QVERIFY(o->isVisible());
        };
        o->Timer1Timer();
        s->zegar.naPrzetworz = nullptr;
        QCOMPARE(klikniec, 1);
        QTRY_VERIFY(!o->isVisible());
        QVERIFY(!o->Timer1->isActive());
    }

    // A click on "Wykonaj aktualizację" while it is greyed during the
    // timer's check does nothing, also when the check that answers then
    // enables it: no firmware question follows.
    void klikSzaregoPrzycisku()
    {
        wstrzymajWejsciePodczasWymiany();
        s->usterki.dodaj(PlanUsterek::kazde, {RodzajUsterki::BrakOdpowiedzi}, PlanUsterek::zawsze);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji").oczekuj(R::Ostrzezenie, brakPolaczenia);
        auto o = okno(TFormPlikWyslij::firmware, plik("x"));
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(!o->but_aktualizujFirmware->isEnabled());
        s->usterki.wyczysc();
        s->usterki.dodaj(PlanUsterek::kazde, {RodzajUsterki::Wolno, 40}, 2);
        int klikniec = 0;
        s->zegar.naPrzetworz = [&] {
            if (klikniec > 0 || !wymianaWToku())
                return;
            ++klikniec;
            QVERIFY(!o->but_aktualizujFirmware->isEnabled());
            klik(o->but_aktualizujFirmware);
        };
        o->Timer1Timer();
        s->zegar.naPrzetworz = nullptr;
        QCOMPARE(klikniec, 1);
        QCOMPARE(o->stage, TFormPlikWyslij::ms_checkedController);
        QVERIFY(o->but_aktualizujFirmware->isEnabled());
        // Whatever waited is handed on by the next input.
        klik(o->l_sterownik);
        QCOMPARE(int(s->komunikaty.pokazane.size()), 2);
        QVERIFY(o->isVisible());
    }

    // A silent controller is reported once; the timer's retries are silent
    // until it answers.
    void ponawianieSprawdzenia()
    {
        s->usterki.dodaj(PlanUsterek::kazde, {RodzajUsterki::BrakOdpowiedzi}, PlanUsterek::zawsze);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji").oczekuj(R::Ostrzezenie, brakPolaczenia);
        auto o = okno(TFormPlikWyslij::firmware, plik("x"));
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(o->stage, TFormPlikWyslij::ms_fileselected);
        QCOMPARE(o->l_sterownik->text(), brakPolaczenia);
        QVERIFY(!o->but_aktualizujFirmware->isEnabled());
        QVERIFY(o->Timer1->isActive());
        QCOMPARE(o->Timer1->interval(), 1800);

        o->Timer1Timer();
        QCOMPARE(o->stage, TFormPlikWyslij::ms_fileselected);
        QVERIFY(o->Timer1->isActive());

        s->usterki.wyczysc();
        o->Timer1Timer();
        QCOMPARE(o->stage, TFormPlikWyslij::ms_checkedController);
        QCOMPARE(o->l_sterownik->text(), QString("Kvor 350  S/N: 123456"));
        QVERIFY(o->but_aktualizujFirmware->isEnabled());
        QVERIFY(!o->Timer1->isActive());

        // Closing stops the retries.
        s->usterki.dodaj(PlanUsterek::kazde, {RodzajUsterki::BrakOdpowiedzi}, PlanUsterek::zawsze);
        s->komunikaty.oczekuj(R::Blad, "Brak komunikacji").oczekuj(R::Ostrzezenie, brakPolaczenia);
        o->but_checkClick();
        QVERIFY(o->Timer1->isActive());
        o->but_zamknij->click();
        QVERIFY(!o->isVisible());
        QVERIFY(!o->Timer1->isActive());
    }

    void brakWybranegoPliku()
    {
        auto o = std::make_unique<TFormPlikWyslij>();
        o->przygotujOkno(TFormPlikWyslij::firmware, 1045);
        wybor->odpowiedzi.push_back(dir->filePath("nie_ma.new"));
        s->komunikaty.oczekuj(R::Ostrzezenie, "Brak pliku" + dir->filePath("nie_ma.new"));
        o->but_wybierzClick();
        QCOMPARE(o->stage, TFormPlikWyslij::ms_init);
        QVERIFY(o->L_plik->text().isEmpty());
    }

    void aktualizacjaFirmware_data()
    {
        QTest::addColumn<bool>("przezLan");
        QTest::addColumn<int>("rozmiar");
        QTest::newRow("RS-485, 1000 bytes") << false << 1000;
        QTest::newRow("RS-485, 1024 bytes") << false << 1024;
        QTest::newRow("TCP/IP, 1000 bytes") << true << 1000;
        QTest::newRow("TCP/IP, 1024 bytes") << true << 1024;
    }
    void aktualizacjaFirmware()
    {
        QFETCH(bool, przezLan);
        QFETCH(int, rozmiar);
        if (przezLan)
            QVERIFY(s->przezLan());
        lan = przezLan;
        const QByteArray dane = losowe(rozmiar, 7);
        auto o = okno(TFormPlikWyslij::firmware, plik(dane));
        QVERIFY(o->but_aktualizujFirmware->isEnabled());
        int blokady = 0;
        o->sprawdzBlokade = [&] { return ++blokady, 0; };
        wyczyscRamki();
        const int polaczenia = s->tcp.polaczen();

        pytaniaFirmware();
        s->komunikaty.oczekuj(R::Informacja, "Wykonano aktualizację firmware\nNastąpi reset sterownika...");
        o->but_aktualizujFirmware->click();
        QVERIFY(s->komunikaty.pusty());

        const QList<Strona> p = strony(stronaFirmware);
        QCOMPARE(p.size(), rozmiar / 512 + 1);
        for (int i = 0; i < p.size(); ++i) {
            QCOMPARE(p[i].nr, i);
            QCOMPARE(p[i].dane.size(), 512);
        }
        QCOMPARE(p[0].dane, dane.left(512));
        if (rozmiar == 1000) {
            // The file's last 488 bytes, then what the first page left.
            QCOMPARE(p[1].dane, dane.mid(512) + dane.mid(488, 24));
        } else {
            QCOMPARE(p[1].dane, dane.mid(512));
            QCOMPARE(p[2].dane, p[1].dane);
        }
        const QList<Strona> k = strony(koniecFirmware);
        QCOMPARE(k.size(), 1);
        const uint16_t crc = obliczCRC16(dane, dane.size());
        QByteArray zatwierdzenie;
        zatwierdzenie.append(char(crc & 0xFF)).append(char(crc >> 8));
        for (int i = 0; i < 4; ++i)
            zatwierdzenie.append(char(rozmiar >> (8 * i)));
        QCOMPARE(k[0].ladunek, zatwierdzenie);
        const StrumienSym st = s->bloki.firmware();
        QCOMPARE(st.zatwierdzen, 1);
        QCOMPARE(st.zatwierdzony, dane);

        QCOMPARE(blokady, 1);
        QVERIFY(o->progress->FinalStatusOk());
        odblokowane(*o);
        // Over TCP/IP the pages share one connection; the commit has its own.
        if (przezLan)
            QCOMPARE(s->tcp.polaczen() - polaczenia, 2);
    }

    void aktualizacjaGrafik_data()
    {
        QTest::addColumn<bool>("przezLan");
        QTest::newRow("RS-485") << false;
        QTest::newRow("TCP/IP") << true;
    }
    void aktualizacjaGrafik()
    {
        QFETCH(bool, przezLan);
        if (przezLan)
            QVERIFY(s->przezLan());
        lan = przezLan;
        const QByteArray dane = losowe(1500, 8);
        auto o = okno(TFormPlikWyslij::grafika, plik(dane, "gfx1.new"));
        int blokady = 0;
        o->sprawdzBlokade = [&] { return ++blokady, 0; };
        wyczyscRamki();
        const int polaczenia = s->tcp.polaczen();

        s->komunikaty.oczekuj(R::Pytanie, pytaniePewien, 1)
            .oczekuj(R::Informacja, "Wykonano aktualizacje Grafik. \nMoże być wymagany restart sterownika!");
        o->but_aktualizujGrafike->click();

        const QList<Strona> p = strony(stronaGrafiki);
        QCOMPARE(p.size(), 3);
        QCOMPARE(p[2].dane, dane.mid(1024) + dane.mid(988, 36));
        QCOMPARE(strony(koniecGrafiki).size(), 1);
        const StrumienSym st = s->bloki.grafika();
        QCOMPARE(st.zatwierdzen, 1);
        QCOMPARE(st.zatwierdzony, dane);
        QCOMPARE(s->bloki.firmware().stron, 0);
        // The lock check before every page.
        QCOMPARE(blokady, 3);
        odblokowane(*o);
        // Every page and the commit on a connection of its own.
        if (przezLan)
            QCOMPARE(s->tcp.polaczen() - polaczenia, 4);
    }

    // The graphics commit follows a 6 s pause; a commit the controller
    // does not confirm (no pages came) fails after all its attempts.
    void przerwaPrzedZatwierdzeniemGrafik()
    {
        TUstawieniaSterownika u;
        wezUstawieniaSterownika(u, true);
        const qint64 przed = s->zegar.przespane;
        QVERIFY(!przeslijCrcGrafiki(0x1234, 10, u));
        QVERIFY(s->zegar.przespane - przed >= 6000);
        QCOMPARE(s->ramki('J', koniecGrafiki), iloscPowtorzen);
    }

    // With a record that names neither transport an update sends nothing
    // and ends with its warning.
    void nieznaneLacze_data()
    {
        QTest::addColumn<bool>("grafiki");
        QTest::newRow("firmware") << false;
        QTest::newRow("graphics") << true;
    }
    void nieznaneLacze()
    {
        QFETCH(bool, grafiki);
        QVERIFY(s->przezLan());
        auto o = okno(grafiki ? TFormPlikWyslij::grafika : TFormPlikWyslij::firmware,
                      plik(losowe(1500, 12), grafiki ? "gfx1.new" : "fw1.new"));
        QPushButton *aktualizuj = grafiki ? o->but_aktualizujGrafike : o->but_aktualizujFirmware;
        QVERIFY(aktualizuj->isEnabled());
        o->sprawdzBlokade = [] { return 0; };
        o->DaneSterownika.lan.LAN_ACTIVE = 2;
        wyczyscRamki();
        if (grafiki)
            s->komunikaty.oczekuj(R::Pytanie, pytaniePewien, 1);
        else
            pytaniaFirmware();
        s->komunikaty.oczekuj(R::Ostrzezenie, brakPolaczenia);
        aktualizuj->click();
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(s->ramkiObu().empty());
        odblokowane(*o);
    }

    // No page or commit goes for such a record, not even a page on a
    // stream that is open; no stream opens for it.
    void nieznaneLaczeStron()
    {
        QVERIFY(s->przezLan());
        TUstawieniaSterownika u;
        wezUstawieniaSterownika(u, true);
        PolaczenieStrumienia strumien;
        QVERIFY(strumien.otworz(u));
        u.lan.LAN_ACTIVE = 2;
        wyczyscRamki();
        PolaczenieStrumienia inny;
        QVERIFY(!inny.otworz(u));
        QVERIFY(!inny.klient());
        const QByteArray strona(rozmiarStrony, 'x');
        QVERIFY(!przeslijStroneFirmware(0, strona, u, strumien.klient()));
        QVERIFY(!przeslijStroneLogo(0, strona, u, strumien.klient()));
        QVERIFY(!przeslijStroneGrafiki(0, strona, u));
        QVERIFY(!przeslijCrcFirmware(0x1234, rozmiarStrony, u));
        QVERIFY(!przeslijCrcGrafiki(0x1234, rozmiarStrony, u));
        QVERIFY(s->ramkiObu().empty());
        QVERIFY(s->komunikaty.pokazane.empty());
    }

    // An empty file and one the page numbers cannot carry are refused
    // before any question and any page.
    void odrzuconyRozmiar_data()
    {
        QTest::addColumn<qint64>("rozmiar");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("empty") << qint64(0) << "Wybrany plik jest pusty.";
        QTest::newRow("65537 pages") << najwiekszyPlikAktualizacji + 1 << "Wybrany plik jest za duży: 33554432 bajtów";
    }
    void odrzuconyRozmiar()
    {
        QFETCH(qint64, rozmiar);
        QFETCH(QString, tekst);
        QCOMPARE(najwiekszyPlikAktualizacji, qint64(33554431));
        const QString p = plik({});
        QVERIFY(QFile::resize(p, rozmiar));
        for (const auto r : {TFormPlikWyslij::firmware, TFormPlikWyslij::grafika}) {
            auto o = okno(r, p);
            s->komunikaty.oczekuj(R::Ostrzezenie, tekst);
            (r == TFormPlikWyslij::firmware ? o->but_aktualizujFirmware : o->but_aktualizujGrafike)->click();
        }
        QCOMPARE(s->ramki('J', stronaFirmware) + s->ramki('J', stronaGrafiki), 0);
    }

    // A page that fails ends the stream: no commit.
    void nieudanaStrona()
    {
        const QByteArray dane = losowe(1000000, 9);
        auto o = okno(TFormPlikWyslij::firmware, plik(dane));
        s->zepsujOd('J', stronaFirmware, 1);
        pytaniaFirmware();
        s->komunikaty.oczekuj(R::Ostrzezenie, brakPolaczenia);
        o->but_aktualizujFirmware->click();
        QCOMPARE(s->ramki('J', koniecFirmware), 0);
        // Page 0, then page 1 with all its attempts.
        QCOMPARE(s->ramki('J', stronaFirmware), 1 + iloscPowtorzen);
        QCOMPARE(o->progress->FProgressBar->maksimum(), 195);
        QVERIFY(!o->progress->FinalStatusOk());
        odblokowane(*o);
    }

    // During a slow page stream of either update the window's buttons but
    // "Anuluj" are disabled and every way out is refused; one real click on
    // "Anuluj" during an exchange stops the stream after the page in
    // flight, with no commit; afterwards the buttons are back.
    void anulujJednymKliknieciem_data()
    {
        QTest::addColumn<bool>("grafiki");
        QTest::newRow("firmware") << false;
        QTest::newRow("graphics") << true;
    }
    void anulujJednymKliknieciem()
    {
        QFETCH(bool, grafiki);
        const uint8_t strona = grafiki ? stronaGrafiki : stronaFirmware;
        wstrzymajWejsciePodczasWymiany();
        auto o = okno(grafiki ? TFormPlikWyslij::grafika : TFormPlikWyslij::firmware, plik(losowe(5000, 11)));
        QPushButton *aktualizuj = grafiki ? o->but_aktualizujGrafike : o->but_aktualizujFirmware;
        s->usterki.dodaj('J', strona, {RodzajUsterki::Wolno, 30}, PlanUsterek::zawsze);
        int klikniec = 0;
        s->zegar.naPrzetworz = [&] {
            if (klikniec > 0 || !wymianaWToku() || s->ramki('J', strona) != 2)
                return;
            ++klikniec;
            for (QPushButton *b : {o->but_wybierz, aktualizuj, o->but_zamknij})
                QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
            QVERIFY(wyjsciaOdrzucone(o.get()));
            QTest::mouseClick(o->but_przerwij, Qt::LeftButton);
            QVERIFY(o->przerwij);
        };
        if (grafiki)
            s->komunikaty.oczekuj(R::Pytanie, pytaniePewien, 1);
        else
            pytaniaFirmware();
        s->komunikaty.oczekuj(R::Ostrzezenie, "Przerwano aktualizację.");
        aktualizuj->click();
        s->zegar.naPrzetworz = nullptr;
        QCOMPARE(klikniec, 1);
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(s->ramki('J', strona), 2);
        QCOMPARE(s->ramki('J', koniecFirmware) + s->ramki('J', koniecGrafiki), 0);
        odblokowane(*o);
        QVERIFY(aktualizuj->isEnabled());
        o->reject();
        QVERIFY(!o->isVisible());
    }

    // "Anuluj" stops the stream after the page in flight: no commit.
    void przerwanie()
    {
        auto o = okno(TFormPlikWyslij::firmware, plik(losowe(3000, 10)));
        s->zegar.naPrzetworz = [&] {
            if (o->but_przerwij->isVisible() && o->but_przerwij->isEnabled() && s->ramki('J', stronaFirmware) == 2)
                o->but_przerwij->click();
        };
        pytaniaFirmware();
        s->komunikaty.oczekuj(R::Ostrzezenie, "Przerwano aktualizację.");
        o->but_aktualizujFirmware->click();
        s->zegar.naPrzetworz = nullptr;
        QCOMPARE(s->ramki('J', stronaFirmware), 2);
        QCOMPARE(s->ramki('J', koniecFirmware), 0);
        QVERIFY(!o->progress->FinalStatusOk());
        odblokowane(*o);
    }

    // While an update runs the window cannot be closed.
    void zamykanieWTrakcie()
    {
        auto o = okno(TFormPlikWyslij::firmware, plik("x"));
        {
            const TOperacja operacja(o.get());
            o->blokuj(true);
            QVERIFY(o->progress->isVisible() && o->but_przerwij->isVisible());
            QVERIFY(!o->but_zamknij->isEnabled() && !o->but_aktualizujFirmware->isEnabled());
            o->reject();
            QVERIFY(o->isVisible());
            QTest::keyClick(o.get(), Qt::Key_Escape);
            QVERIFY(o->isVisible());
            o->blokuj(false);
        }
        o->reject();
        QVERIFY(!o->isVisible());
    }

    // A file deleted after it was chosen ends with the system's reason.
    void usunietyPlik()
    {
        const QString p = plik("abc");
        auto o = okno(TFormPlikWyslij::firmware, p);
        QVERIFY(QFile::remove(p));
        s->komunikaty.oczekuj(R::Blad, "Nie można otworzyć pliku " + p + ": Brak pliku");
        o->but_aktualizujFirmware->click();
        odblokowane(*o);
    }

    // Refusing a question or the copy stops before any page.
    void rezygnacja_data()
    {
        QTest::addColumn<int>("krok");
        QTest::newRow("first question") << 0;
        QTest::newRow("copy dialog") << 1;
        QTest::newRow("last question") << 2;
    }
    void rezygnacja()
    {
        QFETCH(int, krok);
        auto o = okno(TFormPlikWyslij::firmware, plik("abc"));
        s->komunikaty.oczekuj(R::PytanieOstrzezenie, pytanieUwaga, krok > 0);
        if (krok >= 1)
            gdyOknoModalne<TFormConfirmDlg>([krok](TFormConfirmDlg *d) {
                d->cb_potwierdz->click();
                (krok == 1 ? d->but_anuluj : d->but_ok)->click();
            });
        if (krok == 2)
            s->komunikaty.oczekuj(R::PytanieOstrzezenie, pytaniePewien, 0);
        o->but_aktualizujFirmware->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(s->ramki('J', stronaFirmware), 0);
    }

    // The copy box reads the controller's project through the current
    // project, writes it before the update and stops it when it fails.
    void kopiaPrzedAktualizacja_data()
    {
        QTest::addColumn<bool>("odczytOk");
        QTest::newRow("copy written") << true;
        QTest::newRow("copy failed") << false;
    }
    void kopiaPrzedAktualizacja()
    {
        QFETCH(bool, odczytOk);
        TBiezacyProjekt projekt;
        tekstNaNazwe50(QStringLiteral("w pamięci"), projekt.projekt().programy[0].nazwa);
        auto o = okno(TFormPlikWyslij::firmware, plik("abc"));
        o->projekt = &projekt;
        bool zablokowane = false;
        int numer = 0;
        ustawOdczytKopii([&](int n) {
            numer = n;
            zablokowane = !o->but_zamknij->isEnabled() && !o->but_aktualizujFirmware->isEnabled();
            tekstNaNazwe50(QStringLiteral("ze sterownika"), projekt.projekt().programy[0].nazwa);
            return odczytOk;
        });
        s->komunikaty.oczekuj(R::PytanieOstrzezenie, pytanieUwaga, 1);
        gdyOknoModalne<TFormConfirmDlg>([](TFormConfirmDlg *d) {
            d->cb_kopiaPc->click();
            d->but_ok->click();
        });
        if (odczytOk)
            s->komunikaty.oczekuj(R::Informacja, "Zapisano ustawienia w pliku: " + dir->path() + "/123456_update_")
                .oczekuj(R::PytanieOstrzezenie, pytaniePewien, 1)
                .oczekuj(R::Informacja, "Wykonano aktualizację firmware");
        else
            s->komunikaty.oczekuj(R::Ostrzezenie, "Wykonanie kopii zakończone błędem!");
        o->but_aktualizujFirmware->click();
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(numer, 123456);
        QVERIFY(zablokowane);
        QCOMPARE(nazwa50NaTekst(projekt.projekt().programy[0].nazwa), QString("w pamięci"));
        QCOMPARE(s->ramki('J', koniecFirmware), odczytOk ? 1 : 0);
        odblokowane(*o);
        const QStringList kopie = QDir(dir->path()).entryList({"123456_update_*.k3p"});
        QCOMPARE(kopie.size(), odczytOk ? 1 : 0);
    }

    void oknoPotwierdzenia()
    {
        TFormConfirmDlg d;
        bool kopia = true;
        bool dalejNaPoczatku = true, pogrubione = false, dalejPoOdznaczeniu = true;
        gdyOknoModalne<TFormConfirmDlg>([&](TFormConfirmDlg *w) {
            dalejNaPoczatku = w->but_ok->isEnabled();
            w->cb_potwierdz->click();
            pogrubione = w->cb_potwierdz->font().bold() && !w->cb_kopiaPc->font().bold();
            w->cb_potwierdz->click();
            dalejPoOdznaczeniu = w->but_ok->isEnabled() || w->cb_potwierdz->font().bold();
            w->but_anuluj->click();
        });
        QVERIFY(!d.pokazOkno(1045, kopia));
        QCOMPARE(d.windowTitle(), QString("Potwierdzenie"));
        QVERIFY(!dalejNaPoczatku);
        QVERIFY(pogrubione);
        QVERIFY(!dalejPoOdznaczeniu);

        // Ticked boxes from the last time are gone.
        bool czyste = false;
        gdyOknoModalne<TFormConfirmDlg>([&](TFormConfirmDlg *w) {
            w->cb_kopiaPc->click();
            w->cb_potwierdz->click();
            w->but_ok->click();
        });
        QVERIFY(d.pokazOkno(1045, kopia));
        QVERIFY(kopia);
        gdyOknoModalne<TFormConfirmDlg>([&](TFormConfirmDlg *w) {
            czyste = !w->cb_kopiaPc->isChecked() && !w->cb_potwierdz->isChecked() && !w->but_ok->isEnabled();
            w->cb_potwierdz->click();
            w->but_ok->click();
        });
        QVERIFY(d.pokazOkno(1045, kopia));
        QVERIFY(czyste);
        QVERIFY(!kopia);
    }
};

QTEST_MAIN(TestPlikWyslij)
#include "test_plik_wyslij.moc"
