#include "logo.h"

#include "dane_logo.h"
#include "dane_sterownika.h"
#include "element_listy.h"
#include "etykieta_pliku.h"
#include "komunikaty.h"
#include "okna_narzedzi.h"
#include "operacja.h"
#include "sciezki.h"
#include "wybor_pliku.h"
#include "wysylanie_stron.h"
#include "zapis_pliku.h"
#include "zegar.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSaveFile>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The upload buffer: the logo image and zeros to the end of its last page.
constexpr int rozmiarBuforaLogo = 308225;
constexpr int przerwaPoWyslaniuMs = 2000;

} // namespace

TFormLogo::TFormLogo(QWidget *parent) : QDialog(parent, flagiOknaNarzedzia())
{
    setObjectName(QStringLiteral("TFormLogo"));
    const auto przycisk = [this](const char *nazwa) { return nowyPrzycisk(this, nazwa); };
    const auto etykieta = [this](const char *nazwa) { return nowaEtykieta(this, nazwa); };
    but_wybierz = przycisk("but_wybierz");
    L_zalecane = etykieta("L_zalecane");
    L_wybrany = etykieta("L_wybrany");
    L_plik = new TEtykietaPliku(this);
    L_plik->setObjectName(QStringLiteral("L_plik"));
    QFont gruba = L_plik->font();
    gruba.setBold(true);
    L_plik->setFont(gruba);
    L_uwaga = etykieta("L_uwaga");
    kolorTekstu(L_uwaga, Qt::red);
    L_uwaga->setFont(gruba);
    // The window keeps its size when the warning comes and goes.
    L_uwaga->setMinimumHeight(L_uwaga->fontMetrics().height());

    // 600 x 128 shown in a 604 x 132 frame; a click chooses a picture.
    Image1 = etykieta("Image1");
    Image1->setFixedSize(szerokoscLogo + 4, wysokoscLogo + 4);
    Image1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Image1->setLineWidth(2);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setStyleSheet(QStringLiteral("QLabel#Image1 { background: rgb(40, 40, 40); color: rgb(96, 96, 96); }"));
    Image1->installEventFilter(this);

    cb_reset = new QCheckBox(this);
    cb_reset->setObjectName(QStringLiteral("cb_reset"));
    but_plik = przycisk("but_plik");
    but_wyslij = przycisk("but_wyslij");
    but_zamknij = przycisk("but_zamknij");
    but_zamknij->setDefault(true);
    but_przerwij = przycisk("but_przerwij");
    but_przerwij->hide();
    // While the picture goes to the controller only "Anuluj" acts.
    wylaczanaPodczasOperacji({but_wybierz, Image1, cb_reset, but_plik, but_wyslij, but_zamknij});

    // FormCreate: the status row, hidden until a transfer runs.
    progress = new TKbProgress(this, QString(), 0, 0, nullptr);
    QSizePolicy zachowaj = progress->sizePolicy();
    zachowaj.setRetainSizeWhenHidden(true);
    progress->setSizePolicy(zachowaj);
    progress->hide();

    auto *uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(14, 14, 14, 12);
    uklad->setSpacing(8);
    auto *gora = new QHBoxLayout;
    gora->addWidget(but_wybierz);
    gora->addWidget(L_zalecane);
    gora->addStretch();
    uklad->addLayout(gora);
    auto *wybrany = new QHBoxLayout;
    wybrany->addWidget(L_wybrany);
    wybrany->addWidget(L_plik, 1);
    uklad->addLayout(wybrany);
    uklad->addWidget(L_uwaga);
    uklad->addWidget(Image1);
    auto *dol = new QHBoxLayout;
    dol->addWidget(cb_reset);
    dol->addStretch();
    dol->addWidget(progress);
    dol->addWidget(but_przerwij, 0, Qt::AlignVCenter);
    uklad->addLayout(dol);
    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(but_plik);
    przyciski->addWidget(but_wyslij);
    przyciski->addWidget(but_zamknij);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    otworzKatalog = [](const QString &k) { QDesktopServices::openUrl(QUrl::fromLocalFile(k)); };

    connect(but_wybierz, &QPushButton::clicked, this, [this] { wykonajBezpiecznie([this] { but_wybierzClick(); }); });
    connect(cb_reset, &QCheckBox::clicked, this, [this] { wykonajBezpiecznie([this] { cb_resetClick(); }); });
    connect(but_plik, &QPushButton::clicked, this, [this] { wykonajBezpiecznie([this] { but_plikClick(); }); });
    connect(but_wyslij, &QPushButton::clicked, this, [this] { wykonajBezpiecznie([this] { but_wyslijClick(); }); });
    connect(but_zamknij, &QPushButton::clicked, this, &QDialog::reject);
    connect(but_przerwij, &QPushButton::clicked, this, [this] {
        przerwij = true;
        but_przerwij->setEnabled(false);
    });

    jezyk();
    przygotujOkno(QString(), jezykId);
}

