// A value its field's range check refuses ends the action that takes the
// record window's values, in every record window with such a check: the
// power of a digital and of an analog output, 16 bits on the wire. Over a
// table of windows and actions (OK, send, save, tab change), with real key
// and mouse events: the range message once, nothing sent, saved or stored,
// the tab kept, the window open and the caller's record unchanged, and the
// box keeps what was typed and has the focus. The same actions with a
// value in range go on, so each row also shows what its action does when
// nothing is refused.
#include "sym_edytora.h"
#include "test_qt.h"

#include "okno_modalne.h"
#include "przekazniki_edytor.h"
#include "wyjscia_analogowe_okno.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstring>

using R = RodzajKomunikatu;

namespace {

enum class Akcja { Ok, Wyslanie, Zapis, Zakladka };

const char *nazwaAkcji(Akcja a)
{
    switch (a) {
    case Akcja::Ok:
        return "OK";
    case Akcja::Wyslanie:
        return "send";
    case Akcja::Zapis:
        return "save";
    case Akcja::Zakladka:
        return "tab change";
    }
    return "";
}

constexpr uint32_t mocPrzed = 1234; // the caller's power

// A record window with a range-checked power, run by its entry function.
struct OknoMocy {
    const char *nazwa;
    QList<Akcja> akcje; // the actions it has
    // The entry function on a record whose power is mocPrzed; `wOknie` acts
    // on the window once it is up. `moc`: the caller's power afterwards.
    std::function<bool(const std::function<void(TEdytorSekcji &)> &wOknie, qint64 &moc)> edytuj;
};

const std::vector<OknoMocy> &okna()
{
    static const std::vector<OknoMocy> t = {
        {"digital output",
         {Akcja::Ok, Akcja::Wyslanie, Akcja::Zapis, Akcja::Zakladka},
         [](const std::function<void(TEdytorSekcji &)> &wOknie, qint64 &moc) {
             auto lista = std::make_unique<TKopiaRobocza<TPrzekaznikiArray>>();
             std::memset(&lista->r, 0, sizeof lista->r);
             TPrzekaznik p{};
             p.nr = 1;
             p.moc = mocPrzed;
             gdyOknoModalne<TFEditParPrzek>([&](TFEditParPrzek *o) { wOknie(*o); });
             const bool w = edytujPrzekaznik(lista->r, p, 1045);
             moc = p.moc;
             return w;
         }},
        {"analog output",
         {Akcja::Ok},
         [](const std::function<void(TEdytorSekcji &)> &wOknie, qint64 &moc) {
             TWyjscieAnalogowe a{};
             a.output_type = 1; // the output's parameters, the power among them, are shown
             a.moc = mocPrzed;
             gdyOknoModalne<TFkonfigwyjsc>([&](TFkonfigwyjsc *o) { wOknie(*o); });
             const bool w = edytujWyjscieAnalogowe(a, QStringLiteral("AO1.1"), 1045);
             moc = a.moc;
             return w;
         }},
    };
    return t;
}

const QString tekstZakresu = QStringLiteral(" Nieprawidłowy zakres parametru ! 65535");

} // namespace

class TestZakresAkcji : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        s->przykladowyProjekt(21);
    }
    void poTescie() override { s.reset(); }

