// The keys every window shares, through real key events to the window's
// focus: Return and Enter press a focused button once, in a dialog and in
// a plain window, auto-default or not, but no check box; Enter in a box
// leaves a button that is no auto-default one alone; Ctrl+Tab and
// Ctrl+Shift+Tab take the focus out of a grid, from a cell and from a cell
// being edited, whose value goes in; Tab still moves between the cells;
// and a Return held back during an exchange presses the button it would
// have pressed with none.
#include "klawiatura_okien.h"
#include "pasek_postepu.h"
#include "test_qt.h"
#include "wejscie_okna.h"
#include "wymiana_wiersza.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>


class TestKlawiaturaOkien : public TestQt {
    Q_OBJECT

private slots:
    void initTestCase() { klawiaturaOkien(); }

    void enterNaPrzycisku_data()
    {
        QTest::addColumn<bool>("dialog");
        QTest::addColumn<bool>("autoDomyslny");
        QTest::addColumn<int>("klawisz");
        for (const bool d : {false, true})
            for (const bool a : {false, true})
                for (const int k : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
                    if (a && !d)
                        continue; // auto-default only means something in a dialog
                    QTest::addRow("%s, %s, %s", d ? "dialog" : "window", a ? "auto-default" : "no auto-default",
                                  k == Qt::Key_Return ? "Return" : "Enter")
                        << d << a << k;
                }
    }
    void enterNaPrzycisku()
    {
        QFETCH(bool, dialog);
        QFETCH(bool, autoDomyslny);
        QFETCH(int, klawisz);
        std::unique_ptr<QWidget> okno(dialog ? new QDialog : new QWidget);
        auto *uklad = new QVBoxLayout(okno.get());
        auto *pole = new QLineEdit;
        auto *pole2 = new QLineEdit;
        auto *ok = new QPushButton(QStringLiteral("OK"));
        auto *anuluj = new QPushButton(QStringLiteral("Anuluj"));
        auto *wybor = new QCheckBox(QStringLiteral("Automatycznie czytaj"));
        for (QWidget *w : std::initializer_list<QWidget *>{pole, pole2, ok, anuluj, wybor})
            uklad->addWidget(w);
        for (QPushButton *b : {ok, anuluj})
            b->setAutoDefault(autoDomyslny);
        int okKlikniec = 0, anulujKlikniec = 0;
        connect(ok, &QPushButton::clicked, [&] { ++okKlikniec; });
        connect(anuluj, &QPushButton::clicked, [&] { ++anulujKlikniec; });
        okno->show();
        QVERIFY(QTest::qWaitForWindowActive(okno.get()));
        const Qt::KeyboardModifiers m = klawisz == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        // In a box Enter presses no button that is not the default.
        pole->setFocus();
        klawisz_(okno.get(), klawisz, m);
        QCOMPARE(okKlikniec + anulujKlikniec, autoDomyslny ? 1 : 0);
        okKlikniec = anulujKlikniec = 0;
        klawisz_(okno.get(), Qt::Key_Tab);
        klawisz_(okno.get(), Qt::Key_Tab);
        QCOMPARE(okno->focusWidget(), ok);
        klawisz_(okno.get(), klawisz, m);
        QCOMPARE(okKlikniec, 1);
        klawisz_(okno.get(), Qt::Key_Tab);
        QCOMPARE(okno->focusWidget(), anuluj);
        klawisz_(okno.get(), klawisz, m);
        QCOMPARE(anulujKlikniec, 1);
        QCOMPARE(okKlikniec, 1);
        // Space as before; a check box keeps Return for the window.
        klawisz_(okno.get(), Qt::Key_Space);
        QCOMPARE(anulujKlikniec, 2);
        klawisz_(okno.get(), Qt::Key_Tab);
        QCOMPARE(okno->focusWidget(), wybor);
        klawisz_(okno.get(), klawisz, m);
        QVERIFY(!wybor->isChecked());
    }

