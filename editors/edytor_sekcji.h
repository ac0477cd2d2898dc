// What every section editor window shares: the flat tool buttons with their
// hints, OK and "Anuluj" with the changed flag (`wynik`, `but_ok`), the
// close question on every way of closing, the entry function's copy in and
// copy back, the transfers under the progress window, and raw section
// files. List windows build on it in edytor_listy.h; windows of one record
// put their controls into `obszar` and call modyfikacja() on every change.
#pragma once

#include "transfer_sekcji.h"
#include "ustawienia_polaczenia.h"

#include <QDialog>
#include <QFlags>

#include <cstring>
#include <functional>
#include <type_traits>

class QPushButton;
class QToolButton;

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
    // `wynik` set (most sections), OK alone, or `wynik` alone.
    enum class Zwrot { OkIWynik, Ok, Wynik };

    explicit TEdytorSekcji(Przyciski przyciski, QWidget *parent = nullptr);

    bool wynik = false; // changes that OK is to hand back
    int jezykId = 1045;
    TUstawieniaSterownika daneSterownika; // refreshed before every transfer

    // nullptr where the window has no such button.
    QToolButton *but_odczyt = nullptr, *but_wyslij = nullptr, *but_otworz = nullptr, *but_zapisz = nullptr,
                *but_popraw = nullptr, *but_drukuj = nullptr, *sb_cls = nullptr;
    QPushButton *but_ok, *but_anuluj;
    QWidget *obszar; // the section's controls

    // The entry function's run on a fresh window: language and texts, the
    // caller's data copied into the window's copy and shown, the window
    // opened unchanged and modally; the copy goes back over the caller's
    // data only when `zwrot` says the user confirmed.
    template <class Dane>
    bool edytuj(Dane &dane, Dane &kopia, int jezyk, Zwrot zwrot = Zwrot::OkIWynik)
    {
        static_assert(std::is_trivially_copyable_v<Dane>);
        ustawJezyk(jezyk);
        std::memcpy(&kopia, &dane, sizeof(Dane));
        pokazDane();
        wynik = false;
        wlaczOk(false);
        const bool ok = exec() == QDialog::Accepted;
        const bool oddaj = zwrot == Zwrot::Ok ? ok : zwrot == Zwrot::Wynik ? wynik : ok && wynik;
        if (oddaj)
            std::memcpy(&dane, &kopia, sizeof(Dane));
        return oddaj;
    }

    void ustawJezyk(int id);
    // Every text in the current language: caption, the section's texts,
    // the hints, "OK" and "Anuluj" (again on every language change).
    void jezyk();

    void but_okClick();
    void but_anulujClick();
    // A change by the user: OK becomes enabled.
    void modyfikacja();
    // With OK enabled, the question whether to drop the changes decides.
    bool FormCloseQuery();
    // One of the window's transfers or file commands is running.
    bool wTrakcie() const { return wTrakcie_; }

    // "Wysyłanie ustawień do sterownika": the progress text of most sends.
    static QString tekstWysylania();

protected:
    virtual QString tytul() const = 0;
    virtual void jezykSekcji() {}
    // Shows the section copy (a list rebuilds itself).
    virtual void pokazDane() = 0;

    // The tool buttons' commands; each runs through wykonaj().
    virtual void but_odczytClick() {}
    virtual void but_wyslijClick() {}
    virtual void but_otworzClick() {}
    virtual void but_zapiszClick() {}
    virtual void but_poprawClick() {}
    virtual void but_drukujClick() {}
    virtual void sb_clsClick() {}

    // Runs a command of the window: the tool buttons are disabled while it
    // runs (its loops process messages; a second command is not started
    // meanwhile), the progress window is hidden at its end in every case,
    // and an error that escapes it is reported.
    void wykonaj(const std::function<void()> &polecenie);

    // ---- Transfers of a whole section ----
    enum class KoniecPetli { Calosc, Blad, Anulowano };
    struct Petla {
        int ile = 0;
        QString tekst;                             // progress text; empty shows "Czekaj..."
        std::function<bool(int)> pozycja;          // item i = 1..ile read into a scratch record, or sent
        std::function<void(int)> zapisz;           // reads: keeps item i's scratch record (optional)
        bool sprawdzajKoniec = true;               // "Anuluj" of the progress window ends the loop
        bool zapiszAnulowana = true;               // reads: the item read when "Anuluj" was noticed is kept
        int probyOtwarcia = probyLanOtwarciaSesji; // sends: TCP/IP attempts to open the session
        bool drugiKomunikat = false;               // sends: "Brak komunikacji" again after a failed item
    };
    // Read all: "Anuluj" cleared, the connection record refreshed, progress
    // 0 of ile; per item: read (a failure ends the loop, the item's read
    // function has reported it), messages processed, item kept, "Anuluj"
    // polled, progress i. The caller rebuilds as its section says.
    KoniecPetli czytajWszystko(const Petla &p);
    // Send all inside one write session: a session that cannot be opened
    // sends nothing ("Brak komunikacji"); a failed item or "Anuluj" ends
    // the loop and leaves the session open; after the last item the
    // session is closed and "Ustawienia wysłane do sterownika " shown
    // ("Brak komunikacji" when the close fails).
    KoniecPetli wyslijWszystko(const Petla &p);
    // Read and send of a window of one record. Reading: progress 0 of 1,
    // the read, on success messages processed, pokaz() and progress 1 of 1.
    // Sending (the record taken from the controls first; the send function
    // sends alone, in a session of its own): progress 0 of `ile`, the
    // send, on success progress `ile` and "Ustawienia wysłane do
    // sterownika ".
    bool czytajJeden(const std::function<bool()> &czytaj, const std::function<void()> &pokaz);
    bool wyslijJeden(const std::function<bool()> &wyslij, int ile = 3, const QString &tekst = tekstWysylania());

    // "Potwierdzasz wyzerowanie danych dla bieżącego okna?"
    bool potwierdzCzyszczenie();

    // ---- Section files ----
    // The save dialog with the section's filter; the block is written
    // whole or not at all (the system's reason is shown).
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

    void wlaczOk(bool tak);
    void done(int r) override;
    void changeEvent(QEvent *e) override;

private:
    QToolButton *dodajNarzedzie(Przycisk p, const char *nazwa, void (TEdytorSekcji::*polecenie)());
    void wlaczNarzedzia(bool tak);

    QList<QToolButton *> narzedzia_;
    bool wTrakcie_ = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TEdytorSekcji::Przyciski)
