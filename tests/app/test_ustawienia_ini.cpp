#include "gtest_qt.h"
#include "ustawienia_ini.h"
#include "ustawienia_lacza.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>

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
    const std::pair<const char *, int> ileSleep[] = {{"10", 5}, {"11", 11}, {"5", 5}, {"0", 0}, {nullptr, 5}};
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

    zapisz("");
    const UstawieniaLacza d = czytajUstawieniaLacza(PlikIni(sciezka()));
    EXPECT_FALSE(d.TransmisjaNT);
    EXPECT_EQ(d.timeoutStand, 1000);
    EXPECT_EQ(d.IleSleep, 5);
}
