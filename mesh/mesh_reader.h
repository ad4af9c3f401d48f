#ifndef MESH_MESH_READER_H_
#define MESH_MESH_READER_H_

// Reading a Wavefront OBJ file into a Mesh with tinyobjloader. No GL.
//
// Taken from the file: vertices ("v x y z"), normals ("vn"), and faces
// ("f") of three or more corners, each split by tinyobjloader into
// triangles that keep its winding. A corner's normal is the file's when the face names
// one, otherwise the face's own (the normalised cross product of its first
// triangle's edges). Texture coordinates, groups, objects, smoothing groups,
// materials, lines and points are accepted and ignored.
//
// Checked before anything is kept, so a bad file leaves nothing half-loaded:
// the file can be read; every line is an OBJ statement; every coordinate is
// a finite number; every face names vertices (and normals) that exist; there
// is at least one triangle and at most kMaxMeshTriangles.

#include <string>

#include "mesh/mesh.h"

constexpr long kMaxMeshTriangles = 2000000;

struct MeshReadResult {
  bool ok = false;
  // When not ok: one line, without a newline, naming the file, and the line
  // of the file where there is one ("FILE:LINE: ...").
  std::string error;
};

// Reads path into *mesh, which is changed only when the result is ok.
MeshReadResult readMesh(const std::string& path, Mesh* mesh);

#endif  // MESH_MESH_READER_H_
