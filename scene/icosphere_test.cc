// The icosphere as OpenGL receives it: triangles are captured with the GL
// feedback buffer while drawIcosphere draws a real frame, and checked against
// values worked out here from the geometry.
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

using testsupport::sameFloats;
using Point = std::array<float, 3>;
using Triangle = std::array<Point, 3>;
using FedVertex = std::array<float, 7>;  // window x, y, z, then red, green, blue, alpha
using FedTriangle = std::array<FedVertex, 3>;

constexpr int kPerTriangle = 2 + 3 * 7;  // polygon token, count, three vertices

double length(const Point& p) {
  return std::sqrt(double{p[0]} * p[0] + double{p[1]} * p[1] + double{p[2]} * p[2]);
}

// Counter-clockwise seen from outside: the right-hand normal of (a, b, c)
// points away from the origin.
bool counterClockwiseFromOutside(const Triangle& t) {
  double e1[3], e2[3], centroid[3];
  for (int k = 0; k < 3; ++k) {
    e1[k] = double{t[1][k]} - t[0][k];
    e2[k] = double{t[2][k]} - t[0][k];
    centroid[k] = double{t[0][k]} + t[1][k] + t[2][k];
  }
  const double normal[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
                            e1[0] * e2[1] - e1[1] * e2[0]};
  return normal[0] * centroid[0] + normal[1] * centroid[1] + normal[2] * centroid[2] > 0.0;
}

// Draws one frame in feedback mode, with room for one primitive more than
// `expected` so that too many overflow; fails unless every one is a triangle.
std::vector<FedTriangle> feedbackFrame(std::size_t expected) {
  std::vector<float> buffer(expected * kPerTriangle + 1);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
  glRenderMode(GL_FEEDBACK);
  drawIcosphere();
  const GLint used = glRenderMode(GL_RENDER);
  std::vector<FedTriangle> triangles;
  if (used < 0) ADD_FAILURE() << "more than " << expected << " primitives";
  for (GLint at = 0; at + kPerTriangle <= used; at += kPerTriangle) {
    if (buffer[at] != GL_POLYGON_TOKEN || buffer[at + 1] != 3.0f) {
      ADD_FAILURE() << "not a triangle at " << at;
      return {};
    }
    FedTriangle t;
    for (int j = 0; j < 3; ++j) std::copy_n(&buffer[at + 2 + 7 * j], 7, t[j].begin());
    triangles.push_back(t);
  }
  return triangles;
}

std::size_t trianglesAt(int depth) { return std::size_t{20} << (2 * depth); }

// Every test draws into a hidden window whose context only feeds back: no
// culling, the identity projection, and a viewport (-1, -1, 2, 2) whose scale
// is 1 and offset 0, so window x is the eye x coordinate unrounded.
class IcosphereFeedbackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::createGlWindow("icosphere feedback");
    glDisable(GL_CULL_FACE);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glViewport(-1, -1, 2, 2);
    renderMode = 2;
    lightOn = 0;
    subdivisions = 1;
  }

  // Triangles as (x, y, z) in object coordinates. Window y and z are rounded
  // on their way out of OpenGL, so each coordinate is read from window x in a
  // pass of its own, with a model-view that turns object axis `axis` onto eye
  // x (a rotation, so winding is kept). Lighting is on, and each pass checks
  // the normals: OpenGL's default light shines along eye z, so a vertex's red
  // is 0.04 + 0.8 * max(0, eye-z of its normal), and the normal sent with a
  // vertex must be the vertex itself.
  static std::vector<Triangle> captureTriangles() {
    lightOn = 1;
    const std::size_t expected = trianglesAt(subdivisions);
    std::vector<FedTriangle> passes[3];
    for (int axis = 0; axis < 3; ++axis) {
      GLfloat rotation[16] = {};
      rotation[4 * axis + 0] = 1.0f;
      rotation[4 * ((axis + 1) % 3) + 1] = 1.0f;
      rotation[4 * ((axis + 2) % 3) + 2] = 1.0f;
      rotation[15] = 1.0f;
      glLoadMatrixf(rotation);
      passes[axis] = feedbackFrame(expected);
      if (passes[axis].size() != expected) {
        ADD_FAILURE() << "captured " << passes[axis].size() << " triangles, want " << expected;
        return {};
      }
    }
    std::vector<Triangle> triangles(expected);
    for (int axis = 0; axis < 3; ++axis) {
      for (std::size_t i = 0; i < expected; ++i) {
        for (int j = 0; j < 3; ++j) triangles[i][j][axis] = passes[axis][i][j][0];
      }
    }
    for (int axis = 0; axis < 3; ++axis) {
      const int eyeZ = (axis + 2) % 3;
      int wrong = 0;
      for (std::size_t i = 0; i < expected; ++i) {
        for (int j = 0; j < 3; ++j) {
          const double lit = 0.04 + 0.8 * std::max(0.0f, triangles[i][j][eyeZ]);
          wrong += std::fabs(passes[axis][i][j][3] - lit) > 1e-5 ? 1 : 0;
        }
      }
      EXPECT_EQ(wrong, 0) << "vertices lit as if their normal were not the vertex";
    }
    return triangles;
  }
};

