// The section editor frame: what every section editor window shares.
//
//   edytor_sekcji.h   TEdytorSekcji: the modal window with the flat tool
//                     buttons and their hints, OK and "Anuluj" with the
//                     changed flag (`wynik`, `but_ok`), the close question on
//                     every way out, the entry function's copy in and copy
//                     back, the read-all and send-all loops with their hooks,
//                     one-record transfers, raw section files, the print
//                     and the compare with the controller.
//   edytor_listy.h    TEdytorListy / TListaSekcji<Dane>: a list window, one
//                     grid row per item, the item editor on the current row,
//                     the default loops over the items, the list's report.
//   edytor_rekordu.h  TEdytorRekordu<R>: a window of one record whose
//                     controls are bound to its fields.
//   pola_sekcji.h     TPole<R> / TPolaSekcji<R>: the section's fields as data,
//                     read by the grid, its in-cell editors, the bound
//                     controls, the report and the compare.
//   transfer_sekcji.h per-item read and send below the windows;
//                     TPozycjeSekcji<R>: the items of a list section.
//   sekcje_projektu.h the sections of a whole project, one row per
//                     transfer row.
//
// How a section declares itself (the setpoints, zadane.*, are the example):
//
// 1. Transfers, in <sekcja>_transfer.h/.cpp, below the windows (the
//    whole-project transfer calls them too): czytajX(R &, nr, ust) and
//    wyslijX(const R &, nr, wSesji, ust), each one call of czytajPozycje or
//    przeslijPozycje with the section's read time-out, RS-485 facade
//    function and TCP/IP operation. A list section adds its items there,
//    `extern const TPozycjeSekcji<R> pozycjeX`: where item k lies in the
//    array and its read and send, the only place that turns k into the
//    item's number on the wire.
// 2. The field table: a function returning `const TPolaSekcji<R> &` with
//    one TPole<R> per field: TPole::liczbowe (whole numbers, tenths rounded
//    or truncated, mm:ss and hh:mm durations, bit masks), wyliczenie (an
//    enumeration list of the model: zListy(listaZnak)), napis (50-unit and
//    one-byte names), przekaznikowe (relays 1..32), obliczone (a text from
//    the record, the row's number and the language); access through
//    DOSTEP_POLA, DOSTEP_NAZWY50, DOSTEP_NAZWY1250, DOSTEP_PRZEKAZNIKOW or
//    lambdas of its own; then .kolumna(px), .druk(head, mm), .krotko(head
//    text), .ukryte(), .edycja(), .poza(text), and for a compare that says
//    more than the grid .porownanie(name, text), .porownanieWJednym(),
//    .rowneGdy(). The grid's columns and in-cell editors, the item editor's
//    controls, the report's columns and the compare's rows
//    (TPolaSekcji::roznice, shown by porownajZeSterownikiem) all come from
//    this one table.
// 3. A list section: class TfListaX : public TListaSekcji<TXArray>, with
//    Q_OBJECT. Its constructor passes the tool buttons and the number of
//    rows and sets ustawPozycje(pozycjeX) (step 1), ustawPola(polaX()),
//    `rozszerzenie` (its files) and `przebudowa` (what a rebuild counts
//    as). It overrides tytul(), edytujJedna() (the item editor's entry) and
//    jezykSekcji() for texts that are not field titles. Read all, send all,
//    files, printing, editing the current row and the close question come
//    from the frame. Where the section departs from the common flow, it
//    takes petlaOdczytu() or petlaWysylania() and sets a hook of Petla
//    (naPoczatek, przed item i, po an item, postep, poBledzie, poZamknieciu,
//    naKoniec) instead of writing a loop; a report with more than the list
//    overrides zbudujRaport() and wypelnijRaport().
// 4. A one-record window or item editor: class TFx : public
//    TEdytorRekordu<R>, with Q_OBJECT. Its constructor adds controls with
//    dodajPole() (a labelled control of the field's kind, bound to it; a
//    przekaznikowe field gives the relay selector TPrzekazniki32 with the
//    definition viewer and the project's icons, controls/przekazniki32.h),
//    binds controls of its own with powiaz(), adds grids of rows edited in
//    their cells with dodajSiatke() and sets `rozszerzenie`. It overrides
//    tytul(), czytajRekord() and wyslijRekord() when it transfers,
//    poOtwarciu() when a loaded record keeps fields of the item, and
//    WypiszDane() / AktualizujDanePoEdycji() only for what no binding
//    covers. A printed record gives its template (zbudujRaport()), its
//    texts (tekstyRaportu()) and data (wypelnijRaport()); the frame prints.
//    A value dialog (OK always available, no close question) calls
//    okBezZmian().
// 5. The entry functions: return otworzEdytor<TfListaX>(dane, jezykId);
//    with the section's Zwrot rule and, where the entry takes more
//    arguments, a lambda that hands them to the window before it opens.
// 6. Dispatch (app/sekcje.*): one Sekcja value and its row of the table
//    there: the transfer row its block goes with, its button and the entry
//    function on the project's block (the window copies it in once and
//    back once on a confirmed change).
//    A block of the project of its own also takes one WierszProjektu
//    (model/wiersze_projektu.h), its row in sekcje_projektu.cpp (caption,
//    items, sendUnlock, potw73, the item's read and send through step 1)
//    and its row of the block compare (model/porownanie_blokow.cpp); each
//    table is checked at compile time to hold the rows in their order.
// 7. Tests: one row in the table of tests/editors/test_sekcje_wspolne.cpp
//    (the shared behaviour is tested there once per section); the
//    section's own tests cover only its fields and its departures.
// 8. Translations: refresh them and fill in English and Russian.
//
// Windows are created on the heap (otworzEdytor does): a section copy can
// be large (100 programs are 1.69 MB). No section record is a stack object;
// scratch records of the loops and edits are on the heap as well.
#pragma once

