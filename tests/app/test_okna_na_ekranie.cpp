// Every window of the program opens inside the available screen area with
// its buttons reachable: the placing rule against given areas, then every
// window shown on a 1280 x 720 offscreen screen (ekran_1280x720.json).
#include "test_qt.h"

#include "alarmy_do.h"
#include "data_czas.h"
#include "dodatki.h"
#include "forma_haslo.h"
#include "krok.h"
#include "kroki.h"
#include "lista.h"
#include "logo.h"
#include "moduly.h"
#include "mycie.h"
#include "okna_komunikatow.h"
#include "okno_glowne.h"
#include "okno_na_ekranie.h"
#include "pasek_postepu.h"
#include "plik_wyslij.h"
#include "porownaj.h"
#include "potwierdz_dlg.h"
#include "program.h"
#include "programy.h"
#include "przekazniki.h"
#include "przekazniki_edytor.h"
#include "przekazniki_wybor_def.h"
#include "sciezki.h"
#include "setup.h"
#include "setup_parametr.h"
#include "transfer_projektu.h"
#include "tryb_specjalny.h"
#include "tryby_specjalne.h"
#include "typy_wyjsc.h"
#include "wejscia_cyfrowe.h"
#include "wejscia_pomiarowe.h"
#include "wilgotnosc.h"
#include "wybierz_pozycje.h"
#include "wybor_ikony.h"
#include "wyjscia_analogowe.h"
#include "wyjscia_analogowe_okno.h"
#include "zadane.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

using Utworz = std::function<std::unique_ptr<QWidget>()>;

struct Okno {
    const char *nazwa;
    Utworz utworz;
};

template <class T>
Okno zwykle(const char *nazwa)
{
    return {nazwa, [] { return std::unique_ptr<QWidget>(std::make_unique<T>()); }};
}

template <class T, class F>
Okno przygotowane(const char *nazwa, F przygotuj)
{
    return {nazwa, [przygotuj] {
                auto w = std::make_unique<T>();
                przygotuj(*w);
                return std::unique_ptr<QWidget>(std::move(w));
            }};
}

// A message longer than the screen is wide.
QString dlugiTekst() { return QStringLiteral("Przygotowano plik z grafiką LOGO, dla sterownika. ").repeated(12); }

} // namespace

class TestOknaNaEkranie : public TestQt {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TProjektVXTNew> projekt;
    TProjektDodatkiMycie mycie{};
    std::unique_ptr<TLockedTransmission> blokada;
    std::unique_ptr<QPrinter> drukarka;

protected:
    void przedTestem() override
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        ustawKatalogProgramu(dir->path());
        projekt = std::make_unique<TProjektVXTNew>();
        blokada = std::make_unique<TLockedTransmission>();
        pilnujOkienNaEkranie();
    }
    void poTescie() override
    {
        drukarka.reset();
        blokada.reset();
        projekt.reset();
        ustawKatalogProgramu(QString());
        dir.reset();
    }

