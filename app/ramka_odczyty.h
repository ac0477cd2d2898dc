// The current-state frame of the main window: the controller's name and
// serial number, firmware and protocol versions with a note when a newer
// firmware exists, its date and time, its state and the transmission-lock
// indicator. Transparent, so the window's background shows through.
#pragma once

#include <QDateTime>
#include <QWidget>

#include <functional>

class QLabel;

class TFrameBiezaceOdczyty : public QWidget {
    Q_OBJECT
public:
    explicit TFrameBiezaceOdczyty(QWidget *parent = nullptr);

    // "%d.%d" of n div 1000 and n mod 1000 above 998, else "%d.%2.2d" of
    // n div 100 and n mod 100.
    static QString tekstWersjiSterownika(int n);

    void setHide(bool b);
    void setNieobslugiwane(bool b);
    void setBlokadaTrans(bool b);
    void setNazwa(const QString &tekst);
    void setWersja(int n);
    void setWersjaProtokolu(int p);
    void setWersjaOstatnia(int n);
    // Not shown while the lock indicator is on.
    void setInformacja(const QString &tekst);
    // An invalid time shows "******".
    void setDataCzas(const QDateTime &t);
    void setActive(bool b);
    void jezyk(int id);

    bool ukryta() const { return FHide; }
    bool nieobslugiwane() const { return FNieobslugiwane; }
    bool BlokadaTransmisji() const { return FBlokadaTrans; }
    int wersja() const { return FWersja; }
    int wersjaProtokolu() const { return FWersjaProtokolu; }
    bool active() const { return Factive; }
    bool dtBlad() const { return FdtBlad; }

    // The PC's time the controller's clock is compared with.
    std::function<QDateTime()> teraz = [] { return QDateTime::currentDateTime(); };

    QLabel *LABEL_sterownik, *l_nazwa, *L_nazwaInfo;
    QLabel *LABEL_wersja, *L_wersja, *L_wersjaInfo;
    QLabel *LABEL_DATA, *L_dt;
    QLabel *LABEL_STAN, *L_info;

    int jezykId = 1045;

    static constexpr int maksymalnaRoznicaCzasuS = 5 * 60;

protected:
    void changeEvent(QEvent *e) override;

private:
    void odswiezKolory();
    void pokazWersje();
    QString notkaWersji() const;
    void rozmiesc();

    bool FHide = true;
    bool FBlokadaTrans = false;
    int FWersja = 0;
    int FWersjaProtokolu = 0;
    int FWersjaOstatnia = 0;
    bool FNieobslugiwane = false;
    bool Factive = false;
    bool FdtBlad = false;
    QString informacja_; // the state text behind the lock indicator
};
