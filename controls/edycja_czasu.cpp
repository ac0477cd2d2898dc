#include "edycja_czasu.h"

#include <algorithm>

// --- TMin99SecEdit ----------------------------------------------------------

TMin99SecEdit::TMin99SecEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignCenter);
    // The blank stays ' ': a '0' blank would make text() drop typed zeros.
    setInputMask(QStringLiteral("99:99"));
    piszTekst(0, 0);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (wPisaniu_)
            return;
        MaskEditChange();
        emit zmiana();
    });
}

void TMin99SecEdit::piszTekst(int minuty, int sekundy)
{
    wPisaniu_ = true;
    setText(QStringLiteral("%1:%2").arg(minuty, 2, 10, QLatin1Char('0')).arg(sekundy, 2, 10, QLatin1Char('0')));
    wPisaniu_ = false;
}

void TMin99SecEdit::MaskEditChange()
{
    if (wPisaniu_)
        return;
    const int kursor = cursorPosition();
    QString t = displayText();
    t.replace(QLatin1Char(' '), QLatin1Char('0'));
    const qsizetype dwukropek = t.indexOf(QLatin1Char(':'));
    bool okM = false, okS = false;
    int minuty = dwukropek < 0 ? 0 : t.left(dwukropek).toInt(&okM);
    int sekundy = dwukropek < 0 ? 0 : t.mid(dwukropek + 1).toInt(&okS);
    if (!okM || !okS || minuty < 0 || sekundy < 0)
        minuty = sekundy = 0;
    minuty = std::min(minuty, 99);
    sekundy = std::min(sekundy, 59);
    piszTekst(minuty, sekundy);
    FTime = QTime(minuty / 60, minuty % 60, sekundy);
    setCursorPosition(kursor);
}

void TMin99SecEdit::setTime(const QTime &t)
{
    const QTime bez = t.isValid() ? QTime(t.hour(), t.minute(), t.second()) : QTime(0, 0);
    FTime = std::min(bez, najdluzszy());
    const QString przed = text();
    piszTekst(FTime.hour() * 60 + FTime.minute(), FTime.second());
    if (text() != przed)
        emit zmiana();
}

int TMin99SecEdit::timesek() const { return FTime.hour() * 3600 + FTime.minute() * 60 + FTime.second(); }

void TMin99SecEdit::setTimesek(int sekundy)
{
    if (sekundy >= 6000)
        setTime(najdluzszy());
    else
        setTime(QTime(0, 0).addSecs(std::max(sekundy, 0)));
}

QString TMin99SecEdit::timeStr() const
{
    const int minuty = std::min(FTime.hour() * 60 + FTime.minute(), 99);
    return QStringLiteral("%1:%2").arg(minuty, 2, 10, QLatin1Char('0')).arg(FTime.second(), 2, 10, QLatin1Char('0'));
}

// --- TMask9999Edit ----------------------------------------------------------

TMask9999Edit::TMask9999Edit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignCenter);
    setLength(4);
    connect(this, &QLineEdit::textChanged, this, &TMask9999Edit::poZmianie);
}

void TMask9999Edit::setLength(int n)
{
    FLength = std::clamp(n, 1, 9);
    // '#' also lets a sign in; poZmianie turns it into 0.
    setInputMask(QString(FLength, QLatin1Char('#')));
    setText(QString(FLength, QLatin1Char('0')));
}

void TMask9999Edit::setValue(int v)
{
    int najwieksza = 9;
    for (int i = 1; i < FLength; ++i)
        najwieksza = najwieksza * 10 + 9;
    setText(QStringLiteral("%1").arg(std::clamp(v, 0, najwieksza), FLength, 10, QLatin1Char('0')));
}

int TMask9999Edit::value() const
{
    QString t = displayText();
    t.replace(QLatin1Char(' '), QLatin1Char('0'));
    if (t.isEmpty())
        t = QStringLiteral("0");
    bool ok = false;
    const int v = t.toInt(&ok, 10);
    return ok ? v : -1;
}

void TMask9999Edit::poZmianie()
{
    if (wPoprawce_)
        return;
    QString t = displayText();
    for (QChar &c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            c = QLatin1Char('0');
    if (t != displayText()) {
        const int kursor = cursorPosition();
        wPoprawce_ = true;
        setText(t);
        wPoprawce_ = false;
        setCursorPosition(kursor);
    }
    emit zmiana();
}
