#include "nazwy.h"

#include <algorithm>

void tekstNaNazwe50(const QString &tekst, TNazwa50char &nazwa)
{
    const int n = int(std::min<qsizetype>(tekst.size(), 50));
    for (int i = 0; i < 50; ++i)
        nazwa.z[i] = i < n ? char16_t(tekst.at(i).unicode()) : u'\0';
}

TNazwa50char tekstNaNazwe50(const QString &tekst)
{
    TNazwa50char n;
    tekstNaNazwe50(tekst, n);
    return n;
}

QString jednostkiNaTekst(const char16_t *znaki, qsizetype ile)
{
    // Not QString::fromUtf16: it drops a leading U+FEFF and byte-swaps
    // everything after a leading U+FFFE.
    return QString(reinterpret_cast<const QChar *>(znaki), ile);
}

QString przytnij(const QString &tekst)
{
    qsizetype a = 0, b = tekst.size();
    while (a < b && tekst.at(a).unicode() <= 0x20)
        ++a;
    while (b > a && tekst.at(b - 1).unicode() <= 0x20)
        --b;
    return tekst.mid(a, b - a);
}

namespace {

QString doZera(const char16_t *znaki, int ile)
{
    int n = 0;
    while (n < ile && znaki[n] != 0)
        ++n;
    return jednostkiNaTekst(znaki, n);
}

} // namespace

QString nazwaDoZera(const TNazwa50char &nazwa) { return doZera(nazwa.z, 50); }

QString nazwaNaTekst(const char16_t *znaki, int ile) { return przytnij(doZera(znaki, ile)); }

QString nazwa50NaTekst(const TNazwa50char &nazwa) { return nazwaNaTekst(nazwa.z, 50); }
