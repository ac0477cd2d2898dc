#include "gtest_qt.h"
#include "komunikaty_skrypt.h"
#include "ustawienia_ini.h"
#include "ustawienia_lacza.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>

#include <sys/stat.h>

namespace {

class Ini : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString sciezka() const { return dir.filePath(QStringLiteral("ustawienia.ini")); }
    void zapisz(const QByteArray &b) const
    {
        QFile f(sciezka());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b);
    }
    QByteArray czytaj() const
    {
        QFile f(sciezka());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }

    QTemporaryDir dir;
};

const QString P = QStringLiteral("Parametry");

} // namespace

TEST_F(Ini, BrakPlikuDajeDomyslneIZapisTworzyPlik)
{
    PlikIni ini(sciezka());
    EXPECT_EQ(ini.czytajLiczbe(P, "AutoRead", 7), 7);
    EXPECT_EQ(ini.czytajTekst(P, "IpAddress", "0.0.0.0"), "0.0.0.0");
    EXPECT_FALSE(ini.jestKlucz(P, "AutoRead"));
    ini.zapiszLiczbe(P, "AutoRead", 1);
    ini.zapiszTekst(P, "IpAddress", "10.0.0.1");
    ini.zapiszLiczbe("language", "langId", 2057);
    ASSERT_TRUE(ini.zapisz()) << ini.blad().toStdString();
    EXPECT_EQ(czytaj(), QByteArray("[Parametry]\r\nAutoRead=1\r\nIpAddress=10.0.0.1\r\n\r\n"
                                   "[language]\r\nlangId=2057\r\n"));
}

TEST_F(Ini, SekcjeIKluczeBezWzgleduNaWielkoscLiter)
{
    zapisz("[PARAMETRY]\nautoread=1\nComboBoxPORT = 4\n[Language]\nLANGID=1049\n");
    PlikIni ini(sciezka());
    EXPECT_EQ(ini.czytajLiczbe(P, "AutoRead", 0), 1);
    EXPECT_EQ(ini.czytajLiczbe(P, "ComboBoxPort", -1), 4);
    EXPECT_EQ(ini.czytajLiczbe("language", "langID", 2057), 1049);
    EXPECT_EQ(ini.czytajLiczbe("language", "langId", 2057), 1049);
    // A key of the same name in another section is another key.
    EXPECT_EQ(ini.czytajLiczbe("language", "AutoRead", -1), -1);

    // The key keeps the file's spelling; only the value changes.
    ini.zapiszLiczbe("language", "langId", 2057);
    ASSERT_TRUE(ini.zapisz());
    EXPECT_EQ(czytaj(), QByteArray("[PARAMETRY]\nautoread=1\nComboBoxPORT = 4\n[Language]\nLANGID=2057\n"));
}

TEST_F(Ini, ZapisBezZmianOddajeTeSameBajty)
{
    const QByteArray pliki[] = {
        "; ustawienia\r\n\r\n[Parametry]\r\n  AutoRead = 1  \r\nObcy klucz=a b c\r\n; koniec\r\n"
        "[Inna]\r\nX=\"  w cudzysłowie \"\r\n",
        "\xEF\xBB\xBF[Parametry]\nSN=5\nbez znaku rownosci\n=bez nazwy\n[pusta]",
        "klucz=przed sekcja\n[Parametry]\nA=1\nA=2",
        "",
    };
    for (const QByteArray &b : pliki) {
        zapisz(b);
        PlikIni ini(sciezka());
        EXPECT_EQ(ini.tresc(), b);
        ASSERT_TRUE(ini.zapisz());
        EXPECT_EQ(czytaj(), b);
    }
}

