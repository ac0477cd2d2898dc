// The transfer status row: a line that the user ticks for a transfer, that
// then shows a progress bar while the row's data go over, and finally the
// transfer result and, optionally, the compare result.
// The whole-project transfer stacks fifteen of them; its table of blocks
// (one entry per row) belongs to that window.
#pragma once

#include <QAbstractButton>
#include <QFrame>

#include <functional>

class QLabel;

// Progress bar filled with a gradient from silver to lime.
class TPasekGradientowy : public QWidget {
    Q_OBJECT
public:
    explicit TPasekGradientowy(QWidget *parent = nullptr);
    int maksimum() const { return maksimum_; }
    int pozycja() const { return pozycja_; }
    void setMaksimum(int m);
    void setPozycja(int p); // kept within 0..maksimum

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int maksimum_ = 100;
    int pozycja_ = 0;
};

// Tick box drawn with the pictures "CHECK_NIE" and "CHECK_TAK".
class TPrzelacznik : public QAbstractButton {
    Q_OBJECT
public:
    explicit TPrzelacznik(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *) override;
};

class TKbProgress : public QFrame {
    Q_OBJECT
public:
    using TZmiana = std::function<void(TKbProgress *sender)>;
    enum class Wyrownanie {
        brak, // placed at A_left, A_top
        gora, // stacked under the owner's earlier rows, as wide as the owner
    };

    // Builds the row in the selectable state; A_OnchangedProc runs after
    // every real change of the tick.
    TKbProgress(QWidget *AOwner, const QString &A_caption, int A_left, int A_top, TZmiana A_OnchangedProc,
                Wyrownanie a_align = Wyrownanie::brak);

    // Wide enough that the compare picture at left 340 is always visible.
    static constexpr int szerokoscMinimalna = 380;

    void init();
    void transWait(int A_milis, const QString &A_text);
    void transStart(int A_max);
    void transStep(int A_pos);
    // A_weryfikacja: 0 equal, 1 different, negative no compare made.
    void transEnd(bool A_ok, int A_weryfikacja);
    void LabelSet(const QString &A_str);
    void select2Compare();

    bool checked() const;
    void setChecked(bool c);
    bool FinalStatusOk() const { return FFinalStatusOk; }
    void setFinalStatusOk(bool ok) { FFinalStatusOk = ok; }
    void setSwitchHint(const QString &h);
    void setImageResultHint(const QString &h);
    void setImageVerifyHint(const QString &h);

    bool isEnded = false;
    int FWaitAfter = 50; // pause after each state change, ms

    QLabel *FLabel;
    TPrzelacznik *FSwitch;
    QLabel *FImageResult;
    QLabel *FImageVerify;
    TPasekGradientowy *FProgressBar;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void przelaczono(bool wlaczony);
    // The caption's place and font in the row's present state.
    void ustawEtykiete(int lewo, int gora, int punkty, bool gruba);
    // Lays the caption out in its room, from its left edge to the shown
    // result picture (or the row's edge) and above the shown bar: at the
    // largest size from the state's down to 7 pt that takes it on one line,
    // else on two; when none does, shortened at 7 pt with the whole caption
    // in its tooltip.
    void ulozEtykiete();
    void podpowiedzi();
    void ulozPasek();

    TZmiana FModyfikacja;
    QString podpis_; // the caption, whole
    int lewoEtykiety_ = 40, goraEtykiety_ = 10, punktyEtykiety_ = 11;
    bool grubaEtykieta_ = false;
    bool FFinalStatusOk = false;
    bool etykietaKlikalna_ = true;
    int wysokoscPaska_ = 20;
    // Hints the owner set stay; the others follow the language.
    bool wlasnaPodpowiedzSwitch_ = false;
    bool wlasnaPodpowiedzResult_ = false;
    bool wlasnaPodpowiedzVerify_ = false;
};
