// Drag navigation through the real GLUT handlers on a real GL context: the
// camera, OpenGL's current matrix and the Corvane model-view after each step.
#include "camera/navigation.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "app/state.h"
#include "corvane/corvane.h"
#include "corvane/matrix4.h"
#include "tests/support/capture.h"
#include "tests/support/gl_context.h"

namespace {

::testing::AssertionResult sameBits(float expected, float actual) {
  if (std::memcmp(&expected, &actual, sizeof expected) == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "expected " << std::hexfloat << expected << ", got "
                                       << actual;
}

void expectSameVector(const Vector3& expected, const Vector3& actual) {
  EXPECT_TRUE(sameBits(expected.x, actual.x)) << "x";
  EXPECT_TRUE(sameBits(expected.y, actual.y)) << "y";
  EXPECT_TRUE(sameBits(expected.z, actual.z)) << "z";
}

void expectSameMatrix(const Matrix4& expected, const Matrix4& actual) {
  for (int k = 0; k < 16; ++k) EXPECT_TRUE(sameBits(expected[k], actual[k])) << "index " << k;
}

Matrix4 openGlModelView() {
  Matrix4 m;
  m.setFromArray(testsupport::modelViewMatrix().data());
  return m;
}

void expectNearMatrix(const Matrix4& expected, const Matrix4& actual, double tolerance) {
  for (int k = 0; k < 16; ++k) EXPECT_NEAR(expected[k], actual[k], tolerance) << "index " << k;
}

Matrix4 translation(float tx, float ty, float tz) {
  Matrix4 m;
  m.setTranslation(tx, ty, tz);
  return m;
}

Matrix4 rotation(float degrees, Vector3 axis) {
  Matrix4 m;
  m.setRotation(degrees, axis);
  return m;
}

bool isFinite(const Vector3& a) {
  return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z);
}

int framesDrawn = 0;

// A freshly started viewer, its current matrix the identity so that OpenGL's
// matrix after a step is the step alone.
class NavigationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static const int window = makeWindow();
    windowIds[0] = window;
    glutSetWindow(window);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    navigationMode = 0;
    activeAxis = 2;
    lookAtObject = 0;
    rotateAboutObject = 1;
    objectCenter.set(0.0f, 0.0f, 0.0f);
    lastMouseX = 0;
    lastMouseY = 0;
    camera.reset();
    corvaneModelView.setIdentity();
    testsupport::pumpEvents();
    framesDrawn = 0;
  }

  static int makeWindow() {
    const int id = testsupport::createGlWindow("navigation", 400, 400, true);
    glutDisplayFunc([] { ++framesDrawn; });
    return id;
  }

  // A left-button drag from (200, 200) by (dx, dy) pixels, in one motion event.
  static void drag(int dx, int dy) {
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, 200);
    motion(200 + dx, 200 + dy);
    mouse(GLUT_LEFT_BUTTON, GLUT_UP, 200 + dx, 200 + dy);
  }

  // The translateAmount of a movement of that many pixels.
  static float translateAmount(int pixels) {
    return static_cast<float>(static_cast<float>(pixels) * -0.5 * double{translateStep});
  }
};

// --- Which displacement decides ---------------------------------------------

TEST_F(NavigationTest, LargerDisplacementDecidesAndVerticalWinsTies) {
  activeAxis = 0;  // the eye's x is -sign x translateAmount
  struct Case {
    int dx, dy, sign, pixels;
  };
  const Case cases[] = {{3, -5, -1, 5},  {4, 4, 1, 4},   {-4, 4, 1, 4},  {4, -4, -1, 4},
                        {10, 0, 1, 10},  {-7, 2, -1, 7}, {0, -1, -1, 1}, {0, 0, 1, 0},
                        {-6, -6, -1, 6}, {1, 0, 1, 1}};
  for (const Case& c : cases) {
    camera.reset();
    drag(c.dx, c.dy);
    const float d = static_cast<float>(double(-c.sign) * double{translateAmount(c.pixels)});
    EXPECT_TRUE(sameBits(d, camera.eye.x)) << c.dx << ", " << c.dy;
  }
}