TEST_F(Ini, ZmianaWartosciZostawiaResztePliku)
{
    zapisz("; komentarz\r\n[Parametry]\r\nIpAddress =  1.2.3.4\r\nObcy=x\r\n\r\n[language]\r\nlangId=1045\r\n");
    PlikIni ini(sciezka());
    ini.zapiszTekst(P, "ipaddress", "10.0.0.1");
    ini.zapiszLiczbe(P, "AutoRead", 0);              // new key: after the section's last key
    ini.zapiszLiczbe("Nowa", "Klucz z odstepem", 3); // new section: at the end, no %20
    ASSERT_TRUE(ini.zapisz());
    EXPECT_EQ(czytaj(), QByteArray("; komentarz\r\n[Parametry]\r\nIpAddress =  10.0.0.1\r\nObcy=x\r\n"
                                   "AutoRead=0\r\n\r\n[language]\r\nlangId=1045\r\n\r\n"
                                   "[Nowa]\r\nKlucz z odstepem=3\r\n"));
}

TEST_F(Ini, LinieKonczaceSieJakWPliku)
{
    zapisz("[Parametry]\nA=1"); // LF, no line end at the end
    PlikIni ini(sciezka());
    ini.zapiszLiczbe(P, "A", 2);
    ini.zapiszLiczbe(P, "B", 3);
    ASSERT_TRUE(ini.zapisz());
    EXPECT_EQ(czytaj(), QByteArray("[Parametry]\nA=2\nB=3\n"));
}

TEST_F(Ini, WartosciJakWPliku)
{
    zapisz("[Parametry]\nA=  a  b  \nB=\"  x \"\nC='y'\nD=\"z\nE=\n;F=1\nG = 1 = 2\n");
    PlikIni ini(sciezka());
    EXPECT_EQ(ini.czytajTekst(P, "A"), "a  b");
    EXPECT_EQ(ini.czytajTekst(P, "B"), "  x ");
    EXPECT_EQ(ini.czytajTekst(P, "C"), "y");
    EXPECT_EQ(ini.czytajTekst(P, "D"), "\"z");
    EXPECT_EQ(ini.czytajTekst(P, "E", "dom"), "");
    EXPECT_TRUE(ini.jestKlucz(P, "E"));
    EXPECT_FALSE(ini.jestKlucz(P, ";F"));
    EXPECT_EQ(ini.czytajTekst(P, "G"), "1 = 2");
}

TEST_F(Ini, PierwszyZPowtorzonychKluczy)
{
    zapisz("[Parametry]\nSN=1\nsn=2\n[parametry]\nSN=3\n");
    PlikIni ini(sciezka());
    EXPECT_EQ(ini.czytajLiczbe(P, "SN", 0), 1);
    ini.zapiszLiczbe(P, "SN", 9);
    ASSERT_TRUE(ini.zapisz());
    EXPECT_EQ(czytaj(), QByteArray("[Parametry]\nSN=9\nsn=2\n[parametry]\nSN=3\n"));
}

TEST_F(Ini, TekstOsmiobitowy)
{
    // Latin-1 (not UTF-8): read as Latin-1, written back as it was.
    const QByteArray latin("[Parametry]\nOpis=Zak\xb3"
                           "ad\nSN=1\n");
    zapisz(latin);
    {
        PlikIni ini(sciezka());
        EXPECT_EQ(ini.czytajTekst(P, "Opis"), QString::fromLatin1("Zak\xb3"
                                                                  "ad"));
        ini.zapiszLiczbe(P, "SN", 2);
        ASSERT_TRUE(ini.zapisz());
        EXPECT_EQ(czytaj(), QByteArray("[Parametry]\nOpis=Zak\xb3"
                                       "ad\nSN=2\n"));
    }
    const QByteArray utf8 = QStringLiteral("[Sekcja ł]\nKlucz ą=Zakład\n").toUtf8();
    zapisz(utf8);
    PlikIni ini(sciezka());
    EXPECT_EQ(ini.czytajTekst(QStringLiteral("SEKCJA Ł"), QStringLiteral("klucz Ą")), QStringLiteral("Zakład"));
    ASSERT_TRUE(ini.zapisz());
    EXPECT_EQ(czytaj(), utf8);
}

