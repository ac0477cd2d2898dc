#include "przekazniki_wybor_def.h"

#include "nazwy.h"
#include "okna_wspolne.h"
#include "panel_przezroczysty.h"
#include "przekazniki_definicja.h"
#include "przekazniki_projektu.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

TFormWybierzDef::TFormWybierzDef(int ile, QWidget *parent) : QDialog(parent), ile_(ile)
{
    TabSet1 = new QTabBar(this);
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    QFont f = TabSet1->font();
    f.setBold(true);
    f.setPixelSize(24);
    TabSet1->setFont(f);
    TabSet1->setExpanding(false);
    TabSet1->addTab(QStringLiteral("OFF"));
    for (int d = 1; d <= ile; ++d)
        TabSet1->addTab(QStringLiteral("DEF %1").arg(d));
    connect(TabSet1, &QTabBar::currentChanged, this, [this](int t) { TabSet1Change(t); });

    obszar = new QWidget(this);
    obszar->setObjectName(QStringLiteral("obszar"));
    L_wybierz = new QLabel(obszar);
    L_wybierz->setObjectName(QStringLiteral("L_wybierz"));
    QFont duza = L_wybierz->font();
    duza.setPixelSize(40);
    L_wybierz->setFont(duza);
    QPalette szary = L_wybierz->palette();
    szary.setColor(QPalette::WindowText, Qt::gray);
    L_wybierz->setPalette(szary);
    L_wybierz->setAlignment(Qt::AlignCenter);
    gp_przekaznik = new QGroupBox(obszar);
    gp_przekaznik->setObjectName(QStringLiteral("gp_przekaznik"));
    panel = new TPanelDefinicji(TPanelDefinicji::Tryb::Podglad, gp_przekaznik);
    (new QVBoxLayout(gp_przekaznik))->addWidget(panel);
    auto *ukladObszaru = new QVBoxLayout(obszar);
    ukladObszaru->addWidget(L_wybierz, 1);
    ukladObszaru->addWidget(gp_przekaznik, 1);
    // What lies under the panel is seen, never used: no click reaches it
    // and no control takes the keyboard focus.
    transPanel = new TPanelTransparent(obszar);
    for (QWidget *w : obszar->findChildren<QWidget *>())
        if (w != transPanel)
            w->setFocusPolicy(Qt::NoFocus);

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    but_ok = new QPushButton(Panel2);
    but_ok->setObjectName(QStringLiteral("but_ok"));
    but_anuluj = new QPushButton(Panel2);
    but_anuluj->setObjectName(QStringLiteral("but_anuluj"));
    but_ok->setDefault(true);
    auto *dol = new QHBoxLayout(Panel2);
    dol->addStretch();
    dol->addWidget(but_ok);
    dol->addWidget(but_anuluj);
    connect(but_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(but_anuluj, &QPushButton::clicked, this, &QDialog::reject);

    auto *uklad = new QVBoxLayout(this);
    uklad->addWidget(TabSet1);
    uklad->addWidget(obszar, 1);
    uklad->addWidget(Panel2);
    resize(703, 475);
    jezyk();
    WypiszDaneDef(0);
}

int TFormWybierzDef::WybierzDefinicjeDlg(int A_numer, int A_def)
{
    jezyk();
    zaladuj(A_numer);
    // A value without a tab (a damaged record) opens on "OFF".
    const int tab = A_def >= 0 && A_def <= ile_ ? A_def : 0;
    {
        const QSignalBlocker cicho(TabSet1);
        TabSet1->setCurrentIndex(tab);
    }
    WypiszDaneDef(tab);
    but_ok->setEnabled(false);
    setWindowTitle(tr("Wybierz definicję dla") + opisWyjscia());
    wysrodkuj(*this);
    return exec() == QDialog::Accepted ? definicja : -1;
}

void TFormWybierzDef::TabSet1Change(int NewTab)
{
    WypiszDaneDef(NewTab);
    but_ok->setEnabled(true);
}

void TFormWybierzDef::WypiszDaneDef(int A_def)
{
    definicja = A_def;
    const TDefinicjaPrzekaznika *d = A_def > 0 ? definicjaWyjscia(A_def) : nullptr;
    L_wybierz->setVisible(!d);
    gp_przekaznik->setVisible(d);
    if (!d)
        return;
    const TDefinicjaPrzekaznika kopia = *d;
    panel->WypiszDefinicje(kopia);
    WypiszTypCzasowy(A_def, kopia.tryb);
    WypiszRegulator(A_def, kopia.regulator);
}

void TFormWybierzDef::WypiszTypCzasowy(int, int A_typ) { panel->pokazTypCzasowy(A_typ); }

void TFormWybierzDef::WypiszRegulator(int, int A_reg)
{
    panel->pokazRegulator(A_reg);
    panel->pokazParametryRegulatora(A_reg);
}

void TFormWybierzDef::jezyk()
{
    setWindowTitle(tr("Wybierz definicję dla"));
    TabSet1->setToolTip(tr("Wybierz definicję"));
    TabSet1->setAccessibleName(TabSet1->toolTip());
    L_wybierz->setText(tr("Wybierz definicję "));
    but_anuluj->setText(tr("Anuluj"));
    but_ok->setText(tr("Wybierz"));
    panel->jezykId = jezykId;
    panel->jezyk();
}

void TFormWybierzDef::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange) {
        const QString tytul = windowTitle();
        jezyk();
        if (isVisible())
            setWindowTitle(tr("Wybierz definicję dla") + opisWyjscia());
        else
            setWindowTitle(tytul);
    }
    QDialog::changeEvent(e);
}

