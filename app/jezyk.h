// Language modules: Qt translation files beside the program, named after
// the program file and the language's three-letter abbreviation
// ("kvor-setupENG" beside "kvor-setup", "kvor.ENG" beside "kvor.exe").
// Without a module the program keeps its own Polish texts.
#pragma once

#include <QString>
#include <QStringList>

// Languages are locale ids: 1045 Polish, 1049 Russian, 2057 English.
// "PLK", "RUS", "ENG"; empty for a language the program does not know.
QString skrotJezyka(int jezykId);
// "pl", "ru", "en" (Qt's own translations); empty when unknown.
QString kodJezyka(int jezykId);

// Module files to try, in order: the abbreviation, then its first two
// letters. The extension of the program file's own name is replaced; a
// name without one gets the abbreviation appended. Dots in folder names
// and a dot that starts the name are no extension.
QStringList plikiModuluJezyka(const QString &sciezkaProgramu, int jezykId);

// Installs the language module of `jezykId` and Qt's own translations of
// that language (standard buttons and dialogs), replacing those of the
// previous switch; every window then gets QEvent::LanguageChange. Answers
// whether a module was found; without one the Polish texts stay (with
// Qt's Polish translations).
bool przelaczJezykZasobow(int jezykId, const QString &sciezkaProgramu = QString());

// The module file in use, empty with the Polish texts.
QString biezacyModulJezyka();
