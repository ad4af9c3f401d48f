// Drag navigation through the real GLUT handlers on a real GL context: the
// camera, OpenGL's current matrix and the Corvane model-view after each step.
#include "camera/navigation.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

#include "app/state.h"
#include "corvane/corvane.h"
#include "corvane/matrix4.h"
#include "tests/support/bits.h"
#include "tests/support/capture.h"
#include "tests/support/gl_context.h"

namespace {

using testsupport::rotation;
using testsupport::sameBits;
using testsupport::translation;

// glRotatef converts degrees with pi/180, Corvane with a slightly smaller
// factor, so after a turn the two agree only to a tolerance.
void expectNearOpenGl(const Matrix4& corvane, double tolerance) {
  const auto gl = testsupport::modelViewMatrix();
  for (int k = 0; k < 16; ++k) EXPECT_NEAR(gl[k], corvane[k], tolerance) << "index " << k;
}

// A freshly started viewer, its current matrix the identity so that OpenGL's
// matrix after a step is the step alone.
class NavigationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static const int window = testsupport::createGlWindow("navigation");
    windowIds[0] = window;
    glutSetWindow(window);
    navigationMode = 0;
    activeAxis = 2;
    lookAtObject = 0;
    rotateAboutObject = 1;
    objectCenter.set(0.0f, 0.0f, 0.0f);
    lastMouseX = 0;
    lastMouseY = 0;
    restart();
  }

  static void restart() {
    camera.reset();
    corvaneModelView.setIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
  }

  // A left-button drag from (200, 200) by (dx, dy) pixels, in one motion event.
  static void drag(int dx, int dy) {
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, 200);
    motion(200 + dx, 200 + dy);
    mouse(GLUT_LEFT_BUTTON, GLUT_UP, 200 + dx, 200 + dy);
  }
};

TEST_F(NavigationTest, LargerDisplacementDecidesAndVerticalWinsTies) {
  activeAxis = 0;  // the eye's x moves by 0.05 per pixel against the sign
  struct Case {
    int dx, dy, sign, pixels;
  };
  const Case cases[] = {{3, -5, -1, 5}, {4, 4, 1, 4},   {-4, 4, 1, 4},  {4, -4, -1, 4},
                        {10, 0, 1, 10}, {-7, 2, -1, 7}, {-6, -6, -1, 6}};
  for (const Case& c : cases) {
    camera.reset();
    drag(c.dx, c.dy);
    const float amount = static_cast<float>(c.pixels * -0.5 * double{translateStep});
    const float d = static_cast<float>(double(-c.sign) * double{amount});
    EXPECT_TRUE(sameBits(d, camera.eye.x)) << c.dx << ", " << c.dy;
  }
}

TEST_F(NavigationTest, MeasuresFromTheLastPressReleaseOrMotion) {
  activeAxis = 0;
  mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 100, 50);
  motion(104, 50);  // 4 px right: 0.2
  motion(106, 50);  // 2 px right from the last motion: 0.1
  mouse(GLUT_RIGHT_BUTTON, GLUT_UP, 300, 300);
  motion(300, 290);  // 10 px up from the release: -0.5
  EXPECT_NEAR(camera.eye.x, 0.2f + 0.1f - 0.5f, 1e-6);
  EXPECT_EQ(lastMouseX, 300);
  EXPECT_EQ(lastMouseY, 290);
}

// Axes 0 and 2 move against the sign (right or down is +u, +n), axis 1 with it.
TEST_F(NavigationTest, TranslateSensePerAxisOnCameraCorvaneAndOpenGl) {
  struct Case {
    int axis, dx, dy;
    Vector3 eye, step;
  };
  const Case cases[] = {{0, 10, 0, {0.5f, 0, 2.5f}, {0.5f, 0, 0}},
                        {0, 0, 10, {0.5f, 0, 2.5f}, {0.5f, 0, 0}},
                        {1, 10, 0, {0, -0.5f, 2.5f}, {0, -0.5f, 0}},
                        {2, 0, -10, {0, 0, 2.0f}, {0, 0, -0.5f}},
                        {2, -10, 0, {0, 0, 2.0f}, {0, 0, -0.5f}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "axis " << c.axis << ", drag " << c.dx << ", " << c.dy);
    restart();
    activeAxis = c.axis;
    drag(c.dx, c.dy);
    const Matrix4 step = translation(c.step.x, c.step.y, c.step.z);
    EXPECT_TRUE(sameBits(c.eye, camera.eye));
    EXPECT_TRUE(sameBits(step, corvaneModelView));
    EXPECT_TRUE(sameBits(step, testsupport::modelViewMatrix()));
  }
}

