#include "glui/numeric_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace glui_detail {
namespace {

TEST(LimitsTest, ClampMovesOutsideValuesToTheNearerBoundInEitherOrder) {
  const Limits l = makeLimits(LimitKind::Clamp, 8, 1);
  EXPECT_EQ(applyLimits(1, l), 1);
  EXPECT_EQ(applyLimits(8, l), 8);
  EXPECT_EQ(applyLimits(9, l), 8);
  EXPECT_EQ(applyLimits(-100, l), 1);
  EXPECT_EQ(applyLimits(1e9, Limits{}), 1e9);
}

TEST(LimitsTest, WrapSendsAboveToBottomAndBelowToTop) {
  const Limits l = makeLimits(LimitKind::Wrap, 10, 180);
  EXPECT_EQ(applyLimits(10, l), 10);
  EXPECT_EQ(applyLimits(180, l), 180);
  EXPECT_EQ(applyLimits(180.5, l), 10);
  EXPECT_EQ(applyLimits(1000, l), 10);  // not modular
  EXPECT_EQ(applyLimits(9.99, l), 180);
}

TEST(ParseTest, DecimalNumbersOfAnySizeOnly) {
  EXPECT_EQ(parseNumber("  3\t"), 3.0);
  EXPECT_EQ(parseNumber("+3"), 3.0);
  EXPECT_EQ(parseNumber("-.5"), -0.5);
  EXPECT_EQ(parseNumber("3."), 3.0);
  EXPECT_EQ(parseNumber("25E-2"), 0.25);
  // Beyond the double range: the infinity or zero of the number's sign.
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(parseNumber("1e999"), inf);
  EXPECT_EQ(parseNumber("-0.000012e400"), -inf);
  EXPECT_EQ(parseNumber("1234e-330"), 0.0);
  EXPECT_TRUE(std::signbit(*parseNumber("-1e-400")));
  EXPECT_EQ(parseNumber("0.00001e-320"), 0.0);
  for (const char* junk : {"", "  ", "abc", "1e", "--1", "- 1", "1 2", "3x", ".", "+", "e5",
                           "nan", "inf", "infinity", "1e99x", "0x10", "1,5"}) {
    EXPECT_FALSE(parseNumber(junk).has_value()) << '"' << junk << '"';
  }
}

TEST(ParseTest, IntTextTakesWholeNumbersBothSaturateAtTheirTypesRange) {
  EXPECT_EQ(parseIntText("3.0"), 3);
  EXPECT_EQ(parseIntText("3e2"), 300);
  EXPECT_EQ(parseIntText("-2147483648"), -2147483647 - 1);
  EXPECT_FALSE(parseIntText("3.7").has_value());
  EXPECT_EQ(parseIntText("2147483648"), 2147483647);
  EXPECT_EQ(parseIntText("-1e999"), -2147483647 - 1);
  EXPECT_EQ(parseIntText("1e-400"), 0);
  EXPECT_EQ(parseFloatText("0.1"), 0.1f);
  const float largest = std::numeric_limits<float>::max();
  EXPECT_EQ(parseFloatText("1e39"), largest);
  EXPECT_EQ(parseFloatText("-1e999"), -largest);
  // The largest float plus just under half an ulp still rounds down to it.
  EXPECT_EQ(narrowToFloat(double{largest} + std::ldexp(1.0, 102)), largest);
  EXPECT_EQ(narrowToFloat(double{largest} + std::ldexp(1.0, 103)),
            std::numeric_limits<float>::infinity());
  EXPECT_EQ(narrowToFloat(-1e300), -std::numeric_limits<float>::infinity());
}

}  // namespace
}  // namespace glui_detail
