// Drag navigation through the real GLUT handlers on a real GL context: the camera, OpenGL's current
// matrix and the Corvane model-view after each step.
#include "camera/navigation.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include "app/state.h"
#include "corvane/corvane.h"
#include "tests/support/bits.h"
#include "tests/support/gl_context.h"

namespace {

using namespace testsupport;

// A drag turns by 0.1 * rotateStep per pixel: ten pixels turn by rotateStep, 5 degrees less nine
// float ulps.
constexpr float kTurn = 0.08726639f;

// glRotatef converts degrees with pi/180, Corvane with a slightly smaller factor, so after a turn
// the two agree only to a tolerance.
void expectNearOpenGl(double tolerance) {
  const auto gl = modelViewMatrix();
  for (int k = 0; k < 16; ++k) EXPECT_NEAR(gl[k], corvaneModelView[k], tolerance) << k;
}

// A left-button drag from (200, 200) by (dx, dy) pixels, in one motion event.
void drag(int dx, int dy) {
  mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, 200);
  motion(200 + dx, 200 + dy);
  mouse(GLUT_LEFT_BUTTON, GLUT_UP, 200 + dx, 200 + dy);
}

// A freshly started viewer; OpenGL's matrix after a step is the step alone.
class NavigationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static const int window = createGlWindow("navigation");
    glutSetWindow(windowIds[0] = window);
    navigationMode = 0;
    lookAtObject = 0;
    rotateAboutObject = 1;
    objectCenter.set(0.0f, 0.0f, 0.0f);
    restart(2);
  }
  static void restart(int axis) {
    activeAxis = axis;
    camera.reset();
    corvaneModelView.setIdentity();
    glLoadIdentity();
  }
};

// A translation is 0.05 per pixel of the larger displacement, vertical on a tie; axes 0 and 2 move
// against the sign (right or down is +u, +n), axis 1 with it, and OpenGL gets the same step bit for
// bit. A turn is the same number in radians for the camera and in degrees for Corvane; with the
// pivot at the origin the wrap leaves the plain rotation bit for bit, and Look at Object plays no
// part.
TEST_F(NavigationTest, EachModeAndAxisMovesWithItsSenseAndSize) {
  auto moved = [](float x, float y, float z) {
    Camera c;
    c.eye = {x, y, z + 2.5f};
    return c;
  };
  auto turned = [](void (Camera::*t)(float), float a) {
    Camera c;
    (c.*t)(a);
    return c;
  };
  const struct {
    int mode, axis, dx, dy;
    Camera camera;
    Matrix4 corvane;
  } cases[] = {{0, 0, 3, -5, moved(-0.25f, 0, 0), translation(-0.25f, 0, 0)},
               {0, 0, -4, 4, moved(0.2f, 0, 0), translation(0.2f, 0, 0)},
               {0, 0, -7, 2, moved(-0.35f, 0, 0), translation(-0.35f, 0, 0)},
               {0, 0, 10, 0, moved(0.5f, 0, 0), translation(0.5f, 0, 0)},
               {0, 1, 10, 0, moved(0, -0.5f, 0), translation(0, -0.5f, 0)},
               {0, 2, 0, -10, moved(0, 0, -0.5f), translation(0, 0, -0.5f)},
               {1, 0, 0, 10, turned(&Camera::pitch, kTurn), rotation(kTurn, {1, 0, 0})},
               {1, 1, 10, 0, turned(&Camera::yaw, kTurn), rotation(kTurn, {0, 1, 0})},
               {1, 1, -10, 0, turned(&Camera::yaw, -kTurn), rotation(-kTurn, {0, 1, 0})},
               {1, 2, 10, 0, turned(&Camera::roll, kTurn), rotation(kTurn, {0, 0, 1})}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mode << "/" << c.axis << ": " << c.dx << ", " << c.dy);
    navigationMode = c.mode;
    lookAtObject = c.mode;
    restart(c.axis);
    drag(c.dx, c.dy);
    EXPECT_TRUE(sameBits(c.camera, camera));
    EXPECT_TRUE(sameBits(c.corvane, corvaneModelView));
    if (c.mode == 1) expectNearOpenGl(1e-7);
    EXPECT_TRUE(c.mode == 1 || sameBits(c.corvane, modelViewMatrix()));
  }
}

TEST_F(NavigationTest, AStepMeasuresFromTheLastPressReleaseOrMotion) {
  restart(0);
  mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 100, 50);
  motion(104, 50);  // 4 px right: 0.2
  motion(106, 50);  // 2 px right from the last motion: 0.1
  mouse(GLUT_RIGHT_BUTTON, GLUT_UP, 300, 300);
  motion(300, 290);  // 10 px up from the release: -0.5
  EXPECT_NEAR(camera.eye.x, 0.2f + 0.1f - 0.5f, 1e-6);
}

// Look at Object re-aims after every translation, even one of no pixels.
TEST_F(NavigationTest, LookAtObjectReaimsEvenAfterAStepOfNoPixels) {
  lookAtObject = 1;
  camera.yaw(0.3f);
  drag(0, 0);
  Vector3 toEye = camera.eye;
  toEye.normalize();
  EXPECT_TRUE(sameBits(toEye, camera.n));
}

// From an oblique look-at, as a frame leaves OpenGL's matrix, with the pivot off the origin so that
// the wrap's order shows. No movement changes nothing.
TEST_F(NavigationTest, EachStepAppendsTheSameFactorToOpenGlAndCorvane) {
  gluLookAt(1.0, 2.0, 3.0, 0.0, 0.5, 0.0, 0.0, 1.0, 0.0);
  corvaneModelView.setFromArray(modelViewMatrix().data());
  objectCenter.set(0.5f, -0.25f, 0.0f);
  const int steps[][4] = {{0, 0, 7, 2},  {1, 1, -12, 3}, {0, 1, 0, 9}, {1, 0, 4, -30},
                          {0, 2, -5, 5}, {1, 2, 25, -1}, {1, 1, 3, 3}};
  for (const auto& [mode, axis, dx, dy] : steps) {
    navigationMode = mode;
    activeAxis = axis;
    drag(dx, dy);
    expectNearOpenGl(1e-6);
    const Matrix4 before = corvaneModelView;
    const Camera cameraBefore = camera;
    drag(0, 0);
    EXPECT_TRUE(sameBits(before, corvaneModelView));
    EXPECT_TRUE(sameBits(cameraBefore, camera));
  }
}

}  // namespace