    // A grid keeps Tab for its cells; Ctrl+Tab and Ctrl+Shift+Tab leave it
    // for the controls before and after it, skipping what cannot take the
    // focus; a cell being edited goes in first, so that a button its edit
    // enables takes the focus.
    void wyjscieZSiatki_data()
    {
        QTest::addColumn<bool>("edycja");  // a cell editor is open
        QTest::addColumn<bool>("dalej");   // Ctrl+Tab, else Ctrl+Shift+Tab
        QTest::addColumn<bool>("backtab"); // Ctrl+Shift+Tab comes as Backtab, as X11 gives it
        QTest::newRow("cell, Ctrl+Tab") << false << true << false;
        QTest::newRow("cell, Ctrl+Shift+Tab") << false << false << false;
        QTest::newRow("cell, Ctrl+Shift+Backtab") << false << false << true;
        QTest::newRow("cell editor, Ctrl+Tab") << true << true << false;
        QTest::newRow("cell editor, Ctrl+Shift+Backtab") << true << false << true;
    }
    void wyjscieZSiatki()
    {
        QFETCH(bool, edycja);
        QFETCH(bool, dalej);
        QFETCH(bool, backtab);
        QDialog okno;
        auto *uklad = new QVBoxLayout(&okno);
        auto *nazwa = new QLineEdit;
        auto *wylaczone = new QLineEdit;
        wylaczone->setEnabled(false);
        auto *siatka = new QTableView;
        QStandardItemModel model(3, 3);
        siatka->setModel(&model);
        // Disabled until an edit, as a record window's OK is.
        auto *ok = new QPushButton(QStringLiteral("OK"));
        ok->setAutoDefault(false);
        ok->setFocusPolicy(Qt::TabFocus);
        ok->setEnabled(!edycja);
        connect(&model, &QStandardItemModel::dataChanged, ok, [ok] { ok->setEnabled(true); });
        for (QWidget *w : std::initializer_list<QWidget *>{nazwa, wylaczone, siatka, ok})
            uklad->addWidget(w);
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        siatka->setFocus();
        siatka->setCurrentIndex(model.index(2, 1));
        // Tab stays among the cells, also past the last one.
        klawisz_(&okno, Qt::Key_Tab);
        klawisz_(&okno, Qt::Key_Tab);
        QCOMPARE(okno.focusWidget(), siatka);
        QCOMPARE(siatka->currentIndex(), model.index(0, 0));
        if (edycja) {
            klawisz_(&okno, Qt::Key_F2);
            QVERIFY(okno.focusWidget() != siatka);
            QVERIFY(siatka->isAncestorOf(okno.focusWidget()));
            pisz(&okno, QStringLiteral("42"));
        }
        if (dalej)
            klawisz_(&okno, Qt::Key_Tab, Qt::ControlModifier);
        else
            klawisz_(&okno, backtab ? Qt::Key_Backtab : Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(okno.focusWidget(), dalej ? static_cast<QWidget *>(ok) : nazwa);
        if (edycja)
            QTRY_COMPARE(model.index(0, 0).data().toString(), QStringLiteral("42"));
        // And back into the grid the same way a Tab would.
        klawisz_(&okno, dalej ? Qt::Key_Backtab : Qt::Key_Tab, dalej ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(okno.focusWidget(), siatka);
    }

    // A Return held back during an exchange presses, when handed on, the
    // button that has the focus then: the same as with no exchange.
    void enterWstrzymany_data() { wierszeWymiany(); }
    void enterWstrzymany()
    {
        QFETCH(bool, wymiana);
        wstrzymajWejsciePodczasWymiany();
        QWidget okno;
        auto *uklad = new QVBoxLayout(&okno);
        auto *pole = new QLineEdit;
        auto *start = new QPushButton(QStringLiteral("Start"));
        uklad->addWidget(pole);
        uklad->addWidget(start);
        int klikniec = 0;
        connect(start, &QPushButton::clicked, [&] { ++klikniec; });
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        pole->setFocus();
        {
            const WymianaWiersza trwa(wymiana);
            klawisz_(&okno, Qt::Key_Tab);
            klawisz_(&okno, Qt::Key_Return);
            if (wymiana)
                QCOMPARE(klikniec, 0);
        }
        QTRY_COMPARE(klikniec, 1);
        QCOMPARE(okno.focusWidget(), start);
    }

private:
    static void klawisz_(QWidget *okno, int k, Qt::KeyboardModifiers m = {}) { klawisz(okno, Qt::Key(k), m); }
};

QTEST_MAIN(TestKlawiaturaOkien)
#include "test_klawiatura_okien.moc"
