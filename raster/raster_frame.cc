#include "raster/raster_frame.h"

#include "corvane/float_order.h"
#include "corvane/vector4.h"
#include "raster/clip_polygon.h"
#include "raster/default_light.h"
#include "raster/rasterize.h"

namespace {

// a * b + c rounded once to float: the product of two floats is exact in
// double, and the sum rounds to float as a fused multiply-add does (but for
// a double rounding once in about 2^29 cases).
float fused(float a, float b, float c) {
  return static_cast<float>(double{a} * double{b} + double{c});
}

// Twice the signed area of (a, b, c), positive counter-clockwise, worked in
// float from the corners as the framebuffer holds them (y down, which turns
// the sign).
double floatArea(const WindowVertex& a, const WindowVertex& b, const WindowVertex& c, int height) {
  const auto down = [height](const WindowVertex& v) { return static_cast<float>(height - v.y); };
  const float ex = static_cast<float>(a.x) - static_cast<float>(c.x);
  const float ey = down(a) - down(c);
  const float fx = static_cast<float>(b.x) - static_cast<float>(c.x);
  const float fy = down(b) - down(c);
  return -(ex * fy - ey * fx);
}

// The divide by w and the viewport mapping (0, 0, width, height), depth
// range 0..1. y is mapped downwards, from the framebuffer's top row, and
// then turned up.
WindowVertex toWindow(const ClipVertex& v, int width, int height) {
  const float inverseW = 1.0f / v.position.w;
  const float halfWidth = 0.5f * static_cast<float>(width);
  const float halfHeight = 0.5f * static_cast<float>(height);
  WindowVertex w;
  w.x = fused(v.position.x * inverseW, halfWidth, halfWidth);
  const float down = fused(v.position.y * inverseW, -halfHeight, halfHeight);
  w.y = static_cast<double>(height) - double{down};
  w.z = fused(v.position.z * inverseW, 0.5f, 0.5f);
  w.inverseW = inverseW;
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
  floatProduct(settings.projection.data(), settings.modelView.data(), modelViewProjection_);
}

void RasterFrame::triangle(const float* p1, const float* p2, const float* p3, const float* n1,
                           const float* n2, const float* n3) {
  const float* points[3] = {p1, p2, p3};
  const float* normals[3] = {n1, n2, n3};
  ClipVertex corners[3];
  for (int i = 0; i < 3; ++i) {
    const float object[4] = {points[i][0], points[i][1], points[i][2], 1.0f};
    const float* m = modelViewProjection_;
    corners[i].position = Vector4{floatRowTimes(m, 0, object), floatRowTimes(m, 1, object),
                                  floatRowTimes(m, 2, object), floatRowTimes(m, 3, object)};
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
  RasterImage& image = *image_;
  // A whole triangle filled is culled by fillTriangle itself, from the
  // corners it snaps anyway.
  if (settings_.renderMode == 2 && count == 3) {
    fillTriangle(image, window[0], window[1], window[2], settings_.cull);
    return;
  }
  if (settings_.cull) {
    // llvmpipe culls a filled polygon by its snapped corners, and one drawn
    // as points or lines earlier, by its float corners.
    double area = 0.0;
    if (settings_.renderMode == 2) {
      for (int i = 1; i + 1 < count; ++i) area += windowArea(window[0], window[i], window[i + 1]);
    } else {
      area = floatArea(window[0], window[1], window[2], settings_.height);
    }
    if (area <= 0.0) return;
  }
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
