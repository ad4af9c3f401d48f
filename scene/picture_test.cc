// What a person sees in the drawing window: frames drawn by reshape and
// display into a visible window and read back from the X server. How each
// render control changes the picture, the end-to-end suite checks.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/state.h"
#include "scene/view.h"
#include "tests/support/gl_context.h"
#include "tests/support/window_image.h"

namespace {

using scenetest::Rgb;

// The drawing window as start-up leaves it: black clear colour, depth test and
// back-face culling on, wireframe, lighting off, depth 1, camera reset.
class PictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::createGlWindow("scene picture", 400, 400, /*visible=*/true);
    scenetest::keepCurrentWindowContents();
    glClearColor(0, 0, 0, 0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    renderMode = subdivisions = 1;
    lightOn = 0;
    hfov = vfov = 60.0f;
    camera.reset();
    reshape(400, 400);
  }

  static scenetest::WindowImage frame() {
    display();
    return scenetest::grabCurrentWindow(400, 400);
  }
};

// A unit sphere at distance 2.5 through a 60-degree field of view 400 pixels
// high: 400 / sqrt(2.5^2 - 1) / tan(30 degrees) = 302.4 pixels across. Depth 1
// is a polyhedron inside the sphere, so its outline is a little smaller.
TEST_F(PictureTest, StartViewIsACentredSphereAboutThreeHundredPixelsAcrossOnBlack) {
  const auto s = frame();
  ASSERT_EQ(s.pixels.size(), 400u * 400u);
  int left = 400, right = -1, top = 400, bottom = -1;
  for (int y = 0; y < 400; ++y) {
    for (int x = 0; x < 400; ++x) {
      if (s.at(x, y).black()) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  for (const int extent : {right - left + 1, bottom - top + 1}) {
    EXPECT_LE(extent, 304);
    EXPECT_GE(extent, 272);
  }
  EXPECT_NEAR((left + right + 1) / 2.0, 200, 1.5);
  EXPECT_NEAR((top + bottom + 1) / 2.0, 200, 1.5);
}

// Unlit, one flat white. Lit, the default light along the view and the
// default material give greys from 0.04 (ambient) to 0.84 (facing the light).
TEST_F(PictureTest, SolidIsFlatWhiteUnlitAndGreysLit) {
  renderMode = 2;
  for (const int light : {0, 1}) {
    lightOn = light;
    std::set<int> colours;
    for (const Rgb& p : frame().pixels) {
      if (!p.black()) colours.insert(p.r << 16 | p.g << 8 | p.b);
    }
    if (light == 0) {
      EXPECT_EQ(colours, (std::set<int>{0xffffff}));
      continue;
    }
    ASSERT_GT(colours.size(), 20u);
    for (const int c : colours) EXPECT_EQ(c, (c & 0xff) * 0x010101) << std::hex << c;
    EXPECT_LE(*colours.rbegin() & 0xff, 215);
    EXPECT_GE(*colours.begin() & 0xff, 10);
  }
}

}  // namespace
