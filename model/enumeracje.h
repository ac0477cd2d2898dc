// Display texts of the controller's coded values.
#pragma once

#include <QString>

// Special mode or state n (1..14). Short: "FPs", "FFs", "FPf", "FAs",
// "FS01".."FS10"; long: "Pauza", "Zatrzymanie", "Zanik zasilania",
// "Aktywny STOP" (current language), "F1".."F10". Other n: empty.
QString nazwaFunkcjiSpecjalnej(int n, bool krotka);
