// The output-state selectors. Many records say, for each output, what it
// does while the record is active: 0 off, n on with the output's
// definition n. TPrzekazniki32 shows the 32 digital outputs as 32 switches
// in four rows of eight under navy strips numbered 1..32 (values 0..4,
// "Off", "Def1".."Def4"); TWybierzAO is the same box cut to the 4 analog
// outputs in one row (values 0..8, "Off", "Def1".."Def8"). A switch is on
// exactly when its value is above 0 and then shows "Def<n>" below its
// picture; its tooltip is the value's text.
//
// Placing one in a window
//   A record window gets the digital-output selector from its field table
//   with one line. The field (pola_sekcji.h):
//       P::przekaznikowe("przekazniki", QT_TRANSLATE_NOOP("Ctx", "Wyjścia"),
//                        DOSTEP_PRZEKAZNIKOW(przekazniki))
//   and in the TEdytorRekordu constructor:
//       Przekazniki32 = dodajPole<TPrzekazniki32>(pola["przekazniki"], "Przekazniki32");
//   The frame then creates the box titled by the field (the title follows
//   the language), binds it to relays 1..32 of the record's 128-byte relay
//   array (bytes 33..128 are left as they are), gives it the project's
//   output icons and the definition viewer as its callback. WypiszDane
//   shows the record's values (setValue: no change reported),
//   AktualizujDanePoEdycji takes them back (getValue), and every OnChange
//   the box raises enables OK (modyfikacja). powiaz(box, field) binds a box
//   made by hand the same way.
//
// By hand
//   auto *s = new TPrzekazniki32(parent, tr("Wyjścia"));   // or in a layout
//   s->setDefFuncValue(wyborDefinicjiDO());    // editors/przekazniki_wybor_def.h
//   s->ustawIkony(przekazniki);                // the outputs' icons
//   s->setValue(i, v) for i = 0..31; on OK read getValue(i).
//   TWybierzAO takes wyborDefinicjiAO() and no icons.
//
// How a click decides the value (the switch has already flipped):
// - with a definition callback (setDefFuncValue), the mode every
//   definition-bearing editor uses: r = callback(output number 1..n,
//   present value). r >= 0 becomes the value (changedValue() turns true when
//   r differs); r < 0 keeps it. The switch is then redrawn from its value
//   (a cancelled click flips back) and OnChange is raised once any change
//   has been made since the box was created, so also on a later cancelled
//   or unchanged click;
// - in on/off mode (setOnOffOnlyValue(true)): the value follows the switch,
//   1 on, 0 off, and every click raises OnChange;
// - otherwise the drop-down list "ComboDef" opens under the switch; the
//   item chosen (none: the first) becomes the value, and OnChange is raised
//   as with the callback.
// setValue, cls and ustawStany never raise OnChange.
#pragma once

#include "rekordy_projekt.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QGroupBox>
#include <QList>
#include <QPixmap>

#include <functional>

class QComboBox;
class QLabel;

// One output's switch: its picture off or on (the output's icon, or a
// drawn switch), "Def<n>" below it while on. `Tag` holds the value.
class TBkJvSwitch : public QAbstractButton {
    Q_OBJECT
public:
    TBkJvSwitch(int relay, QWidget *parent);

    int FRelay; // the output's number, from 1
    int Tag = 0;

    // The pictures off and on; null pictures give the drawn switch.
    void ustawObrazki(const QPixmap &wylaczony, const QPixmap &wlaczony);
    bool maIkone() const { return !wylaczony_.isNull(); }
    // "Def<n>" below the picture.
    void pokazPodpis(bool tak);
    bool podpisWidoczny() const { return podpis_; }

    QSize sizeHint() const override { return {39, 60}; }

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QPixmap wylaczony_, wlaczony_;
    bool podpis_ = false;
};

// The new value of output a_numer (from 1) whose value is a_def, or a
// negative number to keep it.
using TFunctionAsParameter = std::function<int(int a_numer, int a_def)>;

// What both selectors share; the outputs and the values are its
// parameters.
class TPrzelacznikiWyjsc : public QGroupBox {
    Q_OBJECT
public:
    // Layout (pixels within the box).
    static constexpr int FStartLeft = 10, FStartTopS = 36, FStartTopL = 20, FGapH = 3, FGapV = 14, FRelWidth = 39,
                         FRelHeight = 65;

    int ileWyjsc() const { return int(FSwitchArray.size()); }
    int ileDefinicji() const { return ileDefinicji_; }

    // Output a_relay (from 0): its value, stored and shown. Outputs out of
    // range are ignored.
    void setValue(int a_relay, int a_value);
    // 0 for an output out of range.
    int getValue(int a_relay) const;
    // The pictures of icon a_iconNum (0..31, "R%2.2d_%d"); another number
    // gives the drawn switch.
    void setIcon(int a_relay, int a_iconNum);
    // Every output off.
    void cls();
    // The value texts into the drop-down list.
    void ComboAddDefs();

    // The values of all outputs, one byte each, and back (missing bytes
    // leave their outputs alone).
    QByteArray stany() const;
    void ustawStany(const QByteArray &b);

    // "Off", "Def1", ...; the text of any value.
    static QString tekstWartosci(int v);
    // Those of values 0..ileDefinicji(), the drop-down list's items.
    QStringList tekstyWartosci() const;

    // Some value was changed by the user since the box was created.
    bool changedValue() const { return FChanged; }
    bool OnOffOnlyValue() const { return FOnOffOnly; }
    void setOnOffOnlyValue(bool tak);
    void setDefFuncValue(TFunctionAsParameter f) { getDefFunction = std::move(f); }

    QList<TBkJvSwitch *> FSwitchArray; // index = output number - 1
    QList<QLabel *> FLabelArray;       // the numbers 1..n
    QList<QLabel *> FLabelHeadArray;   // the navy strips, one per row
    QComboBox *FMyCombo;               // "ComboDef"
    TBkJvSwitch *FInEditSwitch = nullptr;

signals:
    // A value was changed by the user (see the header comment for when).
    void OnChange();

protected:
    // AOwner becomes the parent; the box goes at A_left, A_top (a layout
    // may move it); A_OnchangedProc, when given, runs on every OnChange.
    // The switches are named przedrostek + their output's number ("DO1.5").
    TPrzelacznikiWyjsc(int ileWyjsc, int ileDefinicji, const char *przedrostek, QWidget *AOwner,
                       const QString &A_caption, int A_left, int A_top, const std::function<void()> &A_OnchangedProc);
    void changeEvent(QEvent *e) override;

private:
    void kliknieto(TBkJvSwitch *s);
    void wybranoZListy();
    // The switch drawn from its value.
    void odswiez(TBkJvSwitch *s);
    void zglosZmiane();

    int ileDefinicji_;
    bool FChanged = false;
    bool FOnOffOnly = false;
    TFunctionAsParameter getDefFunction;
};

class TPrzekazniki32 : public TPrzelacznikiWyjsc {
    Q_OBJECT
public:
    explicit TPrzekazniki32(QWidget *AOwner, const QString &A_caption = QString(), int A_left = 0, int A_top = 0,
                            const std::function<void()> &A_OnchangedProc = {});

    // The icons of outputs 1..32 from their records.
    void ustawIkony(const TPrzekaznikiArray &przekazniki);
};

class TWybierzAO : public TPrzelacznikiWyjsc {
    Q_OBJECT
public:
    explicit TWybierzAO(QWidget *AOwner, const QString &A_caption = QString(), int A_left = 0, int A_top = 0,
                        const std::function<void()> &A_OnchangedProc = {});
};
