// Which device stands behind "COM<n>": a per-port settings key wins,
// otherwise the system's serial ports in a stable order, USB adapters
// first.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class RozwiazywaczPortow {
public:
    // Reads one key of section "Parametry" (empty: not set).
    using OdczytKlucza = std::function<QString(const QString &klucz)>;
    // The system's serial devices (full paths).
    using ListaUrzadzen = std::function<QStringList()>;

    RozwiazywaczPortow();

    void ustawOdczytKlucza(OdczytKlucza f) { klucz_ = std::move(f); }
    void ustawListeUrzadzen(ListaUrzadzen f) { lista_ = std::move(f); }

    // The device path of the 0-based port, empty when there is none.
    QString urzadzenie(int port) const;

    // "COM<port+1>Device".
    static QString kluczUrzadzenia(int port);
    // USB adapters (ttyUSB, ttyACM) first, then the rest; numbers in
    // numeric order within each group.
    static QStringList uporzadkuj(QStringList urzadzenia);
    static QStringList urzadzeniaSystemu();

private:
    OdczytKlucza klucz_;
    ListaUrzadzen lista_;
};
