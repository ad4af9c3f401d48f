#include "world/frustum.h"
#include <gtest/gtest.h>
#include <cmath>

// From the start pose, eye (0, 0, 2.5) looking down -z. Hand-worked: at
// distance d the half-height is d tan(vfov / 2), the half-width hfov / vfov
// times that; tan 30 = 0.5773503, tan 22.5 = sqrt(2) - 1 = 0.4142136. The
// near rectangle lies 0.1 ahead (z 2.4), the cut end 4 ahead or at the far
// plane if nearer (here 2).
TEST(FrustumTest, CornersOfTheNearRectangleAndTheCutEnd) {
  const struct {
    float hfov, vfov, farPlane, cut, nearX, nearY, cutX, cutY, cutZ;
  } cases[] = {
      {60, 60, 1000, 4, 0.0577350f, 0.0577350f, 2.3094011f, 2.3094011f, -1.5f},
      {90, 45, 2, 2, 0.0828427f, 0.0414214f, 1.6568542f, 0.8284271f, 0.5f},
  };
  // Bottom-left, bottom-right, top-right, top-left seen from the eye.
  const float sx[] = {-1, 1, 1, -1};
  const float sy[] = {-1, -1, 1, 1};
  for (const auto& k : cases) {
    const Frustum f = viewingVolume(Camera(), k.hfov, k.vfov, 0.1f, k.farPlane, 4);
    ASSERT_EQ(f.status, FrustumStatus::kDrawable);
    EXPECT_EQ(f.cutDistance, k.cut);
    for (int i = 0; i < 4; ++i) {
      const Vector3 near(sx[i] * k.nearX, sy[i] * k.nearY, 2.4f);
      const Vector3 cut(sx[i] * k.cutX, sy[i] * k.cutY, k.cutZ);
      EXPECT_LT((f.nearCorners[i] - near).length(), 2e-6) << k.hfov << ", corner " << i;
      EXPECT_LT((f.cutCorners[i] - cut).length(), 2e-6) << k.hfov << ", corner " << i;
    }
  }
}

// At Vfov 180 (too wide) or from a degenerate camera or clipping range. Vfov 180 and a NaN n are
// also drawn (or not) in world_picture_test.
TEST(FrustumTest, NoVolumeWhereNoneCanBeDrawn) {
  const auto at = [](Vector3 v, Vector3 n, Vector3 eye = Camera().eye) {
    Camera c;
    c.eye = eye;
    c.setAxes(Vector3(1, 0, 0), v, n);
    return c;
  };
  const Vector3 y(0, 1, 0);
  const Vector3 z(0, 0, 1);
  const auto kOk = FrustumStatus::kDrawable;
  const auto kWide = FrustumStatus::kTooWide;
  const auto kNo = FrustumStatus::kDegenerate;
  const struct {
    Camera camera;
    float vfov, nearPlane, farPlane;
    FrustumStatus want;
  } rows[] = {
      {Camera(), 179, 0.1f, 1000, kOk},
      {Camera(), 180, 0.1f, 1000, kWide},
      {at(y, z, Vector3(std::nanf(""), 0, 0)), 180, 0.1f, 1000, kNo},
      {at(y, Vector3(0, 0, 0)), 60, 0.1f, 1000, kNo},
      {at(z, z), 60, 0.1f, 1000, kNo},  // up along n
      {Camera(), 60, 0, 1000, kNo},
      {Camera(), 60, 0.1f, 0.1f, kNo},
  };
  for (const auto& r : rows)
    EXPECT_EQ(viewingVolume(r.camera, 60, r.vfov, r.nearPlane, r.farPlane, 4).status, r.want)
        << &r - rows;
}
