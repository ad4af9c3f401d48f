#include "scene/mesh_frame.h"

#include <GL/freeglut.h>

#include "scene/icosphere.h"

void drawMeshTriangles(const Mesh& mesh) {
  const int count = mesh.triangleCount();
  for (int t = 0; t < count; ++t) {
    glBegin(GL_TRIANGLES);
    for (int k = 0; k < 3; ++k) {
      glNormal3fv(mesh.normal(t, k));
      glVertex3fv(mesh.corner(t, k));
    }
    glEnd();
  }
}

void drawMeshFrame(const Mesh& mesh) {
  beginSceneFrame();
  drawMeshTriangles(mesh);
  glutSwapBuffers();
}
