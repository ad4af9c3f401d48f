#include "camera/vector3.h"

#include <cmath>
#include <cstdio>

void Vector3::set(float x_, float y_, float z_) {
  x = x_;
  y = y_;
  z = z_;
}

Vector3 Vector3::operator+(const Vector3& b) const {
  return Vector3(static_cast<float>(double{x} + double{b.x}),
                 static_cast<float>(double{y} + double{b.y}),
                 static_cast<float>(double{z} + double{b.z}));
}

Vector3 Vector3::operator-(const Vector3& b) const {
  return Vector3(static_cast<float>(double{x} - double{b.x}),
                 static_cast<float>(double{y} - double{b.y}),
                 static_cast<float>(double{z} - double{b.z}));
}

Vector3 Vector3::operator*(float s) const {
  return Vector3(static_cast<float>(double{s} * double{x}),
                 static_cast<float>(double{s} * double{y}),
                 static_cast<float>(double{s} * double{z}));
}

Vector3 Vector3::cross(const Vector3& b) const {
  return Vector3(static_cast<float>(double{y} * double{b.z} - double{z} * double{b.y}),
                 static_cast<float>(double{z} * double{b.x} - double{x} * double{b.z}),
                 static_cast<float>(double{x} * double{b.y} - double{y} * double{b.x}));
}

float Vector3::length() const {
  const double sum = (double{x} * double{x} + double{y} * double{y}) + double{z} * double{z};
  return static_cast<float>(std::sqrt(sum));
}

void Vector3::normalize() {
  const float len = length();
  x = static_cast<float>(double{x} / double{len});
  y = static_cast<float>(double{y} / double{len});
  z = static_cast<float>(double{z} / double{len});
}

void Vector3::print() const {
  std::printf("(%.3f, %.3f, %.3f)\n", double{x}, double{y}, double{z});
}

float cosine(float angle) { return static_cast<float>(std::cos(double{angle})); }

float sine(float angle) { return static_cast<float>(std::sin(double{angle})); }
