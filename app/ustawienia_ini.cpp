#include "ustawienia_ini.h"

#include "nazwy.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <limits>

namespace {

QString bezCudzyslowow(const QString &s)
{
    if (s.size() >= 2 && s.front() == s.back() && (s.front() == u'"' || s.front() == u'\''))
        return s.mid(1, s.size() - 2);
    return s;
}

bool rowne(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

qsizetype dlugoscKonca(const QByteArray &linia)
{
    if (linia.endsWith("\r\n"))
        return 2;
    return linia.endsWith('\n') ? 1 : 0;
}

const QByteArray bomUtf8("\xEF\xBB\xBF");

} // namespace

PlikIni::PlikIni(QString sciezka) : sciezka_(std::move(sciezka)) { wczytaj(); }

bool PlikIni::wczytaj()
{
    if (!QFileInfo::exists(sciezka_)) {
        linie_.clear();
        utf8_ = true;
        return true;
    }
    // On a read error the lines in memory stay as they were.
    QFile f(sciezka_);
    if (!f.open(QIODevice::ReadOnly)) {
        blad_ = sciezka_ + QStringLiteral(": ") + f.errorString();
        return false;
    }
    const QByteArray dane = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        blad_ = sciezka_ + QStringLiteral(": ") + f.errorString();
        return false;
    }
    linie_.clear();
    rozbierz(dane);
    return true;
}

void PlikIni::rozbierz(const QByteArray &dane)
{
    QStringDecoder proba(QStringDecoder::Utf8);
    (void)QString(proba(dane));
    utf8_ = !proba.hasError();

    qsizetype od = 0;
    while (od < dane.size()) {
        qsizetype nl = dane.indexOf('\n', od);
        const qsizetype koniec = nl < 0 ? dane.size() : nl + 1;
        Linia l;
        l.surowa = dane.mid(od, koniec - od);
        QByteArray tresc = l.surowa.left(l.surowa.size() - dlugoscKonca(l.surowa));
        qsizetype przesuniecie = 0;
        if (od == 0 && tresc.startsWith(bomUtf8)) {
            tresc.remove(0, bomUtf8.size());
            przesuniecie = bomUtf8.size();
        }
        const QString t = przytnij(dekoduj(tresc));
        if (t.startsWith(u'[')) {
            const qsizetype zam = t.indexOf(u']');
            l.rodzaj = Linia::Sekcja;
            l.nazwa = przytnij(zam < 0 ? t.mid(1) : t.mid(1, zam - 1));
        } else if (!t.startsWith(u';')) {
            const qsizetype rownasie = tresc.indexOf('=');
            if (rownasie >= 0) {
                const QString nazwa = przytnij(dekoduj(tresc.left(rownasie)));
                if (!nazwa.isEmpty()) {
                    l.rodzaj = Linia::Klucz;
                    l.nazwa = nazwa;
                    l.wartosc = bezCudzyslowow(przytnij(dekoduj(tresc.mid(rownasie + 1))));
                    qsizetype p = rownasie + 1;
                    while (p < tresc.size() && (tresc.at(p) == ' ' || tresc.at(p) == '\t'))
                        ++p;
                    l.poczatekWartosci = przesuniecie + p;
                }
            }
        }
        linie_.push_back(std::move(l));
        od = koniec;
    }
}

QString PlikIni::dekoduj(const QByteArray &b) const { return utf8_ ? QString::fromUtf8(b) : QString::fromLatin1(b); }

QByteArray PlikIni::koduj(const QString &s) const
{
    QString t = s;
    t.replace(u'\r', u' ').replace(u'\n', u' ');
    if (!utf8_) {
        QStringEncoder latin(QStringEncoder::Latin1);
        QByteArray b = latin(t);
        if (!latin.hasError())
            return b;
    }
    return t.toUtf8();
}

QByteArray PlikIni::konceLinii() const
{
    bool lf = false;
    for (const Linia &l : linie_) {
        if (l.surowa.endsWith("\r\n"))
            return "\r\n";
        lf = lf || l.surowa.endsWith('\n');
    }
    return lf ? QByteArray("\n") : QByteArray("\r\n");
}

qsizetype PlikIni::znajdz(const QString &sekcja, const QString &klucz) const
{
    bool w = false;
    for (size_t i = 0; i < linie_.size(); ++i) {
        const Linia &l = linie_[i];
        if (l.rodzaj == Linia::Sekcja)
            w = rowne(l.nazwa, sekcja);
        else if (w && l.rodzaj == Linia::Klucz && rowne(l.nazwa, klucz))
            return qsizetype(i);
    }
    return -1;
}

QString PlikIni::czytajTekst(const QString &sekcja, const QString &klucz, const QString &domyslny) const
{
    const qsizetype i = znajdz(sekcja, klucz);
    return i < 0 ? domyslny : linie_[size_t(i)].wartosc;
}

