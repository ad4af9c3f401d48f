#include "corvane/pipeline.h"

namespace {

float rounded(double value) { return static_cast<float>(value); }

}  // namespace

const char* const kClipTestNames[kClipTestCount] = {"left", "right", "bottom",
                                                    "top",  "near",  "far"};

Matrix4 lookAtMatrix(const Camera& camera) {
  // The centre eye - n lies one unit along the view, so centre - eye is -n.
  Vector3 forward(camera.viewX(), camera.viewY(), camera.viewZ());
  forward.normalize();
  const Vector3 up(camera.upX(), camera.upY(), camera.upZ());
  Vector3 side = forward.cross(up);
  side.normalize();
  const Vector3 trueUp = side.cross(forward);
  // Laid out by hand, one row of the matrix a line.
  // clang-format off
  const Matrix4 rotation(side.x, side.y, side.z, 0.0f,
                         trueUp.x, trueUp.y, trueUp.z, 0.0f,
                         -forward.x, -forward.y, -forward.z, 0.0f,
                         0.0f, 0.0f, 0.0f, 1.0f);
  // clang-format on
  Matrix4 toEye;
  toEye.setTranslation(-camera.eyeX(), -camera.eyeY(), -camera.eyeZ());
  return rotation * toEye;
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
