// A window of one record: a single-record section (humidity, additions,
// extra modules, ...) or the editor of one item of a list (a step, an
// output, a program, an input, a SETUP parameter, a setpoint). The record
// is the window's own copy, handed back by the entry function only when
// the user confirmed (edytujKopie); its controls are bound to the record's
// fields: WypiszDane shows the record in them, AktualizujDanePoEdycji takes
// them back into it. An action takes them through przyjmijDane (OK, a send,
// a save, a print, a section's own actions): a value its field refuses with
// the range message ends the action there.
//
// Every change of a bound control's value, also one shown from a read or a
// file, enables OK; the entry function disables it again once the record
// is first shown.
#pragma once

#include "edytor_sekcji.h"
#include "kontrolki_pol.h"
#include "lista_rozwijana.h"
#include "operacja.h"
#include "pola_sekcji.h"
#include "tabela_pamieci.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QTableView>

#include <memory>
#include <vector>

template <class R>
class TEdytorRekordu : public TEdytorSekcji {
public:
    using Rekord = R;

    explicit TEdytorRekordu(Przyciski przyciski, QWidget *parent = nullptr) : TEdytorSekcji(przyciski, parent) {}

    R rekord{}; // the window's copy

    // The entry function's run (otworzEdytor).
    bool edytuj(R &dane, Zwrot zwrot) { return edytujKopie(dane, rekord, zwrot); }

    // The record into the bound controls.
    virtual void WypiszDane()
    {
        for (const Powiazanie &p : powiazania_)
            p.pokaz();
    }
    // The bound controls into the record.
    virtual void AktualizujDanePoEdycji()
    {
        for (const Powiazanie &p : powiazania_)
            p.przyjmij();
    }

    // The controls into the record as an action takes them: false when a
    // field refused its control's value (the range message was shown, the
    // field kept its stored value); that control keeps what was typed and
    // gets the focus (when the window's operation ends, if one runs), and
    // the action sends, saves and stores nothing.
    bool przyjmijDane()
    {
        if (!zatwierdzKomorke())
            return false;
        odrzucona_ = nullptr;
        AktualizujDanePoEdycji();
        QWidget *k = odrzucona_;
        odrzucona_ = nullptr;
        if (!k)
            return true;
        dajFokus(k);
        return false;
    }

    void but_okClick() override
    {
        if (przyjmijDane())
            TEdytorSekcji::but_okClick();
    }
    void pokazDane() override { WypiszDane(); }

protected:
    // The report prints the record as the controls show it; taking them
    // into it is no change.
    void wydrukuj() override
    {
        if (przyjmijDane())
            TEdytorSekcji::wydrukuj();
    }

    // A control whose value its field refused during AktualizujDanePoEdycji
    // (the first one counts): a section's own take-over reports it here.
    void odrzucono(QWidget *k)
    {
        if (!odrzucona_)
            odrzucona_ = k;
    }

    // The items of the field lists and the grids' titles follow the
    // language; a list keeps its chosen item, which is no change.
    void jezykRamy() override
    {
        for (const auto &[c, lista] : listy_)
            if (lista)
                zmienPozycje(c, lista(jezykId));
        for (TTabelaPamieci *t : siatki_) {
            t->jezykId = jezykId;
            t->odswiezTytuly();
        }
    }

    // The grid of labelled fields on `obszar`, created on first use.
    QGridLayout *ukladPol()
    {
        if (!uklad_)
            uklad_ = new QGridLayout(obszar);
        return uklad_;
    }

    // A control of the field's kind (kontrolki_pol.h) named `nazwa`, with
    // the field's title as its label ("L_" + the field's name) in the next
    // row of `uklad` (ukladPol() when none), bound to the field. A box (the
    // relay states) takes the title itself and the whole row; a field
    // without a title gets no label and takes the whole row. A window
    // whose label says more than the field's title gives its own text.
    QWidget *dodajPole(const TPole<R> &pole, const char *nazwa, QGridLayout *uklad = nullptr,
                       std::function<QString()> etykieta = {})
    {
        if (!uklad)
            uklad = ukladPol();
        QWidget *k = utworzKontrolke(pole, obszar, jezykId);
        if (!k)
            return nullptr;
        k->setObjectName(QString::fromLatin1(nazwa));
        const int w = uklad->rowCount();
        if (auto *g = qobject_cast<QGroupBox *>(k)) {
            // A box carries the field's title itself, across the row.
            tlumaczonyTytul(g, [pole] { return pole.tytulTekstu(); });
            uklad->addWidget(g, w, 0, 1, 2);
            powiaz(k, pole);
            return k;
        }
        if (!pole.tytul && !pole.tytulWlasny && !etykieta) {
            // A field without a title: the control alone, across the row.
            uklad->addWidget(k, w, 0, 1, 2);
            powiaz(k, pole);
            return k;
        }
        auto *l = new QLabel(obszar);
        l->setObjectName(QStringLiteral("L_") + pole.nazwa);
        l->setBuddy(k);
        if (!etykieta)
            etykieta = [pole] { return pole.tytulTekstu(); };
        tlumaczonaEtykieta(l, std::move(etykieta));
        uklad->addWidget(l, w, 0);
        uklad->addWidget(k, w, 1);
        powiaz(k, pole);
        return k;
    }
    template <class K>
    K *dodajPole(const TPole<R> &pole, const char *nazwa, QGridLayout *uklad = nullptr,
                 std::function<QString()> etykieta = {})
    {
        return qobject_cast<K *>(dodajPole(pole, nazwa, uklad, std::move(etykieta)));
    }

