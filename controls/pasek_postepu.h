// The progress window of the editors' transfers: a label, a gauge and
// "Anuluj", which only raises `koniec`; the running loop polls it.
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

class TpasekPostepu : public QWidget {
    Q_OBJECT
public:
    explicit TpasekPostepu(QWidget *parent = nullptr);

    QLabel *L_info;
    QProgressBar *Gauge1;
    QPushButton *SpeedButton1;

    // True once "Anuluj" was pressed; the caller clears it before a transfer.
    bool koniec = false;

    void SpeedButton1Click();

protected:
    void changeEvent(QEvent *e) override;

private:
    friend void pokazPostep(int pozycja, int maksimum, const QString &tekst);
    void tekstyPrzyciskow();
    bool tekstDomyslny_ = true; // L_info shows "Czekaj..." and follows the language
};

// The one progress window of the run, created on first use.
TpasekPostepu &pasekPostepu();

// Shows or advances the progress window. An empty text shows "Czekaj...".
// The window is application-modal while shown, so its "Anuluj" works inside
// any modal editor and nothing else can start a transfer meanwhile; message
// boxes opened during the transfer are owned by it and stack above it.
// Hiding it is the caller's duty.
void pokazPostep(int pozycja, int maksimum, const QString &tekst = QString());

// Top-left corner that centres a window on the screen: left not below 0,
// top not limited.
QPoint polozenieNaSrodku(const QSize &ekran, const QSize &okno);

// While an exchange with the controller or a background operation runs
// (wejscieCzeka(), operacja.h), user input (mouse buttons, keys, wheel,
// shortcuts) meant for a window that could start a second exchange in the
// middle of the first waits: it is kept in order and handed on when they
// end. The progress window, the windows shown meanwhile (a message box of
// the exchange) and a window whose own operation runs (its controls that
// cannot act are disabled) take their input at once. Installed once, on
// the running application; it goes with it.
void wstrzymajWejsciePodczasWymiany();
