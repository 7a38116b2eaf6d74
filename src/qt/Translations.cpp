#include "qt/Translations.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quorvel {

bool useDutchQtTexts(QCoreApplication& application) {
  QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
  auto* translator = new QTranslator(&application);
  if (!translator->load("qtbase_nl", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace quorvel
