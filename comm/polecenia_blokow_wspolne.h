// What the section-block commands share: one block read and one block frame.
#pragma once

#include "kodek.h"
#include "komunikacja.h"

#include <QByteArray>

#include <cstring>

namespace bloki {

// 'H' request for the block `o` with the given payload; on success `dane`
// holds the reply's data part, exactly o.dlOdczytu bytes.
int czytaj(TFkomunikacja &k, int adres, const TParamTrans &trans, const OpisBloku &o, const QByteArray &zapytanie,
           QByteArray &dane);
// One 'I' frame carrying `blok`, with the 7-byte acknowledgement. An empty
// block (the codec refused it) is not sent: kodBleduPakowania.
int wyslij(TFkomunikacja &k, int adres, const TParamTrans &trans, uint8_t podkomenda, const QByteArray &blok);
// One block inside the block-write pattern; an empty block opens no
// session and gives kodBleduPakowania.
int zapisz(TFkomunikacja &k, int adres, const TParamTrans &trans, bool wszystkie, uint8_t podkomenda,
           const QByteArray &blok);

// A read into a zeroed record, filled by `rozpakuj` on success.
template <class T>
int czytajRekord(TFkomunikacja &k, int adres, const TParamTrans &trans, const OpisBloku &o, const QByteArray &zapytanie,
                 T &rekord, bool (*rozpakuj)(const QByteArray &, T &))
{
    std::memset(&rekord, 0, sizeof rekord);
    QByteArray dane;
    const int w = czytaj(k, adres, trans, o, zapytanie, dane);
    if (w == 0)
        rozpakuj(dane, rekord);
    return w;
}

inline QByteArray bajty(std::initializer_list<int> b)
{
    QByteArray r;
    for (const int v : b)
        r.append(char(v & 0xFF));
    return r;
}

} // namespace bloki