QString TFormLogo::plikUsb() { return katalogProgramu() + QStringLiteral("USB/logo.new"); }

void TFormLogo::pokazOkno(const QString &A_plik, int A_jezykId)
{
    przygotujOkno(A_plik, A_jezykId);
    exec();
}

void TFormLogo::przygotujOkno(const QString &A_plik, int A_jezykId)
{
    jezykId = A_jezykId;
    jezyk();
    obraz = QImage();
    typPng = false;
    Image1->clear();
    L_plik->ustaw(A_plik);
    L_uwaga->clear();
    cb_reset->setChecked(false);
    ustawPrzyciski();
}

void TFormLogo::jezyk()
{
    setWindowTitle(tr("Wysłanie graficznego LOGO "));
    but_wybierz->setText(tr("Wybierz plik logo"));
    Image1->setToolTip(tr("Wybierz plik logo"));
    Image1->setAccessibleName(tr("Wybierz plik logo"));
    L_zalecane->setText(QStringLiteral("(") + tr("zalecany format") + QStringLiteral(" PNG, BMP, JPG)"));
    L_wybrany->setText(tr("Wybrany") + QStringLiteral(":"));
    cb_reset->setText(tr("Wyczyść grafikę w urządzeniu"));
    but_plik->setText(tr("Utwórz plik do wgrania przez USB"));
    but_wyslij->setText(tr("Wyślij do sterownika"));
    but_zamknij->setText(tr("Zamknij"));
    but_przerwij->setText(tr("Anuluj"));
    progress->LabelSet(tr("Wysyłanie grafiki LOGO"));
}

void TFormLogo::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        jezyk();
    QDialog::changeEvent(e);
}

