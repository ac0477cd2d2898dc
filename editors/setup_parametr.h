// The editor of one SETUP parameter F[n] (TFEdycjaParametru, entry
// edytujParametr): by the parameter's number exactly one value editor is
// shown (a whole number, a number with one decimal stored in tenths,
// minutes:seconds, or a drop-down list of the value's texts), with the
// parameter's name above it and, for the two numeric ones, the allowed
// range below it.
#pragma once

#include "edytor_rekordu.h"
#include "powiazanie_czasu.h"

#include <cstdint>

class QComboBox;
class QLabel;
class TFloatEdit;
class TIntEdit;
class TMin99SecEdit;

// The value editor of parameter n.
enum class TEdytorParametru {
    Calkowita,     // IntEdit1
    Dziesietna,    // FloatEdit1: tenths shown with one decimal
    MinutySekundy, // min99: seconds as mm:ss
    Lista,         // ComboBox1: item i is value i
};
TEdytorParametru edytorParametru(int n);
// Items of the drop-down list of parameter n; 0 for the other editors.
int ilePozycjiParametru(int n);
// Characters the whole-number editor takes: 8 for the passwords and the
// transmission lock (34, 35, 36, 40), else 4.
int dlugoscParametru(int n);
// The stored bounds of parameter n, both included (tenths for 9..12).
int zakresMinParametru(int n);
int zakresMaxParametru(int n);

class TFEdycjaParametru : public TEdytorRekordu<int32_t> {
    Q_OBJECT
public:
    explicit TFEdycjaParametru(QWidget *parent = nullptr);

    int nr_funkcji = 0;
    // The caller's own range in place of the parameter's (F15, bounded by
    // F14).
    bool zakres = false;
    int zakresMin = 0, zakresMax = 0;

    QLabel *Label1;   // the parameter's name
    QLabel *L_zakres; // "Zakres: ..." of the numeric editors
    TIntEdit *IntEdit1;
    TFloatEdit *FloatEdit1;
    QComboBox *ComboBox1;
    TMin99SecEdit *min99;

    // The bounds in force: the caller's own range or the parameter's.
    int zakresMinEdytora() const { return zakres ? zakresMin : zakresMinParametru(nr_funkcji); }
    int zakresMaxEdytora() const { return zakres ? zakresMax : zakresMaxParametru(nr_funkcji); }

    // Shows the value in the parameter's one editor, with its name and
    // range.
    void przygotujEdytor();
    void WypiszDane() override { przygotujEdytor(); }
    // The shown editor's value, corrected into its range, into the record;
    // a drop-down list with no item chosen keeps the stored value, and the
    // minutes:seconds box gives its value only once it was changed (a
    // stored value it cannot show, negative or 6000 s and more, is kept).
    void AktualizujDanePoEdycji() override;

protected:
    QString tytul() const override;
    void jezykSekcji() override;

private:
    // The list's items: the parameter's value texts.
    QStringList pozycjeListy() const;

    TPowiazanieOpoznienia czas_; // min99
};

// True when closed with "Zapisz"; only then is `wartosc` replaced. With
// `zakres` the caller's range [zakresMin, zakresMax] bounds the value.
bool edytujParametr(int n, bool zakres, int zakresMin, int zakresMax, int32_t &wartosc, int jezykId);
