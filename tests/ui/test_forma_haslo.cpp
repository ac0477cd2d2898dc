// The password window offscreen: texts, buttons, the confirmation count and
// the 100 s freeze on the fake clock; then the window as the transmission
// lock's prompt against the simulator.
#include "blokada.h"
#include "forma_haslo.h"
#include "komunikacja.h"
#include "komunikaty_skrypt.h"
#include "okno_modalne.h"
#include "port_qt.h"
#include "symulator_pty.h"
#include "test_qt.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>

#include <deque>
#include <functional>

namespace {

// Types into the field and presses Enter (the default button).
void wpiszIZatwierdz(TFormHaslo &f, const QString &tekst)
{
    QTest::keyClicks(f.Edit1, tekst);
    QTest::keyClick(f.Edit1, Qt::Key_Return);
}

// Ends a modal run that a failed check left open.
void zamknijJesliOtwarte(TFormHaslo &f)
{
    if (f.isVisible()) {
        f.InitTestHaslo();
        f.reject();
    }
}

const QString prompt = QStringLiteral("Hasło (Blokada transmisji):");

} // namespace

class TestFormaHaslo : public TestQt {
    Q_OBJECT

private slots:
    void tekstyIPrzyciski()
    {
        ZegarTestowy zegar;
        TFormHaslo f;
        QCOMPARE(f.windowTitle(), QStringLiteral("Wprowadź dane"));
        QCOMPARE(f.but_ok->text(), QStringLiteral("OK"));
        QCOMPARE(f.but_anuluj->text(), QStringLiteral("Anuluj"));
        QCOMPARE(f.L_info->text(), QStringLiteral("Zbyt wiele razy wprowadzono błędne hasło."));
        QCOMPARE(f.l_czekaj->text(), QStringLiteral("Czekaj"));
        QVERIFY(f.but_ok->isDefault());
        QCOMPARE(f.licznikProb, 2);
        QCOMPARE(f.PageControl1->currentIndex(), 0);
        QVERIFY(!f.Timer1->isActive() && !f.TimerFreez->isActive());
        QCOMPARE(f.Edit1->echoMode(), QLineEdit::Password);

        QString haslo = QStringLiteral("stare");
        QString pokazanyPrompt, opis, pole, wpisane, widoczne;
        bool focus = false;
        gdyOknoModalne(&f, [&] {
            pokazanyPrompt = f.Label1->text();
            opis = f.L_opis->text();
            pole = f.Edit1->text();
            // Focus follows activation, which comes asynchronously.
            focus = QTest::qWaitForWindowActive(&f, 10000) && f.Edit1->hasFocus();
            QTest::keyClicks(f.Edit1, QStringLiteral("12a-3 4"));
            wpisane = f.Edit1->text();
            widoczne = f.Edit1->displayText();
            f.reject();
        });
        f.Edit1->setText(QStringLiteral("999")); // from a previous opening
        QVERIFY(!f.pokazOkno(prompt, QString(), haslo, 1045));
        QCOMPARE(pokazanyPrompt, prompt);
        QCOMPARE(opis, QString());
        QCOMPARE(pole, QString());
        QVERIFY(focus);
        QCOMPARE(wpisane, QStringLiteral("1234"));
        QCOMPARE(widoczne, QStringLiteral("****"));
        QCOMPARE(haslo, QStringLiteral("stare"));
        QCOMPARE(f.licznikProb, 2);
        QCOMPARE(f.jezykId, 1045);
    }

    void okZPustymPolemToPotwierdzenie()
    {
        ZegarTestowy zegar;
        TFormHaslo f;
        QString haslo = QStringLiteral("stare");
        gdyOknoModalne(&f, [&] { QTest::mouseClick(f.but_ok, Qt::LeftButton); });
        QVERIFY(f.pokazOkno(prompt, QStringLiteral("opis"), haslo, 2057));
        QCOMPARE(haslo, QString());
        QCOMPARE(f.licznikProb, 1);

        gdyOknoModalne(&f, [&] { wpiszIZatwierdz(f, QStringLiteral("0042")); });
        QVERIFY(f.pokazOkno(prompt, QString(), haslo, 2057));
        QCOMPARE(haslo, QStringLiteral("0042"));
        QCOMPARE(f.licznikProb, 0);
    }

