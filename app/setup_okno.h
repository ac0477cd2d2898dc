// What the SETUP send needs from the shell: the service password typed in
// the program's password window (its attempts counted with the lock's),
// and the main window's address and speed following a SETUP that was
// written with new ones.
#pragma once

class TForm1;
class TFormHaslo;

// The main window's address := adres; its speed list := the item of the
// speed code (kodyPredkosciOkna), other codes leave it.
void ustawNoweParametry(TForm1 &okno, int adres, int kodPredkosci);

// Installs both for as long as the main window lives.
void podlaczSetup(TForm1 &okno, TFormHaslo &haslo);