#include "transfer_sekcji.h"
#include "ustawienia_polaczenia.h"

#include <QDialog>
#include <QFlags>
#include <QList>
#include <QPair>

#include <cstring>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

class QGroupBox;
class QHBoxLayout;
class QIcon;
class QLabel;
class QPushButton;
class QToolButton;
class TPasmo;
class TRaport;
class TTabelaPamieci;
class TZbiorRaportu;
struct TRoznicaPola;

class TEdytorSekcji : public QDialog {
    Q_OBJECT
public:
    enum Przycisk {
        Odczyt = 0x01,      // but_odczyt "Odczyt danych ze sterownika"
        Wyslanie = 0x02,    // but_wyslij "Wysłanie danych do sterownika"
        Otwarcie = 0x04,    // but_otworz "Odczyt danych z dysku"
        Zapis = 0x08,       // but_zapisz "Zapis danych na dysk"
        Edycja = 0x10,      // but_popraw "Edycja"
        Drukowanie = 0x20,  // but_drukuj "Drukuj"
        Czyszczenie = 0x40, // sb_cls "Czyść"
    };
    Q_DECLARE_FLAGS(Przyciski, Przycisk)

    // When the entry function hands the data back: modal result OK with
    // `wynik` set (most sections), or OK alone.
    enum class Zwrot { OkIWynik, Ok };
    // How a read-all or send-all ended.
    enum class KoniecPetli { Calosc, Blad, Anulowano };

    explicit TEdytorSekcji(Przyciski przyciski, QWidget *parent = nullptr);
    ~TEdytorSekcji() override;

    bool wynik = false; // changes that OK is to hand back
    int jezykId = 1045;
    TUstawieniaSterownika daneSterownika; // refreshed before every transfer
    qint64 ileTemp = 0;                   // cells of the report's relay band printed so far

    // nullptr where the window has no such button.
    QToolButton *but_odczyt = nullptr, *but_wyslij = nullptr, *but_otworz = nullptr, *but_zapisz = nullptr,
                *but_popraw = nullptr, *but_drukuj = nullptr, *sb_cls = nullptr;
    QPushButton *but_ok, *but_anuluj;
    QWidget *obszar; // the section's controls

    void ustawJezyk(int id);
    // Every text in the current language: caption, the section's texts,
    // the hints, "OK" and "Anuluj" (again on every language change).
    void jezyk();

    // OK: `wynik` set, OK disabled, the window closes with modal result 1.
    virtual void but_okClick();
    void but_anulujClick();
    // A change by the user: OK becomes enabled.
    void modyfikacja();
    // With OK enabled, the question whether to drop the changes decides.
    bool FormCloseQuery();
    // One of the window's transfers or file commands is running (its
    // operation, operacja.h, is held).
    bool wTrakcie() const;