// ---- Digital outputs -----------------------------------------------------------

TFormDOwybierzDef::TFormDOwybierzDef(QWidget *parent)
    : TFormWybierzDef(4, parent), listaPomiarPoz(panel->listaPomiarPoz)
{
    setObjectName(QStringLiteral("TFormDOwybierzDef"));
}

void TFormDOwybierzDef::zaladuj(int A_numer)
{
    przekaznik = przekaznikProjektu(A_numer - 1);
    przekaznikNr = A_numer;
}

QString TFormDOwybierzDef::opisWyjscia() const
{
    const TNazwa50char n = przekaznik.nazwa;
    return QStringLiteral(" DO: ") + QString::asprintf("DO1.%d", przekaznikNr) + QStringLiteral("  - ") +
           nazwa50NaTekst(n);
}

const TDefinicjaPrzekaznika *TFormDOwybierzDef::definicjaWyjscia(int d) const
{
    return d >= 1 && d <= 4 ? &przekaznik.parametry[d - 1] : nullptr;
}

// ---- Analog outputs ------------------------------------------------------------

TFormAOwybierzDef::TFormAOwybierzDef(QWidget *parent) : TFormWybierzDef(8, parent)
{
    setObjectName(QStringLiteral("TFormAOwybierzDef"));
}

void TFormAOwybierzDef::zaladuj(int A_numer)
{
    wyjscieNr = A_numer;
    const TProjektAplikacji p = projektAplikacji();
    if (p.projekt && A_numer >= 1 && A_numer <= 4) {
        const TNazwa50char n = p.projekt->WyjsciaAn[A_numer - 1].nazwa;
        nazwa = nazwa50NaTekst(n);
    } else {
        nazwa.clear();
    }
}

QString TFormAOwybierzDef::opisWyjscia() const
{
    return QStringLiteral(" AO: ") + QString::asprintf("AO1.%d", wyjscieNr) + QStringLiteral("  - ") + nazwa;
}

// ---- The windows of the run ----------------------------------------------------

TFormDOwybierzDef &formaDOwybierzDef()
{
    // Lives for the whole run, like the window it stands for.
    static TFormDOwybierzDef *okno = new TFormDOwybierzDef;
    return *okno;
}

TFormAOwybierzDef &formaAOwybierzDef()
{
    static TFormAOwybierzDef *okno = new TFormAOwybierzDef;
    return *okno;
}

TFunctionAsParameter wyborDefinicjiDO()
{
    return [](int a_numer, int a_def) { return formaDOwybierzDef().WybierzDefinicjeDlg(a_numer, a_def); };
}

TFunctionAsParameter wyborDefinicjiAO()
{
    return [](int a_numer, int a_def) { return formaAOwybierzDef().WybierzDefinicjeDlg(a_numer, a_def); };
}
