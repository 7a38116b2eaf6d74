// The program in English and back: the translations built into it, the engine's messages and
// Qt's own texts in the language chosen, and Dutch again without a trace.

#include "qt/Translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "../plot/PlotTestSupport.h"

namespace quorvel {
namespace {

TEST(Translations, EnglishAndBackToDutch) {
  auto& application = *QCoreApplication::instance();
  testing::RecordingTextPainter text;
  Workspace ws(text);
  FormulaEngine& engine = ws.formulas;

  ASSERT_TRUE(useLanguage(application, Language::English));
  EXPECT_EQ(currentLanguage(), Language::English);
  EXPECT_EQ(translated("grafieken"), "graphs");
  EXPECT_EQ(engine.translateFormula(3, "y=x").message, "3 : OK");
  EXPECT_EQ(engine.translateFormula(3, "y").message, "3 : formula not complete");
  EXPECT_EQ(engine.translateFormula(3, "0<y>x").message, "3 : < and > mixed");
  EXPECT_EQ(QLocale().language(), QLocale::English);
  // Messages put together at run time, the numbers with the decimal point.
  engine.translateFormula(1, "y=x^2-4");
  ws.graph.PlotSlot(1);
  EXPECT_EQ(ws.analysis.findRoots(1), "2 roots");
  EXPECT_EQ(ws.analysis.findExtrema(1), "1 extremum");
  EXPECT_EQ(ws.analysis.title(), "extrema of y=x^2-4");
  const std::vector<TableRow> rows = ws.analysis.rows(0);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.front()[0], "minimum");
  EXPECT_EQ(rows.front()[2], "-4.0");
  EXPECT_EQ(ws.analysis.findIntersections(1), "no crossings in view");

  ASSERT_TRUE(useLanguage(application, Language::Dutch));
  EXPECT_EQ(ws.analysis.title(), "snijpunten van y=x^2-4");  // the list's title follows
  EXPECT_EQ(translated("grafieken"), "grafieken");
  EXPECT_EQ(engine.translateFormula(3, "y").message, "3 : formule neit compleet");
  EXPECT_EQ(ws.analysis.findRoots(1), "2 nulpunten");
  EXPECT_EQ(QLocale().language(), QLocale::Dutch);
  // Qt's own texts are Dutch again: the Dutch translator is the one installed.
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuleren");
}

}  // namespace
}  // namespace quorvel
