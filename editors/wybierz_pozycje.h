// TFormWybierzPozycjeDlg: the "Kopiuj z ..." choice, a drop-down list of
// positions of which the user picks the one to copy from. One window for
// the whole run (formaWybierzPozycje).
#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;

class TFormWybierzPozycjeDlg : public QDialog {
    Q_OBJECT
public:
    explicit TFormWybierzPozycjeDlg(QWidget *parent = nullptr);

    QLabel *Label1;
    QComboBox *ComboBox1;
    QPushButton *but_ok, *but_anuluj;
    int jezykId = 1045;

    // The positions with none chosen and OK disabled, then shown modally.
    // On OK the chosen position's index (from 0) goes into A_pozycja and
    // the answer is true; otherwise A_pozycja stays as it was.
    bool PokazOkno(const QStringList &A_lista, int &A_pozycja, int A_jezykId);
    void jezyk();
    // OK is enabled exactly while a position is chosen.
    void ComboBox1Change();

protected:
    void changeEvent(QEvent *e) override;
};

// The choice window of the run, created on first use.
TFormWybierzPozycjeDlg &formaWybierzPozycje();
