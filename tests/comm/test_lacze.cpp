// The exchange itself: result codes from the simulator's faults, port
// selection, read time-outs, direction switching and the frame log.
#include "lacze_sym.h"
#include "limit_pliku.h"
#include "port_skrypt.h"

#include "ramka.h"
#include "wymiana.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSerialPort>

#include <sys/ioctl.h>
#include <sys/stat.h>

#include <climits>

namespace {

const QByteArray zapytanieNumeru = hex("01 46 07 00 07 fc 8b");  // F 0x07, reply N 11
const QByteArray zapytanieBlokady = hex("01 47 09 00 07 9c b4"); // G 0x09, length-prefixed

// How long a read may wait in one case (LaczeSym's time-outs).
enum class Czekanie {
    Odpowiedz, // the whole reply comes
    Przerwa,   // part of it comes: the read ends 100 ms after the last byte
    Cisza,     // nothing comes, or nothing more: czasCiszy
    Krotko,    // 200 ms: the reply comes later than that, or too slowly
};

struct Usterkowy {
    const char *opis;
    std::optional<Usterka> usterka;
    bool offset;
    int wynikStala;   // fixed-length exchange
    int wynikDlugosc; // length-prefixed exchange
    Czekanie czekanie = Czekanie::Odpowiedz;
};

} // namespace

// Each timed case keeps a margin of a hundred milliseconds or more, so a
// busy machine cannot turn one result into another.
TEST_F(LaczeSym, WynikiWymianZUsterek)
{
    using R = RodzajUsterki;
    using C = Czekanie;
    const Usterkowy przypadki[] = {
        {"correct reply", {}, false, 0, 0},
        {"no reply", Usterka{R::BrakOdpowiedzi}, false, 8, 3, C::Cisza},
        {"one byte short", Usterka{R::KrotkaOdpowiedz}, false, 3, 3, C::Przerwa},
        {"header incomplete", Usterka{R::KrotkaOdpowiedz, 4}, false, 3, 3, C::Przerwa},
        {"CRC bytes swapped", Usterka{R::ZleCRC}, false, 4, 4},
        {"another address", Usterka{R::ZlyAdres}, false, 10, 10},
        {"trailing bytes are left unread", Usterka{R::NadmiaroweBajty, 3}, false, 0, 0},
        {"leading zero without the offset", Usterka{R::ZeroNaPoczatku}, false, 4, 3},
        {"leading zero with the offset", Usterka{R::ZeroNaPoczatku}, true, 0, 0},
        {"offset but no zero", {}, true, 0, 3, C::Cisza},
        {"offset and a byte too many without zero", Usterka{R::NadmiaroweBajty}, true, 3, 3},
        {"late beyond the time-out", Usterka{R::Wolno, 1000}, false, 8, 3, C::Krotko},
        {"late within the time-out", Usterka{R::Wolno, 10}, false, 0, 0},
        {"byte by byte in time", Usterka{R::BajtPoBajcie, 1}, false, 0, 0},
        // Slower than the 200 ms and than the length-prefixed read's 100 ms interval.
        {"byte by byte too slow", Usterka{R::BajtPoBajcie, 200}, false, 3, 3, C::Krotko},
        {"length field 10005", Usterka{R::ZlaDlugosc, 10005}, false, 0, 3},
        {"length field 4", Usterka{R::ZlaDlugosc, 4}, false, 0, 3},
        {"length field beyond the reply", Usterka{R::ZlaDlugosc, 13}, false, 0, 3},
    };
    for (const Usterkowy &p : przypadki) {
        SCOPED_TRACE(p.opis);
        lacze->UjemneOfesty[0] = p.offset;
        czekajOdpowiedzi();
        if (p.czekanie == C::Przerwa)
            koniecPoPrzerwie();
        else if (p.czekanie == C::Cisza)
            czekajCiszy();
        else if (p.czekanie == C::Krotko)
            lacze->ustawCzasOdczytu(200);
        if (p.czekanie != C::Odpowiedz)
            lacze->ustawMnoznikOdczytu(0);
        for (const bool dlugosc : {false, true}) {
            if (p.usterka)
                usterki.dodaj(dlugosc ? 'G' : 'F', dlugosc ? 0x09 : 0x07, *p.usterka);
            QByteArray odp;
            int odebrano = -1;
            if (dlugosc) {
                const int odstep = lacze->odstepOdczytu();
                EXPECT_EQ(lacze->WyslijRamkeDlugosc(zapytanieBlokady, odp, odebrano, trans), p.wynikDlugosc);
                EXPECT_EQ(lacze->odstepOdczytu(), odstep); // the 100 ms interval is this exchange's only
            } else {
                EXPECT_EQ(lacze->WyslijRamke(zapytanieNumeru, odp, 11, odebrano, trans), p.wynikStala);
            }
            EXPECT_EQ(odebrano, odp.size());
            if (!p.usterka && (dlugosc ? p.wynikDlugosc : p.wynikStala) == 0) {
                EXPECT_EQ(odp,
                          dlugosc ? SterownikSym::zbuduj(1, 'G', 0x09, {}) : hex("01 46 07 00 0b 00 01 e2 40 48 eb"));
            }
            poczekajNaSym();
            usterki.wyczysc();
        }
    }
}

