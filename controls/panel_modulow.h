// TKvor350inOutModul: the square panel of the extra-modules editor. Its
// 4 x 4 toggle buttons show which of the modules M1..M4 have analog inputs
// (AIN), digital outputs (DOUT), digital inputs (DIN) and analog outputs
// (AOUT), one row per kind in that order on screen, one column per module.
// A button that is down means OFF (dark red), one that is up means ON
// (green). Each row converts to a mask of the record TModulyWejWyKonfig:
// bit i - 1 stands for module Mi.
//
// M1 is the base module: its four buttons cannot be clicked (the editor
// forces their bits on) but follow the setters.
#pragma once

#include <QFrame>

#include <array>
#include <cstdint>
#include <functional>

class QLabel;
class QToolButton;

class TKvor350inOutModul : public QFrame {
    Q_OBJECT
public:
    using TZmiana = std::function<void(QObject *sender)>;

    // AOwner becomes the parent; the panel sits at 40, 30 in it. Every
    // button starts down (OFF).
    explicit TKvor350inOutModul(QWidget *AOwner, TZmiana A_OnchangedProc = {});

    static constexpr int rozmiar = 368; // the panel is square
    static constexpr int bok = 70;      // of a head or a button
    static QColor kolorWylaczony() { return {183, 0, 0}; }
    static QColor kolorWlaczony() { return {0, 140, 0}; }
    static QColor kolorGlowki() { return {0, 0, 255}; }

    // Raised after every toggle, by a click or by a setter (a setter raises
    // it once per module, four times a call).
    TZmiana OnChange;

    // A mask shown in its row: module i ON when bit i - 1 is set (bits 0..3
    // are used).
    void setValueAin(int32_t a_value);
    void setValueAout(int32_t a_value);
    void setValueDin(int32_t a_value);
    void setValueDout(int32_t a_value);
    // The row's mask, 0..15: the sum of 2^(i - 1) over the modules ON.
    int32_t getValueAin() const;
    int32_t getValueAout() const;
    int32_t getValueDin() const;
    int32_t getValueDout() const;

    // Index 0 is module M1.
    using TRzad = std::array<QToolButton *, 4>;
    std::array<QLabel *, 4> FButtonsTop;  // column heads M1..M4
    std::array<QLabel *, 4> FButtonsLeft; // row heads AIN, DOUT, DIN, AOUT
    TRzad FButtonsAin, FButtonsAout, FButtonsDin, FButtonsDout;

protected:
    void changeEvent(QEvent *e) override;

private:
    // After a button changed its state: caption and colour follow, then
    // OnChange.
    void przelacz(QToolButton *b);
    void pokazStan(QToolButton *b);
    void ustaw(const TRzad &rzad, int32_t maska);
    static int32_t maska(const TRzad &rzad);
};
