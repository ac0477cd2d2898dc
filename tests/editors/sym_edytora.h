// Fixture of the editor tests: the controller simulator with a whole
// project on a pty as "COM1", the RS-485 link on it for the facades, the
// editors' connection record filled as the main window fills it (RS-485,
// address 1, 115200 baud) and the scripted seams.
#pragma once

#include "bloki_sym.h"
#include "dane_sterownika.h"
#include "komunikacja.h"
#include "komunikaty_skrypt.h"
#include "lan.h"
#include "okno_modalne.h"
#include "pasek_postepu.h"
#include "port_qt.h"
#include "powtorz.h"
#include "symulator_pty.h"
#include "symulator_tcp.h"

#include <QLabel>
#include <QProgressBar>
#include <QtTest>

#include <functional>

#include <memory>

class SymulatorEdytora {
public:
    SymulatorEdytora()
    {
        QString blad;
        gotowy = pty.uruchom(&blad);
        if (!gotowy)
            qWarning("%s", qPrintable(blad));
        lacze = std::make_unique<TFkomunikacja>(std::make_unique<PortQt>());
        const QString sciezka = pty.sciezka();
        lacze->porty().ustawOdczytKlucza(
            [sciezka](const QString &k) { return k == QLatin1String("COM1Device") ? sciezka : QString(); });
        lacze->porty().ustawListeUrzadzen([] { return QStringList(); });
        ustawFkomunikacja(lacze.get());
        ustawZrodloUstawien([this](TUstawieniaSterownika &u, bool bezBlokady) {
            ++pobrania;
            if (!bezBlokady)
                ++sprawdzeniaBlokady;
            u = TUstawieniaSterownika{};
            u.adresRS = 1;
            u.ParametryTransmisji.port = 0;
            u.ParametryTransmisji.predkosc = 12;
            u.lan.LAN_ACTIVE = lanAktywny;
            u.lan.LAN_IP = tcp.adres();
            u.lan.NUMER_SERYJNY = int(sterownik.stan().numerSeryjny);
            u.lan.count = probyLan;
        });
        ustawFormLan(&lan);
        // The faults here are complete replies, which end a read at once: the
        // time-out is never waited out and leaves a busy machine room.
        timeoutStand = 3000;
        pasekPostepu().koniec = false;
    }
    ~SymulatorEdytora()
    {
        ustawZrodloUstawien({});
        ustawFormLan(nullptr);
        tcp.zatrzymaj();
        ustawFkomunikacja(nullptr);
        lacze.reset();
        pty.naRamke = nullptr;
        pty.zatrzymaj();
        timeoutStand = 1000;
        iloscPowtorzen = 3;
        pasekPostepu().hide();
    }

    // The editors' record selects TCP/IP, to the simulator's network front
    // on a loopback address of its own.
    bool przezLan()
    {
        QString blad;
        if (!tcp.uruchomNaWolnymAdresie(portLan, &blad)) {
            qWarning("%s", qPrintable(blad));
            return false;
        }
        lanAktywny = 1;
        return true;
    }

    // The controller holds sample project `ziarno` (BlokiSym::przykladowy),
    // changed by `zmien` first.
    void przykladowyProjekt(uint32_t ziarno, const std::function<void(TProjektVXTNew &)> &zmien = {})
    {
        auto p = std::make_unique<TProjektVXTNew>();
        TProjektDodatkiMycie m{};
        BlokiSym::przykladowy(*p, m, ziarno);
        if (zmien)
            zmien(*p);
        bloki.ustaw(*p, m);
    }

    // The rows "RS-485" and "TCP/IP" of a test's bool column "lan".
    static void wierszeTransportow()
    {
        QTest::addColumn<bool>("lan");
        QTest::newRow("RS-485") << false;
        QTest::newRow("TCP/IP") << true;
    }
    // The transport of a "lan" row: TCP/IP when it is set.
    bool transport(bool lanRow) { return !lanRow || przezLan(); }

    // The progress window as the transfers last showed it while it was up.
    struct Postep {
        QString tekst;
        int pozycja = -1;
    };
    Postep postep;
    // From now on every message processing notes the progress window.
    void sledzPostep()
    {
        zegar.naPrzetworz = [this] {
            if (pasekPostepu().isVisible())
                postep = {pasekPostepu().L_info->text(), pasekPostepu().Gauge1->value()};
        };
    }

    // Request frames of one command received so far.
    int ramki(char f, uint8_t sub) const
    {
        int n = 0;
        for (const QByteArray &r : pty.ramki())
            n += r.size() > 2 && r.at(1) == f && uint8_t(r.at(2)) == sub;
        return n;
    }
    // From the (n+1)-th request of the command on, its replies carry a bad CRC.
    void zepsujOd(char f, uint8_t sub, int n)
    {
        if (n == 0) {
            usterki.dodaj(f, sub, {RodzajUsterki::ZleCRC}, PlanUsterek::zawsze);
            return;
        }
        auto ile = std::make_shared<int>(0);
        pty.naRamke = [this, f, sub, n, ile](const QByteArray &r, const QByteArray &) {
            if (r.size() > 2 && r.at(1) == f && uint8_t(r.at(2)) == sub && ++*ile == n)
                usterki.dodaj(f, sub, {RodzajUsterki::ZleCRC}, PlanUsterek::zawsze);
        };
    }

    ZegarTestowy zegar;
    KomunikatySkrypt komunikaty;
    SterownikSym sterownik;
    BlokiSym bloki{sterownik};
    PlanUsterek usterki;
    SymulatorPty pty{sterownik, usterki};
    SymulatorTcp tcp{sterownik, usterki};
    TFormLan lan;
    std::unique_ptr<TFkomunikacja> lacze;
    bool gotowy = false;
    int lanAktywny = 0;
    int probyLan = 3; // lan.count of the record
    int pobrania = 0;
    int sprawdzeniaBlokady = 0;
};
