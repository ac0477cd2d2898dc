#include "przekazniki32.h"

#include "lista_rozwijana.h"
#include "obrazki.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>

namespace {

// The switch drawn where an output has no icon: a slide switch, grey and
// to the left when off, green and to the right when on.
QPixmap rysowanyPrzelacznik(bool wlaczony)
{
    QPixmap px(40, 40);
    px.fill(Qt::transparent);
    QPainter g(&px);
    g.setRenderHint(QPainter::Antialiasing);
    const QRectF szyna(4, 12, 32, 16);
    g.setPen(QPen(QColor(90, 90, 90), 1.2));
    g.setBrush(wlaczony ? QColor(60, 160, 70) : QColor(190, 190, 190));
    g.drawRoundedRect(szyna, 8, 8);
    g.setBrush(Qt::white);
    g.drawEllipse(QPointF(wlaczony ? 28 : 12, 20), 6.5, 6.5);
    return px;
}

const QPixmap &domyslny(bool wlaczony)
{
    static const QPixmap wyl = rysowanyPrzelacznik(false), wl = rysowanyPrzelacznik(true);
    return wlaczony ? wl : wyl;
}

// The drop-down list of the fallback mode: it tells when it has closed.
class TListaDefinicji : public QComboBox {
public:
    TListaDefinicji(QWidget *parent, std::function<void()> poZamknieciu)
        : QComboBox(parent), poZamknieciu_(std::move(poZamknieciu))
    {}
    void hidePopup() override
    {
        QComboBox::hidePopup();
        // The item clicked or chosen with Enter is set after the list hid.
        QTimer::singleShot(0, this, [this] { poZamknieciu_(); });
    }

private:
    std::function<void()> poZamknieciu_;
};

} // namespace

// ---- One switch ----------------------------------------------------------------

TBkJvSwitch::TBkJvSwitch(int relay, QWidget *parent) : QAbstractButton(parent), FRelay(relay)
{
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void TBkJvSwitch::ustawObrazki(const QPixmap &wylaczony, const QPixmap &wlaczony)
{
    wylaczony_ = wylaczony;
    wlaczony_ = wlaczony;
    update();
}

void TBkJvSwitch::pokazPodpis(bool tak)
{
    podpis_ = tak;
    update();
}

void TBkJvSwitch::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPixmap &obraz = isChecked() ? (wlaczony_.isNull() ? domyslny(true) : wlaczony_)
                                       : (wylaczony_.isNull() ? domyslny(false) : wylaczony_);
    const QSize o = obraz.deviceIndependentSize().toSize();
    p.drawPixmap((width() - o.width()) / 2, 0, obraz);
    if (podpis_) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(0, o.height(), width(), height() - o.height()), Qt::AlignHCenter | Qt::AlignTop, text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect f;
        f.initFrom(this);
        f.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &f, &p, this);
    }
}

// ---- The box -------------------------------------------------------------------

