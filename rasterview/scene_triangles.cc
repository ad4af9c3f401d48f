#include "rasterview/scene_triangles.h"

#include "app/state.h"
#include "corvane/corvane.h"
#include "mesh/mesh.h"
#include "scene/icosphere.h"

namespace {

// The drawing window's subdivide, its corners made by the same midpoint and
// normalizePoint, handing each triangle to the frame instead of to OpenGL.
void split(RasterFrame& frame, const float* p1, const float* p2, const float* p3, int depth) {
  if (depth <= 0) {
    frame.triangle(p1, p2, p3, p1, p2, p3);
    return;
  }
  float m12[3];
  float m23[3];
  float m31[3];
  midpoint(p1, p2, m12);
  midpoint(p2, p3, m23);
  midpoint(p3, p1, m31);
  normalizePoint(m12);
  normalizePoint(m23);
  normalizePoint(m31);
  split(frame, p1, m12, m31, depth - 1);
  split(frame, p2, m23, m12, depth - 1);
  split(frame, p3, m31, m23, depth - 1);
  split(frame, m12, m23, m31, depth - 1);
}

}  // namespace

void rasterSphere(RasterFrame& frame, int depth) {
  for (const int* face : icosahedronFaces) {
    split(frame, icosahedronVertices[face[0]], icosahedronVertices[face[1]],
          icosahedronVertices[face[2]], depth);
  }
}

void rasterScene(RasterFrame& frame, int depth) {
  if (sceneMesh == nullptr) {
    rasterSphere(frame, depth);
    return;
  }
  const Mesh& mesh = *sceneMesh;
  const int count = mesh.triangleCount();
  for (int t = 0; t < count; ++t) {
    frame.triangle(mesh.corner(t, 0), mesh.corner(t, 1), mesh.corner(t, 2), mesh.normal(t, 0),
                   mesh.normal(t, 1), mesh.normal(t, 2));
  }
}

void rasterCurrentFrame(RasterFrame& frame, RasterImage* image, int width, int height) {
  RasterSettings settings;
  settings.modelView = corvaneLookAt;
  settings.projection = corvaneProjection;
  settings.width = width;
  settings.height = height;
  settings.renderMode = renderMode;
  settings.light = lightOn != 0;
  settings.cull = cullBackFaces != 0;
  frame.begin(settings, image);
  rasterScene(frame, subdivisions);
}
