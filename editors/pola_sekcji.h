// The fields of a section record as data. One descriptor per field gives its
// name (the list table's field, the report dataset's field), its title, its
// kind (how it is shown, typed and stored), its bounds and its access to the
// record; the list grid with its in-cell editors, the one-record editor's
// controls, the report's columns and the compare texts all read the same
// table, so a section declares each field once.
//
// Records are packed: every access copies the value out or in, never binds
// a reference to a field (the DOSTEP_ macros below do so).
#pragma once

#include "nazwy.h"
#include "pomocnicze.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <initializer_list>
#include <optional>
#include <type_traits>
#include <vector>

// How a value is shown, typed and stored.
enum class TRodzajPola {
    Tekst,            // a text computed from the record (read-only unless it has a setter)
    Calkowita,        // a whole number
    Dziesiate,        // tenths: shown / 10 with one decimal; typed x 10 rounded, halves to even
    DziesiateObciete, // tenths; typed x 10 truncated toward zero
    MinutySekundy,    // seconds shown as mm:ss, up to 99:59
    GodzinyMinuty,    // minutes shown as hh:mm, up to 99:59
    Nazwa50,          // TNazwa50char: 50 UTF-16 units, zero-padded
    Nazwa1250,        // a one-byte name (Windows-1250)
    Lista,            // an index into an enumeration list
    Przekazniki,      // states of relays 1..32: 0 off, n on with definition n
    Maska,            // bits 0..max-1
};

// Where a value is shown: the item's 1-based number and the language.
struct TMiejscePola {
    int nr = 0;
    int jezykId = 1045;
};

// What a field is, without its access to the record.
struct TOpisPola {
    QString nazwa;                        // field name ("nr_str", "Nazwa", "wartosc")
    const char *kontekst = "";            // translation context of the title
    const char *tytul = nullptr;          // Polish title, marked with QT_TRANSLATE_NOOP
    std::function<QString()> tytulWlasny; // a title built at run time, in place of `tytul`
    TRodzajPola rodzaj = TRodzajPola::Tekst;
    qint64 min = 0, max = 0;                       // stored units, bounds included; equal: no range (Maska: max = bits)
    int znakow = 0;                                // names: characters that may be typed; 0: no limit
    std::function<QStringList(int jezykId)> lista; // Lista: the items in code order
    std::optional<QString> pozaLista;              // Lista: text of a code without an item
    QString wzorBitu = QStringLiteral("%1");       // Maska: text of set bit n (1-based)
    bool edytowalne = false;                       // edited in its grid cell
    // A typed value outside min..max, or a typed text that is no number:
    // the range message with the maximum, and the field refuses the value
    // (a grid cell then stores 0; a record window's action ends). Otherwise
    // the value is clamped into the range.
    bool zeroPozaZakresem = false;

    // Grid column and report column.
    bool wSiatce = true; // shown in the grid; otherwise only a field of the list table
    int szerokosc = 64;  // [px]
    Qt::Alignment wyrownanie = Qt::AlignLeft | Qt::AlignVCenter;
    bool kolorPrzycisku = false; // drawn in the button face colour
    QString glowka;              // printed under the head "h_" + glowka; empty: not printed
    qreal szerokoscWydruku = 30; // [mm]
    // A short title ("D1"): the report's head and the field's label in a
    // joined compare row (tytulGlowki); empty: the title.
    QString skrot;

    // The compare (TPolaSekcji::roznice): the field's name in a row of the
    // item at that place where it is not the title (an empty text: the
    // item's text alone), and whether the differing fields of a run of such
    // fields with one name make one row, each side listing "skrot=text "
    // per field.
    std::function<QString(const TMiejscePola &)> tytulPorownania;
    bool porownanieRazem = false;

    // The title in the current language.
    QString tytulTekstu() const;
    // The short title, else the title.
    QString tytulGlowki() const { return skrot.isEmpty() ? tytulTekstu() : skrot; }
};

// ---- Values and texts of the kinds ----

