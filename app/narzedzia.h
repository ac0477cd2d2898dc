// The maintenance commands of the main window's menu "Narzędzia": the logo,
// the firmware and graphics update and the controller's clock. Their
// windows are created once, owned by the main window, and take their
// connection record from the editors' source (podlaczSekcje).
#pragma once

class TForm1;

void podlaczNarzedzia(TForm1 &okno);