bool TFormLogo::eventFilter(QObject *o, QEvent *e)
{
    if (o == Image1 && e->type() == QEvent::MouseButtonRelease && Image1->isEnabled() &&
        static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton) {
        wykonajBezpiecznie([this] { but_wybierzClick(); });
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void TFormLogo::done(int r)
{
    // Escape, the close box and "Zamknij" all end here.
    if (oknoOperacji(this))
        return;
    QDialog::done(r);
}

bool TFormLogo::uzyteczny() const
{
    return !obraz.isNull() && obraz.width() == szerokoscLogo && obraz.height() == wysokoscLogo;
}

void TFormLogo::ustawPrzyciski()
{
    // "Wyślij" also clears the controller's logo; the USB file needs a
    // picture.
    but_plik->setEnabled(uzyteczny() && !cb_reset->isChecked());
    but_wyslij->setEnabled(uzyteczny() || cb_reset->isChecked());
}

void TFormLogo::blokuj(bool zablokuj)
{
    progress->setVisible(zablokuj);
    but_przerwij->setEnabled(zablokuj);
    but_przerwij->setVisible(zablokuj);
}

void TFormLogo::but_wybierzClick()
{
    const QString plik = wyborPliku().plikDoOtwarcia(
        QStringLiteral("%1|*.png;*.jpg;*.jpeg;*.bmp;|%2 (*.png)|*.png|JPEG (*.jpg)|*.jpg|JPEG (*.jpeg)|*.jpeg|%3 "
                       "(*.bmp)|*.bmp")
            .arg(tr("Wszystkie"), tr("Plik  PNG"), tr("Bitmapa")),
        QString());
    if (plik.isEmpty() || !QFileInfo(plik).isFile())
        return;
    wczytajObraz(plik);
}

bool TFormLogo::wczytajObraz(const QString &plik)
{
    QImageReader czytnik(plik);
    const QImage nowy = czytnik.read();
    if (nowy.isNull()) {
        pokazOstrzezenie(tr("Nie można wczytać grafiki z pliku") + QStringLiteral(" ") + plik + QStringLiteral(": ") +
                         czytnik.errorString());
        return false;
    }
    obraz = nowy;
    typPng = QFileInfo(plik).suffix().toUpper() == QLatin1String("PNG");
    Image1->setPixmap(QPixmap::fromImage(obraz));
    L_plik->ustaw(plik);
    cb_reset->setChecked(false);
    L_uwaga->clear();
    ustawPrzyciski();
    if (!uzyteczny()) {
        const QString uwaga = tr("Wymagane wymiary: %1x%2, wybrana grafika: %3x%4")
                                  .arg(szerokoscLogo)
                                  .arg(wysokoscLogo)
                                  .arg(obraz.width())
                                  .arg(obraz.height());
        L_uwaga->setText(uwaga);
        pokazOstrzezenie(uwaga);
    }
    return true;
}

void TFormLogo::cb_resetClick()
{
    if (cb_reset->isChecked()) {
        obraz = QImage();
        Image1->clear();
        L_plik->ustaw(QString());
        L_uwaga->clear();
    }
    ustawPrzyciski();
}

QByteArray TFormLogo::przygotujDaneLogo(bool wyczysc) const { return ::przygotujDaneLogo(obraz, typPng, wyczysc); }

void TFormLogo::but_plikClick()
{
    if (!uzyteczny())
        return;
    const QByteArray dane = przygotujDaneLogo(false);
    const QString plik = plikUsb();
    const QString katalog = QFileInfo(plik).absolutePath();
    if (!QDir().mkpath(katalog)) {
        pokazBlad(tr("Nie można utworzyć folderu") + QStringLiteral(" ") + QDir::toNativeSeparators(katalog));
        return;
    }
    // Written whole or not at all.
    QSaveFile f(plik);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !zapiszCalosc(f, dane.constData(), dane.size()) ||
        !f.commit()) {
        pokazBlad(tr("Nie udało się zapisać pliku") + QStringLiteral(" ") + QDir::toNativeSeparators(plik) +
                  QStringLiteral(": ") + f.errorString());
        return;
    }
    pokazKomunikat(tr("Przygotowano plik z grafiką LOGO, dla sterownika.\nUmieść plik %1 na pendrivie \nPodłącz "
                      "pendrive do Kvor350, wybierz \"Zapisz Logo\".")
                       .arg(QDir::toNativeSeparators(plik)));
    if (otworzKatalog)
        otworzKatalog(katalog);
}

void TFormLogo::but_wyslijClick()
{
    const TOperacja operacja(this);
    przerwij = false;
    blokuj(true);
    const NaKoniec odblokuj([this] { blokuj(false); });
    if (sprawdzBlokade)
        sprawdzBlokade();
    czekajMs(400);
    wezUstawieniaSterownika(DaneSterownika, true);

    PolaczenieStrumienia polaczenie;
    if (!polaczenie.otworz(DaneSterownika)) {
        czekajMs(przerwaPoWyslaniuMs);
        pokazOstrzezenie(tekstBrakPolaczenia());
        return;
    }
    const bool wyczysc = cb_reset->isChecked();
    QByteArray bufor(rozmiarBuforaLogo, '\0');
    bufor.replace(0, rozmiarObrazuLogo, przygotujDaneLogo(wyczysc));

    progress->init();
    progress->transStart(60);
    czekajMs(100);
    bool ok = true, przerwano = false;
    for (int i = 0; ok && i * rozmiarStrony < rozmiarObrazuLogo; ++i) {
        if (przerwij) {
            przerwano = true;
            break;
        }
        ok = przeslijStroneLogo(uint16_t(i), bufor.mid(i * rozmiarStrony, rozmiarStrony), DaneSterownika,
                                polaczenie.klient());
        if (!ok)
            pokazOstrzezenie(tekstBrakPolaczenia());
        progress->transStep(i / 10);
        zegar().przetworzZdarzenia();
        if (wyczysc)
            break;
    }
    progress->transEnd(ok && !przerwano, -1);
    if (przerwano)
        pokazInformacje(tekstPrzerwania());
    czekajMs(przerwaPoWyslaniuMs);
    polaczenie.zamknij();
}