    // Binds a control of the field's kind to the field; a drop-down list
    // takes the field's items in the current language.
    void powiaz(QWidget *k, const TPole<R> &pole)
    {
        if (auto *c = qobject_cast<QComboBox *>(k))
            listy_.push_back({c, pole.lista});
        powiaz(
            k, [this, k, pole] { ustawWartoscKontrolki(k, pole, pole.doEdycji(rekord, miejsce())); },
            [this, k, pole] {
                if (!pole.zEdycji(rekord, wartoscKontrolki(k, pole)))
                    odrzucono(k);
                // A box without a range of its own shows what was stored.
                else if (pole.zeroPozaZakresem)
                    ustawWartoscKontrolki(k, pole, pole.doEdycji(rekord, miejsce()));
            });
    }
    // Binds any control: how the record shows in it and how it goes back.
    // Its value changes enable OK when it is a line edit or a drop-down
    // list; other controls call modyfikacja() themselves.
    void powiaz(QWidget *k, std::function<void()> pokaz, std::function<void()> przyjmij)
    {
        naZmianeKontrolki(k, this, [this] { modyfikacja(); });
        powiazania_.push_back({std::move(pokaz), std::move(przyjmij)});
    }
    // A grid of rows W inside the record (a program's cycle rows), edited
    // in its cells: the table over rows 1..ile (wiersz(nr) is row nr), the
    // field kinds' in-cell editors, every cell edit a change; shown again
    // with the record.
    template <class W>
    TTabelaPamieci *dodajSiatke(QTableView *siatka, const TPolaSekcji<W> &pola, int ile,
                                std::function<W &(int nr)> wiersz)
    {
        auto *t = new TTabelaPamieci(siatka);
        t->ustawPola(kolumnyTabeli<W>(pola, std::move(wiersz)), [ile] { return ile; });
        t->edytowalna = true;
        t->jezykId = jezykId;
        siatka->setModel(t);
        siatka->setItemDelegate(new TDelegatPol(siatka));
        siatka->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
        for (int k = 0; k < t->ileKolumn(); ++k)
            siatka->setColumnWidth(k, t->pola()[size_t(k)].opis.szerokosc);
        connect(t, &TTabelaPamieci::edytowano, this, [this] { modyfikacja(); });
        powiazania_.push_back({[t] { t->odswiez(); }, [] {}});
        siatki_.push_back(t);
        return t;
    }

    // The item number computed texts see (a list's item editor sets it).
    int nrPozycji = 0;
    TMiejscePola miejsce() const { return {nrPozycji, jezykId}; }

    // ---- Transfers and files of the record ----
    // The section's functions with the window's connection record; the
    // send goes alone, in a write session of its own.
    virtual bool czytajRekord(R &) { return false; }
    virtual bool wyslijRekord(const R &) { return false; }
    // The file's extension without the dot ("k3kr1").
    QString rozszerzenie;
    // A record read counts as a change by itself; else only the bound
    // controls whose values the read changes enable OK.
    bool odczytJestZmiana = true;
    // A record read while "Anuluj" was pressed is dropped.
    bool anulowanieOdrzucaOdczyt = false;
    // A record loaded from a file, before it replaces the window's: the
    // item keeps its own fields (its number) here.
    virtual void poOtwarciu(R &) {}

    // The progress window's count of the read and of the send, and the
    // read's text (empty shows "Czekaj...").
    int ileOdczytu = 1, ileWysylania = 3;
    QString tekstOdczytu;

    // Read into a scratch copy; on success it replaces the record, shows
    // and enables OK (unless odczytJestZmiana is off).
    void but_odczytClick() override
    {
        auto robocza = kopiaRobocza(rekord);
        czytajJeden([&] { return czytajRekord(robocza->r); },
                    [&] {
                        if (anulowanieOdrzucaOdczyt && anulowano())
                            return;
                        kopiujRekord(rekord, robocza->r);
                        WypiszDane();
                        if (odczytJestZmiana)
                            modyfikacja();
                    },
                    ileOdczytu, tekstOdczytu);
    }
    void but_wyslijClick() override
    {
        if (przyjmijDane())
            wyslijJeden([this] { return wyslijRekord(rekord); }, ileWysylania);
    }
    void but_otworzClick() override
    {
        auto zPliku = kopiaRobocza(rekord);
        if (!otworzPlik(zPliku->r, rozszerzenie))
            return;
        poOtwarciu(zPliku->r);
        kopiujRekord(rekord, zPliku->r);
        WypiszDane();
        modyfikacja();
    }
    void but_zapiszClick() override
    {
        if (przyjmijDane())
            zapiszPlik(rekord, rozszerzenie);
    }

private:
    struct Powiazanie {
        std::function<void()> pokaz, przyjmij;
    };
    std::vector<Powiazanie> powiazania_;
    std::vector<std::pair<QComboBox *, std::function<QStringList(int)>>> listy_;
    std::vector<TTabelaPamieci *> siatki_;
    QGridLayout *uklad_ = nullptr;
    QPointer<QWidget> odrzucona_;
};
