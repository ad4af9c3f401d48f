#include "world/frustum.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Hand-worked: at distance d the half-height is d tan(vfov / 2) and the
// half-width hfov / vfov times that. tan 30 = 0.5773503,
// tan 22.5 = sqrt(2) - 1 = 0.4142136. Corners bottom-left, bottom-right,
// top-right, top-left seen from the eye.
struct Case {
  const char* what;
  Vector3 eye, u, v, n;
  float hfov, vfov, farPlane;
  Vector3 nearCorners[4];
  Vector3 cutCorners[4];
  float cutDistance;
};

const Case kCases[] = {
    {"start pose, 60 by 60",
     {0, 0, 2.5f}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, 60, 60, 1000,
     {{-0.0577350f, -0.0577350f, 2.4f}, {0.0577350f, -0.0577350f, 2.4f},
      {0.0577350f, 0.0577350f, 2.4f}, {-0.0577350f, 0.0577350f, 2.4f}},
     {{-2.3094011f, -2.3094011f, -1.5f}, {2.3094011f, -2.3094011f, -1.5f},
      {2.3094011f, 2.3094011f, -1.5f}, {-2.3094011f, 2.3094011f, -1.5f}},
     4},
    {"start pose, Hfov 90, Vfov 45: aspect 2",
     {0, 0, 2.5f}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, 90, 45, 1000,
     {{-0.0828427f, -0.0414214f, 2.4f}, {0.0828427f, -0.0414214f, 2.4f},
      {0.0828427f, 0.0414214f, 2.4f}, {-0.0828427f, 0.0414214f, 2.4f}},
     {{-3.3137085f, -1.6568542f, -1.5f}, {3.3137085f, -1.6568542f, -1.5f},
      {3.3137085f, 1.6568542f, -1.5f}, {-3.3137085f, 1.6568542f, -1.5f}},
     4},
    {"eye (3, 0, 0) looking down -x: right is -z",
     {3, 0, 0}, {0, 0, -1}, {0, 1, 0}, {1, 0, 0}, 90, 45, 1000,
     {{2.9f, -0.0414214f, 0.0828427f}, {2.9f, -0.0414214f, -0.0828427f},
      {2.9f, 0.0414214f, -0.0828427f}, {2.9f, 0.0414214f, 0.0828427f}},
     {{-1, -1.6568542f, 3.3137085f}, {-1, -1.6568542f, -3.3137085f},
      {-1, 1.6568542f, -3.3137085f}, {-1, 1.6568542f, 3.3137085f}},
     4},
    {"far plane nearer than the cut: drawn to the far plane",
     {0, 0, 2.5f}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, 60, 60, 2,
     {{-0.0577350f, -0.0577350f, 2.4f}, {0.0577350f, -0.0577350f, 2.4f},
      {0.0577350f, 0.0577350f, 2.4f}, {-0.0577350f, 0.0577350f, 2.4f}},
     {{-1.1547005f, -1.1547005f, 0.5f}, {1.1547005f, -1.1547005f, 0.5f},
      {1.1547005f, 1.1547005f, 0.5f}, {-1.1547005f, 1.1547005f, 0.5f}},
     2},
};

void expectNear(const Vector3& want, const Vector3& got, const char* what, int corner) {
  EXPECT_NEAR(want.x, got.x, 1e-6) << what << ", corner " << corner;
  EXPECT_NEAR(want.y, got.y, 1e-6) << what << ", corner " << corner;
  EXPECT_NEAR(want.z, got.z, 1e-6) << what << ", corner " << corner;
}

Camera cameraAt(Vector3 eye, Vector3 u, Vector3 v, Vector3 n) {
  Camera c;
  c.eye = eye;
  c.setAxes(u, v, n);
  return c;
}

TEST(FrustumTest, CornersOfTheNearRectangleAndTheCutEnd) {
  for (const Case& k : kCases) {
    const Frustum f =
        viewingVolume(cameraAt(k.eye, k.u, k.v, k.n), k.hfov, k.vfov, 0.1f, k.farPlane, 4);
    ASSERT_EQ(f.status, FrustumStatus::kDrawable) << k.what;
    EXPECT_EQ(f.cutDistance, k.cutDistance) << k.what;
    for (int c = 0; c < 4; ++c) {
      expectNear(k.nearCorners[c], f.nearCorners[c], k.what, c);
      expectNear(k.cutCorners[c], f.cutCorners[c], k.what, c);
    }
  }
}

TEST(FrustumTest, NoVolumeAtVfov180OrFromADegenerateCamera) {
  const float nan = std::nanf("");
  const Vector3 eye(0, 0, 2.5f), u(1, 0, 0), v(0, 1, 0), n(0, 0, 1);
  struct Status {
    const char* what;
    Camera camera;
    float vfov, nearPlane, farPlane;
    FrustumStatus want;
  };
  const Status statuses[] = {
      {"Vfov 179", cameraAt(eye, u, v, n), 179, 0.1f, 1000, FrustumStatus::kDrawable},
      {"Vfov 180", cameraAt(eye, u, v, n), 180, 0.1f, 1000, FrustumStatus::kTooWide},
      {"NaN n", cameraAt(eye, u, v, Vector3(nan, nan, nan)), 60, 0.1f, 1000,
       FrustumStatus::kDegenerate},
      {"NaN eye, Vfov 180", cameraAt(Vector3(nan, 0, 0), u, v, n), 180, 0.1f, 1000,
       FrustumStatus::kDegenerate},
      {"zero n", cameraAt(eye, u, v, Vector3(0, 0, 0)), 60, 0.1f, 1000,
       FrustumStatus::kDegenerate},
      {"up along n", cameraAt(eye, u, n, n), 60, 0.1f, 1000, FrustumStatus::kDegenerate},
      {"near 0", cameraAt(eye, u, v, n), 60, 0, 1000, FrustumStatus::kDegenerate},
      {"far not beyond near", cameraAt(eye, u, v, n), 60, 0.1f, 0.1f,
       FrustumStatus::kDegenerate},
  };
  for (const Status& s : statuses) {
    const Frustum f = viewingVolume(s.camera, 60, s.vfov, s.nearPlane, s.farPlane, 4);
    EXPECT_EQ(f.status, s.want) << s.what;
  }
}

}  // namespace
