// TFormPorownaj: the result of comparing the PC's data with the
// controller's, one row per differing item (its id, its name, the value in
// the program and on the controller). One window for the whole run
// (formaPorownaj); the editors fill it with already-made texts:
//     inicjuj(tytul); dopisz(...) per difference; pokazOkno(jezykId).
#pragma once

#include <QDialog>

class QPushButton;
class QStandardItemModel;
class TDBgrid_kb;

class TFormPorownaj : public QDialog {
    Q_OBJECT
public:
    explicit TFormPorownaj(QWidget *parent = nullptr);

    // Field sizes of the table: longer texts are cut when stored.
    static constexpr int dlugoscId = 20, dlugoscPola = 100;

    QWidget *Panel1;
    TDBgrid_kb *DBGrid1;
    QStandardItemModel *memproj; // fields id, nazwa, program, sterownik
    QWidget *Panel2;
    QPushButton *but_zamknij;
    int jezykId = 1045;

    // An empty table and the window's caption.
    void inicjuj(const QString &a_tytul);
    void dopisz(const QString &a_id, const QString &a_nazwa, const QString &a_program, const QString &a_sterownik);
    // Texts in the current language, then shown modally.
    void pokazOkno(int a_jezykId);
    void jezyk();

protected:
    void changeEvent(QEvent *e) override;

private:
    // The texts, with the title of the PC's column.
    void teksty(const QString &program);
};

// The compare window of the run, created on first use.
TFormPorownaj &formaPorownaj();
