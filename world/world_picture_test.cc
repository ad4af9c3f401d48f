// The world view's picture as a person sees it: a frame drawn into a visible
// window and read back from the X server. Where things should be comes from
// OpenGL itself (gluProject with the matrices the frame leaves loaded), so
// the test checks that the camera and its frustum are drawn at their world
// positions, not how the observer's view is computed.
#include "world/world_picture.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "app/state.h"
#include "tests/support/gl_context.h"
#include "tests/support/window_image.h"
#include "world/world_view.h"

namespace {

using scenetest::Rgb;
using scenetest::WindowImage;

constexpr int kSize = 400;
constexpr int kTop = 24;  // rows of the top caption

bool yellow(const Rgb& p) { return p.r > 200 && p.g > 200 && p.b < 80; }
bool red(const Rgb& p) { return p.r > 200 && p.g < 100 && p.b < 100; }
bool green(const Rgb& p) { return p.g > 200 && p.r < 100 && p.b < 100; }
bool blue(const Rgb& p) { return p.b > 200 && p.r < 120 && p.g < 160; }
bool orange(const Rgb& p) { return p.r > 200 && p.g > 110 && p.g < 190 && p.b < 90; }
bool caption(const Rgb& p) { return p.r == p.g && p.g == p.b && p.r > 200 && p.r < 240; }

class WorldPictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::createGlWindow("world picture", kSize, kSize, /*visible=*/true);
    scenetest::keepCurrentWindowContents();
    renderMode = 1;
    lightOn = 0;
    cullBackFaces = 1;
    subdivisions = 1;
    hfov = 60.0f;
    vfov = 60.0f;
    camera.reset();
  }

  // One frame from the start observer; remembers where world points land.
  WindowImage frame() {
    drawWorldPicture(startObserver(), kSize, kSize);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView_);
    glGetDoublev(GL_PROJECTION_MATRIX, projection_);
    glGetIntegerv(GL_VIEWPORT, viewport_);
    glutSwapBuffers();
    return scenetest::grabCurrentWindow(kSize, kSize);
  }

  // Whether a pixel within `radius` of the world point's place matches.
  bool near(const WindowImage& image, Vector3 p, bool (*match)(const Rgb&), int radius = 1) {
    double x, y, z;
    gluProject(p.x, p.y, p.z, modelView_, projection_, viewport_, &x, &y, &z);
    const int cx = static_cast<int>(std::lround(x));
    const int cy = kSize - 1 - static_cast<int>(std::lround(y));  // rows from the top
    for (int dy = -radius; dy <= radius; ++dy) {
      for (int dx = -radius; dx <= radius; ++dx) {
        const int px = cx + dx, py = cy + dy;
        if (px >= 0 && py >= 0 && px < kSize && py < kSize && match(image.at(px, py))) return true;
      }
    }
    return false;
  }

  static int count(const WindowImage& image, bool (*match)(const Rgb&), int top = 0,
                   int bottom = kSize) {
    int n = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = 0; x < kSize; ++x) n += match(image.at(x, y)) ? 1 : 0;
    }
    return n;
  }

  GLdouble modelView_[16];
  GLdouble projection_[16];
  GLint viewport_[4];
};

