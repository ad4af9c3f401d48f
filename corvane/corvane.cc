#include "corvane/corvane.h"

#include <cmath>

#include "corvane/pipeline.h"

// Both start as the identity by constant initialisation, so they are valid
// whatever order the other globals are constructed in.
Matrix4 corvaneModelView;
Matrix4 corvaneProjection;
Matrix4 corvaneLookAt;

static_assert(Matrix4().at(3, 3) == 1.0f && Matrix4().at(0, 3) == 0.0f,
              "Matrix4's default constructor must be usable at compile time");

namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

// The gluPerspective matrix for fovy = vfov degrees and aspect = hfov / vfov,
// every argument widened to double and every element rounded to float once.
void updateCorvaneProjection(float hfov, float vfov, float nearPlane, float farPlane) {
  const double fovy = vfov;
  const double aspect = double{hfov} / double{vfov};
  const double zNear = nearPlane;
  const double zFar = farPlane;
  const double halfAngle = fovy / 2.0 * kPi / 180.0;
  const double cotangent = std::cos(halfAngle) / std::sin(halfAngle);
  const double depth = zFar - zNear;
  const auto f = [](double value) { return static_cast<float>(value); };
  // Laid out by hand, one row of the matrix a line.
  // clang-format off
  corvaneProjection = Matrix4(f(cotangent / aspect), 0.0f, 0.0f, 0.0f,
                              0.0f, f(cotangent), 0.0f, 0.0f,
                              0.0f, 0.0f, f(-(zFar + zNear) / depth), f(-2.0 * zNear * zFar / depth),
                              0.0f, 0.0f, -1.0f, 0.0f);
  // clang-format on
}

void updateCorvaneLookAt(const Camera& camera) { corvaneLookAt = lookAtMatrix(camera); }
