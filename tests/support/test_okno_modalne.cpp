// The modal-window helper: the action runs on the window it names, inside
// the window's modal run. Run with KVOR_PORAZKI=1 (a ctest entry of its
// own), the functions that fail on purpose show that a failed check, a
// window that never comes and one that never closes each end the test
// function with a failure instead of hanging it.
#include "okno_modalne.h"
#include "test_qt.h"

#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

bool porazki() { return qEnvironmentVariableIsSet("KVOR_PORAZKI"); }

// A dialog that only its OK button closes.
class Uparty : public QDialog {
public:
    Uparty()
    {
        auto *ok = new QPushButton(QStringLiteral("OK"), this);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }
    void reject() override {}
};

} // namespace

class TestOknoModalne : public TestQt {
    Q_OBJECT

private slots:
    void akcjaNaWskazanymOknie()
    {
        if (porazki())
            QSKIP("failures only");
        QDialog inne, to;
        to.setObjectName(QStringLiteral("to"));
        QString widziane;
        // Of type, then this one window, then any window.
        gdyOknoModalne<QMessageBox>([&](QMessageBox *m) {
            widziane += m->text();
            m->accept();
        });
        QMessageBox pytanie(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("pytanie"));
        QCOMPARE(pytanie.exec(), int(QDialog::Accepted));
        gdyOknoModalne(&to, [&] {
            widziane += QStringLiteral(" ") + to.objectName();
            to.accept();
        });
        QCOMPARE(to.exec(), int(QDialog::Accepted));
        gdyOknoModalne([&](QWidget *w) {
            widziane += QStringLiteral(" any");
            // An action may wait with event loops of its own.
            QTest::qWait(30);
            qobject_cast<QDialog *>(w)->reject();
        });
        QCOMPARE(inne.exec(), int(QDialog::Rejected));
        QCOMPARE(widziane, QStringLiteral("pytanie to any"));
    }

    // An action that leaves the window to close itself a little later.
    void oknoZamykaSiePoAkcji()
    {
        if (porazki())
            QSKIP("failures only");
        Uparty u;
        gdyOknoModalne(&u, [&] { QTimer::singleShot(50, &u, &QDialog::accept); });
        QCOMPARE(u.exec(), int(QDialog::Accepted));
    }

    void nieudanaKontrolaZamykaOkno()
    {
        if (!porazki())
            QSKIP("run with KVOR_PORAZKI=1");
        Uparty u;
        gdyOknoModalne(&u, [&] { QVERIFY2(false, "a check that fails on purpose"); });
        u.exec();
    }

    void oknoKtoreNiePrzyszlo()
    {
        if (!porazki())
            QSKIP("run with KVOR_PORAZKI=1");
        gdyOknoModalne([](QWidget *) {}, 200);
        QTest::qWait(500);
    }

    void oknoKtoreSieNieZamyka()
    {
        if (!porazki())
            QSKIP("run with KVOR_PORAZKI=1");
        Uparty u;
        gdyOknoModalne(
            &u, [] {}, 300);
        u.exec();
    }
};

QTEST_MAIN(TestOknoModalne)
#include "test_okno_modalne.moc"
