#include "panel_modulow.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QToolButton>

namespace {

// A part's place: column or row k (1..4) after the heads.
constexpr int polozenie(int k) { return 73 * k + 3; }

QString styl(const QColor &tlo, int punkty)
{
    return QStringLiteral("background-color: %1; color: white; font-weight: bold; font-size: %2pt;")
        .arg(tlo.name())
        .arg(punkty);
}

QLabel *glowka(QWidget *rodzic, const QString &tekst, int x, int y, int punkty)
{
    auto *l = new QLabel(tekst, rodzic);
    l->setGeometry(x, y, TKvor350inOutModul::bok, TKvor350inOutModul::bok);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(styl(TKvor350inOutModul::kolorGlowki(), punkty));
    return l;
}

} // namespace

TKvor350inOutModul::TKvor350inOutModul(QWidget *AOwner, TZmiana A_OnchangedProc)
    : QFrame(AOwner), OnChange(std::move(A_OnchangedProc))
{
    setObjectName(QStringLiteral("moduly"));
    setGeometry(40, 30, rozmiar, rozmiar);
    setMinimumSize(rozmiar, rozmiar);
    for (int i = 1; i <= 4; ++i)
        FButtonsTop[size_t(i - 1)] = glowka(this, QStringLiteral("M%1").arg(i), polozenie(i), 3, 16);

    // Rows on screen: AIN, DOUT, DIN, AOUT.
    const struct {
        const char *nazwa;
        TRzad *rzad;
    } rzedy[] = {{"AIN", &FButtonsAin}, {"DOUT", &FButtonsDout}, {"DIN", &FButtonsDin}, {"AOUT", &FButtonsAout}};
    for (int r = 1; r <= 4; ++r) {
        const auto &rz = rzedy[r - 1];
        const QString nazwa = QString::fromLatin1(rz.nazwa);
        FButtonsLeft[size_t(r - 1)] = glowka(this, nazwa, 3, polozenie(r), 15);
        for (int i = 1; i <= 4; ++i) {
            auto *b = new QToolButton(this);
            b->setObjectName(QStringLiteral("%1_M%2").arg(nazwa).arg(i));
            b->setAccessibleName(QStringLiteral("%1 M%2").arg(nazwa).arg(i));
            b->setGeometry(polozenie(i), polozenie(r), bok, bok);
            b->setCheckable(true);
            b->setChecked(true);
            b->setFocusPolicy(Qt::StrongFocus);
            // The base module is always there.
            b->setEnabled(i > 1);
            connect(b, &QToolButton::clicked, this, [this, b] { przelacz(b); });
            (*rz.rzad)[size_t(i - 1)] = b;
            pokazStan(b);
        }
    }
}

void TKvor350inOutModul::pokazStan(QToolButton *b)
{
    const bool wylaczony = b->isChecked();
    const QString tekst = wylaczony ? tr("OFF") : tr("ON");
    b->setText(tekst);
    // 15 points, smaller where a language's word would not fit.
    QFont f = b->font();
    f.setBold(true);
    int punkty = 15;
    for (; punkty > 8; --punkty) {
        f.setPointSize(punkty);
        if (QFontMetrics(f).horizontalAdvance(tekst) <= bok - 10)
            break;
    }
    b->setStyleSheet(QStringLiteral("QToolButton { %1 border: 2px %2 %3; }")
                         .arg(styl(wylaczony ? kolorWylaczony() : kolorWlaczony(), punkty),
                              wylaczony ? QStringLiteral("inset") : QStringLiteral("outset"),
                              (wylaczony ? kolorWylaczony() : kolorWlaczony()).darker(140).name()));
}

void TKvor350inOutModul::przelacz(QToolButton *b)
{
    pokazStan(b);
    if (OnChange)
        OnChange(b);
}

void TKvor350inOutModul::ustaw(const TRzad &rzad, int32_t a_value)
{
    for (int i = 1; i <= 4; ++i) {
        QToolButton *b = rzad[size_t(i - 1)];
        b->setChecked((a_value & (1 << (i - 1))) == 0);
        przelacz(b);
    }
}

int32_t TKvor350inOutModul::maska(const TRzad &rzad)
{
    int32_t m = 0;
    for (int i = 1; i <= 4; ++i)
        if (!rzad[size_t(i - 1)]->isChecked())
            m += 1 << (i - 1);
    return m;
}

void TKvor350inOutModul::setValueAin(int32_t a_value) { ustaw(FButtonsAin, a_value); }
void TKvor350inOutModul::setValueAout(int32_t a_value) { ustaw(FButtonsAout, a_value); }
void TKvor350inOutModul::setValueDin(int32_t a_value) { ustaw(FButtonsDin, a_value); }
void TKvor350inOutModul::setValueDout(int32_t a_value) { ustaw(FButtonsDout, a_value); }
int32_t TKvor350inOutModul::getValueAin() const { return maska(FButtonsAin); }
int32_t TKvor350inOutModul::getValueAout() const { return maska(FButtonsAout); }
int32_t TKvor350inOutModul::getValueDin() const { return maska(FButtonsDin); }
int32_t TKvor350inOutModul::getValueDout() const { return maska(FButtonsDout); }

void TKvor350inOutModul::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::LanguageChange)
        for (const TRzad *rzad : {&FButtonsAin, &FButtonsDout, &FButtonsDin, &FButtonsAout})
            for (QToolButton *b : *rzad)
                pokazStan(b);
    QFrame::changeEvent(e);
}
