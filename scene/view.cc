#include "scene/view.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include "app/state.h"
#include "corvane/corvane.h"
#include "mesh/mesh.h"
#include "scene/icosphere.h"
#include "scene/mesh_frame.h"
#include "scene/window_limit.h"

namespace {

FrameListener frameListeners[kMaxFrameListeners];
int frameListenerCount = 0;
WindowLimit drawingWindowLimit{"drawing window"};

}  // namespace

void addFrameListener(FrameListener listener) {
  if (frameListenerCount < kMaxFrameListeners) frameListeners[frameListenerCount++] = listener;
}

void display() {
  // No frame at a size the X library cannot take; one follows the reshape
  // that brings the window back within the limit.
  if (drawingWindowLimit.oversized) return;
  glLoadIdentity();
  multiplyLookAt(camera);
  if (sceneMesh != nullptr) {
    drawMeshFrame(*sceneMesh);
  } else {
    drawIcosphere();
  }
  for (int i = 0; i < frameListenerCount; ++i) frameListeners[i]();
}

void multiplyLookAt(const Camera& view) {
  const double eyeX = view.eyeX();
  const double eyeY = view.eyeY();
  const double eyeZ = view.eyeZ();
  // The centre is one unit in front of the eye, wherever the eye is.
  gluLookAt(eyeX, eyeY, eyeZ, eyeX + double{view.viewX()}, eyeY + double{view.viewY()},
            eyeZ + double{view.viewZ()}, double{view.upX()}, double{view.upY()},
            double{view.upZ()});
}

void multiplyPerspective(float hfovDegrees, float vfovDegrees, float nearDistance,
                         float farDistance) {
  // The aspect is the ratio of the two fields of view, not of the window.
  gluPerspective(double{vfovDegrees}, double{hfovDegrees} / double{vfovDegrees},
                 double{nearDistance}, double{farDistance});
}

void redisplaySceneWindows() {
  for (int id : windowIds) {
    glutSetWindow(id);
    glutPostRedisplay();
  }
}

void reshape(int width, int height) {
  if (!reshapeWithinLimit(drawingWindowLimit, width, height)) return;
  glViewport(0, 0, width, height);
  updateCorvaneViewport(width, height);
  loadFieldOfViewProjection();
  glLoadIdentity();
}

void loadFieldOfViewProjection() {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  multiplyPerspective(hfov, vfov, nearPlane, farPlane);
  glMatrixMode(GL_MODELVIEW);
  updateCorvaneProjection(hfov, vfov, nearPlane, farPlane);
}