    // Shows the window's copy (a list rebuilds itself, a record window
    // fills its controls).
    virtual void pokazDane() = 0;

    // "Wysyłanie ustawień do sterownika": the progress text of most sends.
    static QString tekstWysylania();

protected:
    virtual QString tytul() const = 0;
    // The frame's own texts (a list's column titles), then the section's.
    virtual void jezykRamy() {}
    virtual void jezykSekcji() {}

    // The tool buttons' commands; each runs through wykonaj().
    virtual void but_odczytClick() {}
    virtual void but_wyslijClick() {}
    virtual void but_otworzClick() {}
    virtual void but_zapiszClick() {}
    virtual void but_poprawClick() {}
    // The print dialog (Cancel ends it), then wydrukuj().
    virtual void but_drukujClick();
    virtual void sb_clsClick() {}

    // An edit still open in a cell of one of the window's grids goes into
    // its table as on leaving the cell (where a refused value becomes 0);
    // false when its field refused the value: the action that wanted the
    // window's values ends, the technician sees the 0 first.
    bool zatwierdzKomorke();

    // Runs a command of the window as its operation, after an edit still
    // open in a grid cell went in (a value refused there ends it at once):
    // the tool buttons, OK and "Anuluj" are disabled and every way out is
    // refused while it runs
    // (its loops process messages; a second command is not started
    // meanwhile), the progress window is hidden at its end in every case,
    // and an error that escapes it is reported.
    void wykonaj(const std::function<void()> &polecenie);

    // The entry function's run: the caller's data copied into the window's
    // copy once and shown, the window opened unchanged and modally; the copy
    // goes back over the caller's data once, and only when `zwrot` says the
    // user confirmed.
    template <class Dane>
    bool edytujKopie(Dane &dane, Dane &kopia, Zwrot zwrot)
    {
        static_assert(std::is_trivially_copyable_v<Dane>);
        std::memcpy(&kopia, &dane, sizeof(Dane));
        pokazDane();
        wynik = false;
        wlaczOk(false);
        przedOtwarciem();
        const bool ok = exec() == QDialog::Accepted;
        const bool oddaj = ok && (zwrot == Zwrot::Ok || wynik);
        if (oddaj)
            std::memcpy(&dane, &kopia, sizeof(Dane));
        return oddaj;
    }

    // The data are shown and the window is unchanged, just before it
    // opens: a window that corrects what it shows (values outside their
    // ranges) does so here, and that counts as a change.
    virtual void przedOtwarciem() {}

    // A value dialog (one setpoint, one SETUP parameter): OK is the default
    // button, always enabled, needs no change, and closing asks nothing.
    void okBezZmian();

    // A label whose text follows the language.
    void tlumaczonaEtykieta(QLabel *l, std::function<QString()> tekst);
    // A group box whose title follows the language.
    void tlumaczonyTytul(QGroupBox *g, std::function<QString()> tekst);

    // ---- Transfers of a whole section ----
    // The read-all and send-all loop over items 1..ile. Only `pozycja` is
    // required; every hook left empty takes the common flow.
    struct Petla {
        int ile = 0;
        QString tekst;                             // progress text; empty shows "Czekaj..."
        int probyOtwarcia = probyLanOtwarciaSesji; // sends: TCP/IP attempts to open the session
        // Item i read (into a scratch record) or sent; false ends the loop
        // (the item's function has shown "Brak komunikacji").
        std::function<bool(int i)> pozycja;
        // Before the first item, after the progress window came up (sends:
        // before the session is opened); false ends the loop as failed,
        // with any message already shown (the program list's lock check).
        std::function<bool()> naPoczatek;
        // Before item i; false ends the loop as failed, with any message
        // already shown (a lock check every 20 programs, a wait).
        std::function<bool(int i)> przed;
        // After item i succeeded and messages were processed; `anulowano`:
        // "Anuluj" of the progress window was pressed. True goes on. Reads
        // keep the scratch record here. Empty: the loop ends on "Anuluj".
        std::function<bool(int i, bool anulowano)> po;
        // Progress after item i. Empty: i of ile with the text.
        std::function<void(int i)> postep;
        // Sends: item i failed. True closes the session as after the last
        // item; empty or false ends at once and leaves the session open.
        std::function<bool(int i)> poBledzie;
        // Sends: the session was closed (true) or the close failed. Empty:
        // "Ustawienia wysłane do sterownika " or "Brak komunikacji".
        std::function<void(bool zamknieta)> poZamknieciu;
        // At the end however the loop ended, also when an error escapes it.
        std::function<void(KoniecPetli)> naKoniec;
    };
    // Read all: "Anuluj" cleared, the connection record refreshed, progress
    // 0 of ile, naPoczatek; per item przed, pozycja, messages, po, postep.
    // The window then shows its copy as it is (odswiezWidok) before
    // naKoniec.
    KoniecPetli czytajWszystko(const Petla &p);
    // Send all inside one write session: naPoczatek; a session that cannot
    // be opened sends nothing ("Brak komunikacji"); per item przed, pozycja
    // (with the in-session flag), messages, po, postep; after the last item
    // the session is closed, and so it is when "Anuluj" ends the loop.
    KoniecPetli wyslijWszystko(const Petla &p);
    // After a read loop, however it ended: the window shows what its copy
    // holds, without counting that as a change.
    virtual void odswiezWidok() {}