private slots:
    void odmowaKonczyAkcje_data()
    {
        QTest::addColumn<int>("okno");
        QTest::addColumn<int>("akcja");
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<bool>("odmowa");
        for (size_t i = 0; i < okna().size(); ++i)
            for (Akcja a : okna()[i].akcje) {
                const auto wiersz = [&](const char *wpisane, bool odmowa) {
                    QTest::addRow("%s, %s: %s", okna()[i].nazwa, nazwaAkcji(a), wpisane)
                        << int(i) << int(a) << QString::fromLatin1(wpisane) << odmowa;
                };
                wiersz("70000", true);
                wiersz("99999999999", true); // no 32-bit number
                wiersz("65535", false);
            }
    }
    void odmowaKonczyAkcje()
    {
        QFETCH(int, okno);
        QFETCH(int, akcja);
        QFETCH(QString, wpisane);
        QFETCH(bool, odmowa);
        const Akcja a = Akcja(akcja);
        QTemporaryDir katalog;
        const QString plik = katalog.filePath(QStringLiteral("wyjscie.k3do1"));
        WyborPlikuSkrypt wybor;
        wybor.odpowiedzi = {plik};
        bool sprawdzone = false;

        qint64 moc = -1;
        const bool oddane = okna()[size_t(okno)].edytuj(
            [&](TEdytorSekcji &o) {
                QVERIFY(QTest::qWaitForWindowActive(&o));
                auto *e = o.findChild<QLineEdit *>(QStringLiteral("ie_moc"));
                QVERIFY(e);
                QTest::mouseClick(e, Qt::LeftButton);
                QTRY_COMPARE(QApplication::focusWidget(), e);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_End, Qt::ShiftModifier);
                QTest::keyClicks(QApplication::focusWidget(), wpisane);
                // The box is left before the action: it keeps the text.
                QTest::keyClick(o.windowHandle(), Qt::Key_Tab);
                QVERIFY(QApplication::focusWidget() != e);
                QCOMPARE(e->text(), wpisane);
                auto *p = qobject_cast<TFEditParPrzek *>(&o);
                if (odmowa)
                    s->komunikaty.oczekuj(R::Komunikat, tekstZakresu);
                switch (a) {
                case Akcja::Ok:
                    QTest::mouseClick(o.but_ok, Qt::LeftButton);
                    break;
                case Akcja::Wyslanie:
                    QTest::mouseClick(o.but_wyslij, Qt::LeftButton);
                    break;
                case Akcja::Zapis:
                    QTest::mouseClick(o.but_zapisz, Qt::LeftButton);
                    break;
                case Akcja::Zakladka:
                    QVERIFY(p);
                    QTest::mouseClick(p->TabSet1, Qt::LeftButton, {}, p->TabSet1->tabRect(1).center());
                    break;
                }
                QVERIFY(s->komunikaty.pusty());
                QCOMPARE(int(s->komunikaty.pokazane.size()), odmowa ? 1 : 0);
                if (a == Akcja::Ok && !odmowa) {
                    sprawdzone = true;
                    return; // the window closed with the record
                }
                QVERIFY(o.isVisible());
                if (odmowa) {
                    QCOMPARE(e->text(), wpisane);
                    QTRY_COMPARE(QApplication::focusWidget(), e);
                }
                switch (a) {
                case Akcja::Ok:
                    QVERIFY(!o.wynik);
                    break;
                case Akcja::Wyslanie:
                    QCOMPARE(s->ramkiObu().empty(), odmowa);
                    break;
                case Akcja::Zapis: {
                    QCOMPARE(wybor.ileZapisow, odmowa ? 0 : 1);
                    QCOMPARE(QFile::exists(plik), !odmowa);
                    if (odmowa)
                        break;
                    QFile f(plik);
                    QVERIFY(f.open(QIODevice::ReadOnly));
                    const QByteArray b = f.readAll();
                    QCOMPARE(b.size(), qsizetype(sizeof(TPrzekaznik)));
                    TPrzekaznik zapisany;
                    std::memcpy(&zapisany, b.constData(), sizeof zapisany);
                    QCOMPARE(zapisany.moc, 65535u);
                    break;
                }
                case Akcja::Zakladka:
                    QCOMPARE(p->TabSet1->currentIndex(), odmowa ? 0 : 1);
                    QCOMPARE(p->Definicja, odmowa ? 1 : 2);
                    QCOMPARE(p->rekord.moc, odmowa ? mocPrzed : 65535u);
                    break;
                }
                // Closing drops the change.
                s->komunikaty.oczekuj(R::Pytanie, "Uwaga: Zmiany nie zostały zapisane. Kontynuować?", 1);
                QTest::mouseClick(o.but_anuluj, Qt::LeftButton);
                QVERIFY(s->komunikaty.pusty());
                sprawdzone = true;
            },
            moc);
        QVERIFY(sprawdzone);
        const bool zapisane = a == Akcja::Ok && !odmowa;
        QCOMPARE(oddane, zapisane);
        QCOMPARE(moc, zapisane ? qint64(65535) : qint64(mocPrzed));
    }
};

QTEST_MAIN(TestZakresAkcji)
#include "test_zakres_akcji.moc"
