#include "glui/layout.h"

#include <gtest/gtest.h>

#include <cstring>

#include "glui/glui.h"
#include "glui/panel_layout.h"

namespace glui_detail {

bool operator==(const Rect& a, const Rect& b) {
  return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

std::ostream& operator<<(std::ostream& os, const Rect& r) {
  return os << "(" << r.x << ", " << r.y << ", " << r.w << ", " << r.h << ")";
}

namespace {

// Dear ImGui's default font: 7 pixels per character.
int sevenPerChar(const char* text) { return 7 * static_cast<int>(std::strlen(text)); }

int liveInts[8];
float liveFloats[2];

// The viewer's control panel, built as the application builds it.
class ViewerPanelLayoutTest : public ::testing::Test {
 protected:
  ViewerPanelLayoutTest() : glui("Tavrin Assignment 3") {
    GLUI_Panel* render = glui.add_panel("Render Mode", GLUI_PANEL_EMBOSSED);
    GLUI_RadioGroup* mode = glui.add_radiogroup_to_panel(render, &liveInts[0], 6);
    for (const char* l : {"Points", "Wireframe", "Solid"}) glui.add_radiobutton_to_group(mode, l);
    glui.add_checkbox_to_panel(render, "Light On/Off", &liveInts[1], 15);
    glui.add_checkbox_to_panel(render, "Backface culling", &liveInts[2], 7);
    glui.add_spinner_to_panel(render, "# Subdivisions ", GLUI_SPINNER_INT, &liveInts[3], 15);
    GLUI_Panel* camera = glui.add_panel("Camera", GLUI_PANEL_EMBOSSED);
    glui.add_spinner_to_panel(camera, "Hfov:", GLUI_SPINNER_FLOAT, &liveFloats[0], 8);
    glui.add_spinner_to_panel(camera, "Vfov:", GLUI_SPINNER_FLOAT, &liveFloats[1], 9);
    GLUI_RadioGroup* nav = glui.add_radiogroup_to_panel(camera, &liveInts[4], 1);
    for (const char* l : {"TRANSLATE", "ROTATE"}) glui.add_radiobutton_to_group(nav, l);
    glui.add_checkbox_to_panel(camera, "Look at Object", &liveInts[5], 13);
    GLUI_Panel* axes = glui.add_panel_to_panel(camera, "Axes", GLUI_PANEL_EMBOSSED);
    GLUI_RadioGroup* axis = glui.add_radiogroup_to_panel(axes, &liveInts[6], 2);
    for (const char* l : {"X", "Y", "Z"}) glui.add_radiobutton_to_group(axis, l);
    glui.add_button_to_panel(camera, "Reset View", 3);
    glui.add_button_to_panel(camera, "Quit", 0, GLUI_CB(exit));
    top = layoutOf(glui, sevenPerChar);
    size = layoutWindow(top);
  }

  GLUI glui;
  LayoutItem top;
  Size size;
};

TEST_F(ViewerPanelLayoutTest, WindowFitsBothPanels) {
  EXPECT_EQ(size.w, 219);
  EXPECT_EQ(size.h, 473);
  ASSERT_EQ(top.children.size(), 2u);
  EXPECT_EQ(top.children[0].rect, (Rect{8, 8, 203, 165}));
  EXPECT_EQ(top.children[1].rect, (Rect{8, 177, 203, 288}));
}

TEST_F(ViewerPanelLayoutTest, RenderModeControls) {
  const LayoutItem& render = top.children[0];
  ASSERT_EQ(render.children.size(), 4u);
  const LayoutItem& mode = render.children[0];
  EXPECT_EQ(rowRect(mode, 0), (Rect{16, 31, 65, 19}));
  EXPECT_EQ(rowRect(mode, 1), (Rect{16, 54, 86, 19}));
  EXPECT_EQ(rowRect(mode, 2), (Rect{16, 77, 58, 19}));
  EXPECT_EQ(render.children[1].rect, (Rect{16, 100, 107, 19}));
  EXPECT_EQ(render.children[2].rect, (Rect{16, 123, 135, 19}));
  const LayoutItem& subdivisions = render.children[3];
  const SpinnerParts parts = spinnerParts(subdivisions.rect, subdivisions.labelWidth);
  EXPECT_EQ(parts.field, (Rect{125, 146, 64, 19}));
  EXPECT_EQ(parts.up, (Rect{189, 146, 14, 9}));
  EXPECT_EQ(parts.down, (Rect{189, 155, 14, 10}));
}

TEST_F(ViewerPanelLayoutTest, CameraControlsWithNestedAxesPanel) {
  const LayoutItem& camera = top.children[1];
  ASSERT_EQ(camera.children.size(), 7u);
  const LayoutItem& hfov = camera.children[0];
  EXPECT_EQ(spinnerParts(hfov.rect, hfov.labelWidth).field, (Rect{55, 200, 64, 19}));
  EXPECT_EQ(camera.children[1].rect.y, 223);
  EXPECT_EQ(rowRect(camera.children[2], 1), (Rect{16, 269, 65, 19}));
  EXPECT_EQ(camera.children[3].rect, (Rect{16, 292, 121, 19}));
  const LayoutItem& axes = camera.children[4];
  EXPECT_EQ(axes.rect, (Rect{16, 315, 187, 96}));
  EXPECT_EQ(rowRect(axes.children[0], 2), (Rect{24, 384, 30, 19}));
  EXPECT_EQ(camera.children[5].rect, (Rect{16, 415, 100, 19}));
  EXPECT_EQ(camera.children[6].rect, (Rect{16, 438, 100, 19}));
}

TEST(LayoutTest, EmptyWindowIsJustItsMargins) {
  GLUI glui("empty");
  LayoutItem top = layoutOf(glui, sevenPerChar);
  const Size size = layoutWindow(top);
  EXPECT_EQ(size.w, 2 * kMargin);
  EXPECT_EQ(size.h, 2 * kMargin);
}

TEST(LayoutTest, EmptyRadioGroupTakesNoRowAndNoGap) {
  GLUI glui("g");
  glui.add_radiogroup();
  glui.add_button("b");
  LayoutItem top = layoutOf(glui, sevenPerChar);
  layoutWindow(top);
  EXPECT_EQ(top.children[1].rect.y, kMargin);
}

TEST(LayoutTest, PanelKinds) {
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
  EXPECT_EQ(top.children[2].children[0].rect.x, kMargin);  // no inset
}

TEST(LayoutTest, WideButtonLabelsWidenTheButton) {
  EXPECT_EQ(buttonWidth(7 * 4), kButtonMinWidth);
  EXPECT_EQ(buttonWidth(7 * 20), 7 * 20 + 2 * kButtonTextPad);
}

TEST(LayoutTest, PlacedBesideTheMainWindowTopAligned) {
  const Point p = placeBeside(Rect{0, 0, 400, 400}, 0);
  EXPECT_EQ(p.x, 400 + kWindowGap);
  EXPECT_EQ(p.y, 0);
  EXPECT_EQ(placeBeside(Rect{50, 30, 400, 400}, 2).x, 50 + 400 + 4 + kWindowGap);
}

}  // namespace
}  // namespace glui_detail
