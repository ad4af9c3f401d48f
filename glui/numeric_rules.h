#ifndef GLUI_NUMERIC_RULES_H_
#define GLUI_NUMERIC_RULES_H_

// Number rules of the spinner: limits, text parsing and display formatting.
// Pure functions, no window or toolkit state. Parsing and formatting do not
// depend on the C locale: the decimal separator is always '.'.

#include <optional>
#include <string>

namespace glui_detail {

enum class LimitKind { None, Clamp, Wrap };

// Limits of a spinner value, widened to double. Contract: lo <= hi whenever
// kind is not None (makeLimits orders the bounds); lo and hi are ignored when
// kind is None.
struct Limits {
  LimitKind kind = LimitKind::None;
  double lo = 0.0;
  double hi = 0.0;
};

// Builds limits from bounds given in either order.
Limits makeLimits(LimitKind kind, double a, double b);

// Clamp: a value outside [lo, hi] becomes the nearer bound. Wrap: a value
// above hi becomes lo and a value below lo becomes hi (not modular: 9 in 1..8
// gives 1, and so does 100). The bounds themselves are inside the range.
double applyLimits(double value, const Limits& limits);

// The whole text as a decimal number: optional blanks around it, an optional
// sign, digits with an optional '.', an optional exponent. A number beyond
// the double range is an infinity of its sign and one below it a zero of its
// sign ("1e999", "-1e-400"), so that it still meets the limits like any other
// large or small number. Anything else (empty, junk, trailing characters,
// nan, inf) is rejected with nullopt.
std::optional<double> parseNumber(const std::string& text);

// Text for an int spinner: a number with a whole value ("3", "3.0", "3e2");
// beyond the int range it becomes the nearest int. "3.7" is rejected rather
// than truncated.
std::optional<int> parseIntText(const std::string& text);

// Text for a float spinner: a number rounded to float; beyond the float
// range it becomes the largest float of its sign.
std::optional<float> parseFloatText(const std::string& text);

// v rounded to float; values beyond the float range become infinities
// explicitly rather than through an out-of-range conversion.
float narrowToFloat(double v);

// Display text: ints in decimal, floats with two decimals ("60.00").
std::string formatInt(int value);
std::string formatFloat(float value);

}  // namespace glui_detail

#endif  // GLUI_NUMERIC_RULES_H_
