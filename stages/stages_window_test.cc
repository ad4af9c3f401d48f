// The "Pipeline Stages" window in the started viewer on a real GL context: start-up runs up to,
// not into, the event loop, and the drawing window's frames are drawn by calling display() as GLUT
// does.
#include "stages/stages_window.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include "app/panel.h"
#include "app/startup.h"
#include "app/state.h"
#include "corvane/corvane.h"
#include "scene/view.h"
#include "tests/support/bits.h"
#include "tests/support/gl_context.h"

namespace {

using namespace testsupport;

struct Frame {
  int x, y, w, h;
};

Frame frameOf(int id) {
  glutSetWindow(id);
  return Frame{glutGet(GLUT_WINDOW_X), glutGet(GLUT_WINDOW_Y), glutGet(GLUT_WINDOW_WIDTH),
               glutGet(GLUT_WINDOW_HEIGHT)};
}

bool overlap(const Frame& a, const Frame& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// Opens clear of the drawing window and the panel and leaves GLUT's current window alone; follows
// the drawing window's frames (at most depth 4); its near and far rebuild the drawing window's
// projection and Corvane's to the same bits; a selected vertex's OpenGL side comes from this
// window's own context.
TEST(StagesWindowTest, OpensClearFollowsTheSceneAndRebuildsBothProjections) {
  initGlut();
  startViewer();
  glutSetWindow(windowIds[0]);
  const int stages = openPipelineStages({windowIds[0], controlPanelWindow()});
  EXPECT_EQ(windowIds[0], glutGetWindow());
  pumpEvents(20);
  EXPECT_FALSE(overlap(frameOf(stages), frameOf(windowIds[0])));
  EXPECT_FALSE(overlap(frameOf(stages), frameOf(controlPanelWindow())));

  subdivisions = 6;
  glutSetWindow(windowIds[0]);
  display();
  EXPECT_EQ(windowIds[0], glutGetWindow());
  const StagesModel& model = pipelineStagesModel();
  EXPECT_EQ(4, model.depth);
  EXPECT_EQ(2562u, model.vertices.size());

  glutSetWindow(stages);
  setClippingDistances(1, 5);
  EXPECT_EQ(stages, glutGetWindow());
  glutSetWindow(windowIds[0]);
  const auto openGl = projectionMatrix();
  EXPECT_TRUE(sameBits(corvaneProjection, openGl));
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluPerspective(60, 1, 1, 5);
  EXPECT_TRUE(sameBits(openGl, projectionMatrix()));
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  display();
  EXPECT_EQ(5.0f, model.view.farPlane);
  pumpEvents(5);  // the window's own frame, with OpenGL's side of no vertex yet
  EXPECT_EQ(windowIds[0], glutGetWindow());
}

}  // namespace
