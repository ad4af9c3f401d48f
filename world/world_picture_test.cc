// The world view's picture as a person sees it: frames drawn into a visible
// window and read back from the X server. Where a world point lands comes from
// OpenGL itself (gluProject with the matrices the frame leaves loaded), not
// from a second model of the observer's view.
#include "app/state.h"
#include "picture/window_picture.h"
#include "tests/support/gl_context.h"
#include "world/world_picture.h"
#include "world/world_view.h"
#include <GL/freeglut.h>
#include <GL/glu.h>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace {

struct Rgb {
  unsigned char r, g, b;
};
using Match = bool (*)(const Rgb&);
constexpr int kSize = 400;
constexpr int kTop = 24;  // rows of the top caption

Rgb at(const Picture& picture, int x, int y) {
  const unsigned char* p = &picture.rgb[(static_cast<std::size_t>(y) * picture.width + x) * 3];
  return Rgb{p[0], p[1], p[2]};
}

bool yellow(const Rgb& p) { return p.r > 200 && p.g > 200 && p.b < 80; }
bool orange(const Rgb& p) { return p.r > 200 && p.g > 110 && p.g < 190 && p.b < 90; }
bool caption(const Rgb& p) { return p.r == p.g && p.g == p.b && p.r > 200 && p.r < 240; }
// The camera's u, v and n, apart from the world axes' red, green and blue.
bool magenta(const Rgb& p) { return p.r > 200 && p.g < 120 && p.b > 180; }
bool cyan(const Rgb& p) { return p.r < 100 && p.g > 200 && p.b > 200; }
bool lavender(const Rgb& p) {
  return p.r > 150 && p.r < 210 && p.g > 110 && p.g < 170 && p.b > 230;
}
bool grid(const Rgb& p) { return p.r == 56 && p.g == 56 && p.b == 71; }

// Matching pixels in rows top..bottom - 1 and columns left..right - 1.
int count(const Picture& image, Match match, int top = 0, int bottom = kSize, int left = 0,
          int right = kSize) {
  int n = 0;
  for (int y = std::max(top, 0); y < std::min(bottom, kSize); ++y)
    for (int x = std::max(left, 0); x < std::min(right, kSize); ++x) n += match(at(image, x, y));
  return n;
}

// One frame from the start observer, as shown.
Picture frame() {
  drawWorldPicture(startObserver(), kSize, kSize);
  glutSwapBuffers();
  Picture picture = grabWindow(glutGetWindow());
  EXPECT_EQ(picture.width, kSize);
  EXPECT_EQ(picture.height, kSize);
  // A grab of another size has failed above; as kSize by kSize, the counts below stay in bounds.
  picture.width = kSize;
  picture.height = kSize;
  picture.rgb.resize(kSize * kSize * 3);
  return picture;
}

// Where the last frame put a world point: column, and row from the top.
std::pair<int, int> pixelOf(Vector3 p) {
  GLdouble modelView[16], projection[16], x, y, z;
  GLint viewport[4];
  glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  gluProject(p.x, p.y, p.z, modelView, projection, viewport, &x, &y, &z);
  return {static_cast<int>(std::lround(x)), kSize - 1 - static_cast<int>(std::lround(y))};
}

// Whether a pixel within `radius` of where the last frame put a world point
// matches.
bool near(const Picture& image, Vector3 p, Match match, int radius = 1) {
  const auto [cx, cy] = pixelOf(p);
  return count(image, match, cy - radius, cy + radius + 1, cx - radius, cx + radius + 1) > 0;
}

// A visible window as the drawing window, the scene as start-up leaves it.
class WorldPictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    windowIds[0] = testsupport::createGlWindow("world picture", kSize, kSize,
                                               /*visible=*/true);
    keepWindowContents(windowIds[0]);
    renderMode = 1;
    lightOn = 0;
    cullBackFaces = 1;
    subdivisions = 1;
    hfov = vfov = 60.0f;
    camera.reset();
  }
};

