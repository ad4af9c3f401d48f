// Corvane's matrices against OpenGL's own on a real GL context: the two
// pipelines must agree wherever they are built from the same numbers.
#include "corvane/corvane.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/bits.h"
#include "tests/support/gl_context.h"

namespace {

using namespace testsupport;

// GLU evaluates in double and OpenGL stores floats, so the projections agree
// bit for bit over the whole range of the spinners, in steps finer than a drag
// gives.
TEST(CorvaneTest, ProjectionAgreesWithGluPerspectiveBitForBit) {
  createGlWindow();
  glMatrixMode(GL_PROJECTION);
  for (int h = 100; h <= 1800; h += 13) {
    for (int v = 100; v <= 1800; v += 7) {
      const float hfov = h / 10.0f;
      const float vfov = v / 10.0f;
      glLoadIdentity();
      gluPerspective(double{vfov}, double{hfov} / vfov, double{0.1f}, 1000.0);
      updateCorvaneProjection(hfov, vfov, 0.1f, 1000.0f);
      ASSERT_TRUE(sameBits(corvaneProjection, projectionMatrix())) << hfov << ", " << vfov;
    }
  }
}

// glRotatef converts degrees with pi/180, a relative 8.4e-7 more than Matrix4's
// factor, so the rotations agree to that angle error plus float rounding; the
// sense and the place of every element must match.
TEST(CorvaneTest, RotationAboutObliqueAxesAgreesWithGlRotate) {
  createGlWindow();
  for (const Vector3 axis : {Vector3(1, 2, 3), Vector3(-1, 0.5f, 0), Vector3(0, -3, 4)}) {
    for (const float angle : {-170.0f, -31.5f, 5.0f, 120.0f}) {
      glLoadIdentity();
      glRotatef(angle, axis.x, axis.y, axis.z);
      const auto gl = modelViewMatrix();
      const Matrix4 m = rotation(angle, axis);
      for (int k = 0; k < 16; ++k)
        EXPECT_NEAR(gl[k], m[k], 1e-6 + std::fabs(angle) * 1.5e-8) << angle << " at " << k;
    }
  }
}

}  // namespace
