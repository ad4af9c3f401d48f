// Glue: OpenGL's feedback mode for a batch of points, in the current context.
// Loads the drawing window's matrices and viewport there by scene/view.h's
// own calls, reads the feedback buffer back and restores what it changed.
// Does not choose a context or touch any window.

#include "stages/opengl_transform.h"

#include <GL/gl.h>

#include <vector>

#include "scene/view.h"

namespace {

// Per point: a pass-through token and its value (the point's index), then a
// point token and x, y, z (GL_3D).
constexpr int kFloatsPerPoint = 6;

void loadView(const DrawingView& view) {
  glViewport(view.viewport.x, view.viewport.y, view.viewport.width, view.viewport.height);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  multiplyPerspective(view.hfov, view.vfov, view.nearPlane, view.farPlane);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  multiplyLookAt(view.camera);
}

void unloadView() {
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
}

// Walks the buffer: a pass-through token names the point whose tokens
// follow; a point that clipping dropped leaves only its pass-through.
void readFeedback(const std::vector<GLfloat>& buffer, int used, int count, OpenGlPoint* out) {
  int current = -1;
  for (int k = 0; k < used;) {
    const int token = static_cast<int>(buffer[k]);
    if (token == GL_PASS_THROUGH_TOKEN && k + 1 < used) {
      current = static_cast<int>(buffer[k + 1]);
      k += 2;
    } else if (token == GL_POINT_TOKEN && k + 3 < used) {
      if (current >= 0 && current < count) {
        out[current].clipped = false;
        out[current].window = Vector3(buffer[k + 1], buffer[k + 2], buffer[k + 3]);
      }
      k += 4;
    } else {
      return;  // nothing else is drawn in between
    }
  }
}

}  // namespace

void transformByOpenGl(const DrawingView& view, const Vector3* points, int count,
                       OpenGlPoint* out) {
  for (int i = 0; i < count; ++i) out[i] = OpenGlPoint{true, Vector3(0.0f, 0.0f, 0.0f)};
  if (count <= 0) return;
  std::vector<GLfloat> buffer(static_cast<std::size_t>(count) * kFloatsPerPoint);
  glPushAttrib(GL_VIEWPORT_BIT | GL_TRANSFORM_BIT);
  loadView(view);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
  glRenderMode(GL_FEEDBACK);
  for (int i = 0; i < count; ++i) {
    glPassThrough(static_cast<GLfloat>(i));
    glBegin(GL_POINTS);
    glVertex3f(points[i].x, points[i].y, points[i].z);
    glEnd();
  }
  const GLint used = glRenderMode(GL_RENDER);
  unloadView();
  glPopAttrib();
  readFeedback(buffer, used, count, out);
}