    void anulujIEscapeNieLicza()
    {
        ZegarTestowy zegar;
        TFormHaslo f;
        QString haslo = QStringLiteral("stare");
        gdyOknoModalne(&f, [&] {
            QTest::keyClicks(f.Edit1, QStringLiteral("77"));
            QTest::mouseClick(f.but_anuluj, Qt::LeftButton);
        });
        QVERIFY(!f.pokazOkno(prompt, QString(), haslo, 1045));
        gdyOknoModalne(&f, [&] { QTest::keyClick(f.Edit1, Qt::Key_Escape); });
        QVERIFY(!f.pokazOkno(prompt, QString(), haslo, 1045));
        QCOMPARE(haslo, QStringLiteral("stare"));
        QCOMPARE(f.licznikProb, 2);
    }

    void poTrzechPotwierdzeniachBlokada100s()
    {
        ZegarTestowy zegar;
        TFormHaslo f;
        QString haslo;
        for (int i = 0; i < 3; ++i) {
            gdyOknoModalne(&f, [&] { wpiszIZatwierdz(f, QStringLiteral("1")); });
            QVERIFY(f.pokazOkno(prompt, QString(), haslo, 1045));
        }
        QCOMPARE(f.licznikProb, -1);

        struct Widok {
            int strona = -1;
            QString czekaj;
        };
        Widok naPoczatku, po3s, poZamknieciu, po99s, po100s;
        bool timery = false, okWidoczny = true, nadalOtwarte = false;
        int licznikPo100s = 0;
        const auto widok = [&] { return Widok{f.PageControl1->currentIndex(), f.l_czekaj->text()}; };
        gdyOknoModalne(&f, [&] {
            naPoczatku = widok();
            timery = f.Timer1->isActive() && f.Timer1->interval() == 900 && f.TimerFreez->isActive();
            okWidoczny = f.but_ok->isVisible();
            zegar.teraz += 3000;
            f.Timer1Timer();
            po3s = widok();
            // Neither Escape, the close box nor a reject closes it now.
            QTest::keyClick(&f, Qt::Key_Escape);
            f.close();
            f.reject();
            nadalOtwarte = f.isVisible();
            poZamknieciu = widok();
            zegar.teraz += 96999;
            f.Timer1Timer();
            f.TimerFreezTimer(); // an early wake-up changes nothing
            po99s = widok();
            zegar.teraz += 1;
            f.Timer1Timer();
            po100s = widok();
            licznikPo100s = f.licznikProb;
            if (po100s.strona == 0)
                wpiszIZatwierdz(f, QStringLiteral("55"));
            zamknijJesliOtwarte(f);
        });
        const bool ok = f.pokazOkno(prompt, QString(), haslo, 1045);
        QCOMPARE(naPoczatku.strona, 1);
        QVERIFY(timery);
        QVERIFY(!okWidoczny);
        QCOMPARE(po3s.czekaj, QStringLiteral("Czekaj (97)"));
        QVERIFY(nadalOtwarte);
        QCOMPARE(poZamknieciu.strona, 1);
        QCOMPARE(po99s.strona, 1);
        QCOMPARE(po99s.czekaj, QStringLiteral("Czekaj (1)"));
        QCOMPARE(po100s.strona, 0);
        QCOMPARE(po100s.czekaj, QStringLiteral("Czekaj"));
        QCOMPARE(licznikPo100s, 2);
        QVERIFY(ok);
        QCOMPARE(haslo, QStringLiteral("55"));
        QCOMPARE(f.licznikProb, 1);
        QVERIFY(!f.Timer1->isActive() && !f.TimerFreez->isActive());
    }

    void odliczanie_data()
    {
        QTest::addColumn<qint64>("uplynelo");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("strona");
        QTest::newRow("no time yet") << qint64(0) << "Czekaj" << 1;
        QTest::newRow("half a second") << qint64(500) << "Czekaj (100)" << 1;
        QTest::newRow("3 s") << qint64(3000) << "Czekaj (97)" << 1;
        QTest::newRow("99.9 s") << qint64(99900) << "Czekaj (1)" << 1;
        QTest::newRow("100 s: entry again") << qint64(100000) << "Czekaj" << 0;
        QTest::newRow("more than 100 s") << qint64(250000) << "Czekaj" << 0;
    }
    void odliczanie()
    {
        QFETCH(qint64, uplynelo);
        QFETCH(QString, tekst);
        QFETCH(int, strona);
        ZegarTestowy zegar;
        TFormHaslo f;
        f.licznikProb = -1;
        f.blokada(true);
        zegar.teraz += uplynelo;
        f.Timer1Timer();
        QCOMPARE(f.l_czekaj->text(), tekst);
        QCOMPARE(f.PageControl1->currentIndex(), strona);
        QCOMPARE(f.licznikProb, strona == 0 ? 2 : -1);
    }

