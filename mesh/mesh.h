#ifndef MESH_MESH_H_
#define MESH_MESH_H_

#include <vector>

// A triangle mesh as the windows draw it: a list of triangles, each three
// corners with a normal for each, counter-clockwise seen from the front.
// corners and normals hold 9 floats a triangle (x, y, z of three corners),
// in object coordinates; normals are unit length as given or computed.
struct Mesh {
  std::vector<float> corners;
  std::vector<float> normals;

  int triangleCount() const { return static_cast<int>(corners.size() / 9); }
  const float* corner(int triangle, int k) const { return &corners[9 * triangle + 3 * k]; }
  const float* normal(int triangle, int k) const { return &normals[9 * triangle + 3 * k]; }
};

// The mesh that --mesh loaded, drawn by every window instead of the sphere;
// nullptr (the start value) draws the sphere.
extern const Mesh* sceneMesh;

#endif  // MESH_MESH_H_
