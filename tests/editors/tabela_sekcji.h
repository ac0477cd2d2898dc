// The frame of the tests that run over a table of sections, one row per
// section: the data rows, the section of the running row, the simulator
// with a whole project and the PC's project unlike it, and the close
// question on every way out of a window (the same for lists and for
// one-record windows).
//
// A row type S has `nazwa`, `edytuj(QByteArray &data, int jezykId)` (the
// entry function on the section's bytes), `naSterowniku(sym)` (the
// section's bytes on the controller) and `poOdczycie(old, read)` (the
// section's bytes after a read of all it reads); the test class lists the rows in
// the function it passes to the constructor.
#pragma once

#include "sym_edytora.h"
#include "test_qt.h"

#include "edytor_sekcji.h"
#include "wejscie_okna.h"
#include "wymiana.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

template <class S>
class TestTabeliSekcji : public TestQt {
protected:
    explicit TestTabeliSekcji(const std::vector<S> &(*sekcje)()) : sekcje_(sekcje) {}

    std::unique_ptr<SymulatorEdytora> s;
    std::unique_ptr<TProjektVXTNew> inny; // the PC's project, unlike the controller's
    TProjektDodatkiMycie innyMycie{};     // and its washing settings

    void dodajSekcje() { QTest::addColumn<int>("sekcja"); }
    // A row per section and nothing more.
    void tylkoSekcje(const char *wariant)
    {
        dodajSekcje();
        wierszeSekcji(wariant);
    }
    void wierszeSekcji(const char *wariant, const std::function<void(QTestData &)> &reszta = {})
    {
        for (size_t i = 0; i < sekcje_().size(); ++i) {
            QTestData &d = QTest::addRow("%s: %s", sekcje_()[i].nazwa, wariant) << int(i);
            if (reszta)
                reszta(d);
        }
    }
    const S &sekcja()
    {
        QFETCH(int, sekcja);
        return sekcje_()[size_t(sekcja)];
    }

