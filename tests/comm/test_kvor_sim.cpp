// The standalone simulator: started as a process, it prints its pty and
// answers the link there.
#include "komunikacja.h"
#include "komunikaty_skrypt.h"

#include "gtest_qt.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

TEST(KvorSim, OdpowiadaNaPtyZWlasnegoProcesu)
{
    ZegarTestowy zegar;
    KomunikatySkrypt komunikaty;
    QProcess sim;
    sim.start(QStringLiteral(KVOR_SIM_EXE),
              {"--adres", "7", "--numer", "777", "--haslo", "99", "--usterka", "F07:brak:0:1"});
    ASSERT_TRUE(sim.waitForStarted(5000));
    ASSERT_TRUE(sim.waitForReadyRead(5000));
    const QString sciezka = QString::fromLocal8Bit(sim.readLine()).trimmed();
    ASSERT_TRUE(QFileInfo(sciezka).canonicalFilePath().startsWith(QLatin1String("/dev/pts/")));

    TFkomunikacja lacze;
    lacze.porty().ustawOdczytKlucza(
        [&](const QString &k) { return k == QLatin1String("COM1Device") ? sciezka : QString(); });
    lacze.ustawCzasOdczytu(1000); // a reply from a busy machine still comes; silence costs this
    TParamTrans t;
    t.predkosc = 12;
    int ns = 0;
    EXPECT_EQ(lacze.CzytajNumerSeryjnyKVOR350(7, t, ns), 8); // the one fault asked for
    EXPECT_EQ(lacze.CzytajNumerSeryjnyKVOR350(7, t, ns), 0);
    EXPECT_EQ(ns, 777);
    EXPECT_EQ(lacze.CzytajNumerSeryjnyKVOR350(1, t, ns), 8); // not its address
    bool blokada = false;
    EXPECT_EQ(lacze.CzytajlockKVOR350(7, t, blokada), 0);
    EXPECT_TRUE(blokada);
    EXPECT_EQ(lacze.ZapiszUnlockKVOR350(7, t, 99), 0);
    EXPECT_EQ(lacze.CzytajlockKVOR350(7, t, blokada), 0);
    EXPECT_FALSE(blokada);

    lacze.zamknijPort();
    sim.terminate();
    EXPECT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitCode(), 0);
}