// The camera, its -n arrow and its frustum's side edges where OpenGL puts those
// world points: from the start pose, and moved to (0, 2.5, 0) looking down -y.
// Side edges 3 units ahead, 1.732 across each way (tan 30 = 0.57735).
TEST_F(WorldPictureTest, ShowsTheCameraAndItsFrustum) {
  for (const bool above : {false, true}) {
    if (above) {
      camera.eye = Vector3(0, 2.5f, 0);
      camera.setAxes(Vector3(1, 0, 0), Vector3(0, 0, -1), Vector3(0, 1, 0));
    }
    const Vector3 e = camera.eye;
    const Vector3 u = camera.u;
    const Vector3 v = camera.v;
    const Vector3 n = camera.n;
    const Picture image = frame();
    EXPECT_TRUE(near(image, e, yellow, 4)) << above;
    EXPECT_TRUE(near(image, e - n * 0.6f, yellow)) << above;
    EXPECT_TRUE(near(image, e - n * 3.0f + u * 1.7320508f + v * 1.7320508f, orange)) << above;
    EXPECT_TRUE(near(image, e - n * 3.0f - u * 1.7320508f + v * 1.7320508f, orange)) << above;
    // u, v and n in their own colours; the faint ground grid at (-2, 0, -2).
    EXPECT_TRUE(near(image, e + u * 0.3f, magenta)) << above;
    EXPECT_TRUE(near(image, e + v * 0.3f, cyan)) << above;
    EXPECT_TRUE(near(image, e + n * 0.3f, lavender)) << above;
    EXPECT_TRUE(near(image, Vector3(-2.0f, 0.0f, -2.0f), grid)) << above;
    // The near rectangle, a few pixels across, inside an orange square of
    // 15 pixels: its left edge is an orange column.
    const auto [cx, cy] = pixelOf(e - n * 0.1f);
    EXPECT_GE(count(image, orange, cy - 6, cy + 7, cx - 8, cx - 6), 12) << above;
  }
}

// Near and far at the bottom left; nothing at the top at the panel's depth.
TEST_F(WorldPictureTest, CaptionsTheClippingPlanesAtTheBottomOnly) {
  const Picture image = frame();
  EXPECT_GT(count(image, caption, kSize - 20), 50);
  EXPECT_EQ(count(image, caption, 0, kTop), 0);
}

TEST_F(WorldPictureTest, DepthEightIsDrawnAtDepthThreeUnderACaption) {
  subdivisions = 3;
  const Picture depth3 = frame();
  subdivisions = 8;
  const Picture depth8 = frame();
  EXPECT_GT(count(depth8, caption, 0, kTop), 50);
  const std::size_t belowCaption = kTop * kSize * 3;
  EXPECT_TRUE(std::equal(depth3.rgb.begin() + belowCaption, depth3.rgb.end(),
                         depth8.rgb.begin() + belowCaption));
}

TEST_F(WorldPictureTest, AtVfov180TheCameraIsDrawnWithoutAFrustum) {
  vfov = 180.0f;
  const Picture wide = frame();
  EXPECT_EQ(count(wide, orange), 0);
  EXPECT_GT(count(wide, yellow), 20);
}

TEST_F(WorldPictureTest, ANaNFrameDrawsNeitherCameraNorFrustum) {
  camera.n = Vector3(std::nanf(""), 0, 0);
  const Picture broken = frame();
  EXPECT_EQ(count(broken, orange) + count(broken, yellow), 0);
}

TEST(FrustumCaptionTest, SaysWhyThereIsNoFrustum) {
  const std::pair<FrustumStatus, std::string> says[] = {
      {FrustumStatus::kDrawable, "frustum: near 0.1, far 1000 (drawn to 4)"},
      {FrustumStatus::kTooWide, "no frustum: at Vfov 180 it is infinitely wide"},
      {FrustumStatus::kDegenerate, "no frustum: degenerate camera axes or clipping"}};
  for (const auto& [status, want] : says) {
    char text[128];
    frustumCaption(Frustum{status, {}, {}, 4.0f}, 0.1f, 1000.0f, text, sizeof text);
    EXPECT_EQ(text, want);
  }
}

TEST_F(WorldPictureTest, OpeningLeavesTheCurrentWindowAsItWas) {
  glEnable(GL_CULL_FACE);
  const int world = openWorldView();
  EXPECT_NE(world, windowIds[0]);
  EXPECT_EQ(glutGetWindow(), windowIds[0]);
  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
  glutDestroyWindow(world);
}

}  // namespace
