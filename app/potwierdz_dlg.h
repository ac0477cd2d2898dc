// The question before a firmware update: the user confirms that a copy of
// the controller's settings exists, or lets the program make one now.
// "Dalej" is enabled while at least one box is ticked.
#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

class TFormConfirmDlg : public QDialog {
    Q_OBJECT
public:
    explicit TFormConfirmDlg(QWidget *parent = nullptr);

    // Both boxes unticked, shown modally. True when closed with "Dalej";
    // zrobKopie then tells whether the copy is to be made now.
    bool pokazOkno(int jezykId, bool &zrobKopie);
    void jezyk();
    // A ticked box is bold; "Dalej" follows the boxes.
    void cb_kopiaPcClick(QCheckBox *pole);

    int jezykId = 1045;

    QCheckBox *cb_potwierdz, *cb_kopiaPc;
    QPushButton *but_ok, *but_anuluj;

protected:
    void changeEvent(QEvent *e) override;
};
