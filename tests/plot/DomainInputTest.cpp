// The checks of the domain windows, in their order.

#include <gtest/gtest.h>

#include "plot/DomainInput.h"

namespace quorvel {
namespace {

TEST(ParameterDomain, AcceptedDomains) {
  const auto check = checkParameterDomain("0", "6,28", "100");
  ASSERT_TRUE(check.ok);
  EXPECT_EQ(check.end, 6.28);
  EXPECT_EQ(check.steps, 100);
  EXPECT_TRUE(checkParameterDomain("-1000", "1000", "1000").ok);  // bounds are accepted
  EXPECT_TRUE(checkParameterDomain("0", "1", "10").ok);
  // A full stop is the decimal comma, as in every number field.
  const auto stop = checkParameterDomain("-0.5", "6.28", "100");
  ASSERT_TRUE(stop.ok);
  EXPECT_EQ(stop.begin, -0.5);
  EXPECT_EQ(stop.end, 6.28);
}

TEST(ParameterDomain, Messages) {
  const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
      {"x", "1", "10", "start waarde fout"},
      {"0", "1.5.2", "10", "eind waarde fout"},
      {"0", "1,5.2", "10", "eind waarde fout"},
      {"0", "5", "70000", "stap waarde fout"},
      {"0", "5", "-5", "stap waarde fout"},
      {"0", "5", "1,5", "stap waarde fout"},
      {"0", "5", "9", "10 < stappen < 1000"},
      {"0", "5", "1001", "10 < stappen < 1000"},
      {"0", "1001", "100", "-1000 < eind < 1000"},
      {"-1001", "5", "100", "-1000 < begin < 1000"},
      {"5", "5,5", "100", "domain negatief of te klein"},
      {"2000", "1", "5", "domain negatief of te klein"},  // the last failing check wins
      {"-2000", "1", "5", "-1000 < begin < 1000"},
  };
  for (const auto& [begin, end, steps, message] : cases) {
    const auto check = checkParameterDomain(begin, end, steps);
    EXPECT_FALSE(check.ok);
    EXPECT_EQ(check.message, message) << begin << " " << end << " " << steps;
  }
}

TEST(IntegralDomain, InsideTheVisibleRange) {
  const ScaleState scale;
  const auto check = checkIntegralDomain("-2", "2", scale);
  ASSERT_TRUE(check.ok);
  EXPECT_EQ(check.left, -2);
  EXPECT_TRUE(checkIntegralDomain("-10", "10", scale).ok);
  const auto outside = checkIntegralDomain("-12", "3", scale);
  EXPECT_EQ(outside.message, "domein buiten bereik");
  EXPECT_EQ(outside.focus, IntegralDomainCheck::Left);
  EXPECT_EQ(checkIntegralDomain("3", "3", scale).message, "fout domein");
  EXPECT_EQ(checkIntegralDomain("a", "3", scale).message, "fout in X-links");
  const auto stop = checkIntegralDomain("-2.5", "0.25", scale);
  ASSERT_TRUE(stop.ok);
  EXPECT_EQ(stop.left, -2.5);
  EXPECT_EQ(stop.right, 0.25);
  const auto right = checkIntegralDomain("1", "", scale);
  EXPECT_EQ(right.message, "fout in X-rechts");
  EXPECT_EQ(right.focus, IntegralDomainCheck::Right);
}

}  // namespace
}  // namespace quorvel