TEST_F(LaczeSym, DlugoscPonad10000NieJestCzytana)
{
    usterki.dodaj('G', 0x09, {RodzajUsterki::ZlaDlugosc, 0x2715});
    QByteArray odp;
    int odebrano = 0;
    EXPECT_EQ(lacze->WyslijRamkeDlugosc(zapytanieBlokady, odp, odebrano, trans), 3);
    EXPECT_EQ(odebrano, 5);
    EXPECT_EQ(odp, hex("01 47 09 27 15"));
}

TEST_F(LaczeSym, OdstepMiedzyBajtamiKonczyOdczytZDlugoscia)
{
    lacze->ustawCzasOdczytu(60000);
    usterki.dodaj('G', 0x09, {RodzajUsterki::BajtPoBajcie, 400});
    QByteArray odp;
    int odebrano = 0;
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(lacze->WyslijRamkeDlugosc(zapytanieBlokady, odp, odebrano, trans), 3);
    EXPECT_LT(t.elapsed(), 30000); // ended by the 100 ms interval, not the 60 s time-out
    EXPECT_EQ(odebrano, 1);
}

TEST_F(LaczeSym, WymianaKonczySieGdyBajtySaJuzWszystkie)
{
    lacze->ustawCzasOdczytu(60000);
    QElapsedTimer t;
    t.start();
    TFunkcjeKvor3 s{};
    EXPECT_EQ(lacze->CzytajKomSetupKvor350(1, trans, s), 0); // N 1031: time-out 61031 ms
    EXPECT_LT(t.elapsed(), 30000);
    EXPECT_EQ(zegarTestowy.przespane, 10);
}

TEST_F(LaczeSym, KrotkiOczekiwanyRozmiar)
{
    logujRamki = true;
    for (const int n : {0, 3}) {
        QByteArray odp;
        int odebrano = 0;
        EXPECT_EQ(lacze->WyslijRamke(zapytanieNumeru, odp, n, odebrano, trans), 5);
    }
    EXPECT_TRUE(pty.ramki().empty());
    EXPECT_FALSE(QFile::exists(katalog.filePath(QStringLiteral("trans.txt"))));
}

TEST_F(LaczeSym, PonowneOtwarcieTylkoPrzyZmianiePortuLubPredkosci)
{
    nadpisania[QStringLiteral("COM3Device")] = pty.sciezka();
    int n = 0;
    const auto wymiana = [&](int portNr, int kod) {
        TParamTrans t = trans;
        t.port = portNr;
        t.predkosc = kod;
        EXPECT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, t, n), 0);
        return port->otwarcia;
    };
    EXPECT_EQ(wymiana(2, 6), 1);
    EXPECT_EQ(port->ostatniBaud, 9600);
    EXPECT_EQ(wymiana(2, 6), 1);
    EXPECT_EQ(wymiana(2, 8), 2);
    EXPECT_EQ(port->ostatniBaud, 19200);
    EXPECT_EQ(wymiana(2, 8), 2);
    EXPECT_EQ(wymiana(0, 8), 3); // another name, same device
    EXPECT_EQ(wymiana(0, 12), 4);
    EXPECT_EQ(port->ostatniBaud, 115200);
    EXPECT_EQ(wymiana(0, 12), 4);
    lacze->zamknijPort();
    EXPECT_EQ(wymiana(0, 12), 5); // a closed port opens again, quietly
}

