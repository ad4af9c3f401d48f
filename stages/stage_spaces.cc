#include "stages/stage_spaces.h"

#include <algorithm>
#include <cmath>

const char* const kSpaceNames[kSpaceCount] = {"eye", "clip", "NDC", "window"};

namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
constexpr float kDrawnDepth = 4.0f;
constexpr float kWholeUpTo = 6.0f;

// An eye-space point's trace: the identity takes it to eye space.
CorvaneTrace traceFromEye(Vector3 eye, const Matrix4& projection, Viewport viewport) {
  return traceThroughCorvane(eye, Matrix4(), projection, viewport);
}

float clamped01(float value) { return std::min(1.0f, std::max(0.0f, value)); }

}  // namespace

float drawnDepth(float nearPlane, float farPlane) {
  if (farPlane <= kWholeUpTo) return farPlane;
  return std::min(farPlane, std::max(kDrawnDepth, 2.0f * nearPlane));
}

Vector3 inSpace(const CorvaneTrace& t, Space space) {
  switch (space) {
    case Space::kEye:
      return Vector3(t.eye.x, t.eye.y, t.eye.z);
    case Space::kClip:
      return Vector3(t.clip.x, t.clip.y, -t.clip.z);
    case Space::kNdc:
      return Vector3(t.ndc.x, t.ndc.y, -t.ndc.z);
    case Space::kWindow:
    default:
      return Vector3(t.window.x, t.window.y, -t.window.z);
  }
}

Vector3 fitted(const Fit& fit, Vector3 p) {
  return Vector3((p.x - fit.centre.x) * fit.scale, (p.y - fit.centre.y) * fit.scale,
                 (p.z * fit.depthStretch - fit.centre.z) * fit.scale);
}

void sampleVolume(const Matrix4& projection, Viewport viewport, float hfov, float vfov,
                  float nearPlane, float toDistance, VolumeSamples* out) {
  const double tanHalf = std::tan(double{vfov} / 2.0 * kRadiansPerDegree);
  const double aspect = double{hfov} / double{vfov};
  const double ends[2] = {nearPlane, toDistance};
  // Corner k of the cross-section at distance d, k = 0..3 counter-clockwise
  // from the bottom left as seen from the eye.
  const auto corner = [&](int k, double d) {
    const double sx = (k == 1 || k == 2) ? 1.0 : -1.0;
    const double sy = k >= 2 ? 1.0 : -1.0;
    return Vector3(static_cast<float>(sx * d * tanHalf * aspect),
                   static_cast<float>(sy * d * tanHalf), static_cast<float>(-d));
  };
  int edge = 0;
  for (int end = 0; end < 2; ++end) {
    for (int k = 0; k < 4; ++k, ++edge) {
      // Around the near and the drawn far rectangle.
      const Vector3 a = corner(k, ends[end]);
      const Vector3 b = corner((k + 1) % 4, ends[end]);
      for (int s = 0; s <= kEdgeSamples; ++s) {
        const float f = static_cast<float>(s) / kEdgeSamples;
        out->points[edge][s] = traceFromEye(a + (b - a) * f, projection, viewport);
      }
    }
  }
  for (int k = 0; k < 4; ++k, ++edge) {
    // Along the side edges; in eye space the points are spaced evenly in
    // distance, so the divide is seen to bunch them near the far end.
    for (int s = 0; s <= kEdgeSamples; ++s) {
      const double d = ends[0] + (ends[1] - ends[0]) * s / kEdgeSamples;
      out->points[edge][s] = traceFromEye(corner(k, d), projection, viewport);
    }
  }
}

Fit fitOf(const VolumeSamples& volume, Space space) {
  Vector3 low = inSpace(volume.points[0][0], space);
  Vector3 high = low;
  for (const auto& edge : volume.points) {
    for (const CorvaneTrace& t : edge) {
      Vector3 p = inSpace(t, space);
      if (space == Space::kWindow) p.z = 0.0f;  // the depth is stretched below
      low = Vector3(std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z));
      high = Vector3(std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z));
    }
  }
  float stretch = 1.0f;
  if (space == Space::kWindow) {
    // The depth range 0..1, drawn at half the larger side of the viewport.
    stretch = std::max(high.x - low.x, high.y - low.y) / 2.0f;
    low.z = -stretch;
    high.z = 0.0f;
  }
  const float extent = std::max({high.x - low.x, high.y - low.y, high.z - low.z});
  Fit fit{stretch, Vector3((low.x + high.x) / 2, (low.y + high.y) / 2, (low.z + high.z) / 2),
          extent > 0.0f && std::isfinite(extent) ? 2.0f * kFitHalfSize / extent : 1.0f};
  return fit;
}

Vector3 morphed(const CorvaneTrace& trace, const Fit& eyeFit, const Fit& ndcFit, float t) {
  const Vector3 from = fitted(eyeFit, inSpace(trace, Space::kEye));
  const Vector3 to = fitted(ndcFit, inSpace(trace, Space::kNdc));
  return from + (to - from) * t;
}

float depthAtDistance(const Matrix4& projection, Viewport viewport, float d) {
  return traceFromEye(Vector3(0.0f, 0.0f, -d), projection, viewport).window.z;
}

DepthUse depthUse(const Matrix4& lookAt, const Matrix4& projection, Viewport viewport) {
  // The origin's eye distance; the sphere reaches one unit either side.
  const float centre = -lookAt.at(2, 3);
  DepthUse use;
  use.nearestDistance = centre - 1.0f;
  use.farthestDistance = centre + 1.0f;
  // A point at or behind the eye has no window depth; the part of the sphere
  // there, like the part nearer than the near plane, starts the range at 0.
  const auto depthAt = [&](float d) {
    return d > 0.0f ? clamped01(depthAtDistance(projection, viewport, d)) : 0.0f;
  };
  use.nearestDepth = depthAt(use.nearestDistance);
  use.farthestDepth = depthAt(use.farthestDistance);
  use.fraction = use.farthestDepth - use.nearestDepth;
  return use;
}
