#include "bench/reference_frame.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <cmath>

#include "app/state.h"
#include "scene/icosphere.h"

namespace bench {
namespace {

using Point = float[3];

// The same float arithmetic as the viewer's icosphere, written independently
// here; the bench checks that both send identical vertices.
void halfway(const float* a, const float* b, float* out) {
  for (int k = 0; k < 3; ++k) out[k] = static_cast<float>((double{a[k]} + double{b[k]}) / 2.0);
  const double x = out[0];
  const double y = out[1];
  const double z = out[2];
  const float length = static_cast<float>(std::sqrt(x * x + y * y + z * z));
  for (int k = 0; k < 3; ++k) out[k] = static_cast<float>(double{out[k]} / double{length});
}

void collect(const float* a, const float* b, const float* c, int depth,
             std::vector<float>& corners) {
  if (depth == 0) {
    for (const float* p : {a, b, c}) corners.insert(corners.end(), p, p + 3);
    return;
  }
  Point ab;
  Point bc;
  Point ca;
  halfway(a, b, ab);
  halfway(b, c, bc);
  halfway(c, a, ca);
  collect(a, ab, ca, depth - 1, corners);
  collect(b, bc, ab, depth - 1, corners);
  collect(c, ca, bc, depth - 1, corners);
  collect(ab, bc, ca, depth - 1, corners);
}

GLenum polygonModeFor(int mode) {
  if (mode == 0) return GL_POINT;
  if (mode == 1) return GL_LINE;
  return GL_FILL;
}

}  // namespace

ReferenceFrame captureReferenceFrame(int depth) {
  ReferenceFrame frame;
  const double eye[3] = {camera.eyeX(), camera.eyeY(), camera.eyeZ()};
  const double view[3] = {camera.viewX(), camera.viewY(), camera.viewZ()};
  for (int k = 0; k < 3; ++k) {
    frame.lookAt[k] = eye[k];
    frame.lookAt[3 + k] = eye[k] + view[k];
  }
  frame.lookAt[6] = camera.upX();
  frame.lookAt[7] = camera.upY();
  frame.lookAt[8] = camera.upZ();
  frame.lighting = lightOn != 0;
  frame.polygonMode = polygonModeFor(renderMode);
  frame.corners.reserve(20u * 9u << (2 * depth));
  for (const int* face : icosahedronFaces) {
    collect(icosahedronVertices[face[0]], icosahedronVertices[face[1]],
            icosahedronVertices[face[2]], depth, frame.corners);
  }
  return frame;
}

void drawReferenceFrame(const ReferenceFrame& frame) {
  const double* l = frame.lookAt;
  glLoadIdentity();
  gluLookAt(l[0], l[1], l[2], l[3], l[4], l[5], l[6], l[7], l[8]);
  if (frame.lighting) {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
  } else {
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
  }
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glColor3f(1.0f, 1.0f, 1.0f);
  glPolygonMode(GL_FRONT_AND_BACK, frame.polygonMode);
  const float* p = frame.corners.data();
  const float* const end = p + frame.corners.size();
  for (; p != end; p += 9) {
    glBegin(GL_TRIANGLES);
    glNormal3fv(p);
    glVertex3fv(p);
    glNormal3fv(p + 3);
    glVertex3fv(p + 3);
    glNormal3fv(p + 6);
    glVertex3fv(p + 6);
    glEnd();
  }
  glutSwapBuffers();
}

}  // namespace bench
