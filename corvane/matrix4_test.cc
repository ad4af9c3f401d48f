#include "corvane/matrix4.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "tests/support/capture.h"
#include "tests/support/gl_context.h"

namespace {

// Bit-for-bit float equality: tells -0.0 from +0.0 and compares NaNs.
::testing::AssertionResult sameBits(float expected, float actual) {
  if (std::memcmp(&expected, &actual, sizeof expected) == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "expected " << std::hexfloat << expected << ", got "
                                       << actual;
}

void expectSameMatrix(const Matrix4& expected, const Matrix4& actual) {
  for (int k = 0; k < 16; ++k) EXPECT_TRUE(sameBits(expected[k], actual[k])) << "index " << k;
}

std::string printed(const Matrix4& m) {
  testsupport::CapturedStreams capture;
  m.print();
  capture.stop();
  EXPECT_EQ(capture.err(), "");
  return capture.out();
}

Matrix4 translation(float tx, float ty, float tz) {
  Matrix4 m;
  m.setTranslation(tx, ty, tz);
  return m;
}

Matrix4 rotation(float angle, Vector3 axis) {
  Matrix4 m;
  m.setRotation(angle, axis);
  return m;
}

constexpr Vector3 kZ(0.0f, 0.0f, 1.0f);

// --- Layout and printing ---------------------------------------------------

TEST(Matrix4Layout, DefaultIsIdentityAtCompileTime) {
  constexpr Matrix4 m;
  static_assert(m.at(0, 0) == 1.0f && m.at(3, 3) == 1.0f && m.at(1, 0) == 0.0f);
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) EXPECT_TRUE(sameBits(i == j ? 1.0f : 0.0f, m.at(i, j)));
}

TEST(Matrix4Layout, SixteenFloatConstructorTakesRowsAndStoresColumns) {
  const Matrix4 m(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
  const float stored[16] = {1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 4, 8, 12, 16};
  for (int k = 0; k < 16; ++k) EXPECT_EQ(m[k], stored[k]) << "index " << k;
  EXPECT_EQ(printed(m),
            "\n1.000000 2.000000 3.000000 4.000000\n"
            "5.000000 6.000000 7.000000 8.000000\n"
            "9.000000 10.000000 11.000000 12.000000\n"
            "13.000000 14.000000 15.000000 16.000000\n\n");
}

TEST(Matrix4Layout, SetFromArrayKeepsStorageOrder) {
  float values[16];
  for (int k = 0; k < 16; ++k) values[k] = static_cast<float>(k);
  Matrix4 m;
  m.setFromArray(values);
  EXPECT_EQ(std::memcmp(m.data(), values, sizeof values), 0);
  EXPECT_EQ(printed(m),
            "\n0.000000 4.000000 8.000000 12.000000\n"
            "1.000000 5.000000 9.000000 13.000000\n"
            "2.000000 6.000000 10.000000 14.000000\n"
            "3.000000 7.000000 11.000000 15.000000\n\n");
}

TEST(Matrix4Layout, PrintsIdentityAndTranslationAsRows) {
  EXPECT_EQ(printed(Matrix4()),
            "\n1.000000 0.000000 0.000000 0.000000\n"
            "0.000000 1.000000 0.000000 0.000000\n"
            "0.000000 0.000000 1.000000 0.000000\n"
            "0.000000 0.000000 0.000000 1.000000\n\n");
  EXPECT_EQ(printed(translation(1, 2, 3)),
            "\n1.000000 0.000000 0.000000 1.000000\n"
            "0.000000 1.000000 0.000000 2.000000\n"
            "0.000000 0.000000 1.000000 3.000000\n"
            "0.000000 0.000000 0.000000 1.000000\n\n");
}

// --- Translation -----------------------------------------------------------

TEST(Matrix4Translation, OverwritesEverythingAndKeepsNegativeZero) {
  Matrix4 m = rotation(30, Vector3(1, 2, 3));
  m.setTranslation(-0.0f, 2.5f, -0.0f);
  const Matrix4 expected(1, 0, 0, -0.0f, 0, 1, 0, 2.5f, 0, 0, 1, -0.0f, 0, 0, 0, 1);
  expectSameMatrix(expected, m);
}

// --- Product ---------------------------------------------------------------

TEST(Matrix4Product, TranslationsAdd) {
  expectSameMatrix(translation(5, 7, 9), translation(1, 2, 3) * translation(4, 5, 6));
}

TEST(Matrix4Product, LeftFactorIsThisMatrix) {
  const Matrix4 r = rotation(90, kZ);
  const Matrix4 t = translation(1, 0, 0);
  const Matrix4 tr = t * r;
  const Matrix4 rt = r * t;
  EXPECT_TRUE(sameBits(1.0f, tr.at(0, 3)));
  EXPECT_TRUE(sameBits(0.0f, tr.at(1, 3)));
  EXPECT_TRUE(sameBits(r.at(0, 0), rt.at(0, 3)));  // cosA
  EXPECT_TRUE(sameBits(r.at(1, 0), rt.at(1, 3)));  // sinA
  EXPECT_TRUE(sameBits(1.0f, rt.at(3, 3)));
}

TEST(Matrix4Product, SumsInDoubleAndRoundsOnce) {
  // Row 0 of a is all ones, so each element of column 0 is the plain sum of
  // b's column 0. 2^24 + 1 + 1 is exact in double; float steps would lose both
  // ones.
  const Matrix4 ones(1, 1, 1, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
  const Matrix4 b(16777216.0f, 0, 0, 0, 1, 1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1);
  EXPECT_TRUE(sameBits(16777218.0f, (ones * b).at(0, 0)));

  // (1 + 2^-12)^2 - (1 + 2^-11) is 2^-24 when the product is kept in double.
  const float e = 1.0f + 0x1p-12f;
  const Matrix4 left(e, -1, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
  const Matrix4 right(e, 0, 0, 0, 1.0f + 0x1p-11f, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
  EXPECT_TRUE(sameBits(0x1p-24f, (left * right).at(0, 0)));
}

TEST(Matrix4Product, AddsLeftToRight) {
  // Terms 1, 1e20, -1e20, 0: left to right the 1 is absorbed and lost.
  const Matrix4 a(1, 1e20f, -1e20f, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
  const Matrix4 onesInColumn0(1, 0, 0, 0, 1, 1, 0, 0, 1, 0, 1, 0, 1, 0, 0, 1);
  EXPECT_TRUE(sameBits(0.0f, (a * onesInColumn0).at(0, 0)));
}

TEST(Matrix4Product, AliasedAssignmentReadsTheOldMatrix) {
  const Matrix4 s = rotation(31.5f, Vector3(1, 2, 3)) * translation(1, 2, 3);
  Matrix4 m = rotation(20, Vector3(0, 1, 1));
  const Matrix4 old = m;

  m = m * s;
  expectSameMatrix(old * s, m);

  m = old;
  m = s * m;
  expectSameMatrix(s * old, m);

  m = old;
  m = m * m;
  expectSameMatrix(old * old, m);
}

// --- Rotation --------------------------------------------------------------

TEST(Matrix4Rotation, NinetyDegreesAboutZIsNotQuiteRight) {
  const Matrix4 m = rotation(90, kZ);
  EXPECT_TRUE(sameBits(1.0f, m.at(1, 0)));
  EXPECT_TRUE(sameBits(-1.0f, m.at(0, 1)));
  EXPECT_GT(m.at(0, 0), 1.3e-6f);
  EXPECT_LT(m.at(0, 0), 1.4e-6f);
  EXPECT_EQ(printed(m),
            "\n0.000001 -1.000000 0.000000 0.000000\n"
            "1.000000 0.000001 0.000000 0.000000\n"
            "0.000000 0.000000 1.000000 0.000000\n"
            "0.000000 0.000000 0.000000 1.000000\n\n");
}

TEST(Matrix4Rotation, FortyFiveDegreesAboutZ) {
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
  expectSameMatrix(rotation(30, kZ), rotation(30, Vector3(0, 0, 2)));
  expectSameMatrix(rotation(31.5f, kZ), rotation(31.5f, Vector3(0, 0, 0.25f)));
}

TEST(Matrix4Rotation, ZeroAngleSigns) {
  // The direct form negates sinA = +0.0; the general formula sums to +0.0.
  const Matrix4 z = rotation(0, kZ);
  EXPECT_TRUE(sameBits(-0.0f, z.at(0, 1)));
  EXPECT_TRUE(sameBits(0.0f, z.at(1, 0)));
  for (const Vector3 axis : {Vector3(1, 0, 0), Vector3(0, 1, 0)}) {
    expectSameMatrix(Matrix4(), rotation(0, axis));
  }
}

TEST(Matrix4Rotation, XAndYAxesReduceToPlainRotations) {
  const Matrix4 z = rotation(31.5f, kZ);
  const float c = z.at(0, 0);
  const float s = z.at(1, 0);
  expectSameMatrix(Matrix4(1, 0, 0, 0, 0, c, -s, 0, 0, s, c, 0, 0, 0, 0, 1),
                   rotation(31.5f, Vector3(1, 0, 0)));
  expectSameMatrix(Matrix4(c, 0, s, 0, 0, 1, 0, 0, -s, 0, c, 0, 0, 0, 0, 1),
                   rotation(31.5f, Vector3(0, 1, 0)));
}

TEST(Matrix4Rotation, ZeroAxisGivesNanBlockOnly) {
  const Matrix4 m = rotation(30, Vector3(0, 0, 0));
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      if (i < 3 && j < 3) {
        EXPECT_TRUE(std::isnan(m.at(i, j))) << i << "," << j;
      } else {
        EXPECT_TRUE(sameBits(i == j ? 1.0f : 0.0f, m.at(i, j))) << i << "," << j;
      }
    }
  }
}

// glRotatef converts degrees with pi/180, a relative 8.4e-7 more than our
// factor, so the two agree to that angle error plus float rounding; the sense
// and the place of every element must match.
TEST(Matrix4Rotation, AgreesWithOpenGlAboutObliqueAxes) {
  testsupport::createGlWindow();
  glMatrixMode(GL_MODELVIEW);
  const Vector3 axes[] = {Vector3(1, 2, 3), Vector3(-1, 0.5f, 0), Vector3(0, -3, 4),
                          Vector3(1, 1, 1)};
  for (const Vector3 axis : axes) {
    for (const float angle : {-170.0f, -31.5f, 5.0f, 90.0f, 120.0f}) {
      glLoadIdentity();
      glRotatef(angle, axis.x, axis.y, axis.z);
      const auto gl = testsupport::modelViewMatrix();
      const Matrix4 m = rotation(angle, axis);
      const double tolerance = 1e-6 + std::fabs(angle) * 1.5e-8;
      for (int k = 0; k < 16; ++k) EXPECT_NEAR(gl[k], m[k], tolerance) << angle << " index " << k;
    }
  }
}

}  // namespace
