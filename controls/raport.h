// Printed reports of the editors: a template of bands holding named text
// objects, the datasets the bands run over, the page layout into pages and
// the painting of those pages on a printer, a preview or a PDF file.
//
// Units are millimetres. Text objects may hold expressions: "[Date]" (the
// printing date) and "[dataset.field]" (the field of the dataset's current
// row; names are matched without regard to case); anything else in
// brackets prints as it stands.
//
// Character sets: Qt draws Unicode text and picks glyphs per script, so a
// Russian report needs no page character set; the fonts of a PDF are
// embedded as drawn.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QCoreApplication>
#include <QDate>
#include <QFont>
#include <QHash>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPair>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

class QPagedPaintDevice;
class QPrinter;
class TPasmo;

// A fault of a template or its data found while laying out the pages.
class BladRaportu : public std::runtime_error {
public:
    explicit BladRaportu(const QString &komunikat);
    QString komunikat;
};

class TObiektRaportu {
public:
    explicit TObiektRaportu(QString n) : nazwa(std::move(n)) {}
    virtual ~TObiektRaportu() = default;
    QString nazwa;
    QRectF polozenie; // within the band
    bool widoczny = true;
};

// A text (memo) object.
class TTekstRaportu : public TObiektRaportu {
public:
    using TObiektRaportu::TObiektRaportu;
    QStringList linie;
    QFont czcionka{QStringLiteral("Arial"), 9};
    QColor kolor = Qt::black;
    Qt::Alignment wyrownanie = Qt::AlignLeft | Qt::AlignVCenter;
    qreal obrot = 0; // degrees, counter-clockwise
    bool ramka = false;
    bool zawijaj = false;
    bool ukryjZera = false; // a value equal to zero prints nothing
    // Runs before each printing of the object, after the expressions were
    // worked out into `wartosc`; it may change the style, the value or the
    // visibility (the changes stay, as in the template).
    std::function<void(TTekstRaportu &)> przedDrukiem;
    QString wartosc; // the text being printed

    QString tekst() const { return linie.join(QLatin1Char('\n')); }
};

// A line from the top-left to the bottom-right corner of its rectangle.
class TLiniaRaportu : public TObiektRaportu {
public:
    using TObiektRaportu::TObiektRaportu;
    QColor kolor = Qt::black;
    qreal grubosc = 0.2;
};

enum class TRodzajPasma {
    TytulRaportu,    // once, at the top of the first page
    NaglowekStrony,  // at the top of every page
    NaglowekKolumny, // at the top of every page column
    Dane,            // once per row of its dataset (a child: per matching row)
    Podrzedne,       // once after each printing of its parent band
    Komorki,         // the matching rows as cells side by side, wrapped into lines
    StopkaStrony,    // at the bottom of every page
};

class TPasmo : public TObiektRaportu {
public:
    TPasmo(QString nazwa, TRodzajPasma rodzaj, qreal wysokosc, QString zbior);

    // Rows of a child band's dataset that belong to the parent's current
    // row: pairs (own field, field of the nearest parent band's dataset).
    using TPowiazanie = QList<QPair<QString, QString>>;

    TRodzajPasma rodzaj;
    qreal wysokosc;
    QString zbior;
    TPowiazanie powiazanie;
    int liczbaKomorek = 1;      // Komorki: cells in a line
    qreal szerokoscKomorki = 0; // Komorki: the objects move by this per cell
    // Runs before each printing of the band; it may hide it for this row.
    std::function<void(TPasmo &)> przedWydrukiem;

    std::vector<std::unique_ptr<TObiektRaportu>> obiekty;
    std::vector<std::unique_ptr<TPasmo>> pasma;

    // Object names are unique in the whole report (checked when the report
    // is laid out).
    TTekstRaportu &dodajTekst(const QString &nazwa, const QRectF &polozenie, const QString &tekst = QString());
    TLiniaRaportu &dodajLinie(const QString &nazwa, const QRectF &polozenie);
    TPasmo &dodajPasmo(const QString &nazwa, TRodzajPasma rodzaj, qreal wysokosc, const QString &zbior = QString(),
                       const TPowiazanie &powiazanie = {});
};

// The rows a band runs over; every value is the text to print.
class TZbiorRaportu {
public:
    TZbiorRaportu(QString n, QStringList p) : nazwa(std::move(n)), pola(std::move(p)) {}
    QString nazwa;
    QStringList pola;
    QList<QStringList> wiersze;

    void wyczysc() { wiersze.clear(); }
    // Missing values are empty; surplus values are an error.
    void dodajWiersz(const QStringList &wartosci);
    int indeksPola(const QString &pole) const; // -1 when there is none
};

struct TElementWydruku {
    QRectF polozenie; // on the paper
    QString tekst;
    QFont czcionka;
    QColor kolor;
    Qt::Alignment wyrownanie;
    qreal obrot = 0;
    bool ramka = false;
    bool zawijaj = false;
    bool linia = false;
    qreal grubosc = 0;
};
using TStronaWydruku = QList<TElementWydruku>;

class TRaport {
    Q_DECLARE_TR_FUNCTIONS(TRaport)
public:
    explicit TRaport(QString nazwa = QStringLiteral("frxReport1"));
    TRaport(const TRaport &) = delete;
    TRaport &operator=(const TRaport &) = delete;

