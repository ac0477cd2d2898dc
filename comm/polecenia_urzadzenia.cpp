// Bus commands that carry no section data.
#include "komunikacja.h"

#include "crc.h"
#include "nazwy.h"
#include "odczyty.h"
#include "pomocnicze.h"
#include "ramka.h"
#include "wymiana.h"

int TFkomunikacja::polecenie(int adres, char funkcja, uint8_t podkomenda, const QByteArray &dane, int N,
                             const TParamTrans &trans, QByteArray &odp)
{
    int odebrano = 0;
    return WyslijRamke(ZbudujRamke(adres, funkcja, podkomenda, dane), odp, N, odebrano, trans);
}

int TFkomunikacja::sesjaZapisu(int adres, const TParamTrans &trans, bool start)
{
    QByteArray odp;
    return start ? polecenie(adres, magistrala::I, 0x81, {}, 8, trans, odp)
                 : polecenie(adres, magistrala::I, 0x82, {}, 7, trans, odp);
}

int TFkomunikacja::zapisBlokowy(int adres, const TParamTrans &trans, bool wszystkie, const std::function<int()> &bloki)
{
    if (wszystkie)
        return bloki();
    if (const int w = sesjaZapisu(adres, trans, true))
        return w;
    const int wBloku = bloki();
    const int wZamkniecia = sesjaZapisu(adres, trans, false);
    return wBloku != 0 ? wBloku : wZamkniecia;
}

int TFkomunikacja::CzytajTypSterownika(int adres, const TParamTrans &trans, QString &typ)
{
    QByteArray odp;
    const int w = polecenie(adres, magistrala::F, 0x00, {}, 132, trans, odp);
    typ.clear();
    if (w != 0)
        return w;
    QString s;
    for (int k = 60; k <= 72; ++k)
        s += QChar(char16_t(daneBajt(odp, k)));
    typ = przytnij(s);
    return 0;
}

int TFkomunikacja::CzytajNumerSeryjnyKVOR350(int adres, const TParamTrans &trans, int &A_ns)
{
    QByteArray odp;
    const int w = polecenie(adres, magistrala::F, 0x07, {}, 11, trans, odp);
    if (w == 0)
        A_ns = int(uint32_t(daneBajt(odp, 0)) << 24 | uint32_t(daneBajt(odp, 1)) << 16 |
                   uint32_t(daneBajt(odp, 2)) << 8 | daneBajt(odp, 3));
    return w;
}

int TFkomunikacja::CzytajStatusKVOR350(int adres, const TParamTrans &trans, TOdczyty &o)
{
    QByteArray odp;
    const int w = polecenie(adres, magistrala::F, 0x01, {}, dlOdpowiedziOdczytow, trans, odp);
    if (w != 0)
        return w;
    rozpakujOdczyty(odp, o);
    return 0;
}

int TFkomunikacja::CzytajlockKVOR350(int adres, const TParamTrans &trans, bool &A_blokada)
{
    // The controller answers with 8 bytes; the 7-byte read sees a CRC error
    // and the eighth byte completes the reply.
    const TrwaWymiana trwa;
    const QByteArray r = ZbudujRamke(adres, magistrala::G, 0x07);
    QByteArray odp;
    int odebrano = 0;
    int w = WyslijRamke(r, odp, 7, odebrano, trans);
    if (w == 4) {
        odp += port_->czytaj(1, czasCzytania(1), odstepOdczytu_);
        w = sprawdzCRCiAdres(r, odp);
    }
    if (odp.size() == 7 && odp.mid(1, 4) == QByteArray("\x00\x01\x00\x07", 4))
        return kodNieznanePolecenieBlokady;
    if (w == 0)
        A_blokada = odp.size() > magistrala::naglowek + 2 && daneBajt(odp, 0) == 0x01;
    return w;
}

int TFkomunikacja::ZapiszUnlockKVOR350(int adres, const TParamTrans &trans, uint32_t A_password)
{
    uint8_t haslo[4];
    for (int i = 0; i < 4; ++i)
        haslo[i] = uint8_t(A_password >> (8 * i));
    const uint16_t crc = crcBajtow(4, haslo);
    QByteArray dane;
    dane.append(char(crc & 0xFF));
    dane.append(char(crc >> 8));
    QByteArray odp;
    int odebrano = 0;
    const int w = WyslijRamkeDlugosc(ZbudujRamke(adres, magistrala::G, 0x08, dane), odp, odebrano, trans);
    if (w != 0)
        return w;
    // Only a reply that holds the data byte can accept the password.
    if (odp.size() < magistrala::naglowek + 3 || daneBajt(odp, 0) != 0x01)
        return 66;
    return 0;
}

int TFkomunikacja::ZapiszLockKVOR350(const TUstawieniaSterownika &A_ds)
{
    QByteArray odp;
    int odebrano = 0;
    return WyslijRamkeDlugosc(ZbudujRamke(A_ds.adresRS, magistrala::G, 0x09), odp, odebrano, A_ds.ParametryTransmisji);
}

int TFkomunikacja::set73onOffKVOR350(const TUstawieniaSterownika &A_ust, bool A_start)
{
    return sesjaZapisu(A_ust.adresRS, A_ust.ParametryTransmisji, A_start);
}

int TFkomunikacja::ZapiszCzaskVOR350(const QDateTime &czas, uint8_t adres, const TParamTrans &trans)
{
    const QDate d = czas.date();
    const QTime t = czas.time();
    QByteArray dane;
    dane.append(char(t.hour()));
    dane.append(char(t.minute()));
    dane.append(char(t.second()));
    dane.append(char(d.day()));
    dane.append(char(d.month()));
    dane.append(char(d.year() % 100));
    QByteArray odp;
    const int w = polecenie(adres, magistrala::G, 0x04, dane, 13, trans, odp);
    if (w == 0 && odp.at(1) != magistrala::G)
        return 7;
    return w;
}
