#ifndef CAMERA_VECTOR3_H_
#define CAMERA_VECTOR3_H_

#include <type_traits>

// Vector3 is a three-component vector of 32-bit floats, a plain value type.
//
// Rounding contract: every component of a result is evaluated in double
// precision from the float operands and rounded to float once, when the
// component is complete. Products of two floats are exact in double, so a
// cross-product component is one rounded difference of two exact products.
//
// Default construction sets no component: a vector in static storage reads
// (0, 0, 0), any other must be assigned before it is read. No operation checks
// its input; normalize() of a zero vector gives NaN components.
class Vector3 {
 public:
  float x;
  float y;
  float z;

  Vector3() = default;
  constexpr Vector3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}

  void set(float x_, float y_, float z_);

  Vector3 operator+(const Vector3& b) const;
  Vector3 operator-(const Vector3& b) const;
  // Scaling takes its float on the right only: a * s.
  Vector3 operator*(float s) const;
  Vector3 cross(const Vector3& b) const;
  float length() const;
  // Divides by length() in place, with no zero check.
  void normalize();

  // Writes "(x, y, z)" with three decimals and a newline to standard output.
  void print() const;
};

static_assert(std::is_trivially_copyable_v<Vector3>);
static_assert(std::is_trivially_default_constructible_v<Vector3>);
static_assert(sizeof(Vector3) == 3 * sizeof(float));

// Cosine and sine of an angle in radians: computed in double from the float
// angle, returned rounded to float.
float cosine(float angle);
float sine(float angle);

#endif  // CAMERA_VECTOR3_H_
