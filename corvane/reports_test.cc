// The console reports through the real keyboard handler, on a real GL context
// whose matrices the scene's own reshape and display set.
#include "corvane/reports.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <stdio_ext.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
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

constexpr char kModelViewTitles[] = "\nOpenGL Model/View Matrix\n\nCorvane Model/View Matrix\n";
constexpr char kProjectionTitles[] = "\nOpenGL Projection Matrix\n\nCorvane Projection Matrix\n";

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

TEST_F(ReportsTest, CameraReport) {
  const Printed p = press('C');
  EXPECT_EQ(p.err, "\nCamera Position\n");
  EXPECT_EQ(p.out, "(0.000, 0.000, 2.500)\n");
}

TEST_F(ReportsTest, ModelViewReportBeforeAnyDrag) {
  const Printed p = press('?');
  EXPECT_EQ(p.err, kModelViewTitles);
  EXPECT_EQ(p.out, std::string(kStartView) + kIdentity);
}

TEST_F(ReportsTest, ModelViewReportShowsStepsSinceTheLastFrame) {
  glTranslatef(0.5f, 0.0f, 0.0f);
  corvaneModelView.setTranslation(0.5f, 0.0f, 0.0f);
  const Printed p = press('?');
  const std::string translated =
      "\n1.000000 0.000000 0.000000 0.500000\n"
      "0.000000 1.000000 0.000000 0.000000\n"
      "0.000000 0.000000 1.000000 ";
  EXPECT_EQ(p.out, translated + "-2.500000\n0.000000 0.000000 0.000000 1.000000\n\n" +
                       translated + "0.000000\n0.000000 0.000000 0.000000 1.000000\n\n");
}

TEST_F(ReportsTest, ProjectionReportAfterStartUpPrintsTheSameMatrixTwice) {
  const Printed p = press('P');
  EXPECT_EQ(p.err, kProjectionTitles);
  EXPECT_EQ(p.out, std::string(kStartProjection) + kStartProjection);
}

TEST_F(ReportsTest, ProjectionReportFollowsTheFieldsOfView) {
  hfov = 90.0f;  // gluPerspective(60, 1.5, 0.1, 1000)
  reshape(400, 400);
  const std::string wide =
      "\n1.154701 0.000000 0.000000 0.000000\n"
      "0.000000 1.732051 0.000000 0.000000\n"
      "0.000000 0.000000 -1.000200 -0.200020\n"
      "0.000000 0.000000 -1.000000 0.000000\n\n";
  EXPECT_EQ(press('P').out, wide + wide);

  hfov = 60.0f;
  vfov = 30.0f;  // gluPerspective(30, 2, 0.1, 1000)
  reshape(800, 400);
  const std::string narrow =
      "\n1.866025 0.000000 0.000000 0.000000\n"
      "0.000000 3.732051 0.000000 0.000000\n"
      "0.000000 0.000000 -1.000200 -0.200020\n"
      "0.000000 0.000000 -1.000000 0.000000\n\n";
  EXPECT_EQ(press('P').out, narrow + narrow);
}

TEST_F(ReportsTest, OtherKeysPrintAndChangeNothing) {
  corvaneModelView.setRotation(30.0f, Vector3(1, 2, 3));
  const Matrix4 modelViewBefore = corvaneModelView;
  const auto glModelViewBefore = testsupport::modelViewMatrix();
  const auto glProjectionBefore = testsupport::projectionMatrix();
  for (const unsigned char key : {'c', 'p', '/', '>', 'x', ' ', '\r', '\0', '\x7f', '\xff'}) {
    const Printed p = press(key);
    EXPECT_EQ(p.out, "") << "key " << int{key};
    EXPECT_EQ(p.err, "") << "key " << int{key};
  }
  EXPECT_EQ(std::memcmp(modelViewBefore.data(), corvaneModelView.data(), 16 * sizeof(float)), 0);
  EXPECT_EQ(testsupport::modelViewMatrix(), glModelViewBefore);
  EXPECT_EQ(testsupport::projectionMatrix(), glProjectionBefore);
  EXPECT_EQ(camera.eyeZ(), 2.5f);
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

// Standard output and standard error both written to one file, as with
// `viewer > log 2>&1`, with standard output fully buffered as it is there.
class SharedLogFile {
 public:
  SharedLogFile() {
    std::fflush(stdout);
    savedOut_ = dup(STDOUT_FILENO);
    savedErr_ = dup(STDERR_FILENO);
    char path[] = "/tmp/reports-test-XXXXXX";
    file_ = mkstemp(path);
    unlink(path);
    dup2(file_, STDOUT_FILENO);
    dup2(file_, STDERR_FILENO);
    // glibc allows a new buffering mode once the stream is flushed.
    std::setvbuf(stdout, nullptr, _IOFBF, BUFSIZ);
  }
  ~SharedLogFile() {
    std::fflush(stdout);
    dup2(savedOut_, STDOUT_FILENO);
    dup2(savedErr_, STDERR_FILENO);
    std::setvbuf(stdout, nullptr, isatty(STDOUT_FILENO) ? _IOLBF : _IOFBF, BUFSIZ);
    close(savedOut_);
    close(savedErr_);
    close(file_);
  }
  // What has reached the file so far, without flushing anything.
  std::string contents() const {
    std::string text;
    char buffer[4096];
    ssize_t got;
    for (off_t at = 0; (got = pread(file_, buffer, sizeof buffer, at)) > 0; at += got) {
      text.append(buffer, static_cast<size_t>(got));
    }
    return text;
  }

 private:
  int savedOut_;
  int savedErr_;
  int file_;
};

TEST_F(ReportsTest, EachReportReachesAFileAtOnceInOrder) {
  std::string log;
  size_t pending[3];
  {
    SharedLogFile file;
    keyboard('?', 0, 0);
    pending[0] = __fpending(stdout);
    keyboard('C', 0, 0);
    pending[1] = __fpending(stdout);
    keyboard('P', 0, 0);
    pending[2] = __fpending(stdout);
    log = file.contents();
  }
  EXPECT_EQ(pending[0], 0u);
  EXPECT_EQ(pending[1], 0u);
  EXPECT_EQ(pending[2], 0u);
  EXPECT_EQ(log, std::string("\nOpenGL Model/View Matrix\n") + kStartView +
                     "\nCorvane Model/View Matrix\n" + kIdentity +
                     "\nCamera Position\n(0.000, 0.000, 2.500)\n" +
                     "\nOpenGL Projection Matrix\n" + kStartProjection +
                     "\nCorvane Projection Matrix\n" + kStartProjection);
}

}  // namespace
