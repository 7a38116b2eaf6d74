// Inequalities and polar curves in the formula language: which texts they are, the messages of
// their faults, and what their programs compute.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <random>

#include "FormulaTestSupport.h"
#include "evaluation/Operations.h"

namespace quorvel {
namespace {

class NewForms : public ::testing::Test, public testing::EngineTest {
 protected:
  // Whether every comparison of the slot's program holds at (x, y): a comparison step holds
  // where its value is < 0 (<= 0 for "<="). Nothing where the program faults.
  std::optional<bool> holds(double x, double y) {
    engine.registers[kRegX] = x;
    engine.registers[kRegY] = y;
    engine.evalSlot = 1;
    engine.runProgram();
    if (!engine.evalValid) return std::nullopt;
    bool all = true;
    int comparisons = 0;
    for (const Step& step : engine.stepTable[1]) {
      if (step.opcode != kOpLess && step.opcode != kOpLessEq) continue;
      ++comparisons;
      const double value = engine.registers[step.dest];
      all = all && (step.opcode == kOpLessEq ? value <= 0 : value < 0);
    }
    EXPECT_GT(comparisons, 0);
    return all;
  }
};

TEST_F(NewForms, RecognisesInequalitiesAndPolarCurves) {
  const std::pair<const char*, int> cases[] = {
      {"y<sin(x)", kSlotInequality},
      {"x^2 + y^2 <= 25", kSlotInequality},
      {"Y \xE2\x89\xA5 X", kSlotInequality},  // ≥ typed as one character
      {"0<y<x", kSlotInequality},
      {"1 \xE2\x89\xA4 x^2+y^2 <= 4", kSlotInequality},
      {"x>=0", kSlotInequality},  // half-planes of one variable
      {"3 > y", kSlotInequality},
      {"r=1+cos(v)", kSlotPolar},
      {"R = 2", kSlotPolar},
      {"r=exp(v/10)", kSlotPolar},  // the x of exp is no variable
      {"r=a*sin(b*v)", kSlotPolar},
  };
  for (const auto& [text, kind] : cases) {
    const TranslationOutcome outcome = engine.translateFormula(1, text);
    EXPECT_EQ(outcome.message, "1 : OK") << text;
    EXPECT_EQ(engine.formulaType, kind) << text;
    EXPECT_EQ(outcome.next,
              kind == kSlotPolar ? AfterTranslation::AskParameterDomain : AfterTranslation::Plot)
        << text;
    EXPECT_EQ(engine.formulas[1].text, text);  // as typed, the sign characters included
  }
}

TEST_F(NewForms, FaultsOfTheNewFormsHaveTheirMessages) {
  const std::pair<const char*, const char*> cases[] = {
      {"0<y>x", "1 : < en > door elkaar"},
      {"x \xE2\x89\xA4 y > 1", "1 : < en > door elkaar"},
      {"x<y<1<2", "1 : fout aantal < > tekens"},
      {"x<y=2", "1 : fout aantal < > tekens"},
      {"x=<y", "1 : fout aantal < > tekens"},
      {"y<x;x<1", "1 : fout aantal < > tekens"},
      {"r=x+v", "1 : r= met x of y fout"},
      {"r=y", "1 : r= met x of y fout"},
      {"v<x", "1 : v,x,y or = ; fout"},
      {"1<2", "1 : v,x,y or = ; fout"},
      {"x+y<", "1 : constante of variabele ontbreekt"},
      {"x+y<-", "1 : constante of variabele ontbreekt"},
      {"<x+y", "1 : fout : <"},
      {"x<<y", "1 : fout : <"},
      {"x<(<=y)", "1 : fout : <="},
      {"(x<y)", "1 : ..((..fout"},
      {"r=v+", "1 : constante of variabele ontbreekt"},
      {"r+x=y", "1 : onbekende tekst  r"},
  };
  for (const auto& [text, message] : cases) {
    EXPECT_EQ(translate(text), message) << text;
    EXPECT_EQ(engine.slotKind[1], kSlotEmpty) << text;
  }
  // The equations' messages stay what they were.
  EXPECT_EQ(translate("y=x=2=3"), "1 : fout aantal = tekens");
  EXPECT_EQ(translate("y+x"), "1 : fout aantal = tekens");
}

TEST_F(NewForms, ComparisonsHoldWhereTheInequalityDoes) {
  struct Case {
    const char* text;
    std::function<bool(double, double)> truth;
  };
  const Case cases[] = {
      {"y<sin(x)", [](double x, double y) { return y < std::sin(x); }},
      {"y>=x^2-1", [](double x, double y) { return y >= x * x - 1; }},
      {"1<=x^2+y^2<=4",
       [](double x, double y) { return 1 <= x * x + y * y && x * x + y * y <= 4; }},
      {"3>y>x", [](double x, double y) { return 3 > y && y > x; }},
      {"0 \xE2\x89\xA4 y < 2x", [](double x, double y) { return 0 <= y && y < 2 * x; }},
      {"x>=0", [](double x, double) { return x >= 0; }},
  };
  std::mt19937 random(7);
  std::uniform_int_distribution<int> quarter(-16, 16);  // quarters: boundaries are hit exactly
  for (const Case& c : cases) {
    load(c.text);
    int inside = 0;
    for (int i = 0; i < 2000; ++i) {
      const double x = quarter(random) / 4.0, y = quarter(random) / 4.0;
      const std::optional<bool> h = holds(x, y);
      ASSERT_TRUE(h.has_value()) << c.text;
      EXPECT_EQ(*h, c.truth(x, y)) << c.text << " at (" << x << ", " << y << ")";
      inside += *h;
    }
    EXPECT_GT(inside, 50) << c.text;
    EXPECT_LT(inside, 1950) << c.text;
  }
}

TEST_F(NewForms, ChainsKeepTheirFirstComparisonApart) {
  // 1 <= t <= 4 with t = x^2 + y^2: t is read by both comparisons, the first one's value
  // gets a register no later step writes.
  load("1<=x^2+y^2<=4");
  int comparisons = 0;
  for (const Step& step : engine.stepTable[1]) {
    if (step.opcode == kOpLessEq) ++comparisons;
  }
  EXPECT_EQ(comparisons, 2);
  EXPECT_EQ(holds(1.5, 0), true);
  EXPECT_EQ(holds(0.5, 0), false);
  EXPECT_EQ(holds(2.5, 0), false);
  EXPECT_EQ(holds(1, 0), true);  // on both circles the region holds: <=
  EXPECT_EQ(holds(0, 2), true);
  // Numbers and temporaries at the limit still translate into a chain.
  load("1<=x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x+x<=4");
  EXPECT_EQ(holds(0.1, 0), true);
}

TEST_F(NewForms, PolarProgramsTurnRAndVIntoXAndY) {
  // The same bits as the curve written as a parametric one.
  load("r=1+cos(v)");
  load("y=(1+cos(v))*sin(v);x=(1+cos(v))*cos(v)", 2);
  for (double v = -7; v <= 7; v += 0.37) {
    ASSERT_TRUE(run(kRegV, v, kRegX, 2).has_value());
    const double x = engine.registers[kRegX], y = engine.registers[kRegY];
    ASSERT_TRUE(run(kRegV, v, kRegX).has_value());
    EXPECT_EQ(engine.registers[kRegX], x);
    EXPECT_EQ(engine.registers[kRegY], y);
    EXPECT_NEAR(engine.registers[kRegPolarRadius], 1 + std::cos(v), 1e-15);
  }
  // A negative r: the point lies through the origin.
  load("r=-2");
  EXPECT_DOUBLE_EQ(run(kRegV, std::numbers::pi / 2, kRegY).value(), -2);
  // v in degrees when the program reads angles so.
  settings.degreesMode = true;
  load("r=2");
  EXPECT_NEAR(run(kRegV, 90, kRegY).value(), 2, 1e-15);
  EXPECT_NEAR(run(kRegV, 180, kRegX).value(), -2, 1e-15);
  settings.degreesMode = false;
  // Where r faults, so does the point.
  load("r=sqrt(v)");
  EXPECT_FALSE(run(kRegV, -1, kRegX).has_value());
}

TEST_F(NewForms, PolarCurvesNeedRoomForTheirLastFourSteps) {
  std::string sum = "a";
  for (int i = 1; i < 25; ++i)
    sum += "+a";
  EXPECT_EQ(translate("y=" + sum + "+a"), "1 : OK");  // 26 steps
  EXPECT_EQ(translate("r=" + sum + "+a"), "1 : formule te lang");
  EXPECT_EQ(translate("r=" + sum), "1 : OK");  // 25 + 4
}

}  // namespace
}  // namespace quorvel