    // Read and send of one record. Reading: progress 0 of `ile`, the read,
    // on success messages processed, pokaz() and progress `ile`. Sending
    // (the record taken from the controls first; the send function sends
    // alone, in a session of its own): progress 0 of `ile`, the send, on
    // success progress `ile` and, with `potwierdz`, "Ustawienia wysłane do
    // sterownika ".
    bool czytajJeden(const std::function<bool()> &czytaj, const std::function<void()> &pokaz, int ile = 1,
                     const QString &tekst = QString());
    bool wyslijJeden(const std::function<bool()> &wyslij, int ile = 3, const QString &tekst = tekstWysylania(),
                     bool potwierdz = true);
    // "Anuluj" of the progress window was pressed during the transfer.
    static bool anulowano();

    // "Potwierdzasz wyzerowanie danych dla bieżącego okna?"
    bool potwierdzCzyszczenie();

    // ---- Section files ----
    // The save dialog with the section's filter; the block is written
    // whole or not at all (the file and the system's reason are shown).
    bool zapiszPlik(const void *dane, qint64 rozmiar, const QString &rozszerzenie,
                    const QString &etykieta = QStringLiteral("Kvor350"));
    // The open dialog with the same filter; the first `rozmiar` bytes of
    // the file into `dane`. A file that cannot be opened shows "Bład
    // otwarcia pliku", a shorter one "Bład przetwarzania pliku"; the data
    // then stay as they were. True when the data were replaced.
    bool otworzPlik(void *dane, qint64 rozmiar, const QString &rozszerzenie,
                    const QString &etykieta = QStringLiteral("Kvor350"));
    template <class T>
    bool zapiszPlik(const T &dane, const QString &rozszerzenie)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        return zapiszPlik(&dane, sizeof(T), rozszerzenie);
    }
    template <class T>
    bool otworzPlik(T &dane, const QString &rozszerzenie)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        return otworzPlik(&dane, sizeof(T), rozszerzenie);
    }

    // ---- Printing ----
    // The window's report, built once by zbudujRaport(), then per print:
    // the dataset `zbiorRaportu` from tabelaRaportu(); the texts
    // "MemoTytul" (tytulRaportu()), "MemoWersja", the head "h_" + glowka
    // of each printed field of that table, tekstyRaportu() and
    // "f_wydrukowano" (a missing text object is reported and nothing is
    // printed); wypelnijRaport(); drukujRaport.
    virtual void wydrukuj();
    virtual QString tytulRaportu() const { return tytul(); }
    // The rows a list report prints: a list's table, a record's grid.
    virtual const TTabelaPamieci *tabelaRaportu() const { return nullptr; }
    QString zbiorRaportu = QStringLiteral("frxDBDataset1");
    // The template; the list of tabelaRaportu()'s printed fields when
    // there is one.
    virtual void zbudujRaport(TRaport &raport);
    // The section's text objects: (name, text).
    virtual QList<std::pair<const char *, QString>> tekstyRaportu() const { return {}; }
    // The section's datasets and texts beyond those.
    virtual void wypelnijRaport(TRaport &) {}
    // The relay band under `wiersz`: per parent row the rows of the dataset
    // "memPrzekazniki" that match it by `powiazanie` (pairs of its and the
    // parent's fields; by default the item's `nr`), 64 cells across the
    // page counted in ileTemp.
    TPasmo &dodajPrzekaznikiRaportu(TRaport &raport, TPasmo &wiersz,
                                    const QList<QPair<QString, QString>> &powiazanie = {
                                        {QStringLiteral("nr"), QStringLiteral("nr")}});
    // That dataset emptied for dopiszPrzekazniki, the band's count
    // started again.
    TZbiorRaportu &przekaznikiRaportu(TRaport &raport);

    // ---- Compare ----
    // "Porównaj": `czytaj` reads the controller's copy (false: it said why,
    // nothing is compared), the progress window is hidden, the compare
    // window titled `tytul` gets the rows of `roznice` and opens; with no
    // rows the information `zgodne` is shown instead.
    void porownajZeSterownikiem(const std::function<bool()> &czytaj,
                                const std::function<QList<TRoznicaPola>()> &roznice, const QString &tytul,
                                const QString &zgodne);

    // A tool button of the section's own ("Gdzie użyty", "Porównaj") after
    // the common ones: its hint follows the language (it is also its
    // accessible name) and its command runs through wykonaj().
    QToolButton *dodajNarzedzie(const char *nazwa, const QIcon &ikona, std::function<QString()> podpowiedz,
                                std::function<void()> polecenie);
    // A tool button shown but never clickable, also after a command (a
    // window that does not print shows its print button greyed).
    void wylaczNarzedzie(QToolButton *b);
    // Every failed load, a file shorter than the section included, is
    // reported as "Bład otwarcia pliku".
    bool jedenBladPliku = false;

    void wlaczOk(bool tak);
    void done(int r) override;
    void changeEvent(QEvent *e) override;

