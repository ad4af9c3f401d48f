#include "world/world_picture.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdio>

#include "app/state.h"
#include "mesh/mesh.h"
#include "scene/icosphere.h"
#include "scene/mesh_frame.h"

namespace {

struct Colour {
  float r, g, b;
};
constexpr Colour kBackground{0.12f, 0.12f, 0.16f};
constexpr Colour kAxisColours[3] = {{1.0f, 0.2f, 0.2f}, {0.2f, 1.0f, 0.2f}, {0.3f, 0.5f, 1.0f}};
// The camera's u, v, n: magenta, cyan and lavender, apart from the world
// axes' red, green and blue.
constexpr Colour kCameraAxisColours[3] = {
    {1.0f, 0.3f, 0.9f}, {0.2f, 0.9f, 0.9f}, {0.7f, 0.55f, 1.0f}};
// Just lighter than the background: there to read positions by, not to see.
constexpr Colour kGridColour{0.22f, 0.22f, 0.28f};
constexpr float kGridExtent = 3.0f;  // world units either way from the origin
constexpr float kGridStep = 0.5f;
constexpr int kNearMarkerHalf = 7;    // pixels: the square around the near rectangle
constexpr float kNearLeader = 22.0f;  // pixels from the square down to its label
constexpr Colour kEyeColour{1.0f, 1.0f, 0.0f};
constexpr Colour kFrustumColour{1.0f, 0.6f, 0.2f};
constexpr Colour kTextColour{0.9f, 0.9f, 0.9f};
constexpr float kAxisExtent = 1.5f;
constexpr float kTickHalf = 0.06f;
void* const kFont = GLUT_BITMAP_HELVETICA_12;
constexpr int kLineHeight = 15;  // pixels per caption line
constexpr int kMargin = 6;       // pixels from the window's edges

void colour(const Colour& c) { glColor3f(c.r, c.g, c.b); }
void vertex(const Vector3& p) { glVertex3f(p.x, p.y, p.z); }

Vector3 along(int axis, float t) {
  return Vector3(axis == 0 ? t : 0.0f, axis == 1 ? t : 0.0f, axis == 2 ? t : 0.0f);
}

void label3d(const Vector3& at, const char* text) {
  glRasterPos3f(at.x, at.y, at.z);
  glutBitmapString(kFont, reinterpret_cast<const unsigned char*>(text));
}

// Lines every kGridStep in the ground plane y = 0, under everything else.
void drawGrid() {
  colour(kGridColour);
  glLineWidth(1.0f);
  glBegin(GL_LINES);
  const int lines = static_cast<int>(2.0f * kGridExtent / kGridStep);
  for (int k = 0; k <= lines; ++k) {
    const float t = -kGridExtent + kGridStep * static_cast<float>(k);
    vertex(Vector3(t, 0.0f, -kGridExtent));
    vertex(Vector3(t, 0.0f, kGridExtent));
    vertex(Vector3(-kGridExtent, 0.0f, t));
    vertex(Vector3(kGridExtent, 0.0f, t));
  }
  glEnd();
}

void drawWorldAxes() {
  static const char* const kNames[3] = {"x", "y", "z"};
  glLineWidth(1.0f);
  for (int axis = 0; axis < 3; ++axis) {
    colour(kAxisColours[axis]);
    // The tick at 1 crosses the axis along the next world axis.
    const int across = (axis + 1) % 3;
    glBegin(GL_LINES);
    vertex(along(axis, -kAxisExtent));
    vertex(along(axis, kAxisExtent));
    vertex(along(axis, 1.0f) + along(across, -kTickHalf));
    vertex(along(axis, 1.0f) + along(across, kTickHalf));
    glEnd();
    label3d(along(axis, kAxisExtent + 0.1f), kNames[axis]);
  }
}

// Lit as the drawing window lights it: OpenGL's default light 0 sits along
// +z of the camera's eye space, which is the camera's n in the world.
void drawSphere() {
  // The drawing window's rule: 0 points, 1 wireframe, anything else solid.
  glPolygonMode(GL_FRONT_AND_BACK,
                renderMode == 0 ? GL_POINT : (renderMode == 1 ? GL_LINE : GL_FILL));
  if (cullBackFaces != 0) glEnable(GL_CULL_FACE);
  if (lightOn != 0) {
    const GLfloat towardsCamera[4] = {camera.n.x, camera.n.y, camera.n.z, 0.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, towardsCamera);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
  }
  glColor3f(1.0f, 1.0f, 1.0f);
  if (sceneMesh != nullptr) {
    drawMeshTriangles(*sceneMesh);
  } else {
    const int depth = std::min(subdivisions, kWorldMaxDepth);
    for (const int* face : icosahedronFaces) {
      subdivide(icosahedronVertices[face[0]], icosahedronVertices[face[1]],
                icosahedronVertices[face[2]], depth);
    }
  }
  glDisable(GL_LIGHTING);
  glDisable(GL_LIGHT0);
  glDisable(GL_CULL_FACE);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

// A line from `from` along `direction` (not necessarily unit) scaled to
// `length`, with a two-stroke head bent towards `side`.
void arrow(const Vector3& from, const Vector3& direction, const Vector3& side, float length) {
  Vector3 d = direction;
  d.normalize();
  Vector3 s = side;
  s.normalize();
  const Vector3 tip = from + d * length;
  const Vector3 back = tip - d * (0.3f * length);
  glBegin(GL_LINES);
  vertex(from);
  vertex(tip);
  vertex(tip);
  vertex(back + s * (0.15f * length));
  vertex(tip);
  vertex(back - s * (0.15f * length));
  glEnd();
}

void drawCamera() {
  // The eye first: the arrows start at its centre and would hide it.
  colour(kEyeColour);
  glPointSize(9.0f);
  glBegin(GL_POINTS);
  vertex(camera.eye);
  glEnd();
  glPointSize(1.0f);
  glLineWidth(3.0f);
  static const char* const kNames[3] = {"u", "v", "n"};
  const Vector3 axes[3] = {camera.u, camera.v, camera.n};
  for (int k = 0; k < 3; ++k) {
    colour(kCameraAxisColours[k]);
    arrow(camera.eye, axes[k], axes[(k + 1) % 3], kAxisArrowLength);
    Vector3 d = axes[k];
    d.normalize();
    label3d(camera.eye + d * (kAxisArrowLength + 0.08f), kNames[k]);
  }
  colour(kEyeColour);
  glLineWidth(2.0f);
  arrow(camera.eye, camera.n * -1.0f, camera.v, 1.0f);
}

void loop(const Vector3* corners) {
  glBegin(GL_LINE_LOOP);
  for (int k = 0; k < 4; ++k) vertex(corners[k]);
  glEnd();
}

void drawFrustum(const Frustum& frustum) {
  if (frustum.status != FrustumStatus::kDrawable) return;
  colour(kFrustumColour);
  glLineWidth(1.0f);
  loop(frustum.nearCorners);
  glBegin(GL_LINES);
  for (int k = 0; k < 4; ++k) {
    vertex(frustum.nearCorners[k]);
    vertex(frustum.cutCorners[k]);
  }
  glEnd();
  // Stippled: this end is where the drawing stops, not the far plane.
  glEnable(GL_LINE_STIPPLE);
  glLineStipple(2, 0x0F0F);
  loop(frustum.cutCorners);
  glDisable(GL_LINE_STIPPLE);
}

// Captions in window pixels, y up from the bottom edge; line 0 is the lowest
// at the bottom or the highest at the top.
void caption(int height, bool top, int line, const char* text) {
  const int y =
      top ? height - kMargin - kLineHeight * (line + 1) + 3 : kMargin + kLineHeight * line;
  glRasterPos2i(kMargin, y);
  glutBitmapString(kFont, reinterpret_cast<const unsigned char*>(text));
}

// The near rectangle is a few pixels across at the observer's distances: a
// square around where it lands, labelled, shows where it is. Drawn in window
// pixels (y up) once the world matrices have placed it.
void drawNearMarker(const Frustum& frustum, const GLdouble* modelView, const GLdouble* projection,
                    const GLint* viewport) {
  if (frustum.status != FrustumStatus::kDrawable) return;
  Vector3 centre(0.0f, 0.0f, 0.0f);
  for (const Vector3& corner : frustum.nearCorners) centre = centre + corner * 0.25f;
  GLdouble x = 0.0;
  GLdouble y = 0.0;
  GLdouble z = 0.0;
  gluProject(centre.x, centre.y, centre.z, modelView, projection, viewport, &x, &y, &z);
  if (z < 0.0 || z > 1.0) return;  // behind the observer
  const float cx = static_cast<float>(x);
  const float cy = static_cast<float>(y);
  const float h = static_cast<float>(kNearMarkerHalf);
  colour(kFrustumColour);
  glBegin(GL_LINE_LOOP);
  glVertex2f(cx - h, cy - h);
  glVertex2f(cx + h, cy - h);
  glVertex2f(cx + h, cy + h);
  glVertex2f(cx - h, cy + h);
  glEnd();
  // The label hangs below on a leader, clear of the camera's arrows and
  // letters, which start at the eye right beside the rectangle.
  glBegin(GL_LINES);
  glVertex2f(cx, cy - h);
  glVertex2f(cx, cy - h - kNearLeader);
  glEnd();
  glRasterPos2f(cx - 12.0f, cy - h - kNearLeader - 12.0f);
  glutBitmapString(kFont, reinterpret_cast<const unsigned char*>("near"));
}

void drawCaptions(const Frustum& frustum, int width, int height) {
  GLdouble modelView[16];
  GLdouble projection[16];
  GLint viewport[4];
  glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluOrtho2D(0.0, width, 0.0, height);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glDisable(GL_DEPTH_TEST);
  drawNearMarker(frustum, modelView, projection, viewport);
  colour(kTextColour);
  char text[128];
  frustumCaption(frustum, nearPlane, farPlane, text, sizeof text);
  caption(height, false, 0, text);
  if (sceneMesh == nullptr && subdivisions > kWorldMaxDepth) {
    std::snprintf(text, sizeof text, "sphere at depth %d (panel: %d)", kWorldMaxDepth,
                  subdivisions);
    caption(height, true, 0, text);
  }
  glEnable(GL_DEPTH_TEST);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
}

}  // namespace

void frustumCaption(const Frustum& frustum, float nearDistance, float farDistance, char* out,
                    int size) {
  switch (frustum.status) {
    case FrustumStatus::kDrawable:
      std::snprintf(out, size, "frustum: near %g, far %g (drawn to %g)", double{nearDistance},
                    double{farDistance}, double{frustum.cutDistance});
      break;
    case FrustumStatus::kTooWide:
      std::snprintf(out, size, "no frustum: at Vfov 180 it is infinitely wide");
      break;
    case FrustumStatus::kDegenerate:
      std::snprintf(out, size, "no frustum: degenerate camera axes or clipping");
      break;
  }
}

void drawWorldPicture(const Observer& observer, int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  glViewport(0, 0, width, height);
  glClearColor(kBackground.r, kBackground.g, kBackground.b, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glEnable(GL_DEPTH_TEST);

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(kObserverFov, static_cast<double>(width) / height, 0.1, 200.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const Vector3 eye = observerEye(observer);
  gluLookAt(eye.x, eye.y, eye.z, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);

  const Frustum frustum = viewingVolume(camera, hfov, vfov, nearPlane, farPlane, kFrustumCut);
  drawGrid();
  drawSphere();
  drawWorldAxes();
  // A degenerate camera has no axes worth drawing; its caption says so.
  if (frustum.status != FrustumStatus::kDegenerate) drawCamera();
  drawFrustum(frustum);
  drawCaptions(frustum, width, height);
}
