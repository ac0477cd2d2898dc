// Garbled replies: random bytes, truncated and spoiled frames through every
// exchange and command. Nothing may crash, hang or read past the reply.
#include "lacze_sym.h"
#include "port_skrypt.h"

#include "ramka.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <set>

namespace {

const std::set<int> znaneWyniki = {0, 1, 3, 4, 5, 7, 8, 10, 66, 217};

// One call of an exchange or command, picked by number.
int wywolaj(TFkomunikacja &k, int ktore, const TParamTrans &t, QRandomGenerator &los)
{
    TUstawieniaSterownika u;
    u.ParametryTransmisji = t;
    QByteArray odp;
    int n = 0;
    switch (ktore) {
    case 0: {
        QString s;
        return k.CzytajTypSterownika(1, t, s);
    }
    case 1: {
        TOdczyty o{};
        return k.CzytajStatusKVOR350(1, t, o);
    }
    case 2: {
        int ns = 0;
        return k.CzytajNumerSeryjnyKVOR350(1, t, ns);
    }
    case 3: {
        bool b = false;
        return k.CzytajlockKVOR350(1, t, b);
    }
    case 4:
        return k.ZapiszUnlockKVOR350(1, t, los.generate());
    case 5:
        return k.ZapiszLockKVOR350(u);
    case 6:
        return k.set73onOffKVOR350(u, los.bounded(2) == 0);
    case 7:
        return k.ZapiszCzaskVOR350(QDateTime(QDate(2024, 2, 29), QTime(1, 2, 3)), 1, t);
    case 8: {
        TModulyWejWyKonfig m{};
        return k.CzytajModulyKVOR350(1, t, m);
    }
    case 9:
        return k.ZapisModulyKvor350(1, t, TModulyWejWyKonfig{1, 2, 3, 4});
    case 10: {
        TFunkcjeKvor3 s{};
        return k.CzytajKomSetupKvor350(1, t, s);
    }
    case 11: {
        QByteArray b = ZbudujRamke(1, 'F', 0x07);
        return k.WyslijRamkeBajty(b, int(b.size()), t, int(los.bounded(0, 40)));
    }
    case 12:
        return k.WyslijRamke(ZbudujRamke(1, 'F', 0x07), odp, int(los.bounded(-2, 40)), n, t);
    default:
        return k.WyslijRamkeDlugosc(ZbudujRamke(1, 'G', 0x09), odp, n, t);
    }
}
constexpr int ileWywolan = 14;

// A reply worth feeding: random, or a valid frame spoiled one way or another.
QByteArray zepsuta(QRandomGenerator &los)
{
    const int dl = int(los.bounded(0, 24));
    QByteArray b(dl, '\0');
    for (char &c : b)
        c = char(los.bounded(256));
    switch (los.bounded(5)) {
    case 0:
        return b; // noise
    case 1: {     // a valid header with any length field, random body
        QByteArray r = hex("01 46 07");
        r.append(char(los.bounded(256)));
        r.append(char(los.bounded(256)));
        return r + b;
    }
    case 2: { // a valid frame cut short
        QByteArray r = SterownikSym::zbuduj(1, 'G', 0x08, b.left(3));
        r.truncate(los.bounded(qsizetype(r.size()) + 1));
        return r;
    }
    case 3: { // a valid frame with one byte changed
        QByteArray r = SterownikSym::zbuduj(1, char(los.bounded('F', 'K')), uint8_t(los.bounded(256)), b);
        r[los.bounded(qsizetype(r.size()))] = char(los.bounded(256));
        return r;
    }
    default: // a valid frame of any length
        return SterownikSym::zbuduj(int(los.bounded(3)), 'G', 0x07, b);
    }
}

} // namespace

TEST_F(LaczeSym, ZepsuteOdpowiedziNaPty)
{
    lacze->ustawCzasOdczytu(5);
    lacze->ustawMnoznikOdczytu(0);
    QRandomGenerator los(20240611);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < 150; ++i) {
        const int ktore = int(los.bounded(ileWywolan));
        const QByteArray odpowiedz = zepsuta(los);
        usterki.dodaj(PlanUsterek::kazde, {RodzajUsterki::Surowa, 0, odpowiedz}, PlanUsterek::zawsze);
        lacze->UjemneOfesty[0] = los.bounded(4) == 0;
        const int w = wywolaj(*lacze, ktore, trans, los);
        EXPECT_TRUE(znaneWyniki.count(w))
            << "call " << ktore << " reply " << odpowiedz.toHex(' ').toStdString() << " gave " << w;
        poczekajNaSym();
    }
    EXPECT_LT(t.elapsed(), 20000);
}

TEST(ZepsuteOdpowiedzi, PortBezUrzadzenia)
{
    ZegarTestowy zegar;
    KomunikatySkrypt komunikaty;
    auto p = std::make_unique<PortSkrypt>();
    PortSkrypt *port = p.get();
    port->czyscOdpowiedz = true;
    TFkomunikacja k(std::move(p));
    k.porty().ustawOdczytKlucza([](const QString &) { return QStringLiteral("/dev/ttyTEST"); });
    TParamTrans t;
    t.predkosc = 6;
    QRandomGenerator los(77);
    for (int i = 0; i < 20000; ++i) {
        // The reply lands after the buffers were cleared: script it per read.
        const QByteArray odpowiedz = zepsuta(los);
        port->czyscOdpowiedz = false;
        port->odpowiedz = odpowiedz;
        k.UjemneOfesty[0] = los.bounded(4) == 0;
        const int ktore = int(los.bounded(ileWywolan));
        const int w = wywolaj(k, ktore, t, los);
        ASSERT_TRUE(znaneWyniki.count(w))
            << "call " << ktore << " reply " << odpowiedz.toHex(' ').toStdString() << " gave " << w;
    }
}
