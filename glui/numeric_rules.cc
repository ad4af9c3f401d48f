#include "glui/numeric_rules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>
#include <utility>

namespace glui_detail {

Limits makeLimits(LimitKind kind, double a, double b) {
  if (a > b) std::swap(a, b);
  return Limits{kind, a, b};
}

double applyLimits(double value, const Limits& limits) {
  switch (limits.kind) {
    case LimitKind::None:
      return value;
    case LimitKind::Clamp:
      if (value < limits.lo) return limits.lo;
      if (value > limits.hi) return limits.hi;
      return value;
    case LimitKind::Wrap:
      if (value < limits.lo) return limits.hi;
      if (value > limits.hi) return limits.lo;
      return value;
  }
  return value;
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string trimmed(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// from_chars also reads "inf", "nan" and "infinity"; only plain decimal
// notation is a number here, so the text must start like one.
bool startsLikeDecimal(const std::string& s) {
  if (s.empty()) return false;
  if (isDigit(s[0])) return true;
  return s[0] == '.' && s.size() > 1 && isDigit(s[1]);
}

// For a decimal that from_chars found out of range: whether it is too large
// (rather than too small), from the decimal exponent of its leading digit,
// which is above 300 or below -300 for such numbers.
bool tooLarge(const std::string& s) {
  const size_t e = std::min(s.find_first_of("eE"), s.size());
  const std::string mantissa = s.substr(0, e);
  const long long point = static_cast<long long>(std::min(mantissa.find('.'), mantissa.size()));
  const long long first = static_cast<long long>(mantissa.find_first_not_of("0."));
  long long exponent = first < point ? point - first - 1 : point - first;
  long long written = 0;
  size_t i = e + 1;
  const bool negative = i < s.size() && s[i] == '-';
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
  for (; i < s.size(); ++i) written = std::min(written * 10 + (s[i] - '0'), 1000000000LL);
  exponent += negative ? -written : written;
  return exponent > 0;
}

}  // namespace

std::optional<double> parseNumber(const std::string& text) {
  std::string s = trimmed(text);
  bool negative = false;
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
    negative = s[0] == '-';
    s.erase(0, 1);
  }
  if (!startsLikeDecimal(s)) return std::nullopt;
  double value = 0.0;
  const char* end = s.data() + s.size();
  const auto [ptr, ec] = std::from_chars(s.data(), end, value, std::chars_format::general);
  if (ptr != end) return std::nullopt;
  if (ec == std::errc::result_out_of_range) {
    value = tooLarge(s) ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ec != std::errc()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

std::optional<int> parseIntText(const std::string& text) {
  const std::optional<double> v = parseNumber(text);
  if (!v || std::trunc(*v) != *v) return std::nullopt;
  if (*v < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (*v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(*v);
}

std::optional<float> parseFloatText(const std::string& text) {
  const std::optional<double> v = parseNumber(text);
  if (!v) return std::nullopt;
  const float largest = std::numeric_limits<float>::max();
  return std::fmax(-largest, std::fmin(narrowToFloat(*v), largest));
}

float narrowToFloat(double v) {
  constexpr double kMax = std::numeric_limits<float>::max();
  // Doubles just above the largest float still round down to it.
  const double roundsToInfinity = kMax + std::ldexp(1.0, 103);
  if (v >= roundsToInfinity) return std::numeric_limits<float>::infinity();
  if (v <= -roundsToInfinity) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(v);
}

std::string formatInt(int value) { return std::to_string(value); }

std::string formatFloat(float value) {
  char buf[64];
  const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 2);
  if (ec != std::errc()) return "?";
  return std::string(buf, ptr);
}

}  // namespace glui_detail
