#ifndef WORLD_FRUSTUM_H_
#define WORLD_FRUSTUM_H_

// The drawing window's viewing volume in world coordinates, for drawing it
// from outside. Pure arithmetic: the same numbers the drawing window hands to
// gluLookAt (eye, eye - n, up v) and gluPerspective (vfov, hfov / vfov,
// nearPlane, farPlane); nothing is read back from OpenGL.
//
// The frame of the volume is the one gluLookAt builds, not the camera's u:
// forward f = -n / |n|, right s = (f x v) / |f x v|, up = s x f. For the
// camera's orthonormal frame these are -n, u and v up to float error.
// At distance d in front of the eye the cross-section is 2 * d * tan(vfov / 2)
// high and hfov / vfov times that wide (gluPerspective's aspect rule).
//
// Units: degrees for the fields of view, world units for distances. Every
// component is computed in double and rounded to float once.

#include <type_traits>

#include "camera/camera.h"
#include "camera/vector3.h"

enum class FrustumStatus {
  kDrawable,
  // vfov of 180 degrees or more: tan(vfov / 2) is infinite or negative, so
  // the volume has no finite cross-section.
  kTooWide,
  // A non-finite or zero-length camera axis, v along n, a non-finite eye, a
  // field of view not above 0, or clipping distances with no 0 < near < far.
  kDegenerate,
};

struct Frustum {
  FrustumStatus status;
  // Corners of the near rectangle and of the cross-section at cutDistance,
  // each in the order bottom-left, bottom-right, top-right, top-left as seen
  // from the eye. Zero unless status is kDrawable.
  Vector3 nearCorners[4];
  Vector3 cutCorners[4];
  // Where the drawn volume ends: farPlane, or cutAt when that is nearer (but
  // never nearer than nearPlane).
  float cutDistance;
};

static_assert(std::is_trivially_copyable_v<Frustum>);

Frustum viewingVolume(const Camera& camera, float hfov, float vfov, float nearPlane, float farPlane,
                      float cutAt);

#endif  // WORLD_FRUSTUM_H_
