#include "inspect/cell_match.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// The marking rule, one case per row: bits first, then six decimals as the
// reports print them, with the sign of a zero not counting.
TEST(CellMatch, MarksEachPairOfCells) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const float one = 1.0f;
  const struct {
    float openGl, corvane;
    CellMatch want;
  } cases[] = {
      {1.732051f, 1.732051f, CellMatch::Identical},
      {one, std::nextafter(one, 2.0f), CellMatch::SixDecimals},   // 1.000000 both
      {0.0000004f, -0.0000004f, CellMatch::SixDecimals},          // 0.000000, -0.000000
      {0.0f, -0.0f, CellMatch::SixDecimals},                      // not the same bits
      {-0.0f, -0.0f, CellMatch::Identical},
      {1.0000004f, 1.0000006f, CellMatch::Different},             // 1.000000, 1.000001
      {0.0000006f, 0.0f, CellMatch::Different},                   // 0.000001, 0.000000
      {-2.5f, 2.5f, CellMatch::Different},
      {nan, nan, CellMatch::Identical},
      {nan, -nan, CellMatch::Different},                          // nan, -nan
      {nan, 0.0f, CellMatch::Different},
      {inf, inf, CellMatch::Identical},
      {inf, -inf, CellMatch::Different},
      {inf, std::numeric_limits<float>::max(), CellMatch::Different},
      {-std::numeric_limits<float>::max(), -std::numeric_limits<float>::max(),
       CellMatch::Identical},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(matchCells(c.openGl, c.corvane), c.want)
        << printedNumber(c.openGl).text << " vs " << printedNumber(c.corvane).text;
    EXPECT_EQ(matchCells(c.corvane, c.openGl), c.want) << "the rule is symmetric";
  }
}

}  // namespace