    QString nazwa;
    struct Strona {
        QPageSize rozmiar{QPageSize::A4};
        QPageLayout::Orientation orientacja = QPageLayout::Portrait;
        QMarginsF marginesy{10, 10, 10, 10};
        int kolumny = 1;
        QSizeF wymiary() const; // paper size in mm, oriented
    } strona;
    QDate dataWydruku; // "[Date]"; the current date when not set

    TPasmo &dodajPasmo(const QString &nazwa, TRodzajPasma rodzaj, qreal wysokosc, const QString &zbior = QString());
    TZbiorRaportu &dodajZbior(const QString &nazwa, const QStringList &pola);
    TZbiorRaportu *zbior(const QString &nazwa);
    const TZbiorRaportu *zbior(const QString &nazwa) const;
    // Any object of the report by name (bands included), or nullptr.
    TObiektRaportu *znajdzObiekt(const QString &nazwa) const;
    // The title of the preview window, the print job and the PDF file: the
    // text of "MemoTytul" (the report's title in the current language), or
    // the program's name when the report has none.
    QString tytul() const;
    // The value of a field in the dataset's current row while the pages are
    // laid out (for the przedDrukiem and przedWydrukiem handlers).
    QString wartoscPola(const QString &zbior, const QString &pole) const;

    // Lays out the pages; throws BladRaportu.
    QList<TStronaWydruku> przygotuj();

    std::vector<std::unique_ptr<TPasmo>> pasma;
    std::vector<std::unique_ptr<TZbiorRaportu>> zbiory;

private:
    friend class UkladStron;
    QHash<QString, int> biezace_; // dataset (lower case) -> current row
};

// Paints laid-out pages; false when the device cannot be painted on.
bool rysujStrony(const TRaport::Strona &strona, const QList<TStronaWydruku> &strony, QPagedPaintDevice &urzadzenie);

// Sets the text of a text object as its only line. A missing object or one
// that is not a text is reported as an error; the answer is then false.
bool ustawTekstRaportu(TRaport &raport, const QString &nazwa, const QString &tekst);

// Prints the report: Polish (1045) opens a preview, other languages print
// at once on the printer chosen by wybierzDrukarke. Errors are reported;
// the answer is false then.
bool drukujRaport(TRaport &raport, int jezykId);

// The print dialog the editors show before they fill the report; false on
// Cancel. The printer chosen here is the one that drukujRaport uses.
bool wybierzDrukarke();

// Where reports go: the printer and its dialogs, or, in tests, PDF files.
class IWydruk {
public:
    virtual ~IWydruk() = default;
    virtual bool wybierzDrukarke() = 0;
    virtual bool podglad(const TRaport &raport, const QList<TStronaWydruku> &strony) = 0;
    virtual bool drukuj(const TRaport &raport, const QList<TStronaWydruku> &strony) = 0;
};

// Installs the service (not owned); nullptr restores the printer.
void ustawWydruk(IWydruk *w);
IWydruk &wydruk();

// The system's printer, chosen in QPrintDialog, with QPrintPreviewDialog.
class WydrukOkienny final : public IWydruk {
    Q_DECLARE_TR_FUNCTIONS(WydrukOkienny)
public:
    WydrukOkienny();
    ~WydrukOkienny() override;
    bool wybierzDrukarke() override;
    bool podglad(const TRaport &raport, const QList<TStronaWydruku> &strony) override;
    bool drukuj(const TRaport &raport, const QList<TStronaWydruku> &strony) override;
    QPrinter &drukarka();

private:
    std::unique_ptr<QPrinter> drukarka_;
};

// A list report as most editors print it: "MemoTytul" and "MemoWersja" on
// top of every page, one head "h_<name>" per column above each page
// column, one line per row of the dataset with a cell per column, and
// "f_wydrukowano" at the bottom of every page.
struct TKolumnaRaportu {
    QString nazwa; // the head is "h_" + nazwa
    QString pole;  // field of the dataset
    qreal szerokosc;
    Qt::Alignment wyrownanie = Qt::AlignLeft | Qt::AlignVCenter;
};
// Returns the data band (named "MasterData1") for detail bands.
TPasmo &szablonListy(TRaport &raport, const QString &zbior, const QList<TKolumnaRaportu> &kolumny);
// The page header of the editors' reports ("MemoTytul" and "MemoWersja"
// over a line, band "PageHeader1") and their page footer ("f_wydrukowano",
// band "PageFooter1"); the answer is the width of the printable area [mm].
qreal dodajNaglowekIStopke(TRaport &raport);

// The relay-state table under a band: the dataset's rows that belong to
// the parent's current row as 64 cells in a line (relay number and state
// for 32 relays). Before each cell the counter grows by one: an odd count
// prints grey 6-point text turned by 10 degrees (the relay number), an
// even count black 8-point text (the state). The cell's text object is
// named nazwa + "_stan"; the counter is the window's own.
TPasmo &dodajPasmoPrzekaznikow(TPasmo &rodzic, const QString &nazwa, const QString &zbior,
                               const TPasmo::TPowiazanie &powiazanie, qreal szerokosc, qint64 *licznik);
// The dataset such a band prints: "memPrzekazniki" with the fields nr,
// alarm, przekaznik and stan, one item's alarm after another.
QString zbiorPrzekaznikow();
TZbiorRaportu &dodajZbiorPrzekaznikow(TRaport &raport);
// The relays 1..32 of alarm `alarm` of item nr into that dataset: per relay
// j the row (nr, alarm, j, j), then (nr, alarm, j, state of relay j); a
// state past `stany` is 0.
void dopiszPrzekazniki(TZbiorRaportu &zbior, int nr, int alarm, const QByteArray &stany);
