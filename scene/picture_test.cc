// What a person sees in the drawing window: frames drawn by reshape and display
// into a visible window and read back from the X server. How each render
// control changes the picture, the end-to-end suite checks.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/state.h"
#include "scene/view.h"
#include "tests/support/gl_context.h"
#include "tests/support/window_image.h"

namespace {

scenetest::WindowImage frame() {
  display();
  return scenetest::grabCurrentWindow(400, 400);
}

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
  // The colours of a frame's pixels but the black of the clear colour, as
  // 0xRRGGBB.
  static std::set<int> colours() {
    std::set<int> seen;
    for (const auto &p : frame().pixels) seen.insert(p.r << 16 | p.g << 8 | p.b);
    seen.erase(0);
    return seen;
  }
};

// A unit sphere at distance 2.5 through a 60-degree field of view 400 pixels
// high is 400 / sqrt(2.5^2 - 1) / tan(30 degrees) = 302.4 pixels across; depth
// 1 is a polyhedron inside the sphere, so its outline is a little smaller.
TEST_F(PictureTest, StartFrameIsACentredSphereAboutThreeHundredPixelsAcross) {
  const auto s = frame();
  ASSERT_EQ(s.pixels.size(), 400u * 400u);
  int box[4] = {400, 400, -1, -1};  // left, top, right, bottom of the lit pixels
  for (int y = 0; y < 400; ++y) {
    for (int x = 0; x < 400; ++x) {
      if (s.at(x, y).black()) continue;
      box[0] = std::min(box[0], x);
      box[1] = std::min(box[1], y);
      box[2] = std::max(box[2], x);
      box[3] = std::max(box[3], y);
    }
  }
  for (const int k : {0, 1}) {
    EXPECT_NEAR(box[k + 2] - box[k] + 1, 288, 16);  // from 272 to 304
    EXPECT_NEAR((box[k] + box[k + 2] + 1) / 2.0, 200, 1.5);
  }
}

TEST_F(PictureTest, SolidUnlitIsOneFlatWhite) {
  renderMode = 2;
  EXPECT_EQ(colours(), (std::set<int>{0xffffff}));
}

// The default light along the view and the default material give many greys
// from 0.04 (ambient) to 0.84 (facing it): from 10 to 215 of 255.
TEST_F(PictureTest, SolidLitShowsManyGreys) {
  renderMode = 2;
  lightOn = 1;
  const std::set<int> lit = colours();
  EXPECT_GT(lit.size(), 20u);
  for (const int c : lit)
    EXPECT_TRUE(c == (c & 0xff) * 0x010101 && c >= 0x0a0a0a && c <= 0xd7d7d7) << std::hex << c;
}

}  // namespace