TEST_F(Ini, Liczby)
{
    const std::pair<const char *, int> przypadki[] = {
        {"12", 12},
        {" -5 ", -5},
        {"+7", 7},
        {"0x1F", 31},
        {"$1f", 31},
        {"-$10", -16},
        {"abc", -99},
        {"", -99},
        {"12abc", -99},
        {"1-2", -99},
        {"-", -99},
        {"99999999999", -99},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", -99},
        {"1.5", -99},
    };
    QByteArray b("[Parametry]\n");
    int n = 0;
    for (const auto &[tekst, _] : przypadki)
        b += "K" + QByteArray::number(n++) + "=" + tekst + "\n";
    zapisz(b);
    PlikIni ini(sciezka());
    n = 0;
    for (const auto &[tekst, wartosc] : przypadki)
        EXPECT_EQ(ini.czytajLiczbe(P, QStringLiteral("K%1").arg(n++), -99), wartosc) << tekst;
}

TEST_F(Ini, ZapisZachowujeToCoInnyProgramDopisal)
{
    zapisz("[Parametry]\nSN=1\n");
    PlikIni ini(sciezka());
    ini.zapiszLiczbe(P, "SN", 2);
    zapisz("[Parametry]\nSN=1\nCOM1Device=/dev/ttyUSB0\n");
    ASSERT_TRUE(ini.zapisz());
    EXPECT_EQ(czytaj(), QByteArray("[Parametry]\nSN=2\nCOM1Device=/dev/ttyUSB0\n"));
    EXPECT_EQ(ini.czytajTekst(P, "COM1Device"), "/dev/ttyUSB0");
}

TEST_F(Ini, NieudanyZapisJestZgloszonyIPlikZostaje)
{
    // The folder does not exist (its path runs through a file).
    zapisz("x");
    PlikIni wPliku(sciezka() + QStringLiteral("/ustawienia.ini"));
    wPliku.zapiszLiczbe(P, "SN", 1);
    EXPECT_FALSE(wPliku.zapisz());
    EXPECT_FALSE(wPliku.blad().isEmpty());
    EXPECT_EQ(czytaj(), QByteArray("x"));

    // A settings file that cannot be read is not overwritten.
    const QString katalog = dir.filePath(QStringLiteral("katalog.ini"));
    ASSERT_TRUE(QDir().mkdir(katalog));
    PlikIni nieczytelny(katalog);
    nieczytelny.zapiszLiczbe(P, "SN", 1);
    EXPECT_FALSE(nieczytelny.zapisz());
    EXPECT_TRUE(nieczytelny.blad().contains(katalog));
    EXPECT_TRUE(QFileInfo(katalog).isDir());
    // What was set stays readable in memory.
    EXPECT_EQ(nieczytelny.czytajLiczbe(P, "SN", 0), 1);
}

TEST_F(Ini, UstawieniaLacza)
{
    const std::pair<const char *, int> ileSleep[] = {{"10", 5},    {"11", 11},          {"5", 5},
                                                     {"0", 0},     {"-3", 0},           {"100", 100},
                                                     {"101", 100}, {"2147483647", 100}, {nullptr, 5}};
    for (const auto &[tekst, oczekiwana] : ileSleep) {
        zapisz(tekst ? QByteArray("[parametry]\nILESLEEP=") + tekst + "\n" : QByteArray());
        EXPECT_EQ(czytajUstawieniaLacza(PlikIni(sciezka())).IleSleep, oczekiwana) << (tekst ? tekst : "-");
    }

    zapisz("[Parametry]\nCOM1MinusOffset=1\ncom3minusoffset=1\nCOM4MinusOffset=2\nCOM16MinusOffset=1\n"
           "COM17MinusOffset=1\ntransmisjant=1\nTimeoutStand=700\n");
    const UstawieniaLacza u = czytajUstawieniaLacza(PlikIni(sciezka()));
    for (int n = 0; n < 16; ++n)
        EXPECT_EQ(u.UjemneOfesty[n], n == 0 || n == 2 || n == 15) << "COM" << n + 1;
    EXPECT_TRUE(u.TransmisjaNT);
    EXPECT_EQ(u.timeoutStand, 700);

    // A huge time-out is taken as the largest one, which the link's
    // arithmetic (three times the time-out) still holds.
    const std::pair<const char *, int> czasy[] = {
        {"2147483647", 60000}, {"60001", 60000}, {"60000", 60000}, {"50", 50}, {"49", 50}, {"0", 50}, {"-1000", 50}};
    for (const auto &[tekst, oczekiwany] : czasy) {
        zapisz(QByteArray("[Parametry]\ntimeoutStand=") + tekst + "\n");
        EXPECT_EQ(czytajUstawieniaLacza(PlikIni(sciezka())).timeoutStand, oczekiwany) << tekst;
    }

    zapisz("");
    const UstawieniaLacza d = czytajUstawieniaLacza(PlikIni(sciezka()));
    EXPECT_FALSE(d.TransmisjaNT);
    EXPECT_EQ(d.timeoutStand, 1000);
    EXPECT_EQ(d.IleSleep, 5);
}

