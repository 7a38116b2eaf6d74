// The scanner: numbers, words, omitted multiplication signs, where operators may stand, and
// the messages with the piece of formula they show.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "FormulaTestSupport.h"

namespace quorvel {
namespace {

class Scanner : public ::testing::Test, public testing::EngineTest {};

TEST_F(Scanner, CaseAndBlanksDoNotMatter) {
  load("Y = 3X^2 + 2X - 3");
  const StepList typed = engine.stepTable[1];
  EXPECT_EQ(y(2), 13);
  load("y=3x^2+2x-3");
  EXPECT_EQ(engine.stepTable[1], typed);
  EXPECT_EQ(y(2), 13);
  load("y = 1 2 , 5", 3);  // blanks inside a number are gone too
  EXPECT_EQ(y(0, 3), 12.5);
}

TEST_F(Scanner, NumbersUseTheComma) {
  EXPECT_EQ(translate("y = 0,2x^2 - 5"), "1 : OK");
  EXPECT_EQ(translate("y = 0.2x^2 - 5"), "1 : fout getal  0.2");
  EXPECT_EQ(translate("y = 1,2,3"), "1 : fout getal  1,2,3");
  EXPECT_EQ(translate("y = 1234567890,1234567890"), "1 : OK");
  EXPECT_EQ(translate("y = 1234567890.1234567890"), "1 : fout getal  1234567890.1234");
  // Too large for a double: refused like any other number that does not convert.
  EXPECT_EQ(translate("y = 1" + std::string(400, '0')), "1 : fout getal  100000000000000");
}

TEST_F(Scanner, LettersAreNamesNotExponents) {
  EXPECT_NEAR(*value("2e3"), 6 * std::numbers::e, 1e-12);
  EXPECT_NEAR(*value("2p"), 2 * std::numbers::pi, 1e-12);
  EXPECT_EQ(translate("y=sinx"), "1 : onbekende tekst  sinx");
  EXPECT_EQ(translate("y=pi"), "1 : onbekende tekst  pi");
  EXPECT_EQ(translate("y=x*abcdefghijklmn"), "1 : onbekende tekst  abcdefghij");
  EXPECT_EQ(translate("y=sin2"), "1 : verwacht .(. na functie");
}

TEST_F(Scanner, InsertsOmittedMultiplications) {
  settings.degreesMode = false;
  const std::pair<const char*, double> cases[] = {
      {"2(x+1)", 2 * 4}, {"x(x+1)", 3 * 4}, {"(x-1)(x+1)", 2 * 4},
      {"x2", 6},         {"(x+1)3", 12},    {"3x", 9},
      {"(x+1)x", 12},    {"2sqrt(x+6)", 6}, {"sqrt(x+6)sqrt(x+6)", 9},
      {"2x^2", 18},      {"-x^2", -9},      {"2^3^2", 64},
      {"8/4/2", 1},      {"x/3*2", 2},      {"1-2-3", -4},
      {"10*(-3)x", -90}, {"+x", 3},         {"sqrt(x+1)^2", 4},
  };
  for (const auto& [expression, expected] : cases) {
    load(std::string("y=") + expression);
    EXPECT_NEAR(*y(3), expected, 1e-12) << expression;
  }
}

TEST_F(Scanner, OperatorsInPlacesWhereTheyDoNotBelong) {
  const std::pair<const char*, const char*> cases[] = {
      {"y=10*-3x", "1 : fout : *-"},
      {"y=*x", "1 : fout : *"},
      {"y=^x", "1 : fout : ^"},
      {"y=(+x)", "1 : fout : (+"},
      {"y=sin+x", "1 : fout : =sin+"},  // five characters ending at the operator
      {"y=sin)", "1 : fout : =sin)"},
      {"y=(x+)", "1 : fout : =(x+)"},
      {"y=()", "1 : fout : y=() "},  // position 4: the first five characters
      {"x+=y", "1 : fout : ="},
      {"x+sin=y", "1 : fout : ="},
      {"x+(y=3)", "1 : ..((..fout"},
      {"y=x)", "1 : teveel )))"},
      {"y=(x", "1 :  (..) ongelijk"},
      {"y=x+", "1 : constante of variabele ontbreekt"},
      {"y=sin", "1 : constante of variabele ontbreekt"},
      {"y=(v;x=v", "1 :  (..) ongelijk"},
      {"y=v+;x=v", "1 : constante of variabele ontbreekt"},
      {"y=x#2", "1 : onbekend teken#"},
      {"y=x\t2", "1 : onbekend teken\t"},
      {"y=2·x", "1 : onbekend teken·"},               // a whole UTF-8 character
      {"y=2\xff", "1 : onbekend teken\xEF\xBF\xBD"},  // not UTF-8 at all
  };
  for (const auto& [text, message] : cases)
    EXPECT_EQ(translate(text), message) << text;
}

TEST_F(Scanner, EmptyRightSideReadsAsZero) {
  load("x^2+y^2=");
  EXPECT_EQ(engine.formulaType, 4);
  engine.registers[kRegY] = 4;
  EXPECT_EQ(run(kRegX, 3, kRegV), 25);
}

TEST_F(Scanner, BracketDepth) {
  const std::string twenty = "y=" + std::string(20, '(') + "x" + std::string(20, ')');
  EXPECT_EQ(translate(twenty), "1 : OK");
  const std::string twentyOne = "y=" + std::string(21, '(') + "x" + std::string(21, ')');
  EXPECT_EQ(translate(twentyOne), "1 : teveel (((");
  // Brackets in sequence are not limited.
  std::string many = "y=";
  for (int i = 0; i < 40; ++i)
    many += "(x)";
  EXPECT_EQ(translate(many), "1 : formule te lang");  // but their implicit "*" fill the table
  std::string sequence = "y=";
  for (int i = 0; i < 25; ++i)
    sequence += "((x))";
  EXPECT_EQ(translate(sequence), "1 : OK");
}

TEST_F(Scanner, AtMostTwentyNumbers) {
  std::string twenty = "y=1";
  for (int i = 2; i <= 20; ++i)
    twenty += "+" + std::to_string(i);
  load(twenty);
  EXPECT_EQ(y(0), 210);
  EXPECT_EQ(translate(twenty + "+21"), "1 : te veel constanten");
}

TEST_F(Scanner, LongTextsTranslateOrFailWithAMessage) {
  // Longer than a byte can count: positions never wrap.
  const std::string blanks(300, ' ');
  EXPECT_EQ(translate("y" + blanks + "=" + blanks + "x"), "1 : OK");
  const std::string longNumber = "y=" + std::string(280, '1') + ".";
  EXPECT_EQ(translate(longNumber), "1 : fout getal  111111111111111");
  std::string longWord = "y=" + std::string(300, 'q');
  EXPECT_EQ(translate(longWord), "1 : onbekende tekst  qqqqqqqqqq");
  EXPECT_EQ(translate("y=x" + std::string(300, ')')), "1 : teveel )))");
  EXPECT_EQ(translate("y=" + std::string(300, '-') + "x"), "1 : fout : --");
}

}  // namespace
}  // namespace quorvel
