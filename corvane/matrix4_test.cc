#include "corvane/matrix4.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/bits.h"
#include "tests/support/capture.h"

namespace {

using testsupport::rotation;
using testsupport::sameBits;
using testsupport::translation;

std::string printed(const Matrix4& m) {
  testsupport::CapturedStreams capture;
  m.print();
  capture.stop();
  EXPECT_EQ(capture.err(), "");
  return capture.out();
}

constexpr Vector3 kZ(0.0f, 0.0f, 1.0f);

// --- Layout and printing ---------------------------------------------------

TEST(Matrix4Layout, DefaultIsIdentityAtCompileTime) {
  constexpr Matrix4 m;
  static_assert(m.at(0, 0) == 1.0f && m.at(3, 3) == 1.0f && m.at(1, 0) == 0.0f);
  for (int k = 0; k < 16; ++k) EXPECT_TRUE(sameBits(k % 5 == 0 ? 1.0f : 0.0f, m[k])) << k;
}

TEST(Matrix4Layout, ConstructorTakesRowsSetFromArrayTakesColumnsPrintShowsRows) {
  const Matrix4 m(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
  const float stored[16] = {1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 4, 8, 12, 16};
  EXPECT_EQ(std::memcmp(m.data(), stored, sizeof stored), 0);
  EXPECT_EQ(printed(m),
            "\n1.000000 2.000000 3.000000 4.000000\n"
            "5.000000 6.000000 7.000000 8.000000\n"
            "9.000000 10.000000 11.000000 12.000000\n"
            "13.000000 14.000000 15.000000 16.000000\n\n");

  Matrix4 loaded;
  loaded.setFromArray(stored);
  EXPECT_TRUE(sameBits(m, loaded));
}

TEST(Matrix4Layout, SetTranslationOverwritesEverythingAndKeepsNegativeZero) {
  Matrix4 m = rotation(30, Vector3(1, 2, 3));
  m.setTranslation(-0.0f, 2.5f, -0.0f);
  EXPECT_TRUE(sameBits(Matrix4(1, 0, 0, -0.0f, 0, 1, 0, 2.5f, 0, 0, 1, -0.0f, 0, 0, 0, 1), m));
}

// --- Product ---------------------------------------------------------------

TEST(Matrix4Product, LeftFactorIsThisMatrix) {
  EXPECT_TRUE(sameBits(translation(5, 7, 9), translation(1, 2, 3) * translation(4, 5, 6)));
  const Matrix4 r = rotation(90, kZ);
  const Matrix4 t = translation(1, 0, 0);
  const Matrix4 tr = t * r;
  const Matrix4 rt = r * t;
  EXPECT_TRUE(sameBits(1.0f, tr.at(0, 3)));
  EXPECT_TRUE(sameBits(0.0f, tr.at(1, 3)));
  EXPECT_TRUE(sameBits(r.at(0, 0), rt.at(0, 3)));  // cosA
  EXPECT_TRUE(sameBits(r.at(1, 0), rt.at(1, 3)));  // sinA
}

TEST(Matrix4Product, SumsExactProductsInDoubleLeftToRightAndRoundsOnce) {
  // Row 0 of `ones` is all ones, so element (0, 0) is the plain sum of b's
  // column 0. 2^24 + 1 + 1 is exact in double; float steps would lose both.
  const Matrix4 ones(1, 1, 1, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
  const Matrix4 b(16777216.0f, 0, 0, 0, 1, 1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1);
  EXPECT_TRUE(sameBits(16777218.0f, (ones * b).at(0, 0)));

  // (1 + 2^-12)^2 - (1 + 2^-11) is 2^-24 only with the product kept in double.
  const float e = 1.0f + 0x1p-12f;
  const Matrix4 left(e, -1, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
  const Matrix4 right(e, 0, 0, 0, 1.0f + 0x1p-11f, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
  EXPECT_TRUE(sameBits(0x1p-24f, (left * right).at(0, 0)));

  // Terms 1, 1e20, -1e20, 0: left to right the 1 is absorbed and lost.
  const Matrix4 a(1, 1e20f, -1e20f, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
  const Matrix4 column0(1, 0, 0, 0, 1, 1, 0, 0, 1, 0, 1, 0, 1, 0, 0, 1);
  EXPECT_TRUE(sameBits(0.0f, (a * column0).at(0, 0)));
}

TEST(Matrix4Product, AliasedAssignmentReadsTheOldMatrix) {
  const Matrix4 s = rotation(31.5f, Vector3(1, 2, 3)) * translation(1, 2, 3);
  const Matrix4 old = rotation(20, Vector3(0, 1, 1));
  Matrix4 m = old;
  m = m * s;
  EXPECT_TRUE(sameBits(old * s, m));
  m = old;
  m = m * m;
  EXPECT_TRUE(sameBits(old * old, m));
}

// --- Rotation --------------------------------------------------------------

// The factor 0.0174532777 is a little under pi/180, so 90 degrees leaves a
// cosine of about 1.334e-6.
TEST(Matrix4Rotation, NinetyAndFortyFiveDegreesAboutZ) {
  const Matrix4 m = rotation(90, kZ);
  EXPECT_TRUE(sameBits(1.0f, m.at(1, 0)));
  EXPECT_TRUE(sameBits(-1.0f, m.at(0, 1)));
  EXPECT_EQ(printed(m),
            "\n0.000001 -1.000000 0.000000 0.000000\n"
            "1.000000 0.000001 0.000000 0.000000\n"
            "0.000000 0.000000 1.000000 0.000000\n"
            "0.000000 0.000000 0.000000 1.000000\n\n");
  EXPECT_EQ(printed(rotation(45, kZ)),
            "\n0.707107 -0.707106 0.000000 0.000000\n"
            "0.707106 0.707107 0.000000 0.000000\n"
            "0.000000 0.000000 1.000000 0.000000\n"
            "0.000000 0.000000 0.000000 1.000000\n\n");
}

TEST(Matrix4Rotation, CosineFromDoubleAngleSineFromFloatAngle) {
  // At 31.5 degrees both choices change the last bit: the cosine of the
  // float-rounded angle and the sine of the double one are each one ulp off.
  const Matrix4 m = rotation(31.5f, kZ);
  EXPECT_TRUE(sameBits(0x1.b48d48p-1f, m.at(0, 0)));
  EXPECT_TRUE(sameBits(0x1.0b84ep-1f, m.at(1, 0)));
}

TEST(Matrix4Rotation, NonUnitZAxisMatchesDirectFormBitForBit) {
  EXPECT_TRUE(sameBits(rotation(30, kZ), rotation(30, Vector3(0, 0, 2))));
}

TEST(Matrix4Rotation, XAndYAxesReduceToPlainRotationsWithPositiveZeros) {
  // The direct form negates sinA = +0.0; the general formula sums to +0.0.
  EXPECT_TRUE(sameBits(-0.0f, rotation(0, kZ).at(0, 1)));
  EXPECT_TRUE(sameBits(Matrix4(), rotation(0, Vector3(1, 0, 0))));
  EXPECT_TRUE(sameBits(Matrix4(), rotation(0, Vector3(0, 1, 0))));

  const Matrix4 z = rotation(31.5f, kZ);
  const float c = z.at(0, 0);
  const float s = z.at(1, 0);
  EXPECT_TRUE(sameBits(Matrix4(1, 0, 0, 0, 0, c, -s, 0, 0, s, c, 0, 0, 0, 0, 1),
                       rotation(31.5f, Vector3(1, 0, 0))));
  EXPECT_TRUE(sameBits(Matrix4(c, 0, s, 0, 0, 1, 0, 0, -s, 0, c, 0, 0, 0, 0, 1),
                       rotation(31.5f, Vector3(0, 1, 0))));
}

}  // namespace
