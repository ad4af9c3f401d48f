// The inspector in the started viewer, on a real GL context: start-up runs up
// to, not into, the event loop; drags go through the real mouse and motion
// handlers, the drawing window's frames are drawn by calling display() as
// GLUT does, and the inspector's through GLUT's event processing.
#include "inspect/inspector.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <unistd.h>

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
#include "tests/support/bits.h"
#include "tests/support/capture.h"
#include "tests/support/gl_context.h"
#include "tests/support/window_close.h"
#include "tests/support/window_image.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 380;

class InspectorTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    testsupport::initGlut();
    startViewer();
    openInspector(controlPanelWindow());
    glutSetWindow(inspectorWindow());
    scenetest::keepCurrentWindowContents();
    testsupport::pumpEvents(20);
  }
  void SetUp() override { glutSetWindow(windowIds[0]); }
};

std::string printedReport(unsigned char key) {
  glutSetWindow(windowIds[0]);
  testsupport::CapturedStreams capture;
  keyboard(key, 0, 0);
  capture.stop();
  return capture.out();
}

// The text "?" or "P" prints for a pair, rebuilt from the inspector's cells:
// each matrix a blank line, its four rows, a blank line.
std::string reportOf(const MatrixPair& pair) {
  std::string text;
  for (const auto* cells : {&pair.openGl, &pair.corvane}) {
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

int pixelsOf(const scenetest::WindowImage& image, scenetest::Rgb colour) {
  int count = 0;
  for (const auto& p : image.pixels) {
    count += p.r == colour.r && p.g == colour.g && p.b == colour.b;
  }
  return count;
}

// After each real drag the inspector's cells are what "?" and "P" print at
// that moment, and its camera and step are those the drag left.
TEST_F(InspectorTest, ShowsWhatTheReportsPrintAfterRealDrags) {
  const struct {
    int mode, axis, dx, dy;
    int sign;
    const char* amount;  // as the inspector prints it
    int differentModelViewCells;
  } drags[] = {
      {0, 2, 0, 0, 0, nullptr, 1},             // the start: no drag yet
      {0, 0, 20, 0, +1, "1.000000", 2},        // TRANSLATE X, right: 1 unit along u
      {1, 1, 0, 20, +1, "0.174533", 6},        // ROTATE Y, down: 0.17 rad, 0.17 degrees
      {0, 1, 0, -10, -1, "0.500000", 7},       // TRANSLATE Y, up: +v
  };
  long steps = 0;
  for (const auto& d : drags) {
    SCOPED_TRACE(d.dx + 100 * d.dy);
    navigationMode = d.mode;
    activeAxis = d.axis;
    if (d.amount != nullptr) {
      glutSetWindow(windowIds[0]);
      mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, 200);
      motion(200 + d.dx, 200 + d.dy);
      mouse(GLUT_LEFT_BUTTON, GLUT_UP, 200 + d.dx, 200 + d.dy);
      ++steps;
    }
    // The frame the drag asked for, as GLUT would run it: the drawing
    // window may be hidden under other tests' windows, and GLUT draws no
    // hidden window. Then the inspector's redraw.
    const long framesBefore = inspectorSnapshot().frame;
    glutSetWindow(windowIds[0]);
    display();
    testsupport::pumpEvents(5);
    const InspectorSnapshot& s = inspectorSnapshot();
    EXPECT_GT(s.frame, framesBefore);

    const MatrixPair modelView = pairOf(s.openGlModelView, s.corvaneModelView);
    const MatrixPair projection = pairOf(s.openGlProjection, s.corvaneProjection);
    EXPECT_EQ(reportOf(modelView), printedReport('?'));
    EXPECT_EQ(reportOf(projection), printedReport('P'));
    EXPECT_EQ(std::string(vectorText(s.camera.eye).text) + "\n", printedReport('C'));
    EXPECT_TRUE(testsupport::sameBits(camera, s.camera));
    EXPECT_EQ(modelView.count[2], d.differentModelViewCells);
    EXPECT_EQ(projection.count[0], 16);

    EXPECT_EQ(s.step.count, steps);
    if (d.amount != nullptr) {
      EXPECT_EQ(s.step.mode, d.mode);
      EXPECT_EQ(s.step.axis, d.axis);
      EXPECT_EQ(s.step.sign, d.sign);
      EXPECT_STREQ(printedNumber(s.step.amount).text, d.amount);
    }
  }
  // The window shows the marks: green "=" after identical cells, red behind
  // different ones. GLUT draws no hidden window, and another test's window
  // may hide this one for a moment.
  scenetest::WindowImage image;
  const scenetest::Rgb differentShade{255, 196, 196};
  for (int i = 0; i < 100 && pixelsOf(image, differentShade) == 0; ++i) {
    glutPostWindowRedisplay(inspectorWindow());
    testsupport::pumpEvents(2);
    usleep(20000);
    glutSetWindow(inspectorWindow());
    image = scenetest::grabCurrentWindow(kWidth, kHeight);
  }
  EXPECT_GT(pixelsOf(image, {0, 120, 0}), 100);
  EXPECT_GT(pixelsOf(image, differentShade), 300);
}

// The frame listener reads the drawing window's matrices and leaves its
// current window, matrix mode and matrices as they were.
TEST_F(InspectorTest, ReadsTheFrameWithoutDisturbingTheDrawingWindow) {
  glutSetWindow(windowIds[0]);
  const long frames = inspectorSnapshot().frame;
  display();
  EXPECT_EQ(glutGetWindow(), windowIds[0]);
  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_MODELVIEW);
  EXPECT_EQ(glGetError(), GLenum{GL_NO_ERROR});
  const InspectorSnapshot& s = inspectorSnapshot();
  EXPECT_EQ(s.frame, frames + 1);
  EXPECT_TRUE(testsupport::sameBits(s.openGlModelView, testsupport::modelViewMatrix()));
  EXPECT_TRUE(testsupport::sameBits(s.openGlProjection, testsupport::projectionMatrix()));
}

bool closing = false;

// Closing the inspector as a window manager does (WM_DELETE_WINDOW) closes
// it alone, under freeglut's default action, which ends the program when a
// window is closed; the drawing window's next frame runs without it.
TEST_F(InspectorTest, ClosingClosesOnlyTheInspector) {
  // freeglut ends the process with exit(0), which a test would take for a
  // pass; while closing, an exit fails the test instead.
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

  glutSetWindow(windowIds[0]);
  const long frames = inspectorSnapshot().frame;
  display();
  testsupport::pumpEvents(5);
  EXPECT_EQ(inspectorSnapshot().frame, frames);
  closing = false;
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
}

}  // namespace
