// Corvane's vertex pipeline stage by stage, at literal values; its agreement with OpenGL over
// random views is stages/pipeline_agreement_test.cc.
#include "corvane/pipeline.h"

#include <gtest/gtest.h>

#include <string>

#include "corvane/corvane.h"
#include "tests/support/bits.h"

namespace {

using namespace testsupport;

std::string failedNames(ClipTests failed) {
  std::string names;
  for (int k = 0; k < kClipTestCount; ++k) {
    if (failedTest(failed, k)) names += std::string(names.empty() ? "" : " ") + kClipTestNames[k];
  }
  return names;
}

// The sphere's front vertex from the start view (eye at 2.5, fields of view 60, near 0.1, far
// 1000) in the 400 by 400 window: eye z -1.5 and w 1.5 exactly, z 1.300280 in clip space,
// 0.866853 in NDC and depth 0.933427, at the window's centre.
TEST(PipelineTest, FrontVertexOfTheStartView) {
  updateCorvaneLookAt(Camera());
  updateCorvaneProjection(60, 60, 0.1f, 1000);
  const CorvaneTrace t =
      traceThroughCorvane(Vector3(0, 0, 1), corvaneLookAt, corvaneProjection, {0, 0, 400, 400});
  const float eye[4] = {0, 0, -1.5f, 1};
  EXPECT_TRUE(sameFloats(eye, &t.eye.x, 4));
  EXPECT_TRUE(sameBits(1.5f, t.clip.w));
  EXPECT_NEAR(1.300280, t.clip.z, 5e-7);
  EXPECT_NEAR(0.866853, t.ndc.z, 5e-7);
  EXPECT_TRUE(sameBits(Vector3(200, 200, t.window.z), t.window));
  EXPECT_NEAR(0.933427, t.window.z, 5e-7);
  EXPECT_TRUE(inside(t.failed));
}

// A test fails strictly beyond its plane; w <= 0 fails all six at once.
TEST(PipelineTest, ClipTestsNameThePlanesAPointLiesBeyond) {
  const struct {
    Vector4 clip;
    const char* failed;
  } cases[] = {
      {{1, -1, 1, 1}, ""},
      {{-1.5f, 0, 0, 1}, "left"},
      {{2, 0, 0, 1}, "right"},
      {{0, -2, 0, 1}, "bottom"},
      {{0, 2, 0, 1}, "top"},
      {{0, 0, -2, 1}, "near"},
      {{0, 0, 3, 2}, "far"},
      {{3, -3, 0.5f, 2}, "right bottom"},
      {{0, 0, 0, -1}, "left right bottom top near far"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.failed, failedNames(clipTests(c.clip))) << c.failed;
}

// The viewport's corners, counted from its bottom left, and depth 0 at the near plane, 1 at the
// far one.
TEST(PipelineTest, DivideThenViewportMappingWithDepthRangeZeroToOne) {
  const Viewport viewport{10, 20, 300, 100};
  EXPECT_TRUE(sameBits(Vector3(-0.5f, 2, 0.25f), perspectiveDivide({-1, 4, 0.5f, 2})));
  EXPECT_TRUE(sameBits(Vector3(10, 20, 0), viewportMapping(Vector3(-1, -1, -1), viewport)));
  EXPECT_TRUE(sameBits(Vector3(310, 120, 1), viewportMapping(Vector3(1, 1, 1), viewport)));
  EXPECT_TRUE(sameBits(Vector3(160, 70, 0.5f), viewportMapping(Vector3(0, 0, 0), viewport)));
}

}  // namespace
