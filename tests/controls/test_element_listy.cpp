#include "element_listy.h"
#include "komunikaty_skrypt.h"
#include "obrazki.h"
#include "podpis_wiersza.h"
#include "test_qt.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>
#include <stdexcept>

static bool tenSamObrazek(const QLabel *l, const char *nazwa)
{
    return l->pixmap().toImage() == obrazek(QString::fromLatin1(nazwa)).toImage();
}

class TestElementListy : public TestQt {
    Q_OBJECT

    std::unique_ptr<ZegarTestowy> zegar_;
    std::unique_ptr<QWidget> wlasciciel_;
    TKbProgress *wiersz_ = nullptr;
    int zmiany_ = 0;

protected:
    void przedTestem() override
    {
        zegar_ = std::make_unique<ZegarTestowy>();
        wlasciciel_ = std::make_unique<QWidget>();
        wlasciciel_->resize(500, 300);
        zmiany_ = 0;
        wiersz_ =
            new TKbProgress(wlasciciel_.get(), QStringLiteral("Setup"), 0, 0, [this](TKbProgress *) { ++zmiany_; });
        wlasciciel_->show();
    }
    void poTescie() override
    {
        wlasciciel_.reset();
        zegar_.reset();
    }

private slots:
    void obrazkiSa()
    {
        for (const char *n : {"CHECK_NIE", "CHECK_TAK", "TRANS_OK", "TRANS_ERROR", "COMP_OK", "COMP_ERROR"}) {
            const QPixmap p = obrazek(QString::fromLatin1(n));
            QVERIFY2(!p.isNull(), n);
            QCOMPARE(p.size(), QSize(32, 32));
        }
        QVERIFY(obrazek(QStringLiteral("BRAK")).isNull());
    }

    void stanPoUtworzeniu()
    {
        QVERIFY(!wiersz_->FSwitch->isHidden());
        QVERIFY(!wiersz_->checked());
        QVERIFY(wiersz_->FImageResult->isHidden());
        QVERIFY(wiersz_->FImageVerify->isHidden());
        QVERIFY(wiersz_->FProgressBar->isHidden());
        QVERIFY(!wiersz_->isEnded);
        QCOMPARE(wiersz_->FLabel->pos(), QPoint(40, 10));
        QCOMPARE(wiersz_->FLabel->font().pointSize(), 11);
        QCOMPARE(wiersz_->FSwitch->toolTip(), QStringLiteral("Wybierz do transmisji..."));
        QCOMPARE(wiersz_->FImageResult->toolTip(), QStringLiteral("Status transmisji"));
        QCOMPARE(wiersz_->FImageVerify->toolTip(), QStringLiteral("Status porównania"));
        QCOMPARE(zmiany_, 0);
        QCOMPARE(zegar_->przespane >= 50, true); // the pause after init
    }

