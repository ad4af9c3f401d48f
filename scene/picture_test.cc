// What a person sees in the drawing window: frames drawn by reshape and
// display into a visible window and read back from the X server after the
// swap.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "app/state.h"
#include "scene/view.h"
#include "scene/window_image.h"
#include "tests/support/gl_context.h"

namespace {

using scenetest::Rgb;
using Screenshot = scenetest::WindowImage;

int litCount(const Screenshot& s) {
  int n = 0;
  for (const Rgb& p : s.pixels) n += p.black() ? 0 : 1;
  return n;
}

// Bounding box of the lit pixels, in pixels, inclusive.
struct Box {
  int left, right, top, bottom;
  int width() const { return right - left + 1; }
  int height() const { return bottom - top + 1; }
  double centreX() const { return (left + right + 1) / 2.0; }
  double centreY() const { return (top + bottom + 1) / 2.0; }
};

Box litBox(const Screenshot& s) {
  Box box{s.width, -1, s.height, -1};
  for (int y = 0; y < s.height; ++y) {
    for (int x = 0; x < s.width; ++x) {
      if (s.at(x, y).black()) continue;
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.top = std::min(box.top, y);
      box.bottom = std::max(box.bottom, y);
    }
  }
  return box;
}

// Apparent diameter in pixels of a sphere of the given radius at the origin,
// seen from distance 2.5 through a 60-degree vertical field of view in a
// window `pixels` high: its outline cone has tan(half angle) = r / sqrt(d^2 -
// r^2), against tan(30 degrees) for half the window.
double apparentDiameter(double radius, int pixels) {
  const double d = 2.5;
  const double tanHalfFov = std::tan(std::acos(-1.0) / 6.0);
  return radius / std::sqrt(d * d - radius * radius) / tanHalfFov * pixels;
}

// The drawing window as start-up leaves it: black clear colour, depth test and
// back-face culling on, wireframe, lighting off, depth 1, camera reset.
class PictureTest : public ::testing::Test {
 protected:
  void open(int width, int height) {
    width_ = width;
    height_ = height;
    testsupport::createGlWindow("scene picture", width, height, /*visible=*/true);
    scenetest::keepCurrentWindowContents();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glClearColor(0, 0, 0, 0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    renderMode = 1;
    lightOn = 0;
    subdivisions = 1;
    hfov = 60.0f;
    vfov = 60.0f;
    camera.reset();
    reshape(width, height);
  }

  void SetUp() override { open(400, 400); }

  Screenshot frame() {
    display();
    Screenshot s = scenetest::grabCurrentWindow(width_, height_);
    EXPECT_EQ(s.pixels.size(), static_cast<std::size_t>(width_) * height_);
    return s;
  }

  int width_ = 0;
  int height_ = 0;
};

TEST_F(PictureTest, StartViewIsACentredWireSphereAboutThreeHundredPixelsAcross) {
  const Screenshot s = frame();
  EXPECT_TRUE(s.at(0, 0).black() && s.at(399, 0).black() && s.at(0, 399).black() &&
              s.at(399, 399).black());
  const Box box = litBox(s);
  // Depth 1 is a polyhedron inside the sphere, so its outline is a little
  // smaller than the sphere's 302 pixels.
  const double sphere = apparentDiameter(1.0, 400);
  EXPECT_NEAR(sphere, 302.4, 0.1);
  EXPECT_LE(box.width(), sphere + 2);
  EXPECT_LE(box.height(), sphere + 2);
  EXPECT_GE(box.width(), 0.9 * sphere);
  EXPECT_GE(box.height(), 0.9 * sphere);
  EXPECT_NEAR(box.centreX(), 200, 1.5);
  EXPECT_NEAR(box.centreY(), 200, 1.5);

  // Every lit pixel is a white line, and nothing is lit outside the outline.
  int notWhite = 0, outside = 0;
  for (int y = 0; y < 400; ++y) {
    for (int x = 0; x < 400; ++x) {
      const Rgb& p = s.at(x, y);
      if (p.black()) continue;
      notWhite += (p.r == 255 && p.g == 255 && p.b == 255) ? 0 : 1;
      outside += std::hypot(x + 0.5 - 200, y + 0.5 - 200) > sphere / 2 + 1 ? 1 : 0;
    }
  }
  EXPECT_EQ(notWhite, 0);
  EXPECT_EQ(outside, 0);
}

TEST_F(PictureTest, DeeperSubdivisionFillsOutTheSphere) {
  subdivisions = 4;
  renderMode = 2;
  const Box box = litBox(frame());
  const double sphere = apparentDiameter(1.0, 400);
  EXPECT_NEAR(box.width(), sphere, 3);
  EXPECT_NEAR(box.height(), sphere, 3);
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
  const double r = apparentDiameter(1.0, 400) / 2;
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
  const int all = litCount(frame());
  EXPECT_GT(all, culled * 5 / 4);
  glEnable(GL_CULL_FACE);
  EXPECT_EQ(litCount(frame()), culled);
}

// The aspect comes from the fields of view, so a window twice as wide shows
// the same sphere stretched to twice its width.
TEST_F(PictureTest, WideWindowStretchesTheSphereSideways) {
  const Box square = litBox(frame());
  glutDestroyWindow(glutGetWindow());
  open(800, 400);
  const Box wide = litBox(frame());
  EXPECT_NEAR(wide.height(), square.height(), 1);
  EXPECT_NEAR(wide.width(), 2 * square.width(), 2);
  EXPECT_NEAR(wide.centreX(), 400, 1.5);
  EXPECT_NEAR(wide.centreY(), 200, 1.5);
}

}  // namespace
