#include "element_listy.h"
#include "jezyk.h"
#include "komunikaty_skrypt.h"
#include "pasek_postepu.h"
#include "test_qt.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

// The built modules lie in KVOR_BIN beside the built program.
static QString modul(const char *skrot) { return QStringLiteral(KVOR_BIN "/kvor-setup") + QLatin1String(skrot); }

static QString przetlumacz(const char *kontekst, const char *tekst)
{
    return QCoreApplication::translate(kontekst, tekst);
}

class TestJezyk : public TestQt {
    Q_OBJECT
    QTemporaryDir katalog_;

    // A program folder holding the given module files.
    QString program(const QString &podkatalog, const QStringList &pliki)
    {
        QDir d(katalog_.path());
        d.mkpath(podkatalog);
        d.cd(podkatalog);
        for (const QString &p : pliki) {
            const QStringList cz = p.split(QLatin1Char('='));
            QFile::remove(d.filePath(cz[0]));
            if (cz.size() == 1)
                continue;
            if (cz[1] == QLatin1String("smieci")) {
                QFile f(d.filePath(cz[0]));
                f.open(QIODevice::WriteOnly);
                f.write("to nie jest modul");
            } else {
                QFile::copy(modul(qPrintable(cz[1])), d.filePath(cz[0]));
            }
        }
        return d.filePath(QStringLiteral("kvor-setup"));
    }

    static bool maQtPolski()
    {
        return QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_pl.qm"));
    }

protected:
    void poTescie() override { przelaczJezykZasobow(1045, QStringLiteral("/nie/ma/kvor-setup")); }

private slots:
    void initTestCase()
    {
        QVERIFY(katalog_.isValid());
        QVERIFY2(QFile::exists(modul("ENG")), qPrintable(modul("ENG")));
        QVERIFY2(QFile::exists(modul("RUS")), qPrintable(modul("RUS")));
    }

    void skroty()
    {
        QCOMPARE(skrotJezyka(1045), QStringLiteral("PLK"));
        QCOMPARE(skrotJezyka(1049), QStringLiteral("RUS"));
        QCOMPARE(skrotJezyka(2057), QStringLiteral("ENG"));
        QCOMPARE(skrotJezyka(1031), QString());
    }

    void plikiModulu_data()
    {
        QTest::addColumn<QString>("sciezka");
        QTest::addColumn<int>("jezyk");
        QTest::addColumn<QStringList>("pliki");
        QTest::newRow("linux bez rozszerzenia")
            << "/opt/kvor/kvor-setup" << 2057 << QStringList{"/opt/kvor/kvor-setupENG", "/opt/kvor/kvor-setupEN"};
        QTest::newRow("kropka w katalogu")
            << "/opt/kvor.d/kvor-setup" << 1049 << QStringList{"/opt/kvor.d/kvor-setupRUS", "/opt/kvor.d/kvor-setupRU"};
        QTest::newRow("rozszerzenie exe")
            << "C:/Program Files/kvor/kvor.exe" << 2057
            << QStringList{"C:/Program Files/kvor/kvor.ENG", "C:/Program Files/kvor/kvor.EN"};
        QTest::newRow("dwie kropki w nazwie")
            << "/usr/bin/kvor.setup.bin" << 1045 << QStringList{"/usr/bin/kvor.setup.PLK", "/usr/bin/kvor.setup.PL"};
        QTest::newRow("kropka na koncu") << "/x/kvor." << 2057 << QStringList{"/x/kvor.ENG", "/x/kvor.EN"};
        QTest::newRow("ukryty plik") << "/home/a.b/.kvor" << 2057
                                     << QStringList{"/home/a.b/.kvorENG", "/home/a.b/.kvorEN"};
        QTest::newRow("sama nazwa") << "kvor-setup" << 2057 << QStringList{"kvor-setupENG", "kvor-setupEN"};
        QTest::newRow("nieznany jezyk") << "/opt/kvor/kvor-setup" << 1031 << QStringList{};
        QTest::newRow("bez nazwy pliku") << "/opt/kvor/" << 2057 << QStringList{};
    }
    void plikiModulu()
    {
        QFETCH(QString, sciezka);
        QFETCH(int, jezyk);
        QFETCH(QStringList, pliki);
        QCOMPARE(plikiModuluJezyka(sciezka, jezyk), pliki);
    }

