// reshape and display against OpenGL's own matrices, read back from a real
// context.
#include "scene/view.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "app/state.h"
#include "corvane/corvane.h"
#include "tests/support/bits.h"
#include "tests/support/capture.h"
#include "tests/support/gl_context.h"

namespace {

using namespace testsupport;

std::array<GLint, 4> viewport() {
  std::array<GLint, 4> v;
  glGetIntegerv(GL_VIEWPORT, v.data());
  return v;
}

class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    createGlWindow("view");
    hfov = 90.0f;
    vfov = 60.0f;
    subdivisions = renderMode = 1;
    camera.reset();
  }
};

TEST_F(ViewTest, ReshapeLeavesAnIdentityModelViewCurrent) {
  glTranslatef(1, 2, 3);
  reshape(800, 400);
  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_MODELVIEW);
  EXPECT_TRUE(sameBits(Matrix4(), modelViewMatrix()));
}

TEST_F(ViewTest, CorvaneProjectionFollowsReshapeBitForBit) {
  reshape(800, 400);
  EXPECT_TRUE(sameBits(corvaneProjection, projectionMatrix()));
}

// Up to 16384 pixels a side a window is drawn as it is; a larger one leaves the
// viewport and the model-view alone until a size within the limit comes.
TEST_F(ViewTest, AWindowBeyondTheSizeLimitIsNotDrawn) {
  const struct {
    int width, height;
    bool drawn;
  } cases[] = {{16384, 16384, true}, {16385, 400, false}, {400, 16385, false}, {16384, 1, true}};
  capture([&cases] {
    for (const auto &c : cases) {
      const std::array<GLint, 4> resized{0, 0, c.width, c.height};
      const std::array<GLint, 4> before = viewport();
      glLoadIdentity();
      glTranslatef(1, 2, 3);
      const auto moved = modelViewMatrix();
      reshape(c.width, c.height);
      display();
      EXPECT_EQ(viewport(), c.drawn ? resized : before) << c.width << " x " << c.height;
      EXPECT_EQ(sameBits(moved, modelViewMatrix()), !c.drawn) << c.width << " x " << c.height;
    }
  });
}

TEST_F(ViewTest, ASizeBeyondTheLimitIsNotedOnceHoweverOftenItComes) {
  const std::string err = capture([] {
                            for (const int width : {16385, 20000, 300, 16385}) {
                              reshape(width, 400);
                              display();
                            }
                          }).err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

}  // namespace
