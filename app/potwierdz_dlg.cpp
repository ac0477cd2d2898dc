#include "potwierdz_dlg.h"

#include "okna_narzedzi.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TFormConfirmDlg::TFormConfirmDlg(QWidget *parent) : QDialog(parent, flagiOknaNarzedzia())
{
    setObjectName(QStringLiteral("TFormConfirmDlg"));
    cb_potwierdz = new QCheckBox(this);
    cb_potwierdz->setObjectName(QStringLiteral("cb_potwierdz"));
    cb_kopiaPc = new QCheckBox(this);
    cb_kopiaPc->setObjectName(QStringLiteral("cb_kopiaPc"));
    but_ok = nowyPrzycisk(this, "but_ok");
    but_ok->setDefault(true);
    but_anuluj = nowyPrzycisk(this, "but_anuluj");

    auto *uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(20, 20, 20, 12);
    uklad->setSpacing(12);
    uklad->addWidget(cb_potwierdz);
    uklad->addWidget(cb_kopiaPc);
    uklad->addSpacing(8);
    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(but_ok);
    przyciski->addWidget(but_anuluj);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    for (QCheckBox *pole : {cb_potwierdz, cb_kopiaPc})
        connect(pole, &QCheckBox::toggled, this, [this, pole] { cb_kopiaPcClick(pole); });
    connect(but_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(but_anuluj, &QPushButton::clicked, this, &QDialog::reject);
    jezyk();
}

bool TFormConfirmDlg::pokazOkno(int A_jezykId, bool &zrobKopie)
{
    jezykId = A_jezykId;
    jezyk();
    cb_potwierdz->setChecked(false);
    cb_kopiaPc->setChecked(false);
    but_ok->setEnabled(false);
    if (exec() != QDialog::Accepted)
        return false;
    zrobKopie = cb_kopiaPc->isChecked();
    return true;
}

void TFormConfirmDlg::cb_kopiaPcClick(QCheckBox *pole)
{
    QFont f = pole->font();
    f.setBold(pole->isChecked());
    pole->setFont(f);
    but_ok->setEnabled(cb_potwierdz->isChecked() || cb_kopiaPc->isChecked());
}

void TFormConfirmDlg::jezyk()
{
    setWindowTitle(tr("Potwierdzenie"));
    cb_potwierdz->setText(tr("Posiadam kopię ustawień sterownika"));
    cb_kopiaPc->setText(tr("Wykonaj teraz kopię ustawień w programie"));
    but_ok->setText(tr("Dalej"));
    but_anuluj->setText(tr("Anuluj"));
}

void TFormConfirmDlg::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        jezyk();
    QDialog::changeEvent(e);
}
