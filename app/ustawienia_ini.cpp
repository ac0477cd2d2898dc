#include "ustawienia_ini.h"

#include "komunikaty.h"
#include "nazwy.h"
#include "sciezki.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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

// Blanks at either end and a pair of matching quotes are lost on reading:
// such a value goes in quotes, which the reader takes off again.
QString wartoscDoZapisu(const QString &s)
{
    if (przytnij(s) != s || bezCudzyslowow(s) != s)
        return QLatin1Char('"') + s + QLatin1Char('"');
    return s;
}

bool tylkoAscii(const QByteArray &b)
{
    return std::all_of(b.cbegin(), b.cend(), [](char c) { return uint8_t(c) < 0x80; });
}

} // namespace

PlikIni::PlikIni(QString sciezka, QString startowy) : sciezka_(std::move(sciezka)), startowy_(std::move(startowy))
{
    wczytaj();
}

bool PlikIni::wczytaj()
{
    // Anything but a regular file counts as missing: a FIFO or a device
    // could block the read for ever.
    QString zrodlo;
    if (QFileInfo(sciezka_).isFile())
        zrodlo = sciezka_;
    else if (!startowy_.isEmpty() && QFileInfo(startowy_).isFile())
        zrodlo = startowy_;
    if (zrodlo.isEmpty()) {
        linie_.clear();
        return true;
    }
    // On a read error the lines in memory stay as they were.
    QFile f(zrodlo);
    if (!f.open(QIODevice::ReadOnly)) {
        blad_ = zrodlo + QStringLiteral(": ") + f.errorString();
        return false;
    }
    const QByteArray dane = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        blad_ = zrodlo + QStringLiteral(": ") + f.errorString();
        return false;
    }
    // Plain ASCII reads the same either way and leaves the decision open.
    const Kodowanie k = rozpoznaj(dane);
    if (k != Kodowanie::Ascii)
        kodowanie_ = k;
    linie_ = rozbierz(dane, kodowanie_);
    return true;
}

PlikIni::Kodowanie PlikIni::rozpoznaj(const QByteArray &dane)
{
    if (dane.startsWith(bomUtf8))
        return Kodowanie::Utf8;
    if (tylkoAscii(dane))
        return Kodowanie::Ascii;
    // Valid UTF-8 decodes and encodes back to the same bytes; an invalid
    // sequence, or one cut off at the end, comes back as a replacement
    // character.
    return QString::fromUtf8(dane).toUtf8() == dane ? Kodowanie::Utf8 : Kodowanie::Latin1;
}

std::vector<PlikIni::Linia> PlikIni::rozbierz(const QByteArray &dane, Kodowanie kodowanie)
{
    std::vector<Linia> linie;
    qsizetype od = 0;
    while (od < dane.size()) {
        const qsizetype nl = dane.indexOf('\n', od);
        const qsizetype koniec = nl < 0 ? dane.size() : nl + 1;
        Linia l;
        l.surowa = dane.mid(od, koniec - od);
        QByteArray tresc = l.surowa.left(l.surowa.size() - dlugoscKonca(l.surowa));
        qsizetype przesuniecie = 0;
        if (od == 0 && tresc.startsWith(bomUtf8)) {
            tresc.remove(0, bomUtf8.size());
            przesuniecie = bomUtf8.size();
        }
        const QString t = przytnij(dekoduj(tresc, kodowanie));
        if (t.startsWith(u'[')) {
            const qsizetype zam = t.indexOf(u']');
            l.rodzaj = Linia::Sekcja;
            l.nazwa = przytnij(zam < 0 ? t.mid(1) : t.mid(1, zam - 1));
        } else if (!t.startsWith(u';')) {
            const qsizetype rownasie = tresc.indexOf('=');
            if (rownasie >= 0) {
                const QString nazwa = przytnij(dekoduj(tresc.left(rownasie), kodowanie));
                if (!nazwa.isEmpty()) {
                    l.rodzaj = Linia::Klucz;
                    l.nazwa = nazwa;
                    l.wartosc = bezCudzyslowow(przytnij(dekoduj(tresc.mid(rownasie + 1), kodowanie)));
                    qsizetype p = rownasie + 1;
                    while (p < tresc.size() && (tresc.at(p) == ' ' || tresc.at(p) == '\t'))
                        ++p;
                    l.poczatekWartosci = przesuniecie + p;
                }
            }
        }
        linie.push_back(std::move(l));
        od = koniec;
    }
    return linie;
}

QString PlikIni::dekoduj(const QByteArray &b, Kodowanie kodowanie)
{
    return kodowanie == Kodowanie::Utf8 ? QString::fromUtf8(b) : QString::fromLatin1(b);
}

bool PlikIni::koduj(const QString &s, QByteArray &wynik)
{
    if (kodowanie_ == Kodowanie::Latin1) {
        QStringEncoder latin(QStringEncoder::Latin1);
        wynik = latin(s);
        if (!latin.hasError())
            return true;
        wynik = s.toUtf8();
        return false;
    }
    wynik = s.toUtf8();
    // The first character beyond ASCII in an ASCII file decides: UTF-8.
    if (!tylkoAscii(wynik))
        kodowanie_ = Kodowanie::Utf8;
    return true;
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
    ustaw(zmiany_.size() - 1);
}

