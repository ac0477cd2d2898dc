// A list window: the section as rows of the in-memory table `memproj`
// shown by the grid `DBGrid1`, one row per item, read from the window's
// section copy through the section's field table; the current row's item
// is edited by double click, "Edycja" or Enter, and the list prints as a
// report of its columns (the frame's print over `memproj`).
//
// TListaSekcji<Dane> is the typed list over a section array (TZadaneArray,
// TKrokiArray, ...): it holds the copy and gives the common read-all,
// send-all, files and row editing from the section's one-item functions.
#pragma once

#include "edytor_sekcji.h"
#include "pola_sekcji.h"
#include "raport.h"
#include "tabela_pamieci.h"

#include <memory>
#include <stdexcept>
#include <type_traits>

class QTableView;

class TEdytorListy : public TEdytorSekcji {
    Q_OBJECT
public:
    explicit TEdytorListy(Przyciski przyciski, QWidget *parent = nullptr);
    ~TEdytorListy() override;

    TTabelaPamieci *memproj;
    QTableView *DBGrid1;

    // `nr` of the current row; 0 when the list is empty. Proxy models
    // (a filter) between the table and the grid are looked through.
    int nrBiezacy() const;
    // Makes the row with this `nr` current (none, or filtered out: the
    // current row stays).
    void przejdzDo(int nr);
    // The rebuild (memProjlistaTworz): the rows anew from the section copy,
    // the first row current, and what the section's rule makes of it.
    void memProjlistaTworz();
    // The rows anew from the copy, the current row kept; not a change.
    void odswiezListe();

    // What a rebuild counts as: `wynik` set and OK enabled (most lists),
    // OK enabled only, or nothing (the setpoints).
    enum class Przebudowa { Zmiana, TylkoOk, BezZmiany };

protected:
    Przebudowa przebudowa = Przebudowa::Zmiana;

    // The table's fields over the copy and its number of rows.
    void ustawKolumny(std::vector<TKolumnaTabeli> kolumny, std::function<int()> ileWierszy);
    // Edits item `nr` (> 0) of the section copy.
    virtual void edytujPozycje(int nr) = 0;

    void pokazDane() override { memProjlistaTworz(); }
    void odswiezWidok() override { odswiezListe(); }
    void jezykRamy() override;
    void but_poprawClick() override;
    // The frame's print over `memproj`; the grid is not repainted meanwhile
    // and its current row is kept.
    void wydrukuj() override;
    const TTabelaPamieci *tabelaRaportu() const override { return memproj; }

    bool eventFilter(QObject *o, QEvent *e) override;
};

template <class Dane, class R = std::remove_all_extents_t<Dane>>
class TListaSekcji : public TEdytorListy {
public:
    using Rekord = R;

    // `ile` rows, items 1..ile.
    TListaSekcji(Przyciski przyciski, int ile, QWidget *parent = nullptr) : TEdytorListy(przyciski, parent), ile(ile) {}

    Dane dane{}; // the section copy
    int ile;     // rows shown, read and sent (an entry may change it before the window opens)

    // Item nr's record in the copy: where the section's items put it
    // (ustawPozycje), else record nr - 1 of the array.
    virtual R &pozycja(int nr)
    {
        if constexpr (std::is_array_v<Dane>)
            return pozycje_ ? pozycje_->pozycja(dane, nr) : dane[nr - 1];
        else
            throw std::logic_error("TListaSekcji::pozycja: a section that is not an array gives its items");
    }
    const TPolaSekcji<R> &polaSekcji() const { return pola_; }
    // The report's relay dataset anew: items 1..ile with the states of
    // their relay field `pole`.
    void wypelnijPrzekazniki(TRaport &raport, const QString &pole, int ile)
    {
        TZbiorRaportu &z = przekaznikiRaportu(raport);
        const TPole<R> &p = pola_[pole];
        for (int nr = 1; nr <= ile; ++nr)
            dopiszPrzekazniki(z, nr, 1, p.stany(pozycja(nr)));
    }

    // The entry function's run (otworzEdytor).
    bool edytuj(Dane &d, Zwrot zwrot) { return edytujKopie(d, dane, zwrot); }

protected:
    // The field table; the grid's columns, the report's and the compare's.
    void ustawPola(TPolaSekcji<R> pola)
    {
        pola_ = std::move(pola);
        ustawKolumny(kolumnyTabeli<R>(pola_, [this](int nr) -> R & { return pozycja(nr); }), [this] { return ile; });
    }

    // The section's items (its transfer file): where item nr lies and how
    // it is read and sent. The read-all and send-all go through them.
    void ustawPozycje(const TPozycjeSekcji<R> &pozycje) { pozycje_ = &pozycje; }
    // Item nr through them with the window's connection record; sends go
    // inside the send-all's session. Without them nothing is transferred.
    bool czytajPozycje(R &r, int nr) { return pozycje_ && pozycje_->czytaj(r, nr, daneSterownika); }
    bool wyslijPozycje(const R &r, int nr) { return pozycje_ && pozycje_->wyslij(r, nr, true, daneSterownika); }
    // The item editor on a scratch copy of item nr; true when confirmed.
    virtual bool edytujJedna(R &, int /*nr*/) { return false; }

    // The common read-all: item i read into a scratch copy of it, kept,
    // "Anuluj" ends the loop after it; a complete read rebuilds the list
    // and enables OK. tezPrzerwany: so does a read that ended early (a
    // failure, "Anuluj") after at least one item was kept.
    Petla petlaOdczytu(bool tezPrzerwany = false)
    {
        Petla p;
        p.ile = ile;
        p.pozycja = [this](int i) {
            robocza_ = kopiaRobocza(pozycja(i));
            return czytajPozycje(robocza_->r, i);
        };
        auto przeczytane = std::make_shared<int>(0);
        p.po = [this, przeczytane](int i, bool anulowano) {
            kopiujRekord(pozycja(i), robocza_->r);
            ++*przeczytane;
            memproj->odswiezWiersz(memproj->wiersz(i));
            return !anulowano;
        };
        p.naKoniec = [this, przeczytane, tezPrzerwany](KoniecPetli k) {
            if (k == KoniecPetli::Calosc || (tezPrzerwany && *przeczytane > 0)) {
                memProjlistaTworz();
                modyfikacja();
            }
        };
        return p;
    }
    // The common send-all: item i sent in the session, "Anuluj" ends the
    // loop after it.
    Petla petlaWysylania()
    {
        Petla p;
        p.ile = ile;
        p.pozycja = [this](int i) { return wyslijPozycje(pozycja(i), i); };
        return p;
    }

    void but_odczytClick() override { czytajWszystko(petlaOdczytu()); }
    void but_wyslijClick() override { wyslijWszystko(petlaWysylania()); }

    // Files of the whole section as one record ("k3spec"); the extension
    // without a dot.
    QString rozszerzenie;
    void but_otworzClick() override
    {
        if (otworzPlik(dane, rozszerzenie))
            memProjlistaTworz();
    }
    void but_zapiszClick() override { zapiszPlik(dane, rozszerzenie); }

    // A confirmed edit goes into the copy: rebuild, the same row, OK.
    void edytujPozycje(int nr) override
    {
        auto robocza = kopiaRobocza(pozycja(nr));
        if (!edytujJedna(robocza->r, nr))
            return;
        kopiujRekord(pozycja(nr), robocza->r);
        memProjlistaTworz();
        przejdzDo(nr);
        modyfikacja();
    }

private:
    TPolaSekcji<R> pola_;
    const TPozycjeSekcji<R> *pozycje_ = nullptr;
    std::unique_ptr<TKopiaRobocza<R>> robocza_;
};