TPrzelacznikiWyjsc::TPrzelacznikiWyjsc(int ileWyjsc, int ileDefinicji, const char *przedrostek, QWidget *AOwner,
                                       const QString &A_caption, int A_left, int A_top,
                                       const std::function<void()> &A_OnchangedProc)
    : QGroupBox(AOwner), ileDefinicji_(ileDefinicji)
{
    QFont f = font();
    f.setPointSize(8);
    f.setBold(true);
    setFont(f);
    setTitle(A_caption);
    const int wKolumnie = std::min(ileWyjsc, 8);
    const int wierszy = (ileWyjsc + wKolumnie - 1) / wKolumnie;
    const int szerokoscPaska = FRelWidth * wKolumnie + FGapH * (wKolumnie - 1);
    setFixedSize(szerokoscPaska + 2 * FStartLeft, FRelHeight * wierszy + FStartTopS + FGapV * (wierszy - 1));
    move(A_left, A_top);

    FMyCombo = new TListaDefinicji(this, [this] { wybranoZListy(); });
    FMyCombo->setObjectName(QStringLiteral("ComboDef"));
    FMyCombo->setGeometry(1, 1, FRelWidth, FMyCombo->sizeHint().height());
    FMyCombo->hide();
    ComboAddDefs();
    FMyCombo->setCurrentIndex(-1);

    for (int r = 0; r < wierszy; ++r) {
        auto *pasek = new QLabel(this);
        pasek->setObjectName(QStringLiteral("LabelHead%1").arg(r + 1));
        pasek->setGeometry(FStartLeft, r * (FGapV + FRelHeight) + FStartTopL, szerokoscPaska, 15);
        pasek->setAutoFillBackground(true);
        QPalette p = pasek->palette();
        p.setColor(QPalette::Window, QColor(0, 0, 128));
        p.setColor(QPalette::WindowText, QColor(255, 255, 0));
        pasek->setPalette(p);
        FLabelHeadArray.append(pasek);
    }
    for (int i = 0; i < ileWyjsc; ++i) {
        const int lewo = (i % wKolumnie) * (FGapH + FRelWidth) + FStartLeft;
        auto *s = new TBkJvSwitch(i + 1, this);
        s->setObjectName(QStringLiteral("Switch%1").arg(i + 1));
        s->setGeometry(lewo, (i / wKolumnie) * (FGapV + FRelHeight) + FStartTopS, FRelWidth, 60);
        s->setAccessibleName(QLatin1String(przedrostek) + QString::number(i + 1));
        connect(s, &QAbstractButton::clicked, this, [this, s] { kliknieto(s); });
        FSwitchArray.append(s);

        auto *l = new QLabel(QString::asprintf("%d", i + 1), this);
        l->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        l->setGeometry(lewo, (i / wKolumnie) * (FGapV + FRelHeight) + FStartTopL, FRelWidth, 15);
        l->setAlignment(Qt::AlignCenter);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, QColor(255, 255, 0));
        l->setPalette(p);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        FLabelArray.append(l);
    }
    for (TBkJvSwitch *s : FSwitchArray)
        odswiez(s);
    if (A_OnchangedProc)
        connect(this, &TPrzelacznikiWyjsc::OnChange, this, A_OnchangedProc);
}

QString TPrzelacznikiWyjsc::tekstWartosci(int v)
{
    return v == 0 ? QCoreApplication::translate("TPrzekazniki32", "Off") : QStringLiteral("Def%1").arg(v);
}

QStringList TPrzelacznikiWyjsc::tekstyWartosci() const
{
    QStringList l;
    for (int v = 0; v <= ileDefinicji_; ++v)
        l << tekstWartosci(v);
    return l;
}

void TPrzelacznikiWyjsc::ComboAddDefs()
{
    FMyCombo->clear();
    FMyCombo->addItems(tekstyWartosci());
}

void TPrzelacznikiWyjsc::setOnOffOnlyValue(bool tak)
{
    FOnOffOnly = tak;
    for (TBkJvSwitch *s : FSwitchArray)
        odswiez(s);
}

void TPrzelacznikiWyjsc::odswiez(TBkJvSwitch *s)
{
    s->setChecked(s->Tag > 0);
    if (FOnOffOnly) {
        s->pokazPodpis(false);
        s->setToolTip(s->Tag > 0 ? QCoreApplication::translate("TPrzekazniki32", "On") : tekstWartosci(0));
    } else {
        s->setText(QStringLiteral("Def%1").arg(s->Tag));
        s->pokazPodpis(s->Tag > 0);
        s->setToolTip(tekstWartosci(s->Tag));
    }
    s->setAccessibleDescription(s->toolTip());
}

void TPrzelacznikiWyjsc::setValue(int a_relay, int a_value)
{
    if (a_relay < 0 || a_relay >= ileWyjsc())
        return;
    TBkJvSwitch *s = FSwitchArray[a_relay];
    s->Tag = a_value;
    odswiez(s);
}

int TPrzelacznikiWyjsc::getValue(int a_relay) const
{
    return a_relay >= 0 && a_relay < ileWyjsc() ? FSwitchArray[a_relay]->Tag : 0;
}

