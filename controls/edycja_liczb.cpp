#include "edycja_liczb.h"

#include "nazwy.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// The sign of a number in form, whatever its size: digits with an optional
// sign in front and, where `kropka` is given, at most one decimal separator
// among them. 1 or -1 when a digit before the separator is not 0 (a number
// that no conversion can hold lies beyond the type's ends), 0 when all of
// them are (a number that small is 0), and nothing for any other text.
std::optional<int> znakLiczby(const QString &t, QChar kropka = QChar())
{
    qsizetype i = 0;
    int znak = 1;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        znak = t[i++] == u'-' ? -1 : 1;
    bool cyfra = false, niezero = false, poKropce = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9') {
            cyfra = true;
            niezero = niezero || (c != u'0' && !poKropce);
        } else if (!kropka.isNull() && c == kropka && !poKropce) {
            poKropce = true;
        } else {
            return std::nullopt;
        }
    }
    if (!cyfra)
        return std::nullopt;
    return niezero ? znak : 0;
}

} // namespace

EdycjaLiczby::EdycjaLiczby(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] { poZmianie(); });
}

void EdycjaLiczby::poZmianie() { emit zmiana(); }

void EdycjaLiczby::pisk() { QApplication::beep(); }

bool EdycjaLiczby::dozwolony(QChar c) const
{
    const char16_t u = c.unicode();
    return u < 32 || u == u'+' || u == u'-' || (u >= u'0' && u <= u'9');
}

