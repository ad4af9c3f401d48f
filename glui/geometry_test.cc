#include "glui/geometry.h"

#include <gtest/gtest.h>

#include <cstring>

#include "glui/control_tree.h"
#include "glui/glui.h"

namespace glui_detail {
namespace {

// The viewer's panel uses embossed panels only; its rectangles are checked on the screen by the
// end-to-end suite. Text is 7 pixels per character, as in Dear ImGui's default font.
TEST(GeometryTest, FramedPanelsInsetTheirControlsAndSitBesideTheMainWindow) {
  GLUI glui("kinds");
  glui.add_button_to_panel(glui.add_panel("A very long panel label"), "b");
  glui.add_button_to_panel(glui.add_panel("r", GLUI_PANEL_RAISED), "b");
  glui.add_button_to_panel(glui.add_panel("n", GLUI_PANEL_NONE), "b");
  LayoutItem top = layoutOf(glui, [](const char* t) { return 7 * int(std::strlen(t)); });
  EXPECT_EQ(layoutWindow(top).w, 7 * 23 + 2 * kPanelInset + 2 * kMargin);  // the label's width
  const int framedHeight = kPanelHeader + kGap + kRowHeight + kPanelInset;
  EXPECT_EQ(top.children[0].rect.h, framedHeight);
  EXPECT_EQ(top.children[1].rect.h, framedHeight);
  EXPECT_EQ(top.children[2].rect.h, kRowHeight);
  EXPECT_EQ(top.children[2].children[0].rect.x, kMargin);
  EXPECT_EQ(placeBeside(Rect{0, 0, 400, 400}, 0).y, 0);
  EXPECT_EQ(placeBeside(Rect{50, 30, 400, 400}, 2).x, 50 + 400 + 4 + kWindowGap);
}

}  // namespace
}  // namespace glui_detail
