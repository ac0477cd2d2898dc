// The main window.
#pragma once

#include "projekt.h"

#include <QMainWindow>

class QLabel;
class QMenu;
class QAction;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    TBiezacyProjekt projekt;
    QLabel *Label1 = nullptr;

    void blokuj(bool zablokuj);
    void dostosujWersje();

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void jezyk();
    QMenu *menuPlik = nullptr;
    QAction *Nowy = nullptr;
    QAction *Otworz = nullptr;
    QAction *Zapisz = nullptr;
    QAction *ZapiszJako = nullptr;
    QAction *Wyjscie = nullptr;
};
