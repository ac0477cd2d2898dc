// The logo window offscreen against the simulator: choosing pictures of the
// right and the wrong size, "USB/logo.new" for a known picture, the upload
// over RS-485 and TCP/IP page by page, clearing the controller's logo, a
// page that fails, and the buttons as the state changes.
#include "../editors/sym_edytora.h"
#include "test_qt.h"

#include "crc.h"
#include "dane_logo.h"
#include "element_listy.h"
#include "etykieta_pliku.h"
#include "limit_pliku.h"
#include "logo.h"
#include "operacja.h"
#include "sciezki.h"
#include "wyjscia_okna.h"
#include "wymiana.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

using R = RodzajKomunikatu;

namespace {

const QString brakPolaczenia = QStringLiteral("Brak połączenia.\nSprawdź ustawienia sterownika.");
constexpr uint8_t stronaLogo = 0x0E;

// A known picture: red = x, green = y, blue = x >> 8, alpha = (x + y).
QImage wzor(int w = szerokoscLogo, int h = wysokoscLogo)
{
    QImage o(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            o.setPixel(x, y, qRgba(x & 0xFF, y & 0xFF, x >> 8, (x + y) & 0xFF));
    return o;
}

QByteArray czytaj(const QString &p)
{
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestLogo : public TestQt {
    Q_OBJECT

    std::unique_ptr<SymulatorEdytora> s;
    std::unique_ptr<WyborPlikuSkrypt> wybor;
    std::unique_ptr<QTemporaryDir> dir;
    QStringList otwarteKatalogi;

    QString obrazek(const QImage &o, const QString &nazwa)
    {
        const QString p = dir->filePath(nazwa);
        if (!o.save(p))
            qWarning("cannot save %s", qPrintable(p));
        return p;
    }
    std::unique_ptr<TFormLogo> okno()
    {
        auto o = std::make_unique<TFormLogo>();
        o->otworzKatalog = [this](const QString &k) { otwarteKatalogi << k; };
        o->przygotujOkno(QString(), 1045);
        o->show();
        return o;
    }
    void wybierz(TFormLogo &o, const QString &plik)
    {
        wybor->odpowiedzi.push_back(plik);
        o.but_wybierzClick();
    }

protected:
    void przedTestem() override
    {
        s = std::make_unique<SymulatorEdytora>();
        QVERIFY(s->gotowy);
        wybor = std::make_unique<WyborPlikuSkrypt>();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        ustawKatalogProgramu(dir->path());
        otwarteKatalogi.clear();
    }
    void poTescie() override
    {
        ustawKatalogProgramu(QString());
        dir.reset();
        wybor.reset();
        s.reset();
    }

private slots:
    void initTestCase() { QApplication::setApplicationName("Setup kVOR 350"); }

    void otwarcie()
    {
        auto o = okno();
        QCOMPARE(o->windowTitle(), QString("Wysłanie graficznego LOGO "));
        QCOMPARE(o->L_zalecane->text(), QString("(zalecany format PNG, BMP, JPG)"));
        QCOMPARE(o->L_wybrany->text(), QString("Wybrany:"));
        QVERIFY(!o->but_plik->isEnabled());
        QVERIFY(!o->but_wyslij->isEnabled());
        QVERIFY(!o->cb_reset->isChecked());
        QVERIFY(o->progress->isHidden());

        // Clicking the picture chooses one, with the dialog's filter.
        wybor->odpowiedzi.push_back(QString());
        QTest::mouseClick(o->Image1, Qt::LeftButton);
        QCOMPARE(wybor->filtry.value(0), QString("Wszystkie|*.png;*.jpg;*.jpeg;*.bmp;|Plik  PNG (*.png)|*.png|JPEG "
                                                 "(*.jpg)|*.jpg|JPEG (*.jpeg)|*.jpeg|Bitmapa (*.bmp)|*.bmp"));
    }

    // "USB/logo.new": the header and the BGRA pixels of the picture, the
    // same length every time it is written.
    void plikUsb()
    {
        auto o = okno();
        wybierz(*o, obrazek(wzor(), "logo.png"));
        QVERIFY(o->typPng);
        QVERIFY(o->but_plik->isEnabled() && o->but_wyslij->isEnabled());
        QVERIFY(o->L_uwaga->text().isEmpty());
        const QString plik = dir->path() + "/USB/logo.new";
        QCOMPARE(TFormLogo::plikUsb(), plik);
        for (int i = 0; i < 2; ++i) {
            s->komunikaty.oczekuj(R::Komunikat, "Przygotowano plik z grafiką LOGO, dla sterownika.\nUmieść plik " +
                                                    plik +
                                                    " na pendrivie \nPodłącz pendrive do Kvor350, wybierz "
                                                    "\"Zapisz Logo\".");
            o->but_plik->click();
        }
        QCOMPARE(otwarteKatalogi, QStringList({dir->path() + "/USB", dir->path() + "/USB"}));
        const QByteArray d = czytaj(plik);
        QCOMPARE(d.size(), 307216);
        const QByteArray p = d.mid(16);
        const uint16_t crc = obliczCRC16(p, p.size());
        QByteArray naglowek = QByteArray::fromHex("78563412 00b00400 5802 8000");
        naglowek.append(char(crc & 0xFF)).append(char(crc >> 8)).append(2, '\0');
        QCOMPARE(d.left(16), naglowek);
        QCOMPARE(p.mid(4, 4), QByteArray::fromHex("00000101"));
        QCOMPARE(p.mid(2400, 4), QByteArray::fromHex("00010001"));
        QCOMPARE(p, pikseleZObrazu(wzor(), true));
    }

    // A picture of another size is named with both sizes and cannot be used.
    void zlyRozmiar()
    {
        auto o = okno();
        wybierz(*o, obrazek(wzor(), "dobry.png"));
        const QString tekst = "Wymagane wymiary: 600x128, wybrana grafika: 300x100";
        s->komunikaty.oczekuj(R::Ostrzezenie, tekst);
        wybierz(*o, obrazek(wzor(300, 100), "maly.bmp"));
        QCOMPARE(o->L_uwaga->text(), tekst);
        QVERIFY(!o->typPng);
        QVERIFY(!o->but_plik->isEnabled());
        QVERIFY(!o->but_wyslij->isEnabled());
        QCOMPARE(o->L_plik->text(), dir->filePath("maly.bmp"));
    }

    // A file that is no picture changes nothing.
    void nieObraz()
    {
        auto o = okno();
        const QString dobry = obrazek(wzor(), "dobry.png");
        wybierz(*o, dobry);
        QFile f(dir->filePath("zepsuty.png"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
        f.close();
        s->komunikaty.oczekuj(R::Ostrzezenie, "Nie można wczytać grafiki z pliku " + f.fileName());
        wybierz(*o, f.fileName());
        QCOMPARE(o->L_plik->text(), dobry);
        QVERIFY(o->but_plik->isEnabled());
    }

    void wysylanie_data()
    {
        QTest::addColumn<bool>("przezLan");
        QTest::newRow("RS-485") << false;
        QTest::newRow("TCP/IP") << true;
    }
    void wysylanie()
    {
        QFETCH(bool, przezLan);
        if (przezLan)
            QVERIFY(s->przezLan());
        auto o = okno();
        wybierz(*o, obrazek(wzor(), "logo.png"));
        int blokady = 0;
        o->sprawdzBlokade = [&] { return ++blokady, 0; };
        const int polaczenia = s->tcp.polaczen();
        bool zablokowane = false;
        s->zegar.naPrzetworz = [&] {
            zablokowane = zablokowane || (!o->but_zamknij->isEnabled() && !o->cb_reset->isEnabled() &&
                                          !o->but_wybierz->isEnabled() && o->progress->isVisible());
        };
        o->but_wyslij->click();
        s->zegar.naPrzetworz = nullptr;

        QCOMPARE(s->bloki.stronLogo(), 601);
        const QByteArray logo = s->bloki.logo();
        QCOMPARE(logo.size(), 601 * 512);
        QCOMPARE(logo.left(307216), o->przygotujDaneLogo(false));
        QCOMPARE(logo.mid(307216), QByteArray(496, '\0'));
        QCOMPARE(blokady, 1);
        QVERIFY(zablokowane);
        QVERIFY(o->progress->FinalStatusOk());
        QCOMPARE(o->progress->FProgressBar->maksimum(), 60);
        QVERIFY(o->progress->isHidden());
        QVERIFY(o->but_zamknij->isEnabled() && o->but_plik->isEnabled() && o->but_wyslij->isEnabled());
        QVERIFY(!FormLan()->inProgress());
        if (przezLan)
            QCOMPARE(s->tcp.polaczen() - polaczenia, 1);
    }

    // Clearing sends page 0 only: the header of an all-zero picture.
    void czyszczenie()
    {
        auto o = okno();
        wybierz(*o, obrazek(wzor(), "logo.png"));
        o->cb_reset->click();
        QVERIFY(o->Image1->pixmap().isNull());
        QVERIFY(o->L_plik->text().isEmpty());
        QVERIFY(!o->but_plik->isEnabled());
        QVERIFY(o->but_wyslij->isEnabled());
        o->but_wyslij->click();
        QCOMPARE(s->bloki.stronLogo(), 1);
        const QByteArray zera(rozmiarPikseliLogo, '\0');
        const uint16_t crc = obliczCRC16(zera, zera.size());
        QByteArray strona = QByteArray::fromHex("78563412 00b00400 5802 8000");
        strona.append(char(crc & 0xFF)).append(char(crc >> 8)).append(498, '\0');
        QCOMPARE(s->bloki.logo(), strona);
        // Unticked again, nothing is left to send.
        QVERIFY(!o->but_plik->isEnabled() && o->but_wyslij->isEnabled());
        o->cb_reset->click();
        QVERIFY(!o->but_plik->isEnabled());
        QVERIFY(!o->but_wyslij->isEnabled());
    }

    // A page that fails stops the upload with one warning.
    void nieudanaStrona()
    {
        auto o = okno();
        wybierz(*o, obrazek(wzor(), "logo.png"));
        s->zepsujOd('J', stronaLogo, 3);
        s->komunikaty.oczekuj(R::Ostrzezenie, brakPolaczenia);
        o->but_wyslij->click();
        QCOMPARE(s->ramki('J', stronaLogo), 3 + iloscPowtorzen);
        QVERIFY(!o->progress->FinalStatusOk());
        QVERIFY(o->but_zamknij->isEnabled());
    }

    // No connection over TCP/IP: a warning, nothing sent.
    void brakPolaczeniaLan()
    {
        QVERIFY(s->przezLan());
        s->tcp.ustawTryb(SymulatorTcp::Tryb::Odmowa);
        auto o = okno();
        wybierz(*o, obrazek(wzor(), "logo.png"));
        s->komunikaty.oczekuj(R::Ostrzezenie, brakPolaczenia);
        o->but_wyslij->click();
        QCOMPARE(s->bloki.stronLogo(), 0);
        QVERIFY(o->but_zamknij->isEnabled());
        QVERIFY(!FormLan()->inProgress());
    }

    // A record that names neither transport: a warning, nothing sent.
    void nieznaneLacze()
    {
        QVERIFY(s->przezLan());
        s->lanAktywny = 2;
        auto o = okno();
        wybierz(*o, obrazek(wzor(), "logo.png"));
        s->komunikaty.oczekuj(R::Ostrzezenie, brakPolaczenia);
        o->but_wyslij->click();
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(s->ramkiObu().empty());
        QCOMPARE(s->bloki.stronLogo(), 0);
        QVERIFY(o->but_zamknij->isEnabled() && o->but_wyslij->isEnabled());
        QVERIFY(o->progress->isHidden());
    }

    // During a slow upload only "Anuluj" acts and every way out is
    // refused; one click on it during an exchange stops the upload before
    // its next page, and the user hears that it was stopped.
    void anulujWTrakcie()
    {
        auto o = okno();
        wybierz(*o, obrazek(wzor(), "logo.png"));
        s->usterki.dodaj('J', stronaLogo, {RodzajUsterki::Wolno, 30}, PlanUsterek::zawsze);
        int klikniec = 0;
        s->zegar.naPrzetworz = [&] {
            if (klikniec > 0 || !wymianaWToku() || s->ramki('J', stronaLogo) != 3)
                return;
            ++klikniec;
            for (QWidget *w : std::initializer_list<QWidget *>{o->but_wybierz, o->Image1, o->cb_reset, o->but_plik,
                                                               o->but_wyslij, o->but_zamknij})
                QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
            QVERIFY(wyjsciaOdrzucone(o.get()));
            QVERIFY(o->but_przerwij->isVisible() && o->but_przerwij->isEnabled());
            QTest::mouseClick(o->but_przerwij, Qt::LeftButton);
        };
        s->komunikaty.oczekuj(R::Informacja, "Przerwano przez użytkownika");
        o->but_wyslij->click();
        s->zegar.naPrzetworz = nullptr;
        QCOMPARE(klikniec, 1);
        QVERIFY(s->komunikaty.pusty());
        QCOMPARE(s->ramki('J', stronaLogo), 3);
        QVERIFY(!o->progress->FinalStatusOk());
        for (QWidget *w : std::initializer_list<QWidget *>{o->but_wybierz, o->Image1, o->cb_reset, o->but_plik,
                                                           o->but_wyslij, o->but_zamknij})
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(o->but_przerwij->isHidden());
    }

    void zamykanieWTrakcie()
    {
        auto o = okno();
        {
            const TOperacja operacja(o.get());
            o->reject();
            QVERIFY(o->isVisible());
        }
        o->reject();
        QVERIFY(!o->isVisible());
    }

    // A write cut short by the file-size limit names the system's reason
    // and leaves no file.
    void zapisObciety()
    {
        auto o = okno();
        wybierz(*o, obrazek(wzor(), "logo.png"));
        const QString plik = dir->path() + "/USB/logo.new";
        s->komunikaty.oczekuj(R::Blad, "Nie udało się zapisać pliku " + plik + ": File too large");
        {
            const LimitPliku limit(100000);
            o->but_plik->click();
        }
        QVERIFY(s->komunikaty.pusty());
        QVERIFY(otwarteKatalogi.isEmpty());
        QCOMPARE(QDir(dir->path() + "/USB").entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // A write that fails is reported and leaves no half-written file.
    void bladZapisu()
    {
        auto o = okno();
        wybierz(*o, obrazek(wzor(), "logo.png"));
        QFile zajety(dir->filePath("USB"));
        QVERIFY(zajety.open(QIODevice::WriteOnly));
        zajety.close();
        s->komunikaty.oczekuj(R::Blad, "Nie można utworzyć folderu");
        o->but_plik->click();
        QVERIFY(otwarteKatalogi.isEmpty());
    }
};

QTEST_MAIN(TestLogo)
#include "test_logo.moc"
