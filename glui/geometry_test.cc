#include "glui/geometry.h"

#include <gtest/gtest.h>

#include <cstring>

#include "glui/glui.h"
#include "glui/control_tree.h"

namespace glui_detail {
namespace {

// Dear ImGui's default font: 7 pixels per character.
int sevenPerChar(const char* text) { return 7 * static_cast<int>(std::strlen(text)); }

// The viewer's panel uses embossed panels only; its rectangles are checked
// on the screen by the end-to-end suite.
TEST(GeometryTest, FramedPanelsInsetTheirControlsAndUnframedOnesDoNot) {
  GLUI glui("kinds");
  glui.add_button_to_panel(glui.add_panel("A very long panel label"), "b");
  glui.add_button_to_panel(glui.add_panel("r", GLUI_PANEL_RAISED), "b");
  glui.add_button_to_panel(glui.add_panel("n", GLUI_PANEL_NONE), "b");
  LayoutItem top = layoutOf(glui, sevenPerChar);
  const Size size = layoutWindow(top);
  // The label is wider than the button, so it sets the width.
  EXPECT_EQ(size.w, 7 * 23 + 2 * kPanelInset + 2 * kMargin);
  const int framedHeight = kPanelHeader + kGap + kRowHeight + kPanelInset;
  EXPECT_EQ(top.children[0].rect.h, framedHeight);
  EXPECT_EQ(top.children[1].rect.h, framedHeight);
  EXPECT_EQ(top.children[2].rect.h, kRowHeight);
  EXPECT_EQ(top.children[2].children[0].rect.x, kMargin);
}

TEST(GeometryTest, PlacedBesideTheMainWindowTopAligned) {
  const Point p = placeBeside(Rect{0, 0, 400, 400}, 0);
  EXPECT_EQ(p.x, 400 + kWindowGap);
  EXPECT_EQ(p.y, 0);
  EXPECT_EQ(placeBeside(Rect{50, 30, 400, 400}, 2).x, 50 + 400 + 4 + kWindowGap);
}

}  // namespace
}  // namespace glui_detail
