// The main window's language switch with the built language modules:
// English, Russian and back, the menu check, the fallback to Polish
// without a module, the lock state kept and the serial port closed.
#include "jezyk.h"
#include "komunikacja.h"
#include "komunikaty_skrypt.h"
#include "okno_glowne.h"
#include "pasek_postepu.h"
#include "powtorz.h"
#include "przycisk_plaski.h"
#include "sciezki.h"
#include "test_qt.h"
#include "wersja.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// A port that only knows whether it is open.
class PortOtwarty final : public IPortSzeregowy {
public:
    bool otworz(const QString &, int, QString *) override { return otwarty_ = true; }
    void zamknij() override { otwarty_ = false; }
    bool otwarty() const override { return otwarty_; }
    bool ustawBrakParzystosci() override { return true; }
    bool wyczyscBufory() override { return true; }
    qint64 zapisz(const QByteArray &d) override { return d.size(); }
    bool zapiszZnak(char) override { return true; }
    bool oproznij() override { return true; }
    void ustawRTS(bool) override {}
    void ustawDTR(bool) override {}
    QByteArray czytaj(int, int, int) override { return {}; }

    bool otwarty_ = false;
};

const QString programZModulami = QStringLiteral(KVOR_BIN "/kvor-setup");

struct Teksty {
    QString kroki, plik, automat, stan, anuluj;
};

} // namespace

class TestZmianaJezyka : public TestQt {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<KomunikatySkrypt> komunikaty;

