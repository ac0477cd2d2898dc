#include "menu_projektu.h"

#include "kopia_ustawien.h"
#include "okna_narzedzi.h"
#include "okno_glowne.h"
#include "operacja.h"
#include "transfer_projektu.h"
#include "transfer_sekcji.h"

#include <QApplication>

namespace {

QWidget *rodzicOkna(TForm1 &okno)
{
    QWidget *m = QApplication::activeModalWidget();
    return m ? m : &okno;
}

bool pokaz(TForm1 &okno, TOdbierzWyslij co, TAutomatOdbierania &automat)
{
    return pokazProjektRSIn(co, okno.jezykId, automat, okno.projekt.projekt(), okno.projekt.mycie(), okno.lockService,
                            rodzicOkna(okno));
}

// The menu's command: not opened unless the controller is free or
// unlocked; for a read, the project is marked changed when an item came in.
void otworz(TForm1 &okno, TOdbierzWyslij co)
{
    const int blokada = okno.lockService.fnProcess();
    if (blokada != 0 && blokada != 1) {
        pokazBrakKomunikacji();
        return;
    }
    const TOperacja zablokowane(&okno);
    TAutomatOdbierania automat;
    const bool zmiana = pokaz(okno, co, automat);
    if (co != const_odbierz)
        return;
    okno.projekt.bylazmianaProjektu = okno.projekt.bylazmianaProjektu || zmiana;
    if (okno.projekt.bylazmianaProjektu)
        okno.projekt.daneProjektu.default_ = true;
}

} // namespace

void podlaczMenuProjektu(TForm1 &okno)
{
    okno.podlacz(okno.OdczytProjektu, [&okno] { otworz(okno, const_odbierz); });
    okno.podlacz(okno.WysylanieProjektu, [&okno] { otworz(okno, const_wyslij); });
    ustawOdczytKopii([&okno](int numerSeryjny) {
        TAutomatOdbierania automat;
        automat.automat = true;
        automat.numerSeryjny = numerSeryjny;
        pokaz(okno, const_odbierz, automat);
        return automat.status;
    });
    QObject::connect(&okno, &QObject::destroyed, [] { ustawOdczytKopii({}); });
}
