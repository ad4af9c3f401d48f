#ifndef INSPECT_CELL_MATCH_H_
#define INSPECT_CELL_MATCH_H_

// How a cell of OpenGL's matrix compares with the same cell of Corvane's, and
// numbers as the console reports print them. No GL, no state.

#include <type_traits>

enum class CellMatch {
  // The same 32 bits: -0.0 is not +0.0, and a NaN matches only the same NaN.
  Identical,
  // Otherwise: both finite and the same number once rounded to six decimals
  // as the reports print them; the sign of a zero does not count, so
  // -0.000000 and 0.000000 are equal.
  SixDecimals,
  // Anything else. An infinity or a NaN equals nothing but its own bits.
  Different,
};

CellMatch matchCells(float openGl, float corvane);

// A float as the reports print it: printf "%f" of the value widened to
// double, so six decimals, and "nan", "-nan", "inf" or "-inf" for the
// non-finite. The buffer holds the longest, -FLT_MAX.
struct PrintedNumber {
  char text[48];
};
static_assert(std::is_trivially_copyable_v<PrintedNumber>);

PrintedNumber printedNumber(float value);

#endif  // INSPECT_CELL_MATCH_H_
