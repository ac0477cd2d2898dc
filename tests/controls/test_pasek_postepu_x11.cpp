// The progress window under a real X server (its own Xvfb) with real mouse
// input (xdotool): a click on "Anuluj" must register while a modal dialog
// runs the transfer. Offscreen QTest events bypass modality and cannot show
// this. Exits with 77 (skipped) when Xvfb or xdotool is missing.
#include "komunikaty.h"
#include "okna_komunikatow.h"
#include "okno_modalne.h"
#include "pasek_postepu.h"
#include "test_qt.h"
#include "wymiana.h"
#include "zegar.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString xdotool;

// Moves the pointer to a global position and clicks there.
bool kliknij(const QPoint &gdzie)
{
    // No --sync: it waits forever when the pointer is already there.
    return QProcess::execute(xdotool, {QStringLiteral("mousemove"), QString::number(gdzie.x()),
                                       QString::number(gdzie.y()), QStringLiteral("sleep"), QStringLiteral("0.05"),
                                       QStringLiteral("click"), QStringLiteral("1")}) == 0;
}

// The X window under a global position: the one on top there.
WId oknoPod(const QPoint &gdzie)
{
    QProcess p;
    p.start(xdotool, {QStringLiteral("mousemove"), QString::number(gdzie.x()), QString::number(gdzie.y()),
                      QStringLiteral("sleep"), QStringLiteral("0.05"), QStringLiteral("getmouselocation"),
                      QStringLiteral("--shell")});
    p.waitForFinished(10000);
    for (const QByteArray &w : p.readAllStandardOutput().split('\n'))
        if (w.startsWith("WINDOW="))
            return WId(w.mid(7).toULongLong());
    return 0;
}

QPoint srodek(const QWidget *w) { return w->mapToGlobal(w->rect().center()); }

// Runs `akcja` inside the event loop of a modal dialog, like an editor's
// transfer runs inside its window's button handler.
void wOknieModalnym(const std::function<void()> &akcja)
{
    QDialog okno;
    okno.setWindowTitle(QStringLiteral("Edytor"));
    okno.setGeometry(40, 40, 600, 450);
    QTimer::singleShot(0, &okno, [&] {
        if (QTest::qWaitForWindowExposed(&okno, 20000))
            akcja();
        okno.accept();
    });
    okno.exec();
}

// The editor's loop: advance, poll `koniec` between records, for at most
// 30 s (the click may take long to arrive on a busy machine).
bool petlaDoAnulowania()
{
    TpasekPostepu &p = pasekPostepu();
    QElapsedTimer t;
    t.start();
    for (int i = 0; !p.koniec && t.elapsed() < 30000; ++i) {
        pokazPostep(i % 250, 250);
        QThread::msleep(20);
    }
    return p.koniec;
}

} // namespace

class TestPasekPostepuX11 : public TestQt {
    Q_OBJECT
    KomunikatyOkienne okienne_;

private slots:
    void initTestCase() { ustawKomunikaty(&okienne_); }
    void cleanupTestCase() { ustawKomunikaty(nullptr); }

    void anulujDzialaWOknieModalnym()
    {
        bool koniec = false;
        wOknieModalnym([&] {
            TpasekPostepu &p = pasekPostepu();
            p.koniec = false;
            pokazPostep(0, 250);
            QVERIFY(QTest::qWaitForWindowExposed(&p, 20000));
            QVERIFY(kliknij(srodek(p.SpeedButton1)));
            koniec = petlaDoAnulowania();
            p.hide();
        });
        QVERIFY(koniec);
    }

    // The pitfall itself: a plain tool window shown during exec() gets no
    // mouse input. Without this the test above would prove nothing.
    void zwykleOknoNarzedziZablokowane()
    {
        bool klikniety = false, wzorzec = false;
        wOknieModalnym([&] {
            QWidget narzedzie(nullptr, Qt::Tool);
            narzedzie.setGeometry(700, 100, 200, 80);
            QPushButton przycisk(QStringLiteral("Anuluj"), &narzedzie);
            przycisk.setGeometry(10, 10, 180, 60);
            QObject::connect(&przycisk, &QPushButton::clicked, [&] { klikniety = true; });
            narzedzie.show();
            QVERIFY(QTest::qWaitForWindowExposed(&narzedzie, 20000));
            // A button of the modal dialog itself takes a second click; X
            // delivers events in order, so once it has come the first one
            // has been dealt with.
            QPushButton naDialogu(QStringLiteral("wzorzec"), QApplication::activeModalWidget());
            naDialogu.setGeometry(10, 10, 180, 60);
            QObject::connect(&naDialogu, &QPushButton::clicked, [&] { wzorzec = true; });
            naDialogu.show();
            QVERIFY(QTest::qWaitForWindowExposed(naDialogu.window(), 20000));
            QVERIFY(kliknij(srodek(&przycisk)));
            QVERIFY(kliknij(srodek(&naDialogu)));
            QVERIFY(QTest::qWaitFor([&] { return wzorzec; }, 30000));
        });
        QVERIFY(wzorzec);
        QVERIFY(!klikniety);
    }

