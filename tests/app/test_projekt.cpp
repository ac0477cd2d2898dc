#include "gtest_qt.h"
#include "komunikaty_skrypt.h"
#include "limit_pliku.h"
#include "nazwy.h"
#include "plik_sekcji.h"
#include "projekt.h"
#include "sciezki.h"
#include "start.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using R = RodzajKomunikatu;

namespace {

QByteArray czytaj(const QString &p)
{
    QFile f(p);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << p.toStdString();
    return f.readAll();
}

void zapisz(const QString &p, const QByteArray &b)
{
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(b), b.size());
}

QByteArray bajty(const TProjektVXTNew &p) { return QByteArray(reinterpret_cast<const char *>(&p), sizeof p); }

int32_t int32Pod(const QByteArray &b, qsizetype off)
{
    int32_t v;
    std::memcpy(&v, b.constData() + off, 4);
    return v;
}

QString nazwaPod(const QByteArray &b, qsizetype off)
{
    TNazwa50char n;
    std::memcpy(&n, b.constData() + off, sizeof n);
    return nazwa50NaTekst(n);
}

class Projekt : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ustawKatalogProgramu(dir.path());
    }
    void TearDown() override { ustawKatalogProgramu(QString()); }
    QString sciezka(const char *n) const { return dir.filePath(QString::fromUtf8(n)); }

    QTemporaryDir dir;
    KomunikatySkrypt komunikaty;
    WyborPlikuSkrypt wybor;
};

} // namespace

TEST_F(Projekt, NowyZapisanyIOdczytanyDajeTeSameBajty)
{
    TBiezacyProjekt a;
    a.mycie().czaDoMycia = 90;
    a.mycie().r[799] = 0x5a;
    a.projekt().kroki[0].r2 = 0x11223344; // slot 0 carries no step but is kept
    a.projekt().rez[117] = 0xee;
    const QString p = sciezka("zakład.k3p");
    ASSERT_TRUE(zapiszProjektDoPliku(p, a.projekt(), a.mycie(), 0));
    EXPECT_EQ(QFileInfo(p).size(), 1804268);
    EXPECT_EQ(QFileInfo(p + "pdo").size(), 932);

    TBiezacyProjekt b;
    ASSERT_TRUE(b.OtworzProjektNazwa(p));
    EXPECT_EQ(bajty(b.projekt()), bajty(a.projekt()));
    EXPECT_EQ(std::memcmp(&b.mycie(), &a.mycie(), sizeof(TProjektDodatkiMycie)), 0);
    EXPECT_EQ(b.projektNnazwa, p);
    EXPECT_FALSE(b.bylazmianaProjektu);
    EXPECT_EQ(czytaj(p), bajty(a.projekt()));
}

