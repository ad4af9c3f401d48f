#include "camera/vector3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

Vector3 staticVector;  // zeroed static storage, never assigned

TEST(Vector3Test, LengthAndNormalize) {
  EXPECT_EQ(Vector3(3, 4, 0).length(), 5.0f);
  EXPECT_EQ(Vector3(1, 2, 2).length(), 3.0f);
  Vector3 a(3, 4, 0);
  a.normalize();
  EXPECT_EQ(a.x, 0.6f);
  EXPECT_EQ(a.y, 0.8f);
  EXPECT_EQ(a.z, 0.0f);
}

TEST(Vector3Test, NormalizeOfZeroGivesNaN) {
  Vector3 zero(0, 0, 0);
  zero.normalize();
  EXPECT_TRUE(std::isnan(zero.x) && std::isnan(zero.y) && std::isnan(zero.z));
}

TEST(Vector3Test, CrossFollowsRightHandRule) {
  const Vector3 x(1, 0, 0), y(0, 1, 0);
  const Vector3 z = x.cross(y);
  EXPECT_EQ(z.x, 0.0f);
  EXPECT_EQ(z.y, 0.0f);
  EXPECT_EQ(z.z, 1.0f);
  EXPECT_EQ(y.cross(x).z, -1.0f);
  const Vector3 self = Vector3(2, 3, 5).cross(Vector3(2, 3, 5));
  EXPECT_EQ(self.length(), 0.0f);
}

TEST(Vector3Test, ScalingByMinusOneNegatesZeroToo) {
  const Vector3 a = Vector3(1, 0, -2) * -1.0f;
  EXPECT_EQ(a.x, -1.0f);
  EXPECT_TRUE(sameBits(a.y, -0.0f));
  EXPECT_EQ(a.z, 2.0f);
}

TEST(Vector3Test, EachComponentRoundsOnceFromDouble) {
  // 1 + 2^-24 + 2^-24: summed in float it would round twice to 1; in double
  // it is 1 + 2^-23 exactly, a float.
  const float tiny = std::ldexp(1.0f, -24);
  const Vector3 once = Vector3(1, 1, 1) + Vector3(2 * tiny, 0, 0);
  EXPECT_EQ(once.x, 1.0f + std::ldexp(1.0f, -23));
  // A cross component is one rounding of a difference of exact products.
  const float a = 1.0f + std::ldexp(1.0f, -12);
  const Vector3 c = Vector3(0, a, 1).cross(Vector3(0, 1, a));
  // a*a - 1 = 2^-11 + 2^-24, exactly representable as a float.
  EXPECT_EQ(c.x, std::ldexp(1.0f, -11) + std::ldexp(1.0f, -24));
}

TEST(Vector3Test, StaticStorageStartsAtZeroAndTrigOfZeroIsExact) {
  EXPECT_EQ(staticVector.x, 0.0f);
  EXPECT_EQ(staticVector.y, 0.0f);
  EXPECT_EQ(staticVector.z, 0.0f);
  EXPECT_EQ(cosine(0.0f), 1.0f);
  EXPECT_TRUE(sameBits(sine(0.0f), 0.0f));
}

}  // namespace