private:
    // The loops' start: "Anuluj" cleared, the connection record refreshed,
    // progress 0, naPoczatek; false ends the loop.
    bool poczatekPetli(const Petla &p);
    // After item i: messages, po, progress; false: the loop ends as
    // cancelled.
    bool poPozycji(const Petla &p, int i);
    QToolButton *dodajNarzedzie(Przycisk p, const char *nazwa, void (TEdytorSekcji::*polecenie)());
    QToolButton *utworzNarzedzie(const char *nazwa, const QIcon &ikona, std::function<void()> polecenie);

    std::vector<std::pair<QLabel *, std::function<QString()>>> etykiety_;
    std::vector<std::pair<QGroupBox *, std::function<QString()>>> tytuly_;
    std::vector<std::pair<QToolButton *, std::function<QString()>>> podpowiedzi_;
    QHBoxLayout *pasek_ = nullptr;
    bool bezZmian_ = false;
    std::unique_ptr<TRaport> frxReport1;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TEdytorSekcji::Przyciski)

// A scratch copy of a section record or array, on the heap (a program is
// 16,916 bytes, the program list 1.69 MB).
template <class R>
struct TKopiaRobocza {
    R r;
};
template <class R>
std::unique_ptr<TKopiaRobocza<R>> kopiaRobocza(const R &z)
{
    static_assert(std::is_trivially_copyable_v<R>);
    auto k = std::make_unique<TKopiaRobocza<R>>();
    std::memcpy(&k->r, &z, sizeof(R));
    return k;
}
// Copies a record or array whole (arrays cannot be assigned).
template <class R>
void kopiujRekord(R &cel, const R &zrodlo)
{
    static_assert(std::is_trivially_copyable_v<R>);
    std::memcpy(&cel, &zrodlo, sizeof(R));
}

// The parent of an editor window: the modal window it is opened from, else
// the active window.
QWidget *rodzicEdytora();

// An entry function: a new window of type Okno on the heap with its copy,
// the language and its texts, przygotuj (arguments the entry takes beyond
// the data), then the run of edytuj(dane, zwrot). True when the caller's
// data now hold the confirmed changes.
template <class Okno, class Dane>
bool otworzEdytor(Dane &dane, int jezykId, TEdytorSekcji::Zwrot zwrot = TEdytorSekcji::Zwrot::OkIWynik,
                  const std::function<void(Okno &)> &przygotuj = {})
{
    auto okno = std::make_unique<Okno>(rodzicEdytora());
    okno->ustawJezyk(jezykId);
    if (przygotuj)
        przygotuj(*okno);
    return okno->edytuj(dane, zwrot);
}