TEST_F(LaczeSym, PortKtoregoNieMa)
{
    nadpisania[QStringLiteral("COM3Device")] = QStringLiteral("/nie/ma/takiego/tty");
    TParamTrans t = trans;
    t.port = 2;
    komunikaty.oczekuj(RodzajKomunikatu::Blad, QStringLiteral("Nie mogę otworzyć portu: COM3\n/nie/ma/takiego/tty: "));
    int n = 0;
    EXPECT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, t, n), 1);
    // Same port again: still closed, no second box.
    EXPECT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, t, n), 1);
    EXPECT_FALSE(lacze->CzyPortDostepny(t));

    // The length-prefixed exchange fails the same way without a box.
    t.port = 3;
    QByteArray odp;
    EXPECT_EQ(lacze->WyslijRamkeDlugosc(zapytanieBlokady, odp, n, t), 1);

    komunikaty.oczekuj(RodzajKomunikatu::Blad, QStringLiteral("COM6\nnie znaleziono portu szeregowego"));
    t.port = 5;
    EXPECT_EQ(lacze->WyslijRamke(zapytanieNumeru, odp, 11, n, t), 1);
    komunikaty.oczekuj(RodzajKomunikatu::Blad, QStringLiteral("nieobsługiwana prędkość (kod 15)"));
    t.port = 0;
    t.predkosc = 15;
    EXPECT_EQ(lacze->WyslijRamke(zapytanieNumeru, odp, 11, n, t), 1);
    EXPECT_TRUE(pty.ramki().empty());

    // The probe takes the speed only with a new name.
    t.predkosc = 12;
    EXPECT_FALSE(lacze->CzyPortDostepny(t));
    nadpisania[QStringLiteral("COM2Device")] = pty.sciezka();
    t.port = 1;
    EXPECT_TRUE(lacze->CzyPortDostepny(t));
    EXPECT_EQ(port->ostatniBaud, 115200);
}

TEST_F(LaczeSym, DziennikRamek)
{
    logujRamki = true;
    lacze->ustawZrodloCzasu([] { return QDateTime(QDate(2023, 4, 11), QTime(10, 15, 0)); });
    int n = 0;
    ASSERT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, trans, n), 0);
    czekajCiszy();
    usterki.dodaj('F', 0x07, {RodzajUsterki::BrakOdpowiedzi});
    ASSERT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, trans, n), 8);
    usterki.dodaj('F', 0x07, {RodzajUsterki::KrotkaOdpowiedz, 8});
    ASSERT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, trans, n), 3);

    QFile f(katalog.filePath(QStringLiteral("trans.txt")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), QStringLiteral(" \n11.04.2023 10:15:00\n \n"
                                                             "  M: 01 46 07 00 07 fc 8b    [7]\n"
                                                             "  S: 01 46 07 00 0b 00 01 e2 40 48 eb    [11] 0\n"
                                                             " \n11.04.2023 10:15:00\n \n"
                                                             "  M: 01 46 07 00 07 fc 8b    [7]\n"
                                                             "  S:    [0] 8\n"
                                                             " \n11.04.2023 10:15:00\n \n"
                                                             "  M: 01 46 07 00 07 fc 8b    [7]\n"
                                                             "  S: 01 46 07    [3] 3\n"));
}

// The frame log cannot be written: said once, and a FIFO in its place
// does not block the exchange.
TEST_F(LaczeSym, DziennikKtoregoNieMoznaZapisac)
{
    logujRamki = true;
    ASSERT_TRUE(QDir(katalog.path()).mkdir(QStringLiteral("trans.txt")));
    komunikaty.oczekuj(RodzajKomunikatu::Blad, QStringLiteral("Nie można zapisać dziennika ramek:\n") +
                                                   katalog.filePath(QStringLiteral("trans.txt")));
    int n = 0;
    EXPECT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, trans, n), 0);
    EXPECT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, trans, n), 0);
    EXPECT_TRUE(komunikaty.pusty());

    lacze->zamknijPort(); // the pty takes one opener at a time
    ASSERT_TRUE(QDir(katalog.path()).rmdir(QStringLiteral("trans.txt")));
    ASSERT_EQ(mkfifo(QFile::encodeName(katalog.filePath(QStringLiteral("trans.txt"))).constData(), 0600), 0);
    TFkomunikacja inne(std::make_unique<PortQt>());
    inne.porty().ustawOdczytKlucza([this](const QString &k) { return nadpisania.value(k); });
    komunikaty.oczekuj(RodzajKomunikatu::Blad, QStringLiteral("to nie jest zwykły plik"));
    EXPECT_EQ(inne.CzytajNumerSeryjnyKVOR350(1, trans, n), 0);
    EXPECT_TRUE(komunikaty.pusty());
}

