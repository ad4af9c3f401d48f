// Start-up and the panel's event handler, on a real GL context: start-up runs
// up to, not into, the event loop, and the handlers are called as the panel
// would call them.
#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "app/panel.h"
#include "app/panel_labels.h"
#include "app/startup.h"
#include "app/state.h"
#include "camera/navigation.h"
#include "corvane/corvane.h"
#include "glui/user_actions.h"
#include "tests/support/bits.h"
#include "tests/support/gl_context.h"

namespace {

using testsupport::sameBits;

std::array<float, 16> gluProjection(double fovy, double aspect) {
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluPerspective(fovy, aspect, double{0.1f}, 1000.0);
  const auto m = testsupport::projectionMatrix();
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  return m;
}

class StartedViewer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    testsupport::initGlut();
    startViewer();
    testsupport::pumpEvents();
  }
  void SetUp() override { glutSetWindow(windowIds[0]); }
};

TEST_F(StartedViewer, StateAfterStartUp) {
  EXPECT_GT(windowIds[0], 0);
  EXPECT_EQ(renderMode, 1);
  EXPECT_EQ(lightOn, 0);
  EXPECT_EQ(cullBackFaces, 1);
  EXPECT_EQ(subdivisions, 1);
  EXPECT_EQ(navigationMode, 0);
  EXPECT_EQ(activeAxis, 2);
  EXPECT_EQ(lookAtObject, 0);
  EXPECT_EQ(rotateAboutObject, 1);
  EXPECT_EQ(lastMouseX, 0);
  EXPECT_EQ(lastMouseY, 0);
  EXPECT_EQ(hfov, 60.0f);
  EXPECT_EQ(vfov, 60.0f);
  EXPECT_EQ(nearPlane, 0.1f);
  EXPECT_EQ(farPlane, 1000.0f);
  EXPECT_EQ(translateStep, 0.1f);
  // rotateStep sits nine float ulps below 5 pi / 180.
  float fiveDegrees = static_cast<float>(5.0 * M_PI / 180.0);
  for (int i = 0; i < 9; ++i) fiveDegrees = std::nextafter(fiveDegrees, 0.0f);
  EXPECT_EQ(rotateStep, fiveDegrees);
  EXPECT_EQ(camera.eyeZ(), 2.5f);
  EXPECT_EQ(camera.hfov, 0.0f);
  EXPECT_EQ(camera.vfov, 0.0f);

  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));

  EXPECT_EQ(subdivisionsSpinner->get_int_val(), 1);
  EXPECT_EQ(hfovSpinner->get_float_val(), 60.0f);
  EXPECT_EQ(vfovSpinner->get_float_val(), 60.0f);
}

using LabelAndKind = std::pair<std::string, ControlKind>;

void collectControls(const GLUI_Panel& panel, std::vector<LabelAndKind>& out) {
  using glui_detail::UserActions;
  for (GLUI_Control* c : UserActions::children(panel)) {
    if (auto* inner = dynamic_cast<GLUI_Panel*>(c)) {
      collectControls(*inner, out);
    } else if (auto* group = dynamic_cast<GLUI_RadioGroup*>(c)) {
      for (GLUI_RadioButton* b : UserActions::buttons(*group)) {
        out.emplace_back(b->get_name(), ControlKind::RadioButton);
      }
    } else {
      const ControlKind kind = dynamic_cast<GLUI_Checkbox*>(c)  ? ControlKind::Checkbox
                               : dynamic_cast<GLUI_Spinner*>(c) ? ControlKind::Spinner
                                                                : ControlKind::Button;
      out.emplace_back(c->get_name(), kind);
    }
  }
}

// Scripts are checked against the label table before any panel exists, and
// run against the built panel: the two must list the same controls.
TEST_F(StartedViewer, PanelControlsAreTheLabelTable) {
  std::vector<LabelAndKind> built;
  collectControls(glui_detail::UserActions::top(*controlPanel), built);
  std::vector<LabelAndKind> table;
  for (const ControlLabel& c : kPanelControls) table.emplace_back(c.text, c.kind);
  EXPECT_EQ(table, built);
}

// The projection's aspect is hfov / vfov, not the window's; the camera keeps
// the values and Corvane follows bit for bit.
TEST_F(StartedViewer, FieldOfViewChangesRebuildTheProjection) {
  const struct {
    float h, v;
    int id;
  } changes[] = {{90.0f, 60.0f, kHfovId}, {60.0f, 30.0f, kVfovId}, {60.0f, 60.0f, kHfovId}};
  for (const auto& c : changes) {
    hfov = c.h;
    vfov = c.v;
    controlCallback(c.id);
    const auto p = testsupport::projectionMatrix();
    EXPECT_TRUE(sameBits(gluProjection(c.v, double{c.h} / double{c.v}), p)) << c.h << ", " << c.v;
    EXPECT_TRUE(sameBits(corvaneProjection, p));
    EXPECT_EQ(camera.hfov, c.h);
    EXPECT_EQ(camera.vfov, c.v);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
  }
}

// Reset View after real drags puts back the eye and frame only: the fields of
// view handed to the camera and the accumulated Corvane model-view stay.
TEST_F(StartedViewer, ResetViewRestoresTheCameraOnly) {
  const auto drag = [](int dx, int dy) {
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, 200);
    motion(200 + dx, 200 + dy);
    mouse(GLUT_LEFT_BUTTON, GLUT_UP, 200 + dx, 200 + dy);
  };
  activeAxis = 0;
  drag(10, 0);
  navigationMode = 1;
  drag(0, 20);
  camera.setHfov(75.0f);
  const Matrix4 accumulated = corvaneModelView;
  controlCallback(kResetViewId);
  EXPECT_TRUE(sameBits(Camera(), camera));
  EXPECT_EQ(camera.hfov, 75.0f);
  EXPECT_TRUE(sameBits(accumulated, corvaneModelView));
  navigationMode = 0;
  drag(10, 0);
  EXPECT_TRUE(sameBits(accumulated * testsupport::translation(0.5f, 0, 0), corvaneModelView));
  navigationMode = 0;
  activeAxis = 2;
}

}  // namespace
