#include "porty.h"
#include "ustawienia_polaczenia.h"

#include <QCollator>
#include <QSerialPortInfo>

#include <algorithm>

RozwiazywaczPortow::RozwiazywaczPortow() : lista_(&RozwiazywaczPortow::urzadzeniaSystemu) {}

// In 64 bits: port + 1 overflows an int for the largest port number.
QString nazwaPortu(int port) { return QStringLiteral("COM%1").arg(qint64(port) + 1); }

QString RozwiazywaczPortow::kluczUrzadzenia(int port) { return nazwaPortu(port) + QStringLiteral("Device"); }

QStringList RozwiazywaczPortow::urzadzeniaSystemu()
{
    QStringList w;
    for (const QSerialPortInfo &p : QSerialPortInfo::availablePorts())
        w << p.systemLocation();
    return w;
}

QStringList RozwiazywaczPortow::uporzadkuj(QStringList urzadzenia)
{
    const auto grupa = [](const QString &s) {
        const QString nazwa = s.section(QLatin1Char('/'), -1);
        return nazwa.startsWith(QLatin1String("ttyUSB")) || nazwa.startsWith(QLatin1String("ttyACM")) ? 0 : 1;
    };
    QCollator porownaj;
    porownaj.setNumericMode(true);
    std::stable_sort(urzadzenia.begin(), urzadzenia.end(), [&](const QString &a, const QString &b) {
        const int ga = grupa(a), gb = grupa(b);
        if (ga != gb)
            return ga < gb;
        return porownaj.compare(a, b) < 0;
    });
    urzadzenia.removeDuplicates();
    return urzadzenia;
}

QString RozwiazywaczPortow::urzadzenie(int port) const
{
    if (port < 0)
        return {};
    if (klucz_) {
        const QString nadpisane = klucz_(kluczUrzadzenia(port)).trimmed();
        if (!nadpisane.isEmpty())
            return nadpisane;
    }
    const QStringList lista = uporzadkuj(lista_ ? lista_() : QStringList());
    return port < lista.size() ? lista.at(port) : QString();
}
