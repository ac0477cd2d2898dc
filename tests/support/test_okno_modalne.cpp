// The modal-window helper: the action runs on the window it names, inside
// the window's modal run; a window that never comes, one that never closes
// and a helper left waiting are reported. Run with KVOR_PORAZKI=1 (a ctest
// entry of its own), a check that fails inside the action ends the test
// function with its failure instead of hanging it.
#include "komunikaty_skrypt.h"
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

// Catches what would fail the running test.
struct Zgloszenia {
    QStringList lista;
    std::function<void(const QString &)> stare = KomunikatySkrypt::naBlad();
    Zgloszenia()
    {
        KomunikatySkrypt::naBlad() = [this](const QString &s) { lista << s; };
    }
    ~Zgloszenia() { KomunikatySkrypt::naBlad() = stare; }
};

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
            bool pozniej = false;
            QTimer::singleShot(20, [&] { pozniej = true; });
            QVERIFY(QTest::qWaitFor([&] { return pozniej; }, 10000));
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

    // The deadlines: reported through the message service's failure hook,
    // caught here instead of failing the test.
    void oknoKtoreNiePrzyszlo()
    {
        if (porazki())
            QSKIP("failures only");
        Zgloszenia z;
        gdyOknoModalne([](QWidget *) {}, 200);
        QVERIFY(QTest::qWaitFor([&] { return !z.lista.isEmpty(); }, 10000));
        QCOMPARE(z.lista, QStringList{"the modal window the test waited for did not come within 200 ms"});
    }

    void oknoKtoreSieNieZamyka()
    {
        if (porazki())
            QSKIP("failures only");
        Zgloszenia z;
        Uparty u;
        gdyOknoModalne(
            &u, [] {}, 300);
        QCOMPARE(u.exec(), int(QDialog::Rejected));
        QCOMPARE(z.lista, QStringList{"a modal window stayed open 300 ms after the test acted on it"});
    }

    void pomocnikCzekajacyDoKoncaTestu()
    {
        if (porazki())
            QSKIP("failures only");
        Zgloszenia z;
        gdyOknoModalne([](QWidget *) {});
        zakonczOknaModalne();
        QCOMPARE(z.lista, QStringList{"the modal window the test waited for never came"});
    }

    // A check that fails inside the action ends the modal run; this one
    // fails on purpose, in the KVOR_PORAZKI run only.
    void nieudanaKontrolaZamykaOkno()
    {
        if (!porazki())
            QSKIP("run with KVOR_PORAZKI=1");
        Uparty u;
        gdyOknoModalne(&u, [&] { QVERIFY2(false, "a check that fails on purpose"); });
        u.exec();
    }
};

QTEST_MAIN(TestOknoModalne)
#include "test_okno_modalne.moc"
