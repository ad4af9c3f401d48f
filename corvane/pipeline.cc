#include "corvane/pipeline.h"

#include <cmath>

#include "corvane/float_order.h"

namespace {

float rounded(double value) { return static_cast<float>(value); }

// Row i of m times p, the four exact double products summed left to right.
float rowTimesPoint(const Matrix4& m, int i, Vector4 p) {
  return rounded(((double{m.at(i, 0)} * double{p.x} + double{m.at(i, 1)} * double{p.y}) +
                  double{m.at(i, 2)} * double{p.z}) +
                 double{m.at(i, 3)} * double{p.w});
}

// The look-at rotation is built in float, as GLU builds it, so that
// corvaneLookAt holds OpenGL's very model-view.
struct Float3 {
  float x;
  float y;
  float z;
};

// v / |v|, the length the square root (in double) of the float sum of the
// squares; a zero vector is left as it is.
Float3 normalized(Float3 v) {
  const float squares = v.x * v.x + v.y * v.y + v.z * v.z;
  const float length = static_cast<float>(std::sqrt(double{squares}));
  if (length == 0.0f) return v;
  return Float3{v.x / length, v.y / length, v.z / length};
}

Float3 cross(Float3 a, Float3 b) {
  return Float3{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

}  // namespace

const char* const kClipTestNames[kClipTestCount] = {"left", "right", "bottom",
                                                    "top",  "near",  "far"};

Vector4 transformPoint(const Matrix4& m, Vector4 p) {
  return Vector4{rowTimesPoint(m, 0, p), rowTimesPoint(m, 1, p), rowTimesPoint(m, 2, p),
                 rowTimesPoint(m, 3, p)};
}

Matrix4 lookAtMatrix(const Camera& camera) {
  // The centre eye - n lies one unit along the view, so centre - eye is -n.
  const Float3 forward = normalized(Float3{camera.viewX(), camera.viewY(), camera.viewZ()});
  const Float3 up{camera.upX(), camera.upY(), camera.upZ()};
  const Float3 side = normalized(cross(forward, up));
  const Float3 trueUp = cross(side, forward);
  // Column-major, one column a line: the rotation's rows are s, up', -f.
  // clang-format off
  const float rotation[16] = {side.x, trueUp.x, -forward.x, 0.0f,
                              side.y, trueUp.y, -forward.y, 0.0f,
                              side.z, trueUp.z, -forward.z, 0.0f,
                              0.0f, 0.0f, 0.0f, 1.0f};
  // clang-format on
  // glMultMatrixf onto the identity glLoadIdentity left: the product's
  // sums ((1 m + 0 a) + 0 b) + 0 c turn a -0 of the rotation into +0, as
  // OpenGL's do.
  const Matrix4 identity;
  float m[16];
  floatProduct(identity.data(), rotation, m);
  // glTranslatef(-eye): the last column becomes m times (x, y, z, 1).
  const float toEye[4] = {-camera.eyeX(), -camera.eyeY(), -camera.eyeZ(), 1.0f};
  for (int row = 0; row < 4; ++row) m[12 + row] = floatRowTimes(m, row, toEye);
  Matrix4 lookAt;
  lookAt.setFromArray(m);
  return lookAt;
}

ClipTests clipTests(Vector4 clip) {
  return ClipTests{clip.x<-clip.w, clip.x> clip.w, clip.y<-clip.w, clip.y> clip.w,
                   clip.z<-clip.w, clip.z> clip.w};
}

bool inside(ClipTests failed) {
  for (int k = 0; k < kClipTestCount; ++k) {
    if (failedTest(failed, k)) return false;
  }
  return true;
}

bool failedTest(ClipTests failed, int k) {
  const bool tests[kClipTestCount] = {failed.left, failed.right, failed.bottom,
                                      failed.top,  failed.near,  failed.far};
  return tests[k];
}

Vector3 perspectiveDivide(Vector4 clip) {
  const double w = clip.w;
  return Vector3(rounded(double{clip.x} / w), rounded(double{clip.y} / w),
                 rounded(double{clip.z} / w));
}

Vector3 viewportMapping(Vector3 ndc, Viewport viewport) {
  const double halfWidth = viewport.width / 2.0;
  const double halfHeight = viewport.height / 2.0;
  const double halfDepth = (kDepthRangeFar - kDepthRangeNear) / 2.0;
  return Vector3(rounded(halfWidth * double{ndc.x} + (viewport.x + halfWidth)),
                 rounded(halfHeight * double{ndc.y} + (viewport.y + halfHeight)),
                 rounded(halfDepth * double{ndc.z} + (kDepthRangeNear + kDepthRangeFar) / 2.0));
}

CorvaneTrace traceThroughCorvane(Vector3 object, const Matrix4& lookAt, const Matrix4& projection,
                                 Viewport viewport) {
  CorvaneTrace trace;
  trace.object = Vector4{object.x, object.y, object.z, 1.0f};
  trace.eye = transformPoint(lookAt, trace.object);
  trace.clip = transformPoint(projection, trace.eye);
  trace.failed = clipTests(trace.clip);
  trace.ndc = perspectiveDivide(trace.clip);
  trace.window = viewportMapping(trace.ndc, viewport);
  return trace;
}
