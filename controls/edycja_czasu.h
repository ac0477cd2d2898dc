// Masked edit boxes that keep their text as the value's only store and
// correct what the user types on every change; the text is centred.
//
// TMin99SecEdit: a duration "mm:ss" from 00:00 to 99:59, offered as a time,
// as whole seconds and as text. Seconds above 59 become 59 ("75:80" reads
// 75:59, a time of 1:15:59); durations have no sign.
//
// TMask9999Edit: an unsigned number in a fixed count of digit positions
// (`length`, 4 by default), shown with leading zeros. A character that is
// not a digit (a typed sign, a blank) turns into 0 at once.
//
// Both raise zmiana() once per change of the text, after the correction,
// also when the text is set from code.
#pragma once

#include <QLineEdit>
#include <QTime>

class TMin99SecEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TMin99SecEdit(QWidget *parent = nullptr);

    // The largest duration: 99 min 59 s.
    static QTime najdluzszy() { return {1, 39, 59}; }

    QTime time() const { return FTime; }
    // A time beyond 99:59 is 99:59; milliseconds are dropped.
    void setTime(const QTime &t);
    int timesek() const;
    // Negative seconds give 00:00, 6000 and more 99:59.
    void setTimesek(int sekundy);
    // "mm:ss" of the time, minutes at most 99.
    QString timeStr() const;

    // The correction of the typed text: blanks are zeros, minutes and
    // seconds (at most 59) written back as "mm:ss" and taken as the time;
    // a text that is no "mm:ss" gives 00:00. Runs on every change.
    void MaskEditChange();

signals:
    void zmiana();

private:
    void piszTekst(int minuty, int sekundy);

    QTime FTime{0, 0};
    bool wPisaniu_ = false; // the box writes its own text
};

class TMask9999Edit : public QLineEdit {
    Q_OBJECT
public:
    explicit TMask9999Edit(QWidget *parent = nullptr);

    // The number in the text; -1 when the text is no number.
    int value() const;
    // Written with at least `length` digits; a value outside 0 ..
    // 10^length - 1 is written as the nearest of the two.
    void setValue(int v);
    int length() const { return FLength; }
    // 1..9 positions (other counts are brought into that range); the text
    // becomes that many zeros.
    void setLength(int n);

signals:
    void zmiana();

private:
    void poZmianie();

    int FLength = 4;
    bool wPoprawce_ = false;
};