    // During an exchange, whose wait processes messages in slices, real
    // clicks reach "Anuluj" at once; the editor's own buttons get theirs
    // when it is over.
    void anulujWTrakcieWymiany()
    {
        wstrzymajWejsciePodczasWymiany();
        int odczytow = 0;
        bool koniec = false;
        wOknieModalnym([&] {
            auto *edytor = QApplication::activeModalWidget();
            QPushButton odczyt(QStringLiteral("Odczyt"), edytor);
            odczyt.setGeometry(20, 20, 150, 40);
            QObject::connect(&odczyt, &QPushButton::clicked, [&] { ++odczytow; });
            odczyt.show();
            QVERIFY(QTest::qWaitForWindowExposed(edytor, 20000));
            // The exchange's wait, until "Anuluj" registers (at most 30 s).
            const auto czekajNaAnuluj = [](TpasekPostepu &p) {
                QElapsedTimer t;
                t.start();
                while (!p.koniec && t.elapsed() < 30000) {
                    QThread::msleep(10);
                    ozywOkna();
                }
            };
            TpasekPostepu &p = pasekPostepu();
            p.koniec = false;
            {
                // The click on "Odczyt" reaches the program inside the
                // exchange once a round trip to the X server has come back,
                // and waits for its end; the one on "Anuluj" goes to the
                // progress window shown after it.
                const TrwaWymiana trwa;
                QVERIFY(kliknij(srodek(&odczyt)));
                QGuiApplication::sync();
                QCOMPARE(odczytow, 0);
                pokazPostep(0, 1);
                QVERIFY(QTest::qWaitForWindowExposed(&p, 20000));
                QVERIFY(kliknij(srodek(p.SpeedButton1)));
                czekajNaAnuluj(p);
            }
            koniec = p.koniec;
            QCOMPARE(odczytow, 0);
            p.hide();
            QTRY_COMPARE_WITH_TIMEOUT(odczytow, 1, 30000);
            QVERIFY(kliknij(srodek(&odczyt)));
            QTRY_COMPARE_WITH_TIMEOUT(odczytow, 2, 30000);
        });
        QVERIFY(koniec);
        QCOMPARE(odczytow, 2);
    }

    // A message box raised during the transfer is above the progress
    // window and takes the click; "Anuluj" keeps working afterwards.
    void komunikatNadOknemPostepu()
    {
        bool zamkniety = false, koniecPoKomunikacie = true, koniec = false, naWierzchu = false;
        QWidget *wlasciciel = nullptr;
        wOknieModalnym([&] {
            TpasekPostepu &p = pasekPostepu();
            p.koniec = false;
            pokazPostep(0, 250);
            QVERIFY(QTest::qWaitForWindowExposed(&p, 20000));
            gdyOknoModalne<QMessageBox>([&](QMessageBox *box) {
                QVERIFY(QTest::qWaitForWindowExposed(box, 20000));
                wlasciciel = box->parentWidget();
                // Where the two overlap, the box is the window on top.
                const QRect wspolne = QRect(p.mapToGlobal(QPoint(0, 0)), p.size())
                                          .intersected(QRect(box->mapToGlobal(QPoint(0, 0)), box->size()));
                naWierzchu = !wspolne.isEmpty() && oknoPod(wspolne.center()) == box->winId();
                kliknij(srodek(box->button(QMessageBox::Ok)));
            });
            pokazBlad(QStringLiteral("Brak komunikacji"));
            zamkniety = true;
            koniecPoKomunikacie = p.koniec;
            QVERIFY(kliknij(srodek(p.SpeedButton1)));
            koniec = petlaDoAnulowania();
            p.hide();
        });
        QCOMPARE(wlasciciel, &pasekPostepu());
        QVERIFY(naWierzchu);
        QVERIFY(zamkniety);
        QVERIFY(!koniecPoKomunikacie);
        QVERIFY(koniec);
    }
};

// Starts Xvfb on a free display; returns its pid, or 0.
static pid_t uruchomXvfb(const QString &xvfb, QString &ekran)
{
    int rura[2];
    if (pipe(rura) != 0)
        return 0;
    const pid_t pid = fork();
    if (pid == 0) {
        close(rura[0]);
        const int nul = open("/dev/null", O_WRONLY);
        if (nul >= 0) {
            dup2(nul, 1);
            dup2(nul, 2);
        }
        const std::string fd = std::to_string(rura[1]);
        const QByteArray program = xvfb.toLocal8Bit();
        execl(program.constData(), program.constData(), "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
              "-nolisten", "tcp", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(rura[1]);
    std::string numer;
    pollfd p{rura[0], POLLIN, 0};
    while (pid > 0 && poll(&p, 1, 15000) > 0) {
        char c;
        if (read(rura[0], &c, 1) != 1 || c == '\n')
            break;
        numer += c;
    }
    close(rura[0]);
    if (pid <= 0)
        return 0;
    if (numer.empty()) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        return 0;
    }
    ekran = QStringLiteral(":") + QString::fromStdString(numer);
    return pid;
}

// libdbus, loaded by the xcb platform, keeps one block to the end; with the
// sanitizers on that is not our leak.
extern "C" const char *__lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }

int main(int argc, char **argv)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (xvfb.isEmpty() || xdotool.isEmpty()) {
        std::fprintf(stderr, "SKIP: Xvfb or xdotool is not installed\n");
        return 77;
    }
    QString ekran;
    const pid_t serwer = uruchomXvfb(xvfb, ekran);
    if (!serwer) {
        std::fprintf(stderr, "FAIL: Xvfb did not start\n");
        return 1;
    }
    qputenv("DISPLAY", ekran.toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    int wynik;
    {
        QApplication app(argc, argv);
        TestPasekPostepuX11 test;
        wynik = QTest::qExec(&test, argc, argv);
    }
    kill(serwer, SIGTERM);
    waitpid(serwer, nullptr, 0);
    return wynik;
}

#include "test_pasek_postepu_x11.moc"
