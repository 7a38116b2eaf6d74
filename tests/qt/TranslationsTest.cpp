// The program in English and back: the translations built into it, the engine's messages and
// Qt's own texts in the language chosen, and Dutch again without a trace.

#include "qt/Translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "common/Settings.h"
#include "formula/FormulaEngine.h"

namespace quorvel {
namespace {

TEST(Translations, EnglishAndBackToDutch) {
  auto& application = *QCoreApplication::instance();
  Settings settings;
  FormulaEngine engine(settings);

  ASSERT_TRUE(useLanguage(application, Language::English));
  EXPECT_EQ(currentLanguage(), Language::English);
  EXPECT_EQ(translated("grafieken"), "graphs");
  EXPECT_EQ(engine.translateFormula(3, "y=x").message, "3 : OK");
  EXPECT_EQ(engine.translateFormula(3, "y").message, "3 : formula not complete");
  EXPECT_EQ(engine.translateFormula(3, "0<y>x").message, "3 : < and > mixed");
  EXPECT_EQ(QLocale().language(), QLocale::English);

  ASSERT_TRUE(useLanguage(application, Language::Dutch));
  EXPECT_EQ(translated("grafieken"), "grafieken");
  EXPECT_EQ(engine.translateFormula(3, "y").message, "3 : formule neit compleet");
  EXPECT_EQ(QLocale().language(), QLocale::Dutch);
  // Qt's own texts are Dutch again: the Dutch translator is the one installed.
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuleren");
}

}  // namespace
}  // namespace quorvel