// Tenths of a typed number: x 10 rounded to the nearest, halves to even, or
// truncated toward zero. A product within 1e-7 of a whole or half number
// counts as that number (2.3 x 10 is 23, 1.15 x 10 is 11.5); one beyond the
// 64-bit range gives the range's nearest end, one that is not finite 0.
qint64 dziesiate(double v, bool obcinaj);
// "mm:ss" of seconds, or "hh:mm" of minutes: the first part capped at 99.
QString tekstCzasu(qint64 v);
// Relay states as "DO1.3: DEF 2, DO1.7: DEF 1"; "-" when all are off.
QString tekstPrzekaznikow(const QByteArray &stany);
// The shown text of a stored value of a numeric, list or mask field.
QString tekstWartosci(const TOpisPola &opis, qint64 v, int jezykId);
// The stored value as an editor takes it: tenths as a double of units,
// everything else as the number itself.
QVariant wartoscDoEdycji(const TOpisPola &opis, qint64 v);
// An editor's value stored: tenths rounded or truncated, clamped into the
// field's range; a checked field (zeroPozaZakresem) shows the range
// message instead and refuses the value (nullopt). The value is a number
// (tenths as a double of units) or, from a checked field's box, a text the
// box cannot read: digits beyond 64 bits are out of range, any other text
// is no number (refused by a checked field, 0 clamped by the others).
std::optional<qint64> wartoscZEdycji(const TOpisPola &opis, const QVariant &v);
// How many values wartoscZEdycji has refused so far in the run: what a
// step took was refused when the count grew during it.
quint64 odmowyZakresu();
// " Nieprawidłowy zakres parametru ! " and the field's maximum in the
// units it is typed in (tenths rounded to a whole number).
QString tekstZakresuPola(const TOpisPola &opis);

// One difference of a compare: the row of the compare window.
struct TRoznicaPola {
    QString id;        // item ("Z3", "F07", a program row)
    QString nazwa;     // the field's title
    QString program;   // the PC's value as text
    QString sterownik; // the controller's value as text
};

// A field of records R.
template <class R>
struct TPole : TOpisPola {
    std::function<qint64(const R &)> wartosc; // numbers, list codes, times, masks
    std::function<void(R &, qint64)> ustawWartosc;
    std::function<QString(const R &, const TMiejscePola &)> tekst; // names and computed texts
    std::function<void(R &, const QString &)> ustawTekst;
    std::function<QByteArray(const R &)> stany; // Przekazniki: 32 bytes
    std::function<void(R &, const QByteArray &)> ustawStany;
    // The compare's value text where it is not the grid's, and what makes
    // two records equal in the field where it is not their texts.
    std::function<QString(const R &, const TMiejscePola &)> tekstPorownania;
    std::function<bool(const R &, const R &, const TMiejscePola &)> rowne;

    // ---- Declaring ----
    static TPole obliczone(QString nazwa, const char *tytul, std::function<QString(const R &, const TMiejscePola &)> f)
    {
        TPole p;
        p.nazwa = std::move(nazwa);
        p.tytul = tytul;
        p.tekst = std::move(f);
        return p;
    }
    static TPole liczbowe(QString nazwa, const char *tytul, TRodzajPola rodzaj, std::function<qint64(const R &)> czytaj,
                          std::function<void(R &, qint64)> zapisz, qint64 min = 0, qint64 max = 0)
    {
        TPole p;
        p.nazwa = std::move(nazwa);
        p.tytul = tytul;
        p.rodzaj = rodzaj;
        p.wartosc = std::move(czytaj);
        p.ustawWartosc = std::move(zapisz);
        p.min = min;
        p.max = max;
        return p;
    }
    static TPole wyliczenie(QString nazwa, const char *tytul, std::function<qint64(const R &)> czytaj,
                            std::function<void(R &, qint64)> zapisz, std::function<QStringList(int jezykId)> pozycje)
    {
        TPole p = liczbowe(std::move(nazwa), tytul, TRodzajPola::Lista, std::move(czytaj), std::move(zapisz));
        p.lista = std::move(pozycje);
        return p;
    }
    static TPole napis(QString nazwa, const char *tytul, TRodzajPola rodzaj,
                       std::function<QString(const R &, const TMiejscePola &)> czytaj,
                       std::function<void(R &, const QString &)> zapisz, int znakow)
    {
        TPole p;
        p.nazwa = std::move(nazwa);
        p.tytul = tytul;
        p.rodzaj = rodzaj;
        p.tekst = std::move(czytaj);
        p.ustawTekst = std::move(zapisz);
        p.znakow = znakow;
        return p;
    }
    static TPole przekaznikowe(QString nazwa, const char *tytul, std::function<QByteArray(const R &)> czytaj,
                               std::function<void(R &, const QByteArray &)> zapisz)
    {
        TPole p;
        p.nazwa = std::move(nazwa);
        p.tytul = tytul;
        p.rodzaj = TRodzajPola::Przekazniki;
        p.stany = std::move(czytaj);
        p.ustawStany = std::move(zapisz);
        p.wSiatce = false;
        return p;
    }

