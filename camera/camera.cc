#include "camera/camera.h"

#include <cmath>
#include <iostream>

namespace {

// A normalised copy can be formed only from a finite, non-zero length.
bool canNormalize(const Vector3& a) {
  const float len = a.length();
  return len > 0.0f && !std::isinf(len);
}

}  // namespace

long flippedCount = 0;

Camera::Camera() { reset(); }

void Camera::reset() {
  eye.set(0.0f, 0.0f, 2.5f);
  resetAxes();
}

void Camera::resetAxes() {
  u.set(1.0f, 0.0f, 0.0f);
  v.set(0.0f, 1.0f, 0.0f);
  n.set(0.0f, 0.0f, 1.0f);
}

void Camera::setAxes(Vector3 newU, Vector3 newV, Vector3 newN) {
  u = newU;
  v = newV;
  n = newN;
}

void Camera::translate(float du, float dv, float dn, int aim, Vector3 target) {
  const Vector3 alongU = u * du;
  const Vector3 alongV = v * dv;
  const Vector3 alongN = n * dn;
  eye = ((eye + alongU) + alongV) + alongN;
  if (aim != 0) lookAt(target);
}

void Camera::lookAt(Vector3 target) {
  Vector3 newN = eye - target;
  if (!canNormalize(newN)) return;  // eye on the target: no direction to look in
  newN.normalize();

  Vector3 newV(0.0f, 1.0f, 0.0f);
  if (std::fabs(double{newN.y}) > 0.97) {
    newV = newN.cross(u);
    if (!canNormalize(newV)) return;  // looking along the old right axis
    newV.normalize();
  }

  // Keep the new up on the side of the old one: an upside-down camera stays so.
  const bool sameSide = double{newV.x} * double{v.x} > 0.0 || double{newV.y} * double{v.y} > 0.0 ||
                        double{newV.z} * double{v.z} > 0.0;
  if (!sameSide) {
    newV = newV * -1.0f;
    std::cerr << "flipped" << std::endl;
    ++flippedCount;
  }

  Vector3 newU = newV.cross(newN);
  newU.normalize();
  newV = newN.cross(newU);  // unit up to float error; not normalised again
  setAxes(newU, newV, newN);
}

void Camera::pitch(float angle) {
  const float sinA = sine(angle);
  const float cosA = cosine(angle);
  const Vector3 newV = v * cosA - n * sinA;
  const Vector3 newN = v * sinA + n * cosA;
  setAxes(u, newV, newN);
}

void Camera::yaw(float angle) {
  const float sinA = sine(angle);
  const float cosA = cosine(angle);
  const Vector3 newU = u * cosA + n * sinA;
  const Vector3 newN = n * cosA - u * sinA;
  setAxes(newU, v, newN);
}

void Camera::roll(float angle) {
  const float sinA = sine(angle);
  const float cosA = cosine(angle);
  const Vector3 newU = u * cosA + v * sinA;
  const Vector3 newV = v * cosA - u * sinA;
  setAxes(newU, newV, n);
}
