// Every window of one record while its own read or send waits for a slow
// controller: every control that edits the record is disabled, clicks and
// keys on them do nothing (no picker opens, nothing typed survives), the
// record ends as the same transfer gives it with nobody touching the
// window, and the focus is back where it was.
#include "okno_rekordu.h"
#include "sym_edytora.h"
#include "test_qt.h"
#include "wejscie_okna.h"

#include "alarmy_do.h"
#include "dodatki.h"
#include "krok.h"
#include "moduly.h"
#include "mycie.h"
#include "program.h"
#include "przekazniki_edytor.h"
#include "tryb_specjalny.h"
#include "wejscia_cyfrowe.h"
#include "wejscia_pomiarowe.h"
#include "wilgotnosc.h"
#include "wymiana.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

using R = RodzajKomunikatu;

namespace {

// A window of one record over the PC's project, as its entry function
// opens it (shown, not run modally).
struct OknoProby {
    const char *nazwa;
    std::function<std::unique_ptr<TEdytorSekcji>(const TProjektVXTNew &p, const TProjektDodatkiMycie &m)> okno;
    // The window's record.
    std::function<QByteArray(TEdytorSekcji &)> rekord;
    // The box that ends a send; empty: none.
    QString poWyslaniu = QStringLiteral("Ustawienia wysłane do sterownika");
};

template <class Okno>
OknoProby wiersz(const char *nazwa,
                 std::function<const typename Okno::Rekord &(const TProjektVXTNew &, const TProjektDodatkiMycie &)> z,
                 std::function<void(Okno &, const TProjektVXTNew &)> przygotuj = {})
{
    OknoProby w;
    w.nazwa = nazwa;
    w.okno = [z, przygotuj](const TProjektVXTNew &p, const TProjektDodatkiMycie &m) {
        auto o = std::make_unique<Okno>();
        o->ustawJezyk(1045);
        if (przygotuj)
            przygotuj(*o, p);
        std::memcpy(&o->rekord, &z(p, m), sizeof o->rekord);
        o->pokazDane();
        o->wynik = false;
        o->but_ok->setEnabled(false);
        o->show();
        return std::unique_ptr<TEdytorSekcji>(std::move(o));
    };
    w.rekord = [](TEdytorSekcji &o) {
        const auto &r = static_cast<Okno &>(o).rekord;
        return QByteArray(reinterpret_cast<const char *>(&r), sizeof r);
    };
    return w;
}

const std::vector<OknoProby> &okna()
{
    using P = TProjektVXTNew;
    using M = TProjektDodatkiMycie;
    static const std::vector<OknoProby> t = [] {
        std::vector<OknoProby> w;
        w.push_back(wiersz<TFormDO_Alarmy>(
            "alarm outputs", [](const P &p, const M &) -> const auto & { return p.przekaznikiAlarmF1F4; }));
        w.push_back(wiersz<Tfdodatki>(
            "additions", [](const P &p, const M &) -> const auto & { return p.dodatki; }));
        w.push_back(wiersz<TFStanPrzekaznikow>(
            "step", [](const P &p, const M &) -> const auto & { return p.kroki[1]; },
            [](TFStanPrzekaznikow &o, const P &p) { o.ustawKrok(0, false, p.przekazniki); }));
        w.push_back(wiersz<TFormModuly>(
            "extra modules", [](const P &p, const M &) -> const auto & { return p.modulyWeWyjKonf; }));
        w.push_back(wiersz<TfUstawieniaMycia>(
            "washing settings", [](const P &, const M &m) -> const auto & { return m; },
            [](TfUstawieniaMycia &o, const P &p) { o.ustawPrzekazniki(p.przekazniki); }));
        OknoProby p = wiersz<TFProgramMycia>(
            "program", [](const P &p, const M &) -> const auto & { return p.programy[0]; },
            [](TFProgramMycia &o, const P &p) { o.ustawProgram(1, p.programy); });
        p.poWyslaniu.clear();
        w.push_back(p);
        OknoProby d = wiersz<TFEditParPrzek>(
            "digital output", [](const P &p, const M &) -> const auto & { return p.przekazniki[0]; },
            [](TFEditParPrzek &o, const P &p) {
                o.ustawNumer(1);
                kopiujRekord(o.lista, p.przekazniki);
            });
        d.poWyslaniu.clear();
        w.push_back(d);
        w.push_back(wiersz<TFEdycjastanSpec>(
            "special mode", [](const P &p, const M &) -> const auto & { return p.FunkcjeSpec[0]; },
            [](TFEdycjastanSpec &o, const P &p) { o.ustawTryb(0, QStringLiteral("F01"), p.przekazniki); }));
        w.push_back(wiersz<TfeditWejscieCyfrowe>(
            "digital input", [](const P &p, const M &) -> const auto & { return p.WejsciaCyfrowe[0]; },
            [](TfeditWejscieCyfrowe &o, const P &p) { o.ustawPrzekazniki(p.przekazniki); }));
        w.push_back(wiersz<TFEditWejsciePom>(
            "measuring input", [](const P &p, const M &) -> const auto & { return p.FWejsciaPomiarowe[0]; },
            [](TFEditWejsciePom &o, const P &p) {
                o.ustawPozycje(1);
                o.ustawPrzekazniki(p.przekazniki);
            }));
        w.push_back(wiersz<TfustawWilg>(
            "humidity", [](const P &p, const M &) -> const auto & { return p.wilgotnosc; },
            [](TfustawWilg &o, const P &p) { o.ustawPrzekazniki(p.przekazniki); }));
        return w;
    }();
    return t;
}

// The controls of the window that edit its record.
QList<QWidget *> kontrolkiDanych(TEdytorSekcji &o)
{
    QList<QWidget *> k;
    for (QWidget *w : o.obszar->findChildren<QWidget *>()) {
        const bool edytuje = qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w) ||
                             qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w) ||
                             qobject_cast<QAbstractItemView *>(w) || qobject_cast<QTabBar *>(w) ||
                             qobject_cast<QAbstractSlider *>(w);
        // A line edit inside a drop-down list or a spin box is theirs.
        if (edytuje && w->isVisibleTo(&o) && !qobject_cast<QComboBox *>(w->parentWidget()) &&
            !qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
            k << w;
    }
    return k;
}