int PlikIni::czytajLiczbe(const QString &sekcja, const QString &klucz, int domyslna) const
{
    const qsizetype i = znajdz(sekcja, klucz);
    if (i < 0)
        return domyslna;
    QString t = linie_[size_t(i)].wartosc;
    bool minus = false;
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        minus = t.startsWith(u'-');
        t.remove(0, 1);
    }
    int podstawa = 10;
    if (t.startsWith(u'$')) {
        podstawa = 16;
        t.remove(0, 1);
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        podstawa = 16;
        t.remove(0, 2);
    }
    const auto cyfra = [podstawa](QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'0' && u <= u'9') || (podstawa == 16 && ((u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F')));
    };
    if (t.isEmpty() || !std::all_of(t.cbegin(), t.cend(), cyfra))
        return domyslna;
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok, podstawa);
    if (!ok)
        return domyslna;
    const qlonglong w = minus ? -v : v;
    if (w < std::numeric_limits<int>::min() || w > std::numeric_limits<int>::max())
        return domyslna;
    return int(w);
}

bool PlikIni::jestKlucz(const QString &sekcja, const QString &klucz) const { return znajdz(sekcja, klucz) >= 0; }

void PlikIni::zapiszTekst(const QString &sekcja, const QString &klucz, const QString &wartosc)
{
    zmiany_.push_back({sekcja, klucz, wartosc});
    ustaw(zmiany_.back());
}

void PlikIni::zapiszLiczbe(const QString &sekcja, const QString &klucz, int wartosc)
{
    zapiszTekst(sekcja, klucz, QString::number(wartosc));
}

void PlikIni::ustaw(const Zmiana &z)
{
    const QByteArray eol = konceLinii();
    const qsizetype i = znajdz(z.sekcja, z.klucz);
    if (i >= 0) {
        Linia &l = linie_[size_t(i)];
        if (l.wartosc == z.wartosc)
            return;
        l.surowa = l.surowa.left(l.poczatekWartosci) + koduj(z.wartosc) + l.surowa.right(dlugoscKonca(l.surowa));
        if (dlugoscKonca(l.surowa) == 0 && size_t(i) + 1 < linie_.size())
            l.surowa += eol;
        l.wartosc = z.wartosc;
        return;
    }

    Linia nowa;
    nowa.rodzaj = Linia::Klucz;
    nowa.nazwa = z.klucz;
    nowa.wartosc = z.wartosc;
    const QByteArray nazwa = koduj(z.klucz) + '=';
    nowa.poczatekWartosci = nazwa.size();
    nowa.surowa = nazwa + koduj(z.wartosc) + eol;

    // After the last key of the first section of that name.
    qsizetype gdzie = -1;
    bool w = false;
    for (size_t k = 0; k < linie_.size(); ++k) {
        const Linia &l = linie_[k];
        if (l.rodzaj == Linia::Sekcja) {
            if (gdzie >= 0)
                break;
            w = rowne(l.nazwa, z.sekcja);
            if (w)
                gdzie = qsizetype(k) + 1;
        } else if (w && l.rodzaj == Linia::Klucz) {
            gdzie = qsizetype(k) + 1;
        }
    }
    std::vector<Linia> dodane;
    if (gdzie < 0) {
        gdzie = qsizetype(linie_.size());
        if (!linie_.empty() && !przytnij(dekoduj(linie_.back().surowa)).isEmpty())
            dodane.push_back(Linia{Linia::Inna, eol, {}, {}, 0});
        Linia s;
        s.rodzaj = Linia::Sekcja;
        s.nazwa = z.sekcja;
        s.surowa = '[' + koduj(z.sekcja) + ']' + eol;
        dodane.push_back(std::move(s));
    }
    dodane.push_back(std::move(nowa));
    if (gdzie > 0) {
        Linia &przed = linie_[size_t(gdzie - 1)];
        if (dlugoscKonca(przed.surowa) == 0)
            przed.surowa += eol;
    }
    linie_.insert(linie_.begin() + gdzie, dodane.begin(), dodane.end());
}

QByteArray PlikIni::tresc() const
{
    QByteArray b;
    for (const Linia &l : linie_)
        b += l.surowa;
    return b;
}

bool PlikIni::zapisz()
{
    blad_.clear();
    if (!wczytaj())
        return false;
    for (const Zmiana &z : zmiany_)
        ustaw(z);
    QSaveFile f(sciezka_);
    f.setDirectWriteFallback(true);
    const QByteArray b = tresc();
    if (!f.open(QIODevice::WriteOnly) || f.write(b) != b.size() || !f.commit()) {
        blad_ = sciezka_ + QStringLiteral(": ") + f.errorString();
        return false;
    }
    zmiany_.clear();
    return true;
}