    // Switching retranslates the windows in place, Qt's own texts included.
    void angielskiRosyjskiIZpowrotem()
    {
        const QString p = program(QStringLiteral("kvor.d"), {"kvor-setupENG=ENG", "kvor-setupRUS=RUS"});
        TpasekPostepu &pasek = pasekPostepu();
        pokazPostep(0, 3);
        QWidget wlasciciel;
        TKbProgress wiersz(&wlasciciel, QStringLiteral("Setup"), 0, 0, nullptr);

        QVERIFY(przelaczJezykZasobow(2057, p));
        QCOMPARE(biezacyModulJezyka(), QFileInfo(p).path() + QStringLiteral("/kvor-setupENG"));
        QCOMPARE(pasek.SpeedButton1->text(), QStringLiteral("Cancel"));
        QCOMPARE(pasek.L_info->text(), QStringLiteral("Wait..."));
        QCOMPARE(wiersz.FSwitch->toolTip(), QStringLiteral("Select for transfer..."));
        QCOMPARE(przetlumacz("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));

        QVERIFY(przelaczJezykZasobow(1049, p));
        QCOMPARE(pasek.SpeedButton1->text(), QStringLiteral("Отмена"));
        QCOMPARE(wiersz.FImageResult->toolTip(), QStringLiteral("Состояние передачи"));
        if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ru.qm")))
            QCOMPARE(przetlumacz("QPlatformTheme", "&Yes"), QStringLiteral("&Да"));

        QVERIFY(!przelaczJezykZasobow(1045, p));
        QCOMPARE(biezacyModulJezyka(), QString());
        QCOMPARE(pasek.SpeedButton1->text(), QStringLiteral("Anuluj"));
        QCOMPARE(pasek.L_info->text(), QStringLiteral("Czekaj..."));
        QCOMPARE(wiersz.FSwitch->toolTip(), QStringLiteral("Wybierz do transmisji..."));
        if (maQtPolski())
            QCOMPARE(przetlumacz("QPlatformTheme", "&Yes"), QStringLiteral("&Tak"));
        pasek.hide();
    }

    void brakModuluZostajePolski_data()
    {
        QTest::addColumn<QStringList>("pliki");
        QTest::newRow("pusty katalog") << QStringList{"kvor-setupENG", "kvor-setupEN"};
        QTest::newRow("tylko rosyjski") << QStringList{"kvor-setupENG", "kvor-setupEN", "kvor-setupRUS=RUS"};
        QTest::newRow("zepsuty modul") << QStringList{"kvor-setupENG=smieci", "kvor-setupEN"};
    }
    void brakModuluZostajePolski()
    {
        QFETCH(QStringList, pliki);
        const QString p = program(QString::fromLatin1(QTest::currentDataTag()), pliki);
        QVERIFY(przelaczJezykZasobow(1049, p) == pliki.contains(QStringLiteral("kvor-setupRUS=RUS")));
        QVERIFY(!przelaczJezykZasobow(2057, p));
        QCOMPARE(biezacyModulJezyka(), QString());
        QCOMPARE(przetlumacz("TpasekPostepu", "Anuluj"), QStringLiteral("Anuluj"));
        if (maQtPolski())
            QCOMPARE(przetlumacz("QPlatformTheme", "&Yes"), QStringLiteral("&Tak"));
    }

    void modulDwuliterowy_data()
    {
        QTest::addColumn<QStringList>("pliki");
        QTest::newRow("tylko EN") << QStringList{"kvor-setupENG", "kvor-setupEN=ENG"};
        QTest::newRow("ENG zepsuty") << QStringList{"kvor-setupENG=smieci", "kvor-setupEN=ENG"};
    }
    void modulDwuliterowy()
    {
        QFETCH(QStringList, pliki);
        const QString p = program(QString::fromLatin1(QTest::currentDataTag()), pliki);
        QVERIFY(przelaczJezykZasobow(2057, p));
        QCOMPARE(biezacyModulJezyka(), QFileInfo(p).path() + QStringLiteral("/kvor-setupEN"));
        QCOMPARE(przetlumacz("TpasekPostepu", "Anuluj"), QStringLiteral("Cancel"));
    }
};

QTEST_MAIN(TestJezyk)
#include "test_jezyk.moc"
