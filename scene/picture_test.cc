// What a person sees in the drawing window: frames drawn by reshape and
// display into a visible window and read back from the X server after the
// swap.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "app/state.h"
#include "scene/view.h"
#include "tests/support/window_image.h"
#include "tests/support/gl_context.h"

namespace {

using scenetest::Rgb;
using Screenshot = scenetest::WindowImage;

int litCount(const Screenshot& s) {
  int n = 0;
  for (const Rgb& p : s.pixels) n += p.black() ? 0 : 1;
  return n;
}

// A sphere of radius 1 at distance 2.5 through a 60-degree vertical field of
// view in a window 400 pixels high: its outline cone has tan(half angle) =
// 1 / sqrt(2.5^2 - 1), against tan(30 degrees) for half the window.
const double kSphereDiameter = 400 / std::sqrt(2.5 * 2.5 - 1) / std::tan(std::acos(-1.0) / 6);

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
    renderMode = 1;
    lightOn = 0;
    subdivisions = 1;
    hfov = 60.0f;
    vfov = 60.0f;
    camera.reset();
    reshape(400, 400);
  }

  static Screenshot frame() {
    display();
    Screenshot s = scenetest::grabCurrentWindow(400, 400);
    EXPECT_EQ(s.pixels.size(), 400u * 400u);
    return s;
  }
};

TEST_F(PictureTest, StartViewIsACentredSphereAboutThreeHundredPixelsAcrossOnBlack) {
  const Screenshot s = frame();
  EXPECT_TRUE(s.at(0, 0).black() && s.at(399, 0).black() && s.at(0, 399).black() &&
              s.at(399, 399).black());
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
  // Depth 1 is a polyhedron inside the sphere, so its outline is a little
  // smaller than the sphere's 302 pixels.
  EXPECT_NEAR(kSphereDiameter, 302.4, 0.1);
  for (const int extent : {right - left + 1, bottom - top + 1}) {
    EXPECT_LE(extent, kSphereDiameter + 2);
    EXPECT_GE(extent, 0.9 * kSphereDiameter);
  }
  EXPECT_NEAR((left + right + 1) / 2.0, 200, 1.5);
  EXPECT_NEAR((top + bottom + 1) / 2.0, 200, 1.5);
}

TEST_F(PictureTest, PointsLightFewerPixelsThanLinesAndLinesFewerThanFilled) {
  renderMode = 0;
  const int points = litCount(frame());
  renderMode = 1;
  const int lines = litCount(frame());
  renderMode = 2;
  const int filled = litCount(frame());
  // Depth 1 has 42 corners, about half of them on the visible side.
  EXPECT_GT(points, 10);
  EXPECT_LE(points, 42);
  EXPECT_GT(lines, 4 * points);
  EXPECT_GT(filled, 4 * lines);
  const double r = kSphereDiameter / 2;
  EXPECT_GT(filled, 0.8 * std::acos(-1.0) * r * r);
}

TEST_F(PictureTest, ShadingShowsOnlyWithLightingOn) {
  renderMode = 2;
  lightOn = 0;
  std::set<int> flat;
  for (const Rgb& p : frame().pixels) {
    if (!p.black()) flat.insert(p.r << 16 | p.g << 8 | p.b);
  }
  EXPECT_EQ(flat, (std::set<int>{0xffffff})) << "unlit: one flat white";

  // The default light along the view and the default grey material give
  // greys from 0.04 (ambient) up to 0.84 (facing the light), never white.
  lightOn = 1;
  std::set<int> greys;
  int coloured = 0;
  for (const Rgb& p : frame().pixels) {
    if (p.black()) continue;
    coloured += (p.r == p.g && p.g == p.b) ? 0 : 1;
    greys.insert(p.r);
  }
  EXPECT_EQ(coloured, 0);
  ASSERT_GT(greys.size(), 20u);
  EXPECT_LE(*greys.rbegin(), 215);
  EXPECT_GE(*greys.begin(), 10);
}

TEST_F(PictureTest, CullingOffShowsTheBackEdgesToo) {
  const int culled = litCount(frame());
  glDisable(GL_CULL_FACE);
  EXPECT_GT(litCount(frame()), culled * 5 / 4);
}

}  // namespace
