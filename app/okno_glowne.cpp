#include "okno_glowne.h"

#include "komunikaty.h"
#include "wersja.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TForm1"));
    auto *srodek = new QWidget(this);
    auto *uklad = new QVBoxLayout(srodek);
    Label1 = new QLabel(srodek);
    Label1->setObjectName(QStringLiteral("Label1"));
    uklad->addStretch();
    uklad->addWidget(Label1);
    setCentralWidget(srodek);
    resize(877, 630);

    menuPlik = menuBar()->addMenu(QString());
    Nowy = menuPlik->addAction(QString(), this, [this] { projekt.nowyProjekt(); });
    Otworz = menuPlik->addAction(QString(), this, [this] { projekt.otworzProjekt(); });
    Zapisz = menuPlik->addAction(QString(), this, [this] { projekt.zapiszProjekt(false); });
    ZapiszJako = menuPlik->addAction(QString(), this, [this] { projekt.zapiszProjekt(true); });
    menuPlik->addSeparator();
    Wyjscie = menuPlik->addAction(QString(), this, &QWidget::close);

    projekt.blokuj = [this](bool b) { blokuj(b); };
    projekt.pokazNazwe = [this](const QString &n) { Label1->setText(n); };
    projekt.nowyProjekt();

    jezyk();
    dostosujWersje();
}

void TForm1::jezyk()
{
    menuPlik->setTitle(tr("Plik"));
    Nowy->setText(tr("Nowy"));
    Otworz->setText(tr("Otwórz"));
    Zapisz->setText(tr("Zapisz"));
    ZapiszJako->setText(tr("Zapisz jako..."));
    Wyjscie->setText(tr("Wyjście"));
}

void TForm1::dostosujWersje()
{
    QApplication::setApplicationName(QStringLiteral("Setup kVOR350"));
    setWindowTitle(QApplication::applicationName() + QStringLiteral("   ") + wersjaProgramuPelna());
}

void TForm1::blokuj(bool zablokuj)
{
    menuPlik->setEnabled(!zablokuj);
    QCoreApplication::processEvents();
}

void TForm1::closeEvent(QCloseEvent *e)
{
    if (projekt.bylazmianaProjektu) {
        const int w = pytanieTakNieAnuluj(tr("Zapisać zmiany?"));
        if (w == -1 || (w == 1 && !projekt.zapiszProjekt(false))) {
            e->ignore();
            return;
        }
    }
    e->accept();
}
