// The RS-485 link: owns the serial port, carries out one exchange at a
// time (frame out, reply in, length, CRC and address checked, frame log)
// and holds the bus commands built on it. Created once; no window.
#pragma once

#include "port_szeregowy.h"
#include "porty.h"
#include "rekordy_we_wy.h"
#include "ustawienia_polaczenia.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

// Module settings of the link; the shell loads them from "Parametry".
extern int IleSleep;       // [ms] direction-switch waits of the manual mode
extern bool TransmisjaNT;  // forces the block-write mode
extern int timeoutStand;   // [ms] standard read time-out of the facades
extern int iloscPowtorzen; // attempts per command of the facades
extern bool logujRamki;    // frame log "trans.txt" on

// The lock-state command's answer from a controller that does not know it:
// such a controller has no transmission lock. A definite answer, not
// retried.
constexpr int kodNieznanePolecenieBlokady = 217;

class TFkomunikacja : public QObject {
    Q_OBJECT
public:
    // Takes the port (nullptr: the system's serial port).
    explicit TFkomunikacja(std::unique_ptr<IPortSzeregowy> port = nullptr, QObject *parent = nullptr);
    ~TFkomunikacja() override;

    // --- exchanges -----------------------------------------------------
    // Fixed-length exchange: sends the frame and reads N reply bytes.
    int WyslijRamke(const QByteArray &ramka, QByteArray &odpowiedz, int N, int &odebrano, const TParamTrans &trans);
    // Length-prefixed exchange: the reply's length comes from its header.
    int WyslijRamkeDlugosc(const QByteArray &ramka, QByteArray &odpowiedz, int &odebrano, const TParamTrans &trans);
    // Sends the first ile bytes; on success the array becomes the reply.
    int WyslijRamkeBajty(QByteArray &bajty, int ile, const TParamTrans &trans, int N);
    // Appends one exchange to "trans.txt" while logujRamki is set; the
    // first time the file cannot be written is reported, once.
    void ZapiszRamki(const QByteArray &wys, const QByteArray &wyn, int wynik);
    // True when the port can be opened; the port stays open.
    bool CzyPortDostepny(const TParamTrans &trans);
    void zamknijPort();

    // --- port settings ---------------------------------------------------
    // Read total constant [ms] (the facades set it before a command).
    void ustawCzasOdczytu(int ms) { czasOdczytu_ = ms; }
    int czasOdczytu() const { return czasOdczytu_; }
    // Read time-out per requested byte [ms] (1 on the bus).
    void ustawMnoznikOdczytu(int ms) { mnoznikOdczytu_ = ms; }
    // Inter-byte read interval [ms], 0 = no limit.
    void ustawOdstepOdczytu(int ms) { odstepOdczytu_ = ms; }
    int odstepOdczytu() const { return odstepOdczytu_; }

    // One flag per port 0..15: the converter puts 0x00 before each reply.
    bool UjemneOfesty[16] = {};
    bool ujemnyOffset(int port) const { return port >= 0 && port < 16 && UjemneOfesty[port]; }

    // The driver switches the direction (true on Linux); false selects the
    // manual mode unless TransmisjaNT is set.
    void ustawKierunekSterownika(bool tak) { kierunekSterownika_ = tak; }
    bool trybBlokowy() const { return kierunekSterownika_ || TransmisjaNT; }

    RozwiazywaczPortow &porty() { return porty_; }
    // Time stamp of the frame log.
    void ustawZrodloCzasu(std::function<QDateTime()> f) { czas_ = std::move(f); }
    // The log's date and time text: short date, long time without zone.
    static QString znacznikCzasu(const QDateTime &t);

    // --- commands without section data ---------------------------------
    int CzytajTypSterownika(int adres, const TParamTrans &trans, QString &typ);
    int CzytajNumerSeryjnyKVOR350(int adres, const TParamTrans &trans, int &A_ns);
    int CzytajStatusKVOR350(int adres, const TParamTrans &trans, TOdczyty &TabOdczyty);
    int CzytajlockKVOR350(int adres, const TParamTrans &trans, bool &A_blokada);
    int ZapiszUnlockKVOR350(int adres, const TParamTrans &trans, uint32_t A_password);
    int ZapiszLockKVOR350(const TUstawieniaSterownika &A_ds);
    int set73onOffKVOR350(const TUstawieniaSterownika &A_ust, bool A_start);
    int ZapiszCzaskVOR350(const QDateTime &czas, uint8_t adres, const TParamTrans &trans);
    int CzytajModulyKVOR350(int adres, const TParamTrans &trans, TModulyWejWyKonfig &moduly);
    // Always in a session of its own; the flag is accepted and ignored.
    int ZapisModulyKvor350(int adres, const TParamTrans &trans, const TModulyWejWyKonfig &moduly,
                           bool A_BypassSet73 = false);
    int CzytajKomSetupKvor350(int adres, const TParamTrans &trans, TFunkcjeKvor3 &setup);
    int ZapisKomSetupKvor350(int adres, const TParamTrans &trans, const TFunkcjeKvor3 &setup);

    // --- shared by the block commands ----------------------------------
    // One fixed-length command: frame built from the parts, reply in odp.
    int polecenie(int adres, char funkcja, uint8_t podkomenda, const QByteArray &dane, int N, const TParamTrans &trans,
                  QByteArray &odp);
    // Opens (I 0x81) or closes (I 0x82) a write session.
    int sesjaZapisu(int adres, const TParamTrans &trans, bool start);
    // The block-write pattern: without `wszystkie` the blocks go inside a
    // session of their own, closed in every case once opened.
    int zapisBlokowy(int adres, const TParamTrans &trans, bool wszystkie, const std::function<int()> &bloki);

private:
    enum class Otwarcie { ZKomunikatem, BezKomunikatu };
    int wybierzPort(const TParamTrans &trans, Otwarcie tryb);
    bool otworzBiezacy(QString *powod);
    // The read time-out of n bytes: the constant plus n times the
    // multiplier, kept within 0..INT_MAX whatever the settings hold.
    int czasCzytania(int n) const;
    void zglosBladDziennika(const QString &sciezka, const QString &powod);
    bool nadaj(const QByteArray &ramka);
    int czytajZOffsetem(int n, int port, QByteArray &odp);

    std::unique_ptr<IPortSzeregowy> port_;
    RozwiazywaczPortow porty_;
    std::function<QDateTime()> czas_;
    QString nazwa_ = QStringLiteral("COM1");
    int numer_ = 0; // port number behind nazwa_
    int kodPredkosci_ = 6;
    int czasOdczytu_ = 99;
    int mnoznikOdczytu_ = 1;
    int odstepOdczytu_ = 0;
    bool kierunekSterownika_ = true;
    bool bladDziennikaZgloszony_ = false;
};
