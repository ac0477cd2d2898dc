// TFormLista: a read-only list of three columns (Id, Nazwa, Def) with a
// copy-to-clipboard button, one window for the whole run (formaLista).
// Its producer ZestawienieDO lists every place in a project where one
// digital output is switched on: the digital-output list and editor open
// it from "Gdzie użyty".
#pragma once

#include "rekordy_projekt.h"

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QToolButton;

// One row of the list.
struct TPozycjaListy {
    QString id, nazwa, def;
};

// What ZestawienieDO shows: the subject line and the rows in their order.
struct TZestawienieDO {
    QString info;
    QList<TPozycjaListy> wiersze;
};

// Every use of output `wybrany` (1..32) in the project: definition
// `definicja` (1..4) only, or any for 0. The rows come in this order:
// measuring inputs 1..6 (absolute alarm, relative alarm of inputs 1 and 3,
// sensor-missing alarm), digital inputs 1..24, the humidity alarm, special
// modes 1..14, steps 1..32, washing steps 1..16, and the washing settings
// (listed whenever they count the output, whatever the definition). An
// output number outside 1..128 has no uses. Texts are those of the current
// language; names are not yet cut to the list's field sizes.
TZestawienieDO zestawienieDO(int wybrany, int definicja, const TProjektVXTNew &proj, const TProjektDodatkiMycie &um);

class TFormLista : public QDialog {
    Q_OBJECT
public:
    explicit TFormLista(QWidget *parent = nullptr);

    // Field sizes of the list's table: longer texts are cut when stored.
    static constexpr int dlugoscId = 20, dlugoscNazwy = 50, dlugoscDef = 10;

    QWidget *Panel2;
    QLabel *L_info;          // the subject of the list
    QToolButton *but_popraw; // "Kopiuj do schowka"
    QTableView *JvDBGrid1;
    QStandardItemModel *JvMemoryData1; // fields Id, Nazwa, Def
    QWidget *Panel1;
    QPushButton *but_close;
    int jezykId = 1045;

    // Texts, the caption, then shown modally.
    void Pokaz(const QString &A_title, int A_jezykId);
    static void memoCls(QStandardItemModel *a_mem);
    static void memoAdd(QStandardItemModel *a_mem, const QString &a_id, const QString &a_nazwa, const QString &a_def);
    // The caption, the subject line, an empty line, then one line per row
    // with its fields joined by tabs.
    QString tekstListy(const QStandardItemModel *a_mem) const;
    // That text into the clipboard, then "Skopiowano do schowka.".
    void mem2ClipBoard(QStandardItemModel *a_mem);
    // Fills the list from zestawienieDO and shows it. The language id is
    // the caller's; the window keeps its own.
    void ZestawienieDO(int A_wybrany, int A_definicja, const TProjektVXTNew &A_proj, const TProjektDodatkiMycie &A_um,
                       int A_jezykId);
    void jezyk();

    void but_closeClick();
    void but_poprawClick();

protected:
    void changeEvent(QEvent *e) override;
};

// The list window of the run, created on first use.
TFormLista &formaLista();