TEST_F(NavigationTest, MeasuresFromTheLastPressReleaseOrMotion) {
  activeAxis = 0;
  mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 100, 50);
  motion(104, 50);  // 4 px right: 0.2
  motion(106, 50);  // 2 px right from the last motion: 0.1
  mouse(GLUT_RIGHT_BUTTON, GLUT_UP, 300, 300);
  EXPECT_EQ(lastMouseX, 300);
  EXPECT_EQ(lastMouseY, 300);
  motion(300, 290);  // 10 px up from the release: -0.5
  EXPECT_NEAR(camera.eye.x, 0.2f + 0.1f - 0.5f, 1e-6);
  EXPECT_EQ(lastMouseX, 300);
  EXPECT_EQ(lastMouseY, 290);
}

// --- TRANSLATE ------------------------------------------------------------------

TEST_F(NavigationTest, TranslateXRightOrDownMovesAlongPlusU) {
  activeAxis = 0;
  drag(10, 0);
  expectSameVector(Vector3(0.5f, 0.0f, 2.5f), camera.eye);
  expectSameMatrix(translation(0.5f, 0, 0), corvaneModelView);
  expectSameMatrix(translation(0.5f, 0, 0), openGlModelView());

  camera.reset();
  drag(0, 10);
  expectSameVector(Vector3(0.5f, 0.0f, 2.5f), camera.eye);
}

TEST_F(NavigationTest, TranslateYRightMovesAlongMinusV) {
  activeAxis = 1;
  drag(10, 0);
  expectSameVector(Vector3(0.0f, -0.5f, 2.5f), camera.eye);
  expectSameMatrix(translation(0, -0.5f, 0), corvaneModelView);
  expectSameMatrix(translation(0, -0.5f, 0), openGlModelView());
}

TEST_F(NavigationTest, TranslateZUpOrLeftMovesForward) {
  drag(0, -10);
  expectSameVector(Vector3(0.0f, 0.0f, 2.0f), camera.eye);
  expectSameMatrix(translation(0, 0, -0.5f), corvaneModelView);
  expectSameMatrix(translation(0, 0, -0.5f), openGlModelView());

  camera.reset();
  drag(-10, 0);
  expectSameVector(Vector3(0.0f, 0.0f, 2.0f), camera.eye);
}

TEST_F(NavigationTest, TranslationsAccumulateInCorvane) {
  activeAxis = 0;
  drag(10, 0);
  drag(6, 0);
  const float t1 = -translateAmount(10);
  const float t2 = -translateAmount(6);
  expectSameMatrix(translation(static_cast<float>(double{t1} + double{t2}), 0, 0),
                   corvaneModelView);
}

TEST_F(NavigationTest, TranslateMovesAlongTheCamerasOwnAxes) {
  camera.yaw(static_cast<float>(M_PI / 2));  // u turns onto n: +z
  activeAxis = 0;
  drag(10, 0);
  EXPECT_NEAR(camera.eye.x, 0.0f, 1e-6);
  EXPECT_NEAR(camera.eye.z, 3.0f, 1e-6);
  // OpenGL and Corvane translate along their fixed x axis.
  expectSameMatrix(translation(0.5f, 0, 0), corvaneModelView);
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
      expectSameVector(cameraBefore.eye, camera.eye);
      expectSameVector(cameraBefore.u, camera.u);
      expectSameVector(cameraBefore.v, camera.v);
      expectSameVector(cameraBefore.n, camera.n);
      expectSameMatrix(before, corvaneModelView);
    }
  }
}

// --- Look at Object -------------------------------------------------------------

