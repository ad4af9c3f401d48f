#include "corvane/corvane.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>

#include "app/state.h"
#include "tests/support/gl_context.h"

namespace {

bool sameBits(const float* a, const float* b) { return std::memcmp(a, b, 16 * sizeof(float)) == 0; }

// Must stay the first test of this binary: nothing has touched the globals.
TEST(CorvaneMatrices, StartAsIdentity) {
  const Matrix4 identity;
  EXPECT_TRUE(sameBits(identity.data(), corvaneModelView.data()));
  EXPECT_TRUE(sameBits(identity.data(), corvaneProjection.data()));
}

// OpenGL's projection after gluPerspective from the same globals, as the scene
// and the panel set it.
std::array<float, 16> openGlPerspective() {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(double{vfov}, double{hfov} / double{vfov}, double{nearPlane}, double{farPlane});
  glMatrixMode(GL_MODELVIEW);
  return testsupport::projectionMatrix();
}

// GLU evaluates in double and OpenGL stores floats, so the two agree bit for
// bit over the whole range of the spinners, in steps finer than a drag gives.
TEST(CorvaneProjection, EqualsOpenGlsPerspectiveBitForBit) {
  testsupport::createGlWindow();
  const float saved[2] = {hfov, vfov};
  int compared = 0;
  for (int h = 100; h <= 1800; h += 13) {
    for (int v = 100; v <= 1800; v += 7) {
      hfov = static_cast<float>(h) / 10.0f;
      vfov = static_cast<float>(v) / 10.0f;
      const auto gl = openGlPerspective();
      updateCorvaneProjection();
      ASSERT_TRUE(sameBits(gl.data(), corvaneProjection.data())) << "hfov " << hfov << " vfov "
                                                                 << vfov;
      ++compared;
    }
  }
  EXPECT_GT(compared, 30000);
  hfov = saved[0];
  vfov = saved[1];
}

TEST(CorvaneProjection, StartValues) {
  hfov = 60.0f;
  vfov = 60.0f;
  updateCorvaneProjection();
  EXPECT_FLOAT_EQ(corvaneProjection.at(0, 0), 1.7320508f);
  EXPECT_EQ(corvaneProjection.at(3, 2), -1.0f);
  EXPECT_EQ(corvaneProjection.at(2, 3), static_cast<float>(-2.0 * 1000.0 * double{0.1f} /
                                                            (1000.0 - double{0.1f})));
  EXPECT_FALSE(std::signbit(corvaneProjection.at(3, 3)));
  EXPECT_FALSE(std::signbit(corvaneProjection.at(0, 3)));
}

}  // namespace
