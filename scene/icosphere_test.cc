// The icosphere as OpenGL receives it: triangles are captured with the GL
// feedback buffer while drawIcosphere draws a real frame, and checked against
// values worked out here from the geometry.
#include "scene/icosphere.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

#include "app/state.h"
#include "tests/support/capture.h"
#include "tests/support/gl_context.h"

namespace {

using Point = std::array<float, 3>;
using Triangle = std::array<Point, 3>;

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

::testing::AssertionResult samePoint(const Point& got, const Point& want) {
  for (int k = 0; k < 3; ++k) {
    if (!sameBits(got[k], want[k])) {
      return ::testing::AssertionFailure()
             << "coordinate " << k << ": got " << got[k] << ", want " << want[k];
    }
  }
  return ::testing::AssertionSuccess();
}

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

// ---------------------------------------------------------------------------
// Feedback capture.

struct Primitive {
  GLenum token;
  std::vector<std::vector<float>> vertices;
};

// Draws one frame in feedback mode and splits the buffer into primitives.
// valuesPerVertex must match `type` (2 for GL_2D, 7 for GL_3D_COLOR in RGBA).
std::vector<Primitive> captureFrame(GLenum type, int valuesPerVertex, std::size_t capacity) {
  std::vector<float> buffer(capacity);
  glFeedbackBuffer(static_cast<GLsizei>(capacity), type, buffer.data());
  glRenderMode(GL_FEEDBACK);
  drawIcosphere();
  const GLint used = glRenderMode(GL_RENDER);
  std::vector<Primitive> primitives;
  if (used < 0) {
    ADD_FAILURE() << "feedback buffer of " << capacity << " values overflowed";
    return primitives;
  }
  auto readVertex = [&](std::size_t& at) {
    std::vector<float> v(buffer.begin() + at, buffer.begin() + at + valuesPerVertex);
    at += valuesPerVertex;
    return v;
  };
  for (std::size_t at = 0; at < static_cast<std::size_t>(used);) {
    Primitive p{static_cast<GLenum>(buffer[at++]), {}};
    int count = 0;
    switch (p.token) {
      case GL_POINT_TOKEN: count = 1; break;
      case GL_LINE_TOKEN:
      case GL_LINE_RESET_TOKEN: count = 2; break;
      case GL_POLYGON_TOKEN: count = static_cast<int>(buffer[at++]); break;
      default:
        ADD_FAILURE() << "unexpected feedback token " << p.token;
        return primitives;
    }
    for (int i = 0; i < count; ++i) p.vertices.push_back(readVertex(at));
    primitives.push_back(std::move(p));
  }
  return primitives;
}

int countTokens(const std::vector<Primitive>& primitives, GLenum token) {
  int n = 0;
  for (const Primitive& p : primitives) n += p.token == token ? 1 : 0;
  return n;
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
  // x (a rotation, so winding is kept). With lighting on, each pass also
  // checks the normals: OpenGL's default light shines along eye z, so a
  // vertex's red is 0.04 + 0.8 * max(0, eye-z of its normal), and the normal
  // sent with a vertex must be the vertex itself.
  std::vector<Triangle> captureTriangles() {
    lightOn = 1;
    const std::size_t expected = trianglesAt(subdivisions);
    std::vector<Primitive> passes[3];
    for (int axis = 0; axis < 3; ++axis) {
      GLfloat rotation[16] = {};
      rotation[4 * axis + 0] = 1.0f;
      rotation[4 * ((axis + 1) % 3) + 1] = 1.0f;
      rotation[4 * ((axis + 2) % 3) + 2] = 1.0f;
      rotation[15] = 1.0f;
      glLoadMatrixf(rotation);
      passes[axis] = captureFrame(GL_3D_COLOR, 7, expected * (2 + 3 * 7));
      if (passes[axis].size() != expected) {
        ADD_FAILURE() << "captured " << passes[axis].size() << " triangles, want " << expected;
        return {};
      }
      for (const Primitive& p : passes[axis]) {
        if (p.token != GL_POLYGON_TOKEN || p.vertices.size() != 3) {
          ADD_FAILURE() << "not a triangle: token " << p.token;
          return {};
        }
      }
    }
    std::vector<Triangle> triangles(expected);
    for (int axis = 0; axis < 3; ++axis) {
      for (std::size_t i = 0; i < expected; ++i) {
        for (int j = 0; j < 3; ++j) triangles[i][j][axis] = passes[axis][i].vertices[j][0];
      }
    }
    for (int axis = 0; axis < 3; ++axis) checkLighting(passes[axis], triangles, (axis + 2) % 3);
    return triangles;
  }

  static void checkLighting(const std::vector<Primitive>& pass,
                            const std::vector<Triangle>& triangles, int eyeZAxis) {
    int wrong = 0;
    for (std::size_t i = 0; i < pass.size(); ++i) {
      for (int j = 0; j < 3; ++j) {
        const double normalZ = std::max(0.0f, triangles[i][j][eyeZAxis]);
        wrong += std::fabs(pass[i].vertices[j][3] - (0.04 + 0.8 * normalZ)) > 1e-5 ? 1 : 0;
      }
    }
    EXPECT_EQ(wrong, 0) << "vertices lit as if their normal were not the vertex";
  }
};

TEST_F(IcosphereFeedbackTest, DrawsTwentyTimesFourToTheDepthTrianglesPerFrame) {
  for (int depth : {1, 2, 3, 4, 6}) {
    subdivisions = depth;
    const std::size_t want = trianglesAt(depth);
    const auto primitives = captureFrame(GL_2D, 2, want * (2 + 3 * 2) + 1);
    EXPECT_EQ(primitives.size(), want) << "depth " << depth;
    EXPECT_EQ(static_cast<std::size_t>(countTokens(primitives, GL_POLYGON_TOKEN)), want);
  }
}

TEST_F(IcosphereFeedbackTest, DepthZeroOrBelowDrawsTheBareIcosahedron) {
  for (int depth : {0, -1, -5}) {
    subdivisions = depth;
    EXPECT_EQ(captureFrame(GL_2D, 2, 20 * 8 + 1).size(), 20u) << "depth " << depth;
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
  EXPECT_TRUE(samePoint(m01, {0, 0, 1}));
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
      EXPECT_TRUE(samePoint(got[t][j], want[t][j])) << "triangle " << t << " corner " << j;
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

TEST_F(IcosphereFeedbackTest, RenderModeGivesPointsLinesOrFilledTriangles) {
  renderMode = 0;
  const auto points = captureFrame(GL_2D, 2, 80 * 3 * 3);
  EXPECT_EQ(countTokens(points, GL_POINT_TOKEN), 80 * 3) << "every corner of every triangle";
  EXPECT_EQ(points.size(), 80u * 3);

  renderMode = 1;
  const auto lines = captureFrame(GL_2D, 2, 80 * 3 * 5);
  EXPECT_EQ(countTokens(lines, GL_LINE_TOKEN) + countTokens(lines, GL_LINE_RESET_TOKEN), 80 * 3);
  EXPECT_EQ(lines.size(), 80u * 3);

  renderMode = 2;
  EXPECT_EQ(countTokens(captureFrame(GL_2D, 2, 80 * 8), GL_POLYGON_TOKEN), 80);
}

TEST_F(IcosphereFeedbackTest, LightingFollowsLightOnAndTheGlSwitchesStaySet) {
  lightOn = 1;
  drawIcosphere();
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
  lightOn = 0;
  renderMode = 0;
  drawIcosphere();
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
  EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
  GLint modes[2];
  glGetIntegerv(GL_POLYGON_MODE, modes);
  EXPECT_EQ(modes[0], GL_POINT);
  EXPECT_EQ(modes[1], GL_POINT);
  // Culling and the depth test belong to start-up and the panel.
  EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
}

// ---------------------------------------------------------------------------
// The tables and normalizePoint, without OpenGL.

TEST(IcosahedronTablesTest, CoordinatesAreTheGoldenRatioPairRoundedToFloat) {
  const double phi = (1.0 + std::sqrt(5.0)) / 2.0;
  const double norm = std::sqrt(1.0 + phi * phi);
  EXPECT_TRUE(sameBits(icoShort, static_cast<float>(1.0 / norm)));
  EXPECT_TRUE(sameBits(icoLong, static_cast<float>(phi / norm)));
  EXPECT_EQ(double{icoShort}, 0.52573108673095703125);
  EXPECT_EQ(double{icoLong}, 0.850650787353515625);
}

// A closed, consistently wound surface: each directed edge once, its reverse
// once; 30 edges, 5 faces at every vertex, equal edges, all faces outward.
TEST(IcosahedronTablesTest, FacesCloseARegularOutwardWoundIcosahedron) {
  std::map<std::pair<int, int>, int> directed;
  int facesAt[12] = {};
  for (const auto& face : icosahedronFaces) {
    Triangle t;
    for (int j = 0; j < 3; ++j) {
      ++directed[{face[j], face[(j + 1) % 3]}];
      ++facesAt[face[j]];
      for (int k = 0; k < 3; ++k) t[j][k] = icosahedronVertices[face[j]][k];
    }
    EXPECT_TRUE(counterClockwiseFromOutside(t));
  }
  EXPECT_EQ(directed.size(), 60u);
  for (const auto& [edge, count] : directed) {
    EXPECT_EQ(count, 1);
    EXPECT_EQ(directed.count({edge.second, edge.first}), 1u);
    Point a;
    for (int k = 0; k < 3; ++k) {
      a[k] = icosahedronVertices[edge.first][k] - icosahedronVertices[edge.second][k];
    }
    EXPECT_NEAR(length(a), 2.0 * icoShort, 1e-6);
  }
  for (int count : facesAt) EXPECT_EQ(count, 5);
  for (const auto& v : icosahedronVertices) EXPECT_NEAR(length({v[0], v[1], v[2]}), 1.0, 1e-7);
}

TEST(NormalizePointTest, ScalesOntoTheUnitSphere) {
  float p[3] = {3, 0, 4};
  normalizePoint(p);
  EXPECT_TRUE(samePoint({p[0], p[1], p[2]}, {0.6f, 0.0f, 0.8f}));

  // The midpoint of base vertices 0 and 1 is (0, 0, icoLong): exactly (0, 0, 1).
  float m[3] = {0, 0, icoLong};
  normalizePoint(m);
  EXPECT_TRUE(samePoint({m[0], m[1], m[2]}, {0, 0, 1}));

  // Here the length in double, rounded once, is 0.37416574f; summing the
  // squares in float would give the next float up and other quotients.
  float q[3] = {0.1f, 0.2f, 0.3f};
  normalizePoint(q);
  EXPECT_TRUE(samePoint({q[0], q[1], q[2]},
                        {0.26726123690605164f, 0.5345224738121033f, 0.8017837405204773f}));
}

TEST(NormalizePointTest, ZeroPointIsReportedAndLeftZero) {
  float p[3] = {0, 0, 0};
  testsupport::CapturedStreams streams;
  normalizePoint(p);
  streams.stop();
  EXPECT_EQ(streams.err(), "Zero length vector\n");
  EXPECT_EQ(streams.out(), "");
  EXPECT_TRUE(samePoint({p[0], p[1], p[2]}, {0, 0, 0}));
}

}  // namespace
