// Corvane's clip tests at literal values, each named; the divide, the viewport mapping and the
// whole pipeline against OpenGL over random views are stages/pipeline_agreement_test.cc, the start
// view's front vertex stages/vertex_trace_test.cc.
#include "corvane/pipeline.h"

#include <gtest/gtest.h>

#include <string>

namespace {

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

}  // namespace
