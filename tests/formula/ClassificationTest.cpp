// Which of the four formula types a text is, and the d:, dd:, ddd: and i: prefixes.

#include <gtest/gtest.h>

#include "FormulaTestSupport.h"

namespace quorvel {
namespace {

class Classification : public ::testing::Test, public testing::EngineTest {};

TEST_F(Classification, RecognisesTheFourTypes) {
  const std::pair<const char*, int> cases[] = {
      {"y=3", 1},
      {"Y = 3X^2 + 2X - 3", 1},
      {"y=sin(x)", 1},
      {"x = y^2 - 5", 2},
      {"y = sin(v) ; x = cos(v)", 3},
      {"x = cos(v) ; y = sin(v)", 3},
      {"x^2 + y^2 = 25", 4},
      {"x=exp(y)", 4},  // the x of exp counts: two x, so not an inverse function
      {"y=x+y^2", 4},   // two y
      {"x*y=1", 4},
  };
  for (const auto& [text, type] : cases) {
    EXPECT_EQ(translate(text), "1 : OK") << text;
    EXPECT_EQ(engine.formulaType, type) << text;
  }
}

TEST_F(Classification, RejectsWhatFitsNoType) {
  const std::pair<const char*, const char*> cases[] = {
      {"y+x", "1 : fout aantal = tekens"},
      {"y=x=2=3", "1 : fout aantal = tekens"},
      {"x^2=5", "1 : v,x,y or = ; fout"},
      {"y=v", "1 : v,x,y or = ; fout"},
      {"y = sin(v) ; 2x = cos(v)", "1 : x, y of v fout"},
      {"y = sin(v) ; x = 5", "1 : v,x,y or = ; fout"},
      {"y = sin(v) ; y = cos(v)", "1 : v,x,y or = ; fout"},
      {"y=", "1 : formule neit compleet"},
      {"  ", "1 : formule neit compleet"},
      {"", "1 : formule neit compleet"},
      {"é=", "1 : formule neit compleet"},  // two characters, three bytes
  };
  for (const auto& [text, message] : cases)
    EXPECT_EQ(translate(text), message) << text;
}

TEST_F(Classification, ShortTextCountsBlanksBeforeTheyGo) {
  EXPECT_EQ(translate(" y="), "1 : OK");  // three characters: accepted, y := 0
  EXPECT_EQ(engine.formulaType, 1);
  engine.slotKind[1] = 1;
  EXPECT_EQ(y(7), 0.0);
}

TEST_F(Classification, ReadsPrefixesOfFunctions) {
  const std::pair<const char*, int> cases[] = {
      {"y=d:x^2", 1},       {"y=dd:3sin(2x)", 2},    {"y=ddd:x^3", 3},
      {"y=i:5sin(x^2)", 4}, {"y = d : 5sin(2x)", 1}, {"y=x^2", 0},
  };
  for (const auto& [text, marker] : cases) {
    EXPECT_EQ(translate(text), "1 : OK") << text;
    EXPECT_EQ(engine.formulas[1].derivMarker, marker) << text;
  }
  EXPECT_EQ(translate("y = ddddd:x"), "1 : teveel ddd..");
  EXPECT_EQ(translate("y = dddd x"), "1 :   : ontbreekt na d");  // the later message stays
  EXPECT_EQ(translate("y = dx"), "1 :   : ontbreekt na d");
  EXPECT_EQ(translate("x = d:y"), "1 : onbekende tekst  d");  // no prefixes on other types
}

TEST_F(Classification, TellsTheCallerWhatComesNext) {
  EXPECT_EQ(engine.translateFormula(1, "y=x").next, AfterTranslation::Plot);
  EXPECT_EQ(engine.translateFormula(1, "y=i:x").next, AfterTranslation::AskIntegralDomain);
  EXPECT_EQ(engine.translateFormula(1, "y=v;x=v^2").next, AfterTranslation::AskParameterDomain);
  EXPECT_EQ(engine.translateFormula(1, "y=x)").next, AfterTranslation::Nothing);
}

}  // namespace
}  // namespace quorvel