    // The controller holds project 11, the PC project 12; przygotuj and
    // przygotujMycie run on both first.
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        s->przykladowyProjekt(11, [this](TProjektVXTNew &p) { przygotuj(p); });
        s->bloki.zmien([this](TProjektVXTNew &, TProjektDodatkiMycie &m) { przygotujMycie(m); });
        inny = std::make_unique<TProjektVXTNew>();
        BlokiSym::przykladowy(*inny, innyMycie, 12);
        przygotuj(*inny);
        przygotujMycie(innyMycie);
    }
    void poTescie() override { s.reset(); }
    virtual void przygotuj(TProjektVXTNew &) {}
    virtual void przygotujMycie(TProjektDodatkiMycie &) {}

    // The section's bytes in the PC's project.
    virtual QByteArray stare(const S &x) const = 0;
    // ---- Files ----
    // Rows: a file one byte short, empty, of the section's size, longer;
    // column "roznica", its size less the section's.
    void danePlikow()
    {
        dodajSekcje();
        QTest::addColumn<int>("roznica");
        wierszeSekcji("one byte short", [](QTestData &d) { d << -1; });
        wierszeSekcji("empty", [](QTestData &d) { d << std::numeric_limits<int>::min(); });
        wierszeSekcji("exact", [](QTestData &d) { d << 0; });
        wierszeSekcji("longer", [](QTestData &d) { d << 100; });
    }
    // A file in `katalog` holding `dane` cut or lengthened by `roznica`
    // bytes.
    static QString plikSekcji(const QTemporaryDir &katalog, const QString &rozszerzenie, const QByteArray &dane,
                              int roznica)
    {
        const QString plik = katalog.filePath(QStringLiteral("s.") + rozszerzenie);
        QFile f(plik);
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(roznica < 0 ? dane.left(std::max<qint64>(0, qint64(dane.size()) + roznica))
                            : dane + QByteArray(roznica, '\x5A'));
        return plik;
    }
    // The window's save into `plik`: what the file then holds.
    static QByteArray zapisane(TEdytorSekcji &o, WyborPlikuSkrypt &wybor, const QString &plik)
    {
        wybor.odpowiedzi = {plik};
        o.but_zapisz->click();
        QFile f(plik);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Where Esc is pressed in a window.
    virtual QWidget *celEsc(TEdytorSekcji *o) const { return o; }

    // ---- The close question ----
    // Rows: "Anuluj", Esc, the title bar.
    void daneBezZmian()
    {
        dodajSekcje();
        QTest::addColumn<int>("sposob");
        for (int sposob = 0; sposob < 3; ++sposob)
            wierszeSekcji(sposoby[sposob], [&](QTestData &d) { d << sposob; });
    }
    // Unchanged, every way out closes without a question and hands
    // nothing back.
    void bezZmian()
    {
        const S &x = sekcja();
        QFETCH(int, sposob);
        QByteArray dane = stare(x);
        const QByteArray przed = dane;
        bool zamkniete = false;
        gdyOknoModalne<TEdytorSekcji>([&](TEdytorSekcji *o) {
            QVERIFY(!o->but_ok->isEnabled());
            wyjdz(o, sposob);
            zamkniete = !o->isVisible();
        });
        QVERIFY(!x.edytuj(dane, 1045));
        QVERIFY(zamkniete);
        QVERIFY(s->komunikaty.pokazane.empty());
        QCOMPARE(dane, przed);
    }
    // Rows: each way out answered Yes, and No then OK.
    void danePoOdczycie()
    {
        dodajSekcje();
        QTest::addColumn<int>("sposob");
        QTest::addColumn<bool>("tak");
        for (int sposob = 0; sposob < 3; ++sposob)
            for (bool tak : {true, false}) {
                const QByteArray w = QByteArray(sposoby[sposob]) + (tak ? ", Yes" : ", No, then OK");
                wierszeSekcji(w.constData(), [&](QTestData &d) { d << sposob << tak; });
            }
    }
    // After a read every way out asks; Yes closes and drops the read data,
    // No keeps the window, whose OK then hands them back.
    void poOdczycie()
    {
        const S &x = sekcja();
        QFETCH(int, sposob);
        QFETCH(bool, tak);
        QByteArray dane = stare(x);
        const QByteArray przed = dane;
        gdyOknoModalne<TEdytorSekcji>([&](TEdytorSekcji *o) {
            o->but_odczyt->click();
            QVERIFY(o->but_ok->isEnabled());
            s->komunikaty.oczekuj(RodzajKomunikatu::Pytanie,
                                  QStringLiteral("Uwaga: Zmiany nie zostały zapisane. "
                                                 "Kontynuować?"),
                                  tak ? 1 : 0);
            wyjdz(o, sposob);
            if (tak) {
                QVERIFY(!o->isVisible());
                return;
            }
            QVERIFY(o->isVisible());
            QVERIFY(o->but_ok->isEnabled());
            o->but_ok->click();
        });
        QCOMPARE(x.edytuj(dane, 1045), !tak);
        QCOMPARE(dane, tak ? przed : x.poOdczycie(przed, x.naSterowniku(*s)));
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(!pasekPostepu().isVisible());
    }

    // ---- The keyboard ----
    // Rows: OK, "Anuluj".
    void daneKlawiatury()
    {
        dodajSekcje();
        QTest::addColumn<bool>("ok");
        wierszeSekcji("Tab to OK, Return", [](QTestData &d) { d << true; });
        wierszeSekcji("Tab to Anuluj, Return", [](QTestData &d) { d << false; });
    }
    // After a read the window is finished from the keyboard alone: Tab
    // (Ctrl+Tab out of a grid) from where the focus is to OK, which hands
    // the read data back on Return, or to "Anuluj", which asks and drops
    // them.
    void klawiaturaDoKonca()
    {
        const S &x = sekcja();
        QFETCH(bool, ok);
        QByteArray dane = stare(x);
        const QByteArray przed = dane;
        bool zamkniete = false;
        gdyOknoModalne<TEdytorSekcji>([&](TEdytorSekcji *o) {
            QVERIFY(QTest::qWaitForWindowActive(o));
            o->but_odczyt->click();
            QVERIFY(o->but_ok->isEnabled());
            QVERIFY(dojdzKlawiszami(o, ok ? o->but_ok : o->but_anuluj));
            if (!ok)
                s->komunikaty.oczekuj(RodzajKomunikatu::Pytanie,
                                      QStringLiteral("Uwaga: Zmiany nie zostały zapisane. Kontynuować?"), 1);
            klawisz(o, Qt::Key_Return);
            QTRY_VERIFY(!o->isVisible());
            zamkniete = true;
        });
        QCOMPARE(x.edytuj(dane, 1045), ok);
        QVERIFY(zamkniete);
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(dane, ok ? x.poOdczycie(przed, x.naSterowniku(*s)) : przed);
    }

    // ---- Busy ----
    // During a slow read the window's tool buttons, OK, "Anuluj" and the
    // controls of its data are disabled and every way out is refused; afterwards the buttons are as
    // they were and OK shows the change.
    void zajeteOkno()
    {
        const S &x = sekcja();
        QByteArray dane = stare(x);
        s->usterki.dodaj(PlanUsterek::kazde, {RodzajUsterki::Wolno, 40}, 2);
        int sprawdzen = 0;
        gdyOknoModalne<TEdytorSekcji>([&](TEdytorSekcji *o) {
            QList<QAbstractButton *> przyciski{o->but_ok, o->but_anuluj};
            for (QToolButton *b : o->findChildren<QToolButton *>())
                przyciski << b;
            QList<bool> przed;
            for (QAbstractButton *b : przyciski)
                przed << b->isEnabled();
            s->zegar.naPrzetworz = [&] {
                if (!wymianaWToku() || sprawdzen > 0)
                    return;
                ++sprawdzen;
                QVERIFY(o->wTrakcie());
                for (QAbstractButton *b : przyciski)
                    if (b->isVisible())
                        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
                // Nor does any control of the section's data.
                for (QWidget *w : o->obszar->findChildren<QWidget *>())
                    if (w->isVisibleTo(o))
                        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
                for (int sposob = 0; sposob < 3; ++sposob)
                    wyjdz(o, sposob);
                o->accept();
                static_cast<QDialog *>(o)->done(QDialog::Rejected);
                QVERIFY(o->isVisible());
            };
            o->but_odczyt->click();
            s->zegar.naPrzetworz = nullptr;
            QVERIFY(!o->wTrakcie());
            for (int i = 0; i < przyciski.size(); ++i)
                if (przyciski[i] != o->but_ok)
                    QCOMPARE(przyciski[i]->isEnabled(), przed[i]);
            QVERIFY(o->but_ok->isEnabled());
            QVERIFY(o->isVisible());
            o->but_ok->click();
        });
        QVERIFY(x.edytuj(dane, 1045));
        QCOMPARE(sprawdzen, 1);
        QVERIFY(s->komunikaty.pusty());
    }

private:
    static constexpr const char *sposoby[] = {"Anuluj", "Esc", "title bar"};

    void wyjdz(TEdytorSekcji *o, int sposob) const
    {
        if (sposob == 0)
            o->but_anuluj->click();
        else if (sposob == 1)
            QTest::keyClick(celEsc(o), Qt::Key_Escape);
        else
            o->close();
    }

    const std::vector<S> &(*sekcje_)();
};
