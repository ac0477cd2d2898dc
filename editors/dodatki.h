// The additions D1..D8: the window Tfdodatki with the count of active
// additions and the minimum and maximum of each, its print, and the entry
// function edytujDodatki. The transfers are in dodatki_transfer.h.
#pragma once

#include "edytor_rekordu.h"
#include "rekordy_projekt.h"

#include <array>

class QGroupBox;
class QLabel;
class QSpinBox;
class TFloatEdit;
class TZbiorRaportu;

// The additions' fields: "min1".."min8" and "max1".."max8", tenths within
// -50.0 .. 200.0, typed values rounded halves to even.
const TPolaSekcji<tdanedodatki> &polaDodatkow();

class Tfdodatki : public TEdytorRekordu<tdanedodatki> {
    Q_OBJECT
public:
    static constexpr int ileDodatkow = 8;

    explicit Tfdodatki(QWidget *parent = nullptr);

    tdanedodatki &dodatki = rekord;

    QLabel *L_ile;
    QSpinBox *se_ile; // 0..8
    // Addition i is element i - 1: its group box "Dodatek i" and its
    // two value boxes.
    std::array<QGroupBox *, ileDodatkow> gpArray{};
    std::array<TFloatEdit *, ileDodatkow> flMinArray{}, flMaxArray{};

    // Group box i is shown exactly when i <= ile.
    void pokazUkryjGroubBoxy(int ile);
    // The record's rows for the print: additions 1..count, each value
    // rounded to one decimal in its box first.
    void przygotujDaneMemProj(TZbiorRaportu &memproj);

protected:
    QString tytul() const override;
    void jezykSekcji() override;
    bool czytajRekord(tdanedodatki &d) override;
    bool wyslijRekord(const tdanedodatki &d) override;
    void zbudujRaport(TRaport &r) override;
    QList<std::pair<const char *, QString>> tekstyRaportu() const override;
    void wypelnijRaport(TRaport &r) override;
    // The count and all sixteen values to 0 in the controls; the record
    // takes them at the next OK, send or print.
    void sb_clsClick() override;
};

// True when the user confirmed a change; only then is the record copied
// back.
bool edytujDodatki(tdanedodatki &dodatki, int jezykId);