TEST_F(NavigationTest, LookAtObjectReaimsAfterEachTranslation) {
  lookAtObject = 1;
  activeAxis = 0;
  testsupport::CapturedStreams capture;
  drag(5, 0);
  capture.stop();
  EXPECT_EQ(capture.err(), "");
  Camera expected;
  expected.translate(0.25f, 0, 0, 1, Vector3(0, 0, 0));
  expectSameVector(Vector3(0.25f, 0.0f, 2.5f), camera.eye);
  expectSameVector(expected.n, camera.n);
  expectSameVector(expected.u, camera.u);
  expectSameVector(expected.v, camera.v);
  expectSameMatrix(translation(0.25f, 0, 0), corvaneModelView);
}

TEST_F(NavigationTest, LookAtObjectReaimsEvenWithoutMovement) {
  lookAtObject = 1;
  camera.yaw(0.3f);
  drag(0, 0);
  Vector3 toEye = camera.eye;
  toEye.normalize();
  expectSameVector(toEye, camera.n);
}

TEST_F(NavigationTest, LookAtObjectOntoTheObjectKeepsAUsableCamera) {
  lookAtObject = 1;
  testsupport::CapturedStreams capture;
  drag(0, -50);  // d = -2.5 along n: the eye lands on the object centre
  capture.stop();
  EXPECT_EQ(capture.err(), "");
  expectSameVector(Vector3(0, 0, 0), camera.eye);
  expectSameVector(Vector3(1, 0, 0), camera.u);
  expectSameVector(Vector3(0, 1, 0), camera.v);
  expectSameVector(Vector3(0, 0, 1), camera.n);
  expectSameMatrix(translation(0, 0, -2.5f), corvaneModelView);

  drag(0, 10);  // backs away again and aims at the centre once more
  EXPECT_TRUE(isFinite(camera.u) && isFinite(camera.v) && isFinite(camera.n));
  expectSameVector(Vector3(0, 0, 0.5f), camera.eye);
  expectSameVector(Vector3(0, 0, 1), camera.n);
}

TEST_F(NavigationTest, LookAtObjectDoesNothingWhenRotating) {
  lookAtObject = 1;
  navigationMode = 1;
  activeAxis = 1;
  drag(10, 0);
  Camera expected;
  expected.yaw(rotateStep);
  expectSameVector(expected.u, camera.u);
  expectSameVector(expected.n, camera.n);
}

// --- ROTATE ---------------------------------------------------------------------

TEST_F(NavigationTest, RotateYByTenPixelsTurnsByRotateStepOnBoth) {
  navigationMode = 1;
  activeAxis = 1;
  drag(10, 0);
  Camera expected;
  expected.yaw(rotateStep);  // radians on the camera
  expectSameVector(expected.eye, camera.eye);
  expectSameVector(expected.u, camera.u);
  expectSameVector(expected.v, camera.v);
  expectSameVector(expected.n, camera.n);
  EXPECT_GT(camera.viewX(), 0.0f);  // the view swings to the right
  // The same number, read as degrees, on Corvane; the pivot at the origin
  // leaves the plain rotation.
  expectSameMatrix(rotation(rotateStep, Vector3(0, 1, 0)), corvaneModelView);
  expectNearMatrix(corvaneModelView, openGlModelView(), 1e-7);
}

TEST_F(NavigationTest, RotateSensePerAxis) {
  navigationMode = 1;

  activeAxis = 0;
  drag(0, 10);  // pitch by +a: the view dips
  EXPECT_LT(camera.viewY(), 0.0f);
  EXPECT_GT(corvaneModelView.at(2, 1), 0.0f);  // sinA about x

  camera.reset();
  corvaneModelView.setIdentity();
  activeAxis = 1;
  drag(-10, 0);  // yaw by -a: the view swings left
  EXPECT_LT(camera.viewX(), 0.0f);
  EXPECT_LT(corvaneModelView.at(0, 2), 0.0f);

  camera.reset();
  corvaneModelView.setIdentity();
  activeAxis = 2;
  drag(10, 0);  // roll by +a: u turns towards v
  EXPECT_GT(camera.u.y, 0.0f);
  EXPECT_GT(corvaneModelView.at(1, 0), 0.0f);
  expectSameMatrix(rotation(rotateStep, Vector3(0, 0, 1)) * Matrix4(), corvaneModelView);
}