    void initTestHasloZdejmujeBlokade()
    {
        ZegarTestowy zegar;
        TFormHaslo f;
        f.licznikProb = -1;
        f.blokada(true);
        f.InitTestHaslo();
        QCOMPARE(f.PageControl1->currentIndex(), 0);
        QCOMPARE(f.licznikProb, 2);
        QVERIFY(!f.Timer1->isActive() && !f.TimerFreez->isActive());
        QCOMPARE(f.TimerFreez->interval(), 100000);
    }

    // The window as the lock's prompt: three wrong passwords, the fourth
    // prompt frozen for 100 s, then the right one; the accepted re-send
    // resets the attempt counter.
    void blokadaTransmisjiZOknem()
    {
        ZegarTestowy zegar;
        KomunikatySkrypt komunikaty;
        SterownikSym sterownik;
        PlanUsterek usterki;
        SymulatorPty pty(sterownik, usterki);
        QString blad;
        QVERIFY2(pty.uruchom(&blad), qPrintable(blad));
        sterownik.zmien([](StanSterownika &s) {
            s.haslo = 4242;
            s.zablokowany = true;
        });
        TFkomunikacja lacze(std::make_unique<PortQt>());
        const QString urzadzenie = pty.sciezka();
        lacze.porty().ustawOdczytKlucza(
            [urzadzenie](const QString &k) { return k == QLatin1String("COM1Device") ? urzadzenie : QString(); });
        lacze.porty().ustawListeUrzadzen([] { return QStringList(); });
        lacze.ustawCzasOdczytu(5000); // only complete replies here: never waited out
        TParamTrans trans;
        trans.port = 0;
        trans.predkosc = 12;

        TFormHaslo f;
        TLockedTransmission b;
        std::deque<std::function<void()>> kroki;
        QStringList strony;
        b.fnLockCheck = [&] {
            bool zablokowany = false;
            return lacze.CzytajlockKVOR350(1, trans, zablokowany) == 0 ? int(zablokowany) : -1;
        };
        b.fnPasswordInput = [&](QString &t) {
            if (kroki.empty()) {
                t.clear();
                return;
            }
            gdyOknoModalne(&f, kroki.front());
            kroki.pop_front();
            if (!f.pokazOkno(prompt, QString(), t, 1045))
                t.clear();
        };
        b.fnUnlockPasswordSend = [&](const QString &t) { return lacze.ZapiszUnlockKVOR350(1, trans, t.toUInt()); };
        b.hasloDlgInit = [&] { f.InitTestHaslo(); };

        for (const char *zle : {"1", "22", "333"})
            kroki.push_back([&f, &strony, zle] {
                strony << QString::number(f.PageControl1->currentIndex());
                wpiszIZatwierdz(f, QString::fromLatin1(zle));
            });
        kroki.push_back([&] {
            strony << QString::number(f.PageControl1->currentIndex());
            zegar.teraz += 100000;
            f.Timer1Timer();
            strony << QString::number(f.PageControl1->currentIndex());
            wpiszIZatwierdz(f, QStringLiteral("4242"));
            zamknijJesliOtwarte(f);
        });

        QCOMPARE(b.fnProcess(), 0);
        QCOMPARE(strony, QStringList({"0", "0", "0", "1", "0"}));
        QVERIFY(kroki.empty());
        QVERIFY(!sterownik.stan().zablokowany);
        QCOMPARE(sterownik.stan().ileOdblokowan, 5);
        QCOMPARE(f.licznikProb, 2);
        QVERIFY(b.bylaBlokada);
        pty.zatrzymaj();
    }
};

QTEST_MAIN(TestFormaHaslo)
#include "test_forma_haslo.moc"
