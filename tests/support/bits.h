#ifndef TESTS_SUPPORT_BITS_H_
#define TESTS_SUPPORT_BITS_H_
// Bit-for-bit comparison of floats and of the viewer's float types, for the results whose rounding
// is fixed: tells -0.0 from +0.0. Use as EXPECT_TRUE(sameBits(want, got)); a failure names the
// first differing element in hexadecimal. Header only.
#include <gtest/gtest.h>

#include <cstring>
#include <ios>
#include <utility>

#include "camera/camera.h"
#include "corvane/matrix4.h"

namespace testsupport {

inline ::testing::AssertionResult sameFloats(const float* want, const float* got, int count) {
  for (int k = 0; k < count; ++k)
    if (std::memcmp(want + k, got + k, sizeof(float)) != 0)
      return ::testing::AssertionFailure()
             << "element " << k << ": want " << std::hexfloat << want[k] << ", got " << got[k];
  return ::testing::AssertionSuccess();
}
inline ::testing::AssertionResult sameBits(float want, float got) {
  return sameFloats(&want, &got, 1);
}
inline ::testing::AssertionResult sameBits(const Vector3& want, const Vector3& got) {
  const float w[3] = {want.x, want.y, want.z}, g[3] = {got.x, got.y, got.z};
  return sameFloats(w, g, 3);
}
// A camera's eye and frame; its fields of view are not compared.
inline ::testing::AssertionResult sameBits(const Camera& want, const Camera& got) {
  const std::pair<const char*, Vector3 Camera::*> parts[] = {
      {"eye", &Camera::eye}, {"u", &Camera::u}, {"v", &Camera::v}, {"n", &Camera::n}};
  for (const auto& [name, part] : parts)
    if (auto same = sameBits(want.*part, got.*part); !same)
      return ::testing::AssertionFailure() << name << ", " << same.message();
  return ::testing::AssertionSuccess();
}
// 4x4 matrices (Matrix4 or std::array<float, 16>) in OpenGL's column-major order.
template <typename Want, typename Got>
::testing::AssertionResult sameBits(const Want& want, const Got& got) {
  return sameFloats(want.data(), got.data(), 16);
}

// Matrix4's own translation and rotation, as values.
inline Matrix4 translation(float x, float y, float z) {
  Matrix4 m;
  m.setTranslation(x, y, z);
  return m;
}
inline Matrix4 rotation(float degrees, Vector3 axis) {
  Matrix4 m;
  m.setRotation(degrees, axis);
  return m;
}

}  // namespace testsupport
#endif  // TESTS_SUPPORT_BITS_H_
