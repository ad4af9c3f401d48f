// The console reports through the real keyboard handler, on a real GL context
// whose matrices the scene's own reshape and display set.
#include "corvane/reports.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <string>

#include "app/state.h"
#include "corvane/corvane.h"
#include "scene/view.h"
#include "tests/support/capture.h"
#include "tests/support/gl_context.h"

namespace {

testsupport::Captured press(unsigned char key) {
  return testsupport::capture([key] { keyboard(key, 17, 23); });
}

// A freshly started viewer, after its first reshape and display. Titles go to
// standard error, numbers to standard output; that a pipe gets them whole and
// in order, and Esc's exit status, the end-to-end suite checks.
class ReportsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    glutSetWindow(testsupport::createGlWindow());
    camera.reset();
    hfov = vfov = 60.0f;
    corvaneModelView.setIdentity();
    corvaneProjection.setIdentity();
    reshape(400, 400);
    display();
  }
};

TEST_F(ReportsTest, AnyOtherKeyPrintsNothing) {
  for (const unsigned char key : {'c', 'p', '/', '>', 'x', ' ', '\r', '\0', '\x7f', '\xff'}) {
    const auto p = press(key);
    EXPECT_EQ(p.out + p.err, "") << "key " << int{key};
  }
}

}  // namespace
