// "ustawienia.ini": any file is read, one key written, the file read again.
//
// Input: [flags][value: length, then bytes][key: length, then bytes]
// [section choice][the file...]. Flags: bit 0 the key is one of the file's
// own, bit 1 the value and the key are UTF-16 (any units), else Latin-1.
//
// A write that succeeds reads back as written, and every other key reads
// as before; the lines it did not change keep their bytes (a line that
// had none may gain a line end), the changed or added ones are the only
// others. A write that is refused says why and leaves the file as it was.
#include "fuzz.h"

#include "nazwy.h"
#include "ustawienia_ini.h"

#include <QFile>

namespace {

const QString brak = QStringLiteral("\uFFFF-brak-");

QString sciezka() { return katalogFuzz() + QStringLiteral("ustawienia.ini"); }

QByteArray czytaj()
{
    QFile f(sciezka());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The file's lines, each with its line end.
QList<QByteArray> linie(const QByteArray &b)
{
    QList<QByteArray> l;
    qsizetype od = 0;
    while (od < b.size()) {
        const qsizetype nl = b.indexOf('\n', od);
        const qsizetype koniec = nl < 0 ? b.size() : nl + 1;
        l << b.mid(od, koniec - od);
        od = koniec;
    }
    return l;
}

QByteArray bezKonca(QByteArray l)
{
    if (l.endsWith('\n'))
        l.chop(1);
    if (l.endsWith('\r'))
        l.chop(1);
    return l;
}

// (section, key) pairs as a simple reading of the bytes sees them, in
// both encodings a file may have; at most 200.
std::vector<std::pair<QString, QString>> klucze(const QByteArray &plik)
{
    std::vector<std::pair<QString, QString>> k;
    QStringList sekcje = {QString()};
    for (const QByteArray &surowa : linie(plik)) {
        QByteArray l = bezKonca(surowa);
        if (l.startsWith("\xEF\xBB\xBF"))
            l.remove(0, 3);
        const QByteArray t = l.trimmed();
        if (t.startsWith('[')) {
            const qsizetype z = t.indexOf(']');
            const QByteArray s = z < 0 ? t.mid(1) : t.mid(1, z - 1);
            sekcje = {przytnij(QString::fromLatin1(s)), przytnij(QString::fromUtf8(s))};
        } else if (!t.startsWith(';') && l.contains('=')) {
            const QByteArray n = l.left(l.indexOf('='));
            for (const QString &s : sekcje)
                for (const QString &klucz : {przytnij(QString::fromLatin1(n)), przytnij(QString::fromUtf8(n))})
                    if (!klucz.isEmpty() && k.size() < 200)
                        k.emplace_back(s, klucz);
        }
    }
    return k;
}

QString tekst(Wejscie &we, bool utf16)
{
    const int n = we.bajt() % 24;
    if (utf16) {
        QString s;
        for (int i = 0; i < n; ++i)
            s.append(QChar(char16_t(we.slowo())));
        return s;
    }
    return QString::fromLatin1(we.bajty(size_t(n)));
}

bool rowne(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString opis(const QByteArray &plik, const QString &sekcja, const QString &klucz, const QString &wartosc)
{
    return QStringLiteral("[%1] %2=%3 into %4")
        .arg(sekcja, klucz, wartosc, QString::fromLatin1(plik.left(200).toHex(' ')));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    przygotujFuzz();
    Wejscie we(dane, rozmiar);
    const uint8_t flagi = we.bajt();
    const QString wartosc = tekst(we, flagi & 2);
    QString klucz = tekst(we, flagi & 2);
    const uint8_t ktory = we.bajt();
    const QByteArray plik = we.reszta();
    {
        QFile f(sciezka());
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(plik) != plik.size())
            std::abort();
    }

    const auto kandydaci = klucze(plik);
    PlikIni ini(sciezka());
    std::vector<QString> przed;
    for (const auto &[s, k] : kandydaci) {
        przed.push_back(ini.czytajTekst(s, k, brak));
        ini.czytajLiczbe(s, k, 0);
    }
    QString sekcja = QStringLiteral("Parametry");
    if (!kandydaci.empty()) {
        const auto &[s, k] = kandydaci[ktory % kandydaci.size()];
        sekcja = s;
        if (flagi & 1)
            klucz = k;
    }
    const bool byl = ini.jestKlucz(sekcja, klucz);
    const bool takSamo = byl && ini.czytajTekst(sekcja, klucz) == wartosc;
    const QString o = opis(plik, sekcja, klucz, wartosc);

    ini.zapiszTekst(sekcja, klucz, wartosc);
    FUZZ_SPRAWDZ(ini.czytajTekst(sekcja, klucz, brak) == wartosc, o + QStringLiteral(": not in memory"));
    if (!ini.zapisz()) {
        FUZZ_SPRAWDZ(!ini.blad().isEmpty(), o + QStringLiteral(": refused without a reason"));
        FUZZ_SPRAWDZ(czytaj() == plik, o + QStringLiteral(": refused, yet the file changed"));
        return 0;
    }

    const QByteArray nowy = czytaj();
    const PlikIni ponownie(sciezka());
    FUZZ_SPRAWDZ(ponownie.czytajTekst(sekcja, klucz, brak) == wartosc,
                 o + QStringLiteral(": reads back as ") + ponownie.czytajTekst(sekcja, klucz, brak));
    for (size_t i = 0; i < kandydaci.size(); ++i) {
        const auto &[s, k] = kandydaci[i];
        if (rowne(s, sekcja) && rowne(k, klucz))
            continue;
        FUZZ_SPRAWDZ(
            ponownie.czytajTekst(s, k, brak) == przed[i],
            o + QStringLiteral(": [%1] %2 was %3, is %4").arg(s, k, przed[i], ponownie.czytajTekst(s, k, brak)));
    }

    // The bytes: one line changed when the key was there; otherwise the old
    // lines in order, each as it was (or with a line end more), and 1 to 3
    // lines added.
    const QList<QByteArray> stare = linie(plik), nowe = linie(nowy);
    if (takSamo) {
        FUZZ_SPRAWDZ(nowy == plik, o + QStringLiteral(": the same value changed the file"));
        return 0;
    }
    if (byl) {
        FUZZ_SPRAWDZ(nowe.size() == stare.size(), o + QStringLiteral(": lines added or lost"));
        int rozne = 0;
        for (qsizetype i = 0; i < stare.size(); ++i)
            rozne += nowe[i] != stare[i];
        FUZZ_SPRAWDZ(rozne == 1, o + QStringLiteral(": %1 lines changed").arg(rozne));
        return 0;
    }
    const qsizetype dodane = nowe.size() - stare.size();
    FUZZ_SPRAWDZ(dodane >= 1 && dodane <= 3, o + QStringLiteral(": %1 lines more").arg(dodane));
    const auto jakBylo = [](const QByteArray &n, const QByteArray &l) {
        return n == l || (!l.endsWith('\n') && n.startsWith(l));
    };
    qsizetype j = 0;
    for (const QByteArray &l : stare) {
        while (j < nowe.size() && !jakBylo(nowe[j], l))
            ++j;
        FUZZ_SPRAWDZ(j < nowe.size(),
                     o + QStringLiteral(": line lost or changed: ") + QString::fromLatin1(l.toHex(' ')));
        ++j;
    }
    return 0;
}

std::vector<QByteArray> ziarnaFuzz()
{
    const QByteArray pliki[] = {
        "[Parametry]\r\nAutoRead=0\r\nComboBoxPort=-1\r\nComboBoxPredkosc=2\r\nIntEditAdres=1\r\nStronaKodowa=0\r\n"
        "IpAddress=0.0.0.0\r\nSN=0\r\nconnectionType=0\r\n\r\n[language]\r\nlangId=2057\r\n",
        "; ustawienia\n[Parametry]\nCOM1MinusOffset=1\nIleSleep=10\ntimeoutStand=700\nOpis=Zak\xb3"
        "ad\n[language]\nlangID=1049",
        "\xEF\xBB\xBF[Parametry]\nOpis=Zak\xC5\x82"
        "ad\nSN=5\n",
        "[Parametry]\nA=Zak\xC5\x82"
        "ad\nB=\xC5",
        "[Parametry]\nA=\xC3\xA9\nB=\xB3\n",
        "klucz=przed sekcja\n[Parametry]\nA=1\na=2\n[parametry]\nA=3\n[pusta]",
        "[Parametry]\nX=\"  w cudzys\xC5\x82owie \"\nY='q'\nZ= \n=bez nazwy\nbez znaku\n",
    };
    std::vector<QByteArray> z;
    for (const QByteArray &p : pliki) {
        z.push_back(Ziarno().bajt(1).bajt(3).bajty("123").bajt(2).bajty("SN").bajt(1).bajty(p));
        z.push_back(Ziarno().bajt(0).bajt(4).bajty(" x \"").bajt(4).bajty("Nowy").bajt(0).bajty(p));
        z.push_back(Ziarno().bajt(2).bajt(2).slowo(0x142).slowo('a').bajt(1).slowo('K').bajt(2).bajty(p));
    }
    return z;
}
