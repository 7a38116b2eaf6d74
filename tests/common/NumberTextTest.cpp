#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "common/Language.h"

namespace quorvel {
namespace {

struct FormatCase {
  const char* pattern;
  double value;
  const char* text;
};

// Shown in English, a number has the decimal point; the texts themselves keep the comma.
TEST(ShownNumber, TheLanguagesDecimalSign) {
  EXPECT_EQ(shownNumber("-1,25"), "-1,25");
  setLanguage(Language::English, nullptr);
  EXPECT_EQ(shownNumber("-1,25"), "-1.25");
  EXPECT_EQ(shownNumber(formatGeneral(1.5e-6)), "1.5E-6");
  EXPECT_EQ(FormatFloat("###0.0###", 0.5), "0,5");
  setLanguage(Language::Dutch, nullptr);
  EXPECT_EQ(shownNumber("3,0"), "3,0");
}

TEST(FormatFloat, PicturesOfTheProgram) {
  const FormatCase cases[] = {
      {"###0.0###", 0, "0,0"},
      {"###0.0###", 1.5, "1,5"},
      {"###0.0###", -2, "-2,0"},
      {"###0.0###", 0.00004, "0,0"},
      {"###0.0###", 0.00005, "0,0001"},
      {"###0.0###", 123456.75, "123456,75"},
      {"###0.0###", -0.00004, "0,0"},  // rounds to zero: no minus sign
      {"###0.0###", 9.99996, "10,0"},  // the carry runs into the integer part
      {"###0.0###", 0.25, "0,25"},
      {"####0.#####", 2, "2"},
      {"####0.#####", 2.5, "2,5"},
      {"####0.#####", -0.000004, "0"},
      {"##0.####", -5, "-5"},
      {"##0.####", 0.12345, "0,1235"},  // half away from zero on the exact value
      {"##0.####", 2.5e-5, "0"},
      {"##0.####", 0.00015, "0,0001"},  // the double is just below 0,00015
      {"##0.####", 0.00025, "0,0003"},  // and this one just above 0,00025
      {"##0.####", 1.00005, "1,0001"},
      {"##0.####", 0.30004999999999998, "0,3"},  // exact value below the half
      {"#####0.0#####", 3.14159265, "3,141593"},
      {"####0.0#####", 100, "100,0"},
      {"###0.0######", 1.0 / 3, "0,3333333"},
      {"###0.0###########", 0.1, "0,1"},
      {"####0.0###########", 2.0 / 3, "0,666666666667"},
      {"###0", 0.5, "1"},  // an exact half goes away from zero
      {"###0", -0.5, "-1"},
      {"###0", 2.5, "3"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatFloat(c.pattern, c.value), c.text) << c.pattern << " " << c.value;
  }
}

TEST(FormatFloat, ValuesBeyondThePictureStayShortAndCorrect) {
  EXPECT_EQ(FormatFloat("###0.0###", 1e300), "1E300");
  EXPECT_EQ(FormatFloat("###0.0###", -1e300), "-1E300");
  EXPECT_EQ(FormatFloat("###0.0###", 4.9e-324), "0,0");
  EXPECT_EQ(FormatFloat("###0.0###", DBL_MAX), "1,79769313486232E308");
  EXPECT_EQ(FormatFloat("###0.0###", 1e17), "100000000000000000,0");
  EXPECT_EQ(FormatFloat("###0.0###", std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(FormatFloat("###0.0###", std::nan("")), "NAN");
}

TEST(FormatGeneral, ShortestTextUpToFifteenDigits) {
  const std::pair<double, const char*> cases[] = {
      {0, "0"},
      {0.001, "0,001"},
      {50, "50"},
      {6.28, "6,28"},
      {-6.28, "-6,28"},
      {0.1, "0,1"},
      {1.0 / 3, "0,333333333333333"},
      {0.00001, "0,00001"},
      {0.0000099, "9,9E-6"},
      {1.5e-7, "1,5E-7"},
      {123456789012345, "123456789012345"},
      {1e15, "1E15"},
      {999999999999999.9, "1E15"},  // rounds to 15 digits first
      {-2.5e20, "-2,5E20"},
      {1e300, "1E300"},
      {4.9e-324, "4,94065645841247E-324"},
      {2.0 / 3 * 100, "66,6666666666667"},
  };
  for (const auto& [value, text] : cases)
    EXPECT_EQ(formatGeneral(value), text) << value;
}

TEST(FormatExact, ReadsBackAsTheSameDouble) {
  const std::pair<double, const char*> cases[] = {
      {0.1, "0,1"},
      {0.6931471805599453, "0,6931471805599453"},
      {1e300, "1E300"},
      {-2.5e-7, "-2,5E-7"},
      {123456789012345.67, "123456789012345,67"},
      {4.9e-324, "5E-324"},
      {0, "0"},
  };
  for (const auto& [value, text] : cases)
    EXPECT_EQ(formatExact(value), text) << value;
  std::mt19937_64 random(7);
  for (int i = 0; i < 100000; ++i) {
    double value = 0;
    const uint64_t bits = random();
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    ASSERT_EQ(parseFloat(formatExact(value)), value) << formatExact(value);
  }
}

// What a formula can hold: the same digits, never in E notation, and read back by the
// formula's own rule (digits and one comma) as the same double.
TEST(FormatExactPlain, WritesEveryDigitWithoutENotation) {
  const std::pair<double, const char*> cases[] = {
      {0.30116867893975674, "0,30116867893975674"},
      {-2.25, "-2,25"},
      {3e20, "300000000000000000000"},
      {1e-6, "0,000001"},
      {-2.5e-7, "-0,00000025"},
      {1.5e-12, "0,0000000000015"},
      {123456789012345.67, "123456789012345,67"},
      {0, "0"},
  };
  for (const auto& [value, text] : cases)
    EXPECT_EQ(formatExactPlain(value), text) << value;
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> exponent(-40, 40);
  for (int i = 0; i < 20000; ++i) {
    const double value = std::pow(10.0, exponent(random)) * (i % 2 ? -1 : 1);
    const std::string text = formatExactPlain(value);
    ASSERT_EQ(text.find('E'), std::string::npos) << text;
    ASSERT_EQ(parseFloat(text), value) << text;
  }
}

TEST(FormatFloat, IgnoresTheSystemLocale) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous ? previous : "C";
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) std::setlocale(LC_ALL, "C.UTF-8");
  EXPECT_EQ(FormatFloat("###0.0###", 1234.5), "1234,5");
  EXPECT_EQ(formatGeneral(0.5), "0,5");
  EXPECT_EQ(parseFloat("0,5"), 0.5);
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(ParseFloat, AcceptsTheProgramsNumbers) {
  const std::pair<const char*, double> cases[] = {
      {"0,5", 0.5},      {" 12 ", 12},
      {"-3", -3},        {"+3", 3},
      {",5", 0.5},       {"5,", 5},
      {"1E3", 1000},     {"1e-3", 0.001},
      {"-2,5e+2", -250}, {"0,000", 0},
      {"007", 7},        {"6,28", 6.28},
      {"1e-400", 0},     {"4,9E-324", 4.9e-324},
  };
  for (const auto& [text, value] : cases) {
    const auto parsed = parseFloat(text);
    ASSERT_TRUE(parsed.has_value()) << text;
    EXPECT_EQ(*parsed, value) << text;
  }
}

TEST(ParseFloat, RefusesEverythingElse) {
  for (const char* text :
       {"",   " ",   "0.5", "1,2,3", ",",   "-",   "abc",  "1a",  "1e",  "1e+",
        "e5", "- 1", "1 2", "1E400", "--1", "+-1", "0x10", "inf", "nan", "1,5,"}) {
    EXPECT_FALSE(parseFloat(text).has_value()) << '"' << text << '"';
  }
  EXPECT_FALSE(parseFloat("1" + std::string(400, '0')).has_value());
  EXPECT_EQ(parseFloat("0," + std::string(400, '0') + "1"), 0.0);
}

TEST(ParseInt, WholeNumbersThatFitThirtyTwoBits) {
  EXPECT_EQ(parseInt("100"), 100);
  EXPECT_EQ(parseInt(" -7 "), -7);
  EXPECT_EQ(parseInt("+7"), 7);
  EXPECT_EQ(parseInt("2147483647"), 2147483647);
  for (const char* text : {"", "1,5", "1e3", "2147483648", "+-7", "-+7", "7a", "+", "- 7"}) {
    EXPECT_FALSE(parseInt(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace quorvel