TEST_F(Ini, KodowanieZostajeJakPlikuIZapisOdczytujeSieTakSamo)
{
    // (file, value written to key "B", written, what "A" reads before and after)
    struct Przypadek {
        const char *opis;
        QByteArray plik;
        QString wartosc;
        bool zapisany;
        QString a;
    } const przypadki[] = {
        // Ends inside a UTF-8 character: Latin-1 for reading and writing.
        {"utf-8 cut at the end",
         "[Parametry]\nA=Zak\xc5\x82"
         "ad\nB=1\nC=\xc5",
         "2", true,
         QString::fromLatin1("Zak\xc5\x82"
                             "ad")},
        // The only non-UTF-8 bytes overwritten: A would read as UTF-8 then.
        {"flip to utf-8", "[Parametry]\nA=\xc3\xa9\nB=\xb3\n", "x", false, QString::fromLatin1("\xc3\xa9")},
        {"latin-1 keeps latin-1", "[Parametry]\nA=\xe9\nB=\xb3\n", "x", true, QString::fromLatin1("\xe9")},
        {"latin-1 value in latin-1", "[Parametry]\nA=\xe9\n", QString::fromLatin1("\xe9t\xe9"), true,
         QString::fromLatin1("\xe9")},
        {"beyond latin-1", "[Parametry]\nA=\xe9\n", QStringLiteral("Zakład"), false, QString::fromLatin1("\xe9")},
        {"utf-8 file", "[Parametry]\nA=\xc3\xa9\n", QStringLiteral("Zakład"), true, QStringLiteral("é")},
        {"ascii file becomes utf-8", "[Parametry]\nA=a\n", QStringLiteral("Zakład"), true, QStringLiteral("a")},
        {"no file", QByteArray(), QStringLiteral("Zakład"), true, QString()},
        {"blanks kept", "[Parametry]\nA=a\n", QStringLiteral("  x "), true, QStringLiteral("a")},
        {"quotes kept", "[Parametry]\nA=a\n", QStringLiteral("\"q\""), true, QStringLiteral("a")},
        {"one quote", "[Parametry]\nA=a\n", QStringLiteral("'"), true, QStringLiteral("a")},
        {"empty", "[Parametry]\nA=a\nB=1\n", QString(), true, QStringLiteral("a")},
        {"line break", "[Parametry]\nA=a\n", QStringLiteral("1\n[X]"), false, QStringLiteral("a")},
        {"lone surrogate", "[Parametry]\nA=a\n", QString(QChar(0xD800)), false, QStringLiteral("a")},
    };
    for (const Przypadek &p : przypadki) {
        SCOPED_TRACE(p.opis);
        QFile::remove(sciezka());
        if (!p.plik.isNull())
            zapisz(p.plik);
        {
            PlikIni ini(sciezka());
            EXPECT_EQ(ini.czytajTekst(P, "A"), p.a);
            ini.zapiszTekst(P, "B", p.wartosc);
            EXPECT_EQ(ini.zapisz(), p.zapisany) << ini.blad().toStdString();
            if (!p.zapisany) {
                EXPECT_TRUE(ini.blad().contains(sciezka()));
                EXPECT_EQ(czytaj(), p.plik);
            }
        }
        if (p.zapisany) {
            const PlikIni ponownie(sciezka());
            EXPECT_EQ(ponownie.czytajTekst(P, "B"), p.wartosc);
            EXPECT_EQ(ponownie.czytajTekst(P, "A"), p.a);
        }
    }
}

