// Fixture of the editor tests: the controller simulator with a whole
// project on a pty as "COM1", the RS-485 link on it for the facades, the
// editors' connection record filled as the main window fills it (RS-485,
// address 1, 115200 baud) and the scripted seams.
#pragma once

#include "bloki_sym.h"
#include "dane_sterownika.h"
#include "edytor_listy.h"
#include "edytor_sekcji.h"
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
#include <utility>
#include <vector>

// The text a list window's grid shows in a cell (or its other role).
inline QString komorka(const TEdytorListy &o, int wiersz, int kolumna, int rola = Qt::DisplayRole)
{
    return o.memproj->index(wiersz, kolumna).data(rola).toString();
}

// A window as its entry function opens it over a copy of `dane` (a list's
// section or a record window's record), after `przygotuj` gave it what the
// entry hands it besides: shown, unchanged, not run modally.
template <class Okno, class Dane>
std::unique_ptr<Okno> oknoJakZWejscia(const Dane &dane, const std::function<void(Okno &)> &przygotuj = {})
{
    auto o = std::make_unique<Okno>();
    o->ustawJezyk(1045);
    if constexpr (requires { o->rekord; })
        kopiujRekord(o->rekord, dane);
    else
        kopiujRekord(o->dane, dane);
    if (przygotuj)
        przygotuj(*o);
    static_cast<TEdytorSekcji &>(*o).pokazDane();
    o->wynik = false;
    o->but_ok->setEnabled(false);
    o->show();
    return o;
}

// The rows of a test run over each transport: a column "lan", false for
// RS-485, true for TCP/IP.
inline void wierszeLaczy()
{
    QTest::addColumn<bool>("lan");
    QTest::newRow("RS-485") << false;
    QTest::newRow("TCP/IP") << true;
}

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
    // The request frames of one command received over the pty, in order.
    QList<QByteArray> ramkiKomendy(char f, uint8_t sub) const
    {
        QList<QByteArray> w;
        for (const QByteArray &r : pty.ramki())
            if (r.size() > 5 && r.at(1) == f && uint8_t(r.at(2)) == sub)
                w << r;
        return w;
    }
    // Bus frames in the order received, over whichever transport carried
    // them (TCP/IP frames without their serial number).
    std::vector<QByteArray> ramkiObu() const
    {
        std::vector<QByteArray> w = pty.ramki();
        for (const QByteArray &r : tcp.ramki())
            w.push_back(r.mid(4));
        return w;
    }
    // Payloads of the requests of one command, over either transport.
    std::vector<QByteArray> dane(char f, uint8_t sub) const
    {
        std::vector<QByteArray> w;
        for (const QByteArray &r : ramkiObu())
            if (r.size() >= 7 && r.at(1) == f && uint8_t(r.at(2)) == sub)
                w.push_back(r.mid(5, r.size() - 7));
        return w;
    }
    // From now on each message processing notes the clock and the number of
    // frames received so far, for najdluzszaCisza.
    void notujChwile()
    {
        chwile_.clear();
        zegar.naPrzetworz = [this] { chwile_.emplace_back(zegar.teraz, ramkiObu().size()); };
    }
    // Among the notes: the longest stretch of the clock in which no frame
    // came, and the number of frames received before it.
    std::pair<qint64, size_t> najdluzszaCisza() const
    {
        std::pair<qint64, size_t> w{0, 0};
        for (size_t a = 0; a < chwile_.size();) {
            size_t b = a;
            while (b + 1 < chwile_.size() && chwile_[b + 1].second == chwile_[a].second)
                ++b;
            if (chwile_[b].first - chwile_[a].first > w.first)
                w = {chwile_[b].first - chwile_[a].first, chwile_[a].second};
            a = b + 1;
        }
        return w;
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

private:
    std::vector<std::pair<qint64, size_t>> chwile_;
};
