// Placing the "Pipeline Stages" window clear of the others.
#include "stages/placement.h"

#include <gtest/gtest.h>

namespace {

// The drawing window at the top left, the panel right of it, the world view below the drawing
// window: right of the panel when the screen is wide enough, else below the panel and right of the
// world view.
TEST(PlacementTest, HighestThenLeftmostClearPlaceThatFitsTheScreen) {
  const std::vector<ScreenRect> windows = {
      {0, 0, 400, 400}, {408, 0, 250, 500}, {0, 408, 400, 400}};
  const ScreenPoint right = placeClearOf(windows, 600, 400, 1280, 1024, 8);
  EXPECT_EQ(666, right.x);
  EXPECT_EQ(0, right.y);
  const ScreenPoint below = placeClearOf(windows, 600, 400, 1100, 1024, 8);
  EXPECT_EQ(408, below.x);
  EXPECT_EQ(508, below.y);
  // A screen too small for any clear place: the highest clear one all the same.
  const ScreenPoint anyway = placeClearOf(windows, 900, 600, 1000, 700, 8);
  EXPECT_EQ(666, anyway.x);
  EXPECT_EQ(0, anyway.y);
  EXPECT_EQ(0, placeClearOf({}, 10, 10, 100, 100, 8).x);
}

}  // namespace
