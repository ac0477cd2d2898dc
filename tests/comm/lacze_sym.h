// Fixture: the link on the simulator's pty as "COM1", a fake clock for the
// link's own sleeps, a scripted message service and a temporary program
// folder for the frame log.
#pragma once

#include "gtest_qt.h"
#include "komunikacja.h"
#include "komunikaty_skrypt.h"
#include "port_qt.h"
#include "sciezki.h"
#include "symulator_pty.h"
#include "wymiana.h"

#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Counts the opens of the real port it wraps.
class PortLiczacy final : public IPortSzeregowy {
public:
    bool otworz(const QString &u, int baud, QString *powod) override
    {
        ++otwarcia;
        ostatniBaud = baud;
        return p.otworz(u, baud, powod);
    }
    void zamknij() override { p.zamknij(); }
    bool otwarty() const override { return p.otwarty(); }
    bool ustawBrakParzystosci() override { return p.ustawBrakParzystosci(); }
    bool wyczyscBufory() override { return p.wyczyscBufory(); }
    qint64 zapisz(const QByteArray &d) override { return p.zapisz(d); }
    bool zapiszZnak(char z) override { return p.zapiszZnak(z); }
    bool oproznij() override { return p.oproznij(); }
    void ustawRTS(bool s) override { p.ustawRTS(s); }
    void ustawDTR(bool s) override { p.ustawDTR(s); }
    QByteArray czytaj(int n, int c, int o) override { return p.czytaj(n, c, o); }

    PortQt p;
    int otwarcia = 0;
    int ostatniBaud = 0;
};

class LaczeSym : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString blad;
        ASSERT_TRUE(pty.uruchom(&blad)) << blad.toStdString();
        ASSERT_TRUE(katalog.isValid());
        ustawKatalogProgramu(katalog.path());
        nadpisania[QStringLiteral("COM1Device")] = pty.sciezka();
        auto wlasny = std::make_unique<PortLiczacy>();
        port = wlasny.get();
        lacze = std::make_unique<TFkomunikacja>(std::move(wlasny));
        lacze->porty().ustawOdczytKlucza([this](const QString &k) { return nadpisania.value(k); });
        lacze->porty().ustawListeUrzadzen([] { return QStringList(); });
        lacze->ustawCzasOdczytu(czasOdpowiedzi);
        trans.port = 0;
        trans.predkosc = 12;
    }
    void TearDown() override
    {
        lacze.reset();
        pty.zatrzymaj();
        ustawKatalogProgramu(QString());
        logujRamki = false;
        TransmisjaNT = false;
        IleSleep = 5;
    }
    // Lets a slow or faulty reply finish before the next exchange.
    void poczekajNaSym() { ASSERT_TRUE(pty.czekajNaBezczynnosc(10000)); }

    // Read time-outs. Every reply the simulator sends arrives within
    // czasOdpowiedzi however busy the machine, and a complete one ends the
    // read at once. A test that expects a reply cut short lets the read end
    // 100 ms after the last byte (koniecPoPrzerwie); one that expects no
    // reply at all, or no rest of one, gives up after czasCiszy (czekajCiszy),
    // which still leaves the replies that do come room to arrive.
    static constexpr int czasOdpowiedzi = 5000;
    static constexpr int czasCiszy = 500;
    void koniecPoPrzerwie() { lacze->ustawOdstepOdczytu(100); }
    void czekajCiszy()
    {
        lacze->ustawCzasOdczytu(czasCiszy);
        lacze->ustawMnoznikOdczytu(0);
    }
    void czekajOdpowiedzi()
    {
        lacze->ustawCzasOdczytu(czasOdpowiedzi);
        lacze->ustawMnoznikOdczytu(1);
        lacze->ustawOdstepOdczytu(0);
    }

    ZegarTestowy zegarTestowy;
    KomunikatySkrypt komunikaty;
    SterownikSym sterownik;
    PlanUsterek usterki;
    SymulatorPty pty{sterownik, usterki};
    QTemporaryDir katalog;
    QMap<QString, QString> nadpisania;
    PortLiczacy *port = nullptr;
    std::unique_ptr<TFkomunikacja> lacze;
    TParamTrans trans;
};

inline QByteArray hex(const char *s) { return QByteArray::fromHex(s); }

// Counts the fake clock's message processing while it lives, and whether
// each came inside an exchange in progress.
class PrzetworzeniaWWymianie {
public:
    explicit PrzetworzeniaWWymianie(ZegarTestowy &z) : z_(z)
    {
        z_.naPrzetworz = [this] {
            ++ile;
            wWymianie = wWymianie && wymianaWToku();
        };
    }
    ~PrzetworzeniaWWymianie() { z_.naPrzetworz = nullptr; }
    PrzetworzeniaWWymianie(const PrzetworzeniaWWymianie &) = delete;
    PrzetworzeniaWWymianie &operator=(const PrzetworzeniaWWymianie &) = delete;

    int ile = 0;
    bool wWymianie = true;

private:
    ZegarTestowy &z_;
};
