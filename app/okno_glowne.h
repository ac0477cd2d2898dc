// The main window: builds the section buttons, the connection controls and
// the menus, and wires them, its three timers and the lock of its controls
// while an operation runs to the units that act: the connection test
// (sprawdzenie_polaczenia.h), the automatic reading (odczyt_automatyczny.h)
// and its keys in "ustawienia.ini" (ustawienia_okna.h), read at creation
// and first showing and written at closing.
#pragma once

#include "blokada.h"
#include "projekt.h"
#include "ramka_odczyty.h"
#include "ustawienia_lacza.h"
#include "ustawienia_polaczenia.h"

#include <QMainWindow>
#include <QPoint>
#include <QStringList>

#include <functional>
#include <memory>

class PlikIni;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSpinBox;
class QTabWidget;
class QTimer;
class TAOLButton;
class TIntEdit;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // argumenty: the command line without the program's name.
    explicit TForm1(QStringList argumenty = {}, QWidget *parent = nullptr);
    ~TForm1() override;

    TBiezacyProjekt projekt;
    int jezykId = 2057;              // 1045 Polish, 1049 Russian, 2057 English
    UstawieniaLacza ustawieniaLacza; // read at the first showing, for the serial link
    // The window's own connection record: automatic reading, connection
    // test, lock command at closing.
    TUstawieniaSterownika ustawieniaGlowne;
    TLockedTransmission lockService;
    // The program file the language modules are looked for beside (empty:
    // this program's own).
    QString sciezkaProgramu;
    // The system's serial devices, for the port list (replaceable for tests).
    std::function<QStringList()> listaUrzadzen;

    // --- steps of the automatic reading, replaceable for tests ----------
    // One step of the automatic reading.
    std::function<void()> CzytajAutomatycznie;
    // Marks the current-state frame active (in front) or inactive.
    std::function<void(bool)> ustawRamkeAktywna;
    // The window is showing and in front; replaceable for tests.
    std::function<bool()> naPierwszymPlanie;

    // Gives a section button or a menu item its command. Until then it
    // stays disabled: blokuj(false) enables only what has a command.
    void podlacz(TAOLButton *przycisk, std::function<void()> polecenie);
    void podlacz(QAction *pozycja, std::function<void()> polecenie);

    // The look of the lock while an operation of the window runs (its
    // TOperacja, operacja.h, calls it): section buttons, menus and the
    // items panel off. Processes no events.
    void blokuj(bool zablokuj);
    void dostosujWersje();
    // Sets every text of the window in the current language.
    void jezyk();
    // Switches the program's language: 1045 Polish, 1049 Russian, 2057
    // English; without a language module the Polish texts stay.
    void zmienJezyk(int id);

    // Fills the connection record from the connection controls; unless
    // bezSprawdzeniaBlokady, runs the lock check after.
    void wezUstawieniaSterownika(TUstawieniaSterownika &u, bool bezSprawdzeniaBlokady);
    // "Test połączenia".
    void Aol_TestClick();
    // The port list's texts: each "COM<n>" with the device it opens here.
    void odswiezPorty();

    void TimerStarterTimer();
    void TimerAutomatTimer();
    void Timer1Timer();
    void cb_automatClick();
    void L_automatClick();
    void AOL_doClick();
    void FormMouseMove(QPoint p);
    // The connection controls changed: the default-name data are reset
    // and the test result is hidden.
    void ComboBoxPortChange();
    void Wyjcie1Click();
    // False when the window stays open.
    bool FormCloseQuery();
    // Writes the settings; false when the file could not be written.
    bool FormClose();

    // Section buttons, in the colour groups of the panel.
    TAOLButton *AOL_Ai, *AOL_do, *AOL_Ao, *AOL_di, *aol_moduly;
    TAOLButton *AOL_setup, *AOL_zadane, *AOL_dodatki, *AOL_wilgotnosc, *AOL_stany;
    TAOLButton *AOL_kroki, *AOL_programy;
    TAOLButton *AOL_krokiMycia, *AOL_programMycia, *AOL_mycieUstaw;
    QWidget *itemsPanel;
    TAOLButton *itemKonfiguracja, *itemAlarmy;

    // Connection controls.
    TAOLButton *Aol_Test;
    QLabel *L_ok;
    QTabWidget *pg_transmisjaRodzaj;
    QWidget *TS_rs, *TS_eth;
    QComboBox *ComboBoxPort;
    TIntEdit *IntEditAdres;
    QComboBox *ComboBoxPredkosc;
    QSpinBox *se_numerSeryjny;
    QLineEdit *adresIp;
    QLabel *L_com, *L_adres, *L_predkosc, *L_numerSeryjny, *L_adresIp;
    QCheckBox *cb_automat;
    QLabel *L_automat = nullptr; // eventFilter compares with it before it is made
    // Hidden until a reading succeeds.
    TFrameBiezaceOdczyty *FrameBiezaceOdczyty1;
    QLabel *Label1;

    QTimer *TimerStarter, *TimerAutomat, *Timer1;
    // 1 while blokuj shows the window locked.
    int TimerAutomatTag() const { return zablokowany_ ? 1 : 0; }

    QMenu *Plik, *Projekt, *Narzedzia, *WybierzJezyk;
    QAction *Nowy, *Otworz, *Zapisz, *ZapiszJako, *Wyjscie;
    QAction *OdczytProjektu, *WysylanieProjektu;
    QAction *WyslanieLogo, *AktualizacjaFirmware, *WyslanieGrafik, *Polski, *Angielski, *DataCzas;
    QAction *Rosyjski; // not in the menu: reached through the settings file

    PlikIni &ustawienia() { return *FDlaIni; }

protected:
    void changeEvent(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void zbudujPrzyciski(QWidget *tlo);
    void zbudujPolaczenie(QWidget *tlo);
    void zbudujMenu();
    void FormShow();
    void zastosujUstawieniaLacza();
    QString kluczPortu(const QString &klucz) const;
    bool dostepny(const QObject *o) const;

    QStringList argumenty_;
    std::unique_ptr<PlikIni> FDlaIni;
    QTimer *zamknijPoWymianie_;           // closes the window once an exchange has ended
    QList<TAOLButton *> przyciskiSekcji_; // those blokuj switches
    QList<const QObject *> dostepne_;     // have a command
    bool pokazany_ = false;
    bool odblokowany_ = false; // blokuj(false) ran at least once
    bool zablokowany_ = false;
};
