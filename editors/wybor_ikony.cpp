#include "wybor_ikony.h"

#include "obrazki.h"
#include "okna_wspolne.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QVBoxLayout>

namespace {

QString nazwaIkony(int ikona, int stan) { return QString::asprintf("R%2.2d_%d", ikona, stan); }

} // namespace

TPrzelacznikIkony::TPrzelacznikIkony(int ikona, QWidget *parent)
    : QAbstractButton(parent), wylaczona_(obrazek(nazwaIkony(ikona, 0))), wlaczona_(obrazek(nazwaIkony(ikona, 1)))
{
    setProperty("Tag", ikona);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    // Repainted when the mouse comes and goes.
    setAttribute(Qt::WA_Hover);
}

void TPrzelacznikIkony::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPixmap &obraz = underMouse() || isDown() || hasFocus() ? wlaczona_ : wylaczona_;
    if (!obraz.isNull()) {
        const QSize o = obraz.deviceIndependentSize().toSize();
        p.drawPixmap((width() - o.width()) / 2, (height() - o.height()) / 2, obraz);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect f;
        f.initFrom(this);
        f.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &f, &p, this);
    }
}

Tfwyborikony::Tfwyborikony(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tfwyborikony"));
    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    QFont f = GroupBox1->font();
    f.setBold(true);
    GroupBox1->setFont(f);
    QPalette p = GroupBox1->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 128));
    GroupBox1->setPalette(p);
    auto *siatka = new QGridLayout(GroupBox1);
    siatka->setHorizontalSpacing(1);
    siatka->setVerticalSpacing(6);
    siatka->setContentsMargins(12, 14, 12, 12);
    for (int ikona = 0; ikona < ileIkon; ++ikona) {
        auto *s = new TPrzelacznikIkony(ikona, GroupBox1);
        s->setObjectName(QStringLiteral("RxSwitch%1").arg(ikona + 1));
        siatka->addWidget(s, ikona / 8, ikona % 8);
        connect(s, &QAbstractButton::clicked, this, [this, ikona] { RxSwitch1Click(ikona); });
        RxSwitch.append(s);
    }

    but_anuluj = new QPushButton(this);
    but_anuluj->setObjectName(QStringLiteral("but_anuluj"));
    but_anuluj->setAutoDefault(false);
    auto *dol = new QHBoxLayout;
    dol->addStretch();
    dol->addWidget(but_anuluj);

    auto *uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(21, 8, 21, 8);
    uklad->addWidget(GroupBox1);
    uklad->addLayout(dol);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(but_anuluj, &QPushButton::clicked, this, &Tfwyborikony::but_anulujClick);
}

void Tfwyborikony::jezyk()
{
    setWindowTitle(tr("Wybierz ikonę"));
    GroupBox1->setTitle(tr("Kliknij, aby wybrać"));
    but_anuluj->setText(tr("Anuluj"));
    for (TPrzelacznikIkony *s : std::as_const(RxSwitch)) {
        const QString podpowiedz = tr("Wybierz ikonę") + QStringLiteral(" id: %1").arg(s->property("Tag").toInt());
        s->setToolTip(podpowiedz);
        s->setAccessibleName(podpowiedz);
    }
}

void Tfwyborikony::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        jezyk();
    QDialog::changeEvent(e);
}

void Tfwyborikony::RxSwitch1Click(int tag)
{
    wynik = tag;
    accept();
}

void Tfwyborikony::but_anulujClick()
{
    wynik = -1;
    reject();
}

int wybierzIkone(int jezykId)
{
    Tfwyborikony okno(QApplication::activeModalWidget());
    okno.wynik = -1;
    okno.jezykId = jezykId;
    okno.jezyk();
    okno.adjustSize();
    wysrodkuj(okno);
    okno.exec();
    return okno.wynik;
}
