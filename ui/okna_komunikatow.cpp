#include "okna_komunikatow.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr Qt::WindowFlags stylOkna = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint;

void wysrodkujNaEkranie(QWidget &w)
{
    if (QScreen *s = QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        w.move(r.center() - QPoint(w.width() / 2, w.height() / 2));
    }
}

// The text on one line, or wrapped at the width the screen leaves beside
// the window's margins and frame.
void ulozTekst(QLabel &l)
{
    constexpr int zapas = 60;
    l.setWordWrap(false);
    l.adjustSize();
    const QScreen *s = QGuiApplication::primaryScreen();
    const int najwiecej = s ? s->availableGeometry().width() - zapas : l.width();
    if (l.width() <= najwiecej)
        return;
    l.setWordWrap(true);
    l.resize(najwiecej, l.heightForWidth(najwiecej));
}

} // namespace

TMymessageDlg::TMymessageDlg(QWidget *parent) : QDialog(parent, stylOkna)
{
    setObjectName(QStringLiteral("TMymessageDlg"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Button1 = new QPushButton(QCoreApplication::translate("TMymessageDlg", "OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TMymessageDlg::Button1Click);
}

void TMymessageDlg::Button1Click() { accept(); }

TFMyMessageDLG::TFMyMessageDLG(QWidget *parent) : QDialog(parent, stylOkna)
{
    setObjectName(QStringLiteral("TFMyMessageDLG"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Button1 = new QPushButton(QCoreApplication::translate("TFMyMessageDLG", "Tak"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    button2 = new QPushButton(QCoreApplication::translate("TFMyMessageDLG", "Nie"), this);
    button2->setObjectName(QStringLiteral("button2"));
    Button1->setAutoDefault(false);
    button2->setAutoDefault(false);
    wynik = 7;
    connect(Button1, &QPushButton::clicked, this, &TFMyMessageDLG::Button1Click);
    connect(button2, &QPushButton::clicked, this, &TFMyMessageDLG::Button2Click);
}

void TFMyMessageDLG::Button1Click()
{
    wynik = 6;
    accept();
}

void TFMyMessageDLG::Button2Click()
{
    wynik = 7;
    reject();
}

void MyShowMeUklad(TMymessageDlg &okno, const QString &tekst, const QString &tytul)
{
    okno.setWindowTitle(tytul);
    okno.Label1->setText(tekst);
    ulozTekst(*okno.Label1);
    okno.Button1->adjustSize();
    const int lw = okno.Label1->width(), lh = okno.Label1->height();
    const int bw = okno.Button1->width(), bh = okno.Button1->height();
    int szer = lw + 20;
    if (szer < bw + 10)
        szer = bw + 10;
    const int wys = lh + bh + 30;
    okno.setFixedSize(szer, wys);
    const int bTop = wys - bh - 5;
    okno.Button1->move((szer - bw) / 2, bTop);
    okno.Label1->move((szer - lw) / 2, (wys - bTop) / 2);
    wysrodkujNaEkranie(okno);
}

void MyMessageDlgUklad(TFMyMessageDLG &okno, const QString &tekst)
{
    okno.setWindowTitle(QString());
    okno.Label1->setText(tekst);
    ulozTekst(*okno.Label1);
    okno.Button1->adjustSize();
    okno.button2->resize(okno.Button1->size());
    const int lw = okno.Label1->width(), lh = okno.Label1->height();
    const int bw = okno.Button1->width(), bh = okno.Button1->height();
    int szer = lw + 20;
    if (szer < 2 * bw + 20)
        szer = 2 * bw + 20;
    const int wys = lh + bh + 30;
    const int tak = (szer - 2 * bw - 5) / 2;
    szer = 2 * tak + 2 * bw + 6;
    okno.setFixedSize(szer, wys);
    const int bTop = wys - bh - 5;
    okno.Button1->move(tak, bTop);
    okno.button2->move(tak + bw + 5, bTop);
    okno.Label1->move((szer - lw) / 2, (wys - bTop) / 2);
    wysrodkujNaEkranie(okno);
}

QWidget *oknoWlasciciela()
{
    if (QWidget *m = QApplication::activeModalWidget())
        return m;
    return QApplication::activeWindow();
}

int MyShowMe(const QString &tekst, const QString &tytul)
{
    TMymessageDlg okno(oknoWlasciciela());
    MyShowMeUklad(okno, tekst, tytul);
    okno.exec();
    return 0;
}

int MyMessageDlg(const QString &tekst)
{
    TFMyMessageDLG okno(oknoWlasciciela());
    MyMessageDlgUklad(okno, tekst);
    okno.exec();
    return okno.wynik;
}

// The texts break lines with "\r" (and "\r\n"); labels want "\n".
static QString wiersze(QString t)
{
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

int KomunikatyOkienne::pokaz(RodzajKomunikatu rodzaj, const QString &surowy)
{
    const QString tekst = wiersze(surowy);
    using B = QMessageBox::StandardButton;
    QMessageBox::Icon ikona = QMessageBox::NoIcon;
    QMessageBox::StandardButtons przyciski = B::Ok;
    B domyslny = B::Ok;
    switch (rodzaj) {
    case RodzajKomunikatu::Komunikat:
        return MyShowMe(tekst, tytulKomunikatu(rodzaj));
    case RodzajKomunikatu::PytanieMyDlg:
        return MyMessageDlg(tekst);
    case RodzajKomunikatu::Blad:
        ikona = QMessageBox::Critical;
        break;
    case RodzajKomunikatu::Ostrzezenie:
        ikona = QMessageBox::Warning;
        break;
    case RodzajKomunikatu::Informacja:
        ikona = QMessageBox::Information;
        break;
    case RodzajKomunikatu::PytanieOstrzezenie:
        ikona = QMessageBox::Warning;
        przyciski = B::Yes | B::No;
        domyslny = B::No;
        break;
    case RodzajKomunikatu::Pytanie:
        ikona = QMessageBox::Question;
        przyciski = B::Yes | B::No;
        domyslny = B::No;
        break;
    case RodzajKomunikatu::PytanieTakNieAnuluj:
        ikona = QMessageBox::Question;
        przyciski = B::Yes | B::No | B::Cancel;
        domyslny = B::No;
        break;
    }
    QMessageBox box(ikona, tytulKomunikatu(rodzaj), tekst, przyciski, oknoWlasciciela());
    box.setDefaultButton(domyslny);
    const int w = box.exec();
    if (przyciski == QMessageBox::StandardButtons(B::Ok))
        return 0;
    if (w == B::Yes)
        return 1;
    if (w == B::No)
        return 0;
    return -1;
}

QString filtrQt(const QString &filtr)
{
    const QStringList cz = filtr.split(QLatin1Char('|'));
    QStringList wynik;
    for (qsizetype i = 0; i + 1 < cz.size(); i += 2) {
        QString wzorce = cz[i + 1];
        wzorce = wzorce.replace(QLatin1Char(';'), QLatin1Char(' ')).trimmed();
        // A description that already ends with its patterns keeps them once.
        const QString wNawiasie = QStringLiteral("(%1)").arg(wzorce);
        wynik << (cz[i].endsWith(wNawiasie) ? cz[i] : QStringLiteral("%1 %2").arg(cz[i], wNawiasie));
    }
    return wynik.join(QStringLiteral(";;"));
}

QString WyborPlikuOkienny::plikDoOtwarcia(const QString &filtr, const QString &domyslneRozszerzenie)
{
    QFileDialog d(oknoWlasciciela(), QString(), QString(), filtrQt(filtr));
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    d.setDefaultSuffix(domyslneRozszerzenie);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().first();
}

QString WyborPlikuOkienny::plikDoZapisu(const QString &filtr, const QString &domyslneRozszerzenie,
                                        const QString &nazwaPoczatkowa)
{
    QFileDialog d(oknoWlasciciela(), QString(), QString(), filtrQt(filtr));
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setDefaultSuffix(domyslneRozszerzenie);
    d.setSizeGripEnabled(true);
    if (!nazwaPoczatkowa.isEmpty())
        d.selectFile(nazwaPoczatkowa);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().first();
}
