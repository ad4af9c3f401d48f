// Start-up and the panel's event handler, on a real GL context: start-up runs up to, not into, the
// event loop, and the handler is called as the panel would call it. Each test is a process of its
// own, so each starts from a fresh start-up.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include "app/panel.h"
#include "app/startup.h"
#include "app/state.h"
#include "camera/navigation.h"
#include "corvane/corvane.h"
#include "tests/support/bits.h"
#include "tests/support/gl_context.h"

namespace {

using testsupport::sameBits;

class StartedViewer : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::initGlut();
    startViewer();
    testsupport::pumpEvents();
    glutSetWindow(windowIds[0]);
  }
};

TEST_F(StartedViewer, HfovChangeHandsBothFieldsOfViewToTheCamera) {
  hfov = 90.0f;
  controlCallback(kHfovId);
  EXPECT_EQ(camera.hfov, 90.0f);
  EXPECT_EQ(camera.vfov, 60.0f);
}

// Real drags, a translation and a rotation, then Reset View.
class ResetView : public StartedViewer {
 protected:
  void SetUp() override {
    StartedViewer::SetUp();
    activeAxis = 0;
    for (const int mode : {0, 1}) {
      navigationMode = mode;
      mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, 200);
      motion(210, 220);
      mouse(GLUT_LEFT_BUTTON, GLUT_UP, 210, 220);
    }
    accumulated = corvaneModelView;
    controlCallback(kResetViewId);
  }
  Matrix4 accumulated;
};

TEST_F(ResetView, PutsBackTheEyeAndFrame) { EXPECT_TRUE(sameBits(Camera(), camera)); }

TEST_F(ResetView, KeepsTheAccumulatedCorvaneModelView) {
  EXPECT_FALSE(sameBits(Matrix4(), accumulated));
  EXPECT_TRUE(sameBits(accumulated, corvaneModelView));
}

}  // namespace
