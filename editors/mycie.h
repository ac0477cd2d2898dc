// The washing settings: the time to washing and the relays against which
// the controller counts it. One window, TfUstawieniaMycia, over the
// project's sidecar record, with its entry function edytujUstawieniaMycia;
// files ".k3washset". The transfers are in mycie_transfer.h.
#pragma once

#include "edytor_rekordu.h"
#include "powiazanie_czasu.h"
#include "rekordy_projekt.h"

class QLabel;
class TMin99SecEdit;
class TPrzekazniki32;

class TfUstawieniaMycia : public TEdytorRekordu<TProjektDodatkiMycie> {
    Q_OBJECT
public:
    // Outputs 1..32 are edited; the record's other bytes are kept.
    static constexpr int ilePrzekaznikow = 32;

    explicit TfUstawieniaMycia(QWidget *parent = nullptr);

    TProjektDodatkiMycie &ustawMycie = rekord;

    QLabel *L_czas;
    // `czaDoMycia` in minutes, shown as hh:mm through the box's seconds:
    // 00:00 .. 99:59; 6000 minutes and more show 99:59 and are kept until
    // the box is changed (powiazanieOpoznienia).
    TMin99SecEdit *hm;
    // Outputs 1..32 on or off; an output is counted when it is on.
    TPrzekazniki32 *przekazniki;

    // The outputs' icons on the relay selector.
    void ustawPrzekazniki(const TPrzekaznikiArray &przekazniki);

protected:
    QString tytul() const override;
    void jezykSekcji() override;
    bool czytajRekord(TProjektDodatkiMycie &m) override;
    // The lock check once more, then the record alone, in a write session
    // of its own.
    bool wyslijRekord(const TProjektDodatkiMycie &m) override;
    // The controls only, back to zero; the record follows them at OK, a
    // send, a save or a print.
    void sb_clsClick() override;
    // The time line and the relays, each relay's number followed by 1 when
    // it is counted.
    void zbudujRaport(TRaport &raport) override;
    QList<std::pair<const char *, QString>> tekstyRaportu() const override;
    void wypelnijRaport(TRaport &raport) override;

private:
    TPowiazanieOpoznienia czas_; // hm
};

// True when the user confirmed a change; only then does the record hold
// it. The digital outputs give the relay selector its icons.
bool edytujUstawieniaMycia(TProjektDodatkiMycie &mycie, const TPrzekaznikiArray &przekazniki, int jezykId);
