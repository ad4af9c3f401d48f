// Proves the harness gives a real GL context on the test display: OpenGL's
// own projection, read back, matches the viewer's start-up numbers.
#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/support/gl_context.h"

namespace {

TEST(GlContextTest, PerspectiveReadsBackAsAtStartUp) {
  testsupport::createGlWindow();
  ASSERT_NE(glGetString(GL_VERSION), nullptr);

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(60.0, 1.0, double{0.1f}, 1000.0);
  glMatrixMode(GL_MODELVIEW);
  const auto p = testsupport::projectionMatrix();

  char text[64];
  std::snprintf(text, sizeof text, "%f %f %f %f", double{p[0]}, double{p[5]}, double{p[10]},
                double{p[14]});
  EXPECT_STREQ(text, "1.732051 1.732051 -1.000200 -0.200020");
  EXPECT_EQ(p[11], -1.0f);
  EXPECT_EQ(p[15], 0.0f);
}

}  // namespace
