#include "corvane/matrix4.h"

#include <gtest/gtest.h>

#include "tests/support/bits.h"

namespace {

using namespace testsupport;

const Vector3 kX(1, 0, 0);
const Vector3 kY(0, 1, 0);
const Vector3 kZ(0, 0, 1);

TEST(Matrix4Test, TakesRowsAndStoresColumns) {
  const Matrix4 m(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
  const float columns[16] = {1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 4, 8, 12, 16};
  EXPECT_TRUE(sameFloats(columns, m.data(), 16));
}

TEST(Matrix4Test, SetTranslationOverwritesEveryElement) {
  Matrix4 t = rotation(30, Vector3(1, 2, 3));
  t.setTranslation(-0.0f, 2.5f, -0.0f);
  EXPECT_TRUE(sameBits(Matrix4(1, 0, 0, -0.0f, 0, 1, 0, 2.5f, 0, 0, 1, -0.0f, 0, 0, 0, 1), t));
}

// Each element sums four exact double products left to right, rounding once.
TEST(Matrix4Test, ProductSumsInDoubleLeftToRightAndRoundsOnce) {
  const struct {
    Matrix4 a, b;
    float want;  // element (0, 0) of a * b
  } cases[] = {  // 2^24 + 1 + 1 is exact in double; float steps would lose both ones.
               {{1, 1, 1, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1},
                {0x1p24f, 0, 0, 0, 1, 1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1},
                0x1p24f + 2},
               // (1 + 2^-12)^2 - (1 + 2^-11) is 2^-24 only with the product in double.
               {{1 + 0x1p-12f, -1, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1},
                {1 + 0x1p-12f, 0, 0, 0, 1 + 0x1p-11f, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1},
                0x1p-24f},
               // 1 + 1e20 - 1e20 + 0: left to right the 1 is absorbed.
               {{1, 1e20f, -1e20f, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1},
                {1, 0, 0, 0, 1, 1, 0, 0, 1, 0, 1, 0, 1, 0, 0, 1},
                0.0f}};
  for (const auto& c : cases) EXPECT_TRUE(sameBits(c.want, (c.a * c.b).at(0, 0)));
}

// Degrees to radians by 0.0174532777, a little under pi/180, so 90 degrees leaves a cosine of
// 0x1.6609bp-20 (1.33e-6), not 0; the sine is exactly 1.
TEST(Matrix4Test, NinetyDegreesLeavesACosineOfAboutOnePointThreeMillionths) {
  const Matrix4 r = rotation(90, kZ);
  EXPECT_TRUE(sameBits(0x1.6609bp-20f, r.at(0, 0)));
  EXPECT_TRUE(sameBits(1.0f, r.at(1, 0)));
}

// The cosine is of the double angle, the sine of the float-rounded one: at 31.5 degrees each choice
// changes the last bit. An axis of any length is normalized first and takes the general formula.
TEST(Matrix4Test, RotationAboutEachAxisBitForBit) {
  const float c = 0x1.b48d48p-1f;
  const float s = 0x1.0b84ep-1f;
  const Matrix4 aboutZ(c, -s, 0, 0, s, c, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
  const struct {
    Vector3 axis;
    Matrix4 want;
  } cases[] = {{kZ, aboutZ},
               {Vector3(0, 0, 2), aboutZ},
               {kX, Matrix4(1, 0, 0, 0, 0, c, -s, 0, 0, s, c, 0, 0, 0, 0, 1)},
               {kY, Matrix4(c, 0, s, 0, 0, 1, 0, 0, -s, 0, c, 0, 0, 0, 0, 1)}};
  for (const auto& k : cases) EXPECT_TRUE(sameBits(k.want, rotation(31.5f, k.axis)));
}

// The direct form about z negates sinA = +0.0; the general formula sums to +0.0.
TEST(Matrix4Test, ZeroDegreesLeavesMinusZeroOnlyAboutZ) {
  EXPECT_TRUE(sameBits(-0.0f, rotation(0, kZ).at(0, 1)));
  EXPECT_TRUE(sameBits(Matrix4(), rotation(0, kX)));
  EXPECT_TRUE(sameBits(Matrix4(), rotation(0, kY)));
}

}  // namespace
