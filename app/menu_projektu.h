// The main window's menu "Projekt": reading the whole project from the
// controller and sending it, each in the transfer window, with the main
// window locked meanwhile; and the read of the firmware update's settings
// copy, which is the same window in its automatic mode.
#pragma once

class TForm1;

void podlaczMenuProjektu(TForm1 &okno);
