// The console reports through the real keyboard handler, on a real GL context
// whose matrices the scene's own reshape and display set.
#include "corvane/reports.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <stdio_ext.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/state.h"
#include "corvane/corvane.h"
#include "scene/view.h"
#include "tests/support/capture.h"
#include "tests/support/gl_context.h"

namespace {

constexpr char kIdentity[] =
    "\n1.000000 0.000000 0.000000 0.000000\n"
    "0.000000 1.000000 0.000000 0.000000\n"
    "0.000000 0.000000 1.000000 0.000000\n"
    "0.000000 0.000000 0.000000 1.000000\n\n";

// The look-at of the start view: a translation by (0, 0, -2.5).
constexpr char kStartView[] =
    "\n1.000000 0.000000 0.000000 0.000000\n"
    "0.000000 1.000000 0.000000 0.000000\n"
    "0.000000 0.000000 1.000000 -2.500000\n"
    "0.000000 0.000000 0.000000 1.000000\n\n";

// gluPerspective(60, 1, 0.1, 1000).
constexpr char kStartProjection[] =
    "\n1.732051 0.000000 0.000000 0.000000\n"
    "0.000000 1.732051 0.000000 0.000000\n"
    "0.000000 0.000000 -1.000200 -0.200020\n"
    "0.000000 0.000000 -1.000000 0.000000\n\n";

struct Printed {
  std::string out;
  std::string err;
};

Printed press(unsigned char key) {
  testsupport::CapturedStreams capture;
  keyboard(key, 17, 23);
  capture.stop();
  return {capture.out(), capture.err()};
}

// The state of a freshly started viewer, after its first reshape and display.
class ReportsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static const int window = testsupport::createGlWindow();
    glutSetWindow(window);
    camera.reset();
    hfov = 60.0f;
    vfov = 60.0f;
    corvaneModelView.setIdentity();
    corvaneProjection.setIdentity();
    reshape(400, 400);
    display();
  }
};

// Titles go to standard error, numbers to standard output.
TEST_F(ReportsTest, EachReportKeyAfterStartUp) {
  Printed p = press('C');
  EXPECT_EQ(p.err, "\nCamera Position\n");
  EXPECT_EQ(p.out, "(0.000, 0.000, 2.500)\n");

  p = press('?');
  EXPECT_EQ(p.err, "\nOpenGL Model/View Matrix\n\nCorvane Model/View Matrix\n");
  EXPECT_EQ(p.out, std::string(kStartView) + kIdentity);

  p = press('P');
  EXPECT_EQ(p.err, "\nOpenGL Projection Matrix\n\nCorvane Projection Matrix\n");
  EXPECT_EQ(p.out, std::string(kStartProjection) + kStartProjection);
}

TEST_F(ReportsTest, ProjectionReportAfterAFieldOfViewChange) {
  hfov = 90.0f;  // gluPerspective(60, 1.5, 0.1, 1000)
  loadFieldOfViewProjection();
  const std::string wide =
      "\n1.154701 0.000000 0.000000 0.000000\n"
      "0.000000 1.732051 0.000000 0.000000\n"
      "0.000000 0.000000 -1.000200 -0.200020\n"
      "0.000000 0.000000 -1.000000 0.000000\n\n";
  EXPECT_EQ(press('P').out, wide + wide);
}

TEST_F(ReportsTest, OtherKeysPrintNothing) {
  for (const unsigned char key : {'c', 'p', '/', '>', 'x', ' ', '\r', '\0', '\x7f', '\xff'}) {
    const Printed p = press(key);
    EXPECT_EQ(p.out + p.err, "") << "key " << int{key};
  }
}

TEST_F(ReportsTest, EscapeExitsWithStatusOneAndPrintsNothing) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // Standard output joins standard error, which the death test matches, so a
  // byte on either stream fails the empty pattern. The flush keeps the test
  // runner's own start-up line out of it.
  EXPECT_EXIT(
      {
        std::fflush(stdout);
        dup2(STDERR_FILENO, STDOUT_FILENO);
        keyboard(27, 0, 0);
      },
      ::testing::ExitedWithCode(1), "^$");
}

// Both streams into one file, as with `viewer > log 2>&1`, with standard
// output fully buffered as it is there: each report's numbers must reach the
// file at once, each matrix right after its title.
TEST_F(ReportsTest, EachReportReachesAFileAtOnceInOrder) {
  std::fflush(stdout);
  const int savedOut = dup(STDOUT_FILENO), savedErr = dup(STDERR_FILENO);
  std::FILE* log = std::tmpfile();
  dup2(fileno(log), STDOUT_FILENO);
  dup2(fileno(log), STDERR_FILENO);
  std::setvbuf(stdout, nullptr, _IOFBF, BUFSIZ);  // glibc allows it once flushed
  size_t pending = 0;
  for (const unsigned char key : {'?', 'C', 'P'}) {
    keyboard(key, 0, 0);
    pending += __fpending(stdout);
  }
  std::string text(4096, '\0');
  text.resize(static_cast<size_t>(pread(fileno(log), text.data(), text.size(), 0)));
  std::fflush(stdout);
  dup2(savedOut, STDOUT_FILENO);
  dup2(savedErr, STDERR_FILENO);
  std::setvbuf(stdout, nullptr, isatty(STDOUT_FILENO) ? _IOLBF : _IOFBF, BUFSIZ);
  close(savedOut);
  close(savedErr);
  std::fclose(log);

  EXPECT_EQ(pending, 0u);
  EXPECT_EQ(text, std::string("\nOpenGL Model/View Matrix\n") + kStartView +
                      "\nCorvane Model/View Matrix\n" + kIdentity +
                      "\nCamera Position\n(0.000, 0.000, 2.500)\n" +
                      "\nOpenGL Projection Matrix\n" + kStartProjection +
                      "\nCorvane Projection Matrix\n" + kStartProjection);
}

}  // namespace
