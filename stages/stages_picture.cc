#include "stages/stages_picture.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <cstdio>

namespace {

constexpr double kObserverFov = 40.0;  // degrees, as the world view's observer
void* const kFont = GLUT_BITMAP_HELVETICA_12;

void vertex(const Vector3& p) { glVertex3f(p.x, p.y, p.z); }

const VolumeSamples& volumeOf(const StagesModel& model, StagesMode mode) {
  return (mode == StagesMode::kNdc || mode == StagesMode::kWindow) ? model.wholeVolume
                                                                   : model.cutVolume;
}

void drawVolume(const StagesModel& model, StagesMode mode, float morph) {
  glColor3f(1.0f, 0.6f, 0.2f);
  for (const auto& edge : volumeOf(model, mode).points) {
    glBegin(GL_LINE_STRIP);
    for (const CorvaneTrace& t : edge) vertex(displayedAt(model, t, mode, morph));
    glEnd();
  }
}

void drawVertices(const StagesModel& model, StagesMode mode, float morph) {
  glPointSize(3.0f);
  glBegin(GL_POINTS);
  for (const CorvaneTrace& t : model.traces) {
    // Behind the eye a vertex has no place in clip, NDC or window space
    // worth drawing: its divide mirrors it.
    if (!(t.clip.w > 0.0f) && mode != StagesMode::kEye) continue;
    if (inside(t.failed)) {
      glColor3f(0.95f, 0.95f, 0.95f);
    } else {
      glColor3f(0.9f, 0.25f, 0.25f);
    }
    vertex(displayedAt(model, t, mode, morph));
  }
  glEnd();
  if (model.selected) {
    glPointSize(9.0f);
    glColor3f(1.0f, 1.0f, 0.0f);
    glBegin(GL_POINTS);
    vertex(displayedAt(model, model.selectedTrace, mode, morph));
    glEnd();
  }
  glPointSize(1.0f);
}

// The space's x, y and third axis through the fitted origin of the space,
// with their names; in the morph, none.
void drawAxes(const StagesModel& model, StagesMode mode) {
  if (mode == StagesMode::kMorph) return;
  const Fit& fit = model.fits[static_cast<int>(mode)];
  const Vector3 origin = fitted(fit, Vector3(0.0f, 0.0f, 0.0f));
  // Clip, NDC and window z are drawn negated: their axis points away.
  const bool negated = mode != StagesMode::kEye;
  const Vector3 tips[3] = {Vector3(0.6f, 0.0f, 0.0f), Vector3(0.0f, 0.6f, 0.0f),
                           Vector3(0.0f, 0.0f, negated ? -0.6f : 0.6f)};
  const char* const names[3] = {"x", "y", "z"};
  const float colours[3][3] = {{1.0f, 0.2f, 0.2f}, {0.2f, 1.0f, 0.2f}, {0.3f, 0.5f, 1.0f}};
  for (int k = 0; k < 3; ++k) {
    glColor3fv(colours[k]);
    glBegin(GL_LINES);
    vertex(origin);
    vertex(origin + tips[k]);
    glEnd();
    const Vector3 at = origin + tips[k] * 1.15f;
    glRasterPos3f(at.x, at.y, at.z);
    glutBitmapString(kFont, reinterpret_cast<const unsigned char*>(names[k]));
  }
}

void caption(int size, int line, const char* text) {
  glRasterPos2i(6, size - 18 - 15 * line);
  glutBitmapString(kFont, reinterpret_cast<const unsigned char*>(text));
}

void drawCaptions(const StagesModel& model, StagesMode mode, float morph, int size) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluOrtho2D(0.0, size, 0.0, size);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glColor3f(0.9f, 0.9f, 0.9f);
  char text[160];
  static const char* const kTitles[] = {
      "eye space: the frustum, the camera at the origin looking along -z",
      "clip space: x, y, z of (x, y, z, w); inside when -w <= x, y, z <= w",
      "NDC: clip divided by w; the volume is the cube -1..1",
      "window space: the viewport in pixels, depth 0..1 (stretched)",
      "the divide happening: eye space (0) to NDC (1)"};
  caption(size, 0, kTitles[static_cast<int>(mode)]);
  if (mode == StagesMode::kMorph) {
    std::snprintf(text, sizeof text, "morph %.2f", double{morph});
    caption(size, 1, text);
  }
  if (mode == StagesMode::kEye || mode == StagesMode::kClip || mode == StagesMode::kMorph) {
    std::snprintf(
        text, sizeof text, "volume drawn from near %g to %g (far %g)", double{model.view.nearPlane},
        double{drawnDepth(model.view.nearPlane, model.view.farPlane)}, double{model.view.farPlane});
    caption(size, 2, text);
  }
  if (model.panelDepth > model.depth) {
    std::snprintf(text, sizeof text, "vertices of depth %d drawn (panel: %d)", model.depth,
                  model.panelDepth);
    caption(size, 3, text);
  }
}

}  // namespace

void drawStagesPicture(const StagesModel& model, StagesMode mode, float morph,
                       const Observer& observer, int size, PictureView* drawnWith) {
  glViewport(0, 0, size, size);
  glEnable(GL_SCISSOR_TEST);
  glScissor(0, 0, size, size);
  glClearColor(0.12f, 0.12f, 0.16f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glDisable(GL_SCISSOR_TEST);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(kObserverFov, 1.0, 0.1, 200.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const Vector3 eye = observerEye(observer);
  gluLookAt(eye.x, eye.y, eye.z, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
  glGetDoublev(GL_MODELVIEW_MATRIX, drawnWith->modelView);
  glGetDoublev(GL_PROJECTION_MATRIX, drawnWith->projection);
  glGetIntegerv(GL_VIEWPORT, drawnWith->viewport);
  glDisable(GL_DEPTH_TEST);
  drawAxes(model, mode);
  drawVolume(model, mode, morph);
  drawVertices(model, mode, morph);
  drawCaptions(model, mode, morph, size);
}

int pickVertex(const StagesModel& model, StagesMode mode, float morph, const PictureView& view,
               int x, int y, int height) {
  const double wantX = x + 0.5;
  const double wantY = height - y - 0.5;
  int best = -1;
  double bestDistance2 = kPickRadius * kPickRadius;
  for (std::size_t i = 0; i < model.traces.size(); ++i) {
    const CorvaneTrace& t = model.traces[i];
    if (!(t.clip.w > 0.0f) && mode != StagesMode::kEye) continue;  // not drawn
    const Vector3 p = displayedAt(model, t, mode, morph);
    double wx = 0.0;
    double wy = 0.0;
    double wz = 0.0;
    // The observer's own picture: GLU's projection is exact enough to pick.
    gluProject(p.x, p.y, p.z, view.modelView, view.projection, view.viewport, &wx, &wy, &wz);
    const double d2 = (wx - wantX) * (wx - wantX) + (wy - wantY) * (wy - wantY);
    if (d2 < bestDistance2) {
      bestDistance2 = d2;
      best = static_cast<int>(i);
    }
  }
  return best;
}
