#include "corvane/matrix4.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// Degrees to radians with this literal, a little under pi/180; the rotation
// elements depend on it to the last bit.
constexpr double kRadiansPerDegree = 0.0174532777;

// Row i, column j of a * b: four exact double products summed left to right.
float productElement(const Matrix4& a, const Matrix4& b, int i, int j) {
  const double sum =
      ((double{a.at(i, 0)} * double{b.at(0, j)} + double{a.at(i, 1)} * double{b.at(1, j)}) +
       double{a.at(i, 2)} * double{b.at(2, j)}) +
      double{a.at(i, 3)} * double{b.at(3, j)};
  return static_cast<float>(sum);
}

bool isExactlyOne(float value) {
  const float one = 1.0f;
  return std::memcmp(&value, &one, sizeof value) == 0;
}

}  // namespace

void Matrix4::setFromArray(const float* values) { std::memcpy(m_, values, sizeof m_); }

Matrix4 Matrix4::operator*(const Matrix4& other) const {
  const auto e = [&](int i, int j) { return productElement(*this, other, i, j); };
  // Laid out by hand, one row of the matrix a line.
  // clang-format off
  return Matrix4(e(0, 0), e(0, 1), e(0, 2), e(0, 3),
                 e(1, 0), e(1, 1), e(1, 2), e(1, 3),
                 e(2, 0), e(2, 1), e(2, 2), e(2, 3),
                 e(3, 0), e(3, 1), e(3, 2), e(3, 3));
  // clang-format on
}

void Matrix4::setTranslation(float tx, float ty, float tz) {
  setIdentity();
  m_[12] = tx;
  m_[13] = ty;
  m_[14] = tz;
}

void Matrix4::setRotation(float angle, Vector3 axis) {
  const double radians = double{angle} * kRadiansPerDegree;
  // The cosine takes the double angle, the sine the float-rounded one.
  const double c = static_cast<float>(std::cos(radians));
  const double s = static_cast<float>(std::sin(double{static_cast<float>(radians)}));

  if (axis.x == 0.0f && axis.y == 0.0f && isExactlyOne(axis.z)) {
    // Laid out by hand, one row of the matrix a line.
    // clang-format off
    *this = Matrix4(static_cast<float>(c), static_cast<float>(-s), 0.0f, 0.0f,
                    static_cast<float>(s), static_cast<float>(c), 0.0f, 0.0f,
                    0.0f, 0.0f, 1.0f, 0.0f,
                    0.0f, 0.0f, 0.0f, 1.0f);
    // clang-format on
    return;
  }

  axis.normalize();
  const double x = axis.x;
  const double y = axis.y;
  const double z = axis.z;
  const double xx = static_cast<float>(x * x);
  const double yy = static_cast<float>(y * y);
  const double zz = static_cast<float>(z * z);
  const auto f = [](double value) { return static_cast<float>(value); };
  // Laid out by hand, one element a line, row by row.
  // clang-format off
  *this = Matrix4(f((1.0 - xx) * c + xx),
                  f(x * y + ((-x) * y) * c + (-z) * s),
                  f(x * z + ((-x) * z) * c + s * y),
                  0.0f,
                  f(x * y + ((-x) * y) * c + s * z),
                  f((1.0 - yy) * c + yy),
                  f(y * z + ((-y) * z) * c + (-x) * s),
                  0.0f,
                  f(x * z + ((-x) * z) * c + (-y) * s),
                  f(y * z + ((-y) * z) * c + s * x),
                  f((1.0 - zz) * c + zz),
                  0.0f,
                  0.0f, 0.0f, 0.0f, 1.0f);
  // clang-format on
}

void Matrix4::print() const {
  std::printf("\n%f %f %f %f\n", double{m_[0]}, double{m_[4]}, double{m_[8]}, double{m_[12]});
  std::printf("%f %f %f %f\n", double{m_[1]}, double{m_[5]}, double{m_[9]}, double{m_[13]});
  std::printf("%f %f %f %f\n", double{m_[2]}, double{m_[6]}, double{m_[10]}, double{m_[14]});
  std::printf("%f %f %f %f\n\n", double{m_[3]}, double{m_[7]}, double{m_[11]}, double{m_[15]});
}
