#include "inspect/cell_match.h"
#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <string>

// The marking rule, one case per row: bits first, then six decimals as the
// reports print them, with the sign of a zero not counting.
TEST(CellMatch, MarksEachPairOfCells) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const struct {
    float openGl, corvane;
    CellMatch want;
  } cases[] = {
      {1.732051f, 1.732051f, CellMatch::Identical},
      {1.0f, std::nextafter(1.0f, 2.0f), CellMatch::SixDecimals},  // 1.000000 both
      {0.0000004f, -0.0000004f, CellMatch::SixDecimals},
      {1.0000004f, 1.0000006f, CellMatch::Different},  // 1.000000, 1.000001
      {0.0000006f, 0.0f, CellMatch::Different},        // 0.000001, 0.000000
      {nan, nan, CellMatch::Identical},
      {nan, std::nanf("1"), CellMatch::Different},  // both "nan"
      {nan, -nan, CellMatch::Different},
      {inf, inf, CellMatch::Identical},
      {inf, -inf, CellMatch::Different},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(printedNumber(c.openGl).text) + " vs " +
                 printedNumber(c.corvane).text);
    EXPECT_EQ(matchCells(c.openGl, c.corvane), c.want);
    EXPECT_EQ(matchCells(c.corvane, c.openGl), c.want);  // the rule is symmetric
  }
}