// A frame log cut short by the file-size limit names the system's reason,
// once; the exchanges go on.
TEST_F(LaczeSym, DziennikObcietyPodajePowod)
{
    const QString plik = katalog.filePath(QStringLiteral("trans.txt"));
    int n = 0;
    // The port is opened first: its lock file is written under no limit.
    ASSERT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, trans, n), 0);
    logujRamki = true;
    komunikaty.oczekuj(RodzajKomunikatu::Blad, QStringLiteral("Nie można zapisać dziennika ramek:\n") + plik +
                                                   QStringLiteral("\nFile too large"));
    {
        const LimitPliku limit(40);
        EXPECT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, trans, n), 0);
        EXPECT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, trans, n), 0);
    }
    EXPECT_TRUE(komunikaty.pusty());
    EXPECT_EQ(QFileInfo(plik).size(), 40);
}

// No port chosen (-1) says so, once, instead of naming "COM0".
TEST_F(LaczeSym, BrakWybranegoPortu)
{
    TParamTrans t = trans;
    t.port = -1;
    komunikaty.oczekuj(RodzajKomunikatu::Blad, QStringLiteral("Nie wybrano portu szeregowego."));
    int n = 0;
    EXPECT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, t, n), 1);
    EXPECT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, t, n), 1);
    EXPECT_TRUE(komunikaty.pusty());
    ASSERT_EQ(komunikaty.pokazane.size(), 1u);
    EXPECT_FALSE(komunikaty.pokazane[0].tekst.contains(QStringLiteral("COM0")));
}

// Time-outs at the top of the range neither overflow nor turn into no wait.
TEST_F(LaczeSym, CzasOdczytuBezPrzepelnienia)
{
    lacze->ustawCzasOdczytu(INT_MAX);
    lacze->ustawMnoznikOdczytu(INT_MAX);
    int n = 0;
    EXPECT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, trans, n), 0);
    QByteArray odp;
    EXPECT_EQ(lacze->WyslijRamkeDlugosc(zapytanieBlokady, odp, n, trans), 0);
    lacze->ustawCzasOdczytu(-5);
    lacze->ustawMnoznikOdczytu(1);
    usterki.dodaj('F', 0x07, {RodzajUsterki::BrakOdpowiedzi});
    EXPECT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, trans, n), 8); // waits 6 ms, not forever
}

// While the reply is awaited the windows stay alive: messages are
// processed in slices, inside the exchange.
TEST_F(LaczeSym, CzekanieNaOdpowiedzPrzetwarzaZdarzenia)
{
    lacze->ustawCzasOdczytu(400);
    usterki.dodaj('F', 0x07, {RodzajUsterki::BrakOdpowiedzi});
    int n = 0;
    {
        const PrzetworzeniaWWymianie p(zegarTestowy);
        EXPECT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, trans, n), 8);
        EXPECT_GE(p.ile, 5);
        EXPECT_TRUE(p.wWymianie);
    }
    EXPECT_FALSE(wymianaWToku());
}

