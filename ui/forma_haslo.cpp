#include "forma_haslo.h"

#include "zegar.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>

namespace {

QFont czcionka(int piksele)
{
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(piksele);
    return f;
}

void ustawKolor(QLabel *l, const QColor &c)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

} // namespace

TFormHaslo::TFormHaslo(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TFormHaslo"));
    setFixedSize(449, 191);
    setFont(czcionka(16));

    PageControl1 = new QStackedWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, 449, 191);

    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    Label1 = new QLabel(tr("Hasło:"), TabSheet1);
    Label1->setObjectName(QStringLiteral("Label1"));
    // Right-aligned against the edit: a long prompt grows to the left.
    Label1->setGeometry(0, 30, 240, 20);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ustawKolor(Label1, QColor(0, 0, 128));
    Edit1 = new QLineEdit(TabSheet1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(245, 24, 169, 27);
    Edit1->setEchoMode(QLineEdit::Password);
    Edit1->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    Edit1->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), Edit1));
    L_opis = new QLabel(TabSheet1);
    L_opis->setObjectName(QStringLiteral("L_opis"));
    L_opis->setGeometry(0, 60, 401, 40);
    L_opis->setWordWrap(true);
    L_opis->setFont(czcionka(13));
    Panel2 = new QWidget(TabSheet1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(0, 191 - 45, 449, 45);
    but_ok = new QPushButton(Panel2);
    but_ok->setObjectName(QStringLiteral("but_ok"));
    but_ok->setGeometry(117, 8, 90, 30);
    but_ok->setDefault(true);
    but_anuluj = new QPushButton(Panel2);
    but_anuluj->setObjectName(QStringLiteral("but_anuluj"));
    but_anuluj->setGeometry(224, 8, 90, 30);
    but_anuluj->setAutoDefault(false);
    PageControl1->addWidget(TabSheet1);

    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    L_info = new QLabel(TabSheet2);
    L_info->setObjectName(QStringLiteral("L_info"));
    L_info->setGeometry(16, 33, 281, 57);
    L_info->setAlignment(Qt::AlignCenter);
    L_info->setWordWrap(true);
    Image1 = new QLabel(TabSheet2);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(314, 17, 70, 67);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(64, 64));
    l_czekaj = new QLabel(TabSheet2);
    l_czekaj->setObjectName(QStringLiteral("l_czekaj"));
    l_czekaj->setGeometry(3, 128, 384, 20);
    l_czekaj->setAlignment(Qt::AlignCenter);
    ustawKolor(l_czekaj, Qt::red);
    PageControl1->addWidget(TabSheet2);

    TimerFreez = new QTimer(this);
    TimerFreez->setObjectName(QStringLiteral("TimerFreez"));
    TimerFreez->setInterval(czasZamrozeniaMs);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(900);
    migotanie_ = new QTimer(this);
    migotanie_->setInterval(500);

    connect(but_ok, &QPushButton::clicked, this, [this] {
        but_okClick();
        accept();
    });
    connect(but_anuluj, &QPushButton::clicked, this, &QDialog::reject);
    connect(TimerFreez, &QTimer::timeout, this, &TFormHaslo::TimerFreezTimer);
    connect(Timer1, &QTimer::timeout, this, &TFormHaslo::Timer1Timer);
    connect(migotanie_, &QTimer::timeout, this, [this] {
        zgaszony_ = !zgaszony_;
        ustawKolor(l_czekaj, zgaszony_ ? QColor(Qt::transparent) : QColor(Qt::red));
    });

    jezyk();
    FormCreate();
}

void TFormHaslo::FormCreate()
{
    // The pages have no tabs: the stack shows one page at a time.
    InitTestHaslo();
}

bool TFormHaslo::pokazOkno(const QString &A_prompt, const QString &A_opis, QString &a_haslo, int A_jezykId)
{
    Label1->setText(A_prompt);
    L_opis->setText(A_opis);
    if (const QScreen *s = QGuiApplication::primaryScreen()) {
        const QRect r = s->geometry();
        move(r.x() + r.width() / 2, r.y() + r.height() / 3);
    }
    Edit1->clear();
    Edit1->selectAll();
    jezykId = A_jezykId;
    jezyk();
    blokada(licznikProb < 0);
    if (exec() != QDialog::Accepted)
        return false;
    a_haslo = Edit1->text();
    return true;
}

void TFormHaslo::but_okClick() { --licznikProb; }

bool TFormHaslo::FormCloseQuery() const { return PageControl1->currentIndex() == 0; }

void TFormHaslo::done(int r)
{
    // Escape, the close box and the buttons all end here.
    if (!FormCloseQuery())
        return;
    QDialog::done(r);
}

void TFormHaslo::blokada(bool a_blokuj)
{
    if (a_blokuj) {
        TimerFreez->start();
        startDt = zegar().tickMs();
        PageControl1->setCurrentIndex(1);
    } else {
        TimerFreez->stop();
        PageControl1->setCurrentIndex(0);
        Edit1->setFocus();
    }
    migaj(a_blokuj);
    zegar().przetworzZdarzenia();
    if (a_blokuj)
        Timer1->start();
    else
        Timer1->stop();
}

void TFormHaslo::InitTestHaslo()
{
    PageControl1->setCurrentIndex(0);
    Timer1->stop();
    TimerFreez->stop();
    TimerFreez->setInterval(czasZamrozeniaMs);
    migaj(false);
    licznikProb = 2;
    l_czekaj->setText(tr("Czekaj"));
}

bool TFormHaslo::zamrozenieMinelo() const { return zegar().tickMs() - startDt >= TimerFreez->interval(); }

void TFormHaslo::TimerFreezTimer()
{
    // The clock seam decides; the timer only wakes us up.
    if (!zamrozenieMinelo())
        return;
    TimerFreez->stop();
    InitTestHaslo();
    blokada(false);
}

void TFormHaslo::Timer1Timer()
{
    const qint64 uplynelo = zegar().tickMs() - startDt;
    if (uplynelo <= 0)
        return;
    // Minutes and seconds of the elapsed time; hours are dropped.
    const int s = int((uplynelo / 1000) % 3600);
    const auto zostalo = uint16_t(100 - s);
    if (zostalo <= 100)
        l_czekaj->setText(tr("Czekaj") + QString::asprintf(" (%d)", zostalo));
    else
        l_czekaj->setText(tr("Czekaj"));
    if (TimerFreez->isActive() && zamrozenieMinelo())
        TimerFreezTimer();
}

void TFormHaslo::jezyk()
{
    setWindowTitle(tr("Wprowadź dane"));
    but_ok->setText(tr("OK"));
    but_anuluj->setText(tr("Anuluj"));
    L_info->setText(tr("Zbyt wiele razy wprowadzono błędne hasło."));
    l_czekaj->setText(tr("Czekaj"));
}

void TFormHaslo::migaj(bool tak)
{
    zgaszony_ = false;
    ustawKolor(l_czekaj, Qt::red);
    if (tak)
        migotanie_->start();
    else
        migotanie_->stop();
}
