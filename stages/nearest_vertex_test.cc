// The pruned vertex search against looking at every vertex, over random views and pixels.
#include "stages/nearest_vertex.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "corvane/corvane.h"
#include "stages/sphere_vertices.h"
#include "tests/support/bits.h"

namespace {

using namespace testsupport;

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
    const std::vector<Vector3> vertices = sphereVertices(depth);
    ASSERT_EQ(10 * (1u << (2 * depth)) + 2, vertices.size());
    for (int s = 0; s < 40; ++s) {
      Camera camera;
      camera.translate(move(random), move(random), move(random), 0, Vector3(0, 0, 0));
      camera.yaw(turn(random));
      camera.pitch(turn(random));
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
