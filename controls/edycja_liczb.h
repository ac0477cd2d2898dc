// Single-line edit boxes for numbers: TIntEdit (32-bit integers),
// TFloatEdit (floats) and TFloatPrecEdit (floats keeping 1..4 decimals).
// The text is the only store of the value: Value() parses it on every read.
// Each box keeps its number within an optional range, steps it with the
// up and down arrow keys, drops (with a beep) keys that cannot belong to a
// number and corrects the text when the focus leaves it.
//
// A text that is not a number (a lone "-", "1-2", pasted text) reads as
// DefaultValue; leaving the box then writes that value into the text. A
// number beyond the type's range, however many digits it has, reads as the
// type's nearest end, which the range rule then takes to MinValue or
// MaxValue.
//
// Connect to zmiana() rather than textChanged(): for TFloatPrecEdit it is
// raised once per change, after the text was cut to its precision.
#pragma once

#include <QLineEdit>

// What the three boxes share: the key filter, the arrow keys, the
// correction on leaving and the change signal.
class EdycjaLiczby : public QLineEdit {
    Q_OBJECT
public:
    explicit EdycjaLiczby(QWidget *parent = nullptr);

signals:
    void zmiana();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

    // The system beep of a dropped key.
    virtual void pisk();
    virtual bool dozwolony(QChar c) const;
    // One arrow-key step up (+1) or down (-1).
    virtual void krok(int kierunek) = 0;
    // The correction when the focus leaves a text that is not empty.
    virtual void popraw() = 0;
    virtual void poZmianie();
};

// The range, the default and the arrow-key step of a box for numbers of
// type T (int or double).
template <class T>
class EdycjaZakresu : public EdycjaLiczby {
public:
    using EdycjaLiczby::EdycjaLiczby;

    // The number in the text; DefaultValue when it is empty or no number.
    virtual T Value() const = 0;
    // Value after the range rule: what leaving the box would show.
    T wartoscWZakresie() const { return ClampValue(Value()); }
    // Writes the value after the range rule.
    virtual void setValue(T v) = 0;

    T MinValue() const { return FMinValue; }
    // A new bound corrects the text and the default.
    void setMinValue(T v);
    T MaxValue() const { return FMaxValue; }
    void setMaxValue(T v);
    T DefaultValue() const { return FDefaultValue; }
    // Taken only when the range rule leaves it unchanged.
    void setDefaultValue(T v);
    T Increment() const { return FIncrement; }
    void setIncrement(T v) { FIncrement = v; }

    // The range rule; the range is off while MinValue equals MaxValue.
    virtual T ClampValue(T x) const;

protected:
    // Saturates at the type's limits instead of overflowing.
    void krok(int kierunek) override;
    void popraw() override { setValue(Value()); }

    T FMinValue{};
    T FMaxValue{};
    T FDefaultValue{};
    T FIncrement{};
};

class TIntEdit : public EdycjaZakresu<int> {
    Q_OBJECT
public:
    explicit TIntEdit(QWidget *parent = nullptr);

    int Value() const override;
    void setValue(int v) override;
};

class TFloatEdit : public EdycjaZakresu<double> {
    Q_OBJECT
public:
    explicit TFloatEdit(QWidget *parent = nullptr);

    double Value() const override;
    void setValue(double v) override;
    // True: the bounds are allowed values and clamp. False: a value on or
    // beyond either bound becomes the middle of the range.
    bool IncludeBounds() const { return FIncludeBounds; }
    void setIncludeBounds(bool b);

    double ClampValue(double x) const override;

    // The number in the locale's form: up to 15 significant digits, no
    // trailing zeros, no group separators.
    static QString tekstLiczby(double v);
    // The text as a number in the locale's form, beyond the largest double
    // the nearest end of the doubles; false when it is none.
    static bool liczbaZTekstu(const QString &t, double &v);

protected:
    bool dozwolony(QChar c) const override;

private:
    bool FIncludeBounds = true;
};

class TFloatPrecEdit : public TFloatEdit {
    Q_OBJECT
public:
    explicit TFloatPrecEdit(QWidget *parent = nullptr);

    int Precision() const { return FPrecision; }
    // 1..4; any other value is ignored.
    void setPrecision(int p);

protected:
    void poZmianie() override;

private:
    // Cuts the decimals beyond Precision toward zero; true when the text
    // was changed.
    bool ApplyPrecision();

    int FPrecision = 1;
    bool wPoprawce_ = false;
};
