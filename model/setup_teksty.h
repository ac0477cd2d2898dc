// Names of the SETUP parameters F[1]..F[49] and the texts of their values,
// in the current language.
#pragma once

#include <QString>

// Parameters 8, 33 and 41 are inactive and are never edited.
bool parametrSetupNieaktywny(int n);
// The name of parameter n; empty outside 1..49. An inactive parameter is
// named by a tab and "nieaktywne".
QString nazwaParametruSetup(int n);
// The text of a value of parameter n: its words where it has them, the
// decimal value otherwise. Passwords show as "***".
QString tekstWartosciSetup(int n, int wartosc);
