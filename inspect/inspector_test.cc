// The inspector in the started viewer on a real GL context: start-up runs up
// to, not into, the event loop; drags go through the real mouse and motion
// handlers; the drawing window's frames are drawn by calling display() as GLUT
// does (GLUT draws no hidden window, and other tests' windows may hide it).
#include "inspect/inspector.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/panel.h"
#include "app/startup.h"
#include "app/state.h"
#include "camera/navigation.h"
#include "corvane/reports.h"
#include "inspect/inspector_text.h"
#include "inspect/matrix_pair.h"
#include "scene/view.h"
#include "tests/support/capture.h"
#include "tests/support/gl_context.h"
#include "tests/support/window_close.h"

namespace {

std::string printed(unsigned char key) {
  glutSetWindow(windowIds[0]);
  return testsupport::capture([key] { keyboard(key, 0, 0); }).out;
}

// What "?" or "P" prints, rebuilt from the inspector's cells: per matrix a
// blank line, its four rows, a blank line.
std::string printedPair(const MatrixPair &pair) {
  std::string text;
  for (const auto *cells : {&pair.openGl, &pair.corvane}) {
    text += "\n";
    for (int row = 0; row < 4; ++row) {
      for (int column = 0; column < 4; ++column) {
        text += (*cells)[row][column].text;
        text += column < 3 ? " " : "\n";
      }
    }
    text += "\n";
  }
  return text;
}
// The started viewer with the inspector open beside the panel.
class Inspector : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::initGlut();
    startViewer();
    windowBeforeOpening = glutGetWindow();
    openInspector(controlPanelWindow());
    windowAfterOpening = glutGetWindow();
    testsupport::pumpEvents(20);
  }
  int windowBeforeOpening = 0;
  int windowAfterOpening = 0;
  // A real drag from (200, 200) by (dx, dy), in one motion, in the mode and on the axis.
  static void drag(int mode, int axis, int dx, int dy) {
    navigationMode = mode;
    activeAxis = axis;
    glutSetWindow(windowIds[0]);
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, 200);
    motion(200 + dx, 200 + dy);
    mouse(GLUT_LEFT_BUTTON, GLUT_UP, 200 + dx, 200 + dy);
  }
};

// After each real drag the frame's listener has read OpenGL's matrices as the
// frame left them, and the inspector holds what "?", "P" and "C" print. That it
// leaves the drawing window's GL calls alone, e2e_extra_windows checks.
TEST_F(Inspector, HoldsWhatTheReportsPrintAfterEachDrag) {
  const struct {
    int mode, axis, dx, dy;
    int differentCells;  // in the model-views
  } drags[] = {{0, 2, 0, 0, 1}, {0, 0, 20, 0, 2}, {1, 1, 0, 20, 6}, {0, 1, 0, -10, 7}};
  for (const auto &d : drags) {
    SCOPED_TRACE(d.dx + 100 * d.dy);
    drag(d.mode, d.axis, d.dx, d.dy);
    const long frames = inspectorSnapshot().frame;
    display();
    const InspectorSnapshot &s = inspectorSnapshot();
    EXPECT_EQ(s.frame, frames + 1);
    EXPECT_EQ(s.step.count,
              &d - drags + 1);  // a motion of no length is a step too
    const MatrixPair modelView = pairOf(s.openGlModelView, s.corvaneModelView);
    EXPECT_EQ(modelView.count[2], d.differentCells);
    EXPECT_EQ(printedPair(modelView), printed('?'));
    EXPECT_EQ(printedPair(pairOf(s.openGlProjection, s.corvaneProjection)), printed('P'));
    EXPECT_EQ(std::string(vectorText(s.camera.eye).text) + "\n", printed('C'));
    testsupport::pumpEvents(5);
  }
}

// The tally behind the Corvane cells' explanations, kept by the real steps: a 20-pixel TRANSLATE X
// makes the x translation, and only a ROTATE Y turns the first row's first cell.
TEST_F(Inspector, CorvaneCellsNameTheDragStepsThatMadeThem) {
  drag(0, 0, 20, 0);
  drag(1, 1, 0, 20);
  display();
  const InspectorSnapshot &s = inspectorSnapshot();
  EXPECT_STREQ(corvaneModelViewCellText(0, 3, 1.0f, s.corvaneCells).text,
               "M[0][3] = 1.000000, made by drag steps: 1 TRANSLATE X (u)");
  EXPECT_STREQ(corvaneModelViewCellText(0, 0, 1.0f, s.corvaneCells).text,
               "M[0][0] = 1.000000, made by drag steps: 1 ROTATE Y (v)");
}

TEST_F(Inspector, OpeningLeavesTheCurrentWindowAsItWas) {
  EXPECT_EQ(windowAfterOpening, windowBeforeOpening);
}

bool closing = false;

// Closed as a window manager does, it closes alone under freeglut's default
// action, which ends the program with exit(0) (a pass, to a test: here an exit
// fails it); the drawing window's next frame runs without it.
TEST_F(Inspector, ClosedByTheWindowManagerItClosesAlone) {
  std::atexit([] {
    if (closing) std::_Exit(3);
  });
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_EXIT);
  closing = true;
  glutSetWindow(inspectorWindow());
  testsupport::requestCloseOfCurrentWindow();
  testsupport::pumpEvents(10);
  EXPECT_EQ(inspectorWindow(), 0);
  EXPECT_EQ(glutGet(GLUT_ACTION_ON_WINDOW_CLOSE), GLUT_ACTION_EXIT);
  const long frames = inspectorSnapshot().frame;
  glutSetWindow(windowIds[0]);
  display();
  EXPECT_EQ(inspectorSnapshot().frame, frames);
  closing = false;
}

}  // namespace