private slots:
    // The rule alone: fitting windows stay; larger ones shrink to the area
    // less their frame, never below their minimum; windows outside move in,
    // the title bar first.
    void geometria_data()
    {
        QTest::addColumn<QRect>("okno");
        QTest::addColumn<QMargins>("ramka");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QRect>("obszar");
        QTest::addColumn<QRect>("wynik");
        const QRect ekran(0, 0, 1280, 1024);
        const QRect zPaskiem(0, 30, 1280, 690); // a panel above
        const QMargins bez, ramka(4, 28, 4, 4);
        QTest::newRow("fits") << QRect(100, 100, 600, 400) << ramka << QSize() << ekran << QRect(100, 100, 600, 400);
        QTest::newRow("too wide, centred")
            << QRect(-50, 100, 1380, 720) << bez << QSize(200, 100) << ekran << QRect(0, 100, 1280, 720);
        QTest::newRow("too wide, with its frame")
            << QRect(-46, 128, 1380, 720) << ramka << QSize() << ekran << QRect(4, 128, 1272, 720);
        QTest::newRow("too tall under a panel")
            << QRect(100, 40, 600, 720) << ramka << QSize() << zPaskiem << QRect(100, 58, 600, 658);
        QTest::newRow("off the right and the bottom")
            << QRect(1000, 900, 600, 400) << ramka << QSize() << ekran << QRect(676, 620, 600, 400);
        QTest::newRow("off the left and the top")
            << QRect(-300, -10, 600, 400) << ramka << QSize() << zPaskiem << QRect(4, 58, 600, 400);
        QTest::newRow("minimum above the area: title bar inside")
            << QRect(200, 200, 1500, 800) << ramka << QSize(1400, 700) << zPaskiem << QRect(4, 58, 1400, 700);
        QTest::newRow("area not at the origin")
            << QRect(0, 0, 300, 200) << bez << QSize() << QRect(1280, 0, 1024, 768) << QRect(1280, 0, 300, 200);
    }
    void geometria()
    {
        QFETCH(QRect, okno);
        QFETCH(QMargins, ramka);
        QFETCH(QSize, minimum);
        QFETCH(QRect, obszar);
        QFETCH(QRect, wynik);
        QCOMPARE(geometriaWObszarze(okno, ramka, minimum, obszar), wynik);
    }

    // Every window of the program on a screen smaller than some of them:
    // its frame inside the available area, each of its buttons inside it.
    void okna_data()
    {
        QTest::addColumn<int>("nr");
        for (int i = 0; i < int(tabelaOkien().size()); ++i)
            QTest::newRow(tabelaOkien()[size_t(i)].nazwa) << i;
    }
    void okna()
    {
        QFETCH(int, nr);
        const QScreen *ekran = QGuiApplication::primaryScreen();
        QVERIFY(ekran);
        const QRect obszar = ekran->availableGeometry();
        QCOMPARE(obszar.size(), QSize(1280, 720));

        std::unique_ptr<QWidget> w = tabelaOkien()[size_t(nr)].utworz();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QRect ramka = w->frameGeometry();
        QVERIFY2(
            obszar.contains(ramka),
            qPrintable(
                QStringLiteral("%1,%2 %3x%4").arg(ramka.x()).arg(ramka.y()).arg(ramka.width()).arg(ramka.height())));
        for (const QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
            if (!b->isVisibleTo(w.get()))
                continue;
            const QRect r(b->mapTo(w.get(), QPoint()), b->size());
            QVERIFY2(w->rect().contains(r), qPrintable(b->objectName() + QStringLiteral(" ") + b->text()));
        }
    }

    // The program editor wants 1380 x 720 and gets the screen's width and
    // height, "OK" and "Anuluj" on it.
    void edytorProgramu()
    {
        TFProgramMycia e;
        e.ustawProgram(0, projekt->programy);
        QVERIFY(e.width() > 1280);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        const QRect obszar = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(obszar.contains(e.frameGeometry()));
        for (const QPushButton *b : {e.but_ok, e.but_anuluj})
            QVERIFY(obszar.contains(QRect(b->mapToGlobal(QPoint()), b->size())));
    }