TEST_F(NavigationTest, ZeroMovementLeavesEverythingAsItWas) {
  const Matrix4 before = rotation(30, Vector3(1, 2, 3));
  corvaneModelView = before;
  for (int mode : {0, 1}) {
    for (int axis : {0, 1, 2}) {
      navigationMode = mode;
      activeAxis = axis;
      const Camera cameraBefore = camera;
      drag(0, 0);
      EXPECT_TRUE(sameBits(cameraBefore, camera));
      EXPECT_TRUE(sameBits(before, corvaneModelView)) << mode << ", " << axis;
    }
  }
}

TEST_F(NavigationTest, LookAtObjectReaimsAfterEachTranslationEvenWithoutMovement) {
  lookAtObject = 1;
  activeAxis = 0;
  testsupport::CapturedStreams capture;
  drag(5, 0);
  capture.stop();
  EXPECT_EQ(capture.err(), "");
  Camera expected;
  expected.translate(0.25f, 0, 0, 1, Vector3(0, 0, 0));
  EXPECT_TRUE(sameBits(expected, camera));
  EXPECT_TRUE(sameBits(translation(0.25f, 0, 0), corvaneModelView));

  camera.reset();
  camera.yaw(0.3f);
  drag(0, 0);
  Vector3 toEye = camera.eye;
  toEye.normalize();
  EXPECT_TRUE(sameBits(toEye, camera.n));
}

TEST_F(NavigationTest, LookAtObjectOntoTheObjectKeepsAUsableCamera) {
  lookAtObject = 1;
  testsupport::CapturedStreams capture;
  drag(0, -50);  // -2.5 along n: the eye lands on the object centre
  capture.stop();
  EXPECT_EQ(capture.err(), "");
  Camera expected;
  expected.eye.set(0, 0, 0);
  EXPECT_TRUE(sameBits(expected, camera));
  EXPECT_TRUE(sameBits(translation(0, 0, -2.5f), corvaneModelView));

  drag(0, 10);  // backs away again and aims at the centre once more
  expected.eye.set(0, 0, 0.5f);
  EXPECT_TRUE(sameBits(expected, camera));
}

// The same number turns the camera in radians and Corvane in degrees; with
// the pivot at the origin the wrap leaves the plain rotation bit for bit.
// Look at Object plays no part in a turn.
TEST_F(NavigationTest, RotateYByTenPixelsTurnsByRotateStepOnBoth) {
  navigationMode = 1;
  activeAxis = 1;
  lookAtObject = 1;
  drag(10, 0);
  Camera expected;
  expected.yaw(rotateStep);
  EXPECT_TRUE(sameBits(expected, camera));
  EXPECT_TRUE(sameBits(rotation(rotateStep, Vector3(0, 1, 0)), corvaneModelView));
  expectNearOpenGl(corvaneModelView, 1e-7);
}

TEST_F(NavigationTest, RotateSensePerAxis) {
  navigationMode = 1;

  activeAxis = 0;
  drag(0, 10);  // pitch by +a: the view dips
  EXPECT_LT(camera.viewY(), 0.0f);
  EXPECT_GT(corvaneModelView.at(2, 1), 0.0f);  // sinA about x

  restart();
  activeAxis = 1;
  drag(-10, 0);  // yaw by -a: the view swings left
  EXPECT_LT(camera.viewX(), 0.0f);
  EXPECT_LT(corvaneModelView.at(0, 2), 0.0f);

  restart();
  activeAxis = 2;
  drag(10, 0);  // roll by +a: u turns towards v
  EXPECT_GT(camera.u.y, 0.0f);
  EXPECT_TRUE(sameBits(rotation(rotateStep, Vector3(0, 0, 1)), corvaneModelView));
}

TEST_F(NavigationTest, EachStepAppendsTheSameFactorToOpenGlAndCorvane) {
  // Start both from an oblique look-at, as a frame leaves OpenGL's matrix,
  // and pivot off the origin so that the wrap's order shows.
  gluLookAt(1.0, 2.0, 3.0, 0.0, 0.5, 0.0, 0.0, 1.0, 0.0);
  corvaneModelView.setFromArray(testsupport::modelViewMatrix().data());
  objectCenter.set(0.5f, -0.25f, 0.0f);
  struct Step {
    int mode, axis, dx, dy;
  };
  const Step steps[] = {{0, 0, 7, 2},  {1, 1, -12, 3}, {0, 1, 0, 9},  {1, 0, 4, -30},
                        {0, 2, -5, 5}, {1, 2, 25, -1}, {1, 1, 3, 3}, {0, 0, 0, 0}};
  for (const Step& s : steps) {
    navigationMode = s.mode;
    activeAxis = s.axis;
    drag(s.dx, s.dy);
    expectNearOpenGl(corvaneModelView, 1e-6);
  }
}

}  // namespace
