// A drop-down list refilled with its items in a new language.
#pragma once

#include <QStringList>

class QComboBox;

// The list's items anew: the chosen index stays chosen (none when the new
// items are fewer); its signals are held meanwhile, so the refill is no
// change by the user.
void zmienPozycje(QComboBox *c, const QStringList &pozycje);
