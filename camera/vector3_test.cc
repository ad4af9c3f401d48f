#include "camera/vector3.h"

#include <gtest/gtest.h>

#include "tests/support/bits.h"

namespace {

using testsupport::sameBits;

// One float product e*e rounds 1 + 2^-11 + 2^-24 to 1 + 2^-11; in double each cross component
// e*e - 1 keeps its 2^-24.
TEST(Vector3Test, CrossEvaluatesEachComponentInDouble) {
  const float e = 1.0f + 0x1p-12f;
  const float want = 0x1p-11f + 0x1p-24f;
  const Vector3 x = Vector3(0, e, 1).cross(Vector3(0, 1, e));
  const Vector3 y = Vector3(1, 0, e).cross(Vector3(e, 0, 1));
  const Vector3 z = Vector3(e, 1, 0).cross(Vector3(1, e, 0));
  EXPECT_TRUE(sameBits(Vector3(want, want, want), Vector3(x.x, y.y, z.z)));
}

// Scaling by -1 is the only negation, and it turns a zero into -0.
TEST(Vector3Test, ScalingByMinusOneNegatesZeroToo) {
  EXPECT_TRUE(sameBits(Vector3(-1.0f, -0.0f, 2.0f), Vector3(1, 0, -2) * -1.0f));
}

}  // namespace
