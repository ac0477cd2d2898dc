#include "pola_sekcji.h"

#include "enumeracje.h"
#include "komunikaty.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

quint64 odmowy = 0; // values wartoscZEdycji refused

bool dziesietne(TRodzajPola r) { return r == TRodzajPola::Dziesiate || r == TRodzajPola::DziesiateObciete; }

// A whole double (not NaN) as a 64-bit number; beyond the range its
// nearest end.
qint64 calkowita64(double w)
{
    constexpr double granica = 9223372036854775808.0; // 2^63
    if (w >= granica)
        return std::numeric_limits<qint64>::max();
    if (w < -granica)
        return std::numeric_limits<qint64>::min();
    return qint64(w);
}

// The stored units of an editor's value; nullopt when it holds no number.
// A double is never converted to a whole number by QVariant, whose
// conversion of a value beyond 64 bits is undefined.
std::optional<qint64> liczbaZEdycji(const TOpisPola &opis, const QVariant &v)
{
    const bool obcinaj = opis.rodzaj == TRodzajPola::DziesiateObciete;
    bool ok = false;
    const int typ = v.typeId();
    if (typ != QMetaType::Double && typ != QMetaType::Float) {
        const qint64 w = v.toLongLong(&ok);
        if (ok)
            return dziesietne(opis.rodzaj) ? dziesiate(double(w), obcinaj) : w;
    }
    // A double, or a text of more digits than 64 bits hold.
    const double d = v.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return dziesietne(opis.rodzaj) ? dziesiate(d, obcinaj) : calkowita64(std::trunc(d));
}

} // namespace

QString TOpisPola::tytulTekstu() const
{
    if (tytulWlasny)
        return tytulWlasny();
    return tytul ? QCoreApplication::translate(kontekst, tytul) : QString();
}

qint64 dziesiate(double v, bool obcinaj)
{
    if (!std::isfinite(v))
        return 0;
    double x = v * 10;
    const double polowki = std::nearbyint(x * 2) / 2;
    if (std::abs(x - polowki) < 1e-7)
        x = polowki;
    return calkowita64(obcinaj ? std::trunc(x) : std::nearbyint(x));
}

QString tekstCzasu(qint64 v)
{
    if (v < 0)
        v = 0;
    return QStringLiteral("%1:%2")
        .arg(std::min<qint64>(v / 60, 99), 2, 10, QLatin1Char('0'))
        .arg(v % 60, 2, 10, QLatin1Char('0'));
}

QString tekstPrzekaznikow(const QByteArray &stany)
{
    QStringList w;
    for (int j = 0; j < stany.size() && j < 32; ++j)
        if (const int s = uint8_t(stany[j]))
            w << QStringLiteral("DO1.%1: DEF %2").arg(j + 1).arg(s);
    return w.isEmpty() ? QStringLiteral("-") : w.join(QStringLiteral(", "));
}

QString tekstWartosci(const TOpisPola &opis, qint64 v, int jezykId)
{
    switch (opis.rodzaj) {
    case TRodzajPola::Dziesiate:
    case TRodzajPola::DziesiateObciete:
        return tekstDziesiatych(v);
    case TRodzajPola::MinutySekundy:
    case TRodzajPola::GodzinyMinuty:
        return tekstCzasu(v);
    case TRodzajPola::Lista: {
        const QStringList l = opis.lista ? opis.lista(jezykId) : QStringList();
        if (v >= 0 && v < l.size())
            return l[int(v)];
        return opis.pozaLista ? *opis.pozaLista : tekstPozaZakresem(int(v));
    }
    case TRodzajPola::Maska: {
        QStringList w;
        for (int b = 0; b < opis.max && b < 63; ++b)
            if (v & (qint64(1) << b))
                w << opis.wzorBitu.arg(b + 1);
        return w.join(QStringLiteral(", "));
    }
    default:
        return QString::number(v);
    }
}

QVariant wartoscDoEdycji(const TOpisPola &opis, qint64 v)
{
    if (dziesietne(opis.rodzaj))
        return double(v) / 10;
    return v;
}

quint64 odmowyZakresu() { return odmowy; }

std::optional<qint64> wartoscZEdycji(const TOpisPola &opis, const QVariant &v)
{
    const std::optional<qint64> w = liczbaZEdycji(opis, v);
    const bool zakres = opis.min < opis.max && opis.rodzaj != TRodzajPola::Maska;
    if (w && (!zakres || (*w >= opis.min && *w <= opis.max)))
        return w;
    if (opis.zeroPozaZakresem) {
        ++odmowy;
        pokazKomunikat(tekstZakresuPola(opis));
        return std::nullopt;
    }
    return zakres ? std::clamp(w.value_or(0), opis.min, opis.max) : w.value_or(0);
}

QString tekstZakresuPola(const TOpisPola &opis)
{
    const qint64 max = dziesietne(opis.rodzaj) ? qint64(std::nearbyint(double(opis.max) / 10)) : opis.max;
    return QCoreApplication::translate("TPole", " Nieprawidłowy zakres parametru !") + QLatin1Char(' ') +
           QString::number(max);
}
