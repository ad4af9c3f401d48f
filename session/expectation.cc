#include "session/expectation.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kEyeDecimals = 3;
constexpr int kMatrixDecimals = 6;

int decimalsOf(const Expectation& e, const FoundValue& found) {
  switch (e.kind) {
    case ExpectKind::Eye:
      return kEyeDecimals;
    case ExpectKind::ModelView:
    case ExpectKind::Projection:
    case ExpectKind::Trace:
      return kMatrixDecimals;
    case ExpectKind::Control:
      return found.decimals;
    case ExpectKind::Flipped:
      break;
  }
  return 0;
}

// As printf prints value with that many decimals.
std::string printed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

double rounded(double value, int decimals) {
  return std::strtod(printed(value, decimals).c_str(), nullptr);
}

bool numbersHold(const Expectation& e, const FoundValue& found) {
  if (found.numbers.size() != e.numbers.size()) return false;
  const int decimals = decimalsOf(e, found);
  for (std::size_t i = 0; i < e.numbers.size(); ++i) {
    const double want = e.numbers[i];
    const double got = found.numbers[i];
    const bool holds = e.within ? std::fabs(got - want) <= e.tolerance
                                : rounded(got, decimals) == rounded(want, decimals);
    if (!holds) return false;
  }
  return true;
}

// The numbers as the viewer prints them: the eye as "C" does and a trace's
// line as "trace" does, in parentheses; a matrix's rows as "?" and "P" do,
// one row after the other, separated by " / ".
std::string shown(const Expectation& e, const std::vector<double>& numbers, int decimals) {
  const bool point = e.kind == ExpectKind::Eye || e.kind == ExpectKind::Trace;
  std::string text;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    const char* separator = "";
    if (i > 0) separator = point ? ", " : (i % 4 == 0 ? " / " : " ");
    text += separator + printed(numbers[i], decimals);
  }
  return point ? "(" + text + ")" : text;
}

const char* traceLineName(TraceLine line) {
  switch (line) {
    case TraceLine::Eye:
      return "trace eye ";
    case TraceLine::Clip:
      return "trace clip ";
    case TraceLine::Ndc:
      return "trace ndc ";
    case TraceLine::Window:
      break;
  }
  return "trace window ";
}

std::string subject(const Expectation& e, const char* label) {
  switch (e.kind) {
    case ExpectKind::Eye:
      return "eye ";
    case ExpectKind::ModelView:
      return e.corvane ? "modelview corvane " : "modelview opengl ";
    case ExpectKind::Projection:
      return e.corvane ? "projection corvane " : "projection opengl ";
    case ExpectKind::Control:
      return shortLabel(label) + " ";
    case ExpectKind::Trace:
      return traceLineName(e.traceLine);
    case ExpectKind::Flipped:
      break;
  }
  return "flipped ";
}

}  // namespace

bool expectationHolds(const Expectation& expected, const FoundValue& found) {
  if (!expected.word.empty()) return expected.word == found.word;
  return numbersHold(expected, found);
}

std::string expectationFailure(const std::string& file, int line, const Expectation& expected,
                               const char* label, const FoundValue& found) {
  const int decimals = decimalsOf(expected, found);
  const bool word = !expected.word.empty();
  std::string message = file + ":" + std::to_string(line) + ": expected " +
                        subject(expected, label) +
                        (word ? expected.word : shown(expected, expected.numbers, decimals));
  if (expected.within) message += " within " + expected.toleranceText;
  return message + ", found " + (word ? found.word : shown(expected, found.numbers, decimals));
}
