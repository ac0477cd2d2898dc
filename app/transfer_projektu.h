// The whole-project transfer: the window that reads the project from the
// controller, sends it to the controller, or compares the controller's
// project with the one in memory, in fifteen blocks shown as fifteen
// transfer status rows. Each item of a block goes through its section's own
// read or send function; no section window opens. The firmware update's
// settings copy runs it in an automatic mode that reads everything and
// closes by itself.
#pragma once

#include "rekordy_projekt.h"
#include "ustawienia_polaczenia.h"
#include "wiersze_projektu.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class TKbProgress;
class TLockedTransmission;

enum TOdbierzWyslij { const_odbierz = 0, const_wyslij = 1 };

struct TAutomatOdbierania {
    bool automat = false; // tick every row, start after 1.5 s, close 1.5 s after the end
    bool status = false;  // out: every one of the 15 rows ended successfully
    int numerSeryjny = 0; // carried for the caller
};

// One row of the transfer table in the current language, from its section
// (sekcje_projektu.h).
struct TElementListy {
    int id;          // 1..15
    QString nazwa;   // caption, in the current language
    int ilePozycji;  // items of the block
    bool sendUnlock; // restart the lock service's password timer before sending
    bool potw73;     // sent inside a write session of its own
};

constexpr int ileWierszyTransferu = ileBlokowProjektu;

// The fifteen rows in table order, their names in the current language.
std::array<TElementListy, ileWierszyTransferu> tabelaTransferu();

// Pauses of a run [ms].
constexpr int przerwaPrzedBlokiemMs = 70;     // before a sent row
constexpr int przerwaMiedzyBlokamiMs = 7000;  // after a sent row
constexpr int przerwaPoPozycjiMs = 100;       // after each sent item
constexpr int przerwaPoBlokuMs = 50;          // after each row of a send
constexpr int przerwaPoOdczycieBlokuMs = 300; // after each read row
constexpr int przerwaPoAlarmachMs = 20;       // after the alarm outputs' read
constexpr int przerwaPrzedBledemMs = 400;     // before a failed row's message
constexpr int przerwaAutomatuMs = 1500;       // automatic mode: before the start, before closing
constexpr int czasOdczytuTransferuMs = 4000;  // the run's read time-out until SETUP is sent
constexpr int lockCoIlePozycji = 20;          // the lock check every 20th item

class TFProjektRSIn : public QDialog {
    Q_OBJECT
public:
    // The window reads into and sends from `projekt` and `mycie`, and asks
    // `lockService` before every row.
    TFProjektRSIn(TProjektVXTNew &projekt, TProjektDodatkiMycie &mycie, TLockedTransmission &lockService,
                  QWidget *parent = nullptr);
    ~TFProjektRSIn() override;

    // Takes the connection record (with the lock check), sets the mode and
    // its texts and prepares the automatic mode.
    void przygotuj(TOdbierzWyslij co, int jezyk, const TAutomatOdbierania &automat);

    void but_startClick();
    void but_zaznaczClick();
    void but_resetClick();
    void but_przerwijClick();

    // The ticked rows sent in table order; false when a row failed.
    bool wyslijProjekt();
    // The ticked rows read into the project; tylkoPorownaj: compared with
    // the project as it was, which is then put back.
    void odbierzProjekt(bool tylkoPorownaj);
    // Every row that shows a transfer result is ticked again.
    void zaznaczDoPorownania();
    // Every one of the 15 rows ended successfully.
    bool wszystkieZakonczoneOk() const;
    void trwaTransmisja(bool on);
    // The run of "Start" holds the window's operation (operacja.h): the
    // rows' ticks and the buttons but "Przerwij..." are disabled, and the
    // window refuses to close.
    bool wTrakcie() const;

    // Sets every text in the current language.
    void jezyk();

    bool przerwij = false;   // the abort button was pressed; the running loop stops at its next test
    bool przerwano = false;  // ... at some time during the run started by "Start"
    bool bylaZmiana = false; // at least one item was read into the project
    TOdbierzWyslij coRobic = const_odbierz;
    std::array<TKbProgress *, ileWierszyTransferu> progressArray{};
    TUstawieniaSterownika DaneSterownika;
    bool statusOk = false;
    TAutomatOdbierania AutomatOdbierania;
    int jezykId = 1045;

    QGroupBox *gp_trans;
    QPushButton *but_zaznacz, *but_start, *but_reset, *but_zamknij, *but_przerwij;
    QCheckBox *cb_CzytajPorownaj, *cb_wysylkaPorownaj;
    QLabel *l_info;
    QProgressBar *Animate1;
    // Automatic mode: fires once the window runs, then the start follows
    // after 1.5 s.
    QTimer *TimerAutomatO;

protected:
    // Refused while a transfer runs.
    void done(int r) override;
    void changeEvent(QEvent *e) override;

private:
    // The run of "Start": the rows hidden, the question, the transfer.
    void start();
    void procAutomatOdbierania();
    void TimerAutomatOTimer();
    void uaktualnijStart();
    void pokazInfo(const QString &tekst);
    void ukryjInfo();
    bool sprawdzBlokade();
    // The rows ticked now: a run reads them once, at its start.
    std::array<bool, ileWierszyTransferu> zaznaczone() const;
    bool wyslijWiersze(const std::array<bool, ileWierszyTransferu> &wybrane, bool &czekaNaPrzerwe);
    void odbierzWiersze(const std::array<bool, ileWierszyTransferu> &wybrane, bool tylkoPorownaj,
                        const TProjektVXTNew &przed, const TProjektDodatkiMycie &myciePrzed);
    // Reset for a new run, with its name.
    void wyczyscWiersz(int wiersz);
    // Ended as failed, saying the user stopped it.
    void wierszPrzerwany(int wiersz);
    // Stopped before `wiersz` began: the first ticked row from it on says
    // so; false when none was left.
    bool przerwanyPrzed(int wiersz, const std::array<bool, ileWierszyTransferu> &wybrane);
    // The same for a send; false when a row was left.
    bool wysylaniePrzerwane(int wiersz, const std::array<bool, ileWierszyTransferu> &wybrane);
    bool wyslijPozycjeBloku(int wiersz);
    void bladBloku(int wiersz, bool pokazKomunikat);

    TProjektVXTNew &projekt_;
    TProjektDodatkiMycie &mycie_;
    TLockedTransmission &lockService_;
    std::array<TElementListy, ileWierszyTransferu> tabela_;
    int tagZaznacz_ = 0; // 1: every row was ticked by "Zaznacz wszystko"
    QTimer *miganie_;
};

// Creates the window over `parent`, shows it modally in mode `co` and
// hands the automatic record back; true when at least one item was read
// into the project.
bool pokazProjektRSIn(TOdbierzWyslij co, int jezykId, TAutomatOdbierania &automat, TProjektVXTNew &projekt,
                      TProjektDodatkiMycie &mycie, TLockedTransmission &lockService, QWidget *parent = nullptr);
