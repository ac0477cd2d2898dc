// The editor of one digital output, TFEditParPrzek with its entry function
// edytujPrzekaznik: the output's name, power, energy-cost class and icon,
// and its four definitions DEF1..DEF4 on tabs, one at a time in the
// definition controls (przekazniki_definicja.h). It reads and sends the
// one output, keeps it in ".k3do1" files (328 bytes), copies the settings
// of another output of the list and shows where the output is used.
//
// The definition shown reaches the record at a tab change, at OK, before
// a send and before a save; a value refused by its range check ends that
// action (a tab change stays on the definition being edited). A read, a
// file and a copy replace the record and show it again. Only the user's
// edits enable OK: showing another definition on a tab change does not.
#pragma once

#include "edytor_rekordu.h"
#include "rekordy_projekt.h"

#include <QStringList>

class QLineEdit;
class QTabBar;
class QToolButton;
class TIntEdit;
class TPanelDefinicji;
class TPrzyciskObrazka;

class TFEditParPrzek : public TEdytorRekordu<TPrzekaznik> {
    Q_OBJECT
public:
    explicit TFEditParPrzek(QWidget *parent = nullptr);

    int przekaznikNr = 0; // 1..32: the output read, sent and labelled
    TPrzekaznik &przekaznik = rekord;
    int Definicja = 0;           // the definition shown, 1..4
    TPrzekaznikiArray lista{};   // the list's 128 records ("Kopiuj ustawienia")
    TPanelDefinicji *panel;      // the shown definition's controls
    QStringList &listaPomiarPoz; // the channel numbers of the measuring-channel items

    QLabel *LabelNr;
    QLineEdit *ed_nazwa; // 15 characters typed at most
    TIntEdit *ie_moc;
    QComboBox *co_koszt;
    TPrzyciskObrazka *sb_ikona;
    QTabBar *TabSet1; // "DEF 1".."DEF 4"
    QGroupBox *gb_definicja;
    QToolButton *sb_kopiuj, *sb_gdzie;

    // The output the window reads, sends and labels (1..32).
    void ustawNumer(int nr);
    // Definition d into the controls.
    void WypiszDefinicje(int d);
    // The shown definition into the record, then definition NewTab + 1.
    void TabSet1Change(int NewTab);
    // The shown definition (DEF tab + 1) and the general fields.
    void WypiszDane() override;
    // The general fields and the shown definition into the record.
    void AktualizujDanePoEdycji() override;
    void but_kopiujClick();
    void sb_gdzieClick();
    void sb_ikonaClick();

protected:
    QString tytul() const override;
    void jezykSekcji() override;
    bool czytajRekord(TPrzekaznik &p) override;
    bool wyslijRekord(const TPrzekaznik &p) override;
    // A record from a file keeps the output's number.
    void poOtwarciu(TPrzekaznik &p) override;
    // Read: progress of 2; "Anuluj" pressed meanwhile keeps the record.
    // Send alone, in a session of its own; no message on success.
    void but_wyslijClick() override;

private:
    void pokazIkone();
};

// `przekaznik.nr` holds the output's number 1..32 (the list sets it);
// `lista` is the list's 128 records. True when the user confirmed with OK;
// only then does `przekaznik` hold the edited record.
bool edytujPrzekaznik(const TPrzekaznikiArray &lista, TPrzekaznik &przekaznik, int jezykId);
