// Corvane's clip tests, divide and viewport mapping at literal values; the whole pipeline against
// OpenGL over random views is stages/pipeline_agreement_test.cc, the start view's front vertex
// stages/vertex_trace_test.cc.
#include "corvane/pipeline.h"

#include <gtest/gtest.h>

#include <string>

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
