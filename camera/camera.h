#ifndef CAMERA_CAMERA_H_
#define CAMERA_CAMERA_H_

#include <type_traits>

#include "camera/vector3.h"

// Camera is the viewer's eye: a point and a right-handed frame of three unit
// axes, u (right), v (up) and n (backward; the camera looks along -n).
//
// Moves are distances along u, v and n in world units; turns are angles about
// u, v and n in radians. pitch, yaw and roll never re-normalise the axes, so
// float error accumulates until lookAt or reset rebuilds the frame.
//
// hfov and vfov are only stored (degrees); nothing reads them back. The
// constructor leaves them unset: the one global camera lives in zeroed static
// storage, so its fields of view read 0 until setHfov/setVfov.
class Camera {
 public:
  Camera();

  void reset();
  void resetAxes();
  void setAxes(Vector3 newU, Vector3 newV, Vector3 newN);

  // Moves the eye by du along u, dv along v and dn along n; with aim non-zero
  // then re-aims the camera at target.
  void translate(float du, float dv, float dn, int aim, Vector3 target);

  // Rebuilds u, v and n so that the camera looks from its eye at target.
  // Near the vertical (|n.y| > 0.97) the up direction comes from the old u.
  // Writes "flipped" to standard error when the new up vector had to be
  // negated to stay on the side of the old one. When the eye is on the target,
  // or the new axes would otherwise have no length, the frame is kept as it is.
  void lookAt(Vector3 target);

  void pitch(float angle);  // turns v and n about u; +angle dips the view
  void yaw(float angle);    // turns u and n about v; +angle swings the view right
  void roll(float angle);   // turns u and v about n; +angle turns u towards v

  void setHfov(float value) { hfov = value; }
  void setVfov(float value) { vfov = value; }

  float eyeX() const { return eye.x; }
  float eyeY() const { return eye.y; }
  float eyeZ() const { return eye.z; }
  float upX() const { return v.x; }
  float upY() const { return v.y; }
  float upZ() const { return v.z; }
  // The viewing direction, -n.
  float viewX() const { return -n.x; }
  float viewY() const { return -n.y; }
  float viewZ() const { return -n.z; }

  Vector3 eye;
  Vector3 u;
  Vector3 v;
  Vector3 n;
  float hfov;
  float vfov;
};

static_assert(std::is_trivially_copyable_v<Camera>);

// How many times Camera::lookAt has written "flipped" since the start; a
// session script's `expect flipped` counts from it.
extern long flippedCount;

#endif  // CAMERA_CAMERA_H_
