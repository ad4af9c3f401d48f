#ifndef CORVANE_MATRIX4_H_
#define CORVANE_MATRIX4_H_

#include <type_traits>

#include "camera/vector3.h"

// Matrix4 is a 4 by 4 matrix of 32-bit floats, a plain value type.
//
// Layout: column-major, as OpenGL's matrix arrays; the element of row i and
// column j (both 0..3) is stored at index 4j + i, so an array from glGetFloatv
// loads without rearranging. Matrices act on column vectors from the left: in
// A * B, B is applied first; the translation of an affine matrix is column 3.
//
// Rounding contract: every computed element is evaluated in double precision
// from the float operands, left to right, and rounded to float once, when it is
// stored. Any 16 values form a valid matrix; nothing checks its input.
//
// The default constructor is constexpr, so a Matrix4 with static storage is
// the identity before any dynamic initialisation runs.
class Matrix4 {
 public:
  constexpr Matrix4() : m_{} { setIdentity(); }

  // The 16 arguments row by row: a<row><column>.
  // Laid out by hand, one row of the matrix a line.
  // clang-format off
  constexpr Matrix4(float a00, float a01, float a02, float a03,
                    float a10, float a11, float a12, float a13,
                    float a20, float a21, float a22, float a23,
                    float a30, float a31, float a32, float a33)
      : m_{a00, a10, a20, a30, a01, a11, a21, a31,
           a02, a12, a22, a32, a03, a13, a23, a33} {}
  // clang-format on

  constexpr void setIdentity() {
    for (int k = 0; k < 16; ++k) m_[k] = (k % 5 == 0) ? 1.0f : 0.0f;
  }

  // Copies 16 floats in storage order, without transposing.
  void setFromArray(const float* values);

  // this * other, this on the left; neither factor changes, so m = m * s is
  // safe.
  Matrix4 operator*(const Matrix4& other) const;

  // The identity with (tx, ty, tz) in column 3, stored bit for bit (-0.0
  // stays -0.0).
  void setTranslation(float tx, float ty, float tz);

  // A rotation by angle degrees about axis, counter-clockwise seen from the
  // axis tip. Degrees become radians with the factor 0.0174532777, a little
  // under pi/180. The axis (0, 0, 1) is written directly; any other axis is
  // normalised (no zero check) and goes through the axis-angle formula.
  void setRotation(float angle, Vector3 axis);

  // Writes the matrix to standard output with printf, one row per line, six
  // decimals, between a leading and a trailing blank line.
  void print() const;

  constexpr float at(int row, int column) const { return m_[4 * column + row]; }
  constexpr float operator[](int index) const { return m_[index]; }
  constexpr const float* data() const { return m_; }

 private:
  float m_[16];
};

static_assert(std::is_trivially_copyable_v<Matrix4>);
static_assert(sizeof(Matrix4) == 16 * sizeof(float));

#endif  // CORVANE_MATRIX4_H_