TEST_F(NavigationTest, RotationPivotsOnTheObjectCentre) {
  objectCenter.set(1.0f, 0.0f, 0.0f);
  navigationMode = 1;
  drag(0, 40);  // a = 4 x rotateStep, about z
  const float a = static_cast<float>(40.0f * 0.1 * double{rotateStep});
  const Matrix4 expected =
      (translation(1, 0, 0) * rotation(a, Vector3(0, 0, 1))) * translation(-1.0f, -0.0f, -0.0f);
  expectSameMatrix(expected, corvaneModelView);
  // The centre itself stays put.
  EXPECT_NEAR(corvaneModelView.at(0, 0) + corvaneModelView.at(0, 3), 1.0, 1e-7);
  EXPECT_NEAR(corvaneModelView.at(1, 0) + corvaneModelView.at(1, 3), 0.0, 1e-7);
  expectNearMatrix(corvaneModelView, openGlModelView(), 1e-6);
  // The camera turns about its own eye.
  Camera plain;
  plain.roll(a);
  expectSameVector(plain.eye, camera.eye);
  expectSameVector(plain.u, camera.u);
}

// --- OpenGL and Corvane take the same steps ------------------------------------

TEST_F(NavigationTest, EachStepAppendsTheSameFactorToOpenGlAndCorvane) {
  // Start both from an oblique look-at, as a frame leaves OpenGL's matrix.
  gluLookAt(1.0, 2.0, 3.0, 0.0, 0.5, 0.0, 0.0, 1.0, 0.0);
  corvaneModelView = openGlModelView();
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
    expectNearMatrix(openGlModelView(), corvaneModelView, 1e-6);
  }
}

TEST_F(NavigationTest, ResetViewRestoresTheCameraOnly) {
  activeAxis = 0;
  drag(10, 0);
  navigationMode = 1;
  drag(0, 20);
  const Matrix4 accumulated = corvaneModelView;
  camera.resetAxes();  // what the panel's Reset View does
  camera.reset();
  expectSameMatrix(accumulated, corvaneModelView);
  navigationMode = 0;
  drag(10, 0);
  expectSameMatrix(accumulated * translation(0.5f, 0, 0), corvaneModelView);
}

// --- Mouse buttons -------------------------------------------------------------

TEST_F(NavigationTest, MiddlePressPrintsThePixel) {
  testsupport::CapturedStreams capture;
  mouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 120, 45);
  mouse(GLUT_MIDDLE_BUTTON, GLUT_UP, 121, 46);
  mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 7, 8);
  mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 9, 10);
  mouse(5, GLUT_DOWN, 11, 12);  // a wheel or extra button
  capture.stop();
  EXPECT_EQ(capture.err(), "Coordinates of the pixel (120, 45)\n");
  EXPECT_EQ(capture.out(), "");
  EXPECT_EQ(lastMouseX, 11);
  EXPECT_EQ(lastMouseY, 12);
}

TEST_F(NavigationTest, LeftPressAndMotionAskForAFrame) {
  mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 1, 1);
  mouse(GLUT_MIDDLE_BUTTON, GLUT_UP, 1, 1);
  testsupport::pumpEvents();
  EXPECT_EQ(framesDrawn, 0);

  mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 1, 1);
  testsupport::pumpEvents();
  EXPECT_EQ(framesDrawn, 1);

  motion(1, 2);
  testsupport::pumpEvents();
  EXPECT_EQ(framesDrawn, 2);
}

}  // namespace