TEST_F(Projekt, DomyslneWartosciNowegoProjektuWPliku)
{
    TBiezacyProjekt a;
    const QString p = sciezka("nowy.k3p");
    ASSERT_TRUE(zapiszProjektDoPliku(p, a.projekt(), a.mycie(), 2));
    const QByteArray b = czytaj(p);
    ASSERT_EQ(b.size(), 1804268);

    // Network settings: the controller's default address, mask and gateway.
    EXPECT_EQ(b.mid(2, 20).toHex(' '), QByteArray("00 00 00 00 f8 00 a8 c0 00 ff ff ff 01 00 a8 c0 00 00 00 00"));
    // Programs: P01 is "Test" and numbered 0, P100 numbered 99; washing program 100.
    EXPECT_EQ(nazwaPod(b, 200), QStringLiteral("Test"));
    EXPECT_EQ(int32Pod(b, 200 + 16900), 0);
    EXPECT_EQ(int32Pod(b, 200 + 99 * 16916 + 16900), 99);
    EXPECT_EQ(int32Pod(b, 1691800 + 16900), 100);
    EXPECT_TRUE(nazwaPod(b, 1691800).isEmpty());
    // Steps: slot 0 untouched, slot 1 "S1" ending on condition 1, washing "SW32".
    EXPECT_TRUE(nazwaPod(b, 1708716 + 4).isEmpty());
    EXPECT_EQ(nazwaPod(b, 1708716 + 252 + 4), QStringLiteral("S1"));
    EXPECT_EQ(int32Pod(b, 1708716 + 252 + 104), 1);
    EXPECT_EQ(int32Pod(b, 1708716 + 2 * 252 + 104), 0);
    EXPECT_EQ(nazwaPod(b, 1717032 + 32 * 252 + 4), QStringLiteral("SW32"));
    // Digital outputs 1..32 named "k. DO" with icon 16; 33 untouched.
    EXPECT_EQ(nazwaPod(b, 1725348 + 31 * 328 + 12), QStringLiteral("32. DO"));
    EXPECT_EQ(int32Pod(b, 1725348 + 320), 16);
    EXPECT_EQ(int32Pod(b, 1725348 + 32 * 328 + 320), 0);
    // Special modes: long names.
    EXPECT_EQ(nazwaPod(b, 1767332 + 4), QStringLiteral("Pauza"));
    EXPECT_EQ(nazwaPod(b, 1767332 + 3 * 256 + 4), QStringLiteral("Aktywny STOP"));
    EXPECT_EQ(nazwaPod(b, 1767332 + 13 * 256 + 4), QStringLiteral("F10"));
    // SETUP table.
    const std::pair<int, int32_t> setup[] = {{0, 0}, {1, 1}, {2, 4}, {8, 300}, {36, 8356}, {37, 0}, {100, 0}};
    for (const auto &[n, v] : setup)
        EXPECT_EQ(int32Pod(b, 1771372 + 4 * n), v) << "F" << n;
    // Analog outputs: "AOUT k", setpoint channel 3, max 1000.
    EXPECT_EQ(nazwaPod(b, 1771776 + 3 * 320), QStringLiteral("AOUT 4"));
    EXPECT_EQ(b[1771776 + 202], 3);
    EXPECT_EQ(int32Pod(b, 1771776 + 212), 1000);
    // Measuring inputs: AIN 1..6 four times, p2 1000.
    EXPECT_EQ(nazwaPod(b, 1773056 + 6 * 852), QStringLiteral("AIN 1"));
    EXPECT_EQ(nazwaPod(b, 1773056 + 23 * 852), QStringLiteral("AIN 6"));
    EXPECT_EQ(int16_t(uint8_t(b[1773056 + 108]) | uint8_t(b[1773056 + 109]) << 8), 1000);
    // Digital inputs: base card DIN 1..8, then DIN 1..16 on the first card.
    const qsizetype di9 = 1793504 + 8 * 230;
    EXPECT_EQ(b.mid(di9 + 213, 6), QByteArray("\x05"
                                              "DIN 1"));
    EXPECT_EQ(b.mid(di9 + 4, 10), QByteArray("D\0I\0N\0 \0"
                                             "1\0",
                                             10));
    EXPECT_EQ(b.mid(1793504 + 7 * 230 + 213, 6), QByteArray("\x05"
                                                            "DIN 8"));
    EXPECT_EQ(b.mid(1793504 + 23 * 230 + 213, 7), QByteArray("\x06"
                                                             "DIN 16"));
    EXPECT_EQ(b[1793504 + 24 * 230 + 213], 0);
    // Setpoints Z1..Z10.
    EXPECT_EQ(nazwaPod(b, 1800864 + 9 * 204), QStringLiteral("Z10"));
    // The sidecar is all zero.
    EXPECT_EQ(czytaj(p + "pdo"), QByteArray(932, '\0'));
}

