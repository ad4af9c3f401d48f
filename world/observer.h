#ifndef WORLD_OBSERVER_H_
#define WORLD_OBSERVER_H_

// The world view's observer: a point on a sphere about the origin, always
// looking at the origin with world y up. It belongs to the world view alone;
// moving it never touches the camera or Corvane.
//
// azimuth: degrees about the y axis, 0 on the +z axis, 90 on the +x axis,
// kept in [-180, 180). elevation: degrees above the xz plane, kept within
// +-kMaxElevation so that y up never runs along the line of sight. distance:
// world units from the origin, kept within [kMinDistance, kMaxDistance].

#include <type_traits>

#include "camera/vector3.h"

struct Observer {
  float azimuth;
  float elevation;
  float distance;
};

static_assert(std::is_trivially_copyable_v<Observer>);

constexpr float kMaxElevation = 85.0f;
constexpr float kMinDistance = 3.0f;
constexpr float kMaxDistance = 40.0f;
constexpr float kOrbitDegreesPerPixel = 0.5f;
constexpr float kZoomFactor = 1.125f;  // per wheel step

// A three-quarter view from above and to the right of the start camera, far
// enough to hold the sphere, the camera at (0, 0, 2.5) and the frustum's first
// units in a 40-degree view.
Observer startObserver();

// A drag of (dx, dy) window pixels (y down): right turns the observer to the
// left about the origin (the scene appears to turn right), down lowers it.
Observer orbited(Observer o, int dx, int dy);

// steps wheel steps: positive moves away, negative closer.
Observer zoomed(Observer o, int steps);

// The observer's position in world coordinates.
Vector3 observerEye(Observer o);

#endif  // WORLD_OBSERVER_H_
