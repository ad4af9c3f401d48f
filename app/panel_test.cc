// Start-up and the panel's event handler, on a real GL context: start-up runs
// up to, not into, the event loop, and the handler is called as the panel
// would call it.
#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <vector>
#include "app/panel.h"
#include "app/startup.h"
#include "app/state.h"
#include "camera/navigation.h"
#include "corvane/corvane.h"
#include "tests/support/bits.h"
#include "tests/support/gl_context.h"

namespace {

using testsupport::sameBits;

TEST(StartedViewer, StateAfterStartUpFieldOfViewAndResetView) {
  testsupport::initGlut(), startViewer(), testsupport::pumpEvents();
  glutSetWindow(windowIds[0]);
  EXPECT_GT(windowIds[0], 0);
  EXPECT_EQ((std::vector<int>{renderMode, lightOn, cullBackFaces, subdivisions, navigationMode,
                              activeAxis, lookAtObject, rotateAboutObject, lastMouseX, lastMouseY,
                              subdivisionsSpinner->get_int_val()}),
            (std::vector<int>{1, 0, 1, 1, 0, 2, 0, 1, 0, 0, 1}));
  // rotateStep is 5 degrees, nine float ulps short of 5 pi / 180. The camera
  // gets the fields of view only when a spinner changes them.
  EXPECT_EQ((std::vector<float>{hfov, vfov, hfovSpinner->get_float_val(),
                                vfovSpinner->get_float_val(), nearPlane, farPlane, translateStep,
                                rotateStep, camera.eyeZ(), camera.hfov, camera.vfov}),
            (std::vector<float>{60, 60, 60, 60, 0.1f, 1000, 0.1f, 0.08726639f, 2.5f, 0, 0}));
  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE) && glIsEnabled(GL_DEPTH_TEST));

  // The projection's aspect is hfov / vfov, not the window's (400 by 400):
  // cot 15 degrees = 3.7320508, over 90 / 30. The camera keeps the values, and
  // Corvane follows bit for bit.
  hfov = 90.0f, controlCallback(kHfovId);
  vfov = 30.0f, controlCallback(kVfovId);
  const auto p = testsupport::projectionMatrix();
  EXPECT_FLOAT_EQ(p[0], 1.2440169f);
  EXPECT_FLOAT_EQ(p[5], 3.7320508f);
  EXPECT_TRUE(sameBits(corvaneProjection, p));
  EXPECT_TRUE(camera.hfov == 90.0f && camera.vfov == 30.0f);
  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_MODELVIEW);

  // Reset View after real drags puts back the eye and frame only: the fields
  // of view handed to the camera and the accumulated Corvane model-view stay.
  activeAxis = 0;
  for (int mode : {0, 1}) {  // a translation, then a rotation
    navigationMode = mode, mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, 200);
    motion(210, 220), mouse(GLUT_LEFT_BUTTON, GLUT_UP, 210, 220);
  }
  camera.setHfov(75.0f);
  const Matrix4 accumulated = corvaneModelView;
  controlCallback(kResetViewId);
  EXPECT_TRUE(sameBits(Camera(), camera) && camera.hfov == 75.0f);
  EXPECT_TRUE(sameBits(accumulated, corvaneModelView) && !sameBits(Matrix4(), corvaneModelView));
}

}  // namespace
