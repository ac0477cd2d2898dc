// The password window: one numeric password typed (transmission lock,
// service password); the caller checks it. Confirmations are counted over
// the run: after three, the next opening shows the "too many attempts" page
// that cannot be closed for 100 s. Created once and reused.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTimer;

class TFormHaslo : public QDialog {
    Q_OBJECT
public:
    explicit TFormHaslo(QWidget *parent = nullptr);

    // Shows the window modally. True on OK, with the typed text (possibly
    // empty) in a_haslo; false on cancel, a_haslo untouched.
    bool pokazOkno(const QString &A_prompt, const QString &A_opis, QString &a_haslo, int A_jezykId);
    // Three confirmations again, the freeze off.
    void InitTestHaslo();
    // The frozen page (true) or the entry page (false).
    void blokada(bool a_blokuj);
    void jezyk();

    // Handlers; the timers call the last two.
    void FormCreate();
    bool FormCloseQuery() const;
    void but_okClick();
    void Timer1Timer();
    void TimerFreezTimer();

    int jezykId = 1045;
    int licznikProb = 2; // confirmations left; below 0: frozen at the next opening
    qint64 startDt = 0;  // tick count [ms] at which the freeze began

    QStackedWidget *PageControl1;
    QWidget *TabSheet1;
    QLabel *Label1;
    QLineEdit *Edit1;
    QLabel *L_opis;
    QWidget *Panel2;
    QPushButton *but_ok;
    QPushButton *but_anuluj;
    QWidget *TabSheet2;
    QLabel *L_info;
    QLabel *Image1;
    QLabel *l_czekaj;
    QTimer *TimerFreez;
    QTimer *Timer1;

    static constexpr int czasZamrozeniaMs = 100000;

protected:
    void done(int r) override;

private:
    bool zamrozenieMinelo() const;
    void migaj(bool tak);

    QTimer *migotanie_;
    bool zgaszony_ = false;
};
