#include "plik_sekcji.h"

#include "zapis_pliku.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

TOdczytPliku czytajPlikSekcji(const QString &sciezka, void *dane, qint64 rozmiar)
{
    // A FIFO or a device would block the open or the read.
    QFile f(sciezka);
    if (!QFileInfo(sciezka).isFile() || !f.open(QIODevice::ReadOnly))
        return TOdczytPliku::BladOtwarcia;
    const QByteArray b = f.read(rozmiar);
    if (b.size() != rozmiar)
        return TOdczytPliku::BladOdczytu;
    std::memcpy(dane, b.constData(), size_t(rozmiar));
    return TOdczytPliku::Dobrze;
}

TOdczytPliku czytajRekordyPliku(const QString &sciezka, void *dane, qint64 rozmiarRekordu, int ile, int &przeczytane)
{
    przeczytane = 0;
    QFile f(sciezka);
    if (!QFileInfo(sciezka).isFile() || !f.open(QIODevice::ReadOnly))
        return TOdczytPliku::BladOtwarcia;
    const qint64 rekordow = std::min<qint64>(f.size() / rozmiarRekordu, ile);
    const QByteArray b = f.read(rekordow * rozmiarRekordu);
    if (rekordow == 0 || b.size() != rekordow * rozmiarRekordu)
        return TOdczytPliku::BladOdczytu;
    std::memcpy(dane, b.constData(), size_t(b.size()));
    przeczytane = int(rekordow);
    return TOdczytPliku::Dobrze;
}

bool zapiszPlikSekcji(const QString &sciezka, const void *dane, qint64 rozmiar, QString *blad)
{
    // Unbuffered, so that a short write shows here: a buffered one that
    // the disk cuts short at the flush still lets the commit through.
    QSaveFile f(sciezka);
    const bool ok = f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                    zapiszCalosc(f, static_cast<const char *>(dane), rozmiar) && f.commit();
    if (!ok && blad)
        *blad = f.errorString();
    return ok;
}

QString filtrSekcji(const QString &rozszerzenie, const QString &etykieta)
{
    return etykieta + QStringLiteral("|*.") + rozszerzenie;
}