// The device behind the port goes away (the other end of the pty closes,
// as an unplugged adapter) and comes back at the same path: the failed
// exchange closes the port and the next one opens it again.
TEST_F(LaczeSym, PortWracaPoZniknieciuUrzadzenia)
{
    const QString dowiazanie = katalog.filePath(QStringLiteral("ttyKVOR"));
    const auto wskaz = [&](const QString &cel) {
        QFile::remove(dowiazanie);
        return QFile::link(cel, dowiazanie);
    };
    ASSERT_TRUE(wskaz(pty.sciezka()));
    nadpisania[QStringLiteral("COM1Device")] = dowiazanie;
    int n = 0;
    ASSERT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, trans, n), 0);
    EXPECT_EQ(port->otwarcia, 1);

    pty.zatrzymaj();
    EXPECT_NE(lacze->CzytajNumerSeryjnyKVOR350(1, trans, n), 0);
    EXPECT_FALSE(port->otwarty());

    QString blad;
    ASSERT_TRUE(pty.uruchom(&blad)) << blad.toStdString();
    ASSERT_TRUE(wskaz(pty.sciezka()));
    n = 0;
    EXPECT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, trans, n), 0);
    EXPECT_EQ(n, 123456);
    EXPECT_EQ(port->otwarcia, 2);
}

// A serial port's lock file is named after the path it opens. A pty's
// number goes to the next pty at once, even while a port that had it still
// holds its lock (it removes the lock just after closing the device): a
// lock on the simulator's own number, held by a live process, leaves the
// simulator's port free; a second opener of that port still finds it busy.
TEST_F(LaczeSym, BlokadaNumeruPtyNieZajmujePortu)
{
    const QString numer = QFileInfo(pty.sciezka()).canonicalFilePath();
    ASSERT_TRUE(numer.startsWith(QLatin1String("/dev/pts/"))) << numer.toStdString();
    QSerialPort obcy;
    obcy.setPortName(numer);
    ASSERT_TRUE(obcy.open(QIODevice::ReadWrite)) << obcy.errorString().toStdString();
    ::ioctl(int(obcy.handle()), TIOCNXCL); // its lock file only, not the device's exclusive mode

    QString powod;
    PortQt pierwszy;
    EXPECT_TRUE(pierwszy.otworz(pty.sciezka(), 115200, &powod)) << powod.toStdString();
    PortQt drugi;
    EXPECT_FALSE(drugi.otworz(pty.sciezka(), 115200, &powod));
    EXPECT_EQ(powod, QStringLiteral("port jest zajęty przez inny program"));
}

TEST_F(LaczeSym, KierunekRecznyNaPty)
{
    lacze->ustawKierunekSterownika(false);
    int n = 0;
    EXPECT_EQ(lacze->CzytajNumerSeryjnyKVOR350(1, trans, n), 0); // RTS on a pty is tolerated
    EXPECT_EQ(n, 123456);
    EXPECT_EQ(zegarTestowy.dokladne, std::vector<int>{5});
}

TEST(UjemneOfesty, TylkoPorty0Do15)
{
    TFkomunikacja k(std::make_unique<PortSkrypt>());
    for (bool &f : k.UjemneOfesty)
        f = true;
    EXPECT_TRUE(k.ujemnyOffset(0));
    EXPECT_TRUE(k.ujemnyOffset(15));
    EXPECT_FALSE(k.ujemnyOffset(16));
    EXPECT_FALSE(k.ujemnyOffset(-1));
    EXPECT_FALSE(k.ujemnyOffset(1000));
}

class LaczeSkrypt : public ::testing::Test {
protected:
    LaczeSkrypt()
    {
        auto p = std::make_unique<PortSkrypt>();
        port = p.get();
        lacze = std::make_unique<TFkomunikacja>(std::move(p));
        lacze->porty().ustawOdczytKlucza([](const QString &) { return QStringLiteral("/dev/ttyTEST"); });
        trans.predkosc = 6;
        ustawKatalogProgramu(katalogProgramuTestu.path()); // for the frame log
    }
    ~LaczeSkrypt() override
    {
        ustawKatalogProgramu(QString());
        TransmisjaNT = false;
        IleSleep = 5;
        logujRamki = false;
    }
    QTemporaryDir katalogProgramuTestu;
    ZegarTestowy zegar;
    KomunikatySkrypt komunikaty;
    PortSkrypt *port;
    std::unique_ptr<TFkomunikacja> lacze;
    TParamTrans trans;
};

