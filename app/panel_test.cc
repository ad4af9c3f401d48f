// Start-up and the panel's event handler, on a real GL context: start-up runs
// up to, not into, the event loop, and the handlers are called as the panel
// would call them.
#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <initializer_list>

#include "app/panel.h"
#include "app/startup.h"
#include "app/state.h"
#include "corvane/corvane.h"
#include "tests/support/gl_context.h"

namespace {

std::array<float, 16> gluProjection(double fovy, double aspect) {
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluPerspective(fovy, aspect, double{0.1f}, 1000.0);
  const auto m = testsupport::projectionMatrix();
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  return m;
}

bool sameBits(const std::array<float, 16>& a, const std::array<float, 16>& b) {
  return std::memcmp(a.data(), b.data(), sizeof(float) * 16) == 0;
}

void setFieldsOfView(float h, float v, int changedId) {
  hfov = h;
  vfov = v;
  controlCallback(changedId);
}

class StartedViewer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    testsupport::initGlut();
    startViewer();
    testsupport::pumpEvents();
  }
  void SetUp() override { glutSetWindow(windowIds[0]); }
};

TEST_F(StartedViewer, StateAfterStartUp) {
  EXPECT_GT(windowIds[0], 0);
  EXPECT_EQ(renderMode, 1);
  EXPECT_EQ(lightOn, 0);
  EXPECT_EQ(cullBackFaces, 1);
  EXPECT_EQ(subdivisions, 1);
  EXPECT_EQ(navigationMode, 0);
  EXPECT_EQ(activeAxis, 2);
  EXPECT_EQ(lookAtObject, 0);
  EXPECT_EQ(rotateAboutObject, 1);
  EXPECT_EQ(lastMouseX, 0);
  EXPECT_EQ(lastMouseY, 0);
  EXPECT_EQ(hfov, 60.0f);
  EXPECT_EQ(vfov, 60.0f);
  EXPECT_EQ(nearPlane, 0.1f);
  EXPECT_EQ(farPlane, 1000.0f);
  EXPECT_EQ(translateStep, 0.1f);
  // rotateStep sits nine float ulps below 5 pi / 180.
  float fiveDegrees = static_cast<float>(5.0 * M_PI / 180.0);
  for (int i = 0; i < 9; ++i) fiveDegrees = std::nextafter(fiveDegrees, 0.0f);
  EXPECT_EQ(rotateStep, fiveDegrees);
  EXPECT_EQ(camera.eyeZ(), 2.5f);
  EXPECT_EQ(camera.hfov, 0.0f);
  EXPECT_EQ(camera.vfov, 0.0f);

  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  GLint alignment = 0;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  EXPECT_EQ(alignment, 1);

  EXPECT_EQ(subdivisionsSpinner->get_int_val(), 1);
  EXPECT_EQ(hfovSpinner->get_float_val(), 60.0f);
  EXPECT_EQ(vfovSpinner->get_float_val(), 60.0f);
  EXPECT_EQ(glutGet(GLUT_WINDOW_WIDTH), 400);
  EXPECT_EQ(glutGet(GLUT_WINDOW_HEIGHT), 400);
}

TEST_F(StartedViewer, FieldOfViewChangesRebuildTheProjection) {
  setFieldsOfView(90.0f, 60.0f, kHfovId);
  EXPECT_TRUE(sameBits(testsupport::projectionMatrix(), gluProjection(60.0, 1.5)));
  EXPECT_EQ(camera.hfov, 90.0f);
  EXPECT_EQ(camera.vfov, 60.0f);
  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_MODELVIEW);

  setFieldsOfView(60.0f, 30.0f, kVfovId);
  const auto p = testsupport::projectionMatrix();
  EXPECT_TRUE(sameBits(p, gluProjection(30.0, 2.0)));
  // x scale is cot(vfov / 2) / aspect, independent of the window's shape.
  EXPECT_NEAR(p[0], 1.0 / std::tan(15.0 * M_PI / 180.0) / 2.0, 1e-6);
  EXPECT_EQ(camera.vfov, 30.0f);

  // The Corvane projection follows and prints the same six decimals.
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(corvaneProjection[i], p[i], 1e-6) << i;

  setFieldsOfView(60.0f, 60.0f, kHfovId);
}

TEST_F(StartedViewer, CullingFollowsTheCheckbox) {
  cullBackFaces = 0;
  controlCallback(kCullingId);
  EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
  cullBackFaces = 1;
  controlCallback(kCullingId);
  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
}

TEST_F(StartedViewer, ResetViewRestoresTheCameraOnly) {
  camera.translate(0.3f, -0.2f, 1.0f, 0, objectCenter);
  camera.yaw(0.4f);
  camera.setHfov(75.0f);
  const Matrix4 corvaneBefore = corvaneModelView;
  hfov = 75.0f;
  controlCallback(kResetViewId);
  EXPECT_EQ(camera.eyeX(), 0.0f);
  EXPECT_EQ(camera.eyeY(), 0.0f);
  EXPECT_EQ(camera.eyeZ(), 2.5f);
  EXPECT_EQ(camera.viewZ(), -1.0f);
  EXPECT_EQ(camera.upY(), 1.0f);
  EXPECT_EQ(camera.hfov, 75.0f);
  EXPECT_EQ(hfov, 75.0f);
  EXPECT_EQ(std::memcmp(&corvaneBefore, &corvaneModelView, sizeof(Matrix4)), 0);
  hfov = 60.0f;
}

TEST_F(StartedViewer, IdsWithoutActionChangeNothing) {
  const auto before = testsupport::projectionMatrix();
  const Camera cameraBefore = camera;
  for (int id : std::initializer_list<int>{kNavigationModeId, kActiveAxisId, kLightOrSubdivisionsId, 42, -1}) {
    controlCallback(id);
  }
  EXPECT_TRUE(sameBits(before, testsupport::projectionMatrix()));
  EXPECT_EQ(std::memcmp(&cameraBefore, &camera, sizeof(Camera)), 0);
  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
}

}  // namespace
