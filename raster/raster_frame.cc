#include "raster/raster_frame.h"

#include "corvane/pipeline.h"
#include "corvane/vector4.h"
#include "raster/clip_polygon.h"
#include "raster/default_light.h"
#include "raster/rasterize.h"

namespace {

// The divide by w and the viewport mapping (0, 0, width, height), depth
// range 0..1, by Corvane's stage functions.
WindowVertex toWindow(const ClipVertex& v, int width, int height) {
  const Vector3 window =
      viewportMapping(perspectiveDivide(v.position), Viewport{0, 0, width, height});
  WindowVertex w;
  w.x = window.x;
  w.y = window.y;
  w.z = window.z;
  w.inverseW = 1.0f / v.position.w;
  w.grey = v.grey;
  return w;
}

}  // namespace

void RasterFrame::begin(const RasterSettings& settings, RasterImage* image) {
  settings_ = settings;
  image_ = image;
  image_->resize(settings.width, settings.height);
  // Inverse transpose of the upper 3 by 3 = cofactor matrix / determinant;
  // its row 2 is the cross product of the model-view's rows 0 and 1.
  const Matrix4& m = settings.modelView;
  const double r0[3] = {m.at(0, 0), m.at(0, 1), m.at(0, 2)};
  const double r1[3] = {m.at(1, 0), m.at(1, 1), m.at(1, 2)};
  const double r2[3] = {m.at(2, 0), m.at(2, 1), m.at(2, 2)};
  const double cofactor[3] = {r0[1] * r1[2] - r0[2] * r1[1], r0[2] * r1[0] - r0[0] * r1[2],
                              r0[0] * r1[1] - r0[1] * r1[0]};
  const double determinant = r2[0] * cofactor[0] + r2[1] * cofactor[1] + r2[2] * cofactor[2];
  for (int k = 0; k < 3; ++k) normalRowZ_[k] = determinant != 0.0 ? cofactor[k] / determinant : 0.0;
}

void RasterFrame::triangle(const float* p1, const float* p2, const float* p3, const float* n1,
                           const float* n2, const float* n3) {
  const float* points[3] = {p1, p2, p3};
  const float* normals[3] = {n1, n2, n3};
  ClipVertex corners[3];
  for (int i = 0; i < 3; ++i) {
    const float* p = points[i];
    const Vector4 eye = transformPoint(settings_.modelView, Vector4{p[0], p[1], p[2], 1.0f});
    corners[i].position = transformPoint(settings_.projection, eye);
    corners[i].boundary = true;
    if (settings_.light) {
      const float* n = normals[i];
      const double z = normalRowZ_[0] * n[0] + normalRowZ_[1] * n[1] + normalRowZ_[2] * n[2];
      corners[i].grey = defaultLightGrey(static_cast<float>(z));
    } else {
      corners[i].grey = 1.0f;
    }
  }
  ClipVertex polygon[kMaxClippedCorners];
  const int count = clipTriangle(corners, polygon);
  if (count < 3) return;
  WindowVertex window[kMaxClippedCorners];
  for (int i = 0; i < count; ++i) {
    // Inside the volume w >= |z|, so w is 0 only at a degenerate corner.
    if (!(polygon[i].position.w > 0.0f)) return;
    window[i] = toWindow(polygon[i], settings_.width, settings_.height);
  }
  if (settings_.cull) {
    double area = 0.0;
    for (int i = 1; i + 1 < count; ++i) area += windowArea(window[0], window[i], window[i + 1]);
    if (area <= 0.0) return;
  }
  RasterImage& image = *image_;
  switch (settings_.renderMode) {
    case 0:
      for (int i = 0; i < count; ++i) {
        if (polygon[i].boundary) drawPoint(image, window[i]);
      }
      break;
    case 1:
      for (int i = 0; i < count; ++i) {
        if (polygon[i].boundary) drawLine(image, window[i], window[(i + 1) % count]);
      }
      break;
    default:
      for (int i = 1; i + 1 < count; ++i) fillTriangle(image, window[0], window[i], window[i + 1]);
      break;
  }
}
