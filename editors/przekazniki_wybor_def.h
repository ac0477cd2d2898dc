// The definition viewers: the window a relay-state selector asks which
// definition a clicked output is to use. TFormDOwybierzDef shows the tabs
// "OFF", "DEF 1".."DEF 4" with, on a DEF tab, that definition of the
// output as the current project holds it, read-only: a transparent panel
// lies over the definition's controls (no mouse, no keyboard focus). The
// present value's tab is shown first and "Wybierz" is enabled once the
// user changes the tab; it returns the tab (0 off, 1..4), "Anuluj" or the
// close box -1. TFormAOwybierzDef is its twin for the analog outputs, with
// "DEF 1".."DEF 8": the project holds no analog-output definitions, so
// every tab shows only the choice.
//
// One window of each for the whole run (formaDOwybierzDef,
// formaAOwybierzDef); wyborDefinicjiDO / wyborDefinicjiAO are the callbacks
// a selector takes (TPrzelacznikiWyjsc::setDefFuncValue).
#pragma once

#include "przekazniki32.h"
#include "rekordy_projekt.h"

#include <QDialog>
#include <QStringList>

class QGroupBox;
class QLabel;
class QPushButton;
class QTabBar;
class TPanelDefinicji;
class TPanelTransparent;

// What both viewers share: `ile` definitions.
class TFormWybierzDef : public QDialog {
    Q_OBJECT
public:
    QTabBar *TabSet1; // "OFF", "DEF 1", ...
    QWidget *obszar;  // between the tabs and the buttons
    QLabel *L_wybierz;
    QGroupBox *gp_przekaznik;
    TPanelDefinicji *panel;
    TPanelTransparent *transPanel;
    QWidget *Panel2;
    QPushButton *but_ok, *but_anuluj;

    int definicja = 0; // the tab shown: 0 OFF, 1..n
    int jezykId = 1045;

    // A_numer: the output 1..n; A_def: its present value. The tab chosen
    // with "Wybierz", or -1.
    int WybierzDefinicjeDlg(int A_numer, int A_def);
    void TabSet1Change(int NewTab);
    void WypiszDaneDef(int A_def);
    void WypiszTypCzasowy(int A_def, int A_typ);
    void WypiszRegulator(int A_def, int A_reg);
    void jezyk();

protected:
    TFormWybierzDef(int ile, QWidget *parent);
    // The output's record for the call, and the caption's tail.
    virtual void zaladuj(int A_numer) = 0;
    virtual QString opisWyjscia() const = 0;
    // Definition d (1..n) of the output; nullptr when there is none to show.
    virtual const TDefinicjaPrzekaznika *definicjaWyjscia(int d) const = 0;
    void changeEvent(QEvent *e) override;

private:
    int ile_;
};

class TFormDOwybierzDef : public TFormWybierzDef {
    Q_OBJECT
public:
    explicit TFormDOwybierzDef(QWidget *parent = nullptr);

    int przekaznikNr = 0;        // 1..32
    TPrzekaznik przekaznik{};    // a copy of that output of the current project
    QStringList &listaPomiarPoz; // the channel numbers of the measuring-channel items

protected:
    void zaladuj(int A_numer) override;
    QString opisWyjscia() const override;
    const TDefinicjaPrzekaznika *definicjaWyjscia(int d) const override;
};

class TFormAOwybierzDef : public TFormWybierzDef {
    Q_OBJECT
public:
    explicit TFormAOwybierzDef(QWidget *parent = nullptr);

    int wyjscieNr = 0; // 1..4
    QString nazwa;     // that output's name in the current project

protected:
    void zaladuj(int A_numer) override;
    QString opisWyjscia() const override;
    const TDefinicjaPrzekaznika *definicjaWyjscia(int) const override { return nullptr; }
};

// The windows of the run, created on first use.
TFormDOwybierzDef &formaDOwybierzDef();
TFormAOwybierzDef &formaAOwybierzDef();
// Their WybierzDefinicjeDlg as a selector's callback.
TFunctionAsParameter wyborDefinicjiDO();
TFunctionAsParameter wyborDefinicjiAO();