    std::unique_ptr<TForm1> okno(const QString &program = programZModulami)
    {
        auto o = std::make_unique<TForm1>();
        o->sciezkaProgramu = program;
        o->listaUrzadzen = [] { return QStringList(); };
        o->show();
        return o;
    }
    static void sprawdz(TForm1 &o, const Teksty &t)
    {
        QCOMPARE(o.AOL_kroki->Caption(), t.kroki);
        QCOMPARE(o.Plik->title(), t.plik);
        QCOMPARE(o.L_automat->text(), t.automat);
        QCOMPARE(o.FrameBiezaceOdczyty1->LABEL_STAN->text(), t.stan);
        QCOMPARE(pasekPostepu().SpeedButton1->text(), t.anuluj);
        QCOMPARE(o.windowTitle(), "Setup kVOR350   " + wersjaProgramuPelna());
    }
    static QString zaznaczony(TForm1 &o)
    {
        QString s;
        for (QAction *a : {o.Polski, o.Angielski, o.Rosyjski})
            s += a->isChecked() ? "1" : "0";
        return s;
    }

protected:
    void przedTestem() override
    {
        dir = std::make_unique<QTemporaryDir>();
        ustawKatalogProgramu(dir->path());
        komunikaty = std::make_unique<KomunikatySkrypt>();
    }
    void poTescie() override
    {
        przelaczJezykZasobow(1045, QStringLiteral("/nie/ma/kvor-setup"));
        pasekPostepu().hide();
        komunikaty.reset();
        ustawKatalogProgramu(QString());
        dir.reset();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(programZModulami + "ENG"), qPrintable(programZModulami));
        QVERIFY(QFile::exists(programZModulami + "RUS"));
    }

    void angielskiRosyjskiIZpowrotem()
    {
        auto o = okno();
        pokazPostep(0, 3);
        const Teksty polskie{"Kroki", "Plik", "Automatycznie czytaj", "Stan:", "Anuluj"};

        o->zmienJezyk(2057);
        QCOMPARE(o->jezykId, 2057);
        sprawdz(*o, {"Steps", "File", "Read automatically", "State:", "Cancel"});
        QCOMPARE(o->FrameBiezaceOdczyty1->jezykId, 2057);
        QCOMPARE(zaznaczony(*o), QString("010"));

        o->zmienJezyk(1049);
        sprawdz(*o, {"Шаги", "Файл", "Читать автоматически", "Состояние:", "Отмена"});
        QCOMPARE(zaznaczony(*o), QString("001"));
        // The Russian item is not in the menu.
        QVERIFY(!o->WybierzJezyk->actions().contains(o->Rosyjski));

        o->zmienJezyk(1045);
        sprawdz(*o, polskie);
        QCOMPARE(zaznaczony(*o), QString("100"));
    }

    void pozycjeMenu()
    {
        auto o = okno();
        o->Angielski->trigger();
        QCOMPARE(o->jezykId, 2057);
        QCOMPARE(o->AOL_kroki->Caption(), QString("Steps"));
        QCOMPARE(zaznaczony(*o), QString("010"));
        o->Polski->trigger();
        QCOMPARE(o->jezykId, 1045);
        QCOMPARE(o->AOL_kroki->Caption(), QString("Kroki"));
        QCOMPARE(zaznaczony(*o), QString("100"));
    }

    // The start-up path: the id read from the settings file, in any case.
    void jezykZUstawien()
    {
        QFile f(dir->filePath("ustawienia.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[LANGUAGE]\nLANGID=1049\n");
        f.close();
        auto o = okno();
        QCOMPARE(o->jezykId, 1049);
        o->zmienJezyk(o->jezykId);
        QCOMPARE(o->AOL_kroki->Caption(), QString("Шаги"));
        QCOMPARE(zaznaczony(*o), QString("001"));
    }

    void brakModuluZostajePolski_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("zaznaczony");
        QTest::newRow("English") << 2057 << "010";
        QTest::newRow("Russian") << 1049 << "001";
        QTest::newRow("unknown id") << 1031 << "000";
    }
    void brakModuluZostajePolski()
    {
        QFETCH(int, id);
        auto o = okno(dir->filePath("kvor-setup"));
        o->zmienJezyk(id);
        QCOMPARE(o->jezykId, id);
        sprawdz(*o, {"Kroki", "Plik", "Automatycznie czytaj", "Stan:", "Anuluj"});
        QTEST(zaznaczony(*o), "zaznaczony");
    }

    // The switch keeps the lock state, restarts the automatic reading 2 s
    // later and closes the serial port.
    void stanOknaPoZmianie()
    {
        auto wlasny = std::make_unique<PortOtwarty>();
        PortOtwarty *port = wlasny.get();
        TFkomunikacja lacze(std::move(wlasny));
        lacze.porty().ustawOdczytKlucza([](const QString &) { return QStringLiteral("/dev/ttyX"); });
        ustawFkomunikacja(&lacze);
        TParamTrans t;
        t.port = 0;
        t.predkosc = 12;
        QVERIFY(lacze.CzyPortDostepny(t));
        QVERIFY(port->otwarty_);

        auto o = okno();
        o->TimerStarterTimer();
        QVERIFY(!o->TimerStarter->isActive());
        o->blokuj(true);
        o->zmienJezyk(2057);
        QVERIFY(!port->otwarty_);
        QVERIFY(o->TimerStarter->isActive());
        QCOMPARE(o->TimerAutomatTag(), 1);
        QVERIFY(!o->AOL_do->Enab());
        QVERIFY(!o->Plik->menuAction()->isEnabled());

        o->blokuj(false);
        o->zmienJezyk(1045);
        QCOMPARE(o->TimerAutomatTag(), 0);
        QVERIFY(o->AOL_do->Enab());
        QVERIFY(o->Aol_Test->Enab());
        ustawFkomunikacja(nullptr);
    }

    // Texts the frame builds in code follow the language at once.
    void ramkaTlumaczyNotki()
    {
        auto o = okno();
        TFrameBiezaceOdczyty &r = *o->FrameBiezaceOdczyty1;
        r.setWersjaOstatnia(2116);
        r.setWersja(2000);
        r.setBlokadaTrans(true);
        r.setNieobslugiwane(true);
        o->zmienJezyk(2057);
        QCOMPARE(r.L_wersjaInfo->text(), QString("Available version:2.116"));
        QCOMPARE(r.L_info->text(), QString("Transmission lock"));
        QCOMPARE(r.L_nazwaInfo->text(), QString("Unsupported device!!!"));
        QCOMPARE(r.LABEL_DATA->text(), QString("Date, Time:"));
        o->zmienJezyk(1049);
        QCOMPARE(r.L_info->text(), QString("Блокировка передачи"));
        // No caption is cut off in Russian.
        for (QLabel *l : {r.LABEL_sterownik, r.LABEL_wersja, r.LABEL_DATA, r.LABEL_STAN})
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), qPrintable(l->text()));
    }
};

QTEST_MAIN(TestZmianaJezyka)
#include "test_zmiana_jezyka.moc"
