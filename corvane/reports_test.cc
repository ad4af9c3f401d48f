// The console reports through the real keyboard handler, on a real GL context
// whose matrices the scene's own reshape and display set.
#include "corvane/reports.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <stdio_ext.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "app/state.h"
#include "corvane/corvane.h"
#include "scene/view.h"
#include "tests/support/capture.h"
#include "tests/support/gl_context.h"

namespace {

const std::string kIdentity =
    "\n1.000000 0.000000 0.000000 0.000000\n0.000000 "
    "1.000000 0.000000 0.000000\n"
    "0.000000 0.000000 1.000000 0.000000\n0.000000 "
    "0.000000 0.000000 1.000000\n\n";
// The start view's look-at: a translation by (0, 0, -2.5).
const std::string kStartView =
    "\n1.000000 0.000000 0.000000 "
    "0.000000\n0.000000 1.000000 0.000000 0.000000\n"
    "0.000000 0.000000 1.000000 -2.500000\n0.000000 "
    "0.000000 0.000000 1.000000\n\n";
// gluPerspective(60, 1, 0.1, 1000).
const std::string kStartProjection =
    "\n1.732051 0.000000 0.000000 0.000000\n0.000000 1.732051 0.000000 "
    "0.000000\n"
    "0.000000 0.000000 -1.000200 -0.200020\n0.000000 0.000000 -1.000000 "
    "0.000000\n\n";

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

TEST_F(ReportsTest, EachReportKeyPrintsItsTitlesAndItsNumbers) {
  const struct {
    unsigned char key;
    std::string err, out;
  } cases[] = {
      {'C', "\nCamera Position\n", "(0.000, 0.000, 2.500)\n"},
      {'?', "\nOpenGL Model/View Matrix\n\nCorvane Model/View Matrix\n", kStartView + kIdentity},
      {'P', "\nOpenGL Projection Matrix\n\nCorvane Projection Matrix\n",
       kStartProjection + kStartProjection}};
  for (const auto &c : cases) {
    const auto p = press(c.key);
    EXPECT_EQ(p.err + "|" + p.out, c.err + "|" + c.out);
  }
}

TEST_F(ReportsTest, AnyOtherKeyPrintsNothing) {
  for (const unsigned char key : {'c', 'p', '/', '>', 'x', ' ', '\r', '\0', '\x7f', '\xff'}) {
    const auto p = press(key);
    EXPECT_EQ(p.out + p.err, "") << "key " << int{key};
  }
}

// Through a pipe standard output is fully buffered: each report flushes its
// numbers so that they follow their title at once.
TEST_F(ReportsTest, EachReportFlushesItsNumbers) {
  std::size_t pending = 0;
  testsupport::capture([&] {
    std::setvbuf(stdout, nullptr, _IOFBF,
                 BUFSIZ);  // glibc allows it once flushed
    for (const unsigned char key : {'?', 'C', 'P'}) {
      keyboard(key, 0, 0);
      pending += __fpending(stdout);
    }
  });
  std::setvbuf(stdout, nullptr, isatty(STDOUT_FILENO) ? _IOLBF : _IOFBF, BUFSIZ);
  EXPECT_EQ(pending, 0u);
}

}  // namespace