void TPrzelacznikiWyjsc::setIcon(int a_relay, int a_iconNum)
{
    if (a_relay < 0 || a_relay >= ileWyjsc())
        return;
    TBkJvSwitch *s = FSwitchArray[a_relay];
    if (a_iconNum < 0 || a_iconNum > 31) {
        s->ustawObrazki({}, {});
        return;
    }
    const QPixmap wyl = obrazek(QString::asprintf("R%2.2d_0", a_iconNum));
    const QPixmap wl = obrazek(QString::asprintf("R%2.2d_1", a_iconNum));
    if (wyl.isNull() || wl.isNull())
        s->ustawObrazki({}, {});
    else
        s->ustawObrazki(wyl, wl);
}

void TPrzelacznikiWyjsc::cls()
{
    for (int i = 0; i < ileWyjsc(); ++i)
        setValue(i, 0);
}

QByteArray TPrzelacznikiWyjsc::stany() const
{
    QByteArray b(ileWyjsc(), '\0');
    for (int i = 0; i < ileWyjsc(); ++i)
        b[i] = char(uint8_t(FSwitchArray[i]->Tag));
    return b;
}

void TPrzelacznikiWyjsc::ustawStany(const QByteArray &b)
{
    for (int i = 0; i < ileWyjsc() && i < b.size(); ++i)
        setValue(i, uint8_t(b[i]));
}

void TPrzelacznikiWyjsc::zglosZmiane()
{
    // What the owner does on a change must not escape the click.
    try {
        emit OnChange();
    } catch (...) {
    }
}

void TPrzelacznikiWyjsc::kliknieto(TBkJvSwitch *s)
{
    FInEditSwitch = s;
    if (getDefFunction) {
        int r = -1;
        try {
            r = getDefFunction(s->FRelay, s->Tag);
        } catch (...) {
            r = -1;
        }
        if (r >= 0) {
            FChanged = FChanged || r != s->Tag;
            s->Tag = r;
        }
        odswiez(s);
        if (FChanged)
            zglosZmiane();
    } else if (FOnOffOnly) {
        s->Tag = s->isChecked() ? 1 : 0;
        FChanged = true;
        odswiez(s);
        zglosZmiane();
    } else {
        FMyCombo->move(s->x(), s->y() + s->height());
        FMyCombo->show();
        FMyCombo->raise();
        FMyCombo->setEnabled(true);
        FMyCombo->setFocus();
        FMyCombo->showPopup();
    }
}

void TPrzelacznikiWyjsc::wybranoZListy()
{
    TBkJvSwitch *s = FInEditSwitch;
    if (!s || !FMyCombo->isVisible())
        return;
    const int i = std::max(0, FMyCombo->currentIndex());
    FChanged = FChanged || i != s->Tag;
    s->Tag = i;
    odswiez(s);
    FMyCombo->hide();
    if (FChanged)
        zglosZmiane();
}

void TPrzelacznikiWyjsc::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange) {
        zmienPozycje(FMyCombo, tekstyWartosci());
        for (TBkJvSwitch *s : FSwitchArray)
            odswiez(s);
    }
    QGroupBox::changeEvent(e);
}

// ---- The two selectors ---------------------------------------------------------

TPrzekazniki32::TPrzekazniki32(QWidget *AOwner, const QString &A_caption, int A_left, int A_top,
                               const std::function<void()> &A_OnchangedProc)
    : TPrzelacznikiWyjsc(32, 4, "DO1.", AOwner, A_caption, A_left, A_top, A_OnchangedProc)
{
    setObjectName(QStringLiteral("TPrzekazniki32"));
}

void TPrzekazniki32::ustawIkony(const TPrzekaznikiArray &przekazniki)
{
    for (int i = 0; i < ileWyjsc(); ++i) {
        const int32_t ikona = przekazniki[i].ikona;
        setIcon(i, ikona);
    }
}

TWybierzAO::TWybierzAO(QWidget *AOwner, const QString &A_caption, int A_left, int A_top,
                       const std::function<void()> &A_OnchangedProc)
    : TPrzelacznikiWyjsc(4, 8, "AO1.", AOwner, A_caption, A_left, A_top, A_OnchangedProc)
{
    setObjectName(QStringLiteral("TWybierzAO"));
}
