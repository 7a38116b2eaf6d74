#pragma once
// The program's texts and Qt's own (the buttons of question boxes, the file and print dialogs)
// in the language chosen, whatever the system's locale says.

#include <QCoreApplication>

#include "common/Language.h"

namespace quorvel {

// Installs the translations of `language` into the application (Qt's from Debian's
// qt6-translations-l10n, the program's own built into it), makes its locale the default of
// Qt's widgets and sets the language of the engine's texts (common/Language.h). Replaces
// what an earlier call installed. False when a translation is missing (those texts stay as
// they are).
bool useLanguage(QCoreApplication& application, Language language);

}  // namespace quorvel
