// The icosphere as OpenGL receives it: drawIcosphere draws real frames into the
// GL feedback buffer.
#include "scene/icosphere.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "app/state.h"
#include "tests/support/bits.h"
#include "tests/support/capture.h"
#include "tests/support/gl_context.h"

namespace {

using namespace testsupport;
constexpr int kPerTriangle = 2 + 3 * 7;  // token, count, 3 x (window x, y, z, r, g, b, a)

// Window x and red of every vertex of one frame drawn with model-view `m`; the
// buffer has room for one triangle more than expected, to catch too many.
std::vector<std::array<float, 2>> feedbackFrame(const GLfloat *m) {
  std::vector<float> buffer((std::size_t{20} << (2 * subdivisions)) * kPerTriangle + 1);
  glLoadMatrixf(m);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
  glRenderMode(GL_FEEDBACK);
  drawIcosphere();
  const GLint used = glRenderMode(GL_RENDER);
  EXPECT_EQ(used, static_cast<GLint>(buffer.size() - 1)) << "triangles drawn";
  std::vector<std::array<float, 2>> vertices;
  for (GLint at = 0; at + kPerTriangle <= used; at += kPerTriangle) {
    EXPECT_TRUE(buffer[at] == GL_POLYGON_TOKEN && buffer[at + 1] == 3.0f) << "at " << at;
    for (int j = 0; j < 3; ++j)
      vertices.push_back({buffer[at + 2 + 7 * j], buffer[at + 5 + 7 * j]});
  }
  return vertices;
}

// Vertices in object coordinates, in drawing order, at depth `depth`. Window y
// and z are rounded on their way out of OpenGL, so each coordinate is read from
// window x in a pass of its own, under a rotation that turns object axis `axis`
// onto eye x. The projection is the identity and the viewport (-1, -1, 2, 2),
// so window x is eye x unrounded. Lighting is on: OpenGL's default light shines
// along eye z, so a vertex's red is 0.04 + 0.8 * max(0, eye z of its normal),
// and the normal sent with a vertex must be the vertex itself.
std::vector<Vector3> capturedVertices(int depth) {
  createGlWindow("icosphere feedback");  // a fresh context: no culling, identity projection
  glViewport(-1, -1, 2, 2);
  renderMode = 2;
  lightOn = 1;
  subdivisions = depth;
  std::vector<std::array<float, 2>> passes[3];
  for (int axis = 0; axis < 3; ++axis) {
    GLfloat m[16] = {};
    m[4 * axis] = m[4 * ((axis + 1) % 3) + 1] = m[4 * ((axis + 2) % 3) + 2] = m[15] = 1.0f;
    passes[axis] = feedbackFrame(m);
    if (passes[axis].size() != (std::size_t{60} << (2 * depth))) return {};
  }
  std::vector<Vector3> points;
  int wrong = 0;
  for (std::size_t i = 0; i < passes[0].size(); ++i) {
    const float p[3] = {passes[0][i][0], passes[1][i][0], passes[2][i][0]};
    points.emplace_back(p[0], p[1], p[2]);
    for (int axis = 0; axis < 3; ++axis)
      wrong +=
          std::fabs(passes[axis][i][1] - 0.04 - 0.8 * std::max(0.0f, p[(axis + 2) % 3])) > 1e-5;
  }
  EXPECT_EQ(wrong, 0) << "vertices lit as if their normal were not the vertex";
  return points;
}

// The first face (1, 4, 0) split once, corner children first, centre last. A
// midpoint is the double mean rounded to float, then divided by its length
// (double, rounded to float): (0.309017, 0.5, 0.809017) for m14.
TEST(IcosphereTest, FirstFaceSplitOnceBitForBit) {
  const float s = 0.52573108673095703125f;
  const float l = 0.850650787353515625f;
  const float a = 0x1.3c6ef2p-2f;
  const float b = 0x1.9e377ap-1f;
  const Vector3 p1(s, 0, l);
  const Vector3 p4(0, l, s);
  const Vector3 p0(-s, 0, l);
  const Vector3 m14(a, 0.5f, b);
  const Vector3 m40(-a, 0.5f, b);
  const Vector3 m01(0, 0, 1);
  const Vector3 want[12] = {p1, m14, m01, p4, m40, m14, p0, m01, m40, m14, m40, m01};
  const auto got = capturedVertices(1);
  ASSERT_EQ(got.size(), 240u);
  for (int k = 0; k < 12; ++k) EXPECT_TRUE(sameBits(want[k], got[k])) << k;
}

// The length in double, rounded once, is 0.37416574f; summing the squares in
// float would give the next float up and other quotients.
TEST(IcosphereTest, NormalizePointRoundsTheLengthOnce) {
  float q[3] = {0.1f, 0.2f, 0.3f};
  normalizePoint(q);
  const float unit[3] = {0.26726123690605164f, 0.5345224738121033f, 0.8017837405204773f};
  EXPECT_TRUE(sameFloats(unit, q, 3));
}

TEST(IcosphereTest, NormalizePointOfZeroPrintsZeroLengthVector) {
  float zero[3] = {0, 0, 0};
  const auto printed = capture([&] { normalizePoint(zero); });
  EXPECT_EQ(printed.err + "|" + printed.out, "Zero length vector\n|");
  EXPECT_TRUE(sameBits(Vector3(0, 0, 0), Vector3(zero[0], zero[1], zero[2])));
}

}  // namespace
