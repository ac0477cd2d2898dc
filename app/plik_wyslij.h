// The firmware and graphics update window: the user chooses an update
// file, the window checks the controller (type and serial number, retried
// every 1.8 s until it answers), and sends the file in 512-byte pages
// followed by a commit with the file's size and CRC-16. A firmware update
// is preceded by the questions about a copy of the controller's settings,
// which the window can make itself. Created once and reused.
#pragma once

#include "projekt.h"
#include "ustawienia_polaczenia.h"
#include "wysylanie_stron.h"

#include <QDialog>

#include <functional>

class QFile;
class QLabel;
class QPushButton;
class QTimer;
class TEtykietaPliku;
class TFormConfirmDlg;
class TKbProgress;

// Page numbers are 16 bits: the last page of a file (which may be the extra
// page after a file that fills its pages) must be numbered 65535 at most.
constexpr qint64 najwiekszyPlikAktualizacji = qint64(0x10000) * rozmiarStrony - 1;

// The pages of an update file: every page is the whole 512-byte buffer,
// which is zeroed once before the first page and otherwise keeps what the
// page before left in it; a file that fills its pages is followed by one
// more page without new content. The CRC covers exactly the file's bytes.
class TStrumienStron {
public:
    explicit TStrumienStron(QFile &plik) : plik_(plik) {}

    // Reads the next page into strona(); false after the last page. Throws
    // std::runtime_error when the file cannot be read.
    bool nastepna();
    const QByteArray &strona() const { return strona_; }
    // Number of the page just read (0 for the first).
    int numer() const { return nastepny_ - 1; }
    uint16_t crc() const { return crc_; }
    qint64 przeczytano() const { return przeczytano_; }

private:
    QFile &plik_;
    QByteArray strona_ = QByteArray(rozmiarStrony, '\0');
    uint16_t crc_ = 0xFFFF;
    qint64 przeczytano_ = 0;
    int nastepny_ = 0;
    bool koniec_ = false;
};

class TFormPlikWyslij : public QDialog {
    Q_OBJECT
public:
    enum TmyStages { ms_init, ms_fileselected, ms_checkedController, ms_after };
    enum Rodzaj { firmware = 1, grafika = 2 };

    explicit TFormPlikWyslij(QWidget *parent = nullptr);

    // Prepare the window for the firmware or the graphics and show it
    // modally.
    void FirmWare(int A_jezykId);
    void Grafika(int A_jezykId);
    // What both do before showing the window.
    void przygotujOkno(Rodzaj r, int A_jezykId);

    void przygotuj();
    void my_init();
    void jezyk(int co);
    // The status row and "Anuluj", shown only while an update runs (its
    // operation, operacja.h, disables the other buttons).
    void blokuj(bool zablokuj);

    void but_wybierzClick();
    // zTimera: a retry of the timer, which shows no message boxes.
    void but_checkClick(bool zTimera = false);
    void Timer1Timer();
    void but_aktualizujFirmwareClick();
    void but_aktualizujGrafikeClick();
    // The copy of the controller's settings, the window locked meanwhile.
    bool zapiszProj(int A_numerSeryjny);

    // The main window's transmission-lock check (fnProcess); none: no check.
    std::function<int()> sprawdzBlokade;
    // The current project the copy of the settings is read through.
    TBiezacyProjekt *projekt = nullptr;

    TUstawieniaSterownika DaneSterownika;
    int numerSeryjny = 0;
    QString typ;
    TmyStages stage = ms_init;
    TKbProgress *progress;
    int jezykId = 1045;
    Rodzaj rodzaj = firmware;
    // "Anuluj" was pressed: the stream stops after its current page.
    bool przerwij = false;

    QLabel *L_wybrany, *L_daneSterownika, *l_sterownik;
    TEtykietaPliku *L_plik;
    QPushButton *but_wybierz, *but_check, *but_aktualizujFirmware, *but_aktualizujGrafike, *but_zamknij;
    QPushButton *but_przerwij;
    QTimer *Timer1;
    TFormConfirmDlg *FormConfirmDlg;

protected:
    void done(int r) override;
    void changeEvent(QEvent *e) override;

private:
    void ustawTytul();
    // The update file can be opened and its size is one the pages can
    // carry; otherwise the reason is shown.
    bool plikDoWyslania();
    // The pages and the commit, with the result shown; the window is
    // locked on entry and unlocked on return.
    void wyslijPlik();
    QString filtr_;
};