    // Grid and report settings, chained after a declaration.
    TPole kolumna(int px, Qt::Alignment w = Qt::AlignLeft | Qt::AlignVCenter) &&
    {
        szerokosc = px;
        wyrownanie = w;
        return std::move(*this);
    }
    TPole przycisk() &&
    {
        kolorPrzycisku = true;
        return std::move(*this);
    }
    TPole druk(QString g, qreal mm) &&
    {
        glowka = std::move(g);
        szerokoscWydruku = mm;
        return std::move(*this);
    }
    TPole ukryte() &&
    {
        wSiatce = false;
        return std::move(*this);
    }
    TPole edycja() &&
    {
        edytowalne = true;
        return std::move(*this);
    }
    TPole poza(QString t) &&
    {
        pozaLista = std::move(t);
        return std::move(*this);
    }
    TPole tytulZ(std::function<QString()> f) &&
    {
        tytulWlasny = std::move(f);
        return std::move(*this);
    }
    TPole zeroPoza() &&
    {
        zeroPozaZakresem = true;
        return std::move(*this);
    }
    TPole krotko(QString s) &&
    {
        skrot = std::move(s);
        return std::move(*this);
    }
    // The compare's name of the field and, when given, its value text.
    TPole porownanie(std::function<QString(const TMiejscePola &)> nazwa,
                     std::function<QString(const R &, const TMiejscePola &)> tekst = {}) &&
    {
        tytulPorownania = std::move(nazwa);
        if (tekst)
            tekstPorownania = std::move(tekst);
        return std::move(*this);
    }
    TPole porownanieWJednym() &&
    {
        porownanieRazem = true;
        return std::move(*this);
    }
    TPole rowneGdy(std::function<bool(const R &, const R &, const TMiejscePola &)> f) &&
    {
        rowne = std::move(f);
        return std::move(*this);
    }

    // ---- Using ----
    // The value as the grid, the report and the compare show it.
    QString tekstW(const R &r, const TMiejscePola &m) const
    {
        if (tekst)
            return tekst(r, m);
        if (stany)
            return tekstPrzekaznikow(stany(r));
        return wartosc ? tekstWartosci(*this, wartosc(r), m.jezykId) : QString();
    }
    // What an editor shows: a number or list code (tenths as units), a
    // text, or the 32 relay states.
    QVariant doEdycji(const R &r, const TMiejscePola &m) const
    {
        if (wartosc)
            return wartoscDoEdycji(*this, wartosc(r));
        if (stany)
            return stany(r);
        return tekst ? QVariant(tekst(r, m)) : QVariant();
    }
    bool zapisywalne() const { return ustawWartosc || ustawTekst || ustawStany; }
    // An editor's value into the record (bounds and the tenths rule
    // applied). False when the field refused it with the range message
    // (zeroPozaZakresem): the record keeps its value. An invalid value (no
    // item chosen) leaves the record alone and is no refusal.
    bool zEdycji(R &r, const QVariant &v) const
    {
        if (!v.isValid())
            return true;
        if (ustawWartosc) {
            const std::optional<qint64> w = wartoscZEdycji(*this, v);
            if (!w)
                return false;
            ustawWartosc(r, *w);
        } else if (ustawTekst) {
            ustawTekst(r, v.toString());
        } else if (ustawStany) {
            ustawStany(r, v.toByteArray());
        }
        return true;
    }
};

// A section's field table: the list's columns, the one-record editor's
// fields, the report's columns and the compare, in one place.
template <class R>
class TPolaSekcji {
public:
    TPolaSekcji() = default;
    TPolaSekcji(const char *kontekst, std::initializer_list<TPole<R>> p) : pola(p)
    {
        for (TPole<R> &x : pola)
            x.kontekst = kontekst;
    }

    std::vector<TPole<R>> pola;

    const TPole<R> *pole(const QString &nazwa) const
    {
        for (const TPole<R> &p : pola)
            if (p.nazwa == nazwa)
                return &p;
        return nullptr;
    }
    const TPole<R> &operator[](const QString &nazwa) const
    {
        const TPole<R> *p = pole(nazwa);
        Q_ASSERT_X(p, "TPolaSekcji", qPrintable(nazwa));
        return *p;
    }

    // The compare's fields in its order; empty: the titled fields in table
    // order.
    QStringList porownywane;
    // The item's text a compare row starts with ("Krok 3", a parameter's
    // name), followed by the field's name; empty: the field's name alone.
    std::function<QString(const TMiejscePola &)> pozycjaPorownania;