void EdycjaLiczby::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down) {
        krok(e->key() == Qt::Key_Up ? 1 : -1);
        e->accept();
        return;
    }
    const QString t = e->text();
    for (QChar c : t) {
        if (!dozwolony(c)) {
            pisk();
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

void EdycjaLiczby::focusOutEvent(QFocusEvent *e)
{
    QLineEdit::focusOutEvent(e);
    if (!text().isEmpty())
        popraw();
}

// --- EdycjaZakresu ----------------------------------------------------------

template <class T>
T EdycjaZakresu<T>::ClampValue(T x) const
{
    if (FMaxValue == FMinValue)
        return x;
    if (x < FMinValue)
        return FMinValue;
    if (x > FMaxValue)
        return FMaxValue;
    return x;
}

template <class T>
void EdycjaZakresu<T>::setMinValue(T v)
{
    if (v == FMinValue)
        return;
    FMinValue = v;
    setValue(Value());
    FDefaultValue = ClampValue(FDefaultValue);
}

template <class T>
void EdycjaZakresu<T>::setMaxValue(T v)
{
    if (v == FMaxValue)
        return;
    FMaxValue = v;
    setValue(Value());
    FDefaultValue = ClampValue(FDefaultValue);
}

template <class T>
void EdycjaZakresu<T>::setDefaultValue(T v)
{
    if (v != FDefaultValue && ClampValue(v) == v)
        FDefaultValue = v;
}

template <class T>
void EdycjaZakresu<T>::krok(int kierunek)
{
    // long double holds every int sum exactly and a double sum past the
    // largest double.
    const long double w = static_cast<long double>(Value()) + static_cast<long double>(kierunek) * FIncrement;
    setValue(
        static_cast<T>(std::clamp<long double>(w, std::numeric_limits<T>::lowest(), std::numeric_limits<T>::max())));
}

template class EdycjaZakresu<int>;
template class EdycjaZakresu<double>;

// --- TIntEdit -------------------------------------------------------------

TIntEdit::TIntEdit(QWidget *parent) : EdycjaZakresu<int>(parent) { setText(QStringLiteral("0")); }

int TIntEdit::Value() const
{
    const QString t = text();
    if (t.isEmpty())
        return FDefaultValue;
    const QString p = przytnij(t);
    bool ok = false;
    const int v = p.toInt(&ok, 10);
    if (ok)
        return v;
    // Digits beyond 32 bits: the nearest end.
    const std::optional<int> znak = znakLiczby(p);
    if (!znak)
        return FDefaultValue;
    return *znak < 0 ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
}

void TIntEdit::setValue(int v) { setText(QString::number(ClampValue(v))); }

// --- TFloatEdit -----------------------------------------------------------

TFloatEdit::TFloatEdit(QWidget *parent) : EdycjaZakresu<double>(parent) { setText(QStringLiteral("0")); }

QString TFloatEdit::tekstLiczby(double v)
{
    if (v == 0)
        v = 0; // no "-0"
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString t = l.toString(v, 'g', 15);
    // Near the largest double 15 digits round up past it.
    double z;
    return liczbaZTekstu(t, z) ? t : l.toString(v, 'g', QLocale::FloatingPointShortest);
}

bool TFloatEdit::liczbaZTekstu(const QString &t, double &v)
{
    QLocale l;
    l.setNumberOptions(QLocale::RejectGroupSeparator);
    const QString p = przytnij(t);
    bool ok = false;
    const double w = l.toDouble(p, &ok);
    if (ok && std::isfinite(w)) {
        v = w;
        return true;
    }
    // Beyond the largest double, or too small for the smallest.
    const QString kropka = l.decimalPoint();
    const std::optional<int> znak = znakLiczby(p, kropka.size() == 1 ? kropka.front() : QChar());
    if (!znak)
        return false;
    v = *znak * std::numeric_limits<double>::max();
    return true;
}

bool TFloatEdit::dozwolony(QChar c) const
{
    const QString kropka = QLocale().decimalPoint();
    return EdycjaLiczby::dozwolony(c) || (kropka.size() == 1 && c == kropka.front());
}

double TFloatEdit::ClampValue(double x) const
{
    if (FIncludeBounds || FMaxValue == FMinValue)
        return EdycjaZakresu<double>::ClampValue(x);
    if (x > FMinValue && x < FMaxValue)
        return x;
    return FMinValue + (FMaxValue - FMinValue) / 2;
}

double TFloatEdit::Value() const
{
    double v = FDefaultValue; // kept when the text is no number
    if (!text().isEmpty())
        liczbaZTekstu(text(), v);
    return v;
}

void TFloatEdit::setValue(double v) { setText(tekstLiczby(ClampValue(v))); }

void TFloatEdit::setIncludeBounds(bool b)
{
    if (b == FIncludeBounds)
        return;
    FIncludeBounds = b;
    setValue(Value());
}

// --- TFloatPrecEdit -------------------------------------------------------

TFloatPrecEdit::TFloatPrecEdit(QWidget *parent) : TFloatEdit(parent) {}

void TFloatPrecEdit::setPrecision(int p)
{
    if (p < 1 || p > 4)
        return;
    FPrecision = p;
    ApplyPrecision();
}

void TFloatPrecEdit::poZmianie()
{
    if (wPoprawce_) {
        EdycjaLiczby::poZmianie();
        return;
    }
    wPoprawce_ = true;
    const bool poprawiony = ApplyPrecision();
    wPoprawce_ = false;
    if (!poprawiony)
        EdycjaLiczby::poZmianie();
}

bool TFloatPrecEdit::ApplyPrecision()
{
    double v;
    if (text().isEmpty() || !liczbaZTekstu(text(), v))
        return false; // typing in progress ("-", "") or not a number
    // Cut on the decimal digits of the number, not on v * 10^p, which
    // would turn 0.29 into 0.28.
    const QString cyfry = QString::number(v, 'f', QLocale::FloatingPointShortest);
    const qsizetype kropka = cyfry.indexOf(u'.');
    if (kropka < 0 || cyfry.size() - kropka - 1 <= FPrecision)
        return false;
    const QString przed = text();
    setValue(cyfry.left(kropka + 1 + FPrecision).toDouble());
    setCursorPosition(int(text().size()));
    return text() != przed;
}
