// A serial port without a device: records what the link does to it and
// answers reads from a scripted byte queue at once.
#pragma once

#include "port_szeregowy.h"

#include <QByteArray>
#include <QStringList>

class PortSkrypt final : public IPortSzeregowy {
public:
    bool otworz(const QString &u, int, QString *powod) override
    {
        zdarzenia << QStringLiteral("otworz ") + u;
        if (!daSieOtworzyc && powod)
            *powod = QStringLiteral("nie");
        otwarty_ = daSieOtworzyc;
        return otwarty_;
    }
    void zamknij() override { otwarty_ = false; }
    bool otwarty() const override { return otwarty_; }
    bool ustawBrakParzystosci() override { return parzystoscOk; }
    bool wyczyscBufory() override
    {
        zdarzenia << QStringLiteral("czysc");
        if (czyscOdpowiedz)
            odpowiedz.clear();
        return true;
    }
    qint64 zapisz(const QByteArray &d) override
    {
        zdarzenia << QStringLiteral("zapisz %1").arg(d.size());
        wyslane += d;
        return limitZapisu >= 0 ? std::min<qint64>(limitZapisu, d.size()) : d.size();
    }
    bool zapiszZnak(char z) override
    {
        if (nieudaneZnaki > 0) {
            --nieudaneZnaki;
            ++probyZnakow;
            return false;
        }
        ++probyZnakow;
        zdarzenia << QStringLiteral("znak %1").arg(uint8_t(z), 2, 16, QLatin1Char('0'));
        wyslane += z;
        return true;
    }
    bool oproznij() override
    {
        zdarzenia << QStringLiteral("oproznij");
        return true;
    }
    void ustawRTS(bool s) override { zdarzenia << (s ? QStringLiteral("rts 1") : QStringLiteral("rts 0")); }
    void ustawDTR(bool) override {}
    QByteArray czytaj(int n, int, int) override
    {
        const QByteArray w = odpowiedz.left(n);
        odpowiedz.remove(0, w.size());
        return w;
    }

    QStringList zdarzenia;
    QByteArray wyslane;
    QByteArray odpowiedz;        // what the "controller" sent
    bool czyscOdpowiedz = false; // discard it on a buffer clear
    bool daSieOtworzyc = true;
    bool parzystoscOk = true;
    qint64 limitZapisu = -1;
    int nieudaneZnaki = 0;
    int probyZnakow = 0;

private:
    bool otwarty_ = false;
};
