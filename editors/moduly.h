// The extra-modules window TFormModuly (entry edytujModuly): which kinds of
// channels the modules M1..M4 carry, on the module panel; read from the
// controller, sent to it, cleared, kept in ".k3mod" files (4 bytes). The
// section is not printed: its "Drukuj" stays disabled.
#pragma once

#include "edytor_rekordu.h"
#include "rekordy_projekt.h"

class TKvor350inOutModul;

// M1, the base module, is always there: bit 0 set in each of the four
// masks, nothing else changed.
void wymusModulBazowy(TModulyWejWyKonfig &m);

class TFormModuly : public TEdytorRekordu<TModulyWejWyKonfig> {
    Q_OBJECT
public:
    explicit TFormModuly(QWidget *parent = nullptr);

    TModulyWejWyKonfig &modulyKonfig = rekord;
    QWidget *Panel3;
    TKvor350inOutModul *moduly;

    // The record on the panel, M1 forced into it first (the window's record
    // itself changes).
    void WypiszDane() override;
    // The panel's four masks into the record.
    void AktualizujDanePoEdycji() override;

protected:
    QString tytul() const override;
    bool czytajRekord(TModulyWejWyKonfig &m) override;
    bool wyslijRekord(const TModulyWejWyKonfig &m) override;
    // "Czyść": M1 alone in every row.
    void sb_clsClick() override;
};

// `ust`: the caller's connection record (refreshed again before every
// transfer). True when confirmed with OK; only then is the record copied
// back.
bool edytujModuly(TModulyWejWyKonfig &moduly, const TUstawieniaSterownika &ust, int jezykId);