// What the user sees of the record: the texts of its boxes and lists.
QStringList widoczne(const TEdytorSekcji &o)
{
    QStringList t;
    for (const QLineEdit *e : o.obszar->findChildren<QLineEdit *>())
        t << e->objectName() + QLatin1Char('=') + e->text();
    for (const QComboBox *c : o.obszar->findChildren<QComboBox *>())
        t << c->objectName() + QLatin1Char('=') + c->currentText();
    return t;
}

// The first box or list of the window, which a click gives the focus;
// nullptr when it has none.
QWidget *pierwszePole(TEdytorSekcji &o)
{
    for (QWidget *w : kontrolkiDanych(o))
        if ((qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w)) &&
            (w->focusPolicy() & Qt::ClickFocus))
            return w;
    return nullptr;
}

} // namespace

class TestRekordyZajete : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;
    std::unique_ptr<TProjektVXTNew> pc; // the PC's project, unlike the controller's
    TProjektDodatkiMycie pcMycie{};

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        s->przykladowyProjekt(11, &wZakresie);
        pc = std::make_unique<TProjektVXTNew>();
        BlokiSym::przykladowy(*pc, pcMycie, 12);
        wZakresie(*pc);
    }
    // The digital input's lists and relay states within what its window
    // shows, so that it opens without the box about data out of range.
    static void wZakresie(TProjektVXTNew &p)
    {
        Tkvor350wejscieDwustanowe &w = p.WejsciaCyfrowe[0];
        w.alarm_status = uint8_t(w.alarm_status % 2);
        w.alarm_logika = uint8_t(w.alarm_logika % 2);
        for (uint8_t &b : w.wyjscia_przypisane)
            b = uint8_t(b % 5);
    }
    void poTescie() override { s.reset(); }