TEST_F(Ini, NazwyKtorychFormatNieUniesie)
{
    const std::pair<QString, QString> nazwy[] = {{P, "A=B"},  {P, " A"},           {P, "[A"},           {P, ";A"},
                                                 {P, "A\nB"}, {"Para]metry", "A"}, {"Para\nmetry", "A"}};
    for (const auto &[sekcja, klucz] : nazwy) {
        zapisz("[Parametry]\nX=1\n");
        PlikIni ini(sciezka());
        ini.zapiszTekst(sekcja, klucz, "1");
        EXPECT_FALSE(ini.zapisz()) << sekcja.toStdString() << " " << klucz.toStdString();
        EXPECT_EQ(czytaj(), QByteArray("[Parametry]\nX=1\n"));
    }
}

TEST_F(Ini, TylkoZwyklyPlik)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(sciezka()).constData(), 0600), 0);
    // Read as missing, without waiting for a writer.
    PlikIni ini(sciezka());
    EXPECT_EQ(ini.czytajLiczbe(P, "SN", 7), 7);
    ini.zapiszLiczbe(P, "SN", 1);
    EXPECT_FALSE(ini.zapisz());
    EXPECT_TRUE(ini.blad().contains(QStringLiteral("zwykły plik")));
    EXPECT_FALSE(QFileInfo(sciezka()).isFile());
    EXPECT_TRUE(QFileInfo(sciezka()).exists());
}

TEST_F(Ini, UstawieniaStartoweZInstalacji)
{
    const QString instalacja = dir.filePath(QStringLiteral("ustawienia-programu.ini"));
    {
        QFile f(instalacja);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Parametry]\r\nCOM1MinusOffset=1\r\nSN=5\r\n");
    }
    {
        PlikIni ini(sciezka(), instalacja);
        EXPECT_EQ(ini.czytajLiczbe(P, "SN", 0), 5);
        ini.zapiszLiczbe(P, "SN", 6);
        ASSERT_TRUE(ini.zapisz()) << ini.blad().toStdString();
    }
    // Only the user's file is written; it starts from the shipped one.
    EXPECT_EQ(czytaj(), QByteArray("[Parametry]\r\nCOM1MinusOffset=1\r\nSN=6\r\n"));
    QFile f(instalacja);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("[Parametry]\r\nCOM1MinusOffset=1\r\nSN=5\r\n"));
    // Once the user's file exists, the shipped one is not read.
    zapisz("[Parametry]\nSN=9\n");
    const PlikIni ini(sciezka(), instalacja);
    EXPECT_EQ(ini.czytajLiczbe(P, "SN", 0), 9);
    EXPECT_FALSE(ini.jestKlucz(P, "COM1MinusOffset"));
}

TEST_F(Ini, NieudanyZapisUstawienJestPokazany)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ustawienia.ini")));
    KomunikatySkrypt komunikaty;
    komunikaty.oczekuj(RodzajKomunikatu::Blad, sciezka());
    PlikIni ini(sciezka());
    ini.zapiszLiczbe(P, "SN", 1);
    EXPECT_FALSE(zapiszUstawienia(ini));

    QDir(dir.path()).rmdir(QStringLiteral("ustawienia.ini"));
    PlikIni dobry(sciezka());
    dobry.zapiszLiczbe(P, "SN", 1);
    EXPECT_TRUE(zapiszUstawienia(dobry));
}
