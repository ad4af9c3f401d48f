#include "glui/numeric_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

namespace glui_detail {
namespace {

struct LimitCase {
  double in, out;
};

void expectLimits(const Limits& limits, std::initializer_list<LimitCase> cases) {
  for (const auto& c : cases) EXPECT_EQ(applyLimits(c.in, limits), c.out) << c.in;
}

// Not modular: 1000 gives 10, as 180.5 does.
TEST(NumericRulesTest, WrapSendsAboveToTheBottomAndBelowToTheTop) {
  expectLimits(makeLimits(LimitKind::Wrap, 10, 180),
               {{10, 10}, {180, 180}, {180.5, 10}, {1000, 10}, {9.99, 180}});
}

// Any decimal number parses, beyond the double range too (the infinity or zero of its sign).
TEST(NumericRulesTest, ParsesDecimalNumbersOfAnySize) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* text;
    double value;
  } numbers[] = {{"  3\t", 3},    {"+3", 3},      {"-.5", -0.5},           {"3.", 3},
                 {"25E-2", 0.25}, {"1e999", inf}, {"-0.000012e400", -inf}, {"1234e-330", 0}};
  for (const auto& n : numbers) EXPECT_EQ(parseNumber(n.text), n.value) << n.text;
  EXPECT_TRUE(std::signbit(*parseNumber("-1e-400")));
}

TEST(NumericRulesTest, RefusesAnythingButADecimalNumber) {
  for (const char* junk : {"", "  ", "abc", "1e", "--1", "- 1", "1 2", "3x", ".", "+", "e5", "nan",
                           "inf", "infinity", "1e99x", "0x10", "1,5"})
    EXPECT_FALSE(parseNumber(junk).has_value()) << '"' << junk << '"';
}

TEST(NumericRulesTest, IntTextSaturatesAtTheIntRange) {
  const int intMin = -2147483647 - 1;
  const std::pair<const char*, int> ints[] = {{"3e2", 300},
                                              {"-2147483648", intMin},
                                              {"2147483648", 2147483647},
                                              {"-1e999", intMin},
                                              {"1e-400", 0}};
  for (const auto& [text, value] : ints) EXPECT_EQ(parseIntText(text), value) << text;
  EXPECT_FALSE(parseIntText("3.7").has_value());
}

TEST(NumericRulesTest, FloatTextSaturatesAtTheFloatRange) {
  const float largest = std::numeric_limits<float>::max();
  for (const auto& [text, value] :
       {std::pair{"0.1", 0.1f}, {"1e39", largest}, {"-1e999", -largest}})
    EXPECT_EQ(parseFloatText(text), value) << text;
}

}  // namespace
}  // namespace glui_detail
