#include "element_listy.h"

#include "komunikaty.h"
#include "obrazki.h"
#include "zegar.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <exception>

TPasekGradientowy::TPasekGradientowy(QWidget *parent) : QWidget(parent) {}

void TPasekGradientowy::setMaksimum(int m)
{
    maksimum_ = std::max(m, 0);
    pozycja_ = std::clamp(pozycja_, 0, maksimum_);
    update();
}

void TPasekGradientowy::setPozycja(int p)
{
    pozycja_ = std::clamp(p, 0, maksimum_);
    update();
}

void TPasekGradientowy::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.fillRect(r, palette().base());
    if (maksimum_ > 0 && pozycja_ > 0) {
        QLinearGradient g(r.topLeft(), r.topRight());
        g.setColorAt(0, QColor(192, 192, 192));
        g.setColorAt(1, QColor(0, 255, 0));
        const int w = int(qint64(r.width()) * pozycja_ / maksimum_);
        p.fillRect(QRect(r.left(), r.top(), w, r.height()), g);
    }
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(r);
}

TPrzelacznik::TPrzelacznik(QWidget *parent) : QAbstractButton(parent)
{
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void TPrzelacznik::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QPixmap px = obrazek(isChecked() ? QStringLiteral("CHECK_TAK") : QStringLiteral("CHECK_NIE"));
    // A tick that cannot be changed (during a transfer) is greyed.
    if (!isEnabled()) {
        QStyleOption o;
        o.initFrom(this);
        px = style()->generatedIconPixmap(QIcon::Disabled, px, &o);
    }
    p.drawPixmap((width() - px.width()) / 2, (height() - px.height()) / 2, px);
}

TKbProgress::TKbProgress(QWidget *AOwner, const QString &A_caption, int A_left, int A_top, TZmiana A_OnchangedProc,
                         Wyrownanie a_align)
    : QFrame(AOwner), FModyfikacja(std::move(A_OnchangedProc)), podpis_(A_caption)
{
    setObjectName(QStringLiteral("TKbProgress"));
    setMinimumSize(szerokoscMinimalna, 40);
    setFixedHeight(40);
    resize(szerokoscMinimalna, 40);

    FLabel = new QLabel(A_caption, this);
    FLabel->setObjectName(QStringLiteral("FLabel"));
    FLabel->installEventFilter(this);

    FSwitch = new TPrzelacznik(this);
    FSwitch->setObjectName(QStringLiteral("FSwitch"));
    FSwitch->setGeometry(3, 0, 33, 40);
    connect(FSwitch, &QAbstractButton::toggled, this, &TKbProgress::przelaczono);

    // 32-pixel pictures, shown whole.
    FImageResult = new QLabel(this);
    FImageResult->setObjectName(QStringLiteral("FImageResult"));
    FImageResult->setGeometry(252, 4, 33, 32);
    FImageResult->setAlignment(Qt::AlignCenter);

    FImageVerify = new QLabel(this);
    FImageVerify->setObjectName(QStringLiteral("FImageVerify"));
    FImageVerify->setGeometry(340, 4, 33, 32);
    FImageVerify->setAlignment(Qt::AlignCenter);

    FProgressBar = new TPasekGradientowy(this);
    FProgressBar->setObjectName(QStringLiteral("FProgressBar"));
    podpowiedzi();

    if (a_align == Wyrownanie::gora && AOwner) {
        auto *uklad = qobject_cast<QBoxLayout *>(AOwner->layout());
        if (!uklad) {
            uklad = new QVBoxLayout(AOwner);
            uklad->setContentsMargins(0, 0, 0, 0);
            uklad->setSpacing(0);
            uklad->addStretch();
        }
        uklad->insertWidget(std::max(uklad->count() - 1, 0), this);
    } else {
        move(A_left, A_top);
    }
    ulozPasek();
    init();
}

void TKbProgress::podpowiedzi()
{
    if (!wlasnaPodpowiedzSwitch_)
        FSwitch->setToolTip(tr("Wybierz do transmisji") + QStringLiteral("..."));
    if (!wlasnaPodpowiedzResult_)
        FImageResult->setToolTip(tr("Status transmisji"));
    if (!wlasnaPodpowiedzVerify_)
        FImageVerify->setToolTip(tr("Status porównania"));
}

void TKbProgress::setSwitchHint(const QString &h)
{
    wlasnaPodpowiedzSwitch_ = true;
    FSwitch->setToolTip(h);
}

void TKbProgress::setImageResultHint(const QString &h)
{
    wlasnaPodpowiedzResult_ = true;
    FImageResult->setToolTip(h);
}

void TKbProgress::setImageVerifyHint(const QString &h)
{
    wlasnaPodpowiedzVerify_ = true;
    FImageVerify->setToolTip(h);
}

void TKbProgress::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        podpowiedzi();
    QFrame::changeEvent(e);
}

void TKbProgress::ulozPasek() { FProgressBar->setGeometry(0, height() - wysokoscPaska_, width(), wysokoscPaska_); }

void TKbProgress::resizeEvent(QResizeEvent *e)
{
    QFrame::resizeEvent(e);
    ulozPasek();
    ulozEtykiete();
}

void TKbProgress::ustawEtykiete(int lewo, int gora, int punkty, bool gruba)
{
    lewoEtykiety_ = lewo;
    goraEtykiety_ = gora;
    punktyEtykiety_ = punkty;
    grubaEtykieta_ = gruba;
    ulozEtykiete();
}

