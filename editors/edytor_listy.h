// A list window: the section as rows of the in-memory table `memproj`,
// shown by the grid `DBGrid1` and rebuilt from the window's section copy
// (memProjlistaTworz); the current row's item is edited by double click,
// "Edycja" or Enter, and the list is printed as a report of its columns.
#pragma once

#include "edytor_sekcji.h"
#include "tabela_pamieci.h"

#include <memory>

class QTableView;
class TRaport;

class TEdytorListy : public TEdytorSekcji {
    Q_OBJECT
public:
    TEdytorListy(Przyciski przyciski, const QStringList &pola, const QList<TKolumnaListy> &kolumny,
                 QWidget *parent = nullptr);
    ~TEdytorListy() override;

    TTabelaPamieci *memproj;
    QTableView *DBGrid1;

    // `nr` of the current row; 0 when the list is empty.
    int nrBiezacy() const;
    // Makes the row with this `nr` current (none: the current row stays).
    void przejdzDo(int nr);
    // Rebuilds the list from the section copy (with ustawWiersze).
    virtual void memProjlistaTworz() = 0;

protected:
    // Edits item `nr` (> 0) of the section copy.
    virtual void edytujPozycje(int nr) = 0;

    // The rebuild's end: the rows anew, the first row current; with
    // `zmiana` the window counts as changed (`wynik` set, OK enabled).
    void ustawWiersze(QList<QVariantList> wiersze, bool zmiana);

    void pokazDane() override { memProjlistaTworz(); }
    void but_poprawClick() override;
    // The print dialog (Cancel ends it), then the report with "MemoTytul",
    // "MemoWersja", the heads "h_..." of the printed columns and
    // "f_wydrukowano"; the current row is kept.
    void but_drukujClick() override;

    // The report: its title, the dataset over `memproj` and, for more
    // than the list, the template and the extra data.
    virtual QString tytulRaportu() const { return tytul(); }
    QString zbiorRaportu = QStringLiteral("frxDBDataset1");
    virtual void zbudujRaport(TRaport &raport);
    virtual void wypelnijRaport(TRaport &) {}

    bool eventFilter(QObject *o, QEvent *e) override;

private:
    std::unique_ptr<TRaport> frxReport1;
};
