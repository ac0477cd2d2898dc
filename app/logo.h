// The logo window: loads a 600 x 128 picture, converts it into the
// controller's raw form and sends it to the controller in 512-byte pages,
// or writes it as "USB/logo.new" beside the program for a USB stick. It can
// also clear the controller's logo. Created once and reused.
#pragma once

#include "ustawienia_polaczenia.h"

#include <QDialog>
#include <QImage>

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class TEtykietaPliku;
class TKbProgress;

class TFormLogo : public QDialog {
    Q_OBJECT
public:
    explicit TFormLogo(QWidget *parent = nullptr);

    // Prepares the window (no picture chosen) and shows it modally.
    void pokazOkno(const QString &A_plik, int A_jezykId);
    // What pokazOkno does before showing the window.
    void przygotujOkno(const QString &A_plik, int A_jezykId);
    void jezyk();
    // The status row and "Anuluj", shown only while the picture goes to the
    // controller (its operation, operacja.h, disables the other controls).
    void blokuj(bool zablokuj);

    void but_wybierzClick();
    // Loads a picture as the choice in the dialog does; false when the file
    // is no picture.
    bool wczytajObraz(const QString &plik);
    void cb_resetClick();
    void but_plikClick();
    void but_wyslijClick();
    // Header and pixels of the picture shown, or of a cleared logo.
    QByteArray przygotujDaneLogo(bool wyczysc) const;

    // The main window's transmission-lock check (fnProcess); none: no check.
    std::function<int()> sprawdzBlokade;
    // Opens a folder in the desktop's file browser.
    std::function<void(const QString &katalog)> otworzKatalog;

    TUstawieniaSterownika DaneSterownika;
    bool typPng = false; // the picture's file name ends with ".png"
    QImage obraz;        // the picture chosen; null when none
    TKbProgress *progress;
    int jezykId = 1045;
    // "Anuluj" was pressed: the upload stops before its next page.
    bool przerwij = false;

    QLabel *Image1, *L_zalecane, *L_wybrany, *L_uwaga;
    TEtykietaPliku *L_plik;
    QCheckBox *cb_reset;
    QPushButton *but_wybierz, *but_plik, *but_wyslij, *but_zamknij;
    QPushButton *but_przerwij;

    // The file written for the USB stick.
    static QString plikUsb();

protected:
    void done(int r) override;
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    // A picture of the controller's size is loaded.
    bool uzyteczny() const;
    void ustawPrzyciski();
};
