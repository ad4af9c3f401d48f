#include "glui/numeric_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace glui_detail {
namespace {

// Clamp moves a value to the nearer bound, the bounds in either order; wrap sends any value above
// to the bottom and below to the top (not modular).
TEST(NumericRulesTest, ClampAndWrap) {
  const Limits clamp = makeLimits(LimitKind::Clamp, 8, 1);
  const Limits wrap = makeLimits(LimitKind::Wrap, 10, 180);
  const struct {
    Limits limits;
    double in, out;
  } cases[] = {{clamp, 1, 1},        {clamp, 8, 8},    {clamp, 9, 8},    {clamp, -100, 1},
               {Limits{}, 1e9, 1e9}, {wrap, 10, 10},   {wrap, 180, 180}, {wrap, 180.5, 10},
               {wrap, 1000, 10},     {wrap, 9.99, 180}};
  for (const auto& c : cases) EXPECT_EQ(applyLimits(c.in, c.limits), c.out) << c.in;
}

// Any decimal number parses, beyond the double range too (the infinity or zero of its sign); the
// int and float texts saturate at their types' range.
TEST(NumericRulesTest, ParseDecimalNumbersOfAnySizeOnly) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* text;
    double value;
  } numbers[] = {{"  3\t", 3},    {"+3", 3},      {"-.5", -0.5},           {"3.", 3},
                 {"25E-2", 0.25}, {"1e999", inf}, {"-0.000012e400", -inf}, {"1234e-330", 0}};
  for (const auto& n : numbers) EXPECT_EQ(parseNumber(n.text), n.value) << n.text;
  EXPECT_TRUE(std::signbit(*parseNumber("-1e-400")));
  for (const char* junk : {"", "  ", "abc", "1e", "--1", "- 1", "1 2", "3x", ".", "+", "e5", "nan",
                           "inf", "infinity", "1e99x", "0x10", "1,5"})
    EXPECT_FALSE(parseNumber(junk).has_value()) << '"' << junk << '"';
  const int intMin = -2147483647 - 1;
  const float largest = std::numeric_limits<float>::max();
  const std::pair<const char*, int> ints[] = {{"3e2", 300},
                                              {"-2147483648", intMin},
                                              {"2147483648", 2147483647},
                                              {"-1e999", intMin},
                                              {"1e-400", 0}};
  for (const auto& [text, value] : ints) EXPECT_EQ(parseIntText(text), value) << text;
  EXPECT_FALSE(parseIntText("3.7").has_value());
  for (const auto& [text, value] :
       {std::pair{"0.1", 0.1f}, {"1e39", largest}, {"-1e999", -largest}})
    EXPECT_EQ(parseFloatText(text), value) << text;
  // The largest float plus just under half an ulp still rounds down to it.
  EXPECT_EQ(narrowToFloat(double{largest} + std::ldexp(1.0, 102)), largest);
  EXPECT_EQ(narrowToFloat(double{largest} + std::ldexp(1.0, 103)), float(inf));
  EXPECT_EQ(narrowToFloat(-1e300), -float(inf));
}

}  // namespace
}  // namespace glui_detail
