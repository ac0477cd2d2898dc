#include "wybierz_pozycje.h"

#include "okna_wspolne.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFormWybierzPozycjeDlg::TFormWybierzPozycjeDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormWybierzPozycjeDlg"));
    resize(415, 171);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setFixedWidth(345);
    ComboBox1->setMaxVisibleItems(16);
    Label1->setBuddy(ComboBox1);
    but_ok = new QPushButton(this);
    but_ok->setObjectName(QStringLiteral("but_ok"));
    but_ok->setDefault(true);
    but_anuluj = new QPushButton(this);
    but_anuluj->setObjectName(QStringLiteral("but_anuluj"));

    auto *uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(24, 24, 24, 12);
    uklad->addWidget(Label1);
    uklad->addWidget(ComboBox1);
    uklad->addStretch();
    auto *dol = new QHBoxLayout;
    dol->addStretch();
    dol->addWidget(but_ok);
    dol->addWidget(but_anuluj);
    uklad->addLayout(dol);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TFormWybierzPozycjeDlg::ComboBox1Change);
    connect(but_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(but_anuluj, &QPushButton::clicked, this, &QDialog::reject);
    jezyk();
}

void TFormWybierzPozycjeDlg::jezyk()
{
    setWindowTitle(tr("Wybierz pozycję"));
    Label1->setText(tr("Kopiuj z") + QStringLiteral(" ..."));
    but_ok->setText(tr("OK"));
    but_anuluj->setText(tr("Anuluj"));
}

void TFormWybierzPozycjeDlg::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        jezyk();
    QDialog::changeEvent(e);
}

void TFormWybierzPozycjeDlg::ComboBox1Change() { but_ok->setEnabled(ComboBox1->currentIndex() >= 0); }

bool TFormWybierzPozycjeDlg::PokazOkno(const QStringList &A_lista, int &A_pozycja, int A_jezykId)
{
    but_ok->setEnabled(false);
    ComboBox1->clear();
    ComboBox1->addItems(A_lista);
    ComboBox1->setCurrentIndex(-1);
    ComboBox1Change();
    jezykId = A_jezykId;
    jezyk();
    wysrodkuj(*this);
    ComboBox1->setFocus();
    if (exec() != QDialog::Accepted || ComboBox1->currentIndex() < 0)
        return false;
    A_pozycja = ComboBox1->currentIndex();
    return true;
}

TFormWybierzPozycjeDlg &formaWybierzPozycje()
{
    // Lives for the whole run, like the window it stands for.
    static TFormWybierzPozycjeDlg *okno = new TFormWybierzPozycjeDlg;
    return *okno;
}