TEST_F(WorldPictureTest, CameraAxesAndFrustumWhereTheCameraIs) {
  struct Pose {
    const char* what;
    Vector3 eye, u, v, n;
  };
  // The start pose, and the camera moved to (0, 2.5, 0) looking down -y.
  const Pose poses[] = {
      {"start", {0, 0, 2.5f}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
      {"above", {0, 2.5f, 0}, {1, 0, 0}, {0, 0, -1}, {0, 1, 0}},
  };
  for (const Pose& pose : poses) {
    camera.eye = pose.eye;
    camera.setAxes(pose.u, pose.v, pose.n);
    const WindowImage image = frame();
    EXPECT_TRUE(near(image, camera.eye, yellow, 4)) << pose.what;
    EXPECT_TRUE(near(image, camera.eye + camera.u * 0.3f, red)) << pose.what;
    EXPECT_TRUE(near(image, camera.eye + camera.v * 0.3f, green)) << pose.what;
    EXPECT_TRUE(near(image, camera.eye + camera.n * 0.3f, blue)) << pose.what;
    EXPECT_TRUE(near(image, camera.eye - camera.n * 0.6f, yellow)) << pose.what;  // -n
    // Side edges 3 units ahead, 1.732 across each way (tan 30 = 0.57735).
    const Vector3 ahead = camera.eye - camera.n * 3.0f;
    EXPECT_TRUE(near(image, ahead + camera.u * 1.7320508f + camera.v * 1.7320508f, orange))
        << pose.what;
    EXPECT_TRUE(near(image, ahead - camera.u * 1.7320508f + camera.v * 1.7320508f, orange))
        << pose.what;
  }
}

TEST_F(WorldPictureTest, CaptionsSayWhatIsAndIsNotDrawn) {
  const WindowImage start = frame();
  EXPECT_GT(count(start, orange), 200);
  EXPECT_GT(count(start, caption, kSize - 20), 50);  // near and far, bottom left
  EXPECT_EQ(count(start, caption, 0, kTop), 0);      // same depth as the panel

  subdivisions = 3;
  const WindowImage depth3 = frame();
  EXPECT_EQ(count(depth3, caption, 0, kTop), 0);
  // Depth 8 draws the sphere at depth 3, with a caption at the top.
  subdivisions = 8;
  const WindowImage depth8 = frame();
  EXPECT_GT(count(depth8, caption, 0, kTop), 50);
  EXPECT_EQ(std::memcmp(depth3.pixels.data() + kTop * kSize, depth8.pixels.data() + kTop * kSize,
                        sizeof(Rgb) * kSize * (kSize - kTop)),
            0);

  // No frustum at Vfov 180, the camera still drawn; a NaN frame: neither.
  subdivisions = 1;
  vfov = 180.0f;
  const WindowImage wide = frame();
  EXPECT_EQ(count(wide, orange), 0);
  EXPECT_GT(count(wide, yellow), 20);
  EXPECT_GT(count(wide, caption, kSize - 20), 50);
  vfov = 60.0f;
  camera.n = Vector3(std::nanf(""), 0, 0);
  const WindowImage broken = frame();
  EXPECT_EQ(count(broken, orange), 0);
  EXPECT_EQ(count(broken, yellow), 0);
  EXPECT_GT(count(broken, caption, kSize - 20), 50);

  char text[128];
  Frustum f{};
  f.status = FrustumStatus::kDrawable;
  f.cutDistance = 4.0f;
  const struct {
    FrustumStatus status;
    const char* text;
  } captions[] = {
      {FrustumStatus::kDrawable, "frustum: near 0.1, far 1000 (drawn to 4)"},
      {FrustumStatus::kTooWide, "no frustum: at Vfov 180 it is infinitely wide"},
      {FrustumStatus::kDegenerate, "no frustum: degenerate camera axes or clipping"},
  };
  for (const auto& c : captions) {
    f.status = c.status;
    frustumCaption(f, 0.1f, 1000.0f, text, sizeof text);
    EXPECT_EQ(std::string(text), c.text);
  }
}

TEST_F(WorldPictureTest, OpeningKeepsTheCurrentWindowAndTheDrawingWindowsState) {
  windowIds[0] = glutGetWindow();
  glEnable(GL_CULL_FACE);
  const int world = openWorldView();
  EXPECT_NE(world, windowIds[0]);
  EXPECT_EQ(glutGetWindow(), windowIds[0]);
  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
  glutSetWindow(world);
  EXPECT_EQ(glutGet(GLUT_WINDOW_WIDTH), 400);
  EXPECT_EQ(glutGet(GLUT_WINDOW_HEIGHT), 400);
  glutDestroyWindow(world);
  glutSetWindow(windowIds[0]);
}

}  // namespace
