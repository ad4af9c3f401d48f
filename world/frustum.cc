#include "world/frustum.h"

#include <cmath>

namespace {

struct D3 {
  double x, y, z;
};

D3 widen(const Vector3& a) { return {a.x, a.y, a.z}; }
D3 cross(const D3& a, const D3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double length(const D3& a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }
D3 scaled(const D3& a, double s) { return {a.x * s, a.y * s, a.z * s}; }
bool finite(const Vector3& a) {
  return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z);
}

// eye + d f + x s + y up, rounded once per component.
Vector3 pointAt(const D3& eye, const D3& f, const D3& s, const D3& up, double d, double x,
                double y) {
  return Vector3(static_cast<float>(eye.x + d * f.x + x * s.x + y * up.x),
                 static_cast<float>(eye.y + d * f.y + x * s.y + y * up.y),
                 static_cast<float>(eye.z + d * f.z + x * s.z + y * up.z));
}

}  // namespace

Frustum viewingVolume(const Camera& camera, float hfov, float vfov, float nearPlane, float farPlane,
                      float cutAt) {
  Frustum result{};
  result.status = FrustumStatus::kDegenerate;
  const bool numbersUsable = std::isfinite(hfov) && std::isfinite(vfov) && hfov > 0.0f &&
                             vfov > 0.0f && std::isfinite(nearPlane) && nearPlane > 0.0f &&
                             farPlane > nearPlane && std::isfinite(cutAt);
  if (!numbersUsable || !finite(camera.eye) || !finite(camera.v) || !finite(camera.n)) {
    return result;
  }
  const double nLength = length(widen(camera.n));
  if (nLength == 0.0) return result;
  const D3 f = scaled(widen(camera.n), -1.0 / nLength);
  const D3 side = cross(f, widen(camera.v));
  const double sideLength = length(side);
  // Below this v is (nearly) along n and gluLookAt's frame has no direction.
  if (!(sideLength > 1e-6 * length(widen(camera.v)))) return result;
  if (vfov >= 180.0f) {
    result.status = FrustumStatus::kTooWide;
    return result;
  }
  const D3 s = scaled(side, 1.0 / sideLength);
  const D3 up = cross(s, f);

  const double tanHalf = std::tan(double{vfov} * M_PI / 360.0);
  const double aspect = double{hfov} / double{vfov};
  const float cut = std::fmax(std::fmin(farPlane, cutAt), nearPlane);
  const D3 eye = widen(camera.eye);
  // Corner signs (right, up) in bottom-left, bottom-right, top-right, top-left order.
  constexpr int kSigns[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
  const double distances[2] = {nearPlane, cut};
  Vector3* rows[2] = {result.nearCorners, result.cutCorners};
  for (int r = 0; r < 2; ++r) {
    const double d = distances[r];
    const double halfHeight = d * tanHalf;
    const double halfWidth = aspect * halfHeight;
    for (int k = 0; k < 4; ++k) {
      rows[r][k] = pointAt(eye, f, s, up, d, kSigns[k][0] * halfWidth, kSigns[k][1] * halfHeight);
    }
  }
  result.cutDistance = cut;
  result.status = FrustumStatus::kDrawable;
  return result;
}
