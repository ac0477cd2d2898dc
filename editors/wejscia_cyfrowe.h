// The digital inputs: the list TFListaWejscCyfrowych with its entry
// function edytujWejsciaCyfrowe, and the one-input editor
// TfeditWejscieCyfrowe with edytujWejscieCyfrowe. The section holds 32
// inputs; all of them travel with the entry and the list's files, the 24
// of the controller (DI1.1..DI1.8 on the base card, DI2.1..DI2.16 on the
// extension card) are listed, read, sent and printed. Each has one alarm.
#pragma once

#include "edytor_listy.h"
#include "edytor_rekordu.h"
#include "rekordy_projekt.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class TPanelAlarmu;

constexpr int ileWejscCyfrowych = 24;

// The fields of a digital input. The list's: "di" ("DI<card>.<input> : "),
// "Nazwa" (the one-byte name, 16 characters typed, also written to the
// UTF-16 name), "logika_str", "al_status_str" (empty when the alarm is
// off), "al_przekazniik_str", "dt_opoznienie" (the alarm's delay, two
// bytes of unsigned seconds, mm:ss). The editor's: "logika", "zasilanie",
// "al_status", "al_przekaznik" (lists that keep a stored code without an
// item) and "wyjscia_przypisane" (outputs 1..32). The editor writes the
// delay back only once its box was changed (powiazanieOpoznienia).
const TPolaSekcji<Tkvor350wejscieDwustanowe> &polaWejscCyfrowych();

class TFListaWejscCyfrowych : public TListaSekcji<TWejsciaCyfrowe> {
    Q_OBJECT
public:
    explicit TFListaWejscCyfrowych(QWidget *parent = nullptr);

    TWejsciaCyfrowe &wejscia = dane;

    // The report's relay states: per input, per output j the rows
    // (input, 1, j, j) and (input, 1, j, state).
    void memPrzekaznikiListaTworz(TZbiorRaportu &memPrzekazniki) const;

protected:
    QString tytul() const override;
    bool edytujJedna(Tkvor350wejscieDwustanowe &w, int nr) override;
    void but_odczytClick() override;
    void but_wyslijClick() override;
    void zbudujRaport(TRaport &raport) override;
    void wypelnijRaport(TRaport &raport) override;
};

// The 32 inputs (7,360 bytes); true when the user confirmed with OK, and
// then the caller's inputs hold the window's.
bool edytujWejsciaCyfrowe(TWejsciaCyfrowe &wejscia, int jezykId);

class TfeditWejscieCyfrowe : public TEdytorRekordu<Tkvor350wejscieDwustanowe> {
    Q_OBJECT
public:
    explicit TfeditWejscieCyfrowe(QWidget *parent = nullptr);

    Tkvor350wejscieDwustanowe &wejscie = rekord;
    bool bylBlad = false; // "Błędne dane, poza zakresem! " was shown

    QLabel *LabelNr;
    QLineEdit *ed_nazwa; // 16 characters typed at most
    QComboBox *co_logika, *co_zasilanie;
    QTabWidget *PageControl1;
    TPanelAlarmu *alarm;

    // The outputs' icons on the relay selector.
    void ustawPrzekazniki(const TPrzekaznikiArray &przekazniki);

    // The record into the controls; a reaction or state operation without
    // an item, or an output state above 4 (shown as off), is reported once
    // in the window's life.
    void WypiszDane() override;
    void obslugaInformacjiObledzie();

protected:
    QString tytul() const override;
    void jezykSekcji() override;
    bool czytajRekord(Tkvor350wejscieDwustanowe &w) override;
    bool wyslijRekord(const Tkvor350wejscieDwustanowe &w) override;
    // A file of another input keeps this input's card and input numbers.
    void poOtwarciu(Tkvor350wejscieDwustanowe &w) override;
    void sb_clsClick() override;
};

// The input (its card and input numbers set) with a copy of the project's
// digital outputs (their icons); true on OK, and then the record holds the
// confirmed input.
bool edytujWejscieCyfrowe(Tkvor350wejscieDwustanowe &wejscie, const TPrzekaznikiArray &przekazniki, int jezykId = 1045);
