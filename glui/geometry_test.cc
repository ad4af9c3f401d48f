#include "glui/geometry.h"

#include <gtest/gtest.h>

namespace glui_detail {
namespace {

// A panel placed beside a window at (50, 30), 400 pixels wide, whose frame is 2 pixels wide on
// each side: 8 pixels right of the frame, top-aligned. Without a window manager (no frame) the
// end-to-end suite sees the viewer's panel at (408, 0).
TEST(PlaceBesideTest, LeavesEightPixelsBeyondTheWindowsFrame) {
  const Point at = placeBeside(Rect{50, 30, 400, 400}, 2);
  EXPECT_EQ(at.x, 462);
  EXPECT_EQ(at.y, 30);
}

}  // namespace
}  // namespace glui_detail
