#ifndef SCENE_MESH_FRAME_H_
#define SCENE_MESH_FRAME_H_

// The loaded mesh (viewer --mesh) drawn in place of the sphere, in immediate
// mode as the sphere is: one glBegin(GL_TRIANGLES)/glEnd a triangle, each
// corner with glNormal3fv then glVertex3fv. Nothing is cached.

#include "mesh/mesh.h"

// Sends every triangle of mesh to the current context.
void drawMeshTriangles(const Mesh& mesh);

// One whole frame of the drawing window with the mesh: the sphere's frame
// start (beginSceneFrame), the triangles, the buffer swap. The depth
// ("# Subdivisions") plays no part.
void drawMeshFrame(const Mesh& mesh);

#endif  // SCENE_MESH_FRAME_H_
