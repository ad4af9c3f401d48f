#include "corvane/corvane.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include "app/state.h"
#include "tests/support/bits.h"
#include "tests/support/gl_context.h"

namespace {

// GLU evaluates in double and OpenGL stores floats, so the two agree bit for
// bit over the whole range of the spinners, in steps finer than a drag gives.
TEST(CorvaneProjection, EqualsOpenGlsPerspectiveBitForBit) {
  testsupport::createGlWindow();
  const float saved[2] = {hfov, vfov};
  for (int h = 100; h <= 1800; h += 13) {
    for (int v = 100; v <= 1800; v += 7) {
      hfov = static_cast<float>(h) / 10.0f;
      vfov = static_cast<float>(v) / 10.0f;
      glMatrixMode(GL_PROJECTION);
      glLoadIdentity();
      gluPerspective(double{vfov}, double{hfov} / double{vfov}, double{nearPlane},
                     double{farPlane});
      updateCorvaneProjection();
      ASSERT_TRUE(testsupport::sameBits(corvaneProjection, testsupport::projectionMatrix()))
          << "hfov " << hfov << " vfov " << vfov;
    }
  }
  hfov = saved[0];
  vfov = saved[1];
}

}  // namespace