TEST_F(Projekt, OtwarcieOdrzucaPlikInnegoRozmiaru)
{
    const QString tekst = "Wybrany plik stworzony inną wersją programu, skorzystaj z konwertera!";
    for (qint64 rozmiar : {qint64(1804267), qint64(1804269), qint64(0), qint64(-1)}) {
        TBiezacyProjekt a;
        a.projekt().r1 = 77;
        a.bylazmianaProjektu = true;
        const QByteArray przed = bajty(a.projekt());
        const QString p = sciezka("zly.k3p");
        QFile::remove(p);
        if (rozmiar >= 0)
            zapisz(p, QByteArray(rozmiar, '\x01'));
        komunikaty.oczekuj(R::Blad, tekst);
        EXPECT_FALSE(a.OtworzProjektNazwa(p)) << rozmiar;
        EXPECT_EQ(bajty(a.projekt()), przed);
        EXPECT_TRUE(a.bylazmianaProjektu);
        EXPECT_TRUE(a.projektNnazwa.isEmpty());
    }
    // Exactly the right size is accepted whatever it holds.
    TBiezacyProjekt a;
    const QString p = sciezka("dowolny.k3p");
    zapisz(p, QByteArray(1804268, '\x01'));
    zapisz(p + "pdo", QByteArray(932, '\x02'));
    EXPECT_TRUE(a.OtworzProjektNazwa(p));
    EXPECT_EQ(a.projekt().r1, 0x01010101);
    EXPECT_EQ(a.mycie().czaDoMycia, 0x0202);
}

TEST_F(Projekt, BrakujacyLubKrotkiPlikMyciaZerujeUstawieniaMycia)
{
    TBiezacyProjekt zrodlo;
    const QString p = sciezka("bez.k3p");
    ASSERT_TRUE(zapiszProjektDoPliku(p, zrodlo.projekt(), zrodlo.mycie(), 2));
    const QString tekst = "Brak pliku dla \"Ustawienia mycia\". \rZostaną ustawione wartości domyślne";
    for (int przypadek = 0; przypadek < 2; ++przypadek) {
        if (przypadek == 0)
            QFile::remove(p + "pdo");
        else
            zapisz(p + "pdo", QByteArray(931, '\x07'));
        TBiezacyProjekt a;
        a.mycie().czaDoMycia = 5;
        komunikaty.oczekuj(R::Blad, tekst);
        EXPECT_TRUE(a.OtworzProjektNazwa(p));
        EXPECT_EQ(a.mycie().czaDoMycia, 0);
        EXPECT_EQ(a.projektNnazwa, p);
    }
    // A longer sidecar gives its first 932 bytes.
    QByteArray dlugi(1000, '\0');
    dlugi[0] = 9;
    zapisz(p + "pdo", dlugi);
    TBiezacyProjekt a;
    EXPECT_TRUE(a.OtworzProjektNazwa(p));
    EXPECT_EQ(a.mycie().czaDoMycia, 9);
}

