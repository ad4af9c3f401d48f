#ifndef RASTER_RASTER_FRAME_H_
#define RASTER_RASTER_FRAME_H_

#include "corvane/matrix4.h"
#include "raster/raster_image.h"

// Corvane's rasterizer: triangles in object coordinates go through the
// model-view and projection matrices to clip space, are clipped against the
// view volume, divided by w, mapped to the viewport, culled by winding and
// drawn into a RasterImage as the drawing window draws them.
//
// The stages are those of corvane/pipeline.h, but the arithmetic here is
// the order in which Mesa's llvmpipe evaluates them, so that every corner
// lands on the very float OpenGL computes: one float product
// projection x model-view a frame, float sums left to right for each clip
// coordinate, and the viewport mapped with one rounding per coordinate, y
// mapped downwards and turned up again as in a window-system framebuffer.
// A position one float step away can snap to the other side of a pixel
// centre, so the stage view's double-then-round-once arithmetic would leave
// a few pixels of each frame unlike OpenGL's.
//
// The OpenGL state it follows is the drawing window's: viewport (0, 0,
// width, height) with depth range 0..1; GL_DEPTH_TEST with GL_LESS;
// GL_CULL_FACE with GL_BACK culled and GL_CCW fronts when culling is on;
// glPolygonMode(GL_FRONT_AND_BACK, points / lines / fill) from the render
// mode; smooth shading; white with lighting off, OpenGL's default light and
// material with it on (raster/default_light.h).

struct RasterSettings {
  Matrix4 modelView;   // object -> eye, column-major
  Matrix4 projection;  // eye -> clip
  int width = 0;       // viewport and image, pixels
  int height = 0;
  int renderMode = 2;  // 0 corners as points, 1 edges as lines, 2 filled
  bool light = false;
  bool cull = true;
};

class RasterFrame {
 public:
  // Starts a frame: sizes and clears the image (reusing its memory) and
  // prepares the matrices. The image must outlive the frame's triangles.
  void begin(const RasterSettings& settings, RasterImage* image);

  // Draws one triangle, corners p1, p2, p3 (x, y, z) with the normals n1,
  // n2, n3, counter-clockwise seen from its front.
  void triangle(const float* p1, const float* p2, const float* p3, const float* n1, const float* n2,
                const float* n3);

 private:
  RasterSettings settings_;
  RasterImage* image_ = nullptr;
  // projection x model-view, column-major, each element a float sum.
  float modelViewProjection_[16] = {};
  // Row 2 of the inverse transpose of the model-view's upper 3 by 3: the
  // eye-space normal's z component is its dot product with the normal.
  double normalRowZ_[3] = {0.0, 0.0, 1.0};
};

#endif  // RASTER_RASTER_FRAME_H_