void TKbProgress::ulozEtykiete()
{
    constexpr int najmniejszyPunkt = 7;
    constexpr int odstep = 2;
    const int prawo = FImageResult->isHidden() ? width() : FImageResult->x();
    const int dol = FProgressBar->isHidden() ? height() : FProgressBar->y();
    const QRect miejsce(0, 0, std::max(prawo - odstep - lewoEtykiety_, 1), dol);
    const QRect miejsceDwoch = miejsce.adjusted(0, 0, 0, -2 * odstep);
    QFont f = font();
    f.setBold(grubaEtykieta_);
    QString tekst = podpis_;
    int flagi = Qt::AlignLeft | Qt::AlignVCenter;
    QRect zajete;
    int punkty = punktyEtykiety_;
    for (; punkty >= najmniejszyPunkt; --punkty) {
        f.setPointSize(punkty);
        const QFontMetrics fm(f);
        zajete = fm.boundingRect(miejsce, flagi, tekst);
        if (zajete.width() <= miejsce.width())
            break;
        zajete = fm.boundingRect(miejsceDwoch, flagi | Qt::TextWordWrap, tekst);
        if (miejsceDwoch.contains(zajete)) {
            flagi |= Qt::TextWordWrap;
            break;
        }
    }
    if (punkty < najmniejszyPunkt) {
        punkty = najmniejszyPunkt;
        f.setPointSize(punkty);
        const QFontMetrics fm(f);
        tekst = fm.elidedText(podpis_, Qt::ElideRight, miejsce.width());
        zajete = fm.boundingRect(miejsce, flagi, tekst);
    }
    const bool zawijany = flagi & Qt::TextWordWrap;
    FLabel->setFont(f);
    FLabel->setWordWrap(zawijany);
    FLabel->setText(tekst);
    FLabel->setToolTip(tekst == podpis_ ? QString() : podpis_);
    // At the state's size on one line the caption keeps its place; else it
    // is centred in its room.
    const int gora = punkty == punktyEtykiety_ && !zawijany ? goraEtykiety_ : std::max((dol - zajete.height()) / 2, 0);
    FLabel->setGeometry(lewoEtykiety_, gora, zawijany ? miejsce.width() : zajete.width(), zajete.height());
}

bool TKbProgress::eventFilter(QObject *o, QEvent *e)
{
    if (o == FLabel && e->type() == QEvent::MouseButtonRelease && etykietaKlikalna_ && FSwitch->isEnabled()) {
        auto *m = static_cast<QMouseEvent *>(e);
        if (m->button() == Qt::LeftButton && FLabel->rect().contains(m->position().toPoint())) {
            FSwitch->toggle();
            return true;
        }
    }
    return QFrame::eventFilter(o, e);
}

void TKbProgress::przelaczono(bool wlaczony)
{
    if (!wlaczony) {
        FImageResult->hide();
        FImageVerify->hide();
    }
    grubaEtykieta_ = wlaczony;
    ulozEtykiete();
    if (!FModyfikacja)
        return;
    try {
        FModyfikacja(this);
    } catch (const std::exception &ex) {
        pokazBlad(QString::fromUtf8(ex.what()));
    } catch (...) {
        pokazBlad(tr("Nieznany błąd"));
    }
}

bool TKbProgress::checked() const { return FSwitch->isChecked(); }

void TKbProgress::setChecked(bool c) { FSwitch->setChecked(c); }

void TKbProgress::init()
{
    etykietaKlikalna_ = true;
    FLabel->setCursor(Qt::PointingHandCursor);
    FImageResult->hide();
    FImageVerify->hide();
    FProgressBar->hide();
    ustawEtykiete(40, 10, 11, false);
    FSwitch->setChecked(false);
    FSwitch->show();
    isEnded = false;
    przerwaMs(FWaitAfter);
}

void TKbProgress::transWait(int A_milis, const QString &A_text)
{
    const bool switchWidoczny = !FSwitch->isHidden();
    const QString tekst = podpis_;
    FSwitch->hide();
    LabelSet(A_text);
    przerwaMs(A_milis);
    LabelSet(tekst);
    FSwitch->setVisible(switchWidoczny);
    zegar().przetworzZdarzenia();
}

void TKbProgress::transStart(int A_max)
{
    etykietaKlikalna_ = false;
    FLabel->unsetCursor();
    wysokoscPaska_ = 20;
    ulozPasek();
    FProgressBar->setMaksimum(A_max);
    FProgressBar->setPozycja(0);
    FSwitch->hide();
    FProgressBar->show();
    ustawEtykiete(4, 2, 10, grubaEtykieta_);
    przerwaMs(FWaitAfter);
}

void TKbProgress::transStep(int A_pos)
{
    FProgressBar->setPozycja(A_pos);
    zegar().przetworzZdarzenia();
}

void TKbProgress::transEnd(bool A_ok, int A_weryfikacja)
{
    FFinalStatusOk = A_ok;
    FImageResult->setPixmap(obrazek(A_ok ? QStringLiteral("TRANS_OK") : QStringLiteral("TRANS_ERROR")));
    FImageResult->show();
    if (A_weryfikacja >= 0) {
        FImageVerify->setPixmap(obrazek(A_weryfikacja == 1 ? QStringLiteral("COMP_ERROR") : QStringLiteral("COMP_OK")));
        FImageVerify->show();
    }
    FProgressBar->hide();
    ustawEtykiete(40, 10, 12, true);
    isEnded = true;
    przerwaMs(FWaitAfter);
}

void TKbProgress::LabelSet(const QString &A_str)
{
    podpis_ = A_str;
    ulozEtykiete();
    FLabel->repaint();
}

void TKbProgress::select2Compare()
{
    if (!FImageResult->isHidden())
        setChecked(true);
}
