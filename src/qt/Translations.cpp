#include "qt/Translations.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quorvel {
namespace {

std::string lookUp(const char* source) {
  return QCoreApplication::translate(kTextContext, source).toStdString();
}

// The translators installed last, owned by the application.
QTranslator* qtTexts = nullptr;
QTranslator* ownTexts = nullptr;

bool install(QCoreApplication& application, QTranslator*& slot, const QString& file,
             const QString& folder) {
  if (slot != nullptr) {
    QCoreApplication::removeTranslator(slot);
    delete slot;
    slot = nullptr;
  }
  if (file.isEmpty()) return true;
  auto* translator = new QTranslator(&application);
  if (!translator->load(file, folder)) {
    delete translator;
    return false;
  }
  slot = translator;
  return QCoreApplication::installTranslator(translator);
}

}  // namespace

bool useLanguage(QCoreApplication& application, Language language) {
  const bool english = language == Language::English;
  QLocale::setDefault(english ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                              : QLocale(QLocale::Dutch, QLocale::Netherlands));
  const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  // Qt's texts are written in English, ours in Dutch: each needs a translation in the other.
  bool complete = install(application, qtTexts, english ? "" : "qtbase_nl", qtFolder);
  complete =
      install(application, ownTexts, english ? "quorvel_en" : "", ":/translations") && complete;
  setLanguage(language, english ? &lookUp : nullptr);
  return complete;
}

}  // namespace quorvel
