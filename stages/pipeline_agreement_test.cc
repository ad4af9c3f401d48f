// Corvane's vertex pipeline against OpenGL's own transform (feedback mode, Mesa on the test
// display), both built from the same camera, fields of view, clipping distances and viewport.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "corvane/corvane.h"
#include "corvane/pipeline.h"
#include "stages/opengl_transform.h"
#include "tests/support/capture.h"
#include "tests/support/gl_context.h"

namespace {

using namespace testsupport;

constexpr int kStates = 1200;
constexpr int kPointsPerState = 24;

// A camera after a run of random drag-like steps: moves along and turns about its own axes, now
// and then re-aimed at the origin as "Look at Object" does.
Camera randomCamera(std::mt19937& random) {
  std::uniform_real_distribution<float> move(-1.5f, 1.5f), turn(-0.6f, 0.6f);
  std::uniform_int_distribution<int> kind(0, 4), steps(1, 12);
  Camera camera;
  for (int s = steps(random); s > 0; --s) {
    switch (kind(random)) {
      case 0:
        camera.translate(move(random), move(random), move(random), 0, Vector3(0, 0, 0));
        break;
      case 1:
        camera.pitch(turn(random));
        break;
      case 2:
        camera.yaw(turn(random));
        break;
      case 3:
        camera.roll(turn(random));
        break;
      default:
        camera.translate(move(random), 0, 0, 1, Vector3(0, 0, 0));
        break;
    }
  }
  return camera;
}

DrawingView randomView(std::mt19937& random) {
  std::uniform_real_distribution<float> fov(10, 170), nearExp(-2, 0.5f), depthExp(0.2f, 3.5f);
  std::uniform_int_distribution<int> side(1, 1200);
  DrawingView view;
  view.camera = randomCamera(random);
  view.hfov = fov(random);
  view.vfov = fov(random);
  view.nearPlane = std::pow(10.0f, nearExp(random));
  view.farPlane = view.nearPlane * std::pow(10.0f, depthExp(random));
  view.viewport = Viewport{0, 0, side(random), side(random)};
  return view;
}

// Points of the scene: half on the unit sphere, where the icosphere's vertices lie, half anywhere
// in a box about it, behind the eye included.
std::vector<Vector3> randomPoints(std::mt19937& random) {
  std::normal_distribution<float> direction;
  std::uniform_real_distribution<float> box(-4, 4);
  std::vector<Vector3> points;
  for (int i = 0; i < kPointsPerState; ++i) {
    if (i % 2 == 0) {
      Vector3 p(direction(random), direction(random), direction(random));
      p.normalize();
      points.push_back(p);
    } else {
      points.push_back(Vector3(box(random), box(random), box(random)));
    }
  }
  return points;
}

// "Clipped" agrees exactly for every point, each of the six tests failing often. Window coordinates
// agree within 1e-3 pixels in x and y and 1e-6 in depth for the points OpenGL keeps, except where
// float arithmetic cannot give those digits: OpenGL transforms in float, so a point much nearer the
// eye than it and the eye are from the origin loses digits to cancellation (about
// 6e-8 * (|point| + |eye|) / distance in NDC); such points are compared for clipping only.
TEST(PipelineAgreementTest, CorvaneWindowCoordinatesAndClippingAgreeWithOpenGlFeedback) {
  createGlWindow();
  std::mt19937 random(20);
  int compared = 0;
  int failures[kClipTestCount] = {};
  for (int s = 0; s < kStates; ++s) {
    DrawingView view;
    capture([&] { view = randomView(random); });  // re-aiming may print "flipped"
    const std::vector<Vector3> points = randomPoints(random);
    std::vector<OpenGlPoint> gl(points.size());
    transformByOpenGl(view, points.data(), static_cast<int>(points.size()), gl.data());
    updateCorvaneLookAt(view.camera);
    updateCorvaneProjection(view.hfov, view.vfov, view.nearPlane, view.farPlane);
    for (std::size_t i = 0; i < points.size(); ++i) {
      const CorvaneTrace t =
          traceThroughCorvane(points[i], corvaneLookAt, corvaneProjection, view.viewport);
      ASSERT_EQ(!inside(t.failed), gl[i].clipped) << "state " << s << ", point " << i;
      for (int k = 0; k < kClipTestCount; ++k) failures[k] += failedTest(t.failed, k);
      if (gl[i].clipped || -t.eye.z < 0.5f * (points[i].length() + view.camera.eye.length()))
        continue;
      ++compared;
      ASSERT_NEAR(t.window.x, gl[i].window.x, 1e-3) << "state " << s << ", point " << i;
      ASSERT_NEAR(t.window.y, gl[i].window.y, 1e-3) << "state " << s << ", point " << i;
      ASSERT_NEAR(t.window.z, gl[i].window.z, 1e-6) << "state " << s << ", point " << i;
    }
  }
  EXPECT_GT(compared, kStates * kPointsPerState / 10);
  for (int k = 0; k < kClipTestCount; ++k) EXPECT_GT(failures[k], kStates) << kClipTestNames[k];
}

}  // namespace
