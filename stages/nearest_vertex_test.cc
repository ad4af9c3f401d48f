// The pruned vertex search against looking at every vertex, over random views and pixels.
#include "stages/nearest_vertex.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "corvane/corvane.h"
#include "scene/icosphere.h"
#include "tests/support/bits.h"

namespace {

using namespace testsupport;

// Every corner subdivide sends at this depth, made by its own midpoint and normalizePoint.
void corners(const float* p1, const float* p2, const float* p3, int depth,
             std::vector<Vector3>& out) {
  if (depth <= 0) {
    for (const float* p : {p1, p2, p3}) out.push_back(Vector3(p[0], p[1], p[2]));
    return;
  }
  float m12[3], m23[3], m31[3];
  midpoint(p1, p2, m12), midpoint(p2, p3, m23), midpoint(p3, p1, m31);
  normalizePoint(m12), normalizePoint(m23), normalizePoint(m31);
  corners(p1, m12, m31, depth - 1, out), corners(p2, m23, m12, depth - 1, out);
  corners(p3, m31, m23, depth - 1, out), corners(m12, m23, m31, depth - 1, out);
}

// Every vertex of the sphere is looked at; a vertex behind the eye only when none is in front.
Vector3 nearestByLookingAtAll(const std::vector<Vector3>& vertices, Viewport viewport, float x,
                              float y) {
  bool haveFront = false;
  double best = 0;
  float bestDepth = 0;
  Vector3 chosen(0, 0, 0);
  for (const Vector3& v : vertices) {
    const CorvaneTrace t = traceThroughCorvane(v, corvaneLookAt, corvaneProjection, viewport);
    const bool front = t.clip.w > 0;
    const double dx = double{t.window.x} - x, dy = double{t.window.y} - y, d = dx * dx + dy * dy;
    const bool first = &v == &vertices[0];
    if (first || (front && !haveFront) ||
        (front == haveFront && (d < best || (d == best && t.window.z < bestDepth)))) {
      haveFront = front, best = d, bestDepth = t.window.z, chosen = v;
    }
  }
  return chosen;
}

TEST(NearestVertexTest, PrunedSearchFindsTheVertexThatLookingAtAllFinds) {
  std::mt19937 random(8);
  std::uniform_real_distribution<float> move(-2, 2), turn(-1, 1), fov(20, 120), pixel(-50, 450);
  for (int depth = 0; depth <= 4; ++depth) {
    std::vector<Vector3> vertices;
    for (const int* f : icosahedronFaces) {
      corners(icosahedronVertices[f[0]], icosahedronVertices[f[1]], icosahedronVertices[f[2]],
              depth, vertices);
    }
    for (int s = 0; s < 40; ++s) {
      Camera camera;
      camera.translate(move(random), move(random), move(random), 0, Vector3(0, 0, 0));
      camera.yaw(turn(random)), camera.pitch(turn(random));
      updateCorvaneLookAt(camera);
      updateCorvaneProjection(fov(random), fov(random), 0.1f, 100);
      const Viewport viewport{0, 0, 400, 300};
      const float x = pixel(random), y = pixel(random);
      EXPECT_TRUE(sameBits(nearestByLookingAtAll(vertices, viewport, x, y),
                           nearestVertex(depth, corvaneLookAt, corvaneProjection, viewport, x, y)))
          << "depth " << depth << ", state " << s;
    }
  }
}

}  // namespace
