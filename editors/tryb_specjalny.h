// The special-mode editor TFEdycjastanSpec with its entry function
// edytujTrybSpecjalny: one mode's name (fixed for the four fixed modes),
// duration, relay logic, relay kind (F1..F10 only) and the states of relays
// 1..32; read from and sent to the controller alone, kept in a ".k3spec1"
// file.
#pragma once

#include "edytor_rekordu.h"
#include "powiazanie_czasu.h"
#include "rekordy_projekt.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class TIntEdit;
class TMin99SecEdit;
class TPrzekazniki32;

class TFEdycjastanSpec : public TEdytorRekordu<TFunkcjaSpec> {
    Q_OBJECT
public:
    explicit TFEdycjastanSpec(QWidget *parent = nullptr);

    TFunkcjaSpec &TabAlarm = rekord;
    int nrTrybu = 0;                                                    // the mode's list index 0..13
    std::unique_ptr<TKopiaRobocza<TPrzekaznikiArray>> proj_przekazniki; // icons of relays 1..32

    QLabel *LabelNr;
    QGroupBox *gb_nazwa, *gb_czas, *gb_trybWyzwalania, *gb_logika;
    QLabel *L_nazwa;     // the fixed modes' name
    QLineEdit *ed_nazwa; // F1..F10: 15 characters typed at most
    // Seconds, -1..999; hidden while "nieskończoność" is ticked.
    TIntEdit *ie_czasWylaczenia;
    QCheckBox *cb_nieskonczonosc;
    // Power loss: hours and minutes, stored as minutes, up to 99:59; a
    // negative duration shows 00:00, 6000 minutes and more 99:59, and
    // such a duration is kept until the box is changed
    // (powiazanieOpoznienia).
    TMin99SecEdit *Min99SecEdit1;
    QComboBox *co_logika, *co_tryb;
    TPrzekazniki32 *przekazniki;

    // The mode of list index nrTrybu, its label ("FS03") and a copy of the
    // project's digital-output records for the relays' icons; sets which
    // controls the mode has.
    void ustawTryb(int indeks, const QString &etykieta, const TPrzekaznikiArray &wyjscia);

protected:
    QString tytul() const override;
    void jezykSekcji() override;
    bool czytajRekord(TFunkcjaSpec &t) override;
    bool wyslijRekord(const TFunkcjaSpec &t) override;
    // A mode from a file keeps the edited mode's list index and name.
    void poOtwarciu(TFunkcjaSpec &t) override;
    void sb_clsClick() override;

private:
    bool czasWGodzinach() const;
    // The box's value kept within -1..999, with the warning box.
    void ograniczCzas();

    TPowiazanieOpoznienia czasGodzin_; // Min99SecEdit1
};

// Mode tryb.nr_funkcji (list index 0..13) labelled `etykieta`; wyjscia is a
// copy of the project's 128 digital-output records. True on OK with a
// change, and then the record holds the confirmed mode.
bool edytujTrybSpecjalny(TFunkcjaSpec &tryb, const QString &etykieta, const TPrzekaznikiArray &wyjscia, int jezykId);