private slots:
    void wTrakcieOperacji_data()
    {
        QTest::addColumn<int>("okno");
        QTest::addColumn<bool>("wyslanie");
        for (size_t i = 0; i < okna().size(); ++i) {
            QTest::addRow("%s: read", okna()[i].nazwa) << int(i) << false;
            QTest::addRow("%s: send", okna()[i].nazwa) << int(i) << true;
        }
    }
    void wTrakcieOperacji()
    {
        QFETCH(int, okno);
        QFETCH(bool, wyslanie);
        const OknoProby &x = okna()[size_t(okno)];

        // The same transfer with nobody touching the window: the record and
        // the frames it gives.
        QByteArray rekordBezWejscia;
        QStringList widoczneBezWejscia;
        std::vector<QByteArray> ramkiBezWejscia;
        {
            auto b = x.okno(*pc, pcMycie);
            if (wyslanie && !x.poWyslaniu.isEmpty())
                s->komunikaty.oczekuj(R::Informacja, x.poWyslaniu);
            (wyslanie ? b->but_wyslij : b->but_odczyt)->click();
            QVERIFY(s->komunikaty.pusty());
            rekordBezWejscia = x.rekord(*b);
            widoczneBezWejscia = widoczne(*b);
            ramkiBezWejscia = s->pty.ramki();
        }
        s->pty.wyczyscRamki();
        s->przykladowyProjekt(11, &wZakresie);

        auto o = x.okno(*pc, pcMycie);
        QWidget *pole = pierwszePole(*o);
        if (pole) {
            klik(pole);
            QCOMPARE(o->focusWidget(), pole);
        }

        // A window a click opens (a picker, a viewer) is noted and closed.
        QStringList otwarte;
        QTimer zamykacz;
        zamykacz.setInterval(10);
        connect(&zamykacz, &QTimer::timeout, [&] {
            QWidget *m = QApplication::activeModalWidget();
            if (!m || m == &pasekPostepu() || m == o.get())
                return;
            otwarte << QString::fromLatin1(m->metaObject()->className());
            if (auto *d = qobject_cast<QDialog *>(m))
                d->reject();
            else
                m->hide();
        });
        zamykacz.start();

        s->usterki.dodaj(PlanUsterek::kazde, {RodzajUsterki::Wolno, 40}, 2);
        int sprawdzen = 0;
        s->zegar.naPrzetworz = [&] {
            if (!wymianaWToku() || !o->wTrakcie() || sprawdzen > 0)
                return;
            ++sprawdzen;
            const QList<QWidget *> kontrolki = kontrolkiDanych(*o);
            QVERIFY(!kontrolki.isEmpty());
            for (QWidget *k : kontrolki) {
                QVERIFY2(!k->isEnabled(), qPrintable(k->objectName() + QLatin1Char(' ') +
                                                     QString::fromLatin1(k->metaObject()->className())));
                klik(k);
                pisz(o.get(), QStringLiteral("7"));
                klawisz(o.get(), Qt::Key_Space);
                klawisz(o.get(), Qt::Key_Down);
            }
            QVERIFY(otwarte.isEmpty());
        };
        if (wyslanie && !x.poWyslaniu.isEmpty())
            s->komunikaty.oczekuj(R::Informacja, x.poWyslaniu);
        (wyslanie ? o->but_wyslij : o->but_odczyt)->click();
        s->zegar.naPrzetworz = nullptr;
        QCOMPARE(sprawdzen, 1);
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(otwarte, QStringList());
        QCOMPARE(x.rekord(*o), rekordBezWejscia);
        QCOMPARE(widoczne(*o), widoczneBezWejscia);
        QCOMPARE(s->pty.ramki(), ramkiBezWejscia);
        QVERIFY(!o->wTrakcie());
        if (pole) {
            QVERIFY(pole->isEnabled());
            QCOMPARE(o->focusWidget(), pole);
        }
    }
};

QTEST_MAIN(TestRekordyZajete)
#include "test_rekordy_zajete.moc"
