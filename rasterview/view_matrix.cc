#include "rasterview/view_matrix.h"

#include <cmath>

#include "app/state.h"

// Stand-in until Corvane's own look-at matrix is merged: forward f = -n,
// side s = f x v, up' = s x f, both normalised, rows s, up', -f, times the
// translation by -eye, in double and rounded once.
Matrix4 rasterViewMatrix() {
  const double f[3] = {-double{camera.n.x}, -double{camera.n.y}, -double{camera.n.z}};
  const double up[3] = {camera.v.x, camera.v.y, camera.v.z};
  const auto cross = [](const double* a, const double* b, double* out) {
    out[0] = a[1] * b[2] - a[2] * b[1];
    out[1] = a[2] * b[0] - a[0] * b[2];
    out[2] = a[0] * b[1] - a[1] * b[0];
  };
  const auto normalize = [](double* a) {
    const double length = std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
    if (length == 0.0) return;
    for (int k = 0; k < 3; ++k) a[k] /= length;
  };
  double fn[3] = {f[0], f[1], f[2]};
  normalize(fn);
  double s[3];
  cross(fn, up, s);
  normalize(s);
  double u[3];
  cross(s, fn, u);
  const double eye[3] = {camera.eye.x, camera.eye.y, camera.eye.z};
  const auto dot = [](const double* a, const double* b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
  };
  const auto r = [](double value) { return static_cast<float>(value); };
  // clang-format off
  return Matrix4(r(s[0]), r(s[1]), r(s[2]), r(-dot(s, eye)),
                 r(u[0]), r(u[1]), r(u[2]), r(-dot(u, eye)),
                 r(-fn[0]), r(-fn[1]), r(-fn[2]), r(dot(fn, eye)),
                 0.0f, 0.0f, 0.0f, 1.0f);
  // clang-format on
}
