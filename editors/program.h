// The program editor TFProgramMycia with its entry function edytujProgram:
// one program P01..P100 (wire number 0..99) or the washing program (100)
// as a grid of its 50 rows, each cell edited in place; read, send and
// compare with the controller, "Kopiuj ustawienia" from another program of
// the list, clear, ".k3pog" files ("k3pogm" for the washing program) and
// the printed program.
#pragma once

#include "edytor_rekordu.h"
#include "pola_sekcji.h"
#include "rekordy_projekt.h"

#include <memory>

class QLabel;
class QLineEdit;
class QTableView;
class QToolButton;
class TTabelaPamieci;

// A row's values (index into TCyklProgramu::v).
enum TWartoscCyklu {
    wcKrok = 0,       // step reference: 0 none ("OFF"), k step k
    wcTempKomory = 1, // chamber temperature setpoint, whole units
    wcTempBatonu = 2, // core temperature setpoint, whole units
    wcWilgotnosc = 3, // humidity setpoint
    wcDelta = 4,      // tenths
    wcGodzin = 5,     // duration: hours
    wcMinut = 6,      // and minutes
    wcDodatek1 = 7,   // additions D1..D8 at 7..14, tenths
};
constexpr int ileWierszyProgramu = 50;

// The program's name as the list and the name box show it: its units up
// to the first zero unit.
QString nazwaProgramu(const TProgram &program);

// "OFF" for 0; otherwise "ST%d: " ("SW%d: " for the washing program) and
// the name of that step of the current project. A reference that names no
// slot of the 33-slot step table shows the bare "ST%d: ".
QString tekstKroku(int krok, bool mycie);
// "AI1.1 " and the name of measuring input 1 of the current project (1),
// or "AI1.3 " and that of input 3 (3): the titles of the temperature
// columns.
QString tytulTemperatury(int wejscie);

// The fields of a program row, the grid's columns 0..15: "Krok" (row
// number), "NazwaKroku" (the step, from the list OFF and ST1..ST32, or
// SW1..SW16 when `mycie` says so), "godzin" 0..99, "minut" 0..59,
// "tempKomory" and "tempBatonu" -99..900, "wilgotnosc" 0..99, "delta"
// 0.0..90.0, "d1".."d8" -99.9..200.0 (printed as "D1".."D8"). A value
// typed outside its range shows the range message and is stored as 0.
// The compare goes through a row's step, setpoints, duration and, as one
// item, its additions.
TPolaSekcji<TCyklProgramu> polaCyklu(std::function<bool()> mycie);

// The differences of the PC's program from the controller's, numbered
// "%2d" from 1 (the row's id): for an ordinary program its name and
// number, then per row 1..50 the step, the temperatures, humidity, delta,
// hours, minutes and, as one item, the additions that differ.
QList<TRoznicaPola> porownajProgram(bool mycie, const TProgram &naPC, const TProgram &wSterowniku);

class TFProgramMycia : public TEdytorRekordu<TProgram> {
    Q_OBJECT
public:
    explicit TFProgramMycia(QWidget *parent = nullptr);

    TProgram &TabProgram = rekord;
    int Fix = 0; // wire number 0..99, 100 the washing program

    QLabel *L_program, *LabelNr;
    QLineEdit *ed_nazwaProgramu; // 15 characters typed at most
    QTableView *StringGridSetup;
    TTabelaPamieci *tabela;
    QToolButton *but_porownaj, *but_kopiuj;

    // The program's number and the list "Kopiuj ustawienia" copies from.
    void ustawProgram(int nr, const TProgramyArray100 &programy);
    bool mycie() const { return Fix > 99; }

    // Negative step references become 0 (OFF); the washing program is
    // named by its label; then the name box and the grid.
    void WypiszDane() override;

    void but_porownajClick();
    void but_kopiujClick();

protected:
    QString tytul() const override;
    void jezykSekcji() override;
    bool czytajRekord(TProgram &p) override;
    bool wyslijRekord(const TProgram &p) override;
    void poOtwarciu(TProgram &p) override { p.nr_prog = rekord.nr_prog; }
    void but_wyslijClick() override;
    // The report lists the grid's rows on a landscape page.
    void zbudujRaport(TRaport &r) override;
    QString tytulRaportu() const override;
    const TTabelaPamieci *tabelaRaportu() const override { return tabela; }
    void sb_clsClick() override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    struct Lista {
        TProgramyArray100 p;
    };
    std::unique_ptr<Lista> progLista;
};

// Program nr (0..99, or 100 the washing program) in the editor; true when
// the user confirmed a change, and only then does `program` (with nr_prog
// = nr) hold it. `programy` is where "Kopiuj ustawienia" copies from.
bool edytujProgram(TProgram &program, int nr, int jezykId, const TProgramyArray100 &programy);