TEST_F(LaczeSkrypt, KierunekRecznyCzekaNaOstatniBajtPrzedOpuszczeniemRTS)
{
    lacze->ustawKierunekSterownika(false);
    IleSleep = 7;
    port->odpowiedz = SterownikSym::zbuduj(1, 'I', 0x82, {});
    QByteArray odp;
    int n = 0;
    ASSERT_EQ(lacze->WyslijRamke(hex("01 49 82 00 07 ee 76"), odp, 7, n, trans), 0);
    EXPECT_EQ(port->zdarzenia, QStringList({"otworz /dev/ttyTEST", "czysc", "rts 1", "znak 01", "znak 49", "znak 82",
                                            "znak 00", "znak 07", "znak ee", "znak 76", "oproznij", "rts 0"}));
    EXPECT_EQ(zegar.przespane, 10 + 7);
    EXPECT_EQ(zegar.dokladne, std::vector<int>{7});

    // No precise wait when IleSleep is 0.
    IleSleep = 0;
    zegar.dokladne.clear();
    port->odpowiedz = SterownikSym::zbuduj(1, 'I', 0x82, {});
    ASSERT_EQ(lacze->WyslijRamke(hex("01 49 82 00 07 ee 76"), odp, 7, n, trans), 0);
    EXPECT_TRUE(zegar.dokladne.empty());
}

TEST_F(LaczeSkrypt, BajtOdrzuconyTysiacRazyKonczyNadawanie)
{
    lacze->ustawKierunekSterownika(false);
    logujRamki = true;
    port->nieudaneZnaki = 1000;
    QByteArray odp;
    int n = 0;
    EXPECT_EQ(lacze->WyslijRamke(hex("01 49 82 00 07 ee 76"), odp, 7, n, trans), 2);
    EXPECT_EQ(port->probyZnakow, 1000);
    EXPECT_TRUE(port->wyslane.isEmpty());
    EXPECT_TRUE(port->zdarzenia.endsWith(QStringLiteral("rts 0")));

    // 999 failures and the byte still goes.
    port->nieudaneZnaki = 999;
    port->odpowiedz = SterownikSym::zbuduj(1, 'I', 0x82, {});
    EXPECT_EQ(lacze->WyslijRamke(hex("01 49 82 00 07 ee 76"), odp, 7, n, trans), 0);
}

TEST_F(LaczeSkrypt, TrybBlokowyWymuszonyPrzezTransmisjaNT)
{
    lacze->ustawKierunekSterownika(false);
    TransmisjaNT = true;
    port->odpowiedz = SterownikSym::zbuduj(1, 'I', 0x82, {});
    QByteArray odp;
    int n = 0;
    ASSERT_EQ(lacze->WyslijRamke(hex("01 49 82 00 07 ee 76"), odp, 7, n, trans), 0);
    EXPECT_EQ(port->zdarzenia, QStringList({"otworz /dev/ttyTEST", "czysc", "zapisz 7"}));
}

TEST_F(LaczeSkrypt, NiepelnyZapisIInneBledyPortu)
{
    logujRamki = true;
    QTemporaryDir katalog;
    ustawKatalogProgramu(katalog.path());
    QByteArray odp;
    int n = 0;
    port->limitZapisu = 6;
    EXPECT_EQ(lacze->WyslijRamke(zapytanieNumeru, odp, 11, n, trans), 2);
    EXPECT_EQ(lacze->WyslijRamkeDlugosc(zapytanieBlokady, odp, n, trans), 2);
    // A failed send is logged with its code like any other exchange.
    QFile log(katalogProgramu() + QStringLiteral("trans.txt"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> wiersze = log.readAll().split('\n');
    EXPECT_EQ(wiersze.value(4), QByteArray("  S:    [0] 2"));
    EXPECT_EQ(wiersze.value(9), QByteArray("  S:    [0] 2"));
    log.close();

    port->limitZapisu = -1;
    port->parzystoscOk = false;
    EXPECT_EQ(lacze->WyslijRamke(zapytanieNumeru, odp, 11, n, trans), 1);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().endsWith("  S:    [0] 1\n"));

    // The first exchange on the start-up port opens it without a box.
    auto p = std::make_unique<PortSkrypt>();
    p->daSieOtworzyc = false;
    TFkomunikacja k(std::move(p));
    k.porty().ustawOdczytKlucza([](const QString &) { return QStringLiteral("/dev/ttyTEST"); });
    EXPECT_EQ(k.WyslijRamke(zapytanieNumeru, odp, 11, n, trans), 1);
    ustawKatalogProgramu(QString());
}