    // The compare of item m: one row per field that differs between the
    // PC's record and the controller's (their texts, unless the field says
    // what is equal), with both value texts.
    QList<TRoznicaPola> roznice(const R &wProgramie, const R &wSterowniku, const QString &id,
                                const TMiejscePola &m) const
    {
        QList<TRoznicaPola> wynik;
        const QString pozycja = pozycjaPorownania ? pozycjaPorownania(m) : QString();
        QString razem; // the name of the joined row being written
        for (const TPole<R> *p : polaPorownania()) {
            const auto tekst = [&](const R &r) {
                return p->tekstPorownania ? p->tekstPorownania(r, m) : p->tekstW(r, m);
            };
            const QString a = tekst(wProgramie), b = tekst(wSterowniku);
            const bool rozne = p->rowne ? !p->rowne(wProgramie, wSterowniku, m) : a != b;
            QString nazwa = p->tytulPorownania ? p->tytulPorownania(m) : p->tytulTekstu();
            if (!pozycja.isEmpty())
                nazwa = nazwa.isEmpty() ? pozycja : pozycja + QLatin1Char(' ') + nazwa;
            if (!p->porownanieRazem) {
                razem.clear();
                if (rozne)
                    wynik.append({id, nazwa, a, b});
                continue;
            }
            if (!rozne)
                continue;
            const QString etykieta = p->tytulGlowki() + QLatin1Char('=');
            if (razem != nazwa || wynik.isEmpty()) {
                razem = nazwa;
                wynik.append({id, nazwa, QString(), QString()});
            }
            wynik.last().program += etykieta + a + QLatin1Char(' ');
            wynik.last().sterownik += etykieta + b + QLatin1Char(' ');
        }
        return wynik;
    }
    // The compare of items 1..ile, item nr's records a(nr) and b(nr) (each
    // a `const R &`); each row's id is the text of the table's first field
    // for its item.
    template <class A, class B>
    QList<TRoznicaPola> roznice(int ile, A a, B b, int jezykId) const
    {
        QList<TRoznicaPola> wynik;
        for (int nr = 1; nr <= ile; ++nr) {
            const TMiejscePola m{nr, jezykId};
            const R &ra = a(nr), &rb = b(nr);
            wynik += roznice(ra, rb, pola.empty() ? QString() : pola.front().tekstW(ra, m), m);
        }
        return wynik;
    }

private:
    std::vector<const TPole<R> *> polaPorownania() const
    {
        std::vector<const TPole<R> *> w;
        if (porownywane.isEmpty()) {
            for (const TPole<R> &p : pola)
                if (p.tytul || p.tytulWlasny || p.tytulPorownania)
                    w.push_back(&p);
        } else {
            for (const QString &n : porownywane)
                w.push_back(&(*this)[n]);
        }
        return w;
    }
};

// The items of an enumeration list of the model for TPole::wyliczenie:
// zListy(listaZnak), zListyJezyka(listaWarunekKonca).
inline std::function<QStringList(int)> zListy(QStringList (*lista)())
{
    return [lista](int) { return lista(); };
}
inline std::function<QStringList(int)> zListyJezyka(QStringList (*lista)(int jezykId)) { return lista; }

// ---- Access to packed fields ----
// Each expands to the getter and the setter of a declaration; the field is
// an expression on the record `r` ("wartosc", "dodatki_max[i]"), and
// locals it names are captured by value.

// A numeric field (numbers, list codes, times, masks).
#define DOSTEP_POLA(pole)                                                                                              \
    [=](const auto &r) -> qint64 { return r.pole; },                                                                   \
        [=](auto &r, qint64 v) { r.pole = static_cast<std::remove_cvref_t<decltype(r.pole)>>(v); }

// A TNazwa50char name: shown up to its first zero unit and trimmed, stored
// zero-padded.
#define DOSTEP_NAZWY50(pole)                                                                                           \
    [=](const auto &r, const TMiejscePola &) {                                                                         \
        const TNazwa50char n = r.pole;                                                                                 \
        return nazwa50NaTekst(n);                                                                                      \
    },                                                                                                                 \
        [=](auto &r, const QString &t) {                                                                               \
            TNazwa50char n;                                                                                            \
            tekstNaNazwe50(t, n);                                                                                      \
            r.pole = n;                                                                                                \
        }

// A length-prefixed one-byte (Windows-1250) name such as `nazwa_str`,
// shown up to its first zero byte; the bytes after the text keep what they
// held.
#define DOSTEP_NAZWY1250(pole)                                                                                         \
    [=](const auto &r, const TMiejscePola &) { return tekstJednobajtowy(std::span<const uint8_t>(r.pole)); },          \
        [=](auto &r, const QString &t) { ustawTekstJednobajtowy(std::span<uint8_t>(r.pole), t); }

// Relays 1..32 of a 128-byte relay array; relays 33..128 are left alone.
#define DOSTEP_PRZEKAZNIKOW(pole)                                                                                      \
    [=](const auto &r) {                                                                                               \
        QByteArray b(32, '\0');                                                                                        \
        for (int j = 0; j < 32; ++j)                                                                                   \
            b[j] = char(r.pole[j]);                                                                                    \
        return b;                                                                                                      \
    },                                                                                                                 \
        [=](auto &r, const QByteArray &b) {                                                                            \
            for (int j = 0; j < 32 && j < b.size(); ++j)                                                               \
                r.pole[j] = uint8_t(b[j]);                                                                             \
        }