private:
    const std::vector<Okno> &tabelaOkien()
    {
        if (okna_.empty())
            okna_ = wszystkieOkna();
        return okna_;
    }
    std::vector<Okno> wszystkieOkna()
    {
        std::vector<Okno> w;
        // Section windows.
        w.push_back(zwykle<Tflistaprojektow>("program list"));
        w.push_back(przygotowane<TFProgramMycia>("program",
                                                 [this](TFProgramMycia &e) { e.ustawProgram(0, projekt->programy); }));
        w.push_back(przygotowane<TFProgramMycia>(
            "washing program", [this](TFProgramMycia &e) { e.ustawProgram(100, projekt->programy); }));
        w.push_back(zwykle<TfListakrokow>("steps"));
        w.push_back(przygotowane<TFStanPrzekaznikow>(
            "step", [this](TFStanPrzekaznikow &e) { e.ustawKrok(0, false, projekt->przekazniki); }));
        w.push_back(zwykle<Tflistafunkcji>("special modes"));
        w.push_back(przygotowane<TFEdycjastanSpec>("special mode", [this](TFEdycjastanSpec &e) {
            e.ustawTryb(0, QStringLiteral("S1"), projekt->przekazniki);
        }));
        w.push_back(zwykle<TFormZadane>("setpoints"));
        w.push_back(zwykle<Tfzadane>("setpoint"));
        w.push_back(zwykle<TFormDO_Alarmy>("alarm outputs"));
        w.push_back(zwykle<Tflistaprzekaznikow>("digital outputs"));
        w.push_back(przygotowane<TFEditParPrzek>("digital output", [](TFEditParPrzek &e) { e.ustawNumer(1); }));
        w.push_back(zwykle<TfListaWyjAnal>("analog outputs"));
        w.push_back(zwykle<TFkonfigwyjsc>("analog output"));
        w.push_back(zwykle<TfUstawieniaMycia>("washing settings"));
        w.push_back(zwykle<TFormModuly>("extra modules"));
        w.push_back(zwykle<TflistawejscPom>("measuring inputs"));
        w.push_back(przygotowane<TFEditWejsciePom>("measuring input", [this](TFEditWejsciePom &e) {
            e.ustawPozycje(1);
            e.ustawPrzekazniki(projekt->przekazniki);
        }));
        w.push_back(zwykle<TFListaWejscCyfrowych>("digital inputs"));
        w.push_back(przygotowane<TfeditWejscieCyfrowe>(
            "digital input", [this](TfeditWejscieCyfrowe &e) { e.ustawPrzekazniki(projekt->przekazniki); }));
        w.push_back(zwykle<TFsetupBKN>("SETUP"));
        w.push_back(przygotowane<TFEdycjaParametru>("SETUP parameter", [](TFEdycjaParametru &e) {
            e.nr_funkcji = 1;
            e.przygotujEdytor();
        }));
        w.push_back(zwykle<TfustawWilg>("humidity"));
        w.push_back(zwykle<Tfdodatki>("additions"));
        // Shared dialogs.
        w.push_back(zwykle<TFormLista>("list"));
        w.push_back(zwykle<TFormPorownaj>("compare"));
        w.push_back(zwykle<TFormWybierzPozycjeDlg>("choose an item"));
        w.push_back(zwykle<TFormDOwybierzDef>("digital-output definitions"));
        w.push_back(zwykle<TFormAOwybierzDef>("analog-output definitions"));
        w.push_back(zwykle<TFTypPrzekTable>("output types"));
        w.push_back(zwykle<TFTypReglerTable>("controller types"));
        w.push_back(zwykle<Tfwyborikony>("icons"));
        // The shell and the maintenance windows.
        w.push_back(zwykle<TForm1>("main window"));
        w.push_back({"project transfer", [this] {
                         return std::unique_ptr<QWidget>(std::make_unique<TFProjektRSIn>(*projekt, mycie, *blokada));
                     }});
        w.push_back(przygotowane<TFormPlikWyslij>(
            "firmware update", [](TFormPlikWyslij &o) { o.przygotujOkno(TFormPlikWyslij::firmware, 1045); }));
        w.push_back(przygotowane<TFormLogo>("logo", [](TFormLogo &o) { o.przygotujOkno(QString(), 1045); }));
        w.push_back(przygotowane<TFormDataCzas>("clock", [](TFormDataCzas &o) { o.przygotujOkno(1045); }));
        w.push_back(zwykle<TFormConfirmDlg>("update confirmation"));
        w.push_back(zwykle<TFormHaslo>("password"));
        w.push_back(przygotowane<TMymessageDlg>(
            "message", [](TMymessageDlg &o) { MyShowMeUklad(o, dlugiTekst(), QStringLiteral("Setup")); }));
        w.push_back(
            przygotowane<TFMyMessageDLG>("question", [](TFMyMessageDLG &o) { MyMessageDlgUklad(o, dlugiTekst()); }));
        w.push_back(zwykle<TpasekPostepu>("progress"));
        w.push_back({"message box", [] {
                         return std::unique_ptr<QWidget>(std::make_unique<QMessageBox>(
                             QMessageBox::Warning, QStringLiteral("Ostrzeżenie"), dlugiTekst(), QMessageBox::Ok));
                     }});
        w.push_back({"print preview", [this] {
                         drukarka = std::make_unique<QPrinter>(QPrinter::HighResolution);
                         return std::unique_ptr<QWidget>(std::make_unique<QPrintPreviewDialog>(drukarka.get()));
                     }});
        return w;
    }
    std::vector<Okno> okna_;
};

QTEST_MAIN(TestOknaNaEkranie)
#include "test_okna_na_ekranie.moc"