    void zaznaczanieTylkoPrzyZmianie()
    {
        wiersz_->setChecked(true);
        wiersz_->setChecked(true);
        QCOMPARE(zmiany_, 1);
        QVERIFY(wiersz_->FLabel->font().bold());
        QTest::mouseClick(wiersz_->FSwitch, Qt::LeftButton, {}, QPoint(16, 20));
        QVERIFY(!wiersz_->checked());
        QCOMPARE(zmiany_, 2);
        QVERIFY(!wiersz_->FLabel->font().bold());
        QTest::mouseClick(wiersz_->FLabel, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(wiersz_->checked());
        QCOMPARE(zmiany_, 3);
    }

    // A tick that cannot be changed looks so, ticked or not.
    void przelacznikWylaczonyWidac()
    {
        for (const bool zaznaczony : {false, true}) {
            wiersz_->setChecked(zaznaczony);
            wiersz_->FSwitch->setEnabled(true);
            const QImage czynny = wiersz_->FSwitch->grab().toImage();
            wiersz_->FSwitch->setEnabled(false);
            const QImage wylaczony = wiersz_->FSwitch->grab().toImage();
            QVERIFY2(czynny != wylaczony, zaznaczony ? "ticked" : "not ticked");
        }
    }

    void etykietaNieklikalnaPodczasTransmisji()
    {
        wiersz_->setChecked(true);
        wiersz_->transStart(24);
        QTest::mouseClick(wiersz_->FLabel, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(wiersz_->checked());
        QVERIFY(wiersz_->FSwitch->isHidden());
        QVERIFY(!wiersz_->FProgressBar->isHidden());
        QCOMPARE(wiersz_->FProgressBar->maksimum(), 24);
        QCOMPARE(wiersz_->FProgressBar->pozycja(), 0);
        QCOMPARE(wiersz_->FProgressBar->height(), 20);
        QCOMPARE(wiersz_->FProgressBar->geometry().bottom(), wiersz_->rect().bottom());
        QCOMPARE(wiersz_->FLabel->pos(), QPoint(4, 2));
        wiersz_->transStep(7);
        QCOMPARE(wiersz_->FProgressBar->pozycja(), 7);
        wiersz_->transStep(30);
        QCOMPARE(wiersz_->FProgressBar->pozycja(), 24);
    }

    void koniecTransmisji_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("weryfikacja");
        QTest::addColumn<QString>("wynik");
        QTest::addColumn<QString>("porownanie"); // empty: not shown
        QTest::newRow("ok bez porownania") << true << -1 << "TRANS_OK"
                                           << "";
        QTest::newRow("blad, rozne") << false << 1 << "TRANS_ERROR"
                                     << "COMP_ERROR";
        QTest::newRow("ok, rowne") << true << 0 << "TRANS_OK"
                                   << "COMP_OK";
        QTest::newRow("ok, inna wartosc") << true << 5 << "TRANS_OK"
                                          << "COMP_OK";
        QTest::newRow("blad bez porownania") << false << -2 << "TRANS_ERROR"
                                             << "";
    }
    void koniecTransmisji()
    {
        QFETCH(bool, ok);
        QFETCH(int, weryfikacja);
        QFETCH(QString, wynik);
        QFETCH(QString, porownanie);
        wiersz_->setChecked(true);
        wiersz_->transStart(3);
        wiersz_->transEnd(ok, weryfikacja);
        QCOMPARE(wiersz_->FinalStatusOk(), ok);
        QVERIFY(wiersz_->isEnded);
        QVERIFY(wiersz_->FProgressBar->isHidden());
        QVERIFY(wiersz_->FSwitch->isHidden());
        QVERIFY(!wiersz_->FImageResult->isHidden());
        QVERIFY(tenSamObrazek(wiersz_->FImageResult, qPrintable(wynik)));
        QCOMPARE(wiersz_->FImageVerify->isHidden(), porownanie.isEmpty());
        if (!porownanie.isEmpty())
            QVERIFY(tenSamObrazek(wiersz_->FImageVerify, qPrintable(porownanie)));
        QCOMPARE(wiersz_->FLabel->pos(), QPoint(40, 10));
        QCOMPARE(wiersz_->FLabel->font().pointSize(), 12);
        QVERIFY(wiersz_->FLabel->font().bold());
        // The label stays unclickable until init.
        QTest::mouseClick(wiersz_->FLabel, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(wiersz_->checked());
    }

    // A caption is read whole in every state of the row, set before the
    // state or after it: it ends before a shown picture and above the bar,
    // at a smaller size or on two lines when it must; only a caption that
    // fits in no way is shortened, with the whole of it in the tooltip.
    void podpisCzytelny_data()
    {
        QTest::addColumn<QString>("podpis");
        QTest::addColumn<QString>("stan"); // "wybor", "transmisja", "blad", "porownanie"
        QTest::addColumn<bool>("skrocony");
        const QString przerwanyPl = QStringLiteral("[AO] WYjścia analogowe: Przerwano przez użytkownika");
        const QString jednoSlowo =
            QStringLiteral("Programy_mycia_sterownika_na_linii_produkcyjnej_numer_siedem_hali_zachodniej_zakladu");
        QTest::newRow("short, ended") << QStringLiteral("Setup") << "blad" << false;
        QTest::newRow("stopped, pl, ended") << przerwanyPl << "blad" << false;
        QTest::newRow("stopped, pl, compared") << przerwanyPl << "porownanie" << false;
        QTest::newRow("stopped, pl, ticked") << przerwanyPl << "wybor" << false;
        QTest::newRow("stopped, en, ended")
            << QStringLiteral("[AO] Analog outputs: Stopped by the user") << "blad" << false;
        QTest::newRow("stopped, ru, ended")
            << QStringLiteral("[AO] Аналоговые выходы: Прервано пользователем") << "blad" << false;
        QTest::newRow("long name, ru, ended")
            << QStringLiteral("[DO] Цифровые выходы, очень длинное название") << "porownanie" << false;
        QTest::newRow("one long word, ended") << jednoSlowo << "blad" << true;
        QTest::newRow("one long word, sending") << jednoSlowo << "transmisja" << true;
    }
    void podpisCzytelny()
    {
        QFETCH(QString, podpis);
        QFETCH(QString, stan);
        QFETCH(bool, skrocony);
        const auto wejdz = [&] {
            wiersz_->init();
            wiersz_->setChecked(true);
            if (stan == QLatin1String("wybor"))
                return;
            wiersz_->transStart(3);
            if (stan != QLatin1String("transmisja"))
                wiersz_->transEnd(stan == QLatin1String("porownanie"), stan == QLatin1String("porownanie") ? 1 : -1);
        };
        for (const bool poStanie : {false, true}) {
            const char *kiedy = poStanie ? "set after the state" : "set before the state";
            if (poStanie) {
                wiersz_->LabelSet(QStringLiteral("Setup"));
                wejdz();
                wiersz_->LabelSet(podpis);
            } else {
                wiersz_->LabelSet(podpis);
                wejdz();
            }
            const QString blad = podpisNieczytelny(wiersz_, podpis);
            QVERIFY2(blad.isEmpty(), qPrintable(blad + QStringLiteral(", ") + QLatin1String(kiedy)));
            QVERIFY2(wiersz_->FLabel->toolTip().isEmpty() != skrocony, kiedy);
            QCOMPARE(wiersz_->FLabel->font().bold(), true);
        }
        // The caption stays whole for the next state.
        wiersz_->init();
        QVERIFY(podpisNieczytelny(wiersz_, podpis).isEmpty());
        QCOMPARE(wiersz_->FLabel->toolTip().isEmpty(), wiersz_->FLabel->text() == podpis);
    }

    void initPrzywracaWybor()
    {
        wiersz_->setChecked(true);
        wiersz_->transStart(1);
        wiersz_->transEnd(true, 0);
        zmiany_ = 0;
        wiersz_->init();
        QVERIFY(!wiersz_->checked());
        QCOMPARE(zmiany_, 1);
        QVERIFY(!wiersz_->FSwitch->isHidden());
        QVERIFY(wiersz_->FImageResult->isHidden());
        QVERIFY(wiersz_->FImageVerify->isHidden());
        QVERIFY(!wiersz_->isEnded);
        QTest::mouseClick(wiersz_->FLabel, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(wiersz_->checked());
    }

    void wylaczenieUkrywaObrazki()
    {
        wiersz_->setChecked(true);
        wiersz_->transStart(1);
        wiersz_->transEnd(false, 1);
        wiersz_->setChecked(false);
        QVERIFY(wiersz_->FImageResult->isHidden());
        QVERIFY(wiersz_->FImageVerify->isHidden());
    }

    void doPorownania()
    {
        wiersz_->select2Compare();
        QVERIFY(!wiersz_->checked());
        QCOMPARE(zmiany_, 0);

        wiersz_->transStart(1);
        wiersz_->transEnd(true, -1);
        QVERIFY(!wiersz_->checked());
        wiersz_->select2Compare();
        QVERIFY(wiersz_->checked());
        QCOMPARE(zmiany_, 1);
        QVERIFY(wiersz_->FSwitch->isHidden());
    }

    void oczekiwanie_data()
    {
        QTest::addColumn<bool>("zakonczony");
        QTest::newRow("do wyboru") << false;
        QTest::newRow("zakonczony") << true;
    }
    void oczekiwanie()
    {
        QFETCH(bool, zakonczony);
        if (zakonczony) {
            wiersz_->transStart(1);
            wiersz_->transEnd(true, -1);
        }
        const bool przelacznik = !wiersz_->FSwitch->isHidden();
        QString pierwszy, ostatni;
        bool przelacznikUkryty = false;
        int przetworzen = 0;
        zegar_->naPrzetworz = [&] {
            if (++przetworzen == 1) {
                pierwszy = wiersz_->FLabel->text();
                przelacznikUkryty = wiersz_->FSwitch->isHidden();
            }
            ostatni = wiersz_->FLabel->text();
        };
        const qint64 start = zegar_->teraz;
        wiersz_->transWait(7000, QStringLiteral("Czekaj...."));
        zegar_->naPrzetworz = nullptr;
        QVERIFY(zegar_->teraz - start >= 7000);
        QVERIFY(przetworzen >= 700); // the window stays responsive throughout
        QVERIFY(przelacznikUkryty);
        QCOMPARE(pierwszy, QStringLiteral("Czekaj...."));
        QCOMPARE(ostatni, QStringLiteral("Setup")); // the last pass: restored
        QCOMPARE(wiersz_->FLabel->text(), QStringLiteral("Setup"));
        QCOMPARE(!wiersz_->FSwitch->isHidden(), przelacznik);
        QCOMPARE(wiersz_->isEnded, zakonczony);
    }

    void napisWidacOdRazu()
    {
        wiersz_->LabelSet(QStringLiteral("Programy"));
        QCOMPARE(wiersz_->FLabel->text(), QStringLiteral("Programy"));
        QVERIFY(wiersz_->FLabel->width() > 0);
    }

    void podpowiedziWlasciciela()
    {
        wiersz_->setSwitchHint(QStringLiteral("a"));
        wiersz_->setImageResultHint(QStringLiteral("b"));
        wiersz_->setImageVerifyHint(QStringLiteral("c"));
        QEvent e(QEvent::LanguageChange);
        QCoreApplication::sendEvent(wiersz_, &e);
        QCOMPARE(wiersz_->FSwitch->toolTip(), QStringLiteral("a"));
        QCOMPARE(wiersz_->FImageResult->toolTip(), QStringLiteral("b"));
        QCOMPARE(wiersz_->FImageVerify->toolTip(), QStringLiteral("c"));
    }

    // Rows stacked at the top of a group narrower than the row keep the
    // compare picture inside.
    void obrazekPorownaniaWidoczny()
    {
        QGroupBox grupa;
        grupa.resize(300, 640);
        QList<TKbProgress *> wiersze;
        for (int i = 0; i < 3; ++i)
            wiersze << new TKbProgress(&grupa, QStringLiteral("Wiersz %1").arg(i), 0, 0, nullptr,
                                       TKbProgress::Wyrownanie::gora);
        grupa.show();
        QCoreApplication::processEvents();
        QVERIFY(grupa.width() >= TKbProgress::szerokoscMinimalna);
        int gora = -1;
        for (TKbProgress *w : wiersze) {
            w->transStart(1);
            w->transEnd(true, 1);
            QVERIFY(w->y() > gora);
            gora = w->y();
            QVERIFY(w->rect().contains(w->FImageVerify->geometry()));
            QVERIFY(w->FImageVerify->isVisible());
        }
        QCOMPARE(wiersze[1]->y(), wiersze[0]->y() + 40);
    }

    void bladObslugiZmiany()
    {
        KomunikatySkrypt k;
        k.oczekuj(RodzajKomunikatu::Blad, QStringLiteral("zepsute"));
        TKbProgress w(wlasciciel_.get(), QStringLiteral("x"), 0, 50,
                      [](TKbProgress *) { throw std::runtime_error("zepsute"); });
        w.setChecked(true);
        QVERIFY(w.checked());
    }
};

QTEST_MAIN(TestElementListy)
#include "test_element_listy.moc"
