#include "corvane/pipeline.h"

#include <cmath>

namespace {

float rounded(double value) { return static_cast<float>(value); }

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

// glMultMatrixf onto the identity glLoadIdentity left: each element the
// float sum ((1 m + 0 a) + 0 b) + 0 c, which turns a -0 of the rotation into
// +0 as OpenGL's product does. Column-major.
void multiplyOntoIdentity(const float* rotation, float* out) {
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 4; ++row) {
      float sum = 0.0f;
      for (int k = 0; k < 4; ++k) {
        const float identity = row == k ? 1.0f : 0.0f;
        const float term = identity * rotation[4 * column + k];
        sum = k == 0 ? term : sum + term;
      }
      out[4 * column + row] = sum;
    }
  }
}

}  // namespace

const char* const kClipTestNames[kClipTestCount] = {"left", "right", "bottom",
                                                    "top",  "near",  "far"};

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
  float m[16];
  multiplyOntoIdentity(rotation, m);
  // glTranslatef(-eye): the last column becomes m times (x, y, z, 1), float
  // sums left to right.
  const float x = -camera.eyeX();
  const float y = -camera.eyeY();
  const float z = -camera.eyeZ();
  for (int row = 0; row < 4; ++row) {
    m[12 + row] = ((m[row] * x + m[4 + row] * y) + m[8 + row] * z) + m[12 + row];
  }
  // clang-format off
  return Matrix4(m[0], m[4], m[8], m[12],
                 m[1], m[5], m[9], m[13],
                 m[2], m[6], m[10], m[14],
                 m[3], m[7], m[11], m[15]);
  // clang-format on
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
