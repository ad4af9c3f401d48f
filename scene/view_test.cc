// reshape and display against OpenGL's own matrices, read back from a real
// context.
#include "scene/view.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>

#include "app/state.h"
#include "corvane/corvane.h"
#include "tests/support/gl_context.h"

namespace {

using Matrix = std::array<float, 16>;

::testing::AssertionResult sameBits(const Matrix& got, const Matrix& want) {
  if (std::memcmp(got.data(), want.data(), sizeof got) == 0) return ::testing::AssertionSuccess();
  auto failure = ::testing::AssertionFailure();
  for (int i = 0; i < 16; ++i) failure << (i ? ", " : "got ") << got[i];
  for (int i = 0; i < 16; ++i) failure << (i ? ", " : "; want ") << want[i];
  return failure;
}

// The matrix that the given GLU call leaves on the current matrix stack.
template <typename Call>
Matrix matrixFrom(GLenum mode, GLenum query, Call call) {
  glMatrixMode(mode);
  glPushMatrix();
  glLoadIdentity();
  call();
  Matrix m;
  glGetFloatv(query, m.data());
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  return m;
}

Matrix lookAt(double ex, double ey, double ez, double cx, double cy, double cz) {
  return matrixFrom(GL_MODELVIEW, GL_MODELVIEW_MATRIX,
                    [&] { gluLookAt(ex, ey, ez, cx, cy, cz, 0, 1, 0); });
}

std::array<GLint, 4> viewport() {
  std::array<GLint, 4> v;
  glGetIntegerv(GL_VIEWPORT, v.data());
  return v;
}

class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::createGlWindow("view");
    hfov = 60.0f;
    vfov = 60.0f;
    subdivisions = 1;
    renderMode = 1;
    camera.reset();
  }
};

// aspect = hfov / vfov; f = cot(vfov / 2); near 0.1f, far 1000.
TEST_F(ViewTest, ReshapeBuildsThePerspectiveFromTheFieldsOfView) {
  const float cases[][2] = {{60, 60}, {90, 60}, {60, 30}, {70, 30}};
  for (const auto& [h, v] : cases) {
    hfov = h;
    vfov = v;
    reshape(400, 400);
    const Matrix got = testsupport::projectionMatrix();
    const Matrix glu = matrixFrom(GL_PROJECTION, GL_PROJECTION_MATRIX, [&] {
      gluPerspective(double{v}, double{h} / double{v}, double{0.1f}, 1000.0);
    });
    EXPECT_TRUE(sameBits(got, glu)) << "hfov " << h << ", vfov " << v;

    const double f = 1.0 / std::tan(double{v} / 2.0 * std::acos(-1.0) / 180.0);
    const double n = 0.1f, far = 1000.0;
    EXPECT_NEAR(got[0], f / (double{h} / v), 1e-6);
    EXPECT_NEAR(got[5], f, 1e-6);
    EXPECT_NEAR(got[10], -(far + n) / (far - n), 1e-6);
    EXPECT_NEAR(got[14], -2.0 * far * n / (far - n), 1e-6);
    EXPECT_EQ(got[11], -1.0f);
    EXPECT_EQ(got[15], 0.0f);
  }
}

TEST_F(ViewTest, ReshapeLeavesModelViewIdentityAndCurrent) {
  glLoadIdentity();
  glTranslatef(1, 2, 3);
  reshape(400, 400);
  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_MODELVIEW);
  EXPECT_TRUE(sameBits(testsupport::modelViewMatrix(),
                       {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}));
  EXPECT_EQ(viewport(), (std::array<GLint, 4>{0, 0, 400, 400}));
}

TEST_F(ViewTest, WindowShapeReachesOnlyTheViewport) {
  reshape(800, 400);
  EXPECT_EQ(viewport(), (std::array<GLint, 4>{0, 0, 800, 400}));
  const Matrix p = testsupport::projectionMatrix();
  EXPECT_EQ(p[0], p[5]) << "aspect stays 1";
  reshape(400, 0);
  EXPECT_EQ(viewport(), (std::array<GLint, 4>{0, 0, 400, 0}));
  EXPECT_TRUE(sameBits(testsupport::projectionMatrix(), p));
}

TEST_F(ViewTest, ReshapeKeepsCorvaneProjectionInStepWithOpenGl) {
  hfov = 90.0f;
  vfov = 45.0f;
  reshape(400, 400);
  const Matrix gl = testsupport::projectionMatrix();
  for (int i = 0; i < 16; ++i) {
    EXPECT_NEAR(corvaneProjection[i], gl[i], 1e-6 * std::fabs(gl[i])) << "element " << i;
  }
}

TEST_F(ViewTest, DisplayLooksFromTheResetCameraDownNegativeZ) {
  reshape(400, 400);
  display();
  const Matrix got = testsupport::modelViewMatrix();
  EXPECT_TRUE(sameBits(got, lookAt(0, 0, 2.5, 0, 0, 1.5)));
  EXPECT_TRUE(sameBits(got, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -2.5f, 1}));
}

// The centre is one unit along -n from the eye, not the origin; u is ignored.
TEST_F(ViewTest, DisplayAimsOneUnitInFrontOfTheEye) {
  reshape(400, 400);
  camera.eye.set(3, 0, 0);
  camera.setAxes({0, 0, -1}, {0, 1, 0}, {1, 0, 0});
  display();
  const Matrix want = lookAt(3, 0, 0, 2, 0, 0);
  EXPECT_TRUE(sameBits(testsupport::modelViewMatrix(), want));

  camera.u.set(5, 6, 7);
  glTranslatef(1, 1, 1);  // no transformation outlives a frame
  display();
  EXPECT_TRUE(sameBits(testsupport::modelViewMatrix(), want));
}

}  // namespace
