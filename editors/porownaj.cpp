#include "porownaj.h"

#include "okna_wspolne.h"
#include "siatka_kb.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

TFormPorownaj::TFormPorownaj(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormPorownaj"));
    resize(847, 528);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(25);

    memproj = new QStandardItemModel(0, 4, this);
    memproj->setObjectName(QStringLiteral("memproj"));
    DBGrid1 = new TDBgrid_kb(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(memproj);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setWordWrap(false);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->verticalHeader()->setDefaultSectionSize(20);
    const int szerokosci[] = {88, 276, 174, 290};
    for (int k = 0; k < 4; ++k)
        DBGrid1->setColumnWidth(k, szerokosci[k]);

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(41);
    but_zamknij = new QPushButton(Panel2);
    but_zamknij->setObjectName(QStringLiteral("but_zamknij"));
    auto *dol = new QHBoxLayout(Panel2);
    dol->addStretch();
    dol->addWidget(but_zamknij);

    auto *uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(Panel1);
    uklad->addWidget(DBGrid1, 1);
    uklad->addWidget(Panel2);

    connect(but_zamknij, &QPushButton::clicked, this, &QDialog::reject);
    // Polish titles until pokazOkno sets those of the language.
    teksty(tr("W programie"));
}

void TFormPorownaj::teksty(const QString &program)
{
    but_zamknij->setText(tr("Zamknij"));
    memproj->setHorizontalHeaderLabels({tr("Id/Nr"), tr("Nazwa pozycji"), program, tr("W sterowniku")});
}

void TFormPorownaj::jezyk() { teksty(tr("W programie na PC")); }

void TFormPorownaj::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        jezyk();
    QDialog::changeEvent(e);
}

void TFormPorownaj::inicjuj(const QString &a_tytul)
{
    memproj->removeRows(0, memproj->rowCount());
    setWindowTitle(a_tytul);
}

void TFormPorownaj::dopisz(const QString &a_id, const QString &a_nazwa, const QString &a_program,
                           const QString &a_sterownik)
{
    memproj->appendRow({new QStandardItem(a_id.left(dlugoscId)), new QStandardItem(a_nazwa.left(dlugoscPola)),
                        new QStandardItem(a_program.left(dlugoscPola)),
                        new QStandardItem(a_sterownik.left(dlugoscPola))});
}

void TFormPorownaj::pokazOkno(int a_jezykId)
{
    jezykId = a_jezykId;
    jezyk();
    if (memproj->rowCount() > 0)
        DBGrid1->setCurrentIndex(memproj->index(0, 0));
    wysrodkuj(*this);
    exec();
}

TFormPorownaj &formaPorownaj()
{
    // Lives for the whole run, like the window it stands for.
    static TFormPorownaj *okno = new TFormPorownaj;
    return *okno;
}
