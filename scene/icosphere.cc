#include "scene/icosphere.h"

#include <GL/freeglut.h>

#include <cmath>
#include <iostream>

#include "app/state.h"

// Exact decimal expansions of the float values.
const float icoShort = 0.52573108673095703125f;
const float icoLong = 0.850650787353515625f;

const float icosahedronVertices[12][3] = {
    {-icoShort, 0.0f, icoLong}, {icoShort, 0.0f, icoLong},   {-icoShort, 0.0f, -icoLong},
    {icoShort, 0.0f, -icoLong}, {0.0f, icoLong, icoShort},   {0.0f, icoLong, -icoShort},
    {0.0f, -icoLong, icoShort}, {0.0f, -icoLong, -icoShort}, {icoLong, icoShort, 0.0f},
    {-icoLong, icoShort, 0.0f}, {icoLong, -icoShort, 0.0f},  {-icoLong, -icoShort, 0.0f},
};

const int icosahedronFaces[20][3] = {
    {1, 4, 0}, {4, 9, 0},  {4, 5, 9},  {8, 5, 4},  {1, 8, 4},  {1, 10, 8}, {10, 3, 8},
    {8, 3, 5}, {3, 2, 5},  {3, 7, 2},  {3, 10, 7}, {10, 6, 7}, {6, 11, 7}, {6, 0, 11},
    {6, 1, 0}, {10, 1, 6}, {11, 0, 9}, {2, 11, 9}, {5, 2, 9},  {11, 2, 7},
};

namespace {

// renderMode: 0 points, 1 wireframe, anything else solid.
GLenum polygonModeFor(int mode) {
  if (mode == 0) return GL_POINT;
  if (mode == 1) return GL_LINE;
  return GL_FILL;
}

void setLighting(bool on) {
  if (on) {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
  } else {
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
  }
}

}  // namespace

// The sum is exact in double and halving it is exact, so the one rounding is
// the store to float.
void midpoint(const float* a, const float* b, float* out) {
  for (int k = 0; k < 3; ++k) out[k] = static_cast<float>((double{a[k]} + double{b[k]}) / 2.0);
}

void beginSceneFrame() {
  const GLenum mode = polygonModeFor(renderMode);
  setLighting(lightOn != 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glColor3f(1.0f, 1.0f, 1.0f);
  glPolygonMode(GL_FRONT_AND_BACK, mode);
}

void drawIcosphere() {
  beginSceneFrame();
  for (const int* face : icosahedronFaces) {
    subdivide(icosahedronVertices[face[0]], icosahedronVertices[face[1]],
              icosahedronVertices[face[2]], subdivisions);
  }
  glutSwapBuffers();
}

void subdivide(const float* p1, const float* p2, const float* p3, int depth) {
  // Stopping at or below 0 keeps a negative depth from recursing for ever.
  if (depth <= 0) {
    drawTriangle(p1, p2, p3);
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
  // Each child keeps its parent's winding.
  subdivide(p1, m12, m31, depth - 1);
  subdivide(p2, m23, m12, depth - 1);
  subdivide(p3, m31, m23, depth - 1);
  subdivide(m12, m23, m31, depth - 1);
}

void drawTriangle(const float* p1, const float* p2, const float* p3) {
  glBegin(GL_TRIANGLES);
  glNormal3fv(p1);
  glVertex3fv(p1);
  glNormal3fv(p2);
  glVertex3fv(p2);
  glNormal3fv(p3);
  glVertex3fv(p3);
  glEnd();
}

void normalizePoint(float* p) {
  const double x = p[0];
  const double y = p[1];
  const double z = p[2];
  const float length = static_cast<float>(std::sqrt(x * x + y * y + z * z));
  if (length == 0.0f) {
    std::cerr << "Zero length vector" << std::endl;
    return;
  }
  for (int k = 0; k < 3; ++k) p[k] = static_cast<float>(double{p[k]} / double{length});
}
