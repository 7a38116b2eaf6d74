#pragma once
// Qt's own texts (the buttons of question boxes, the file and print dialogs) in Dutch, as the
// program's own texts are, whatever the system's locale says.

#include <QCoreApplication>

namespace quorvel {

// Loads Qt's Dutch translations (qtbase_nl.qm, Debian's qt6-translations-l10n) into the
// application and makes Dutch the default locale of Qt's widgets; false when they are not
// installed (Qt's texts then stay English).
bool useDutchQtTexts(QCoreApplication& application);

}  // namespace quorvel
