// One definition of a digital output (TDefinicjaPrzekaznika) in controls:
// the time mode (a picture button) with Ta, Tb and the trigger mode, the
// regulator type (a picture button) and, for a regulator, its hysteresis
// parameters or its PID parameters with their measuring and setpoint
// channels. The output editor edits a definition in it; the definition
// viewers show one read-only (Podglad: no trigger mode, the viewer's own
// labels, pictures that pick nothing).
//
// What each type shows: time mode 0 nothing more, 1 the trigger mode, 2
// and 3 also Ta, 4..7 also Tb; regulator 0 no parameters, 1..4 the
// hysteresis page, 5 the PID page.
#pragma once

#include "pola_sekcji.h"
#include "rekordy_projekt.h"

#include <QStringList>
#include <QWidget>

#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;
class QStackedWidget;
class TFloatEdit;
class TIntEdit;
class TPrzyciskObrazka;

// The definition's numeric and list fields: names, titles, kinds and
// bounds (hystereses in tenths rounded halves to even, Xp in tenths
// truncated).
const TPolaSekcji<TDefinicjaPrzekaznika> &polaDefinicji();

class TPanelDefinicji : public QWidget {
    Q_OBJECT
public:
    enum class Tryb { Edycja, Podglad };
    TPanelDefinicji(Tryb tryb, QWidget *parent = nullptr);

    int jezykId = 1045;

    QGroupBox *gb_typCzasowy, *gb_regulator, *gb_parametryRegulatora;
    TPrzyciskObrazka *sb_typCzasowy, *sb_regulator; // Tag: the value shown
    QLabel *L_Ta, *L_Tb, *L_trybWyzwalania;
    QSpinBox *se_Ta, *se_Tb;
    QComboBox *co_trybWyzwalania;
    QStackedWidget *PageControl1;
    QWidget *TS_Histereza, *TS_pid;
    QComboBox *co_regzw_kanalPomiarowy, *co_regzw_kanalZadany;
    TFloatEdit *fe_hist_offset, *fe_hist_okno, *fe_hist_gorna, *fe_hist_dolna;
    QComboBox *co_pid_typ, *co_pid_kanalPomiarowy, *co_pid_kanalZadany;
    TFloatEdit *fe_pid_kp;
    TIntEdit *ie_pid_ti, *ie_pid_td, *ie_pid_tp, *ie_pid_to;
    // The channel numbers of the measuring-channel lists' items.
    QStringList listaPomiarPoz;

    // The definition into the controls; no change is reported.
    void WypiszDefinicje(const TDefinicjaPrzekaznika &d);
    // The controls into the definition. A list showing no item leaves its
    // byte as it is. Returns the first control whose value its field
    // refused with the range message (its byte left as it is), else
    // nullptr.
    QWidget *AktualizujDefinicje(TDefinicjaPrzekaznika &d) const;
    // The time mode's picture, text and colour, and which of Ta, Tb and the
    // trigger mode are shown.
    void pokazTypCzasowy(int v);
    // The regulator's picture, text and colour, and its page.
    void pokazRegulator(int r);
    // The parameter group shown for a regulator (r > 0).
    void pokazParametryRegulatora(int r);
    int typCzasowy() const;
    int regulator() const;
    // Texts in the current language; the channel lists refilled from the
    // project's measuring inputs, their chosen items kept.
    void jezyk();

signals:
    // The user changed a value.
    void zmiana();

protected:
    void changeEvent(QEvent *e) override;

private:
    struct Wiazanie {
        QWidget *k;
        const TPole<TDefinicjaPrzekaznika> *pole;
    };
    QWidget *kontrolka(const char *pole, const char *nazwa, QWidget *rodzic, bool pokretlo = false);
    void zmieniono();
    void wybierzTypCzasowy();
    void wybierzRegulator();

    Tryb tryb_;
    bool pokazuje_ = false;
    std::vector<Wiazanie> wiazania_;
    std::vector<std::pair<QLabel *, std::function<QString()>>> etykiety_;
};