void PlikIni::zapiszLiczbe(const QString &sekcja, const QString &klucz, int wartosc)
{
    zapiszTekst(sekcja, klucz, QString::number(wartosc));
}

void PlikIni::ustaw(size_t nr)
{
    const Zmiana &z = zmiany_[nr];
    const QByteArray eol = konceLinii();
    const qsizetype i = znajdz(z.sekcja, z.klucz);
    if (i >= 0) {
        Linia &l = linie_[size_t(i)];
        if (l.wartosc == z.wartosc)
            return;
        QByteArray w;
        l.niekodowalna = !koduj(wartoscDoZapisu(z.wartosc), w);
        l.surowa = l.surowa.left(l.poczatekWartosci) + w + l.surowa.right(dlugoscKonca(l.surowa));
        if (dlugoscKonca(l.surowa) == 0 && size_t(i) + 1 < linie_.size())
            l.surowa += eol;
        l.wartosc = z.wartosc;
        l.zmiana = int(nr);
        return;
    }

    Linia nowa;
    nowa.rodzaj = Linia::Klucz;
    nowa.nazwa = z.klucz;
    nowa.wartosc = z.wartosc;
    nowa.zmiana = int(nr);
    QByteArray nazwa, wartosc;
    nowa.niekodowalna = !koduj(z.klucz, nazwa);
    nowa.niekodowalna = !koduj(wartoscDoZapisu(z.wartosc), wartosc) || nowa.niekodowalna;
    nowa.poczatekWartosci = nazwa.size() + 1;
    nowa.surowa = nazwa + '=' + wartosc + eol;

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
        if (!linie_.empty() && !przytnij(dekoduj(linie_.back().surowa, kodowanie_)).isEmpty()) {
            Linia pusta;
            pusta.surowa = eol;
            pusta.zmiana = int(nr);
            dodane.push_back(std::move(pusta));
        }
        Linia s;
        s.rodzaj = Linia::Sekcja;
        s.nazwa = z.sekcja;
        s.zmiana = int(nr);
        QByteArray sekcja;
        s.niekodowalna = !koduj(z.sekcja, sekcja);
        s.surowa = '[' + sekcja + ']' + eol;
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

QString PlikIni::sprawdzOdczyt() const
{
    const auto opis = [this](const Linia &l, const char *tekst) {
        const Zmiana &z = zmiany_[size_t(l.zmiana)];
        return tr(tekst).arg(z.klucz, z.sekcja);
    };
    for (const Linia &l : linie_)
        if (l.niekodowalna)
            return opis(l, QT_TR_NOOP("znaków klucza „%1” w sekcji [%2] nie da się zapisać w kodowaniu tego pliku"));
    // The lines as a fresh read of the new bytes would see them.
    const QByteArray b = tresc();
    const std::vector<Linia> odczyt = rozbierz(b, rozpoznaj(b));
    for (size_t i = 0; i < linie_.size(); ++i) {
        const Linia &l = linie_[i];
        if (i < odczyt.size() && odczyt[i].rodzaj == l.rodzaj && odczyt[i].nazwa == l.nazwa &&
            odczyt[i].wartosc == l.wartosc)
            continue;
        if (l.zmiana >= 0)
            return opis(l, QT_TR_NOOP("klucza „%1” w sekcji [%2] nie da się zapisać tak, by odczytał się bez zmian"));
        return tr("zapis zmieniłby odczyt pozostałych wierszy pliku (kodowanie znaków)");
    }
    return odczyt.size() == linie_.size() ? QString() : tr("zapis zmieniłby podział pliku na wiersze");
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
    const QFileInfo info(sciezka_);
    if (info.exists() && !info.isFile()) {
        blad_ = sciezka_ + QStringLiteral(": ") + tr("to nie jest zwykły plik");
        return false;
    }
    if (!wczytaj())
        return false;
    for (size_t nr = 0; nr < zmiany_.size(); ++nr)
        ustaw(nr);
    if (const QString powod = sprawdzOdczyt(); !powod.isEmpty()) {
        blad_ = sciezka_ + QStringLiteral(": ") + powod;
        return false;
    }
    QSaveFile f(sciezka_);
    f.setDirectWriteFallback(true);
    const QByteArray b = tresc();
    if (!f.open(QIODevice::WriteOnly) || f.write(b) != b.size() || !f.commit()) {
        blad_ = sciezka_ + QStringLiteral(": ") + f.errorString();
        return false;
    }
    zmiany_.clear();
    for (Linia &l : linie_)
        l.zmiana = -1;
    return true;
}

std::unique_ptr<PlikIni> otworzUstawienia()
{
    const QString nazwa = QStringLiteral("ustawienia.ini");
    const QString programu = QCoreApplication::applicationDirPath();
    QString startowy;
    if (!programu.isEmpty() && !QFileInfo(programu).isWritable())
        startowy = QDir(programu).filePath(nazwa);
    return std::make_unique<PlikIni>(katalogProgramu() + nazwa, startowy);
}

bool zapiszUstawienia(PlikIni &ini)
{
    if (ini.zapisz())
        return true;
    pokazBlad(PlikIni::tr("Nie można zapisać ustawień programu.") + QLatin1Char('\n') + ini.blad());
    return false;
}