TEST_F(Projekt, NieudanyZapisZostawiaStaryPlikIZglaszaBlad)
{
    TBiezacyProjekt a;
    const QString p = sciezka("stary.k3p");
    ASSERT_TRUE(zapiszProjektDoPliku(p, a.projekt(), a.mycie(), 2));
    const QByteArray stary = czytaj(p), staryMycia = czytaj(p + "pdo");

    // The sidecar's place is taken by a folder: nothing can be written.
    ASSERT_TRUE(QFile::remove(p + "pdo"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("stary.k3ppdo"));
    a.projekt().r2 = 123;
    EXPECT_THROW(zapiszProjektDoPliku(p, a.projekt(), a.mycie(), 2), BladZapisuProjektu);
    EXPECT_EQ(czytaj(p), stary);

    // Through the save command: the error is shown and the flag stays set.
    a.projektNnazwa = p;
    a.bylazmianaProjektu = true;
    komunikaty.oczekuj(R::Blad, "Plik projektu nie został zapisany!");
    EXPECT_FALSE(a.zapiszProjekt(false));
    EXPECT_TRUE(a.bylazmianaProjektu);
    EXPECT_EQ(czytaj(p), stary);
    QDir(dir.path()).rmdir("stary.k3ppdo");

    // A write cut short by the file size limit: nothing is replaced, and
    // the box tells why.
    {
        zapisz(p + "pdo", staryMycia);
        LimitPliku limit(4096);
        komunikaty.oczekuj(R::Blad, "Plik projektu nie został zapisany!");
        EXPECT_FALSE(a.zapiszProjekt(false));
        ASSERT_FALSE(komunikaty.pokazane.empty());
        EXPECT_TRUE(komunikaty.pokazane.back().tekst.contains("File too large"))
            << komunikaty.pokazane.back().tekst.toStdString();
    }
    EXPECT_EQ(czytaj(p), stary);
    EXPECT_EQ(czytaj(p + "pdo"), staryMycia);
    EXPECT_TRUE(a.bylazmianaProjektu);

    // A folder without write permission (only meaningful for non-root).
    if (geteuid() != 0) {
        zapisz(p + "pdo", staryMycia);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        komunikaty.oczekuj(R::Blad, "Plik projektu nie został zapisany!");
        EXPECT_FALSE(a.zapiszProjekt(false));
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(czytaj(p), stary);
        EXPECT_EQ(czytaj(p + "pdo"), staryMycia);
    }
}

TEST_F(Projekt, TrybyZapisuDoIstniejacegoPliku)
{
    TBiezacyProjekt a;
    const QString p = sciezka("jest.k3p");
    ASSERT_TRUE(zapiszProjektDoPliku(p, a.projekt(), a.mycie(), 0));
    a.projekt().r3 = 5;

    komunikaty.oczekuj(R::Blad, "Błąd zapisu projektu, istnieje plik:" + p);
    EXPECT_FALSE(zapiszProjektDoPliku(p, a.projekt(), a.mycie(), 0));

    komunikaty.oczekuj(R::Pytanie, "Istnieje plik projektu:" + p + "\r\r Zastąpić ?", 0);
    EXPECT_FALSE(zapiszProjektDoPliku(p, a.projekt(), a.mycie(), 1));
    EXPECT_EQ(int32Pod(czytaj(p), 1771364), 0);

    komunikaty.oczekuj(R::Pytanie, "Zastąpić ?", 1);
    EXPECT_TRUE(zapiszProjektDoPliku(p, a.projekt(), a.mycie(), 1));
    EXPECT_EQ(int32Pod(czytaj(p), 1771364), 5);

    a.projekt().r3 = 6;
    EXPECT_TRUE(zapiszProjektDoPliku(p, a.projekt(), a.mycie(), 2));
    EXPECT_EQ(int32Pod(czytaj(p), 1771364), 6);
}

TEST_F(Projekt, ZapiszPokazujeOknoDlaDefaultK3pIPustejNazwy)
{
    TBiezacyProjekt a;
    a.nowyProjekt();
    EXPECT_EQ(a.projektNnazwa, dir.path() + "/default.k3p");
    for (const QString &nazwa : {dir.path() + "/default.k3p", dir.path() + "/DEFAULT.K3P", QString()}) {
        a.projektNnazwa = nazwa;
        a.bylazmianaProjektu = true;
        wybor.odpowiedzi.push_back(QString()); // cancelled
        komunikaty.oczekuj(R::Blad, "Plik projektu nie został zapisany!");
        EXPECT_FALSE(a.zapiszProjekt(false));
        EXPECT_TRUE(a.bylazmianaProjektu);
    }
    EXPECT_EQ(wybor.ileZapisow, 3);
    EXPECT_EQ(wybor.filtry.last(), "Project kVOR350|*.k3p");
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/default.k3p"));

    // Confirmed: written without a second overwrite question, name taken.
    const QString p = sciezka("wybrany.k3p");
    zapisz(p, "stary");
    wybor.odpowiedzi.push_back(p);
    EXPECT_TRUE(a.zapiszProjekt(true));
    EXPECT_FALSE(a.bylazmianaProjektu);
    EXPECT_EQ(a.projektNnazwa, p);
    EXPECT_EQ(QFileInfo(p).size(), 1804268);

    // A plain save now writes straight to that file.
    a.bylazmianaProjektu = true;
    EXPECT_TRUE(a.zapiszProjekt(false));
    EXPECT_EQ(wybor.ileZapisow, 4);
}

TEST_F(Projekt, NowyPytaOZapisIZostawiaFlage)
{
    TBiezacyProjekt a;
    a.projekt().r4 = 9;
    a.bylazmianaProjektu = true;
    komunikaty.oczekuj(R::PytanieMyDlg, "Czy zapisać zmiany w projekcie?", 7);
    EXPECT_TRUE(a.nowyProjekt());
    EXPECT_EQ(a.projekt().r4, 0);
    EXPECT_TRUE(a.bylazmianaProjektu); // closing still asks "Zapisać zmiany?"

    // "Tak" with a save that is cancelled keeps the project.
    a.projekt().r4 = 9;
    komunikaty.oczekuj(R::PytanieMyDlg, "Czy zapisać", 6).oczekuj(R::Blad, "nie został zapisany");
    wybor.odpowiedzi.push_back(QString());
    EXPECT_FALSE(a.nowyProjekt());
    EXPECT_EQ(a.projekt().r4, 9);

    a.daneProjektu.default_ = true;
    a.daneProjektu.ns = 5;
    a.bylazmianaProjektu = false;
    EXPECT_TRUE(a.nowyProjekt());
    EXPECT_FALSE(a.daneProjektu.default_);
    EXPECT_EQ(a.daneProjektu.ns, 0);
    EXPECT_TRUE(a.daneProjektu.adddt);
}

TEST_F(Projekt, OtworzNieOtwieraGdyZapisZmianSieNieUdal)
{
    TBiezacyProjekt zrodlo;
    const QString inny = sciezka("inny.k3p");
    ASSERT_TRUE(zapiszProjektDoPliku(inny, zrodlo.projekt(), zrodlo.mycie(), 2));

    TBiezacyProjekt a;
    a.projekt().r4 = 9;
    a.bylazmianaProjektu = true;
    komunikaty.oczekuj(R::PytanieMyDlg, "Czy zapisać", 6).oczekuj(R::Blad, "nie został zapisany");
    wybor.odpowiedzi.push_back(QString()); // save dialog cancelled
    a.otworzProjekt();
    EXPECT_EQ(wybor.ileOtwarc, 0);
    EXPECT_EQ(a.projekt().r4, 9);
    EXPECT_TRUE(a.bylazmianaProjektu);

    // "Nie": the chosen file replaces the project.
    komunikaty.oczekuj(R::PytanieMyDlg, "Czy zapisać", 7);
    wybor.odpowiedzi.push_back(inny);
    a.otworzProjekt();
    EXPECT_EQ(a.projekt().r4, 0);
    EXPECT_FALSE(a.bylazmianaProjektu);
    EXPECT_EQ(a.projektNnazwa, inny);
}

TEST_F(Projekt, NiedajacySieCzytacPlikNicNieZmienia)
{
    TBiezacyProjekt a;
    a.projektNnazwa = "/biezacy.k3p";
    a.bylazmianaProjektu = true;
    a.projekt().r1 = 1;
    // A file of the right size that its owner may not read.
    const QString p = sciezka("nieczytelny.k3p");
    zapisz(p, QByteArray(1804268, '\x03'));
    QFile::setPermissions(p, QFileDevice::WriteOwner);
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    komunikaty.oczekuj(R::Blad, "Nie można odczytać pliku projektu:" + p);
    EXPECT_FALSE(a.OtworzProjektNazwa(p));
    EXPECT_EQ(a.projekt().r1, 1);
    EXPECT_EQ(a.projektNnazwa, "/biezacy.k3p");
    EXPECT_TRUE(a.bylazmianaProjektu);
}

// A write past the file-size limit must not kill the program: with the
// start-up's process settings it fails with EFBIG instead (in a child, so
// that the signal's default could show).
TEST(Proces, LimitRozmiaruPlikuNieZabija)
{
    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray plik = QFile::encodeName(dir.filePath("duzy"));
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        przygotujProces();
        rlimit r{};
        getrlimit(RLIMIT_FSIZE, &r);
        r.rlim_cur = 100;
        setrlimit(RLIMIT_FSIZE, &r);
        const int fd = ::open(plik.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        char bufor[1000] = {};
        const ssize_t w1 = ::write(fd, bufor, sizeof bufor); // 100 of them
        const ssize_t w2 = ::write(fd, bufor, sizeof bufor);
        _exit(w1 == 100 && w2 < 0 && errno == EFBIG ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// Only regular files are opened: a FIFO (or a device) in the place of the
// project, its sidecar or a section file counts as unreadable or missing
// and never blocks.
TEST_F(Projekt, FifoZamiastPlikuNieBlokuje)
{
    const auto fifo = [&](const QString &p) { return mkfifo(QFile::encodeName(p).constData(), 0600) == 0; };

    const QString p = sciezka("fifo.k3p");
    ASSERT_TRUE(fifo(p));
    {
        TBiezacyProjekt a;
        komunikaty.oczekuj(R::Blad, "Wybrany plik stworzony inną wersją programu, skorzystaj z konwertera!");
        EXPECT_FALSE(a.OtworzProjektNazwa(p));
    }

    TBiezacyProjekt a;
    const QString q = sciezka("dobry.k3p");
    a.mycie().czaDoMycia = 7;
    ASSERT_TRUE(zapiszProjektDoPliku(q, a.projekt(), a.mycie(), 2));
    ASSERT_TRUE(QFile::remove(q + "pdo"));
    ASSERT_TRUE(fifo(q + "pdo"));
    komunikaty.oczekuj(R::Blad, "Brak pliku dla \"Ustawienia mycia\".");
    EXPECT_TRUE(a.OtworzProjektNazwa(q));
    EXPECT_EQ(a.mycie().czaDoMycia, 0);

    const QString s = sciezka("fifo.k3ana");
    ASSERT_TRUE(fifo(s));
    char blok[16] = {1};
    EXPECT_EQ(czytajPlikSekcji(s, blok, sizeof blok), TOdczytPliku::BladOtwarcia);
    EXPECT_EQ(blok[0], 1);
}

TEST(DomyslnaNazwa, Przypadki)
{
    const QDateTime czas(QDate(2024, 1, 31), QTime(14, 5, 59));
    struct Przypadek {
        bool domyslna;
        bool dt;
        int ns;
        const char *oczekiwana;
    } const przypadki[] = {
        {true, true, 1234, "sn001234_pc1-05_fw2-115_dt2024-01-31_14_05.k3p"},
        {true, true, 42, "sn000042_pc1-05_fw2-115_dt2024-01-31_14_05.k3p"},
        {true, false, 1234567, "sn1234567_pc1-05_fw2-115.k3p"},
        {false, true, 1234, ""},
        {true, true, 0, ""},
        {true, true, -5, ""},
    };
    for (const auto &p : przypadki) {
        TDaneProjektu d;
        d.default_ = p.domyslna;
        d.adddt = p.dt;
        d.ns = p.ns;
        d.pc = "1.05";
        d.firmware = "2.115";
        EXPECT_EQ(domyslnaNazwaProjektu(d, czas), QString::fromUtf8(p.oczekiwana)) << p.ns;
    }
}
