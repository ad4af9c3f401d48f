// reshape and display against OpenGL's own matrices, read back from a real
// context.
#include "scene/view.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "app/state.h"
#include "corvane/corvane.h"
#include "tests/support/bits.h"
#include "tests/support/capture.h"
#include "tests/support/gl_context.h"

namespace {

using Matrix = std::array<float, 16>;
using testsupport::sameBits;

// The matrix that the given GLU call leaves on the current matrix stack.
template <typename Call>
Matrix matrixFrom(GLenum mode, GLenum query, Call call) {
  glMatrixMode(mode);
  glPushMatrix();
  glLoadIdentity();
  call();
  Matrix m;
  glGetFloatv(query, m.data());
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  return m;
}

std::array<GLint, 4> viewport() {
  std::array<GLint, 4> v;
  glGetIntegerv(GL_VIEWPORT, v.data());
  return v;
}

class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::createGlWindow("view");
    hfov = 60.0f;
    vfov = 60.0f;
    subdivisions = 1;
    renderMode = 1;
    camera.reset();
  }
};

// aspect = hfov / vfov, whatever the window's shape; Corvane keeps in step.
TEST_F(ViewTest, ReshapeBuildsThePerspectiveFromTheFieldsOfView) {
  const float cases[][2] = {{60, 60}, {90, 60}, {60, 30}};
  for (const auto& [h, v] : cases) {
    hfov = h;
    vfov = v;
    glLoadIdentity();
    glTranslatef(1, 2, 3);
    reshape(400, 400);
    const Matrix glu = matrixFrom(GL_PROJECTION, GL_PROJECTION_MATRIX, [&] {
      gluPerspective(double{v}, double{h} / double{v}, double{0.1f}, 1000.0);
    });
    EXPECT_TRUE(sameBits(glu, testsupport::projectionMatrix())) << "hfov " << h << ", vfov " << v;
    EXPECT_TRUE(sameBits(corvaneProjection, glu)) << "hfov " << h << ", vfov " << v;
    // The model-view is left current and the identity.
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    EXPECT_TRUE(sameBits(Matrix4(), testsupport::modelViewMatrix()));
  }
}

TEST_F(ViewTest, WindowShapeReachesOnlyTheViewport) {
  reshape(800, 400);
  EXPECT_EQ(viewport(), (std::array<GLint, 4>{0, 0, 800, 400}));
  const Matrix p = testsupport::projectionMatrix();
  EXPECT_EQ(p[0], p[5]) << "aspect stays 1";
  reshape(400, 0);
  EXPECT_EQ(viewport(), (std::array<GLint, 4>{0, 0, 400, 0}));
  EXPECT_TRUE(sameBits(p, testsupport::projectionMatrix()));
}

// Up to 16384 pixels a side a window is drawn as it is; a larger one leaves
// the viewport and the model-view alone until a size within the limit comes,
// and is noted once however often it comes.
TEST_F(ViewTest, WindowsBeyond16384PixelsASideAreNotDrawn) {
  const struct {
    int width, height;
    bool drawn;
  } cases[] = {{16384, 16384, true}, {16385, 400, false}, {300, 300, true},
               {400, 16385, false},  {16384, 1, true}};
  testsupport::CapturedStreams streams;
  for (const auto& c : cases) {
    const std::array<GLint, 4> resized{0, 0, c.width, c.height};
    const std::array<GLint, 4> before = viewport();
    glLoadIdentity();
    glTranslatef(1, 2, 3);
    const Matrix moved = testsupport::modelViewMatrix();
    reshape(c.width, c.height);
    display();
    EXPECT_EQ(viewport(), c.drawn ? resized : before)
        << c.width << " x " << c.height;
    EXPECT_EQ(sameBits(moved, testsupport::modelViewMatrix()), !c.drawn)
        << c.width << " x " << c.height;
  }
  streams.stop();
  EXPECT_EQ(std::count(streams.err().begin(), streams.err().end(), '\n'), 1) << streams.err();
}

// The centre is one unit along -n from the eye, not the origin; u is ignored,
// and no transformation outlives a frame.
TEST_F(ViewTest, DisplayAimsOneUnitInFrontOfTheEye) {
  reshape(400, 400);
  camera.eye.set(3, 0, 0);
  camera.setAxes({5, 6, 7}, {0, 1, 0}, {1, 0, 0});
  glTranslatef(1, 1, 1);
  display();
  const Matrix want = matrixFrom(GL_MODELVIEW, GL_MODELVIEW_MATRIX,
                                 [] { gluLookAt(3, 0, 0, 2, 0, 0, 0, 1, 0); });
  EXPECT_TRUE(sameBits(want, testsupport::modelViewMatrix()));
}

}  // namespace