TEST_F(IcosphereFeedbackTest, DrawsTwentyTimesFourToTheDepthTrianglesPerFrame) {
  for (int depth : {1, 2, 3, 6}) {
    subdivisions = depth;
    EXPECT_EQ(feedbackFrame(trianglesAt(depth)).size(), trianglesAt(depth)) << "depth " << depth;
  }
}

// Expected values are worked out from the stated rules: the base coordinates
// are the exact float decimals; a midpoint is the double mean rounded to
// float, then divided by its length (double, rounded to float).
TEST_F(IcosphereFeedbackTest, FirstFaceAtDepthOneArrivesBitExactInDrawingOrder) {
  const float s = 0.52573108673095703125f;
  const float l = 0.850650787353515625f;
  const Point p1{s, 0, l}, p4{0, l, s}, p0{-s, 0, l};
  auto normalizedMidpoint = [](const Point& a, const Point& b) {
    Point m;
    for (int k = 0; k < 3; ++k) m[k] = static_cast<float>((double{a[k]} + double{b[k]}) / 2.0);
    const float len = static_cast<float>(length(m));
    for (int k = 0; k < 3; ++k) m[k] = static_cast<float>(double{m[k]} / len);
    return m;
  };
  const Point m14 = normalizedMidpoint(p1, p4);
  const Point m40 = normalizedMidpoint(p4, p0);
  const Point m01 = normalizedMidpoint(p0, p1);
  EXPECT_TRUE(sameFloats(Point{0, 0, 1}.data(), m01.data(), 3));
  for (int k = 0; k < 3; ++k) {
    const double shown[3] = {0.309017, 0.5, 0.809017};
    EXPECT_NEAR(m14[k], shown[k], 5e-7);
    EXPECT_NEAR(m40[k], k == 0 ? -shown[k] : shown[k], 5e-7);
  }

  const auto got = captureTriangles();
  ASSERT_EQ(got.size(), 80u);
  const Triangle want[4] = {{p1, m14, m01}, {p4, m40, m14}, {p0, m01, m40}, {m14, m40, m01}};
  for (int t = 0; t < 4; ++t) {
    for (int j = 0; j < 3; ++j) {
      EXPECT_TRUE(sameFloats(want[t][j].data(), got[t][j].data(), 3))
          << "triangle " << t << " corner " << j;
    }
  }
}

TEST_F(IcosphereFeedbackTest, EveryVertexIsOnTheUnitSphereAndEveryTriangleFacesOut) {
  subdivisions = 3;
  const auto triangles = captureTriangles();
  ASSERT_EQ(triangles.size(), trianglesAt(3));
  int offSphere = 0, clockwise = 0;
  for (const Triangle& t : triangles) {
    for (const Point& p : t) offSphere += std::fabs(length(p) - 1.0) > 1e-6 ? 1 : 0;
    clockwise += counterClockwiseFromOutside(t) ? 0 : 1;
  }
  EXPECT_EQ(offSphere, 0);
  EXPECT_EQ(clockwise, 0);
}

TEST(NormalizePointTest, DividesByTheLengthRoundedOnceAndReportsZero) {
  // The length in double, rounded once, is 0.37416574f; summing the squares
  // in float would give the next float up and other quotients.
  float q[3] = {0.1f, 0.2f, 0.3f};
  normalizePoint(q);
  const float unit[3] = {0.26726123690605164f, 0.5345224738121033f, 0.8017837405204773f};
  EXPECT_TRUE(sameFloats(unit, q, 3));

  float zero[3] = {0, 0, 0};
  testsupport::CapturedStreams streams;
  normalizePoint(zero);
  streams.stop();
  EXPECT_EQ(streams.err(), "Zero length vector\n");
  EXPECT_EQ(streams.out(), "");
  const float zeros[3] = {0, 0, 0};
  EXPECT_TRUE(sameFloats(zeros, zero, 3));
}

}  // namespace
