// The controller's clock: the PC's date and time beside the controller's,
// read from its live readings every 700 ms, how far the controller is off,
// and "Wyślij", which sets the controller's clock from the PC's. Created
// once and reused.
#pragma once

#include "rekordy_we_wy.h"
#include "ustawienia_polaczenia.h"

#include <QDateTime>
#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QStackedWidget;
class QTimer;

// Sets the controller's clock over the record's transport (transport.h;
// TCP/IP: the runner with one attempt); unless cicho, "Brak komunikacji" on
// failure.
bool ustawZegarSterownika(bool cicho, const TUstawieniaSterownika &u, const QDateTime &czas);

// The two clocks differ by more than 5 minutes.
bool czasRozniSiePonad5Min(const QDateTime &a, const QDateTime &b);

// The controller's offset as shown: "+" (ahead) or "-" and the time text
// of |roznica| + 0.78 s; empty when the clocks are within about 1.5 s of
// each other or a day or more apart.
QString tekstRoznicyCzasu(qint64 roznicaMs);

class TFormDataCzas : public QDialog {
    Q_OBJECT
public:
    explicit TFormDataCzas(QWidget *parent = nullptr);

    // Prepares the window (waiting page, polling on) and shows it modally;
    // the polling stops when it closes.
    void pokazOkno(int A_jezykId);
    // What pokazOkno does before showing the window.
    void przygotujOkno(int A_jezykId);
    void jezyk();

    // One reading of the controller's clock; the timer calls it.
    void Timer1Timer();
    void but_wyslijClick();

    // The PC's date and time.
    std::function<QDateTime()> teraz = [] { return QDateTime::currentDateTime(); };

    TUstawieniaSterownika DaneSterownika;
    TOdczyty odczyty{};
    bool statusOk = false;
    int jezykId = 1045;

    QStackedWidget *PageControl1;
    QWidget *TabSheet1, *TabSheet2;
    QLabel *l_wait;
    QLabel *L_pcdataczas, *L_pcdt, *L_dataczas, *l_dt, *L_diff;
    QPushButton *but_wyslij, *but_zamknij;
    QTimer *Timer1;

    static constexpr int odstepOdczytuMs = 700;

protected:
    void done(int r) override;
    void changeEvent(QEvent *e) override;

private:
    void wyslij();
    // The readings and what they show.
    void odczytaj();
    QTimer *migotanie_;
    bool wyslijPoOdczycie_ = false; // "Wyślij" pressed during a reading
};
