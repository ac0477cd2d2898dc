// The copy of the controller's settings before a firmware update, with a
// reader standing in for the whole-project transfer: the file's name, its
// contents and read-only mode, the refusals, and the project in memory
// given back in every case.
#include "gtest_qt.h"
#include "komunikaty_skrypt.h"
#include "limit_pliku.h"

#include "kopia_ustawien.h"
#include "nazwy.h"
#include "sciezki.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

using R = RodzajKomunikatu;

namespace {

const QDateTime teraz(QDate(2024, 3, 5), QTime(14, 7, 31));
constexpr int ns = 123456;

QByteArray czytaj(const QString &p)
{
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

template <class T>
QByteArray bajty(const T &r)
{
    return QByteArray(reinterpret_cast<const char *>(&r), sizeof r);
}

class Kopia : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ustawKatalogProgramu(dir.path());
        tekstNaNazwe50(QStringLiteral("W pamięci"), projekt.projekt().programy[0].nazwa);
        projekt.mycie().czaDoMycia = 11;
        projekt.bylazmianaProjektu = true;
        przed = bajty(projekt.projekt());
        przedMycie = bajty(projekt.mycie());
        // The controller's project differs in a name and the washing time.
        odczytany = std::make_unique<TProjektVXTNew>();
        std::memcpy(odczytany.get(), &projekt.projekt(), sizeof(TProjektVXTNew));
        tekstNaNazwe50(QStringLiteral("Ze sterownika"), odczytany->programy[0].nazwa);
        odczytaneMycie.czaDoMycia = 77;
        ustawOdczytKopii([this](int n) {
            numery.push_back(n);
            std::memcpy(&projekt.projekt(), odczytany.get(), sizeof(TProjektVXTNew));
            projekt.mycie() = odczytaneMycie;
            projekt.bylazmianaProjektu = false;
            return odczytOk;
        });
    }
    void TearDown() override
    {
        ustawOdczytKopii({});
        ustawKatalogProgramu(QString());
        const QString p = plik();
        QFile::setPermissions(p, QFile::permissions(p) | QFileDevice::WriteOwner);
    }
    QString plik() const { return nazwaPlikuKopii(ns, teraz); }
    void projektNietkniety() const
    {
        EXPECT_EQ(bajty(projekt.projekt()), przed);
        EXPECT_EQ(bajty(projekt.mycie()), przedMycie);
        EXPECT_TRUE(projekt.bylazmianaProjektu);
    }

    QTemporaryDir dir;
    KomunikatySkrypt komunikaty;
    TBiezacyProjekt projekt;
    QByteArray przed, przedMycie;
    std::unique_ptr<TProjektVXTNew> odczytany;
    TProjektDodatkiMycie odczytaneMycie{};
    bool odczytOk = true;
    std::vector<int> numery;
};

} // namespace

TEST_F(Kopia, NazwaPliku) { EXPECT_EQ(plik(), dir.path() + "/123456_update_2024-03-05_14_07.k3p"); }

TEST_F(Kopia, ZapisanaTylkoDoOdczytu)
{
    komunikaty.oczekuj(R::Informacja, "Zapisano ustawienia w pliku: " + plik() +
                                          " \n\nUWAGA: plik ma ustawiony atrybut tylko do odczytu!");
    EXPECT_TRUE(KopiaUstawien::zapisz(projekt, ns, teraz));
    EXPECT_EQ(numery, std::vector<int>{ns});
    EXPECT_EQ(czytaj(plik()), bajty(*odczytany));
    EXPECT_EQ(czytaj(plik() + "pdo"), bajty(odczytaneMycie));
    // The mode bits (the "user" ones follow who asks, and root may write).
    EXPECT_FALSE(QFile::permissions(plik()) &
                 (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
    projektNietkniety();
}

TEST_F(Kopia, IstniejacyPlik)
{
    QFile f(plik());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("stary");
    f.close();
    komunikaty.oczekuj(R::Ostrzezenie, "Plik " + plik() + " istnieje. Przerwano zapis ustawień.");
    EXPECT_FALSE(KopiaUstawien::zapisz(projekt, ns, teraz));
    EXPECT_EQ(czytaj(plik()), QByteArray("stary"));
    EXPECT_FALSE(QFile::exists(plik() + "pdo"));
    projektNietkniety();
}

TEST_F(Kopia, NieudanyOdczyt)
{
    odczytOk = false;
    EXPECT_FALSE(KopiaUstawien::zapisz(projekt, ns, teraz));
    EXPECT_FALSE(QFile::exists(plik()));
    projektNietkniety();
}

TEST_F(Kopia, BezCzytnika)
{
    ustawOdczytKopii({});
    EXPECT_FALSE(KopiaUstawien::zapisz(projekt, ns, teraz));
    EXPECT_FALSE(QFile::exists(plik()));
    projektNietkniety();
}

TEST_F(Kopia, BladZapisu)
{
    komunikaty.oczekuj(R::Ostrzezenie, "Nie udało się zapisać kopii ustawień");
    {
        const LimitPliku limit(1000);
        EXPECT_FALSE(KopiaUstawien::zapisz(projekt, ns, teraz));
    }
    EXPECT_FALSE(QFile::exists(plik()));
    projektNietkniety();
}

// A reader that raises still leaves the project as it was.
TEST_F(Kopia, WyjatekCzytnika)
{
    ustawOdczytKopii([this](int) -> bool {
        tekstNaNazwe50(QStringLiteral("w połowie"), projekt.projekt().programy[0].nazwa);
        throw std::runtime_error("odczyt");
    });
    EXPECT_THROW(KopiaUstawien::zapisz(projekt, ns, teraz), std::runtime_error);
    projektNietkniety();
}
