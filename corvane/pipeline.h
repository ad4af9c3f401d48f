#ifndef CORVANE_PIPELINE_H_
#define CORVANE_PIPELINE_H_

// Corvane's vertex pipeline, one small function a stage, no GL:
//
//   object --lookAtMatrix--> eye --projection--> clip --clipTests--> (inside?)
//          --perspectiveDivide--> NDC --viewportMapping--> window
//
// Conventions, those of OpenGL's fixed-function pipeline:
// - Eye space: the camera at the origin looking along -z, y up.
// - Clip space: homogeneous; a point is inside the viewing volume when
//   -w <= x <= w, -w <= y <= w and -w <= z <= w.
// - NDC: clip x, y, z divided by w; the volume is the cube from -1 to 1.
// - Window: x and y in pixels with y counted from the BOTTOM of the window
//   (OpenGL's convention, not the pixel report's); depth in the range 0..1
//   (0 at the near plane, 1 at the far plane).
//
// Rounding: every component is evaluated in double precision from its float
// operands, left to right, and rounded to float once, when it is stored; the
// stages store floats between them, as Matrix4's products do.

#include <type_traits>

#include "camera/camera.h"
#include "camera/vector3.h"
#include "corvane/matrix4.h"
#include "corvane/vector4.h"

// m * p: component i is ((m(i,0) x + m(i,1) y) + m(i,2) z) + m(i,3) w.
Vector4 transformPoint(const Matrix4& m, Vector4 p);

// The model-view that gluLookAt(eye, eye - n, v) builds from the camera:
// forward f = -n normalised, side s = f x v normalised, up' = s x f, the
// rotation with rows s, up', -f times the translation by -eye. Unlike the
// other stages it is worked in float, in the order GLU and glTranslatef
// work it, so that it is bit for bit the matrix OpenGL holds (each length
// the square root, in double, of a float sum of squares). The camera's u
// takes no part.
Matrix4 lookAtMatrix(const Camera& camera);

// The six clip tests; a member is true when the point FAILS that test, that
// is, lies beyond that plane of the viewing volume. A point with w <= 0 (at
// or behind the eye's plane) fails at least one test unless x = y = z = w = 0.
struct ClipTests {
  bool left;    // x < -w
  bool right;   // x > w
  bool bottom;  // y < -w
  bool top;     // y > w
  bool near;    // z < -w
  bool far;     // z > w
};

static_assert(std::is_trivially_copyable_v<ClipTests>);

ClipTests clipTests(Vector4 clip);

// True when the point passes all six tests (lies in the volume or on it).
bool inside(ClipTests failed);

// The tests' names in the order of ClipTests' members: "left", "right",
// "bottom", "top", "near", "far".
constexpr int kClipTestCount = 6;
extern const char* const kClipTestNames[kClipTestCount];

// Whether the point failed test k (0..5, in kClipTestNames' order).
bool failedTest(ClipTests failed, int k);

// NDC: (x / w, y / w, z / w). No check of w: w = 0 gives infinities or NaNs.
Vector3 perspectiveDivide(Vector4 clip);

// The drawing window's viewport in pixels, as glViewport takes it: the lower
// left corner (x, y) counted from the window's bottom left, and the size.
struct Viewport {
  int x;
  int y;
  int width;
  int height;
};

static_assert(std::is_trivially_copyable_v<Viewport>);

// The depth range the window depth is mapped to: OpenGL's default.
constexpr double kDepthRangeNear = 0.0;
constexpr double kDepthRangeFar = 1.0;

// NDC to window coordinates:
//   x_w = (width / 2) x + (x0 + width / 2)
//   y_w = (height / 2) y + (y0 + height / 2)    (y from the bottom)
//   z_w = ((far - near) / 2) z + (near + far) / 2, with the depth range above
Vector3 viewportMapping(Vector3 ndc, Viewport viewport);

// One vertex through every stage, each stage's result as stored.
struct CorvaneTrace {
  Vector4 object;  // w = 1
  Vector4 eye;
  Vector4 clip;
  ClipTests failed;
  Vector3 ndc;
  Vector3 window;
};

static_assert(std::is_trivially_copyable_v<CorvaneTrace>);

// Runs object through lookAt, projection, the clip tests, the divide and
// the viewport mapping. The divide and the mapping are made for a point that
// fails a clip test too (its numbers show where it would land).
CorvaneTrace traceThroughCorvane(Vector3 object, const Matrix4& lookAt, const Matrix4& projection,
                                 Viewport viewport);

#endif  // CORVANE_PIPELINE_H_
